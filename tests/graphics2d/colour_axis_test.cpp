// Axis systems with a colour bar: the colour of a value, the bar, the points
// of colour plots and the settings of both.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "graphics2d/colour_axis.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

class ColourAxis : public AxisTest {
  protected:
    // X 0..10 and Y 0..5 on 1001 x 501 units at (200, 1200), 100 units per
    // user unit; nothing of the X and Y axes is drawn but their lines.
    static void quietAxes() {
        axspos(200, 1200);
        axslen(1001, 501);
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        grace(0);
    }

    // The pen (colour number) of the draw that starts at the offset of an HPGL
    // file: the last pen selected before it.
    static int penAt(const std::string &hpgl, std::size_t draw) {
        const std::string head = hpgl.substr(0, draw);
        const std::size_t at = head.rfind("SP");
        return at == std::string::npos ? -1 : std::atoi(head.c_str() + at + 2);
    }
    static int penAtFirstDraw(const std::string &hpgl) { return penAt(hpgl, hpgl.find("PD")); }
    static int penAtLastDraw(const std::string &hpgl) { return penAt(hpgl, hpgl.rfind("PD")); }

    // Where the bar of graf3 starts: right of the axis system by the bar
    // distance, at its bottom.
    static int barX(const GlobalRecord &rec) {
        return rec.axsys.naxspos[0] + rec.axsys.naxslen[0] + rec.axsys.nbardis;
    }
};

// The colour numbers of values: colours 1..10 over the Z axis, the table's
// ends 0 and 255 below and above it.
TEST_F(ColourAxis, ValuesMapToTheColourRange) {
    const float nan = std::nanf("");
    struct Case {
        float za, ze;
        bool logarithmic;
        std::vector<float> z;
        std::vector<int> colours;
    } cases[] = {
        // The upper end maps to colour 11 and is clamped to the last colour.
        {0, 10, false, {-1, 0, 4.5f, 9.99f, 10, 11, nan}, {0, 1, 5, 10, 10, 255, 0}},
        // A descending axis: its start has the first colour, below it is above.
        {10, 0, false, {-1, 0, 5.5f, 10, 11}, {255, 10, 5, 1, 0}},
        // Exponents 0..2: 1..100 in decades of five colours.
        {0, 2, true, {0.5f, 1, 10, 99, 100, 1000}, {0, 1, 6, 10, 10, 255}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.za);
        open();
        const std::string out = captureStdout([&c] {
            nograf();
            colran(1, 10);
            if (c.logarithmic) scale("LOG", "Z");
            graf3(0, 10, 0, 2, 0, 5, 0, 1, c.za, c.ze, c.za, (c.ze - c.za) / 2);
        });
        EXPECT_EQ(out.find("Warning"), std::string::npos) << out;
        std::vector<int> colours(c.z.size(), -7);
        colray(c.z.data(), colours.data(), int(c.z.size()));
        EXPECT_EQ(colours, c.colours);
        close();
    }
}

TEST_F(ColourAxis, ColrayWritesNothingForNoValues) {
    open();
    captureStdout([] {
        nograf();
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 1);
    });
    const float z[1] = {0.5f};
    int colour = -7;
    colray(z, &colour, 0);
    colray(z, &colour, -1);
    EXPECT_EQ(colour, -7);
    close();
}

// The bar from bottom to top in the colours of the range, on a PPM file; nobar
// leaves the place empty but the level is 3 all the same.
TEST_F(ColourAxis, BarShowsTheRangeFromBottomToTop) {
    const std::array<std::array<float, 3>, 4> rgb = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}}};
    for (const bool suppressed : {false, true}) {
        SCOPED_TRACE(suppressed);
        GlobalRecord &rec = open("PPM", "plot.ppm");
        captureStdout([&rgb, suppressed] {
            for (int i = 0; i < 4; ++i)
                setind(i + 1, rgb[i][0], rgb[i][1], rgb[i][2]);
            colran(1, 4);
            if (suppressed) nobar();
            graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 4, 0, 1);
        });
        EXPECT_EQ(getlev(), 3);
        const float scale = rec.page.xdevscl;
        const int x = barX(rec) + rec.axsys.nwidbar / 2, y = rec.axsys.naxspos[1];
        const float part = float(rec.axsys.naxslen[2]) / 4;
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        const unsigned char *empty = image.at(2, 2);
        for (int k = 0; k < 4; ++k) {
            const float py = float(y) - (float(k) + 0.5f) * part;
            const unsigned char *p = image.at(int(float(x) * scale + 0.5f), int(py * scale + 0.5f));
            for (int c = 0; c < 3; ++c) {
                const int expected = suppressed ? empty[c] : int(rgb[k][c] * 255);
                EXPECT_EQ(int(p[c]), expected) << "box " << k + 1 << " component " << c;
            }
        }
    }
}

