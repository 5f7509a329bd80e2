// Translated texts, numbered messages with their markup, and the translation
// of dialogs and menus, against the real string table and window manager.
#include <gtest/gtest.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "config/texts.h"
#include "wine_test_support.h"

namespace {

class Texts : public testing::Test {
protected:
    void SetUp() override
    {
        text_copy(setup_state.texts_path, sizeof setup_state.texts_path,
                  fixture_path("texts.ini").c_str());
        use_language("Deutsch");
    }
    void TearDown() override
    {
        use_language("");
        profile_release_all();
    }
    void use_language(const char* language)
    {
        text_copy(setup_state.language, sizeof setup_state.language, language);
    }
    std::string text(LPCSTR source, size_t size = 256)
    {
        std::string buffer(size + 1, '#');
        load_text(&buffer[0], source, size);
        EXPECT_EQ('#', buffer[size]) << "write past the buffer";
        return buffer.c_str();
    }
};

TEST_F(Texts, StringsAreTranslatedIntoTheChosenLanguage)
{
    EXPECT_EQ("Abbrechen", text(MAKEINTRESOURCEA(2)));
    EXPECT_EQ("Willkommen!\r\nBitte Sprache w\xe4hlen!", text(MAKEINTRESOURCEA(112)));
    EXPECT_EQ("Setup Version", text(MAKEINTRESOURCEA(1)));
    EXPECT_EQ("Abbrec", text(MAKEINTRESOURCEA(2), 7)); // the translation is cut
    EXPECT_EQ("Can", text(MAKEINTRESOURCEA(2), 4));     // so is the English text
    use_language("francais");
    EXPECT_EQ("Annuler", text(MAKEINTRESOURCEA(2)));
    use_language("");
    EXPECT_EQ("Cancel", text(MAKEINTRESOURCEA(2)));
    EXPECT_EQ("Welcome to the Velmora setup!\r\n\r\nPlease select your desired language!",
              text(MAKEINTRESOURCEA(112)));
}

TEST_F(Texts, GivenTextsAndMissingTranslations)
{
    EXPECT_EQ("Abbrechen", text("cancel")); // keys match in any case
    EXPECT_EQ("Not translated", text("Not translated"));
    EXPECT_EQ("C:\new", text("C:\\new")); // unescaped even without a translation
    char buffer[32] = "Cancel";
    EXPECT_EQ(9, load_text(buffer, NULL, sizeof buffer));
    EXPECT_STREQ("Abbrechen", buffer);
    std::string untouched = "#";
    EXPECT_EQ(0, load_text(&untouched[0], MAKEINTRESOURCEA(2), 0));
    EXPECT_EQ("#", untouched);
}

TEST_F(Texts, MessagesShowTheirMarkup)
{
    use_language("");
    ScriptedAnswers script;
    script.answers = {4, 2, 1, 1, 1, 1};
    EXPECT_EQ(4, show_message(1128, ""));
    EXPECT_EQ(2, show_message(1134, "Disk 2"));
    show_message(1138, "<U><Head>Body");
    show_message(1138, "<open text");
    show_message(1106, "");
    show_message(1153, "");
    ASSERT_EQ(6u, script.shown.size());
    EXPECT_EQ("The harddisk is full! Free some space and try it again!", script.shown[0].text);
    EXPECT_EQ("Error", script.shown[0].title);
    EXPECT_EQ(0x1032u, script.shown[0].flags);
    EXPECT_EQ("Please insert the specified disk!", script.shown[1].text);
    EXPECT_EQ("Disk 2", script.shown[1].title);
    EXPECT_EQ(0x1031u, script.shown[1].flags);
    EXPECT_EQ("Body", script.shown[2].text);
    EXPECT_EQ("Head", script.shown[2].title);
    EXPECT_EQ("<open text", script.shown[3].text);
    EXPECT_EQ(0u, script.shown[3].flags);
    EXPECT_EQ("Out of memory!", script.shown[4].text);
    EXPECT_EQ("System-Error", script.shown[4].title);
    EXPECT_EQ(0x10u, script.shown[4].flags);
    EXPECT_EQ(0u, script.shown[5].text.find("The file is damaged! Try to reload it from '"));
}

TEST_F(Texts, TranslatedMessageKeepsItsMarkup)
{
    ScriptedAnswers script;
    show_message(1128, "");
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("Die Platte ist voll!", script.shown[0].text);
    EXPECT_EQ(0x1032u, script.shown[0].flags);
}

// Dialog translation works on any window with child controls.
class DialogTexts : public Texts {
protected:
    void SetUp() override
    {
        Texts::SetUp();
        dialog = create_test_window("DialogTextsHost", DefWindowProcA, NULL, 0, "Cancel");
        ASSERT_NE(nullptr, dialog);
        add_control("Static", SS_LEFT, 10);
        add_control("Static", SS_GRAYRECT, 11);
        add_control("Button", BS_PUSHBUTTON, 12);
        add_control("Button", BS_AUTOCHECKBOX, 13);
        add_control("Edit", 0, 14);
    }
    void TearDown() override
    {
        DestroyWindow(dialog);
        Texts::TearDown();
    }
    void add_control(const char* class_name, DWORD style, int id)
    {
        CreateWindowExA(0, class_name, "Cancel", WS_CHILD | style, 0, 0, 50, 20, dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL),
                        NULL);
    }
    std::string window_text(HWND window)
    {
        char buffer[64];
        GetWindowTextA(window, buffer, sizeof buffer);
        return buffer;
    }
    bool transparent(int id)
    {
        return (GetWindowLongPtrA(GetDlgItem(dialog, id), GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
    }
    HWND dialog = NULL;
};

TEST_F(DialogTexts, ListedControlsAreTranslatedAndMadeTransparent)
{
    const int controls[] = {10, 11, 12, 13, 99, 0}; // 99: no such control, 14 not listed
    translate_dialog(dialog, controls);
    EXPECT_EQ("Abbrechen", window_text(dialog));
    for (int id : {10, 12, 13})
        EXPECT_EQ("Abbrechen", window_text(GetDlgItem(dialog, id))) << id;
    EXPECT_EQ("Cancel", window_text(GetDlgItem(dialog, 14)));
    EXPECT_TRUE(transparent(10));
    EXPECT_FALSE(transparent(11)); // grey rectangle
    EXPECT_FALSE(transparent(12)); // push button
    EXPECT_TRUE(transparent(13));  // check box
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CLIPCHILDREN);
}

TEST_F(DialogTexts, EmptyListOnlyClipsChildren)
{
    const int none[] = {0};
    translate_dialog(dialog, none);
    EXPECT_EQ("Cancel", window_text(dialog));
    EXPECT_EQ("Cancel", window_text(GetDlgItem(dialog, 10)));
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CLIPCHILDREN);
}

TEST_F(DialogTexts, MenusAndSubmenusAreTranslated)
{
    HMENU submenu = CreatePopupMenu();
    AppendMenuA(submenu, MF_STRING, 101, "Okay");
    AppendMenuA(submenu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(submenu, MF_STRING | MF_GRAYED, 102, "Cancel");
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), "Cancel");
    AppendMenuA(menu, MF_STRING, 103, "cancel");
    translate_menu(menu);

    char text[64];
    GetMenuStringA(menu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Abbrechen", text);
    EXPECT_EQ(submenu, GetSubMenu(menu, 0));
    GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Abbrechen", text);
    GetMenuStringA(submenu, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Setup Version", text);
    GetMenuStringA(submenu, 2, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("Abbrechen", text);
    EXPECT_EQ(102u, GetMenuItemID(submenu, 2));
    EXPECT_TRUE(GetMenuState(submenu, 2, MF_BYPOSITION) & MF_GRAYED);
    DestroyMenu(menu);
}

} // namespace
