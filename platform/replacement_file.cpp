// ReplacementFile: a file of its own beside the target, renamed over it.
#include "platform/replacement_file.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReplacementFile::ReplacementFile(const char *target) : target_(target) {
    struct stat existing;
    if (stat(target, &existing) != 0) return;
    std::string name = target_ + ".XXXXXX";
    const int fd = mkostemp(name.data(), O_CLOEXEC); // not inherited by a driver program
    if (fd < 0) return;
    name_ = name;
    // The file is made for its owner alone; the replacement keeps the
    // permissions the target has.
    if (fchmod(fd, existing.st_mode & 07777) == 0) file_ = fdopen(fd, "wb");
    if (file_ == nullptr) close(fd);
}

ReplacementFile::~ReplacementFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!name_.empty()) std::remove(name_.c_str());
}

bool ReplacementFile::commit() {
    if (file_ == nullptr) return false;
    bool good = std::ferror(file_) == 0;
    good = std::fclose(file_) == 0 && good;
    file_ = nullptr;
    good = good && std::rename(name_.c_str(), target_.c_str()) == 0;
    if (!good) std::remove(name_.c_str());
    name_.clear();
    return good;
}
