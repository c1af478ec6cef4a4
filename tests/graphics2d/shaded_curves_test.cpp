// Shading between curves: the polygon of the two curves as pen strokes and as
// an SVG fill, the pixels of the filled and clipped area, the pattern cycle and
// the legend entries of successive areas, and the warnings.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <string>

#include "kernel/colour.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/graphics2d/fill_records.h"
#include "tests/support/raster_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

class ShadedCurves : public AxisTest {
  protected:
    // Pattern 0 everywhere: areas are only outlined.
    static void outlinesOnly() {
        shdpat(0);
        for (int i = 1; i <= 30; ++i)
            patcyc(i, 0);
    }
};

// A lower and an upper curve of three points in the axis system of
// standardAxes (x 0..10 at 200..1200, y 0..5 at 1200..700).
const float kLowerX[3] = {2, 4, 6}, kLowerY[3] = {1, 0.5f, 1};
const float kUpperX[3] = {2, 4, 6}, kUpperY[3] = {3, 3.5f, 3};

// The first curve forwards and the second backwards make one closed hexagon,
// whatever the direction of the second curve's points.
TEST_F(ShadedCurves, TwoCurvesOfThreePointsAreOneHexagon) {
    openHpgl();
    standardAxes(true);
    captureStdout([] {
        outlinesOnly();
        shdcrv(kLowerX, kLowerY, 3, kUpperX, kUpperY, 3);
    });
    const std::multiset<Segment> expected{
        segment(400, 1100, 600, 1150), segment(600, 1150, 800, 1100), segment(800, 1100, 800, 900),
        segment(800, 900, 600, 850),   segment(600, 850, 400, 900),   segment(400, 900, 400, 1100)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(ShadedCurves, NoOutlineAndNoPatternDrawNothingButStillCount) {
    openHpgl();
    standardAxes(true);
    GlobalRecord &rec = currentRecord();
    captureStdout([] {
        outlinesOnly();
        noarln();
        shdcrv(kLowerX, kLowerY, 3, kUpperX, kUpperY, 3);
    });
    EXPECT_EQ(rec.shdcrv.nshdcnt, 1);
    EXPECT_TRUE(closeHpgl().empty());
}

// A solid pattern is one polygon fill record of the six corners.
TEST_F(ShadedCurves, TheSolidFillIsOnePolygonOfBothCurves) {
    GlobalRecord &rec = open("SVG", "plot.svg");
    standardAxes(true);
    captureStdout([] {
        noarln();
        shdpat(16);
        shdcrv(kLowerX, kLowerY, 3, kUpperX, kUpperY, 3);
    });
    const float s = rec.page.xdevscl;
    const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_TRUE(fills[0].polygon);
    EXPECT_EQ(fills[0].x.size(), 6u);
    // 400 x 200 between the straight sides plus two triangles of 400 x 50.
    EXPECT_NEAR(fills[0].area() / (double(s) * s), 100000.0, 1000.0);
}

// Each area is its own legend entry with the pattern it was filled with; the
// pattern then moves on through the cycle, and endgrf starts the count again.
TEST_F(ShadedCurves, SuccessiveAreasTakeTheCycleAndTheLegendRecordsThem) {
    openHpgl();
    standardAxes(true);
    GlobalRecord &rec = currentRecord();
    captureStdout([] {
        for (int i = 1; i <= 30; ++i)
            patcyc(i, i % 18);
        shdpat(5);
        for (int k = 0; k < 3; ++k)
            shdcrv(kLowerX, kLowerY, 3, kUpperX, kUpperY, 3);
    });
    EXPECT_EQ(rec.shdcrv.nshdcnt, 3);
    EXPECT_EQ(rec.curve.ilegpat, 1);
    EXPECT_EQ(rec.legend.nlegpat[0], 5) << "the first area uses the pattern in force";
    EXPECT_EQ(rec.legend.nlegpat[1], 2);
    EXPECT_EQ(rec.legend.nlegpat[2], 3);
    EXPECT_EQ(rec.fill.nshdpat, 4);

    // Area 29 leaves entry 30 in force, area 30 entry 1 again.
    const struct { int areas, pattern; } wraps[] = {{29, 30 % 18}, {30, 1}};
    for (const auto &w : wraps) {
        captureStdout([&] {
            while (rec.shdcrv.nshdcnt < w.areas)
                shdcrv(kLowerX, kLowerY, 3, kUpperX, kUpperY, 3);
        });
        EXPECT_EQ(rec.fill.nshdpat, w.pattern) << w.areas << " areas";
    }

    captureStdout([] { endgrf(); });
    EXPECT_EQ(rec.shdcrv.nshdcnt, 0);
    closeHpgl();
}

// The legend shows each area as a box in its own pattern and colour: two
// areas in solid red and solid blue give the legend one fill of each.
TEST_F(ShadedCurves, TheLegendShowsEachAreaInItsPattern) {
    open("SVG", "plot.svg");
    standardAxes(true);
    const float low[3] = {2, 4, 6}, mid[3] = {2, 2, 2};
    captureStdout([&] {
        noarln();
        patcyc(2, 16);
        shdpat(16);
        setrgb(1, 0, 0);
        shdcrv(kLowerX, kLowerY, 3, low, mid, 3);
        setrgb(0, 0, 1);
        shdcrv(low, mid, 3, kUpperX, kUpperY, 3);
        char buf[2 * 4 + 1] = {};
        legini(buf, 2, 4);
        leglin(buf, "low", 1);
        leglin(buf, "high", 2);
        legend(buf, 3);
    });
    const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
    ASSERT_GE(fills.size(), 4u);
    const std::string red = fills[0].colour, blue = fills[1].colour;
    EXPECT_NE(red, blue);
    int legendRed = 0, legendBlue = 0;
    for (std::size_t k = 2; k < fills.size(); ++k) {
        legendRed += fills[k].colour == red;
        legendBlue += fills[k].colour == blue;
    }
    EXPECT_EQ(legendRed, 1);
    EXPECT_EQ(legendBlue, 1);
}

class ShadedCurvePixels : public RasterPixels<ShadedCurves> {
  protected:
    void openRaster() {
        RasterPixels::openRaster();
        standardAxes(true);
    }
};

// The area between the curves is filled, outside it the background stays; the
// part beyond the axis system is clipped away and its points reported.
TEST_F(ShadedCurvePixels, TheAreaIsFilledBetweenTheCurvesAndClippedToTheAxes) {
    openRaster();
    const float xa[2] = {2, 8}, ya[2] = {1, 1}, xb[2] = {2, 8}, yb[2] = {2, 8};
    const std::string out = captureStdout([&] {
        shdpat(16);
        setrgb(1, 0, 0);
        shdcrv(xa, ya, 2, xb, yb, 2);
    });
    EXPECT_EQ(out, " <<<< (8.000000 / 8.000000) out of axis scaling!\n");
    const std::array<int, 3> red{255, 0, 0};
    const RgbImage image = closeRaster();
    const auto background = at(image, 150, 650);
    EXPECT_NE(background, red);
    // User (5, 1.5) and (7, 4): between the curves.
    EXPECT_EQ(at(image, 700, 1050), red);
    EXPECT_EQ(at(image, 900, 800), red);
    // User (5, 0.5): below the lower curve; (3, 4): above the upper one.
    EXPECT_EQ(at(image, 700, 1150), background);
    EXPECT_EQ(at(image, 500, 800), background);
    // User (7.5, 6): inside the polygon but above the axis system.
    EXPECT_EQ(at(image, 950, 600), background);
}

TEST_F(ShadedCurves, BadInputWarnsAndDrawsNothing) {
    openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        scale("LOG", "Y");
        graf(0, 10, 0, 2, 0, 2, 0, 1);
    });
    GlobalRecord &rec = currentRecord();
    captureStdout([] { shdpat(5); });
    const float x[2] = {1, 2}, good[2] = {1, 10}, zero[2] = {1, 0};
    struct Case {
        std::function<void()> call;
        const char *warning;
        int counted; // areas counted by the call
    } cases[] = {
        {[&] { shdcrv(x, good, 2, x, zero, 2); },
         " <<<< Warning  27: Non positive values for log scaling in shdcrv!\n", 1},
        {[&] { shdcrv(x, good, -1, x, good, 2); },
         " <<<< Warning   2: Incorrect parameter in shdcrv!   (  -1)\n", 0},
        {[&] { shdcrv(x, good, 2, x, good, -3); },
         " <<<< Warning   2: Incorrect parameter in shdcrv!   (  -3)\n", 0},
        {[&] { shdcrv(x, good, 0, x, good, 0); },
         " <<<< Warning  30: Incorrect number of points in shdcrv!\n", 0},
        {[&] { shdcrv(x, good, INT_MAX, x, good, 2); },
         " <<<< Warning  30: Incorrect number of points in shdcrv!\n", 0},
        {[&] { shdcrv(nullptr, good, 2, x, good, 2); },
         " <<<< Warning   2: Incorrect parameter in shdcrv!\n", 0},
        {[&] { shdcrv(x, good, 2, x, nullptr, 2); },
         " <<<< Warning   2: Incorrect parameter in shdcrv!\n", 0},
    };
    for (const Case &c : cases) {
        const int before = rec.shdcrv.nshdcnt;
        EXPECT_EQ(captureStdout(c.call), c.warning);
        EXPECT_EQ(rec.shdcrv.nshdcnt, before + c.counted) << c.warning;
        EXPECT_EQ(rec.fill.nshdpat, 5) << "the pattern moves on only after an area";
    }
    // A curve with no points is allowed when the other has some.
    EXPECT_EQ(captureStdout([&] { shdcrv(x, good, 2, nullptr, nullptr, 0); }), "");
    EXPECT_TRUE(!closeHpgl().empty());

    openHpgl();
    EXPECT_EQ(captureStdout([&] { shdcrv(x, good, 2, x, good, 2); }),
              " <<<< Warning   3: Incorrect level in shdcrv!   (   1)\n");
    EXPECT_TRUE(closeHpgl().empty());
}

} // namespace
