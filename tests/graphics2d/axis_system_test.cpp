// The 2-D axis system: its checks, its axes, ticks and frame on the page
// (HPGL pen records), the sides setgrf allows, crossed systems, clipping, and
// the conversions between user and plot coordinates.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>

#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/test_time.h"

namespace {

class AxisSystem : public AxisTest {};

// The segments of an axis system 0..10 by 0..5 at (200, 1200), 1001 x 501
// units, without labels: axis lines and ticks (2 per label step) as the
// sides draw them.
std::multiset<Segment> bottomAxis() {
    std::multiset<Segment> s{segment(200, 1200, 1200, 1200)};
    for (int i = 0; i <= 10; ++i)
        s.insert(segment(200 + 100 * i, 1200, 200 + 100 * i, i % 2 == 0 ? 1224 : 1216));
    return s;
}
std::multiset<Segment> topAxis() {
    std::multiset<Segment> s{segment(200, 700, 1200, 700)};
    for (int i = 0; i <= 10; ++i)
        s.insert(segment(200 + 100 * i, 700, 200 + 100 * i, i % 2 == 0 ? 676 : 684));
    return s;
}
std::multiset<Segment> leftAxis() {
    std::multiset<Segment> s{segment(200, 1200, 200, 700)};
    for (int i = 0; i <= 10; ++i)
        s.insert(segment(200, 1200 - 50 * i, i % 2 == 0 ? 176 : 184, 1200 - 50 * i));
    return s;
}
std::multiset<Segment> rightAxis() {
    std::multiset<Segment> s{segment(1200, 1200, 1200, 700)};
    for (int i = 0; i <= 10; ++i)
        s.insert(segment(1200, 1200 - 50 * i, i % 2 == 0 ? 1224 : 1216, 1200 - 50 * i));
    return s;
}
std::multiset<Segment> joined(std::initializer_list<std::multiset<Segment>> parts) {
    std::multiset<Segment> all;
    for (const auto &p : parts)
        all.insert(p.begin(), p.end());
    return all;
}

TEST_F(AxisSystem, FourAxesWithTicksOnTheSidesThatAllowThem) {
    struct Case {
        const char *what;
        std::function<void()> setting;
        std::multiset<Segment> expected;
    };
    const Case cases[] = {
        {"default", {}, joined({bottomAxis(), leftAxis(), topAxis(), rightAxis()})},
        {"ax2grf", [] { ax2grf(); }, joined({bottomAxis(), leftAxis()})},
        {"setgrf", [] { setgrf("LINE", "NONE", "NONE", "TICK"); },
         joined({{segment(200, 1200, 1200, 1200)}, rightAxis()})},
        {"nograf", [] { nograf(); }, {}},
    };
    for (const Case &c : cases) {
        openHpgl();
        captureStdout([&] {
            labels("NONE", "XY");
            frame(0);
            if (c.setting) c.setting();
        });
        standardAxes(false);
        EXPECT_EQ(getlev(), 2) << c.what;
        EXPECT_FLOAT_EQ(xposn(10.0f), 1200.0f) << c.what;
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        EXPECT_EQ(drawn, c.expected) << c.what;
    }
}

TEST_F(AxisSystem, TheFrameGrowsOutwardsRingByRing) {
    openHpgl();
    standardAxes(true);
    captureStdout([] {
        frame(3);
        box2d();
    });
    std::multiset<Segment> rings;
    for (int k = 0; k < 3; ++k) {
        const float l = 200 - k, r = 1200 + k, t = 700 - k, b = 1200 + k;
        rings.insert(
            {segment(l, t, r, t), segment(r, t, r, b), segment(r, b, l, b), segment(l, b, l, t)});
    }
    EXPECT_EQ(segmentsOf(closeHpgl()), rings);
}

// Ticks are drawn forward and backward in turn; each plot starts forward, so
// the same plot gives the same bytes whatever the program drew before it.
TEST_F(AxisSystem, TheSamePlotTwiceGivesTheSameBytes) {
    auto plot = [this](bool bottomAndLeftOnly) {
        openHpgl();
        captureStdout([bottomAndLeftOnly] {
            axspos(200, 1200);
            axslen(1001, 501);
            ticks(1, "XY");
            if (bottomAndLeftOnly) setgrf("NAME", "NAME", "NONE", "NONE");
            graf(0.0f, 10.0f, 0.0f, 5.0f, 0.0f, 5.0f, 0.0f, 1.0f);
        });
        return close("plot.hpg");
    };
    const std::string first = plot(false);
    plot(true); // 3 + 6 ticks: an odd number
    EXPECT_EQ(plot(false), first);
}

// Steps, counts and thicknesses whose loops would run for billions of steps:
// each call ends at once, says what it left out, and draws what can be seen.
TEST_F(AxisSystem, MarksCloserThanAPlotUnitAreLeftOut) {
    struct Case {
        const char *what;
        std::function<void()> draw;
        const char *warning; // a line of the output
    };
    const char *ticks = " <<<< Warning 101: Ticks closer than a plot unit in ";
    const char *labels = " <<<< Warning 101: Labels closer than a plot unit in ";
    const Case cases[] = {
        {"tiny step", [] { graf(0, 1, 0, 1, 0, 1, 0, 1.0e-30f); }, labels},
        {"tiny step on a long axis", [] { graf(0, 1.0e6f, 0, 1.0e-6f, 0, 1, 0, 1); }, ticks},
        {"logarithmic step",
         [] {
             scale("LOG", "X");
             graf(0, 3, 0, 1.0e-5f, 0, 1, 0, 1);
         },
         labels},
        {"single axis", [] { xaxis(0, 1, 0, 1.0e-9f, 1000, "X", 0, 200, 1200); }, labels},
        {"polar angles", [] { polar(1, 0, 0.5f, 0, 1.0e-7f); }, ticks},
        {"grid lines",
         [] {
             graf(0, 10, 0, 2, 0, 5, 0, 1);
             grid(INT_MAX, INT_MAX);
         },
         ""},
        {"polar grid",
         [] {
             polar(1, 0, 0.5f, 0, 90);
             grdpol(1000000, 1000000);
         },
         " <<<< Warning 101: Grid circles closer than a plot unit in grdpol!"},
        {"frame",
         [] {
             frame(INT_MAX);
             graf(0, 10, 0, 2, 0, 5, 0, 1);
         },
         " <<<< Warning 101: Frame thicker than the page in graf!"},
        {"text frame",
         [] {
             frmess(INT_MAX);
             messag("framed", 500, 500);
         },
         " <<<< Warning 101: Frame thicker than the page in messag!"},
    };
    // A step that would draw billions of ticks or lines never ends: the
    // watchdog fails it.
    const Watchdog watchdog(60);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openHpgl();
        const std::string out = captureStdout([&] {
            axspos(200, 1200);
            axslen(1001, 501);
            c.draw();
        });
        EXPECT_NE(out.find(c.warning), std::string::npos) << out;
        EXPECT_LT(close("plot.hpg").size(), 2000000u);
    }
}

