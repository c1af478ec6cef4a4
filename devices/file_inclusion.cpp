// incfil, filbox, filclr: files included into the plot.
#include "devices/file_inclusion.h"

#include <algorithm>

#include "devices/image_readers.h"
#include "devices/picture.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

void message(const char *text) {
    qqserr(text);
    warnin(Warning::ownText);
}

IncludeBox includeBox(const GlobalRecord &rec) {
    const IncludeState &incl = rec.incl;
    if (incl.ifilbox == 1)
        return {incl.nfilbox[0], incl.nfilbox[1], incl.nfilbox[2], incl.nfilbox[3]};
    return {0, 0, rec.page.nxpage + 1, rec.page.nypage + 1};
}

} // namespace

void includeFile(GlobalRecord &rec, const char *name) {
    int width = 0, height = 0;
    const int type = qqchkfil(rec, name, width, height);
    switch (type) {
    case kNoFile: warnin(Warning::fileError); return;
    case kPrinterFile:
    case kHpglFile:
    case kPostScriptFile: warnin(Warning::incorrectFileFormat); return;
    case kBmpFile:
    case kGifFile:
        // BMP and GIF are decoded in image mode.
        if (!holdsImages(rec.core.idevice)) {
            warnin(Warning::incompatibleDevice);
            return;
        }
        break;
    default: break;
    }
    const IncludeBox box = includeBox(rec);
    int status = kIncludeDone;
    switch (type) {
    case kGkslFile:
        status = qqincgks(rec, name, box);
        if (status == kIncludeIncomplete) message("The GKSLIN file is not complete!");
        break;
    case kCgmFile: status = qqinccgm(rec, name, box); break;
    default: {
        const int image = qqincfil(rec, name, type, box, width, height);
        if (image == kImageOpenError) message("File open error");
        if (image == kImageNoMemory) message("Not enough memory");
        if (image == kImageSyntaxError) message("Syntax error in image file");
        status = image == kImageDone ? kIncludeDone : kIncludeBadFormat;
        break;
    }
    }
    if (type == kGkslFile || type == kCgmFile) {
        if (status == kIncludeOpenError) warnin(Warning::fileError);
        if (status == kIncludeBadFormat) warnin(Warning::incorrectFileFormat);
    }
    // A frame of the axis systems' thickness round what was included.
    if (status == kIncludeDone && rec.frame.nframe != 0)
        dframe(rec, box.x, box.y, box.width, box.height, rec.frame.nframe, 0.0f);
}

bool setIncludeBox(GlobalRecord &rec, int x, int y, int width, int height) {
    if (x < 0 || y < 0) {
        warni1(Warning::negativeParameter, std::min(x, y));
        return false;
    }
    if (width < 1 || height < 1) {
        warni1(Warning::incorrectParameter, std::min(width, height));
        return false;
    }
    if (static_cast<long long>(x) - 1 + width > rec.page.nxpage ||
        static_cast<long long>(y) - 1 + height > rec.page.nypage) {
        warnin(Warning::incorrectParameter);
        return false;
    }
    IncludeState &incl = rec.incl;
    incl.nfilbox[0] = x;
    incl.nfilbox[1] = jqqyvl(rec, y);
    incl.nfilbox[2] = width;
    incl.nfilbox[3] = height;
    incl.ifilbox = 1;
    return true;
}

extern "C" void incfil(const char *cfil) {
    GlobalRecord *rec = jqqlev(1, 3, "incfil");
    if (rec != nullptr) includeFile(*rec, cfil);
}

extern "C" void filbox(int nx, int ny, int nw, int nh) {
    setIncludeBox(chkini("filbox"), nx, ny, nw, nh);
}

extern "C" void filclr(const char *copt) {
    GlobalRecord &rec = chkini("filclr");
    const int i = jqqind("ALL +NONE", 2, copt);
    if (i != 0) rec.incl.ifilclr = static_cast<std::uint8_t>(i - 1);
}
