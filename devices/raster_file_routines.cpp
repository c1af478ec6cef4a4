// The picture written as a file on demand: rtiff, rpng, rppm, rbmp, rgif,
// and as a PNG file in the caller's memory: rbfpng.
#include <cstdio>

#include "devices/image_mode.h"
#include "devices/named_output.h"
#include "devices/picture.h"
#include "devices/raster_file.h"
#include "devices/raster_writers.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"
#include "platform/byte_sink.h"

namespace {

// Raster file types of qqrfil.
constexpr int kTiffFile = 1;
constexpr int kPngFile = 4;
constexpr int kPpmFile = 5;
constexpr int kBmpFile = 6;
constexpr int kGifFile = 7;

void writePictureFile(const char *routine, const char *name, int type) {
    GlobalRecord *rec = jqqlev(1, 3, routine);
    if (rec == nullptr || !checkPictureDevice(*rec)) return;
    FILE *file = openNamedOutput(*rec, name);
    if (file == nullptr) return;
    qqrfil(*rec, file, type);
    if (std::fclose(file) != 0) warnin(Warning::fileError);
}

void bufferTooSmall() {
    qqserr("Buffer too small for PNG file");
    warnin(Warning::ownText);
}

} // namespace

extern "C" void rtiff(const char *cfil) {
    writePictureFile("rtiff", cfil, kTiffFile);
}
extern "C" void rpng(const char *cfil) {
    writePictureFile("rpng", cfil, kPngFile);
}
extern "C" void rppm(const char *cfil) {
    writePictureFile("rppm", cfil, kPpmFile);
}
extern "C" void rbmp(const char *cfil) {
    writePictureFile("rbmp", cfil, kBmpFile);
}
extern "C" void rgif(const char *cfil) {
    writePictureFile("rgif", cfil, kGifFile);
}

extern "C" int rbfpng(char *cbuf, int nmax) {
    GlobalRecord *rec = jqqlev(1, 3, "rbfpng");
    if (rec == nullptr || !checkPictureDevice(*rec)) return 0;
    if (nmax < 0 || (cbuf == nullptr && nmax > 0)) {
        bufferTooSmall();
        return 0;
    }
    qqstrk(*rec);
    const bool started = rec->img.iimgini == 0 && startImageMode(*rec);
    const PixelDriver *pixels = rec->img.iimgini == 1 ? picturePixels(*rec) : nullptr;
    if (pixels == nullptr) {
        if (started) endImageMode(*rec); // image mode stays as the caller had it
        return 0;
    }
    // Always the whole window; the image clip only makes the pixels a read copy.
    RasterFileRequest request = pictureRequest(*rec, *pixels);
    request.area = {0, 0, rec->win.nwinsiz[0], rec->win.nwinsiz[1]};
    PngBuffer buffer{.start = reinterpret_cast<std::uint8_t *>(cbuf),
                     .size = static_cast<std::size_t>(nmax),
                     .count = 0};
    int status = 0;
    qqppng(*rec, nullptr, request, rec->format.ipngmod, &buffer, status);
    if (started) endImageMode(*rec);
    if (status == 0) {
        bufferTooSmall();
    } else if (status == kRasterNoMemory) {
        warnin(Warning::noMemory);
    } else if (status < 0) {
        qqserr("ZLIB error");
        warnin(Warning::ownText);
    }
    return status > 0 ? status : 0;
}
