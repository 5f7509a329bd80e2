// The program's own message box: the one door through which any part of the
// program reaches the user.
#pragma once
#include <windows.h>

#include "config/message_box_layout.h"

// text and title: a string-table number (MAKEINTRESOURCEA), a text, or null.
// owner null means frame_window. Returns the number of the button pressed.
INT_PTR message_box(HWND owner, LPCSTR text, LPCSTR title, unsigned flags);

// Tests answer boxes through this hook: when set, message_box hands it the
// resolved text and title instead of showing anything.
typedef INT_PTR (*MessageBoxAnswerer)(HWND owner, const char* text, const char* title,
                                      unsigned flags);
extern MessageBoxAnswerer message_box_answerer;
