// Registry path texts: a four-letter root (HKLM, HKCU, HKCR, HKCC, any case),
// one separator character, then the subkey path.
#pragma once

enum RegistryRoot {
    REGISTRY_ROOT_NONE = -1,
    REGISTRY_ROOT_HKLM = 0,
    REGISTRY_ROOT_HKCU = 1,
    REGISTRY_ROOT_HKCR = 2,
    REGISTRY_ROOT_HKCC = 3
};

// The root named by the first four characters of path; *subkey points at the
// sixth character (the fifth is skipped unseen). A text shorter than five
// characters or with another prefix gives REGISTRY_ROOT_NONE.
RegistryRoot registry_path_split(const char* path, const char** subkey);
