// The uninstall engine: removes, in a fixed order, what an installation
// recorded in the UnInst.inf named by setup_state.uninstall_log_path.
#pragma once
#include <windows.h>

#include <cstddef>

enum { UNINSTALL_PROBE = 30583 }; // only check whether the log records anything

// mode 0 removes the installation and keeps the user's settings; any other
// mode but UNINSTALL_PROBE removes those too. page holds the progress control
// 128 and is a child of the wizard frame. Returns 1; with UNINSTALL_PROBE, 1
// when the log records items. 0 after message 200 (nothing recorded) or 201
// (program files in use).
int uninstall_run(HWND page, int mode);

// The installed products, one per line, into buffer. Returns the text's
// length in the low 16 bits and 1 in the high 16 bits when user items are
// recorded; 0 when no log is named.
unsigned read_uninstall_summary(char* buffer, size_t size);
