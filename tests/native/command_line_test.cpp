#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/command_line.h"
#include "app/module_directory.h"

namespace {

struct CommandLineCase {
    const char* command_line;
    bool verbose;
    const char* uninstall_path; // null: install mode
};

const CommandLineCase command_line_cases[] = {
    {"-V", true, nullptr},
    {"v", true, nullptr},
    {"-v ", false, nullptr},
    {"", false, nullptr},
    {"-v -uC:\\X\\UnInst.inf", false, "C:\\X\\UnInst.inf"},
    {"-uC:\\Games\\Demo\\UnInst.inf", false, "C:\\Games\\Demo\\UnInst.inf"},
    {"-UD:\\A b\\UnInst.inf", false, "D:\\A b\\UnInst.inf"},
    {"-u C:\\X\\UnInst.inf", false, nullptr},
    {"-uUnInst.inf", false, nullptr},
    {"-u\\\\server\\x", false, nullptr},
    {"x -uC:\\A\\UnInst.inf -uD:\\B\\UnInst.inf", false, "C:\\A\\UnInst.inf -uD:\\B\\UnInst.inf"},
    {"\"-uC:\\Q\\UnInst.inf\"", false, "C:\\Q\\UnInst.inf\""},
    {"-u", false, nullptr},
    {"-uC", false, nullptr},
    {"-uC:", false, nullptr},
};

TEST(CommandLine, VerboseAndUninstallOptions)
{
    for (const CommandLineCase& c : command_line_cases) {
        SCOPED_TRACE(c.command_line);
        EXPECT_EQ(c.verbose, command_line_is_verbose(c.command_line) != 0);
        char path[512] = "";
        int found = command_line_uninstall_path(c.command_line, path, sizeof path);
        if (c.uninstall_path) {
            EXPECT_TRUE(found);
            EXPECT_STREQ(c.uninstall_path, path);
        } else {
            EXPECT_FALSE(found);
            EXPECT_STREQ("", path);
        }
    }
}

TEST(CommandLine, OverlongUninstallPathIsCutToTheField)
{
    std::string line = "-uC:\\" + std::string(600, 'a');
    char path[512];
    memset(path, 'x', sizeof path);
    ASSERT_TRUE(command_line_uninstall_path(line.c_str(), path, sizeof path));
    EXPECT_EQ(511u, strlen(path));
}

TEST(ProgramPath, JoinsTheModuleDirectoryWithAName)
{
    struct Case {
        const char* module;
        const char* file;
        const char* expected;
    } cases[] = {
        {"C:\\SETUP\\SETUP.EXE", "Install.ini", "C:\\SETUP\\Install.ini"},
        {"C:\\SETUP\\SETUP.EXE", "", "C:\\SETUP\\"},
        {"A:SETUP.EXE", "x", "A:x"},
        {"\\SETUP.EXE", "x", "x"}, // the first character is never a separator
        {"SETUP.EXE", "x", "x"},
        {"", "Install.ini", "Install.ini"},
    };
    for (const Case& c : cases) {
        char dest[512];
        program_path_join(c.module, c.file, dest, sizeof dest);
        EXPECT_STREQ(c.expected, dest) << c.module;
    }
    char small[8];
    program_path_join("C:\\SETUP\\SETUP.EXE", "Install.ini", small, sizeof small);
    EXPECT_STREQ("C:\\SETU", small);
}

} // namespace
