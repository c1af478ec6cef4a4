#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/area_fill.h"
#include "kernel/levels.h"
#include "kernel/polygon_cut.h"
#include "kernel/scanline_fill.h"
#include "tests/kernel/pen_trace.h"
#include "tests/kernel/rendered_plot.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/test_time.h"

namespace {

using Fill = PlotTest;
using Trace = std::vector<std::string>;

// The spans a scan-line fill hands to its callback, as "x1 x2 y".
std::vector<std::string> spans;

void recordSpan(GlobalRecord &, const float xs[2], const float ys[2]) {
    char text[64];
    std::snprintf(text, sizeof text, "%g %g %g", double(xs[0]), double(xs[1]), double(ys[0]) + 0.0);
    spans.push_back(text);
}

// Fills a polygon with the recording callback.
std::string fillSpans(const std::vector<float> &x, const std::vector<float> &y, float spacing,
                      int capacity = 100, ScanRange seen = {-INFINITY, INFINITY}) {
    spans.clear();
    const int n = int(x.size());
    std::vector<int> links(std::size_t(n) + 1);
    std::vector<float> crossings(static_cast<std::size_t>(capacity));
    std::vector<int> crossingLinks(std::size_t(capacity) + 1);
    gkwfa(currentRecord(), n, x.data(), y.data(), spacing, links.data(), capacity, crossings.data(),
          crossingLinks.data(), recordSpan, seen);
    std::string all;
    for (const std::string &s : spans)
        all += (all.empty() ? "" : " | ") + s;
    return all;
}

double areaOf(const std::vector<float> &x, const std::vector<float> &y) {
    double a = 0;
    for (std::size_t k = 0; k < x.size(); ++k) {
        const std::size_t n = (k + 1) % x.size();
        a += double(x[k]) * y[n] - double(x[n]) * y[k];
    }
    return std::fabs(a) / 2;
}

// Polygons cut to the rectangle 0..10 by 0..10: what is left lies inside and
// keeps the area of the part inside.
TEST(PolygonCut, KeepsThePartInsideTheRectangle) {
    struct Case {
        const char *what;
        std::vector<float> x, y;
        int points;  // of the cut polygon
        double area; // of its part inside
    };
    const Case cases[] = {
        {"inside, as it is", {1, 9, 9, 1}, {1, 1, 9, 9}, 4, 64},
        {"a square over the right edge", {5, 15, 15, 5}, {2, 2, 8, 8}, 4, 30},
        {"a triangle over a corner", {2, 14, 2}, {2, 2, 14}, 5, 64 - 8},
        // Two legs whose joint lies below: one piece, joined along the bottom edge.
        {"two legs across the bottom edge",
         {2, 2, 8, 8, 6, 6, 4, 4},
         {8, -5, -5, 8, 8, -2, -2, 8},
         8,
         2 * 16},
        {"outside", {11, 15, 15}, {1, 1, 5}, 0, 0},
        {"touching a corner", {10, 15, 15}, {10, 10, 15}, 1, 0},
        {"touching along the edge", {10, 15, 15, 10}, {1, 1, 5, 5}, 2, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        float cx[kMaxCutPolygon], cy[kMaxCutPolygon];
        const int m =
            cutPolygonToRectangle(c.x.data(), c.y.data(), int(c.x.size()), 0, 0, 10, 10, cx, cy);
        ASSERT_EQ(m, c.points);
        const std::vector<float> x(cx, cx + m), y(cy, cy + m);
        for (int k = 0; k < m; ++k) {
            EXPECT_TRUE(cx[k] >= 0 && cx[k] <= 10 && cy[k] >= 0 && cy[k] <= 10)
                << cx[k] << " " << cy[k];
        }
        EXPECT_NEAR(areaOf(x, y), c.area, 1e-4);
    }
    // Two polygons on either side of one edge cut it at the same point, however it runs.
    const float ax[3] = {3, 13.7f, 3}, ay[3] = {1.3f, 4.1f, 4.1f};
    const float bx[3] = {13.7f, 3, 13.7f}, by[3] = {4.1f, 1.3f, 1.3f};
    float cax[kMaxCutPolygon], cay[kMaxCutPolygon], cbx[kMaxCutPolygon], cby[kMaxCutPolygon];
    const int na = cutPolygonToRectangle(ax, ay, 3, 0, 0, 10, 10, cax, cay);
    const int nb = cutPolygonToRectangle(bx, by, 3, 0, 0, 10, 10, cbx, cby);
    auto edgeCut = [](const float *x, const float *y, int n) {
        for (int k = 0; k < n; ++k)
            if (x[k] == 10 && y[k] > 1.3f && y[k] < 4.1f) return y[k];
        return -1.0f;
    };
    EXPECT_GT(edgeCut(cax, cay, na), 0);
    EXPECT_EQ(edgeCut(cax, cay, na), edgeCut(cbx, cby, nb));
    // A result beyond the room is refused.
    std::vector<float> zx, zy;
    for (int k = 0; k < kMaxCutPolygon; ++k) {
        zx.push_back(float(k % 2 == 0 ? -1 : 11));
        zy.push_back(float(k) * 0.1f);
    }
    EXPECT_EQ(cutPolygonToRectangle(zx.data(), zy.data(), kMaxCutPolygon, 0, 0, 10, 10, cax, cay),
              -1);
}

TEST(ScanLineSort, StableAscendingLinkedList) {
    const float v[] = {5, 1, 3, 1, 5, 0};
    int links[7];
    gksort(v, 6, links);
    std::vector<int> order;
    for (int item = links[0]; item != 0; item = links[item])
        order.push_back(item);
    EXPECT_EQ(order, (std::vector<int>{6, 2, 4, 3, 1, 5})); // equal values keep their order

    const float one[] = {7};
    gksort(one, 1, links);
    EXPECT_EQ(links[0], 1);
    EXPECT_EQ(links[1], 0);
    const float two[] = {2, 1};
    gksort(two, 2, links);
    EXPECT_EQ(links[0], 2);
    EXPECT_EQ(links[2], 1);
    EXPECT_EQ(links[1], 0);
}

TEST_F(Fill, ScanLinesZigZagAcrossARectangle) {
    open();
    // Lines at 0, 10, .. 40; the bottom edge's line has no crossing left.
    EXPECT_EQ(fillSpans({0, 100, 100, 0}, {0, 0, 50, 50}, 10),
              "0 100 0 | 100 0 10 | 0 100 20 | 100 0 30 | 0 100 40");
    close();
}

TEST_F(Fill, EachSpanOfAConcaveShapeIsOneStrokePass) {
    open();
    // A comb of three teeth hanging down: three spans on the lower lines.
    const std::vector<float> x = {0, 50, 50, 40, 40, 30, 30, 20, 20, 10, 10, 0};
    const std::vector<float> y = {0, 0, 30, 30, 10, 10, 30, 30, 10, 10, 30, 30};
    EXPECT_EQ(fillSpans(x, y, 10),
              // pass 1: the first span of every line, alternating in direction
              "0 50 0 | 10 0 10 | 0 10 20 | "
              // pass 2: the second spans, the direction still set by the line
              "30 20 10 | 20 30 20 | "
              // pass 3
              "50 40 10 | 40 50 20");
    close();
}

TEST_F(Fill, AVertexBetweenARisingAndAFallingEdgeCancels) {
    open();
    // The notch's tip (50, 50) lies on a scan line: its two crossings cancel
    // and the line is one span.
    const std::string all = fillSpans({0, 100, 100, 50, 0}, {0, 0, 100, 50, 100}, 10);
    int onTipLine = 0;
    for (const std::string &s : spans)
        onTipLine += s.substr(s.rfind(' ')) == " 50";
    EXPECT_EQ(onTipLine, 1) << all;
    EXPECT_NE(all.find("| 100 0 50 |"), std::string::npos) << all;
    close();
}

TEST_F(Fill, NoScanLinesWithoutSpacingOrPoints) {
    open();
    EXPECT_EQ(fillSpans({0, 100, 100, 0}, {0, 0, 50, 50}, 0.0f), "");
    EXPECT_EQ(fillSpans({0, 100, 100, 0}, {0, 0, 50, 50}, -5.0f), "");
    EXPECT_EQ(fillSpans({}, {}, 10), "");
    // A spacing too small to move a scan line on at this distance from 0.
    EXPECT_EQ(fillSpans({0, 100, 100, 0}, {1.0e9f, 1.0e9f, 2.0e9f, 2.0e9f}, 1.0f), "0 100 1e+09");
    close();
}

TEST_F(Fill, ScanLinesBeyondTheSeenRangeAreLeftOut) {
    open();
    // Lines on the multiples of the spacing that lie in 15 .. 35, of a
    // rectangle twenty million units high.
    EXPECT_EQ(fillSpans({0, 100, 100, 0}, {-1.0e7f, -1.0e7f, 1.0e7f, 1.0e7f}, 10, 100, {15, 35}),
              "0 100 10 | 100 0 20 | 0 100 30");
    close();
}

// A comb of teeth teeth below a solid bar: 2 * teeth crossings on the teeth's lines.
void comb(int teeth, std::vector<float> &x, std::vector<float> &y) {
    x = {0};
    y = {0};
    x.push_back(float(20 * teeth - 10));
    y.push_back(0);
    for (int i = teeth - 1; i >= 0; --i) {
        const float left = float(20 * i), right = left + 10;
        x.insert(x.end(), {right, left, left});
        y.insert(y.end(), {40, 40, 20});
        if (i > 0) {
            x.push_back(left - 10);
            y.push_back(20);
        }
    }
}

TEST_F(Fill, TooManyCrossingsEndTheFillAndKeepWhatWasDrawn) {
    open();
    std::vector<float> x, y;
    comb(51, x, y);
    jqqlev(1, 3, "areaf");
    std::string all;
    const std::string out = captureStdout([&] { all = fillSpans(x, y, 10); });
    EXPECT_EQ(out, " <<<< Warning  26: Too many intersections in areaf!   ( 101)\n");
    EXPECT_EQ(all, "0 1010 0 | 1010 0 10"); // the bar's lines, drawn before the teeth
    // With 50 teeth every line fits: the bar and 50 spans on each tooth line.
    comb(50, x, y);
    EXPECT_EQ(captureStdout([&] { all = fillSpans(x, y, 10); }), "");
    EXPECT_EQ(spans.size(), 2u + 50u * 2u);
    close();
}

TEST_F(Fill, SpansFollowTheEdgesOfATriangle) {
    open();
    // At scan line y the triangle spans x from 0 to y; at its apex the two
    // crossings cancel.
    EXPECT_EQ(fillSpans({0, 100, 0}, {0, 100, 100}, 25), "25 0 25 | 0 50 50 | 75 0 75");
    close();
}

// ---- dareaf and areaf ------------------------------------------------------

const std::vector<float> kSquareX = {100, 500, 500, 100};
const std::vector<float> kSquareY = {100, 100, 300, 300};

// Angles (y up, 0..180 degrees) of the drawn segments of a trace, in order, one
// entry per run of equal angles.
std::vector<int> lineAngles(const Trace &trace) {
    std::vector<int> angles;
    float px = 0, py = 0;
    for (const std::string &t : trace) {
        float x, y;
        std::sscanf(t.c_str() + 2, "%f %f", &x, &y);
        // Short pieces at the corners have no angle worth the name.
        if (t[0] == 'D' && std::hypot(x - px, y - py) > 5.0f) {
            int a = int(std::lround(std::atan2(py - y, x - px) * 180.0 / M_PI));
            if (a < 0) a += 180;
            if (a == 180) a = 0;
            if (angles.empty() || angles.back() != a) angles.push_back(a);
        }
        px = x;
        py = y;
    }
    return angles;
}

TEST_F(Fill, CrossHatchesDrawTheirSecondPassAtTheCrossingAngle) {
    struct Case {
        int angle;
        std::vector<int> passes;
    };
    const Case cases[] = {{45, {45, 135}}, {120, {120, 60}}, {0, {0, 90}}, {100, {100, 80}}};
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        mypat(c.angle, 1, 5, 1);
        std::vector<float> x = kSquareX, y = kSquareY;
        dareaf(rec, x.data(), y.data(), 4);
        EXPECT_EQ(x, kSquareX); // the caller's polygon is left as it was
        EXPECT_EQ(y, kSquareY);
        EXPECT_EQ(lineAngles(penTrace(close(), rec)), c.passes) << c.angle;
    }
}

// The y of the horizontal hatch lines of a trace.
std::vector<int> lineRows(const Trace &trace) {
    std::vector<int> rows;
    for (const std::string &t : trace) {
        float x, y;
        std::sscanf(t.c_str() + 2, "%f %f", &x, &y);
        if (t[0] == 'D') rows.push_back(int(y));
    }
    return rows;
}

TEST_F(Fill, GroupPatternsDrawAndSkipWholeScanLines) {
    struct Case {
        int type, density;
        std::vector<int> rows;
    };
    const Case cases[] = {
        // pairs 20 apart, one line skipped after each pair
        {2, 1, {100, 120, 160, 180, 220, 240, 280}},
        // triples 15 apart, two skipped
        {3, 2, {105, 120, 135, 180, 195, 210, 255, 270, 285}},
        // pairs without skipped lines: every line
        {2, 0, {100, 120, 140, 160, 180, 200, 220, 240, 260, 280}},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        mypat(0, c.type, c.density, 0);
        dareaf(rec, kSquareX.data(), kSquareY.data(), 4);
        EXPECT_EQ(lineRows(penTrace(close(), rec)), c.rows) << c.type << " " << c.density;
    }
}

TEST_F(Fill, AreafDrawsTheOutlineFirstAndThePatternsFill) {
    const Trace outline = {"M 100 100", "D 500 100", "D 500 300", "D 100 300", "D 100 100"};
    const int nx[] = {100, 500, 500, 100}, ny[] = {100, 100, 300, 300};
    {
        GlobalRecord &rec = open();
        shdpat(0); // outline only
        areaf(nx, ny, 4);
        EXPECT_EQ(pensOnly(penTrace(close(), rec)), outline);
    }
    {
        GlobalRecord &rec = open();
        shdpat(16);
        areaf(nx, ny, 4);
        const Trace trace = pensOnly(penTrace(close(), rec));
        ASSERT_GT(trace.size(), 5u);
        EXPECT_EQ(Trace(trace.begin(), trace.begin() + 5), outline);
        // Scan lines 1.9999 apart, zig-zag.
        EXPECT_EQ(trace[5], "M 100 102");
        EXPECT_EQ(trace[6], "D 500 102");
        EXPECT_EQ(trace[7], "M 500 104");
        EXPECT_EQ(trace[8], "D 100 104");
    }
    {
        GlobalRecord &rec = open();
        noarln();
        areaf(nx, ny, 4); // pattern 0 without outline: nothing
        areaf(nx, ny, 0); // no points: nothing
        EXPECT_EQ(pensOnly(penTrace(close(), rec)), Trace{});
    }
}

// ---- Device fills -------------------------------------------------------------

TEST_F(Fill, SolidFillsGoToDevicesThatFill) {
    const int nx[] = {100, 500, 500, 100}, ny[] = {100, 100, 300, 300};
    {
        GlobalRecord &rec = open("POST", "plot.ps");
        shdpat(16);
        noarln();
        areaf(nx, ny, 4);
        EXPECT_FLOAT_EQ(rec.page.xdevscl, 3900.0f / 2099.0f);
        // Landscape: the pairs are (y, x) in device units.
        EXPECT_NE(
            close("plot.ps").find("186 186 u 186 929 d 557 929 d 557 186 d 186 186 d eofill "),
            std::string::npos);
    }
    {
        // The origin shift moves every vertex; a vertex outside the clip
        // window, or a shield, sends the fill to the scan lines.
        GlobalRecord &rec = open("POST", "plot.ps");
        shdpat(16);
        noarln();
        origin(10, 0);
        areaf(nx, ny, 4);
        EXPECT_EQ(rec.core.nvector, 0);
        clpwin(0, 0, 400, 400);
        areaf(nx, ny, 4);
        const int clipped = rec.core.nvector;
        EXPECT_GT(clipped, 0);
        clpwin(0, 0, 2000, 2000);
        shlcir(1000, 1000, 10);
        areaf(nx, ny, 4);
        EXPECT_GT(rec.core.nvector, clipped);
        EXPECT_NE(
            close("plot.ps").find("186 204 u 186 948 d 557 948 d 557 204 d 186 204 d eofill "),
            std::string::npos);
    }
    {
        GlobalRecord &rec = open("SVG", "plot.svg");
        shdpat(16);
        noarln();
        setrgb(1.0f, 0.5f, 0.0f);
        const int px[] = {0, 100, 200, 300, 400, 500}, py[] = {0, 10, 20, 30, 40, 50};
        areaf(px, py, 6);
        const float s = rec.page.xdevscl;
        char expected[512];
        std::snprintf(expected, sizeof expected,
                      "<polygon fill=\"#ff8000\" points=\"\n 0.00, 0.00 %.2f, %.2f %.2f, %.2f "
                      "%.2f, "
                      "%.2f %.2f, %.2f\n %.2f, %.2f\"/>\n",
                      100 * s, 10 * s, 200 * s, 20 * s, 300 * s, 30 * s, 400 * s, 40 * s, 500 * s,
                      50 * s);
        EXPECT_NE(close("plot.svg").find(expected), std::string::npos) << expected;
    }
    {
        GlobalRecord &rec = open("PDF", "plot.pdf");
        shdpat(16);
        noarln();
        areaf(nx, ny, 4);
        EXPECT_EQ(rec.core.nvector, 5); // a move, three draws and the fill
        close("plot.pdf");
    }
}

// ---- Patterns ---------------------------------------------------------------------

TEST_F(Fill, PatternTable) {
    struct Case {
        int pattern;
        int angle, type, density, cross, drawn, skipped;
        float spacing;
    };
    const Case cases[] = {
        {0, 0, 0, 0, 0, 0, 0, 1.9999f},        {1, 45, 1, 5, 0, 0, 0, 26.9999f},
        {2, 150, 4, 5, 0, 8, 29, 1.0f},        {5, 45, 1, 5, 1, 8, 29, 26.9999f},
        {6, 135, 2, 1, 0, 2, 1, 20.0f},        {9, 45, 2, 1, 1, 2, 1, 20.0f},
        {11, 45, 3, 1, 0, 3, 1, 15.0f},        {12, 70, 4, 7, 0, 8, 39, 1.0f},
        {16, 0, 1, 0, 0, 8, 39, 1.9999f},      {17, 0, 5, 5, 0, 8, 39, 26.9999f},
        {45151, 45, 1, 5, 1, 8, 39, 26.9999f},
    };
    GlobalRecord &rec = open();
    for (const Case &c : cases) {
        shdpat(c.pattern);
        EXPECT_EQ(rec.fill.nshdpat, c.pattern);
        EXPECT_EQ(rec.fill.ihatang, c.angle) << c.pattern;
        EXPECT_EQ(rec.fill.ihattyp, c.type) << c.pattern;
        EXPECT_EQ(rec.fill.ihatden, c.density) << c.pattern;
        EXPECT_EQ(rec.fill.ihatcrs, c.cross) << c.pattern;
        // Types without groups keep the counts of the last group type.
        EXPECT_EQ(rec.fill.ihatknd, c.drawn) << c.pattern;
        EXPECT_EQ(rec.fill.nhatskp, c.skipped) << c.pattern;
        EXPECT_FLOAT_EQ(rec.fill.xsurscl, c.spacing) << c.pattern;
    }
    close();
}

TEST_F(Fill, PatternSpacingFollowsUnitsAndDevice) {
    captureStdout([] { units("INCH"); });
    GlobalRecord &rec = open();
    shdpat(1);
    EXPECT_FLOAT_EQ(rec.fill.xsurscl, 26.9999f / 2.54f);
    close();
    GlobalRecord &wmf = open("WMF", "plot.wmf");
    shdpat(16);
    EXPECT_FLOAT_EQ(wmf.fill.xsurscl, 0.39999f / 2.54f);
    close("plot.wmf");
}

TEST_F(Fill, BadPatternsChangeNothing) {
    GlobalRecord &rec = open();
    shdpat(5);
    EXPECT_EQ(captureStdout([] { mypat(180, 1, 1, 0); }),
              " <<<< Warning   2: Incorrect parameter in mypat!   ( 180)\n");
    EXPECT_EQ(captureStdout([] { mypat(-1, 9, 10, 2); }),
              " <<<< Warning   2: Incorrect parameter in mypat!   (  -1)\n"
              " <<<< Warning   2: Incorrect parameter in mypat!   (   2)\n"
              " <<<< Warning   2: Incorrect parameter in mypat!   (   9)\n"
              " <<<< Warning   2: Incorrect parameter in mypat!   (  10)\n");
    EXPECT_EQ(captureStdout([] { shdpat(-3); }),
              " <<<< Warning   2: Incorrect parameter in shdpat!   (  -3)\n");
    // A code whose angle is out of range leaves the pattern and its number.
    EXPECT_EQ(captureStdout([] { shdpat(180100); }),
              " <<<< Warning   2: Incorrect parameter in shdpat!   ( 180)\n");
    EXPECT_EQ(rec.fill.nshdpat, 5);
    EXPECT_EQ(rec.fill.ihatcrs, 1);
    EXPECT_FLOAT_EQ(rec.fill.xsurscl, 26.9999f);
    close();
}

TEST_F(Fill, DefaultsAndReset) {
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.fill.nshdpat, 0);
    EXPECT_EQ(rec.fill.inoarln, 1);
    EXPECT_FLOAT_EQ(rec.fill.xsurscl, 1.9999f);
    shdpat(7);
    noarln();
    reset("SHDP");
    EXPECT_EQ(rec.fill.nshdpat, 0);
    EXPECT_EQ(rec.fill.ihattyp, 0);
    reset("noar");
    EXPECT_EQ(rec.fill.inoarln, 1);
    close();
}

