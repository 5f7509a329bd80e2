// The program's own control class STATICSUP: texts, icons, 3-D frames, a
// bitmap and the progress bar, in the program's look. The low four bits of a
// control's style select its mode.
#pragma once
#include <windows.h>

#define SUP_CLASS_NAME "STATICSUP"

enum {
    SUP_MODE_LEFT_TEXT = 0,
    SUP_MODE_CENTRED_TEXT = 1,
    SUP_MODE_RIGHT_TEXT = 2,
    SUP_MODE_ICON = 3,
    SUP_MODE_RAISED_BOX = 4,
    SUP_MODE_RAISED_FACE_BOX = 5,
    SUP_MODE_SUNKEN_PANEL = 6,
    SUP_MODE_WELL_FRAME = 7,
    SUP_MODE_THIN_RAISED_FRAME = 8,
    SUP_MODE_LIGHT_WELL_FRAME = 9,
    SUP_MODE_BITMAP = 10,
    SUP_MODE_SINGLE_LINE = 11,
    SUP_MODE_LEFT_NO_WRAP = 12,
    SUP_MODE_PROGRESS = 13,
    SUP_MODE_MASK = 0xF,
    // Text modes: shadowed; icon mode: no well frame.
    SUP_STYLE_SHADOW = 0x20,
    SUP_STYLE_TEXT_CHANGED = 0x40, // kept in the control's copy of its style only
    SUP_STYLE_NO_PREFIX = 0x80
};

// Messages a STATICSUP control takes or sends.
enum {
    SUP_MAKE_GRADIENT = 1124,    // wParam: scheme; bitmap mode only
    SUP_SET_ERASE_TARGET = 1125, // lParam: window that erases the background; answers the old one
    SUP_SET_MOUSE_TARGET = 1126, // lParam: window that gets the mouse events; answers the old one
    SUP_ERASE_CHILD = 1126,      // to the erase target: wParam the DC, lParam the control's id
    SUP_MOUSE_EVENT = 1127,      // to the mouse target: wParam the message, lParam the control's id
    SUP_QUERY_BACKGROUND = 1146, // wParam SUP_QUERY_KEY, lParam: address of an HBITMAP
    SUP_CHILD_ACTIVE = 0x801,
    SUP_CHILD_INACTIVE = 0x802
};

#define SUP_QUERY_KEY 0x23146571
// The background query's answer for "no texture, plain face colour".
#define SUP_NO_TEXTURE (reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(-2)))

// Registers STATICSUP for the process. Returns 1, or 0 when it cannot be registered.
int register_control_class(HINSTANCE instance);

// The window procedure of the class (also for tests that make a control directly).
LRESULT CALLBACK control_proc(HWND control, UINT message, WPARAM wparam, LPARAM lparam);