TEST_F(AxisSystem, CrossedAxesMeetAtTheUserOrigin) {
    openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "XY");
        axstyp("CROS");
        axspos(200, 1200);
        axslen(1001, 1001);
        graf(-5, 5, -5, 1, -5, 5, -5, 1);
    });
    EXPECT_EQ(currentRecord().axsys.naxsorg[0], 700);
    EXPECT_EQ(currentRecord().axsys.naxsorg[1], 700);
    const std::multiset<Segment> expected{segment(200, 700, 1200, 700),
                                          segment(700, 1200, 700, 200)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

// axsorg places the user origin of a crossed axis system; the corner
// follows from it. A point off the page is refused.
TEST_F(AxisSystem, AxsorgPlacesTheCrossingPoint) {
    openHpgl();
    EXPECT_EQ(captureStdout([] { axsorg(5000, 800); }),
              " <<<< Warning   2: Incorrect parameter in axsorg!   (5000)\n");
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "XY");
        axstyp("CROS");
        axsorg(600, 800);
        axslen(1001, 1001);
        graf(-5, 5, -5, 1, -5, 5, -5, 1);
    });
    EXPECT_EQ(currentRecord().axsys.naxspos[0], 100);
    EXPECT_EQ(currentRecord().axsys.naxspos[1], 1300);
    const std::multiset<Segment> expected{segment(100, 800, 1100, 800),
                                          segment(600, 1300, 600, 300)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(AxisSystem, UnusableAxesAndOtherFaults) {
    struct Case {
        std::function<void()> call;
        std::string output;
        int level;
    };
    const Case cases[] = {
        {[] { graf(1, 1, 1, 0, 0, 5, 0, 1); },
         " <<<< Warning  10: Begin and end of scaling are equal in graf!\n"
         " <<<< Warning   9: Step equal zero in graf!\n",
         1},
        {[] { graf(0, 10, 11, 2, 0, 5, 0, 1); },
         " <<<< Warning  12: Startlabel out of scaling in graf!\n", 2},
        {[] { graf(0, 10, 0, -2, 5, 0, 5, -1); },
         " <<<< Warning  50: Incorrect sign for step in graf!\n", 2},
        {[] {
             axstyp("CROS");
             graf(1, 10, 1, 1, -1, 1, -1, 1);
         },
         " <<<< Warning 101: No origin found for crossed axis system in graf!\n", 1},
        {[] {
             axstyp("CROS");
             scale("LOG", "Y");
             graf(-1, 1, -1, 1, 0, 2, 0, 1);
         },
         " <<<< Warning 101: Crossed axis systems must have linear scaling in graf!\n", 1},
    };
    for (const Case &c : cases) {
        open();
        EXPECT_EQ(captureStdout(c.call), c.output);
        EXPECT_EQ(getlev(), c.level);
        close();
    }
}

TEST_F(AxisSystem, UserAndPlotCoordinates) {
    openHpgl();
    standardAxes(true);
    EXPECT_FLOAT_EQ(xposn(10) - xposn(0), 1000.0f); // X length - 1
    EXPECT_EQ(nxposn(7.3f), 930);
    EXPECT_FLOAT_EQ(xinvrs(930), 7.3f);
    EXPECT_EQ(nyposn(0), 1200);
    EXPECT_FLOAT_EQ(yposn(5), 700.0f);
    float x[2] = {0, 10}, y[2] = {0, 5};
    trfrel(x, y, 2);
    EXPECT_FLOAT_EQ(x[1], 1200.0f);
    EXPECT_FLOAT_EQ(y[1], 700.0f);
    // A page origin at the bottom turns the y values the caller sees.
    captureStdout([] { pagorg("BOTTOM"); });
    const int bottom = currentRecord().page.nypage;
    EXPECT_EQ(nyposn(0), bottom - 1200);
    EXPECT_FLOAT_EQ(yinvrs(bottom - 1200), 0.0f);
    EXPECT_FLOAT_EQ(y2dpos(0, 5), float(bottom - 700));
    // Far values are clamped by the internal transformation only.
    EXPECT_FLOAT_EQ(x2dpos(1.0e30f, 0), 1.0e6f);
    EXPECT_GT(xposn(1.0e30f), 1.0e6f);
    captureStdout([] { endgrf(); });
    float px = 0, py = 0;
    pos2pt(5, 5, &px, &py); // the last axis system, at level 1
    EXPECT_FLOAT_EQ(px, 700.0f);
    EXPECT_FLOAT_EQ(py, float(bottom - 700));
    EXPECT_EQ(captureStdout([] { xposn(1); }),
              " <<<< Warning   3: Incorrect level in xposn!   (   1)\n");
    close();
}

// Arrays that a C caller leaves null are refused, not read.
TEST_F(AxisSystem, NullArraysAreRefused) {
    openHpgl();
    standardAxes(true);
    const float v[2] = {1, 2};
    float w[2] = {1, 2};
    struct Case {
        const char *name;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"curve", [&] { curve(nullptr, v, 2); }},
        {"curve", [&] { curve(v, nullptr, 2); }},
        {"rlarea", [&] { rlarea(v, nullptr, 2); }},
        {"trfrel", [&] { trfrel(nullptr, w, 2); }},
        {"setscl",
         [&] {
             endgrf();
             setscl(nullptr, 2, "X");
         }},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout(c.call),
                  std::string(" <<<< Warning   2: Incorrect parameter in ") + c.name + "!\n");
    EXPECT_EQ(currentRecord().axes.isetscl[0], 0);
    EXPECT_FLOAT_EQ(w[1], 2.0f); // trfrel converted nothing
    EXPECT_TRUE(closeHpgl().empty());
}

