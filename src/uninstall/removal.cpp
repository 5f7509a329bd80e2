#include "uninstall/removal.h"

#include <cstring>

#include "base/setup_state.h"
#include "base/text_buffer.h"
#include "install/file_copy.h"
#include "install/file_names.h"
#include "install/registry_path.h"
#include "uninstall/log_entries.h"

int delete_files(const char* path, int stop_on_failure)
{
    if (!path[0])
        return 0;
    if (!last_component_has_wildcard(path)) {
        if (path[strlen(path) - 1] == '\\' || !file_exists(path))
            return 1;
        return remove_file(path);
    }

    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE)
        return stop_on_failure ? 1 : 0; // nothing left to remove
    char directory[SETUP_PATH_SIZE], match[SETUP_PATH_SIZE * 2];
    directory_of(path, directory, sizeof directory);
    int count = 0;
    int blocked = 0;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        text_copy(match, sizeof match, directory);
        text_append(match, sizeof match, found.cFileName);
        if (remove_file(match) || !file_exists(match))
            ++count;
        else if (stop_on_failure)
            blocked = 1; // a file in use never counts as removed
    } while (!blocked && FindNextFileA(search, &found));
    FindClose(search);
    if (stop_on_failure)
        return blocked ? 0 : (count > 0 ? count : 1);
    return count;
}

int remove_directory_chain(const char* path)
{
    char chain[SETUP_PATH_SIZE];
    text_copy(chain, sizeof chain, path);
    RemoveDirectoryA(chain);
    for (size_t i = strlen(chain); i-- > 3;) {
        if (chain[i] == '\\') {
            chain[i] = '\0';
            RemoveDirectoryA(chain);
            chain[i] = '\\';
        }
    }
    return 1;
}

LONG reg_delete_key_tree(HKEY parent, const char* name)
{
    if (!name || !name[0])
        return ERROR_BADKEY;
    HKEY key;
    LONG result = RegOpenKeyExA(parent, name, 0, DELETE | KEY_ENUMERATE_SUB_KEYS, &key);
    if (result != ERROR_SUCCESS)
        return result;
    for (;;) {
        char child[256];
        DWORD length = sizeof child;
        result = RegEnumKeyExA(key, 0, child, &length, NULL, NULL, NULL, NULL);
        if (result == ERROR_NO_MORE_ITEMS) {
            result = RegDeleteKeyA(parent, name);
            break;
        }
        if (result != ERROR_SUCCESS)
            break;
        result = reg_delete_key_tree(key, child);
        if (result != ERROR_SUCCESS)
            break;
    }
    RegCloseKey(key);
    return result;
}

int reg_delete_value_or_key(const char* key_path, const char* name)
{
    const char* subkey;
    HKEY root;
    switch (registry_path_split(key_path, &subkey)) {
    case REGISTRY_ROOT_HKLM: root = HKEY_LOCAL_MACHINE; break;
    case REGISTRY_ROOT_HKCU: root = HKEY_CURRENT_USER; break;
    case REGISTRY_ROOT_HKCC: root = HKEY_CURRENT_CONFIG; break;
    default: return 0; // classes root included: shared by every program
    }
    HKEY key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return 0;
    LONG deleted = RegDeleteValueA(key, name);
    RegFlushKey(key);
    int removed = deleted == ERROR_SUCCESS || reg_delete_key_tree(key, name) == ERROR_SUCCESS;
    RegCloseKey(key);
    return removed;
}
