// The product's Program Manager group with its items, made over DDE window
// messages, and the optional desktop shortcut.
#pragma once
#include <windows.h>

// Makes the group of setup_state.program_group for the product, records its
// folder and shortcut files in the uninstall log, and with want_shortcut
// copies the product's shortcut to the desktop. page is the client window of
// the conversation; it must pass WM_DDE_ACK to program_group_note_ack.
void make_program_group(HWND page, int want_shortcut);

// The page's handling of WM_DDE_ACK: a window other than the page itself that
// answers becomes the conversation partner for this and later products.
void program_group_note_ack(HWND page, HWND sender);
