#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "config/payload_format.h"

namespace {

typedef std::vector<unsigned char> Bytes;

struct MemorySource {
    const Bytes* bytes;
    size_t position;
    size_t max_piece; // reads come back in pieces of at most this size
};

size_t read_memory(void* context, unsigned char* dest, size_t count)
{
    MemorySource* source = static_cast<MemorySource*>(context);
    size_t left = source->bytes->size() - source->position;
    size_t n = count < left ? count : left;
    if (n > source->max_piece)
        n = source->max_piece;
    if (n > 0)
        memcpy(dest, source->bytes->data() + source->position, n);
    source->position += n;
    return n;
}

void append_record(Bytes* file, uint32_t type, const char* name, const std::string& data)
{
    unsigned char header[PAYLOAD_HEADER_SIZE];
    payload_write_header(header, static_cast<uint32_t>(data.size()),
                         static_cast<uint32_t>(data.size()), type, name);
    file->insert(file->end(), header, header + sizeof header);
    file->insert(file->end(), data.begin(), data.end());
}

Bytes filler(size_t size)
{
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    return bytes;
}

struct Scan {
    int result;
    PayloadDirectory directory;
};

Scan scan(const Bytes& file, size_t max_piece = SIZE_MAX)
{
    MemorySource memory = {&file, 0, max_piece};
    ByteSource source = {&memory, read_memory};
    std::vector<unsigned char> window(PAYLOAD_WINDOW_SIZE);
    MarkerWindow marker_window;
    marker_window_init(&marker_window, window.data(), &source);
    Scan result;
    result.result = payload_scan_records(&marker_window, &result.directory);
    return result;
}

TEST(PayloadRecords, MembersAfterTheProgramImage)
{
    Bytes file = filler(100000);
    const size_t first_data = file.size() + PAYLOAD_HEADER_SIZE;
    append_record(&file, PAYLOAD_TYPE_MEMBER, "Install.ini", "[DISKS]\r\n");
    append_record(&file, PAYLOAD_TYPE_MEMBER, "game.ex_", std::string(70000, 'g'));
    append_record(&file, PAYLOAD_TYPE_END, "", "");
    for (size_t piece : {size_t(SIZE_MAX), size_t(1000)}) {
        Scan s = scan(file, piece);
        EXPECT_EQ(0, s.result);
        ASSERT_EQ(2, s.directory.count);
        EXPECT_STREQ("Install.ini", s.directory.entries[0].name);
        EXPECT_EQ(9u, s.directory.entries[0].stored_size);
        EXPECT_EQ(first_data, s.directory.entries[0].data_offset);
        EXPECT_STREQ("game.ex_", s.directory.entries[1].name);
        EXPECT_EQ(first_data + 9 + PAYLOAD_HEADER_SIZE, s.directory.entries[1].data_offset);
        EXPECT_EQ(100000, s.directory.first_record_offset);
    }
}

TEST(PayloadRecords, NoMarkerIsAnEmptyDirectory)
{
    Scan s = scan(filler(200000));
    EXPECT_EQ(0, s.result);
    EXPECT_EQ(0, s.directory.count);
    EXPECT_EQ(-1, s.directory.first_record_offset);
    EXPECT_EQ(0, scan(Bytes()).result);
}

TEST(PayloadRecords, MarkerAcrossAWindowRefillIsFound)
{
    // Start positions are examined up to PAYLOAD_WINDOW_STEP - 1 per window;
    // put markers right at and around that edge, on the first and a later fill.
    for (size_t offset : {size_t(PAYLOAD_WINDOW_STEP - 3), size_t(PAYLOAD_WINDOW_STEP),
                          size_t(PAYLOAD_WINDOW_SIZE - 4), size_t(3 * PAYLOAD_WINDOW_STEP + 1)}) {
        Bytes file = filler(offset);
        append_record(&file, PAYLOAD_TYPE_MEMBER, "a.txt", "abc");
        append_record(&file, PAYLOAD_TYPE_END, "", "");
        Scan s = scan(file);
        EXPECT_EQ(0, s.result) << offset;
        ASSERT_EQ(1, s.directory.count) << offset;
        EXPECT_EQ(offset + PAYLOAD_HEADER_SIZE, s.directory.entries[0].data_offset);
    }
}

TEST(PayloadRecords, DamagedDirectoriesKeepTheMembersFoundBefore)
{
    Bytes wrong_type = filler(500);
    append_record(&wrong_type, PAYLOAD_TYPE_MEMBER, "a.txt", "abc");
    append_record(&wrong_type, 2, "b.txt", "def");
    append_record(&wrong_type, PAYLOAD_TYPE_MEMBER, "c.txt", "ghi");
    append_record(&wrong_type, PAYLOAD_TYPE_END, "", "");
    Scan s = scan(wrong_type);
    EXPECT_EQ(PAYLOAD_ERROR_DAMAGED, s.result);
    EXPECT_EQ(1, s.directory.count);

    Bytes unclosed = filler(500);
    append_record(&unclosed, PAYLOAD_TYPE_MEMBER, "a.txt", "abc");
    s = scan(unclosed);
    EXPECT_EQ(PAYLOAD_ERROR_DAMAGED, s.result);
    EXPECT_EQ(1, s.directory.count);

    Bytes cut_header = filler(500);
    append_record(&cut_header, PAYLOAD_TYPE_MEMBER, "a.txt", "abc");
    append_record(&cut_header, PAYLOAD_TYPE_END, "", "");
    cut_header.resize(cut_header.size() - PAYLOAD_HEADER_SIZE + 12);
    EXPECT_EQ(PAYLOAD_ERROR_DAMAGED, scan(cut_header).result);
}

TEST(PayloadRecords, MoreMembersThanTheTableHoldsIsDamage)
{
    Bytes file;
    for (int i = 0; i < PAYLOAD_MAX_MEMBERS; ++i)
        append_record(&file, PAYLOAD_TYPE_MEMBER, ("m" + std::to_string(i)).c_str(), "x");
    Bytes full = file;
    append_record(&full, PAYLOAD_TYPE_END, "", "");
    EXPECT_EQ(0, scan(full).result);
    EXPECT_EQ(PAYLOAD_MAX_MEMBERS, scan(full).directory.count);

    append_record(&file, PAYLOAD_TYPE_MEMBER, "one.too.many", "x");
    append_record(&file, PAYLOAD_TYPE_END, "", "");
    EXPECT_EQ(PAYLOAD_ERROR_DAMAGED, scan(file).result);
}

TEST(PayloadRecords, NameWithoutTerminatorIsCutTo19Characters)
{
    Bytes file;
    append_record(&file, PAYLOAD_TYPE_MEMBER, "x", "data");
    memcpy(&file[20], "ABCDEFGHIJKLMNOPQRST", 20); // all 20 name bytes used
    append_record(&file, PAYLOAD_TYPE_END, "", "");
    Scan s = scan(file);
    ASSERT_EQ(1, s.directory.count);
    EXPECT_STREQ("ABCDEFGHIJKLMNOPQRS", s.directory.entries[0].name);
}

TEST(PayloadRecords, MarkerIsAssembledAtRunTime)
{
    unsigned char pattern[PAYLOAD_MARKER_SIZE];
    payload_marker(pattern);
    const unsigned char expected[] = {0x67, 0x15, 0x52, 0x34, 0xFF, 0x4D, 0x36, 0x42};
    EXPECT_EQ(0, memcmp(expected, pattern, sizeof expected));
}

} // namespace
