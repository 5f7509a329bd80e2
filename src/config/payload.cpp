#include "config/payload.h"

#include <windows.h>

#include <cstring>

#include "base/text_buffer.h"
#include "config/lz_file.h"

namespace {

PayloadDirectory payload_directory;
char own_exe_path[MAX_PATH];
char payload_temp_path[MAX_PATH];

enum { ERROR_READ = 1114, ERROR_WRITE = 1128, ERROR_DAMAGED = 1153 };

size_t read_handle(void* context, unsigned char* dest, size_t count)
{
    DWORD got = 0;
    if (!ReadFile(static_cast<HANDLE>(context), dest, static_cast<DWORD>(count), &got, NULL))
        return 0;
    return got;
}

HANDLE open_for_reading(const char* path)
{
    return CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       NULL, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, NULL);
}

int scan_executable(const char* exe_path)
{
    HANDLE file = open_for_reading(exe_path);
    if (file == INVALID_HANDLE_VALUE)
        return PAYLOAD_ERROR_MEMORY;
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, PAYLOAD_WINDOW_SIZE);
    unsigned char* window_bytes = handle ? static_cast<unsigned char*>(GlobalLock(handle)) : NULL;
    if (!window_bytes) {
        if (handle)
            GlobalFree(handle);
        CloseHandle(file);
        return PAYLOAD_ERROR_MEMORY;
    }
    ByteSource source = {file, read_handle};
    MarkerWindow window;
    marker_window_init(&window, window_bytes, &source);
    int result = payload_scan_records(&window, &payload_directory);
    CloseHandle(file);
    GlobalUnlock(handle);
    GlobalFree(handle);
    return result;
}

// Copies the member's stored bytes into the temporary file. Returns 0 or the
// number of the message that describes the failure.
int bring_out(const PayloadEntry* entry, unsigned char* buffer, size_t buffer_size)
{
    if (buffer_size == 0)
        return ERROR_READ;
    HANDLE exe = open_for_reading(own_exe_path);
    if (exe == INVALID_HANDLE_VALUE)
        return ERROR_READ;
    HANDLE temp = payload_temp_path[0]
                      ? CreateFileA(payload_temp_path, GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, NULL)
                      : INVALID_HANDLE_VALUE;
    if (temp == INVALID_HANDLE_VALUE) {
        CloseHandle(exe);
        return ERROR_WRITE;
    }
    int error = 0;
    // Offsets reach 4 GiB: a plain 32-bit move would take those past 2 GiB as
    // negative and fail.
    LARGE_INTEGER offset;
    offset.QuadPart = entry->data_offset;
    if (!SetFilePointerEx(exe, offset, NULL, FILE_BEGIN))
        error = ERROR_READ;
    for (uint32_t left = entry->stored_size; !error && left > 0;) {
        DWORD piece = left < buffer_size ? left : static_cast<DWORD>(buffer_size);
        DWORD got = 0, written = 0;
        if (!ReadFile(exe, buffer, piece, &got, NULL) || got != piece)
            error = ERROR_READ;
        else if (!WriteFile(temp, buffer, piece, &written, NULL) || written != piece)
            error = ERROR_WRITE;
        left -= piece;
    }
    CloseHandle(exe);
    CloseHandle(temp);
    return error;
}

} // namespace

int payload_scan_file(const char* exe_path)
{
    memset(&payload_directory, 0, sizeof payload_directory);
    payload_directory.first_record_offset = -1;
    char temp_dir[MAX_PATH];
    DWORD length = GetTempPathA(sizeof temp_dir, temp_dir);
    if (payload_temp_path[0] == '\0' && length > 0 && length < sizeof temp_dir &&
        !GetTempFileNameA(temp_dir, "usi", 0, payload_temp_path))
        payload_temp_path[0] = '\0';
    text_copy(own_exe_path, sizeof own_exe_path, exe_path);
    return scan_executable(own_exe_path);
}

int payload_scan()
{
    char exe_path[MAX_PATH];
    DWORD length = GetModuleFileNameA(NULL, exe_path, sizeof exe_path);
    if (length == 0 || length >= sizeof exe_path)
        return PAYLOAD_ERROR_MEMORY;
    return payload_scan_file(exe_path);
}

const PayloadEntry* payload_lookup(const char* path)
{
    const char* name = base_name(path);
    for (int i = 0; i < payload_directory.count; ++i)
        if (text_equal_nocase(payload_directory.entries[i].name, name))
            return &payload_directory.entries[i];
    return NULL;
}

long payload_extract_member(const char* path, char* out_path, size_t out_size,
                            unsigned char* buffer, size_t buffer_size)
{
    const PayloadEntry* entry = payload_lookup(path);
    if (!entry || entry->stored_size == 0)
        return 0;
    int error = bring_out(entry, buffer, buffer_size);
    if (error) {
        DeleteFileA(payload_temp_path);
        return -error;
    }
    text_copy(out_path, out_size, payload_temp_path);
    return static_cast<long>(entry->stored_size);
}

long payload_read_member(const PayloadEntry* entry, unsigned char* buffer, size_t buffer_size)
{
    int error = bring_out(entry, buffer, buffer_size);
    size_t wanted = entry->expanded_size < buffer_size ? entry->expanded_size : buffer_size;
    if (!error) {
        int lz = lz_open_read(payload_temp_path);
        if (lz < 0) {
            error = ERROR_READ;
        } else {
            if (lz_read_all(lz, buffer, wanted) != static_cast<long>(wanted))
                error = ERROR_DAMAGED;
            lz_close(lz);
        }
    }
    DeleteFileA(payload_temp_path);
    return error ? -error : static_cast<long>(wanted);
}

const char* payload_executable_path()
{
    return own_exe_path;
}

long long payload_first_record_offset()
{
    return own_exe_path[0] ? payload_directory.first_record_offset : -1;
}

void payload_release()
{
    if (payload_temp_path[0])
        DeleteFileA(payload_temp_path);
    payload_temp_path[0] = '\0';
    own_exe_path[0] = '\0';
    memset(&payload_directory, 0, sizeof payload_directory);
    payload_directory.first_record_offset = -1;
}
