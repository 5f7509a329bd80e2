// A whole product installed by the copy run from a disk description file that
// uses every entry form: the files, UnInst.inf (compared whole), the removal
// entry, the HSU library call, the fake CD, and the paths that stop the run.
#include <gtest/gtest.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "install/copy_run.h"
#include "install/statements.h"
#include "install/uninstall_log.h"
#include "wine_test_support.h"

namespace {

std::string system_dir()
{
    char path[MAX_PATH];
    GetSystemDirectoryA(path, sizeof path);
    return path;
}

std::string windows_dir()
{
    char path[MAX_PATH];
    GetWindowsDirectoryA(path, sizeof path);
    return path;
}

class CopyRun : public testing::Test {
protected:
    void SetUp() override
    {
        payload_release();
        profile_release_all();
        tag = std::to_string(GetCurrentProcessId());
        source = folder.path("src") + "\\";
        install_dir = folder.path("target") + "\\";
        cd_folder = environment_path("SETUP_TEST_CD") + "\\run" + tag;
        CreateDirectoryA(source.c_str(), NULL);
        CreateDirectoryA(cd_folder.c_str(), NULL);
        write_file(source + "game.ex_", read_file(fixture_path("member.in_")));
        for (const char* name : {"readme.txt", "liesmich.txt", "scores.dat", "a.dat", "later.txt"})
            write_text(source + name, std::string("new ") + name);
        write_text(source + "dx" + tag + ".dll", "directx");
        write_text(source + "hsu" + tag + ".dll", "hsu");
        write_file(source + "hsu_test.dll", read_file(environment_path("SETUP_TEST_HSU_DLL")));
        write_text(cd_folder + "\\cdfile.dat", "from the CD");

        text_copy(setup_state.program_dir, sizeof setup_state.program_dir, (folder.root() + "\\").c_str());
        text_copy(setup_state.script_path, sizeof setup_state.script_path, folder.path("Install.ini").c_str());
        text_copy(setup_state.install_dir, sizeof setup_state.install_dir, install_dir.c_str());
        group = "Copy Run Test " + tag;
        text_copy(setup_state.program_group, sizeof setup_state.program_group, group.c_str());
        setup_state.single_product = 0;
        setup_state.cd_drive = 0;
        DeleteFileA((std::string(getenv("TEMP") ? getenv("TEMP") : "") + "\\hsu_test_called.txt").c_str());
    }
    void TearDown() override
    {
        uninstall_log_close();
        profile_release_all();
        DeleteFileA((system_dir() + "\\dx" + tag + ".dll").c_str());
        DeleteFileA((system_dir() + "\\dx2" + tag + ".dll").c_str());
        DeleteFileA((system_dir() + "\\hsu" + tag + ".dll").c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE,
                       "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Run Test");
        setup_state.verbose = 0;
    }
    // Writes Install.ini and the disk description file, then classifies.
    void product(const std::string& disk_sections, const std::string& setup_section)
    {
        write_text(folder.path("Install.ini"),
                   "[Run Test]\r\nPATH=src\r\nINI=game.ini\r\nAPP=Test Game\r\nPRG=game.exe\r\n");
        write_text(source + "game.ini", "[Run Test]\r\nDSK=CRT\r\n[CRTDISKS]\r\nVersion=7\r\nfree1=10\r\n" +
                                            disk_sections + setup_section +
                                            "[UnInstall]\r\n0=scores.dat\r\n1=*.sav\r\n");
        text_copy(setup_state.section_name, sizeof setup_state.section_name, "Run Test");
        profile_release_all();
        ProductClassification classification;
        ASSERT_TRUE(classify_product(&classification));
    }
    std::string log_text() { return file_text(install_dir + "UnInst.inf"); }
    std::string log(const char* section, const char* key)
    {
        return profile_value(install_dir + "UnInst.inf", section, key);
    }

