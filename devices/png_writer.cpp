// PNG writer: signature, IHDR, PLTE, tRNS, one IDAT with the whole deflate
// stream, IEND. Chunk lengths, sizes and CRCs are big-endian.
#include <zlib.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

#include "devices/crc32.h"
#include "devices/driver_record.h"
#include "devices/png_scratch.h"
#include "devices/raster_source.h"

CompressedImage::~CompressedImage() {
    std::free(bytes_);
}

void CompressedImage::restart(z_stream &stream) {
    stream.next_out = bytes_;
    stream.avail_out = static_cast<uInt>(size_);
}

bool CompressedImage::grow(z_stream &stream) {
    const std::size_t used = size_ - stream.avail_out;
    const std::size_t size = size_ < kFirstRoom ? kFirstRoom : 2 * size_;
    if (size > UINT_MAX) return false;
    void *larger = std::realloc(bytes_, size);
    if (larger == nullptr) return false;
    bytes_ = static_cast<std::uint8_t *>(larger);
    size_ = size;
    stream.next_out = bytes_ + used;
    stream.avail_out = static_cast<uInt>(size - used);
    return true;
}

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

// Gives deflate n bytes (flush Z_NO_FLUSH or Z_FINISH), growing the output
// until they are taken (and, with Z_FINISH, until the stream ends).
int feed(z_stream &stream, CompressedImage &out, const std::uint8_t *bytes, std::size_t n,
         int flush) {
    stream.next_in = const_cast<Bytef *>(bytes);
    stream.avail_in = static_cast<uInt>(n);
    for (;;) {
        if (stream.avail_out == 0 && !out.grow(stream)) return kRasterNoMemory;
        const int result = deflate(&stream, flush);
        if (result == Z_STREAM_END) return kRasterDone;
        if (result != Z_OK && result != Z_BUF_ERROR) return kPngZlibDeflate;
        if (flush == Z_NO_FLUSH && stream.avail_in == 0) return kRasterDone;
        if (stream.avail_out != 0 && result == Z_BUF_ERROR) return kPngZlibDeflate;
    }
}

// The deflate stream of the raw image, each row behind a filter byte 0, rows
// top first: the rows go to deflate one by one (Z_NO_FLUSH, then Z_FINISH),
// which gives the bytes of one deflate call over the whole raw image, with no
// copy of the image. Status 0 or -2..-4.
int compress(const RasterPixels &pixels, std::size_t rowLength, PngScratch &scratch,
             std::size_t &outSize) {
    const int h = pixels.height();
    const std::size_t rawSize = static_cast<std::size_t>(h) * (rowLength + 1);
    // The one-call writer's limits: the raw image and its worst case fit a uInt.
    if (rawSize > UINT_MAX || rawSize + rawSize / 100 + 17 > UINT_MAX) return kRasterNoMemory;
    z_stream *stream = scratch.deflater.start();
    if (stream == nullptr) return kPngZlibStart;
    CompressedImage &out = scratch.image;
    out.restart(*stream);
    static constexpr std::uint8_t kFilterNone[1] = {0};
    int status = kRasterDone;
    for (int y = 0; y < h && status == kRasterDone; ++y) {
        status = feed(*stream, out, kFilterNone, 1, Z_NO_FLUSH);
        if (status == kRasterDone)
            status = feed(*stream, out, pixels.row(y), rowLength, Z_NO_FLUSH);
    }
    if (status == kRasterDone) status = feed(*stream, out, nullptr, 0, Z_FINISH);
    outSize = stream->total_out;
    return status;
}

// The scratch kept in the caller's DriverRecord, made on first use; null
// without memory for it.
PngScratch *keptScratch(GlobalRecord &rec) {
    DriverRecord *driver = driverRecord(rec);
    if (driver == nullptr) return nullptr;
    if (!driver->ppngscratch) driver->ppngscratch.reset(new (std::nothrow) PngScratch);
    return driver->ppngscratch.get();
}

} // namespace

void qqppng(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int pngmod,
            PngBuffer *buffer, int &status) {
    RasterPixels pixels;
    status = takeFormatPixels(rec, request, pixels);
    if (status != kRasterDone) return;
    const bool rgb = request.imgfmt == kImageFormatRgb;
    const int w = pixels.width(), h = pixels.height();

    const std::size_t rowLength = static_cast<std::size_t>(w) * (rgb ? 3 : 1);
    // Without memory to keep a scratch, one lives for this file alone.
    PngScratch *kept = keptScratch(rec);
    std::unique_ptr<PngScratch> own;
    if (kept == nullptr) own.reset(new (std::nothrow) PngScratch);
    PngScratch *scratch = kept != nullptr ? kept : own.get();
    if (scratch == nullptr) {
        status = kRasterNoMemory;
        return;
    }
    std::size_t compressedSize = 0;
    status = compress(pixels, rowLength, *scratch, compressedSize);
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
    chunk(out, "IDAT", scratch->image.data(), compressedSize);
    chunk(out, "IEND", nullptr, 0);

    if (buffer != nullptr) {
        status = out.lost() ? 0 : static_cast<int>(out.position());
        return;
    }
    out.flush();
    status = out.failed() ? kRasterFileError : kRasterDone;
}
