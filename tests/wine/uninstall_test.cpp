// The uninstall engine on logs written by a real copy run and on hand-made
// ones: what is removed, what stays, files in use, the user's settings, the
// probe, and the registry and INI forms.
#include <gtest/gtest.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "install/copy_run.h"
#include "install/statements.h"
#include "install/uninstall_log.h"
#include "uninstall/uninstall.h"
#include "wine_test_support.h"

namespace {

const char* const REMOVAL_KEY = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Un Test";

bool key_exists(HKEY root, const std::string& subkey)
{
    HKEY key;
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void make_key(HKEY root, const std::string& subkey, const char* value_name = NULL)
{
    HKEY key;
    RegCreateKeyA(root, subkey.c_str(), &key);
    if (value_name)
        RegSetValueExA(key, value_name, 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(key);
}

class Uninstall : public testing::Test {
protected:
    void SetUp() override
    {
        payload_release();
        profile_release_all();
        tag = std::to_string(GetCurrentProcessId());
        source = folder.path("src") + "\\";
        install_dir = folder.path("games\\target") + "\\";
        CreateDirectoryA(source.c_str(), NULL);
        write_file(source + "game.ex_", read_file(fixture_path("member.in_")));
        for (const char* name : {"aaa.exe", "readme.txt", "a.dat"})
            write_text(source + name, name);
        write_text(folder.path("Install.ini"),
                   "[Un Test]\r\nPATH=src\r\nINI=game.ini\r\nAPP=Un Game\r\nPRG=game.exe\r\nPM=0\r\n");
        write_text(source + "game.ini",
                   "[Un Test]\r\nDSK=U\r\n[UDISKS]\r\nVersion=2\r\nfree1=1\r\n"
                   "[UDISK1]\r\naaa.exe\r\ngame.ex_-x-game.exe\r\nreadme.txt\r\na.dat\r\n"
                   "[UnInstall]\r\n0=scores.dat\r\n1=*.sav\r\n");
        text_copy(setup_state.program_dir, sizeof setup_state.program_dir, (folder.root() + "\\").c_str());
        text_copy(setup_state.script_path, sizeof setup_state.script_path, folder.path("Install.ini").c_str());
        text_copy(setup_state.install_dir, sizeof setup_state.install_dir, install_dir.c_str());
        text_copy(setup_state.section_name, sizeof setup_state.section_name, "Un Test");
        text_copy(setup_state.program_group, sizeof setup_state.program_group, ("Un Test " + tag).c_str());
        setup_state.single_product = 0;

        frame = create_test_window("TestFrame", DefWindowProcA, NULL, 0, "", 400, 300);
        for (int id : {14, 2})
            CreateWindowExA(0, "Button", "x", WS_CHILD, 0, 0, 10, 10, frame,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(NULL), NULL);
        page = new TestPage(frame);
        registry_base = "Software\\VelmoraTests\\Un" + tag;
    }
    void TearDown() override
    {
        delete page;
        DestroyWindow(frame);
        uninstall_log_close();
        profile_release_all();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, REMOVAL_KEY);
        RegDeleteTreeA(HKEY_CURRENT_USER, registry_base.c_str());
    }

    // Installs the product with a real copy run, then records by hand what a
    // fuller installation would have: registry values and trees, INI entries,
    // user items.
    void install()
    {
        ProductClassification classification;
        ASSERT_TRUE(classify_product(&classification));
        ASSERT_TRUE(copy_run(page->window(), 0));
        make_key(HKEY_LOCAL_MACHINE, std::string(REMOVAL_KEY) + "\\Extra\\Deep", "v");
        make_key(HKEY_CURRENT_USER, registry_base + "\\Values", "Recorded");
        make_key(HKEY_CURRENT_USER, registry_base + "\\Values", "Kept");
        make_key(HKEY_CURRENT_USER, registry_base + "\\Tree\\A\\B\\C", "v");
        make_key(HKEY_CURRENT_USER, registry_base + "\\User\\Deep", "v");
        make_key(HKEY_CURRENT_USER, registry_base + "\\UserValues", "Mine");
        ini = folder.path("win.ini");
        write_text(ini, "[Game]\r\nDir=C:\\x\r\nOther=1\r\n[Whole]\r\na=1\r\n[Keep]\r\nx=1\r\n");
        // What the game makes as it is played: the user files of [UnInstall].
        write_text(install_dir + "scores.dat", "high scores");
        write_text(install_dir + "one.sav", "a saved game");
        CreateDirectoryA((install_dir + "saves").c_str(), NULL);
        write_text(install_dir + "saves\\s1.sav", "save");

        uninstall_log_open(install_dir.c_str(), "Un Test", 2);
        uninstall_log_record(LOG_REG_VALUE, ("HKCU\\" + registry_base + "\\Values\\Recorded").c_str());
        uninstall_log_record(LOG_REG_KEY, ("HKCU\\" + registry_base + "\\Tree").c_str());
        uninstall_log_record(LOG_INI_ENTRY, (ini + "*Game*Dir").c_str());
        uninstall_log_record(LOG_INI_ENTRY, (ini + "*Whole*").c_str());
        uninstall_log_record(LOG_USER_REG_KEY, ("HKCU\\" + registry_base + "\\User").c_str());
        uninstall_log_record(LOG_USER_REG_VALUE, ("HKCU\\" + registry_base + "\\UserValues\\Mine").c_str());
        uninstall_log_record(LOG_USER_PATH, (install_dir + "saves").c_str());
        uninstall_log_record(LOG_USER_FILE, (install_dir + "saves\\*.sav").c_str());
        uninstall_log_close();
        write_text(install_dir + "mine.txt", "the user's own, never recorded");
        text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path,
                  (install_dir + "UnInst.inf").c_str());
    }
    bool exists(const std::string& name) { return file_exists(install_dir + name); }

    ScratchFolder folder;
    std::string tag, source, install_dir, registry_base, ini;
    HWND frame = NULL;
    TestPage* page = nullptr;
};

TEST_F(Uninstall, EverythingRecordedGoesAndNothingElse)
{
    install();
    ScriptedAnswers script;
    ASSERT_TRUE(uninstall_run(page->window(), 0));
    EXPECT_TRUE(script.shown.empty());

    for (const char* name : {"aaa.exe", "game.exe", "readme.txt", "a.dat", "UnInst.inf"})
        EXPECT_FALSE(exists(name)) << name;
    EXPECT_FALSE(key_exists(HKEY_LOCAL_MACHINE, REMOVAL_KEY)); // with its subkeys
    EXPECT_EQ("<missing>", registry_value(HKEY_CURRENT_USER, registry_base + "\\Values", "Recorded"));
    EXPECT_EQ("x", registry_value(HKEY_CURRENT_USER, registry_base + "\\Values", "Kept"));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, registry_base + "\\Tree"));
    EXPECT_EQ("<missing>", profile_value(ini, "Game", "Dir"));
    EXPECT_EQ("1", profile_value(ini, "Game", "Other"));
    EXPECT_EQ("<missing>", profile_value(ini, "Whole", "a"));
    EXPECT_EQ("1", profile_value(ini, "Keep", "x"));

    // The user's settings stay when not asked for, and so does the unrecorded file.
    EXPECT_TRUE(exists("scores.dat"));
    EXPECT_TRUE(exists("one.sav"));
    EXPECT_TRUE(exists("saves\\s1.sav"));
    EXPECT_TRUE(key_exists(HKEY_CURRENT_USER, registry_base + "\\User\\Deep"));
    EXPECT_EQ("x", registry_value(HKEY_CURRENT_USER, registry_base + "\\UserValues", "Mine"));
    EXPECT_EQ("the user's own, never recorded", file_text(install_dir + "mine.txt"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(install_dir.c_str()));

    // The working copy of the log is gone too; the frame's buttons are back.
    EXPECT_EQ(0, strncmp(base_name(setup_state.uninstall_log_path), "isu", 3));
    EXPECT_FALSE(file_exists(setup_state.uninstall_log_path));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(frame, 14)));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(frame, 2)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page->window(), 128)));
    EXPECT_LE(page->progress()->percentages.back(), 100u);
}

