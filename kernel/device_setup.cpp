// Device header and scale at kavini: bits per pixel, the first records of the
// file, and the device units per plot unit.
#include "kernel/device_setup.h"

#include <algorithm>

#include "devices/cgm.h"
#include "devices/memory_raster.h"
#include "devices/pdf_writer.h"
#include "devices/postscript.h"
#include "devices/screen_driver.h"
#include "devices/svg.h"
#include "devices/text_formats.h"
#include "devices/wmf_writer.h"
#include "kernel/devices.h"
#include "kernel/fatal.h"
#include "kernel/file_versions.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/warnings.h"

float rasterScale(const GlobalRecord &rec, int width, int height) {
    const PageState &page = rec.page;
    float w = float(page.nxpage), h = float(page.nypage);
    if (page.ipagmod == 1) std::swap(w, h);
    float s = std::min(float(width - 1) / w, float(height - 1) / h);
    if (page.isclmod == 0) {
        const float side = h < w ? float(width) : float(height);
        s = std::min(s, (side - 1.0f) * page.xsclfac * page.xunits / 2969.0f);
    }
    return s;
}

namespace {

// Scale of PostScript and PDF: the page fitted onto the paper W x H.
float paperScale(const GlobalRecord &rec, float paperW, float paperH) {
    const PageState &page = rec.page;
    const float w = float(page.nxpage), h = float(page.nypage);
    if (turnedOnPaper(page)) return std::min(paperH / w, paperW / h);
    return std::min(paperW / w, paperH / h);
}

// Scale of HPGL: 4 plotter units per plot unit, or the page fitted onto the
// plotter's sheet (when scaled down, no larger than 4 units).
float hpglScale(const GlobalRecord &rec, float f) {
    const PageState &page = rec.page;
    const int *sheet = deviceFacts(rec.core.idevice).sheet;
    if (sheet[0] == 0) return 4.0f * f;
    const float larger = float(std::max(page.nxpage, page.nypage));
    const float smaller = float(std::min(page.nxpage, page.nypage));
    const float s = std::min(float(sheet[0]) / larger, float(sheet[1]) / smaller);
    return page.isclmod == 0 ? std::min(s, 4.0f * f) : s;
}

// The PDF document: its page in points (turned for a wide page), the file
// named inside the library lock, and a black page unless reversed.
void startPdf(GlobalRecord &rec) {
    PageState &page = rec.page;
    const float s = page.xdevscl;
    const bool wide = turnedOnPaper(page);
    int width = int(float(page.nxpage) * s) + 1;
    int height = int(float(page.nypage) * s) + 1;
    if (wide) std::swap(width, height);
    const int options = rec.format.ipdfmod;
    int status = 0;
    bool named = true;
    {
        LibraryLock lock;
        // A PDF kept in memory writes no file, so an existing one stays.
        if ((options & 2) == 0) named = gfilnn(rec, rec.out.cfilnam, sizeof rec.out.cfilnam);
        // Without a name the writer opens nothing.
        qqpdf1(rec, named ? rec.out.cfilnam : "", width, height, options, wide ? 1 : 0, status);
    }
    if (status == -2) {
        warnin(Warning::noMemory);
        endProcessAfterWarning();
    }
    // A file that cannot be named or opened: the plot goes on without it.
    if (!named)
        warnin(Warning::incorrectFilename);
    else if (status == -1)
        warnin(Warning::fileError);
    if (page.iscrmod != 2) {
        qqpdf3(rec, 0, 0, 0, 1);
        qqpdf4(rec, 0, 0, float(width), float(height));
    }
}

// The metafile: the page in metafile units (as the device sees it, so turned
// for portrait output), the file named inside the library lock.
void startWmf(GlobalRecord &rec) {
    const PageState &page = rec.page;
    const float s = page.xdevscl;
    int width = int(float(page.nxpage) * s + 0.5f);
    int height = int(float(page.nypage) * s + 0.5f);
    if (page.ipagmod == 1) std::swap(width, height);
    bool named = false, started = false;
    {
        LibraryLock lock;
        named = gfilnn(rec, rec.out.cfilnam, sizeof rec.out.cfilnam);
        if (named) started = qqwmf1(rec, rec.out.cfilnam, width, height, rec.format.iwmfmod);
    }
    // Without a file the plot goes on and draws nothing.
    if (!named)
        warnin(Warning::incorrectFilename);
    else if (!started)
        warnin(Warning::fileError);
}

} // namespace

