// Escaped texts and the message markup. Pure functions: no system calls.
#pragma once
#include <cstddef>

// Writes src into dest with tab, backspace, line feed and carriage return
// replaced by \t, \b, \n and \r; cut to size - 1 characters. Returns the length.
size_t text_escape(const char* src, char* dest, size_t size);

// The reverse: \t, \b, \n, \r become the control characters and \T becomes
// "Setup"; any other backslash stays. src and dest must not overlap. The result
// is cut to size - 1 characters. Returns the length.
size_t text_unescape(const char* src, char* dest, size_t size);

// Moves the first <...> group of text into markup (without the brackets, cut to
// markup_size - 1 characters) and removes everything up to the '>' from text.
// Returns 0 when text has no '<' or no '>' after it; text is then unchanged.
int split_markup(char* markup, size_t markup_size, char* text);

enum {
    MARKUP_TITLE_SIZE = 20,
    MARKUP_TITLE_NONE = 0,
    MARKUP_TITLE_STRING = 1,   // title_string names a string-table entry
    MARKUP_TITLE_ARGUMENT = 2, // the caller's argument
    MARKUP_TITLE_GROUP = 3     // title_group, taken from the text by 'U'
};

struct MarkupTitle {
    int kind;
    unsigned title_string;
    char title_group[MARKUP_TITLE_SIZE];
};

// Interprets a markup group letter by letter and returns the message-box flags
// it selects (buttons, icon, default button, system-modal). Title letters fill
// title (the last one wins); each 'U' moves the next <...> group of text into
// the title.
unsigned markup_interpret(const char* markup, char* text, MarkupTitle* title);

// Controls painted over a dialog's patterned background: static texts and
// frames (not the black, grey and white rectangles) and the button kinds that
// are not push buttons.
int control_wants_transparency(const char* class_name, unsigned long style);
