#include "install/file_names.h"

#include <cstring>

#include "base/text_buffer.h"

void compressed_file_name(const char* path, char* dest, size_t size)
{
    const size_t length = text_copy(dest, size, path);
    const char* dot = strchr(base_name(path), '.');
    if (!dot)
        text_append(dest, size, "._");
    else if (strlen(dot + 1) < 3)
        text_append(dest, size, "_");
    else if (length > 0 && length == strlen(path))
        dest[length - 1] = '_';
}

void directory_of(const char* path, char* dest, size_t size)
{
    const char* name = base_name(path);
    size_t length = static_cast<size_t>(name - path);
    if (size == 0)
        return;
    if (length > size - 1)
        length = size - 1;
    memmove(dest, path, length);
    dest[length] = '\0';
}

void add_trailing_backslash(char* dest, size_t size)
{
    size_t length = strlen(dest);
    if (length > 0 && dest[length - 1] != '\\')
        text_append(dest, size, "\\");
}
