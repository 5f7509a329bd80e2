// File names the installer derives from others. Pure functions.
#pragma once
#include <cstddef>

// The name under which the LZ expansion library looks for a compressed copy
// of path: after the first dot of the file name, the last character becomes
// '_' when at least three follow the dot, else '_' is appended; a name without
// a dot gets "._".
void compressed_file_name(const char* path, char* dest, size_t size);

// The directory part of path, up to and including its last backslash; empty
// when path has none.
void directory_of(const char* path, char* dest, size_t size);

// Appends a backslash to the text in dest unless it is empty or ends in one.
void add_trailing_backslash(char* dest, size_t size);
