// The install wizard's table of pages: language, information, actions, one
// install page for each of the products 0 to 21, and the finish page.
#pragma once
#include "app/wizard_frame.h"
#include "pages/page_rules.h"

enum { INSTALL_PAGE_COUNT = FINISH_PAGE + 1 };

extern PageEntry install_pages[INSTALL_PAGE_COUNT + 1];