TEST_F(Uninstall, UserSettingsGoWhenAskedFor)
{
    install();
    DeleteFileA((install_dir + "mine.txt").c_str());
    ScriptedAnswers script;
    ASSERT_TRUE(uninstall_run(page->window(), 1));
    EXPECT_FALSE(exists("scores.dat"));
    EXPECT_FALSE(exists("one.sav"));
    EXPECT_FALSE(exists("saves\\s1.sav"));
    EXPECT_FALSE(key_exists(HKEY_CURRENT_USER, registry_base + "\\User"));
    EXPECT_EQ("<missing>", registry_value(HKEY_CURRENT_USER, registry_base + "\\UserValues", "Mine"));
    // Nothing left: the directories go as well, up to the scratch folder.
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(install_dir.c_str()));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.path("games").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.root().c_str()));
}

TEST_F(Uninstall, FilesInUseStopTheRunBeforeAnythingElse)
{
    install();
    // A wildcard program entry whose second match will be in use too.
    CreateDirectoryA((install_dir + "tools").c_str(), NULL);
    write_text(install_dir + "tools\\a.exe", "a");
    write_text(install_dir + "tools\\b.exe", "b");
    WritePrivateProfileStringA("ProgFiles", "2", (install_dir + "tools\\*.exe").c_str(),
                               setup_state.uninstall_log_path);
    const std::string log_before = file_text(setup_state.uninstall_log_path);

    const std::string ready = folder.path("held.ready");
    std::string output;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION helper = {};
    std::string line = "\"" + environment_path("SETUP_TEST_HOLD_FILE") + "\" \"" + install_dir +
                       "game.exe\" \"" + ready + "\"";
    ASSERT_TRUE(CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &helper));
    ASSERT_TRUE(wait_for_file(ready, 20000));

    ScriptedAnswers script;
    EXPECT_FALSE(uninstall_run(page->window(), 0));
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("Cannot continue to uninstall, because the files are in use!", script.shown[0].text);
    EXPECT_EQ(unsigned(MB_ICONHAND), script.shown[0].flags);
    EXPECT_FALSE(exists("aaa.exe")); // the program entry before the one in use is gone
    EXPECT_TRUE(exists("game.exe"));
    EXPECT_TRUE(exists("readme.txt")); // nothing else touched
    EXPECT_TRUE(key_exists(HKEY_LOCAL_MACHINE, REMOVAL_KEY));
    EXPECT_EQ(log_before, file_text(install_dir + "UnInst.inf"));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(frame, 2)));

    // The wildcard entry: one match deleted, the other in use, still stops.
    DeleteFileA(ready.c_str());
    WaitForSingleObject(helper.hProcess, 20000);
    CloseHandle(helper.hProcess);
    CloseHandle(helper.hThread);
    line = "\"" + environment_path("SETUP_TEST_HOLD_FILE") + "\" \"" + install_dir + "tools\\b.exe\" \"" +
           ready + "\"";
    ASSERT_TRUE(CreateProcessA(NULL, &line[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup, &helper));
    ASSERT_TRUE(wait_for_file(ready, 20000));
    script.shown.clear();
    EXPECT_FALSE(uninstall_run(page->window(), 0));
    EXPECT_EQ(1u, script.shown.size());
    EXPECT_FALSE(exists("game.exe"));
    EXPECT_FALSE(exists("tools\\a.exe"));
    EXPECT_TRUE(exists("tools\\b.exe"));
    DeleteFileA(ready.c_str());
    WaitForSingleObject(helper.hProcess, 20000);
    CloseHandle(helper.hProcess);
    CloseHandle(helper.hThread);

    // Once nothing is in use, a run completes; what is already gone counts as removed.
    script.shown.clear();
    EXPECT_TRUE(uninstall_run(page->window(), 0));
    EXPECT_TRUE(script.shown.empty());
    EXPECT_FALSE(exists("tools\\b.exe"));
    EXPECT_FALSE(exists("readme.txt"));
    EXPECT_FALSE(exists("UnInst.inf"));
}

