#include "base/text_buffer.h"

#include <cstring>

size_t text_copy(char* dest, size_t size, const char* src)
{
    if (size == 0)
        return 0;
    size_t length = strlen(src);
    if (length > size - 1)
        length = size - 1;
    memmove(dest, src, length);
    dest[length] = '\0';
    return length;
}

size_t text_append(char* dest, size_t size, const char* src)
{
    if (size == 0)
        return 0;
    size_t used = strnlen(dest, size - 1);
    return used + text_copy(dest + used, size - used, src);
}

char ascii_lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

int bytes_equal_nocase(const void* a, const void* b, size_t count)
{
    const char* x = static_cast<const char*>(a);
    const char* y = static_cast<const char*>(b);
    for (size_t i = 0; i < count; ++i)
        if (ascii_lower(x[i]) != ascii_lower(y[i]))
            return 0;
    return 1;
}

int text_equal_nocase(const char* a, const char* b)
{
    size_t length = strlen(a);
    return length == strlen(b) && bytes_equal_nocase(a, b, length);
}

const char* base_name(const char* path)
{
    const char* slash = strrchr(path, '\\');
    return slash ? slash + 1 : path;
}
