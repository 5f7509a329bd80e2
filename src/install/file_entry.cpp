#include "install/file_entry.h"

#include <cstdio>
#include <cstring>

#include "base/text_buffer.h"

namespace {

// Copies field number `index` (0-based, fields separated by '-') of text.
void copy_field(const char* text, int index, char* dest, size_t size)
{
    for (int field = 0; field < index; ++field) {
        text = strchr(text, '-');
        if (!text) {
            text_copy(dest, size, "");
            return;
        }
        ++text;
    }
    const char* end = strchr(text, '-');
    size_t length = end ? static_cast<size_t>(end - text) : strlen(text);
    if (size == 0)
        return;
    if (length > size - 1)
        length = size - 1;
    memcpy(dest, text, length);
    dest[length] = '\0';
}

void append_with_backslash(char* dest, size_t size, const char* directory)
{
    text_append(dest, size, directory);
    size_t length = strlen(directory);
    if (length == 0 || directory[length - 1] != '\\')
        text_append(dest, size, "\\");
}

} // namespace

void parse_file_entry(const char* entry, FileEntry* parsed)
{
    memset(parsed, 0, sizeof *parsed);
    if (*entry == '?') {
        parsed->ask_overwrite = 1;
        ++entry;
    }
    if (*entry == '^') {
        parsed->from_cd = 1;
        ++entry;
    }
    if (*entry == '~') {
        parsed->system_dir = 1;
        ++entry;
        if (*entry == '~') {
            parsed->hsu_only = 1;
            ++entry;
        }
    }
    int fields = 1;
    for (const char* c = entry; *c; ++c)
        fields += *c == '-';
    copy_field(entry, 0, parsed->source, sizeof parsed->source);
    copy_field(entry, fields >= 3 ? fields - 1 : 0, parsed->destination, sizeof parsed->destination);
}

void build_hsu_command(const char* entry, const char* source_dir, const char* system_dir,
                       HsuCommand* command)
{
    memset(command, 0, sizeof *command);
    char* text = command->text;
    const size_t size = sizeof command->text;
    size_t library_at = 0; // where the library path starts in text; 0: no comma yet
    for (const char* c = entry; *c; ++c) {
        char one[2] = {*c, '\0'};
        if (*c == '%')
            text_append(text, size, source_dir);
        else if (*c == '~')
            append_with_backslash(text, size, system_dir);
        else if (*c == ',' && text[0] == '@' && !library_at)
            library_at = text_append(text, size, ",");
        else
            text_append(text, size, one);
    }
    command->is_function = text[0] == '@';
    if (!command->is_function)
        return;
    size_t function_end = library_at ? library_at - 1 : strlen(text);
    size_t length = function_end - 1;
    if (length > sizeof command->function - 1)
        length = sizeof command->function - 1;
    memcpy(command->function, text + 1, length);
    command->function[length] = '\0';
    if (library_at)
        text_copy(command->library, sizeof command->library, text + library_at);
}

void build_exec_command(const char* windows_dir, const char* exec, const char* source_dir,
                        const char* file, char* dest, size_t size)
{
    if (size == 0)
        return;
    dest[0] = '\0';
    if (!exec[0])
        return;
    append_with_backslash(dest, size, windows_dir);
    text_append(dest, size, exec);
    size_t length = strlen(dest);
    if (length == 0 || dest[length - 1] != '%')
        return;
    dest[length - 1] = '\0';
    if (length < 2 || dest[length - 2] != ' ')
        text_append(dest, size, " ");
    text_append(dest, size, source_dir);
    text_append(dest, size, file);
}

void build_progman_commands(const char* group, const char* install_dir, const char* program,
                            const char* title, char* dest, size_t size)
{
    if (size == 0)
        return;
    int length = snprintf(dest, size,
                          "[CreateGroup(\"%s\",0)][ShowGroup(\"%s\",1)][AddItem(\"%s%s\",\"%s\")]"
                          "[AddItem(\"%sliesmich.txt\",Liesmich)][AddItem(\"%sreadme.txt\",ReadMe)]",
                          group, group, install_dir, program, title, install_dir, install_dir);
    if (length < 0)
        dest[0] = '\0';
}
