// The statements of a product section of Install.ini and the kinds of work
// they select. They work on the product fields of setup_state; the install
// page supplies its progress control and does its own showing and hiding.
#pragma once
#include <windows.h>

#include <cstddef>

// ProductKind: what installing a product means, from its statements.
enum ProductKind : unsigned {
    PRODUCT_COPY_RUN = 0x01,   // a disk description file with Version and free1
    PRODUCT_LOCATE = 0x02,     // FIND: an earlier installation must be located
    PRODUCT_COPY_FIRST = 0x04, // CPEX: copy the program, then start the copy
    PRODUCT_EXECUTE = 0x08,    // EXE or CPEX
    PRODUCT_COPY_FILE = 0x10,  // COM: copy one file
    PRODUCT_ADD_FILES = 0x20   // ADDI: add files with entries in a settings file
};

// What classification found, for the page to show its controls by.
struct ProductClassification {
    int has_disk_file;      // program group and space display belong on the page
    int show_program_group; // PM bit 0, with a disk description file
    int size_measured;      // the file to copy gave the required space
    int locate_found;       // with PRODUCT_LOCATE: install_dir + FIND exists
};

// The application name where APP is missing and it names a folder or a key.
extern const char DEFAULT_APP_NAME[];

// A statement of the product section of setup_state.section_name, cut to
// limit characters. Returns its length (0: not present).
int product_statement(const char* key, const char* default_value, char* dest, size_t limit);

// Classifies the product of setup_state.section_name: product_kind,
// source_dir, disk_file, disk_set, product_version, required_space and the
// DirectX and HSU flags. Returns 1, or 0 after telling the user of a fatal
// fault (message 1140 for a disk description file without Version or free1,
// or a file to copy that cannot be opened); the page then ends the setup.
int classify_product(ProductClassification* classification);

// The install directory the page proposes: the program files folder and APP,
// or DEST, or "a:\" for a product that copies one file.
void propose_install_dir(char* dest, size_t size);

// Expands a translated EXE value into the command line that is started.
size_t expand_command_line(const char* value, char* dest, size_t size);

// Starts the EXE command line. Returns 1, or 0 after message 1148.
int run_command_statement();

// Copies the CPEX file into the install directory and starts the copy.
// Returns 1, or 0 when the copy failed.
int copy_and_start(HWND progress_control);

// Copies the COPY file of a COM product. Returns 1, or 0 when the copy failed.
int copy_single_file(HWND progress_control);

// Adds the files matching COPY that the install directory lacks, with one
// entry each in the ADDI settings file. Returns the number of files added.
int add_files(HWND progress_control);

// Writes the USR statement's registry value. Returns 1 when written.
int write_registry_statement();

// After a successful Install: InstallDir, the LAN file's language, and the
// product number in the installed-products list.
void write_completion_records(int product_number);
