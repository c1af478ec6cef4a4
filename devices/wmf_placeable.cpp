// The placeable form of a metafile: the 22-byte header before the plain
// metafile, written through a temporary file that replaces it.
#include <cstdio>
#include <cstring>

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

bool wmfTemporaryName(const char *name, char *temporary, std::size_t capacity) {
    std::size_t length = std::strlen(name);
    // Only a dot of the file's own name counts, not one of a folder.
    std::size_t base = 0;
    for (std::size_t i = 0; i < length; ++i)
        if (name[i] == '/' || name[i] == '\\') base = i + 1;
    const char *dot = std::strrchr(name + base, '.');
    if (dot != nullptr && dot != name + base) length = std::size_t(dot - name);
    if (length + 5 > capacity) return false;
    std::memcpy(temporary, name, length);
    std::memcpy(temporary + length, ".tmp", 5);
    return true;
}

PlaceableResult makePlaceable(const char *file, int width, int height) {
    char temporary[257 + 4];
    if (!wmfTemporaryName(file, temporary, sizeof temporary)) return PlaceableResult::OpenError;
    FILE *out = std::fopen(temporary, "wb");
    FILE *in = out != nullptr ? std::fopen(file, "rb") : nullptr;
    if (in == nullptr) {
        if (out != nullptr) {
            std::fclose(out);
            std::remove(temporary);
        }
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
