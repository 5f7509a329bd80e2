#include "install/file_copy.h"

#include <windows.h>
#include <lzexpand.h>

#include <cstdio>
#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "config/lz_file.h"
#include "config/message_box.h"
#include "config/payload.h"
#include "config/texts.h"
#include "install/file_names.h"
#include "install/progress.h"
#include "install/uninstall_log.h"
#include "resource_ids.h"

namespace {

// Two names of one file: the same full path in any case, or, when both exist,
// the same file on the same volume (a short 8.3 name, a link).
int same_file(const char* a, const char* b)
{
    char full_a[MAX_PATH * 2], full_b[MAX_PATH * 2];
    DWORD length_a = GetFullPathNameA(a, sizeof full_a, full_a, NULL);
    DWORD length_b = GetFullPathNameA(b, sizeof full_b, full_b, NULL);
    if (length_a == 0 || length_a >= sizeof full_a || length_b == 0 || length_b >= sizeof full_b)
        return text_equal_nocase(a, b);
    if (text_equal_nocase(full_a, full_b))
        return 1;
    if (GetFileAttributesA(a) == INVALID_FILE_ATTRIBUTES)
        return 0; // a missing destination cannot be the source
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE file_a = CreateFileA(a, 0, share, NULL, OPEN_EXISTING, 0, NULL);
    HANDLE file_b = CreateFileA(b, 0, share, NULL, OPEN_EXISTING, 0, NULL);
    BY_HANDLE_FILE_INFORMATION info_a, info_b;
    int same = file_a != INVALID_HANDLE_VALUE && file_b != INVALID_HANDLE_VALUE &&
               GetFileInformationByHandle(file_a, &info_a) &&
               GetFileInformationByHandle(file_b, &info_b) &&
               info_a.dwVolumeSerialNumber == info_b.dwVolumeSerialNumber &&
               info_a.nFileIndexHigh == info_b.nFileIndexHigh &&
               info_a.nFileIndexLow == info_b.nFileIndexLow;
    if (file_a != INVALID_HANDLE_VALUE)
        CloseHandle(file_a);
    if (file_b != INVALID_HANDLE_VALUE)
        CloseHandle(file_b);
    return same;
}

// Creates the file the copy is written into, beside the destination: the
// destination's name with ".vel~" appended, or a unique name when that is
// taken. Returns the open handle and its name.
HANDLE create_temporary(const char* destination, char* temporary, size_t size)
{
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN;
    text_copy(temporary, size, destination);
    text_append(temporary, size, ".vel~");
    HANDLE output = CreateFileA(temporary, GENERIC_WRITE, 0, NULL, CREATE_NEW, flags, NULL);
    if (output != INVALID_HANDLE_VALUE)
        return output;
    char directory[SETUP_PATH_SIZE];
    directory_of(destination, directory, sizeof directory);
    if (!directory[0])
        text_copy(directory, sizeof directory, ".");
    if (size < MAX_PATH || !GetTempFileNameA(directory, "vel", 0, temporary))
        return INVALID_HANDLE_VALUE;
    output = CreateFileA(temporary, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, flags, NULL);
    if (output == INVALID_HANDLE_VALUE)
        DeleteFileA(temporary);
    return output;
}

void report_cannot_create(const char* destination)
{
    char text[SETUP_PATH_SIZE + 64];
    load_text(text, "File:", 64);
    text_append(text, sizeof text, " ");
    text_append(text, sizeof text, destination);
    message_box(NULL, text, MAKEINTRESOURCEA(IDS_CANNOT_OPEN_FILE), MB_ICONHAND);
}

// Opens the source through the LZ library, as the library itself would also
// under the name of its compressed copy.
int open_source(const char* source)
{
    int lz = lz_open_read(source, 1);
    if (lz >= 0)
        return lz;
    char compressed[SETUP_PATH_SIZE];
    compressed_file_name(source, compressed, sizeof compressed);
    return lz_open_read(compressed, 1);
}

// Expands the open source into the open output. Returns 1, or 0 after telling
// the user why. A source that yields fewer bytes than it announces (a cut
// compressed file) is a failed copy, not a short file.
int transfer(int lz, HANDLE output)
{
    const LONG announced = LZSeek(lz, 0, 2);
    LZSeek(lz, 0, 0);
    unsigned char* buffer = setup_state.copy_buffer;
    LONG placed = 0;
    for (;;) {
        INT got = LZRead(lz, reinterpret_cast<char*>(buffer), SETUP_COPY_BUFFER_SIZE);
        if (got == 0)
            break;
        if (got < 0) {
            show_message(IDS_CANNOT_READ_FILE, "");
            return 0;
        }
        DWORD written = 0;
        if (!WriteFile(output, buffer, static_cast<DWORD>(got), &written, NULL) ||
            written != static_cast<DWORD>(got)) {
            show_message(IDS_DISK_FULL, "");
            return 0;
        }
        placed += got;
        ++setup_state.progress_count;
        report_progress();
    }
    if (announced >= 0 && placed != announced) {
        show_message(IDS_CANNOT_READ_FILE, "");
        return 0;
    }
    return 1;
}

} // namespace

