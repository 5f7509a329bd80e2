// WM_PAINT of STATICSUP, by mode: texts, the icon in its well, the 3-D
// frames, the bitmap, and the progress bar drawn off-screen.
#include <cstdio>
#include <cstring>

#include "base/setup_state.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "ui/control_slots.h"
#include "ui/drawing.h"
#include "ui/off_screen.h"
#include "ui/progress_layout.h"
#include "ui/texture.h"

namespace {

COLORREF text_colour()
{
    return setup_state.windows_version < 4 ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT);
}

UINT text_format(int mode, LONG_PTR style)
{
    UINT format = DT_EXPANDTABS;
    switch (mode) {
    case SUP_MODE_LEFT_TEXT: format |= DT_WORDBREAK; break;
    case SUP_MODE_CENTRED_TEXT: format |= DT_CENTER | DT_WORDBREAK; break;
    case SUP_MODE_RIGHT_TEXT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SUP_MODE_SINGLE_LINE: format |= DT_SINGLELINE; break;
    default: format |= DT_LEFT; break;
    }
    if (style & SUP_STYLE_NO_PREFIX)
        format |= DT_NOPREFIX;
    return format;
}

void paint_text(HWND control, HDC dc, const RECT& client, int mode)
{
    const LONG_PTR style = slot(control, SLOT_STYLE);
    if (style & SUP_STYLE_TEXT_CHANGED) {
        set_slot(control, SLOT_STYLE, style & ~static_cast<LONG_PTR>(SUP_STYLE_TEXT_CHANGED));
        if (!(GetWindowLongPtrA(control, GWL_EXSTYLE) & WS_EX_TRANSPARENT))
            FillRect(dc, &client, brush_set.face);
    }
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(dc, control_font(control));
    const COLORREF old_colour = GetTextColor(dc);
    const char* text = lock_text(control);
    if (text) {
        const UINT format = text_format(mode, style);
        RECT rect = {0, 0, client.right - 1, client.bottom - 1};
        if (style & SUP_STYLE_SHADOW) {
            RECT shadow = {1, 1, rect.right + 1, rect.bottom + 1};
            SetTextColor(dc, RGB(255, 255, 255));
            DrawTextA(dc, text, -1, &shadow, format);
            SetTextColor(dc, RGB(0, 0, 0));
        } else {
            SetTextColor(dc, text_colour());
        }
        DrawTextA(dc, text, -1, &rect, format);
    }
    unlock_text(control);
    SetTextColor(dc, old_colour);
    SelectObject(dc, old_font);
    SetBkMode(dc, old_mode);
}

void paint_panel_text(HWND control, HDC dc, const RECT& client)
{
    const char* text = lock_text(control);
    if (text) {
        const int old_mode = SetBkMode(dc, TRANSPARENT);
        HGDIOBJ old_font = SelectObject(dc, control_font(control));
        const COLORREF old_colour = SetTextColor(dc, RGB(0, 0, 0));
        RECT inside = {3, 3, client.right - 3, client.bottom - 3};
        DrawTextA(dc, text, -1, &inside, DT_NOPREFIX);
        SetTextColor(dc, old_colour);
        SelectObject(dc, old_font);
        SetBkMode(dc, old_mode);
    }
    unlock_text(control);
}

void paint_frame(HWND control, HDC dc, const RECT& client, int mode)
{
    const BrushSet& b = brush_set;
    const int right = client.right - 1, bottom = client.bottom - 1;
    switch (mode) {
    case SUP_MODE_RAISED_BOX:
        draw_thick_ring(dc, 0, 0, right, bottom, b.black, b.highlight, b.shadow);
        break;
    case SUP_MODE_RAISED_FACE_BOX:
        draw_thick_ring(dc, 0, 0, right, bottom, b.black, b.highlight, b.face);
        break;
    case SUP_MODE_SUNKEN_PANEL:
        draw_ring(dc, 0, 0, right, bottom, b.black, NULL, b.shadow);
        draw_ring(dc, 1, 1, right - 1, bottom - 1, b.shadow, b.face, b.highlight);
        paint_panel_text(control, dc, client);
        break;
    case SUP_MODE_WELL_FRAME:
        draw_double_ring(dc, 0, 0, right, bottom, b.black, b.highlight, NULL, b.face);
        break;
    case SUP_MODE_THIN_RAISED_FRAME:
        draw_ring(dc, 0, 0, right, bottom, b.highlight, NULL, b.black);
        break;
    case SUP_MODE_LIGHT_WELL_FRAME:
        draw_double_ring(dc, 0, 0, right, bottom, b.black, b.highlight, NULL, b.highlight);
        break;
    }
}

