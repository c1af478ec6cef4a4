#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "kernel/polyline.h"
#include "tests/support/hpgl_raster.h"
#include "tests/support/pen_ops.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/test_time.h"

namespace {

class Lines : public PlotTest {
  protected:
    GlobalRecord &openHpgl() { return open("HPGL", "plot.hpg"); }
    // The pen operations of the plot, after the page border drawn by kavini's
    // colour selection (HPGL writes no border itself).
    std::vector<PenOp> closeHpgl() { return hpglPenOps(close("plot.hpg")); }
    // Draws a wide right angle and a wide segment as HPGL with the page
    // border, and renders them.
    HpglRaster renderWide(const char *cap, const char *join) {
        GlobalRecord &rec = open("HPGL", "wide.hpg");
        captureStdout([&] {
            pagera();
            linwid(40);
            lncap(cap);
            lnjoin(join);
            line(500, 500, 1000, 500);
            // A right angle: (1500,500) -> (2000,500) -> (2000,1000).
            strtqq(rec, 1500, 500);
            connqq(rec, 2000, 500);
            connqq(rec, 2000, 1000);
        });
        close("wide.hpg");
        return HpglRaster(dir.file("wide.hpg"));
    }
};

TEST_F(Lines, ClippingAtTheWindowEdges) {
    openHpgl();
    captureStdout([] {
        clpwin(100, 100, 401, 201); // x 100..500, y 100..300
        line(0, 200, 1000, 200);    // crosses the window: move at the left edge
        line(300, 200, 300, 1000);  // leaves it: draw to the bottom edge, no move
        line(0, 0, 50, 2000);       // entirely to the left: nothing
        line(0, 0, 700, 700);       // crosses the corner region
    });
    const std::vector<PenOp> expected = {
        {false, 100, 200}, {true, 500, 200},  {false, 300, 200},
        {true, 300, 300},  {false, 100, 100}, {true, 300, 300},
    };
    const std::vector<PenOp> ops = closeHpgl();
    EXPECT_EQ(ops, expected) << describe(ops);
}

TEST_F(Lines, ClippingAtACircle) {
    GlobalRecord &rec = openHpgl();
    rec.clip.iclpcrc = 1;
    rec.clip.xclpcir[0] = 1000;
    rec.clip.xclpcir[1] = 1000;
    rec.clip.xclpcir[2] = 100;
    captureStdout([] {
        line(800, 1000, 1200, 1000);  // a chord through the centre, both ends outside
        line(1000, 1000, 1000, 700);  // from the centre outwards
        line(1200, 1200, 1201, 1201); // short and outside
    });
    const std::vector<PenOp> ops = closeHpgl();
    ASSERT_EQ(ops.size(), 4u) << describe(ops);
    // The chord runs from the intersection with the larger x to the other one.
    EXPECT_EQ(ops[0], (PenOp{false, 1100, 1000}));
    EXPECT_EQ(ops[1], (PenOp{true, 900, 1000}));
    EXPECT_EQ(ops[2], (PenOp{false, 1000, 1000}));
    EXPECT_TRUE(ops[3].draw);
    EXPECT_NEAR(ops[3].y, 900, 0.25); // bisection stops within 0.1 of the circle
}

TEST_F(Lines, ClipWindowThatDoesNotFitIsRefused) {
    GlobalRecord &rec = open();
    const std::string out = captureStdout([] {
        clpwin(0, 0, 2971, 100);
        clpwin(0, 0, 0, 100);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in clpwin!\n"
                   " <<<< Warning   2: Incorrect parameter in clpwin!   (   0)\n");
    EXPECT_EQ(rec.clip.nclpwin[2], rec.page.nxpage);
    close();
}

TEST_F(Lines, TheDashPatternCarriesFromLineToLine) {
    openHpgl();
    captureStdout([] {
        dash();
        line(0, 0, 45, 0);
        line(0, 100, 20, 100);
    });
    const std::vector<PenOp> expected = {
        {false, 0, 0},   {true, 10, 0},  {false, 20, 0},   {true, 30, 0},
        {false, 40, 0},  {true, 45, 0}, // 5 units of the dash are still to go
        {false, 0, 100}, {true, 5, 100}, {false, 15, 100}, {true, 20, 100},
    };
    const std::vector<PenOp> ops = closeHpgl();
    EXPECT_EQ(ops, expected) << describe(ops);
}

// At lengths where the pattern's elements fall below the float spacing, a
// period of the walk no longer shortens the rest: such a line still ends, its
// dashes where it can show keep the pattern, and the next line goes on in step.
// With a base transformation the part that can show is found behind it.
TEST_F(Lines, ADashedLineTooLongForFloatStepsEnds) {
    std::vector<PenOp> expected;
    for (int x = 1000; x < 1050; x += 5) {
        expected.push_back({false, float(x), 150});
        expected.push_back({true, float(x + 2), 150});
    }
    expected.push_back({false, 1050, 150});
    expected.push_back({true, 1050, 150});
    for (int x : {1000, 1005}) {
        expected.push_back({false, float(x), 170});
        expected.push_back({true, float(x + 2), 170});
    }
    expected.push_back({false, 1009, 170}); // the line ends in a gap

    for (const int shift : {0, 512}) { // both ends stay exact floats
        openHpgl();
        const int pattern[2] = {2, 3};
        // A walk that never ends kills the test instead of hanging the run.
        const Watchdog watchdog(30);
        captureStdout([&] {
            clpwin(1000, 100, 51, 101); // x 1000..1050, y 100..200
            if (shift != 0) trfshf(shift, 0);
            myline(pattern, 2);
            // 2e8 long, 4e7 whole periods
            line(-100000000 - shift, 150, 100000000 - shift, 150);
            line(1000 - shift, 170, 1009 - shift, 170);
        });
        const std::vector<PenOp> ops = closeHpgl();
        EXPECT_EQ(ops, expected) << "shift " << shift << ": " << describe(ops);
    }
}

TEST_F(Lines, UserPatternsAndBadPatterns) {
    GlobalRecord &rec = openHpgl();
    const int pattern[3] = {5, 5, 20};
    const int zero[2] = {10, 0};
    const std::string out = captureStdout([&] {
        myline(pattern, 3);
        myline(zero, 2);
        myline(pattern, 11);
        line(0, 0, 40, 0);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in myline!   (   0)\n"
                   " <<<< Warning   2: Incorrect parameter in myline!   (  11)\n");
    EXPECT_EQ(rec.line.ndashel, 3);
    // Draw 5, gap 5, draw 20; with an odd number of elements drawing and gaps
    // go on alternating, so the pattern restarts with a gap of 5 and a draw of
    // 5. The segment ends in a gap: a lone move.
    const std::vector<PenOp> expected = {
        {false, 0, 0},  {true, 5, 0},  {false, 10, 0}, {true, 30, 0},
        {false, 35, 0}, {true, 40, 0}, {false, 40, 0},
    };
    EXPECT_EQ(closeHpgl(), expected);
}

TEST_F(Lines, LineStylesScaleWithTheUnits) {
    captureStdout([] { units("INCH"); });
    GlobalRecord &rec = open();
    captureStdout([] { dot(); });
    EXPECT_EQ(rec.line.ndashel, 2);
    EXPECT_EQ(rec.line.ndashlen[0], 1); // 1 / 2.54 rounds to 0, raised to 1
    EXPECT_EQ(rec.line.ndashlen[1], 4);
    close();
    // Before kavini a one-word style warns twice and changes nothing.
    EXPECT_EQ(captureStdout([] { dash(); }),
              " <<<< Warning   3: Incorrect level in dash!   (   0)\n"
              " <<<< Warning   3: Incorrect level in lintyp!   (   0)\n");
}

// Each one-word style is the line type of its number, with that type's own
// pattern: no two of them draw the same dashes.
TEST_F(Lines, OneWordStylesAreTheLineTypesOfTheirNumbers) {
    GlobalRecord &rec = open();
    const struct {
        void (*style)();
        int type;
    } styles[] = {{solid, 0},  {dot, 1},   {dash, 2}, {chndsh, 3},
                  {chndot, 4}, {dashm, 5}, {dotl, 6}, {dashl, 7}};
    std::set<std::vector<int>> patterns;
    for (const auto &s : styles) {
        captureStdout([&] { lintyp(s.type); });
        const std::vector<int> byNumber(rec.line.ndashlen, rec.line.ndashlen + rec.line.ndashel);
        captureStdout([] { lintyp(0); });
        EXPECT_EQ(captureStdout(s.style), "") << s.type;
        EXPECT_EQ(gettyp(), s.type);
        EXPECT_EQ(std::vector<int>(rec.line.ndashlen, rec.line.ndashlen + rec.line.ndashel),
                  byNumber)
            << s.type;
        patterns.insert(byNumber);
    }
    EXPECT_EQ(patterns.size(), 8u);
    close();
}

TEST_F(Lines, ParallelOffsetLinesJoinAtCorners) {
    GlobalRecord &rec = openHpgl();
    rec.line.xlinoff = 5;
    strtqq(rec, 100, 100);
    connqq(rec, 200, 100);
    connqq(rec, 200, 200);
    rec.line.xlinoff = 0;
    qqstrk(rec);
    // Shifted 5 units to the left of the direction of travel, and joined by a
    // straight piece across the corner.
    const std::vector<PenOp> expected = {
        {false, 100, 95},
        {true, 200, 95},
        {true, 205, 100},
        {true, 205, 200},
    };
    const std::vector<PenOp> ops = closeHpgl();
    EXPECT_EQ(ops, expected) << describe(ops);
}

TEST_F(Lines, WideLinesAreOutlinedInSoftware) {
    GlobalRecord &rec = openHpgl();
    const std::string out = captureStdout([] {
        linwid(10);
        lncap("CUT");
        line(100, 100, 200, 100);
        linwid(0);
        lnmlt(0.5f);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in linwid!   (   0)\n"
                   " <<<< Warning   2: Incorrect parameter in lnmlt!\n");
    const std::vector<PenOp> ops = closeHpgl();
    // The centre line and three rectangles at half-widths 1.5, 3 and 5.
    ASSERT_EQ(ops.size(), 2u + 3 * 5) << describe(ops);
    EXPECT_EQ(ops[2], (PenOp{false, 100, 98.5}));
    EXPECT_EQ(ops[7], (PenOp{false, 100, 97}));
    EXPECT_EQ(ops[12], (PenOp{false, 100, 95}));
    EXPECT_EQ(ops[14], (PenOp{true, 200, 105}));
    EXPECT_EQ(rec.core.nvector, 17);
}

TEST_F(Lines, CapsAndJoinsOnRenderedPixels) {
    {
        HpglRaster raster = renderWide("CUT", "SHAR");
        ASSERT_TRUE(raster.valid());
        // The band is 40 units wide (plus the width of hp2xx's pen).
        EXPECT_GE(raster.inkCountColumn(750, 470, 530), 40);
        EXPECT_LE(raster.inkCountColumn(750, 470, 530), 44);
        EXPECT_FALSE(raster.ink(750, 525));
        // A cut cap ends at the end point.
        EXPECT_FALSE(raster.ink(1006, 500));
        // The sharp join of the right angle reaches the outer corner (2020, 480).
        EXPECT_TRUE(raster.ink(2019, 481));
    }
    {
        HpglRaster raster = renderWide("LONG", "TRUN");
        EXPECT_TRUE(raster.ink(1016, 500)); // a long cap goes on by half the width
        EXPECT_FALSE(raster.ink(1025, 500));
        EXPECT_FALSE(raster.ink(2018, 482)); // a truncated join cuts the outer corner
        EXPECT_TRUE(raster.ink(2010, 490));
    }
    {
        HpglRaster raster = renderWide("ROUN", "TRUN");
        EXPECT_TRUE(raster.ink(1018, 500));  // a round cap bulges out at the end
        EXPECT_FALSE(raster.ink(1016, 517)); // but not at the corners of the band
    }
}

} // namespace
