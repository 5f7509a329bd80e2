// The rectangles the frame-drawing routines paint, as plain arithmetic: each
// routine's lines in the order they are painted. Brushes are small numbers
// the caller chooses; 0 stands for a missing brush, whose lines are left out.
#pragma once

struct FrameLine {
    int brush;
    int x, y, width, height;
};

enum { FRAME_MAX_LINES = 16 };

struct FrameLines {
    FrameLine rects[FRAME_MAX_LINES];
    int count;
};

// A one-pixel ring with inclusive right and bottom, filled inside when fill is given.
void ring_rects(int x, int y, int right, int bottom, int top_left, int fill, int bottom_right,
                FrameLines* out);

// A ring two pixels thick (one when w or h is below 5), filled inside.
void thick_ring_rects(int x, int y, int w, int h, int bottom_right, int top_left, int fill,
                      FrameLines* out);

// Two nested rings over a base ring: light outside top-left and inside
// bottom-right, dark the other way round.
void double_ring_rects(int x, int y, int right, int bottom, int dark, int light, int fill,
                       int base, FrameLines* out);

// Up to three rings worked inward, then the fill. brushes: outer, middle and
// inner top-left, outer, middle and inner bottom-right, fill.
enum {
    BEVEL_OUTER_TOP_LEFT,
    BEVEL_MIDDLE_TOP_LEFT,
    BEVEL_INNER_TOP_LEFT,
    BEVEL_OUTER_BOTTOM_RIGHT,
    BEVEL_MIDDLE_BOTTOM_RIGHT,
    BEVEL_INNER_BOTTOM_RIGHT,
    BEVEL_FILL,
    BEVEL_BRUSHES
};
void bevel_rects(int x, int y, int w, int h, const int brushes[BEVEL_BRUSHES], FrameLines* out);
