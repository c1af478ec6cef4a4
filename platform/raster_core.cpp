// The raster core: spans, lines and rectangles over a PixelSurface.
#include "platform/raster_core.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

namespace {

// Steps a line whose every pixel lies on the surface: no test per pixel. The
// pointer moves by majorStride each step and by minorStride when the error
// passes 0, as in drawLine.
template <int BytesPerPixel>
void stepInside(std::uint8_t *p, std::ptrdiff_t majorStride, std::ptrdiff_t minorStride,
                long long count, long long error, long long shorter, long long longer,
                const PixelValue &v) {
    // The pixel's bytes held apart from the surface: one store per pixel.
    std::uint8_t pixel[BytesPerPixel];
    std::memcpy(pixel, v.bytes, BytesPerPixel);
    for (;;) {
        std::memcpy(p, pixel, BytesPerPixel);
        if (--count < 0) return;
        error += shorter;
        p += majorStride;
        if (error > 0) {
            error -= longer;
            p += minorStride;
        }
    }
}

} // namespace

void drawLine(const PixelSurface &s, int x1, int y1, int x2, int y2, const PixelValue &v,
              EndPoint end) {
    // Extents in 64 bits: the coordinates may come from anywhere in int range.
    const long long dx = std::llabs(static_cast<long long>(x2) - x1);
    const long long dy = std::llabs(static_cast<long long>(y2) - y1);
    const bool alongX = dy < dx;
    // Stepping along the longer ("major") axis, the shorter one ("minor")
    // follows the error term.
    const long long longer = alongX ? dx : dy;
    const long long shorter = alongX ? dy : dx;
    const long long steps = end == EndPoint::Include ? longer : longer - 1;
    if (steps < 0) return; // a one-point line without its end point
    const long long major1 = alongX ? x1 : y1;
    const long long minor1 = alongX ? y1 : x1;
    const int majorStep = (alongX ? x2 >= x1 : y2 >= y1) ? 1 : -1;
    const int minorStep = (alongX ? y2 >= y1 : x2 >= x1) ? 1 : -1;
    const long long majorLimit = alongX ? s.width : s.height;
    const long long minorLimit = alongX ? s.height : s.width;

    // Only the steps whose major coordinate lies on the surface can set a
    // pixel: start at the first of them, with the error and minor coordinate
    // the stepping has there, so that far-off ends cost nothing.
    const long long first = std::max(0LL, majorStep > 0 ? -major1 : major1 - (majorLimit - 1));
    const long long last = std::min(steps, majorStep > 0 ? majorLimit - 1 - major1 : major1);
    if (first > last) return;
    const long long error0 = -longer / 2; // in (-longer, 0], and so it stays after every step
    // The minor steps taken by step i: the error passes 0 once for each
    // multiple of longer that error0 + i * shorter exceeds.
    auto minorStepsAt = [&](long long i) -> long long {
        if (longer == 0) return 0;
        const __int128 sum = static_cast<__int128>(error0) + static_cast<__int128>(i) * shorter;
        return sum <= 0 ? 0 : static_cast<long long>((sum + longer - 1) / longer);
    };
    const long long minorSteps = minorStepsAt(first);
    long long error = static_cast<long long>(static_cast<__int128>(error0) +
                                             static_cast<__int128>(first) * shorter -
                                             static_cast<__int128>(minorSteps) * longer);
    long long major = major1 + majorStep * first;
    long long minor = minor1 + minorStep * minorSteps;

    // The minor coordinate moves one way only: when it is on the surface at
    // both ends of the steps left, every pixel between is, and the steps need
    // no test (a dense curve draws millions of such short lines).
    const long long minorLast = minor1 + minorStep * minorStepsAt(last);
    if (minor >= 0 && minor < minorLimit && minorLast >= 0 && minorLast < minorLimit) {
        const std::ptrdiff_t rowStride = s.rowBytes, pixelStride = s.bytesPerPixel;
        const long long x = alongX ? major : minor, y = alongX ? minor : major;
        std::uint8_t *p = s.bits + static_cast<std::ptrdiff_t>(y) * rowStride +
                          static_cast<std::ptrdiff_t>(x) * pixelStride;
        const std::ptrdiff_t majorStride = majorStep * (alongX ? pixelStride : rowStride);
        const std::ptrdiff_t minorStride = minorStep * (alongX ? rowStride : pixelStride);
        const long long count = last - first;
        switch (s.bytesPerPixel) {
        case 1:
            stepInside<1>(p, majorStride, minorStride, count, error, shorter, longer, v);
            return;
        case 2:
            stepInside<2>(p, majorStride, minorStride, count, error, shorter, longer, v);
            return;
        case 3:
            stepInside<3>(p, majorStride, minorStride, count, error, shorter, longer, v);
            return;
        case 4:
            stepInside<4>(p, majorStride, minorStride, count, error, shorter, longer, v);
            return;
        default: break;
        }
    }

    auto plot = [&] {
        const long long x = alongX ? major : minor, y = alongX ? minor : major;
        if (x >= 0 && y >= 0 && x < s.width && y < s.height)
            putPixel(s, static_cast<int>(x), static_cast<int>(y), v);
    };
    plot();
    for (long long i = first; i < last; ++i) {
        error += shorter;
        major += majorStep;
        if (error > 0) {
            error -= longer;
            minor += minorStep;
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
