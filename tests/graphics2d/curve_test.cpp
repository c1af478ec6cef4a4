// Curves: the pen records of each mode, gaps, thick curves, markers, the
// reports of points outside the scaling, logarithmic axes, splines and the
// attribute cycle.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"
#include "tests/kernel/pen_trace.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

class Curves : public AxisTest {};

// Three points of the standard axes (100 plot units per user unit from
// (200, 1200)): P(1, 1) = (300, 1100), P(2, 3) = (400, 900), P(4, 2) = (600, 1000).
const float kX[3] = {1, 2, 4}, kY[3] = {1, 3, 2};

using Ops = std::vector<PenOp>;
PenOp M(float x, float y) {
    return {false, x, y};
}
PenOp D(float x, float y) {
    return {true, x, y};
}

TEST_F(Curves, EachModeDrawsItsPoints) {
    struct Case {
        const char *what;
        std::function<void()> setting;
        Ops expected;
    };
    const Case cases[] = {
        {"LINE", {}, {M(300, 1100), D(400, 900), D(600, 1000)}},
        // Half steps before the first and after the last point.
        {"STEP",
         [] { polcrv("STEP"); },
         {M(250, 1100), D(300, 1100), D(350, 1100), D(350, 900), D(400, 900), D(500, 900),
          D(500, 1000), D(600, 1000), D(700, 1000)}},
        {"STAI",
         [] { polcrv("STAI"); },
         {M(300, 1100), D(400, 1100), D(400, 900), D(600, 900), D(600, 1000)}},
        {"STEM",
         [] { polcrv("STEM"); },
         {M(300, 1200), D(300, 1100), M(400, 1200), D(400, 900), M(600, 1200), D(600, 1000)}},
        // Bars half the first x interval wide.
        {"BARS",
         [] {
             polcrv("BARS");
             barwth(0.5f);
         },
         {M(275, 1200), D(275, 1100), D(325, 1100), D(325, 1200), M(375, 1200), D(375, 900),
          D(425, 900), D(425, 1200), M(575, 1200), D(575, 1000), D(625, 1000), D(625, 1200)}},
        // Bars 40 plot units wide.
        {"BARS absolute",
         [] {
             polcrv("BARS");
             barwth(-40.0f);
         },
         {M(280, 1200), D(280, 1100), D(320, 1100), D(320, 1200), M(380, 1200), D(380, 900),
          D(420, 900), D(420, 1200), M(580, 1200), D(580, 1000), D(620, 1000), D(620, 1200)}},
        // Points further apart than the gap are not joined.
        {"LINE with a gap", [] { gapcrv(1.5f); }, {M(300, 1100), D(400, 900), M(600, 1000)}},
        {"STEP with a gap",
         [] {
             polcrv("STEP");
             gapcrv(1.5f);
         },
         {M(250, 1100), D(300, 1100), D(350, 1100), D(350, 900), D(400, 900), M(600, 1000)}},
        {"STAI with a gap",
         [] {
             polcrv("STAI");
             gapcrv(1.5f);
         },
         {M(300, 1100), D(400, 1100), D(400, 900), M(600, 1000)}},
    };
    for (const Case &c : cases) {
        openHpgl();
        if (c.setting) captureStdout(c.setting);
        standardAxes(true);
        captureStdout([] { curve(kX, kY, 3); });
        const Ops ops = closeHpgl();
        EXPECT_EQ(ops, c.expected) << c.what << ": " << describe(ops);
    }
}

TEST_F(Curves, FilledBarsAreFilledInsideTheirOutline) {
    openHpgl();
    captureStdout([] {
        polcrv("FBAR");
        barwth(0.5f);
    });
    standardAxes(true);
    captureStdout([] { curve(kX, kY, 3); });
    EXPECT_EQ(currentRecord().fill.nshdpat, 0); // the pattern comes back
    const Ops ops = closeHpgl();
    int inside = 0;
    for (const PenOp &op : ops) {
        const bool inBar = (op.x >= 275 && op.x <= 325 && op.y >= 1100) ||
                           (op.x >= 375 && op.x <= 425 && op.y >= 900) ||
                           (op.x >= 575 && op.x <= 625 && op.y >= 1000);
        EXPECT_TRUE(inBar) << describe({op});
        inside += op.draw && op.y > 1101 && op.y < 1199 ? 1 : 0;
    }
    EXPECT_GT(inside, 10); // scan lines, not only the outlines
}

