// The one copy routine every installed file goes through, and small
// file-system helpers of the installer and the uninstaller.
#pragma once

// Copies source to destination: a payload member of source's base name
// first, otherwise the file on disk; compressed sources are expanded. Asks for
// the disk while the source cannot be opened (unless quiet), advances the
// progress record and records the destination in the uninstall log. Returns 1
// when copied. A failed copy leaves an existing destination as it was.
int copy_file_entry(const char* destination, const char* source, int quiet);

// The same from disk only.
int expand_copy(const char* destination, const char* source, int quiet);

// Deletes a file that no other process holds open. Returns 1 when deleted.
int remove_file(const char* path);

// 1 when path names an existing file (not a directory).
int file_exists(const char* path);

// Creates a directory with all its missing parents. Returns 1 when it exists afterwards.
int create_directory_path(const char* path);
