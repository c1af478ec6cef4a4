// qqrfil: the raster dispatcher of kavfin and of the raster file routines.
#include "devices/raster_file.h"

#include "devices/bitmap_file.h"
#include "devices/picture.h"
#include "devices/raster_writers.h"
#include "kernel/devices.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

enum RasterFileType {
    kTiff = 1,
    kBitmap = 2,
    kVirtual = 3,
    kPng = 4,
    kPpm = 5,
    kBmp = 6,
    kGif = 7
};

void writeBitmapFile(GlobalRecord &rec, FILE *file) {
    int status = 0;
    pictureBitmapFile(rec, file, kBitmapSave, status);
    if (status == kBitmapFileError) warnin(Warning::fileError);
    if (status == kBitmapNoMemory) warnin(Warning::noMemory);
}

void writeRasterFile(GlobalRecord &rec, FILE *file, int type, const PixelDriver &pixels) {
    const RasterFileRequest request = pictureRequest(rec, pixels);
    const FormatState &format = rec.format;
    int status = 0;
    switch (type) {
    case kTiff:
        qqptif(rec, file, request, format.ntifres, format.itifuni, rec.page.iscrmod, status);
        break;
    case kPng: qqppng(rec, file, request, format.ipngmod, nullptr, status); break;
    case kPpm: qqpppm(rec, file, request, status); break;
    case kBmp: qqpbmp(rec, file, request, status); break;
    case kGif: qqpgif(rec, file, request, rec.colour.nclrbgd, format.igifmod, status); break;
    default: return;
    }
    if (status == kRasterFileError) {
        warnin(Warning::fileError);
    } else if (status == kRasterNoMemory) {
        warnin(Warning::noMemory);
    } else if (type == kPng && status != kRasterDone) {
        qqserr("ZLIB error");
        warnin(Warning::ownText);
    }
}

} // namespace

void qqrfil(GlobalRecord &rec, FILE *file, int type) {
    qqstrk(rec);
    if (file == nullptr || type == kVirtual) return;
    // Outside image mode the screen is read through a pixel copy of its window.
    const bool copy =
        deviceFamily(rec.core.idevice) == DeviceFamily::Screen && rec.img.iimgini == 0;
    if (copy && screenPixelCopy(rec, 0) != 0) {
        warnin(Warning::noMemory);
        return;
    }
    if (type == kBitmap) {
        writeBitmapFile(rec, file);
    } else if (const PixelDriver *pixels = picturePixels(rec)) {
        writeRasterFile(rec, file, type, *pixels);
    }
    if (copy) screenPixelCopy(rec, 1);
}
