#include "ui/texture_layout.h"

uint32_t texture_light_colour(uint32_t light, uint32_t face, uint32_t highlight)
{
    if (light != face)
        return light;
    uint32_t mean = 0;
    for (int shift = 0; shift < 24; shift += 8)
        mean |= (((face >> shift & 0xFF) + (highlight >> shift & 0xFF)) / 2) << shift;
    return mean;
}

namespace {

int floor_div(int value, int divisor)
{
    return value >= 0 ? value / divisor : -((-value + divisor - 1) / divisor);
}

} // namespace

void texture_tiles(int area_x, int area_y, int width, int height, int tile_width, int tile_height,
                   void (*visit)(void* context, int x, int y), void* context)
{
    if (width <= 0 || height <= 0 || tile_width <= 0 || tile_height <= 0)
        return;
    const int first_row = floor_div(area_y, tile_height);
    for (int row = first_row; row * tile_height < area_y + height; ++row) {
        const int shift = (row & 1) ? tile_width / 2 : 0;
        // The first tile of the row that reaches into the area.
        const int first = floor_div(area_x + shift, tile_width);
        for (int left = first * tile_width - shift; left < area_x + width; left += tile_width)
            visit(context, left - area_x, row * tile_height - area_y);
    }
}
