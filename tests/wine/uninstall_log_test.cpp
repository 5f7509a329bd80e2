// UnInst.inf written through the log operations and read back with the
// private-profile functions (and whole, where the order of lines matters).
#include <gtest/gtest.h>

#include <string>

#include "base/setup_state.h"
#include "install/uninstall_log.h"
#include "wine_test_support.h"

namespace {

class UninstallLog : public testing::Test {
protected:
    void TearDown() override { uninstall_log_close(); }
    std::string log_path() const { return folder.path("UnInst.inf"); }
    std::string value(const char* section, const char* key) const
    {
        return profile_value(log_path(), section, key);
    }
    std::string dir() const { return folder.root() + "\\"; }
    ScratchFolder folder;
};

TEST_F(UninstallLog, OneProductAsTheCopyRunRecordsIt)
{
    uninstall_log_open(folder.root().c_str(), "Puzzle", 3); // no trailing backslash
    EXPECT_EQ(log_path(), setup_state.uninstall_log_path);
    uninstall_log_record(LOG_PATH, "C:\\GAMES\\PUZZLE\\");
    uninstall_log_record(LOG_FILE, "C:\\GAMES\\PUZZLE\\PUZZLE.EXE");
    uninstall_log_record(LOG_FILE, "C:\\GAMES\\PUZZLE\\readme.txt");
    uninstall_log_record(LOG_REG_KEY, "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Puzzle");
    uninstall_log_record(LOG_PATH, "C:\\WINDOWS\\Start Menu\\Programs\\Games");
    uninstall_log_record(LOG_FILE, "C:\\WINDOWS\\Start Menu\\Programs\\Games\\readme.lnk");
    uninstall_log_record(LOG_USER_FILE, "C:\\GAMES\\PUZZLE\\*.sav");
    uninstall_log_close();
    uninstall_log_record(LOG_FILE, "C:\\after\\close.txt"); // nothing while closed

    EXPECT_EQ("[Puzzle]\r\n"
              "Ver=3\r\n"
              "[UnInst]\r\n"
              "Prg=Puzzle\r\n"
              "Items=4\r\n"
              "UserItems=-1\r\n"
              "[Path]\r\n"
              "0=C:\\GAMES\\PUZZLE\\\r\n"
              "1=C:\\WINDOWS\\Start Menu\\Programs\\Games\r\n"
              "[ProgFiles]\r\n"
              "0=C:\\GAMES\\PUZZLE\\PUZZLE.EXE\r\n"
              "[Files]\r\n"
              "0=C:\\GAMES\\PUZZLE\\readme.txt\r\n"
              "1=C:\\WINDOWS\\Start Menu\\Programs\\Games\\readme.lnk\r\n"
              "[RegKeys]\r\n"
              "0=HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Puzzle\r\n"
              "[UserFile]\r\n"
              "0=C:\\GAMES\\PUZZLE\\*.sav\r\n",
              file_text(log_path()));
}

TEST_F(UninstallLog, ProductsShareOneLog)
{
    uninstall_log_open(dir().c_str(), "Puzzle", 3);
    uninstall_log_record(LOG_FILE, "C:\\a.txt");
    uninstall_log_open(dir().c_str(), "Cards", 1);
    EXPECT_EQ("Puzzle||Cards", value("UnInst", "Prg"));
    uninstall_log_open(dir().c_str(), "Puzzle", 4); // again: listed once, new version
    EXPECT_EQ("Puzzle||Cards", value("UnInst", "Prg"));
    EXPECT_EQ("4", value("Puzzle", "Ver"));
    uninstall_log_record(LOG_FILE, "C:\\a.txt");
    EXPECT_EQ("C:\\a.txt", value("Files", "1"));
    EXPECT_EQ("0", value("UnInst", "Items")); // two general records

    uninstall_log_open(dir().c_str(), "Zero", 0);
    uninstall_log_open(dir().c_str(), "Zero", 0); // version 0 is never taken as listed
    EXPECT_EQ("Puzzle||Cards||Zero||Zero", value("UnInst", "Prg"));
}

TEST_F(UninstallLog, CountersShowItemsAtOnceAndTheirNumberOnClose)
{
    uninstall_log_open(dir().c_str(), "P", 1);
    uninstall_log_record(LOG_FILE, "C:\\a.txt");
    EXPECT_EQ("-1", value("UnInst", "Items")); // the log holds items from its first record on
    EXPECT_EQ("<missing>", value("UnInst", "UserItems"));
    uninstall_log_record(LOG_FILE, "C:\\b.txt");
    uninstall_log_record(LOG_USER_FILE, "C:\\c.sav");
    EXPECT_EQ("-1", value("UnInst", "UserItems"));
    uninstall_log_close();
    EXPECT_EQ("0", value("UnInst", "Items"));
    EXPECT_EQ("-1", value("UnInst", "UserItems"));
}

TEST_F(UninstallLog, LongProductListIsNeverCut)
{
    std::string expected;
    for (int i = 0; i < 11; ++i) {
        std::string name = "Product " + std::to_string(i) + " " + std::string(140, 'x');
        uninstall_log_open(dir().c_str(), name.c_str(), 1);
        expected += (i ? "||" : "") + name;
    }
    ASSERT_GT(expected.size(), 1023u);
    char prg[4096];
    GetPrivateProfileStringA("UnInst", "Prg", "", prg, sizeof prg, log_path().c_str());
    EXPECT_EQ(expected, prg);
}

TEST_F(UninstallLog, FreeNumbersAndEmptyTexts)
{
    // A log written earlier, with a hole at 2 (an empty value counts as free).
    write_text(log_path(), "[Files]\r\n0=a\r\n1=b\r\n2=\r\n3=d\r\n");
    uninstall_log_open(dir().c_str(), "P", 1);
    uninstall_log_record(LOG_FILE, "C:\\x1.txt");
    uninstall_log_record(LOG_FILE, "C:\\x2.txt");
    uninstall_log_record(LOG_FILE, "");
    uninstall_log_record(7, "C:\\unknown.txt");
    uninstall_log_close();
    EXPECT_EQ("C:\\x1.txt", value("Files", "2"));
    EXPECT_EQ("C:\\x2.txt", value("Files", "4"));
    EXPECT_EQ("<missing>", value("Files", "5"));
    EXPECT_EQ("0", value("UnInst", "Items"));
    EXPECT_EQ("<missing>", value("UnInst", "UserItems"));
}

TEST_F(UninstallLog, EveryRecordTypeFindsItsSection)
{
    uninstall_log_open(dir().c_str(), "P", 1);
    const struct {
        int type;
        const char* section;
    } records[] = {{0, "Path"},     {1, "Files"},        {2, "ProgFiles"},   {3, "IniFile"},
                   {4, "RegKeys"},  {5, "RegValue"},     {16, "UserFile"},   {17, "UserPath"},
                   {18, "UserRegKeys"}, {19, "UserRegValue"}};
    for (const auto& record : records)
        uninstall_log_record(record.type, (std::string("text of ") + record.section).c_str());
    uninstall_log_close();
    for (const auto& record : records)
        EXPECT_EQ(std::string("text of ") + record.section, value(record.section, "0"));
    EXPECT_EQ("4", value("UnInst", "Items"));
    EXPECT_EQ("2", value("UnInst", "UserItems"));
}

} // namespace
