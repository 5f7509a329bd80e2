// The wizard's road: the pages visited, step by step, so that "<<" walks
// back exactly the way ">>" came, and the frame's place and size around the
// page area. Pure.
#pragma once

#include "ui/window_placement.h"

enum { WIZARD_MAX_STEPS = 32, WIZARD_MAX_PAGES = 32, WIZARD_MIN_PAGE_WIDTH = 200,
       WIZARD_MIN_PAGE_HEIGHT = 100 };

struct WizardPath {
    int pages[WIZARD_MAX_STEPS]; // pages[k]: the page shown at step k
    int step;
};

void wizard_path_start(WizardPath* path, int first_page);

// ">>" on the current page, which answered next_page (its own index: the
// next one in the table). Returns 1 when the wizard moved on; 0 when the
// path is full or the answer names no page of the table.
int wizard_forward(WizardPath* path, int next_page, int page_count);

// "<<": returns 1 when the wizard went back a step, 0 at the first step.
int wizard_back(WizardPath* path);

// The frame's top-left corner: the page area centred over owner (null: the
// screen), kept on the screen, but a page area larger than the screen starts
// at screen size - page size, which may be negative.
void wizard_frame_position(int page_width, int page_height, const PlacementRect* owner,
                           int screen_width, int screen_height, int* left, int* top);
