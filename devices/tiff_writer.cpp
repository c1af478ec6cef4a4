// TIFF writer: one directory of fixed layout (tiff_layout.h) in ascending tag
// order; palette form with 14 entries, RGB and bilevel forms with 13 (no
// ColorMap). Offsets are full 32-bit values, and a value that fits into the
// 4 bytes of its entry is stored there, as TIFF requires; the arrays are still
// written at their places so the layout does not depend on the height.
#include <algorithm>

#include "devices/raster_source.h"
#include "devices/tiff_layout.h"
#include "kernel/colour_value.h"

namespace {

enum class Form { Palette, Rgb, Bilevel };

void entry(ByteSink &out, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
           std::uint32_t value) {
    out.u16le(tag);
    out.u16le(type);
    out.u32le(count);
    out.u32le(value);
}

// A SHORT or LONG entry of count values all equal to value: inline when they
// fit into 4 bytes, else the offset of their array.
void repeatedEntry(ByteSink &out, std::uint16_t tag, std::uint16_t type, std::uint32_t count,
                   std::uint32_t value, std::uint32_t arrayOffset) {
    const std::uint32_t size = type == tiff::Short ? 2 : 4;
    out.u16le(tag);
    out.u16le(type);
    out.u32le(count);
    if (count * size > 4) {
        out.u32le(arrayOffset);
    } else if (type == tiff::Short) {
        out.u16le(value);
        out.u16le(count == 2 ? value : 0);
    } else {
        out.u32le(value);
    }
}

// Pixel set (bit 1) of the bilevel form: with a black reference every pixel
// that is not black, with a white reference every white pixel.
bool bilevelBit(const RasterPixels &pixels, const RasterFileRequest &request, const std::uint8_t *p,
                bool whiteReference) {
    std::uint8_t rgb[3];
    if (pixels.bytesPerPixel() == 3) {
        rgb[0] = p[0], rgb[1] = p[1], rgb[2] = p[2];
    } else {
        const int entry =
            request.colours != nullptr && p[0] < request.ncolours ? request.colours[p[0]] : 0;
        rgb[0] = static_cast<std::uint8_t>(tableRed(entry));
        rgb[1] = static_cast<std::uint8_t>(tableGreen(entry));
        rgb[2] = static_cast<std::uint8_t>(tableBlue(entry));
    }
    if (whiteReference) return rgb[0] == 255 && rgb[1] == 255 && rgb[2] == 255;
    return rgb[0] != 0 || rgb[1] != 0 || rgb[2] != 0;
}

} // namespace

