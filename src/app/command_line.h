// Reading the program's command line: the verbose switch and the uninstall option.
#pragma once
#include <cstddef>

// Non-zero when the whole command line is "-v" or "v", in any case.
int command_line_is_verbose(const char* command_line);

// Finds the first "-u" (or "-U") whose characters at offsets 3 and 4 are ':' and
// '\', and copies everything from offset 2 to the end of the command line into
// dest (cut to size - 1 characters). Returns non-zero when found; otherwise
// dest is left as it was.
int command_line_uninstall_path(const char* command_line, char* dest, size_t size);
