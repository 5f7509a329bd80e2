// A copy run against a CopyFileA loop over the same files in the same
// process, with progress shown by the program's own progress control on a
// textured page (and, for comparison, by a plain static control); and the
// time per file of copy runs of many small files.
#include <windows.h>
#include <dde.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/setup_state.h"
#include "bench_support.h"
#include "base/text_buffer.h"
#include "config/profile_cache.h"
#include "install/copy_run.h"
#include "install/program_group.h"
#include "ui/brushes.h"
#include "ui/control_class.h"
#include "ui/dialog_paint.h"

namespace {

const int ROUNDS = 6;
const int ENTRIES_PER_DISK = 1000; // a disk section's listing holds 60,000 bytes

void write_bytes(const std::string& path, const std::vector<unsigned char>& data)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    DWORD written;
    WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, NULL);
    CloseHandle(file);
}

LRESULT CALLBACK page_proc(HWND window, UINT message, WPARAM first, LPARAM second)
{
    if (message == WM_DDE_ACK)
        program_group_note_ack(window, reinterpret_cast<HWND>(first));
    if (message == WM_ERASEBKGND && page_default_proc(window, message, first, second))
        return 1;
    return DefWindowProcA(window, message, first, second);
}

// A textured page whose control 128 shows the progress.
HWND make_page(const char* progress_class, DWORD progress_style)
{
    HWND page = CreateWindowExA(0, "BenchPage", "Bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                400, 200, NULL, NULL, GetModuleHandleA(NULL), NULL);
    CreateWindowExA(0, progress_class, "", WS_CHILD | WS_VISIBLE | progress_style, 10, 10, 195, 40,
                    page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(128)),
                    GetModuleHandleA(NULL), NULL);
    return page;
}

// A product of `count` files of `size` bytes in `source`, with its script
// and disk description file; the state the install page would set.
void make_product(const std::string& source, int count, size_t size)
{
    empty_folder(source);
    std::vector<unsigned char> data(size);
    unsigned seed = 11;
    std::string disks;
    int disk = 0;
    for (int i = 0; i < count; ++i) {
        fill_pseudo_random(data, seed);
        char name[32];
        snprintf(name, sizeof name, "file%05d.dat", i);
        write_bytes(source + name, data);
        if (i % ENTRIES_PER_DISK == 0)
            disks += "[BDISK" + std::to_string(++disk) + "]\r\n";
        disks += std::string(name) + "\r\n";
    }
    std::string ini = "[Bench]\r\nDSK=B\r\n[BDISKS]\r\nVersion=1\r\nfree1=1\r\ndisks=" +
                      std::to_string(disk) + "\r\n" + disks;
    write_bytes(source + "bench.ini", std::vector<unsigned char>(ini.begin(), ini.end()));
    const std::string script = "[Bench]\r\nAPP=Bench\r\nPRG=file00000.dat\r\n";
    write_bytes(source + "Install.ini", std::vector<unsigned char>(script.begin(), script.end()));

    profile_release_all();
    text_copy(setup_state.section_name, sizeof setup_state.section_name, "Bench");
    text_copy(setup_state.script_path, sizeof setup_state.script_path, (source + "Install.ini").c_str());
    text_copy(setup_state.source_dir, sizeof setup_state.source_dir, source.c_str());
    text_copy(setup_state.disk_file, sizeof setup_state.disk_file, (source + "bench.ini").c_str());
    text_copy(setup_state.disk_set, sizeof setup_state.disk_set, "B");
    setup_state.required_space = static_cast<unsigned>(static_cast<unsigned long long>(count) * size / 16384);
    setup_state.directx_flag = setup_state.hsu_flag = 0;
}

double time_copy_run(HWND page, const std::string& target, bool* ok)
{
    empty_folder(target);
    text_copy(setup_state.install_dir, sizeof setup_state.install_dir, target.c_str());
    double start = bench_now();
    *ok = copy_run(page, 0) && *ok;
    return bench_now() - start;
}

double time_copy_file_loop(const std::string& source, const std::string& target, int count, bool* ok)
{
    empty_folder(target);
    double start = bench_now();
    for (int i = 0; i < count; ++i) {
        char name[32];
        snprintf(name, sizeof name, "file%05d.dat", i);
        *ok = CopyFileA((source + name).c_str(), (target + name).c_str(), FALSE) && *ok;
    }
    return bench_now() - start;
}

} // namespace

int main()
{
    setup_state.copy_buffer_handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SETUP_COPY_BUFFER_SIZE);
    setup_state.copy_buffer = static_cast<unsigned char*>(GlobalLock(setup_state.copy_buffer_handle));
    text_copy(setup_state.program_group, sizeof setup_state.program_group, "Velmora Bench");
    bench_prepare_look();
    bench_register_page_class(page_proc);
    HWND page = make_page(SUP_CLASS_NAME, SUP_MODE_PROGRESS);
    HWND standin_page = make_page("Static", 0);

    const std::string source = bench_folder("copyrun_bench_source");
    const std::string by_run = bench_folder("copyrun_bench_run");
    const std::string by_system = bench_folder("copyrun_bench_system");
    bool ok = true;

    make_product(source, 200, (256u << 20) / 200);
    time_copy_file_loop(source, by_system, 200, &ok); // warm the file cache
    // Each of the three goes first, second and third equally often: the
    // files one run leaves behind are deleted before the next.
    double best[3] = {1e9, 1e9, 1e9}; // the program's bar, a plain static, CopyFileA
    for (int round = 0; round < ROUNDS; ++round) {
        for (int turn = 0; turn < 3; ++turn) {
            const int which = (round + turn) % 3;
            const double elapsed = which == 0   ? time_copy_run(page, by_run, &ok)
                                   : which == 1 ? time_copy_run(standin_page, by_run, &ok)
                                                : time_copy_file_loop(source, by_system, 200, &ok);
            best[which] = elapsed < best[which] ? elapsed : best[which];
        }
    }
    const double best_run = best[0], best_standin = best[1], best_system = best[2];
    printf("copy run: 200 files, 256 MiB; best of %d: copy_run %.0f ms (with a plain static "
           "as the bar %.0f ms), CopyFileA loop %.0f ms%s\n",
           ROUNDS, best_run * 1000, best_standin * 1000, best_system * 1000,
           ok ? "" : " (A COPY FAILED)");
    printf("BENCH copyrun_ratio %.3f\n", best_run / best_system);
    printf("BENCH copyrun_ratio_plain_static %.3f\n", best_standin / best_system);

    for (int count : {100, 1000, 5000}) {
        make_product(source, count, 1024);
        double elapsed = time_copy_run(page, by_run, &ok);
        double loop = time_copy_file_loop(source, by_system, count, &ok);
        printf("copy run of %d files of 1 KiB: %.0f ms (CopyFileA loop %.0f ms)%s\n", count,
               elapsed * 1000, loop * 1000, ok ? "" : " (A COPY FAILED)");
        printf("BENCH copyrun_file_us_%d %.0f\n", count, elapsed * 1e6 / count);
    }

    empty_folder(source);
    empty_folder(by_run);
    empty_folder(by_system);
    DestroyWindow(page);
    DestroyWindow(standin_page);
    release_brushes();
    return ok ? 0 : 1;
}
