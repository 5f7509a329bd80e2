#include "uninstall/log_entries.h"

#include <cstring>

#include "base/text_buffer.h"

namespace {

void copy_span(const char* from, const char* to, char* dest, size_t size)
{
    if (size == 0)
        return;
    size_t length = static_cast<size_t>(to - from);
    if (length > size - 1)
        length = size - 1;
    memcpy(dest, from, length);
    dest[length] = '\0';
}

} // namespace

int split_registry_entry(const char* entry, char* key, size_t key_size, char* name,
                         size_t name_size)
{
    const char* last = strrchr(entry, '\\');
    if (!last || last - entry <= 4)
        return 0;
    copy_span(entry, last, key, key_size);
    text_copy(name, name_size, last + 1);
    return 1;
}

int split_ini_entry(const char* entry, char* file, size_t file_size, char* section,
                    size_t section_size, char* key, size_t key_size)
{
    const char* first = strchr(entry, '*');
    const char* second = first ? strchr(first + 1, '*') : nullptr;
    if (!second)
        return 0;
    copy_span(entry, first, file, file_size);
    copy_span(first + 1, second, section, section_size);
    text_copy(key, key_size, second + 1);
    return 1;
}

int last_component_has_wildcard(const char* path)
{
    for (size_t i = strlen(path); i-- > 1 && path[i] != '\\';)
        if (path[i] == '*' || path[i] == '?')
            return 1;
    return 0;
}

size_t product_list_lines(char* list)
{
    for (char* bars = strstr(list, "||"); bars; bars = strstr(bars + 2, "||")) {
        bars[0] = '\r';
        bars[1] = '\n';
    }
    return strlen(list);
}
