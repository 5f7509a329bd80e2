// The program's cached profile (INI) reader: up to three whole files in
// memory, payload members before files on disk, least recently used evicted.
#pragma once
#include <cstddef>

enum {
    PROFILE_SLOT_COUNT = 3,
    PROFILE_MAX_IMAGE = 16 * 1024 * 1024 // larger files count as unreadable
};

// The slot (0..2) that holds the image of path, loading it if needed; -1 when
// the file is missing, empty, too large, or memory is short.
int profile_acquire(const char* path);

// Frees a slot; an index outside 0..2 or a free slot is ignored.
void profile_release(int slot);
void profile_release_all();

// Copies the value of key in section of the file at path into dest (size
// bytes) and returns its length. With key null, lists the section's keys (see
// profile_list_keys). When not found: default_value, cut to size - 1, and its
// length; with default_value null an empty dest and -1.
int profile_get_string(const char* section, const char* key, const char* default_value,
                       char* dest, size_t size, const char* path);

// The value of key read as a decimal integer, or default_value.
int profile_get_int(const char* section, const char* key, int default_value, const char* path);
