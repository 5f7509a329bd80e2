#include "art.h"

#include <algorithm>
#include <cmath>

#include "bitmap_files.h"
#include "icon_pixels.h"
#include "noise.h"
#include "symbols.h"

namespace {

typedef std::vector<unsigned char> Bytes;

const int ART_TEXTURE_SIZE = 192;
// Odd rows of tiles are laid half a tile to the left, so the rows at the
// texture's top and bottom edge repeat every half width.
const int ART_TEXTURE_HALF = ART_TEXTURE_SIZE / 2;
const double ART_TEXTURE_SEAM_ROWS = 5.5; // rows each side of the edge kept half-periodic
const double ART_TEXTURE_BLEND_ROWS = 28.0;
const double ART_TEXTURE_FACE_SHARE = 0.68;
const uint64_t ART_TEXTURE_SEED = 0x7E47u;

const int ART_CAPTION_WIDTH = 640;
const int ART_CAPTION_HEIGHT = 58;
const int ART_CAPTION_LIGHT_TOP = 1;
const int ART_CAPTION_DARK_TOP = 29;
const int ART_CAPTION_SHADES = 6;
const double ART_CAPTION_SHADES_PER_DEVIATION = 1.1;
// The noise repeats down the strip beyond its height: a multiple of the cells.
const int ART_CAPTION_NOISE_ROWS = 64;
const uint64_t ART_CAPTION_SEED = 0xCA97u;

enum { CAPTION_LINE = 0, CAPTION_LIGHT = 1, CAPTION_DARK = 1 + ART_CAPTION_SHADES };

double smooth_step(double t)
{
    t = std::min(1.0, std::max(0.0, t));
    return t * t * (3.0 - 2.0 * t);
}

std::vector<PaletteColour> monochrome_palette() { return {{0, 0, 0}, {255, 255, 255}}; }

// Rows near the top and bottom edge take their grain from noise that repeats
// every half width, so they meet both the plain and the shifted tile; the
// rest blends into noise of the full width. The blend keeps the variance.
std::vector<double> texture_field()
{
    ArtRandom random = art_random_seeded(ART_TEXTURE_SEED);
    const int cells[] = {6, 3, 2};
    const double amplitudes[] = {0.3, 1.0, 0.35};
    std::vector<NoiseLayer> full, half;
    for (int octave = 0; octave < 3; ++octave) {
        full.push_back(make_noise_layer(&random, ART_TEXTURE_SIZE, ART_TEXTURE_SIZE, cells[octave],
                                        amplitudes[octave]));
        half.push_back(make_noise_layer(&random, ART_TEXTURE_HALF, ART_TEXTURE_SIZE, cells[octave],
                                        amplitudes[octave]));
    }
    std::vector<double> field;
    for (int y = 0; y < ART_TEXTURE_SIZE; ++y) {
        double edge_distance = std::min(y + 0.5, ART_TEXTURE_SIZE - (y + 0.5));
        double w = smooth_step((edge_distance - ART_TEXTURE_SEAM_ROWS) / ART_TEXTURE_BLEND_ROWS);
        double norm = std::sqrt((1.0 - w) * (1.0 - w) + w * w);
        for (int x = 0; x < ART_TEXTURE_SIZE; ++x) {
            double px = x + 0.5, py = y + 0.5;
            field.push_back(((1.0 - w) * noise_at(half, px, py) + w * noise_at(full, px, py)) /
                            norm);
        }
    }
    return field;
}

int wrapped(int value, int size) { return (value % size + size) % size; }

// Single pixels whose four neighbours all differ read as noise: they take
// their neighbours' value.
IndexedPicture without_lone_pixels(const IndexedPicture& picture)
{
    IndexedPicture result = picture;
    int w = picture.width, h = picture.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            unsigned char value = picture.pixels[y * w + x];
            unsigned char left = picture.pixels[y * w + wrapped(x - 1, w)];
            unsigned char right = picture.pixels[y * w + wrapped(x + 1, w)];
            unsigned char up = picture.pixels[wrapped(y - 1, h) * w + x];
            unsigned char down = picture.pixels[wrapped(y + 1, h) * w + x];
            if (left != value && right != value && up != value && down != value)
                result.pixels[y * w + x] = left;
        }
    return result;
}

// Each pixel takes the value most of its 3 x 3 block has: rounder flecks.
IndexedPicture majority_smoothed(const IndexedPicture& picture)
{
    IndexedPicture result = picture;
    int w = picture.width, h = picture.height;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int set = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    set += picture.pixels[wrapped(y + dy, h) * w + wrapped(x + dx, w)];
            result.pixels[y * w + x] = set >= 5;
        }
    return result;
}

IndexedPicture texture_picture()
{
    std::vector<double> field = texture_field();
    std::vector<double> sorted = field;
    size_t rank = static_cast<size_t>(ART_TEXTURE_FACE_SHARE * sorted.size());
    std::nth_element(sorted.begin(), sorted.begin() + rank, sorted.end());
    double threshold = sorted[rank];
    IndexedPicture picture = make_picture(ART_TEXTURE_SIZE, ART_TEXTURE_SIZE, 0);
    for (size_t i = 0; i < field.size(); ++i)
        picture.pixels[i] = field[i] < threshold; // set: face colour
    return without_lone_pixels(majority_smoothed(picture));
}

