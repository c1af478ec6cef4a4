// The setters of lights and material: light, litmod, litpos, litopt, litop3,
// matopt, matop3. Every refused value leaves the record as it was.
#include "devices/driver_requests.h"
#include "graphics3d/light_position.h"
#include "graphics3d/projection_internal.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kLights = 8;
constexpr char kOnOff[] = "OFF +ON  ";
constexpr char kColourParts[] = "AMBI+DIFF+SPEC";

GlobalRecord *plotLevel(const char *name) {
    return jqqlev(1, 3, name);
}

// True for a light number 1..8; otherwise warning 2 with the number.
bool goodLight(int n) {
    return jqqval(n, 1, kLights) == 0;
}

// True when none of the values is negative; otherwise warning 1.
bool nonNegative(float a, float b = 0.0f, float c = 0.0f) {
    if (a < 0.0f || b < 0.0f || c < 0.0f) {
        warnin(Warning::negativeParameter);
        return false;
    }
    return true;
}

void setTriple(float (&triple)[3], float r, float g, float b) {
    triple[0] = r;
    triple[1] = g;
    triple[2] = b;
}

// The ambient, diffuse or specular intensities of light n (1-based) by the
// index of kColourParts.
float (&lightColour(LightState &lt, int part, int n))[3] {
    return part == 1 ? lt.xlitamb[n - 1] : part == 2 ? lt.xlitdif[n - 1] : lt.xlitspc[n - 1];
}

// The ambient, diffuse or specular reflectances of the material.
float (&materialColour(LightState &lt, int part))[3] {
    return part == 1 ? lt.xmatamb : part == 2 ? lt.xmatdif : lt.xmatspc;
}

} // namespace

extern "C" void light(const char *mode) {
    GlobalRecord *rec = plotLevel("light");
    if (rec == nullptr) return;
    const int i = jqqind(kOnOff, 2, mode);
    if (i == 0) return;
    rec->light.ilight = i - 1;
    // The rasterisers of the drivers light their spans themselves.
    qqwext(*rec, static_cast<int>(DriverRequest::Lighting), rec->light.ilight);
}

extern "C" void litmod(int n, const char *mode) {
    GlobalRecord &rec = chkini("litmod");
    if (!goodLight(n)) return;
    setFromKeyword(rec.light.ilitmod[n - 1], kOnOff, 2, mode);
}

extern "C" void litpos(int n, float x, float y, float z, const char *mode) {
    GlobalRecord *rec = plotLevel("litpos");
    if (rec == nullptr || !goodLight(n)) return;
    int m = jqqind("ABS +USER+ANGL", 3, mode);
    if (m == 0) return;
    float p[3] = {x, y, z};
    // Inside a 3-D axis system the next graf3d converts the position again,
    // so it is kept in user values of this system's axes.
    if (in3dAxisSystem(*rec) && m != kLightUser) {
        if (m == kLightAngle) angularToAbsolute(*rec, x, y, z, p);
        for (int axis = 0; axis < 3; ++axis)
            p[axis] = absoluteToUser(*rec, axis, p[axis]);
        m = kLightUser;
    }
    LightState &lt = rec->light;
    for (int axis = 0; axis < 3; ++axis)
        lt.xlitxyz[axis][n - 1] = p[axis];
    lt.ilitpos[n - 1] = m;
}

extern "C" void litopt(int n, float x, const char *copt) {
    GlobalRecord *rec = plotLevel("litopt");
    if (rec == nullptr || !goodLight(n)) return;
    const int i = jqqind("AMBI+DIFF+SPEC+CONS+LINE+QUAD", 6, copt);
    if (i == 0 || !nonNegative(x)) return;
    LightState &lt = rec->light;
    switch (i) {
    case 1:
    case 2:
    case 3: setTriple(lightColour(lt, i, n), x, x, x); break;
    // A constant term of 0 would divide by zero for a light without the
    // other terms; it becomes a tiny one, which makes that light very strong.
    case 4: lt.xlitcon[n - 1] = x == 0.0f ? 1.0e-10f : x; break;
    case 5: lt.xlitlin[n - 1] = x; break;
    default: lt.xlitqua[n - 1] = x; break;
    }
}

extern "C" void litop3(int n, float r, float g, float b, const char *copt) {
    GlobalRecord *rec = plotLevel("litop3");
    if (rec == nullptr || !goodLight(n)) return;
    const int i = jqqind(kColourParts, 3, copt);
    if (i == 0 || !nonNegative(r, g, b)) return;
    setTriple(lightColour(rec->light, i, n), r, g, b);
}

extern "C" void matopt(float x, const char *copt) {
    GlobalRecord *rec = plotLevel("matopt");
    if (rec == nullptr) return;
    const int i = jqqind("AMBI+DIFF+SPEC+EXPO", 4, copt);
    if (i == 0 || !nonNegative(x)) return;
    if (i == 4) {
        rec->light.xmatexp = x;
        return;
    }
    setTriple(materialColour(rec->light, i), x, x, x);
}

extern "C" void matop3(float r, float g, float b, const char *copt) {
    GlobalRecord *rec = plotLevel("matop3");
    if (rec == nullptr) return;
    const int i = jqqind(kColourParts, 3, copt);
    if (i == 0 || !nonNegative(r, g, b)) return;
    setTriple(materialColour(rec->light, i), r, g, b);
}
