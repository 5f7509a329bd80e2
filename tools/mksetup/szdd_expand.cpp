#include "szdd.h"

#include <cstring>

namespace {

// One flag byte and eight two-byte matches of 18 bytes each: no stream
// expands by more than this factor.
const uint64_t max_expansion = 9;

} // namespace

bool szdd_has_magic(const unsigned char* bytes, size_t size)
{
    return size >= sizeof SZDD_MAGIC && memcmp(bytes, SZDD_MAGIC, sizeof SZDD_MAGIC) == 0;
}

bool szdd_read_header(const unsigned char* bytes, size_t size, uint32_t* expanded_size,
                      char* name_char, std::string* error)
{
    if (!szdd_has_magic(bytes, size)) {
        *error = "not a compressed file";
        return false;
    }
    if (size < SZDD_HEADER_SIZE) {
        *error = "compressed file header is cut short";
        return false;
    }
    if (bytes[8] != 'A') {
        *error = "unknown compression mode (only 'A' is defined)";
        return false;
    }
    *name_char = static_cast<char>(bytes[9]);
    *expanded_size = static_cast<uint32_t>(bytes[10]) | static_cast<uint32_t>(bytes[11]) << 8 |
                     static_cast<uint32_t>(bytes[12]) << 16 | static_cast<uint32_t>(bytes[13]) << 24;
    return true;
}

bool szdd_expand(const unsigned char* bytes, size_t size, std::vector<unsigned char>* out,
                 std::string* error)
{
    if (!szdd_has_magic(bytes, size)) {
        out->assign(bytes, bytes + size);
        return true;
    }
    uint32_t length;
    char name_char;
    if (!szdd_read_header(bytes, size, &length, &name_char, error))
        return false;
    if (length > (size - SZDD_HEADER_SIZE) * max_expansion) {
        *error = "compressed data is too short for the expanded length " + std::to_string(length);
        return false;
    }
    out->assign(length, 0);
    unsigned char* produced = out->data();
    unsigned char* const end = produced + length;
    unsigned char ring[SZDD_RING_SIZE];
    memset(ring, ' ', sizeof ring);
    unsigned write_at = SZDD_RING_START;

    size_t in = SZDD_HEADER_SIZE;
    while (in < size) {
        const unsigned flags = bytes[in++];
        for (int bit = 0; bit < 8 && in < size; ++bit) {
            if (produced == end) {
                *error = "compressed data continues past the expanded length " +
                         std::to_string(length);
                return false;
            }
            if (flags & (1u << bit)) {
                unsigned char c = bytes[in++];
                *produced++ = c;
                ring[write_at] = c;
                write_at = (write_at + 1) & (SZDD_RING_SIZE - 1);
                continue;
            }
            if (size - in < 2) {
                *error = "compressed data ends inside a match";
                return false;
            }
            unsigned from = bytes[in] | (bytes[in + 1] & 0xF0u) << 4;
            size_t count = (bytes[in + 1] & 0x0Fu) + SZDD_MIN_MATCH;
            in += 2;
            if (count > static_cast<size_t>(end - produced)) {
                *error = "compressed data runs past the expanded length " + std::to_string(length);
                return false;
            }
            // Byte by byte: a match may repeat bytes it has just written.
            for (size_t k = 0; k < count; ++k) {
                unsigned char c = ring[from];
                from = (from + 1) & (SZDD_RING_SIZE - 1);
                *produced++ = c;
                ring[write_at] = c;
                write_at = (write_at + 1) & (SZDD_RING_SIZE - 1);
            }
        }
    }
    if (produced != end) {
        *error = "compressed data ends after " + std::to_string(produced - out->data()) + " of " +
                 std::to_string(length) + " bytes";
        return false;
    }
    return true;
}
