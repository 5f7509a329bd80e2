// The message box patterns: one symbol scattered over a white picture.
#pragma once
#include <cstdint>
#include <vector>

#include "bitmap_files.h"

enum SymbolKind { SYMBOL_LETTER_I, SYMBOL_HAND, SYMBOL_EXCLAMATION, SYMBOL_QUESTION };

enum { SYMBOL_INK = 0, SYMBOL_PAPER = 1 };

struct SymbolPlan {
    int height;  // in pixels
    int outline; // line width in pixels; 0 draws the symbol solid
};

// A picture of SYMBOL_PAPER with the planned symbols in SYMBOL_INK, largest
// first, none overlapping or touching the border. They keep their distance
// across the edges too, so the picture also tiles evenly. A symbol that finds
// no room is left out.
IndexedPicture scatter_symbols(int width, int height, SymbolKind kind,
                               const std::vector<SymbolPlan>& plans, uint64_t seed);
