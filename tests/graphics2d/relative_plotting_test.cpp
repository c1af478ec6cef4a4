// Page figures at user coordinates: converted points and sizes, clipping to
// the axis system where the routine clips, the checks of the points, levels.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class RelativePlotting : public AxisTest {};

TEST_F(RelativePlotting, LinesAndRectanglesAtUserCoordinates) {
    openHpgl();
    standardAxes(true);
    const std::string out = captureStdout([] {
        rline(-5, 2, 15, 2); // clipped to the axis system
        rlstrt(-1, 1);       // not clipped: the page is the limit
        rlconn(1, 1);
        rlrec(2, 4, 3, 2); // upper-left corner (2, 4), 3 wide, 2 high
        const float x[3] = {6, 8, 7}, y[3] = {1, 1, 3};
        rlarea(x, y, 3);
    });
    EXPECT_EQ(out, " <<<< (-5.000000 / 2.000000) out of axis scaling!\n"
                   " <<<< (15.000000 / 2.000000) out of axis scaling!\n"
                   " <<<< (-1.000000 / 1.000000) out of axis scaling!\n");
    const std::multiset<Segment> expected{
        segment(200, 1000, 1200, 1000), segment(100, 1100, 300, 1100),
        segment(400, 800, 699, 800),    segment(699, 800, 699, 999),
        segment(699, 999, 400, 999),    segment(400, 999, 400, 800),
        segment(800, 1100, 1000, 1100), segment(1000, 1100, 900, 900),
        segment(900, 900, 800, 1100)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(RelativePlotting, CirclesTakeTheirRadiusFromTheXScale) {
    openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        axspos(200, 1200);
        axslen(1001, 1001);
        graf(0, 10, 0, 2, 0, 5, 0, 1); // 100 units in x, 200 in y per user unit
        rlcirc(5, 2.5f, 1);
    });
    const std::vector<PenOp> ops = closeHpgl();
    ASSERT_GT(ops.size(), 8u);
    for (const PenOp &op : ops)
        EXPECT_NEAR(std::hypot(op.x - 700, op.y - 700), 100, 1.5) << describe({op});
}

// Each figure at user coordinates draws what its page routine draws at the
// converted points and sizes: 100 plot units per user unit, the user point
// (5, 2.5) at (700, 950). The figures lie inside the axis system, so its
// clipping leaves them whole.
TEST_F(RelativePlotting, FiguresMatchTheirPageRoutinesAtConvertedPoints) {
    struct Case {
        const char *name;
        void (*user)();
        void (*page)();
    } cases[] = {
        {"rlell", [] { rlell(5, 2.5f, 2, 1); }, [] { ellips(700, 950, 200, 100); }},
        {"rlarc", [] { rlarc(5, 2.5f, 2, 1, 30, 250, 20); },
         [] { arcell(700, 950, 200, 100, 30, 250, 20); }},
        {"rlpie", [] { rlpie(5, 2.5f, 1.5f, 10, 100); }, [] { pie(700, 950, 150, 10, 100); }},
        {"rlrnd", [] { rlrnd(2, 4, 3, 2, 3); }, [] { rndrec(400, 800, 300, 200, 3); }},
        {"rlsec", [] { rlsec(5, 2.5f, 0.5f, 1.5f, 0, 120, 3); },
         [] { sector(700, 950, 50, 150, 0, 120, 3); }},
        {"rlvec", [] { rlvec(1, 1, 6, 4, 1421); }, [] { vector(300, 1100, 800, 800, 1421); }},
    };
    for (const Case &c : cases) {
        std::vector<PenOp> drawn[2];
        for (int pass = 0; pass < 2; ++pass) {
            openHpgl();
            standardAxes(true);
            EXPECT_EQ(captureStdout(pass == 0 ? c.user : c.page), "") << c.name;
            drawn[pass] = closeHpgl();
        }
        EXPECT_GT(drawn[0].size(), 3u) << c.name;
        EXPECT_EQ(drawn[0], drawn[1])
            << c.name << ": " << describe(drawn[0]) << " against " << describe(drawn[1]);
    }
}

// The user figures need an axis system; on logarithmic axes the points and
// the corner reached by the size must be positive.
TEST_F(RelativePlotting, FiguresNeedAnAxisSystemAndPositiveLogValues) {
    openHpgl();
    EXPECT_EQ(captureStdout([] {
                  rlell(5, 2.5f, 1, 1);
                  rlvec(1, 1, 2, 2, 1421);
              }),
              " <<<< Warning   3: Incorrect level in rlell!   (   1)\n"
              " <<<< Warning   3: Incorrect level in rlvec!   (   1)\n");
    captureStdout([] {
        scale("LOG", "X");
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        graf(0, 2, 0, 1, 0, 5, 0, 1);
    });
    EXPECT_EQ(captureStdout([] {
                  rlarc(10, 2, -20, 1, 0, 90, 0);
                  rlpie(-1, 2, 1, 0, 90);
                  rlrnd(-5, 4, 1, 1, 1);
              }),
              " <<<< Warning  27: Non positive values for log scaling in rlarc!\n"
              " <<<< Warning  27: Non positive values for log scaling in rlpie!\n"
              " <<<< Warning  27: Non positive values for log scaling in rlrnd!\n");
    EXPECT_TRUE(closeHpgl().empty());
}

TEST_F(RelativePlotting, PointsOutsideAreReportedAndContinuedItemsAreNotConverted) {
    openHpgl();
    standardAxes(true);
    EXPECT_EQ(captureStdout([] { rlpoin(12, 1, 10, 10, 3); }),
              " <<<< (  1.2000e+01 /  1.0000e+00) out of axis scaling!\n");
    EXPECT_EQ(captureStdout([] {
                  rlsymb(3, 2, 2);
                  rlsymb(3, 999, 999);
                  rlmess("A", 999, 999);
              }),
              "");
    EXPECT_EQ(captureStdout([] { rlnumb(1.5f, 101, 2, 2); }),
              " <<<< Warning   2: Incorrect parameter in rlnumb!   ( 101)\n");
    captureStdout([] { endgrf(); });
    EXPECT_EQ(captureStdout([] { rline(0, 0, 1, 1); }),
              " <<<< Warning   3: Incorrect level in rline!   (   1)\n");
    closeHpgl();
}

TEST_F(RelativePlotting, AColouredPointLeavesTheColourInForce) {
    openHpgl(); // HPGL fills with lines in the box's colour
    standardAxes(true);
    captureStdout([] {
        setclr(5);
        rlpoin(2, 2, 10, 10, 3);
    });
    EXPECT_EQ(getclr(), 5);
    closeHpgl();
}

TEST_F(RelativePlotting, LogarithmicAxesRefuseTheFigure) {
    openHpgl();
    captureStdout([] {
        scale("LOG", "X");
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        graf(0, 2, 0, 1, 0, 5, 0, 1);
    });
    EXPECT_EQ(captureStdout([] { rlcirc(10, 2, -20); }),
              " <<<< Warning  27: Non positive values for log scaling in rlcirc!\n");
    EXPECT_TRUE(closeHpgl().empty());
}

} // namespace
