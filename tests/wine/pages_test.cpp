// The install wizard's pages in-process: each page made as the frame makes
// it, over a script laid out for the test, and looked at.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "install/registry.h"
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
        setup_state.instance = GetModuleHandleA(NULL);
        setup_state.windows_version = 4;
        WNDCLASSA existing;
        if (!GetClassInfoA(setup_state.instance, SUP_CLASS_NAME, &existing))
            register_control_class(setup_state.instance);
        refresh_brushes();
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

} // namespace
