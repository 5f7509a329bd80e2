#include "install/log_records.h"

#include <cstring>

#include "base/text_buffer.h"

namespace {

int ends_in_program_extension(const char* text)
{
    size_t length = strlen(text);
    if (length < 3)
        return 0;
    const char* last = text + length - 3;
    return bytes_equal_nocase(last, "exe", 3) || bytes_equal_nocase(last, "drv", 3) ||
           bytes_equal_nocase(last, "dll", 3);
}

} // namespace

const char* log_section_for_record(int type, const char* text)
{
    switch (type) {
    case LOG_PATH: return "Path";
    case LOG_FILE: return ends_in_program_extension(text) ? "ProgFiles" : "Files";
    case LOG_PROG_FILE: return "ProgFiles";
    case LOG_INI_ENTRY: return "IniFile";
    case LOG_REG_KEY: return "RegKeys";
    case LOG_REG_VALUE: return "RegValue";
    case LOG_USER_FILE: return "UserFile";
    case LOG_USER_PATH: return "UserPath";
    case LOG_USER_REG_KEY: return "UserRegKeys";
    case LOG_USER_REG_VALUE: return "UserRegValue";
    default: return nullptr;
    }
}
