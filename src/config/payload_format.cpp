#include "config/payload_format.h"

#include <cstring>

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
        size_t i = 0;
        while (i < positions) {
            const void* hit = memchr(window->bytes + i, pattern[0], positions - i);
            if (!hit)
                break;
            i = static_cast<size_t>(static_cast<const unsigned char*>(hit) - window->bytes);
            if (i + PAYLOAD_MARKER_SIZE <= count &&
                memcmp(window->bytes + i, pattern, PAYLOAD_MARKER_SIZE) == 0) {
                window_shift(window, i);
                return 1;
            }
            ++i;
        }
        if (count <= PAYLOAD_WINDOW_STEP)
            return 0; // the end of the file lies in this window
        window_shift(window, PAYLOAD_WINDOW_STEP);
    }
}

int payload_scan_records(MarkerWindow* window, PayloadDirectory* directory)
{
    memset(directory, 0, sizeof *directory);
    unsigned char pattern[PAYLOAD_MARKER_SIZE];
    payload_marker(pattern);

    int found = 0;
    uint32_t last_type = 0;
    while (payload_find_marker(window, pattern)) {
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
