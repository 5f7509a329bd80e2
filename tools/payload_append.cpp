// payload_append: writes a copy of a setup executable with files appended as
// payload members, closed by an end record.
//
//   payload_append OUTPUT.exe INPUT.exe [--end-type N | --no-end] FILE[=NAME]...
//
// A file compressed in the LZ expansion format ("SZDD" header) is stored as it
// is, with its expanded size taken from the header. --end-type and --no-end
// write damaged directories for tests.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "config/payload_format.h"

namespace {

bool read_file(const std::string& path, std::vector<unsigned char>* bytes)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    unsigned char buffer[65536];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + got);
    bool ok = !ferror(file);
    fclose(file);
    return ok;
}

uint32_t expanded_size(const std::vector<unsigned char>& bytes)
{
    static const unsigned char szdd[8] = {'S', 'Z', 'D', 'D', 0x88, 0xF0, 0x27, 0x33};
    if (bytes.size() >= 14 && memcmp(bytes.data(), szdd, sizeof szdd) == 0)
        return static_cast<uint32_t>(bytes[10]) | static_cast<uint32_t>(bytes[11]) << 8 |
               static_cast<uint32_t>(bytes[12]) << 16 | static_cast<uint32_t>(bytes[13]) << 24;
    return static_cast<uint32_t>(bytes.size());
}

void append_header(std::vector<unsigned char>* out, uint32_t stored, uint32_t expanded,
                   uint32_t type, const char* name)
{
    unsigned char header[PAYLOAD_HEADER_SIZE];
    payload_write_header(header, stored, expanded, type, name);
    out->insert(out->end(), header, header + sizeof header);
}

int usage()
{
    fprintf(stderr, "usage: payload_append OUTPUT.exe INPUT.exe [--end-type N | --no-end] "
                    "FILE[=NAME]...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return usage();
    std::vector<unsigned char> out;
    if (!read_file(argv[2], &out)) {
        fprintf(stderr, "payload_append: cannot read %s\n", argv[2]);
        return 1;
    }
    long end_type = PAYLOAD_TYPE_END;
    int members = 0;
    for (int i = 3; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--no-end") {
            end_type = -1;
            continue;
        }
        if (argument == "--end-type" && i + 1 < argc) {
            end_type = strtol(argv[++i], NULL, 10);
            continue;
        }
        std::string path = argument, name;
        size_t equals = argument.rfind('=');
        if (equals != std::string::npos) {
            path = argument.substr(0, equals);
            name = argument.substr(equals + 1);
        } else {
            size_t slash = argument.find_last_of('/');
            name = slash == std::string::npos ? argument : argument.substr(slash + 1);
        }
        if (name.empty() || name.size() >= PAYLOAD_NAME_SIZE) {
            fprintf(stderr, "payload_append: member name '%s' must have 1 to %d characters\n",
                    name.c_str(), PAYLOAD_NAME_SIZE - 1);
            return 1;
        }
        if (++members > PAYLOAD_MAX_MEMBERS) {
            fprintf(stderr, "payload_append: at most %d members\n", PAYLOAD_MAX_MEMBERS);
            return 1;
        }
        std::vector<unsigned char> data;
        if (!read_file(path, &data)) {
            fprintf(stderr, "payload_append: cannot read %s\n", path.c_str());
            return 1;
        }
        append_header(&out, static_cast<uint32_t>(data.size()), expanded_size(data),
                      PAYLOAD_TYPE_MEMBER, name.c_str());
        out.insert(out.end(), data.begin(), data.end());
    }
    if (end_type >= 0)
        append_header(&out, 0, 0, static_cast<uint32_t>(end_type), "");

    FILE* file = fopen(argv[1], "wb");
    if (!file || fwrite(out.data(), 1, out.size(), file) != out.size() || fclose(file) != 0) {
        fprintf(stderr, "payload_append: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
