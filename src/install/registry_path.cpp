#include "install/registry_path.h"

#include <cstring>

#include "base/text_buffer.h"

RegistryRoot registry_path_split(const char* path, const char** subkey)
{
    static const char* const prefixes[] = {"HKLM", "HKCU", "HKCR", "HKCC"};
    // The fifth character must exist for the subkey to start after it.
    if (strnlen(path, 5) < 5)
        return REGISTRY_ROOT_NONE;
    for (int root = 0; root < 4; ++root) {
        if (bytes_equal_nocase(path, prefixes[root], 4)) {
            *subkey = path + 5;
            return static_cast<RegistryRoot>(root);
        }
    }
    return REGISTRY_ROOT_NONE;
}
