// Members appended to the setup executable: the directory built at start-up
// and the two ways a member comes out (as a temporary file, or into memory).
#pragma once
#include <cstddef>

#include "config/payload_format.h"

// Scans the running executable. Returns 0, or message number 1106 (the file or
// the search window cannot be had) or 1153 (damaged records).
int payload_scan();

// The same over any file (the tests and tools scan files they made).
int payload_scan_file(const char* exe_path);

// The member whose name equals the base name of path, in any case; null when none.
const PayloadEntry* payload_lookup(const char* path);

// Copies a member's stored (still compressed) bytes into the payload's
// temporary file, whose path goes to out_path. Returns the stored size, 0 when
// no member of that name exists (or it is empty), or -1114 / -1128 on failure.
long payload_extract_member(const char* path, char* out_path, size_t out_size,
                            unsigned char* buffer, size_t buffer_size);

// Brings a member out and expands it into buffer (at most buffer_size bytes).
// Returns the bytes placed, or -1114, -1128 or -1153 on failure.
long payload_read_member(const PayloadEntry* entry, unsigned char* buffer, size_t buffer_size);

// The executable the directory was read from, and where its first record
// starts (-1 when it has none): the program's own image ends there.
const char* payload_executable_path();
long long payload_first_record_offset();

// Removes the temporary file and forgets the directory (end of the run).
void payload_release();
