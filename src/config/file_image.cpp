#include "config/file_image.h"

#include "config/lz_file.h"
#include "config/payload.h"

long read_file_image(const char* path, unsigned char* buffer, size_t size)
{
    const PayloadEntry* member = payload_lookup(path);
    if (member) {
        if (!buffer) { // a size past what a long holds is not read at all
            const uint32_t size = member->expanded_size;
            return size <= 0x7FFFFFEFu ? static_cast<long>(size) + 16 : 0;
        }
        return payload_read_member(member, buffer, size);
    }
    if (!buffer) {
        // The expanded size: a compressed file holds more text than it occupies.
        long expanded = lz_expanded_size(path);
        return expanded < 0 ? 0 : expanded;
    }
    int lz = lz_open_read(path);
    if (lz < 0)
        return 0;
    long placed = lz_read_all(lz, buffer, size);
    lz_close(lz);
    return placed < 0 ? 0 : placed;
}
