#include "ui/progress_layout.h"

int progress_bar_width(unsigned percentage, int right)
{
    if (right < 8)
        return 0;
    return static_cast<int>(percentage * static_cast<unsigned>(right - 8) / 100u);
}

int progress_text_x(int right, int text_width)
{
    return right / 2 - text_width / 2;
}

int progress_text_y(int bottom, int text_height)
{
    return bottom / 2 - text_height / 2;
}
