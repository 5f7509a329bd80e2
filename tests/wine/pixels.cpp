#include "pixels.h"

#include "dc_capture.h"
#include "png_file.h"

uint32_t rgb_of(COLORREF colour)
{
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

Pixels capture_dc(HDC dc, int width, int height)
{
    Pixels pixels;
    pixels.rgb = capture_pixels(dc, 0, 0, width, height);
    if (!pixels.rgb.empty()) {
        pixels.width = width;
        pixels.height = height;
    }
    return pixels;
}

Pixels capture_window(HWND window, bool whole_window)
{
    RedrawWindow(window, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump_messages(50);
    RECT rect;
    if (whole_window) {
        GetWindowRect(window, &rect);
        OffsetRect(&rect, -rect.left, -rect.top);
    } else {
        GetClientRect(window, &rect);
    }
    HDC dc = whole_window ? GetWindowDC(window) : GetDC(window);
    Pixels pixels = capture_dc(dc, rect.right, rect.bottom);
    ReleaseDC(window, dc);
    return pixels;
}

bool save_png(const Pixels& pixels, const std::string& path)
{
    return save_png_file(path.c_str(), pixels.width, pixels.height, pixels.rgb);
}

void pump_messages(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}
