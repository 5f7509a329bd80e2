#include "pages/title_font.h"

namespace {

HFONT shared_font;

} // namespace

HFONT make_title_font(int height)
{
    // A negative height asks for the character height rather than the cell's.
    return CreateFontA(-height, 0, 0, 0, 500, TRUE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, "Arial");
}

HFONT shared_title_font(int height)
{
    if (!shared_font)
        shared_font = make_title_font(height);
    return shared_font;
}

void release_shared_title_font()
{
    if (shared_font)
        DeleteObject(shared_font);
    shared_font = NULL;
}

int control_client_height(HWND page, int id)
{
    RECT client = {0, 0, 0, 0};
    GetClientRect(GetDlgItem(page, id), &client);
    return client.bottom;
}
