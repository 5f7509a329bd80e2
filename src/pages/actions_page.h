// The install wizard's third page (template 5000): the products of the
// script, any number of which the user picks to install.
#pragma once
#include <windows.h>

INT_PTR CALLBACK actions_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
