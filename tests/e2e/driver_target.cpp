// A small program for the GUI driver's own test: one dialog with an edit, a
// list, a check box and buttons; at its end it prints what it was told.
#include <windows.h>

#include <cstdio>
#include <initializer_list>

namespace {

enum { ID_EDIT = 101, ID_LIST = 102, ID_CHECK = 103, ID_DONE = 104, ID_HIDE = 105 };

int edit_changes, list_changes, check_clicks;

INT_PTR CALLBACK target_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        for (const char* entry : {"Game", "Editor", "Sceneries"})
            SendDlgItemMessageA(dialog, ID_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    switch (LOWORD(wparam)) {
    case ID_EDIT: edit_changes += HIWORD(wparam) == EN_CHANGE; break;
    case ID_LIST: list_changes += HIWORD(wparam) == LBN_SELCHANGE; break;
    case ID_CHECK: check_clicks += HIWORD(wparam) == BN_CLICKED; break;
    case ID_HIDE: ShowWindow(GetDlgItem(dialog, ID_EDIT), SW_HIDE); break;
    case ID_DONE:
    case IDCANCEL: {
        char text[128];
        GetDlgItemTextA(dialog, ID_EDIT, text, sizeof text);
        printf("edit=%s list=%d check=%d edit_changes=%d list_changes=%d check_clicks=%d end=%d\n",
               text, static_cast<int>(SendDlgItemMessageA(dialog, ID_LIST, LB_GETCURSEL, 0, 0)),
               static_cast<int>(IsDlgButtonChecked(dialog, ID_CHECK)), edit_changes, list_changes,
               check_clicks, LOWORD(wparam));
        EndDialog(dialog, 0);
        break;
    }
    }
    return TRUE;
}

} // namespace

int main()
{
    DialogBoxParamA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(100), NULL, target_proc, 0);
    fflush(stdout);
    return 0;
}
