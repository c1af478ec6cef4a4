// Saving and loading the memory raster as a BitmapFile.
#include "devices/bitmap_file.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "devices/driver_record.h"
#include "devices/raster_pixels.h"
#include "kernel/c_format.h"
#include "kernel/record.h"
#include "platform/byte_sink.h"

namespace {

constexpr int kHeaderSize = 80;
constexpr int kNumbersSize = 53; // nine "%5d" and eight blanks
constexpr char kRasterMagic[] = "!Bitmap KAVLOR VIRT ";
constexpr char kScreenMagic[] = "!Bitmap KAVLOR WIN  ";

int save(const DriverRecord &driver, FILE *file) {
    char numbers[96];
    const int n =
        formatC(numbers, sizeof numbers, "%5d %5d %5d %5d %5d %5d %5d %5d %5d", driver.nwidth,
                driver.nheight, 8, driver.nrowbytes, driver.itruecol == 1 ? 24 : 8, 32, 0, 1, 0);
    // A number of more than five digits would shift the fields: such a
    // picture cannot be described in this header.
    if (n != kNumbersSize) return kBitmapFileError;
    ByteSink out(file);
    out.text(std::string_view(kRasterMagic, 20));
    out.text(std::string_view(numbers, kNumbersSize));
    out.text("       ");
    out.write(driver.praster.get(), static_cast<std::size_t>(driver.nrowbytes) *
                                        static_cast<std::size_t>(driver.nheight));
    out.flush();
    return out.failed() ? kBitmapFileError : kBitmapDone;
}

} // namespace

bool parseBitmapNumbers(const char *text, BitmapHeader &h) {
    int *fields[9] = {&h.width,  &h.height, &h.planes,    &h.rowBytes,     &h.bits,
                      &h.spare1, &h.spare2, &h.indexKind, &h.paletteOffset};
    int pos = 0;
    for (int *field : fields) {
        while (pos < kNumbersSize && text[pos] == ' ')
            ++pos;
        const bool negative = pos < kNumbersSize && text[pos] == '-';
        if (negative) ++pos;
        if (pos >= kNumbersSize || text[pos] < '0' || text[pos] > '9') return false;
        // At most 9 digits: every number fits an int.
        long long value = 0;
        for (int digits = 0; pos < kNumbersSize && text[pos] >= '0' && text[pos] <= '9'; ++digits) {
            if (digits == 9) return false;
            value = value * 10 + (text[pos++] - '0');
        }
        *field = static_cast<int>(negative ? -value : value);
    }
    return true;
}

namespace {} // namespace

void paletteToNumbers(std::uint8_t *bytes, std::size_t n, int offset) {
    for (std::size_t i = 0; i < n; ++i)
        // In unsigned arithmetic: any offset a header holds, the same low byte.
        bytes[i] =
            bytes[i] == offset
                ? 0
                : static_cast<std::uint8_t>(2u * static_cast<unsigned>(bytes[i] - offset) - 1u);
}

namespace {} // namespace

long long bytesLeft(FILE *file) {
    const long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end - here;
}

namespace {

int load(GlobalRecord &rec, DriverRecord &driver, FILE *file) {
    char header[kHeaderSize];
    if (std::fread(header, 1, kHeaderSize, file) != kHeaderSize ||
        std::memcmp(header, "!Bitmap", 7) != 0)
        return kBitmapBadFormat;
    BitmapHeader h;
    h.screen =
        std::memcmp(header, kScreenMagic, 14) == 0 && std::memcmp(header, kRasterMagic, 20) != 0;
    if (!parseBitmapNumbers(header + 20, h) || (h.bits != 8 && h.bits != 24 && h.bits != 32) ||
        h.width < 1 || h.height < 1 ||
        static_cast<long long>(h.rowBytes) < static_cast<long long>(h.width) * (h.bits / 8))
        return kBitmapBadFormat;
    const int rows = std::min(h.height, driver.nheight);
    const int columns = std::min(h.width, driver.nwidth);
    const std::size_t rowBytes = static_cast<std::size_t>(h.rowBytes);
    const long long left = bytesLeft(file);
    if (left >= 0 && left < static_cast<long long>(rowBytes) * rows) return kBitmapBadFormat;
    const bool numbersFromScreen = h.bits == 8 && h.indexKind == 0;
    const int rasterBits = driver.itruecol == 1 ? 24 : 8;
    std::uint8_t *page = driver.praster.get();

    // The file's rows as the page stores them: read straight into it.
    if (h.bits == rasterBits && (h.bits == 8 || !h.screen) && h.rowBytes <= driver.nrowbytes) {
        if (h.rowBytes == driver.nrowbytes && h.height == driver.nheight) {
            if (std::fread(page, rowBytes, static_cast<std::size_t>(rows), file) !=
                static_cast<std::size_t>(rows))
                return kBitmapFileError;
        } else {
            for (int y = 0; y < rows; ++y)
                if (std::fread(page + static_cast<std::size_t>(y) * driver.nrowbytes, 1, rowBytes,
                               file) != rowBytes)
                    return kBitmapFileError;
        }
        if (numbersFromScreen)
            for (int y = 0; y < rows; ++y)
                paletteToNumbers(page + static_cast<std::size_t>(y) * driver.nrowbytes, rowBytes,
                                 h.paletteOffset);
        return kBitmapDone;
    }

    // Otherwise row by row through the pixel routines, which convert.
    std::unique_ptr<std::uint8_t[]> row(new (std::nothrow) std::uint8_t[rowBytes]);
    std::unique_ptr<std::uint8_t[]> rgb;
    if (h.bits == 32)
        rgb.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(columns) * 3]);
    if (!row || (h.bits == 32 && !rgb)) return kBitmapNoMemory;
    for (int y = 0; y < rows; ++y) {
        if (std::fread(row.get(), 1, rowBytes, file) != rowBytes) return kBitmapFileError;
        if (h.bits == 8) {
            if (numbersFromScreen)
                paletteToNumbers(row.get(), static_cast<std::size_t>(columns), h.paletteOffset);
            qqvrow(rec, row.get(), 0, y, columns, kPixelValuesIndex);
            continue;
        }
        if (h.bits == 24 && !h.screen) {
            qqvrow(rec, row.get(), 0, y, columns, kPixelValuesRgb);
            continue;
        }
        // Screen pixels: B, G, R (and a spare byte for 32 bits).
        const int size = h.bits / 8;
        std::uint8_t *out = h.bits == 32 ? rgb.get() : row.get();
        for (int x = 0; x < columns; ++x) {
            const std::uint8_t *p = row.get() + static_cast<std::size_t>(x) * size;
            const std::uint8_t b = p[0], g = p[1], r = p[2];
            out[3 * x] = r;
            out[3 * x + 1] = g;
            out[3 * x + 2] = b;
        }
        qqvrow(rec, out, 0, y, columns, kPixelValuesRgb);
    }
    return kBitmapDone;
}

} // namespace

void qqvfil(GlobalRecord &rec, FILE *file, int mode, int &status) {
    DriverRecord *driver = rec.dev.pdriver.get();
    if (file == nullptr || driver == nullptr || !driver->praster) {
        status = kBitmapFileError;
        return;
    }
    status = mode == kBitmapSave ? save(*driver, file) : load(rec, *driver, file);
}
