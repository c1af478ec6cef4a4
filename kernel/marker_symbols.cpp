// Marker symbols: the 24 built-in shapes and the user symbol, drawn by dsymbl.
#include <cmath>
#include <cstddef>

#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/rounding.h"
#include "kernel/shield_geometry.h"
#include "kernel/shield_list.h"
#include "kernel/shields.h"
#include "kernel/solid_fill.h"
#include "kernel/warnings.h"

namespace {

// The shapes lie on a grid of -50..50 in both directions, y downwards.
struct GridPoint {
    signed char x, y;
};

struct Polyline {
    const GridPoint *points;
    int count;
};

template <std::size_t N> constexpr Polyline lineOf(const GridPoint (&p)[N]) {
    return {p, int(N)};
}

constexpr GridPoint kSquare[] = {{-50, -50}, {50, -50}, {50, 50}, {-50, 50}, {-50, -50}};
constexpr GridPoint kOctagon[] = {{-20, -50}, {-50, -20}, {-50, 20}, {-20, 50}, {20, 50},
                                  {50, 20},   {50, -20},  {20, -50}, {-20, -50}};
constexpr GridPoint kTriangleUp[] = {{0, -50}, {50, 50}, {-50, 50}, {0, -50}};
constexpr GridPoint kTriangleDown[] = {{-50, -50}, {0, 50}, {50, -50}, {-50, -50}};
constexpr GridPoint kDiamond[] = {{0, -50}, {50, 0}, {0, 50}, {-50, 0}, {0, -50}};
constexpr GridPoint kHorizontal[] = {{-50, 0}, {50, 0}};
constexpr GridPoint kVertical[] = {{0, -50}, {0, 50}};
constexpr GridPoint kFalling[] = {{-50, -50}, {50, 50}};
constexpr GridPoint kRising[] = {{-50, 50}, {50, -50}};
// An 18-gon; its last point repeats the second, so the ring is closed.
constexpr GridPoint kCircle[] = {{49, 0},   {49, -9},   {42, -27},  {27, -42}, {9, -49},
                                 {-9, -49}, {-27, -42}, {-42, -27}, {-49, -9}, {-49, 0},
                                 {-49, 9},  {-42, 27},  {-27, 42},  {-9, 49},  {9, 49},
                                 {27, 42},  {42, 27},   {49, 9},    {49, -9}};
// The upper half of the circle, closed back to its first point.
constexpr GridPoint kHalfCircle[] = {{49, 0},   {49, -9},  {42, -27},  {27, -42},
                                     {9, -49},  {-9, -49}, {-27, -42}, {-42, -27},
                                     {-49, -9}, {-49, 0},  {49, 0}};

struct Shape {
    Polyline lines[4];
    int count;
    bool filled; // the first polyline is filled
};

constexpr Polyline kSquareLine = lineOf(kSquare), kOctagonLine = lineOf(kOctagon);
constexpr Polyline kUpLine = lineOf(kTriangleUp), kDownLine = lineOf(kTriangleDown);
constexpr Polyline kDiamondLine = lineOf(kDiamond), kCircleLine = lineOf(kCircle);
constexpr Polyline kHalfLine = lineOf(kHalfCircle);
constexpr Polyline kPlus[2] = {lineOf(kHorizontal), lineOf(kVertical)};
constexpr Polyline kCross[2] = {lineOf(kFalling), lineOf(kRising)};

constexpr Shape kShapes[24] = {
    {{kSquareLine}, 1, false},                              // 0 square
    {{kOctagonLine}, 1, false},                             // 1 octagon
    {{kUpLine}, 1, false},                                  // 2 triangle, apex up
    {{kPlus[0], kPlus[1]}, 2, false},                       // 3 plus sign
    {{kCross[0], kCross[1]}, 2, false},                     // 4 diagonal cross
    {{kDiamondLine}, 1, false},                             // 5 diamond
    {{kDownLine}, 1, false},                                // 6 triangle, apex down
    {{kSquareLine, kCross[0], kCross[1]}, 3, false},        // 7 square with a cross
    {{kPlus[0], kPlus[1], kCross[0], kCross[1]}, 4, false}, // 8 plus and cross
    {{kDiamondLine, kPlus[0], kPlus[1]}, 3, false},         // 9 diamond with a plus
    {{kOctagonLine, kPlus[0], kPlus[1]}, 3, false},         // 10 octagon with a plus
    {{kUpLine, kDownLine}, 2, false},                       // 11 both triangles
    {{kSquareLine, kPlus[0], kPlus[1]}, 3, false},          // 12 square with a plus
    {{kOctagonLine, kCross[0], kCross[1]}, 3, false},       // 13 octagon with a cross
    {{kSquareLine, kUpLine}, 2, false},                     // 14 square with a triangle
    {{kCircleLine}, 1, false},                              // 15 circle
    {{kSquareLine}, 1, true},                               // 16 filled square
    {{kOctagonLine}, 1, true},                              // 17 filled octagon
    {{kUpLine}, 1, true},                                   // 18 filled triangle, apex up
    {{kDiamondLine}, 1, true},                              // 19 filled diamond
    {{kDownLine}, 1, true},                                 // 20 filled triangle, apex down
    {{kCircleLine}, 1, true},                               // 21 filled circle
    {{kHalfLine}, 1, false},                                // 22 upper half circle
    {{kHalfLine}, 1, true},                                 // 23 filled upper half circle
};

constexpr int kLongestLine = 19;
// Filled symbols: scan lines 0.075 mm apart.
constexpr float kFillSpacing = 0.75f;

// Where a symbol goes: its centre and the rotation of its points.
struct Placement {
    float cx, cy;
    float sin, cos; // of the negated rotation: counter-clockwise on the page
};

// Turns and moves n points in place onto the page and draws them as one line.
void drawPoints(GlobalRecord &rec, float x[], float y[], int n, const Placement &p) {
    trfro2(x, y, n, p.sin, p.cos);
    for (int i = 0; i < n; ++i) {
        x[i] += p.cx;
        y[i] += p.cy;
    }
    qqmove(rec, x[0], y[0]);
    for (int i = 1; i < n; ++i)
        qqdraw(rec, x[i], y[i]);
}

void drawShape(GlobalRecord &rec, const Shape &shape, float height, const Placement &p) {
    const float scale = height / 100.0f;
    float fx[kLongestLine], fy[kLongestLine];
    for (int l = 0; l < shape.count; ++l) {
        const Polyline &pl = shape.lines[l];
        float x[kLongestLine], y[kLongestLine];
        for (int i = 0; i < pl.count; ++i) {
            x[i] = float(pl.points[i].x) * scale;
            y[i] = float(pl.points[i].y) * scale;
        }
        drawPoints(rec, x, y, pl.count, p);
        if (l == 0 && shape.filled) {
            for (int i = 0; i < pl.count; ++i) {
                fx[i] = x[i];
                fy[i] = y[i];
            }
        }
    }
    if (shape.filled) fillSolid(rec, fx, fy, shape.lines[0].count, kFillSpacing / rec.page.xunits);
}

// The user symbol: its points scaled by half the height, y turned upwards. The
// stored points stay as they are.
void drawUserSymbol(GlobalRecord &rec, float height, const Placement &p) {
    const SymbolState &s = rec.symbol;
    const int n = s.nusrsym;
    float *work = rec.figure.points.reserve(2 * std::size_t(n));
    if (work == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float *x = work, *y = work + n;
    const float half = height * 0.5f;
    for (int i = 0; i < n; ++i) {
        x[i] = s.xusrsym[i] * half;
        y[i] = -s.yusrsym[i] * half;
    }
    drawPoints(rec, x, y, n, p);
    if (s.iusrfill == 1) fillSolid(rec, x, y, n, kFillSpacing / rec.page.xunits);
}

// A symbol the device may draw by itself: unturned, plainly on the page,
// and wholly inside the clip window.
bool drawnByDevice(GlobalRecord &rec, int n, float cx, float cy, float height) {
    if (std::fabs(rec.symbol.xsymrot) >= 0.001f || rec.view3d.ipln3d == 1 || rec.trf.itrfon != 0 ||
        rec.shield.nshield != 0)
        return false;
    const int *w = rec.clip.nclpwin;
    const float h = height * 0.5f;
    if (cx - h < float(w[0]) || cx + h > float(w[2]) || cy - h < float(w[1]) ||
        cy + h > float(w[3]))
        return false;
    const DevicePoint d = toDevice(rec, cx, cy);
    return currentDriver(rec).symbol(rec, n, d, roundAddHalf(height * rec.page.xdevscl));
}

// The symbol's shield: a square of 1.2 heights centred on it, turned with it.
void addSymbolShield(GlobalRecord &rec, const Placement &p, float height) {
    const float side = 1.2f * height;
    const float half = (side - 1.0f) * 0.5f;
    float cornerX[1] = {-half}, cornerY[1] = {-half};
    trfro2(cornerX, cornerY, 1, p.sin, p.cos);
    const float x1 = p.cx + cornerX[0], y1 = p.cy + cornerY[0];
    addAutomaticRectangleShield(rec, kShieldSymbols, x1, y1, side, side, rec.symbol.xsymrot);
}

} // namespace

void dsymbl(GlobalRecord &rec, int n, int x, int y) {
    const SymbolState &s = rec.symbol;
    const bool user = s.nusrsym > 0 && n == s.iusrsym;
    if (!user && (n < 0 || n >= int(std::size(kShapes)))) return;
    const float height = float(s.nhsymb);
    const float r = -s.xsymrot * rec.core.xpi / 180.0f;
    const Placement p = {float(pageSum(x, rec.page.nxorg)), float(pageSum(y, rec.page.nyorg)),
                         std::sin(r), std::cos(r)};
    if (user)
        drawUserSymbol(rec, height, p);
    else if (!drawnByDevice(rec, n, p.cx, p.cy, height))
        drawShape(rec, kShapes[n], height, p);
    if (rec.shield.ishlaut[kShieldSymbols - 1] == 1) addSymbolShield(rec, p, height);
}
