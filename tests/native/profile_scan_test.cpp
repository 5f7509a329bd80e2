#include <gtest/gtest.h>

#include <string>

#include "config/profile_scan.h"

namespace {

struct Found {
    int count;
    std::string value;
};

Found find(const std::string& image, const char* section, const char* key, size_t size = 256)
{
    std::string dest(size + 1, '#'); // one guard byte past the buffer
    int count = profile_find_value(reinterpret_cast<const unsigned char*>(image.data()),
                                   image.size(), section, key, &dest[0], size);
    EXPECT_EQ('#', dest[size]) << "write past the buffer";
    return {count, count < 0 ? std::string("<none>") : std::string(dest.c_str())};
}

Found list(const std::string& image, const char* section, size_t size = 256)
{
    std::string dest(size + 1, '#');
    int count = profile_list_keys(reinterpret_cast<const unsigned char*>(image.data()),
                                  image.size(), section, &dest[0], size);
    EXPECT_EQ('#', dest[size]) << "write past the buffer";
    return {count, count < 0 ? std::string("<none>") : dest.substr(0, static_cast<size_t>(count))};
}

struct ValueCase {
    const char* name;
    std::string image;
    const char* section;
    const char* key;
    int count;
    const char* value;
};

TEST(ProfileScan, ValueLookup)
{
    const ValueCase cases[] = {
        {"plain", "[DISKS]\r\nINTL=Texts.ini\r\n", "DISKS", "INTL", 9, "Texts.ini"},
        {"header with blanks", "[ DISKS ]\r\nA=1\r\n", "DISKS", "A", 1, "1"},
        {"header in other case", "[disks]\r\nA=1\r\n", "DISKS", "a", 1, "1"},
        {"longer header name", "[DISKSX]\r\nA=1\r\n", "DISKS", "A", -1, "<none>"},
        {"blank before =", "[S]\r\nKey = value\r\n", "S", "Key", -1, "<none>"},
        {"value keeps blanks", "[S]\r\nKey=  value   \r\n", "S", "Key", 10, "  value   "},
        {"tab ends value", "[S]\r\nK=ab\tcd\r\n", "S", "K", 2, "ab"},
        {"key prefix does not match", "[S]\r\nVersion=3\r\n", "S", "Ver", -1, "<none>"},
        {"first section wins", "[S]\r\nA=1\r\n[T]\r\nB=2\r\n[S]\r\nB=3\r\n", "S", "B", -1, "<none>"},
        {"value at image end", "[S]\nK=end", "S", "K", 3, "end"},
        {"empty value", "[S]\r\nK=\r\n", "S", "K", 0, ""},
        {"LF line ends", "[S]\nA=1\nB=2\n", "S", "B", 1, "2"},
        {"indented later header", "x\r\n   [S]\r\nA=1", "S", "A", 1, "1"},
        {"first header must start the file", " [S]\r\nA=1", "S", "A", -1, "<none>"},
        {"next header ends section", "[S]\r\n[T]\r\nA=1", "S", "A", -1, "<none>"},
        {"NUL ends the scan", std::string("[S]\r\nX=1\0\r\nA=1", 15), "S", "A", -1, "<none>"},
        {"high bytes kept in value", "[S]\r\nK=\xC4rger\r\n", "S", "K", 5, "\xC4rger"},
        {"high bytes skipped as blanks at line start", "[S]\r\nA=0\r\n\xC4K=1\r\n", "S", "K", 1, "1"},
        {"key with escapes", "[Deutsch]\r\nA\\r\\nB=X\\nY\r\n", "Deutsch", "a\\r\\nb", 4, "X\\nY"},
        {"header cut at image end", "[S", "S", "A", -1, "<none>"},
        {"empty image", "", "S", "A", -1, "<none>"},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        Found found = find(c.image, c.section, c.key);
        EXPECT_EQ(c.count, found.count);
        EXPECT_EQ(std::string(c.value), found.value);
    }
}

TEST(ProfileScan, ValueIsCutToTheBuffer)
{
    Found found = find("[S]\r\nK=abcdefgh\r\n", "S", "K", 4);
    EXPECT_EQ(3, found.count);
    EXPECT_EQ("abc", found.value);
    std::string dest = "#";
    EXPECT_EQ(0, profile_find_value(reinterpret_cast<const unsigned char*>("[S]\nK=a"), 7, "S", "K",
                                    &dest[0], 0));
    EXPECT_EQ("#", dest); // size 0 writes nothing
}

TEST(ProfileScan, KeyListing)
{
    EXPECT_EQ(std::string("A\0B\0\0\0", 6), list("[S]\r\nA=1\r\nB=2\r\n", "S").value);
    EXPECT_EQ(6, list("[S]\r\nA=1\r\nB=2\r\n", "S").count);
    EXPECT_EQ(std::string("\0\0", 2), list("[S]\r\n[T]\r\nA=1\r\n", "S").value);
    EXPECT_EQ(std::string("\0x\0\0\0", 5), list("[S]\r\n=1\r\nx\r\n", "S").value);
    EXPECT_EQ(std::string("Deutsch\0Francais\0\0\0", 19),
              list("[Languages]\nDeutsch\nFrancais\n", "Languages").value);
    EXPECT_EQ(-1, list("[T]\r\nA=1", "S").count);
}

TEST(ProfileScan, KeyListingStopsAtTheLastWholeEntry)
{
    const std::string image = "[S]\r\nAAA=1\r\nBBB=2\r\n";
    // "AAA\0" + two closing NULs fit in 6; "BBB\0" does not.
    EXPECT_EQ(std::string("AAA\0\0\0", 6), list(image, "S", 6).value);
    EXPECT_EQ(std::string("AAA\0\0\0", 6), list(image, "S", 9).value);
    EXPECT_EQ(std::string("\0\0", 2), list(image, "S", 5).value);
    EXPECT_EQ(std::string("\0", 1), list(image, "S", 1).value);
    EXPECT_EQ(0, list(image, "S", 0).count);
}

TEST(ProfileScan, IntegerReading)
{
    struct Case {
        const char* text;
        int expected;
    } cases[] = {
        {"  -12", -12}, {"1x2", 12}, {"12 34", 12}, {"abc", 7},  {"-", -7},
        {"+5", 5},      {"-+5", -5}, {"101", 101},  {"0", 0},    {"99999999999999999", 1569325055},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, profile_parse_int(c.text, 7)) << c.text;
}

} // namespace
