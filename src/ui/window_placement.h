// Where a centred window goes: over a reference window, kept on the
// screen, or in the middle of the screen.
#pragma once

struct PlacementRect {
    int left, top, right, bottom;
};

// The top-left corner of a window width x height centred over reference
// (null: the screen screen_width x screen_height). Divisions truncate
// toward zero; coordinates below 1 become 0.
void centre_position(int width, int height, int screen_width, int screen_height,
                     const PlacementRect* reference, int* x, int* y);
