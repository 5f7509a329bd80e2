// The window procedure of STATICSUP: creation, the text messages, erasing,
// the mouse and the control's own messages. Painting is in control_paint.cpp.
#include "ui/control_class.h"

#include <cstring>

#include "base/setup_state.h"
#include "ui/brushes.h"
#include "ui/control_slots.h"
#include "ui/gradient.h"

namespace {

LONG_PTR style_of(HWND control)
{
    return slot(control, SLOT_STYLE);
}

int is_transparent(HWND control)
{
    return (GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

HGLOBAL text_memory(HWND control)
{
    return reinterpret_cast<HGLOBAL>(slot(control, SLOT_CONTENT));
}

// Replaces the control's copy of its text; an empty text keeps no memory.
void store_text(HWND control, const char* text)
{
    HGLOBAL old = text_memory(control);
    set_slot(control, SLOT_CONTENT, 0);
    if (old)
        GlobalFree(old);
    if (!text || !*text)
        return;
    const size_t size = strlen(text) + 1;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    char* copy = memory ? static_cast<char*>(GlobalLock(memory)) : NULL;
    if (!copy) {
        if (memory)
            GlobalFree(memory);
        return; // without memory the control goes without text
    }
    memcpy(copy, text, size);
    GlobalUnlock(memory);
    set_slot(control, SLOT_CONTENT, reinterpret_cast<LONG_PTR>(memory));
}

HICON load_icon_number(HINSTANCE module, unsigned number)
{
    HICON icon = LoadIconA(module, MAKEINTRESOURCEA(number));
    return icon ? icon : LoadIconA(NULL, MAKEINTRESOURCEA(number));
}

// The icon a creation text names: an ordinal pointer as it is, a text that
// carries an ordinal, "#digits", or a resource name.
HICON icon_from_name(HINSTANCE module, const char* name)
{
    if (IS_INTRESOURCE(name))
        return reinterpret_cast<HICON>(const_cast<char*>(name));
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(name);
    if (bytes[0] == 0xFF) {
        // The ordinal's two bytes follow; either one 255 means no icon.
        if (bytes[1] == 0 || bytes[1] == 0xFF || bytes[2] == 0xFF)
            return NULL;
        return load_icon_number(module, bytes[1] | bytes[2] << 8);
    }
    if (bytes[0] == 0)
        return NULL; // an empty text names no icon
    if (bytes[0] == '#' && bytes[1] >= '0' && bytes[1] <= '9') {
        unsigned number = 0;
        const char* digit = name + 1;
        while (*digit >= '0' && *digit <= '9' && number < 0x10000)
            number = number * 10 + static_cast<unsigned>(*digit++ - '0');
        if (!*digit && number < 0x10000) {
            HICON icon = LoadIconA(module, MAKEINTRESOURCEA(number));
            if (icon)
                return icon;
        }
    }
    return LoadIconA(module, name);
}

LRESULT on_create(HWND control, const CREATESTRUCTA* create)
{
    set_slot(control, SLOT_STYLE, create->style);
    for (int i = SLOT_CONTENT; i < SLOT_COUNT; ++i)
        set_slot(control, i, 0);
    const int mode = static_cast<int>(create->style & SUP_MODE_MASK);
    if (mode == SUP_MODE_ICON)
        set_slot(control, SLOT_CONTENT,
                 reinterpret_cast<LONG_PTR>(icon_from_name(create->hInstance, create->lpszName)));
    else if (mode != SUP_MODE_BITMAP && mode != SUP_MODE_PROGRESS)
        store_text(control, IS_INTRESOURCE(create->lpszName) ? NULL : create->lpszName);

    if (mode != SUP_MODE_RAISED_BOX)
        EnableWindow(control, FALSE);
    if (is_text_mode(mode)) {
        SetWindowPos(control, NULL, 0, 0, create->cx, create->cy + 1,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (mode == SUP_MODE_ICON) {
        const int margin = (create->style & SUP_STYLE_SHADOW) ? 0 : 3;
        SetWindowPos(control, NULL, create->x - margin, create->y - margin,
                     GetSystemMetrics(SM_CXICON) + 2 * margin,
                     GetSystemMetrics(SM_CYICON) + 2 * margin, SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (mode >= SUP_MODE_RAISED_BOX && mode <= SUP_MODE_LIGHT_WELL_FRAME &&
               (create->cx < 3 || create->cy < 3)) {
        SetWindowPos(control, NULL, 0, 0, create->cx < 3 ? 3 : create->cx,
                     create->cy < 3 ? 3 : create->cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return 1;
}

void on_destroy(HWND control)
{
    const int mode = control_mode(control);
    if (mode == SUP_MODE_BITMAP) {
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(slot(control, SLOT_CONTENT));
        if (bitmap)
            DeleteObject(bitmap);
        set_slot(control, SLOT_CONTENT, 0);
    } else if (mode != SUP_MODE_ICON && mode != SUP_MODE_PROGRESS) {
        store_text(control, NULL);
    }
}

// Redraws the parent under a transparent control, so no old text stays behind.
void redraw_parent_under(HWND control)
{
    HWND parent = GetParent(control);
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, parent, reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(parent, &rect, NULL,
                 RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT on_set_text(HWND control, WPARAM wparam, LPARAM lparam)
{
    const int mode = control_mode(control);
    if (mode == SUP_MODE_PROGRESS) {
        // Painted at once: the caller may be in a loop that pumps no messages.
        // Through the control's own DC, as an invalidation and a paint
        // message cost more than the whole drawing on every step.
        set_slot(control, SLOT_CONTENT, static_cast<LONG_PTR>(wparam));
        paint_control_now(control);
        return 1;
    }
    if (mode == SUP_MODE_ICON) {
        set_slot(control, SLOT_CONTENT, static_cast<LONG_PTR>(wparam));
        InvalidateRect(control, NULL, TRUE);
        UpdateWindow(control);
        return 1;
    }
    if (mode == SUP_MODE_BITMAP)
        return 0; // its content is a bitmap, not a text
    store_text(control, reinterpret_cast<const char*>(lparam));
    set_slot(control, SLOT_STYLE, style_of(control) | SUP_STYLE_TEXT_CHANGED);
    if (is_transparent(control)) {
        InvalidateRect(control, NULL, TRUE);
        redraw_parent_under(control);
        return 1;
    }
    InvalidateRect(control, NULL, TRUE);
    UpdateWindow(control);
    return DefWindowProcA(control, WM_SETTEXT, wparam, lparam);
}

LRESULT on_get_text(HWND control, WPARAM size, LPARAM lparam)
{
    char* buffer = reinterpret_cast<char*>(lparam);
    const int mode = control_mode(control);
    if (mode == SUP_MODE_PROGRESS) {
        const DWORD percentage = static_cast<DWORD>(slot(control, SLOT_CONTENT));
        if (buffer && size >= sizeof percentage)
            memcpy(buffer, &percentage, sizeof percentage);
        return static_cast<LRESULT>(percentage);
    }
    if (!buffer || size == 0 || mode == SUP_MODE_ICON || mode == SUP_MODE_BITMAP)
        return 0;
    const char* text = lock_text(control);
    size_t length = text ? strlen(text) : 0;
    if (length + 1 > size)
        length = 0; // a text that does not fit is not cut: the caller gets none
    if (length)
        memcpy(buffer, text, length);
    buffer[length] = '\0';
    unlock_text(control);
    return static_cast<LRESULT>(length);
}

LRESULT on_get_text_length(HWND control)
{
    const int mode = control_mode(control);
    if (mode == SUP_MODE_PROGRESS || mode == SUP_MODE_ICON || mode == SUP_MODE_BITMAP)
        return 0;
    const char* text = lock_text(control);
    const LRESULT length = text ? static_cast<LRESULT>(strlen(text) + 1) : 0;
    unlock_text(control);
    return length;
}

LRESULT on_erase_background(HWND control, HDC dc)
{
    HWND target = reinterpret_cast<HWND>(slot(control, SLOT_ERASE_TARGET));
    if (target) {
        SendMessageA(target, SUP_ERASE_CHILD, reinterpret_cast<WPARAM>(dc),
                     GetDlgCtrlID(control));
        return 1;
    }
    if (is_transparent(control))
        return 0;
    const int mode = control_mode(control);
    if (is_text_mode(mode) || mode == SUP_MODE_RAISED_BOX) {
        RECT client;
        GetClientRect(control, &client);
        FillRect(dc, &client, brush_set.face);
    }
    // An icon draws the parent's ground itself, with the icon, off-screen.
    return 1;
}

// The point of a control's mouse message in the parent's client area.
LPARAM point_in_parent(HWND control, LPARAM lparam)
{
    HWND parent = GetParent(control);
    RECT own, outer, client;
    GetWindowRect(control, &own);
    GetWindowRect(parent, &outer);
    GetClientRect(parent, &client);
    const int border = ((outer.right - outer.left) - client.right) / 2;
    const int client_top = outer.bottom - client.bottom - border;
    const int x = own.left + static_cast<short>(LOWORD(lparam)) - (outer.left + border);
    const int y = own.top + static_cast<short>(HIWORD(lparam)) - client_top;
    return MAKELPARAM(x, y);
}

LRESULT on_mouse(HWND control, UINT message, WPARAM wparam, LPARAM lparam)
{
    HWND target = reinterpret_cast<HWND>(slot(control, SLOT_MOUSE_TARGET));
    if (target)
        return SendMessageA(target, SUP_MOUSE_EVENT, message, GetDlgCtrlID(control));
    const int button_down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
                            message == WM_MBUTTONDOWN;
    if (!button_down)
        return 1;
    if (control_mode(control) != SUP_MODE_LEFT_TEXT) {
        HWND parent = GetParent(control);
        if (GetFocus() != control) {
            SetFocus(control);
            SendMessageA(parent, WM_PARENTNOTIFY, message,
                         MAKELPARAM(LOWORD(reinterpret_cast<UINT_PTR>(control)),
                                    GetDlgCtrlID(control)));
        }
        SendMessageA(parent, WM_LBUTTONDOWN, wparam, point_in_parent(control, lparam));
    }
    return DefWindowProcA(control, message, wparam, lparam);
}

// Column by column, in the scheme's colours; other schemes leave it black.
HBITMAP make_gradient(HWND control, int scheme)
{
    RECT client;
    GetClientRect(control, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0)
        return NULL;
    HDC screen = GetDC(control);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC dc = bitmap ? CreateCompatibleDC(screen) : NULL;
    if (dc) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, width, height, BLACKNESS);
        const int bands = scheme == GRADIENT_BANDS ? 3 : 1;
        for (int x = 0; x < width; ++x) {
            for (int band = 0; band < bands; ++band) {
                uint32_t colour;
                if (!gradient_colour(scheme, x, width, band, &colour))
                    continue;
                const int top = bands == 3 ? gradient_band_top(band, height) : 0;
                const int rows = bands == 3 ? gradient_band_rows(height) : height;
                HBRUSH brush = CreateSolidBrush(colour);
                RECT column = {x, top, x + 1, top + rows};
                FillRect(dc, &column, brush);
                DeleteObject(brush);
            }
        }
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ReleaseDC(control, screen);
    return bitmap;
}

LRESULT on_make_gradient(HWND control, int scheme)
{
    if (control_mode(control) != SUP_MODE_BITMAP)
        return 0;
    HBITMAP old = reinterpret_cast<HBITMAP>(slot(control, SLOT_CONTENT));
    if (old)
        DeleteObject(old);
    set_slot(control, SLOT_CONTENT, reinterpret_cast<LONG_PTR>(make_gradient(control, scheme)));
    InvalidateRect(control, NULL, TRUE);
    UpdateWindow(control);
    return 1;
}

LRESULT on_set_font(HWND control, HFONT font, BOOL redraw)
{
    set_slot(control, SLOT_FONT, reinterpret_cast<LONG_PTR>(font));
    if (redraw)
        InvalidateRect(control, NULL, TRUE);
    UpdateWindow(control);
    return 1;
}

LRESULT on_set_mouse_target(HWND control, HWND target)
{
    EnableWindow(control, target && IsWindow(target));
    return set_slot(control, SLOT_MOUSE_TARGET, reinterpret_cast<LONG_PTR>(target));
}

} // namespace

const char* lock_text(HWND control)
{
    HGLOBAL memory = text_memory(control);
    return memory ? static_cast<const char*>(GlobalLock(memory)) : NULL;
}

void unlock_text(HWND control)
{
    HGLOBAL memory = text_memory(control);
    if (memory)
        GlobalUnlock(memory);
}

HFONT control_font(HWND control)
{
    HFONT font = reinterpret_cast<HFONT>(slot(control, SLOT_FONT));
    return font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

LRESULT CALLBACK control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CREATE:
        return on_create(control, reinterpret_cast<const CREATESTRUCTA*>(lparam));
    case WM_DESTROY:
        on_destroy(control);
        return 0;
    case WM_PAINT:
        paint_control(control);
        return 0;
    case WM_SETTEXT:
        return on_set_text(control, wparam, lparam);
    case WM_GETTEXT:
        return on_get_text(control, wparam, lparam);
    case WM_GETTEXTLENGTH:
        return on_get_text_length(control);
    case WM_ERASEBKGND:
        return on_erase_background(control, reinterpret_cast<HDC>(wparam));
    case WM_SETFONT:
        return on_set_font(control, reinterpret_cast<HFONT>(wparam), LOWORD(lparam));
    case WM_GETFONT:
        return slot(control, SLOT_FONT);
    case WM_NCPAINT:
        refresh_brushes();
        return DefWindowProcA(control, message, wparam, lparam);
    case WM_GETDLGCODE:
        return 0;
    case WM_ACTIVATE:
        SendMessageA(GetParent(control), LOWORD(wparam) ? SUP_CHILD_ACTIVE : SUP_CHILD_INACTIVE,
                     reinterpret_cast<WPARAM>(control), 0);
        return 1;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return on_mouse(control, message, wparam, lparam);
    case WM_DROPFILES:
        return SendMessageA(GetParent(control), WM_DROPFILES, wparam, GetDlgCtrlID(control));
    case SUP_MAKE_GRADIENT:
        return on_make_gradient(control, static_cast<int>(wparam));
    case SUP_SET_ERASE_TARGET:
        return set_slot(control, SLOT_ERASE_TARGET, lparam);
    case SUP_SET_MOUSE_TARGET:
        return on_set_mouse_target(control, reinterpret_cast<HWND>(lparam));
    default:
        return DefWindowProcA(control, message, wparam, lparam);
    }
}

int register_control_class(HINSTANCE instance)
{
    WNDCLASSA control_class = {};
    control_class.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_GLOBALCLASS;
    control_class.lpfnWndProc = control_proc;
    control_class.cbWndExtra = SLOT_COUNT * sizeof(LONG_PTR);
    control_class.hInstance = instance;
    control_class.hCursor = LoadCursorA(NULL, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    control_class.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    control_class.lpszClassName = SUP_CLASS_NAME;
    return RegisterClassA(&control_class) ? 1 : 0;
}
