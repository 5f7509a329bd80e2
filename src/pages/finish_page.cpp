#include "pages/finish_page.h"

#include <cstdio>

#include "app/wizard_frame.h"
#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "resource_ids.h"
#include "ui/dialog_paint.h"

namespace {

enum { LIST_SIZE = 4096, PRODUCT_NAME_SIZE = 128 };

// Rebuilt on every showing: going back and installing more shows the new list.
void show_installed(HWND page)
{
    char text[LIST_SIZE] = "";
    for (int i = 0; i < setup_state.installed_count; ++i) {
        char key[16], name[PRODUCT_NAME_SIZE];
        snprintf(key, sizeof key, "%d", setup_state.installed_products[i]);
        profile_get_string("Layout", key, "", name, sizeof name, setup_state.script_path);
        text_append(text, sizeof text, name);
        text_append(text, sizeof text, "\r\n");
    }
    if (!text[0])
        load_text(text, MAKEINTRESOURCEA(IDS_NOTHING_INSTALLED), sizeof text);
    SetDlgItemTextA(page, IDC_FINISH_LIST, text);
}

} // namespace

INT_PTR CALLBACK finish_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG: {
        static const int controls[] = {IDC_FINISH_THANKS, IDC_FINISH_LIST, 0};
        page_default_proc(page, message, wparam, reinterpret_cast<LPARAM>(controls));
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wparam) == PAGE_SHOWN)
            show_installed(page);
        return TRUE;
    default:
        return page_default_proc(page, message, wparam, lparam);
    }
}
