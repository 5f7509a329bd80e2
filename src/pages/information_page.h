// The install wizard's second page (template 4000): the setup's readme,
// whose file name is translated so that each language can have its own.
#pragma once
#include <windows.h>

INT_PTR CALLBACK information_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
