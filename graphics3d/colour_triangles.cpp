// crvtri: the triangles of a triangulation in the axis system of graf3,
// each filled in the colour of its mean value (FLAT) or shaded between the
// colours of its corners (SMOOTH, in image mode on the screen and the raster
// devices).
#include "devices/image_mode.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "graphics2d/transforms.h"
#include "graphics3d/colour_plots.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/flat_triangle.h"
#include "kernel/hatch_patterns.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kSurfaceSmooth = 1; // ishdsur: SMOO

// Finds the first point number of the triangles outside 1..n.
bool findBadPointNumber(const int *i1, const int *i2, const int *i3, int ntri, int n, int &bad) {
    for (int t = 0; t < ntri; ++t)
        for (const int k : {i1[t], i2[t], i3[t]})
            if (k < 1 || k > n) {
                bad = k;
                return true;
            }
    return false;
}

void drawTriangles(GlobalRecord &rec, const float *xray, const float *yray, const float *zray,
                   const int *i1ray, const int *i2ray, const int *i3ray, int ntri, bool smooth) {
    // The shaded triangles go to pixels directly: the origin shift that the
    // kernel's primitives add is added here.
    const float shiftX = float(rec.page.nxorg), shiftY = float(rec.page.nyorg);
    for (int t = 0; t < ntri; ++t) {
        const int corner[3] = {i1ray[t] - 1, i2ray[t] - 1, i3ray[t] - 1};
        float xp[3], yp[3];
        for (int k = 0; k < 3; ++k)
            qqpos2(rec, xray[corner[k]], yray[corner[k]], xp[k], yp[k]);
        if (smooth) {
            int colours[3];
            for (int k = 0; k < 3; ++k) {
                colours[k] = jqqclr(rec, zray[corner[k]]);
                xp[k] += shiftX;
                yp[k] += shiftY;
            }
            qqtr2d(rec, xp, yp, colours);
        } else {
            const float mean = (zray[corner[0]] + zray[corner[1]] + zray[corner[2]]) / 3.0f;
            qqftri(rec, xp, yp, jqqclr(rec, mean));
        }
    }
}

} // namespace

extern "C" void crvtri(const float *xray, const float *yray, const float *zray, int n,
                       const int *i1ray, const int *i2ray, const int *i3ray, int ntri) {
    GlobalRecord *recp = openColourPlot("crvtri");
    if (recp == nullptr || n <= 0 || ntri <= 0) return;
    GlobalRecord &rec = *recp;
    if (!xray || !yray || !zray || !i1ray || !i2ray || !i3ray) {
        warni1(Warning::incorrectParameter, ntri);
        return;
    }
    // A point number outside the points would read beyond the arrays.
    if (int bad = 0; findBadPointNumber(i1ray, i2ray, i3ray, ntri, n, bad)) {
        warni1(Warning::incorrectParameter, bad);
        return;
    }
    const bool smooth = rec.surface.ishdsur == kSurfaceSmooth;
    // Image mode already on stays on for the caller.
    bool ownImageMode = false;
    if (smooth) {
        // Shaded triangles are written into pixels.
        if (!drawsPixels(rec.core.idevice)) {
            warnin(Warning::incompatibleDevice);
            return;
        }
        if (rec.img.iimgini != 1) {
            if (!startImageMode(rec)) return;
            ownImageMode = true;
        }
    }

    const int savedColour = rec.colour.ncolor;
    const int savedPattern = rec.fill.nshdpat;
    const float savedSpacing = rec.fill.xsurscl;
    rec.page.iusrdrw = 1;
    selectPattern(rec, kSolidPattern);
    rec.fill.xsurscl = solidFillSpacing(rec.core.idevice, 1.0f) / rec.page.xunits;
    sclpax(rec, 0);

    // The shaded triangles are written into the pixels past the line
    // pipeline: sclpax has given the pixel driver the axis system's clip
    // rectangle, so that they stay inside it as the flat ones do.
    drawTriangles(rec, xray, yray, zray, i1ray, i2ray, i3ray, ntri, smooth);

    sclpax(rec, 1);
    if (ownImageMode) endImageMode(rec);
    // The PDF fills set only their fill colour: the colour is sent again.
    qqsclr(rec, savedColour);
    if (rec.fill.nshdpat != savedPattern) selectPattern(rec, savedPattern);
    rec.fill.xsurscl = savedSpacing;
    rec.page.iusrdrw = 0;
}
