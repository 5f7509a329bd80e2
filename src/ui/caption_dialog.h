// The procedure the program's frame and message box pass the messages they
// do not handle to: it translates and centres the window when it opens and
// paints the caption strip after, and over, whatever the system draws.
#pragma once
#include <windows.h>

// For WM_INITDIALOG lparam is the window's zero-terminated control list.
INT_PTR caption_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Centres window over reference (NULL: the screen), kept on the screen. Returns 1.
int centre_window(HWND window, HWND reference);
