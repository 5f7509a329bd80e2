// Pixels of real windows read back through a DIB section, and PNG files of
// them for people to look at.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb; // 0x00RRGGBB, top row first

    uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

// The client area (or, with whole_window, the window with its frame and
// caption) as it is on the screen. Paints pending updates first.
Pixels capture_window(HWND window, bool whole_window = false);

// What painting into a DC of width x height draws.
Pixels capture_dc(HDC dc, int width, int height);

// 0x00RRGGBB of a COLORREF (0x00BBGGRR).
uint32_t rgb_of(COLORREF colour);

// Writes pixels as an uncompressed PNG file; false when it cannot be written.
bool save_png(const Pixels& pixels, const std::string& path);

// Lets pending messages (paints among them) run, for at most milliseconds.
void pump_messages(DWORD milliseconds);
