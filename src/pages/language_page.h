// The install wizard's first page (template 3000): the version, the choice
// of language, and, on ">>", the products the script offers.
#pragma once
#include <windows.h>

INT_PTR CALLBACK language_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