int expand_copy(const char* destination, const char* source, int quiet)
{
    if (same_file(destination, source)) {
        show_message(IDS_COPY_ONTO_ITSELF, "");
        return 0;
    }
    if (setup_state.verbose) {
        char text[SETUP_PATH_SIZE * 2 + 8];
        snprintf(text, sizeof text, "%s -> %s", source, destination);
        message_box(NULL, text, "Copying file:", MB_ICONASTERISK);
    }
    if (!setup_state.copy_buffer)
        return 0;

    // The copy goes into a temporary file beside the destination, which is
    // replaced only once the copy is whole.
    char temporary[SETUP_PATH_SIZE + 8];
    HANDLE output = create_temporary(destination, temporary, sizeof temporary);
    if (output == INVALID_HANDLE_VALUE) {
        report_cannot_create(destination);
        return 0;
    }

    int lz;
    while ((lz = open_source(source)) < 0) {
        if (quiet || show_message(IDS_INSERT_DISK, setup_state.disk_caption) != IDOK) {
            CloseHandle(output);
            DeleteFileA(temporary);
            return 0;
        }
    }
    int copied = transfer(lz, output);
    lz_close(lz);
    if (!CloseHandle(output))
        copied = 0;
    if (copied && !MoveFileExA(temporary, destination, MOVEFILE_REPLACE_EXISTING)) {
        report_cannot_create(destination);
        copied = 0;
    }
    if (!copied) {
        DeleteFileA(temporary);
        return 0;
    }
    ++setup_state.progress_count;
    report_progress();
    uninstall_log_record(LOG_FILE, destination);
    return 1;
}

int copy_file_entry(const char* destination, const char* source, int quiet)
{
    char member_path[MAX_PATH * 2];
    long stored = payload_extract_member(source, member_path, sizeof member_path,
                                         setup_state.copy_buffer, SETUP_COPY_BUFFER_SIZE);
    if (stored < 0)
        return 0;
    if (stored == 0)
        return expand_copy(destination, source, quiet);
    int copied = expand_copy(destination, member_path, quiet);
    DeleteFileA(member_path);
    return copied;
}

int remove_file(const char* path)
{
    // No sharing: a file another process holds open is not deleted. Held by
    // this handle alone, the file goes when it is closed. (Asking afterwards
    // whether it is gone would make the system search the whole directory
    // for a name in any case, for every file removed.)
    HANDLE file = CreateFileA(path, DELETE, 0, NULL, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    return CloseHandle(file) ? 1 : 0;
}

int file_exists(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int create_directory_path(const char* path)
{
    char partial[SETUP_PATH_SIZE];
    const size_t length = strlen(path);
    for (size_t i = 3; i < length && i < sizeof partial; ++i) {
        if (path[i] == '\\') {
            memcpy(partial, path, i);
            partial[i] = '\0';
            CreateDirectoryA(partial, NULL);
        }
    }
    CreateDirectoryA(path, NULL);
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
