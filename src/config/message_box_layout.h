// The arithmetic of the program's message box: which buttons and icon the
// flags ask for, and where the text, icon, check box and buttons go.
// Pure: the caller measures the text and applies the result.
#pragma once

enum : unsigned {
    MSG_DONT_SHOW_AGAIN = 0x01000000, // offer "Dont show this dialog in the future"
    MSG_MODELESS = 0x02000000         // create the box modeless and return its window
};

enum { MSG_MAX_BUTTONS = 3 };

// The buttons of a flag set, in order: the answer each reports.
struct MessageButtons {
    int count;
    int answers[MSG_MAX_BUTTONS];
};

// modeless: a modeless box of the plain OK set has no button at all.
void message_buttons(unsigned long flags, int modeless, MessageButtons* out);

// The icon value of the flags (0x10, 0x20, 0x30, 0x40), or 0 for none.
unsigned message_icon(unsigned long flags);

// The background pattern bitmap for an icon value (141 to 144), or 0.
int message_background(unsigned icon);

// 995 when the flags ask for a system-modal box, else 990.
int message_template(unsigned long flags);

// The default button's index (0 to 3) from the flags.
int message_default_index(unsigned long flags);

struct MessageLayout {
    int text_x, text_y, text_width, text_height; // control 300
    int icon_x, icon_y;                          // control 57669
    int check_x, check_y, check_width;           // control 200
    int client_width, client_height;
};

// The text column's width for a text w1 wide on one line, starting at x.
int message_text_width(int x, int single_line_width);

// The text column's left edge: icon_size + 25 with an icon, 15 without.
int message_text_x(int has_icon, int icon_size);

// Lays the box out. text_height is the wrapped height at text_width; the
// check box and the button row take room only when present.
void message_layout(int has_icon, int icon_size, int text_width, int text_height, int has_check,
                    int check_height, int modeless, int button_height, MessageLayout* out);

// The row of count buttons, centred with 5 units between them.
struct ButtonRow {
    int width, y;
    int x[MSG_MAX_BUTTONS];
};

void message_button_row(int count, int client_width, int client_height, int button_height,
                        int template_button_width, ButtonRow* out);
