#include "ui/texture.h"

#include "base/setup_state.h"
#include "ui/control_class.h"
#include "ui/texture_layout.h"

namespace {

// Ternary raster operations: pattern and source; destination or (pattern and not source).
const DWORD ROP_PATTERN_AND_SOURCE = 0x00C000CA;
const DWORD ROP_OR_PATTERN_AND_NOT_SOURCE = 0x00BA0B09;

struct TileTarget {
    HDC dest, source;
    SIZE size;
    int width, height; // of the area: only the part of a tile inside it is copied
};

void copy_tile(void* context, int x, int y)
{
    const TileTarget* target = static_cast<const TileTarget*>(context);
    const int left = x < 0 ? 0 : x, top = y < 0 ? 0 : y;
    const int right = x + target->size.cx < target->width ? x + target->size.cx : target->width;
    const int bottom = y + target->size.cy < target->height ? y + target->size.cy : target->height;
    if (right > left && bottom > top)
        BitBlt(target->dest, left, top, right - left, bottom - top, target->source, left - x,
               top - y, SRCCOPY);
}

// The recoloured bitmap 152, kept while the colours it was made in hold: a
// progress bar repaints its ground on every step.
struct DefaultTexture {
    HBITMAP bitmap;
    HDC dc; // holds the bitmap, ready to copy from
    HGDIOBJ original;
    SIZE size;
    COLORREF face, light, highlight;
};

DefaultTexture default_texture;

HDC cached_default_texture(HDC dc, SIZE* size)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_3DLIGHT),
                   highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    if (default_texture.bitmap &&
        (default_texture.face != face || default_texture.light != light ||
         default_texture.highlight != highlight))
        release_texture_cache();
    if (!default_texture.bitmap) {
        HBITMAP monochrome =
            LoadBitmapA(setup_state.instance, MAKEINTRESOURCEA(TEXTURE_BITMAP_ID));
        if (!monochrome)
            return NULL;
        default_texture.bitmap = recolour_texture(dc, monochrome, &default_texture.size);
        DeleteObject(monochrome);
        default_texture.dc = default_texture.bitmap ? CreateCompatibleDC(dc) : NULL;
        if (!default_texture.dc) {
            release_texture_cache();
            return NULL;
        }
        default_texture.original = SelectObject(default_texture.dc, default_texture.bitmap);
        default_texture.face = face;
        default_texture.light = light;
        default_texture.highlight = highlight;
    }
    *size = default_texture.size;
    return default_texture.dc;
}

void tile_from(HDC dc, HDC source, SIZE size, int area_x, int area_y, int width, int height)
{
    TileTarget target = {dc, source, size, width, height};
    texture_tiles(area_x, area_y, width, height, size.cx, size.cy, copy_tile, &target);
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
    tile_from(dc, source, size, area_x, area_y, width, height);
    SelectObject(source, old);
    DeleteDC(source);
}

int paint_background_of(HWND window, HDC dc, int area_x, int area_y, int width, int height)
{
    HBITMAP answer = NULL; // the asker owns what the window answers
    SendMessageA(window, SUP_QUERY_BACKGROUND, SUP_QUERY_KEY, reinterpret_cast<LPARAM>(&answer));
    if (answer == SUP_NO_TEXTURE)
        return 0;
    SIZE size;
    if (!answer) {
        HDC texture = cached_default_texture(dc, &size);
        if (!texture)
            return 0;
        tile_from(dc, texture, size, area_x, area_y, width, height);
        return 1;
    }
    HBITMAP texture = recolour_texture(dc, answer, &size);
    DeleteObject(answer);
    if (!texture)
        return 0;
    tile_texture(dc, texture, size, area_x, area_y, width, height);
    DeleteObject(texture);
    return 1;
}

void release_texture_cache()
{
    if (default_texture.dc) {
        SelectObject(default_texture.dc, default_texture.original);
        DeleteDC(default_texture.dc);
    }
    if (default_texture.bitmap)
        DeleteObject(default_texture.bitmap);
    default_texture = DefaultTexture{};
}
