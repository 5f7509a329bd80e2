#include "ui/drawing.h"

#include "ui/frame_shapes.h"

namespace {

// The shapes name brushes by number: 1 for the first argument brush, and so on.
void paint(HDC dc, const FrameLines& rects, const HBRUSH* brushes)
{
    HGDIOBJ previous = NULL;
    for (int i = 0; i < rects.count; ++i) {
        const FrameLine& r = rects.rects[i];
        HGDIOBJ old = SelectObject(dc, brushes[r.brush - 1]);
        if (!previous)
            previous = old;
        PatBlt(dc, r.x, r.y, r.width, r.height, PATCOPY);
    }
    if (previous)
        SelectObject(dc, previous);
}

int number(HBRUSH brush, int n)
{
    return brush ? n : 0;
}

} // namespace

void draw_ring(HDC dc, int x, int y, int right, int bottom, HBRUSH top_left, HBRUSH fill,
               HBRUSH bottom_right)
{
    const HBRUSH brushes[] = {top_left, fill, bottom_right};
    FrameLines rects;
    ring_rects(x, y, right, bottom, number(top_left, 1), number(fill, 2), number(bottom_right, 3),
               &rects);
    paint(dc, rects, brushes);
}

void draw_thick_ring(HDC dc, int x, int y, int w, int h, HBRUSH bottom_right, HBRUSH top_left,
                     HBRUSH fill)
{
    const HBRUSH brushes[] = {bottom_right, top_left, fill};
    FrameLines rects;
    thick_ring_rects(x, y, w, h, number(bottom_right, 1), number(top_left, 2), number(fill, 3),
                     &rects);
    paint(dc, rects, brushes);
}

void draw_double_ring(HDC dc, int x, int y, int right, int bottom, HBRUSH dark, HBRUSH light,
                      HBRUSH fill, HBRUSH base)
{
    const HBRUSH brushes[] = {dark, light, fill, base};
    FrameLines rects;
    double_ring_rects(x, y, right, bottom, number(dark, 1), number(light, 2), number(fill, 3),
                      number(base, 4), &rects);
    paint(dc, rects, brushes);
}

void draw_bevel(HDC dc, int x, int y, int w, int h, HBRUSH outer_top_left,
                HBRUSH middle_top_left, HBRUSH inner_top_left, HBRUSH outer_bottom_right,
                HBRUSH middle_bottom_right, HBRUSH inner_bottom_right, HBRUSH fill)
{
    const HBRUSH brushes[BEVEL_BRUSHES] = {outer_top_left,     middle_top_left,
                                           inner_top_left,     outer_bottom_right,
                                           middle_bottom_right, inner_bottom_right,
                                           fill};
    int numbers[BEVEL_BRUSHES];
    for (int i = 0; i < BEVEL_BRUSHES; ++i)
        numbers[i] = number(brushes[i], i + 1);
    FrameLines rects;
    bevel_rects(x, y, w, h, numbers, &rects);
    paint(dc, rects, brushes);
}