// ---- Line styles of the hatch lines ------------------------------------------

// Ink runs and paper runs along one row of a rendered plot, left to right,
// without the runs cut by the ends of the scan.
struct Runs {
    std::vector<int> ink, paper;
};

Runs runsAlong(const HpglRaster &raster, int y, int x1, int x2) {
    Runs runs;
    bool inkNow = raster.ink(x1, y);
    int length = 0;
    bool first = true;
    for (int x = x1; x <= x2; ++x) {
        if (raster.ink(x, y) == inkNow) {
            ++length;
            continue;
        }
        if (!first) (inkNow ? runs.ink : runs.paper).push_back(length);
        first = false;
        inkNow = !inkNow;
        length = 1;
    }
    return runs;
}

// The row of a hatch line between y1 and y2: the one with the most ink.
int hatchRow(const HpglRaster &raster, int y1, int y2, int x1, int x2) {
    int best = y1, most = -1;
    for (int y = y1; y <= y2; ++y) {
        int n = 0;
        for (int x = x1; x <= x2; ++x)
            n += raster.ink(x, y) ? 1 : 0;
        if (n > most) {
            most = n;
            best = y;
        }
    }
    return best;
}

using HatchStyles = RenderedPlot;

TEST_F(HatchStyles, TypesFiveToSevenAreDottedDashedAndDashDotted) {
    // Horizontal hatch lines 17 units apart across a wide rectangle; one of
    // them lies near y = 153. Drawn elements of dotl are 1 unit, of dashm 20,
    // of chndot 1 and 15; hp2xx's pen adds about 3 pixels to each.
    for (int type = 5; type <= 7; ++type) {
        GlobalRecord &rec = openHpgl();
        mypat(0, 2, 0, 0); // group counters that draw every line
        mypat(0, type, 3, 0);
        const float x[] = {100, 1100, 1100, 100}, y[] = {100, 100, 300, 300};
        dareaf(rec, x, y, 4);
        const HpglRaster raster = render();
        const int row = hatchRow(raster, 145, 165, 150, 1050);
        const Runs runs = runsAlong(raster, row, 150, 1050);
        int shortInk = 0, longInk = 0, other = 0;
        for (int n : runs.ink) {
            if (n <= 6)
                ++shortInk;
            else if (n >= 15 && n <= 26)
                ++longInk;
            else
                ++other;
        }
        EXPECT_EQ(other, 0) << type << " " << ::testing::PrintToString(runs.ink);
        switch (type) {
        case 5: // dots 21 units apart
            EXPECT_GE(shortInk, 40) << ::testing::PrintToString(runs.ink);
            EXPECT_EQ(longInk, 0);
            for (int n : runs.paper)
                EXPECT_NEAR(n, 17, 2);
            break;
        case 6: // dashes of 20 with gaps of 15
            EXPECT_EQ(shortInk, 0) << ::testing::PrintToString(runs.ink);
            EXPECT_GE(longInk, 20);
            for (int n : runs.paper)
                EXPECT_NEAR(n, 12, 2);
            break;
        case 7: // dot, gap, dash, gap
            EXPECT_GE(shortInk, 10) << ::testing::PrintToString(runs.ink);
            EXPECT_NEAR(shortInk, longInk, 1);
            for (int n : runs.paper)
                EXPECT_NEAR(n, 12, 2);
            break;
        }
    }
}

