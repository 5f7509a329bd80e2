// The look every page and box shares: the textured background, translated
// controls, and control colours that let texts sit on the texture.
#pragma once
#include <windows.h>

// The handler pages pass their unhandled messages to; for WM_INITDIALOG
// lparam is the page's zero-terminated list of control ids.
INT_PTR page_default_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
