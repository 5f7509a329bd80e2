// Paths beside the program's own executable.
#pragma once
#include <cstddef>

// dest := the directory of the running executable (with its trailing
// separator) followed by file_name.
void make_program_path(char* dest, size_t size, const char* file_name);
