#include "config/lz_file.h"

#include <windows.h>
#include <lzexpand.h>

namespace {
const size_t LZ_PIECE = 32766; // the library reads at most this much per call
}

int lz_open_read(const char* path, int deny_write)
{
    // _lopen, unlike LZOpenFileA, has no 128-character limit on the path.
    HFILE file = _lopen(path, OF_READ | (deny_write ? OF_SHARE_DENY_WRITE : OF_SHARE_DENY_NONE));
    if (file == HFILE_ERROR)
        return -1;
    INT lz = LZInit(file);
    if (lz < 0)
        _lclose(file);
    return lz;
}

long lz_read_all(int lz, unsigned char* buffer, size_t size)
{
    size_t placed = 0;
    while (placed < size) {
        INT piece = static_cast<INT>(size - placed < LZ_PIECE ? size - placed : LZ_PIECE);
        INT got = LZRead(lz, reinterpret_cast<char*>(buffer + placed), piece);
        if (got < 0)
            return -1;
        placed += static_cast<size_t>(got);
        if (got < piece)
            break;
    }
    return static_cast<long>(placed);
}

long lz_expanded_size(const char* path)
{
    int lz = lz_open_read(path);
    if (lz < 0)
        return -1;
    LONG size = LZSeek(lz, 0, 2);
    LZClose(lz);
    return size < 0 ? -1 : size;
}

void lz_close(int lz)
{
    LZClose(lz);
}
