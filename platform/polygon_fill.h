// Filling a polygon by the even-odd rule, as the drawing calls fill: row y is
// crossed by an edge whose end rows enclose it (the upper one included, the
// lower one not), and between two crossings at x = a and x = b (in order) the
// pixels ceil(a) .. ceil(b) - 1 are set. So a rectangle's right column and
// bottom row stay empty, and two polygons that share an edge never both set a
// pixel of it. Part of the raster core.
#pragma once
#include <vector>

#include "platform/raster_core.h"
#include "platform/win_types.h"

// Room the filler reuses from polygon to polygon.
struct PolygonScratch {
    struct Edge {
        long long x0, y0, x1, y1; // y0 < y1
    };
    std::vector<Edge> edges;
    std::vector<const Edge *> active;
    std::vector<long long> crossings;
};

void fillPolygon(const PixelSurface &s, const POINT *points, int count, const PixelValue &v,
                 PolygonScratch &scratch);
