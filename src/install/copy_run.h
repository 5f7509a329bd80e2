// The copy run: installs a product from its disk description file.
#pragma once
#include <windows.h>

// Installs the product of setup_state (section, install_dir, source_dir,
// disk_file, disk_set, required_space, DirectX and HSU flags). page holds the
// progress control 128 and is the client of the Program Manager conversation;
// want_shortcut asks for the desktop shortcut. Returns 1 when installed, 0
// when it failed or the user stopped it; the uninstall log is closed either way.
int copy_run(HWND page, int want_shortcut);

// Copies the program's own executable to target, without the payload
// appended to it. Returns 1 when copied.
int copy_uninstaller(const char* target);
