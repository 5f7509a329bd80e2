// The directory of members appended to the setup executable: record headers
// behind an 8-byte marker, found by a sliding-window search. Pure functions
// over a byte source; the caller supplies the reading.
#pragma once
#include <cstddef>
#include <cstdint>

enum {
    PAYLOAD_MARKER_SIZE = 8,
    PAYLOAD_HEADER_SIZE = 60,
    PAYLOAD_NAME_SIZE = 20,
    PAYLOAD_MAX_MEMBERS = 64,
    PAYLOAD_WINDOW_SIZE = 32766,
    // Start positions examined per window: the last bytes are kept for the
    // next fill so that a marker lying across a refill is still found.
    PAYLOAD_WINDOW_STEP = PAYLOAD_WINDOW_SIZE - 8 - PAYLOAD_MARKER_SIZE,
    PAYLOAD_TYPE_MEMBER = 1,
    PAYLOAD_TYPE_END = 4,
    // Message numbers the scan reports.
    PAYLOAD_ERROR_MEMORY = 1106,
    PAYLOAD_ERROR_DAMAGED = 1153
};

struct PayloadEntry {
    uint32_t stored_size;
    uint32_t expanded_size;
    uint32_t data_offset; // absolute offset of the member data in the executable
    char name[PAYLOAD_NAME_SIZE];
};

struct PayloadDirectory {
    PayloadEntry entries[PAYLOAD_MAX_MEMBERS];
    int count;
    int64_t first_record_offset; // where the first record starts; -1: no record at all
};

// Sequential reader: places up to count bytes at dest, returns how many (0 at the end).
struct ByteSource {
    void* context;
    size_t (*read)(void* context, unsigned char* dest, size_t count);
};

// A stretch of the file starting at file_offset; bytes holds PAYLOAD_WINDOW_SIZE bytes.
struct MarkerWindow {
    unsigned char* bytes;
    size_t count;
    uint64_t file_offset;
    int started;
    ByteSource* source;
};

// The marker is assembled at run time so that the program's own image never
// holds its eight bytes in a row.
void payload_marker(unsigned char pattern[PAYLOAD_MARKER_SIZE]);

void marker_window_init(MarkerWindow* window, unsigned char* bytes, ByteSource* source);

// Finds the next marker: the first call searches from the start of the file, a
// later one from 8 bytes after the last marker. On success the marker stands at
// the start of the window and 1 is returned; 0 when the file holds no further one.
int payload_find_marker(MarkerWindow* window, const unsigned char* pattern);

// Builds the member directory from the records of the source. Returns 0 (also
// when there is no marker at all) or PAYLOAD_ERROR_DAMAGED for a record of an
// unknown type, records without a closing one, a cut header, or more than
// PAYLOAD_MAX_MEMBERS members. Members found before a fault stay in directory.
int payload_scan_records(MarkerWindow* window, PayloadDirectory* directory);

// Writes a 60-byte record header (for the tools that make payloads).
void payload_write_header(unsigned char header[PAYLOAD_HEADER_SIZE], uint32_t stored_size,
                          uint32_t expanded_size, uint32_t type, const char* name);
