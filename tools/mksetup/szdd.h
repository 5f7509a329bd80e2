// The compressed-file format of the system's LZ expansion library: a 14-byte
// header (magic, mode 'A', the character the file name's last one was replaced
// by, the expanded length) and LZSS over a 4,096-byte ring that starts filled
// with spaces and is written from position 4,080. Items come in groups of
// eight behind a flag byte, lowest bit first: a set bit is one literal byte, a
// clear bit two bytes holding a ring position (12 bits) and a length (3..18).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum {
    SZDD_HEADER_SIZE = 14,
    SZDD_RING_SIZE = 4096,
    SZDD_RING_START = 4096 - 16,
    SZDD_MIN_MATCH = 3,
    SZDD_MAX_MATCH = 18
};

inline constexpr unsigned char SZDD_MAGIC[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};

// True when bytes begin with SZDD_MAGIC.
bool szdd_has_magic(const unsigned char* bytes, size_t size);

// The largest input the compressor takes: the header holds a 32-bit length,
// and positions are counted in 32 bits behind the ring's initial contents.
constexpr uint64_t SZDD_MAX_INPUT = UINT32_MAX - 2 * SZDD_RING_SIZE;

// Compresses size bytes (at most SZDD_MAX_INPUT; the caller refuses more) into
// out (replaced). name_char is stored in the header as the name's replaced
// last character (0 for none).
void szdd_compress(const unsigned char* bytes, size_t size, char name_char,
                   std::vector<unsigned char>* out);

// Header fields of a compressed file; false when bytes are not one (no magic)
// or the header is cut or names another mode (then *error says which).
bool szdd_read_header(const unsigned char* bytes, size_t size, uint32_t* expanded_size,
                      char* name_char, std::string* error);

// Expands a compressed file into out (replaced); a file without the magic is
// passed through unchanged, as the LZ library does. Returns false with *error
// set when the header is damaged or the data does not expand to exactly the
// length the header announces.
bool szdd_expand(const unsigned char* bytes, size_t size, std::vector<unsigned char>* out,
                 std::string* error);
