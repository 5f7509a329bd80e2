// The wizard frame with test page tables: the road through the pages, the
// buttons, the quit question and the closing. The frame's modal loop is
// driven by a timer, one step per tick, with a bound on the ticks.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/wizard_frame.h"
#include "base/setup_state.h"
#include "resource_ids.h"
#include "pixels.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "wine_test_support.h"

namespace {

const WORD SMALL_PAGE = 9200, LARGE_PAGE = 9201;
const int MAX_TICKS = 300; // 30 ms each: a run that does not end is closed after 9 s

// What the pages saw, as "index:command", and the answers they give to ">>".
std::vector<std::string> page_log;
int next_answer[32];
std::vector<std::function<void(HWND)>> steps;
size_t next_step;
int ticks;
bool timed_out;

INT_PTR test_page(int index, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message != WM_COMMAND)
        return FALSE;
    const int command = LOWORD(wparam);
    if (command == PAGE_CREATED)
        return TRUE; // posted: it arrives at no fixed place in the log
    page_log.push_back(std::to_string(index) + ":" + std::to_string(command) +
                       (command == PAGE_NEXT && !lparam ? "null" : ""));
    if (command == PAGE_NEXT && lparam && next_answer[index] >= 0)
        *reinterpret_cast<int*>(lparam) = next_answer[index];
    return TRUE;
}

template <int N>
INT_PTR CALLBACK page_proc(HWND, UINT message, WPARAM wparam, LPARAM lparam)
{
    return test_page(N, message, wparam, lparam);
}

template <int... N>
std::vector<DLGPROC> procedures(std::integer_sequence<int, N...>)
{
    return {page_proc<N>...};
}

// A table of count pages (the first of the given template, the rest small).
std::vector<PageEntry> table_of(int count, WORD first_template = SMALL_PAGE)
{
    static const std::vector<DLGPROC> all = procedures(std::make_integer_sequence<int, 26>());
    std::vector<PageEntry> table;
    for (int i = 0; i < count; ++i)
        table.push_back({PAGE_INSTANCE_PLACEHOLDER, all[i],
                         static_cast<WORD>(i == 0 ? first_template : SMALL_PAGE)});
    table.push_back({NULL, NULL, 0});
    return table;
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND frame = FindWindowA("Setup", NULL);
    if (!frame)
        return;
    if (++ticks > MAX_TICKS) {
        timed_out = true;
        PostMessageA(frame, WM_CLOSE, 0, 0);
        return;
    }
    if (next_step < steps.size())
        steps[next_step++](frame);
}

// Runs the wizard over table, one step per tick.
INT_PTR run(std::vector<PageEntry>& table, std::vector<std::function<void(HWND)>> script)
{
    page_log.clear();
    steps = std::move(script);
    next_step = 0;
    ticks = 0;
    timed_out = false;
    fill_page_instances(table.data());
    const UINT_PTR timer = SetTimer(NULL, 0, 30, tick);
    const INT_PTR result = run_wizard(NULL, table.data(), 0);
    KillTimer(NULL, timer);
    return result;
}

void press(HWND frame, int id)
{
    SendMessageA(frame, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(frame, id)));
}

bool visible(HWND frame, int id)
{
    return IsWindowVisible(GetDlgItem(frame, id)) != 0;
}

bool enabled(HWND frame, int id)
{
    return IsWindowEnabled(GetDlgItem(frame, id)) != 0;
}

class WizardFrame : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prepare_program_look();
    }

    void SetUp() override
    {
        for (int& answer : next_answer)
            answer = -1; // leave the answer as the frame gave it
    }
};

