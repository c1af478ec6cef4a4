// grflab: the axes of the 3-D box in the style STAN. Each axis is an ordinary
// 2-D axis drawn into the face of the box that the eye sees it best on; the
// line pipeline carries its line, ticks and labels onto that face.
#include <cstdlib>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics3d/axes3d.h"
#include "graphics3d/plane.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// Where an axis goes for one view octant of the eye.
struct AxisPlacement {
    short face;       // corners Q1, Q2, Q3 as digits: the plane Q1 + u (Q2 - Q1) + v (Q3 - Q2)
    short reversed;   // 1: the axis runs from its end to its begin along the face
    short firstLabel; // 1: the first label is left out (where it meets another axis)
};

// Per view octant (9 (cx - 1) + 3 (cy - 1) + cz - 1, the classes below) the
// placement of the X, Y and Z axis.
constexpr AxisPlacement kPlacements[27][3] = {
    {{432, 0, 1}, {321, 1, 0}, {437, 0, 1}}, //  0: classes 1, 1, 1
    {{126, 0, 1}, {415, 1, 0}, {437, 0, 1}}, //  1: 1, 1, 2
    {{123, 0, 1}, {412, 1, 0}, {437, 0, 1}}, //  2: 1, 1, 3
    {{432, 0, 1}, {321, 1, 0}, {415, 0, 1}}, //  3: 1, 2, 1
    {{123, 0, 1}, {415, 1, 0}, {415, 0, 1}}, //  4: 1, 2, 2
    {{123, 0, 1}, {412, 1, 0}, {415, 0, 1}}, //  5: 1, 2, 3
    {{214, 1, 0}, {321, 1, 1}, {326, 0, 1}}, //  6: 1, 3, 1
    {{348, 1, 0}, {415, 1, 1}, {326, 0, 1}}, //  7: 1, 3, 2
    {{341, 1, 0}, {412, 1, 1}, {326, 0, 1}}, //  8: 1, 3, 3
    {{432, 0, 0}, {143, 0, 1}, {126, 0, 1}}, //  9: 2, 1, 1
    {{126, 0, 0}, {234, 0, 1}, {126, 0, 1}}, // 10: 2, 1, 2
    {{123, 0, 0}, {234, 0, 1}, {126, 0, 1}}, // 11: 2, 1, 3
    {{432, 0, 0}, {143, 0, 1}, {126, 0, 1}}, // 12: 2, 2, 1
    {{123, 0, 0}, {234, 0, 1}, {126, 0, 1}}, // 13: 2, 2, 2
    {{123, 0, 0}, {234, 0, 1}, {126, 0, 1}}, // 14: 2, 2, 3
    {{214, 1, 0}, {321, 1, 1}, {348, 0, 1}}, // 15: 2, 3, 1
    {{348, 1, 0}, {412, 1, 1}, {348, 0, 1}}, // 16: 2, 3, 2
    {{341, 1, 0}, {412, 1, 1}, {348, 0, 1}}, // 17: 2, 3, 3
    {{432, 0, 0}, {143, 0, 1}, {148, 0, 1}}, // 18: 3, 1, 1
    {{126, 0, 0}, {237, 0, 1}, {148, 0, 1}}, // 19: 3, 1, 2
    {{123, 0, 0}, {234, 0, 1}, {148, 0, 1}}, // 20: 3, 1, 3
    {{214, 1, 1}, {143, 0, 0}, {237, 0, 1}}, // 21: 3, 2, 1
    {{341, 1, 1}, {237, 0, 0}, {237, 0, 1}}, // 22: 3, 2, 2
    {{341, 1, 1}, {234, 0, 0}, {237, 0, 1}}, // 23: 3, 2, 3
    {{214, 1, 1}, {143, 0, 0}, {215, 0, 1}}, // 24: 3, 3, 1
    {{348, 1, 1}, {237, 0, 0}, {215, 0, 1}}, // 25: 3, 3, 2
    {{341, 1, 1}, {234, 0, 0}, {215, 0, 1}}, // 26: 3, 3, 3
};

