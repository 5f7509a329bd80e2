#include "app/module_directory.h"

#include <cstring>

#include "base/text_buffer.h"

void program_path_join(const char* module_name, const char* file_name, char* dest, size_t size)
{
    size_t cut = 0;
    for (size_t i = strlen(module_name); i-- > 1;) {
        if (module_name[i] == '\\' || module_name[i] == ':') {
            cut = i + 1;
            break;
        }
    }
    if (size == 0)
        return;
    if (cut > size - 1)
        cut = size - 1;
    memmove(dest, module_name, cut);
    dest[cut] = '\0';
    text_append(dest, size, file_name);
}
