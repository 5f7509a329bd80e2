#include "app/wizard_path.h"

void wizard_path_start(WizardPath* path, int first_page)
{
    for (int& page : path->pages)
        page = 0;
    path->pages[0] = first_page;
    path->step = 0;
}

int wizard_forward(WizardPath* path, int next_page, int page_count)
{
    const int current = path->pages[path->step];
    const int target = next_page == current ? current + 1 : next_page;
    if (path->step + 1 >= WIZARD_MAX_STEPS || target < 0 || target >= page_count)
        return 0;
    path->pages[++path->step] = target;
    return 1;
}

int wizard_back(WizardPath* path)
{
    if (path->step == 0)
        return 0;
    --path->step;
    return 1;
}

namespace {

int keep_on_screen(int start, int size, int screen)
{
    const int at_least_zero = start > 0 ? start : 0;
    return screen - size < at_least_zero ? screen - size : at_least_zero;
}

} // namespace

void wizard_frame_position(int page_width, int page_height, const PlacementRect* owner,
                           int screen_width, int screen_height, int* left, int* top)
{
    const PlacementRect screen = {0, 0, screen_width, screen_height};
    const PlacementRect& around = owner ? *owner : screen;
    const int x = around.left + (around.right - around.left) / 2 - page_width / 2;
    const int y = around.top + (around.bottom - around.top) / 2 - page_height / 2;
    *left = keep_on_screen(x, page_width, screen_width);
    *top = keep_on_screen(y, page_height, screen_height);
}
