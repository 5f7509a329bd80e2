// The install wizard's pages in-process: each page made as the frame makes
// it, over a script laid out for the test, and looked at.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "install/registry.h"
#include "app/wizard_frame.h"
#include "pages/actions_page.h"
#include "pages/finish_page.h"
#include "pages/information_page.h"
#include "pages/language_page.h"
#include "resource_ids.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "wine_test_support.h"

namespace {

std::string list_entries(HWND list)
{
    std::string entries;
    const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char entry[256] = "";
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry));
        entries += (i ? "|" : "") + std::string(entry);
    }
    return entries;
}

class Pages : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prepare_program_look();
    }

    void SetUp() override
    {
        saved_state = setup_state;
        text_copy(setup_state.script_path, sizeof setup_state.script_path,
                  folder.path("Install.ini").c_str());
        text_copy(setup_state.texts_path, sizeof setup_state.texts_path, setup_state.script_path);
        text_copy(setup_state.program_dir, sizeof setup_state.program_dir, (folder.root() + "\\").c_str());
        frame = create_test_window("PagesTestFrame", DefWindowProcA);
        reg_get_string(LANGUAGE_KEY, "Language", "", saved_language, sizeof saved_language);
    }

    void TearDown() override
    {
        reg_set_string(LANGUAGE_KEY, "Language", saved_language);
        DestroyWindow(frame);
        profile_release_all();
        setup_state = saved_state;
    }

    HWND make_page(int template_id, DLGPROC procedure)
    {
        return CreateDialogParamA(setup_state.instance, MAKEINTRESOURCEA(template_id), frame,
                                  procedure, 0);
    }

    static constexpr const char* LANGUAGE_KEY = "HKCU\\Software\\Velmora";
    SetupState saved_state;
    ScratchFolder folder;
    HWND frame = NULL;
    char saved_language[100] = "";
};

TEST_F(Pages, LanguageListAndPreselection)
{
    write_text(folder.path("Install.ini"),
               "[DISKS]\r\nVersion=250\r\n[Languages]\r\nDeutsch\r\nFrancais\r\n"
               "[Deutsch]\r\nSetup...=Installation...\r\n");
    reg_set_string(LANGUAGE_KEY, "Language", "deutsch");
    HWND page = make_page(IDD_LANGUAGE_PAGE, language_page_proc);
    ASSERT_NE(nullptr, page);
    EXPECT_EQ("English|Deutsch|Francais", list_entries(GetDlgItem(page, IDC_PAGE_LIST)));
    EXPECT_EQ(1, SendDlgItemMessageA(page, IDC_PAGE_LIST, LB_GETCURSEL, 0, 0));
    EXPECT_STREQ("Deutsch", setup_state.language);
    char text[64];
    GetWindowTextA(frame, text, sizeof text);
    EXPECT_STREQ("Installation...", text);
    GetDlgItemTextA(page, IDC_LANGUAGE_VERSION, text, sizeof text);
    EXPECT_STREQ("V 2.50", text);
    DestroyWindow(page);
}

TEST_F(Pages, InformationPageShowsTheReadmeOfTheLanguage)
{
    write_text(folder.path("Install.ini"), "[Deutsch]\r\nreadme.txt=liesmich.txt\r\n");
    write_text(folder.path("readme.txt"), "English readme");
    write_text(folder.path("liesmich.txt"), std::string(20000, 'x'));
    char text[SETUP_COPY_BUFFER_SIZE + 16];
    {
        HWND page = make_page(IDD_INFORMATION_PAGE, information_page_proc);
        GetDlgItemTextA(page, IDC_INFORMATION_TEXT, text, sizeof text);
        EXPECT_STREQ("English readme", text);
        DestroyWindow(page);
    }
    text_copy(setup_state.language, sizeof setup_state.language, "Deutsch");
    HWND page = make_page(IDD_INFORMATION_PAGE, information_page_proc);
    EXPECT_EQ(16383, GetDlgItemTextA(page, IDC_INFORMATION_TEXT, text, sizeof text))
        << "a long readme shows its beginning, always terminated";
    DestroyWindow(page);

    DeleteFileA(folder.path("liesmich.txt").c_str());
    ScriptedAnswers answers;
    page = make_page(IDD_INFORMATION_PAGE, information_page_proc);
    ASSERT_EQ(1u, answers.shown.size());
    EXPECT_EQ("Cannot read from file!", answers.shown[0].text);
    EXPECT_EQ(0, GetDlgItemTextA(page, IDC_INFORMATION_TEXT, text, sizeof text));
    DestroyWindow(page);
}

TEST_F(Pages, ActionsPageChoosesInAscendingOrder)
{
    write_text(folder.path("Install.ini"),
               "[Layout]\r\n0=Puzzle\r\n1=Cards\r\n2=Chess\r\n3=Dice\r\n4=Go\r\n");
    setup_state.product_count = 5;
    for (int i = 0; i < 5; ++i)
        setup_state.products[i] = static_cast<BYTE>(i);
    HWND page = make_page(IDD_ACTIONS_PAGE, actions_page_proc);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    EXPECT_EQ("Puzzle|Cards|Chess|Dice|Go", list_entries(list));
    int next = 2;
    SendMessageA(page, WM_COMMAND, PAGE_NEXT, reinterpret_cast<LPARAM>(&next));
    EXPECT_EQ(25, next) << "nothing chosen: the finish page";
    SendMessageA(list, LB_SETSEL, TRUE, 3);
    SendMessageA(list, LB_SETSEL, TRUE, 1);
    next = 2;
    SendMessageA(page, WM_COMMAND, PAGE_NEXT, reinterpret_cast<LPARAM>(&next));
    EXPECT_EQ(4, next) << "product 1's install page";
    ASSERT_EQ(2, setup_state.chosen_count);
    EXPECT_EQ(1, setup_state.chosen_products[0]);
    EXPECT_EQ(3, setup_state.chosen_products[1]);
    EXPECT_TRUE(IsWindowEnabled(list)) << "the list stays open for another choice";
    DestroyWindow(page);
}

TEST_F(Pages, FinishPageListsWhatWasInstalled)
{
    write_text(folder.path("Install.ini"),
               "[Layout]\r\n0=Puzzle\r\n1=Cards\r\n2=Chess\r\n"
               "[Deutsch]\r\nYou have nothing installed!=Sie haben nichts installiert!\r\n");
    HWND page = make_page(IDD_FINISH_PAGE, finish_page_proc);
    char text[256];
    text_copy(setup_state.language, sizeof setup_state.language, "Deutsch");
    SendMessageA(page, WM_COMMAND, PAGE_SHOWN, 0);
    GetDlgItemTextA(page, IDC_FINISH_LIST, text, sizeof text);
    EXPECT_STREQ("Sie haben nichts installiert!", text);
    setup_state.installed_products[0] = 0;
    setup_state.installed_products[1] = 2;
    setup_state.installed_count = 2;
    SendMessageA(page, WM_COMMAND, PAGE_SHOWN, 0);
    GetDlgItemTextA(page, IDC_FINISH_LIST, text, sizeof text);
    EXPECT_STREQ("Puzzle\r\nChess\r\n", text) << "rebuilt on every showing";
    DestroyWindow(page);
}

} // namespace
