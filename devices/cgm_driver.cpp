// The driver of binary CGM: the metafile starts at kavini, each new page is a
// new picture, and lines take their colour as LINE COLOUR elements.
#include "devices/cgm.h"
#include "devices/device_drivers.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

const DeviceDriver kCgmDriver{
    .open =
        [](GlobalRecord &rec) {
            rec.page.nbitpix = 24;
            rec.page.xdevscl = 2.0f * (rec.page.xsclfac * rec.page.xunits);
            inicgm(rec, 1);
        },
    .pen = [](GlobalRecord &rec, DevicePoint p, int op) { drwcgm(rec, p.x, p.y, op); },
    .colour =
        [](GlobalRecord &rec, int colour) {
            const DeviceColour c = deviceColour(rec, colour);
            cgmLineColour(rec, c.r, c.g, c.b);
        },
    .newPage = [](GlobalRecord &rec) { inicgm(rec, 2); },
    .close =
        [](GlobalRecord &rec, int &) {
            qqmove(rec, 0, 0);
            cgmEnd(rec);
        },
};
