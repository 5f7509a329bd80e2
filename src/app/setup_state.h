// The one process-wide state record of the setup program.
#pragma once
#include <windows.h>

enum {
    SETUP_PATH_SIZE = 512,       // paths and long texts: 511 characters
    SETUP_COPY_BUFFER_SIZE = 16384,
    SETUP_LANGUAGE_SIZE = 20
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
};

extern SetupState setup_state;
