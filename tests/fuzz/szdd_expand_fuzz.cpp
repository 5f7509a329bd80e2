// Compressed files come from anywhere: any bytes must expand or be refused
// without a read outside the input or a write outside the output. The same
// bytes, compressed, must expand back to themselves.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "szdd.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<unsigned char> expanded;
    std::string error;
    if (szdd_expand(data, size, &expanded, &error) && !szdd_has_magic(data, size) &&
        expanded != std::vector<unsigned char>(data, data + size))
        abort(); // a plain file passes through unchanged

    std::vector<unsigned char> compressed, back;
    szdd_compress(data, size, 'x', &compressed);
    if (!szdd_expand(compressed.data(), compressed.size(), &back, &error) ||
        back != std::vector<unsigned char>(data, data + size))
        abort();
    return 0;
}
