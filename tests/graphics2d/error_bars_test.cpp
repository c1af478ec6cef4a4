// Error bars: the bar and its caps at the converted data points, vertical or
// horizontal as bartyp says, clipped to the axis system; the logarithmic
// checks and the warnings of bad counts and levels.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class ErrorBars : public AxisTest {
  protected:
    // The segments of the marker symbols alone, drawn at the given plot points
    // on a plot of their own.
    std::multiset<Segment> markersAt(const std::vector<std::pair<int, int>> &points, int nsym) {
        openHpgl();
        captureStdout([&] {
            hsymbl(30);
            for (const auto &[x, y] : points)
                symbol(nsym, x, y);
        });
        return segmentsOf(closeHpgl());
    }
};

std::multiset<Segment> unite(std::multiset<Segment> a, const std::multiset<Segment> &b) {
    a.insert(b.begin(), b.end());
    return a;
}

// 100 plot units per user unit, the axis system from (200, 700) to (1200,
// 1200); symbol height 30, so the caps reach 10 units to each side.
TEST_F(ErrorBars, BarsAndCapsLieAtTheConvertedEnds) {
    struct Case {
        const char *name;
        const char *bartyp;
        float x, y, e1, e2;
        std::pair<int, int> marker;
        std::multiset<Segment> bar;
    };
    const Case cases[] = {
        {"vertical",
         "VERT",
         2,
         1,
         0.5f,
         1,
         {400, 1100},
         {segment(400, 1150, 400, 1000), segment(390, 1150, 410, 1150),
          segment(390, 1000, 410, 1000)}},
        {"horizontal",
         "HORI",
         5,
         3,
         1,
         0.25f,
         {700, 900},
         {segment(600, 900, 725, 900), segment(600, 890, 600, 910), segment(725, 890, 725, 910)}},
        {"3-D kinds are horizontal",
         "3DVE",
         5,
         3,
         1,
         0.25f,
         {700, 900},
         {segment(600, 900, 725, 900), segment(600, 890, 600, 910), segment(725, 890, 725, 910)}},
        // The upper end lies above the axis system: the bar stops at the frame,
        // its cap is not drawn.
        {"clipped",
         "VERT",
         9,
         4.5f,
         0.5f,
         2,
         {1100, 750},
         {segment(1100, 800, 1100, 700), segment(1090, 800, 1110, 800)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::multiset<Segment> markers = markersAt({c.marker}, 3);
        openHpgl();
        standardAxes(true);
        captureStdout([&] {
            hsymbl(30);
            marker(3);
            bartyp(c.bartyp);
            errbar(&c.x, &c.y, &c.e1, &c.e2, 1);
        });
        EXPECT_EQ(segmentsOf(closeHpgl()), unite(markers, c.bar));
    }
}

TEST_F(ErrorBars, EveryPointGetsItsOwnBar) {
    const std::multiset<Segment> markers = markersAt({{300, 1100}, {800, 900}}, 0);
    openHpgl();
    standardAxes(true);
    captureStdout([] {
        hsymbl(30);
        const float x[2] = {1, 6}, y[2] = {1, 3}, e1[2] = {0.5f, 1}, e2[2] = {0.5f, 1.5f};
        errbar(x, y, e1, e2, 2);
    });
    const std::multiset<Segment> bars{segment(300, 1150, 300, 1050), segment(290, 1150, 310, 1150),
                                      segment(290, 1050, 310, 1050), segment(800, 1000, 800, 750),
                                      segment(790, 1000, 810, 1000), segment(790, 750, 810, 750)};
    EXPECT_EQ(segmentsOf(closeHpgl()), unite(markers, bars));
}

// A logarithmic Y axis of three decades, 100 plot units each, from 1 at
// y = 1200 to 1000 at y = 900.
class LogErrorBars : public ErrorBars {
  protected:
    void logAxes() {
        captureStdout([] {
            axspos(200, 1200);
            axslen(1001, 301);
            labels("NONE", "XY");
            ticks(0, "XY");
            noline("XY");
            frame(0);
            scale("LOG", "Y");
            graf(0, 10, 0, 2, 0, 3, 0, 1);
            hsymbl(30);
        });
    }
};

TEST_F(LogErrorBars, ALowerEndBelowZeroRunsToTheAxisSystem) {
    const std::multiset<Segment> markers = markersAt({{700, 1100}}, 0);
    openHpgl();
    logAxes();
    const std::string out = captureStdout([] {
        const float x = 5, y = 10, e1 = 20, e2 = 90; // from -10 to 100
        errbar(&x, &y, &e1, &e2, 1);
    });
    EXPECT_EQ(out, "");
    // The clip window of the axis system ends at y = 1199.
    const std::multiset<Segment> bar{segment(700, 1199, 700, 1000), segment(690, 1000, 710, 1000)};
    EXPECT_EQ(segmentsOf(closeHpgl()), unite(markers, bar));
}

TEST_F(LogErrorBars, ANonPositivePointDrawsNothing) {
    openHpgl();
    logAxes();
    const std::string out = captureStdout([] {
        const float x[2] = {2, 5}, y[2] = {10, 0}, e[2] = {1, 1};
        errbar(x, y, e, e, 2);
    });
    EXPECT_EQ(out, " <<<< Warning  27: Non positive values for log scaling in errbar!\n");
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
}

TEST_F(ErrorBars, BadCountsAndLevelsDrawNothing) {
    const std::vector<float> v(32001, 1.0f);
    openHpgl();
    standardAxes(true);
    EXPECT_EQ(captureStdout([&] {
                  errbar(v.data(), v.data(), v.data(), v.data(), 0);
                  errbar(v.data(), v.data(), v.data(), v.data(), 32001);
                  errbar(nullptr, v.data(), v.data(), v.data(), 1);
              }),
              " <<<< Warning   2: Incorrect parameter in errbar!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in errbar!   (32001)\n"
              " <<<< Warning   2: Incorrect parameter in errbar!\n");
    captureStdout([] { endgrf(); });
    EXPECT_EQ(captureStdout([&] { errbar(v.data(), v.data(), v.data(), v.data(), 1); }),
              " <<<< Warning   3: Incorrect level in errbar!   (   1)\n");
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
}

} // namespace
