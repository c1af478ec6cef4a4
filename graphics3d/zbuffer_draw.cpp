// Triangles and lines of the 3-D box through the z-buffer: qqtr3d, qqln3d
// and the public zbftri, zbflin.
#include <cmath>

#include "devices/driver_requests.h"
#include "graphics3d/box_level.h"
#include "graphics3d/lines3d.h"
#include "graphics3d/projection.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// Clipping modes of clip3d; any other value (the iso-surfaces' -1) tests nothing.
constexpr int kClipWorld = 0;
constexpr int kClipEye = 1;

// Pixels beyond this are no picture's: a line end there drops the line.
constexpr float kFarPixel = 1.0e7f;

// A box point as a float pixel and its depth; false when the clipping mode
// finds it outside, or it lies in the plane of the eye (no depth).
bool projectToPixel(const GlobalRecord &rec, float bx, float by, float bz, float &column,
                    float &row, float &depth) {
    const int mode = rec.view3d.iclip3d;
    int cx = 0, cy = 0, cz = 0;
    if (mode == kClipWorld && chkvl3(rec, bx, by, bz, cx, cy, cz) != 0) return false;
    float hx = 0, hy = 0, hz = 0, hw = 0;
    qqgsc3(rec, bx, by, bz, hx, hy, hz, hw);
    if (mode == kClipEye && qqcsc3(hx, hy, hz, hw) != 0) return false;
    depth = hz / hw;
    if (!std::isfinite(depth)) return false;
    float xp = 0, yp = 0;
    homogeneousToPage(rec, hx, hy, hw, xp, yp);
    pagePixel(rec, xp, yp, column, row);
    return true;
}

// The checks that zbftri and zbflin share: a 3-D axis system and an open
// z-buffer.
GlobalRecord *drawingRecord(const char *name) {
    GlobalRecord *rec = jqqbox(name);
    if (rec == nullptr) return nullptr;
    if (rec->zbuf.izbuf != 1) {
        qqserr("no initialization of z-buffer");
        warnin(Warning::ownText);
        return nullptr;
    }
    return rec;
}

} // namespace

void pagePixel(const GlobalRecord &rec, float x, float y, float &column, float &row) {
    const float s = rec.page.xdevscl;
    if (rec.page.ipagmod == 1) {
        column = y * s;
        row = (static_cast<float>(rec.page.nxpage) - x) * s;
    } else {
        column = x * s;
        row = y * s;
    }
}

void qqtr3d(GlobalRecord &rec, const float xb[3], const float yb[3], const float zb[3],
            const int colours[3]) {
    float px[3], py[3], depths[3];
    for (int i = 0; i < 3; ++i)
        if (!projectToPixel(rec, xb[i], yb[i], zb[i], px[i], py[i], depths[i])) return;
    qqztri(rec, px, py, colours, depths, rec.core.idevice);
}

void qqln3d(GlobalRecord &rec, float x1, float y1, float z1, float x2, float y2, float z2,
            int colour) {
    const float b[2][3] = {{x1, y1, z1}, {x2, y2, z2}};
    int ix[2], iy[2];
    float depths[2];
    for (int i = 0; i < 2; ++i) {
        float column = 0, row = 0;
        if (!projectToPixel(rec, b[i][0], b[i][1], b[i][2], column, row, depths[i])) return;
        if (!(std::fabs(column) < kFarPixel) || !(std::fabs(row) < kFarPixel)) return;
        ix[i] = truncToInt(column + 0.5f);
        iy[i] = truncToInt(row + 0.5f);
    }
    qqzlin(rec, ix, iy, colour, depths, rec.core.idevice);
}

extern "C" void zbftri(const float *x, const float *y, const float *z, const int *ic) {
    GlobalRecord *rec = drawingRecord("zbftri");
    if (rec == nullptr || !arraysGiven(x, y, z, ic)) return;
    float bx[3], by[3], bz[3];
    for (int i = 0; i < 3; ++i)
        qqpos3(*rec, x[i], y[i], z[i], bx[i], by[i], bz[i]);
    qqtr3d(*rec, bx, by, bz, ic);
}

extern "C" void zbflin(float x1, float y1, float z1, float x2, float y2, float z2) {
    GlobalRecord *rec = drawingRecord("zbflin");
    if (rec == nullptr) return;
    float b1[3], b2[3];
    qqpos3(*rec, x1, y1, z1, b1[0], b1[1], b1[2]);
    qqpos3(*rec, x2, y2, z2, b2[0], b2[1], b2[2]);
    // A line of the caller's must come within 1e-5 of a face to show on it;
    // the mesh lines of the surfaces keep the coarser 0.001.
    qqwext(*rec, static_cast<int>(DriverRequest::FineDepthTolerance), 0);
    qqln3d(*rec, b1[0], b1[1], b1[2], b2[0], b2[1], b2[2], rec->colour.ncolor);
    qqwext(*rec, static_cast<int>(DriverRequest::DepthTolerance), 0);
}
