// Characters in device fonts: their advance from the font's width table, and
// the senders that hand them to the device (PostScript records, the PDF
// character, bitmap glyphs).
#include <cmath>
#include <utility>

#include "devices/decimal_text.h"
#include "devices/pdf_writer.h"
#include "devices/svg.h"
#include "devices/window_fonts.h"
#include "kernel/bitmap_fonts.h"
#include "kernel/device_fonts.h"
#include "kernel/devices.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

constexpr float kPointsPerPlotUnit = 0.28346458f; // 72 / 254
constexpr int kLastPostScriptCode = 186;

// A page point and text angle onto the PostScript or PDF paper: on a turned
// page x and y exchange and the angle turns by 90 degrees, otherwise y runs
// upwards.
void ontoPaper(const GlobalRecord &rec, int &x, int &y, int &angle) {
    if (turnedOnPaper(rec.page)) {
        std::swap(x, y);
        angle += 90;
    } else {
        y = rec.page.nypage - y;
    }
}

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
        if (t.itxtmeas != 0) return;
        if (deviceFamily(rec.core.idevice) == DeviceFamily::Svg)
            qqsvg5(rec, code, t.xtxtpen[0], t.xtxtpen[1]);
        else
            pschar(rec, code, t.xtxtpen[0], t.xtxtpen[1], width);
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

void pschar(GlobalRecord &rec, int code, float x, float y, float width) {
    if (deviceFamily(rec.core.idevice) == DeviceFamily::Pdf) {
        PdfCharacter c = pdfCharacter(rec, code, x, y);
        qqpdf5(rec, c.code, c.matrix, c.angle, c.font, c.size);
        return;
    }
    const TextState &t = rec.text;
    const float o = t.xtxtshift + t.xtxtloff;
    int px = truncToInt(x + 0.5f * width * t.xcosang - o * t.xsinang);
    int py = truncToInt(y - 0.5f * width * t.xsinang - o * t.xcosang);
    int angle = t.nangle;
    ontoPaper(rec, px, py, angle);
    const float s = rec.page.xdevscl;
    // "%5d %5d %5d %5d c ": code, device x and y, angle.
    char record[4 * kNumberTextRoom + 8];
    char *p = record;
    for (const int value :
         {code, truncToInt(float(px) * s + 0.5f), truncToInt(float(py) * s + 0.5f), angle}) {
        p = putIntWidth(p, value, 5);
        *p++ = ' ';
    }
    p = putText(p, "c ");
    qqsbuf(rec, record, int(p - record)); // the record whole, blanks and all
}

PdfCharacter pdfCharacter(GlobalRecord &rec, int code, float x, float y) {
    qqstrk(rec);
    const TextState &t = rec.text;
    const float o = t.xtxtshift + t.xtxtloff;
    int px = truncToInt(x - o * t.xsinang);
    int py = truncToInt(y - o * t.xcosang);
    int angle = t.nangle;
    ontoPaper(rec, px, py, angle);
    const float s = rec.page.xdevscl;
    PdfCharacter c{};
    c.code = code;
    c.angle = angle;
    c.font = rec.font.npsfont;
    c.size = truncToInt((1000.0f / float(rec.font.npsunit)) * float(t.nhchar) * s * 10.0f + 0.5f);
    float cs = 1.0f, sn = 0.0f;
    if (angle == 90) {
        cs = 0.0f;
        sn = 1.0f;
    } else if (angle != 0) {
        const float radians = float(angle) * rec.core.xdegrad;
        cs = std::cos(radians);
        sn = std::sin(radians);
    }
    c.matrix[0] = cs;
    c.matrix[1] = sn;
    c.matrix[2] = -sn;
    c.matrix[3] = cs;
    c.matrix[4] = float(px) * s;
    c.matrix[5] = float(py) * s;
    return c;
}

int deviceGlyphAngle(const GlobalRecord &rec) {
    return rec.page.ipagmod == 1 ? rec.text.nangle + 90 : rec.text.nangle;
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
        qqwcha(rec, code, dx, dy);
}
