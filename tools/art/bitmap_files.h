// Windows bitmap (.bmp) and icon (.ico) files from palette-indexed pictures.
#pragma once
#include <vector>

// One palette index per pixel, row 0 at the top.
struct IndexedPicture {
    int width, height;
    std::vector<unsigned char> pixels;
};

struct PaletteColour {
    unsigned char red, green, blue;
};

IndexedPicture make_picture(int width, int height, unsigned char fill);

// An uncompressed bottom-up BMP of 1 or 4 bits per pixel with the palette
// (2 or 16 colours) as its colour table.
std::vector<unsigned char> encode_bmp(const IndexedPicture& picture, int bits_per_pixel,
                                      const std::vector<PaletteColour>& palette);

// One image of an icon: its colours, and a mask where 1 lets the screen show.
struct IconImage {
    IndexedPicture colours;
    IndexedPicture transparent;
};

// An icon file of 16-colour images sharing the palette.
std::vector<unsigned char> encode_ico(const std::vector<IconImage>& images,
                                      const std::vector<PaletteColour>& palette);
