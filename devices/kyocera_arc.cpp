// Arcs and sectors on Kyocera printers: kdarc.
#include "devices/text_formats.h"
#include "kernel/dispatch.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

void kdarc(GlobalRecord &rec, int x, int y, int r1, int r2, float a1, float a2, int pattern) {
    if (pattern == 0) return;
    const float s = rec.page.xdevscl;
    const DevicePoint centre =
        toDevice(rec, float(pageSum(x, rec.page.nxorg)), float(pageSum(y, rec.page.nyorg)));
    // The printer counts its angles clockwise from the top.
    kyoceraArc(rec, truncToInt(centre.x), truncToInt(centre.y), roundAddHalf(float(r1) * s),
               roundAddHalf(float(r2) * s), 90 - nintqq(a1), 90 - nintqq(a2), pattern);
}
