#include "dc_capture.h"

#include <cstddef>

std::vector<uint32_t> capture_pixels(HDC dc, int x, int y, int width, int height)
{
    std::vector<uint32_t> rgb;
    if (width <= 0 || height <= 0)
        return rgb;
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
        return rgb;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, section);
    BitBlt(memory, 0, 0, width, height, dc, x, y, SRCCOPY);
    GdiFlush();
    const uint32_t* source = static_cast<const uint32_t*>(bits);
    rgb.assign(source, source + static_cast<size_t>(width) * height);
    for (uint32_t& pixel : rgb)
        pixel &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(section);
    return rgb;
}
