// The placeable form of a metafile: the 22-byte header before the plain
// metafile, written through a temporary file that replaces it.
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "devices/byte_sink.h"
#include "devices/wmf_writer.h"

namespace {

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kUnitsPerInch = 1440;
constexpr std::size_t kCopyBlock = 256;

void put16(std::uint8_t *p, int v) {
    p[0] = std::uint8_t(v & 0xFF);
    p[1] = std::uint8_t((v >> 8) & 0xFF);
}

// A page side in the header's signed 16-bit field.
int side(int v) {
    return v < 0 ? 0 : (v > 32767 ? 32767 : v);
}

// Closes f, false when the close reports an error.
bool closed(FILE *f) {
    return std::fclose(f) == 0;
}

// A new file beside file for the placeable copy: the plot's name with a
// unique suffix, created exclusively, so that no file of the user's is opened,
// and with the permissions of the plot file it will replace. Null when it
// cannot be made; temporary then names no file.
FILE *openTemporaryBeside(const char *file, mode_t permissions, char *temporary,
                          std::size_t capacity) {
    const int length = std::snprintf(temporary, capacity, "%s.XXXXXX", file);
    if (length < 0 || std::size_t(length) >= capacity) return nullptr;
    const int fd = mkstemp(temporary);
    if (fd < 0) return nullptr;
    FILE *f = fchmod(fd, permissions) == 0 ? fdopen(fd, "wb") : nullptr;
    if (f == nullptr) {
        close(fd);
        std::remove(temporary);
    }
    return f;
}

} // namespace

void placeableHeader(int width, int height, std::uint8_t header[kPlaceableHeaderBytes]) {
    std::memset(header, 0, kPlaceableHeaderBytes);
    put16(header + 0, int(kPlaceableKey & 0xFFFF)); // key
    put16(header + 2, int(kPlaceableKey >> 16));
    // 4..5 handle, 6..9 left and top: 0
    put16(header + 10, side(width));  // right
    put16(header + 12, side(height)); // bottom
    put16(header + 14, kUnitsPerInch);
    // 16..19 reserved: 0
    int checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= header[i] | (header[i + 1] << 8);
    put16(header + 20, checksum);
}

PlaceableResult makePlaceable(const char *file, int width, int height) {
    FILE *in = std::fopen(file, "rb");
    struct stat plain;
    char temporary[kWmfFileName + sizeof ".XXXXXX"];
    FILE *out = in != nullptr && fstat(fileno(in), &plain) == 0
                    ? openTemporaryBeside(file, plain.st_mode & 07777, temporary, sizeof temporary)
                    : nullptr;
    if (out == nullptr) {
        if (in != nullptr) std::fclose(in);
        return PlaceableResult::OpenError;
    }
    bool good = true;
    {
        ByteSink sink(out);
        std::uint8_t header[kPlaceableHeaderBytes];
        placeableHeader(width, height, header);
        sink.write(header, sizeof header);
        std::uint8_t block[kCopyBlock];
        std::size_t n = 0;
        do {
            n = std::fread(block, 1, sizeof block, in);
            sink.write(block, n);
        } while (n == sizeof block);
        if (std::ferror(in) != 0) good = false;
        sink.flush();
        if (sink.failed()) good = false;
    }
    good = closed(in) && good;
    good = closed(out) && good;
    // The rename replaces the plain metafile in one step, so a failure
    // anywhere leaves it as it was.
    if (!good || std::rename(temporary, file) != 0) {
        std::remove(temporary);
        return PlaceableResult::WriteError;
    }
    return PlaceableResult::Done;
}