TEST_F(AxisSystem, RoundedPositionsOfFarValuesStopWhereAnIntEnds) {
    openHpgl();
    standardAxes(true);
    const int bottom = currentRecord().page.nypage;
    struct Case {
        const char *what;
        int got, expected;
    };
    const Case cases[] = {
        {"x far right", nxposn(1.0e30f), 1000000000},
        {"x far left", nxposn(-1.0e30f), -1000000000},
        {"y far up", nyposn(1.0e30f), -1000000000},
        {"y far down", nyposn(-1.0e30f), 1000000000},
        {"x far but inside an int", nxposn(1.0e6f), 100000200},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
    captureStdout([] { pagorg("BOTTOM"); });
    EXPECT_EQ(nyposn(1.0e30f), 1000000000); // bottom + 10^9 is held there too
    EXPECT_GT(bottom, 0);
    close();
}

TEST_F(AxisSystem, LogarithmicAxesTakeExponents) {
    open();
    captureStdout([] {
        scale("LOG", "X");
        axspos(200, 1200);
        axslen(1001, 501);
        graf(0, 2, 0, 1, 0, 5, 0, 1);
    });
    EXPECT_FLOAT_EQ(xposn(10), 700.0f);
    EXPECT_FLOAT_EQ(xinvrs(700), 10.0f);
    EXPECT_FLOAT_EQ(x2dpos(0, 0), -1.0e6f); // log10(0) is minus infinity
    captureStdout([] { neglog(0.1f); });
    EXPECT_FLOAT_EQ(x2dpos(0, 0), -300.0f);
    EXPECT_FLOAT_EQ(x2dpos(-4, 0), -300.0f);
    close();
}

TEST_F(AxisSystem, TheAxisSystemClipsWhatIsDrawnInIt) {
    GlobalRecord &rec = openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
    });
    standardAxes(false);
    // The default grace draws one unit inside the axis lines on a vector device.
    EXPECT_EQ(rec.axsys.nclpaxs[0], 201);
    EXPECT_EQ(rec.axsys.nclpaxs[1], 701);
    EXPECT_EQ(rec.axsys.nclpaxs[2], 1199);
    EXPECT_EQ(rec.axsys.nclpaxs[3], 1199);
    const float x[4] = {-2, 5, 12, 5}, y[4] = {2.5f, 8, 2.5f, -3};
    captureStdout([&] { curve(x, y, 4); });
    EXPECT_EQ(rec.clip.nclpwin[2], rec.page.nxpage); // the page window again
    const std::vector<PenOp> ops = closeHpgl();
    ASSERT_FALSE(ops.empty());
    for (const PenOp &op : ops) {
        EXPECT_GE(op.x, 201);
        EXPECT_LE(op.x, 1199);
        EXPECT_GE(op.y, 701);
        EXPECT_LE(op.y, 1199);
    }
}

