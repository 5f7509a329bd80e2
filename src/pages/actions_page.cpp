#include "pages/actions_page.h"

#include <cstdio>

#include "app/wizard_frame.h"
#include "base/setup_state.h"
#include "config/profile_cache.h"
#include "pages/page_rules.h"
#include "pages/title_font.h"
#include "resource_ids.h"
#include "ui/dialog_paint.h"

namespace {

enum { PRODUCT_NAME_SIZE = 100 };

INT_PTR on_init(HWND page, WPARAM wparam)
{
    static const int controls[] = {IDC_PAGE_TITLE, 0};
    page_default_proc(page, WM_INITDIALOG, wparam, reinterpret_cast<LPARAM>(controls));
    const int height = control_client_height(page, IDC_PAGE_TITLE);
    SendDlgItemMessageA(page, IDC_PAGE_TITLE, WM_SETFONT,
                        reinterpret_cast<WPARAM>(shared_title_font(height - height / 8)), FALSE);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    for (int i = 0; i < setup_state.product_count; ++i) {
        char key[16], name[PRODUCT_NAME_SIZE];
        snprintf(key, sizeof key, "%d", setup_state.products[i]);
        if (profile_get_string("Layout", key, "", name, sizeof name, setup_state.script_path) > 0)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    return TRUE;
}

void leave_forwards(HWND page, int* next)
{
    setup_state.product_position = 0;
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    int selected[SETUP_MAX_PRODUCTS];
    LRESULT count = SendMessageA(list, LB_GETSELITEMS, SETUP_MAX_PRODUCTS,
                                 reinterpret_cast<LPARAM>(selected));
    if (count < 0)
        count = 0;
    setup_state.chosen_count = static_cast<BYTE>(chosen_from_selection(
        selected, static_cast<int>(count), setup_state.chosen_products, SETUP_MAX_PRODUCTS));
    *next = setup_state.chosen_count > 0 ? setup_state.chosen_products[0] + FIRST_INSTALL_PAGE
                                         : FINISH_PAGE;
}

} // namespace

INT_PTR CALLBACK actions_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(page, wparam);
    case WM_DESTROY:
        release_shared_title_font();
        return 0;
    case WM_COMMAND:
        if (LOWORD(wparam) == PAGE_NEXT && lparam) {
            leave_forwards(page, reinterpret_cast<int*>(lparam));
            return FALSE;
        }
        return TRUE;
    default:
        return page_default_proc(page, message, wparam, lparam);
    }
}
