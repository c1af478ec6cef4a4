// grflab2: the axes of the 3-D box in the styles HORI, PARA and OTHE. The
// eye's quadrant picks the three box edges that carry the axes, so that they
// stand in front of the box; the projected edges give the page angles along
// which ticks point and labels turn.
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics3d/axes3d.h"
#include "graphics3d/page_axes.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"

namespace {

// The box edges of the axes for one quadrant of the eye: which end of the
// other axes each axis line stands at (false: begin, true: end), the side of
// the X and Y labels, and whether the X and Y angles are taken backwards.
struct QuadrantEdges {
    bool xAtYEnd, xAtZEnd;
    bool yAtXEnd, yAtZEnd;
    bool zAtXEnd, zAtYEnd;
    int xSide, ySide;
    bool xReversed, yReversed;
};

constexpr QuadrantEdges kEyeRightFront{false, false, true, false, false, false, 0, 1, false, false};
constexpr QuadrantEdges kEyeRightBack{true, false, true, false, true, false, 1, 0, true, false};
constexpr QuadrantEdges kEyeLeftBack{true, false, false, false, true, true, 0, 1, true, true};
constexpr QuadrantEdges kEyeLeftFront{false, false, false, false, false, true, 1, 0, false, true};

const QuadrantEdges &edgesFor(float ex, float ey) {
    if (ex >= 0.0f) return ey < 0.0f ? kEyeRightFront : kEyeRightBack;
    return ey >= 0.0f ? kEyeLeftBack : kEyeLeftFront;
}

// An axis range as user values: powers of ten on a logarithmic axis.
struct UserRange {
    float a, e;
    float at(bool end) const { return end ? e : a; }
};

UserRange userRange(float a, float e, int logarithmic) {
    if (logarithmic == 1) return {std::pow(10.0f, a), std::pow(10.0f, e)};
    return {a, e};
}

// Page angle of an axis line from its begin to its end (or backwards), with
// the page's y turned upwards.
float pageAngle(const GlobalRecord &rec, int axis, const UserRange &r, float p1, float p2,
                bool reversed) {
    float xa = 0, ya = 0, xe = 0, ye = 0;
    projectAxisValue(rec, axis, r.a, p1, p2, xa, ya);
    projectAxisValue(rec, axis, r.e, p1, p2, xe, ye);
    if (reversed) return std::atan2(ye - ya, xa - xe);
    return std::atan2(ya - ye, xe - xa);
}

} // namespace

void projectAxisValue(const GlobalRecord &rec, int axis, float v, float p1, float p2, float &xp,
                      float &yp) {
    switch (axis) {
    case 1: qqrel3(rec, v, p1, p2, xp, yp); break;
    case 2: qqrel3(rec, p1, v, p2, xp, yp); break;
    default: qqrel3(rec, p1, p2, v, xp, yp); break;
    }
}

void grflab2(GlobalRecord &rec, float xa, float xe, float xor_, float xstp, float ya, float ye,
             float yor, float ystp, float za, float ze, float zor, float zstp) {
    const AxisOptionState &o = rec.axes;
    // Page points stay where the projection puts them: no mirroring for the
    // page origin while the axes are drawn.
    rec.page.iusrdrw = 1;
    const UserRange x = userRange(xa, xe, o.ilogax[0]);
    const UserRange y = userRange(ya, ye, o.ilogax[1]);
    const UserRange z = userRange(za, ze, o.ilogax[2]);
    const QuadrantEdges &q = edgesFor(rec.view3d.xview3d[0], rec.view3d.xview3d[1]);

    const float xAxisY = y.at(q.xAtYEnd), xAxisZ = z.at(q.xAtZEnd);
    const float yAxisX = x.at(q.yAtXEnd), yAxisZ = z.at(q.yAtZEnd);
    const float zAxisX = x.at(q.zAtXEnd), zAxisY = y.at(q.zAtYEnd);

    const float xAngle = pageAngle(rec, 1, x, xAxisY, xAxisZ, q.xReversed);
    const float yAngle = pageAngle(rec, 2, y, yAxisX, yAxisZ, q.yReversed);
    const float zAngle = pageAngle(rec, 3, z, zAxisX, zAxisY, false);

    qqax3d(rec, xa, xe, xor_, xstp, o.caxname[0], q.xSide, o.ilogax[0], xAxisY, xAxisZ, xAngle,
           yAngle, 1);
    qqax3d(rec, ya, ye, yor, ystp, o.caxname[1], q.ySide, o.ilogax[1], yAxisX, yAxisZ, yAngle,
           xAngle, 2);
    qqax3d(rec, za, ze, zor, zstp, o.caxname[2], 1, o.ilogax[2], zAxisX, zAxisY, zAngle,
           q.xSide == 1 ? yAngle : xAngle, 3);
    rec.page.iusrdrw = 0;
}

void qqax3d(GlobalRecord &rec, float a, float e, float first, float step, const char *name,
            int side, int logarithmic, float p1, float p2, float axisAngle, float otherAngle,
            int axis) {
    const AxisOptionState &o = rec.axes;
    const int i = axis - 1;
    // The X axis has its own colours; Y and Z share the second group.
    // Each part's colour is put back as soon as the part is drawn.
    const int *colours = o.naxclr + 4 * (axis == 1 ? 0 : 1);
    settic(rec, axis == 3 ? 1 : 0, o.iticpos[i]);

    if (o.inoline[i] != 0) {
        PartColour colour(rec, colours[int(AxisPart::line)]);
        const UserRange r = userRange(a, e, logarithmic);
        float xp = 0, yp = 0;
        projectAxisValue(rec, axis, r.a, p1, p2, xp, yp);
        strtqq(rec, xp, yp);
        projectAxisValue(rec, axis, r.e, p1, p2, xp, yp);
        connqq(rec, xp, yp);
    }
    if (o.nticks[i] > 0) {
        PartColour colour(rec, colours[int(AxisPart::tick)]);
        qqmr3d(rec, a, e, first, step, o.nticks[i], side, logarithmic, p1, p2, otherAngle, axis);
    }
    int extent = 0;
    if (o.ilabels[i] > 0) {
        PartColour colour(rec, colours[int(AxisPart::label)]);
        extent =
            qqlb3d(rec, a, e, first, step, side, logarithmic, p1, p2, axisAngle, otherAngle, axis);
    }
    if (name != nullptr && trmlen(name) > 0) {
        PartColour colour(rec, colours[int(AxisPart::name)]);
        qqnm3d(rec, name, a, e, side, logarithmic, extent, p1, p2, axisAngle, otherAngle, axis);
    }
    settic(rec, 0, 0);
}
