// The program's own message box, shown for real: its buttons, icon, default
// button, size, stored answers, the windows it disables, and pictures of it.
// The box's modal loop is driven by a thread timer: the test's visit runs
// once the box is there, and a box still open after the bound is cancelled.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/message_box.h"
#include "config/profile_cache.h"
#include "pixels.h"
#include "resource_ids.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "wine_test_support.h"

namespace {

const int MAX_TICKS = 300; // 30 ms each

std::function<void(HWND)> visit;
bool visited, timed_out;
int ticks;

BOOL CALLBACK find_thread_box(HWND window, LPARAM found)
{
    char name[16] = "";
    GetClassNameA(window, name, sizeof name);
    if (!strcmp(name, "#32770") && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND open_box()
{
    HWND box = NULL;
    EnumThreadWindows(GetCurrentThreadId(), find_thread_box, reinterpret_cast<LPARAM>(&box));
    return box;
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = open_box();
    if (!box)
        return;
    if (++ticks > MAX_TICKS) {
        timed_out = true;
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (!visited) {
        visited = true;
        visit(box);
    }
}

// Shows a real box; act runs once while it is open and should answer it.
INT_PTR show(const char* text, const char* title, unsigned flags, std::function<void(HWND)> act,
             HWND owner = NULL)
{
    RealMessageBoxes real;
    visit = std::move(act);
    visited = timed_out = false;
    ticks = 0;
    const UINT_PTR timer = SetTimer(NULL, 0, 30, tick);
    const INT_PTR answer = message_box(owner, text, title, flags);
    KillTimer(NULL, timer);
    EXPECT_FALSE(timed_out) << "the box was not answered: " << text;
    return answer;
}

void click(HWND box, int id)
{
    PostMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0);
}

void press_key(WPARAM key)
{
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

// What a person sees of an open box.
struct Seen {
    std::string title, text;
    std::string captions; // push buttons left to right, "|" between
    std::vector<int> ids;
    int default_id = 0; // the button with the default style
    bool icon = false, check = false, system_modal = false;
    SIZE background = {0, 0};
    RECT text_rect = {}, icon_rect = {}, client = {};
    std::vector<RECT> button_rects;
};

std::string text_of(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

RECT rect_in(HWND box, HWND control)
{
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, box, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct ButtonFound {
    HWND window;
    int x;
};

BOOL CALLBACK collect_button(HWND child, LPARAM context)
{
    char name[16] = "";
    GetClassNameA(child, name, sizeof name);
    const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
    if (!_stricmp(name, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
        RECT rect;
        GetWindowRect(child, &rect);
        reinterpret_cast<std::vector<ButtonFound>*>(context)->push_back({child, rect.left});
    }
    return TRUE;
}

Seen look_at(HWND box)
{
    Seen seen;
    seen.title = text_of(box);
    seen.text = text_of(GetDlgItem(box, IDC_MESSAGE_TEXT));
    std::vector<ButtonFound> buttons;
    EnumChildWindows(box, collect_button, reinterpret_cast<LPARAM>(&buttons));
    std::sort(buttons.begin(), buttons.end(),
              [](const ButtonFound& a, const ButtonFound& b) { return a.x < b.x; });
    for (const ButtonFound& button : buttons) {
        seen.captions += (seen.captions.empty() ? "" : "|") + text_of(button.window);
        seen.ids.push_back(GetDlgCtrlID(button.window));
        seen.button_rects.push_back(rect_in(box, button.window));
        if ((GetWindowLongPtrA(button.window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            seen.default_id = GetDlgCtrlID(button.window);
    }
    HWND icon = GetDlgItem(box, IDC_MESSAGE_ICON);
    seen.icon = icon != NULL;
    if (icon)
        seen.icon_rect = rect_in(box, icon);
    seen.check = GetDlgItem(box, IDC_MESSAGE_DONT_SHOW) != NULL;
    seen.system_modal = (GetWindowLongPtrA(box, GWL_STYLE) & DS_SYSMODAL) != 0;
    HBITMAP background = NULL;
    SendMessageA(box, SUP_QUERY_BACKGROUND, SUP_QUERY_KEY, reinterpret_cast<LPARAM>(&background));
    if (background) {
        BITMAP facts;
        GetObjectA(background, sizeof facts, &facts);
        seen.background = SIZE{facts.bmWidth, facts.bmHeight};
        DeleteObject(background);
    }
    seen.text_rect = rect_in(box, GetDlgItem(box, IDC_MESSAGE_TEXT));
    GetClientRect(box, &seen.client);
    return seen;
}

void save_box(HWND box, const std::string& name)
{
    CreateDirectoryA("screens", NULL);
    pump_messages(100);
    EXPECT_TRUE(save_png(capture_window(box, true), "screens\\" + name + ".png")) << name;
}

class MessageBoxDialog : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prepare_program_look();
    }

    void SetUp() override
    {
        text_copy(setup_state.script_path, sizeof setup_state.script_path,
                  folder.path("Install.ini").c_str());
    }

    void TearDown() override { setup_state.script_path[0] = '\0'; }

    ScratchFolder folder;
};

TEST_F(MessageBoxDialog, ButtonsIconAndDefaultByFlags)
{
    struct Case {
        unsigned flags;
        const char* picture;
        const char* captions;
        std::vector<int> ids;
        int default_id;
        bool icon;
        SIZE background;
        bool system_modal;
        int press; // index of the button pressed
    };
    const Case cases[] = {
        {0x23, "message_question_yes_no_cancel", "&Yes|&No|&Cancel", {6, 7, 2}, 6, true, {214, 164}, false, 0},
        {0x23, nullptr, "&Yes|&No|&Cancel", {6, 7, 2}, 6, true, {214, 164}, false, 1},
        {0x23, nullptr, "&Yes|&No|&Cancel", {6, 7, 2}, 6, true, {214, 164}, false, 2},
        {0x124, "message_question_no_default", "&Yes|&No", {6, 7}, 7, true, {214, 164}, false, 1},
        {0x1010, "message_stop_system_modal", "&Okay", {1}, 1, true, {157, 111}, true, 0},
        {0x32, "message_exclamation_abort_retry_ignore", "&Abort|&Retry|&Ignore", {3, 4, 5}, 3, true, {127, 104}, false, 2},
        {0x45, "message_information_retry_cancel", "&Retry|&Cancel", {4, 2}, 4, true, {173, 125}, false, 0},
        {0x301, "message_plain_ok_cancel_no_default", "&Okay|&Cancel", {1, 2}, 0, false, {0, 0}, false, 1},
        {0x56, nullptr, "&Okay", {1}, 1, false, {0, 0}, false, 0}, // no icon of 0x50, set 6 as OK
    };
    for (const Case& c : cases) {
        Seen seen;
        const INT_PTR answer = show("Do you really want to quit the installation?", "Attention",
                                    c.flags, [&](HWND box) {
                                        seen = look_at(box);
                                        if (c.picture)
                                            save_box(box, c.picture);
                                        click(box, c.ids[c.press]);
                                    });
        SCOPED_TRACE(testing::Message() << "flags 0x" << std::hex << c.flags);
        EXPECT_EQ("Attention", seen.title);
        EXPECT_EQ("Do you really want to quit the installation?", seen.text);
        EXPECT_EQ(c.captions, seen.captions);
        EXPECT_EQ(c.ids, seen.ids);
        EXPECT_EQ(c.default_id, seen.default_id);
        EXPECT_EQ(c.icon, seen.icon);
        EXPECT_FALSE(seen.check);
        EXPECT_EQ(c.background.cx, seen.background.cx);
        EXPECT_EQ(c.background.cy, seen.background.cy);
        EXPECT_EQ(c.system_modal, seen.system_modal) << "template 995 is system-modal";
        EXPECT_EQ(c.ids[c.press], answer);
    }
}

TEST_F(MessageBoxDialog, SizedToItsText)
{
    std::string long_text;
    for (int i = 0; i < 40; ++i)
        long_text += "word ";
    struct Case {
        const char* text;
        unsigned flags;
        const char* picture;
    };
    const Case cases[] = {
        {"Hi", 0x40, "message_one_word"},
        {"Hi", 0, "message_no_icon_one_line"},
        {long_text.c_str(), 0x30, nullptr},
        {"Setup will now copy the files of the game into the folder you chose. This takes a "
         "while on a slow drive; the bar shows how far it has come.",
         0x41, "message_wrapped"},
    };
    for (const Case& c : cases) {
        Seen seen;
        show(c.text, "Size", c.flags, [&](HWND box) {
            seen = look_at(box);
            if (c.picture)
                save_box(box, c.picture);
            click(box, seen.ids.back());
        });
        SCOPED_TRACE(c.text);
        const int icon_size = seen.icon ? seen.icon_rect.right - seen.icon_rect.left : 32;
        const int x = seen.icon ? icon_size + 25 : 15;
        const int width = seen.text_rect.right - seen.text_rect.left - 5;
        const int height = seen.text_rect.bottom - seen.text_rect.top;
        EXPECT_EQ(x, seen.text_rect.left);
        EXPECT_GE(width, 128) << "never narrower than 128";
        EXPECT_LE(width, 400 - x) << "wrapped at 400 - x";
        if (strlen(c.text) < 5) {
            EXPECT_EQ(128, width);
        }
        if (c.text == long_text.c_str()) {
            EXPECT_EQ(400 - x, width);
        }
        const int top = height < icon_size ? 5 + (icon_size - height) / 2 : 5;
        EXPECT_EQ(top, seen.text_rect.top) << "a short text is centred on the icon's band";
        const int button_height = seen.button_rects[0].bottom - seen.button_rects[0].top;
        EXPECT_EQ(x + width + 15, seen.client.right);
        EXPECT_EQ(std::max(height, icon_size) + 10 + button_height + 10, seen.client.bottom);
        const int left = seen.button_rects.front().left;
        const int right = seen.client.right - seen.button_rects.back().right;
        EXPECT_LE(std::abs(left - right), 1) << "the button row is centred";
        EXPECT_EQ(seen.client.bottom - 5, seen.button_rects[0].bottom);
    }
}

TEST_F(MessageBoxDialog, KeyboardAnswers)
{
    // Enter chooses the button with the default style; Escape is Cancel even
    // without a Cancel button; Enter in a box with no default does nothing.
    EXPECT_EQ(7, show("Enter", "Keys", 0x124, [](HWND) { press_key(VK_RETURN); }));
    EXPECT_EQ(2, show("Escape", "Keys", 0x24, [](HWND) { press_key(VK_ESCAPE); }));
    int seen_after_enter = 0;
    EXPECT_EQ(2, show("Enter without default", "Keys", 0x304, [&](HWND box) {
                  press_key(VK_RETURN);
                  pump_messages(200);
                  seen_after_enter = IsWindowVisible(box);
                  press_key(VK_ESCAPE);
              }));
    EXPECT_TRUE(seen_after_enter) << "Enter with no default button left the box open";
}

TEST_F(MessageBoxDialog, DontShowAgainStoresTheAnswer)
{
    const std::string text = "This message is long enough that its stored key is cut after the "
                             "eightieth character, and the rest is not part of the key.";
    const std::string key = text.substr(0, 80);
    Seen seen;
    EXPECT_EQ(6, show(text.c_str(), "Remember", MSG_DONT_SHOW_AGAIN | 0x24, [&](HWND box) {
                  seen = look_at(box);
                  save_box(box, "message_dont_show_again");
                  click(box, IDC_MESSAGE_DONT_SHOW);
                  pump_messages(100);
                  click(box, 6);
              }));
    EXPECT_TRUE(seen.check);
    EXPECT_EQ(6, GetPrivateProfileIntA("DisMsg", key.c_str(), -1, setup_state.script_path));
    EXPECT_EQ(6, show(text.c_str(), "Remember", MSG_DONT_SHOW_AGAIN | 0x24, [](HWND box) {
                  click(box, 7);
              }));
    EXPECT_FALSE(visited) << "a stored answer is given without showing the box";

    // Ticked and cancelled: nothing stored.
    EXPECT_EQ(2, show("Cancel stores nothing", "Remember", MSG_DONT_SHOW_AGAIN | 3, [](HWND box) {
                  click(box, IDC_MESSAGE_DONT_SHOW);
                  pump_messages(100);
                  click(box, 2);
              }));
    EXPECT_EQ(-1, static_cast<int>(GetPrivateProfileIntA("DisMsg", "Cancel stores nothing", -1,
                                                         setup_state.script_path)));

    // A script that cannot be written to: the answer stands.
    text_copy(setup_state.script_path, sizeof setup_state.script_path,
              folder.path("no such folder\\Install.ini").c_str());
    EXPECT_EQ(7, show("Read-only medium", "Remember", MSG_DONT_SHOW_AGAIN | 4, [](HWND box) {
                  click(box, IDC_MESSAGE_DONT_SHOW);
                  pump_messages(100);
                  click(box, 7);
              }));
}

TEST_F(MessageBoxDialog, ModelessBoxIsReturnedOpen)
{
    RealMessageBoxes real;
    HWND box = reinterpret_cast<HWND>(message_box(NULL, "Please wait...", "Working", MSG_MODELESS | 0x40));
    ASSERT_TRUE(IsWindow(box));
    EXPECT_TRUE(IsWindowVisible(box));
    const Seen seen = look_at(box);
    EXPECT_EQ("", seen.captions) << "a modeless OK box has no button";
    EXPECT_EQ(std::max<LONG>(seen.text_rect.bottom - seen.text_rect.top,
                             seen.icon_rect.right - seen.icon_rect.left) + 10,
              seen.client.bottom);
    save_box(box, "message_modeless");
    DestroyWindow(box);
}

TEST_F(MessageBoxDialog, DisablesAtMost25ThreadWindowsAndEnablesThemAgain)
{
    std::vector<HWND> windows;
    for (int i = 0; i < 30; ++i)
        windows.push_back(create_test_window("MessageBoxBystander", DefWindowProcA));
    int disabled_while_open = 0;
    show("Bystanders", "Count", 0, [&](HWND box) {
        for (HWND window : windows)
            disabled_while_open += !IsWindowEnabled(window);
        click(box, 1);
    });
    // Other windows of the thread (the input method's, for one) may take
    // some of the 25 places; never more than 25 are disabled.
    EXPECT_LE(disabled_while_open, 25);
    EXPECT_GE(disabled_while_open, 20);
    for (HWND window : windows) {
        EXPECT_TRUE(IsWindowEnabled(window));
        DestroyWindow(window);
    }
}

TEST_F(MessageBoxDialog, ButtonsInATranslation)
{
    const std::string texts = folder.path("texts.ini");
    write_text(texts, "[Deutsch]\r\n&Yes=&Ja\r\n&No=&Nein\r\n&Cancel=&Abbrechen\r\n");
    text_copy(setup_state.texts_path, sizeof setup_state.texts_path, texts.c_str());
    text_copy(setup_state.language, sizeof setup_state.language, "Deutsch");
    Seen seen;
    show("M\xf6" "chten Sie die Installation wirklich abbrechen?", "Achtung", 0x23, [&](HWND box) {
        seen = look_at(box);
        save_box(box, "message_deutsch");
        click(box, 7);
    });
    EXPECT_EQ("&Ja|&Nein|&Abbrechen", seen.captions);
    setup_state.language[0] = '\0';
    setup_state.texts_path[0] = '\0';
    profile_release_all();
}

} // namespace
