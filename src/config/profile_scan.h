// The scanning rules of the program's own profile (INI) reader, over a byte
// image of a whole file. Pure functions: no system calls.
#pragma once
#include <cstddef>

// Copies the value of key in section into dest (size bytes, cut to size - 1,
// NUL-terminated) and returns the number of value bytes copied, or -1 when the
// section or key is not in the image (dest is then untouched).
int profile_find_value(const unsigned char* image, size_t length, const char* section,
                       const char* key, char* dest, size_t size);

// Lists the keys of section into dest: each key NUL-terminated, then two more
// NULs. Entries that do not fit whole (with the closing NULs) are left out.
// Returns the number of bytes written, or -1 when the section is missing.
int profile_list_keys(const unsigned char* image, size_t length, const char* section,
                      char* dest, size_t size);

// Reads a profile value as a decimal integer: leading blanks, '-' then '+',
// digits up to the first blank with other characters passed over. No digit
// gives sign x default_value.
int profile_parse_int(const char* text, int default_value);
