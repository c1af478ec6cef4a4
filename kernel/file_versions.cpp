// Versioned names for files that exist already.
#include "kernel/file_versions.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "kernel/fatal.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/text_utils.h"

bool fileExists(const char *name) {
    struct stat st;
    return lstat(name, &st) == 0;
}

namespace {

// Only a plot's own kind of file is removed to make room for a new one: a
// device, a pipe or a folder of that name is left alone (the plot is written
// into a device such as /dev/null; a folder makes the open fail as usual).
bool replaceableFile(const char *name) {
    struct stat st;
    return lstat(name, &st) == 0 && (S_ISREG(st.st_mode) || S_ISLNK(st.st_mode));
}

// The file DELE removed last on this thread, still open (or -1): removing a
// file frees its pages and blocks only when no one holds it, and for a file
// of megabytes that takes long, which the other threads would spend waiting
// for the library lock. Holding it open over the removal lets the close
// after the lock do that work.
thread_local int removedFileHeld = -1;

// Removes the file; in thread mode it is held open until releaseRemovedFile.
void removeFile(const char *name) {
    const int held =
        inThreadMode() ? open(name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC) : -1;
    std::remove(name);
    if (held < 0) return;
    releaseRemovedFile();
    removedFileHeld = held;
}

void trimTrailingBlanks(char *name) {
    std::size_t len = std::strlen(name);
    while (len > 0 && name[len - 1] == ' ')
        name[--len] = '\0';
}

// Start of the base name: after the last separator, '/' or '\'.
std::size_t baseStart(const std::string &name) {
    const std::size_t sep = name.find_last_of("/\\");
    return sep == std::string::npos ? 0 : sep + 1;
}

} // namespace

void releaseRemovedFile() {
    if (removedFileHeld < 0) return;
    close(removedFileHeld);
    removedFileHeld = -1;
}

bool gfilnn(GlobalRecord &rec, char *name, std::size_t capacity) {
    trimTrailingBlanks(name);
    if (!fileExists(name)) return true;

    switch (rec.out.ifilmod) {
    case 1: // DELE
        if (replaceableFile(name)) removeFile(name);
        return true;
    case 2: { // BREA
        std::string line = "File ";
        line += name;
        line += " does exist";
        endProcess(line.c_str());
    }
    default: break;
    }

    const std::string original = name;
    const std::size_t base = baseStart(original);
    std::size_t ext = original.find_last_of('.');
    if (ext == std::string::npos || ext < base) ext = original.size();
    const std::string directory = original.substr(0, base);
    const std::string stem = original.substr(base, ext - base);
    const std::string extension = original.substr(ext);

    std::string candidate;
    for (int n = 1; n <= 9999; ++n) {
        char suffixText[8];
        std::snprintf(suffixText, sizeof suffixText, "_%d", n);
        const std::string suffix = suffixText;
        const std::size_t keep = 8 - suffix.size();
        candidate = directory + stem.substr(0, stem.size() > keep ? keep : stem.size()) + suffix +
                    extension;
        // Later versions are no shorter: a base cut for a longer suffix
        // loses as many characters as the suffix gains.
        if (candidate.size() >= capacity) return false;
        if (!fileExists(candidate.c_str())) {
            qqcopy(name, candidate.c_str(), int(capacity) - 1);
            return true;
        }
    }
    endProcess("More than 9999 file versions!");
}
