// What a device context shows, read back through a DIB section.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// width x height pixels from (x, y) of dc as 0x00RRGGBB, top row first;
// empty when they cannot be read.
std::vector<uint32_t> capture_pixels(HDC dc, int x, int y, int width, int height);
