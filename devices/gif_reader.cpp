// GIF decoder: header, logical screen, global colour table, extensions
// skipped, the first image with its local table, LZW codes from the data
// sub-blocks, rows in order or in the four interlace passes. The picture an
// inclusion makes has the logical screen's size, so the image must cover the
// screen: a screen larger than its image would be a picture coded by nothing.
#include <algorithm>
#include <memory>
#include <new>

#include "devices/byte_reader.h"
#include "devices/image_readers.h"

namespace {

constexpr int kMaxCodes = 4096;
constexpr int kMaxWidth = 12;

struct GifDecoder {
    GlobalRecord *rec = nullptr;
    const RowTarget *target = nullptr;
    ByteReader in;
    // the current data sub-block
    std::uint8_t block[255] = {};
    int blockSize = 0;
    int blockPos = 0;
    bool dataEnded = false; // the zero-length sub-block (or the end of the file) was read
    bool fileEnded = false;
    std::uint32_t bits = 0; // bits not yet used, least significant first
    int nbits = 0;
    // the image
    int width = 0;
    int height = 0;
    bool interlaced = false;
    int pass = 0;
    int row = 0;
    bool complete = false; // every row has been written
    std::unique_ptr<std::uint8_t[]> rowBuffer;
    int fill = 0;
    std::uint8_t colours[256][3] = {}; // entries beyond the file's table are black
    // LZW tables
    std::uint16_t prefix[kMaxCodes] = {};
    std::uint16_t suffix[kMaxCodes] = {};
    std::uint16_t stack[kMaxCodes + 1] = {};
};

// One byte of the file; -1 at its end.
int qqgifbyt(GifDecoder &d) {
    const int byte = qqgbyt(d.in);
    if (byte < 0) d.fileEnded = true;
    return byte;
}

// A little-endian word; -1 at the end of the file.
int qqgifwrd(GifDecoder &d) {
    const int lo = qqgifbyt(d);
    const int hi = qqgifbyt(d);
    return hi < 0 ? -1 : lo | hi << 8;
}

// The next data sub-block; false at the terminator or the end of the file.
bool qqgifblk(GifDecoder &d) {
    if (d.dataEnded) return false;
    const int size = qqgifbyt(d);
    if (size <= 0) {
        d.dataEnded = true;
        return false;
    }
    for (int i = 0; i < size; ++i) {
        const int byte = qqgifbyt(d);
        if (byte < 0) {
            d.dataEnded = true;
            return false;
        }
        d.block[i] = static_cast<std::uint8_t>(byte);
    }
    d.blockSize = size;
    d.blockPos = 0;
    return true;
}

// The next code of width bits; -1 when the data ends first.
int qqgifcod(GifDecoder &d, int width) {
    while (d.nbits < width) {
        if (d.blockPos >= d.blockSize && !qqgifblk(d)) return -1;
        d.bits |= static_cast<std::uint32_t>(d.block[d.blockPos++]) << d.nbits;
        d.nbits += 8;
    }
    const int code = static_cast<int>(d.bits & ((1u << width) - 1));
    d.bits >>= width;
    d.nbits -= width;
    return code;
}

// One pixel into the row; a full row goes out and the next row is chosen.
void qqgifpix(GifDecoder &d, int index) {
    if (d.complete) return;
    const std::uint8_t *rgb = index < 256 ? d.colours[index] : d.colours[0];
    std::uint8_t *p = d.rowBuffer.get() + 3 * d.fill;
    p[0] = index < 256 ? rgb[0] : 0;
    p[1] = index < 256 ? rgb[1] : 0;
    p[2] = index < 256 ? rgb[2] : 0;
    if (++d.fill < d.width) return;
    d.fill = 0;
    const RowTarget &t = *d.target;
    qqprow(*d.rec, d.rowBuffer.get(), t.x, t.y + d.row, d.width, t.right, t.bottom, kPixelValuesRgb,
           t.pixels);
    if (!d.interlaced) {
        d.complete = ++d.row >= d.height;
        return;
    }
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    d.row += kStep[d.pass];
    while (d.row >= d.height) {
        if (++d.pass >= 4) {
            d.complete = true;
            return;
        }
        d.row = kStart[d.pass];
    }
}

// The LZW data of the image; ends after the end code and its block terminator.
int qqgifpic(GifDecoder &d, int minimum) {
    const int clear = 1 << minimum;
    const int end = clear + 1;
    int width = minimum + 1;
    int next = clear + 2;
    int previous = -1;
    int first = 0; // first pixel of the previous string
    for (int code = 0; code < clear; ++code)
        d.suffix[code] = static_cast<std::uint16_t>(code);
    for (;;) {
        int code = qqgifcod(d, width);
        // The data ended at its terminator without an end code: good only when
        // the picture is whole (some writers send the end code a bit short).
        if (code < 0) return d.complete && !d.fileEnded ? kImageDone : kImageSyntaxError;
        if (code == clear) {
            width = minimum + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == end) break;
        if (previous < 0) {
            if (code > clear) return kImageSyntaxError; // the first code after a clear is a pixel
            first = code;
            qqgifpix(d, code);
            previous = code;
            continue;
        }
        if (code > next) return kImageSyntaxError;
        const int current = code;
        int depth = 0;
        if (code == next) { // not yet in the table: the previous string and its first pixel
            d.stack[depth++] = static_cast<std::uint16_t>(first);
            code = previous;
        }
        while (code >= clear) {
            if (depth >= kMaxCodes) return kImageSyntaxError;
            d.stack[depth++] = d.suffix[code];
            code = d.prefix[code];
        }
        d.stack[depth++] = static_cast<std::uint16_t>(code);
        first = code;
        while (depth > 0)
            qqgifpix(d, d.stack[--depth]);
        if (next < kMaxCodes) {
            d.prefix[next] = static_cast<std::uint16_t>(previous);
            d.suffix[next] = static_cast<std::uint16_t>(first);
            ++next;
            if (next == 1 << width && width < kMaxWidth) ++width;
        }
        previous = current;
    }
    // After the end code: the rest of its sub-block, then the block terminator.
    // An end code before the last pixel leaves the picture short of what the
    // header announced.
    if (d.dataEnded || !d.complete) return kImageSyntaxError;
    return qqgifbyt(d) == 0 ? kImageDone : kImageSyntaxError;
}

// A colour table of 2^(bits + 1) entries.
bool readColourTable(GifDecoder &d, int flags) {
    const int entries = 2 << (flags & 7);
    for (int i = 0; i < 256; ++i)
        d.colours[i][0] = d.colours[i][1] = d.colours[i][2] = 0;
    for (int i = 0; i < entries; ++i)
        for (int k = 0; k < 3; ++k) {
            const int byte = qqgifbyt(d);
            if (byte < 0) return false;
            d.colours[i][k] = static_cast<std::uint8_t>(byte);
        }
    return true;
}

} // namespace

