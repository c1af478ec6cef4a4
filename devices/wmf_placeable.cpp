// The placeable form of a metafile: the 22-byte header before the plain
// metafile, written through a temporary file that replaces it.
#include <cstdio>
#include <cstring>

#include "devices/wmf_writer.h"
#include "platform/byte_sink.h"
#include "platform/replacement_file.h"

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
    ReplacementFile out(file);
    FILE *in = out.file() != nullptr ? std::fopen(file, "rb") : nullptr;
    if (in == nullptr) return PlaceableResult::OpenError;
    bool good = true;
    {
        ByteSink sink(out.file());
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
    std::fclose(in);
    // The rename replaces the plain metafile in one step, so a failure
    // anywhere leaves it as it was.
    return good && out.commit() ? PlaceableResult::Done : PlaceableResult::WriteError;
}
