// curve3, curvx3, curvy3: one coloured box (RECT) or coloured symbol (SYMB)
// per point in the axis system of graf3, the colour that of the point's value
// on the colour bar.
#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "graphics2d/transforms.h"
#include "graphics3d/colour_plots.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// Draws the n points point(i) -> (x, y) with the values z. Boxes are tested
// against the scaling, symbols are not.
template <class Point>
void drawColourPoints(GlobalRecord &rec, const float *z, int n, Point point) {
    const int savedColour = rec.colour.ncolor;
    const int w = rec.axsys.nsetres[0], h = rec.axsys.nsetres[1];
    const bool symbols = rec.surface.ishdcrv == kCurveSymbols;
    sclpax(rec, 0);
    for (int i = 0; i < n; ++i) {
        float x = 0, y = 0;
        point(i, x, y);
        if (!symbols) {
            rpoint(rec, x, y, z[i], w, h);
            continue;
        }
        qqsclr(rec, jqqclr(rec, z[i]));
        float xp = 0, yp = 0;
        qqrel2(rec, x, y, xp, yp);
        dsymbl(rec, rec.curve.nmarker, roundAddHalf(xp), roundAddHalf(yp));
    }
    sclpax(rec, 1);
    // Boxes on PDF set only the fill colour: the colour is sent again.
    qqsclr(rec, savedColour);
}

// The record when the plot may draw n points; a missing array with points
// to draw is refused with warning 2.
GlobalRecord *openPoints(const char *name, int n, bool arraysGiven) {
    GlobalRecord *rec = openColourPlot(name);
    if (rec == nullptr || n <= 0) return nullptr;
    if (!arraysGiven) {
        warni1(Warning::incorrectParameter, n);
        return nullptr;
    }
    return rec;
}

} // namespace

extern "C" void curve3(const float *xray, const float *yray, const float *zray, int n) {
    GlobalRecord *rec = openPoints("curve3", n, xray && yray && zray);
    if (rec == nullptr) return;
    drawColourPoints(*rec, zray, n, [&](int i, float &x, float &y) {
        x = xray[i];
        y = yray[i];
    });
}

extern "C" void curvx3(const float *xray, float y, const float *zray, int n) {
    GlobalRecord *rec = openPoints("curvx3", n, xray && zray);
    if (rec == nullptr) return;
    drawColourPoints(*rec, zray, n, [&](int i, float &px, float &py) {
        px = xray[i];
        py = y;
    });
}

extern "C" void curvy3(float x, const float *yray, const float *zray, int n) {
    GlobalRecord *rec = openPoints("curvy3", n, yray && zray);
    if (rec == nullptr) return;
    drawColourPoints(*rec, zray, n, [&](int i, float &px, float &py) {
        px = x;
        py = yray[i];
    });
}
