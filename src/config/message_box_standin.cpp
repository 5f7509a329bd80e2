// Stand-in for the program's own message box until its dialog exists: it
// reports the message on the standard output and answers by itself, so that a
// run never waits for an answer nobody can give: with the default button,
// except that a box whose buttons offer to try again (OK/Cancel, Retry/Cancel,
// Abort/Retry/Ignore) gives up, so a prompt is never repeated without end.
#include "config/message_box.h"

#include <cstdio>

#include "base/text_buffer.h"
#include "config/texts.h"

MessageBoxAnswerer message_box_answerer;

namespace {

void resolve(LPCSTR source, char* dest, size_t size)
{
    dest[0] = '\0';
    if (IS_INTRESOURCE(source) && source)
        load_text(dest, source, size);
    else if (source)
        text_copy(dest, size, source);
}

INT_PTR unattended_answer(unsigned flags)
{
    static const INT_PTR answers[8][3] = {
        {IDOK, IDOK, IDOK},           {IDOK, IDCANCEL, IDCANCEL},
        {IDABORT, IDRETRY, IDIGNORE}, {IDYES, IDNO, IDCANCEL},
        {IDYES, IDNO, IDNO},          {IDRETRY, IDCANCEL, IDCANCEL},
        {IDOK, IDOK, IDOK},           {IDOK, IDOK, IDOK}};
    switch (flags & 7) {
    case 1:
    case 5: return IDCANCEL;
    case 2: return IDABORT;
    default: break;
    }
    unsigned button = (flags & 0x300) >> 8;
    return answers[flags & 7][button > 2 ? 0 : button];
}

} // namespace

INT_PTR message_box(HWND owner, LPCSTR text, LPCSTR title, unsigned flags)
{
    static char text_buffer[512];
    static char title_buffer[256];
    resolve(text, text_buffer, sizeof text_buffer);
    resolve(title, title_buffer, sizeof title_buffer);
    if (message_box_answerer)
        return message_box_answerer(owner, text_buffer, title_buffer, flags);

    INT_PTR answer = unattended_answer(flags);
    char line[900];
    int length = snprintf(line, sizeof line, "message [%s] %s (flags 0x%x) -> %d\n", title_buffer,
                          text_buffer, flags, static_cast<int>(answer));
    DWORD written;
    if (length > 0)
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line,
                  static_cast<DWORD>(length < static_cast<int>(sizeof line) ? length
                                                                            : sizeof line - 1),
                  &written, NULL);
    return answer;
}
