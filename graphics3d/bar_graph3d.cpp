// bars3d: bars standing as boxes in the 3-D axis system of graf3d. The three
// faces of each box that face the viewer go into the depth-sort buffer with
// one key per box, so that whole boxes are painted from the back to the front
// and each face is outlined in the border colour of the bars.
#include <climits>
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/curves.h"
#include "graphics3d/box_level.h"
#include "graphics3d/depth_sort.h"
#include "graphics3d/lines3d.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/colour.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kForegroundColour = 10; // FORE among the named colours
constexpr int kCurrentColour = -1;    // a bar colour that stands for the current colour
constexpr int kDefaultBorder = -1;    // barbor's value for the foreground colour on boxes
constexpr int kFacesPerBar = 3;
constexpr int kFaceCorners = 4;
constexpr int kFaceWithKey = 5; // four corners and the depth key of the box

float clampTo(float v, float lo, float hi) {
    if (v < lo) return lo;
    if (v > hi) return hi;
    return v;
}

bool within(float v, float lo, float hi) {
    return v >= lo && v <= hi; // NaN is never within
}

// One legend entry per colour value, in the order the values first occur.
// The legend holds kLegendEntries entries, so only that many are looked for.
void recordLegend(GlobalRecord &rec, const int ic[], int n, int savedColour) {
    int seen[kLegendEntries];
    int entries = 0;
    for (int i = 0; i < n && entries < kLegendEntries; ++i) {
        bool repeated = false;
        for (int k = 0; k < entries && !repeated; ++k)
            repeated = seen[k] == ic[i];
        if (repeated) continue;
        seen[entries++] = ic[i];
        qqsclr(rec, ic[i] == kCurrentColour ? savedColour : ic[i]);
        slegnd(rec, entries);
    }
    qqsclr(rec, savedColour);
}

// The corners of the three visible faces of a bar, in user values.
struct BarCorners {
    float xa, xb, ya, yb, z1, z2, zt;
};

// xa, xb (or ya, yb) of one axis: the centre c moved by -h and +h, the order
// given by the viewing quadrant (swap), on a logarithmic axis in exponents.
void faceEdges(float c, float h, bool logarithmic, bool swap, float lo, float hi, float &a,
               float &b) {
    const float u = logarithmic ? std::log10(c) : c;
    float low = u - h, high = u + h;
    if (swap) std::swap(low, high);
    if (logarithmic) {
        low = std::pow(10.0f, low);
        high = std::pow(10.0f, high);
    }
    a = clampTo(low, lo, hi);
    b = clampTo(high, lo, hi);
}

// Adds a face of four user points with the box's key.
void addFace(GlobalRecord &rec, const float ux[4], const float uy[4], const float uz[4], float key,
             int colour) {
    float bx[kFaceWithKey], by[kFaceWithKey], bz[kFaceWithKey];
    for (int j = 0; j < kFaceCorners; ++j)
        qqpos3(rec, ux[j], uy[j], uz[j], bx[j], by[j], bz[j]);
    bx[4] = by[4] = 0.0f;
    bz[4] = key;
    qqds3d(rec, bx, by, bz, kFaceWithKey, colour);
}

void addFaces(GlobalRecord &rec, const BarCorners &c, float key, int colour) {
    // The face in the plane y = ya.
    const float x1[4] = {c.xa, c.xb, c.xb, c.xa}, y1[4] = {c.ya, c.ya, c.ya, c.ya},
                z1[4] = {c.z1, c.z1, c.z2, c.z2};
    addFace(rec, x1, y1, z1, key, colour);
    // The face in the plane x = xb.
    const float x2[4] = {c.xb, c.xb, c.xb, c.xb}, y2[4] = {c.ya, c.yb, c.yb, c.ya},
                z2[4] = {c.z1, c.z1, c.z2, c.z2};
    addFace(rec, x2, y2, z2, key, colour);
    // The horizontal face the viewer sees: the top from above, the bottom from below.
    const float x3[4] = {c.xa, c.xb, c.xb, c.xa}, y3[4] = {c.ya, c.ya, c.yb, c.yb},
                z3[4] = {c.zt, c.zt, c.zt, c.zt};
    addFace(rec, x3, y3, z3, key, colour);
}

