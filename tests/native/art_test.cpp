// The art drawn by make_art: well-formed files that windres and the program
// read, the same bytes as the committed res/art, and the looks the program
// relies on (a soft texture that tiles, a caption light over dark).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "art.h"
#include "test_bytes.h"

namespace {

uint32_t u16_at(const Bytes& bytes, size_t offset)
{
    return bytes[offset] | bytes[offset + 1] << 8;
}

uint32_t u32_at(const Bytes& bytes, size_t offset)
{
    return u16_at(bytes, offset) | u16_at(bytes, offset + 2) << 16;
}

size_t row_stride(int width, int bits_per_pixel) { return (width * bits_per_pixel + 31) / 32 * 4; }

// A bitmap read back: palette indices with row 0 at the top.
struct Picture {
    int width = 0, height = 0;
    std::vector<int> pixels;
    Bytes palette; // blue, green, red, 0 per colour

    int at(int x, int y) const { return pixels[y * width + x]; }
    // 0 to 255: the eye's weighting of the colour of index.
    double brightness(int index) const
    {
        return 0.114 * palette[4 * index] + 0.587 * palette[4 * index + 1] +
               0.299 * palette[4 * index + 2];
    }
};

// Reads the bottom-up rows that start at offset; the header's checks are the tests'.
std::vector<int> bottom_up_rows(const Bytes& bytes, size_t offset, int width, int height,
                                int bits_per_pixel)
{
    std::vector<int> pixels(width * height);
    int per_byte = 8 / bits_per_pixel;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned char byte =
                bytes[offset + (height - 1 - y) * row_stride(width, bits_per_pixel) + x / per_byte];
            int shift = 8 - bits_per_pixel * (x % per_byte + 1);
            pixels[y * width + x] = byte >> shift & ((1 << bits_per_pixel) - 1);
        }
    return pixels;
}

Picture decode_bmp(const Bytes& bytes)
{
    Picture picture;
    picture.width = static_cast<int>(u32_at(bytes, 18));
    picture.height = static_cast<int>(u32_at(bytes, 22));
    int bits_per_pixel = static_cast<int>(u16_at(bytes, 28));
    picture.palette.assign(bytes.begin() + 54, bytes.begin() + u32_at(bytes, 10));
    picture.pixels =
        bottom_up_rows(bytes, u32_at(bytes, 10), picture.width, picture.height, bits_per_pixel);
    return picture;
}

// Drawn once for all the tests: under the sanitizers drawing takes a while.
const std::vector<ArtFile>& all_art()
{
    static const std::vector<ArtFile> files = make_all_art();
    return files;
}

Bytes art_file(const std::string& name)
{
    for (const ArtFile& file : all_art())
        if (file.name == name)
            return file.bytes;
    ADD_FAILURE() << "no art file " << name;
    return Bytes();
}

// How many pixels differ between column a and column b (rows when by_rows),
// b read shifted by shift along the line.
int line_difference(const Picture& picture, bool by_rows, int a, int b, int shift = 0)
{
    int length = by_rows ? picture.width : picture.height, differing = 0;
    for (int i = 0; i < length; ++i) {
        int j = (i + shift) % length;
        differing +=
            by_rows ? picture.at(i, a) != picture.at(j, b) : picture.at(a, i) != picture.at(b, j);
    }
    return differing;
}

int largest_interior_difference(const Picture& picture, bool by_rows)
{
    int lines = by_rows ? picture.height : picture.width, largest = 0;
    for (int line = 0; line + 1 < lines; ++line)
        largest = std::max(largest, line_difference(picture, by_rows, line, line + 1));
    return largest;
}

double column_brightness(const Picture& picture, int x)
{
    double sum = 0;
    for (int y = 0; y < picture.height; ++y)
        sum += picture.brightness(picture.at(x, y));
    return sum / picture.height;
}

double band_brightness(const Picture& picture, int top, int bottom)
{
    double sum = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = 0; x < picture.width; ++x)
            sum += picture.brightness(picture.at(x, y));
    return sum / ((bottom - top + 1) * picture.width);
}

