// The public conversions of the 3-D axis system: abs3pt, rel3pt, pos3pt,
// x3dpos, y3dpos, z3dpos, x3dabs, y3dabs, x3drel, y3drel.
#include "graphics2d/transforms.h"
#include "graphics3d/projection.h"
#include "graphics3d/projection_internal.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"

extern "C" void abs3pt(float x, float y, float z, float *xp, float *yp) {
    // No level check: the view of the last 3-D axis system serves at any
    // level, and a thread without a record has nothing to convert.
    const GlobalRecord *rec = qqgglb();
    if (rec == nullptr) return;
    float px = 0, py = 0;
    absoluteToPage(*rec, x, y, z, px, py);
    *xp = px;
    *yp = userPageY(*rec, py);
}

extern "C" void rel3pt(float x, float y, float z, float *xp, float *yp) {
    GlobalRecord *rec = jqqlev(3, 3, "rel3pt");
    if (rec == nullptr) return;
    float px = 0, py = 0;
    qqrel3(*rec, x, y, z, px, py);
    *xp = px;
    *yp = py;
}

extern "C" void pos3pt(float x, float y, float z, float *xp, float *yp, float *zp) {
    GlobalRecord *rec = jqqlev(3, 3, "pos3pt");
    if (rec == nullptr) return;
    float bx = 0, by = 0, bz = 0;
    qqpos3(*rec, x, y, z, bx, by, bz);
    *xp = bx;
    *yp = by;
    *zp = bz;
}

extern "C" float x3dpos(float x, float, float) {
    GlobalRecord *rec = jqqlev(3, 3, "x3dpos");
    return rec == nullptr ? 0.0f : boxCoordinate(*rec, 0, x);
}

extern "C" float y3dpos(float, float y, float) {
    GlobalRecord *rec = jqqlev(3, 3, "y3dpos");
    return rec == nullptr ? 0.0f : boxCoordinate(*rec, 1, y);
}

extern "C" float z3dpos(float, float, float z) {
    GlobalRecord *rec = jqqlev(3, 3, "z3dpos");
    return rec == nullptr ? 0.0f : boxCoordinate(*rec, 2, z);
}

extern "C" float x3dabs(float x, float y, float z) {
    GlobalRecord *rec = jqqlev(3, 3, "x3dabs");
    if (rec == nullptr) return 0.0f;
    float xp = 0, yp = 0;
    absoluteToPage(*rec, x, y, z, xp, yp);
    return xp;
}

extern "C" float y3dabs(float x, float y, float z) {
    GlobalRecord *rec = jqqlev(3, 3, "y3dabs");
    if (rec == nullptr) return 0.0f;
    float xp = 0, yp = 0;
    absoluteToPage(*rec, x, y, z, xp, yp);
    return userPageY(*rec, yp);
}

extern "C" float x3drel(float x, float y, float z) {
    GlobalRecord *rec = jqqlev(3, 3, "x3drel");
    if (rec == nullptr) return 0.0f;
    float xp = 0, yp = 0;
    qqrel3(*rec, x, y, z, xp, yp);
    return xp;
}

extern "C" float y3drel(float x, float y, float z) {
    GlobalRecord *rec = jqqlev(3, 3, "y3drel");
    if (rec == nullptr) return 0.0f;
    float xp = 0, yp = 0;
    qqrel3(*rec, x, y, z, xp, yp);
    return yp;
}
