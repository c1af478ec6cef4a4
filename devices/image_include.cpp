// qqincfil: a BMP or GIF file decoded into the picture inside image mode.
#include "devices/file_inclusion.h"
#include "devices/image_mode.h"
#include "devices/image_readers.h"
#include "devices/picture.h"
#include "kernel/devices.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// The pixel of the box's corner on devices that draw pixels 1:1 (screen and
// raster devices); a turned page takes it from y and nxpage - x.
void boxPixel(const GlobalRecord &rec, const IncludeBox &box, int &px, int &py) {
    const float s = rec.page.xdevscl;
    if (rec.page.ipagmod == 1) {
        px = nintqq(float(box.y) * s + 0.5f);
        py = nintqq(float(rec.page.nxpage - box.x) * s + 0.5f);
    } else {
        px = nintqq(float(box.x) * s + 0.5f);
        py = nintqq(float(box.y) * s + 0.5f);
    }
}

// Decodes the file with nowhere for its rows to go: a file that does not
// hold the pixels its header announces is found before image mode makes a
// picture of the header's size, so it draws nothing on any device.
int checkImageData(GlobalRecord &rec, const char *name, int type) {
    const RowTarget nowhere{.right = 0, .bottom = 0};
    int status = kImageDone;
    if (type == kBmpFile)
        qqpibmp(rec, name, nowhere, status);
    else
        qqpigif(rec, name, nowhere, status);
    return status;
}

// PostScript and PDF make a picture of the image's size and scale it into
// the box. The finest they place anything is a plot unit, so the page holds
// at most one pixel per plot unit: a larger picture (a header of millions of
// pixels, say) shows nothing more and is not made.
bool pageHoldsPicture(const GlobalRecord &rec, int imageWidth, int imageHeight) {
    const long long pagePixels =
        (rec.page.nxpage + 1LL) * static_cast<long long>(rec.page.nypage + 1LL);
    return static_cast<long long>(imageWidth) * imageHeight <= pagePixels;
}

} // namespace

int qqincfil(GlobalRecord &rec, const char *name, int type, const IncludeBox &box, int imageWidth,
             int imageHeight) {
    // Image mode of the caller's own would be ended (and on PostScript and
    // PDF its sizes mixed up) by the one the inclusion runs.
    if (rec.img.iimgini == 1) {
        warnin(Warning::noImgfin);
        return kIncludeReported;
    }
    if (imageWidth < 1 || imageHeight < 1) return kImageSyntaxError;
    if (const int check = checkImageData(rec, name, type); check != kImageDone) return check;
    if (onPaper(rec.core.idevice) && !pageHoldsPicture(rec, imageWidth, imageHeight)) {
        qqserr("Image is larger than the page");
        warnin(Warning::ownText);
        return kIncludeReported;
    }
    const ImageState saved = rec.img;
    ImageState &img = rec.img;
    img.iimgmod = 1;
    img.iimgbox = 1;
    img.nimgbox[0] = box.x;
    img.nimgbox[1] = box.y;
    img.nimgbox[2] = box.width;
    img.nimgbox[3] = box.height;
    img.iimgsiz = 1;
    img.nimgsiz[0] = imageWidth;
    img.nimgsiz[1] = imageHeight;
    int px = 0, py = 0;
    if (!onPaper(rec.core.idevice)) boxPixel(rec, box, px, py);

    int status = kIncludeReported;
    if (startImageMode(rec)) {
        status = kImageDone;
        if (const PixelDriver *pixels = picturePixels(rec)) {
            const RowTarget target{.pixels = *pixels,
                                   .right = rec.win.nwinsiz[0],
                                   .bottom = rec.win.nwinsiz[1],
                                   .x = px,
                                   .y = py};
            if (type == kBmpFile)
                qqpibmp(rec, name, target, status);
            else
                qqpigif(rec, name, target, status);
        }
        endImageMode(rec);
    }
    rec.img = saved;
    return status;
}
