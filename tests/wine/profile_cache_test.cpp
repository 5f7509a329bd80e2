// The cached profile reader against real files: plain, compressed, large,
// empty, and the least-recently-used eviction.
#include <gtest/gtest.h>

#include <string>

#include "config/payload.h"
#include "config/profile_cache.h"
#include "wine_test_support.h"

namespace {

class ProfileCache : public testing::Test {
protected:
    void SetUp() override { payload_release(); }
    void TearDown() override { profile_release_all(); }

    std::string value(const std::string& path, const char* section, const char* key)
    {
        char dest[256];
        profile_get_string(section, key, "<default>", dest, sizeof dest, path.c_str());
        return dest;
    }

    ScratchFolder folder;
};

TEST_F(ProfileCache, LargeAndCompressedFilesAreReadWhole)
{
    EXPECT_EQ("end of the big file", value(fixture_path("big.ini"), "Big", "Last"));
    EXPECT_EQ("value number 01999", value(fixture_path("big.ini"), "Big", "Key01999"));
    // The compressed file is far smaller on disk than the text it expands to.
    EXPECT_EQ("found after the compressed size",
              value(fixture_path("packed.in_"), "Tail", "Last"));
    EXPECT_EQ("Demo Game", value(fixture_path("packed.in_"), "Layout", "0"));
}

TEST_F(ProfileCache, MissingKeysAndFilesGiveTheDefault)
{
    char dest[16];
    EXPECT_EQ(11, profile_get_string("DISKS", "INTL", "Install.ini", dest, sizeof dest,
                                     folder.path("none.ini").c_str()));
    EXPECT_STREQ("Install.ini", dest);
    EXPECT_EQ(-1, profile_get_string("DISKS", "INTL", NULL, dest, sizeof dest,
                                     folder.path("none.ini").c_str()));
    EXPECT_STREQ("", dest);
    EXPECT_EQ(5, profile_get_string("DISKS", "INTL", "Install.ini", dest, 6, ""));
    EXPECT_STREQ("Insta", dest);
}

TEST_F(ProfileCache, IntegersFromAFile)
{
    write_text(folder.path("ints.ini"), "[DISKS]\r\nVersion=250\r\nINFO=0\r\nBad=abc\r\nNeg=  -12\r\n");
    const std::string path = folder.path("ints.ini");
    EXPECT_EQ(250, profile_get_int("DISKS", "Version", 101, path.c_str()));
    EXPECT_EQ(0, profile_get_int("DISKS", "INFO", 1, path.c_str()));
    EXPECT_EQ(101, profile_get_int("DISKS", "Missing", 101, path.c_str()));
    EXPECT_EQ(9, profile_get_int("DISKS", "Bad", 9, path.c_str()));
    EXPECT_EQ(-12, profile_get_int("disks", "neg", 0, path.c_str()));
}

TEST_F(ProfileCache, FourthFileEvictsTheLeastRecentlyUsed)
{
    const char* names[] = {"a.ini", "b.ini", "c.ini", "d.ini"};
    for (const char* name : names)
        write_text(folder.path(name), std::string("[S]\r\nName=") + name + "\r\n");
    int a = profile_acquire(folder.path("a.ini").c_str());
    int b = profile_acquire(folder.path("b.ini").c_str());
    int c = profile_acquire(folder.path("c.ini").c_str());
    ASSERT_EQ(0, a);
    ASSERT_EQ(1, b);
    ASSERT_EQ(2, c);
    EXPECT_EQ(a, profile_acquire(folder.path("A.INI").c_str())); // a used again: b is oldest

    for (const char* name : names)
        if (std::string(name) != "d.ini")
            DeleteFileA(folder.path(name).c_str());
    EXPECT_EQ(b, profile_acquire(folder.path("d.ini").c_str()));

    // Loaded images never read the disk again; the evicted one is gone.
    EXPECT_EQ("a.ini", value(folder.path("a.ini"), "S", "Name"));
    EXPECT_EQ("c.ini", value(folder.path("c.ini"), "S", "Name"));
    EXPECT_EQ("d.ini", value(folder.path("d.ini"), "S", "Name"));
    EXPECT_EQ("<default>", value(folder.path("b.ini"), "S", "Name"));
}

TEST_F(ProfileCache, EmptyAndOversizedFilesAreNeverCached)
{
    const std::string empty = folder.path("empty.ini");
    write_text(empty, "");
    EXPECT_EQ(-1, profile_acquire(empty.c_str()));
    EXPECT_EQ("<default>", value(empty, "S", "K"));
    write_text(empty, "[S]\r\nK=now\r\n");
    EXPECT_EQ("now", value(empty, "S", "K"));

    const std::string huge = folder.path("huge.ini");
    write_file(huge, Bytes(PROFILE_MAX_IMAGE + 1, ' '));
    EXPECT_EQ(-1, profile_acquire(huge.c_str()));
}

TEST_F(ProfileCache, ReleaseIgnoresBadAndFreeSlots)
{
    write_text(folder.path("a.ini"), "[S]\r\nK=1\r\n");
    int slot = profile_acquire(folder.path("a.ini").c_str());
    ASSERT_GE(slot, 0);
    profile_release(-1);
    profile_release(3);
    profile_release(slot);
    profile_release(slot);
    EXPECT_EQ("1", value(folder.path("a.ini"), "S", "K"));
}

} // namespace