    ScratchFolder folder;
    std::string tag, source, install_dir, cd_folder, group;
};

TEST_F(CopyRun, EveryEntryFormInstallsAndIsRecorded)
{
    product("[CRTDISK1]\r\ngame.ex_-x-game.exe\r\nreadme.txt\r\nliesmich.txt\r\n?scores.dat\r\na.dat-x\r\n"
            "^X:\\run" + tag + "\\cdfile.dat-x-cdfile.dat\r\n"
            "[CRTDISK2]\r\n~dx" + tag + ".dll\r\n~~hsu" + tag + ".dll\r\n"
            "[CRTDISK4]\r\nlater.txt\r\n"
            "[HSU]\r\n@HsuInit,%hsu_test.dll\r\nno_such_program_" + tag + ".exe /x\r\n",
            "[Setup]\r\nDirectX=1\r\nHSU=1\r\nExec=no_such_setup_" + tag + ".exe %\r\nFile=dx.inf\r\n");
    TestPage page;
    ScriptedAnswers script;
    ASSERT_TRUE(copy_run(page.window(), 0));
    EXPECT_TRUE(script.shown.empty()) << script.shown[0].text;
    EXPECT_STREQ("", setup_state.uninstall_log_path);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page.window(), 128)));

    // Installed bytes, the compressed source expanded.
    EXPECT_EQ(read_file(fixture_path("member.ini")), read_file(install_dir + "game.exe"));
    EXPECT_EQ("new a.dat", file_text(install_dir + "a.dat"));
    EXPECT_EQ("from the CD", file_text(install_dir + "cdfile.dat"));
    EXPECT_EQ("new later.txt", file_text(install_dir + "later.txt"));
    EXPECT_EQ("directx", file_text(system_dir() + "\\dx" + tag + ".dll"));
    EXPECT_EQ("hsu", file_text(system_dir() + "\\hsu" + tag + ".dll"));
    EXPECT_EQ('R', setup_state.cd_drive);
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    EXPECT_TRUE(file_exists(std::string(temp) + "hsu_test_called.txt")) << "HSU function not called";

    // The removal entry.
    const std::string key = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Run Test";
    const std::string uninstaller = windows_dir() + "\\vel_UnIn.exe";
    EXPECT_EQ("Test Game", registry_value(HKEY_LOCAL_MACHINE, key, "DisplayName"));
    EXPECT_EQ(uninstaller + " -u" + install_dir + "UnInst.inf",
              registry_value(HKEY_LOCAL_MACHINE, key, "UninstallString"));
    EXPECT_TRUE(file_exists(uninstaller));

    // The whole log: every section, number and counter.
    char programs[512];
    DWORD size = sizeof programs;
    RegGetValueA(HKEY_CURRENT_USER,
                 "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 "Programs", RRF_RT_REG_SZ, NULL, programs, &size);
    std::string group_folder = std::string(programs) + "\\" + group;
    EXPECT_EQ("[Run Test]\r\nVer=7\r\n"
              "[UnInst]\r\nPrg=Run Test\r\nItems=13\r\nUserItems=0\r\n"
              "[Path]\r\n0=" + install_dir + "\r\n1=" + group_folder + "\r\n"
              "[ProgFiles]\r\n0=" + install_dir + "game.exe\r\n"
              "1=" + system_dir() + "\\dx" + tag + ".dll\r\n"
              "2=" + system_dir() + "\\hsu" + tag + ".dll\r\n"
              "[Files]\r\n0=" + install_dir + "readme.txt\r\n1=" + install_dir + "liesmich.txt\r\n"
              "2=" + install_dir + "scores.dat\r\n3=" + install_dir + "a.dat\r\n"
              "4=" + install_dir + "cdfile.dat\r\n5=" + install_dir + "later.txt\r\n"
              "6=" + group_folder + "\\readme.lnk\r\n7=" + group_folder + "\\liesmich.lnk\r\n"
              "8=" + group_folder + "\\Test Game.lnk\r\n"
              "[RegKeys]\r\n0=HKLM\\" + key + "\r\n"
              "[UserFile]\r\n0=" + install_dir + "scores.dat\r\n1=" + install_dir + "*.sav\r\n",
              log_text());

    // Progress only ever grows, to at most 100 percent.
    const std::vector<unsigned>& shown = page.progress()->percentages;
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(0u, shown.front());
    for (size_t i = 1; i < shown.size(); ++i)
        EXPECT_LE(shown[i - 1], shown[i]);
    EXPECT_LE(shown.back(), 100u);

    for (const char* name : {"readme.lnk", "liesmich.lnk", "Test Game.lnk"})
        if (wait_for_file(group_folder + "\\" + name, 15000))
            DeleteFileA((group_folder + "\\" + name).c_str());
    RemoveDirectoryA(group_folder.c_str());
}