// vkxbar and vkybar move the bar right and up from its place beside the axis
// system.
TEST_F(ColourAxis, VkxbarAndVkybarShiftTheBar) {
    GlobalRecord &rec = open("PPM", "plot.ppm");
    captureStdout([] {
        setind(1, 1, 0, 0);
        colran(1, 1);
        vkxbar(150);
        vkybar(100);
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 1);
    });
    const float scale = rec.page.xdevscl;
    const int x = barX(rec) + rec.axsys.nwidbar / 2, y = rec.axsys.naxspos[1];
    const float lowest = float(y) - 20; // inside the first box, above the bar's foot
    close("plot.ppm");
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    auto red = [&](float px, float py) {
        const unsigned char *p = image.at(int(px * scale + 0.5f), int(py * scale + 0.5f));
        return p[0] == 255 && p[1] == 0 && p[2] == 0;
    };
    EXPECT_TRUE(red(float(x + 150), lowest - 100));
    EXPECT_FALSE(red(float(x), lowest - 100));        // not at its own place
    EXPECT_FALSE(red(float(x + 150), float(y) - 50)); // below the shifted foot
}

// A logarithmic bar with expzlb: its axis runs over whole decades and the
// boxes cover the data range on it. The bar is 1001 units long from y 1200.
TEST_F(ColourAxis, LogarithmicBarsAreRoundedToDecades) {
    struct Case {
        const char *mode;
        float za, ze;
        bool logarithmic;
        float boxTop, boxBottom;       // extent of the boxes
        std::vector<float> majorTicks; // y of the major ticks
    } cases[] = {
        {"NONE", 0.5f, 1.5f, true, 199, 1200, {1200, 200}},
        // 0..1.5: the boxes start a third up and reach the top.
        {"FIRS", 0.5f, 1.5f, true, 200, 867, {1200, 533}},
        {"BOTH", 0.5f, 1.5f, true, 450, 950, {1200, 700, 200}},
        {"BOTH", -1.5f, -0.5f, true, 450, 950, {1200, 700, 200}},
        // Linear bars are never rounded.
        {"BOTH", 0.5f, 1.5f, false, 199, 1200, {1200, 200}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.za));
        GlobalRecord &rec = openHpgl();
        rec.axsys.naxslen[2] = 1001; // the Z length, as a 3-D axis system would set it
        captureStdout([&c] {
            quietAxes();
            colran(1, 4);
            labels("NONE", "Z");
            expzlb(c.mode);
            if (c.logarithmic) scale("LOG", "Z");
            graf3(0, 10, 0, 2, 0, 5, 0, 1, c.za, c.ze, c.za, 1);
        });
        const float left = float(barX(rec)), right = left + float(rec.axsys.nwidbar) - 1;
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        float top = 1e9f, bottom = -1e9f;
        for (const Segment &s : drawn) {
            if (s.x1 != left || s.x2 != right || s.y1 != s.y2) continue;
            top = std::min(top, s.y1);
            bottom = std::max(bottom, s.y1);
        }
        EXPECT_EQ(top, c.boxTop);
        EXPECT_EQ(bottom, c.boxBottom);
        EXPECT_EQ(drawn.count(segment(right, 1200, right, 200)), 1u); // the axis line
        for (const float y : c.majorTicks)
            EXPECT_EQ(drawn.count(segment(right, y, right + 24, y)), 1u) << "tick at " << y;
    }
}

// rpoint: a box centred on the point in the colour of its value; points
// outside the scaling are reported instead, and nobgd drops the colour below
// the range.
TEST_F(ColourAxis, PointsAreBoxesInTheColourOfTheirValue) {
    struct Case {
        float x, z;
        bool background;
        int colour; // -1: nothing drawn
        const char *report;
    } cases[] = {
        {5, 4.5f, false, 5, ""},
        {5, -1, false, 0, ""},
        {5, -1, true, -1, ""},
        {5, 11, true, 255, ""},
        {11, 4.5f, false, -1, " <<<< (  1.1000e+01 /  2.5000e+00) out of axis scaling!\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x + c.z);
        GlobalRecord &rec = openHpgl();
        captureStdout([&c] {
            quietAxes();
            nograf();
            colran(1, 10);
            if (c.background) nobgd();
            graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 10, 0, 2);
        });
        const std::string out = captureStdout([&] { rpoint(rec, c.x, 2.5f, c.z, 41, 21); });
        EXPECT_EQ(out, c.report);
        const std::string hpgl = close("plot.hpg");
        const std::vector<PenOp> ops = hpglPenOps(hpgl);
        float x1 = 1e9f, y1 = 1e9f, x2 = -1e9f, y2 = -1e9f;
        int draws = 0;
        for (const PenOp &op : ops) {
            x1 = std::min(x1, op.x);
            x2 = std::max(x2, op.x);
            y1 = std::min(y1, op.y);
            y2 = std::max(y2, op.y);
            draws += op.draw ? 1 : 0;
        }
        if (c.colour < 0) {
            EXPECT_EQ(draws, 0);
            continue;
        }
        // (700, 950) with half sizes 20.5 and 10.5, truncated.
        EXPECT_EQ(x1, 679);
        EXPECT_EQ(x2, 720);
        EXPECT_EQ(y1, 939);
        EXPECT_EQ(y2, 960);
        EXPECT_EQ(penAtFirstDraw(hpgl), c.colour);
    }
}

