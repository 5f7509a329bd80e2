// PNG files of screenshots: 8-bit RGB, stored (uncompressed) deflate blocks.
// Pure.
#pragma once
#include <cstdint>
#include <vector>

// rgb: width x height pixels 0x00RRGGBB, top row first.
std::vector<unsigned char> encode_png(int width, int height, const std::vector<uint32_t>& rgb);

// Writes the PNG of rgb to path; false when it cannot be written whole.
bool save_png_file(const char* path, int width, int height, const std::vector<uint32_t>& rgb);
