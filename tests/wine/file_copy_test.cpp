// The copy routine against real files, LZ32 and the payload: what is
// written, what is asked, what is recorded, and what survives a failure.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/payload.h"
#include "install/file_copy.h"
#include "install/progress.h"
#include "install/uninstall_log.h"
#include "wine_test_support.h"

namespace {

class FileCopy : public testing::Test {
protected:
    void SetUp() override
    {
        payload_release();
        text_copy(setup_state.disk_caption, sizeof setup_state.disk_caption, "Programm Diskette");
        progress_start(progress.window(), 100);
    }
    void TearDown() override
    {
        uninstall_log_close();
        payload_release();
        progress_start(NULL, 0);
        setup_state.verbose = 0;
    }
    std::string path(const char* name) const { return folder.path(name); }

    ScratchFolder folder;
    ProgressRecorder progress;
};

TEST_F(FileCopy, PlainAndCompressedSources)
{
    Bytes plain(40000);
    for (size_t i = 0; i < plain.size(); ++i)
        plain[i] = static_cast<unsigned char>(i * 31);
    write_file(path("plain.bin"), plain);
    ASSERT_TRUE(copy_file_entry(path("copy.bin").c_str(), path("plain.bin").c_str(), 0));
    EXPECT_EQ(plain, read_file(path("copy.bin")));

    ASSERT_TRUE(copy_file_entry(path("packed.ini").c_str(), fixture_path("packed.in_").c_str(), 0));
    EXPECT_EQ(read_file(fixture_path("packed.ini")), read_file(path("packed.ini")));
}

TEST_F(FileCopy, ProgressCountsBlocksAndFiles)
{
    write_file(path("block.bin"), Bytes(16384, 'b'));
    write_file(path("empty.bin"), Bytes());
    ASSERT_TRUE(copy_file_entry(path("block2.bin").c_str(), path("block.bin").c_str(), 0));
    EXPECT_EQ(2u, setup_state.progress_count); // one block, one file
    ASSERT_TRUE(copy_file_entry(path("empty2.bin").c_str(), path("empty.bin").c_str(), 0));
    EXPECT_EQ(3u, setup_state.progress_count); // an empty file counts one
    EXPECT_TRUE(read_file(path("empty2.bin")).empty());
    EXPECT_EQ((std::vector<unsigned>{1, 2, 3}), progress.percentages);

    progress_start(progress.window(), 1); // total estimated too low
    ASSERT_TRUE(copy_file_entry(path("block3.bin").c_str(), path("block.bin").c_str(), 0));
    EXPECT_EQ(100u, progress.percentages.back());
}

TEST_F(FileCopy, PayloadMemberWinsOverTheDisk)
{
    Bytes exe(100, 'M');
    append_payload_record(&exe, 1, "data.txt", to_bytes("from the payload"), 16);
    append_payload_record(&exe, 4, "", Bytes(), 0);
    write_file(path("setup.exe"), exe);
    ASSERT_EQ(0, payload_scan_file(path("setup.exe").c_str()));
    write_text(path("data.txt"), "from the disk");
    ASSERT_TRUE(copy_file_entry(path("out.txt").c_str(), path("data.txt").c_str(), 0));
    EXPECT_EQ("from the payload", file_text(path("out.txt")));
}

TEST_F(FileCopy, CopyOntoItselfIsRefusedWhateverTheSpelling)
{
    write_text(path("A.DAT"), "precious");
    ScriptedAnswers script;
    std::string other_spelling = folder.root() + "\\.\\a.dat";
    for (char& c : other_spelling)
        c = static_cast<char>(tolower(c));
    EXPECT_FALSE(expand_copy(other_spelling.c_str(), path("A.DAT").c_str(), 0));
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("A file cannot be copied to itself!", script.shown[0].text);
    EXPECT_EQ("precious", file_text(path("A.DAT")));
}

TEST_F(FileCopy, DiskPromptRetriesOrGivesUp)
{
    write_text(path("old.txt"), "the user's settings");
    ScriptedAnswers script;
    script.answers = {IDCANCEL, IDCANCEL};
    EXPECT_FALSE(copy_file_entry(path("old.txt").c_str(), path("missing.txt").c_str(), 0));
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("Please insert the specified disk!", script.shown[0].text);
    EXPECT_EQ("Programm Diskette", script.shown[0].title);
    EXPECT_EQ("the user's settings", file_text(path("old.txt"))); // never destroyed
    EXPECT_FALSE(copy_file_entry(path("new.txt").c_str(), path("missing.txt").c_str(), 0));
    EXPECT_FALSE(file_exists(path("new.txt")));

    // The user inserts the disk and answers OK.
    script.respond = [&](const ScriptedAnswers::Shown&) {
        write_text(path("late.txt"), "arrived");
        return INT_PTR(IDOK);
    };
    EXPECT_TRUE(copy_file_entry(path("old.txt").c_str(), path("late.txt").c_str(), 0));
    EXPECT_EQ("arrived", file_text(path("old.txt")));

    // Quiet copies never ask.
    size_t asked = script.shown.size();
    EXPECT_FALSE(copy_file_entry(path("q.txt").c_str(), path("absent.txt").c_str(), 1));
    EXPECT_EQ(asked, script.shown.size());
}

TEST_F(FileCopy, DamagedSourceLeavesTheDestinationAsItWas)
{
    Bytes damaged = read_file(fixture_path("packed.in_"));
    damaged.resize(damaged.size() / 2);
    write_file(path("damaged.in_"), damaged);
    write_text(path("target.ini"), "earlier version");
    ScriptedAnswers script;
    EXPECT_FALSE(copy_file_entry(path("target.ini").c_str(), path("damaged.in_").c_str(), 0));
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("Cannot read from file!", script.shown[0].text);
    EXPECT_EQ("earlier version", file_text(path("target.ini")));
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path("*.vel~").c_str(), &found);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "temporary file left behind";
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
}

