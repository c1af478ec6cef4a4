// The registry values the library reads to find its installation folder.
#include <cstring>

#include "setup/install_steps.h"

int instregistry(const char *path, const char *version) {
    HKEY key = 0;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 1;
    int result = 0;
    // The byte counts hold the terminating NUL.
    if (RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(path),
                       DWORD(std::strlen(path) + 1)) != ERROR_SUCCESS)
        result = 1;
    if (RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE *>(version),
                       DWORD(std::strlen(version) + 1)) != ERROR_SUCCESS)
        result = 1;
    RegCloseKey(key);
    return result;
}
