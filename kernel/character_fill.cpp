// Filled outline characters: shdfll fills the contour of an outline glyph
// with scan lines 2 plot units apart, turned by 90 degrees.
#include "kernel/character_fill.h"

#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/scanline_fill.h"

namespace {

constexpr float kLineSpacing = 2.0f;
constexpr int kCrossings = 20;

} // namespace

void ffllin(GlobalRecord &rec, const float x[2], const float y[2]) {
    float xs[2] = {x[0], x[1]}, ys[2] = {y[0], y[1]};
    trfro2(xs, ys, 2, -rec.fill.xhatsin, rec.fill.xhatcos);
    qqmove(rec, xs[0], ys[0]);
    qqdraw(rec, xs[1], ys[1]);
}

void shdfll(GlobalRecord &rec, int n) {
    FontState &font = rec.font;
    if (font.ishdcha == 0 || n < 1) return;
    if (n > kContourPoints) n = kContourPoints;
    rec.fill.xhatsin = 1.0f;
    rec.fill.xhatcos = 0.0f;
    trfro2(font.xshdcon, font.yshdcon, n, 1.0f, 0.0f);
    int vertexLinks[kContourPoints + 1];
    float crossings[kCrossings + 1];
    int crossingLinks[kCrossings + 1];
    gkwfa(rec, n, font.xshdcon, font.yshdcon, kLineSpacing, vertexLinks, kCrossings, crossings,
          crossingLinks, ffllin, seenScanLines(rec, 0.0f, 0.0f, 1.0f, 0.0f));
}
