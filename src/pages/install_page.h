// The install page (template 6000): one product's directory, program group,
// space and desktop shortcut, and its Install button, which carries out the
// product's statements. Page n + 3 of the install wizard installs product n.
#pragma once
#include <windows.h>

INT_PTR CALLBACK install_page_proc(HWND page, UINT message, WPARAM wparam, LPARAM lparam);