TEST_F(CopyRun, SettingsAreKeptUnlessTheUserSaysYes)
{
    product("[CRTDISK1]\r\n?scores.dat\r\n", "");
    CreateDirectoryA(install_dir.c_str(), NULL);
    write_text(install_dir + "scores.dat", "high scores");
    TestPage page;
    ScriptedAnswers script;
    script.answers = {IDNO};
    ASSERT_TRUE(copy_run(page.window(), 0));
    EXPECT_EQ("high scores", file_text(install_dir + "scores.dat"));
    ASSERT_FALSE(script.shown.empty());
    EXPECT_EQ("Should I overwrite your old settings (HiScores, Sceneries, etc)?", script.shown[0].text);
    EXPECT_EQ(install_dir + "scores.dat", script.shown[0].title);
    EXPECT_EQ(unsigned(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), script.shown[0].flags);

    script.shown.clear();
    script.answers = {IDYES};
    ASSERT_TRUE(copy_run(page.window(), 0));
    EXPECT_EQ("new scores.dat", file_text(install_dir + "scores.dat"));
}

TEST_F(CopyRun, FailedDirectXFileGivesUpTheOthers)
{
    product("[CRTDISK1]\r\n~missing" + tag + ".dll\r\n~dx2" + tag + ".dll\r\n~~hsu" + tag + ".dll\r\n",
            "[Setup]\r\nDirectX=1\r\nHSU=1\r\n");
    write_text(source + "dx2" + tag + ".dll", "second");
    TestPage page;
    ScriptedAnswers script;
    ASSERT_TRUE(copy_run(page.window(), 0));
    EXPECT_FALSE(file_exists(system_dir() + "\\dx2" + tag + ".dll"));
    EXPECT_TRUE(file_exists(system_dir() + "\\hsu" + tag + ".dll")); // governed by HSU
    EXPECT_EQ(0, setup_state.directx_flag);
    EXPECT_TRUE(script.shown.empty()); // quiet: no disk prompt for system files
}

TEST_F(CopyRun, CancelStopsTheRunAndKeepsWhatWasRecorded)
{
    product("[CRTDISK1]\r\nreadme.txt\r\nmissing.txt\r\nlater.txt\r\n", "");
    TestPage page;
    ScriptedAnswers script;
    script.answers = {IDCANCEL, IDOK};
    EXPECT_FALSE(copy_run(page.window(), 0));
    ASSERT_EQ(2u, script.shown.size());
    EXPECT_EQ("Please insert the specified disk!", script.shown[0].text);
    EXPECT_EQ("Programm Diskette", script.shown[0].title);
    EXPECT_EQ("The installation has been interrupted!", script.shown[1].text);
    EXPECT_EQ(install_dir + "readme.txt", log("Files", "0"));
    EXPECT_EQ("<missing>", log("Files", "1"));
    EXPECT_FALSE(file_exists(install_dir + "later.txt"));
    EXPECT_STREQ("", setup_state.uninstall_log_path);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page.window(), 128)));
}

