#include "app/program_path.h"

#include <windows.h>

#include "app/module_directory.h"
#include "base/setup_state.h"

void make_program_path(char* dest, size_t size, const char* file_name)
{
    char module_name[SETUP_PATH_SIZE];
    DWORD length = GetModuleFileNameA(NULL, module_name, sizeof module_name);
    if (length >= sizeof module_name)
        length = 0; // a cut name would point into the wrong directory
    module_name[length] = '\0';
    program_path_join(module_name, file_name, dest, size);
}
