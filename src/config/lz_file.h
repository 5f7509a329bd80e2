// Reading files through the system's LZ expansion library: compressed files
// come out expanded, plain files pass through unchanged.
#pragma once
#include <cstddef>

// Opens path for reading, sharing allowed to all or, with deny_write, to
// readers only. Returns an LZ handle, or a negative value when the file cannot
// be opened.
int lz_open_read(const char* path, int deny_write = 0);

// Reads up to size bytes in pieces the library accepts; stops early at a short
// piece. Returns the bytes placed, or a negative value on a read error.
long lz_read_all(int lz, unsigned char* buffer, size_t size);

// The expanded size of the file at path; -1 when it cannot be opened.
long lz_expanded_size(const char* path);

void lz_close(int lz);
