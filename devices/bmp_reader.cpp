// BMP decoder: file header, info header (40 bytes or longer), palette, then
// uncompressed rows or RLE8 / RLE4 runs, rows stored bottom-up. Only the
// pixels that can reach the picture are kept, so the buffers are bounded by
// the picture, not by the sizes in the file. Runs and absolute pixels must
// code every pixel of the image before the end of the bitmap: line ends and
// moves skip pixels without coding them, and a header of millions of pixels
// over a few runs would otherwise make a picture of its size out of nothing.
#include <algorithm>
#include <memory>
#include <new>

#include "devices/byte_reader.h"
#include "devices/image_readers.h"

namespace {

constexpr std::uint32_t kRgbUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;

struct BmpInfo {
    long long width = 0;
    long long height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint8_t palette[256][3] = {}; // R, G, B; entries beyond the file's are black
};

// The decoded row of the pixels in [first, last) of the image's columns, and
// where it goes.
class BmpRows {
  public:
    BmpRows(GlobalRecord &rec, const RowTarget &target, const BmpInfo &info)
        : rec_(rec), target_(target), info_(info) {
        first_ = std::clamp<long long>(-static_cast<long long>(target.x), 0, info.width);
        last_ = std::clamp<long long>(static_cast<long long>(target.right) - target.x, first_,
                                      info.width);
    }
    bool allocate() {
        row_.reset(new (std::nothrow)
                       std::uint8_t[static_cast<std::size_t>(last_ - first_) * 3 + 3]());
        return row_ != nullptr;
    }
    // Pixel x of the row being built: R, G, B.
    void set(long long x, const std::uint8_t *rgb) {
        if (x < first_ || x >= last_) return;
        std::copy(rgb, rgb + 3, row_.get() + (x - first_) * 3);
    }
    void setIndex(long long x, int index) { set(x, info_.palette[index & 0xFF]); }
    // Writes columns [from, to) of file row r (counted from the bottom).
    void emit(long long r, long long from, long long to) {
        if (r < 0 || r >= info_.height) return;
        from = std::max(from, first_);
        to = std::min(to, last_);
        if (from >= to) return;
        const long long y = target_.y + info_.height - 1 - r;
        if (y < 0 || y >= target_.bottom) return;
        qqprow(rec_, row_.get() + (from - first_) * 3, static_cast<int>(target_.x + from),
               static_cast<int>(y), static_cast<int>(to - from), target_.right, target_.bottom,
               kPixelValuesRgb, target_.pixels);
    }

