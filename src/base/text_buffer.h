// Bounded text helpers: every write stays inside the caller's buffer.
#pragma once
#include <cstddef>

// Copies src into dest (a buffer of size bytes), cut to size - 1 characters and
// NUL-terminated. size 0 writes nothing. src and dest may overlap. Returns the
// number of characters copied.
size_t text_copy(char* dest, size_t size, const char* src);

// Appends src to the text in dest under the same rules. Returns the new length.
size_t text_append(char* dest, size_t size, const char* src);

// ASCII letters compared without regard to case; other bytes exactly.
char ascii_lower(char c);
int bytes_equal_nocase(const void* a, const void* b, size_t count);
int text_equal_nocase(const char* a, const char* b);

// The characters after the last backslash of path, or the whole path.
const char* base_name(const char* path);