TEST_F(WizardFrame, EveryPageInTurnThenFinish)
{
    std::vector<PageEntry> table = table_of(26);
    std::vector<HWND> pages;
    bool finish_at_end = false, next_hidden_at_end = false, back_enabled = false;
    std::vector<std::function<void(HWND)>> script;
    for (int i = 0; i < 25; ++i)
        script.push_back([](HWND frame) { press(frame, IDC_FRAME_NEXT); });
    script.push_back([&](HWND frame) {
        finish_at_end = visible(frame, IDC_FRAME_FINISH);
        next_hidden_at_end = !visible(frame, IDC_FRAME_NEXT);
        back_enabled = enabled(frame, IDC_FRAME_BACK);
        for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetDlgCtrlID(child) == 0 || GetDlgCtrlID(child) > 100)
                pages.push_back(child);
        press(frame, IDC_FRAME_FINISH);
    });
    EXPECT_EQ(1, run(table, script));
    EXPECT_FALSE(timed_out);
    EXPECT_TRUE(finish_at_end);
    EXPECT_TRUE(next_hidden_at_end);
    EXPECT_TRUE(back_enabled);
    // Each page: created (15 with a null pointer), shown (6), left forwards (15).
    std::vector<std::string> expected;
    for (int i = 0; i < 26; ++i) {
        expected.push_back(std::to_string(i) + ":15null");
        expected.push_back(std::to_string(i) + ":6");
        if (i < 25)
            expected.push_back(std::to_string(i) + ":15");
    }
    for (int i = 0; i < 26; ++i)
        expected.push_back(std::to_string(i) + ":1"); // Finish asks every page
    EXPECT_EQ(expected, page_log);
    EXPECT_EQ(26u, pages.size());
    for (HWND page : pages)
        EXPECT_FALSE(IsWindow(page)) << "every page is destroyed when the frame closes";
}

TEST_F(WizardFrame, APageSkipsAheadAndBackWalksThePath)
{
    std::vector<PageEntry> table = table_of(26);
    next_answer[0] = 3;
    bool back_enabled_on_3 = false, back_disabled_again = false;
    EXPECT_EQ(1, run(table, {[](HWND frame) { press(frame, IDC_FRAME_NEXT); },
                             [&](HWND frame) {
                                 back_enabled_on_3 = enabled(frame, IDC_FRAME_BACK);
                                 press(frame, IDC_FRAME_BACK);
                             },
                             [&](HWND frame) {
                                 back_disabled_again = !enabled(frame, IDC_FRAME_BACK);
                                 SendMessageA(frame, WM_CLOSE, 0, 0);
                             }}));
    EXPECT_FALSE(timed_out);
    EXPECT_TRUE(back_enabled_on_3);
    EXPECT_TRUE(back_disabled_again);
    EXPECT_EQ((std::vector<std::string>{"0:15null", "0:6", "0:15", "3:15null", "3:6", "3:14",
                                        "0:6"}),
              page_log);
}

TEST_F(WizardFrame, CancelAsksAndOnlyYesCloses)
{
    std::vector<PageEntry> table = table_of(3);
    ScriptedAnswers answers;
    answers.answers = {IDNO, IDCANCEL, IDYES};
    HWND page = NULL;
    bool still_open = false;
    EXPECT_EQ(1, run(table, {[](HWND frame) { press(frame, IDC_FRAME_NEXT); },
                             [](HWND frame) { press(frame, IDC_FRAME_CANCEL); },
                             [](HWND frame) { press(frame, IDC_FRAME_CANCEL); },
                             [&](HWND frame) {
                                 still_open = IsWindowVisible(frame) && enabled(frame, IDC_FRAME_BACK);
                                 page = GetWindow(frame, GW_CHILD);
                                 press(frame, IDC_FRAME_CANCEL);
                             }}));
    EXPECT_FALSE(timed_out);
    EXPECT_TRUE(still_open) << "No and Cancel change nothing";
    ASSERT_EQ(3u, answers.shown.size());
    EXPECT_EQ("Do you really want to quit the installation process?", answers.shown[0].text);
    EXPECT_EQ("ATTENTION!!!", answers.shown[0].title);
    EXPECT_EQ(0x23u, answers.shown[0].flags);
    EXPECT_FALSE(IsWindow(page));
}