// The parent's background under the control, continuing the parent's own;
// the icon's well and the progress bar are drawn over it. Returns 0 when the
// parent shows the plain face colour.
int paint_parent_background(HWND control, HDC dc, const RECT& client)
{
    HWND parent = GetParent(control);
    POINT origin = {0, 0};
    MapWindowPoints(control, parent, &origin, 1);
    return paint_background_of(parent, dc, origin.x, origin.y, client.right, client.bottom);
}

void paint_icon(HWND control, HDC dc, const RECT& client)
{
    paint_parent_background(control, dc, client);
    HICON icon = reinterpret_cast<HICON>(slot(control, SLOT_CONTENT));
    if (slot(control, SLOT_STYLE) & SUP_STYLE_SHADOW) {
        if (icon)
            DrawIcon(dc, 0, 0, icon);
        return;
    }
    draw_double_ring(dc, 0, 0, client.right - 1, client.bottom - 1, brush_set.black,
                     brush_set.highlight, NULL, brush_set.face);
    if (icon)
        DrawIcon(dc, 3, 3, icon);
}

void paint_bitmap(HWND control, HDC dc, const RECT& client)
{
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(slot(control, SLOT_CONTENT));
    if (bitmap) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, bitmap);
        BitBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    draw_thick_ring(dc, 0, 0, client.right - 1, client.bottom - 1, brush_set.black,
                    brush_set.highlight, NULL);
}

void paint_progress_into(HWND control, HDC dc, const RECT& client)
{
    const BrushSet& b = brush_set;
    const int right = client.right - 1, bottom = client.bottom - 1;
    const int textured = paint_parent_background(control, dc, client);
    HBRUSH inner = textured ? NULL : b.light;
    draw_bevel(dc, 0, 0, right - 1, bottom - 1, b.highlight, b.highlight, inner, b.shadow, b.face,
               inner, inner);
    const unsigned percentage = static_cast<unsigned>(slot(control, SLOT_CONTENT));
    draw_bevel(dc, 4, 4, progress_bar_width(percentage, right), bottom - 8, b.black, b.shadow,
               b.shadow, b.highlight, b.highlight, b.light, b.face);

    char text[24];
    snprintf(text, sizeof text, "%ld %%", static_cast<long>(percentage));
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    HGDIOBJ old_font = SelectObject(dc, control_font(control));
    const COLORREF old_colour = SetTextColor(dc, RGB(0, 0, 0));
    SIZE extent = {0, 0};
    const int length = static_cast<int>(strlen(text));
    GetTextExtentPoint32A(dc, text, length, &extent);
    TextOutA(dc, progress_text_x(right, extent.cx), progress_text_y(bottom, extent.cy), text,
             length);
    SetTextColor(dc, old_colour);
    SelectObject(dc, old_font);
    SetBkMode(dc, old_mode);
}

// Drawn off-screen and copied in one go, so frequent updates do not flicker
// and nothing of the parent's painting comes between the ground and the
// picture. The ground is the face colour where the parent shows no texture.
void paint_off_screen(HWND control, HDC dc, const RECT& client,
                      void (*paint)(HWND, HDC, const RECT&))
{
    HDC memory = off_screen_dc(dc, client.right, client.bottom);
    HDC target = memory ? memory : dc;
    FillRect(target, &client, brush_set.face);
    paint(control, target, client);
    if (memory)
        BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
}

void paint_mode(HWND control, HDC dc, int mode)
{
    RECT client;
    GetClientRect(control, &client);
    if (is_text_mode(mode))
        paint_text(control, dc, client, mode);
    else if (mode >= SUP_MODE_RAISED_BOX && mode <= SUP_MODE_LIGHT_WELL_FRAME)
        paint_frame(control, dc, client, mode);
    else if (mode == SUP_MODE_BITMAP)
        paint_bitmap(control, dc, client);
    else if (mode == SUP_MODE_ICON)
        paint_off_screen(control, dc, client, paint_icon);
    else if (mode == SUP_MODE_PROGRESS)
        paint_off_screen(control, dc, client, paint_progress_into);
}

} // namespace

void paint_control(HWND control)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(control, &paint);
    paint_mode(control, dc, control_mode(control));
    EndPaint(control, &paint);
}

void paint_control_now(HWND control)
{
    if (!IsWindowVisible(control)) {
        InvalidateRect(control, NULL, FALSE);
        return;
    }
    HDC dc = GetDC(control);
    if (!dc)
        return;
    paint_mode(control, dc, control_mode(control));
    ReleaseDC(control, dc);
}
