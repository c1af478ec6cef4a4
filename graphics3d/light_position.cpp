// Light positions between their stored forms and the absolute box.
#include "graphics3d/light_position.h"

#include "graphics3d/projection_internal.h"
#include "kernel/record.h"

bool in3dAxisSystem(const GlobalRecord &rec) {
    return rec.core.ilevel == 3 && rec.axsys.igrftyp == 3;
}

float absoluteToUser(const GlobalRecord &rec, int axis, float b) {
    const float a = rec.view3d.xgrf3d[axis][0], e = rec.view3d.xgrf3d[axis][1];
    return boxToLinear(b, a, e, rec.view3d.xaxis3d[axis]);
}

float userToAbsolute(const GlobalRecord &rec, int axis, float v) {
    const float a = rec.view3d.xgrf3d[axis][0], e = rec.view3d.xgrf3d[axis][1];
    return linearToBox(v, a, e, rec.view3d.xaxis3d[axis]);
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