// Class of one eye coordinate: 1 below the limit, 3 above it, 2 between.
int octantClass(float eye, float limit) {
    if (eye < -limit) return 1;
    if (eye > limit) return 3;
    return 2;
}

// The view octant of the eye. Height is measured against the whole box
// height, the sides against half the box lengths.
int viewOctant(const Projection3DState &v) {
    const int cx = octantClass(v.xview3d[0], v.xaxis3d[0] / 2.0f);
    const int cy = octantClass(v.xview3d[1], v.xaxis3d[1] / 2.0f);
    const int cz = octantClass(v.xview3d[2], v.xaxis3d[2]);
    return 9 * (cx - 1) + 3 * (cy - 1) + (cz - 1);
}

constexpr int kUserLabelKind = 12; // ilabels of MYLA
constexpr int kAllLabels = 0;      // iaxends NONE

// One axis k (1 X, 2 Y, 3 Z) with its values a, e, first label and step.
void drawBoxAxis(GlobalRecord &rec, int k, float a, float e, float first, float step) {
    const Projection3DState &v = rec.view3d;
    const AxisSystemState &s = rec.axsys;
    AxisOptionState &o = rec.axes;
    const AxisPlacement &place = kPlacements[viewOctant(v)][k - 1];

    // The X and Y axes run along the 2-D X axis of their face, Z up its Y axis.
    const int axis2d = k == 3 ? 2 : 1;
    const int i = axis2d - 1;
    int x0 = s.naxspos[0], y0 = s.naxspos[1];
    int side = k == 3 ? 1 : 0;
    const bool eyeBelow = v.xview3d[2] < -v.xaxis3d[2];
    if (k != 3 && eyeBelow) {
        // Seen from below, the labels go to the far edge of the face.
        y0 = s.naxspos[1] - s.naxslen[1] + 1;
        side = 1;
    }

    if (k != axis2d) swapxy(rec, k, axis2d);
    const int savedEnds = o.iaxends[i], savedOrientation = o.ilabtyp[i];
    if (v.iflab3d == 1) o.iaxends[i] = place.firstLabel == 1 ? 1 : kAllLabels;

    openCornerPlane(rec, place.face / 100, place.face / 10 % 10, place.face % 10);

    if (place.reversed == 1) {
        const int n = truncToInt((e - first) / step + 0.0001f);
        first = float(n) * step + first;
        step = -step;
        const float t = a;
        a = e;
        e = t;
        if (o.ilabels[i] == kUserLabelKind) o.nmylab[i] = -o.nmylab[i];
    }

    if (axis2d == 1 && o.ilabtyp[i] != 0) {
        // Vertical labels read from the side of the box that faces the eye.
        const bool sameSigns = (v.xview3d[0] >= 0.0f && v.xview3d[1] >= 0.0f) ||
                               (v.xview3d[0] <= 0.0f && v.xview3d[1] <= 0.0f);
        o.ilabtyp[i] = (k == 1) == sameSigns ? 2 : 1;
    }

    const int length = axis2d == 1 ? s.naxslen[0] : s.naxslen[1];
    daxis(rec, a, e, first, step, length, o.caxname[k - 1], side, x0, y0, o.ilogax[i], axis2d);

    o.iaxends[i] = savedEnds;
    o.ilabtyp[i] = savedOrientation;
    o.nmylab[i] = std::abs(o.nmylab[i]);
    if (k != axis2d) swapxy(rec, k, axis2d);
    closePlane(rec);
}

} // namespace

void grflab(GlobalRecord &rec, float xa, float xe, float xor_, float xstp, float ya, float ye,
            float yor, float ystp, float za, float ze, float zor, float zstp) {
    drawBoxAxis(rec, 1, xa, xe, xor_, xstp);
    drawBoxAxis(rec, 2, ya, ye, yor, ystp);
    drawBoxAxis(rec, 3, za, ze, zor, zstp);
}
