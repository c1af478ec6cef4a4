// The shared drawing of the vector file tests.
#include "tests/support/vector_plot.h"

#include "devices/pdf_writer.h"
#include "devices/postscript.h"
#include "devices/svg.h"
#include "kavlor.h"
#include "kernel/colour_value.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

void fillOnDevice(GlobalRecord &rec, const float *x, const float *y, int n) {
    qqstrk(rec);
    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::PostScript: fillPolygonPostScript(rec, x, y, n); break;
    case DeviceFamily::Pdf: fillPolygonPdf(rec, x, y, n); break;
    case DeviceFamily::Svg: fillPolygonSvg(rec, x, y, n); break;
    case DeviceFamily::Wmf: xjpoly(rec, x, y, n); break;
    default: break;
    }
}

void drawVectorPlot(GlobalRecord &rec) {
    setrgb(0, 0, 0);
    pagera();
    // Thin lines in three colours.
    setrgb(1, 0, 0);
    line(200, 200, 2700, 300);
    setrgb(0, 0, 1);
    line(200, 400, 2700, 1800);
    // A dashed line and a dotted one.
    setrgb(0, 0.6f, 0);
    dash();
    line(200, 1900, 2700, 1900);
    dot();
    line(200, 1950, 2700, 1950);
    solid();
    // Wide lines: a sharp corner and a single segment with round caps.
    setrgb(0.5f, 0, 0.5f);
    linwid(25);
    lnjoin("SHAR");
    strtqq(rec, 400, 1500);
    connqq(rec, 900, 800);
    connqq(rec, 1400, 1500);
    qqstrk(rec);
    lncap("ROUN");
    line(1600, 700, 2600, 700);
    linwid(1);
    // Filled boxes in their own colours.
    dbox(rec, 1700, 1000, 2000, 1300, explicitColour(255, 128, 0));
    dbox(rec, 2100, 1000, 2400, 1300, explicitColour(0, 128, 255));
    // A filled triangle in the current colour.
    setrgb(0, 0.5f, 0.5f);
    const float x[3] = {1800, 2500, 2150};
    const float y[3] = {1750, 1750, 1400};
    fillOnDevice(rec, x, y, 3);
    setrgb(0, 0, 0);
}