TEST_F(Uninstall, ProbeTouchesNothing)
{
    ScriptedAnswers script;
    text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path,
              folder.path("none\\UnInst.inf").c_str());
    EXPECT_FALSE(uninstall_run(NULL, UNINSTALL_PROBE));
    write_text(folder.path("UnInst.inf"), "[UnInst]\r\nPrg=Nothing\r\n[Files]\r\n0=" +
                                              folder.path("kept.txt") + "\r\n");
    write_text(folder.path("kept.txt"), "kept");
    text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path,
              folder.path("UnInst.inf").c_str());
    EXPECT_FALSE(uninstall_run(NULL, UNINSTALL_PROBE));
    EXPECT_FALSE(uninstall_run(page->window(), 0)); // a log without items removes nothing
    ASSERT_EQ(3u, script.shown.size());
    for (const auto& shown : script.shown) {
        EXPECT_EQ("No uninstall information found! Terminating uninstall process!", shown.text);
        EXPECT_EQ(unsigned(MB_ICONHAND), shown.flags);
    }
    EXPECT_TRUE(file_exists(folder.path("kept.txt")));

    install();
    const std::string log_before = file_text(setup_state.uninstall_log_path);
    EXPECT_TRUE(uninstall_run(NULL, UNINSTALL_PROBE));
    EXPECT_EQ(log_before, file_text(setup_state.uninstall_log_path));
    EXPECT_TRUE(exists("game.exe"));
}

