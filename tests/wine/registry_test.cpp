// Registry values through the program's registry access, read back with the
// registry functions themselves.
#include <gtest/gtest.h>

#include <string>

#include "install/registry.h"
#include "wine_test_support.h"

namespace {

TEST(Registry, WriteCreatesMissingKeysAndReadsBack)
{
    ScratchKey key("Write");
    const std::string deep = key.path() + "\\A\\B";
    ASSERT_TRUE(reg_set_string(deep.c_str(), "Language", "Deutsch"));
    EXPECT_EQ("Deutsch", registry_value(HKEY_CURRENT_USER, key.subkey() + "\\A\\B", "Language"));

    char result[99];
    std::string lower = "hkcu" + deep.substr(4);
    EXPECT_TRUE(reg_get_string(lower.c_str(), "Language", "none", result, sizeof result));
    EXPECT_STREQ("Deutsch", result);

    ASSERT_TRUE(reg_set_string(deep.c_str(), NULL, "default value"));
    EXPECT_TRUE(reg_get_string(deep.c_str(), NULL, "", result, sizeof result));
    EXPECT_STREQ("default value", result);
}

TEST(Registry, FailedReadsKeepTheDefault)
{
    ScratchKey key("Read");
    ASSERT_TRUE(reg_set_string(key.path().c_str(), "Long", "0123456789"));
    char result[8];
    EXPECT_FALSE(reg_get_string(key.path().c_str(), "Long", "dflt", result, sizeof result));
    EXPECT_STREQ("dflt", result);
    char exact[11];
    EXPECT_TRUE(reg_get_string(key.path().c_str(), "Long", "dflt", exact, sizeof exact));
    EXPECT_STREQ("0123456789", exact);
    EXPECT_FALSE(reg_get_string(key.path().c_str(), "Missing", "dflt", result, sizeof result));
    EXPECT_STREQ("dflt", result);
    EXPECT_FALSE(reg_get_string((key.path() + "\\NoKey").c_str(), "x", "d", result, sizeof result));
    EXPECT_STREQ("d", result);
}

TEST(Registry, UnknownRootsFailEveryOperation)
{
    char result[16];
    for (const char* path : {"HKU\\.DEFAULT\\Software\\X", "HKEY_LOCAL_MACHINE\\SOFTWARE\\X", "HK"}) {
        EXPECT_FALSE(reg_set_string(path, "v", "x")) << path;
        EXPECT_FALSE(reg_get_string(path, "v", "d", result, sizeof result)) << path;
        EXPECT_STREQ("d", result);
        EXPECT_FALSE(reg_delete_value(path, "v")) << path;
    }
}

TEST(Registry, DeleteValue)
{
    ScratchKey key("Delete");
    ASSERT_TRUE(reg_set_string(key.path().c_str(), "Gone", "x"));
    ASSERT_TRUE(reg_set_string(key.path().c_str(), "Kept", "y"));
    EXPECT_TRUE(reg_delete_value(key.path().c_str(), "Gone"));
    EXPECT_EQ("<missing>", registry_value(HKEY_CURRENT_USER, key.subkey(), "Gone"));
    EXPECT_EQ("y", registry_value(HKEY_CURRENT_USER, key.subkey(), "Kept"));
    EXPECT_FALSE(reg_delete_value(key.path().c_str(), "Gone"));
    EXPECT_FALSE(reg_delete_value((key.path() + "\\NoKey").c_str(), "Kept"));
}

} // namespace
