// payload_scan over a 64 MiB executable with members, against one sequential
// read of the same file in the same process. Prints the ratio.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "config/payload.h"
#include "config/payload_format.h"

namespace {

const size_t FILE_SIZE = 64u << 20;
const int ROUNDS = 5;

// Returns the number of members written.
int write_bench_exe(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    std::vector<unsigned char> block(1 << 20);
    unsigned seed = 12345;
    DWORD written;
    size_t total = 0;
    // 2 MiB of program image, then members of 1 MiB of random bytes (random
    // data holds the marker's first byte every 256 bytes or so).
    int member = -2;
    for (; total + block.size() + PAYLOAD_HEADER_SIZE <= FILE_SIZE; ++member) {
        fill_pseudo_random(block, seed);
        if (member >= 0) {
            unsigned char header[PAYLOAD_HEADER_SIZE];
            char name[20];
            snprintf(name, sizeof name, "member%02d.dat", member);
            payload_write_header(header, static_cast<uint32_t>(block.size()),
                                 static_cast<uint32_t>(block.size()), PAYLOAD_TYPE_MEMBER, name);
            WriteFile(file, header, sizeof header, &written, NULL);
            total += sizeof header;
        }
        WriteFile(file, block.data(), static_cast<DWORD>(block.size()), &written, NULL);
        total += block.size();
    }
    unsigned char end[PAYLOAD_HEADER_SIZE];
    payload_write_header(end, 0, 0, PAYLOAD_TYPE_END, "");
    WriteFile(file, end, sizeof end, &written, NULL);
    CloseHandle(file);
    return member;
}

double seconds_since(const LARGE_INTEGER& start)
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start.QuadPart) / frequency.QuadPart;
}

double time_sequential_read(const char* path)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, NULL);
    std::vector<unsigned char> buffer(PAYLOAD_WINDOW_SIZE);
    DWORD got;
    unsigned sum = 0;
    while (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, NULL) && got)
        sum += buffer[got - 1];
    CloseHandle(file);
    double elapsed = seconds_since(start);
    if (sum == 1)
        printf(" ");
    return elapsed;
}

double time_scan(const char* path, int* result)
{
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    *result = payload_scan_file(path);
    double elapsed = seconds_since(start);
    return elapsed;
}

} // namespace

int main()
{
    char temp[MAX_PATH], path[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    snprintf(path, sizeof path, "%spayload_bench.exe", temp);
    const int written = write_bench_exe(path);

    double best_read = 1e9, best_scan = 1e9;
    int result = 0;
    time_sequential_read(path); // warm the file cache
    for (int round = 0; round < ROUNDS; ++round) {
        double read = time_sequential_read(path);
        double scan = time_scan(path, &result);
        if (read < best_read)
            best_read = read;
        if (scan < best_scan)
            best_scan = scan;
    }
    int members = 0;
    for (int i = 0; i < written; ++i) {
        char name[20];
        snprintf(name, sizeof name, "member%02d.dat", i);
        if (payload_lookup(name))
            ++members;
    }
    payload_release();
    DeleteFileA(path);

    printf("payload_scan: %d members, result %d, best of %d: scan %.1f ms, sequential read %.1f ms\n",
           members, result, ROUNDS, best_scan * 1000, best_read * 1000);
    printf("BENCH payload_scan_ratio %.3f\n", best_scan / best_read);
    return result == 0 && members == written ? 0 : 1;
}
