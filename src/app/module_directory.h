// Where the program's own files are: the directory part of a module file name.
#pragma once
#include <cstddef>

// Joins the directory of module_name (everything up to and including its last
// backslash or colon; the first character is never taken as a separator) with
// file_name into dest. A module name without a separator gives file_name alone.
void program_path_join(const char* module_name, const char* file_name, char* dest, size_t size);
