// Light positions between their stored forms and the absolute box.
#include "graphics3d/light_position.h"

#include <cmath>

#include "kernel/record.h"

bool in3dAxisSystem(const GlobalRecord &rec) {
    return rec.core.ilevel == 3 && rec.axsys.igrftyp == 3;
}

void angularToAbsolute(const GlobalRecord &rec, float alpha, float beta, float r, float p[3]) {
    const float a = alpha * rec.core.xdegrad, b = beta * rec.core.xdegrad;
    p[0] = r * std::cos(b) * std::sin(a);
    p[1] = r * std::cos(b) * std::cos(a);
    p[2] = r * std::sin(b);
}

float absoluteToUser(const GlobalRecord &rec, int axis, float b) {
    const float a = rec.view3d.xgrf3d[axis][0], e = rec.view3d.xgrf3d[axis][1];
    const float l = rec.view3d.xaxis3d[axis];
    return (b + l / 2.0f) * (e - a) / l + a;
}

float userToAbsolute(const GlobalRecord &rec, int axis, float v) {
    const float a = rec.view3d.xgrf3d[axis][0], e = rec.view3d.xgrf3d[axis][1];
    const float l = rec.view3d.xaxis3d[axis];
    return (v - a) * l / (e - a) - l / 2.0f;
}

void absoluteLightPosition(const GlobalRecord &rec, int i, float p[3]) {
    const LightState &lt = rec.light;
    for (int axis = 0; axis < 3; ++axis)
        p[axis] = lt.xlitxyz[axis][i];
    if (lt.ilitpos[i] == kLightAngle) {
        angularToAbsolute(rec, p[0], p[1], p[2], p);
    } else if (lt.ilitpos[i] == kLightUser && in3dAxisSystem(rec)) {
        for (int axis = 0; axis < 3; ++axis)
            p[axis] = userToAbsolute(rec, axis, p[axis]);
    }
}
