// The registry stand-in: string values in a text file shared by the library
// (which reads the installation directory) and the setup program (which writes
// it). Every call reads the file afresh; writes replace it through a temporary
// file, so a reader never sees half a file.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <sys/stat.h>

#include "platform/windows.h"

namespace {

using Values = std::map<std::string, std::string>;      // value name -> value
using Registry = std::map<std::string, Values>;         // upper-cased key path -> values

std::mutex registryLock;
std::map<HKEY, std::string> openKeys;  // handle -> upper-cased key path
HKEY nextHandle = 0x1000;

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return text;
}

std::string registryFile() {
    if (const char *path = std::getenv("KAVLOR_REGISTRY")) return path;
    if (const char *config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
        return std::string(config) + "/kavlor/registry";
    const char *home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/kavlor/registry";
}

Registry load() {
    Registry registry;
    std::ifstream in(registryFile());
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[' && line.back() == ']') {
            section = upper(line.substr(1, line.size() - 2));
            registry[section];
        } else if (const std::size_t eq = line.find('='); eq != std::string::npos) {
            registry[section][line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    return registry;
}

bool save(const Registry &registry) {
    const std::string path = registryFile();
    const std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) {
        // Create the folders of the file one by one.
        for (std::size_t at = path.find('/', 1); at != std::string::npos && at <= slash;
             at = path.find('/', at + 1))
            mkdir(path.substr(0, at).c_str(), 0755);
    }
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out) return false;
        out << "; Kavlor registry: [key] sections of name=value strings\n";
        for (const auto &[key, values] : registry) {
            out << '[' << key << "]\n";
            for (const auto &[name, value] : values) out << name << '=' << value << '\n';
        }
        if (!out.flush()) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::string keyPath(HKEY root, const char *subKey) {
    const char *rootName = root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE" : "HKEY_OTHER";
    return upper(std::string(rootName) + "\\" + (subKey != nullptr ? subKey : ""));
}

HKEY remember(const std::string &path) {
    const HKEY handle = nextHandle++;
    openKeys[handle] = path;
    return handle;
}

}  // namespace

LONG RegOpenKeyExA(HKEY root, const char *subKey, DWORD, REGSAM, HKEY *result) {
    std::lock_guard guard(registryLock);
    const std::string path = keyPath(root, subKey);
    const Registry registry = load();
    if (registry.find(path) == registry.end()) return ERROR_FILE_NOT_FOUND;
    *result = remember(path);
    return ERROR_SUCCESS;
}

LONG RegCreateKeyExA(HKEY root, const char *subKey, DWORD, char *, DWORD, REGSAM, void *,
                     HKEY *result, DWORD *disposition) {
    std::lock_guard guard(registryLock);
    const std::string path = keyPath(root, subKey);
    Registry registry = load();
    const bool created = registry.find(path) == registry.end();
    if (created) {
        registry[path];
        if (!save(registry)) return ERROR_ACCESS_DENIED;
    }
    if (disposition != nullptr) *disposition = created ? 1 : 2;  // new key, existing key
    *result = remember(path);
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, const char *name, DWORD *, DWORD *type, BYTE *data, DWORD *size) {
    std::lock_guard guard(registryLock);
    const auto handle = openKeys.find(key);
    if (handle == openKeys.end()) return ERROR_INVALID_HANDLE;
    const Registry registry = load();
    const auto section = registry.find(handle->second);
    if (section == registry.end()) return ERROR_FILE_NOT_FOUND;
    const auto value = section->second.find(name != nullptr ? name : "");
    if (value == section->second.end()) return ERROR_FILE_NOT_FOUND;
    const DWORD needed = DWORD(value->second.size() + 1);
    if (type != nullptr) *type = REG_SZ;
    if (size == nullptr) return ERROR_SUCCESS;
    const DWORD capacity = *size;
    *size = needed;
    if (data == nullptr) return ERROR_SUCCESS;
    if (capacity < needed) return ERROR_MORE_DATA;
    std::memcpy(data, value->second.c_str(), needed);
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY key, const char *name, DWORD, DWORD type, const BYTE *data, DWORD size) {
    std::lock_guard guard(registryLock);
    const auto handle = openKeys.find(key);
    if (handle == openKeys.end() || type != REG_SZ || data == nullptr) return ERROR_INVALID_HANDLE;
    Registry registry = load();
    const char *text = reinterpret_cast<const char *>(data);
    registry[handle->second][name != nullptr ? name : ""] = std::string(text, strnlen(text, size));
    return save(registry) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY key) {
    std::lock_guard guard(registryLock);
    return openKeys.erase(key) != 0 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
