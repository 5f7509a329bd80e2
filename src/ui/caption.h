// The caption strip the program paints over the system's caption of its
// frame and message box.
#pragma once
#include <windows.h>

enum { CAPTION_BITMAP_ID = 180, CAPTION_STRIP = 1, CAPTION_TEXT = 2 };

// Set while paint_caption reads the window's text, so that the window does
// not take that read for a change of its caption.
extern int caption_reading;

// active: 1, 0, or -1 for "when the window is the active one"; parts:
// CAPTION_STRIP and/or CAPTION_TEXT.
void paint_caption(HWND window, int active, int parts);