TEST_F(CopyRun, CdPromptUntilTheCdIsThere)
{
    product("[CRTDISK1]\r\n^X:\\run" + tag + "\\late.dat-x-late.dat\r\n", "");
    TestPage page;
    ScriptedAnswers script;
    script.respond = [&](const ScriptedAnswers::Shown& shown) {
        EXPECT_EQ("Please insert your CD!", shown.text);
        EXPECT_EQ("", shown.title);
        EXPECT_EQ(unsigned(MB_OKCANCEL | MB_ICONHAND), shown.flags);
        write_text(cd_folder + "\\late.dat", "late CD"); // the user inserts the CD
        return INT_PTR(IDOK);
    };
    ASSERT_TRUE(copy_run(page.window(), 0));
    EXPECT_EQ(1u, script.shown.size());
    EXPECT_EQ("late CD", file_text(install_dir + "late.dat"));

    DeleteFileA((cd_folder + "\\late.dat").c_str());
    script.respond = nullptr;
    script.answers = {IDCANCEL, IDOK};
    EXPECT_FALSE(copy_run(page.window(), 0));
    EXPECT_EQ("The installation has been interrupted!", script.shown.back().text);
}

TEST_F(CopyRun, SpaceCheckAbortRetryIgnore)
{
    product("[CRTDISK1]\r\nreadme.txt\r\n", "");
    setup_state.required_space = 0xFFFFFFFFu; // more than any disk holds
    TestPage page;
    ScriptedAnswers script;
    script.answers = {IDRETRY, IDABORT};
    EXPECT_FALSE(copy_run(page.window(), 0));
    ASSERT_EQ(2u, script.shown.size());
    EXPECT_EQ("The harddisk is full! Free some space and try it again!", script.shown[0].text);
    EXPECT_FALSE(file_exists(install_dir + "readme.txt"));
    script.answers = {IDCANCEL}; // Escape: no Cancel button, but never a Retry
    EXPECT_FALSE(copy_run(page.window(), 0));
    script.answers = {IDIGNORE};
    EXPECT_TRUE(copy_run(page.window(), 0));
    EXPECT_TRUE(file_exists(install_dir + "readme.txt"));
}

TEST_F(CopyRun, DamagedDiskCountEndsInTime)
{
    // Two thousand million sections would keep the run busy for ever.
    product("[CRTDISK1]\r\nreadme.txt\r\n", "");
    write_text(source + "game.ini", "[Run Test]\r\nDSK=CRT\r\n[CRTDISKS]\r\nVersion=7\r\nfree1=10\r\n"
                                    "disks=2000000000\r\n[CRTDISK1]\r\nreadme.txt\r\n");
    profile_release_all();
    TestPage page;
    DWORD start = GetTickCount();
    EXPECT_TRUE(copy_run(page.window(), 0));
    EXPECT_LT(GetTickCount() - start, 60000u);
    EXPECT_TRUE(file_exists(install_dir + "readme.txt"));
}

TEST_F(CopyRun, UninstallerLeavesThePayloadBehind)
{
    const Bytes program = read_file(setup_exe_path());
    ASSERT_FALSE(program.empty());
    Bytes single_file = program;
    append_payload_record(&single_file, 1, "Install.ini", to_bytes("[DISKS]\r\n"), 9);
    append_payload_record(&single_file, 1, "big.dat", Bytes(300000, 'p'), 300000);
    append_payload_record(&single_file, 4, "", Bytes(), 0);
    write_file(folder.path("setup.exe"), single_file);
    ASSERT_EQ(0, payload_scan_file(folder.path("setup.exe").c_str()));

    const std::string target = folder.path("vel_UnIn.exe");
    ASSERT_TRUE(copy_uninstaller(target.c_str()));
    EXPECT_EQ(program, read_file(target));
    payload_release();

    std::string output;
    BoxReply reply("", IDOK); // message 200 has no title
    EXPECT_EQ(1, run_program("\"" + target + "\" -uC:\\nowhere\\UnInst.inf", &output, 60000,
                             &reply));
    EXPECT_EQ(0u, reply.text.find("No uninstall information found!")) << reply.text;
}

} // namespace
