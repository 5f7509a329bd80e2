// The colours of the gradients a bitmap-mode control can make.
#pragma once
#include <cstdint>

enum { GRADIENT_RED, GRADIENT_GREEN, GRADIENT_BLUE, GRADIENT_BANDS, GRADIENT_GREY, GRADIENT_HUES };

// The colour (0x00BBGGRR) of column x of a gradient width pixels wide; band is
// 0, 1 or 2 for the red, green and blue bands of GRADIENT_BANDS and ignored
// otherwise. Returns 0 for a scheme that draws nothing.
int gradient_colour(int scheme, int x, int width, int band, uint32_t* colour);

// Where band 0, 1 and 2 of a control height rows high start, and how many rows each covers.
int gradient_band_top(int band, int height);
int gradient_band_rows(int height);
