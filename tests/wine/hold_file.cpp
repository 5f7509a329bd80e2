// Test helper: holds a file open (others may only read it) the way a running
// program holds its executable, until the ready marker it made is deleted or
// a minute has passed.
//   hold_file.exe FILE READY_MARKER
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    HANDLE held = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (held == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE marker = CreateFileA(argv[2], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (marker != INVALID_HANDLE_VALUE)
        CloseHandle(marker);
    for (int i = 0; i < 600 && GetFileAttributesA(argv[2]) != INVALID_FILE_ATTRIBUTES; ++i)
        Sleep(100);
    CloseHandle(held);
    return 0;
}
