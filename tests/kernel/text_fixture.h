// Helpers of the text tests: plots on HPGL read back as pen operations, and
// where the placement rules of texts put the strokes of a glyph.
#pragma once
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kernel/stroke_fonts.h"
#include "tests/support/pen_ops.h"
#include "tests/support/plot_fixture.h"

class TextTest : public PlotTest {
  protected:
    // The pen operations of what body draws on an HPGL plot; settings made
    // before kavini come from before.
    std::vector<PenOp> hpglOps(const std::function<void()> &body,
                               const std::function<void()> &before = {}) {
        if (before) captureStdout(before);
        open("HPGL", "plot.hpg");
        captureStdout(body);
        return hpglPenOps(close("plot.hpg"));
    }

    // Standard output of body inside an open GKSL plot.
    std::string outputOf(const std::function<void()> &body) {
        open();
        const std::string out = captureStdout(body);
        close();
        return out;
    }
};

struct Point {
    float x, y;
};

// The strokes of a character of an alphabet of a font, in glyph units.
inline std::vector<std::vector<Point>> glyphStrokes(int font, int alphabet, int index) {
    std::vector<std::vector<Point>> strokes;
    StrokeAlphabet a;
    if (!strokeAlphabet(font, alphabet, a)) return strokes;
    GlyphRecordReader reader(a, index);
    GlyphGroup g;
    while (reader.next(g)) {
        std::vector<Point> line;
        for (int p = g.start; p < g.start + g.count; ++p) {
            const GlyphPoint pt = glyphPoint(a, p);
            line.push_back({float(pt.x) + g.dx, float(pt.y) + g.dy});
        }
        strokes.push_back(line);
    }
    return strokes;
}

// Where a glyph point lands: the text starts with its upper-left corner at
// (nx, ny), so the baseline pen is (h - 1) further down; the glyph's x runs
// along the text, its y up from the baseline; along is the pen's advance.
struct Placement {
    float nx, ny;                 // upper-left corner
    int h;                        // character height
    float angle;                  // degrees
    float unitsX = 6, unitsY = 7; // glyph units per (h - 1)

    Point at(float along, float gx, float gy, float slant = 0.0f) const {
        const float a = angle * 3.14159265f / 180.0f;
        const float sn = std::sin(a), cs = std::cos(a);
        const float penX = nx + float(h - 1) * sn + along * cs;
        const float penY = ny + float(h - 1) * cs - along * sn;
        const float Y = gy * float(h - 1) / unitsY;
        const float X = gx * float(h - 1) / unitsX + Y * slant;
        return {penX + X * cs - Y * sn, penY - Y * cs - X * sn};
    }
};

// The pen operations that the strokes of a text in one monospaced alphabet
// give, each character advance further along.
inline std::vector<PenOp> expectedOps(const Placement &p, const std::string &text, float advance,
                                      int font = 1, int alphabet = 1, float slant = 0.0f) {
    std::vector<PenOp> ops;
    float along = 0;
    for (char c : text) {
        for (const auto &stroke :
             glyphStrokes(font, alphabet, static_cast<unsigned char>(c) - 31)) {
            bool first = true;
            for (const Point &g : stroke) {
                const Point q = p.at(along, g.x, g.y, slant);
                ops.push_back({!first, q.x, q.y});
                first = false;
            }
        }
        along += advance;
    }
    return ops;
}

// Pen operations equal within the quarter unit of HPGL.
inline ::testing::AssertionResult sameOps(const std::vector<PenOp> &actual,
                                          const std::vector<PenOp> &expected,
                                          float tolerance = 0.3f) {
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << actual.size() << " operations, expected " << expected.size()
               << "\n actual:   " << describe(actual) << "\n expected: " << describe(expected);
    for (std::size_t i = 0; i < actual.size(); ++i)
        if (actual[i].draw != expected[i].draw ||
            std::fabs(actual[i].x - expected[i].x) > tolerance ||
            std::fabs(actual[i].y - expected[i].y) > tolerance)
            return ::testing::AssertionFailure()
                   << "operation " << i << " differs\n actual:   " << describe(actual)
                   << "\n expected: " << describe(expected);
    return ::testing::AssertionSuccess();
}

// Bounds of pen points.
struct Bounds {
    float x1 = 1e9f, y1 = 1e9f, x2 = -1e9f, y2 = -1e9f;
    void add(float x, float y) {
        x1 = std::min(x1, x);
        y1 = std::min(y1, y);
        x2 = std::max(x2, x);
        y2 = std::max(y2, y);
    }
};
inline Bounds boundsOf(const std::vector<PenOp> &ops, std::size_t from = 0,
                       std::size_t to = std::size_t(-1)) {
    Bounds b;
    for (std::size_t i = from; i < ops.size() && i < to; ++i)
        b.add(ops[i].x, ops[i].y);
    return b;
}
