#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "uninstall/log_entries.h"

namespace {

TEST(UninstallEntries, RegistryEntriesSplitAtTheLastBackslash)
{
    struct Case {
        const char* entry;
        int split;
        const char* key;
        const char* name;
    } cases[] = {
        {"HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall\\Puzzle", 1,
         "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\UnInstall", "Puzzle"},
        {"HKCU\\Software\\Velmora\\Language", 1, "HKCU\\Software\\Velmora", "Language"},
        {"HKCU\\Software\\", 1, "HKCU\\Software", ""},
        {"HKCU\\Language", 0, "", ""}, // a value right under a root is never removed
        {"HKCU\\", 0, "", ""},
        {"HKLM", 0, "", ""},
        {"", 0, "", ""},
    };
    for (const Case& c : cases) {
        char key[128] = "", name[64] = "";
        EXPECT_EQ(c.split, split_registry_entry(c.entry, key, sizeof key, name, sizeof name)) << c.entry;
        if (c.split) {
            EXPECT_STREQ(c.key, key) << c.entry;
            EXPECT_STREQ(c.name, name) << c.entry;
        }
    }
}

TEST(UninstallEntries, IniEntriesSplitAtTheFirstTwoStars)
{
    char file[64], section[32], key[32];
    ASSERT_TRUE(split_ini_entry("C:\\WINDOWS\\WIN.INI*Game*Dir", file, sizeof file, section,
                                sizeof section, key, sizeof key));
    EXPECT_STREQ("C:\\WINDOWS\\WIN.INI", file);
    EXPECT_STREQ("Game", section);
    EXPECT_STREQ("Dir", key);
    ASSERT_TRUE(split_ini_entry("C:\\WIN.INI*Game*", file, sizeof file, section, sizeof section,
                                key, sizeof key));
    EXPECT_STREQ("", key); // the whole section
    ASSERT_TRUE(split_ini_entry("a*b*c*d", file, sizeof file, section, sizeof section, key, sizeof key));
    EXPECT_STREQ("c*d", key);
    EXPECT_FALSE(split_ini_entry("C:\\WIN.INI*Game", file, sizeof file, section, sizeof section,
                                 key, sizeof key));
    EXPECT_FALSE(split_ini_entry("C:\\WIN.INI", file, sizeof file, section, sizeof section, key,
                                 sizeof key));
}

TEST(UninstallEntries, WildcardsOnlyInTheLastComponent)
{
    EXPECT_TRUE(last_component_has_wildcard("C:\\GAME\\SAVE\\*.SAV"));
    EXPECT_TRUE(last_component_has_wildcard("C:\\GAME\\file?.dat"));
    EXPECT_FALSE(last_component_has_wildcard("C:\\G*ME\\file.dat"));
    EXPECT_FALSE(last_component_has_wildcard("C:\\GAME\\"));
    EXPECT_FALSE(last_component_has_wildcard("*"));  // the first character never counts
    EXPECT_TRUE(last_component_has_wildcard("a*"));
    EXPECT_FALSE(last_component_has_wildcard(""));
}

TEST(UninstallEntries, ProductListOnePerLine)
{
    char list[] = "Puzzle||Cards||Chess";
    EXPECT_EQ(strlen("Puzzle\r\nCards\r\nChess"), product_list_lines(list));
    EXPECT_STREQ("Puzzle\r\nCards\r\nChess", list);
    char one[] = "Puzzle";
    EXPECT_EQ(6u, product_list_lines(one));
    char odd[] = "A|||B";
    product_list_lines(odd);
    EXPECT_STREQ("A\r\n|B", odd);
}

} // namespace
