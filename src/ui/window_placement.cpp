#include "ui/window_placement.h"

void centre_position(int width, int height, int screen_width, int screen_height,
                     const PlacementRect* reference, int* x, int* y)
{
    if (reference) {
        *x = reference->left + (reference->right - reference->left - width) / 2;
        *y = reference->top + (reference->bottom - reference->top - height) / 2;
        if (*x + width > screen_width)
            *x = screen_width - width;
        if (*y + height > screen_height)
            *y = screen_height - height;
    } else {
        *x = (screen_width - width) / 2;
        *y = (screen_height - height) / 2;
    }
    if (*x < 1)
        *x = 0;
    if (*y < 1)
        *y = 0;
}