TEST_F(WizardFrame, PageAreaAndOnePageTable)
{
    // Small pages get a 200 x 100 page area; the frame's buttons lie below it.
    std::vector<PageEntry> small = table_of(1);
    RECT page_rect = {}, next_rect = {}, cancel_rect = {}, frame_client = {};
    bool finish_hidden = false, back_disabled = false;
    Pixels ring;
    EXPECT_EQ(1, run(small, {[&](HWND frame) {
                                 HWND page = GetWindow(frame, GW_CHILD);
                                 while (page && GetDlgCtrlID(page) != 0 && GetDlgCtrlID(page) < 100)
                                     page = GetWindow(page, GW_HWNDNEXT);
                                 GetWindowRect(page, &page_rect);
                                 MapWindowPoints(NULL, frame, reinterpret_cast<POINT*>(&page_rect), 2);
                                 GetWindowRect(GetDlgItem(frame, IDC_FRAME_NEXT), &next_rect);
                                 MapWindowPoints(NULL, frame, reinterpret_cast<POINT*>(&next_rect), 2);
                                 GetWindowRect(GetDlgItem(frame, IDC_FRAME_CANCEL), &cancel_rect);
                                 MapWindowPoints(NULL, frame, reinterpret_cast<POINT*>(&cancel_rect), 2);
                                 GetClientRect(frame, &frame_client);
                                 finish_hidden = !visible(frame, IDC_FRAME_FINISH);
                                 back_disabled = !enabled(frame, IDC_FRAME_BACK);
                                 ring = capture_window(frame);
                                 SendMessageA(frame, WM_CLOSE, 0, 0);
                             }}));
    EXPECT_FALSE(timed_out);
    EXPECT_EQ(6, page_rect.left);
    EXPECT_EQ(6, page_rect.top);
    EXPECT_EQ(200, page_rect.right - page_rect.left);
    EXPECT_EQ(100, page_rect.bottom - page_rect.top);
    EXPECT_GE(next_rect.top, 100 + 12) << "the buttons below the page area";
    EXPECT_TRUE(finish_hidden) << "one page: Finish waits for the page";
    EXPECT_TRUE(back_disabled);
    ASSERT_GT(ring.width, 0);
    EXPECT_EQ(rgb_of(GetSysColor(COLOR_BTNSHADOW)), ring.at(5, 50)) << "the sunken ring";
    EXPECT_EQ(rgb_of(GetSysColor(COLOR_BTNHIGHLIGHT)), ring.at(206, 50));
    int text_pixels = 0; // the buttons paint themselves over the frame
    for (int y = cancel_rect.top + 3; y < cancel_rect.bottom - 3; ++y)
        for (int x = cancel_rect.left + 3; x < cancel_rect.right - 3; ++x)
            text_pixels += ring.at(x, y) == 0;
    EXPECT_GT(text_pixels, 10) << "\"Cancel\" is drawn";
    CreateDirectoryA("screens", NULL);

    // A large first page widens the area.
    std::vector<PageEntry> large = table_of(2, LARGE_PAGE);
    EXPECT_EQ(1, run(large, {[&](HWND frame) {
                                 save_png(capture_window(frame, true), "screens\\wizard_frame.png");
                                 HWND page = GetWindow(frame, GW_CHILD);
                                 while (page && GetDlgCtrlID(page) != 0 && GetDlgCtrlID(page) < 100)
                                     page = GetWindow(page, GW_HWNDNEXT);
                                 GetWindowRect(page, &page_rect);
                                 SendMessageA(frame, WM_CLOSE, 0, 0);
                             }}));
    EXPECT_GT(page_rect.right - page_rect.left, 200);
    EXPECT_GT(page_rect.bottom - page_rect.top, 100);
}

} // namespace
