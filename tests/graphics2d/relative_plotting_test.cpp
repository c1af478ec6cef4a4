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
