// PNG writer: signature, IHDR, PLTE, tRNS, one IDAT with the whole deflate
// stream, IEND. Chunk lengths, sizes and CRCs are big-endian.
#include <climits>
#include <cstring>
#include <zlib.h>

#include "devices/crc32.h"
#include "devices/raster_source.h"

namespace {

// length, type, data, CRC over type and data
void chunk(ByteSink &out, const char *type, const std::uint8_t *data, std::size_t n) {
    out.u32be(static_cast<std::uint32_t>(n));
    out.write(type, 4);
    out.write(data, n);
    std::uint32_t crc = crc32Update(0xFFFFFFFFu, reinterpret_cast<const std::uint8_t *>(type), 4);
    crc = crc32Update(crc, data, n);
    out.u32be(crc ^ 0xFFFFFFFFu);
}

void put32be(std::uint8_t *p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 24);
    p[1] = static_cast<std::uint8_t>(v >> 16);
    p[2] = static_cast<std::uint8_t>(v >> 8);
    p[3] = static_cast<std::uint8_t>(v);
}

// The deflate stream of the raw image in one call; status 0 or -2..-5.
int compress(const std::uint8_t *raw, std::size_t rawSize, std::unique_ptr<std::uint8_t[]> &out,
             std::size_t &outSize) {
    // Room for the worst case, so that one call always finishes.
    const std::size_t room = rawSize + rawSize / 100 + 17;
    if (rawSize > UINT_MAX || room > UINT_MAX) return kRasterNoMemory;
    out = tryAllocateBytes(room);
    if (!out) return kRasterNoMemory;
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK) return kPngZlibStart;
    stream.next_in = const_cast<Bytef *>(raw);
    stream.avail_in = static_cast<uInt>(rawSize);
    stream.next_out = out.get();
    stream.avail_out = static_cast<uInt>(room);
    const int result = deflate(&stream, Z_FINISH);
    outSize = stream.total_out;
    const int end = deflateEnd(&stream);
    if (result != Z_STREAM_END) return kPngZlibDeflate;
    return end == Z_OK ? kRasterDone : kPngZlibEnd;
}

} // namespace

void qqppng(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int pngmod,
            PngBuffer *buffer, int &status) {
    RasterPixels pixels;
    status = takeFormatPixels(rec, request, pixels);
    if (status != kRasterDone) return;
    const bool rgb = request.imgfmt == kImageFormatRgb;
    const int w = pixels.width(), h = pixels.height();

    // The raw image: each row behind a filter byte 0, rows top first.
    const std::size_t rowLength = static_cast<std::size_t>(w) * (rgb ? 3 : 1);
    const std::size_t rawSize = static_cast<std::size_t>(h) * (rowLength + 1);
    std::unique_ptr<std::uint8_t[]> raw = tryAllocateBytes(rawSize);
    if (!raw) {
        status = kRasterNoMemory;
        return;
    }
    for (int y = 0; y < h; ++y)
        std::memcpy(raw.get() + static_cast<std::size_t>(y) * (rowLength + 1) + 1, pixels.row(y),
                    rowLength);
    std::unique_ptr<std::uint8_t[]> compressed;
    std::size_t compressedSize = 0;
    status = compress(raw.get(), rawSize, compressed, compressedSize);
    if (status != kRasterDone) return;

    ByteSink out = buffer != nullptr ? ByteSink(buffer) : ByteSink(file);
    static constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    out.write(kSignature, 8);
    std::uint8_t header[13];
    put32be(header, static_cast<std::uint32_t>(w));
    put32be(header + 4, static_cast<std::uint32_t>(h));
    header[8] = 8;                            // bit depth
    header[9] = rgb ? 2 : 3;                  // colour type: RGB or palette
    header[10] = header[11] = header[12] = 0; // compression, filter, interlace
    chunk(out, "IHDR", header, sizeof header);
    if (!rgb) {
        std::uint8_t palette[768];
        for (int i = 0; i < 256; ++i)
            pixels.paletteEntry(request, i, palette + 3 * i);
        chunk(out, "PLTE", palette, sizeof palette);
    }
    if (pngmod == 1) {
        // Palette: entry 0 transparent, the others opaque. RGB: white transparent.
        static constexpr std::uint8_t kPaletteAlpha[1] = {0};
        static constexpr std::uint8_t kWhite[6] = {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
        if (rgb)
            chunk(out, "tRNS", kWhite, sizeof kWhite);
        else
            chunk(out, "tRNS", kPaletteAlpha, sizeof kPaletteAlpha);
    }
    chunk(out, "IDAT", compressed.get(), compressedSize);
    chunk(out, "IEND", nullptr, 0);

    if (buffer != nullptr) {
        status = out.lost() ? 0 : static_cast<int>(out.position());
        return;
    }
    out.flush();
    status = out.failed() ? kRasterFileError : kRasterDone;
}
