// Record types of the uninstall log and the sections they are written to.
#pragma once

enum LogRecordType {
    LOG_PATH = 0,       // a directory that was created
    LOG_FILE = 1,       // a file: Files, or ProgFiles for names ending in exe, drv, dll
    LOG_PROG_FILE = 2,
    LOG_INI_ENTRY = 3,  // file*section*key; an empty key stands for the whole section
    LOG_REG_KEY = 4,    // a registry key (or value) removed with its whole tree
    LOG_REG_VALUE = 5,  // a registry key path, a backslash and a value name
    LOG_USER_FILE = 16, // the user's own files; wildcards in the last component
    LOG_USER_PATH = 17,
    LOG_USER_REG_KEY = 18,
    LOG_USER_REG_VALUE = 19,
    LOG_USER_FLAG = 0x10
};

// The section a record of this type and text goes to; null for an unknown type.
const char* log_section_for_record(int type, const char* text);

// User records count in UserItems, the others in Items.
inline int log_record_is_user(int type)
{
    return (type & LOG_USER_FLAG) != 0;
}
