#include "ui/caption_dialog.h"

#include "base/setup_state.h"
#include "ui/caption.h"
#include "ui/control_class.h"
#include "ui/dialog_paint.h"
#include "ui/window_placement.h"

namespace {

// Set while the system's default dialog processing, started here, runs: the
// messages it sends back to the window are left to it.
int default_processing;

const int CAPTION_PARTS = CAPTION_STRIP | CAPTION_TEXT;

// The system draws first; the program's caption then goes over it. The
// answer of the default processing is the message's result.
INT_PTR paint_after_default(HWND window, UINT message, WPARAM wparam, LPARAM lparam, int active)
{
    if (default_processing)
        return 0;
    default_processing = 1;
    const LRESULT result = DefDlgProcA(window, message, wparam, lparam);
    default_processing = 0;
    paint_caption(window, active, CAPTION_PARTS);
    SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR on_init(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    page_default_proc(window, message, wparam, lparam);
    centre_window(window, setup_state.frame_window);
    PostMessageA(window, WM_USER, 0, 0);
    return 1;
}

INT_PTR on_nc_activate(HWND window, WPARAM wparam, LPARAM lparam)
{
    if (!default_processing)
        return paint_after_default(window, WM_NCACTIVATE, wparam, lparam, wparam ? 1 : 0);
    // Sent again from within the default processing: let the window take it.
    paint_caption(window, wparam ? 1 : 0, CAPTION_PARTS);
    SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

} // namespace

INT_PTR caption_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(window, message, wparam, lparam);
    case WM_USER:
    case WM_SETTEXT:
        paint_caption(window, -1, CAPTION_PARTS);
        return 0;
    case WM_GETTEXT:
        if (!caption_reading)
            PostMessageA(window, WM_USER, 0, 0);
        return 0;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_MDIACTIVATE:
        return paint_after_default(window, message, wparam, lparam, wparam ? 1 : 0);
    case WM_NCACTIVATE:
        return on_nc_activate(window, wparam, lparam);
    case WM_WINDOWPOSCHANGING:
    case WM_NCPAINT:
        return paint_after_default(window, message, wparam, lparam, -1);
    case SUP_QUERY_BACKGROUND:
        return 0; // no bitmap of its own: the default texture
    default:
        return page_default_proc(window, message, wparam, lparam);
    }
}

int centre_window(HWND window, HWND reference)
{
    RECT own;
    GetWindowRect(window, &own);
    PlacementRect reference_rect;
    const PlacementRect* over = NULL;
    RECT rect;
    if (reference && GetWindowRect(reference, &rect)) {
        reference_rect = PlacementRect{rect.left, rect.top, rect.right, rect.bottom};
        over = &reference_rect;
    }
    int x, y;
    centre_position(own.right - own.left, own.bottom - own.top, GetSystemMetrics(SM_CXSCREEN),
                    GetSystemMetrics(SM_CYSCREEN), over, &x, &y);
    SetWindowPos(window, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 1;
}
