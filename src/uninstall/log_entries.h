// Entries of UnInst.inf as the uninstaller takes them apart. Pure functions.
#pragma once
#include <cstddef>

// A registry entry "ROOT\key\...\name" split at its last backslash, which must
// lie after the fifth character; returns 0 (nothing split) otherwise.
int split_registry_entry(const char* entry, char* key, size_t key_size, char* name,
                         size_t name_size);

// An INI entry "file*section*key": returns 0 when it holds fewer than two '*'.
// An empty key stands for the whole section.
int split_ini_entry(const char* entry, char* file, size_t file_size, char* section,
                    size_t section_size, char* key, size_t key_size);

// Non-zero when the last component of path (the first character of the path
// never counts) holds '*' or '?'.
int last_component_has_wildcard(const char* path);

// Replaces every "||" of a product list by CR LF, in place. Returns the length.
size_t product_list_lines(char* list);
