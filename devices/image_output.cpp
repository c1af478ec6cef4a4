// The picture of image mode in PostScript and PDF files: an RGB image drawn
// at the image box, rows read from the memory raster.
#include "devices/image_output.h"

#include <cstring>
#include <memory>
#include <span>

#include "devices/image_placement.h"
#include "devices/pdf_writer.h"
#include "devices/postscript.h"
#include "devices/raster_pixels.h"
#include "devices/raster_source.h"
#include "kernel/c_format.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// PostScript units (1/508 inch) to points.
constexpr double kPoints = 0.1417322835;

// Hexadecimal digits per line of image data, so that every line fits a record.
constexpr std::size_t kHexPerLine = 80;

void send(GlobalRecord &rec, const char *text) {
    qpsbuf(rec, text, int(std::strlen(text)));
}

// row holds the 3 * pixelWidth bytes of one row.
void writePdfImage(GlobalRecord &rec, const ImagePlacement &p, std::uint8_t *row) {
    qqpdf2(rec, float(p.pixelWidth), float(p.pixelHeight), kPdfImageBegin);
    for (int y = 0; y < p.pixelHeight; ++y) {
        qqvrdr(rec, row, 0, y, p.pixelWidth, 1, kPixelValuesRgb);
        qqpdf7(rec, row, 3 * p.pixelWidth);
    }
    qqpdf2(rec, 0, 0, kPdfImageEnd);
    qqpdf2(rec, p.deviceX, p.deviceY, kPdfImageTranslate);
    if (p.landscape) qqpdf2(rec, 0, 0, kPdfImageRotate);
    qqpdf2(rec, p.deviceWidth, p.deviceHeight, kPdfImagePaint);
}

void writePostScriptImage(GlobalRecord &rec, const ImagePlacement &p, std::uint8_t *row) {
    drwpsc(rec, 0, 0, kPenEndPiece);
    char text[160];
    formatC(text, sizeof text, "/picstr %d string def ", 3 * p.pixelWidth);
    send(rec, text);
    formatC(text, sizeof text, "gsave %10.3f %10.3f translate ", p.deviceX * kPoints,
            p.deviceY * kPoints);
    send(rec, text);
    if (p.landscape) send(rec, "90 rotate ");
    formatC(text, sizeof text, "%10.3f %10.3f scale %d %d 8 [%d 0 0 %d 0 %d] ",
            p.deviceWidth * kPoints, p.deviceHeight * kPoints, p.pixelWidth, p.pixelHeight,
            p.pixelWidth, -p.pixelHeight, p.pixelHeight);
    send(rec, text);
    send(rec, "{currentfile picstr readhexstring pop} false 3 ");
    send(rec, "colorimage ");
    qpsbuf(rec, "", -1);
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char hex[kHexPerLine];
    for (int y = 0; y < p.pixelHeight; ++y) {
        qqvrdr(rec, row, 0, y, p.pixelWidth, 1, kPixelValuesRgb);
        std::size_t n = 0;
        for (const std::uint8_t byte : std::span(row, 3 * std::size_t(p.pixelWidth))) {
            hex[n++] = kDigits[byte >> 4];
            hex[n++] = kDigits[byte & 15];
            if (n == kHexPerLine) {
                qpsbuf(rec, hex, int(n));
                n = 0;
            }
        }
        if (n > 0) qpsbuf(rec, hex, int(n));
    }
    qpsbuf(rec, "", -1);
    send(rec, "grestore ");
}

} // namespace

void writeImageIntoPlotFile(GlobalRecord &rec) {
    const ImagePlacement placement = imagePlacement(rec);
    if (placement.pixelWidth < 1 || placement.pixelHeight < 1) return;
    const std::unique_ptr<std::uint8_t[]> row =
        tryAllocateBytes(std::size_t(placement.pixelWidth) * 3);
    if (!row) {
        warnin(Warning::noMemory); // the file gets no image
        return;
    }
    if (deviceFamily(rec.core.idevice) == DeviceFamily::Pdf)
        writePdfImage(rec, placement, row.get());
    else
        writePostScriptImage(rec, placement, row.get());
}
