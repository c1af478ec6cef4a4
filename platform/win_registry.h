// The registry: a text file of sections "[ROOT\key\path]" with "name=value"
// lines of string values. It lies at $KAVLOR_REGISTRY when that is set, else
// in the user's configuration folder ($XDG_CONFIG_HOME or ~/.config) as
// kavlor/registry. Key paths compare without regard to case. A handle that
// RegOpenKeyExA or RegCreateKeyExA returns is valid until its RegCloseKey.
#pragma once
#include "platform/win_types.h"

constexpr HKEY HKEY_LOCAL_MACHINE = 2;
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_SZ = 1;
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_OUTOFMEMORY = 14;
constexpr LONG ERROR_MORE_DATA = 234;

// Opens an existing key; ERROR_FILE_NOT_FOUND when the file or key is missing.
LONG RegOpenKeyExA(HKEY root, const char *subKey, DWORD options, REGSAM access, HKEY *result);
// Opens a key, creating it when missing.
LONG RegCreateKeyExA(HKEY root, const char *subKey, DWORD reserved, char *keyClass, DWORD options,
                     REGSAM access, void *security, HKEY *result, DWORD *disposition);
// Reads a string value: its bytes with the terminating NUL into data (size
// in: capacity, out: bytes needed). ERROR_MORE_DATA when it does not fit.
LONG RegQueryValueExA(HKEY key, const char *name, DWORD *reserved, DWORD *type, BYTE *data,
                      DWORD *size);
// Writes a string value (type REG_SZ) and saves the file.
LONG RegSetValueExA(HKEY key, const char *name, DWORD reserved, DWORD type, const BYTE *data,
                    DWORD size);
LONG RegCloseKey(HKEY key);
