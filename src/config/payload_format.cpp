#include "config/payload_format.h"

#include <cstring>

#if defined(__SSE2__) && !defined(PAYLOAD_PORTABLE_SEARCH)
#include <emmintrin.h>
#endif

namespace {

const unsigned char marker_tail[4] = {0xFF, 0x4D, 0x36, 0x42};

uint32_t read_u32(const unsigned char* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void write_u32(unsigned char* p, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Drops the first k bytes of the window and refills it from the source.
void window_shift(MarkerWindow* window, size_t k)
{
    if (k > window->count)
        k = window->count;
    memmove(window->bytes, window->bytes + k, window->count - k);
    window->count -= k;
    window->file_offset += k;
    while (window->count < PAYLOAD_WINDOW_SIZE) {
        size_t got = window->source->read(window->source->context, window->bytes + window->count,
                                          PAYLOAD_WINDOW_SIZE - window->count);
        if (got == 0)
            break;
        window->count += got;
    }
}

// The first position from `from` below `positions` whose two bytes equal the
// marker's first two, or `positions` when there is none. Only bytes below
// `count` are read. The scan is one pass over the executable, so it compares
// sixteen positions at a time where the processor allows it.
size_t next_candidate(const unsigned char* bytes, size_t from, size_t positions, size_t count,
                      const unsigned char* pattern)
{
    size_t i = from;
#if defined(__SSE2__) && !defined(PAYLOAD_PORTABLE_SEARCH)
    const __m128i first = _mm_set1_epi8(static_cast<char>(pattern[0]));
    const __m128i second = _mm_set1_epi8(static_cast<char>(pattern[1]));
    // Each step reads sixteen positions and the byte after them.
    size_t end = count > 16 ? count - 16 : 0;
    if (end > positions)
        end = positions;
#pragma GCC unroll 4
    for (; i < end; i += 16) {
        __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i + 1));
        int mask = _mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(here, first), _mm_cmpeq_epi8(next, second)));
        if (mask) {
            size_t hit = i + static_cast<size_t>(__builtin_ctz(static_cast<unsigned>(mask)));
            return hit < positions ? hit : positions;
        }
    }
#endif
    while (i < positions) {
        const void* hit = memchr(bytes + i, pattern[0], positions - i);
        if (!hit)
            return positions;
        i = static_cast<size_t>(static_cast<const unsigned char*>(hit) - bytes);
        if (i + 1 < count && bytes[i + 1] == pattern[1])
            return i;
        ++i;
    }
    return positions;
}

} // namespace

void payload_marker(unsigned char pattern[PAYLOAD_MARKER_SIZE])
{
    volatile uint32_t head = 0x34521567u; // kept apart from the tail in the image
    write_u32(pattern, head);
    memcpy(pattern + 4, marker_tail, sizeof marker_tail);
}

void marker_window_init(MarkerWindow* window, unsigned char* bytes, ByteSource* source)
{
    window->bytes = bytes;
    window->count = 0;
    window->file_offset = 0;
    window->started = 0;
    window->source = source;
}

int payload_find_marker(MarkerWindow* window, const unsigned char* pattern)
{
    window_shift(window, window->started ? size_t(PAYLOAD_MARKER_SIZE) : size_t(0));
    window->started = 1;
    for (;;) {
        const size_t count = window->count;
        const size_t step = PAYLOAD_WINDOW_STEP;
        const size_t positions = count < step ? count : step;
        for (size_t i = 0; i < positions; ++i) {
            i = next_candidate(window->bytes, i, positions, count, pattern);
            if (i < positions && i + PAYLOAD_MARKER_SIZE <= count &&
                memcmp(window->bytes + i, pattern, PAYLOAD_MARKER_SIZE) == 0) {
                window_shift(window, i);
                return 1;
            }
        }
        if (count <= PAYLOAD_WINDOW_STEP)
            return 0; // the end of the file lies in this window
        window_shift(window, PAYLOAD_WINDOW_STEP);
    }
}

int payload_scan_records(MarkerWindow* window, PayloadDirectory* directory)
{
    memset(directory, 0, sizeof *directory);
    directory->first_record_offset = -1;
    unsigned char pattern[PAYLOAD_MARKER_SIZE];
    payload_marker(pattern);

    int found = 0;
    uint32_t last_type = 0;
    while (payload_find_marker(window, pattern)) {
        if (!found)
            directory->first_record_offset = static_cast<int64_t>(window->file_offset);
        found = 1;
        if (window->count < 40 || window->file_offset > UINT32_MAX - PAYLOAD_HEADER_SIZE)
            return PAYLOAD_ERROR_DAMAGED;
        const unsigned char* header = window->bytes;
        last_type = read_u32(header + 16);
        if (last_type != PAYLOAD_TYPE_MEMBER)
            break;
        if (directory->count == PAYLOAD_MAX_MEMBERS)
            return PAYLOAD_ERROR_DAMAGED; // never silently shortened
        PayloadEntry* entry = &directory->entries[directory->count++];
        entry->stored_size = read_u32(header + 8);
        entry->expanded_size = read_u32(header + 12);
        entry->data_offset = static_cast<uint32_t>(window->file_offset + PAYLOAD_HEADER_SIZE);
        memcpy(entry->name, header + 20, PAYLOAD_NAME_SIZE - 1);
        entry->name[PAYLOAD_NAME_SIZE - 1] = '\0';
    }
    if (!found || last_type == PAYLOAD_TYPE_END)
        return 0;
    return PAYLOAD_ERROR_DAMAGED;
}

void payload_write_header(unsigned char header[PAYLOAD_HEADER_SIZE], uint32_t stored_size,
                          uint32_t expanded_size, uint32_t type, const char* name)
{
    memset(header, 0, PAYLOAD_HEADER_SIZE);
    payload_marker(header);
    write_u32(header + 8, stored_size);
    write_u32(header + 12, expanded_size);
    write_u32(header + 16, type);
    size_t length = strlen(name);
    memcpy(header + 20, name, length < PAYLOAD_NAME_SIZE - 1 ? length : PAYLOAD_NAME_SIZE - 1);
}