// Shapes that reach a billion plot units beyond the page: their scan lines
// start near the clip region and end past it, so that the fill ends at once
// and covers what the page shows (a walk from the shape's far edge would not
// end, or would stop at once where the spacing is lost against the values).
using FarFill = RenderedPlot;

TEST_F(FarFill, ShapesAreScannedWhereThePageIs) {
    struct Case {
        const char *what;
        void (*draw)();
    };
    const Case cases[] = {
        {"solid circle",
         [] {
             shdpat(16);
             circle(1500, 1000, 1000000000);
         }},
        {"solid sector", [] { sector(1500, 1000, 0, 1000000000, 0, 360, 1); }},
        {"hatched rectangle",
         [] {
             shdpat(5);
             rectan(-1000000000, -1000000000, 2000000000, 2000000000);
         }},
        {"solid triangle",
         [] {
             const float x[3] = {-1.0e9f, 1.0e9f, 1500}, y[3] = {1.0e9f, 1.0e9f, -1.0e9f};
             trifll(x, y);
         }},
        {"hatched area",
         [] {
             shdpat(5);
             const int x[3] = {-1000000000, 1000000000, 1500};
             const int y[3] = {1000000000, 1000000000, -1000000000};
             areaf(x, y, 3);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EXIT(
            {
                limitProcessorTime(10);
                openHpgl();
                captureStdout(c.draw);
                const HpglRaster raster = render();
                std::_Exit(raster.inkCountColumn(1500, 900, 1100) > 0 ? 0 : 4);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

TEST_F(Fill, HatchLinesLeaveTheCallersLineStyle) {
    GlobalRecord &rec = open();
    dash();
    shdpat(16); // solid: every scan line one stroke, though dashes are in force
    dareaf(rec, kSquareX.data(), kSquareY.data(), 4);
    line(100, 500, 140, 500);
    const Trace trace = pensOnly(penTrace(close(), rec));
    ASSERT_GT(trace.size(), 6u);
    for (std::size_t i = 0; i + 5 < trace.size(); i += 2) {
        EXPECT_EQ(trace[i][0], 'M') << i;
        EXPECT_EQ(trace[i + 1][0], 'D') << i;
    }
    // The dashes come back, their walk started afresh.
    EXPECT_EQ(Trace(trace.end() - 6, trace.end()), (Trace{"M 100 500", "D 110 500", "M 120 500",
                                                          "D 130 500", "M 140 500", "D 140 500"}));
    EXPECT_EQ(rec.line.ilintyp, 2);
}

} // namespace
