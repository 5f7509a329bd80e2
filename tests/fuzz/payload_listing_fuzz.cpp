// mksetup list and verify read setups that may be damaged: any bytes must be
// listed and checked without a read outside the file.
#include <cstdint>
#include <cstring>
#include <vector>

#include "config/payload_format.h"
#include "payload_listing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The marker is planted wherever the input says "MARK" so that records
    // are reached; the copy is exactly as long as the input.
    std::vector<uint8_t> file(data, data + size);
    unsigned char marker[PAYLOAD_MARKER_SIZE];
    payload_marker(marker);
    for (size_t i = 0; i + PAYLOAD_MARKER_SIZE <= file.size(); ++i)
        if (memcmp(&file[i], "MARK", 4) == 0)
            memcpy(&file[i], marker, PAYLOAD_MARKER_SIZE);
    PayloadListing listing;
    list_payload(file.data(), file.size(), &listing);
    verify_payload(file.data(), file.size(), listing);
    return 0;
}