TEST_F(Uninstall, ClassesRootKeysArePassedOverButItsValuesRemoved)
{
    const std::string shared = "VelmoraTest" + tag;
    make_key(HKEY_CLASSES_ROOT, shared, "V");
    make_key(HKEY_CLASSES_ROOT, shared + "\\S", "w");
    write_text(folder.path("UnInst.inf"), "[UnInst]\r\nItems=0\r\n[RegKeys]\r\n0=HKCR\\" + shared +
                                              "\\S\r\n[RegValue]\r\n0=HKCR\\" + shared + "\\V\r\n");
    text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path,
              folder.path("UnInst.inf").c_str());
    ScriptedAnswers script;
    EXPECT_TRUE(uninstall_run(page->window(), 0));
    EXPECT_TRUE(key_exists(HKEY_CLASSES_ROOT, shared + "\\S"));
    EXPECT_EQ("<missing>", registry_value(HKEY_CLASSES_ROOT, shared, "V"));
    RegDeleteTreeA(HKEY_CLASSES_ROOT, shared.c_str());
}

TEST_F(Uninstall, SummaryListsTheProducts)
{
    char buffer[1024] = "untouched";
    setup_state.uninstall_log_path[0] = '\0';
    EXPECT_EQ(0u, read_uninstall_summary(buffer, sizeof buffer));
    EXPECT_STREQ("untouched", buffer);
    write_text(folder.path("UnInst.inf"), "[UnInst]\r\nPrg=Puzzle||Cards\r\nItems=3\r\nUserItems=-1\r\n");
    text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path,
              folder.path("UnInst.inf").c_str());
    EXPECT_EQ(13u | (1u << 16), read_uninstall_summary(buffer, sizeof buffer));
    EXPECT_STREQ("Puzzle\r\nCards", buffer);
    write_text(folder.path("UnInst.inf"), "[UnInst]\r\nPrg=Puzzle\r\nItems=3\r\n");
    EXPECT_EQ(6u, read_uninstall_summary(buffer, sizeof buffer));
}

} // namespace
