// wtiff, tifwin, tiforg: a TIFF file of this library put into the picture.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <new>

#include "devices/image_mode.h"
#include "devices/image_readers.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

// The palette file's colour map (0..65535) as the colour table.
void loadColourMap(GlobalRecord &rec, const TiffImage &image) {
    float red[256], green[256], blue[256];
    for (int i = 0; i < 256; ++i) {
        red[i] = float(image.colourMap[i]) / 65535.0f;
        green[i] = float(image.colourMap[256 + i]) / 65535.0f;
        blue[i] = float(image.colourMap[512 + i]) / 65535.0f;
    }
    myvlt(red, green, blue, 256);
    qqcopy(rec.core.cfunc, "wtiff"); // messages from here on name wtiff again
}

// The rows of the file's part (tifwin, cut at the file's size, else the
// whole file) into the picture at tiforg. Warning 53 or 56 on failure.
void copyRows(GlobalRecord &rec, FILE *file, const TiffImage &image) {
    const IncludeState &incl = rec.incl;
    long long x = 0, y = 0, w = image.width, h = image.height;
    if (incl.itifwin == 1) {
        x = incl.ntifwin[0];
        y = incl.ntifwin[1];
        w = std::min<long long>(incl.ntifwin[2], image.width - x);
        h = std::min<long long>(incl.ntifwin[3], image.height - y);
    }
    if (w <= 0 || h <= 0) return;
    std::unique_ptr<std::uint8_t[]> row(
        new (std::nothrow) std::uint8_t[static_cast<std::size_t>(w) * image.bytesPerPixel()]);
    if (!row) {
        warnin(Warning::noMemory);
        return;
    }
    for (long long r = y; r < y + h; ++r) {
        const long long at = incl.ntiforg[1] + (r - y);
        if (at >= rec.win.nwinsiz[1]) break; // rows below the picture are cut anyway
        if (readTiffRow(file, image, static_cast<int>(r), static_cast<int>(x), static_cast<int>(w),
                        row.get()) != kImageDone) {
            warnin(Warning::incorrectFileFormat);
            return;
        }
        writeImageRow(rec, row.get(), incl.ntiforg[0], static_cast<int>(at), static_cast<int>(w));
    }
}

} // namespace

extern "C" void wtiff(const char *cfil) {
    GlobalRecord *rec = jqqlev(1, 3, "wtiff");
    if (rec == nullptr) return;
    if (deviceFacts(rec->core.idevice).vectorsOnly) {
        warnin(Warning::incompatibleDevice);
        return;
    }
    FILE *file = cfil != nullptr ? std::fopen(cfil, "rb") : nullptr;
    if (file == nullptr) {
        warnin(Warning::fileError);
        return;
    }
    TiffImage image;
    if (readTiffHeader(file, image) != kImageDone) {
        warnin(Warning::incorrectFileFormat);
        std::fclose(file);
        return;
    }
    // Image mode first: when it cannot start, the colour table stays as it was.
    // The rows are R, G, B or colour numbers, whatever the caller's imgmod:
    // one byte per pixel read as three would run past the row.
    const int pixelMode = rec->img.iimgmod;
    rec->img.iimgmod = image.rgb ? 1 : 0;
    if (startImageMode(*rec)) {
        if (!image.rgb) loadColourMap(*rec, image);
        copyRows(*rec, file, image);
        endImageMode(*rec);
    }
    rec->img.iimgmod = pixelMode;
    std::fclose(file);
}

extern "C" void tifwin(int nx, int ny, int nw, int nh) {
    GlobalRecord &rec = chkini("tifwin");
    if (!goodRectangle(nx, ny, nw, nh)) return;
    IncludeState &incl = rec.incl;
    incl.ntifwin[0] = nx;
    incl.ntifwin[1] = ny;
    incl.ntifwin[2] = nw;
    incl.ntifwin[3] = nh;
    incl.itifwin = 1;
}

extern "C" void tiforg(int nx, int ny) {
    GlobalRecord &rec = chkini("tiforg");
    if (nx < 0 || ny < 0) {
        warni1(Warning::incorrectParameter, std::min(nx, ny));
        return;
    }
    rec.incl.ntiforg[0] = nx;
    rec.incl.ntiforg[1] = ny;
}
