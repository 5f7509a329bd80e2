#include "ui/gradient.h"

namespace {

uint32_t rgb(unsigned red, unsigned green, unsigned blue)
{
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

// Six sectors red, yellow, green, cyan, blue, magenta; components wrap as bytes.
uint32_t hue(int x, int width)
{
    const int sector = x * 6 / width;
    const int sector_width = width / 6;
    // A gradient narrower than six pixels has no room inside a sector.
    const unsigned t = sector_width ? static_cast<unsigned>((x - sector * width / 6) * 250 / sector_width) & 0xFF : 0;
    switch (sector) {
    case 0: return rgb(255, t, 0);
    case 1: return rgb(255 - t, 255, 0);
    case 2: return rgb(0, 255, t);
    case 3: return rgb(0, 255 - t, 255);
    case 4: return rgb(t, 0, 255);
    default: return rgb(255, 0, 255 - t);
    }
}

} // namespace

int gradient_colour(int scheme, int x, int width, int band, uint32_t* colour)
{
    if (width <= 0 || x < 0 || x >= width)
        return 0;
    const unsigned v = static_cast<unsigned>(x * 255 / width) & 0xFF;
    switch (scheme) {
    case GRADIENT_RED: *colour = rgb(v, 0, 0); return 1;
    case GRADIENT_GREEN: *colour = rgb(0, v, 0); return 1;
    case GRADIENT_BLUE: *colour = rgb(0, 0, v); return 1;
    case GRADIENT_BANDS:
        *colour = band == 0 ? rgb(v, 0, 0) : band == 1 ? rgb(0, v, 0) : rgb(0, 0, v);
        return 1;
    case GRADIENT_GREY: *colour = rgb(v, v, v); return 1;
    case GRADIENT_HUES: *colour = hue(x, width); return 1;
    default: return 0;
    }
}

int gradient_band_top(int band, int height)
{
    return band * height / 3;
}

int gradient_band_rows(int height)
{
    return height / 3 + 1;
}
