// One file entry of a disk section of a disk description file, and the other
// texts the copy run builds. Pure functions.
#pragma once
#include <cstddef>

enum { FILE_ENTRY_NAME_SIZE = 512 };

struct FileEntry {
    int ask_overwrite; // '?': ask before replacing an existing destination
    int from_cd;       // '^': the source is a full path on the CD
    int system_dir;    // '~': into the system directory, never over a file there
    int hsu_only;      // '~~': as '~', governed by the HSU flag instead of DirectX
    char source[FILE_ENTRY_NAME_SIZE];
    char destination[FILE_ENTRY_NAME_SIZE];
};

// Parses "[?][^][~[~]]source[-...[-destination]]": fields are separated by
// '-'; with three fields or more the last one names the destination, else the
// destination has the source's name.
void parse_file_entry(const char* entry, FileEntry* parsed);

// An HSU entry turned into its command: '%' becomes source_dir, '~' the
// system directory with a trailing backslash. An entry that begins with '@'
// names a function and, after the first comma, its library.
struct HsuCommand {
    int is_function;
    char text[FILE_ENTRY_NAME_SIZE];     // the whole command, as built
    char function[FILE_ENTRY_NAME_SIZE]; // between '@' and the comma
    char library[FILE_ENTRY_NAME_SIZE];  // after the comma
};
void build_hsu_command(const char* entry, const char* source_dir, const char* system_dir,
                       HsuCommand* command);

// The external setup program: windows_dir, a backslash, exec; an exec ending
// in '%' loses it and gets a blank (unless it ends in one) and source_dir +
// file appended. Empty when exec is empty.
void build_exec_command(const char* windows_dir, const char* exec, const char* source_dir,
                        const char* file, char* dest, size_t size);

// The Program Manager command block of a product's group.
void build_progman_commands(const char* group, const char* install_dir, const char* program,
                            const char* title, char* dest, size_t size);