TEST(Art, BitmapHeadersDescribeTheirPixels)
{
    struct Expected {
        const char* name;
        int width, height, bits_per_pixel;
    } expected[] = {{"texture.bmp", 192, 192, 1},     {"caption.bmp", 640, 58, 4},
                    {"info.bmp", 173, 125, 1},        {"hands.bmp", 157, 111, 1},
                    {"exclamation.bmp", 127, 104, 1}, {"question.bmp", 214, 164, 1}};
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.name);
        Bytes bytes = art_file(e.name);
        ASSERT_GT(bytes.size(), 54u);
        uint32_t colours = 1u << e.bits_per_pixel;
        uint32_t image_size =
            static_cast<uint32_t>(row_stride(e.width, e.bits_per_pixel) * e.height);
        EXPECT_EQ('B', bytes[0]);
        EXPECT_EQ('M', bytes[1]);
        EXPECT_EQ(bytes.size(), u32_at(bytes, 2));
        EXPECT_EQ(54 + 4 * colours, u32_at(bytes, 10));
        EXPECT_EQ(40u, u32_at(bytes, 14));
        EXPECT_EQ(static_cast<uint32_t>(e.width), u32_at(bytes, 18));
        EXPECT_EQ(static_cast<uint32_t>(e.height), u32_at(bytes, 22)); // positive: bottom-up
        EXPECT_EQ(1u, u16_at(bytes, 26));
        EXPECT_EQ(static_cast<uint32_t>(e.bits_per_pixel), u16_at(bytes, 28));
        EXPECT_EQ(0u, u32_at(bytes, 30));
        EXPECT_EQ(image_size, u32_at(bytes, 34));
        EXPECT_EQ(colours, u32_at(bytes, 46));
        EXPECT_EQ(54 + 4 * colours + image_size, bytes.size());
        if (e.bits_per_pixel == 1) {
            Bytes black_white = {0, 0, 0, 0, 255, 255, 255, 0};
            EXPECT_EQ(black_white, Bytes(bytes.begin() + 54, bytes.begin() + 62));
        }
    }
}

// Each image: a 16-colour bitmap of twice the height, colour rows then the
// mask rows; where the mask lets the screen through the colour is black, or
// the screen would show inverted.
TEST(Art, IconHoldsA32AndA16PixelImage)
{
    Bytes bytes = art_file("setup.ico");
    ASSERT_GE(bytes.size(), 38u);
    EXPECT_EQ(0u, u16_at(bytes, 0));
    EXPECT_EQ(1u, u16_at(bytes, 2));
    ASSERT_EQ(2u, u16_at(bytes, 4));
    uint32_t next_offset = 6 + 2 * 16;
    const int sizes[] = {32, 16};
    for (int i = 0; i < 2; ++i) {
        int size = sizes[i];
        SCOPED_TRACE(size);
        size_t entry = 6 + 16 * i;
        uint32_t colour_size = static_cast<uint32_t>(row_stride(size, 4) * size);
        uint32_t mask_size = static_cast<uint32_t>(row_stride(size, 1) * size);
        uint32_t image_bytes = 40 + 16 * 4 + colour_size + mask_size;
        EXPECT_EQ(size, bytes[entry]);
        EXPECT_EQ(size, bytes[entry + 1]);
        EXPECT_EQ(16, bytes[entry + 2]);
        EXPECT_EQ(0, bytes[entry + 3]);
        EXPECT_EQ(1u, u16_at(bytes, entry + 4));
        EXPECT_EQ(4u, u16_at(bytes, entry + 6));
        EXPECT_EQ(image_bytes, u32_at(bytes, entry + 8));
        uint32_t offset = u32_at(bytes, entry + 12);
        ASSERT_EQ(next_offset, offset);
        ASSERT_LE(offset + image_bytes, bytes.size());
        next_offset = offset + image_bytes;

        EXPECT_EQ(40u, u32_at(bytes, offset));
        EXPECT_EQ(static_cast<uint32_t>(size), u32_at(bytes, offset + 4));
        EXPECT_EQ(static_cast<uint32_t>(2 * size), u32_at(bytes, offset + 8));
        EXPECT_EQ(1u, u16_at(bytes, offset + 12));
        EXPECT_EQ(4u, u16_at(bytes, offset + 14));
        EXPECT_EQ(0u, u32_at(bytes, offset + 16));
        EXPECT_EQ(colour_size + mask_size, u32_at(bytes, offset + 20));

        size_t colours_at = offset + 40 + 64;
        std::vector<int> colours = bottom_up_rows(bytes, colours_at, size, size, 4);
        std::vector<int> mask = bottom_up_rows(bytes, colours_at + colour_size, size, size, 1);
        int opaque = 0;
        for (int p = 0; p < size * size; ++p) {
            if (mask[p])
                EXPECT_EQ(0, colours[p]) << "pixel " << p;
            opaque += !mask[p];
        }
        EXPECT_GT(opaque, size * size / 3);
        EXPECT_LT(opaque, size * size);
    }
    EXPECT_EQ(next_offset, bytes.size());
}

