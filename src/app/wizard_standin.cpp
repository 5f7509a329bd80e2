// Stand-in for the wizards until the frame and its pages exist: the install
// wizard reports on the standard output what its first page would offer (the
// script, the payload members, the languages and the welcome text in each),
// so a run on a distribution shows that start-up found everything.
#include "app/wizard.h"

#include <cstdio>
#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "config/texts.h"

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

void report_welcome(const char* language)
{
    text_copy(setup_state.language, sizeof setup_state.language, language);
    char welcome[256];
    load_text(welcome, MAKEINTRESOURCEA(112), sizeof welcome);
    for (char* c = welcome; *c; ++c)
        if (*c == '\r' || *c == '\n')
            *c = ' ';
    report("welcome (%s): %s\n", language, welcome);
}

} // namespace

int run_install_wizard()
{
    report("install wizard: script %s, texts %s\n", setup_state.script_path,
           setup_state.texts_path);
    char products[256];
    for (int n = 0; n < 22; ++n) {
        char key[8];
        snprintf(key, sizeof key, "%d", n);
        if (profile_get_string("Layout", key, "", products, sizeof products,
                               setup_state.script_path) <= 0)
            break;
        report("product %s: %s\n", key, products);
    }
    report_welcome("English");
    char languages[256];
    profile_get_string("Languages", NULL, "", languages, sizeof languages, setup_state.texts_path);
    for (const char* language = languages; *language; language += strlen(language) + 1)
        report_welcome(language);
    setup_state.language[0] = '\0';
    return 1;
}

int run_uninstall_wizard()
{
    report("uninstall wizard: log %s\n", setup_state.uninstall_log_path);
    return 1;
}