  private:
    GlobalRecord &rec_;
    const RowTarget &target_;
    const BmpInfo &info_;
    long long first_ = 0;
    long long last_ = 0;
    std::unique_ptr<std::uint8_t[]> row_;
};

int readUncompressed(ByteReader &in, const BmpInfo &info, BmpRows &rows) {
    const std::uint64_t rowBytes =
        (static_cast<std::uint64_t>(info.width) * info.bits + 31) / 32 * 4;
    for (long long r = 0; r < info.height; ++r) {
        std::uint64_t used = 0;
        for (long long x = 0; x < info.width;) {
            const int byte = qqgbyt(in);
            if (byte < 0) return kImageSyntaxError;
            ++used;
            if (info.bits == 24) {
                const int g = qqgbyt(in), red = qqgbyt(in);
                if (red < 0) return kImageSyntaxError;
                used += 2;
                const std::uint8_t rgb[3] = {static_cast<std::uint8_t>(red),
                                             static_cast<std::uint8_t>(g),
                                             static_cast<std::uint8_t>(byte)};
                rows.set(x++, rgb);
            } else if (info.bits == 8) {
                rows.setIndex(x++, byte);
            } else if (info.bits == 4) {
                rows.setIndex(x++, byte >> 4);
                if (x < info.width) rows.setIndex(x++, byte & 0x0F);
            } else {
                for (int bit = 7; bit >= 0 && x < info.width; --bit)
                    rows.setIndex(x++, (byte >> bit) & 1);
            }
        }
        if (!skipBytes(in, rowBytes - used)) return kImageSyntaxError;
        rows.emit(r, 0, info.width);
    }
    return kImageDone;
}

// The pixels of the image that columns [x, x + n) of row r cover.
long long pixelsInside(const BmpInfo &info, long long r, long long x, long long n) {
    if (r >= info.height) return 0;
    return std::max(0LL, std::min(x + n, info.width) - std::min(x, info.width));
}

int readRunLength(ByteReader &in, const BmpInfo &info, BmpRows &rows) {
    const bool four = info.compression == kRle4;
    long long x = 0, r = 0;
    // The position only moves forward, so no pixel is coded twice.
    long long coded = 0;
    for (;;) {
        const int n = qqgbyt(in);
        const int value = qqgbyt(in);
        if (value < 0) return kImageSyntaxError;
        if (n > 0) { // a run of n pixels; RLE4 alternates the two nibbles
            for (int i = 0; i < n; ++i)
                rows.setIndex(x + i, four ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            rows.emit(r, x, x + n);
            coded += pixelsInside(info, r, x, n);
            x += n;
        } else if (value == 0) { // end of line
            x = 0;
            ++r;
        } else if (value == 1) { // end of bitmap
            // Data that codes fewer pixels than the header announces leaves
            // the picture unfilled: malformed, as any image whose data lacks
            // the pixels of its header.
            return coded >= info.width * info.height ? kImageDone : kImageSyntaxError;
        } else if (value == 2) { // move
            const int dx = qqgbyt(in);
            const int dy = qqgbyt(in);
            if (dy < 0) return kImageSyntaxError;
            x += dx;
            r += dy;
        } else { // value absolute pixels, padded to a 16-bit boundary
            const int bytes = four ? (value + 1) / 2 : value;
            for (int i = 0, pixel = 0; i < bytes; ++i) {
                const int byte = qqgbyt(in);
                if (byte < 0) return kImageSyntaxError;
                if (four) {
                    rows.setIndex(x + pixel++, byte >> 4);
                    if (pixel < value) rows.setIndex(x + pixel++, byte & 0x0F);
                } else {
                    rows.setIndex(x + pixel++, byte);
                }
            }
            if (bytes % 2 == 1 && qqgbyt(in) < 0) return kImageSyntaxError;
            rows.emit(r, x, x + value);
            coded += pixelsInside(info, r, x, value);
            x += value;
        }
        // Positions far outside the image stay far outside, without overflow.
        x = std::min(x, info.width + 1);
        r = std::min(r, info.height + 1);
    }
}

} // namespace

int decodeBmp(GlobalRecord &rec, FILE *file, const RowTarget &target) {
    ByteReader in;
    in.file = file;
    // BITMAPFILEHEADER
    std::uint32_t fileSize = 0, reserved = 0, dataOffset = 0;
    if (qqgbyt(in) != 'B' || qqgbyt(in) != 'M') return kImageSyntaxError;
    if (!readU32le(in, fileSize) || !readU32le(in, reserved) || !readU32le(in, dataOffset))
        return kImageSyntaxError;
    // BITMAPINFOHEADER and its longer versions
    std::uint32_t infoSize = 0, width = 0, height = 0, planes = 0, bits = 0, compression = 0,
                  skip = 0, coloursUsed = 0;
    if (!readU32le(in, infoSize) || infoSize < 40 || !readU32le(in, width) ||
        !readU32le(in, height) || !readU16le(in, planes) || !readU16le(in, bits) ||
        !readU32le(in, compression) || !readU32le(in, skip) || !readU32le(in, skip) ||
        !readU32le(in, skip) || !readU32le(in, coloursUsed) || !readU32le(in, skip) ||
        !skipBytes(in, infoSize - 40))
        return kImageSyntaxError;
    BmpInfo info;
    info.width = static_cast<std::int32_t>(width);
    info.height = static_cast<std::int32_t>(height);
    info.bits = bits;
    info.compression = compression;
    const bool accepted = (bits == 1 || bits == 4 || bits == 8 || bits == 24) &&
                          (compression == kRgbUncompressed || (compression == kRle8 && bits == 8) ||
                           (compression == kRle4 && bits == 4));
    if (!accepted || info.width <= 0 || info.height <= 0) return kImageSyntaxError;
    std::uint64_t position = 14 + static_cast<std::uint64_t>(infoSize);
    if (bits < 24) {
        const std::uint32_t entries = coloursUsed != 0 ? coloursUsed : 1u << bits;
        if (entries > 256) return kImageSyntaxError;
        for (std::uint32_t i = 0; i < entries; ++i) {
            const int b = qqgbyt(in), g = qqgbyt(in), r = qqgbyt(in), spare = qqgbyt(in);
            if (spare < 0) return kImageSyntaxError;
            info.palette[i][0] = static_cast<std::uint8_t>(r);
            info.palette[i][1] = static_cast<std::uint8_t>(g);
            info.palette[i][2] = static_cast<std::uint8_t>(b);
        }
        position += 4ull * entries;
    }
    // Pixel data that starts further on (after a gap or a longer header) is sought there.
    if (dataOffset > position && !skipBytes(in, dataOffset - position)) return kImageSyntaxError;

    BmpRows rows(rec, target, info);
    if (!rows.allocate()) return kImageNoMemory;
    return compression == kRgbUncompressed ? readUncompressed(in, info, rows)
                                           : readRunLength(in, info, rows);
}

void qqpibmp(GlobalRecord &rec, const char *name, const RowTarget &target, int &status) {
    FILE *file = name != nullptr ? std::fopen(name, "rb") : nullptr;
    if (file == nullptr) {
        status = kImageOpenError;
        return;
    }
    status = decodeBmp(rec, file, target);
    std::fclose(file);
}
