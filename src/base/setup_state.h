// The one process-wide state record of the setup program.
#pragma once
#include <windows.h>

enum {
    SETUP_PATH_SIZE = 512,       // paths and long texts: 511 characters
    SETUP_COPY_BUFFER_SIZE = 16384,
    SETUP_SPACE_UNIT = 16384,    // space and progress are counted in these
    SETUP_LANGUAGE_SIZE = 20,
    SETUP_SECTION_NAME_SIZE = 80,
    SETUP_DISK_SET_SIZE = 507,
    SETUP_MAX_PRODUCTS = 40,
    SETUP_DISK_CAPTION_SIZE = 32
};

struct SetupState {
    HINSTANCE instance;
    WORD windows_version; // 3 below major version 4, else 4
    HWND frame_window;    // the wizard frame once the language page has opened
    BYTE verbose;         // "-v": report every copied or skipped file
    // Uninstall mode: the log named by "-u". Install mode: the log being written.
    char uninstall_log_path[SETUP_PATH_SIZE];
    char script_path[SETUP_PATH_SIZE];  // Install.ini beside the program
    char program_dir[SETUP_PATH_SIZE];  // with its trailing backslash
    char texts_path[SETUP_PATH_SIZE];   // the language-texts file
    HGLOBAL copy_buffer_handle;
    unsigned char* copy_buffer;         // SETUP_COPY_BUFFER_SIZE bytes, locked for the run
    char language[SETUP_LANGUAGE_SIZE]; // empty: texts are shown as the string table has them
    BYTE single_product;                // the setup offers one product: Install.ini is its disk file

    // The products the script offers (found when the language page is left)
    // and those chosen on the actions page, worked through by the install pages.
    BYTE products[SETUP_MAX_PRODUCTS];
    int product_count;
    BYTE chosen_products[SETUP_MAX_PRODUCTS];
    BYTE chosen_count;
    BYTE product_position;               // index into chosen_products

    // The product being installed (set by its install page and the statements).
    char section_name[SETUP_SECTION_NAME_SIZE];
    char install_dir[SETUP_PATH_SIZE];   // with its trailing backslash
    char program_group[SETUP_PATH_SIZE];
    char source_dir[SETUP_PATH_SIZE];    // with its trailing backslash
    char disk_file[SETUP_PATH_SIZE];     // the disk description file; empty: none
    char disk_set[SETUP_DISK_SET_SIZE];  // DSK
    int product_version;
    unsigned required_space;             // in 16 KB units
    BYTE directx_flag;
    BYTE hsu_flag;
    unsigned product_kind;               // ProductKind bits
    int installed_products[SETUP_MAX_PRODUCTS];
    int installed_count;
    HWND dde_partner;                    // the window that answered the Program Manager request
    char disk_caption[SETUP_DISK_CAPTION_SIZE]; // title of the disk prompt
    char cd_drive;                       // drive letter the CD was last found under; 0: none

    // Progress of the current copy or removal run.
    HWND progress_control;
    unsigned progress_total; // never 0 while a run is under way
    unsigned progress_count;
};

extern SetupState setup_state;
