#include "ui/caption.h"

#include "base/setup_state.h"
#include "ui/caption_layout.h"

int caption_reading;

namespace {

// Loaded on first use and kept for the rest of the run.
HBITMAP caption_bitmap;
int caption_bitmap_width;

int load_caption_bitmap()
{
    if (caption_bitmap)
        return 1;
    caption_bitmap = LoadBitmapA(setup_state.instance, MAKEINTRESOURCEA(CAPTION_BITMAP_ID));
    BITMAP info;
    if (!caption_bitmap || !GetObjectA(caption_bitmap, sizeof info, &info)) {
        caption_bitmap = NULL;
        return 0;
    }
    caption_bitmap_width = info.bmWidth;
    return 1;
}

CaptionMetrics system_caption_metrics()
{
    CaptionMetrics metrics;
    metrics.cx_frame = GetSystemMetrics(SM_CXFRAME);
    metrics.cy_frame = GetSystemMetrics(SM_CYFRAME);
    metrics.cx_dlg_frame = GetSystemMetrics(SM_CXDLGFRAME);
    metrics.cy_dlg_frame = GetSystemMetrics(SM_CYDLGFRAME);
    metrics.cx_border = GetSystemMetrics(SM_CXBORDER);
    metrics.cy_border = GetSystemMetrics(SM_CYBORDER);
    metrics.cx_size = GetSystemMetrics(SM_CXSIZE);
    metrics.cy_caption = GetSystemMetrics(SM_CYCAPTION);
    return metrics;
}

void paint_text(HWND window, HDC dc, const CaptionGeometry& geometry, int active)
{
    char text[128];
    caption_reading = 1;
    const int length = GetWindowTextA(window, text, sizeof text);
    caption_reading = 0;
    if (length <= 0)
        return;
    RECT rect = {geometry.text_left, geometry.strip_top, geometry.text_right,
                 geometry.strip_top + geometry.strip_height};
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF old_colour = SetTextColor(dc, active ? RGB(0, 0, 0) : RGB(255, 255, 255));
    DrawTextA(dc, text, length, &rect, DT_SINGLELINE | DT_VCENTER);
    SetTextColor(dc, old_colour);
    SetBkMode(dc, old_mode);
}

} // namespace

void paint_caption(HWND window, int active, int parts)
{
    if (!load_caption_bitmap())
        return;
    RECT rect;
    GetWindowRect(window, &rect);
    if (active < 0)
        active = GetActiveWindow() == window;
    CaptionGeometry geometry;
    caption_geometry(static_cast<unsigned long>(GetWindowLongPtrA(window, GWL_STYLE)),
                     static_cast<unsigned long>(GetWindowLongPtrA(window, GWL_EXSTYLE)),
                     rect.right - rect.left, system_caption_metrics(), &geometry);
    HDC dc = GetWindowDC(window);
    if (!dc)
        return;
    if (parts & CAPTION_STRIP) {
        HDC source = CreateCompatibleDC(dc);
        if (source) {
            HGDIOBJ old = SelectObject(source, caption_bitmap);
            CaptionBlits blits;
            caption_blits(geometry, active, caption_bitmap_width, &blits);
            for (int i = 0; i < blits.count; ++i) {
                const CaptionBlit& b = blits.blits[i];
                BitBlt(dc, b.x, b.y, b.width, b.height, source, b.source_x, b.source_y, SRCCOPY);
            }
            SelectObject(source, old);
            DeleteDC(source);
        }
    }
    if (parts & CAPTION_TEXT)
        paint_text(window, dc, geometry, active);
    ReleaseDC(window, dc);
}
