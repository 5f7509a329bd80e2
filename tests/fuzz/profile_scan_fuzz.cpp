// Profile images are untrusted: any bytes must scan without a read or write
// outside the image and the destination.
#include <cstdint>
#include <cstring>
#include <vector>

#include "config/profile_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: destination size; the next line: "section\nkey"; the rest: the image.
    const size_t dest_size = data[0];
    const uint8_t* end_of_names = static_cast<const uint8_t*>(memchr(data + 1, 0, size - 1));
    if (!end_of_names)
        return 0;
    std::vector<char> names(data + 1, end_of_names + 1);
    char* key = strchr(names.data(), '\n');
    if (key)
        *key++ = '\0';
    const uint8_t* image = end_of_names + 1;
    const size_t image_size = size - static_cast<size_t>(image - data);
    std::vector<unsigned char> copy(image, image + image_size); // exact-size heap block

    std::vector<char> dest(dest_size);
    profile_find_value(copy.data(), copy.size(), names.data(), key ? key : "", dest.data(),
                       dest.size());
    profile_list_keys(copy.data(), copy.size(), names.data(), dest.data(), dest.size());
    if (dest_size > 0) {
        dest[dest_size - 1] = '\0';
        profile_parse_int(dest.data(), 1);
    }
    return 0;
}
