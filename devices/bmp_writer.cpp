// BMP writer: file header, 40-byte info header, palette, rows bottom-up, each
// padded to a multiple of 4 bytes. All fields little-endian.
#include <algorithm>

#include "devices/raster_source.h"

void qqpbmp(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int &status) {
    RasterPixels pixels;
    status = takeFormatPixels(rec, request, pixels);
    if (status != kRasterDone) return;
    const bool rgb = request.imgfmt == kImageFormatRgb;
    const int w = pixels.width(), h = pixels.height();
    const std::uint32_t colours = rgb ? 0 : 256;
    const std::size_t pixelBytes = static_cast<std::size_t>(w) * (rgb ? 3 : 1);
    const std::size_t rowBytes = (pixelBytes + 3) / 4 * 4;
    std::unique_ptr<std::uint8_t[]> row = tryAllocateBytes(rowBytes);
    if (!row) {
        status = kRasterNoMemory;
        return;
    }
    const std::uint32_t imageSize =
        static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(h));
    ByteSink out(file);
    // BITMAPFILEHEADER
    out.text("BM");
    out.u32le(imageSize + 4 * colours + 54); // file size
    out.u16le(0);                            // reserved
    out.u16le(0);
    out.u32le(4 * colours + 54); // offset of the pixel data
    // BITMAPINFOHEADER
    out.u32le(40);
    out.u32le(static_cast<std::uint32_t>(w));
    out.u32le(static_cast<std::uint32_t>(h)); // positive: rows stored bottom-up
    out.u16le(1);                             // planes
    out.u16le(rgb ? 24 : 8);                  // bits per pixel
    out.u32le(0);                             // no compression
    out.u32le(imageSize);
    out.u32le(2500); // pixels per metre, x and y
    out.u32le(2500);
    out.u32le(colours); // colours used
    out.u32le(colours); // colours important
    // palette: B, G, R, 0
    for (std::uint32_t i = 0; i < colours; ++i) {
        std::uint8_t rgbEntry[3];
        pixels.paletteEntry(request, static_cast<int>(i), rgbEntry);
        const std::uint8_t entry[4] = {rgbEntry[2], rgbEntry[1], rgbEntry[0], 0};
        out.write(entry, 4);
    }
    for (int y = h - 1; y >= 0 && out.good(); --y) {
        const std::uint8_t *src = pixels.row(y);
        if (rgb) {
            for (int x = 0; x < w; ++x) { // R, G, B to B, G, R
                row[3 * x] = src[3 * x + 2];
                row[3 * x + 1] = src[3 * x + 1];
                row[3 * x + 2] = src[3 * x];
            }
        } else {
            std::copy(src, src + pixelBytes, row.get());
        }
        out.write(row.get(), rowBytes);
    }
    out.flush();
    status = out.failed() ? kRasterFileError : kRasterDone;
}
