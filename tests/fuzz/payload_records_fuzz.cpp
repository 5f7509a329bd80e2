// The appended directory comes from a file that may be damaged: any bytes must
// scan without a read or write outside the window or the table.
#include <cstdint>
#include <cstring>
#include <vector>

#include "config/payload_format.h"

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t position;
    size_t piece;
};

size_t read_input(void* context, unsigned char* dest, size_t count)
{
    Input* input = static_cast<Input*>(context);
    size_t n = input->size - input->position;
    if (n > count)
        n = count;
    if (n > input->piece)
        n = input->piece;
    if (n > 0)
        memcpy(dest, input->data + input->position, n);
    input->position += n;
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses how short the reads come back; the marker is
    // planted wherever the input says "MARK" so that records are reached.
    std::vector<uint8_t> file(data + 1, data + size);
    unsigned char marker[PAYLOAD_MARKER_SIZE];
    payload_marker(marker);
    for (size_t i = 0; i + 4 <= file.size(); ++i)
        if (memcmp(&file[i], "MARK", 4) == 0 && i + PAYLOAD_MARKER_SIZE <= file.size())
            memcpy(&file[i], marker, PAYLOAD_MARKER_SIZE);
    Input input = {file.data(), file.size(), 0, static_cast<size_t>(data[0]) * 97 + 1};
    ByteSource source = {&input, read_input};
    std::vector<unsigned char> window(PAYLOAD_WINDOW_SIZE);
    MarkerWindow marker_window;
    marker_window_init(&marker_window, window.data(), &source);
    PayloadDirectory directory;
    payload_scan_records(&marker_window, &directory);
    return 0;
}
