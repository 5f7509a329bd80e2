// The program's own message box: a dialog of its own templates, sized to its
// text, painted in the program's style, answering with the button pressed.
#include "config/message_box.h"

#include <cstdio>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/texts.h"
#include "resource_ids.h"
#include "ui/caption_dialog.h"
#include "ui/control_class.h"

MessageBoxAnswerer message_box_answerer;

namespace {

enum { MAX_DISABLED = 25, STORED_KEY_LENGTH = 80 };

// One box at a time: the state its dialog procedure works from.
struct BoxState {
    char text[512];
    char title[256];
    unsigned flags;
    int background; // bitmap number by icon, 0 for the shared texture
    int checked;
    MessageButtons buttons;
    HWND disabled[MAX_DISABLED];
    int disabled_count;
};

BoxState box;

void resolve(LPCSTR source, char* dest, size_t size)
{
    dest[0] = '\0';
    if (IS_INTRESOURCE(source) && source)
        load_text(dest, source, size);
    else if (source)
        text_copy(dest, size, source);
}

// The key an answer is stored under: the text as shown, cut to 80 characters.
void stored_key(char* key, size_t size)
{
    text_copy(key, size < STORED_KEY_LENGTH + 1 ? size : STORED_KEY_LENGTH + 1, box.text);
}

int stored_answer()
{
    char key[STORED_KEY_LENGTH + 1];
    stored_key(key, sizeof key);
    return static_cast<int>(GetPrivateProfileIntA("DisMsg", key, -1, setup_state.script_path));
}

void store_answer(int answer)
{
    char key[STORED_KEY_LENGTH + 1], value[16];
    stored_key(key, sizeof key);
    snprintf(value, sizeof value, "%d", answer);
    // On a read-only medium this fails; the answer stands all the same.
    WritePrivateProfileStringA("DisMsg", key, value, setup_state.script_path);
}

struct DisableContext {
    HWND excluded;
};

BOOL CALLBACK disable_thread_windows(HWND window, LPARAM context)
{
    const DisableContext* disabling = reinterpret_cast<const DisableContext*>(context);
    if (window == disabling->excluded || !IsWindowEnabled(window) ||
        box.disabled_count >= MAX_DISABLED)
        return TRUE;
    box.disabled[box.disabled_count++] = window;
    EnableWindow(window, FALSE);
    return TRUE;
}

void enable_disabled_windows()
{
    for (int i = 0; i < box.disabled_count; ++i)
        EnableWindow(box.disabled[i], TRUE);
    box.disabled_count = 0;
}

HICON system_icon(unsigned icon)
{
    switch (icon) {
    case 0x10: return LoadIconA(NULL, IDI_HAND);
    case 0x20: return LoadIconA(NULL, IDI_QUESTION);
    case 0x30: return LoadIconA(NULL, IDI_EXCLAMATION);
    default: return LoadIconA(NULL, IDI_ASTERISK);
    }
}

// The text's size in the font of its control: on one line, or wrapped at width.
SIZE measure_text(HWND control, int width)
{
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, width, 0};
    const UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS |
                        (width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextA(dc, box.text, -1, &rect, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

SIZE window_size(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void place(HWND control, int x, int y, int width, int height)
{
    SetWindowPos(control, NULL, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sizes the box to its text and fills in the buttons; returns the button
// that carries the default style, or NULL.
HWND lay_out(HWND dialog, int modeless, int* control_list)
{
    SetWindowTextA(dialog, box.title);
    HWND text = GetDlgItem(dialog, IDC_MESSAGE_TEXT);
    SetWindowTextA(text, box.text);
    HWND check = GetDlgItem(dialog, IDC_MESSAGE_DONT_SHOW);
    const int has_check = (box.flags & MSG_DONT_SHOW_AGAIN) != 0;
    if (!has_check) {
        DestroyWindow(check);
        check = NULL;
    }

    HWND icon_control = GetDlgItem(dialog, IDC_MESSAGE_ICON);
    const unsigned icon = message_icon(box.flags);
    int icon_size = 32;
    if (icon) {
        SendMessageA(icon_control, WM_SETTEXT, reinterpret_cast<WPARAM>(system_icon(icon)), 0);
        make_transparent(icon_control);
        RECT client;
        GetClientRect(icon_control, &client);
        icon_size = client.right;
        box.background = message_background(icon);
    } else {
        DestroyWindow(icon_control);
        icon_control = NULL;
    }

    const int x = message_text_x(icon != 0, icon_size);
    const int width = message_text_width(x, measure_text(text, 0).cx);
    const int height = measure_text(text, width).cy;
    HWND first_button = GetDlgItem(dialog, IDC_MESSAGE_BUTTON_1);
    const SIZE button = window_size(first_button);
    const int check_height = check ? window_size(check).cy : 0;
    MessageLayout layout;
    message_layout(icon != 0, icon_size, width, height, has_check, check_height, modeless,
                   button.cy, &layout);
    place(text, layout.text_x, layout.text_y, layout.text_width, layout.text_height);
    if (icon_control)
        SetWindowPos(icon_control, NULL, layout.icon_x, layout.icon_y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (check)
        place(check, layout.check_x, layout.check_y, layout.check_width, check_height);

    RECT client, outer;
    GetClientRect(dialog, &client);
    GetWindowRect(dialog, &outer);
    SetWindowPos(dialog, NULL, 0, 0,
                 layout.client_width + (outer.right - outer.left) - client.right,
                 layout.client_height + (outer.bottom - outer.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetClientRect(dialog, &client);

    message_buttons(box.flags, modeless, &box.buttons);
    ButtonRow row;
    message_button_row(box.buttons.count, client.right, client.bottom, button.cy, button.cx, &row);
    static const char* const captions[8] = {"",     "&Okay",  "&Cancel", "&Abort",
                                            "&Retry", "&Ignore", "&Yes",    "&No"};
    HWND made[MSG_MAX_BUTTONS] = {};
    int listed = 0;
    for (int i = 0; i < MSG_MAX_BUTTONS; ++i) {
        HWND control = GetDlgItem(dialog, IDC_MESSAGE_BUTTON_1 + i);
        if (i >= box.buttons.count) {
            DestroyWindow(control);
            continue;
        }
        const int answer = box.buttons.answers[i];
        SetWindowTextA(control, captions[answer]);
        place(control, row.x[i], row.y, row.width, button.cy);
        SetWindowLongPtrA(control, GWLP_ID, answer);
        made[i] = control;
        control_list[listed++] = answer;
    }
    if (check)
        control_list[listed++] = IDC_MESSAGE_DONT_SHOW;
    control_list[listed] = 0;

    // Only an answer button takes the default style: the check box stays a check box.
    const int default_index = message_default_index(box.flags);
    HWND default_button = default_index < box.buttons.count ? made[default_index] : NULL;
    if (default_button) {
        SendMessageA(default_button, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        SendMessageA(dialog, DM_SETDEFID, box.buttons.answers[default_index], 0);
    }
    make_transparent(text);
    return default_button;
}

INT_PTR on_init(HWND dialog, WPARAM wparam)
{
    box.background = 0;
    box.checked = 0;
    const int modeless = (box.flags & MSG_MODELESS) != 0;
    int control_list[MSG_MAX_BUTTONS + 2];
    HWND default_button = lay_out(dialog, modeless, control_list);
    caption_dialog_proc(dialog, WM_INITDIALOG, wparam, reinterpret_cast<LPARAM>(control_list));
    centre_window(dialog, setup_state.frame_window);
    if (modeless) {
        ShowWindow(dialog, SW_SHOW);
        UpdateWindow(GetDlgItem(dialog, IDC_MESSAGE_TEXT));
        HWND icon = GetDlgItem(dialog, IDC_MESSAGE_ICON);
        if (icon)
            UpdateWindow(icon);
        return TRUE;
    }
    SetForegroundWindow(dialog);
    if (default_button) {
        // Enter then chooses the button that carries the default style.
        SetFocus(default_button);
        return FALSE;
    }
    return TRUE;
}

int is_answer(int id)
{
    if (id == IDCANCEL)
        return 1; // Escape answers Cancel even without a Cancel button
    for (int i = 0; i < box.buttons.count; ++i)
        if (box.buttons.answers[i] == id)
            return 1;
    return 0;
}

INT_PTR on_command(HWND dialog, WPARAM wparam)
{
    const int id = LOWORD(wparam);
    if (id == IDC_MESSAGE_DONT_SHOW) {
        box.checked = !box.checked;
        return TRUE;
    }
    // Enter with no default button reports IDOK; in a box without "Okay"
    // that is not an answer the caller could expect.
    if (!is_answer(id))
        return TRUE;
    if (box.checked && id != IDCANCEL)
        store_answer(id);
    EndDialog(dialog, id);
    return TRUE;
}

INT_PTR CALLBACK message_box_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_INITDIALOG:
        return on_init(dialog, wparam);
    case WM_COMMAND:
        return on_command(dialog, wparam);
    case SUP_QUERY_BACKGROUND:
        if (box.background && wparam == SUP_QUERY_KEY && lparam) {
            *reinterpret_cast<HBITMAP*>(lparam) =
                LoadBitmapA(setup_state.instance, MAKEINTRESOURCEA(box.background));
            return TRUE;
        }
        return caption_dialog_proc(dialog, message, wparam, lparam);
    default:
        return caption_dialog_proc(dialog, message, wparam, lparam);
    }
}

} // namespace

INT_PTR message_box(HWND owner, LPCSTR text, LPCSTR title, unsigned flags)
{
    resolve(text, box.text, sizeof box.text);
    resolve(title, box.title, sizeof box.title);
    if (message_box_answerer)
        return message_box_answerer(owner, box.text, box.title, flags);

    if (flags & MSG_DONT_SHOW_AGAIN) {
        const int stored = stored_answer();
        if (stored >= 0)
            return stored;
    }
    const int no_owner = owner == NULL && setup_state.frame_window == NULL;
    if (!owner)
        owner = setup_state.frame_window;
    box.flags = flags;
    LPCSTR template_name = MAKEINTRESOURCEA(message_template(flags));
    if (flags & MSG_MODELESS)
        return reinterpret_cast<INT_PTR>(
            CreateDialogParamA(setup_state.instance, template_name, owner, message_box_proc, 0));

    HWND foreground = GetForegroundWindow();
    DisableContext disabling = {owner != foreground ? owner : NULL};
    box.disabled_count = 0;
    EnumThreadWindows(GetCurrentThreadId(), disable_thread_windows,
                      reinterpret_cast<LPARAM>(&disabling));
    const INT_PTR answer =
        DialogBoxParamA(setup_state.instance, template_name, owner, message_box_proc, 0);
    enable_disabled_windows();
    if (no_owner && foreground)
        SetForegroundWindow(foreground);
    return answer;
}
