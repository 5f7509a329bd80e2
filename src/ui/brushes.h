// The brush set the program's own drawing uses, chosen by system version.
#pragma once
#include <windows.h>

struct BrushSet {
    HBRUSH black, shadow, face, light, highlight;
};

extern BrushSet brush_set;

// Version 4: solid brushes from the current system colours, made anew on
// every call. Version 3: stock brushes and one light grey, made once.
void refresh_brushes();

// Deletes the brushes the program created and forgets every handle.
void release_brushes();
