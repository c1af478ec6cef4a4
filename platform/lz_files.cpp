// LZOpenFileA, LZCopy and LZClose over file descriptors: a file opened to read
// is looked at once, and copied expanded when it is an SZDD file.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <unistd.h>

#include "platform/szdd.h"
#include "platform/win_lz.h"

namespace {

struct LzFile {
    int fd;
    bool forWriting;
    SzddHeader header; // of a file opened to read
};

std::mutex filesLock;
std::map<int, LzFile> files;
int nextHandle = 0;

bool find(int handle, LzFile &file) {
    const std::lock_guard<std::mutex> guard(filesLock);
    const auto found = files.find(handle);
    if (found == files.end()) return false;
    file = found->second;
    return true;
}

void fillInfo(OFSTRUCT *info, const char *name, int error) {
    if (info == nullptr) return;
    std::memset(info, 0, sizeof *info);
    info->cBytes = sizeof *info;
    info->fFixedDisk = 1;
    info->nErrCode = WORD(error);
    const std::size_t n = std::min(std::strlen(name), sizeof info->szPathName - 1);
    std::memcpy(info->szPathName, name, n);
}

// Reads up to size bytes, short only at the end of the file; -1 on an error.
ssize_t readFully(int fd, unsigned char *bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += std::size_t(n);
    }
    return ssize_t(done);
}

LONG plainCopy(int in, int out) {
    unsigned char buffer[65536];
    unsigned long long total = 0;
    for (;;) {
        const ssize_t n = readFully(in, buffer, sizeof buffer);
        if (n < 0) return LZERROR_READ;
        if (n == 0) break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out, buffer + done, std::size_t(n - done));
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return LZERROR_WRITE;
            done += w;
        }
        total += std::size_t(n);
    }
    return LONG(std::min<unsigned long long>(total, INT_MAX));
}

} // namespace

int LZOpenFileA(const char *name, OFSTRUCT *info, UINT mode) {
    if (name == nullptr) return -1;
    LzFile file{-1, (mode & OF_CREATE) != 0, SzddHeader{}};
    do
        file.fd = file.forWriting ? ::open(name, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666)
                                  : ::open(name, O_RDONLY | O_CLOEXEC);
    while (file.fd < 0 && errno == EINTR);
    if (file.fd < 0) {
        fillInfo(info, name, errno);
        return -1;
    }
    if (!file.forWriting) {
        // A file too short for a header, or without the magic bytes, is read
        // as it is from its start.
        unsigned char header[szddHeaderSize];
        const ssize_t n = readFully(file.fd, header, sizeof header);
        file.header = readSzddHeader(header, n < 0 ? 0 : std::size_t(n));
        if (!file.header.compressed) ::lseek(file.fd, 0, SEEK_SET);
    }
    fillInfo(info, name, 0);
    const std::lock_guard<std::mutex> guard(filesLock);
    const int handle = nextHandle++;
    files.emplace(handle, file);
    return handle;
}

LONG LZCopy(int source, int destination) {
    LzFile in, out;
    if (!find(source, in) || in.forWriting) return LZERROR_BADINHANDLE;
    if (!find(destination, out) || !out.forWriting) return LZERROR_BADOUTHANDLE;
    if (!in.header.compressed) return plainCopy(in.fd, out.fd);
    if (!in.header.knownMethod) return LZERROR_UNKNOWNALG;
    std::uint64_t written = 0;
    switch (expandSzdd(in.fd, out.fd, in.header.length, written)) {
    case SzddStatus::Done: return LONG(std::min<std::uint64_t>(written, INT_MAX));
    case SzddStatus::WriteFailed: return LZERROR_WRITE;
    case SzddStatus::Truncated:
    case SzddStatus::Overrun:
    case SzddStatus::ReadFailed: break;
    }
    return LZERROR_READ;
}

void LZClose(int handle) {
    const std::lock_guard<std::mutex> guard(filesLock);
    const auto found = files.find(handle);
    if (found == files.end()) return;
    ::close(found->second.fd);
    files.erase(found);
}
