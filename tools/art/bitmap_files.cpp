#include "bitmap_files.h"

#include <cstddef>
#include <cstdint>

namespace {

typedef std::vector<unsigned char> Bytes;

const uint32_t BMP_FILE_HEADER_SIZE = 14;
const uint32_t BMP_INFO_HEADER_SIZE = 40;
const uint32_t BMP_PIXELS_PER_METRE = 2835; // 72 dots per inch
const uint32_t ICO_DIRECTORY_SIZE = 6;
const uint32_t ICO_ENTRY_SIZE = 16;

void put_u16(Bytes* bytes, uint32_t value)
{
    bytes->push_back(static_cast<unsigned char>(value));
    bytes->push_back(static_cast<unsigned char>(value >> 8));
}

void put_u32(Bytes* bytes, uint32_t value)
{
    put_u16(bytes, value & 0xFFFF);
    put_u16(bytes, value >> 16);
}

uint32_t row_stride(int width, int bits_per_pixel)
{
    return (static_cast<uint32_t>(width) * bits_per_pixel + 31) / 32 * 4;
}

void put_info_header(Bytes* bytes, int width, int height, int bits_per_pixel, uint32_t image_size,
                     uint32_t colours_used, uint32_t pixels_per_metre)
{
    put_u32(bytes, BMP_INFO_HEADER_SIZE);
    put_u32(bytes, static_cast<uint32_t>(width));
    put_u32(bytes, static_cast<uint32_t>(height));
    put_u16(bytes, 1); // planes
    put_u16(bytes, static_cast<uint32_t>(bits_per_pixel));
    put_u32(bytes, 0); // no compression
    put_u32(bytes, image_size);
    put_u32(bytes, pixels_per_metre);
    put_u32(bytes, pixels_per_metre);
    put_u32(bytes, colours_used);
    put_u32(bytes, 0); // all colours important
}

void put_palette(Bytes* bytes, const std::vector<PaletteColour>& palette, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        PaletteColour colour = i < palette.size() ? palette[i] : PaletteColour{0, 0, 0};
        bytes->push_back(colour.blue);
        bytes->push_back(colour.green);
        bytes->push_back(colour.red);
        bytes->push_back(0);
    }
}

// The rows bottom first, each padded to four bytes, the leftmost pixel in the
// high bits of its byte.
void put_rows(Bytes* bytes, const IndexedPicture& picture, int bits_per_pixel)
{
    uint32_t stride = row_stride(picture.width, bits_per_pixel);
    int per_byte = 8 / bits_per_pixel;
    unsigned mask = (1u << bits_per_pixel) - 1;
    for (int y = picture.height - 1; y >= 0; --y) {
        Bytes row(stride, 0);
        for (int x = 0; x < picture.width; ++x) {
            unsigned index = picture.pixels[static_cast<size_t>(y) * picture.width + x] & mask;
            int shift = 8 - bits_per_pixel * (x % per_byte + 1);
            row[x / per_byte] |= static_cast<unsigned char>(index << shift);
        }
        bytes->insert(bytes->end(), row.begin(), row.end());
    }
}

} // namespace

IndexedPicture make_picture(int width, int height, unsigned char fill)
{
    IndexedPicture picture = {width, height, Bytes(static_cast<size_t>(width) * height, fill)};
    return picture;
}

Bytes encode_bmp(const IndexedPicture& picture, int bits_per_pixel,
                 const std::vector<PaletteColour>& palette)
{
    uint32_t colours = 1u << bits_per_pixel;
    uint32_t image_size = row_stride(picture.width, bits_per_pixel) * picture.height;
    uint32_t offset = BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE + 4 * colours;
    Bytes bytes;
    bytes.push_back('B');
    bytes.push_back('M');
    put_u32(&bytes, offset + image_size);
    put_u32(&bytes, 0); // reserved
    put_u32(&bytes, offset);
    put_info_header(&bytes, picture.width, picture.height, bits_per_pixel, image_size, colours,
                    BMP_PIXELS_PER_METRE);
    put_palette(&bytes, palette, colours);
    put_rows(&bytes, picture, bits_per_pixel);
    return bytes;
}

// Each image is a bitmap of twice its height: the colour rows, then the
// monochrome mask rows, both bottom first.
Bytes encode_ico(const std::vector<IconImage>& images, const std::vector<PaletteColour>& palette)
{
    const int bits_per_pixel = 4;
    std::vector<Bytes> bodies;
    for (const IconImage& image : images) {
        const IndexedPicture& colours = image.colours;
        uint32_t colour_size = row_stride(colours.width, bits_per_pixel) * colours.height;
        uint32_t mask_size = row_stride(colours.width, 1) * colours.height;
        Bytes body;
        put_info_header(&body, colours.width, 2 * colours.height, bits_per_pixel,
                        colour_size + mask_size, 0, 0);
        put_palette(&body, palette, 16);
        put_rows(&body, colours, bits_per_pixel);
        put_rows(&body, image.transparent, 1);
        bodies.push_back(body);
    }
    Bytes bytes;
    put_u16(&bytes, 0); // reserved
    put_u16(&bytes, 1); // icon
    put_u16(&bytes, static_cast<uint32_t>(images.size()));
    uint32_t offset = ICO_DIRECTORY_SIZE + ICO_ENTRY_SIZE * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const IndexedPicture& colours = images[i].colours;
        bytes.push_back(static_cast<unsigned char>(colours.width)); // 256 would be 0
        bytes.push_back(static_cast<unsigned char>(colours.height));
        bytes.push_back(16); // colours
        bytes.push_back(0);  // reserved
        put_u16(&bytes, 1);  // planes
        put_u16(&bytes, bits_per_pixel);
        put_u32(&bytes, static_cast<uint32_t>(bodies[i].size()));
        put_u32(&bytes, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies)
        bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}
