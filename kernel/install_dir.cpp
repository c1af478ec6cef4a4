// Finding the installation directory.
#include "kernel/install_dir.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/library_file.h"
#include "platform/windows.h"

#ifndef KAVLOR_DATADIR
#define KAVLOR_DATADIR "/usr/local/share/kavlor"
#endif
// The data folder seen from the folder the shared library is installed in.
#ifndef KAVLOR_LIBDIR_TO_DATADIR
#define KAVLOR_LIBDIR_TO_DATADIR "../share/kavlor"
#endif

int qqgetreg(std::string &out) {
    HKEY key = 0;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS)
        return 1;
    BYTE value[132];
    DWORD size = sizeof value;
    DWORD type = 0;
    const LONG status = RegQueryValueExA(key, "Path", nullptr, &type, value, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return 1;
    out.assign(reinterpret_cast<const char *>(value));
    return 0;
}

std::string dataFolderBesideLibrary() {
    const std::string file = libraryFile();
    if (file.find('/') == std::string::npos) return ""; // no folder to start from
    namespace fs = std::filesystem;
    const fs::path folder =
        (fs::path(file).parent_path() / KAVLOR_LIBDIR_TO_DATADIR).lexically_normal();
    std::error_code error;
    if (!fs::is_directory(folder, error)) return "";
    std::string text = folder.string();
    if (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::string qqgenv(const char *name) {
    if (const char *value = std::getenv(name)) return value;
    if (std::string(name) != "KAVLOR") return "";
    std::string folder;
    if (qqgetreg(folder) == 0) return folder;
    folder = dataFolderBesideLibrary();
    if (!folder.empty()) return folder;
    return KAVLOR_DATADIR;
}
