// A STATICSUP control's own memory: six slots of the window's extra bytes,
// each as wide as a pointer so handles fit on every processor.
#pragma once
#include <windows.h>

enum {
    SLOT_STYLE,        // style at creation; bit 0x40 is the text-changed flag
    SLOT_CONTENT,      // text memory, icon, bitmap, or the percentage
    SLOT_RESERVED,
    SLOT_FONT,
    SLOT_ERASE_TARGET,
    SLOT_MOUSE_TARGET,
    SLOT_COUNT
};

inline LONG_PTR slot(HWND control, int index)
{
    return GetWindowLongPtrA(control, index * static_cast<int>(sizeof(LONG_PTR)));
}

inline LONG_PTR set_slot(HWND control, int index, LONG_PTR value)
{
    return SetWindowLongPtrA(control, index * static_cast<int>(sizeof(LONG_PTR)), value);
}

inline int control_mode(HWND control)
{
    return static_cast<int>(slot(control, SLOT_STYLE) & 0xF);
}

inline int is_text_mode(int mode)
{
    return mode <= 2 || mode == 11 || mode == 12;
}

// The control's text (NULL without one), locked; unlock with unlock_text.
const char* lock_text(HWND control);
void unlock_text(HWND control);

// WM_PAINT of every mode.
void paint_control(HWND control);

// Paints the whole control at once through its own DC (when it is visible),
// without waiting for a paint message.
void paint_control_now(HWND control);

// The control's font, or the stock system font.
HFONT control_font(HWND control);
