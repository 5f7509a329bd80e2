// The Program Manager conversation with Wine's shell under Xvfb: the group's
// shortcut files really appear, are recorded, and the desktop gets its copy.
#include <gtest/gtest.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "install/program_group.h"
#include "install/registry.h"
#include "install/uninstall_log.h"
#include "wine_test_support.h"

namespace {

const char* const SHELL_FOLDERS =
    "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string shell_folder(const char* name)
{
    char value[512];
    reg_get_string(SHELL_FOLDERS, name, "", value, sizeof value);
    std::string folder = value;
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

class ProgramGroup : public testing::Test {
protected:
    void SetUp() override
    {
        install_dir = folder.root() + "\\";
        text_copy(setup_state.install_dir, sizeof setup_state.install_dir, install_dir.c_str());
        text_copy(setup_state.script_path, sizeof setup_state.script_path,
                  folder.path("Install.ini").c_str());
        write_text(folder.path("Install.ini"), "[Group Test]\r\nAPP=Group Game\r\nPRG=game.exe\r\n");
        text_copy(setup_state.section_name, sizeof setup_state.section_name, "Group Test");
        for (const char* name : {"game.exe", "readme.txt", "liesmich.txt"})
            write_text(folder.path(name), "x");
        group = "Velmora Test " + std::to_string(GetCurrentProcessId());
        text_copy(setup_state.program_group, sizeof setup_state.program_group, group.c_str());
        group_folder = shell_folder("Programs") + group;
        uninstall_log_open(install_dir.c_str(), "Group Test", 1);
    }
    void TearDown() override
    {
        uninstall_log_close();
        for (const char* name : {"readme.lnk", "liesmich.lnk", "Group Game.lnk"})
            DeleteFileA((group_folder + "\\" + name).c_str());
        RemoveDirectoryA(group_folder.c_str());
        DeleteFileA((shell_folder("Desktop") + "Group Game.lnk").c_str());
    }
    std::string log(const char* section, const char* key)
    {
        return profile_value(install_dir + "UnInst.inf", section, key);
    }

    ScratchFolder folder;
    std::string install_dir, group, group_folder;
};

TEST_F(ProgramGroup, ShellMakesTheGroupAndTheDesktopShortcut)
{
    ASSERT_NE("", shell_folder("Programs"));
    TestPage page;
    ScriptedAnswers script;
    // Should the shell be slower than the program's own pauses, the disk prompt
    // of the desktop copy comes up: the "user" waits for the file, then says OK.
    script.respond = [&](const ScriptedAnswers::Shown&) {
        return wait_for_file(group_folder + "\\Group Game.lnk", 10000) ? INT_PTR(IDOK)
                                                                         : INT_PTR(IDCANCEL);
    };
    make_program_group(page.window(), 1);
    ASSERT_NE(nullptr, setup_state.dde_partner) << "no window answered for PROGMAN";

    for (const char* name : {"Group Game.lnk", "readme.lnk", "liesmich.lnk"})
        EXPECT_TRUE(wait_for_file(group_folder + "\\" + name, 15000)) << name;
    EXPECT_TRUE(file_exists(shell_folder("Desktop") + "Group Game.lnk"));

    EXPECT_EQ(group_folder, log("Path", "0"));
    EXPECT_EQ(group_folder + "\\readme.lnk", log("Files", "0"));
    EXPECT_EQ(group_folder + "\\liesmich.lnk", log("Files", "1"));
    EXPECT_EQ(group_folder + "\\Group Game.lnk", log("Files", "2"));
    EXPECT_EQ(shell_folder("Desktop") + "Group Game.lnk", log("Files", "3"));
}

TEST_F(ProgramGroup, WithoutTheDesktopChoiceNothingGoesToTheDesktop)
{
    TestPage page;
    make_program_group(page.window(), 0);
    EXPECT_TRUE(wait_for_file(group_folder + "\\Group Game.lnk", 15000));
    EXPECT_EQ(group_folder + "\\Group Game.lnk", log("Files", "2"));
    EXPECT_EQ("<missing>", log("Files", "3"));
    EXPECT_FALSE(file_exists(shell_folder("Desktop") + "Group Game.lnk"));
}

} // namespace
