// String values of the system registry, named by registry path texts such as
// "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion". No operation shows a
// message; every key is closed again before it returns.
#pragma once
#include <cstddef>

// Copies default_value into result, then the value name (null: the key's
// default value). Returns 1, or 0 with the default in result when the key or
// value cannot be read or does not fit result_size bytes whole.
int reg_get_string(const char* path, const char* name, const char* default_value, char* result,
                   size_t result_size);

// Writes text as a string value, creating the key and its missing parents;
// flushes the key. Returns 1 when the value was written.
int reg_set_string(const char* path, const char* name, const char* text);

// Deletes a value; flushes the key. Returns 1 when the value was deleted.
int reg_delete_value(const char* path, const char* name);
