// GIF writer: header, logical screen with a global table of 256 colours, the
// graphic control extension when the background is transparent, one image
// descriptor, LZW data in sub-blocks, terminator and trailer. Words are
// little-endian.
#include <algorithm>
#include <memory>
#include <new>

#include "devices/raster_source.h"

namespace {

constexpr int kHashSize = 5021;
constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
constexpr int kFirstFree = 258;
constexpr int kLastFree = 4095; // the table is restarted when the next code reaches it
constexpr int kMaxWidth = 12;

// The LZW string table: code (-1 free), prefix and suffix of each slot.
struct LzwTable {
    std::int16_t code[kHashSize];
    std::int16_t prefix[kHashSize];
    std::uint8_t suffix[kHashSize];
    void clear() { std::fill(code, code + kHashSize, static_cast<std::int16_t>(-1)); }
};

// Codes packed least significant bit first; full blocks of 255 bytes go out
// as sub-blocks at once.
struct GifBlockBuffer {
    std::uint8_t bytes[255];
    int count = 0;
    std::uint32_t bits = 0;
    int nbits = 0;
};

// Packs one code of width bits into the block buffer.
void qqgifbuf(GifBlockBuffer &block, ByteSink &out, int code, int width) {
    block.bits |= static_cast<std::uint32_t>(code) << block.nbits;
    block.nbits += width;
    while (block.nbits >= 8) {
        block.bytes[block.count++] = static_cast<std::uint8_t>(block.bits);
        block.bits >>= 8;
        block.nbits -= 8;
        if (block.count == 255) {
            out.u8(255);
            out.write(block.bytes, 255);
            block.count = 0;
        }
    }
}

// The last sub-block: the remaining bytes and the partly filled one.
void flushBlocks(GifBlockBuffer &block, ByteSink &out) {
    if (block.nbits > 0) {
        block.bytes[block.count++] = static_cast<std::uint8_t>(block.bits);
        block.nbits = 0;
        block.bits = 0;
    }
    if (block.count > 0) {
        out.u8(static_cast<unsigned>(block.count));
        out.write(block.bytes, static_cast<std::size_t>(block.count));
    }
    block.count = 0;
}

void encode(const RasterPixels &pixels, LzwTable &table, ByteSink &out) {
    GifBlockBuffer block;
    int width = 9;
    int next = kFirstFree;
    table.clear();
    qqgifbuf(block, out, kClearCode, width);
    const int w = pixels.width();
    const int h = pixels.height();
    int prefix = -1;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t *row = pixels.row(y);
        for (int x = 0; x < w; ++x) {
            const int c = row[x];
            if (prefix < 0) {
                prefix = c;
                continue;
            }
            int slot = prefix ^ (c << 4);
            const int step = slot == 0 ? 1 : kHashSize - slot;
            while (table.code[slot] >= 0 &&
                   (table.prefix[slot] != prefix || table.suffix[slot] != c)) {
                slot -= step;
                if (slot < 0) slot += kHashSize;
            }
            if (table.code[slot] >= 0) {
                prefix = table.code[slot];
                continue;
            }
            table.code[slot] = static_cast<std::int16_t>(next);
            table.prefix[slot] = static_cast<std::int16_t>(prefix);
            table.suffix[slot] = static_cast<std::uint8_t>(c);
            qqgifbuf(block, out, prefix, width);
            if (next == 1 << width) ++width;
            ++next;
            prefix = c;
            if (next == kLastFree) {
                qqgifbuf(block, out, kClearCode, width);
                width = 9;
                next = kFirstFree;
                table.clear();
            }
        }
    }
    if (prefix >= 0) {
        qqgifbuf(block, out, prefix, width);
        // A decoder adds a table entry for this last code too; when that entry
        // fills the code width it reads the end code one bit wider, so it is
        // sent that wide.
        if (next == 1 << width && width < kMaxWidth) ++width;
    }
    qqgifbuf(block, out, kEndCode, width);
    flushBlocks(block, out);
}

} // namespace

void qqpgif(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int nclrbgd,
            int igifmod, int &status) {
    RasterPixels pixels;
    const bool trueColour = request.nbitpix > 8;
    status = pixels.take(rec, request, trueColour ? kPixelValuesRgb : kPixelValuesIndex,
                         trueColour ? 3 : 1);
    if (status == kRasterDone && pixels.bytesPerPixel() == 3) status = pixels.quantise();
    if (status != kRasterDone) return;
    std::unique_ptr<LzwTable> table(new (std::nothrow) LzwTable);
    if (!table) {
        status = kRasterNoMemory;
        return;
    }
    ByteSink out(file);
    out.text(igifmod == 1 ? "GIF89a" : "GIF87a");
    // logical screen
    out.u16le(static_cast<unsigned>(pixels.width()));
    out.u16le(static_cast<unsigned>(pixels.height()));
    out.u8(0xF7); // global colour table of 256 entries, 8-bit colour resolution
    out.u8(static_cast<unsigned>(nclrbgd) & 0xFF); // background index
    out.u8(0);                                     // aspect
    for (int i = 0; i < 256; ++i) {
        std::uint8_t rgb[3];
        pixels.paletteEntry(request, i, rgb);
        out.write(rgb, 3);
    }
    if (igifmod == 1) { // graphic control extension: the background index is transparent
        static constexpr std::uint8_t kControl[6] = {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00};
        out.write(kControl, sizeof kControl);
        out.u8(static_cast<unsigned>(nclrbgd) & 0xFF);
        out.u8(0);
    }
    // image descriptor: left, top, width, height, no local table, not interlaced
    out.u8(0x2C);
    out.u16le(0);
    out.u16le(0);
    out.u16le(static_cast<unsigned>(pixels.width()));
    out.u16le(static_cast<unsigned>(pixels.height()));
    out.u8(0);
    out.u8(8); // LZW minimum code size
    encode(pixels, *table, out);
    out.u8(0);    // block terminator
    out.u8(0x3B); // trailer
    out.flush();
    status = out.failed() ? kRasterFileError : kRasterDone;
}
