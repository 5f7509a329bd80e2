#include "pages/information_page.h"

#include <cstring>

#include "app/wizard_frame.h"
#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/file_image.h"
#include "config/texts.h"
#include "resource_ids.h"
#include "ui/dialog_paint.h"

namespace {

enum { README_NAME_SIZE = 79 };

INT_PTR on_init(HWND page, WPARAM wparam)
{
    static const int nothing_translated[] = {0}; // the readme is shown as the file holds it
    page_default_proc(page, WM_INITDIALOG, wparam, reinterpret_cast<LPARAM>(nothing_translated));
    make_transparent(GetDlgItem(page, IDC_PAGE_FOOTER));

    char path[SETUP_PATH_SIZE + README_NAME_SIZE];
    text_copy(path, sizeof path, setup_state.program_dir);
    char* name = path + strlen(path);
    text_copy(name, README_NAME_SIZE, "readme.txt");
    load_text(name, NULL, README_NAME_SIZE);

    // One byte is kept for the terminator, so a long readme shows its beginning.
    unsigned char* text = setup_state.copy_buffer;
    text[0] = 0;
    const long got = read_file_image(path, text, SETUP_COPY_BUFFER_SIZE - 1);
    text[got > 0 ? got : 0] = 0;
    if (got <= 0)
        show_message(IDS_CANNOT_READ_FILE, "");
    SetDlgItemTextA(page, IDC_INFORMATION_TEXT, reinterpret_cast<const char*>(text));
    return TRUE;
}

} // namespace

INT_PTR CALLBACK information_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(page, wparam);
    case WM_COMMAND:
        // In single-product mode the actions page is skipped: page 3 follows.
        if (LOWORD(wparam) == PAGE_NEXT && lparam && setup_state.single_product)
            *reinterpret_cast<int*>(lparam) += 2;
        return TRUE;
    default:
        return page_default_proc(page, message, wparam, lparam);
    }
}
