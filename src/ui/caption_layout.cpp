#include "ui/caption_layout.h"

namespace {

// The window style bits the geometry depends on.
const unsigned long STYLE_THICKFRAME = 0x00040000ul;
const unsigned long STYLE_DLGFRAME = 0x00400000ul;
const unsigned long STYLE_SYSMENU = 0x00080000ul;
const unsigned long EX_STYLE_DLGMODALFRAME = 0x00000001ul;
const unsigned long EX_STYLE_WINDOWEDGE = 0x00000100ul;

int wrap(int value, int modulus)
{
    const int rest = value % modulus;
    return rest < 0 ? rest + modulus : rest;
}

// Copies width columns from x, the source column anchored so that column
// anchor of the window reads bitmap column 0.
void add_run(CaptionBlits* out, int x, int y, int width, int height, int anchor, int source_y,
             int bitmap_width)
{
    if (width <= 0 || height <= 0 || bitmap_width <= 0)
        return;
    while (width > 0 && out->count < CAPTION_MAX_BLITS) {
        const int source_x = wrap(x - anchor, bitmap_width);
        const int piece = width < bitmap_width - source_x ? width : bitmap_width - source_x;
        out->blits[out->count++] = CaptionBlit{x, y, piece, height, source_x, source_y};
        x += piece;
        width -= piece;
    }
}

} // namespace

void caption_geometry(unsigned long style, unsigned long ex_style, int window_width,
                      const CaptionMetrics& metrics, CaptionGeometry* out)
{
    if (style & STYLE_THICKFRAME) {
        out->border_x = metrics.cx_frame - 1;
        out->border_y = metrics.cy_frame - 1;
    } else if ((style & STYLE_DLGFRAME) && !(ex_style & EX_STYLE_WINDOWEDGE)) {
        out->border_x = metrics.cx_dlg_frame + 1;
        out->border_y = metrics.cy_dlg_frame + 1;
    } else {
        out->border_x = metrics.cx_border + 1;
        out->border_y = metrics.cy_border + 1;
    }
    out->buttons = !(style & STYLE_SYSMENU) ? 0 : (ex_style & EX_STYLE_DLGMODALFRAME) ? 1 : 3;
    out->menu_box = out->buttons == 3;
    out->button_width = metrics.cx_size - 2;
    out->strip_height = metrics.cy_caption - 1;
    out->strip_top = out->border_y + 1;
    out->strip_left = out->border_x + 1 + (out->menu_box ? metrics.cx_size : 0);
    out->strip_right = window_width - out->border_x + 1 - out->buttons * metrics.cx_size -
                       (out->buttons < 2 ? 2 : 0);
    // With the close button alone its margin starts two pixels into the strip.
    const int margin_left = out->buttons == 1 ? out->strip_right - 2 : out->strip_right;
    out->text_left = out->strip_left + 2;
    out->text_right = margin_left - 2;
}

void caption_blits(const CaptionGeometry& g, int active, int bitmap_width, CaptionBlits* out)
{
    out->count = 0;
    const int row = active ? CAPTION_ROW_ACTIVE : CAPTION_ROW_INACTIVE;
    const int top = g.strip_top, h = g.strip_height, bx = g.border_x;
    add_run(out, g.strip_left, top, g.strip_right - g.strip_left, h, bx, row, bitmap_width);

    if (g.menu_box) {
        const int box_left = bx + 1, box_width = g.strip_left - box_left;
        add_run(out, box_left, top, box_width, 2, box_left, row, bitmap_width);
        add_run(out, box_left, top + h - 2, box_width, 2, box_left, row + h - 2, bitmap_width);
        add_run(out, box_left, top, 2, h - 2, box_left, row, bitmap_width);
    }

    const int w = g.button_width;
    if (g.buttons == 1) {
        const int right = g.strip_right - 2;
        add_run(out, right, top, w + 4, 2, bx, row, bitmap_width);
        add_run(out, right, top + h - 2, w + 4, 2, bx, row + h - 2, bitmap_width);
        add_run(out, right + w + 2, top + 2, 2, h - 4, bx, row + 2, bitmap_width);
    } else if (g.buttons == 3) {
        const int right = g.strip_right;
        add_run(out, right, top, 3 * w + 4, 2, bx, row, bitmap_width);
        add_run(out, right, top + h - 2, 3 * w + 4, 2, bx, row + h - 2, bitmap_width);
        add_run(out, right + 2 * w, top + 2, 2, h - 4, bx, row + 2, bitmap_width);
        add_run(out, right + 3 * w + 2, top + 2, 2, h - 4, bx, row + 2, bitmap_width);
    }
}
