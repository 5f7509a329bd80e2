// Whole-file reads: a payload member first, otherwise the file on disk
// (expanded when it is stored compressed).
#pragma once
#include <cstddef>

// With buffer null: the number of bytes a buffer must have to hold the file
// (0 when it cannot be opened). With a buffer: fills it and returns the bytes
// placed, 0 when the file cannot be opened, or -1114, -1128, -1153 when a
// payload member fails to come out. No terminator is appended.
long read_file_image(const char* path, unsigned char* buffer, size_t size);
