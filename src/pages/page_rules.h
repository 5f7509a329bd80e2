// The rules of the install wizard's pages that need no window: what the
// language list offers and preselects, the version and space texts, which
// paths are allowed, which products the script offers and which were chosen.
// Pure.
#pragma once
#include <cstddef>

// Indices of the install wizard's page table: the install page of product n
// is page FIRST_INSTALL_PAGE + n; the finish page is the last.
enum { FIRST_INSTALL_PAGE = 3, FINISH_PAGE = 25 };

// "V %d.%02d" of a version number times 100: 101 gives "V 1.01".
void version_text(int version, char* dest, size_t size);

// The entry of a NUL-separated list (ended by an empty entry) equal to
// wanted without regard to case, the last such entry winning; 0 when none is.
int preselected_language(const char* entries, const char* wanted);

// "(523 KB/160 KB)": free and required in kilobytes, each shown in MB (whole
// megabytes, rounded down) once it is above 10240 KB.
void space_text(unsigned long long free_kb, unsigned long long required_kb, char* dest,
                size_t size);

// A path or program group may not hold '*', '?', '/' or '"'.
int path_is_allowed(const char* text);

// The products of the script: keys 0, 1, 2, ... of Layout up to the first
// missing or empty value. has_value(n, context) tells whether key n has one.
int scan_products(int (*has_value)(int number, void* context), void* context,
                  unsigned char* products, int capacity);

// The chosen products from a list's selected positions (any order, possibly
// repeated): ascending, each once, at most capacity. Returns their number.
int chosen_from_selection(const int* selected, int count, unsigned char* chosen, int capacity);
