// The driver of PostScript and EPS: pens, colours, boxes and pages as the
// operators of the prolog that inipsc writes.
#include <algorithm>
#include <cstring>

#include "devices/decimal_text.h"
#include "devices/device_drivers.h"
#include "devices/font_characters.h"
#include "devices/postscript.h"
#include "kernel/c_format.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/thick_lines.h"

namespace {

// "%3d %3d %3d " of the components of a colour, and the operator.
char *postScriptColour(char *p, int r, int g, int b, const char *op) {
    for (const int c : {r, g, b}) {
        p = putIntWidth(p, c, 3);
        *p++ = ' ';
    }
    return putText(p, op);
}

void openPostScript(GlobalRecord &rec) {
    PageState &page = rec.page;
    page.nbitpix = 24;
    const float paperW = page.ihwpage == 1 ? 2.0f * float(page.nhwpage[0]) : 3900.0f;
    const float paperH = page.ihwpage == 1 ? 2.0f * float(page.nhwpage[1]) : 5600.0f;
    float s = paperScale(rec, paperW, paperH);
    if (page.isclmod == 0) s = std::min(s, 2.0f * (page.xsclfac * page.xunits));
    page.xdevscl = s;
    inipsc(rec);
}

void postScriptColourChange(GlobalRecord &rec, int colour) {
    const DeviceColour c = deviceColour(rec, colour);
    drwpsc(rec, 0, 0, kPenEndPiece);
    char text[3 * kNumberTextRoom + 8];
    qpsbuf(rec, text, int(postScriptColour(text, c.r, c.g, c.b, "f ") - text)); // f: the colour
}

bool postScriptBox(GlobalRecord &rec, const DeviceBox &b, int colour) {
    int r = 0, g = 0, bl = 0;
    colourComponents(rec, colour, r, g, bl);
    int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
    postScriptPoint(rec, float(b.left), float(b.top), px1, py1);
    postScriptPoint(rec, float(b.right), float(b.bottom), px2, py2);
    qqstrk(rec); // lines drawn before stay below the box, as on PDF and SVG
    drwpsc(rec, 0, 0, kPenEndPiece);
    // "%5d %5d %5d %5d %3d %3d %3d e ": the corners and the colour.
    char text[7 * kNumberTextRoom + 8];
    char *p = text;
    for (const int v : {px1, py1, px2, py2}) {
        p = putIntWidth(p, v, 5);
        *p++ = ' ';
    }
    p = postScriptColour(p, r, g, bl, "e ");
    qpsbuf(rec, text, int(p - text)); // e: a filled rectangle
    return true;
}

// "%5d %5d %5d %5d %5d %5d tri ": the corners in device units.
bool postScriptTriangle(GlobalRecord &rec, const float x[3], const float y[3], int colour) {
    qqsclr(rec, colour);
    qqstrk(rec);
    char text[6 * (kNumberTextRoom + 1) + 8];
    int px[3], py[3];
    toDevicePixels(rec, x, y, 3, px, py);
    char *p = text;
    for (int i = 0; i < 3; ++i)
        for (const int v : {px[i], py[i]}) {
            p = putIntWidth(p, v, 5);
            *p++ = ' ';
        }
    p = putText(p, "tri ");
    qpsbuf(rec, text, int(p - text));
    return true;
}

// sec: x y r1 r2 a1 a2 r g b, drawn by the PostScript prolog; 58 characters.
// The centre comes as the caller's page point: the origin shift is added here.
bool postScriptSector(GlobalRecord &rec, int x, int y, int nr1, int nr2, float alpha, float beta,
                      int colour) {
    const PageState &page = rec.page;
    const float cx = float(pageSum(x, page.nxorg)), cy = float(pageSum(y, page.nyorg));
    const float s = page.xdevscl;
    int r = 0, g = 0, b = 0;
    colourComponents(rec, colour, r, g, b);
    // A landscape page is turned on the paper: x and y exchange, angles turn by 90.
    const bool turned = turnedOnPaper(page);
    const int u = turned ? nintqq(cy * s) : nintqq(cx * s);
    const int v = turned ? nintqq(cx * s) : nintqq((float(page.nypage) - cy) * s);
    const float shift = turned ? 90.0f : 0.0f;
    char text[128];
    formatC(text, sizeof text, "%5d %5d %5d %5d %8.2f %8.2f %3d %3d %3d sec ", u, v,
            nintqq(float(nr1) * s), nintqq(float(nr2) * s), double(alpha + shift),
            double(beta + shift), r, g, b);
    qqstrk(rec); // lines drawn before lie below the sector
    drwpsc(rec, 0, 0, kPenEndPiece);
    qpsbuf(rec, text, int(std::strlen(text)));
    return true;
}

// "%12d cm setmiterlimit ": the miter limit as a length of x line widths. A
// limit below 1 is an error for PostScript readers, so at least 1 point goes
// out (8 units of 1/508 inch).
void postScriptMiter(GlobalRecord &rec, float x) {
    const int length = std::max(8, nintqq(float(miterBase(rec)) * x));
    char text[32];
    formatC(text, sizeof text, "%12d cm ", length);
    qpsbuf(rec, text, int(std::strlen(text)));
    qpsbuf(rec, "setmiterlimit ", 14);
}

// "%5d cm setlinewidth " (linwid) or "%8.2f cm setlinewidth " (penwid); a
// sharp join takes the miter limit again.
bool postScriptWidth(GlobalRecord &rec, const LineWidth &w) {
    drwpsc(rec, 0, 0, kPenEndPiece);
    char text[48];
    if (w.whole)
        formatC(text, sizeof text, "%5d cm ", truncToInt(w.t));
    else
        formatC(text, sizeof text, "%8.2f cm ", double(w.t));
    qpsbuf(rec, text, int(std::strlen(text)));
    qpsbuf(rec, "setlinewidth ", 13);
    if (rec.line.ilnjoin == 0) postScriptMiter(rec, rec.line.xlnmlt);
    return true;
}

void postScriptJoin(GlobalRecord &rec) {
    drwpsc(rec, 0, 0, kPenEndPiece);
    char text[16];
    formatC(text, sizeof text, "%1d setlinejoin ", rec.line.ilnjoin);
    qpsbuf(rec, text, int(std::strlen(text)));
    if (rec.line.ilnjoin == 0) postScriptMiter(rec, rec.line.xlnmlt);
}

void postScriptCap(GlobalRecord &rec) {
    drwpsc(rec, 0, 0, kPenEndPiece);
    char text[16];
    formatC(text, sizeof text, "%1d setlinecap ", rec.line.ilncap);
    qpsbuf(rec, text, int(std::strlen(text)));
}

// The page is copied out and cleared (painted black again where the page is
// black); an encapsulated file has one page only.
void newPostScriptPage(GlobalRecord &rec) {
    const DeviceFacts &facts = deviceFacts(rec.core.idevice);
    if (facts.encapsulated) return;
    drwpsc(rec, 0, 0, kPenEndPiece);
    qpsbuf(rec, "copypage ", 9);
    qpsbuf(rec, "", -1);
    char text[32];
    const int n = formatC(text, sizeof text, "%s %8d ", "%%Page: 1", rec.out.npage);
    qpsbuf(rec, text, n);
    qpsbuf(rec, "", -1);
    if (facts.paintsPage && rec.page.iscrmod != 2)
        dbox(rec, 0, 0, rec.page.nxpage + 1, rec.page.nypage + 1, 0);
    else
        qpsbuf(rec, "erasepage ", 10);
    qqsclr(rec, rec.colour.ncolor);
}

} // namespace

const DeviceDriver kPostScriptDriver{
    .open = openPostScript,
    .pen = [](GlobalRecord &rec, DevicePoint p, int op) { drwpsc(rec, p.x, p.y, op); },
    .colour = postScriptColourChange,
    .box = postScriptBox,
    .fillPolygon = fillPolygonPostScript,
    .triangle = postScriptTriangle,
    .lineWidth = postScriptWidth,
    .lineJoin = postScriptJoin,
    .lineCap = postScriptCap,
    .miterLimit =
        [](GlobalRecord &rec, float limit) {
            drwpsc(rec, 0, 0, kPenEndPiece);
            postScriptMiter(rec, limit);
        },
    .sector = postScriptSector,
    .fontSelected = postScriptFontSelected,
    .fontHeight = postScriptFontSize,
    .fontCharacter = pschar,
    .pixel = memoryRasterPixel,
    .palette = memoryRasterPalette,
    .newPage = newPostScriptPage,
    .close =
        [](GlobalRecord &rec, int &) {
            drwpsc(rec, 0, 0, kPenFlush);
            qpsbuf(rec, "showpage ", 9);
        },
};
