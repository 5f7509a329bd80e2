// Free space of the drive an install directory lies on.
#pragma once

// Free bytes of the root of path's drive when path begins with a letter, ':'
// and '\'; 0 otherwise or when the system cannot tell.
unsigned long long drive_free_bytes(const char* path);
