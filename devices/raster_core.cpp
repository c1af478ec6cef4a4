// The raster core: spans, lines and rectangles over a PixelSurface.
#include "devices/raster_core.h"

#include <algorithm>
#include <cstdlib>

void fillSpan(const PixelSurface &s, int y, int xa, int xb, const PixelValue &v) {
    if (y < 0 || y >= s.height) return;
    if (xa > xb) std::swap(xa, xb);
    xa = std::max(xa, 0);
    xb = std::min(xb, s.width - 1);
    if (xa > xb) return;
    std::uint8_t *p = s.bits + static_cast<std::ptrdiff_t>(y) * s.rowBytes +
                      static_cast<std::ptrdiff_t>(xa) * s.bytesPerPixel;
    const int n = xb - xa + 1;
    if (s.bytesPerPixel == 1) {
        std::fill(p, p + n, v.bytes[0]);
        return;
    }
    for (int i = 0; i < n; ++i, p += s.bytesPerPixel)
        for (int k = 0; k < s.bytesPerPixel; ++k)
            p[k] = v.bytes[k];
}

void drawLine(const PixelSurface &s, int x1, int y1, int x2, int y2, const PixelValue &v,
              EndPoint end) {
    // Extents in 64 bits: the coordinates may come from anywhere in int range.
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    const bool alongX = dy < dx;
    const long long longer = alongX ? dx : dy;
    const long long shorter = alongX ? dy : dx;
    const long long steps = end == EndPoint::Include ? longer : longer - 1;
    if (steps < 0) return; // a one-point line without its end point
    long long x = x1, y = y1;
    long long error = -longer / 2;
    auto plot = [&] {
        if (x >= 0 && y >= 0 && x < s.width && y < s.height)
            putPixel(s, static_cast<int>(x), static_cast<int>(y), v);
    };
    plot();
    for (long long i = 0; i < steps; ++i) {
        error += shorter;
        if (alongX) {
            x += sx;
            if (error > 0) {
                error -= longer;
                y += sy;
            }
        } else {
            y += sy;
            if (error > 0) {
                error -= longer;
                x += sx;
            }
        }
        plot();
    }
}

void fillRect(const PixelSurface &s, int x1, int y1, int x2, int y2, const PixelValue &v) {
    if (y1 > y2) std::swap(y1, y2);
    y1 = std::max(y1, 0);
    y2 = std::min(y2, s.height - 1);
    for (int y = y1; y <= y2; ++y)
        fillSpan(s, y, x1, x2, v);
}