TEST_F(FileCopy, CopiesAreRecordedAndReported)
{
    uninstall_log_open(folder.root().c_str(), "P", 1);
    write_text(path("game.ex_"), "program");
    write_text(path("notes.txt"), "notes");
    setup_state.verbose = 1;
    ScriptedAnswers script;
    ASSERT_TRUE(copy_file_entry(path("game.exe").c_str(), path("game.ex_").c_str(), 0));
    ASSERT_TRUE(copy_file_entry(path("notes2.txt").c_str(), path("notes.txt").c_str(), 0));
    EXPECT_EQ(path("game.exe"), profile_value(path("UnInst.inf"), "ProgFiles", "0"));
    EXPECT_EQ(path("notes2.txt"), profile_value(path("UnInst.inf"), "Files", "0"));
    ASSERT_EQ(2u, script.shown.size());
    EXPECT_EQ(path("game.ex_") + " -> " + path("game.exe"), script.shown[0].text);
    EXPECT_EQ("Copying file:", script.shown[0].title);
}

TEST_F(FileCopy, FileNamedLikeTheTemporaryOneIsLeftAlone)
{
    write_text(path("a.txt"), "new");
    write_text(path("b.txt.vel~"), "someone's file");
    ASSERT_TRUE(copy_file_entry(path("b.txt").c_str(), path("a.txt").c_str(), 0));
    EXPECT_EQ("new", file_text(path("b.txt")));
    EXPECT_EQ("someone's file", file_text(path("b.txt.vel~")));
}

TEST_F(FileCopy, FullDiskLeavesTheEarlierFileAndNoPartOfTheNewOne)
{
    // Drive S: is a 256 KiB file system made by the test run, when it can be.
    if (GetFileAttributesA("S:\\") == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no small file system for drive S: on this machine";
    write_text("S:\\keep.dat", "earlier version");
    write_file(path("big.dat"), Bytes(600000, 'b'));
    ScriptedAnswers script;
    EXPECT_FALSE(copy_file_entry("S:\\keep.dat", path("big.dat").c_str(), 0));
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("The harddisk is full! Free some space and try it again!", script.shown[0].text);
    EXPECT_EQ("earlier version", file_text("S:\\keep.dat"));
    EXPECT_FALSE(file_exists("S:\\keep.dat.vel~"));
    DeleteFileA("S:\\keep.dat");
}

TEST_F(FileCopy, DestinationThatCannotBeCreated)
{
    write_text(path("a.txt"), "a");
    ScriptedAnswers script;
    std::string destination = path("no\\such\\dir\\a.txt");
    EXPECT_FALSE(copy_file_entry(destination.c_str(), path("a.txt").c_str(), 0));
    ASSERT_EQ(1u, script.shown.size());
    EXPECT_EQ("File: " + destination, script.shown[0].text);
    EXPECT_EQ("Cannot open file!", script.shown[0].title);
    EXPECT_EQ(unsigned(MB_ICONHAND), script.shown[0].flags);
}

TEST_F(FileCopy, CompressedNameIsFoundForThePlainOne)
{
    Bytes packed = read_file(fixture_path("packed.in_"));
    write_file(path("setup.in_"), packed);
    ASSERT_TRUE(copy_file_entry(path("out.ini").c_str(), path("setup.ini").c_str(), 0));
    EXPECT_EQ(read_file(fixture_path("packed.ini")), read_file(path("out.ini")));
}

TEST_F(FileCopy, DirectoriesExistenceAndRemoval)
{
    std::string deep = folder.root() + "\\A\\B\\C\\";
    EXPECT_TRUE(create_directory_path(deep.c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((folder.root() + "\\A\\B").c_str()));
    EXPECT_TRUE(create_directory_path(deep.c_str())); // already there
    EXPECT_FALSE(file_exists(deep.c_str()));          // a directory is not a file

    write_text(path("A\\held.txt"), "x");
    EXPECT_TRUE(file_exists(path("A\\held.txt").c_str()));
    HANDLE held = CreateFileA(path("A\\held.txt").c_str(), GENERIC_READ, FILE_SHARE_READ, NULL,
                              OPEN_EXISTING, 0, NULL);
    EXPECT_FALSE(remove_file(path("A\\held.txt").c_str()));
    CloseHandle(held);
    EXPECT_TRUE(remove_file(path("A\\held.txt").c_str()));
    EXPECT_FALSE(file_exists(path("A\\held.txt").c_str()));
    EXPECT_FALSE(remove_file(path("A\\held.txt").c_str()));
}

} // namespace
