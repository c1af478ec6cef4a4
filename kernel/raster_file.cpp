// qqrfil: the raster dispatcher of kavfin.
#include "kernel/raster_file.h"

#include "devices/bitmap_file.h"
#include "devices/driver_record.h"
#include "devices/raster_writers.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

enum RasterFileType { kTiff = 1, kBitmap = 2, kVirtual = 3, kPng = 4, kPpm = 5, kBmp = 6, kGif = 7 };

}  // namespace

void qqrfil(GlobalRecord &rec, FILE *file, int type) {
    qqstrk(rec);
    const DriverRecord *driver = rec.dev.pdriver.get();
    if (driver == nullptr || file == nullptr || type == kVirtual) return;

    if (type == kBitmap) {
        int status = 0;
        qqvfil(rec, file, kBitmapSave, status);
        if (status == kBitmapFileError) warnin(36);
        if (status == kBitmapNoMemory) warnin(53);
        return;
    }

    RasterFileRequest request;
    request.device = rec.core.idevice;
    request.area = {0, 0, driver->nwidth, driver->nheight};
    request.colours = rec.colour.nrgbtab;
    request.imgfmt = rec.format.iimgfmt;
    request.nbitpix = rec.page.nbitpix;
    const FormatState &format = rec.format;
    int status = 0;
    switch (type) {
    case kTiff: qqptif(rec, file, request, format.ntifres, format.itifuni, rec.page.iscrmod, status); break;
    case kPng: qqppng(rec, file, request, format.ipngmod, nullptr, status); break;
    case kPpm: qqpppm(rec, file, request, status); break;
    case kBmp: qqpbmp(rec, file, request, status); break;
    case kGif: qqpgif(rec, file, request, rec.colour.nclrbgd, format.igifmod, status); break;
    default: return;
    }
    if (status == kRasterFileError) {
        warnin(36);
    } else if (status == kRasterNoMemory) {
        warnin(53);
    } else if (type == kPng && status != kRasterDone) {
        qqserr("ZLIB error");
        warnin(101);
    }
}
