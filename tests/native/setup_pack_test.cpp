// Single-file setups: what the packer writes reads back through the program's
// record scan, what it refuses, and the faults the verifier names.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "config/payload_format.h"
#include "payload_listing.h"
#include "setup_pack.h"
#include "szdd.h"
#include "test_bytes.h"

namespace {

Bytes marker_bytes()
{
    unsigned char marker[PAYLOAD_MARKER_SIZE];
    payload_marker(marker);
    return Bytes(marker, marker + PAYLOAD_MARKER_SIZE);
}

std::string ini_text()
{
    std::string text = "[DISKS]\r\nINTL=Texts.ini\r\n";
    for (int i = 0; i < 100; ++i)
        text += "Line" + std::to_string(i) + "=some repeated value\r\n";
    return text;
}

class SetupPack : public testing::Test {
protected:
    SetupPack() : stub(5000, 'M') {}

    Bytes pack(const std::vector<PackInput>& inputs)
    {
        Bytes setup;
        std::string error;
        EXPECT_TRUE(pack_setup(stub, inputs, &setup, &members, &error)) << error;
        return setup;
    }

    std::string refusal(const std::vector<PackInput>& inputs)
    {
        Bytes setup = text_of("untouched");
        std::string error;
        EXPECT_FALSE(pack_setup(stub, inputs, &setup, NULL, &error));
        EXPECT_TRUE(setup == text_of("untouched"));
        return error;
    }

    std::vector<PackInput> three_files()
    {
        return {{"Install.ini", text_of(ini_text())},
                {"noise.bin", random_bytes(3000, 4)},
                {"empty.txt", Bytes()}};
    }

    Bytes stub;
    std::vector<PackedMember> members;
};

TEST_F(SetupPack, MembersReadBackAsTheProgramScansThem)
{
    std::vector<PackInput> inputs = three_files();
    Bytes setup = pack(inputs);
    ASSERT_EQ(0, memcmp(setup.data(), stub.data(), stub.size()));

    PayloadListing listing;
    list_payload(setup.data(), setup.size(), &listing);
    EXPECT_TRUE(listing.fault.empty()) << listing.fault;
    EXPECT_TRUE(listing.closed);
    EXPECT_EQ(stub.size(), listing.first_record_offset);
    EXPECT_EQ(setup.size() - PAYLOAD_HEADER_SIZE, listing.closing_offset);
    ASSERT_EQ(3u, listing.members.size());
    // Text is compressed, noise stays plain, and an empty file is a compressed
    // file of length 0 (an empty member would be taken as missing).
    const bool compressed[] = {true, false, true};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(inputs[i].name);
        const ListedMember& member = listing.members[i];
        EXPECT_EQ(inputs[i].name, member.name);
        EXPECT_EQ(compressed[i], member.compressed);
        EXPECT_EQ(compressed[i], members[i].compressed);
        EXPECT_EQ(inputs[i].data.size(), member.expanded_size);
        EXPECT_GT(member.stored_size, 0u);
        Bytes expanded;
        std::string error;
        ASSERT_TRUE(szdd_expand(setup.data() + member.data_offset, member.stored_size, &expanded,
                                &error));
        EXPECT_TRUE(expanded == inputs[i].data);
    }
    EXPECT_LT(listing.members[0].stored_size, inputs[0].data.size() / 2);
    EXPECT_TRUE(verify_payload(setup.data(), setup.size(), listing).empty());
}

TEST_F(SetupPack, CompressedFileIsStoredAsItIs)
{
    Bytes compressed;
    Bytes text = text_of(ini_text());
    szdd_compress(text.data(), text.size(), 'i', &compressed);
    Bytes setup = pack({{"TEXTS.IN_", compressed}});
    PayloadListing listing;
    list_payload(setup.data(), setup.size(), &listing);
    ASSERT_EQ(1u, listing.members.size());
    EXPECT_EQ(compressed.size(), listing.members[0].stored_size);
    EXPECT_EQ(text.size(), listing.members[0].expanded_size);

    compressed.resize(compressed.size() - 5);
    EXPECT_NE(std::string::npos, refusal({{"TEXTS.IN_", compressed}}).find("damaged compressed"));
}

