// Where the painted caption strip goes: the geometry from the window's styles
// and the system metrics, and the copies from the caption bitmap that paint
// the strip and the margins around the system's caption buttons.
#pragma once

struct CaptionMetrics {
    int cx_frame, cy_frame;         // SM_CXFRAME, SM_CYFRAME
    int cx_dlg_frame, cy_dlg_frame; // SM_CXDLGFRAME, SM_CYDLGFRAME
    int cx_border, cy_border;       // SM_CXBORDER, SM_CYBORDER
    int cx_size;                    // SM_CXSIZE
    int cy_caption;                 // SM_CYCAPTION
};

struct CaptionGeometry {
    int border_x, border_y;
    int buttons;      // 0, 1 (close only) or 3
    int menu_box;     // 1 when the system-menu box is there
    int button_width;
    int strip_top, strip_height;
    int strip_left, strip_right; // right is exclusive
    int text_left, text_right;   // the caption text's rectangle, strip top to bottom
};

// style and ex_style are the window's style bits.
void caption_geometry(unsigned long style, unsigned long ex_style, int window_width,
                      const CaptionMetrics& metrics, CaptionGeometry* out);

// One copy from the caption bitmap to the window (SRCCOPY).
struct CaptionBlit {
    int x, y, width, height;
    int source_x, source_y;
};

enum { CAPTION_MAX_BLITS = 32, CAPTION_ROW_ACTIVE = 2, CAPTION_ROW_INACTIVE = 30 };

struct CaptionBlits {
    CaptionBlit blits[CAPTION_MAX_BLITS];
    int count;
};

// The strip and the margins, from source row 2 (active) or 30 (inactive) of
// a bitmap bitmap_width wide; a copy reaching the bitmap's right edge is
// split so the pattern wraps.
void caption_blits(const CaptionGeometry& geometry, int active, int bitmap_width,
                   CaptionBlits* out);
