// Texts come from the language-texts file: escapes, markup groups and title
// groups must stay inside their buffers whatever the bytes.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "config/text_markup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t dest_size = data[0] % 64;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str(); // texts end at their first NUL

    std::vector<char> dest(dest_size);
    text_escape(text.c_str(), dest.data(), dest.size());
    text_unescape(text.c_str(), dest.data(), dest.size());

    std::vector<char> message(text.begin(), text.end());
    message.push_back('\0');
    char markup[16];
    if (split_markup(markup, sizeof markup, message.data())) {
        MarkupTitle title;
        markup_interpret(markup, message.data(), &title);
    }
    control_wants_transparency(text.c_str(), dest_size);
    return 0;
}
