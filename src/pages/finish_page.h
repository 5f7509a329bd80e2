// The install wizard's last page (template 7000): the products installed in
// this run, or that nothing was.
#pragma once
#include <windows.h>

INT_PTR CALLBACK finish_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
