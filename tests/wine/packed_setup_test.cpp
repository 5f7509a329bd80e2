// What the packer (its Windows build) writes, read by the system's LZ library
// and by the program's own payload code: compressed files expand byte for
// byte, and every member of a packed setup comes out whole.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include <windows.h>

#include <lzexpand.h>

#include "config/lz_file.h"
#include "config/payload.h"
#include "config/profile_cache.h"
#include "install/file_copy.h"
#include "install/progress.h"
#include "wine_test_support.h"

namespace {

struct NamedInput {
    std::string name;
    Bytes bytes;
};

Bytes noise(size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    Bytes bytes(size);
    for (unsigned char& b : bytes)
        b = static_cast<unsigned char>(generator());
    return bytes;
}

std::string ini_lines(int count)
{
    std::string text = "[DISKS]\r\nINTL=Texts.ini\r\n[Files]\r\n";
    for (int i = 0; i < count; ++i)
        text += std::to_string(i) + "=GAME\\DATA\\LEVEL" + std::to_string(i % 37) + ".DAT\r\n";
    return text;
}

// Random blocks repeating at the farthest distance a match reaches.
Bytes far_repeats()
{
    Bytes block = noise(4095, 5), bytes;
    for (int i = 0; i < 20; ++i)
        bytes.insert(bytes.end(), block.begin(), block.end());
    return bytes;
}

std::vector<NamedInput> inputs()
{
    return {{"empty.dat", Bytes()},
            {"one.dat", to_bytes("x")},
            {"spaces.txt", to_bytes("                    begins with more spaces than a match")},
            {"Install.ini", to_bytes(ini_lines(3000))},
            {"noise.bin", noise(300000, 9)},
            {"repeats.bin", far_repeats()}};
}

class PackedSetup : public testing::Test {
protected:
    void SetUp() override { progress_start(progress.window(), 100); }
    void TearDown() override
    {
        profile_release_all();
        payload_release();
        progress_start(NULL, 0);
    }

    int mksetup(const std::string& arguments, std::string* output)
    {
        return run_program("\"" + environment_path("SETUP_TEST_MKSETUP") + "\" " + arguments,
                           output, 120000);
    }

    std::string quoted(const std::string& name) const { return "\"" + folder.path(name) + "\""; }

    ScratchFolder folder;
    ProgressRecorder progress;
};

TEST_F(PackedSetup, SystemLzLibraryExpandsWhatThePackerCompresses)
{
    for (const NamedInput& input : inputs()) {
        SCOPED_TRACE(input.name);
        write_file(folder.path(input.name), input.bytes);
        std::string packed = input.name.substr(0, input.name.size() - 1) + "_";
        std::string output;
        ASSERT_EQ(0, mksetup("compress " + quoted(input.name) + " " + quoted(packed), &output))
            << output;

        EXPECT_EQ(static_cast<long>(input.bytes.size()),
                  lz_expanded_size(folder.path(packed).c_str()));
        int lz = lz_open_read(folder.path(packed).c_str());
        ASSERT_GE(lz, 0);
        Bytes expanded(input.bytes.size() + 100);
        long got = lz_read_all(lz, expanded.data(), expanded.size());
        lz_close(lz);
        ASSERT_EQ(static_cast<long>(input.bytes.size()), got);
        expanded.resize(static_cast<size_t>(got));
        EXPECT_TRUE(expanded == input.bytes);

        // The header keeps the name's last character for the library to restore.
        char name[MAX_PATH];
        std::string packed_path = folder.path(packed);
        ASSERT_EQ(1, GetExpandedNameA(&packed_path[0], name));
        EXPECT_STRCASEEQ(folder.path(input.name).c_str(), name);
    }
}

TEST_F(PackedSetup, ProgramReadsEveryMemberOfAPackedSetup)
{
    std::string files;
    for (const NamedInput& input : inputs()) {
        write_file(folder.path(input.name), input.bytes);
        files += " " + quoted(input.name);
    }
    std::string output;
    ASSERT_EQ(0, mksetup("pack --stub \"" + environment_path("SETUP_EXE") + "\" --out " +
                             quoted("Game.exe") + files,
                         &output))
        << output;
    ASSERT_EQ(0, mksetup("verify " + quoted("Game.exe"), &output)) << output;
    for (const NamedInput& input : inputs())
        DeleteFileA(folder.path(input.name).c_str()); // only the payload has them now

    ASSERT_EQ(0, payload_scan_file(folder.path("Game.exe").c_str()));
    EXPECT_EQ(static_cast<long long>(read_file(environment_path("SETUP_EXE")).size()),
              payload_first_record_offset());
    for (const NamedInput& input : inputs()) {
        SCOPED_TRACE(input.name);
        const PayloadEntry* entry = payload_lookup(("C:\\somewhere\\" + input.name).c_str());
        ASSERT_NE(nullptr, entry);
        EXPECT_GT(entry->stored_size, 0u);
        EXPECT_EQ(input.bytes.size(), entry->expanded_size);

        Bytes image(input.bytes.size() + 16);
        long got = payload_read_member(entry, image.data(), image.size());
        ASSERT_EQ(static_cast<long>(input.bytes.size()), got);
        image.resize(static_cast<size_t>(got));
        EXPECT_TRUE(image == input.bytes);

        // The copy routine takes the member in place of the missing source.
        std::string copy = folder.path("copy_" + input.name);
        ASSERT_TRUE(copy_file_entry(copy.c_str(), folder.path(input.name).c_str(), 1));
        EXPECT_TRUE(read_file(copy) == input.bytes);
    }
}

} // namespace
