// The uninstall engine: removes what an installation recorded in UnInst.inf.
#pragma once
#include <windows.h>

enum { UNINSTALL_PROBE = 30583 }; // only check whether the log records anything

// page: the uninstall page (null for the probe). Returns 1 or 0; with
// UNINSTALL_PROBE, 1 when the log at uninstall_log_path records items, else 0
// after message 200.
int uninstall_run(HWND page, int mode);
