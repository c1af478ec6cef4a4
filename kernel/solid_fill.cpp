// Solid software fills of figures: drawSolidSpan, fillSolid.
#include "kernel/solid_fill.h"

#include <cstddef>

#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/scanline_fill.h"
#include "kernel/warnings.h"

namespace {

// Crossings a scan line may have, as in every fill.
constexpr int kCrossings = 100;
// Polygons up to this many points (every marker symbol, arrow head and the
// logo) keep their vertex links on the stack.
constexpr int kSmallPolygon = 80;

} // namespace

void drawSolidSpan(GlobalRecord &rec, const float xs[2], const float ys[2]) {
    qqmove(rec, xs[0], ys[0]);
    qqdraw(rec, xs[1], ys[1]);
}

void fillSolid(GlobalRecord &rec, const float x[], const float y[], int n, float spacing) {
    if (n < 3) return;
    int smallLinks[kSmallPolygon + 1];
    int *links = smallLinks;
    if (n > kSmallPolygon) {
        links = rec.figure.fillLinks.reserve(std::size_t(n) + 1);
        if (links == nullptr) {
            warnin(Warning::noMemory);
            return;
        }
    }
    float crossings[kCrossings];
    int crossingLinks[kCrossings + 1];
    gkwfa(rec, n, x, y, spacing, links, kCrossings, crossings, crossingLinks, drawSolidSpan,
          seenScanLines(rec, 0.0f, 0.0f, 0.0f, 1.0f));
    qqstrk(rec);
}
