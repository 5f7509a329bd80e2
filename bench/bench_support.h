// Clock and scratch folders shared by the benchmarks.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/setup_state.h"
#include "ui/brushes.h"
#include "ui/control_class.h"

inline double bench_now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / frequency.QuadPart;
}

// A folder under the temporary directory, with its trailing backslash.
inline std::string bench_folder(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + name;
    CreateDirectoryA(folder.c_str(), NULL);
    return folder + "\\";
}

// Deletes the files of a folder (given with its trailing backslash).
inline void empty_folder(const std::string& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileA((folder + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// Fills data with reproducible bytes that do not compress (as member data of a
// real payload does not); seed carries on from one call to the next.
inline void fill_pseudo_random(std::vector<unsigned char>& data, unsigned& seed)
{
    for (unsigned char& byte : data) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<unsigned char>(seed >> 16);
    }
}

// The program's look as start-up prepares it: the control class and the
// brush set of a version 4 system, drawing with this executable's bitmaps.
inline void bench_prepare_look()
{
    setup_state.instance = GetModuleHandleA(NULL);
    setup_state.windows_version = 4;
    register_control_class(setup_state.instance);
    refresh_brushes();
}

// Registers a window class of procedure for the benchmark's pages.
inline void bench_register_page_class(WNDPROC procedure)
{
    WNDCLASSA page_class = {};
    page_class.lpfnWndProc = procedure;
    page_class.hInstance = GetModuleHandleA(NULL);
    page_class.lpszClassName = "BenchPage";
    RegisterClassA(&page_class);
}
