// The program's own control class STATICSUP and the brush set it draws with.
#pragma once
#include <windows.h>

// Registers STATICSUP for the process. Returns 1, or 0 when it cannot be registered.
int register_control_class(HINSTANCE instance);

// Creates the brush set from the current system colours.
void refresh_brushes();

// Deletes the brushes the program created and forgets every handle.
void release_brushes();
