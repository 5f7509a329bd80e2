// UnInst.inf may have been edited or damaged: its entries must be taken apart
// inside their buffers whatever the text.
#include <cstdint>
#include <string>
#include <vector>

#include "install/log_records.h"
#include "uninstall/log_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t dest_size = data[0] % 80;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str();

    std::vector<char> a(dest_size), b(dest_size), c(dest_size);
    split_registry_entry(text.c_str(), a.data(), a.size(), b.data(), b.size());
    split_ini_entry(text.c_str(), a.data(), a.size(), b.data(), b.size(), c.data(), c.size());
    last_component_has_wildcard(text.c_str());
    log_section_for_record(data[0] & 0x1F, text.c_str());
    std::vector<char> list(text.begin(), text.end());
    list.push_back('\0');
    product_list_lines(list.data());
    return 0;
}
