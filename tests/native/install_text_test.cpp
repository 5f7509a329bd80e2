#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

#include "install/file_entry.h"
#include "install/file_names.h"
#include "install/log_records.h"
#include "install/progress.h"
#include "install/registry_path.h"
#include "install/statement_text.h"

namespace {

TEST(RegistryPath, RootAndSubkey)
{
    struct Case {
        const char* path;
        RegistryRoot root;
        const char* subkey;
    } cases[] = {
        {"HKLM\\SOFTWARE\\Microsoft", REGISTRY_ROOT_HKLM, "SOFTWARE\\Microsoft"},
        {"hkcu\\Software\\Velmora", REGISTRY_ROOT_HKCU, "Software\\Velmora"},
        {"HkCr\\.txt", REGISTRY_ROOT_HKCR, ".txt"},
        {"HKCC/System", REGISTRY_ROOT_HKCC, "System"}, // the fifth character is not looked at
        {"HKCU\\", REGISTRY_ROOT_HKCU, ""},
        {"HKU\\.DEFAULT", REGISTRY_ROOT_NONE, nullptr},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE", REGISTRY_ROOT_NONE, nullptr},
        {"HKLM", REGISTRY_ROOT_NONE, nullptr},
        {"", REGISTRY_ROOT_NONE, nullptr},
    };
    for (const Case& c : cases) {
        const char* subkey = nullptr;
        EXPECT_EQ(c.root, registry_path_split(c.path, &subkey)) << c.path;
        if (c.subkey)
            EXPECT_STREQ(c.subkey, subkey) << c.path;
    }
}

TEST(LogRecords, TypesMapToSections)
{
    struct Case {
        int type;
        const char* text;
        const char* section;
    } cases[] = {
        {0, "C:\\X\\", "Path"},
        {1, "C:\\X\\SETUP.EXE", "ProgFiles"},
        {1, "C:\\X\\SOUND.DRV", "ProgFiles"},
        {1, "C:\\X\\a.dll", "ProgFiles"},
        {1, "C:\\X\\NOTEXE", "ProgFiles"}, // only the last three characters count
        {1, "C:\\X\\README.TXT", "Files"},
        {1, "ex", "Files"},
        {2, "C:\\X\\README.TXT", "ProgFiles"},
        {3, "C:\\X\\a.ini*S*K", "IniFile"},
        {4, "HKLM\\SOFTWARE\\X", "RegKeys"},
        {5, "HKLM\\SOFTWARE\\X\\V", "RegValue"},
        {16, "C:\\X\\*.sav", "UserFile"},
        {17, "C:\\X\\SAVE", "UserPath"},
        {18, "HKCU\\Software\\X", "UserRegKeys"},
        {19, "HKCU\\Software\\X\\V", "UserRegValue"},
        {6, "x", nullptr},
        {15, "x", nullptr},
        {20, "x", nullptr},
        {-1, "x", nullptr},
    };
    for (const Case& c : cases) {
        const char* section = log_section_for_record(c.type, c.text);
        if (c.section)
            EXPECT_STREQ(c.section, section) << c.type << " " << c.text;
        else
            EXPECT_EQ(nullptr, section) << c.type;
    }
    EXPECT_FALSE(log_record_is_user(5));
    EXPECT_TRUE(log_record_is_user(16));
}

TEST(FileNames, CompressedNamesAndDirectories)
{
    struct Case {
        const char* path;
        const char* compressed;
    } cases[] = {
        {"A:\\GAME.EXE", "A:\\GAME.EX_"},
        {"A:\\readme.tx", "A:\\readme.tx_"},
        {"A:\\DIR.X\\MAKEFILE", "A:\\DIR.X\\MAKEFILE._"},
        {"A:\\a.tar.gz", "A:\\a.tar.g_"},
    };
    char dest[64];
    for (const Case& c : cases) {
        compressed_file_name(c.path, dest, sizeof dest);
        EXPECT_STREQ(c.compressed, dest) << c.path;
    }
    directory_of("C:\\GAMES\\X.DAT", dest, sizeof dest);
    EXPECT_STREQ("C:\\GAMES\\", dest);
    directory_of("X.DAT", dest, sizeof dest);
    EXPECT_STREQ("", dest);
    strcpy(dest, "a:");
    add_trailing_backslash(dest, sizeof dest);
    EXPECT_STREQ("a:\\", dest);
    add_trailing_backslash(dest, sizeof dest);
    EXPECT_STREQ("a:\\", dest);
}

TEST(Progress, PercentIsCappedAndSafe)
{
    EXPECT_EQ(0u, progress_percent(0, 50));
    EXPECT_EQ(50u, progress_percent(25, 50));
    EXPECT_EQ(100u, progress_percent(80, 50)); // total estimated too low
    EXPECT_EQ(100u, progress_percent(5, 0));
    EXPECT_EQ(50u, progress_percent(0x80000000u, 0xFFFFFFFEu)); // no overflow in count x 100
}

struct Registrations {
    std::map<std::string, std::string> commands;
};

int lookup(void* context, const char* extension, char* command, size_t size)
{
    const Registrations* registrations = static_cast<const Registrations*>(context);
    auto found = registrations->commands.find(extension);
    if (found == registrations->commands.end())
        return 0;
    snprintf(command, size, "%s", found->second.c_str());
    return 1;
}

TEST(CommandLineExpansion, SourceDirectoryAndRegisteredPrograms)
{
    Registrations registrations;
    registrations.commands["txt"] = "\"C:\\Program Files\\Edit\\edit.exe\" \"%1\"";
    registrations.commands["doc"] = "write.exe %1";
    struct Case {
        const char* value;
        const char* expected;
    } cases[] = {
        {"%%setup.exe /q", "A:\\DISK1\\setup.exe /q"},
        {"%[txt %%readme.txt", "C:\\Program Files\\Edit\\edit.exe A:\\DISK1\\readme.txt"},
        {"%[doc x", "write.exe x"},
        {"%[bmp rest", " rest"}, // nothing registered: nothing inserted
        {"100% sure", "100% sure"},
        {"%[tx", "%[tx"},         // too short: the text is kept, nothing read past its end
        {"%", "%"},
        {"%[", "%["},
    };
    for (const Case& c : cases) {
        char dest[512];
        expand_command_text(c.value, "A:\\DISK1\\", lookup, &registrations, dest, sizeof dest);
        EXPECT_STREQ(c.expected, dest) << c.value;
    }
    char small[8];
    EXPECT_EQ(7u, expand_command_text("%%x", "A:\\DISK1\\", lookup, &registrations, small,
                                      sizeof small));
    EXPECT_STREQ("A:\\DISK", small);
}

TEST(CommandLineExpansion, ProgramPartOfACommandTemplate)
{
    struct Case {
        const char* command;
        const char* program;
    } cases[] = {
        {"\"C:\\Program Files\\x.exe\" \"%1\"", "C:\\Program Files\\x.exe"},
        {"notepad.exe %1", "notepad.exe"},
        {"\"C:\\a b\\\"c\" d", "C:\\a b\\c"}, // a further quote only lowers the depth
        {"", ""},
    };
    for (const Case& c : cases) {
        char dest[300];
        command_program_part(c.command, dest, sizeof dest);
        EXPECT_STREQ(c.program, dest) << c.command;
    }
}

TEST(AddedEntries, FormatIsAppliedSafely)
{
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"%%scen\\%s.sce", "C:\\GAMES\\scen\\ALPS.sce"},
        {"%s", "ALPS"},
        {"%d %n %s", "%d %n ALPS"}, // no other conversion is ever applied
        {"", ""},
    };
    for (const Case& c : cases) {
        char dest[64];
        format_added_entry(c.format, "C:\\GAMES\\", "ALPS", dest, sizeof dest);
        EXPECT_STREQ(c.expected, dest) << c.format;
    }
}

