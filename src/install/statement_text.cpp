#include "install/statement_text.h"

#include <cstring>

#include "base/text_buffer.h"

namespace {

// A bounded writer: keeps appending until the buffer is full.
struct TextOut {
    char* dest;
    size_t size;
    size_t length;

    void put(char c)
    {
        if (length + 1 < size)
            dest[length++] = c;
    }
    void put(const char* text)
    {
        for (; *text; ++text)
            put(*text);
    }
    size_t finish()
    {
        if (size > 0)
            dest[length] = '\0';
        return length;
    }
};

} // namespace

size_t command_program_part(const char* command_template, char* dest, size_t size)
{
    TextOut out = {dest, size, 0};
    int depth = 0;
    const char* c = command_template;
    if (*c == '"') {
        depth = 1;
        ++c;
    }
    for (; *c; ++c) {
        if (*c == ' ' && depth < 1)
            break;
        if (*c == '"')
            --depth;
        else
            out.put(*c);
    }
    return out.finish();
}

size_t expand_command_text(const char* value, const char* source_dir,
                           ExtensionCommandLookup lookup, void* context, char* dest, size_t size)
{
    TextOut out = {dest, size, 0};
    for (const char* c = value; *c;) {
        if (c[0] == '%' && c[1] == '%') {
            out.put(source_dir);
            c += 2;
        } else if (c[0] == '%' && c[1] == '[' && c[2] && c[3] && c[4]) {
            const char extension[4] = {c[2], c[3], c[4], '\0'};
            char command[300], program[300];
            if (lookup(context, extension, command, sizeof command)) {
                command_program_part(command, program, sizeof program);
                out.put(program);
            }
            c += 5;
        } else {
            out.put(*c++);
        }
    }
    return out.finish();
}

size_t format_added_entry(const char* format, const char* install_dir, const char* name,
                          char* dest, size_t size)
{
    TextOut out = {dest, size, 0};
    for (const char* c = format; *c;) {
        if (c[0] == '%' && c[1] == '%') {
            out.put(install_dir);
            c += 2;
        } else if (c[0] == '%' && c[1] == 's') {
            out.put(name);
            c += 2;
        } else {
            out.put(*c++);
        }
    }
    return out.finish();
}

int split_registry_statement(char* value, char** key_path, char** value_name, char** data)
{
    char* first = strchr(value, '~');
    char* second = first ? strchr(first + 1, '~') : nullptr;
    if (!second)
        return 0;
    *first = '\0';
    *second = '\0';
    *key_path = value;
    *value_name = first + 1;
    *data = second + 1;
    return 1;
}
