#include "ui/dialog_paint.h"

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/texts.h"
#include "ui/brushes.h"
#include "ui/texture.h"

namespace {

const LONG_PTR BUTTON_KIND_MASK = 7;
const LONG_PTR BUTTON_KIND_GROUP_BOX = 7;

int is_group_box(HWND control)
{
    char class_name[20];
    if (!GetClassNameA(control, class_name, sizeof class_name))
        return 0;
    if (!text_equal_nocase(class_name, "button") && !text_equal_nocase(class_name, "BUTTONSUP"))
        return 0;
    return (GetWindowLongPtrA(control, GWL_STYLE) & BUTTON_KIND_MASK) == BUTTON_KIND_GROUP_BOX;
}

// Transparent statics and buttons draw on the texture; a group box keeps an
// opaque face-coloured ground behind its caption.
INT_PTR on_control_colour(HDC dc, HWND control)
{
    if (!(GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT))
        return 0;
    const int old_system = setup_state.windows_version < 4;
    SetTextColor(dc, old_system ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
    SetBkColor(dc, old_system ? RGB(192, 192, 192) : GetSysColor(COLOR_BTNFACE));
    if (!is_group_box(control))
        SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

// The dialog's texture over its client area; 0 when it wants the plain face
// colour (or there is no texture), so the default erase paints that.
int paint_dialog_background(HWND dialog, HDC dc)
{
    RECT client;
    GetClientRect(dialog, &client);
    return paint_background_of(dialog, dc, 0, 0, client.right, client.bottom);
}

} // namespace

INT_PTR page_default_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return paint_dialog_background(dialog, reinterpret_cast<HDC>(wparam));
    case WM_INITDIALOG:
        translate_dialog(dialog, reinterpret_cast<const int*>(lparam));
        return 1;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
        return reinterpret_cast<INT_PTR>(brush_set.face);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        return on_control_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    default:
        return 0;
    }
}