// Refusals: the level check of each routine, the checks of the axes, and the
// ranges of the settings. Nothing but the warning happens.
TEST_F(ColourAxis, RefusalsWarnAndChangeNothing) {
    struct Case {
        std::function<void()> before, call;
        const char *warning;
        int level;
        std::function<bool(const GlobalRecord &)> unchanged;
    } cases[] = {
        {[] { graf(0, 10, 0, 2, 0, 5, 0, 1); }, [] { graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 1); },
         " <<<< Warning   3: Incorrect level in graf3!   (   2)\n", 2,
         [](const GlobalRecord &r) { return r.axsys.igraf3 == 0; }},
        {[] {}, [] { graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 0); },
         " <<<< Warning   9: Step equal zero in graf3!\n", 1,
         [](const GlobalRecord &r) { return r.axsys.igraf3 == 0; }},
        // A refused X axis leaves level 1: nothing is set up for colour plots.
        {[] {}, [] { graf3(1, 1, 1, 2, 0, 5, 0, 1, 0, 1, 0, 1); },
         " <<<< Warning  10: Begin and end of scaling are equal in graf3!\n"
         " <<<< Warning  50: Incorrect sign for step in graf3!\n",
         1, [](const GlobalRecord &r) { return r.axsys.igraf3 == 0; }},
        {[] {},
         [] {
             const float z[1] = {1};
             int colour = -7;
             colray(z, &colour, 1);
             if (colour != -7) ADD_FAILURE() << "colray wrote " << colour;
         },
         " <<<< Warning   3: Incorrect level in colray!   (   1)\n", 1,
         [](const GlobalRecord &) { return true; }},
        {[] { graf(0, 10, 0, 2, 0, 5, 0, 1); }, [] { autres(10, 10); },
         " <<<< Warning   3: Incorrect level in autres!   (   2)\n", 2,
         [](const GlobalRecord &r) { return r.axsys.iautres == 0; }},
        {[] {}, [] { autres(1, 50); },
         " <<<< Warning   2: Incorrect parameter in autres!   (   1)\n", 1,
         [](const GlobalRecord &r) { return r.axsys.iautres == 0 && r.axsys.nautres[1] == 0; }},
        {[] {}, [] { widbar(10001); },
         " <<<< Warning   2: Incorrect parameter in widbar!   (10001)\n", 1,
         [](const GlobalRecord &r) { return r.axsys.nwidbar == 85; }},
        // setres stores the good value and ends the automatic size all the same.
        {[] { autres(10, 10); }, [] { setres(-1, 5); },
         " <<<< Warning   1: Negative parameter in setres!   (  -1)\n", 1,
         [](const GlobalRecord &r) {
             return r.axsys.nsetres[0] == 1 && r.axsys.nsetres[1] == 5 && r.axsys.iautres == 0;
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.warning);
        const GlobalRecord &rec = open();
        captureStdout(c.before);
        EXPECT_EQ(captureStdout(c.call), c.warning);
        EXPECT_EQ(getlev(), c.level);
        EXPECT_TRUE(c.unchanged(rec));
        close();
    }
}

// graf3 opens level 3 with the Z axis that getgrf reports; endgrf closes it.
TEST_F(ColourAxis, EndgrfClosesTheColourAxisSystem) {
    const GlobalRecord &rec = open();
    captureStdout([] { graf3(0, 10, 0, 2, 0, 5, 0, 1, -1, 3, -1, 2); });
    EXPECT_EQ(getlev(), 3);
    EXPECT_EQ(rec.axsys.igraf3, 1);
    float a = 0, e = 0, first = 0, step = 0;
    getgrf(&a, &e, &first, &step, "Z");
    EXPECT_EQ((std::array<float, 4>{a, e, first, step}), (std::array<float, 4>{-1, 3, -1, 2}));
    endgrf();
    EXPECT_EQ(getlev(), 1);
    EXPECT_EQ(rec.axsys.igraf3, 0);
    close();
}

