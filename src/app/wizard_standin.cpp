// Stand-in for the uninstall wizard until its page exists: it reports on the
// standard output which log it would work on.
#include "app/wizard.h"

#include <cstdio>

#include "base/setup_state.h"

namespace {

void report(const char* format, const char* a, const char* b = "")
{
    char line[2048];
    int length = snprintf(line, sizeof line, format, a, b);
    if (length <= 0)
        return;
    if (length >= static_cast<int>(sizeof line))
        length = sizeof line - 1;
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line, static_cast<DWORD>(length), &written, NULL);
}

} // namespace

int run_uninstall_wizard()
{
    report("uninstall wizard: log %s\n", setup_state.uninstall_log_path);
    return 1;
}
