// The colour of a lit point (qqglit), the normal of a triangle (qqgnvc) and
// the public getter of the lit colour (getlit).
#include "graphics3d/lighting.h"

#include <cmath>
#include <utility>

#include "graphics3d/light_position.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"

namespace {

struct Vec3 {
    double x, y, z;
};

double dot(const Vec3 &a, const Vec3 &b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// a / |a|; the zero vector stays zero (a light or the eye at the point
// itself has no direction, and its directional terms then vanish).
Vec3 unit(const Vec3 &a, double &length) {
    length = std::sqrt(dot(a, a));
    if (length == 0.0) return a;
    return {a.x / length, a.y / length, a.z / length};
}

// Products below this count as no specular reflection at all.
constexpr double kNoSpecular = 1.0e-35;
// The light must meet the surface a little from the front to shine off it.
constexpr double kGrazingLight = 1.0e-7;

} // namespace

void qqglit(const GlobalRecord &rec, float px, float py, float pz, float nx, float ny, float nz,
            float &r, float &g, float &b) {
    const LightState &lt = rec.light;
    const Vec3 p{px, py, pz};
    const Vec3 n{nx, ny, nz};
    const float *eye = rec.view3d.xview3d;
    double eyeDistance = 0.0;
    const Vec3 v = unit({eye[0] - p.x, eye[1] - p.y, eye[2] - p.z}, eyeDistance);

    double colour[3];
    for (int k = 0; k < 3; ++k)
        colour[k] = double(lt.xglbamb[k]) * lt.xmatamb[k];

    for (int i = 0; i < 8; ++i) {
        if (lt.ilitmod[i] != 1) continue;
        float pos[3];
        absoluteLightPosition(rec, i, pos);
        double d = 0.0;
        const Vec3 lu = unit({pos[0] - p.x, pos[1] - p.y, pos[2] - p.z}, d);
        const double nl = dot(n, lu);
        const double attenuation = lt.xlitcon[i] + lt.xlitlin[i] * d + lt.xlitqua[i] * d * d;
        const Vec3 reflected{2.0 * n.x * nl - lu.x, 2.0 * n.y * nl - lu.y, 2.0 * n.z * nl - lu.z};
        const double rv = dot(reflected, v);
        for (int k = 0; k < 3; ++k) {
            const double diffuse = nl >= 0.0 ? double(lt.xmatdif[k]) * lt.xlitdif[i][k] * nl : 0.0;
            const double specularFactor = double(lt.xmatspc[k]) * lt.xlitspc[i][k];
            double specular = 0.0;
            if (specularFactor > kNoSpecular && nl > kGrazingLight && rv > 0.0)
                specular = specularFactor * std::pow(rv, double(lt.xmatexp));
            colour[k] +=
                (double(lt.xmatamb[k]) * lt.xlitamb[i][k] + diffuse + specular) / attenuation;
        }
    }
    for (double &c : colour)
        if (c > 1.0) c = 1.0;
    r = float(colour[0]);
    g = float(colour[1]);
    b = float(colour[2]);
}

void qqgnvc(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3,
            float z3, float &nx, float &ny, float &nz, int iopt) {
    float ax = x2 - x1, ay = y2 - y1, az = z2 - z1;
    float bx = x3 - x2, by = y3 - y2, bz = z3 - z2;
    if (iopt != 0) { // the other side: (P3 - P2) x (P2 - P1)
        std::swap(ax, bx);
        std::swap(ay, by);
        std::swap(az, bz);
    }
    nx = ay * bz - az * by;
    ny = az * bx - ax * bz;
    nz = ax * by - ay * bx;
    const float length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length > 1.0e-35f) {
        nx /= length;
        ny /= length;
        nz /= length;
    }
}

extern "C" int getlit(float x, float y, float z, float xn, float yn, float zn) {
    GlobalRecord *rec = jqqlev(1, 3, "getlit");
    if (rec == nullptr) return 0;
    if (rec->light.ilight != 1) return rec->colour.ncolor;
    float r, g, b;
    qqglit(*rec, x, y, z, xn, yn, zn, r, g, b);
    return intrgb(r, g, b);
}
