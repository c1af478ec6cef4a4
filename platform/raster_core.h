// The raster core: bounds-checked pixel writes, line stepping and horizontal
// spans over a plain pixel buffer. The memory raster draws with it, and so do
// the drawing calls of the platform layer (lines there leave out their end
// point), so both put a line on the same pixels.
#pragma once
#include <cstdint>

// A pixel buffer: height rows of rowBytes bytes, row 0 at the top, each pixel
// bytesPerPixel bytes (1..4) stored as given.
struct PixelSurface {
    std::uint8_t *bits = nullptr;
    int width = 0;
    int height = 0;
    int rowBytes = 0;
    int bytesPerPixel = 1;
};

// The bytes of one pixel as they are stored (the first bytesPerPixel count).
struct PixelValue {
    std::uint8_t bytes[4] = {0, 0, 0, 0};
};

// Whether a line sets its last pixel.
enum class EndPoint { Include, Exclude };

inline bool insideSurface(const PixelSurface &s, int x, int y) {
    return x >= 0 && y >= 0 && x < s.width && y < s.height;
}

// Sets one pixel; pixels outside the surface are ignored.
inline void putPixel(const PixelSurface &s, int x, int y, const PixelValue &v) {
    if (!insideSurface(s, x, y)) return;
    std::uint8_t *p = s.bits + static_cast<std::ptrdiff_t>(y) * s.rowBytes +
                      static_cast<std::ptrdiff_t>(x) * s.bytesPerPixel;
    for (int i = 0; i < s.bytesPerPixel; ++i)
        p[i] = v.bytes[i];
}

// The pixels of row y from xa to xb (inclusive, either order), cut at the
// surface's edges.
void fillSpan(const PixelSurface &s, int y, int xa, int xb, const PixelValue &v);

// A line from (x1, y1) to (x2, y2) by integer error stepping: along the longer
// axis one pixel per step; the error starts at -d / 2 (d the longer extent,
// rounded toward zero), grows by the shorter extent each step and, when above
// 0, gives a step along the shorter axis and loses d. Pixels outside the
// surface are skipped; the stepping does not change.
void drawLine(const PixelSurface &s, int x1, int y1, int x2, int y2, const PixelValue &v,
              EndPoint end = EndPoint::Include);

// Every pixel of rows y1..y2 and columns x1..x2 (inclusive, either order),
// cut at the surface's edges.
void fillRect(const PixelSurface &s, int x1, int y1, int x2, int y2, const PixelValue &v);
