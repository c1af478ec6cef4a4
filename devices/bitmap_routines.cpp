// rimage and wimage: the picture saved as, and loaded from, a BitmapFile.
#include <cstdio>

#include "devices/bitmap_file.h"
#include "devices/named_output.h"
#include "devices/picture.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// The screen works on a pixel copy of its window; outside image mode one is
// taken for the call (warning 53 when that fails). True when the picture
// can be read or written.
bool takeCopyOutsideImageMode(GlobalRecord &rec, bool &copied) {
    copied = false;
    if (deviceFamily(rec.core.idevice) != DeviceFamily::Screen || rec.img.iimgini == 1) return true;
    if (screenPixelCopy(rec, 0) != 0) {
        warnin(Warning::noMemory);
        return false;
    }
    copied = true;
    return true;
}

void reportBitmapStatus(int status) {
    switch (status) {
    case kBitmapFileError: warnin(Warning::fileError); break;
    case kBitmapNoMemory: warnin(Warning::noMemory); break;
    case kBitmapBadFormat: warnin(Warning::incorrectFileFormat); break;
    case kBitmapDepthMismatch: warnin(Warning::incompatibleDevice); break;
    default: break;
    }
}

// The picture written to or read from the open file (kBitmapSave or
// kBitmapLoad), on a pixel copy of the window where the screen needs one.
int transferPicture(GlobalRecord &rec, FILE *file, int direction) {
    bool copied = false;
    int status = kBitmapDone;
    if (takeCopyOutsideImageMode(rec, copied)) {
        pictureBitmapFile(rec, file, direction, status);
        if (copied) screenPixelCopy(rec, 1);
    }
    return status;
}

} // namespace

extern "C" void rimage(const char *cfil) {
    GlobalRecord *rec = jqqlev(1, 3, "rimage");
    if (rec == nullptr || !checkPictureDevice(*rec)) return;
    qqstrk(*rec);
    FILE *file = openNamedOutput(*rec, cfil);
    if (file == nullptr) return; // openNamedOutput gave the warning
    int status = transferPicture(*rec, file, kBitmapSave);
    if (std::fclose(file) != 0 && status == kBitmapDone) status = kBitmapFileError;
    reportBitmapStatus(status);
}

extern "C" void wimage(const char *cfil) {
    GlobalRecord *rec = jqqlev(1, 3, "wimage");
    if (rec == nullptr || !checkPictureDevice(*rec)) return;
    FILE *file = cfil != nullptr ? std::fopen(cfil, "rb") : nullptr;
    if (file == nullptr) {
        warnin(Warning::fileError);
        return;
    }
    const int status = transferPicture(*rec, file, kBitmapLoad);
    std::fclose(file);
    reportBitmapStatus(status);
}
