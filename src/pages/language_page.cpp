#include "pages/language_page.h"

#include <cstdio>
#include <cstring>

#include "app/wizard_frame.h"
#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "install/registry.h"
#include "pages/page_rules.h"
#include "pages/title_font.h"
#include "resource_ids.h"
#include "ui/dialog_paint.h"

namespace {

const char LANGUAGE_KEY[] = "HKCU\\Software\\Velmora";
enum { LANGUAGE_LIST_SIZE = 256, REGISTRY_VALUE_SIZE = 99, LAYOUT_VALUE_SIZE = 256 };

HFONT title_font; // this page's own, larger than the other pages' shared one

void show_version(HWND page)
{
    char text[32];
    version_text(profile_get_int("DISKS", "Version", 101, setup_state.script_path), text,
                 sizeof text);
    SetDlgItemTextA(page, IDC_LANGUAGE_VERSION, text);
}

// "English", then the keys of Languages, each ended by a NUL, the whole list
// ended by an empty entry.
void language_entries(char* list, size_t size)
{
    memset(list, 0, size);
    text_copy(list, size, "English");
    const size_t used = strlen(list) + 1;
    profile_get_string("Languages", NULL, "", list + used, size - used, setup_state.texts_path);
    list[size - 1] = list[size - 2] = '\0';
}

void fill_language_list(HWND page)
{
    char entries[LANGUAGE_LIST_SIZE + 2];
    language_entries(entries, sizeof entries);
    char remembered[REGISTRY_VALUE_SIZE];
    reg_get_string(LANGUAGE_KEY, "Language", "", remembered, sizeof remembered);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    for (const char* entry = entries; *entry; entry += strlen(entry) + 1)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    SendMessageA(list, LB_SETCURSEL, preselected_language(entries, remembered), 0);
}

INT_PTR on_init(HWND page, WPARAM wparam)
{
    setup_state.frame_window = GetParent(page);
    static const int controls[] = {IDC_PAGE_TITLE, IDC_LANGUAGE_WELCOME, IDC_PAGE_LIST,
                                   IDC_LANGUAGE_VERSION, 0};
    page_default_proc(page, WM_INITDIALOG, wparam, reinterpret_cast<LPARAM>(controls));
    make_transparent(GetDlgItem(page, IDC_PAGE_FOOTER));
    show_version(page);
    if (!title_font)
        title_font = make_title_font(control_client_height(page, IDC_PAGE_TITLE));
    SendDlgItemMessageA(page, IDC_PAGE_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(title_font), FALSE);
    fill_language_list(page);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PAGE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, IDC_PAGE_LIST)));
    return TRUE;
}

void set_loaded_text(HWND window, int number)
{
    char text[256];
    load_text(text, MAKEINTRESOURCEA(number), sizeof text);
    SetWindowTextA(window, text);
}

// The welcome text, the frame's caption and its buttons 1 and 2 follow the
// choice at once; everything else is translated when it is created.
void choose_language(HWND page)
{
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
    char name[LANGUAGE_LIST_SIZE] = "";
    if (selected == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, selected, 0) >= LANGUAGE_LIST_SIZE)
        return;
    SendMessageA(list, LB_GETTEXT, selected, reinterpret_cast<LPARAM>(name));
    text_copy(setup_state.language, sizeof setup_state.language, name);
    reg_set_string(LANGUAGE_KEY, "Language", setup_state.language);

    HWND frame = setup_state.frame_window;
    set_loaded_text(frame, IDS_FRAME_CAPTION);
    HWND welcome = GetDlgItem(page, IDC_LANGUAGE_WELCOME);
    set_loaded_text(welcome, IDS_WELCOME);
    // The transparent text goes onto a fresh background.
    RECT area;
    GetWindowRect(welcome, &area);
    MapWindowPoints(NULL, page, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(page, &area, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RedrawWindow(welcome, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    set_loaded_text(GetDlgItem(frame, IDC_FRAME_FINISH), IDS_OKAY);
    set_loaded_text(GetDlgItem(frame, IDC_FRAME_CANCEL), IDS_CANCEL);
}

int layout_has_value(int number, void*)
{
    char key[16], value[LAYOUT_VALUE_SIZE];
    snprintf(key, sizeof key, "%d", number);
    return profile_get_string("Layout", key, "", value, sizeof value, setup_state.script_path) > 0;
}

void leave_forwards(HWND page, int* next)
{
    if (setup_state.product_count == 0)
        setup_state.product_count =
            scan_products(layout_has_value, NULL, setup_state.products, SETUP_MAX_PRODUCTS);
    // Through the program's own reader, so that the INFO of a single-file
    // setup (whose Install.ini is in the payload, not on disk) counts too.
    const int info = profile_get_int("DISKS", "INFO", 1, setup_state.script_path);
    if (setup_state.product_count > 1) {
        if (info == 0)
            *next += 2; // the actions page; no information page
        setup_state.single_product = 0;
    } else {
        if (info == 0)
            *next += 3; // the install page
        setup_state.single_product = 1;
        setup_state.chosen_products[0] = setup_state.products[0];
    }
    EnableWindow(GetDlgItem(page, IDC_PAGE_LIST), FALSE);
}

} // namespace

INT_PTR CALLBACK language_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(page, wparam);
    case WM_DESTROY:
        if (title_font)
            DeleteObject(title_font);
        title_font = NULL;
        return 0;
    case WM_COMMAND:
        if (LOWORD(wparam) == PAGE_NEXT && lparam)
            leave_forwards(page, reinterpret_cast<int*>(lparam));
        else if (LOWORD(wparam) == IDC_PAGE_LIST && HIWORD(wparam) == LBN_SELCHANGE)
            choose_language(page);
        return TRUE;
    default:
        return page_default_proc(page, message, wparam, lparam);
    }
}
