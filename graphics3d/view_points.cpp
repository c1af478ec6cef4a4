// svuabs: the view point, the focus and the light positions in absolute box
// coordinates, as graf3d needs them for the view matrix.
#include "graphics3d/projection.h"
#include "graphics3d/projection_internal.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// Modes of the view point, the focus and the light positions.
constexpr int kModeDefault = 0;
constexpr int kModeAbs = 1;
constexpr int kModeUser = 2;
constexpr int kModeAngle = 3;

// The box and the graf3d limits the USER points are converted with.
struct BoxFrame {
    float lower[3];
    float upper[3];
    float length[3];
};

// A user value of one axis, taken linearly between that axis's graf3d limits
// (exponents on logarithmic axes), onto -l/2 .. l/2.
float linearBox(const BoxFrame &box, int axis, float v) {
    return linearToBox(v, box.lower[axis], box.upper[axis], box.length[axis]);
}

// A point given in mode USER or ANGL, made absolute in place; other modes
// stay as they are. Returns the new mode.
int toAbsolute(const GlobalRecord &rec, const BoxFrame &box, int mode, float p[3]) {
    if (mode == kModeUser) {
        for (int axis = 0; axis < 3; ++axis)
            p[axis] = linearBox(box, axis, p[axis]);
        return kModeAbs;
    }
    if (mode == kModeAngle) {
        angularToAbsolute(rec, p[0], p[1], p[2], p);
        return kModeAbs;
    }
    return mode;
}

bool insideBox(const BoxFrame &box, const float p[3]) {
    for (int axis = 0; axis < 3; ++axis) {
        const float half = box.length[axis] / 2.0f;
        if (p[axis] < -half || p[axis] > half) return false;
    }
    return true;
}

} // namespace

void svuabs(GlobalRecord &rec, float xa, float xe, float ya, float ye, float za, float ze) {
    Projection3DState &v = rec.view3d;
    const BoxFrame box{{xa, ya, za}, {xe, ye, ze}, {v.xaxis3d[0], v.xaxis3d[1], v.xaxis3d[2]}};

    if (v.ifoc3d == kModeDefault) {
        v.xfoc3d[0] = v.xfoc3d[1] = v.xfoc3d[2] = 0.0f;
    } else {
        v.ifoc3d = toAbsolute(rec, box, v.ifoc3d, v.xfoc3d);
    }

    bool useDefault = v.iview3d == kModeDefault;
    if (!useDefault) {
        v.iview3d = toAbsolute(rec, box, v.iview3d, v.xview3d);
        if (insideBox(box, v.xview3d)) {
            warnin(Warning::incorrectViewpoint);
            useDefault = true;
        }
    }
    if (useDefault) {
        v.xview3d[0] = 2.0f * box.length[0];
        v.xview3d[1] = -2.5f * box.length[1];
        v.xview3d[2] = 2.0f * box.length[2];
    }

    // Lights in USER or ANGL form, converted once: their mode becomes ABS.
    LightState &light = rec.light;
    for (int i = 0; i < 8; ++i) {
        if (light.ilitpos[i] != kModeUser && light.ilitpos[i] != kModeAngle) continue;
        float p[3] = {light.xlitxyz[0][i], light.xlitxyz[1][i], light.xlitxyz[2][i]};
        light.ilitpos[i] = toAbsolute(rec, box, light.ilitpos[i], p);
        for (int axis = 0; axis < 3; ++axis)
            light.xlitxyz[axis][i] = p[axis];
    }
}