TEST(RegistryStatement, SplitsAtTheFirstTwoTildes)
{
    char value[] = "HKCU\\Software\\X~Level~3~4";
    char *key, *name, *data;
    ASSERT_TRUE(split_registry_statement(value, &key, &name, &data));
    EXPECT_STREQ("HKCU\\Software\\X", key);
    EXPECT_STREQ("Level", name);
    EXPECT_STREQ("3~4", data);
    char one[] = "HKCU\\Software\\X~Level";
    EXPECT_FALSE(split_registry_statement(one, &key, &name, &data));
    EXPECT_STREQ("HKCU\\Software\\X~Level", one);
}

TEST(FileEntries, PrefixesAndFields)
{
    struct Case {
        const char* entry;
        int ask, cd, system, hsu;
        const char* source;
        const char* destination;
    } cases[] = {
        {"readme.txt", 0, 0, 0, 0, "readme.txt", "readme.txt"},
        {"?scores.dat", 1, 0, 0, 0, "scores.dat", "scores.dat"},
        {"~dxlib.dll", 0, 0, 1, 0, "dxlib.dll", "dxlib.dll"},
        {"~~hsu.dll", 0, 0, 1, 1, "hsu.dll", "hsu.dll"},
        {"prog.ex_-x-prog.exe", 0, 0, 0, 0, "prog.ex_", "prog.exe"},
        {"a.dat-x", 0, 0, 0, 0, "a.dat", "a.dat"},
        {"^D:\\DATA\\BIG.DAT-x-BIG.DAT", 0, 1, 0, 0, "D:\\DATA\\BIG.DAT", "BIG.DAT"},
        {"?^~~a-b-c-d", 1, 1, 1, 1, "a", "d"},
        {"~x~y", 0, 0, 1, 0, "x~y", "x~y"}, // a second '~' counts only right after the first
        {"", 0, 0, 0, 0, "", ""},
    };
    for (const Case& c : cases) {
        FileEntry entry;
        parse_file_entry(c.entry, &entry);
        EXPECT_EQ(c.ask, entry.ask_overwrite) << c.entry;
        EXPECT_EQ(c.cd, entry.from_cd) << c.entry;
        EXPECT_EQ(c.system, entry.system_dir) << c.entry;
        EXPECT_EQ(c.hsu, entry.hsu_only) << c.entry;
        EXPECT_STREQ(c.source, entry.source) << c.entry;
        EXPECT_STREQ(c.destination, entry.destination) << c.entry;
    }
}

