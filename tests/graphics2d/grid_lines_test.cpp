// Grid lines: the ticks of both axes drawn across the whole axis system, on
// linear and logarithmic axes, and what a bad count or level does.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class GridLines : public AxisTest {
  protected:
    // The grid of the quiet standard axes (1001 x 501 from (200, 1200), 100
    // plot units per user unit), as the segments it drew, and what it printed.
    std::multiset<Segment> gridOf(int i, int j, std::string *printed = nullptr) {
        openHpgl();
        standardAxes(true);
        const std::string out = captureStdout([&] { grid(i, j); });
        if (printed != nullptr) *printed = out;
        return segmentsOf(closeHpgl());
    }
};

// Lines across the system at the given plot positions.
std::multiset<Segment> verticalLines(const std::vector<float> &xs) {
    std::multiset<Segment> lines;
    for (float x : xs)
        lines.insert(segment(x, 1200, x, 700));
    return lines;
}
std::multiset<Segment> horizontalLines(const std::vector<float> &ys) {
    std::multiset<Segment> lines;
    for (float y : ys)
        lines.insert(segment(200, y, 1200, y));
    return lines;
}
std::multiset<Segment> both(std::multiset<Segment> a, const std::multiset<Segment> &b) {
    a.insert(b.begin(), b.end());
    return a;
}

TEST_F(GridLines, LinesAtEveryLabelAndBetweenThem) {
    // Labels every 2 units of X (200 plot units) and every unit of Y (100).
    struct Case {
        int i, j;
        std::multiset<Segment> expected;
    };
    const Case cases[] = {
        {1, 1,
         both(verticalLines({200, 400, 600, 800, 1000, 1200}),
              horizontalLines({1200, 1100, 1000, 900, 800, 700}))},
        {2, 2,
         both(verticalLines({200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100, 1200}),
              horizontalLines({1200, 1150, 1100, 1050, 1000, 950, 900, 850, 800, 750, 700}))},
        // No lines for a count of 0.
        {0, 1, horizontalLines({1200, 1100, 1000, 900, 800, 700})},
        {1, 0, verticalLines({200, 400, 600, 800, 1000, 1200})},
    };
    for (const Case &c : cases) {
        std::string printed;
        EXPECT_EQ(gridOf(c.i, c.j, &printed), c.expected) << "grid(" << c.i << ", " << c.j << ")";
        EXPECT_EQ(printed, "");
    }
}

TEST_F(GridLines, NegativeCountIsReportedAndThatAxisHasNoLines) {
    std::string printed;
    EXPECT_EQ(gridOf(-1, 1, &printed), horizontalLines({1200, 1100, 1000, 900, 800, 700}));
    EXPECT_EQ(printed, " <<<< Warning   2: Incorrect parameter in grid!   (  -1)\n");
    EXPECT_EQ(gridOf(-2, -3, &printed), std::multiset<Segment>{});
    EXPECT_EQ(printed, " <<<< Warning   2: Incorrect parameter in grid!   (  -2)\n"
                       " <<<< Warning   2: Incorrect parameter in grid!   (  -3)\n");
}

TEST_F(GridLines, NeedsAnAxisSystem) {
    open();
    EXPECT_EQ(captureStdout([] { grid(1, 1); }),
              " <<<< Warning   3: Incorrect level in grid!   (   1)\n");
    close();
}

// On a logarithmic X axis of three decades, 1 to 1000: one line per decade,
// or with more than one line per interval a line at 2..9 times each power of
// ten. Each line lies where its value does on the axis.
TEST_F(GridLines, LogarithmicAxisHasLinesAtDecadesAndTheirMultiples) {
    struct Case {
        int i;
        std::vector<int> multiples; // of each power of ten that get a line
    };
    const Case cases[] = {{1, {1}}, {2, {1, 2, 3, 4, 5, 6, 7, 8, 9}}};
    for (const Case &c : cases) {
        openHpgl();
        captureStdout([] {
            axspos(200, 1200);
            axslen(1001, 501);
            labels("NONE", "XY");
            ticks(0, "XY");
            noline("XY");
            frame(0);
            grace(0);
            axsscl("LOG", "X");
            graf(0.0f, 3.0f, 0.0f, 1.0f, 0.0f, 5.0f, 0.0f, 1.0f);
        });
        EXPECT_EQ(captureStdout([&] { grid(c.i, 0); }), "");
        const std::multiset<Segment> lines = segmentsOf(closeHpgl());

        std::set<int> found; // the values of the lines, 1..1000
        for (const Segment &s : lines) {
            ASSERT_EQ(s.x1, s.x2) << "grid(" << c.i << ", 0): lines are vertical";
            ASSERT_EQ(std::set<float>({s.y1, s.y2}), std::set<float>({700, 1200}));
            const double value = std::pow(10.0, (s.x1 - 200) * 3 / 1000.0);
            // The nearest value of the form m times a power of ten.
            const double power = std::pow(10.0, std::floor(std::log10(value) + 1e-9));
            const int nearest = int(std::lround(value / power) * std::lround(power));
            // Half a plot unit is at most 0.35 % of the value.
            EXPECT_NEAR(value, nearest, nearest * 0.004) << s.x1;
            found.insert(nearest);
        }
        std::set<int> expected;
        for (int power = 1; power <= 1000; power *= 10)
            for (int m : c.multiples)
                if (m * power <= 1000) expected.insert(m * power);
        EXPECT_EQ(found, expected) << "grid(" << c.i << ", 0)";
        EXPECT_EQ(lines.size(), expected.size()) << "each line once";
    }
}

} // namespace
