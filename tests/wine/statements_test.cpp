// Product sections of Install.ini: classification, the proposed directory,
// command lines, the single-file kinds, add-on files and the completion records.
#include <gtest/gtest.h>

#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "install/file_copy.h"
#include "install/statements.h"
#include "install/uninstall_log.h"
#include "wine_test_support.h"

namespace {

const char* const SCRIPT =
    "[Game]\r\nPATH=game\r\nINI=game.ini\r\nAPP=Zorbelin 96\r\nLAN=zorb.cfg\r\n"
    "[Broken]\r\nINI=broken.ini\r\n"
    "[Exe]\r\nEXE=%[zzz %%readme.txt\r\n"
    "[NoProgram]\r\nEXE=no_such_program.exe /x\r\n"
    "[Tool]\r\nPATH=tools\r\nCPEX=tool.exe\r\n"
    "[Copy]\r\nPATH=tools\r\nCOM=Copy the data\r\nCOPY=big.dat\r\n"
    "[Both]\r\nPATH=tools\r\nCOM=Both\r\nCPEX=tool.exe\r\nCOPY=big.dat\r\n"
    "[Missing]\r\nCOM=Missing\r\nCOPY=nothere.dat\r\n"
    "[Locate]\r\nFIND=zorbelin.exe\r\nAPP=Zorbelin 96\r\n"
    "[Dest]\r\nDEST=D:\\Games\r\n"
    "[Scenes]\r\nPATH=scenes\r\nADDI=zorb.cfg\r\nADDK=Sceneries\r\nADDF=%%scen\\%s.sce\r\n"
    "COPY=*.scn\r\nADDX=List\r\nList=0 1 2 3 4\r\n"
    "[Plain]\r\nPATH=scenes\r\nADDI=zorb.cfg\r\nADDK=Sceneries\r\nCOPY=*.scn\r\n"
    "[Registry]\r\nUSR=HKCU\\Software\\VelmoraTests\\Usr~Level~3~x\r\n"
    "[BadRegistry]\r\nUSR=HKCU\\Software\\VelmoraTests\\Usr~Only\r\n";

class Statements : public testing::Test {
protected:
    void SetUp() override
    {
        payload_release();
        profile_release_all();
        std::string root = folder.root() + "\\";
        text_copy(setup_state.program_dir, sizeof setup_state.program_dir, root.c_str());
        text_copy(setup_state.script_path, sizeof setup_state.script_path,
                  folder.path("Install.ini").c_str());
        write_text(folder.path("Install.ini"), SCRIPT);
        create_directory_path(folder.path("game").c_str());
        write_text(folder.path("game\\game.ini"),
                   "[Game]\r\nDSK=ZOR\r\n[ZORDISKS]\r\nVersion=100\r\nfree1=20\r\n"
                   "[Setup]\r\nDirectX=1\r\nHSU=0\r\n");
        write_text(folder.path("broken.ini"), "[Broken]\r\nDSK=B\r\n[BDISKS]\r\nVersion=0\r\nfree1=5\r\n");
        create_directory_path(folder.path("tools").c_str());
        write_file(folder.path("tools\\tool.exe"), Bytes(40000, 't'));
        write_file(folder.path("tools\\big.dat"), Bytes(100000, 'b'));
        create_directory_path(folder.path("scenes").c_str());
        write_text(folder.path("scenes\\alps.scn"), "alps");
        write_text(folder.path("scenes\\coast.scn"), "coast");
        install_dir = folder.path("target") + "\\";
        create_directory_path(install_dir.c_str());
        text_copy(setup_state.install_dir, sizeof setup_state.install_dir, install_dir.c_str());
        setup_state.single_product = 0;
        setup_state.installed_count = 0;
    }
    void TearDown() override
    {
        uninstall_log_close();
        profile_release_all();
        setup_state.language[0] = '\0';
    }
    void use_product(const char* section)
    {
        text_copy(setup_state.section_name, sizeof setup_state.section_name, section);
    }
    int classify(const char* section, ProductClassification* result)
    {
        use_product(section);
        return classify_product(result);
    }