int decodeGif(GlobalRecord &rec, FILE *file, const RowTarget &target) {
    std::unique_ptr<GifDecoder> decoder(new (std::nothrow) GifDecoder);
    if (!decoder) return kImageNoMemory;
    GifDecoder &d = *decoder;
    d.rec = &rec;
    d.target = &target;
    d.in.file = file;
    char header[6];
    for (char &c : header)
        c = static_cast<char>(qqgifbyt(d));
    if (d.fileEnded || header[0] != 'G' || header[1] != 'I' || header[2] != 'F')
        return kImageSyntaxError;
    // logical screen: width, height, flags, background, aspect
    const int screenWidth = qqgifwrd(d);
    const int screenHeight = qqgifwrd(d);
    const int flags = qqgifbyt(d);
    qqgifbyt(d);
    qqgifbyt(d);
    if (d.fileEnded || ((flags & 0x80) && !readColourTable(d, flags))) return kImageSyntaxError;
    // extensions up to the image separator
    for (;;) {
        const int separator = qqgifbyt(d);
        if (separator == 0x2C) break;
        if (separator != 0x21 || qqgifbyt(d) < 0) return kImageSyntaxError;
        for (int size = qqgifbyt(d); size != 0; size = qqgifbyt(d)) {
            if (size < 0) return kImageSyntaxError;
            for (int i = 0; i < size; ++i)
                if (qqgifbyt(d) < 0) return kImageSyntaxError;
        }
    }
    // image descriptor: left, top (not used), width, height, flags
    qqgifwrd(d);
    qqgifwrd(d);
    d.width = qqgifwrd(d);
    d.height = qqgifwrd(d);
    const int imageFlags = qqgifbyt(d);
    if (d.fileEnded || d.width <= 0 || d.height <= 0) return kImageSyntaxError;
    if (d.width < screenWidth || d.height < screenHeight) return kImageSyntaxError;
    if ((imageFlags & 0x80) && !readColourTable(d, imageFlags)) return kImageSyntaxError;
    d.interlaced = (imageFlags & 0x40) != 0;
    const int minimum = qqgifbyt(d);
    if (minimum < 2 || minimum > 11) return kImageSyntaxError;
    d.rowBuffer.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(d.width) * 3]);
    if (!d.rowBuffer) return kImageNoMemory;
    return qqgifpic(d, minimum);
}

void qqpigif(GlobalRecord &rec, const char *name, const RowTarget &target, int &status) {
    FILE *file = name != nullptr ? std::fopen(name, "rb") : nullptr;
    if (file == nullptr) {
        status = kImageOpenError;
        return;
    }
    status = decodeGif(rec, file, target);
    std::fclose(file);
}
