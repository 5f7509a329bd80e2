// Translated texts and numbered messages.
#pragma once
#include <windows.h>

#include <cstddef>

enum { MESSAGE_ARGUMENT_AS_TEXT = 1138 }; // the argument itself is the message

// Fetches a text and translates it into setup_state.language through the
// language-texts file. source: a string-table number (MAKEINTRESOURCEA), a
// text, or null when buffer already holds the English text. Returns the length
// of the (escaped) translation, or of the English text when there is none.
int load_text(char* buffer, LPCSTR source, size_t size);

// Shows string-table message number (its leading <...> markup selects title,
// icon, buttons and modality) and returns the button pressed. argument: the
// title for markup letter Z, or the whole message for number 1138.
unsigned short show_message(int number, const char* argument);

// Translates a dialog that is opening: its caption and the listed controls
// (ids, ended by 0), marks static and button controls transparent, and adds
// WS_CLIPCHILDREN. An empty list translates nothing.
void translate_dialog(HWND dialog, const int* control_ids);

// Marks a control WS_EX_TRANSPARENT, as translate_dialog does with the
// listed static controls: it never erases its own background.
void make_transparent(HWND control);

// Translates a menu and all its submenus in place.
void translate_menu(HMENU menu);