// The depth z/w of the point (x, y) at the start of the Z axis.
float boxKey(const GlobalRecord &rec, float x, float y) {
    const float za = rec.view3d.xgrf3d[2][0];
    const float z = rec.axes.ilogax[2] == 1 ? std::pow(10.0f, za) : za;
    float bx = 0, by = 0, bz = 0, hx = 0, hy = 0, hz = 0, hw = 0;
    qqpos3(rec, x, y, z, bx, by, bz);
    qqgsc3(rec, bx, by, bz, hx, hy, hz, hw);
    return hz / hw;
}

void addBars(GlobalRecord &rec, const float x[], const float y[], const float z1[],
             const float z2[], const float xw[], const float yw[], const int ic[], int n,
             int savedColour) {
    const Projection3DState &v = rec.view3d;
    const float *u = v.xusr3d;
    // The viewing quadrant decides which side of each bar faces the viewer;
    // a reversed axis turns the sides round once more.
    const bool eyeRight = v.xview3d[0] >= 0.0f, eyeBehind = v.xview3d[1] >= 0.0f;
    const float sx = v.xgrf3d[0][1] < v.xgrf3d[0][0] ? -1.0f : 1.0f;
    const float sy = v.xgrf3d[1][1] < v.xgrf3d[1][0] ? -1.0f : 1.0f;
    const bool fromAbove = v.xview3d[2] >= 0.0f;
    const bool logX = rec.axes.ilogax[0] == 1, logY = rec.axes.ilogax[1] == 1;

    for (int i = 0; i < n; ++i) {
        // A bar outside the limits ends the list.
        if (!within(x[i], u[0], u[1]) || !within(y[i], u[2], u[3])) break;
        BarCorners c{};
        c.z1 = clampTo(z1[i], u[4], u[5]);
        c.z2 = clampTo(z2[i], u[4], u[5]);
        c.zt = fromAbove ? c.z2 : c.z1;
        const float hx = std::fabs(xw[i]) * sx / 2.0f, hy = std::fabs(yw[i]) * sy / 2.0f;
        faceEdges(x[i], hx, logX, !eyeRight, u[0], u[1], c.xa, c.xb);
        faceEdges(y[i], hy, logY, eyeBehind, u[2], u[3], c.ya, c.yb);
        const int colour = ic[i] == kCurrentColour ? savedColour : ic[i];
        addFaces(rec, c, boxKey(rec, x[i], y[i]), colour);
    }
}

} // namespace

extern "C" void bars3d(const float *x, const float *y, const float *z1, const float *z2,
                       const float *xw, const float *yw, const int *ic, int n) {
    GlobalRecord *recp = jqqbox("bars3d");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (!arraysGiven(x, y, z1, z2, xw, yw, ic)) return;
    if (jqqlgx(rec, x, n, 1) != 0 || jqqlgx(rec, y, n, 2) != 0 || jqqlgx(rec, z1, n, 3) != 0 ||
        jqqlgx(rec, z2, n, 3) != 0)
        return;
    chksc3(rec, x, y, z1, n);
    chksc3(rec, x, y, z2, n);

    // Three faces a bar: a count beyond what the buffer can number is memory
    // that can never be had.
    if (n > INT_MAX / kFacesPerBar) {
        warnin(Warning::noMemory);
        return;
    }
    const int savedMesh = rec.surface.isurmsh;
    const int savedColour = rec.colour.ncolor;
    const int savedPattern = rec.fill.nshdpat;
    rec.surface.isurmsh = 1; // every face outlined
    int status = 0;
    dbfini(rec, kFaceCorners, kFacesPerBar * n, status);
    if (status != 0) {
        rec.surface.isurmsh = savedMesh;
        return;
    }
    selectPattern(rec, kSolidPattern);
    sclpax(rec, 0);
    rec.fill.xsurscl = solidFillSpacing(rec.core.idevice, 1.0f) / rec.page.xunits;
    rec.curve.ilegpat = 1;

    recordLegend(rec, ic, n, savedColour);
    addBars(rec, x, y, z1, z2, xw, yw, ic, n, savedColour);

    // dbffin outlines every face in the colour current when it draws.
    const int border = rec.bar.nbarbor;
    qqsclr(rec, border != kDefaultBorder ? border : namedColourValue(rec, kForegroundColour));
    dbffin(rec, kFaceCorners);

    sclpax(rec, 1);
    rec.surface.isurmsh = savedMesh;
    qqsclr(rec, savedColour);
    selectPattern(rec, savedPattern);
}
