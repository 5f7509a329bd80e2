// Taking away what a log records: files (with wildcards), directory chains,
// registry values and key trees.
#pragma once
#include <windows.h>

// Deletes the file of path, or every file matching the wildcards of its last
// component (never in subdirectories). Without stop_on_failure: returns the
// number deleted (a plain path: 1 when it is gone afterwards). With
// stop_on_failure: returns 0 exactly when a file that exists could not be
// deleted (it is in use), else at least 1, also when nothing matched: a file
// that is already gone counts as removed.
int delete_files(const char* path, int stop_on_failure);

// Removes the directory and then each parent, deepest first, as far as they
// are empty; never the drive's root. Returns 1.
int remove_directory_chain(const char* path);

// Deletes the value `name` of the key, or else its subkey `name` with the
// whole tree. Roots HKLM, HKCU and HKCC only. Returns 1 on success.
int reg_delete_value_or_key(const char* key_path, const char* name);

// Deletes subkey `name` of parent with all its subkeys, depth first. Returns 0
// or the system's error code (ERROR_BADKEY for an empty name).
LONG reg_delete_key_tree(HKEY parent, const char* name);
