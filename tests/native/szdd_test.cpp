// The compressed-file format: what the compressor writes expands to the input
// (the interoperability with other implementations is proven under Wine and
// in the e2e script), and the expander's answer to damaged data.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "szdd.h"
#include "test_bytes.h"

namespace {

// Words from a small vocabulary: compressible like real text.
Bytes wordy_text(size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    const char* words[] = {"setup ", "the ", "Velmora ", "install ", "directory\r\n", "of ",
                           "files ", "program ", "group ", "uninstall "};
    Bytes bytes;
    while (bytes.size() < size) {
        const char* word = words[generator() % 10];
        bytes.insert(bytes.end(), word, word + strlen(word));
    }
    bytes.resize(size);
    return bytes;
}

// Blocks repeating at the distance given: the farthest reach of the ring.
Bytes repeated_at(size_t distance, size_t size)
{
    Bytes block = random_bytes(distance, 7), bytes;
    while (bytes.size() < size)
        bytes.insert(bytes.end(), block.begin(), block.end());
    bytes.resize(size);
    return bytes;
}

Bytes header(uint32_t length, unsigned char mode = 'A')
{
    Bytes bytes = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33, mode, 0};
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<unsigned char>(length >> (8 * i)));
    return bytes;
}

Bytes first_bytes(const Bytes& bytes, size_t count) { return Bytes(bytes.begin(), bytes.begin() + count); }

Bytes with_items(Bytes bytes, const Bytes& items)
{
    bytes.insert(bytes.end(), items.begin(), items.end());
    return bytes;
}

TEST(Szdd, CompressedInputsExpandToThemselves)
{
    struct Case {
        const char* what;
        Bytes input;
    } cases[] = {
        {"empty", Bytes()},
        {"one byte", Bytes(1, 'x')},
        {"shorter than a match", text_of("ab")},
        {"one full group", text_of("abcdefgh")},
        {"spaces first, as the ring starts", text_of("                      leading spaces")},
        {"one byte repeated", Bytes(100000, 0)},
        {"short pattern repeated", repeated_at(3, 300000)},
        {"blocks 4,095 apart", repeated_at(4095, 50000)},
        {"blocks 4,096 apart", repeated_at(4096, 50000)},
        {"blocks 4,097 apart", repeated_at(4097, 50000)},
        {"random", random_bytes(200000, 1)},
        {"text over many parse blocks", wordy_text(1 << 20, 2)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes compressed, expanded;
        szdd_compress(c.input.data(), c.input.size(), 'e', &compressed);
        uint32_t length = 0;
        char name_char = 0;
        std::string error;
        ASSERT_TRUE(szdd_read_header(compressed.data(), compressed.size(), &length, &name_char,
                                     &error));
        EXPECT_EQ(c.input.size(), length);
        EXPECT_EQ('e', name_char);
        ASSERT_TRUE(szdd_expand(compressed.data(), compressed.size(), &expanded, &error)) << error;
        EXPECT_TRUE(expanded == c.input);
        // A flag byte per eight literals at worst.
        EXPECT_LE(compressed.size(), SZDD_HEADER_SIZE + c.input.size() + (c.input.size() + 7) / 8);
    }
}

TEST(Szdd, RepetitiveInputUsesLongMatches)
{
    Bytes input = repeated_at(3, 1 << 18), compressed;
    szdd_compress(input.data(), input.size(), 0, &compressed);
    // 18 bytes per two-byte match and an eighth of a flag byte.
    EXPECT_LT(compressed.size(), input.size() / 8);
    Bytes text = wordy_text(1 << 18, 3);
    szdd_compress(text.data(), text.size(), 0, &compressed);
    EXPECT_LT(compressed.size(), text.size() / 2);
}

TEST(Szdd, ExpandsMatchesIntoTheInitialSpacesAndOverlapping)
{
    // Flag 0b0110: match at ring 0 (still spaces) length 4, literals 'a' 'b',
    // then a match at ring 4,084 ('a' was written at 4,080 + 4) of length 6
    // that overlaps what it writes.
    Bytes file = with_items(header(12), {0x06, 0x00, 0x01, 'a', 'b', 0xF4, 0xF3});
    Bytes expanded;
    std::string error;
    ASSERT_TRUE(szdd_expand(file.data(), file.size(), &expanded, &error)) << error;
    EXPECT_EQ("    abababab", std::string(expanded.begin(), expanded.end()));
}

TEST(Szdd, PlainFilesPassThrough)
{
    for (const Bytes& plain : {Bytes(), text_of("hello"), text_of("SZDD\x88\xF0\x27")}) {
        Bytes expanded;
        std::string error;
        ASSERT_TRUE(szdd_expand(plain.data(), plain.size(), &expanded, &error));
        EXPECT_TRUE(expanded == plain);
    }
}

TEST(Szdd, DamagedFilesAreRefusedWithTheReason)
{
    struct Case {
        const char* what;
        Bytes file;
        const char* reason;
    } cases[] = {
        {"header cut", first_bytes(header(5), 11), "header is cut short"},
        {"other mode", header(0, 'B'), "unknown compression mode"},
        {"data ends early", with_items(header(5), {0xFF, 'a', 'b'}), "ends after 2 of 5 bytes"},
        {"data continues", with_items(header(1), {0xFF, 'a', 'b'}), "continues past"},
        {"match runs past the length", with_items(header(2), {0x00, 0x00, 0x00}), "runs past"},
        {"match cut in half", with_items(header(3), {0x00, 0x00}), "inside a match"},
        {"length beyond any expansion", with_items(header(1000), {0x00, 0x00, 0x0F}),
         "too short for the expanded length"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes expanded;
        std::string error;
        EXPECT_FALSE(szdd_expand(c.file.data(), c.file.size(), &expanded, &error));
        EXPECT_NE(std::string::npos, error.find(c.reason)) << error;
    }
}

} // namespace
