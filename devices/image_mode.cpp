// Image mode on and off: imgini, imgfin.
#include "devices/image_mode.h"
#include "devices/image_output.h"

#include "devices/image_readers.h"
#include "devices/memory_raster.h"
#include "devices/picture.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// While PostScript and PDF image mode has an image size, nwinsiz holds it
// and the window size is kept aside.
void useImageSize(GlobalRecord &rec) {
    ImageState &img = rec.img;
    img.nwinsizSaved[0] = rec.win.nwinsiz[0];
    img.nwinsizSaved[1] = rec.win.nwinsiz[1];
    img.windowSizeSaved = true;
    rec.win.nwinsiz[0] = img.nimgsiz[0];
    rec.win.nwinsiz[1] = img.nimgsiz[1];
}

void restoreWindowSize(GlobalRecord &rec) {
    ImageState &img = rec.img;
    if (!img.windowSizeSaved) return;
    rec.win.nwinsiz[0] = img.nwinsizSaved[0];
    rec.win.nwinsiz[1] = img.nwinsizSaved[1];
    img.windowSizeSaved = false;
}

// The RGB memory raster of PostScript and PDF image mode, of the image size
// when one was given, else of the window size, in the background of the
// screen mode and with the current colour table. False without memory; the
// window size is then as it was.
bool makeImageRaster(GlobalRecord &rec) {
    if (rec.img.iimgsiz == 1) useImageSize(rec);
    int width = rec.win.nwinsiz[0], height = rec.win.nwinsiz[1], status = 0;
    qqvini(rec, rec.page.nxpage, rec.page.nypage, width, height, 1, rec.page.iscrmod, kPixelModeRgb,
           status);
    if (status != 0) {
        restoreWindowSize(rec);
        return false;
    }
    qqvvlt(rec, rec.colour.ivltid, rec.colour.nrgbtab);
    return true;
}

} // namespace

bool startImageMode(GlobalRecord &rec) {
    if (rec.img.iimgini == 1) {
        warnin(Warning::noImgfin);
        return false;
    }
    const int code = rec.core.idevice;
    if (!holdsImages(code)) {
        warnin(Warning::incompatibleDevice);
        return false;
    }
    qqstrk(rec);
    switch (deviceFamily(code)) {
    case DeviceFamily::Screen:
        if (screenPixelCopy(rec, 0) != 0) {
            warnin(Warning::noMemory);
            return false;
        }
        break;
    case DeviceFamily::PostScript:
    case DeviceFamily::Pdf:
        if (!makeImageRaster(rec)) {
            warnin(Warning::noMemory);
            return false;
        }
        break;
    default: break; // raster devices work on their RasterPage as it is
    }
    rec.img.iimgini = 1;
    return true;
}

void endImageMode(GlobalRecord &rec) {
    if (rec.img.iimgini != 1) {
        warnin(Warning::noImgini);
        return;
    }
    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::Screen: screenPixelCopy(rec, 1); break;
    case DeviceFamily::PostScript:
    case DeviceFamily::Pdf:
        writeImageIntoPlotFile(rec);
        qqvfin(rec);
        restoreWindowSize(rec);
        break;
    default: break; // raster devices keep their RasterPage
    }
    rec.img.iimgini = 0;
}

void writeImageRow(GlobalRecord &rec, const std::uint8_t *values, int x, int y, int n) {
    if (rec.img.iimgini != 1) {
        warnin(Warning::noImgini);
        return;
    }
    const PixelDriver *pixels = picturePixels(rec);
    if (pixels == nullptr || values == nullptr) return;
    qqprow(rec, values, x, y, n, rec.win.nwinsiz[0], rec.win.nwinsiz[1], rec.img.iimgmod, *pixels);
}

extern "C" void imgini(void) {
    GlobalRecord *rec = jqqlev(1, 3, "imgini");
    if (rec != nullptr) startImageMode(*rec);
}

extern "C" void imgfin(void) {
    GlobalRecord *rec = jqqlev(1, 3, "imgfin");
    if (rec != nullptr) endImageMode(*rec);
}
