// How the background texture is laid: its light colour and the staggered
// tiles that cover an area, counted from the top left of the dialog's client
// area so that a control's own copy continues the dialog's seamlessly.
#pragma once
#include <cstdint>

// COLOR_3DLIGHT, or the mean of face and highlight per component when the
// light colour equals the face colour (colours 0x00BBGGRR).
uint32_t texture_light_colour(uint32_t light, uint32_t face, uint32_t highlight);

// Calls visit with the position, relative to the area, of every tile of
// tile_width x tile_height that meets an area width x height lying at
// (area_x, area_y) of the dialog. Rows of tiles start at the dialog's top;
// every odd row starts half a tile width to the left.
void texture_tiles(int area_x, int area_y, int width, int height, int tile_width, int tile_height,
                   void (*visit)(void* context, int x, int y), void* context);