TEST_F(Curves, ThickCurvesAreStrokedBesideEachOther) {
    openHpgl();
    captureStdout([] { thkcrv(3); });
    standardAxes(true);
    const float x[2] = {1, 9}, y[2] = {2, 2};
    captureStdout([&] { curve(x, y, 2); });
    EXPECT_FLOAT_EQ(currentRecord().line.xlinoff, 0.0f);
    // Offsets 0, 1 and -1 plot units.
    const std::multiset<Segment> expected{segment(300, 1000, 1100, 1000),
                                          segment(300, 999, 1100, 999),
                                          segment(300, 1001, 1100, 1001)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(Curves, MarkersEveryNthPointAndNoLine) {
    openHpgl();
    captureStdout([] {
        marker(3);
        incmrk(-2);
    });
    standardAxes(true);
    const float x[5] = {1, 2, 3, 4, 5}, y[5] = {1, 1, 1, 1, 1};
    captureStdout([&] { curve(x, y, 5); });
    const Ops ops = closeHpgl();
    ASSERT_FALSE(ops.empty());
    bool near[5] = {};
    for (const PenOp &op : ops) {
        const int i = int(std::lround((op.x - 200) / 100)) - 1;
        ASSERT_TRUE(i >= 0 && i < 5) << describe({op});
        EXPECT_LE(std::fabs(op.x - (300 + 100 * i)), 18.5f);
        EXPECT_LE(std::fabs(op.y - 1100), 18.5f);
        near[i] = true;
    }
    EXPECT_TRUE(near[0] && near[2] && near[4]);
    EXPECT_FALSE(near[1] || near[3]);
}

TEST_F(Curves, OnePointNeedsMarkersOnly) {
    openHpgl();
    standardAxes(true);
    const float x = 5, y = 2;
    EXPECT_EQ(captureStdout([&] { curve(&x, &y, 1); }),
              " <<<< Warning   2: Incorrect parameter in curve!\n");
    EXPECT_EQ(captureStdout([&] { curve(&x, &y, 0); }),
              " <<<< Warning   2: Incorrect parameter in curve!\n");
    EXPECT_TRUE(closeHpgl().empty());
    openHpgl();
    captureStdout([] { incmrk(-1); });
    standardAxes(true);
    EXPECT_EQ(captureStdout([&] { curve(&x, &y, 1); }), "");
    EXPECT_FALSE(closeHpgl().empty());
}

TEST_F(Curves, PointsOutsideTheScalingAreReported) {
    GlobalRecord &rec = openHpgl();
    standardAxes(true);
    const float x[4] = {2.0e7f, 12, 5, 3}, y[4] = {1, 3, -2.5e-7f, 4};
    EXPECT_EQ(captureStdout([&] { curve(x, y, 4); }),
              " <<<< (  2.0000e+07 / 1.000000) out of axis scaling!\n"
              " <<<< (12.000000 / 3.000000) out of axis scaling!\n"
              " <<<< (5.000000 / -2.5000e-07) out of axis scaling!\n");
    EXPECT_EQ(rec.msg.ichkpnt, 1);
    EXPECT_EQ(captureStdout([&] {
                  errmod("CHEC", "OFF");
                  curve(x, y, 4);
                  errmod("CHEC", "ON");
                  nochek();
                  curve(x, y, 4);
              }),
              "");
    // The lines are drawn all the same.
    EXPECT_FALSE(closeHpgl().empty());
}

TEST_F(Curves, ReportsIgnoreTheCallersDecimalComma) {
    TempDir locales;
    const std::string command = "localedef -i de_DE -f UTF-8 '" + locales.file("de_DE.UTF-8") + "'";
    ASSERT_LE(runCommand(command), 1); // 1: warnings only
    setenv("LOCPATH", locales.path().c_str(), 1);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    openHpgl();
    standardAxes(true);
    const float x[2] = {12.5f, 3}, y[2] = {1, 2};
    const std::string out = captureStdout([&] { curve(x, y, 2); });
    std::setlocale(LC_ALL, "C");
    unsetenv("LOCPATH");
    EXPECT_EQ(out, " <<<< (12.500000 / 1.000000) out of axis scaling!\n");
    closeHpgl();
}

TEST_F(Curves, LogarithmicAxesRefuseValuesAtOrBelowZero) {
    openHpgl();
    captureStdout([] {
        scale("LOG", "Y");
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        grace(0);
        axspos(200, 1200);
        axslen(1001, 501);
        graf(0, 10, 0, 2, 0, 2, 0, 1); // Y from 1 to 100: 250 units a decade
    });
    const float x[2] = {1, 5}, y[2] = {0, 10};
    EXPECT_EQ(captureStdout([&] { curve(x, y, 2); }),
              " <<<< Warning  27: Non positive values for log scaling in curve!\n");
    EXPECT_EQ(currentRecord().curve.icyccrv, 1); // no curve, no advance
    // With neglog the zero stands at 2: log10(2) decades up.
    captureStdout([&] {
        neglog(2.0f);
        curve(x, y, 2);
    });
    const Ops ops = closeHpgl();
    ASSERT_EQ(ops.size(), 2u) << describe(ops);
    EXPECT_EQ(ops[0], M(300, 1124.75f));
    EXPECT_EQ(ops[1], D(700, 950));
}

TEST_F(Curves, SplinesThroughThePoints) {
    openHpgl();
    standardAxes(true);
    std::vector<float> x(143), y(143);
    for (int i = 0; i < 143; ++i) {
        x[i] = 0.05f + 0.05f * float(i);
        y[i] = 2.5f + 2.0f * std::sin(x[i]);
    }
    captureStdout([] { polcrv("SPLI"); });
    // Order 3: (2 * 3 + 1) * n may not pass 1000.
    EXPECT_EQ(captureStdout([&] { curve(x.data(), y.data(), 143); }),
              " <<<< Warning  31: Incorrect number of points for spline interpolation in curve!   "
              "( 143)\n");
    EXPECT_EQ(captureStdout([&] { curve(x.data(), y.data(), 142); }), "");
    const float back[4] = {1, 3, 2, 4}, up[4] = {1, 2, 3, 2};
    EXPECT_EQ(
        captureStdout([&] { curve(back, up, 4); }),
        " <<<< Warning  32: No increasing x coordinates for spline interpolation in curve!\n");
    captureStdout([&] {
        splmod(3, 10);
        polcrv("PSPL");
        curve(back, up, 4); // a parametric spline may turn back
    });
    const Ops ops = closeHpgl();
    // 200 draws through the interpolated points of the first spline, 10 of
    // the second; both start and end on their data.
    Ops draws;
    for (const PenOp &op : ops)
        if (op.draw) draws.push_back(op);
    ASSERT_EQ(draws.size(), 210u);
    EXPECT_FALSE(ops[0].draw);
    EXPECT_NEAR(ops[0].x, 205, 0.25);
    EXPECT_NEAR(ops[0].y, 1200 - 100 * y[0], 0.25);
    EXPECT_NEAR(draws[199].x, 200 + 100 * x[141], 0.25);
    EXPECT_NEAR(draws[199].y, 1200 - 100 * y[141], 0.25);
    EXPECT_EQ(draws[209], D(600, 1000));
}

TEST_F(Curves, SplineTakesTheCurveModeAndTheLogarithmicAxis) {
    open();
    const float x[4] = {1, 10, 100, 1000}, y[4] = {1, 2, 1, 2};
    float xs[11] = {}, ys[11] = {};
    int n = 0;
    captureStdout([&] {
        splmod(3, 10);
        scale("LOG", "X");
        spline(x, y, 4, xs, ys, &n);
    });
    ASSERT_EQ(n, 11);
    for (int i = 0; i <= 10; ++i)
        EXPECT_NEAR(std::log10(xs[i]), 0.3 * i, 1e-5) << i;
    // The parametric form of PSPL lets x turn back.
    const float back[4] = {1, 3, 2, 4};
    EXPECT_EQ(captureStdout([&] {
                  scale("LIN", "X");
                  polcrv("PSPL");
                  spline(back, y, 4, xs, ys, &n);
              }),
              "");
    EXPECT_FLOAT_EQ(xs[10], 4.0f);
    close();
}

TEST_F(Curves, AttributesCycleOverThirtyEntries) {
    GlobalRecord &rec = open();
    standardAxes(true);
    captureStdout([&] {
        rec.curve.ichncrv = int(CurveCycling::colour);
        clrcyc(1, 101);
        clrcyc(30, 130);
        color("RED");
    });
    const int red = rec.colour.ncolor;
    const float x[2] = {1, 2}, y[2] = {1, 2};
    for (int k = 1; k <= 31; ++k)
        captureStdout([&] { curve(x, y, 2); });
    EXPECT_EQ(rec.colour.ncolor, red); // each curve gives the colour back
    EXPECT_EQ(rec.curve.icyccrv, 2);
    std::vector<int> colours;
    for (const std::string &t : penTrace(close(), rec))
        if (t[0] == 'C') colours.push_back(std::stoi(t.substr(2)));
    // Each curve: its cycle colour, then red again; the 31st starts over.
    ASSERT_GE(colours.size(), 6u);
    const std::vector<int> last(colours.end() - 6, colours.end());
    const int back = last[5]; // red as the metafile gives it
    EXPECT_EQ(last, (std::vector<int>{last[0], back, 130, back, 101, back}));
    EXPECT_NE(last[0], 130);
}

// resatt starts the cycle and the markers over, so the next curve looks like
// the first; it needs no plot and says nothing before one.
TEST_F(Curves, ResattStartsTheCycleAndTheMarkersOver) {
    EXPECT_EQ(captureStdout([] { resatt(); }), "");
    GlobalRecord &rec = open();
    standardAxes(true);
    const float x[2] = {1, 2}, y[2] = {1, 2};
    captureStdout([&] {
        rec.curve.ichncrv = int(CurveCycling::both);
        marker(4);
        incmrk(1);
        for (int k = 0; k < 3; ++k)
            curve(x, y, 2);
    });
    EXPECT_EQ(rec.curve.icyccrv, 4);
    EXPECT_EQ(rec.curve.nmarker, 7);
    captureStdout([&] {
        resatt();
        curve(x, y, 2);
    });
    EXPECT_EQ(rec.curve.icyccrv, 2); // the curve took entry 1 and advanced
    EXPECT_EQ(rec.curve.nmarker, 1); // marker 0 drawn, then the next
    close();
}

TEST_F(Curves, GroupsOfCurvesShareAttributesAndLegendEntries) {
    GlobalRecord &rec = open();
    standardAxes(true);
    const float x[2] = {1, 2}, y[2] = {1, 2};
    captureStdout([&] {
        rec.curve.ichncrv = int(CurveCycling::both);
        inccrv(2);
        marker(4);
        incmrk(1);
        thkcrv(2);
        for (int k = 0; k < 5; ++k)
            curve(x, y, 2);
    });
    // Five curves in groups of two: entries 1, 2, 3; markers 4, 5, 6.
    EXPECT_EQ(rec.curve.icyccrv, 3);
    EXPECT_EQ(rec.legend.nlegcrv, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rec.legend.nlegsym[i], 4 + i);
        EXPECT_EQ(rec.legend.nlegtyp[i], rec.curve.nlincyc[i]);
        EXPECT_EQ(rec.legend.nlegclr[i], rec.colour.nclrcyc[i]);
        EXPECT_EQ(rec.legend.nlegthk[i], 2);
        EXPECT_EQ(rec.legend.nlegpat[i], -1);
    }
    EXPECT_EQ(rec.line.ilintyp, 0); // the line style comes back
    captureStdout([] { endgrf(); });
    EXPECT_EQ(rec.curve.nlegcrv, 1);
    EXPECT_EQ(rec.legend.nlegcrv, 0);
    EXPECT_EQ(rec.curve.nmarker, 0);
    EXPECT_EQ(rec.curve.icyccrv, 1);
    close();
}

} // namespace
