// make_art: writes the program's bitmaps and icon into a folder.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "art.h"

namespace {

const char usage_text[] =
    "usage: make_art OUT_DIR\n"
    "  writes texture.bmp, caption.bmp, info.bmp, hands.bmp, exclamation.bmp,\n"
    "  question.bmp and setup.ico into the existing folder OUT_DIR\n";

int fail(const std::string& message)
{
    fprintf(stderr, "make_art: %s\n", message.c_str());
    return 1;
}

bool write_file(const std::string& path, const std::vector<unsigned char>& bytes,
                std::string* error)
{
    FILE* file = fopen(path.c_str(), "wb");
    if (!file) {
        *error = "cannot write " + path + ": " + strerror(errno);
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int saved = errno;
    if (fclose(file) != 0 && written) {
        written = false;
        saved = errno;
    }
    if (!written) {
        *error = "cannot write " + path + ": " + strerror(saved);
        remove(path.c_str());
    }
    return written;
}

} // namespace

int main(int argc, char** argv)
{
    bool help = argc == 2 && strcmp(argv[1], "--help") == 0;
    if (help || argc != 2 || argv[1][0] == '\0') {
        fputs(usage_text, help ? stdout : stderr);
        return help ? 0 : 2;
    }
    try {
        std::string folder = argv[1];
        if (folder.back() != '/')
            folder += '/';
        for (const ArtFile& file : make_all_art()) {
            std::string error;
            if (!write_file(folder + file.name, file.bytes, &error))
                return fail(error);
        }
        return 0;
    } catch (const std::bad_alloc&) {
        return fail("out of memory");
    }
}
