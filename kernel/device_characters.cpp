// Characters in device fonts: their advance from the font's width table, and
// their hand-over to the device's driver (or, bitmap glyphs, to the pixels).
#include <cmath>

#include "kernel/bitmap_fonts.h"
#include "kernel/device_fonts.h"
#include "kernel/devices.h"
#include "kernel/driver.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

constexpr float kPointsPerPlotUnit = 0.28346458f; // 72 / 254
constexpr int kLastPostScriptCode = 186;

} // namespace

void deviceCharacter(GlobalRecord &rec, int code, int index, float &width, float &gap) {
    const TextState &t = rec.text;
    const FontState &f = rec.font;
    const float h = float(t.nhchar);
    const bool fixed = t.itxtfix != 0;
    const float fixedWidth = (h - 1.0f) * t.xtxtfix * f.xfixbas * t.xtxtwth;
    if (f.ifontyp == int(FontKind::postscript)) {
        if (code > kLastPostScriptCode) {
            code = 32;
            index = 1;
        }
        if (fixed) {
            width = fixedWidth;
            gap = h * t.xtxtspc;
        } else {
            width = (1000.0f / float(f.npsunit)) * h * kPointsPerPlotUnit *
                    (float(f.nchwid[index - 1]) / 40.0f);
            gap = h * (t.xtxtspc + 0.1f);
        }
        if (t.itxtmeas == 0)
            currentDriver(rec).fontCharacter(rec, code, t.xtxtpen[0], t.xtxtpen[1], width);
        return;
    }
    const float scale = rec.page.xdevscl;
    width = scale > 0.0f ? float(f.nchwid[index - 1]) / (scale * 10.0f) : 0.0f;
    gap = h * (t.xtxtspc + 0.1f);
    if (f.ifontyp == int(FontKind::bitmap))
        gap = float(truncToInt(h * (t.xtxtspc + (scale >= 0.3f ? 0.15f : 0.18f))));
    if (fixed) {
        width = fixedWidth;
        gap = h * t.xtxtspc;
    }
    if (t.itxtmeas == 0) qqchar(rec, code, t.xtxtpen[0], t.xtxtpen[1], width);
}

int writerTextAngle(const GlobalRecord &rec) {
    constexpr int kFarAngle = 100000000;
    const int a = rec.text.nangle;
    return a > kFarAngle || a < -kFarAngle ? a % 360 : a;
}

int deviceGlyphAngle(const GlobalRecord &rec) {
    const int a = writerTextAngle(rec);
    return rec.page.ipagmod == 1 ? a + 90 : a;
}

void qqchar(GlobalRecord &rec, int code, float x, float y, float width) {
    (void)width; // the advance: Windows characters take their own
    const TextState &t = rec.text;
    const bool bitmap = rec.font.ifontyp == int(FontKind::bitmap);
    // Bitmap glyphs hang from their baseline; Windows characters from the
    // top of their cell.
    const float raise = t.xtxtshift + t.xtxtloff + (bitmap ? 0.0f : float(t.nhchar));
    const float rx = x - raise * t.xsinang;
    const float ry = y - raise * t.xcosang;
    const float s = rec.page.xdevscl;
    int dx, dy;
    if (rec.page.ipagmod == 1) {
        dx = truncToInt(ry * s + 0.5f);
        dy = truncToInt((float(rec.page.nxpage) - rx) * s + 0.5f);
    } else {
        dx = truncToInt(rx * s + 0.5f);
        dy = truncToInt(ry * s + 0.5f);
    }
    if (bitmap)
        drawBitmapCharacter(rec, code, dx, dy);
    else
        currentDriver(rec).windowCharacter(rec, code, dx, dy);
}