TEST(CopyRunTexts, HsuCommands)
{
    HsuCommand command;
    build_hsu_command("@Init,%hsu.dll", "A:\\SRC\\", "C:\\WINDOWS\\SYSTEM", &command);
    EXPECT_TRUE(command.is_function);
    EXPECT_STREQ("Init", command.function);
    EXPECT_STREQ("A:\\SRC\\hsu.dll", command.library);
    build_hsu_command("@Run,~lib,x.dll", "A:\\", "C:\\SYS\\", &command);
    EXPECT_STREQ("Run", command.function);
    EXPECT_STREQ("C:\\SYS\\lib,x.dll", command.library); // only the first comma splits
    build_hsu_command("@Alone", "A:\\", "C:\\SYS", &command);
    EXPECT_STREQ("Alone", command.function);
    EXPECT_STREQ("", command.library);
    build_hsu_command("~setup.exe /q %x,y", "A:\\SRC\\", "C:\\SYS", &command);
    EXPECT_FALSE(command.is_function);
    EXPECT_STREQ("C:\\SYS\\setup.exe /q A:\\SRC\\x,y", command.text);
}

TEST(CopyRunTexts, ExternalSetupCommand)
{
    struct Case {
        const char* exec;
        const char* expected;
    } cases[] = {
        {"", ""},
        {"dxsetup.exe", "C:\\WINDOWS\\dxsetup.exe"},
        {"dxsetup.exe /i %", "C:\\WINDOWS\\dxsetup.exe /i A:\\SRC\\dx.inf"},
        {"dx.exe%", "C:\\WINDOWS\\dx.exe A:\\SRC\\dx.inf"},
    };
    for (const Case& c : cases) {
        char command[256];
        build_exec_command("C:\\WINDOWS", c.exec, "A:\\SRC\\", "dx.inf", command, sizeof command);
        EXPECT_STREQ(c.expected, command) << c.exec;
    }
}

TEST(ProgramGroup, CommandBlock)
{
    char block[2048];
    build_progman_commands("Games", "C:\\GAMES\\PUZZLE\\", "PUZZLE.EXE", "Puzzle", block, sizeof block);
    EXPECT_STREQ("[CreateGroup(\"Games\",0)][ShowGroup(\"Games\",1)]"
                 "[AddItem(\"C:\\GAMES\\PUZZLE\\PUZZLE.EXE\",\"Puzzle\")]"
                 "[AddItem(\"C:\\GAMES\\PUZZLE\\liesmich.txt\",Liesmich)]"
                 "[AddItem(\"C:\\GAMES\\PUZZLE\\readme.txt\",ReadMe)]",
                 block);
    char small[16];
    build_progman_commands("Games", "C:\\", "P.EXE", "P", small, sizeof small);
    EXPECT_EQ(15u, strlen(small));
}

} // namespace