TEST(Art, SameBytesOnEveryRunAndAsCommitted)
{
    const std::vector<ArtFile>& first = all_art();
    std::vector<ArtFile> second = make_all_art();
    ASSERT_EQ(7u, first.size());
    for (size_t i = 0; i < first.size(); ++i) {
        SCOPED_TRACE(first[i].name);
        EXPECT_TRUE(first[i].bytes == second[i].bytes);
        std::ifstream file(std::string(SOURCE_DIR) + "/res/art/" + first[i].name, std::ios::binary);
        ASSERT_TRUE(file) << "res/art lacks the file";
        Bytes committed((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(committed == first[i].bytes)
            << "res/art differs from the drawing: run make_art res/art";
    }
}

TEST(Art, TextureIsMostlyFaceColourInClustersAndTiles)
{
    Picture texture = decode_bmp(art_file("texture.bmp"));
    int set = 0, lone = 0;
    const int n = texture.width;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            int value = texture.at(x, y);
            set += value;
            lone += texture.at((x + 1) % n, y) != value &&
                    texture.at((x + n - 1) % n, y) != value &&
                    texture.at(x, (y + 1) % n) != value && texture.at(x, (y + n - 1) % n) != value;
        }
    double share = static_cast<double>(set) / (n * n);
    EXPECT_GT(share, 0.55);
    EXPECT_LT(share, 0.80);
    EXPECT_EQ(0, lone) << "single pixels read as noise";

    // The pairs of lines that meet where tiles join differ no more than
    // neighbouring lines inside the tile: plain tiles, and odd rows of tiles
    // laid half a width to the left.
    int columns = largest_interior_difference(texture, false);
    int rows = largest_interior_difference(texture, true);
    EXPECT_LE(line_difference(texture, false, n - 1, 0), columns);
    EXPECT_LE(line_difference(texture, true, n - 1, 0), rows);
    EXPECT_LE(line_difference(texture, true, n - 1, 0, n / 2), rows);
}

TEST(Art, CaptionIsALightBandOverADarkOneUnderADarkLine)
{
    Picture caption = decode_bmp(art_file("caption.bmp"));
    double line = band_brightness(caption, 0, 0);
    double light = band_brightness(caption, 1, 28);
    double dark = band_brightness(caption, 29, 57);
    EXPECT_GT(light, dark + 60) << "black and white text each need their band";
    EXPECT_LT(line, dark);

    // Drawn with x modulo the width: the last column meets the first as
    // smoothly as neighbouring columns meet.
    double largest_step = 0;
    for (int x = 0; x + 1 < caption.width; ++x)
        largest_step = std::max(largest_step, std::abs(column_brightness(caption, x) -
                                                       column_brightness(caption, x + 1)));
    EXPECT_LE(
        std::abs(column_brightness(caption, caption.width - 1) - column_brightness(caption, 0)),
        largest_step);
}

// The symbols, black, stay off the white border.
TEST(Art, PatternsKeepTheirSymbolsInside)
{
    for (const char* name : {"info.bmp", "hands.bmp", "exclamation.bmp", "question.bmp"}) {
        SCOPED_TRACE(name);
        Picture pattern = decode_bmp(art_file(name));
        int ink = 0, border_ink = 0;
        for (int y = 0; y < pattern.height; ++y)
            for (int x = 0; x < pattern.width; ++x) {
                bool black = pattern.at(x, y) == 0;
                ink += black;
                border_ink += black && (x == 0 || y == 0 || x == pattern.width - 1 ||
                                        y == pattern.height - 1);
            }
        EXPECT_EQ(0, border_ink);
        EXPECT_GT(ink, pattern.width * pattern.height / 40);
        EXPECT_LT(ink, pattern.width * pattern.height / 4);
    }
}

} // namespace
