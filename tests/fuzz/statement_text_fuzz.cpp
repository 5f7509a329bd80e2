// Install script and disk description values are untrusted: command-line
// expansion, entry formats, file entries, HSU and Exec commands and registry
// statements must stay inside their buffers whatever the text.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "install/file_entry.h"
#include "install/file_names.h"
#include "install/statement_text.h"

namespace {

int lookup(void*, const char* extension, char* command, size_t size)
{
    if (extension[0] == 'q')
        return 0;
    snprintf(command, size, "\"C:\\P %s\\x.exe\" \"%%1\"", extension);
    return 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const size_t dest_size = data[0] % 96;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.c_str();

    std::vector<char> dest(dest_size);
    expand_command_text(text.c_str(), "A:\\DISK1\\", lookup, nullptr, dest.data(), dest.size());
    command_program_part(text.c_str(), dest.data(), dest.size());
    format_added_entry(text.c_str(), "C:\\GAMES\\", "ALPS", dest.data(), dest.size());
    compressed_file_name(text.c_str(), dest.data(), dest.size());
    build_exec_command("C:\\WINDOWS", text.c_str(), "A:\\", "x.inf", dest.data(), dest.size());
    FileEntry entry;
    parse_file_entry(text.c_str(), &entry);
    HsuCommand command;
    build_hsu_command(text.c_str(), "A:\\SRC\\", "C:\\SYS", &command);

    std::vector<char> value(text.begin(), text.end());
    value.push_back('\0');
    char *key, *name, *registry_data;
    split_registry_statement(value.data(), &key, &name, &registry_data);
    return 0;
}
