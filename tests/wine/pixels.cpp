#include "pixels.h"

#include "png_file.h"

#include <cstdio>



uint32_t rgb_of(COLORREF colour)
{
    return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

Pixels capture_dc(HDC dc, int width, int height)
{
    Pixels pixels;
    if (width <= 0 || height <= 0)
        return pixels;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    if (!section)
        return pixels;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    pixels.width = width;
    pixels.height = height;
    const uint32_t* source = static_cast<const uint32_t*>(bits);
    pixels.rgb.assign(source, source + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : pixels.rgb)
        pixel &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(section);
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
    const std::vector<unsigned char> png = encode_png(pixels.width, pixels.height, pixels.rgb);
    FILE* file = fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
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
