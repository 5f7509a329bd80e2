#include "file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

std::string describe(const std::string& what, const std::string& path)
{
    return "cannot " + what + " " + path + ": " + strerror(errno);
}

std::string folder_of(const std::string& path)
{
    std::string name = base_name(path);
    std::string folder = path.substr(0, path.size() - name.size());
    return folder.empty() ? std::string(".") : folder;
}

#ifdef _WIN32
// A new empty file in the target's folder, so that the rename stays on one volume.
FILE* open_temporary(const std::string& path, std::string* temporary)
{
    char name[MAX_PATH];
    if (!GetTempFileNameA(folder_of(path).c_str(), "mks", 0, name))
        return NULL;
    *temporary = name;
    return fopen(name, "wb");
}

bool replace_file(const std::string& from, const std::string& to)
{
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
        return true;
    DWORD code = GetLastError();
    errno = code == ERROR_ACCESS_DENIED || code == ERROR_SHARING_VIOLATION ? EACCES
            : code == ERROR_PATH_NOT_FOUND                                 ? ENOENT
                                                                           : EIO;
    return false;
}

bool is_folder(FILE*)
{
    return false; // fopen does not open folders here
}
#else
FILE* open_temporary(const std::string& path, std::string* temporary)
{
    std::string pattern = path + ".mksetup-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0)
        return NULL;
    *temporary = name.data();
    // mkstemp makes the file private; give it the mode a new file would get.
    mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    FILE* file = fdopen(fd, "wb");
    if (!file)
        close(fd);
    return file;
}

bool replace_file(const std::string& from, const std::string& to)
{
    return rename(from.c_str(), to.c_str()) == 0;
}

bool is_folder(FILE* file)
{
    struct stat status;
    return fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode);
}
#endif

} // namespace

std::string base_name(const std::string& path)
{
#ifdef _WIN32
    size_t cut = path.find_last_of("/\\:");
#else
    size_t cut = path.find_last_of('/');
#endif
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool read_whole_file(const std::string& path, std::vector<unsigned char>* bytes,
                     std::string* error)
{
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) {
        *error = describe("open", path);
        return false;
    }
    if (is_folder(file)) {
        fclose(file);
        *error = "cannot read " + path + ": it is a folder";
        return false;
    }
    bytes->clear();
    if (fseek(file, 0, SEEK_END) == 0) {
        long size = ftell(file);
        if (size > 0)
            bytes->reserve(static_cast<size_t>(size));
        rewind(file);
    }
    unsigned char buffer[1 << 16];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes->insert(bytes->end(), buffer, buffer + got);
    bool ok = !ferror(file);
    if (!ok)
        *error = describe("read", path);
    fclose(file);
    return ok;
}

bool write_file_atomically(const std::string& path, const std::vector<unsigned char>& bytes,
                           std::string* error)
{
    std::string temporary;
    FILE* file = open_temporary(path, &temporary);
    if (!file) {
        *error = describe("create a file in", folder_of(path));
        return false;
    }
    bool written = fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (written)
        written = fflush(file) == 0;
#ifndef _WIN32
    if (written)
        written = fsync(fileno(file)) == 0;
#endif
    if (!written)
        *error = describe("write", temporary);
    if (fclose(file) != 0 && written) {
        *error = describe("write", temporary);
        written = false;
    }
    if (written && !replace_file(temporary, path)) {
        *error = describe("replace", path);
        written = false;
    }
    if (!written)
        remove(temporary.c_str());
    return written;
}
