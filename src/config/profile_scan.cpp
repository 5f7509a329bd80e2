#include "config/profile_scan.h"

#include <cstring>

#include "base/text_buffer.h"

namespace {

// Header lines: advance past the line feed, then past every byte <= 0x20.
size_t next_header_line(const unsigned char* image, size_t length, size_t pos)
{
    while (pos < length && image[pos] != '\n')
        ++pos;
    while (pos < length && image[pos] <= 0x20)
        ++pos;
    return pos;
}

// Lines of a section: advance to the next CR, LF or NUL, then past blanks,
// where bytes 0x80..0xFF count as blanks too. A NUL ends the image. Returns 0
// when no further line exists.
int next_body_line(const unsigned char* image, size_t length, size_t* pos)
{
    size_t p = *pos;
    while (p < length && image[p] != '\r' && image[p] != '\n' && image[p] != 0)
        ++p;
    while (p < length && static_cast<signed char>(image[p]) <= 0x20) {
        if (image[p] == 0)
            return 0;
        ++p;
    }
    *pos = p;
    return p < length;
}

// Finds the first header of section; on success *body is the first non-blank
// byte after the header line.
int find_section(const unsigned char* image, size_t length, const char* section, size_t* body)
{
    const size_t name_length = strlen(section);
    size_t pos = 0;
    while (pos < length) {
        int matched = 0;
        if (image[pos] == '[') {
            size_t name = pos + 1;
            while (name < length && image[name] == ' ')
                ++name;
            size_t close = name + name_length;
            while (close < length && image[close] == ' ')
                ++close;
            matched = close < length && image[close] == ']' &&
                      bytes_equal_nocase(image + name, section, name_length);
        }
        pos = next_header_line(image, length, pos);
        if (matched) {
            *body = pos;
            return 1;
        }
    }
    return 0;
}

} // namespace

int profile_find_value(const unsigned char* image, size_t length, const char* section,
                       const char* key, char* dest, size_t size)
{
    size_t pos;
    if (!find_section(image, length, section, &pos))
        return -1;
    const size_t key_length = strlen(key);
    while (pos < length && image[pos] != '[') {
        if (length - pos > key_length && image[pos + key_length] == '=' &&
            bytes_equal_nocase(image + pos, key, key_length)) {
            if (size == 0)
                return 0;
            const size_t start = pos + key_length + 1;
            size_t end = start;
            while (end < length && image[end] >= 0x20 && end - start < size - 1)
                ++end;
            memcpy(dest, image + start, end - start);
            dest[end - start] = '\0';
            return static_cast<int>(end - start);
        }
        if (!next_body_line(image, length, &pos))
            break;
    }
    return -1;
}

int profile_list_keys(const unsigned char* image, size_t length, const char* section,
                      char* dest, size_t size)
{
    size_t pos;
    if (!find_section(image, length, section, &pos))
        return -1;
    size_t out = 0;
    while (pos < length && image[pos] != '[') {
        size_t end = pos;
        while (end < length && image[end] != '=' && image[end] != '\r' && image[end] != '\n' &&
               image[end] != 0)
            ++end;
        const size_t entry = end - pos;
        if (out + entry + 3 > size)
            break; // the entry, its NUL and the two closing NULs must fit
        memcpy(dest + out, image + pos, entry);
        out += entry;
        dest[out++] = '\0';
        if (!next_body_line(image, length, &pos))
            break;
    }
    for (int closing = 0; closing < 2 && out < size; ++closing)
        dest[out++] = '\0';
    return static_cast<int>(out);
}

int profile_parse_int(const char* text, int default_value)
{
    while (*text == ' ')
        ++text;
    int negative = 0;
    if (*text == '-') {
        negative = 1;
        ++text;
    }
    if (*text == '+')
        ++text;
    unsigned number = 0;
    int digits = 0;
    for (; *text && *text != ' '; ++text) {
        if (*text >= '0' && *text <= '9') {
            number = number * 10u + static_cast<unsigned>(*text - '0');
            digits = 1;
        }
    }
    // Unsigned arithmetic: an overlong number wraps instead of overflowing.
    unsigned value = digits ? number : static_cast<unsigned>(default_value);
    return static_cast<int>(negative ? 0u - value : value);
}
