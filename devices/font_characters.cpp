// The characters of the PostScript fonts on PostScript and PDF, placed on the
// paper from the pen point of the text.
#include "devices/font_characters.h"

#include <cmath>
#include <utility>

#include "devices/decimal_text.h"
#include "kernel/device_fonts.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

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

void pschar(GlobalRecord &rec, int code, float x, float y, float width) {
    const TextState &t = rec.text;
    const float o = t.xtxtshift + t.xtxtloff;
    int px = truncToInt(x + 0.5f * width * t.xcosang - o * t.xsinang);
    int py = truncToInt(y - 0.5f * width * t.xsinang - o * t.xcosang);
    int angle = writerTextAngle(rec);
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
    int angle = writerTextAngle(rec);
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