void kavi01(GlobalRecord &rec) {
    PageState &page = rec.page;
    WindowState &win = rec.win;
    const int code = rec.core.idevice;
    win.iwinid = code == device::kScreenDefault ? 1 : code - 71;
    ScreenOpening o;
    o.device = code;
    o.pageWidth = page.ipagmod == 1 ? page.nypage : page.nxpage;
    o.pageHeight = page.ipagmod == 1 ? page.nxpage : page.nypage;
    o.placement = win.iwinset;
    o.x = win.nwinpos[0];
    o.y = win.nwinpos[1];
    o.width = win.nwinsiz[0];
    o.height = win.nwinsiz[1];
    o.clrmod = rec.colour.iclrmod;
    o.x11mod = win.ix11mod;
    o.scrmod = page.iscrmod;
    qqwini(rec, o);
    win.nwinpos[0] = o.x;
    win.nwinpos[1] = o.y;
    win.nwinsiz[0] = o.width;
    win.nwinsiz[1] = o.height;
    page.nbitpix = o.bits;
    page.xdevscl = rasterScale(rec, o.clientWidth, o.clientHeight);
    win.keepWindow(win.iwinid, page.xdevscl);
}

void kavi03(GlobalRecord &rec) {
    PageState &page = rec.page;
    const float f = page.xsclfac * page.xunits;
    const float w = float(page.nxpage), h = float(page.nypage);
    const bool down = page.isclmod == 0;
    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::Gksl:
        page.nbitpix = 8;
        page.xdevscl = 1.0f / std::max(w, h);
        gkslHeader(rec);
        break;
    case DeviceFamily::Cgm:
        page.nbitpix = 24;
        page.xdevscl = 2.0f * f;
        inicgm(rec, 1);
        break;
    case DeviceFamily::Wmf:
        page.nbitpix = 24;
        page.xdevscl = f * 1440.0f / 254.0f;
        startWmf(rec);
        break;
    case DeviceFamily::Kyocera: {
        page.nbitpix = 8;
        float s = w > h ? std::min(3390.0f / w, 2362.0f / h) : std::min(2362.0f / w, 3390.0f / h);
        if (down) s = std::min(s, f * 300.0f / 254.0f);
        page.xdevscl = s;
        kyoceraHeader(rec);
        break;
    }
    case DeviceFamily::Hpgl:
        page.nbitpix = 8;
        page.xdevscl = hpglScale(rec, f);
        hpglHeader(rec);
        break;
    case DeviceFamily::PostScript: {
        page.nbitpix = 24;
        const float paperW = page.ihwpage == 1 ? 2.0f * float(page.nhwpage[0]) : 3900.0f;
        const float paperH = page.ihwpage == 1 ? 2.0f * float(page.nhwpage[1]) : 5600.0f;
        float s = paperScale(rec, paperW, paperH);
        if (down) s = std::min(s, 2.0f * f);
        page.xdevscl = s;
        inipsc(rec);
        break;
    }
    case DeviceFamily::Pdf: {
        page.nbitpix = 24;
        const float points = 0.5f * 72.0f / 254.0f;
        const float paperW = (page.ihwpage == 1 ? 2.0f * float(page.nhwpage[0]) : 3900.0f) * points;
        const float paperH = (page.ihwpage == 1 ? 2.0f * float(page.nhwpage[1]) : 5600.0f) * points;
        float s = paperScale(rec, paperW, paperH);
        if (down) s = std::min(s, f * 72.0f / 254.0f);
        page.xdevscl = s;
        startPdf(rec);
        break;
    }
    case DeviceFamily::Raster: {
        const bool rgb = deviceFacts(rec.core.idevice).trueColour || rec.format.iimgfmt == 1;
        page.nbitpix = rgb ? 24 : 8;
        int width = rec.win.nwinsiz[0], height = rec.win.nwinsiz[1], status = 0;
        qqvini(rec, page.nxpage, page.nypage, width, height, 1, page.iscrmod,
               rgb ? kPixelModeRgb : 0, status);
        if (status != 0) {
            warnin(Warning::noMemory);
            endProcessAfterWarning();
        }
        page.xdevscl = rasterScale(rec, width, height);
        break;
    }
    case DeviceFamily::Java:
        page.nbitpix = 24;
        page.xdevscl = rasterScale(rec, rec.win.nwinsiz[0], rec.win.nwinsiz[1]);
        javaHeader(rec);
        break;
    case DeviceFamily::Svg: {
        page.nbitpix = 24;
        page.xdevscl = rasterScale(rec, rec.win.nwinsiz[0], rec.win.nwinsiz[1]);
        const float width = float(rec.win.nwinsiz[0]), height = float(rec.win.nwinsiz[1]);
        qqsvg2(rec, width - 1.0f, height - 1.0f, 1);
        if (page.iscrmod != 2) qqsvg4(rec, 0, 0, width, height, 0, 0, 0);
        break;
    }
    default: break;
    }
}