TEST_F(SetupPack, FormThatWouldHoldTheMarkerIsAvoided)
{
    // Eight literals (0xFF flags) end with the marker's first seven bytes; the
    // next flag byte (match, literal, four matches, literal, match) is 0x42,
    // the marker's last byte. The file itself never holds the marker.
    Bytes marker = marker_bytes();
    Bytes data = text_of("Z");
    data.insert(data.end(), marker.begin(), marker.end() - 1);
    const std::string rest = std::string(18, ' ') + "q" + std::string(72, ' ') + "r" +
                             std::string(18, ' ');
    data.insert(data.end(), rest.begin(), rest.end());
    Bytes compressed;
    szdd_compress(data.data(), data.size(), 'n', &compressed);
    ASSERT_LT(find_payload_marker(data.data(), data.size()), 0);
    ASSERT_GE(find_payload_marker(compressed.data(), compressed.size()), 0);
    ASSERT_LT(compressed.size(), data.size());

    Bytes setup = pack({{"tricky.bin", data}});
    ASSERT_EQ(1u, members.size());
    EXPECT_FALSE(members[0].compressed);
    EXPECT_EQ(data.size(), members[0].stored_size);
}

TEST_F(SetupPack, RefusesWhatTheProgramCouldNotRead)
{
    std::vector<PackInput> too_many;
    for (int i = 0; i <= PAYLOAD_MAX_MEMBERS; ++i)
        too_many.push_back({"file" + std::to_string(i), text_of("x")});
    // Eight bytes alone hold the marker both plain and compressed.
    Bytes marker = marker_bytes();

    struct Case {
        const char* what;
        std::vector<PackInput> inputs;
        const char* reason;
    } cases[] = {
        {"name of 20 characters", {{"twenty_characters.tx", text_of("x")}}, "longer than 19"},
        {"empty name", {{"", text_of("x")}}, "may not be empty"},
        {"backslash in the name", {{"a\\b", text_of("x")}}, "may not hold"},
        {"names equal but for case", {{"Readme.txt", text_of("a")}, {"README.TXT", text_of("b")}},
         "are the same"},
        {"more than 64 members", too_many, "at most 64"},
        {"member holding the marker", {{"marked.bin", marker}}, "holds the payload marker"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string error = refusal(c.inputs);
        EXPECT_NE(std::string::npos, error.find(c.reason)) << error;
    }

    stub.insert(stub.end(), marker.begin(), marker.end());
    EXPECT_NE(std::string::npos, refusal(three_files()).find("stub already holds"));
}

// Changes to a good setup and the fault verify must name for each.
TEST_F(SetupPack, VerifyNamesEveryFault)
{
    const Bytes good = pack(three_files());
    PayloadListing listing;
    list_payload(good.data(), good.size(), &listing);
    const uint32_t ini_data = listing.members[0].data_offset;
    const size_t noise_header = listing.members[1].data_offset - PAYLOAD_HEADER_SIZE;
    auto put_u32 = [](Bytes* bytes, size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            (*bytes)[at + i] = static_cast<unsigned char>(value >> (8 * i));
    };

    struct Case {
        const char* what;
        std::function<void(Bytes*)> change;
        const char* fault;
    } cases[] = {
        {"no records", [&](Bytes* b) { *b = stub; }, "no payload records"},
        {"closing record missing", [](Bytes* b) { b->resize(b->size() - PAYLOAD_HEADER_SIZE); },
         "without a closing record"},
        {"closing record of another type", [&](Bytes* b) { put_u32(b, b->size() - 44, 2); },
         "unknown type 2"},
        {"file cut inside a header", [&](Bytes* b) { b->resize(noise_header + 30); },
         "cut short by the end of the file"},
        {"expanded size wrong", [&](Bytes* b) { put_u32(b, noise_header + 12, 7); },
         "the record says 7"},
        {"stored size past the next record", [&](Bytes* b) { put_u32(b, noise_header + 8, 3010); },
         "runs into the next record"},
        {"member empty", [&](Bytes* b) { put_u32(b, noise_header + 8, 0); }, "taken as missing"},
        {"compressed data damaged", [&](Bytes* b) { (*b)[ini_data + 12] ^= 0xFF; },
         "member Install.ini"},
        {"name given twice", [&](Bytes* b) { memcpy(b->data() + noise_header + 20, "INSTALL.INI", 12); },
         "given twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes setup = good;
        c.change(&setup);
        PayloadListing changed;
        list_payload(setup.data(), setup.size(), &changed);
        std::vector<std::string> problems = verify_payload(setup.data(), setup.size(), changed);
        std::string all;
        for (const std::string& problem : problems)
            all += problem + "\n";
        EXPECT_NE(std::string::npos, all.find(c.fault)) << all;
    }
}

} // namespace
