// The italic "Arial" title font of the pages: one font shared by the actions,
// install and uninstall pages, created by the first page that finds none and
// deleted when one of them is destroyed.
#pragma once
#include <windows.h>

// The shared font, created at height (pixels) when there is none.
HFONT shared_title_font(int height);

// Deletes the shared font; the next page that needs it makes it again.
void release_shared_title_font();

// An italic "Arial" of weight 500 and the given character height (pixels).
HFONT make_title_font(int height);

// The client height of a page's control, in pixels.
int control_client_height(HWND page, int id);