    ScratchFolder folder;
    std::string install_dir;
    ProductClassification result;
};

TEST_F(Statements, CopyRunProductReadsItsDiskDescriptionFile)
{
    ASSERT_TRUE(classify("Game", &result));
    EXPECT_EQ(unsigned(PRODUCT_COPY_RUN), setup_state.product_kind);
    EXPECT_EQ(folder.path("game") + "\\", setup_state.source_dir);
    EXPECT_EQ(folder.path("game\\game.ini"), setup_state.disk_file);
    EXPECT_STREQ("ZOR", setup_state.disk_set);
    EXPECT_EQ(100, setup_state.product_version);
    EXPECT_EQ(20u, setup_state.required_space);
    EXPECT_EQ(1, setup_state.directx_flag);
    EXPECT_EQ(0, setup_state.hsu_flag);
    EXPECT_TRUE(result.has_disk_file);
    EXPECT_TRUE(result.show_program_group); // PM defaults to 3

    setup_state.single_product = 1; // the script itself is the disk description file
    ScriptedAnswers script;
    EXPECT_FALSE(classify("Game", &result)); // and holds no disk set for this product
    EXPECT_EQ(folder.path("Install.ini"), setup_state.disk_file);
}

TEST_F(Statements, FatalClassificationFaults)
{
    ScriptedAnswers script;
    EXPECT_FALSE(classify("Broken", &result));
    EXPECT_FALSE(classify("Missing", &result));
    ASSERT_EQ(2u, script.shown.size());
    EXPECT_EQ("The files on the disk are incomplete! I cannot continue!", script.shown[0].text);
    EXPECT_EQ(folder.path("nothere.dat"), script.shown[1].text);
    EXPECT_EQ("Cannot open file!", script.shown[1].title);
    EXPECT_EQ(unsigned(MB_ICONHAND), script.shown[1].flags);
}

TEST_F(Statements, KindsFromTheStatements)
{
    struct Case {
        const char* section;
        unsigned kind;
        unsigned required_space;
    } cases[] = {
        {"Exe", PRODUCT_EXECUTE, 0},
        {"Tool", PRODUCT_COPY_FIRST | PRODUCT_EXECUTE, 2},  // 40,000 bytes
        {"Copy", PRODUCT_COPY_FILE, 6},                     // 100,000 bytes: 96 KB
        {"Both", PRODUCT_COPY_FILE, 6},                     // COM wins over CPEX
        {"Scenes", PRODUCT_ADD_FILES, 0},
    };
    for (const Case& c : cases) {
        setup_state.required_space = 0;
        ASSERT_TRUE(classify(c.section, &result)) << c.section;
        EXPECT_EQ(c.kind, setup_state.product_kind) << c.section;
        EXPECT_EQ(c.required_space, setup_state.required_space) << c.section;
        EXPECT_FALSE(result.has_disk_file) << c.section;
    }

    ASSERT_TRUE(classify("Locate", &result));
    EXPECT_EQ(unsigned(PRODUCT_LOCATE), setup_state.product_kind);
    EXPECT_FALSE(result.locate_found);
    write_text(install_dir + "zorbelin.exe", "x");
    ASSERT_TRUE(classify("Locate", &result));
    EXPECT_TRUE(result.locate_found);
}

TEST_F(Statements, FileToCopyMayBeAPayloadMember)
{
    // A single-file setup: the COM file exists only inside the executable.
    Bytes exe(100, 'M');
    append_payload_record(&exe, 1, "packed.dat", Bytes(40000, 'p'), 70000);
    append_payload_record(&exe, 4, "", Bytes(), 0);
    write_file(folder.path("setup.exe"), exe);
    ASSERT_EQ(0, payload_scan_file(folder.path("setup.exe").c_str()));
    write_text(folder.path("Install.ini"), "[Member]\r\nCOM=From the payload\r\nCOPY=packed.dat\r\n");
    profile_release_all();
    ASSERT_TRUE(classify("Member", &result));
    EXPECT_EQ(unsigned(PRODUCT_COPY_FILE), setup_state.product_kind);
    EXPECT_EQ(4u, setup_state.required_space); // 70,000 expanded bytes
    payload_release();
}

TEST_F(Statements, ProposedInstallDirectory)
{
    char program_files[MAX_PATH];
    DWORD size = sizeof program_files;
    RegGetValueA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                 "ProgramFilesDir", RRF_RT_REG_SZ, NULL, program_files, &size);
    char proposed[512];
    use_product("Game");
    propose_install_dir(proposed, sizeof proposed);
    EXPECT_EQ(std::string(program_files) + "\\Zorbelin 96", proposed);
    use_product("Exe");
    propose_install_dir(proposed, sizeof proposed);
    EXPECT_EQ(std::string(program_files) + "\\Zorbelin.96", proposed);
    use_product("Dest");
    propose_install_dir(proposed, sizeof proposed);
    EXPECT_STREQ("D:\\Games\\", proposed);
    use_product("Copy");
    propose_install_dir(proposed, sizeof proposed);
    EXPECT_STREQ("a:\\", proposed);
}

TEST_F(Statements, CommandLinesUseRegisteredPrograms)
{
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CLASSES_ROOT, ".zzz", &key));
    RegSetValueExA(key, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>("ZzzTestFile"), 12);
    RegCloseKey(key);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_CLASSES_ROOT, "ZzzTestFile\\shell\\open\\command", &key));
    const char command[] = "\"C:\\Program Files\\Zzz\\zzz.exe\" \"%1\"";
    RegSetValueExA(key, NULL, 0, REG_SZ, reinterpret_cast<const BYTE*>(command), sizeof command);
    RegCloseKey(key);

    ASSERT_TRUE(classify("Exe", &result));
    char line[512];
    expand_command_line("%[zzz %%readme.txt", line, sizeof line);
    EXPECT_EQ("C:\\Program Files\\Zzz\\zzz.exe " + folder.root() + "\\readme.txt", line);
    expand_command_line("%[yyy rest", line, sizeof line);
    EXPECT_STREQ(" rest", line);
    RegDeleteTreeA(HKEY_CLASSES_ROOT, ".zzz");
    RegDeleteTreeA(HKEY_CLASSES_ROOT, "ZzzTestFile");

    ScriptedAnswers script;
    ASSERT_TRUE(classify("NoProgram", &result));
    EXPECT_FALSE(run_command_statement());
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("Cannot execute external install program!", script.shown[0].text);
    EXPECT_EQ("no_such_program.exe /x", script.shown[0].title);
}

