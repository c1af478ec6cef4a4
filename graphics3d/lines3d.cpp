// Lines of the 3-D world: a line is started and continued at absolute box
// points, clipped at the box (WORL) or at the view volume of the perspective
// (EYE), and its visible pieces go to the 2-D line pipeline as plot points.
#include "graphics3d/lines3d.h"

#include "graphics3d/box_level.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// Clipping modes of clip3d; any other value of iclip3d clips at the box.
constexpr int kClipEye = 1;

// Box classes of chkvl3.
constexpr int kBelow = 1;
constexpr int kWithin = 2;

// A cut lands exactly on its face, but rounding can leave the interpolated
// coordinates a hair outside a face cut before, which a further cut puts
// right. Three cuts per end suffice in exact arithmetic; a segment that is
// still outside after this many is taken as invisible.
constexpr int kMaxCuts = 12;

bool eyeClipping(const GlobalRecord &rec) {
    return rec.view3d.iclip3d == kClipEye;
}

void moveToHomogeneous(GlobalRecord &rec, const float h[4]) {
    float xp, yp;
    homogeneousToPage(rec, h[0], h[1], h[3], xp, yp);
    strtqq(rec, xp, yp);
}

void drawToHomogeneous(GlobalRecord &rec, const float h[4]) {
    float xp, yp;
    homogeneousToPage(rec, h[0], h[1], h[3], xp, yp);
    connqq(rec, xp, yp);
}

void toHomogeneous(const GlobalRecord &rec, const float b[3], float h[4]) {
    qqgsc3(rec, b[0], b[1], b[2], h[0], h[1], h[2], h[3]);
}

// Cuts the end given by moved (P or Q) with the face that its classes name
// first: x, then y, then z. False when the segment runs parallel to that face
// off it.
bool cutAtFace(const GlobalRecord &rec, const float p[3], const float q[3], const int cls[3],
               float moved[3]) {
    int axis = 0;
    while (cls[axis] == kWithin)
        ++axis;
    const float half = rec.view3d.xaxis3d[axis] / 2.0f;
    const float plane = cls[axis] == kBelow ? -half : half;
    float u = 0.0f, v = 0.0f;
    int parallel = 0;
    switch (axis) {
    case 0:
        parallel = yzcut3(p[0], p[1], p[2], q[0], q[1], q[2], plane, u, v);
        if (parallel == 0) {
            moved[0] = plane;
            moved[1] = u;
            moved[2] = v;
        }
        break;
    case 1:
        parallel = xzcut3(p[0], p[1], p[2], q[0], q[1], q[2], plane, u, v);
        if (parallel == 0) {
            moved[0] = u;
            moved[1] = plane;
            moved[2] = v;
        }
        break;
    default:
        parallel = xycut3(p[0], p[1], p[2], q[0], q[1], q[2], plane, u, v);
        if (parallel == 0) {
            moved[0] = u;
            moved[1] = v;
            moved[2] = plane;
        }
        break;
    }
    return parallel == 0;
}

// Whether both points lie in the box, its faces included, as chkvl3 finds
// them (a coordinate that is not a number counts as within). Both ends of
// nearly every segment do: this test spares them chkvl3's classes.
bool bothInsideBox(const Projection3DState &v, const float p[3], const float q[3]) {
    const auto within = [&](int axis) {
        const float half = v.xaxis3d[axis] / 2.0f;
        return !(p[axis] < -half) && !(p[axis] > half) && !(q[axis] < -half) && !(q[axis] > half);
    };
    return within(0) && within(1) && within(2);
}