void qqptif(GlobalRecord &rec, FILE *file, const RasterFileRequest &request, int ntifres,
            int itifuni, int iscrmod, int &status) {
    const Form form = request.imgfmt == kImageFormatRgb       ? Form::Rgb
                      : request.imgfmt == kImageFormatBilevel ? Form::Bilevel
                                                              : Form::Palette;
    RasterPixels pixels;
    if (form == Form::Bilevel) // compared as they come: colour numbers or, for true colour, R, G, B
        status =
            pixels.take(rec, request, request.nbitpix <= 8 ? kPixelValuesIndex : kPixelValuesRgb,
                        request.nbitpix <= 8 ? 1 : 3);
    else
        status = takeFormatPixels(rec, request, pixels);
    if (status != kRasterDone) return;

    const std::uint32_t w = static_cast<std::uint32_t>(pixels.width());
    const std::uint32_t h = static_cast<std::uint32_t>(pixels.height());
    const std::uint32_t rowBytes = form == Form::Rgb       ? 3 * w
                                   : form == Form::Bilevel ? (w + 7) / 8
                                                           : w;
    std::unique_ptr<std::uint8_t[]> bits;
    if (form == Form::Bilevel) {
        bits = tryAllocateBytes(rowBytes);
        if (!bits) {
            status = kRasterNoMemory;
            return;
        }
    }
    // Sizes beyond 16 bits do not fit a SHORT: such fields are written as LONG.
    const std::uint16_t sizeType = w > 0xFFFF || h > 0xFFFF ? tiff::Long : tiff::Short;
    const std::uint16_t countType = rowBytes > 0xFFFF ? tiff::Long : tiff::Short;
    const std::uint32_t countSize = countType == tiff::Long ? 4 : 2;

    const int entries = form == Form::Palette ? 14 : 13;
    const std::uint32_t d = tiff::afterDirectory(entries);
    const std::uint32_t countsAt = d + 4 * h;
    const std::uint32_t resolutionAt = countsAt + countSize * h;
    const std::uint32_t extraAt = resolutionAt + 16; // colour map or bits per sample
    const std::uint32_t dataAt = extraAt + (form == Form::Palette ? tiff::kColourMapBytes
                                            : form == Form::Rgb   ? 6
                                                                  : 0);

    ByteSink out(file);
    out.text("II");
    out.u16le(42);
    out.u32le(tiff::kDirectoryOffset);
    out.u16le(static_cast<unsigned>(entries));
    entry(out, tiff::NewSubfileType, tiff::Long, 1, 0);
    entry(out, tiff::ImageWidth, sizeType, 1, w);
    entry(out, tiff::ImageLength, sizeType, 1, h);
    if (form == Form::Rgb)
        entry(out, tiff::BitsPerSample, tiff::Short, 3, extraAt);
    else
        entry(out, tiff::BitsPerSample, tiff::Short, 1, form == Form::Bilevel ? 1 : 8);
    entry(out, tiff::Compression, tiff::Short, 1, 1);
    entry(out, tiff::PhotometricInterpretation, tiff::Short, 1,
          form == Form::Palette ? tiff::Palette
          : form == Form::Rgb   ? tiff::Rgb
                                : tiff::BlackIsZero);
    repeatedEntry(out, tiff::StripOffsets, tiff::Long, h, dataAt, d);
    entry(out, tiff::SamplesPerPixel, tiff::Short, 1, form == Form::Rgb ? 3 : 1);
    entry(out, tiff::RowsPerStrip, tiff::Short, 1, 1);
    repeatedEntry(out, tiff::StripByteCounts, countType, h, rowBytes, countsAt);
    entry(out, tiff::XResolution, tiff::Rational, 1, resolutionAt);
    entry(out, tiff::YResolution, tiff::Rational, 1, resolutionAt + 8);
    entry(out, tiff::ResolutionUnit, tiff::Short, 1, static_cast<std::uint32_t>(itifuni));
    if (form == Form::Palette) entry(out, tiff::ColorMap, tiff::Short, 768, extraAt);
    out.u32le(0); // no next directory

    for (std::uint32_t row = 0; row < h; ++row)
        out.u32le(dataAt + row * rowBytes);
    for (std::uint32_t row = 0; row < h; ++row)
        countSize == 4 ? out.u32le(rowBytes) : out.u16le(rowBytes);
    for (int i = 0; i < 2; ++i) {
        out.u32le(static_cast<std::uint32_t>(ntifres));
        out.u32le(1);
    }
    if (form == Form::Palette) {
        std::uint8_t palette[256][3];
        for (int i = 0; i < 256; ++i)
            pixels.paletteEntry(request, i, palette[i]);
        for (int part = 0; part < 3; ++part)
            for (int i = 0; i < 256; ++i)
                out.u16le(palette[i][part] * 257u);
    } else if (form == Form::Rgb) {
        out.u16le(8);
        out.u16le(8);
        out.u16le(8);
    }

    const bool whiteReference = iscrmod == 2;
    for (std::uint32_t y = 0; y < h && out.good(); ++y) {
        const std::uint8_t *src = pixels.row(static_cast<int>(y));
        if (form != Form::Bilevel) {
            out.write(src, rowBytes);
            continue;
        }
        std::fill(bits.get(), bits.get() + rowBytes, 0);
        for (std::uint32_t x = 0; x < w; ++x)
            if (bilevelBit(pixels, request, src + x * pixels.bytesPerPixel(), whiteReference))
                bits[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.write(bits.get(), rowBytes);
    }
    out.flush();
    status = out.failed() ? kRasterFileError : kRasterDone;
}
