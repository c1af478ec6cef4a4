// qqgmat: the view matrix of an eye looking at a focus, with perspective.
#include <cmath>

#include "graphics3d/projection.h"

namespace {

// One row of the matrix: x, y, z and the constant term.
struct Row {
    double x, y, z, w;
};

Row scaled(const Row &r, double f) {
    return {r.x * f, r.y * f, r.z * f, r.w * f};
}

Row combined(const Row &a, double fa, const Row &b, double fb) {
    return {a.x * fa + b.x * fb, a.y * fa + b.y * fb, a.z * fa + b.z * fb, a.w * fa + b.w * fb};
}

void store(const Row &r, float *out) {
    out[0] = float(r.x);
    out[1] = float(r.y);
    out[2] = float(r.z);
    out[3] = float(r.w);
}

} // namespace

void qqgmat(float ex, float ey, float ez, float fx, float fy, float fz, float vup, float vang,
            float front, float back, float matrix[16]) {
    const double t = std::tan(double(vang));
    const double n = front;
    const double dx = double(ex) - fx, dy = double(ey) - fy, dz = double(ez) - fz;
    const double rxy = std::sqrt(dx * dx + dy * dy);
    const double c = std::cos(double(vup)), sn = std::sin(double(vup));

    // Right, up and forward directions of the view; each row also holds the
    // term that puts the eye at the origin, so that W (P, 1) is the distance
    // of P from the eye along the view direction.
    Row right{}, up{}, forward{};
    if (rxy < 1.0e-6) {
        // The eye straight above or below the focus: the view looks along the
        // z axis with x to the right. From below, up is -y and the view looks
        // toward +z, so that the picture is not mirrored and depth still grows
        // away from the eye.
        const double side = dz < 0.0 ? -1.0 : 1.0;
        right = {1.0, 0.0, 0.0, -double(ex)};
        up = {0.0, side, 0.0, -side * ey};
        forward = {0.0, 0.0, -side, side * ez};
    } else {
        const double r = std::sqrt(rxy * rxy + dz * dz);
        const double ca = dx / rxy, sa = dy / rxy, cb = rxy / r, sb = dz / r;
        const double q1 = ex * sa - ey * ca;
        const double q2 = -ex * ca - ey * sa;
        const double q3 = -ez * cb - q2 * sb;
        const double q4 = q2 * cb - ez * sb;
        right = {-sa, ca, 0.0, q1};
        up = {-sb * ca, -sb * sa, cb, q3};
        forward = {-ca * cb, -sa * cb, -sb, -q4};
    }

    const Row row0 = combined(right, c, up, -sn);
    const Row row1 = combined(right, sn, up, c);

    // Perspective: hw = t D and hz = t (D - n) / k, so that the depth hz / hw
    // runs from 0 on the front plane to 1 on the back plane.
    const bool backPlane = back > 0.0f;
    const double k = backPlane ? 1.0 - n / back : 1.0;
    Row row2{};
    if (k == 0.0) {
        // Front and back plane coincide: the view volume has no depth. Every
        // point gets a negative depth (in front of the front plane) rather
        // than an infinite one.
        row2 = {0.0, 0.0, 0.0, -1.0};
    } else {
        row2 = scaled(forward, t / k);
        row2.w -= t * n / k;
    }
    const Row row3 = scaled(forward, t);

    store(row0, matrix);
    store(row1, matrix + 4);
    store(row2, matrix + 8);
    store(row3, matrix + 12);
}