// WORL: the segment from the pen to q, cut at the faces of the box until both
// ends lie in it.
void continueInBox(GlobalRecord &rec, const float target[3]) {
    Projection3DState &v = rec.view3d;
    float p[3] = {v.xpen3d[0], v.xpen3d[1], v.xpen3d[2]};
    float q[3] = {target[0], target[1], target[2]};
    for (int i = 0; i < 3; ++i)
        v.xpen3d[i] = target[i];

    bool startMoved = false;
    for (int cuts = 0;; ++cuts) {
        if (bothInsideBox(v, p, q)) break;
        int pc[3], qc[3];
        const int pOut = chkvl3(rec, p[0], p[1], p[2], pc[0], pc[1], pc[2]);
        const int qOut = chkvl3(rec, q[0], q[1], q[2], qc[0], qc[1], qc[2]);
        if (pOut == 0 && qOut == 0) break;
        // Both ends beyond the same face.
        for (int a = 0; a < 3; ++a)
            if (pc[a] == qc[a] && pc[a] != kWithin) return;
        if (cuts == kMaxCuts) return;
        const bool cutStart = pOut != 0;
        startMoved = startMoved || cutStart;
        float cut[3];
        if (!cutAtFace(rec, p, q, cutStart ? pc : qc, cut)) return;
        float *moved = cutStart ? p : q;
        for (int i = 0; i < 3; ++i)
            moved[i] = cut[i];
    }
    float h[4];
    if (startMoved) {
        toHomogeneous(rec, p, h);
        moveToHomogeneous(rec, h);
    }
    toHomogeneous(rec, q, h);
    drawToHomogeneous(rec, h);
}

// EYE: the segment from the pen to q, clipped at the view volume in
// homogeneous coordinates. The pen keeps q unclipped.
void continueInView(GlobalRecord &rec, const float target[3]) {
    Projection3DState &v = rec.view3d;
    float q[4];
    toHomogeneous(rec, target, q);
    const int qOut = qqcsc3(q[0], q[1], q[2], q[3]);
    const int pOut = v.ipen3d;
    if (qOut == 0 && pOut == 0) {
        drawToHomogeneous(rec, q);
    } else {
        float p0[4] = {v.xpen3d[0], v.xpen3d[1], v.xpen3d[2], v.xpen3d[3]};
        float p1[4] = {q[0], q[1], q[2], q[3]};
        if (qqclp3(p0[0], p0[1], p0[2], p0[3], p1[0], p1[1], p1[2], p1[3]) == 1) {
            if (pOut != 0) moveToHomogeneous(rec, p0);
            drawToHomogeneous(rec, p1);
        }
    }
    for (int i = 0; i < 4; ++i)
        v.xpen3d[i] = q[i];
    v.ipen3d = qOut;
}

} // namespace

void qqst3d(GlobalRecord &rec, float x, float y, float z) {
    Projection3DState &v = rec.view3d;
    float h[4];
    qqgsc3(rec, x, y, z, h[0], h[1], h[2], h[3]);
    if (eyeClipping(rec)) {
        v.ipen3d = qqcsc3(h[0], h[1], h[2], h[3]);
        for (int i = 0; i < 4; ++i)
            v.xpen3d[i] = h[i];
    } else {
        v.xpen3d[0] = x;
        v.xpen3d[1] = y;
        v.xpen3d[2] = z;
        int cx, cy, cz;
        v.ipen3d = chkvl3(rec, x, y, z, cx, cy, cz);
    }
    // A start outside draws nothing: the first visible piece begins with a move.
    if (v.ipen3d == 0) moveToHomogeneous(rec, h);
}

void qqcn3d(GlobalRecord &rec, float x, float y, float z) {
    const float q[3] = {x, y, z};
    if (eyeClipping(rec))
        continueInView(rec, q);
    else
        continueInBox(rec, q);
}

void polyl3(GlobalRecord &rec, const float x[], const float y[], const float z[], int n) {
    for (int i = 0; i < n; ++i) {
        float bx, by, bz;
        qqpos3(rec, x[i], y[i], z[i], bx, by, bz);
        if (i == 0)
            qqst3d(rec, bx, by, bz);
        else
            qqcn3d(rec, bx, by, bz);
    }
}

extern "C" void strt3d(float x, float y, float z) {
    GlobalRecord *rec = jqqbox("strt3d");
    if (rec == nullptr) return;
    qqst3d(*rec, x, y, z);
}

extern "C" void conn3d(float x, float y, float z) {
    GlobalRecord *rec = jqqbox("conn3d");
    if (rec == nullptr) return;
    qqcn3d(*rec, x, y, z);
}

extern "C" void clip3d(const char *copt) {
    GlobalRecord &rec = chkini("clip3d");
    const int n = jqqind("WORL+EYE ", 2, copt);
    if (n == 0) return;
    rec.view3d.iclip3d = n - 1;
}
