// Routing of the picture routines by device: the memory raster, or the
// screen's pixel copy.
#include "devices/picture.h"

#include "devices/bitmap_file.h"
#include "devices/screen_pixels.h"
#include "kernel/devices.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

enum class Picture { None, Screen, MemoryRaster };

Picture currentPicture(const GlobalRecord &rec) {
    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::Screen: return Picture::Screen;
    case DeviceFamily::Raster: return Picture::MemoryRaster;
    case DeviceFamily::PostScript:
    case DeviceFamily::Pdf: return rec.img.iimgini == 1 ? Picture::MemoryRaster : Picture::None;
    default: return Picture::None;
    }
}

} // namespace

bool checkPictureDevice(const GlobalRecord &rec) {
    if (drawsPixels(rec.core.idevice)) return true;
    warnin(Warning::incompatibleDevice);
    return false;
}

const PixelDriver *picturePixels(const GlobalRecord &rec) {
    switch (currentPicture(rec)) {
    case Picture::MemoryRaster: return &kMemoryRasterPixels;
    case Picture::Screen: return &kScreenPixels;
    case Picture::None: break;
    }
    return nullptr;
}

int screenPixelCopy(GlobalRecord &rec, int mode) {
    if (currentPicture(rec) != Picture::Screen) return 0;
    return qqwimg(rec, mode);
}

void pictureBitmapFile(GlobalRecord &rec, FILE *file, int mode, int &status) {
    switch (currentPicture(rec)) {
    case Picture::MemoryRaster: qqvfil(rec, file, mode, status); return;
    case Picture::Screen: qqwfil(rec, file, mode, status); return;
    case Picture::None: break;
    }
    status = kBitmapFileError;
}

RasterFileRequest pictureRequest(const GlobalRecord &rec, const PixelDriver &pixels) {
    RasterFileRequest request;
    request.pixels = pixels;
    request.device = rec.core.idevice;
    const ImageState &img = rec.img;
    if (img.iimgclp == 1) {
        request.area = {img.nimgclp[0], img.nimgclp[1], img.nimgclp[2], img.nimgclp[3]};
        request.clip = 1;
    } else {
        request.area = {0, 0, rec.win.nwinsiz[0], rec.win.nwinsiz[1]};
    }
    request.colours = rec.colour.nrgbtab;
    request.imgfmt = rec.format.iimgfmt;
    request.nbitpix = rec.page.nbitpix;
    return request;
}