// The line along the top, the light band's shades, the dark band's shades
// (each darkest first), three spare colours.
std::vector<PaletteColour> caption_palette()
{
    return {{34, 52, 42},    {140, 180, 136}, {149, 188, 144}, {158, 196, 152},
            {167, 203, 160}, {176, 210, 168}, {186, 217, 177}, {66, 84, 74},
            {72, 91, 80},    {78, 98, 86},    {85, 105, 92},   {92, 112, 98},
            {100, 119, 105}, {0, 0, 0},       {255, 255, 255}, {192, 192, 192}};
}

// A cloudy band: noise repeating every caption width, spread over the
// shades with an ordered dither so that the steps between them are soft.
void draw_mottle(IndexedPicture* picture, ArtRandom* random, int top, int bottom, int first_shade)
{
    const int cells[] = {32, 16, 8, 4};
    const double amplitudes[] = {1.0, 0.55, 0.3, 0.15};
    static const int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    std::vector<NoiseLayer> layers;
    for (int octave = 0; octave < 4; ++octave)
        layers.push_back(make_noise_layer(random, ART_CAPTION_WIDTH, ART_CAPTION_NOISE_ROWS,
                                          cells[octave], amplitudes[octave]));
    std::vector<double> values;
    double sum = 0.0, squares = 0.0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture->width; ++x) {
            double value = noise_at(layers, x + 0.5, y + 0.5);
            values.push_back(value);
            sum += value;
            squares += value * value;
        }
    double mean = sum / values.size();
    double deviation = std::sqrt(squares / values.size() - mean * mean);
    size_t i = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture->width; ++x) {
            double level = (values[i++] - mean) / deviation * ART_CAPTION_SHADES_PER_DEVIATION +
                           ART_CAPTION_SHADES / 2.0 + (bayer[y % 4][x % 4] + 0.5) / 16.0 - 0.5;
            int shade = std::min(ART_CAPTION_SHADES - 1, std::max(0, static_cast<int>(level)));
            picture->pixels[y * picture->width + x] =
                static_cast<unsigned char>(first_shade + shade);
        }
}

IndexedPicture caption_picture()
{
    ArtRandom random = art_random_seeded(ART_CAPTION_SEED);
    IndexedPicture picture = make_picture(ART_CAPTION_WIDTH, ART_CAPTION_HEIGHT, CAPTION_LINE);
    draw_mottle(&picture, &random, ART_CAPTION_LIGHT_TOP, ART_CAPTION_DARK_TOP, CAPTION_LIGHT);
    draw_mottle(&picture, &random, ART_CAPTION_DARK_TOP, ART_CAPTION_HEIGHT, CAPTION_DARK);
    return picture;
}

Bytes pattern_bmp(int width, int height, SymbolKind kind, const std::vector<SymbolPlan>& plans,
                  uint64_t seed)
{
    return encode_bmp(scatter_symbols(width, height, kind, plans, seed), 1, monochrome_palette());
}

} // namespace

Bytes make_texture_bmp() { return encode_bmp(texture_picture(), 1, monochrome_palette()); }

Bytes make_caption_bmp() { return encode_bmp(caption_picture(), 4, caption_palette()); }

Bytes make_info_bmp()
{
    return pattern_bmp(173, 125, SYMBOL_LETTER_I,
                       {{42, 2}, {32, 1}, {32, 0}, {22, 0}, {22, 1}, {22, 0}}, 0x1F0);
}

Bytes make_hands_bmp()
{
    return pattern_bmp(157, 111, SYMBOL_HAND, {{46, 1}, {38, 1}, {38, 1}, {32, 1}, {32, 1}},
                       0x4A4D);
}

Bytes make_exclamation_bmp()
{
    return pattern_bmp(127, 104, SYMBOL_EXCLAMATION,
                       {{40, 2}, {30, 1}, {30, 0}, {22, 0}, {22, 1}, {22, 0}}, 0x21);
}

Bytes make_question_bmp()
{
    return pattern_bmp(214, 164, SYMBOL_QUESTION,
                       {{50, 2}, {50, 0}, {36, 1}, {36, 0}, {36, 1}, {26, 0}, {26, 1}, {26, 0}},
                       0x3F);
}

Bytes make_setup_ico()
{
    return encode_ico({setup_icon_image(32), setup_icon_image(16)}, standard_icon_palette());
}

std::vector<ArtFile> make_all_art()
{
    return {{"texture.bmp", make_texture_bmp()},
            {"caption.bmp", make_caption_bmp()},
            {"info.bmp", make_info_bmp()},
            {"hands.bmp", make_hands_bmp()},
            {"exclamation.bmp", make_exclamation_bmp()},
            {"question.bmp", make_question_bmp()},
            {"setup.ico", make_setup_ico()}};
}
