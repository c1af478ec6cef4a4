// The even-odd polygon filler: edges sorted by their upper row, a list of the
// edges that cross the current row, and the crossings of each row sorted.
#include "platform/polygon_fill.h"

#include <algorithm>
#include <climits>

namespace {

// ceil(n / d) for d > 0; the product of two coordinate differences needs more
// than 64 bits.
long long ceilDiv(__int128 n, long long d) {
    return static_cast<long long>(n >= 0 ? (n + d - 1) / d : -((-n) / d));
}

} // namespace

void fillPolygon(const PixelSurface &s, const POINT *points, int count, const PixelValue &v,
                 PolygonScratch &scratch) {
    auto &edges = scratch.edges;
    edges.clear();
    long long top = LLONG_MAX, bottom = LLONG_MIN;
    for (int i = 0; i < count; ++i) {
        const POINT &a = points[i], &b = points[(i + 1) % count];
        if (a.y == b.y) continue; // a horizontal edge crosses no row
        const bool down = a.y < b.y;
        const POINT &upper = down ? a : b, &lower = down ? b : a;
        edges.push_back({upper.x, upper.y, lower.x, lower.y});
        top = std::min<long long>(top, upper.y);
        bottom = std::max<long long>(bottom, lower.y);
    }
    if (edges.empty()) return;
    std::sort(edges.begin(), edges.end(), [](const auto &e, const auto &f) { return e.y0 < f.y0; });

    // Only the rows of the surface are visited, whatever the coordinates.
    const long long first = std::max<long long>(top, 0);
    const long long last = std::min<long long>(bottom, s.height); // excluded
    auto &active = scratch.active;
    auto &crossings = scratch.crossings;
    active.clear();
    std::size_t next = 0;
    for (long long y = first; y < last; ++y) {
        while (next < edges.size() && edges[next].y0 <= y) {
            active.push_back(&edges[next]);
            ++next;
        }
        crossings.clear();
        std::size_t kept = 0;
        for (const auto *e : active) {
            if (e->y1 <= y) continue; // ended above this row
            active[kept++] = e;
            // x = x0 + (y - y0) (x1 - x0) / (y1 - y0), rounded up
            crossings.push_back(
                e->x0 + ceilDiv(static_cast<__int128>(y - e->y0) * (e->x1 - e->x0), e->y1 - e->y0));
        }
        active.resize(kept);
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            const long long a = std::max<long long>(crossings[i], 0);
            const long long b = std::min<long long>(crossings[i + 1] - 1, s.width - 1);
            if (a <= b) fillSpan(s, int(y), int(a), int(b), v);
        }
    }
}