// autres: cells that let the counts of points cover the axes, one unit more
// on file devices; graf3 computes them.
TEST_F(ColourAxis, AutomaticCellSize) {
    struct Case {
        int nx, ny;
        int width, height; // on a file device
    } cases[] = {
        {11, 6, 101, 101},    // 1000 / 10 and 500 / 5
        {3, 4, 501, 168},     // 1000 / 2 and ceiling(500 / 3)
        {10000, 10000, 2, 2}, // at least one unit
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nx);
        GlobalRecord &rec = openHpgl();
        captureStdout([&c] {
            quietAxes();
            autres(c.nx, c.ny);
            graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 1);
        });
        int width = 0, height = 0;
        getres(&width, &height);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
        // A screen gets the cells without the extra unit.
        rec.core.idevice = 80;
        gautrs(rec, width, height, c.nx, c.ny, 1001, 501);
        rec.core.idevice = 401;
        EXPECT_EQ(width, c.width - 1);
        EXPECT_EQ(height, c.height - 1);
        closeHpgl();
    }
}

// center leaves room for the bar right of the axis system: its distance and
// width here, the Z axis having neither ticks nor labels.
TEST_F(ColourAxis, CentringLeavesRoomForTheBar) {
    int shift[2] = {};
    for (const bool suppressed : {false, true}) {
        open();
        captureStdout([suppressed] {
            ax2grf();
            labels("NONE", "Z");
            ticks(0, "Z");
            if (suppressed) nobar();
            center();
            graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 1);
        });
        int ny = 0;
        getor(&shift[suppressed ? 1 : 0], &ny);
        close();
    }
    EXPECT_EQ(shift[1] - shift[0], (85 + 85) / 2);
}

TEST_F(ColourAxis, ResetRestoresTheColourBarSettings) {
    struct Case {
        const char *key;
        void (*set)();
        bool (*restored)(const GlobalRecord &);
    } cases[] = {
        {"NOBA", nobar, [](const GlobalRecord &r) { return r.axsys.inobar == 1; }},
        {"NOBG", nobgd, [](const GlobalRecord &r) { return r.axsys.inobgd == 0; }},
        {"AUTR", [] { autres(5, 5); }, [](const GlobalRecord &r) { return r.axsys.iautres == 0; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        const GlobalRecord &rec = open();
        c.set();
        EXPECT_FALSE(c.restored(rec));
        reset(c.key);
        EXPECT_TRUE(c.restored(rec));
        close();
    }
}

// The background box and the bar's boxes are filled with lines in their
// colours on HPGL; the axes after them are drawn in the colour in force before.
TEST_F(ColourAxis, AxesAfterFilledBoxesKeepTheCurrentColour) {
    openHpgl();
    captureStdout([] {
        axspos(200, 1200);
        axslen(1001, 501);
        setclr(7);
        axsbgd(3);
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 1, 0, 1);
    });
    const std::string hpgl = close("plot.hpg");
    EXPECT_NE(hpgl.find("SP3;"), std::string::npos); // the background
    EXPECT_EQ(penAtLastDraw(hpgl), 7);
}

// A horizontal bar runs to the right with its first colour on the left, its
// axis below it.
TEST_F(ColourAxis, HorizontalBarRunsToTheRight) {
    GlobalRecord &rec = openHpgl();
    captureStdout([&rec] {
        colran(1, 4);
        labels("NONE", "Z");
        colbar(rec, 0, 4, 0, 1, 1001, 0, 1, "", 0, 200, 1500);
    });
    const std::string hpgl = close("plot.hpg");
    const Segment axis = segment(200, 1500, 1200, 1500);
    std::set<std::pair<float, float>> boxes; // x extents of the fill lines
    const std::multiset<Segment> drawn = segmentsOf(hpglPenOps(hpgl));
    for (const Segment &s : drawn)
        if (s.y1 == s.y2 && s.y1 >= 1500 - 84 && s.y1 <= 1500 && s.x2 - s.x1 > 100 && s != axis)
            boxes.insert({s.x1, s.x2});
    // 1001 / 4 units each, truncated.
    const std::set<std::pair<float, float>> expected = {
        {200, 450}, {450, 700}, {700, 950}, {950, 1201}};
    EXPECT_EQ(boxes, expected);
    // The pens in order, the first after the one of the file's header.
    const std::size_t p2 = hpgl.find("SP2;"), p3 = hpgl.find("SP3;"), p4 = hpgl.find("SP4;");
    const std::size_t p1 = hpgl.rfind("SP1;", p2);
    EXPECT_GT(p1, hpgl.find("SP1;"));
    EXPECT_TRUE(p1 < p2 && p2 < p3 && p3 < p4 && p4 != std::string::npos) << hpgl;
    EXPECT_EQ(drawn.count(axis), 1u);
}

} // namespace
