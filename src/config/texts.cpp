#include "config/texts.h"

#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/message_box.h"
#include "config/profile_cache.h"
#include "config/text_markup.h"

namespace {

enum {
    TEXT_WORK_SIZE = 612, // lookups are limited to this many bytes
    MARKUP_SIZE = 16,
    MESSAGE_TEXT_SIZE = 200,
    MENU_TEXT_SIZE = 128,
    MENU_STATE_BITS = 0xE08B, // grayed, disabled, checked, highlighted, top bits
    MENU_RIGHT_JUSTIFY = 0x4000
};

// show_message is not re-entrant: the box it opens is modal and unique.
char message_markup[MARKUP_SIZE];
char message_text[MESSAGE_TEXT_SIZE];
char message_title[MARKUP_TITLE_SIZE];

// Only a changed text is set back: setting a text is not harmless for every
// control (an icon control takes WM_SETTEXT for its icon and would lose it).
void translate_window_text(HWND window)
{
    char text[SETUP_PATH_SIZE] = "", original[SETUP_PATH_SIZE];
    GetWindowTextA(window, text, sizeof text);
    text_copy(original, sizeof original, text);
    load_text(text, NULL, sizeof text);
    if (strcmp(text, original) != 0)
        SetWindowTextA(window, text);
}

UINT menu_item_state(HMENU menu, int position)
{
    UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return state == static_cast<UINT>(-1) ? 0 : state;
}

void translate_menu_level(HMENU menu, int depth, UINT* carried_right_justify)
{
    char text[MENU_TEXT_SIZE];
    for (int position = 0;; ++position) {
        HMENU submenu = GetSubMenu(menu, position);
        if (submenu) {
            translate_menu_level(submenu, depth + 1, carried_right_justify);
            GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
            load_text(text, NULL, sizeof text);
            UINT state = menu_item_state(menu, position);
            if (depth == 0) {
                state = (state & 0xFF) | *carried_right_justify;
                *carried_right_justify = 0;
            }
            ModifyMenuA(menu, static_cast<UINT>(position),
                        MF_BYPOSITION | MF_POPUP | (state & MENU_STATE_BITS),
                        reinterpret_cast<UINT_PTR>(submenu), text);
        } else if (GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text,
                                  MF_BYPOSITION) > 0) {
            load_text(text, NULL, sizeof text);
            UINT state = menu_item_state(menu, position);
            *carried_right_justify |= state & MENU_RIGHT_JUSTIFY;
            ModifyMenuA(menu, static_cast<UINT>(position),
                        MF_BYPOSITION | MF_STRING | (state & MENU_STATE_BITS),
                        GetMenuItemID(menu, position), text);
        } else if (GetMenuStringA(menu, static_cast<UINT>(position + 1), text, sizeof text,
                                  MF_BYPOSITION) == 0 &&
                   !GetSubMenu(menu, position + 1)) {
            return; // a separator followed by nothing: the end of the menu
        }
    }
}

} // namespace

int load_text(char* buffer, LPCSTR source, size_t size)
{
    if (size == 0)
        return 0;
    if (IS_INTRESOURCE(source) && source) {
        buffer[0] = '\0';
        int capacity = size > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(size);
        if (LoadStringA(setup_state.instance, LOWORD(reinterpret_cast<ULONG_PTR>(source)), buffer,
                        capacity) <= 0)
            buffer[0] = '\0';
    } else if (source) {
        text_copy(buffer, size, source);
    }

    // The escaped English text is both the key and the default of the lookup.
    char key[TEXT_WORK_SIZE];
    text_escape(buffer, key, sizeof key);
    char work[TEXT_WORK_SIZE];
    const size_t work_size = TEXT_WORK_SIZE;
    const size_t lookup_size = size < work_size ? size : work_size;
    int count = setup_state.language[0]
                    ? profile_get_string(setup_state.language, key, key, work, lookup_size,
                                         setup_state.texts_path)
                    : static_cast<int>(text_copy(work, lookup_size, key));
    text_unescape(work, buffer, size);
    return count;
}

unsigned short show_message(int number, const char* argument)
{
    message_markup[0] = '\0';
    message_title[0] = '\0';
    if (number == MESSAGE_ARGUMENT_AS_TEXT)
        text_copy(message_text, sizeof message_text, argument);
    else
        load_text(message_text, MAKEINTRESOURCEA(number), sizeof message_text);

    unsigned flags = 0;
    if (split_markup(message_markup, sizeof message_markup, message_text) && message_markup[0]) {
        MarkupTitle title;
        flags = markup_interpret(message_markup, message_text, &title);
        if (title.kind == MARKUP_TITLE_STRING &&
            LoadStringA(setup_state.instance, title.title_string, message_title,
                        sizeof message_title) <= 0)
            message_title[0] = '\0';
        else if (title.kind == MARKUP_TITLE_ARGUMENT)
            text_copy(message_title, sizeof message_title, argument);
        else if (title.kind == MARKUP_TITLE_GROUP)
            text_copy(message_title, sizeof message_title, title.title_group);
    }
    return static_cast<unsigned short>(
        message_box(setup_state.frame_window, message_text, message_title, flags));
}

void make_transparent(HWND control)
{
    SetWindowLongPtrA(control, GWL_EXSTYLE, GetWindowLongPtrA(control, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
}

void translate_dialog(HWND dialog, const int* control_ids)
{
    if (control_ids[0] != 0) {
        translate_window_text(dialog);
        for (const int* id = control_ids; *id; ++id) {
            HWND control = GetDlgItem(dialog, *id);
            if (!control)
                continue;
            translate_window_text(control);
            char class_name[32];
            if (!GetClassNameA(control, class_name, sizeof class_name))
                continue;
            LONG_PTR style = GetWindowLongPtrA(control, GWL_STYLE);
            if (control_wants_transparency(class_name, static_cast<unsigned long>(style)))
                make_transparent(control);
        }
    }
    SetWindowLongPtrA(dialog, GWL_STYLE, GetWindowLongPtrA(dialog, GWL_STYLE) | WS_CLIPCHILDREN);
    HMENU menu = GetMenu(dialog);
    if (menu)
        translate_menu(menu);
}

void translate_menu(HMENU menu)
{
    UINT carried_right_justify = 0;
    translate_menu_level(menu, 0, &carried_right_justify);
}
