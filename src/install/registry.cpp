#include "install/registry.h"

#include <windows.h>

#include <cstring>

#include "base/text_buffer.h"
#include "install/registry_path.h"

namespace {

HKEY root_key(RegistryRoot root)
{
    switch (root) {
    case REGISTRY_ROOT_HKLM: return HKEY_LOCAL_MACHINE;
    case REGISTRY_ROOT_HKCU: return HKEY_CURRENT_USER;
    case REGISTRY_ROOT_HKCR: return HKEY_CLASSES_ROOT;
    case REGISTRY_ROOT_HKCC: return HKEY_CURRENT_CONFIG;
    default: return NULL;
    }
}

// Opens the key of path with the given access; NULL when it cannot be opened.
HKEY open_key(const char* path, REGSAM access)
{
    const char* subkey;
    HKEY root = root_key(registry_path_split(path, &subkey));
    HKEY key;
    if (!root || RegOpenKeyExA(root, subkey, 0, access, &key) != ERROR_SUCCESS)
        return NULL;
    return key;
}

} // namespace

int reg_get_string(const char* path, const char* name, const char* default_value, char* result,
                   size_t result_size)
{
    text_copy(result, result_size, default_value);
    HKEY key = open_key(path, KEY_READ);
    if (!key)
        return 0;
    DWORD size = static_cast<DWORD>(result_size);
    LONG status = RegQueryValueExA(key, name, NULL, NULL, reinterpret_cast<BYTE*>(result), &size);
    RegCloseKey(key);
    // A value that fills the buffer without a terminator of its own does not fit.
    if (status == ERROR_SUCCESS && size == result_size && result[size - 1] != '\0')
        status = ERROR_MORE_DATA;
    if (status != ERROR_SUCCESS) {
        text_copy(result, result_size, default_value);
        return 0;
    }
    if (size < result_size)
        result[size] = '\0';
    return 1;
}

int reg_set_string(const char* path, const char* name, const char* text)
{
    const char* subkey;
    HKEY root = root_key(registry_path_split(path, &subkey));
    if (!root)
        return 0;
    HKEY key;
    if (RegOpenKeyA(root, subkey, &key) != ERROR_SUCCESS &&
        RegCreateKeyA(root, subkey, &key) != ERROR_SUCCESS)
        return 0;
    LONG status = RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                 static_cast<DWORD>(strlen(text) + 1));
    RegFlushKey(key);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

int reg_delete_value(const char* path, const char* name)
{
    HKEY key = open_key(path, KEY_ALL_ACCESS);
    if (!key)
        return 0;
    LONG status = RegDeleteValueA(key, name);
    RegFlushKey(key);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
