// The registry stand-in: string values in a text file shared by the library
// (which reads the installation directory) and the setup program (which writes
// it). Every call reads the file afresh; writes replace it through a file of
// their own beside it, so a reader never sees half a file. A writer holds an
// exclusive flock on the registry file from its read to the replacement, so
// writers in different processes (or threads) never lose each other's values.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <new>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/replacement_file.h"
#include "platform/windows.h"

namespace {

using Values = std::map<std::string, std::string>; // value name -> value
using Registry = std::map<std::string, Values>;    // upper-cased key path -> values

// An open key: a heap block holding its upper-cased path. The handle is the
// block's address; RegCloseKey frees it, after which the handle is dead.
struct OpenKey {
    std::string path;
};

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

// Creates the folders of the file one by one.
void makeFolders(const std::string &path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return;
    for (std::size_t at = path.find('/', 1); at != std::string::npos && at <= slash;
         at = path.find('/', at + 1))
        mkdir(path.substr(0, at).c_str(), 0755);
}

// An exclusive lock on the registry file, held from a writer's read to the
// replacement of the file. A writer that waited may find the file it locked
// replaced meanwhile; it then locks the new one.
class WriteLock {
  public:
    explicit WriteLock(const std::string &path) {
        makeFolders(path);
        for (;;) {
            fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
            if (fd_ < 0) return;
            int locked = flock(fd_, LOCK_EX);
            while (locked != 0 && errno == EINTR)
                locked = flock(fd_, LOCK_EX);
            struct stat mine, current;
            if (locked == 0 && fstat(fd_, &mine) == 0 && stat(path.c_str(), &current) == 0 &&
                mine.st_dev == current.st_dev && mine.st_ino == current.st_ino)
                return;
            close(fd_);
            fd_ = -1;
            if (locked != 0) return;
        }
    }
    ~WriteLock() {
        if (fd_ >= 0) close(fd_); // releases the lock
    }
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// Replaces the registry file; the caller holds the WriteLock (which made
// the file).
bool save(const Registry &registry) {
    ReplacementFile out(registryFile().c_str());
    FILE *f = out.file();
    if (f == nullptr) return false;
    std::fputs("; Kavlor registry: [key] sections of name=value strings\n", f);
    for (const auto &[key, values] : registry) {
        std::fprintf(f, "[%s]\n", key.c_str());
        for (const auto &[name, value] : values)
            std::fprintf(f, "%s=%s\n", name.c_str(), value.c_str());
    }
    return out.commit();
}

std::string keyPath(HKEY root, const char *subKey) {
    const char *rootName = root == HKEY_LOCAL_MACHINE ? "HKEY_LOCAL_MACHINE" : "HKEY_OTHER";
    return upper(std::string(rootName) + "\\" + (subKey != nullptr ? subKey : ""));
}

// A new open key for path; 0 when memory is short.
HKEY remember(const std::string &path) {
    OpenKey *key = new (std::nothrow) OpenKey{path};
    return reinterpret_cast<HKEY>(key);
}

// The open key behind a handle; null for a null handle and for the predefined
// roots, which are no blocks.
OpenKey *openKey(HKEY key) {
    if (key == 0 || key == HKEY_LOCAL_MACHINE) return nullptr;
    return reinterpret_cast<OpenKey *>(key);
}

} // namespace

LONG RegOpenKeyExA(HKEY root, const char *subKey, DWORD, REGSAM, HKEY *result) {
    const std::string path = keyPath(root, subKey);
    const Registry registry = load();
    if (registry.find(path) == registry.end()) return ERROR_FILE_NOT_FOUND;
    *result = remember(path);
    return *result != 0 ? ERROR_SUCCESS : ERROR_OUTOFMEMORY;
}

LONG RegCreateKeyExA(HKEY root, const char *subKey, DWORD, char *, DWORD, REGSAM, void *,
                     HKEY *result, DWORD *disposition) {
    const std::string path = keyPath(root, subKey);
    const WriteLock lock(registryFile());
    if (!lock.held()) return ERROR_ACCESS_DENIED;
    Registry registry = load();
    const bool created = registry.find(path) == registry.end();
    if (created) {
        registry[path];
        if (!save(registry)) return ERROR_ACCESS_DENIED;
    }
    if (disposition != nullptr) *disposition = created ? 1 : 2; // new key, existing key
    *result = remember(path);
    return *result != 0 ? ERROR_SUCCESS : ERROR_OUTOFMEMORY;
}

LONG RegQueryValueExA(HKEY key, const char *name, DWORD *, DWORD *type, BYTE *data, DWORD *size) {
    const OpenKey *open = openKey(key);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    const Registry registry = load();
    const auto section = registry.find(open->path);
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
    const OpenKey *open = openKey(key);
    if (open == nullptr || type != REG_SZ || data == nullptr) return ERROR_INVALID_HANDLE;
    const WriteLock lock(registryFile());
    if (!lock.held()) return ERROR_ACCESS_DENIED;
    Registry registry = load();
    const char *text = reinterpret_cast<const char *>(data);
    registry[open->path][name != nullptr ? name : ""] = std::string(text, strnlen(text, size));
    return save(registry) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegCloseKey(HKEY key) {
    OpenKey *open = openKey(key);
    if (open == nullptr) return ERROR_INVALID_HANDLE;
    delete open;
    return ERROR_SUCCESS;
}
