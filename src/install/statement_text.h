// Texts built from install script statements. Pure functions: the registry
// is reached through a lookup the caller supplies.
#pragma once
#include <cstddef>

// The program part of a shell command template: a leading double quote opens
// quote depth 1; copying stops at a blank met below depth 1; every further
// double quote lowers the depth and is dropped. Returns the length.
size_t command_program_part(const char* command_template, char* dest, size_t size);

// Finds the command template registered for a three-letter file extension.
// Returns 0 when none is registered.
typedef int (*ExtensionCommandLookup)(void* context, const char* extension, char* command,
                                      size_t size);

// Expands an EXE statement: "%%" becomes source_dir, "%[" and three characters
// become the program registered for that extension (nothing when none is),
// every other character is kept. Never reads past the end of value; the result
// is cut to size - 1 characters. Returns its length.
size_t expand_command_text(const char* value, const char* source_dir,
                           ExtensionCommandLookup lookup, void* context, char* dest, size_t size);

// The settings entry of an added file: "%%" becomes install_dir and "%s" the
// file name; every other character, other '%' sequences included, is kept.
// Cut to size - 1 characters. Returns the length.
size_t format_added_entry(const char* format, const char* install_dir, const char* name,
                          char* dest, size_t size);

// Splits a USR value in place at its first two '~' into key path, value name
// and data. Returns 0 (and splits nothing) when it holds fewer than two.
int split_registry_statement(char* value, char** key_path, char** value_name, char** data);
