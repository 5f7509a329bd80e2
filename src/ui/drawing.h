// The frame-drawing routines: PatBlt lines in the given brushes; a null brush
// leaves its lines out. Right and bottom are inclusive.
#pragma once
#include <windows.h>

void draw_ring(HDC dc, int x, int y, int right, int bottom, HBRUSH top_left, HBRUSH fill,
               HBRUSH bottom_right);

void draw_thick_ring(HDC dc, int x, int y, int w, int h, HBRUSH bottom_right, HBRUSH top_left,
                     HBRUSH fill);

void draw_double_ring(HDC dc, int x, int y, int right, int bottom, HBRUSH dark, HBRUSH light,
                      HBRUSH fill, HBRUSH base);

void draw_bevel(HDC dc, int x, int y, int w, int h, HBRUSH outer_top_left,
                HBRUSH middle_top_left, HBRUSH inner_top_left, HBRUSH outer_bottom_right,
                HBRUSH middle_bottom_right, HBRUSH inner_bottom_right, HBRUSH fill);
