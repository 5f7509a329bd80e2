#include "png_file.h"

#include <cstddef>
#include <cstdio>

namespace {

uint32_t crc32_of(const unsigned char* bytes, size_t count, uint32_t crc = 0)
{
    static uint32_t table[256];
    if (!table[1])
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    crc = ~crc;
    for (size_t i = 0; i < count; ++i)
        crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void put_u32(std::vector<unsigned char>* out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out->push_back(static_cast<unsigned char>(value >> shift));
}

void put_chunk(std::vector<unsigned char>* out, const char* type,
               const std::vector<unsigned char>& data)
{
    put_u32(out, static_cast<uint32_t>(data.size()));
    std::vector<unsigned char> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out->insert(out->end(), body.begin(), body.end());
    put_u32(out, crc32_of(body.data(), body.size()));
}

// The image as a zlib stream of stored (uncompressed) deflate blocks.
std::vector<unsigned char> zlib_stored(const std::vector<unsigned char>& raw)
{
    std::vector<unsigned char> out = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t piece = raw.size() - at < 65535 ? raw.size() - at : 65535;
        out.push_back(at + piece == raw.size() ? 1 : 0);
        out.push_back(static_cast<unsigned char>(piece));
        out.push_back(static_cast<unsigned char>(piece >> 8));
        out.push_back(static_cast<unsigned char>(~piece));
        out.push_back(static_cast<unsigned char>(~piece >> 8));
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + piece);
        at += piece;
    } while (at < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    put_u32(&out, b << 16 | a);
    return out;
}

} // namespace

std::vector<unsigned char> encode_png(int width, int height, const std::vector<uint32_t>& rgb)
{
    std::vector<unsigned char> raw;
    raw.reserve(static_cast<size_t>(width * 3 + 1) * height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = rgb[static_cast<size_t>(y) * width + x];
            raw.push_back(static_cast<unsigned char>(pixel >> 16));
            raw.push_back(static_cast<unsigned char>(pixel >> 8));
            raw.push_back(static_cast<unsigned char>(pixel));
        }
    }
    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    put_u32(&header, static_cast<uint32_t>(width));
    put_u32(&header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    put_chunk(&png, "IHDR", header);
    put_chunk(&png, "IDAT", zlib_stored(raw));
    put_chunk(&png, "IEND", {});
    return png;
}

bool save_png_file(const char* path, int width, int height, const std::vector<uint32_t>& rgb)
{
    const std::vector<unsigned char> png = encode_png(width, height, rgb);
    FILE* file = fopen(path, "wb");
    if (!file)
        return false;
    const bool written = fwrite(png.data(), 1, png.size(), file) == png.size();
    return fclose(file) == 0 && written;
}
