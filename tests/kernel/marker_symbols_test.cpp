// Marker symbols drawn by dsymbl: the 24 shapes on rendered pixels, turned
// symbols, the memory raster's own symbols, the user symbol and symbol shields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/memory_raster.h"
#include "devices/raster_pixels.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/shield_list.h"
#include "tests/kernel/pen_trace.h"
#include "tests/kernel/rendered_plot.h"

namespace {

using Symbols = RenderedPlot;

// Probes on the grid of the shapes (-50..50, y down); symbols are drawn 200
// high, so a grid unit is two plot units.
struct SymbolCase {
    int n;
    std::vector<Probe> grid;
};

const SymbolCase kSymbolCases[] = {
    {0, {{50, 0, true}, {0, -50, true}, {-50, 20, true}, {0, 0, false}, {25, 25, false}}},
    {1, {{50, 0, true}, {0, 50, true}, {-35, -35, true}, {0, 0, false}, {47, 47, false}}},
    {2, {{0, 50, true}, {-25, 0, true}, {25, 0, true}, {0, 10, false}, {-40, -40, false}}},
    {3, {{40, 0, true}, {0, -40, true}, {0, 0, true}, {25, 25, false}, {40, 40, false}}},
    {4, {{25, 25, true}, {-25, 25, true}, {0, 0, true}, {0, 30, false}, {30, 0, false}}},
    {5, {{25, -25, true}, {-25, 25, true}, {50, 0, true}, {0, 0, false}, {40, 40, false}}},
    {6, {{0, -50, true}, {-25, 0, true}, {25, 0, true}, {0, -10, false}, {40, 40, false}}},
    {7, {{50, 0, true}, {25, 25, true}, {-25, 25, true}, {0, 25, false}, {25, 0, false}}},
    {8, {{40, 0, true}, {0, 40, true}, {30, 30, true}, {-30, 30, true}, {15, 35, false}}},
    {9, {{25, 25, true}, {30, 0, true}, {0, -30, true}, {12, 30, false}, {40, 40, false}}},
    {10, {{50, 0, true}, {30, 0, true}, {0, -30, true}, {-35, -35, true}, {25, 25, false}}},
    {11, {{-25, 0, true}, {0, 50, true}, {0, -50, true}, {0, 0, false}, {45, 0, false}}},
    {12, {{50, 25, true}, {0, 30, true}, {30, 0, true}, {25, 25, false}, {-25, -25, false}}},
    {13, {{50, 0, true}, {25, 25, true}, {-25, 25, true}, {30, 0, false}, {0, 30, false}}},
    {14, {{50, 0, true}, {25, 0, true}, {-25, 0, true}, {0, 10, false}, {40, -40, false}}},
    {15, {{49, 0, true}, {0, -49, true}, {0, 49, true}, {0, 0, false}, {25, 25, false}}},
    {16, {{0, 0, true}, {25, 25, true}, {-40, 40, true}, {60, 0, false}, {0, -60, false}}},
    {17, {{0, 0, true}, {30, 30, true}, {-45, 0, true}, {47, 47, false}, {-47, 47, false}}},
    {18, {{0, 20, true}, {0, -30, true}, {-40, 45, true}, {-40, -40, false}, {40, -20, false}}},
    {19, {{0, 0, true}, {20, 20, true}, {-40, 0, true}, {40, 40, false}, {-40, -40, false}}},
    {20, {{0, -20, true}, {0, 30, true}, {40, -45, true}, {40, 20, false}, {-40, 40, false}}},
    {21, {{0, 0, true}, {30, 30, true}, {-40, 0, true}, {45, 45, false}, {-45, -45, false}}},
    {22, {{0, -49, true}, {0, 0, true}, {25, 0, true}, {0, -25, false}, {0, 20, false}}},
    {23, {{0, -25, true}, {20, -20, true}, {0, -45, true}, {0, 20, false}, {40, -40, false}}},
};

// The probes in plot units.
std::vector<Probe> scaled(const std::vector<Probe> &grid, int factor) {
    std::vector<Probe> probes;
    for (const Probe &p : grid)
        probes.push_back({p.dx * factor, p.dy * factor, p.ink});
    return probes;
}

int symbolX(int n) {
    return 200 + n % 8 * 330;
}
int symbolY(int n) {
    return 250 + n / 8 * 330;
}

TEST_F(Symbols, TheTwentyFourShapesAsDrawnAndFilled) {
    GlobalRecord &rec = openHpgl();
    rec.symbol.nhsymb = 200;
    for (const SymbolCase &c : kSymbolCases)
        dsymbl(rec, c.n, symbolX(c.n), symbolY(c.n));
    const HpglRaster raster = render();
    ASSERT_TRUE(raster.valid());
    for (const SymbolCase &c : kSymbolCases)
        EXPECT_EQ(mismatches(raster, symbolX(c.n), symbolY(c.n), scaled(c.grid, 2)), "")
            << "symbol " << c.n;
}

TEST_F(Symbols, TurnedCounterClockwiseWithTheOriginShift) {
    GlobalRecord &rec = openHpgl();
    rec.symbol.nhsymb = 200;
    rec.symbol.xsymrot = 90.0f;
    origin(100, 50);
    dsymbl(rec, 18, 500, 500); // the apex now points left
    dsymbl(rec, 22, 900, 500); // the half circle opens to the right
    const HpglRaster raster = render();
    EXPECT_EQ(mismatches(raster, 600, 550,
                         {{-90, 0, true},
                          {80, 0, true},
                          {90, 90, true},
                          {90, -90, true},
                          {-60, 60, false},
                          {-60, -60, false}}),
              "");
    EXPECT_EQ(
        mismatches(raster, 1000, 550,
                   {{-98, 0, true}, {0, 0, true}, {0, 50, true}, {-50, 0, false}, {50, 0, false}}),
        "");
}

TEST_F(Symbols, TheMemoryRasterDrawsPlainSymbolsItself) {
    struct Case {
        const char *what;
        int n;
        float rotation;
        int x;   // centre in plot units, at y = 1000
        int top; // y of the symbol's top edge
        bool byRaster;
    };
    const Case cases[] = {
        {"plain square", 0, 0.0f, 1000, 900, true},
        {"combined shape", 14, 0.0f, 1000, 900, true},
        {"circle", 15, 0.0f, 1000, 902, false},
        {"filled square", 16, 0.0f, 1000, 900, false},
        {"turned", 0, 90.0f, 1000, 900, false},
        {"half outside the clip window", 0, 0.0f, 40, 900, false},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open("VIRT", "plot.out");
        rec.symbol.nhsymb = 200;
        rec.symbol.xsymrot = c.rotation;
        setclr(3);
        dsymbl(rec, c.n, c.x, 1000);
        qqstrk(rec);
        // Drawn by the raster, the symbol sends no pen operations.
        EXPECT_EQ(rec.core.nvector == 0, c.byRaster) << c.what;
        // Either way its top edge lies where the symbol is, within a pixel
        // (the raster halves the size in whole pixels).
        const DevicePoint top = toDevice(rec, float(c.x), float(c.top));
        int ink = 0;
        for (int dy = -1; dy <= 1; ++dy)
            ink += qqvrpx(rec, int(top.x), int(top.y) + dy, 0) == 3;
        EXPECT_GE(ink, 1) << c.what;
        EXPECT_EQ(qqvrpx(rec, int(top.x), int(top.y) + 8, 0), c.n == 16 ? 3 : 0) << c.what;
        close();
    }
}

TEST_F(Symbols, TheUserSymbolIsScaledByHalfTheHeightAndFilled) {
    GlobalRecord &rec = openHpgl();
    rec.symbol.nhsymb = 200;
    rec.symbol.xsymrot = 90.0f;
    // A triangle pointing up (y up in the user symbol's own system).
    const float x[] = {-1.0f, 1.0f, 0.0f, -1.0f}, y[] = {-1.0f, -1.0f, 1.0f, -1.0f};
    SymbolState &s = rec.symbol;
    s.xusrsym.reset(new float[4]);
    s.yusrsym.reset(new float[4]);
    std::copy(x, x + 4, s.xusrsym.get());
    std::copy(y, y + 4, s.yusrsym.get());
    s.nusrsym = 4;
    s.iusrsym = 30;
    s.iusrfill = 1;
    dsymbl(rec, 30, 1000, 1000);
    // The stored points are left as they were, though the symbol was turned.
    EXPECT_EQ(std::vector<float>(s.xusrsym.get(), s.xusrsym.get() + 4),
              std::vector<float>(x, x + 4));
    EXPECT_EQ(std::vector<float>(s.yusrsym.get(), s.yusrsym.get() + 4),
              std::vector<float>(y, y + 4));
    // Turned a quarter counter-clockwise, the apex points left; it is filled.
    EXPECT_EQ(mismatches(render(), 1000, 1000,
                         {{-98, 0, true},
                          {-20, 0, true},
                          {60, 0, true},
                          {98, 98, true},
                          {-60, -60, false},
                          {0, 0, true}}),
              "");
}

TEST_F(Symbols, SymbolShieldsAreCentredOnTheSymbolAndTurnedWithIt) {
    GlobalRecord &rec = open();
    rec.symbol.nhsymb = 100;
    shield("SYMB", "ON");
    dsymbl(rec, 3, 500, 500);
    rec.symbol.xsymrot = 45.0f;
    dsymbl(rec, 3, 1000, 500);
    ASSERT_EQ(rec.shield.nshield, 2);
    // A line through both symbols stops 59.5 units before each centre (the
    // shield's corners are whole units), or 59.5 * sqrt(2) before it where
    // the square stands on a corner.
    line(0, 500, 1500, 500);
    const std::vector<std::string> trace = penTrace(close(), rec);
    ASSERT_GE(trace.size(), 6u);
    const std::vector<std::string> last(trace.end() - 6, trace.end());
    EXPECT_EQ(last, (std::vector<std::string>{"M 0 500", "D 441 500", "M 560 500", "D 916 500",
                                              "M 1084.2 500", "D 1500 500"}))
        << ::testing::PrintToString(trace);
    // The shields came after the symbols: their own lines are whole.
    EXPECT_EQ(trace[0], "M 450 500");
    EXPECT_EQ(trace[1], "D 550 500");
}

} // namespace
