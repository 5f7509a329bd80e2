#include "install/disk_space.h"

#include <windows.h>

#include <cctype>

unsigned long long drive_free_bytes(const char* path)
{
    if (!isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' || path[2] != '\\')
        return 0;
    const char root[4] = {path[0], ':', '\\', '\0'};
    DWORD sectors_per_cluster, bytes_per_sector, free_clusters, total_clusters;
    if (!GetDiskFreeSpaceA(root, &sectors_per_cluster, &bytes_per_sector, &free_clusters,
                           &total_clusters))
        return 0;
    return static_cast<unsigned long long>(free_clusters) * sectors_per_cluster * bytes_per_sector;
}
