// Payload members brought out of an executable: plain and compressed, as a
// temporary file and into memory, and the failures on the way.
#include <gtest/gtest.h>

#include <cstring>

#include "config/file_image.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "wine_test_support.h"

namespace {

class PayloadFiles : public testing::Test {
protected:
    void TearDown() override
    {
        profile_release_all();
        payload_release();
    }

    // An executable image of filler bytes with the given records appended.
    std::string make_exe(const std::vector<std::pair<std::string, Bytes>>& members,
                         bool closed = true)
    {
        Bytes file(3000, 'M');
        for (const auto& member : members)
            append_payload_record(&file, PAYLOAD_TYPE_MEMBER, member.first.c_str(), member.second,
                                  static_cast<unsigned>(member.second.size()));
        if (closed)
            append_payload_record(&file, PAYLOAD_TYPE_END, "", Bytes(), 0);
        std::string exe = folder.path("setup.exe");
        write_file(exe, file);
        return exe;
    }

    ScratchFolder folder;
};

TEST_F(PayloadFiles, PlainMemberReadThroughAnyDirectoryAndCase)
{
    const Bytes ini = to_bytes("[DISKS]\r\nINTL=Texts.ini\r\n");
    ASSERT_EQ(0, payload_scan_file(make_exe({{"Install.ini", ini}}).c_str()));

    EXPECT_NE(nullptr, payload_lookup("C:\\X\\install.INI"));
    EXPECT_NE(nullptr, payload_lookup("INSTALL.INI"));
    EXPECT_EQ(nullptr, payload_lookup("C:\\Install.ini\\other.ini"));

    EXPECT_EQ(static_cast<long>(ini.size()) + 16, read_file_image("D:\\any\\Install.ini", NULL, 0));
    Bytes image(ini.size() + 16);
    ASSERT_EQ(static_cast<long>(ini.size()),
              read_file_image("Install.ini", image.data(), image.size()));
    EXPECT_EQ(0, memcmp(ini.data(), image.data(), ini.size()));

    char value[32];
    EXPECT_EQ(9, profile_get_string("DISKS", "INTL", "", value, sizeof value,
                                    folder.path("Install.ini").c_str()));
    EXPECT_STREQ("Texts.ini", value); // from the payload: no such file on disk
}

TEST_F(PayloadFiles, CompressedMemberIsExpanded)
{
    const Bytes packed = read_file(fixture_path("member.in_"));
    const Bytes plain = read_file(fixture_path("member.ini"));
    ASSERT_FALSE(packed.empty());
    ASSERT_LT(packed.size(), plain.size());
    Bytes file(100, 'M');
    append_payload_record(&file, PAYLOAD_TYPE_MEMBER, "member.ini", packed,
                          static_cast<unsigned>(plain.size()));
    append_payload_record(&file, PAYLOAD_TYPE_END, "", Bytes(), 0);
    write_file(folder.path("setup.exe"), file);
    ASSERT_EQ(0, payload_scan_file(folder.path("setup.exe").c_str()));

    Bytes image(plain.size() + 16);
    ASSERT_EQ(static_cast<long>(plain.size()),
              read_file_image("member.ini", image.data(), image.size()));
    EXPECT_EQ(0, memcmp(plain.data(), image.data(), plain.size()));

    // As a temporary file the member stays compressed; it is the caller's to expand.
    char temp_path[MAX_PATH];
    unsigned char buffer[1000];
    ASSERT_EQ(static_cast<long>(packed.size()),
              payload_extract_member("x\\MEMBER.INI", temp_path, sizeof temp_path, buffer,
                                     sizeof buffer));
    EXPECT_EQ(packed, read_file(temp_path));
    DeleteFileA(temp_path);
}

TEST_F(PayloadFiles, EmptyOrMissingMemberFallsBackToTheDisk)
{
    ASSERT_EQ(0, payload_scan_file(make_exe({{"empty.dat", Bytes()}}).c_str()));
    char temp_path[MAX_PATH] = "untouched";
    unsigned char buffer[64];
    EXPECT_EQ(0, payload_extract_member("empty.dat", temp_path, sizeof temp_path, buffer,
                                        sizeof buffer));
    EXPECT_EQ(0, payload_extract_member("absent.dat", temp_path, sizeof temp_path, buffer,
                                        sizeof buffer));
    EXPECT_STREQ("untouched", temp_path);
}

TEST_F(PayloadFiles, MemberCutShortIsReported)
{
    // The header promises more stored bytes than the file holds.
    Bytes file(100, 'M');
    append_payload_record(&file, PAYLOAD_TYPE_MEMBER, "cut.ini", to_bytes("[A]\r\nB=1\r\n"), 10);
    append_payload_record(&file, PAYLOAD_TYPE_END, "", Bytes(), 0);
    file[100 + 8] = 200; // stored size 200
    write_file(folder.path("setup.exe"), file);
    ASSERT_EQ(0, payload_scan_file(folder.path("setup.exe").c_str()));
    Bytes image(64);
    EXPECT_EQ(-1114, read_file_image("cut.ini", image.data(), image.size()));
    char temp_path[MAX_PATH];
    EXPECT_EQ(-1114, payload_extract_member("cut.ini", temp_path, sizeof temp_path, image.data(),
                                            image.size()));

    // Expanded data falling short of the expanded size is damage.
    Bytes short_file(100, 'M');
    append_payload_record(&short_file, PAYLOAD_TYPE_MEMBER, "short.ini", to_bytes("[A]\r\n"), 50);
    append_payload_record(&short_file, PAYLOAD_TYPE_END, "", Bytes(), 0);
    write_file(folder.path("setup.exe"), short_file);
    ASSERT_EQ(0, payload_scan_file(folder.path("setup.exe").c_str()));
    Bytes big(80);
    EXPECT_EQ(-1153, read_file_image("short.ini", big.data(), big.size()));
    EXPECT_EQ(-1, profile_acquire("short.ini"));
}

TEST_F(PayloadFiles, ScanReportsDamageAndUnreadableFiles)
{
    EXPECT_EQ(PAYLOAD_ERROR_DAMAGED,
              payload_scan_file(make_exe({{"a.ini", to_bytes("x")}}, false).c_str()));
    EXPECT_NE(nullptr, payload_lookup("a.ini")); // members before the fault stay
    EXPECT_EQ(PAYLOAD_ERROR_MEMORY, payload_scan_file(folder.path("missing.exe").c_str()));
    EXPECT_EQ(0, payload_scan_file(fixture_path("texts.ini").c_str())); // no marker at all
    EXPECT_EQ(nullptr, payload_lookup("a.ini"));
}

TEST_F(PayloadFiles, MemberBeyondTwoGibibytesIsRead)
{
    // A setup of a whole CD or more: the records may lie anywhere below 4 GiB.
    // The gap is a hole in a sparse file, so this costs no disk space.
    const uint64_t gap_end = 0x80000000ull + 4096;
    Bytes records;
    const Bytes text = to_bytes("[Far]\r\nKey=found past 2 GiB\r\n");
    append_payload_record(&records, PAYLOAD_TYPE_MEMBER, "far.ini", text,
                          static_cast<unsigned>(text.size()));
    append_payload_record(&records, PAYLOAD_TYPE_END, "", Bytes(), 0);
    const std::string exe = folder.path("big.exe");
    HANDLE file = CreateFileA(exe.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(gap_end);
    DWORD written = 0;
    ASSERT_TRUE(SetFilePointerEx(file, at, NULL, FILE_BEGIN));
    ASSERT_TRUE(WriteFile(file, records.data(), static_cast<DWORD>(records.size()), &written, NULL));
    CloseHandle(file);

    ASSERT_EQ(0, payload_scan_file(exe.c_str()));
    Bytes image(text.size() + 16);
    ASSERT_EQ(static_cast<long>(text.size()), read_file_image("far.ini", image.data(), image.size()));
    EXPECT_EQ(0, memcmp(text.data(), image.data(), text.size()));
    char temp_path[MAX_PATH];
    unsigned char buffer[256];
    ASSERT_EQ(static_cast<long>(text.size()),
              payload_extract_member("far.ini", temp_path, sizeof temp_path, buffer, sizeof buffer));
    EXPECT_EQ(text, read_file(temp_path));
    DeleteFileA(temp_path);
    DeleteFileA(exe.c_str());
}

} // namespace
