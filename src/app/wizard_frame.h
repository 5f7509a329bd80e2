// The wizard frame: one modal dialog (template 1500, class "Setup") that
// holds one page at a time with the buttons "<<", ">>", "Finish" and
// "Cancel", sized to the largest page of its table.
#pragma once
#include <windows.h>

// One row of a page table; a table ends with a row whose instance is null.
struct PageEntry {
    HINSTANCE instance;
    DLGPROC procedure;
    WORD template_id;
};

// Page tables are written with this placeholder instance until the wizard runs.
#define PAGE_INSTANCE_PLACEHOLDER (reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(1)))

// Commands the frame sends its pages (WM_COMMAND, id in wParam).
enum {
    PAGE_FINISH = 1,  // lParam: int* the page sets non-zero to keep the wizard open
    PAGE_SHOWN = 6,   // the page has become the visible one
    PAGE_CREATED = 12,
    PAGE_BACK = 14,   // the page is left backwards
    PAGE_NEXT = 15,   // lParam: int* holding the page's index; the page may name another
    PAGE_ENABLE_FINISH = 16
};

// Replaces the placeholder instances of table with the program's instance.
void fill_page_instances(PageEntry* table);

// Registers the frame's dialog class "Setup". Returns 1, or 0 on failure.
int register_frame_class(HINSTANCE instance);

// Runs the frame over table from first_page, owned by parent (may be null).
// Returns the frame dialog's result.
INT_PTR run_wizard(HWND parent, PageEntry* table, int first_page);
