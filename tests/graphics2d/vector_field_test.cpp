// Vector fields: each arrow lands where vector would draw it between the
// converted points, clipped to the axis system; a failing arrow is skipped
// on its own.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class VectorField : public AxisTest {};

// The page origin at the bottom must not mirror the arrows a second time.
TEST_F(VectorField, ArrowsLandWhereVectorDrawsThem) {
    openHpgl();
    captureStdout([] {
        vector(300, 1100, 500, 1000, 1421);
        vector(800, 800, 1000, 1100, 1421);
        vector(250, 800, 400, 750, 2301);
    });
    const std::multiset<Segment> expected = segmentsOf(closeHpgl());

    GlobalRecord &rec = openHpgl();
    standardAxes(true);
    captureStdout([] { pagorg("BOTTOM"); });
    const std::string out = captureStdout([] {
        const float xa[2] = {1, 6}, ya[2] = {1, 4}, xb[2] = {3, 8}, yb[2] = {2, 1};
        field(xa, ya, xb, yb, 2, 1421);
        const float xc = 0.5f, yc = 4, xd = 2, yd = 4.5f;
        field(&xc, &yc, &xd, &yd, 1, 2301);
    });
    EXPECT_EQ(out, "");
    EXPECT_EQ(rec.page.iusrdrw, 0);
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(VectorField, ArrowsAreClippedAndReported) {
    openHpgl();
    standardAxes(true);
    const std::string out = captureStdout([] {
        const float xa = 9, ya = 1, xb = 12, yb = 1;
        field(&xa, &ya, &xb, &yb, 1, 0); // a shaft without heads
    });
    EXPECT_EQ(out, " <<<< (12.000000 / 1.000000) out of axis scaling!\n");
    EXPECT_EQ(segmentsOf(closeHpgl()), std::multiset<Segment>{segment(1100, 1100, 1200, 1100)});
}

TEST_F(VectorField, ANonPositiveEndOnALogAxisLosesThatArrowOnly) {
    openHpgl();
    captureStdout([] { vector(300, 1100, 500, 1000, 0); });
    const std::multiset<Segment> expected = segmentsOf(closeHpgl());

    openHpgl();
    captureStdout([] {
        axspos(200, 1200);
        axslen(1001, 301);
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        scale("LOG", "Y");
        graf(0, 10, 0, 2, 0, 3, 0, 1); // y = 10 at 1100, 100 at 1000
    });
    const std::string out = captureStdout([] {
        const float xa[2] = {1, 4}, ya[2] = {10, -1}, xb[2] = {3, 6}, yb[2] = {100, 100};
        field(xa, ya, xb, yb, 2, 0);
    });
    // The warning names field, also after vector drew the first arrow.
    EXPECT_EQ(out, " <<<< Warning  27: Non positive values for log scaling in field!\n");
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(VectorField, BadCountsAndLevelsDrawNothing) {
    openHpgl();
    standardAxes(true);
    const float v = 1;
    EXPECT_EQ(captureStdout([&] {
                  field(&v, &v, &v, &v, 0, 1421);
                  field(&v, &v, &v, &v, -3, 1421);
              }),
              " <<<< Warning   2: Incorrect parameter in field!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in field!   (  -3)\n");
    captureStdout([] { endgrf(); });
    EXPECT_EQ(captureStdout([&] { field(&v, &v, &v, &v, 1, 1421); }),
              " <<<< Warning   3: Incorrect level in field!   (   1)\n");
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
}

// On a map the arrows' ends follow the projection.
TEST_F(VectorField, OnMapsTheEndsFollowTheProjection) {
    const float xa[2] = {-60, 10}, ya[2] = {-20, 40}, xb[2] = {0, 80}, yb[2] = {30, 50};
    const auto map = [] {
        captureStdout([] {
            axspos(200, 1200);
            axslen(1601, 801);
            frame(0);
            projct("HAMM");
            grafmp(-180, 180, -180, 90, -90, 90, -90, 30);
        });
    };
    openHpgl();
    map();
    for (int k = 0; k < 2; ++k) {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        pos2pt(xa[k], ya[k], &x1, &y1);
        pos2pt(xb[k], yb[k], &x2, &y2);
        captureStdout([&] {
            vector(int(std::lround(x1)), int(std::lround(y1)), int(std::lround(x2)),
                   int(std::lround(y2)), 1421);
        });
    }
    const std::multiset<Segment> expected = segmentsOf(closeHpgl());

    openHpgl();
    map();
    EXPECT_EQ(captureStdout([&] { field(xa, ya, xb, yb, 2, 1421); }), "");
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

} // namespace
