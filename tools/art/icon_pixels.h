// The setup program's icon, drawn pixel by pixel in the 16 standard colours:
// a green arrow pointing down into an open cardboard box.
#pragma once
#include <vector>

#include "bitmap_files.h"

// The image of 32 x 32 or, drawn separately, 16 x 16 pixels.
IconImage setup_icon_image(int size);

std::vector<PaletteColour> standard_icon_palette();
