#include "config/text_markup.h"

#include <cstring>

#include "base/text_buffer.h"

namespace {

char escape_letter(char c)
{
    switch (c) {
    case '\t': return 't';
    case '\b': return 'b';
    case '\n': return 'n';
    case '\r': return 'r';
    default: return 0;
    }
}

char control_for_letter(char c)
{
    switch (c) {
    case 't': return '\t';
    case 'b': return '\b';
    case 'n': return '\n';
    case 'r': return '\r';
    default: return 0;
    }
}

} // namespace

size_t text_escape(const char* src, char* dest, size_t size)
{
    if (size == 0)
        return 0;
    size_t out = 0;
    for (; *src && out < size - 1; ++src) {
        char letter = escape_letter(*src);
        if (!letter) {
            dest[out++] = *src;
        } else if (out + 2 <= size - 1) {
            dest[out++] = '\\';
            dest[out++] = letter;
        } else {
            break; // an escape is never cut in half
        }
    }
    dest[out] = '\0';
    return out;
}

size_t text_unescape(const char* src, char* dest, size_t size)
{
    if (size == 0)
        return 0;
    size_t out = 0;
    while (*src && out < size - 1) {
        if (src[0] == '\\' && src[1] == 'T') {
            out += text_copy(dest + out, size - out, "Setup");
            src += 2;
        } else if (src[0] == '\\' && control_for_letter(src[1])) {
            dest[out++] = control_for_letter(src[1]);
            src += 2;
        } else {
            dest[out++] = *src++;
        }
    }
    dest[out] = '\0';
    return out;
}

int split_markup(char* markup, size_t markup_size, char* text)
{
    char* open = strchr(text, '<');
    if (!open)
        return 0;
    char* close = strchr(open + 1, '>');
    if (!close)
        return 0;
    if (markup_size > 0) {
        size_t length = static_cast<size_t>(close - open - 1);
        if (length > markup_size - 1)
            length = markup_size - 1;
        memcpy(markup, open + 1, length);
        markup[length] = '\0';
    }
    memmove(text, close + 1, strlen(close + 1) + 1);
    return 1;
}

unsigned markup_interpret(const char* markup, char* text, MarkupTitle* title)
{
    enum { BUTTON_MASK = 0x7, SYSTEM_MODAL = 0x1000 };
    unsigned flags = 0;
    title->kind = MARKUP_TITLE_NONE;
    title->title_string = 0;
    title->title_group[0] = '\0';
    for (; *markup; ++markup) {
        switch (*markup) {
        case 'o': flags = (flags & ~BUTTON_MASK) | 0; break;
        case 'c': flags = (flags & ~BUTTON_MASK) | 1; break;
        case 'a': flags = (flags & ~BUTTON_MASK) | 2; break;
        case 'n': flags = (flags & ~BUTTON_MASK) | 3; break;
        case 'y': flags = (flags & ~BUTTON_MASK) | 4; break;
        case 'r': flags = (flags & ~BUTTON_MASK) | 5; break;
        case '#': flags |= 0x10; break;
        case '?': flags |= 0x20; break;
        case '!': flags |= 0x30; break;
        case '*': flags |= 0x40; break;
        case '2': flags |= 0x100; break;
        case '3': flags |= 0x200; break;
        case 'S': flags |= SYSTEM_MODAL; break;
        case 'N': flags &= ~static_cast<unsigned>(SYSTEM_MODAL); break;
        case 'E': title->kind = MARKUP_TITLE_STRING; title->title_string = 1120; break;
        case 'I': title->kind = MARKUP_TITLE_STRING; title->title_string = 1116; break;
        case 'V': title->kind = MARKUP_TITLE_STRING; title->title_string = 1118; break;
        case 'Y': title->kind = MARKUP_TITLE_STRING; title->title_string = 1122; break;
        case 'Z': title->kind = MARKUP_TITLE_ARGUMENT; break;
        case 'U':
            if (split_markup(title->title_group, sizeof title->title_group, text))
                title->kind = MARKUP_TITLE_GROUP;
            break;
        default: break; // other letters (A, 1, ...) carry no meaning
        }
    }
    return flags;
}

int control_wants_transparency(const char* class_name, unsigned long style)
{
    const unsigned long kind = style & 0xF;
    if (text_equal_nocase(class_name, "static") || text_equal_nocase(class_name, "STATICSUP"))
        return kind != 4 && kind != 5 && kind != 6;
    if (text_equal_nocase(class_name, "button") || text_equal_nocase(class_name, "BUTTONSUP"))
        return kind != 0 && kind != 1;
    return 0;
}