TEST_F(Statements, SingleFileKindsCopyIntoTheInstallDirectory)
{
    ProgressRecorder progress;
    ASSERT_TRUE(classify("Copy", &result));
    EXPECT_TRUE(copy_single_file(progress.window()));
    EXPECT_EQ(100000u, read_file(install_dir + "big.dat").size());
    EXPECT_EQ(100u, progress.percentages.back());

    ASSERT_TRUE(classify("Tool", &result));
    EXPECT_TRUE(copy_and_start(progress.window())); // the copy is no program: its start fails unseen
    EXPECT_EQ(40000u, read_file(install_dir + "tool.exe").size());
}

TEST_F(Statements, AddedFilesGetEntriesThatNeverOverwrite)
{
    const std::string settings = install_dir + "zorb.cfg";
    write_text(settings, "[Sceneries]\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n4=e\r\n");
    write_text(install_dir + "coast.scn", "already there");
    ProgressRecorder progress;
    ASSERT_TRUE(classify("Scenes", &result));
    EXPECT_EQ(1, add_files(progress.window()));
    EXPECT_EQ(install_dir + "scen\\alps.sce", profile_value(settings, "Sceneries", "5"));
    EXPECT_EQ("0 1 2 3 4 5", profile_value(settings, "Sceneries", "List"));
    EXPECT_EQ("already there", file_text(install_dir + "coast.scn"));
    EXPECT_EQ(100u * 2 / 60, progress.percentages.back()); // two names met, of 60 steps
    EXPECT_STREQ("", setup_state.uninstall_log_path);        // the log is closed again
    const std::string log = install_dir + "UnInst.inf";
    EXPECT_EQ(install_dir, profile_value(log, "Path", "0"));
    EXPECT_EQ(install_dir + "alps.scn", profile_value(log, "Files", "0"));
    EXPECT_EQ("Scenes", profile_value(log, "UnInst", "Prg"));
}

TEST_F(Statements, FullNumberRangeTakesTheNextFreeNumber)
{
    const std::string settings = install_dir + "zorb.cfg";
    std::string entries = "[Sceneries]\r\n";
    for (int i = 0; i < 100; ++i)
        entries += std::to_string(i) + "=taken\r\n";
    write_text(settings, entries);
    ASSERT_TRUE(classify("Scenes", &result));
    EXPECT_EQ(2, add_files(NULL));
    EXPECT_EQ("taken", profile_value(settings, "Sceneries", "99"));
    EXPECT_NE("<missing>", profile_value(settings, "Sceneries", "100"));
    EXPECT_NE("<missing>", profile_value(settings, "Sceneries", "101"));
}

TEST_F(Statements, EmptyEntryFormatOnlyCopies)
{
    ASSERT_TRUE(classify("Plain", &result));
    EXPECT_EQ(2, add_files(NULL));
    EXPECT_TRUE(file_exists((install_dir + "alps.scn").c_str()));
    EXPECT_FALSE(file_exists((install_dir + "zorb.cfg").c_str()));
}

TEST_F(Statements, RegistryStatementAndCompletionRecords)
{
    use_product("Registry");
    EXPECT_TRUE(write_registry_statement());
    EXPECT_EQ("3~x", registry_value(HKEY_CURRENT_USER, "Software\\VelmoraTests\\Usr", "Level"));
    use_product("BadRegistry");
    EXPECT_FALSE(write_registry_statement());
    EXPECT_EQ("<missing>", registry_value(HKEY_CURRENT_USER, "Software\\VelmoraTests\\Usr", "Only"));
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\VelmoraTests\\Usr");

    ASSERT_TRUE(classify("Game", &result));
    text_copy(setup_state.language, sizeof setup_state.language, "Deutsch");
    write_completion_records(0);
    EXPECT_EQ(install_dir, registry_value(HKEY_CURRENT_USER, "Software\\Velmora\\Zorbelin 96", "InstallDir"));
    EXPECT_EQ("Deutsch", profile_value(install_dir + "zorb.cfg", "Language", "Language"));
    ASSERT_EQ(1, setup_state.installed_count);
    EXPECT_EQ(0, setup_state.installed_products[0]);

    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Velmora\\Zorbelin.96");
    ASSERT_TRUE(classify("Exe", &result));
    write_completion_records(2); // no disk file, no added files: no InstallDir
    EXPECT_EQ("<missing>", registry_value(HKEY_CURRENT_USER, "Software\\Velmora\\Zorbelin.96", "InstallDir"));
    EXPECT_EQ(2, setup_state.installed_products[1]);
}

} // namespace
