// The background texture: the monochrome bitmap shown in the face colour and
// a lighter grey, laid in staggered rows from the dialog's top left.
#pragma once
#include <windows.h>

enum { TEXTURE_BITMAP_ID = 152 };

// A colour copy of the monochrome texture: set bits in the face colour,
// clear bits in the light colour. NULL when it cannot be made.
HBITMAP recolour_texture(HDC reference, HBITMAP monochrome, SIZE* size);

// Fills width x height of dc (at 0, 0) with the texture as the dialog shows
// it at (area_x, area_y) of its client area.
void tile_texture(HDC dc, HBITMAP texture, SIZE size, int area_x, int area_y, int width,
                  int height);

// Paints what window shows as its background at (area_x, area_y) of its
// client area, width x height, into dc at (0, 0): the bitmap it answers the
// background query with, or bitmap 152, recoloured and tiled. Returns 0 when
// the window wants the plain face colour or there is no bitmap.
int paint_background_of(HWND window, HDC dc, int area_x, int area_y, int width, int height);

// Deletes the kept copy of the recoloured bitmap 152 (made again when needed).
void release_texture_cache();
