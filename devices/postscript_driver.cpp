// The driver of PostScript and EPS: pens, colours, boxes and pages as the
// operators of the prolog that inipsc writes.
#include <algorithm>

#include "devices/decimal_text.h"
#include "devices/device_drivers.h"
#include "devices/postscript.h"
#include "kernel/c_format.h"
#include "kernel/device_setup.h"
#include "kernel/dispatch.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

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
    char *p = text;
    for (int i = 0; i < 3; ++i) {
        const DevicePoint d =
            toDevice(rec, x[i] + float(rec.page.nxorg), y[i] + float(rec.page.nyorg));
        for (const float v : {d.x, d.y}) {
            p = putIntWidth(p, int(v), 5);
            *p++ = ' ';
        }
    }
    p = putText(p, "tri ");
    qpsbuf(rec, text, int(p - text));
    return true;
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
    .pixel = memoryRasterPixel,
    .palette = memoryRasterPalette,
    .newPage = newPostScriptPage,
    .close =
        [](GlobalRecord &rec, int &) {
            drwpsc(rec, 0, 0, kPenFlush);
            qpsbuf(rec, "showpage ", 9);
        },
};
