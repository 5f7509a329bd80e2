#include "ui/texture.h"

#include "app/setup_state.h"
#include "ui/control_class.h"
#include "ui/texture_layout.h"

namespace {

// Ternary raster operations: pattern and source; destination or (pattern and not source).
const DWORD ROP_PATTERN_AND_SOURCE = 0x00C000CA;
const DWORD ROP_OR_PATTERN_AND_NOT_SOURCE = 0x00BA0B09;

struct TileTarget {
    HDC dest, source;
    SIZE size;
};

void copy_tile(void* context, int x, int y)
{
    const TileTarget* target = static_cast<const TileTarget*>(context);
    BitBlt(target->dest, x, y, target->size.cx, target->size.cy, target->source, 0, 0, SRCCOPY);
}

// Copies the monochrome source through brush with the operation.
void blit_through(HDC dest, HDC source, SIZE size, COLORREF colour, DWORD operation)
{
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old = SelectObject(dest, brush);
    BitBlt(dest, 0, 0, size.cx, size.cy, source, 0, 0, operation);
    SelectObject(dest, old);
    DeleteObject(brush);
}

} // namespace

HBITMAP recolour_texture(HDC reference, HBITMAP monochrome, SIZE* size)
{
    BITMAP info;
    if (!monochrome || !GetObjectA(monochrome, sizeof info, &info))
        return NULL;
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    HDC source = CreateCompatibleDC(reference);
    HDC dest = CreateCompatibleDC(reference);
    HBITMAP colour = CreateCompatibleBitmap(reference, size->cx, size->cy);
    if (source && dest && colour) {
        HGDIOBJ old_source = SelectObject(source, monochrome);
        HGDIOBJ old_dest = SelectObject(dest, colour);
        const COLORREF face = GetSysColor(COLOR_BTNFACE);
        const COLORREF light =
            texture_light_colour(GetSysColor(COLOR_3DLIGHT), face, GetSysColor(COLOR_BTNHIGHLIGHT));
        // With the default colours set bits read as white and clear bits as black.
        blit_through(dest, source, *size, face, ROP_PATTERN_AND_SOURCE);
        blit_through(dest, source, *size, light, ROP_OR_PATTERN_AND_NOT_SOURCE);
        SelectObject(source, old_source);
        SelectObject(dest, old_dest);
    } else if (colour) {
        DeleteObject(colour);
        colour = NULL;
    }
    if (source)
        DeleteDC(source);
    if (dest)
        DeleteDC(dest);
    return colour;
}

void tile_texture(HDC dc, HBITMAP texture, SIZE size, int area_x, int area_y, int width,
                  int height)
{
    HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ old = SelectObject(source, texture);
    TileTarget target = {dc, source, size};
    texture_tiles(area_x, area_y, width, height, size.cx, size.cy, copy_tile, &target);
    SelectObject(source, old);
    DeleteDC(source);
}

int paint_background_of(HWND window, HDC dc, int area_x, int area_y, int width, int height)
{
    HBITMAP answer = NULL; // the asker owns what the window answers
    SendMessageA(window, SUP_QUERY_BACKGROUND, SUP_QUERY_KEY, reinterpret_cast<LPARAM>(&answer));
    if (answer == SUP_NO_TEXTURE)
        return 0;
    if (!answer)
        answer = LoadBitmapA(setup_state.instance, MAKEINTRESOURCEA(TEXTURE_BITMAP_ID));
    if (!answer)
        return 0;
    SIZE size;
    HBITMAP texture = recolour_texture(dc, answer, &size);
    DeleteObject(answer);
    if (!texture)
        return 0;
    tile_texture(dc, texture, size, area_x, area_y, width, height);
    DeleteObject(texture);
    return 1;
}
