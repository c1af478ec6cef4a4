// Points along an ellipse, rounded to pixels.
#include "platform/ellipse_points.h"

#include <algorithm>
#include <cmath>
#include <numbers>

EllipseShape ellipseInBox(int left, int top, int right, int bottom) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const double l = left, t = top, r = right - 1.0, b = bottom - 1.0;
    return EllipseShape{(l + r) / 2, (t + b) / 2, std::max(0.0, (r - l) / 2),
                        std::max(0.0, (b - t) / 2)};
}

double rayAngle(const EllipseShape &e, int x, int y) {
    // Scaled to a unit circle, the ray keeps its point of the ellipse.
    const double dx = (x - e.cx) / (e.rx > 0 ? e.rx : 1);
    const double dy = (e.cy - y) / (e.ry > 0 ? e.ry : 1);
    const double a = dx == 0 && dy == 0 ? 0.0 : std::atan2(dy, dx);
    return a < 0 ? a + 2 * std::numbers::pi : a;
}

void appendArc(const EllipseShape &e, double start, double sweep, std::vector<POINT> &points) {
    const int steps = std::max(4, int(std::ceil(sweep * std::max(e.rx, e.ry))));
    for (int i = 0; i <= steps; ++i) {
        const double a = start + sweep * i / steps;
        const POINT p{LONG(std::lround(e.cx + e.rx * std::cos(a))),
                      LONG(std::lround(e.cy - e.ry * std::sin(a)))};
        if (points.empty() || points.back().x != p.x || points.back().y != p.y) points.push_back(p);
    }
}
