#include "icon_pixels.h"

#include <cstddef>
#include <cstring>

namespace {

// One letter per colour, in the order of the standard palette; '.' lets the
// screen show through (black under a set mask bit).
const char ICON_COLOUR_LETTERS[] = "KrgonptsdRGYBMCW";

const char* const ICON_32[32] = {
    "..............KKKKKK............",
    "..............KGGGgK............",
    "..............KGGGgK............",
    "..............KGGGgK............",
    "..............KGGGgK............",
    "..............KGGGgK............",
    "..............KGGGgK............",
    "..............KGGGgK............",
    ".........KKKKKKGGGgKKKKKK.......",
    "..........KGGGGGGGGGGGgK........",
    ".......K...KGGGGGGGGGgKKKKKKKKK.",
    ".....KKYK...KGGGGGGGgKYYYYYYYK..",
    "....KYYYYK...KGGGGGgKooooooooK..",
    "..KKYYYYYK..KoKGGGgKooooooooK...",
    ".KYYYYYYYYK.KooKGgKoooooooooK...",
    "..KYYYYYYYYKKKKKKKKKKKKKKKKK....",
    "...KYYYYYKKKKoKoKoKoKoKoKKKK....",
    "...KYYYYKKKKKKKKKKKKKKKKKKoK....",
    "....KYKKKKKKKKKKKKKKKKKKKoKK....",
    ".....KKKKKKKKKKKKKKKKKoKoKoK....",
    ".....KYYYYYYYYYYYYYYYKKoKoKK....",
    ".....KYooooooooooooooKoKoKoK....",
    ".....KYooooooooooooooKKoKoKK....",
    ".....KYooKKKKKKKKooooKoKoKoK....",
    ".....KYooKWWWWWWKooooKKoKoKK....",
    ".....KYooKWddddWKooooKoKoKoK....",
    ".....KYooKWWWWWWKooooKKoKoKK....",
    ".....KYooKKKKKKKKooooKoKoKK.....",
    ".....KYooooooooooooooKKoK.......",
    ".....KYooooooooooooooKKK........",
    ".....KKKKKKKKKKKKKKKKK..........",
    "................................",
};

const char* const ICON_16[16] = {
    "......KKKK......",
    "......KGgK......",
    "......KGgK......",
    "......KGgK......",
    "...KKKKGgKKKK...",
    ".KKYKGGGGGgKKKK.",
    "KYYYKKGGGgKoooK.",
    ".KYYYKKGgKKKKKK.",
    ".KYKKKKKKKKKKKK.",
    "..KKKKKKKKKKoKK.",
    "..KYYYYYYYYKKoK.",
    "..KYoooooooKoKK.",
    "..KYoooooooKKoK.",
    "..KYoooooooKoKK.",
    "..KYoooooooKKK..",
    "..KKKKKKKKKK....",
};

} // namespace

std::vector<PaletteColour> standard_icon_palette()
{
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

IconImage setup_icon_image(int size)
{
    const char* const* rows = size == 16 ? ICON_16 : ICON_32;
    size = size == 16 ? 16 : 32;
    IconImage image = {make_picture(size, size, 0), make_picture(size, size, 0)};
    for (int y = 0; y < size; ++y) {
        size_t length = strlen(rows[y]);
        for (int x = 0; x < size; ++x) {
            char letter = static_cast<size_t>(x) < length ? rows[y][x] : '.';
            const char* colour = letter == '.' ? NULL : strchr(ICON_COLOUR_LETTERS, letter);
            if (colour)
                image.colours.pixels[y * size + x] =
                    static_cast<unsigned char>(colour - ICON_COLOUR_LETTERS);
            else
                image.transparent.pixels[y * size + x] = 1;
        }
    }
    return image;
}
