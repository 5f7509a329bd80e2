// A library an HSU entry names: its function leaves a mark the test can see.
#include <windows.h>

extern "C" __declspec(dllexport) DWORD WINAPI HsuInit(void)
{
    char path[MAX_PATH];
    DWORD length = GetTempPathA(sizeof path, path);
    if (length > 0 && length < sizeof path - 32) {
        lstrcatA(path, "hsu_test_called.txt");
        HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        if (file != INVALID_HANDLE_VALUE)
            CloseHandle(file);
    }
    return 0x1234ABCD;
}
