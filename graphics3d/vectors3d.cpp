// vectr3: the arrow of vector between two user points of the 3-D axis
// system.
#include "graphics2d/transforms.h"
#include "graphics3d/projection.h"
#include "graphics3d/projection_internal.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// A user point as vector takes it: the page point in the caller's page
// origin, rounded to the nearest unit.
void pagePoint(const GlobalRecord &rec, float x, float y, float z, int &nx, int &ny) {
    float bx = 0, by = 0, bz = 0, xp = 0, yp = 0;
    qqpos3(rec, x, y, z, bx, by, bz);
    absoluteToPage(rec, bx, by, bz, xp, yp);
    nx = nintqq(xp);
    ny = nintqq(userPageY(rec, yp));
}

} // namespace

extern "C" void vectr3(float x1, float y1, float z1, float x2, float y2, float z2, int ivec) {
    GlobalRecord *rec = jqqlev(3, 3, "vectr3");
    if (rec == nullptr) return;
    int nx1 = 0, ny1 = 0, nx2 = 0, ny2 = 0;
    pagePoint(*rec, x1, y1, z1, nx1, ny1);
    pagePoint(*rec, x2, y2, z2, nx2, ny2);
    vector(nx1, ny1, nx2, ny2, ivec);
}
