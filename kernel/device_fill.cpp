// Filled polygons on the devices that fill by themselves: the screen, WMF, the
// PostScript family, PDF and SVG.
#include <cstdio>

#include "kernel/area_fill.h"
#include "kernel/c_format.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

constexpr int kSolidPattern = 16;
// Pen operation of the PDF writer: close the path and fill it.
constexpr int kPdfFill = 5;

bool deviceCanFill(int code) {
    return (code <= 99 && code != 51 && code != 55) || code == device::kWmf ||
           code == device::kSvg || (code >= 501 && code <= 600);
}

// Every vertex, with the origin shift, inside the clip rectangle (edges included).
bool insideClipWindow(const GlobalRecord &rec, const float x[], const float y[], int n) {
    const int *w = rec.clip.nclpwin;
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    for (int i = 0; i < n; ++i) {
        const float px = x[i] + dx, py = y[i] + dy;
        if (px < float(w[0]) || px > float(w[2]) || py < float(w[1]) || py > float(w[3]))
            return false;
    }
    return true;
}

// PDF: the outline as a path, then the fill command.
void pdfPolygon(GlobalRecord &rec, const float x[], const float y[], int n) {
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    xjdraw(rec, x[0] + dx, y[0] + dy, kPenMove);
    for (int i = 1; i < n; ++i) xjdraw(rec, x[i] + dx, y[i] + dy, kPenDraw);
    xjdraw(rec, 0.0f, 0.0f, kPdfFill);
}

// SVG: one polygon element in the current colour, in the document's units.
void svgPolygon(GlobalRecord &rec, const float x[], const float y[], int n) {
    // The SVG writer opens its stroke group here (qqsvg1 mode 1) before the element.
    const PageState &page = rec.page;
    const float s = page.xdevscl;
    int r = 0, g = 0, b = 0;
    colourComponents(rec, rec.colour.ncolor, r, g, b);
    char text[96];
    formatC(text, sizeof text, "<polygon fill=%c#%02x%02x%02x%c points=%c\n", '"', r, g, b, '"',
            '"');
    writeOutput(rec, text);
    for (int i = 0; i < n; ++i) {
        const float px = x[i] + float(page.nxorg), py = y[i] + float(page.nyorg);
        const bool turned = page.ipagmod == 1;
        formatC(text, sizeof text, " %.2f, %.2f", double(turned ? py * s : px * s),
                double(turned ? (float(page.nxpage) - px) * s : py * s));
        writeOutput(rec, text);
        if ((i + 1) % 5 == 0 && i + 1 < n) writeOutput(rec, "\n");
    }
    formatC(text, sizeof text, "%c/>\n", '"');
    writeOutput(rec, text);
}

// PostScript: "u" to the first vertex, "d" to the others and back to the first,
// then an even-odd fill.
void postScriptPolygon(GlobalRecord &rec, const float x[], const float y[], int n) {
    const PageState &page = rec.page;
    const float s = page.xdevscl;
    const bool wide = page.nxpage > page.nypage && page.ipagmod != 2;
    char text[48];
    for (int i = 0; i <= n; ++i) {
        const int k = i < n ? i : 0;
        const float px = x[k] + float(page.nxorg), py = y[k] + float(page.nyorg);
        const int u = wide ? roundAddHalf(py * s) : roundAddHalf(px * s);
        const int v = wide ? roundAddHalf(px * s) : roundAddHalf((float(page.nypage) - py) * s);
        const int length = formatC(text, sizeof text, "%5d %5d %s ", u, v, i == 0 ? "u" : "d");
        qpsbuf(rec, text, length);
    }
    qpsbuf(rec, "eofill ", 7);
}

}  // namespace

bool fillByDevice(GlobalRecord &rec, const float x[], const float y[], int n) {
    const int code = rec.core.idevice;
    if (!deviceCanFill(code) || rec.fill.nshdpat != kSolidPattern || rec.shield.nshield != 0 ||
        !insideClipWindow(rec, x, y, n))
        return false;
    qqstrk(rec);
    if (code < 100 || code == device::kWmf) {
        // The screen driver (qqwpol) and the WMF writer (qqwmf6) fill the
        // polygon here, through xjpoly: the vertices with the origin shift,
        // converted and rounded.
    } else if (code == device::kPdf) {
        pdfPolygon(rec, x, y, n);
    } else if (code == device::kSvg) {
        svgPolygon(rec, x, y, n);
    } else {
        postScriptPolygon(rec, x, y, n);
    }
    return true;
}
