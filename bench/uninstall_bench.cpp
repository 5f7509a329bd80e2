// Uninstalling N recorded files against a DeleteFileA loop over as many
// files in the same process.
#include <windows.h>

#include <cstdio>
#include <string>

#include "base/setup_state.h"
#include "bench_support.h"
#include "base/text_buffer.h"
#include "install/uninstall_log.h"
#include "uninstall/uninstall.h"

namespace {

std::string file_name(const std::string& folder, int i)
{
    char name[32];
    snprintf(name, sizeof name, "file%05d.dat", i);
    return folder + name;
}

void make_files(const std::string& folder, int count)
{
    CreateDirectoryA(folder.c_str(), NULL);
    for (int i = 0; i < count; ++i) {
        HANDLE file = CreateFileA(file_name(folder, i).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written;
        WriteFile(file, "x", 1, &written, NULL);
        CloseHandle(file);
    }
}

} // namespace

int main()
{
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string installed = std::string(temp) + "uninstall_bench\\";
    const std::string plain = std::string(temp) + "uninstall_bench_plain\\";
    bool ok = true;
    for (int count : {1000, 5000}) {
        make_files(installed, count);
        uninstall_log_open(installed.c_str(), "Bench", 1);
        uninstall_log_record(LOG_PATH, installed.c_str());
        for (int i = 0; i < count; ++i)
            uninstall_log_record(LOG_FILE, file_name(installed, i).c_str());
        uninstall_log_close();
        text_copy(setup_state.uninstall_log_path, sizeof setup_state.uninstall_log_path,
                  (installed + "UnInst.inf").c_str());
        double start = bench_now();
        ok = uninstall_run(NULL, 0) && ok;
        double uninstall = bench_now() - start;
        ok = ok && GetFileAttributesA(installed.c_str()) == INVALID_FILE_ATTRIBUTES;

        make_files(plain, count);
        start = bench_now();
        for (int i = 0; i < count; ++i)
            ok = DeleteFileA(file_name(plain, i).c_str()) && ok;
        double loop = bench_now() - start;
        RemoveDirectoryA(plain.c_str());
        printf("uninstall of %d files: %.0f ms, DeleteFileA loop %.0f ms%s\n", count, uninstall * 1000,
               loop * 1000, ok ? "" : " (NOT ALL REMOVED)");
        printf("BENCH uninstall_ratio_%d %.3f\n", count, uninstall / loop);
    }
    return ok ? 0 : 1;
}
