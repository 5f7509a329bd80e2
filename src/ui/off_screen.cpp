#include "ui/off_screen.h"

namespace {

struct OffScreen {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ original;
    int width, height;
};

OffScreen surface;

} // namespace

HDC off_screen_dc(HDC reference, int width, int height)
{
    if (surface.dc && width <= surface.width && height <= surface.height)
        return surface.dc;
    const int new_width = width > surface.width ? width : surface.width;
    const int new_height = height > surface.height ? height : surface.height;
    release_off_screen();
    HDC dc = CreateCompatibleDC(reference);
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(reference, new_width, new_height) : NULL;
    if (!bitmap) {
        if (dc)
            DeleteDC(dc);
        return NULL;
    }
    surface = OffScreen{dc, bitmap, SelectObject(dc, bitmap), new_width, new_height};
    return dc;
}

void release_off_screen()
{
    if (surface.dc) {
        SelectObject(surface.dc, surface.original);
        DeleteDC(surface.dc);
        DeleteObject(surface.bitmap);
    }
    surface = OffScreen{};
}
