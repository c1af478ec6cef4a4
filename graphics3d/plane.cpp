// grfini and grffin: the plane in which 2-D plots are drawn into the 3-D box.
#include "graphics3d/plane.h"

#include "graphics3d/box_level.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kThreeDimensional = 3; // igrftyp of the 3-D axis system

// Signs of the coordinates of the box corners 1..8.
constexpr int kCornerSigns[8][3] = {
    {-1, -1, -1}, {+1, -1, -1}, {+1, +1, -1}, {-1, +1, -1},
    {-1, -1, +1}, {+1, -1, +1}, {+1, +1, +1}, {-1, +1, +1},
};

} // namespace

void boxCorner(const GlobalRecord &rec, int corner, float &x, float &y, float &z) {
    const int *sign = kCornerSigns[corner - 1];
    const float *length = rec.view3d.xaxis3d;
    x = float(sign[0]) * length[0] / 2.0f;
    y = float(sign[1]) * length[1] / 2.0f;
    z = float(sign[2]) * length[2] / 2.0f;
}

void openPlane(GlobalRecord &rec, const float p1[3], const float p2[3], const float p3[3]) {
    // Points already in the buffer were carried onto the previous plane, if any.
    qqstrk(rec);
    Projection3DState &v = rec.view3d;
    rec.core.ilevel = 1;
    v.ipln3d = 1;
    v.planeProjection = proj3d;
    for (int i = 0; i < 3; ++i) {
        v.xpln3d[i] = p1[i];
        v.xpln3d[3 + i] = p2[i] - p1[i];
        v.xpln3d[6 + i] = p3[i] - p2[i];
    }
}

void openCornerPlane(GlobalRecord &rec, int q1, int q2, int q3) {
    float p[3][3];
    boxCorner(rec, q1, p[0][0], p[0][1], p[0][2]);
    boxCorner(rec, q2, p[1][0], p[1][1], p[1][2]);
    boxCorner(rec, q3, p[2][0], p[2][1], p[2][2]);
    openPlane(rec, p[0], p[1], p[2]);
}

void closePlane(GlobalRecord &rec) {
    qqstrk(rec);
    rec.view3d.ipln3d = 0;
    rec.axsys.igrftyp = kThreeDimensional;
    rec.core.ilevel = 3;
}

extern "C" void grfini(float x1, float y1, float z1, float x2, float y2, float z2, float x3,
                       float y3, float z3) {
    GlobalRecord *rec = jqqbox("grfini");
    if (rec == nullptr) return;
    const float p1[3] = {x1, y1, z1}, p2[3] = {x2, y2, z2}, p3[3] = {x3, y3, z3};
    openPlane(*rec, p1, p2, p3);
}

extern "C" void grffin(void) {
    GlobalRecord *rec = jqqlev(1, 3, "grffin");
    if (rec == nullptr) return;
    if (rec->view3d.ipln3d != 1) {
        warnin(Warning::noGrfini);
        return;
    }
    closePlane(*rec);
}