// clpmod: a curve through the axis system along y = 2.5, from x = -2 to 12,
// is cut at the axis system (AUTO, RECT), not at all (NONE) or at the
// circle inside the axis system (CIRC, radius half the shorter side).
TEST_F(AxisSystem, ClpmodChoosesWhereCurvesAreCut) {
    struct Case {
        const char *mode;
        float left, right;
    } cases[] = {{"AUTO", 200, 1200}, {"RECT", 200, 1200}, {"NONE", 0, 1400}, {"CIRC", 450, 950}};
    openHpgl();
    EXPECT_EQ(captureStdout([] { clpmod("OVAL"); }),
              " <<<< Warning   2: Incorrect parameter in clpmod!   (OVAL)\n");
    EXPECT_EQ(currentRecord().clip.iclpmod, 0);
    closeHpgl();
    for (const Case &c : cases) {
        openHpgl();
        captureStdout([&] { clpmod(c.mode); });
        standardAxes(true);
        const float x[2] = {-2, 12}, y[2] = {2.5f, 2.5f};
        captureStdout([&] { curve(x, y, 2); });
        const std::vector<PenOp> ops = closeHpgl();
        ASSERT_FALSE(ops.empty()) << c.mode;
        float left = 1e9f, right = -1e9f;
        for (const PenOp &op : ops) {
            left = std::min(left, op.x);
            right = std::max(right, op.x);
        }
        EXPECT_NEAR(left, c.left, 1.5) << c.mode;
        EXPECT_NEAR(right, c.right, 1.5) << c.mode;
    }
}

TEST_F(AxisSystem, ClpborKeepsTheAxisSystemAsBorderUntilEndgrf) {
    GlobalRecord &rec = openHpgl();
    standardAxes(true);
    captureStdout([] { clpbor("AXIS"); });
    EXPECT_EQ(rec.clip.iclpbor, 2);
    EXPECT_EQ(rec.clip.nclpwin[0], 200);
    EXPECT_EQ(rec.clip.nclpwin[3], 1200);
    captureStdout([] { line(0, 900, 2000, 900); });
    captureStdout([] { endgrf(); });
    EXPECT_EQ(rec.clip.iclpbor, 0);
    EXPECT_EQ(rec.clip.nclpwin[2], rec.page.nxpage);
    const std::multiset<Segment> expected{segment(200, 900, 1200, 900)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(AxisSystem, CentringLeavesEqualMarginsOnBothSides) {
    GlobalRecord &rec = open();
    captureStdout([] {
        ax2grf();
        labels("NONE", "X");
        center();
        axslen(1001, 501);
        graf(0, 10, 0, 2, -1000, 1000, -1000, 500);
    });
    // Left of the axis system: ticks, the longest label "-1000.0" and the label
    // distance; right of it nothing.
    const int longest = nlmess("-1000.0");
    const int left = 24 + longest + 24;
    const int freeWidth = rec.page.nxpage - 1001 - left;
    const int x = rec.axsys.naxspos[0] + rec.page.nxorg;
    EXPECT_EQ(x - left, freeWidth / 2);
    EXPECT_NEAR(double(x - left), double(rec.page.nxpage - (x + 1001)), 1.0);
    EXPECT_EQ(rec.axsys.icenter, 2);
    close();
}

} // namespace
