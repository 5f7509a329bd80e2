#include "app/command_line.h"

#include "base/text_buffer.h"

int command_line_is_verbose(const char* command_line)
{
    return text_equal_nocase(command_line, "-v") || text_equal_nocase(command_line, "v");
}

int command_line_uninstall_path(const char* command_line, char* dest, size_t size)
{
    for (const char* p = command_line; *p; ++p) {
        // Each test stops at the terminator before looking further.
        if (p[0] == '-' && (p[1] == 'u' || p[1] == 'U') && p[2] && p[3] == ':' && p[4] == '\\') {
            text_copy(dest, size, p + 2);
            return 1;
        }
    }
    return 0;
}
