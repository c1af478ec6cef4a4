// The drivers of the four text formats the library writes itself: the GKSL
// text metafile, the Kyocera printer language, HPGL and Java applet source.
#include <algorithm>

#include "devices/device_drivers.h"
#include "devices/text_formats.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// Device units per plot unit asked for: the scaling factor of the page.
float pageFactor(const GlobalRecord &rec) {
    return rec.page.xsclfac * rec.page.xunits;
}

// Scale of HPGL: 4 plotter units per plot unit, or the page fitted onto the
// plotter's sheet (when scaled down, no larger than 4 units).
float hpglScale(const GlobalRecord &rec) {
    const PageState &page = rec.page;
    const float f = pageFactor(rec);
    const int *sheet = deviceFacts(rec.core.idevice).sheet;
    if (sheet[0] == 0) return 4.0f * f;
    const float larger = float(std::max(page.nxpage, page.nypage));
    const float smaller = float(std::min(page.nxpage, page.nypage));
    const float s = std::min(float(sheet[0]) / larger, float(sheet[1]) / smaller);
    return page.isclmod == 0 ? std::min(s, 4.0f * f) : s;
}

} // namespace

const DeviceDriver kGkslDriver{
    .open =
        [](GlobalRecord &rec) {
            rec.page.nbitpix = 8;
            rec.page.xdevscl = 1.0f / float(std::max(rec.page.nxpage, rec.page.nypage));
            gkslHeader(rec);
        },
    .pen = [](GlobalRecord &rec, DevicePoint p, int op) { gkslPen(rec, p.x, p.y, op); },
    .colour = [](GlobalRecord &rec,
                 int colour) { gkslColour(rec, deviceColour(rec, colour).index); },
    .close =
        [](GlobalRecord &rec, int &) {
            qqmove(rec, 0, 0);
            gkslTrailer(rec);
        },
};

const DeviceDriver kKyoceraDriver{
    .open =
        [](GlobalRecord &rec) {
            PageState &page = rec.page;
            const float w = float(page.nxpage), h = float(page.nypage);
            page.nbitpix = 8;
            float s =
                w > h ? std::min(3390.0f / w, 2362.0f / h) : std::min(2362.0f / w, 3390.0f / h);
            if (page.isclmod == 0) s = std::min(s, pageFactor(rec) * 300.0f / 254.0f);
            page.xdevscl = s;
            kyoceraHeader(rec);
        },
    .pen = [](GlobalRecord &rec, DevicePoint p,
              int op) { kyoceraPen(rec, truncToInt(p.x), truncToInt(p.y), op); },
    .box =
        [](GlobalRecord &rec, const DeviceBox &b, int colour) {
            kyoceraBox(rec, b.x, b.y, b.width + 1, b.height + 1, colour % 10);
            return true;
        },
    // The printer's own arcs, in its pattern of the colour.
    .sector =
        [](GlobalRecord &rec, int x, int y, int inner, int outer, float alpha, float beta,
           int colour) {
            kdarc(rec, x, y, outer, inner, beta, alpha, colour % 10);
            return true;
        },
    .newPage = kyoceraNewPage,
    .close = [](GlobalRecord &rec, int &) { kyoceraTrailer(rec); },
};

const DeviceDriver kHpglDriver{
    .open =
        [](GlobalRecord &rec) {
            rec.page.nbitpix = 8;
            rec.page.xdevscl = hpglScale(rec);
            hpglHeader(rec);
        },
    .pen = [](GlobalRecord &rec, DevicePoint p,
              int op) { hpglPen(rec, truncToInt(p.x), truncToInt(p.y), op); },
    .colour = [](GlobalRecord &rec,
                 int colour) { hpglColour(rec, deviceColour(rec, colour).index); },
    .close = [](GlobalRecord &rec, int &) { hpglTrailer(rec); },
};

const DeviceDriver kJavaDriver{
    .open =
        [](GlobalRecord &rec) {
            rec.page.nbitpix = 24;
            rec.page.xdevscl = rasterScale(rec, rec.win.nwinsiz[0], rec.win.nwinsiz[1]);
            javaHeader(rec);
        },
    .pen = [](GlobalRecord &rec, DevicePoint p,
              int op) { javaPen(rec, truncToInt(p.x), truncToInt(p.y), op); },
    .colour =
        [](GlobalRecord &rec, int colour) {
            const DeviceColour c = deviceColour(rec, colour);
            javaColour(rec, c.r, c.g, c.b);
        },
    .box =
        [](GlobalRecord &rec, const DeviceBox &b, int colour) {
            qqsclr(rec, colour);
            javaFillRect(rec, b.x, b.y, b.width + 1, b.height + 1);
            return true;
        },
    .erase = javaClear,
    .close = [](GlobalRecord &rec, int &) { javaTrailer(rec); },
};
