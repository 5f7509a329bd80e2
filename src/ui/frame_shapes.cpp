#include "ui/frame_shapes.h"

namespace {

void add(FrameLines* out, int brush, int x, int y, int width, int height)
{
    if (brush == 0 || out->count >= FRAME_MAX_LINES)
        return;
    out->rects[out->count++] = FrameLine{brush, x, y, width, height};
}

} // namespace

void ring_rects(int x, int y, int right, int bottom, int top_left, int fill, int bottom_right,
                FrameLines* out)
{
    out->count = 0;
    add(out, top_left, x, y, right - x + 1, 1);
    add(out, top_left, x, y, 1, bottom - y);
    add(out, bottom_right, x, bottom, right - x, 1);
    add(out, bottom_right, right, y + 1, 1, bottom - y);
    add(out, fill, x + 1, y + 1, right - x - 1, bottom - y - 1);
}

void thick_ring_rects(int x, int y, int w, int h, int bottom_right, int top_left, int fill,
                      FrameLines* out)
{
    out->count = 0;
    const int t = w < 5 || h < 5 ? 1 : 2;
    add(out, top_left, x, y, w, t);
    add(out, top_left, x, y, t, h);
    add(out, bottom_right, x, y + h, w, 1);
    add(out, bottom_right, x + w, y + 1, 1, h);
    if (t == 2) {
        add(out, bottom_right, x + 1, y + h - 1, w - 1, 1);
        add(out, bottom_right, x + w - 1, y + 2, 1, h - 2);
    }
    add(out, fill, x + t, y + t, w - 2 * t + 1, h - 2 * t + 1);
}

void double_ring_rects(int x, int y, int right, int bottom, int dark, int light, int fill,
                       int base, FrameLines* out)
{
    out->count = 0;
    const int W = right - x, H = bottom - y;
    const int u = light ? 1 : 0, v = dark ? 1 : 0;
    add(out, base, x + u, y + u, W - 2, 1);
    add(out, base, x + u, y + u, 1, H - v - u);
    add(out, base, right - v, y + v, 1, H - v - u);
    add(out, base, x + u, bottom - u, W - u, 1);
    add(out, light, x, y, W + 1, 1);
    add(out, light, x, y, 1, H);
    add(out, light, x + v + 1, bottom - v - 1, W + (dark ? 0 : 2) - 3, 1);
    add(out, light, right - v - 1, y + v + 1, 1, H - v - 1);
    const int g = bottom - 2 * (u + v) - y;
    add(out, dark, x, bottom, W, 1);
    add(out, dark, right, y + u, 1, H);
    add(out, dark, x + u + 1, y + u + 1, W + (light ? 0 : 2) - 3, 1);
    add(out, dark, x + u + 1, y + u + 1, 1, g);
    add(out, fill, x + u + v + 1, y + u + v + 1, right - 2 * (u + v) - x - 1, g - 1);
}

void bevel_rects(int x, int y, int w, int h, const int brushes[BEVEL_BRUSHES], FrameLines* out)
{
    out->count = 0;
    // Worked inward: each top-left step moves the corner in, each
    // bottom-right step pulls the far edges in; a missing brush takes no room.
    static const int order[] = {BEVEL_OUTER_TOP_LEFT,   BEVEL_OUTER_BOTTOM_RIGHT,
                                BEVEL_MIDDLE_TOP_LEFT,  BEVEL_MIDDLE_BOTTOM_RIGHT,
                                BEVEL_INNER_TOP_LEFT,   BEVEL_INNER_BOTTOM_RIGHT};
    for (int step : order) {
        if (w <= 0 || h <= 0)
            return;
        const int brush = brushes[step];
        if (brush == 0)
            continue;
        if (step == BEVEL_OUTER_TOP_LEFT || step == BEVEL_MIDDLE_TOP_LEFT ||
            step == BEVEL_INNER_TOP_LEFT) {
            add(out, brush, x, y, w + 1, 1);
            add(out, brush, x, y, 1, h + 1);
            ++x;
            ++y;
        } else {
            add(out, brush, x, y + h, w + 1, 1);
            add(out, brush, x + w, y, 1, h + 1);
        }
        --w;
        --h;
    }
    if (w <= 0 || h <= 0)
        return;
    add(out, brushes[BEVEL_FILL], x, y, w + 1, h + 1);
}
