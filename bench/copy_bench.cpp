// The copy routine against the system's plain CopyFileA over the same files
// in the same process, the expansion throughput of compressed files, and the
// cost of one uninstall-log record as the log grows.
//
// usage: copy_bench.exe [FOLDER_OF_COMPRESSED_FILES]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "base/setup_state.h"
#include "bench_support.h"
#include "base/text_buffer.h"
#include "install/file_copy.h"
#include "install/uninstall_log.h"

namespace {

const int FILE_COUNT = 200;
const size_t TOTAL_BYTES = 256u << 20;
const int ROUNDS = 5;

std::vector<std::string> file_names(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

void make_plain_files(const std::string& folder)
{
    std::vector<unsigned char> data(TOTAL_BYTES / FILE_COUNT);
    unsigned seed = 7;
    for (int i = 0; i < FILE_COUNT; ++i) {
        fill_pseudo_random(data, seed);
        char name[32];
        snprintf(name, sizeof name, "file%03d.dat", i);
        HANDLE file = CreateFileA((folder + name).c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
        DWORD written;
        WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, NULL);
        CloseHandle(file);
    }
}

enum CopyWay { BY_SYSTEM, BY_ROUTINE, BY_ROUTINE_LOGGED };

// Seconds to copy every file of source into target.
double copy_all(const std::string& source, const std::string& target,
                const std::vector<std::string>& names, CopyWay way, bool* ok)
{
    empty_folder(target);
    if (way == BY_ROUTINE_LOGGED)
        uninstall_log_open(target.c_str(), "Bench", 1);
    const bool with_routine = way != BY_SYSTEM;
    double start = bench_now();
    for (const std::string& name : names) {
        std::string from = source + name, to = target + name;
        bool copied = with_routine ? copy_file_entry(to.c_str(), from.c_str(), 1) != 0
                                   : CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
        *ok = *ok && copied;
    }
    double elapsed = bench_now() - start;
    uninstall_log_close();
    return elapsed;
}

unsigned long long folder_bytes(const std::string& folder)
{
    unsigned long long total = 0;
    for (const std::string& name : file_names(folder)) {
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (name != "UnInst.inf" &&
            GetFileAttributesExA((folder + name).c_str(), GetFileExInfoStandard, &data))
            total += (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    return total;
}

double record_microseconds(const std::string& folder, int records)
{
    DeleteFileA((folder + "UnInst.inf").c_str());
    uninstall_log_open(folder.c_str(), "Bench", 1);
    double start = bench_now();
    for (int i = 0; i < records; ++i) {
        char text[MAX_PATH];
        snprintf(text, sizeof text, "C:\\Games\\Bench\\data\\file%05d.dat", i);
        uninstall_log_record(LOG_FILE, text);
    }
    double elapsed = bench_now() - start;
    uninstall_log_close();
    return elapsed * 1e6 / records;
}

} // namespace

int main(int argc, char** argv)
{
    setup_state.copy_buffer_handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SETUP_COPY_BUFFER_SIZE);
    setup_state.copy_buffer = static_cast<unsigned char*>(GlobalLock(setup_state.copy_buffer_handle));
    setup_state.progress_total = 1;

    const std::string source = bench_folder("copy_bench_source");
    const std::string by_system = bench_folder("copy_bench_system");
    const std::string by_routine = bench_folder("copy_bench_routine");
    make_plain_files(source);
    const std::vector<std::string> names = file_names(source);

    bool ok = true;
    double best_system = 1e9, best_routine = 1e9, best_logged = 1e9;
    copy_all(source, by_system, names, BY_SYSTEM, &ok); // warm the file cache
    for (int round = 0; round < ROUNDS; ++round) {
        // The order changes from round to round, so that the disk's write-back
        // of one way's files does not always fall on the same other way.
        double system_time = 0, routine_time = 0, logged_time = 0;
        for (int step = 0; step < 3; ++step) {
            switch ((round + step) % 3) {
            case 0: system_time = copy_all(source, by_system, names, BY_SYSTEM, &ok); break;
            case 1: routine_time = copy_all(source, by_routine, names, BY_ROUTINE, &ok); break;
            default: logged_time = copy_all(source, by_routine, names, BY_ROUTINE_LOGGED, &ok); break;
            }
        }
        best_system = system_time < best_system ? system_time : best_system;
        best_routine = routine_time < best_routine ? routine_time : best_routine;
        best_logged = logged_time < best_logged ? logged_time : best_logged;
    }
    printf("copy: %d files, %llu MiB; best of %d: copy_file_entry %.0f ms (%.0f ms recording each "
           "file in UnInst.inf), CopyFileA %.0f ms%s\n",
           static_cast<int>(names.size()), folder_bytes(source) >> 20, ROUNDS, best_routine * 1000,
           best_logged * 1000, best_system * 1000, ok ? "" : " (A COPY FAILED)");
    printf("BENCH copy_plain_ratio %.3f\n", best_routine / best_system);
    printf("BENCH copy_plain_logged_ratio %.3f\n", best_logged / best_system);

    if (argc > 1) {
        const std::string packed = std::string(argv[1]) + "\\";
        const std::vector<std::string> packed_names = file_names(packed);
        double best = 1e9;
        for (int round = 0; round < ROUNDS; ++round) {
            double elapsed = copy_all(packed, by_routine, packed_names, BY_ROUTINE, &ok);
            best = elapsed < best ? elapsed : best;
        }
        double mebibytes = static_cast<double>(folder_bytes(by_routine)) / (1 << 20);
        printf("expansion: %d compressed files, %.0f MiB %s -> %.0f MiB expanded in %.0f ms\n",
               static_cast<int>(packed_names.size()), static_cast<double>(folder_bytes(packed)) / (1 << 20),
               ok ? "" : "(A COPY FAILED)", mebibytes, best * 1000);
        printf("BENCH copy_lz_mibps %.1f\n", mebibytes / best);
    }

    const int sizes[] = {100, 1000, 5000};
    for (int records : sizes) {
        double microseconds = record_microseconds(by_routine, records);
        printf("BENCH log_record_us_%d %.1f\n", records, microseconds);
    }

    empty_folder(source);
    empty_folder(by_system);
    empty_folder(by_routine);
    return ok ? 0 : 1;
}
