// The folder tree of the installation.
#include <cerrno>
#include <string>
#include <sys/stat.h>

#include "setup/install_steps.h"
#include "setup/setup_state.h"

namespace {

// Below the installation folder, in the order they are made; the first
// entry (empty) is the installation folder itself. zel holds the logo
// images the library places.
const char *const folders[] = {"",    "hlp",        "man",      "fonts", "win",    "map", "real64",
                               "g95", "g95/real64", "examples", "perl",  "python", "zel"};

bool isFolder(const std::string &path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

int instmkdirs() {
    // An empty name would put the folders at the root of the file system.
    if (instpath[0] == '\0') {
        setupError("No installation directory was given.", "Setup");
        return -1;
    }
    for (const char *name : folders) {
        std::string path = instpath;
        if (*name != '\0') path += std::string("/") + name;
        if (::mkdir(path.c_str(), 0777) == 0) continue;
        // A folder that is there already is passed over; one that cannot be
        // made (its parent missing, no permission, a file in its place)
        // stops the setup before any file is copied into nowhere.
        if (errno == ENOENT || !isFolder(path)) {
            setupError(("Cannot create directory " + path).c_str(), "Setup");
            return -1;
        }
    }
    return 0;
}
