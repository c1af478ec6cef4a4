// Bar graphs: the outlines of vertical and horizontal bars, groups over
// several calls, positions at the ticks and starts at the axis, the fills,
// borders and faces of the 3-D look as pixels, value labels where a PDF
// reader finds them, the settings and the warnings for bad input.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "kernel/colour.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/raster_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

class BarGraph : public AxisTest {
  protected:
    // A rectangle outline as the four segments areaf draws.
    static void addBox(std::multiset<Segment> &s, float x1, float y1, float x2, float y2) {
        s.insert(segment(x1, y1, x2, y1));
        s.insert(segment(x2, y1, x2, y2));
        s.insert(segment(x2, y2, x1, y2));
        s.insert(segment(x1, y2, x1, y1));
    }
    // Every call leaves the pattern of the next legend entry in force; with
    // pattern 0 in the whole cycle every bar stays an outline.
    static void outlinesOnly() {
        for (int i = 1; i <= 30; ++i)
            patcyc(i, 0);
    }
};

// The axis system of standardAxes: x 0..10 at 200..1200, y 0..5 at
// 1200..700, 100 plot units per user unit. Bars are outlined only (pattern 0).
TEST_F(BarGraph, OutlinesOfVerticalHorizontalAndGroupedBars) {
    struct Case {
        const char *name;
        std::function<void()> draw;
        std::vector<std::array<float, 4>> boxes; // x1, y1, x2, y2
    };
    const float x[3] = {2, 4, 6}, y1[3] = {0, 0, 1}, y2[3] = {1, 2, 3};
    const std::vector<Case> cases = {
        // Slot 0.75 * 200 = 150 wide, centred on the positions.
        {"vertical",
         [&] { bars(x, y1, y2, 3); },
         {{325, 1200, 475, 1100}, {525, 1200, 675, 1000}, {725, 1100, 875, 900}}},
        // The same arrays turned: positions on Y (100 apart: slot 75), values along X.
        {"horizontal",
         [&] {
             bartyp("HORI");
             const float p[2] = {1, 2};
             bars(p, y1, y2, 2);
         },
         {{200, 1063, 300, 1138}, {200, 963, 400, 1038}}},
        // Two members with no gap share the slot; the third call starts the next group.
        {"group without gap",
         [&] {
             bargrp(2, 0.0f);
             bars(x, y1, y2, 2);
             bars(x, y1, y2, 1);
             bars(x, y1, y2, 1);
         },
         {{325, 1200, 400, 1100},
          {525, 1200, 600, 1000},
          {400, 1200, 475, 1100},
          {325, 1200, 400, 1100}}},
        // A gap of -10: 10 plot units between the members, (150 - 10) / 2 each.
        {"group with a gap in plot units",
         [&] {
             bargrp(2, -10.0f);
             bars(x, y1, y2, 2);
             bars(x, y1, y2, 2);
         },
         {{325, 1200, 395, 1100},
          {525, 1200, 595, 1000},
          {405, 1200, 475, 1100},
          {605, 1200, 675, 1000}}},
        // A gap of 0.5 of the bar width: w = 150 / 2.5 = 60, G = 30.
        {"group with a relative gap",
         [&] {
             bargrp(2, 0.5f);
             bars(x, y1, y2, 1);
             bars(x, y1, y2, 1);
         },
         {{325, 1200, 385, 1100}, {415, 1200, 475, 1100}}},
        // Every start at the start of the Y axis.
        {"starts at the axis",
         [&] {
             barpos("AXIS");
             bars(x + 2, y1 + 2, y2 + 2, 1);
         },
         {{725, 1200, 875, 900}}},
        // Variable widths: each bar takes the nearer of its neighbours.
        {"variable widths",
         [&] {
             barmod("VARI", "WIDTH");
             const float p[3] = {1, 2, 6};
             bars(p, y1, y2, 3);
         },
         {{263, 1200, 338, 1100}, {363, 1200, 438, 1000}, {650, 1100, 950, 900}}},
        // Widths in plot units.
        {"absolute width",
         [&] {
             barwth(-40.0f);
             bars(x, y1, y2, 1);
         },
         {{380, 1200, 420, 1100}}},
        // A position between page units (412.5) is rounded before the width
        // is laid round it: 413 - 20.5 rounds to 393.
        {"position between page units",
         [&] {
             barwth(-41.0f);
             const float p[1] = {2.125f};
             bars(p, y1, y2, 1);
         },
         {{393, 1200, 434, 1100}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        openHpgl();
        standardAxes(true);
        captureStdout([&c] {
            outlinesOnly();
            c.draw();
        });
        std::multiset<Segment> expected;
        for (const auto &b : c.boxes)
            addBox(expected, b[0], b[1], b[2], b[3]);
        EXPECT_EQ(segmentsOf(closeHpgl()), expected);
    }
}

// TICK puts the bars at the inner main ticks: 2, 4, 6, 8 of an axis 0..10
// with step 2. Five bars give warning 28 and four are drawn; the caller's
// arrays keep their values.
TEST_F(BarGraph, BarsAtTheTicksAreCountedAgainstThem) {
    openHpgl();
    standardAxes(true);
    float x[5] = {0, 0, 0, 0, 0}, y1[5] = {0, 0, 0, 0, 0}, y2[5] = {1, 1, 1, 1, 1};
    EXPECT_EQ(captureStdout([&] {
                  outlinesOnly();
                  barpos("TICK");
                  bars(x, y1, y2, 5);
              }),
              " <<<< Warning  28: Number of bars unequal number of main ticks in bars!\n");
    EXPECT_EQ(captureStdout([&] { bars(x, y1, y2, 4); }), "");
    for (float v : x)
        EXPECT_EQ(v, 0.0f);
    std::multiset<Segment> expected;
    for (int k = 0; k < 2; ++k)
        for (float px : {400.0f, 600.0f, 800.0f, 1000.0f})
            addBox(expected, px - 75, 1200, px + 75, 1100);
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

// On a logarithmic Y axis the bars start at 10 to the power of the axis start.
TEST_F(BarGraph, StartsAtALogarithmicAxisArePowers) {
    openHpgl();
    captureStdout([] {
        scale("LOG", "Y");
        axspos(200, 1200);
        axslen(1001, 501);
        labels("NONE", "XY");
        ticks(0, "XY");
        noline("XY");
        frame(0);
        grace(0);
        graf(0, 10, 0, 2, 1, 3, 1, 1); // 250 plot units per decade from 10
        barpos("AXIS");
    });
    const float x[1] = {2}, y1[1] = {-5}, y2[1] = {100};
    EXPECT_EQ(captureStdout([&] { bars(x, y1, y2, 1); }), "");
    std::multiset<Segment> expected;
    addBox(expected, 325, 1200, 475, 950);
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

// A failed call still counts in its group, and a group made smaller while it
// runs ends at once: the next call always starts at the left of its slot.
TEST_F(BarGraph, TheGroupCounterEndsEvenWhenACallDrawsNothing) {
    openHpgl();
    standardAxes(true);
    const float x[1] = {2}, y1[1] = {0}, y2[1] = {1};
    const float bad[1] = {-1};
    GlobalRecord &rec = currentRecord();
    captureStdout([&] {
        bargrp(2, 0.0f);
        bars(x, y1, y2, 1);
        rec.axes.ilogax[1] = 1;
        bars(x, bad, y2, 1); // warning 27, nothing drawn, the group is complete
        rec.axes.ilogax[1] = 0;
    });
    EXPECT_EQ(rec.bar.nbarcnt, 0);
    captureStdout([&] {
        bars(x, y1, y2, 1);
        bargrp(1, 0.0f);
        bars(x, y1, y2, 1);
    });
    EXPECT_EQ(rec.bar.nbarcnt, 0);
    closeHpgl();
}

// Bars of no height (y1 = y2) or no width (barwth 0) are outlined only, also
// under a solid pattern: the pen stays on one line.
TEST_F(BarGraph, AnEmptyBarIsOnlyOutlined) {
    struct Case {
        const char *name;
        float width, y2;
        float xmin, xmax, ymin, ymax;
    } cases[] = {
        {"no height", 0.75f, 0, 525, 675, 1200, 1200},
        {"no width", 0.0f, 1, 600, 600, 1100, 1200},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        openHpgl();
        standardAxes(true);
        const float x[1] = {4}, y1[1] = {0}, y2[1] = {c.y2};
        captureStdout([&] {
            shdpat(16);
            barwth(c.width);
            bars(x, y1, y2, 1);
        });
        const std::vector<PenOp> ops = closeHpgl();
        ASSERT_FALSE(ops.empty());
        for (const PenOp &op : ops) {
            EXPECT_TRUE(op.x >= c.xmin && op.x <= c.xmax) << describe({op});
            EXPECT_TRUE(op.y >= c.ymin && op.y <= c.ymax) << describe({op});
        }
    }
}

class BarPixels : public RasterPixels<BarGraph> {
  protected:
    void openRaster() {
        RasterPixels::openRaster();
        standardAxes(true);
    }
    // The colour is found within a pixel of the point (lines are one pixel wide).
    bool near(const RgbImage &image, float px, float py, const std::array<int, 3> &colour) const {
        const int cx = int(px * scale + 0.5f), cy = int(py * scale + 0.5f);
        for (int y = cy - 1; y <= cy + 1; ++y)
            for (int x = cx - 1; x <= cx + 1; ++x) {
                const unsigned char *p = image.at(x, y);
                if (std::array<int, 3>{p[0], p[1], p[2]} == colour) return true;
            }
        return false;
    }
    static std::array<int, 3> rgb(float r, float g, float b) {
        return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
    }
    std::array<int, 3> rgbOf(int colour) const {
        float r, g, b;
        qqgrgb(*rec, colour, r, g, b);
        return rgb(r, g, b);
    }
};

// The 3-D look with the default options: faces as deep as the bar is wide at
// 45 degrees, each in its colour, and borders in the foreground colour
// although barbor was never called. Points are plot units.
TEST_F(BarPixels, ThreeDimensionalBarsHaveTheirFacesAndBorders) {
    struct Case {
        const char *kind;
        float position, start, end;
        float front[2], side[2], top[2], beyond[2], border[2];
    } cases[] = {
        // Front 525..675 x 900..1200, depth 106: the side right of it, the top above.
        {"3DVE", 4, 0, 3, {600, 1050}, {728, 1050}, {600, 847}, {801, 1050}, {525, 1050}},
        // Front 200..600 x 863..938, depth 53: the face along the upper edge
        // above it, the end face right of it.
        {"3DHO", 3, 0, 4, {400, 900}, {400, 837}, {626, 875}, {700, 875}, {400, 938}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        openRaster();
        captureStdout([&c] {
            bartyp(c.kind);
            shdpat(16);
            barclr(intrgb(1, 0, 0), intrgb(0, 1, 0), intrgb(0, 0, 1));
            bars(&c.position, &c.start, &c.end, 1);
        });
        const auto fore = rgbOf(rec->colour.nclrfgd);
        const RgbImage image = closeRaster();
        EXPECT_EQ(at(image, c.front[0], c.front[1]), rgb(1, 0, 0));
        EXPECT_EQ(at(image, c.side[0], c.side[1]), rgb(0, 1, 0));
        EXPECT_EQ(at(image, c.top[0], c.top[1]), rgb(0, 0, 1));
        EXPECT_EQ(at(image, c.beyond[0], c.beyond[1]), at(image, 1100, 750))
            << "nothing beyond the depth";
        EXPECT_NE(fore, rgb(1, 0, 0));
        EXPECT_TRUE(near(image, c.border[0], c.border[1], fore)) << "front border";
    }
}

// Flat bars: the border only when barbor names a colour, in that colour;
// the colour cycle changes from bar to bar and starts again after 30 bars.
TEST_F(BarPixels, BordersAndTheColourCycle) {
    openRaster();
    std::vector<float> x(31), y1(31, 0.0f), y2(31, 4.0f);
    for (int i = 0; i < 31; ++i)
        x[std::size_t(i)] = 0.25f + 0.3f * float(i);
    captureStdout([&] {
        clrcyc(1, intrgb(1, 0, 0));
        clrcyc(2, intrgb(0, 1, 0));
        chnbar("COLO");
        shdpat(16);
        barwth(-20.0f);
        setrgb(0, 0, 1);
        bars(x.data(), y1.data(), y2.data(), 31);
    });
    EXPECT_EQ(rec->colour.ncolor, intrgb(0, 0, 1)) << "the colour before the bars is back";
    captureStdout([&] {
        chnbar("NONE");
        barbor(intrgb(1, 1, 0));
        shdpat(16);
        const float px[1] = {5}, p1[1] = {0}, p2[1] = {0.5f};
        bars(px, p1, p2, 1);
    });
    const RgbImage image = closeRaster();
    const auto centre = [](int i) { return 200 + 100 * (0.25f + 0.3f * float(i)); };
    EXPECT_EQ(at(image, centre(0), 1000), rgb(1, 0, 0));
    EXPECT_EQ(at(image, centre(1), 1000), rgb(0, 1, 0));
    EXPECT_EQ(at(image, centre(30), 1000), rgb(1, 0, 0)) << "bar 31 takes cycle entry 1";
    EXPECT_FALSE(near(image, centre(0) - 10, 1000, rgb(1, 1, 0))) << "no border without barbor";
    // The last bar: 690..710 x 1150..1200, filled blue, its border yellow.
    EXPECT_EQ(at(image, 700, 1175), rgb(0, 0, 1));
    EXPECT_TRUE(near(image, 690, 1175, rgb(1, 1, 0)));
    EXPECT_TRUE(near(image, 700, 1150, rgb(1, 1, 0)));
}

// AUTO labels: inside a bar that can hold the text, above a short one; a bar
// pointing downwards turns the places round, so its inside label sits near
// its lower end and its outside label below it.
TEST_F(BarGraph, AutomaticLabelsGoInsideOrOutside) {
    openPdf();
    standardAxes(true);
    const float x[4] = {2, 4, 6, 8}, y1[4] = {0, 0, 4, 4}, y2[4] = {4, 0.25f, 1, 3.8f};
    captureStdout([&] {
        labels("SECO", "BAR");
        labdig(2, "BAR");
        bars(x, y1, y2, 4);
    });
    const std::vector<Word> words = closePdf();
    struct Expected {
        const char *text;
        float x, ymin, ymax;
    } expected[] = {
        {"4.00", 400, 800, 900},   // inside, below the top at 800
        {"0.25", 600, 1050, 1175}, // above the top at 1175
        {"1.00", 800, 1000, 1100}, // inside, above the lower end at 1100
        {"3.80", 1000, 820, 900},  // below the lower end at 820
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.text);
        const Word w = wordOf(words, e.text);
        EXPECT_NEAR(w.centreX(), e.x, 10);
        EXPECT_GT(w.centreY(), e.ymin);
        EXPECT_LT(w.centreY(), e.ymax);
    }
}

// Positions named with labpos and the other label kinds, on horizontal bars.
TEST_F(BarGraph, LabelKindsAndPositionsOfHorizontalBars) {
    // One bar at 3 on the Y axis (page y 800..1000) from 1 to 3 (page x 300..500).
    struct Case {
        const char *kind, *position, *text;
        float xmin, xmax, ymin, ymax; // where the centre of the word lies
    } cases[] = {
        {"FIRS", "RIGH", "1.0", 300, 500, 1000, 1100}, // inside the end, below the bar
        {"DELT", "OUTS", "2.0", 500, 650, 850, 950},   // beyond the end
        {"POSI", "INSI", "3.0", 300, 500, 850, 950},
        {"MAXI", "CENT", "3.0", 380, 420, 850, 950}, // the middle
        {"MINI", "LEFT", "1.0", 300, 500, 700, 800}, // above the bar
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.position);
        openPdf();
        standardAxes(true);
        const float p[1] = {3}, y1[1] = {1}, y2[1] = {3};
        captureStdout([&] {
            bartyp("HORI");
            barwth(-200.0f);
            labels(c.kind, "BAR");
            labpos(c.position, "BAR");
            bars(p, y1, y2, 1);
        });
        const Word w = wordOf(closePdf(), c.text);
        EXPECT_GE(w.centreX(), c.xmin);
        EXPECT_LE(w.centreX(), c.xmax);
        EXPECT_GE(w.centreY(), c.ymin);
        EXPECT_LE(w.centreY(), c.ymax);
    }
}

TEST_F(BarGraph, SettersStoreTheirFields) {
    GlobalRecord &rec = currentRecord();
    struct Case {
        std::function<void()> set;
        std::function<bool(const BarState &)> check;
    } cases[] = {
        {[] { bartyp("3dho"); }, [](const BarState &b) { return b.ibartyp == 3; }},
        {[] { barpos("BOTH"); },
         [](const BarState &b) { return b.ibarpos[0] == 1 && b.ibarpos[1] == 1; }},
        {[] { barpos("TICK"); },
         [](const BarState &b) { return b.ibarpos[0] == 0 && b.ibarpos[1] == 1; }},
        {[] { barmod("VARI", "width"); }, [](const BarState &b) { return b.ibarmod == 1; }},
        {[] { bargrp(30, 0.25f); },
         [](const BarState &b) { return b.nbargrp == 30 && b.xbargap == 0.25f; }},
        {[] { barclr(-1, 3, 5); },
         [](const BarState &b) {
             return b.nbarclr[0] == -1 && b.nbarclr[1] == 3 && b.nbarclr[2] == 5;
         }},
        {[] { barbor(7); }, [](const BarState &b) { return b.nbarbor == 7; }},
        {[] { baropt(12.5f, 30.0f); },
         [](const BarState &b) { return b.xbaropt[0] == 12.5f && b.xbaropt[1] == 30.0f; }},
        {[] { chnbar("BOTH"); }, [](const BarState &b) { return b.ichnbar == 3; }},
        {[] { chnpie("COLO"); }, [](const BarState &b) { return b.ichnpie == 1; }},
        {[] { labels("MINI", "BAR"); }, [](const BarState &b) { return b.ibarlab == 4; }},
        {[] { labpos("ABOVE", "BAR"); }, [](const BarState &b) { return b.ibarlbp == 21; }},
        {[] { labpos("BELO", "BAR"); }, [](const BarState &b) { return b.ibarlbp == 23; }},
        {[] { labpos("CENT", "BAR"); }, [](const BarState &b) { return b.ibarlbp == 32; }},
        {[] { labclr(4, "BARS"); }, [](const BarState &b) { return b.nbarlbc == 4; }},
        {[] { digits(-1, "BAR"); }, [](const BarState &b) { return b.nbardig == -1; }},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        // Stored at level 0 too, after warning 3.
        EXPECT_NE(captureStdout(cases[i].set).find("Warning   3"), std::string::npos);
        EXPECT_TRUE(cases[i].check(rec.bar));
    }
    captureStdout([] { chncrv("LINE"); });
    EXPECT_EQ(rec.curve.ichncrv, 2);
}

// Bad input: each call warns and changes nothing.
TEST_F(BarGraph, BadInputWarnsAndChangesNothing) {
    openHpgl();
    standardAxes(true);
    GlobalRecord &rec = currentRecord();
    const float x[1] = {2}, y[1] = {1};
    struct Case {
        std::function<void()> call;
        const char *warning;
    } cases[] = {
        {[&] { bars(x, y, y, 0); }, " <<<< Warning   2: Incorrect parameter in bars!   (   0)\n"},
        {[&] { bars(x, y, y, 32001); },
         " <<<< Warning   2: Incorrect parameter in bars!   (32001)\n"},
        {[&] { bars(nullptr, y, y, 1); }, " <<<< Warning   2: Incorrect parameter in bars!\n"},
        {[&] { bars(x, y, nullptr, 1); }, " <<<< Warning   2: Incorrect parameter in bars!\n"},
        {[] { bartyp("DIAG"); }, " <<<< Warning   2: Incorrect parameter in bartyp!   (DIAG)\n"},
        {[] { barpos("EDGE"); }, " <<<< Warning   2: Incorrect parameter in barpos!   (EDGE)\n"},
        {[] { barmod("VARI", "HEIGHT"); },
         " <<<< Warning   2: Incorrect parameter in barmod!   (HEIGHT)\n"},
        {[] { bargrp(31, 0.0f); }, " <<<< Warning   2: Incorrect parameter in bargrp!   (  31)\n"},
        {[] { bargrp(0, 0.0f); }, " <<<< Warning   2: Incorrect parameter in bargrp!   (   0)\n"},
        {[] { barclr(1, -2, 3); }, " <<<< Warning   2: Incorrect parameter in barclr!   (  -2)\n"},
        {[] { barbor(-3); }, " <<<< Warning   2: Incorrect parameter in barbor!   (  -3)\n"},
        {[] { chnbar("LINE"); }, " <<<< Warning   2: Incorrect parameter in chnbar!   (LINE)\n"},
        {[] { labpos("UNDE", "BAR"); },
         " <<<< Warning   2: Incorrect parameter in labpos!   (UNDE)\n"},
    };
    const std::string settingsBefore = [&] {
        const BarState &b = rec.bar;
        return std::to_string(b.ibartyp) + std::to_string(b.ibarpos[0]) +
               std::to_string(b.ibarpos[1]) + std::to_string(b.ibarmod) +
               std::to_string(b.nbargrp) + std::to_string(b.nbarclr[1]) +
               std::to_string(b.nbarbor) + std::to_string(b.ichnbar) + std::to_string(b.ibarlbp);
    }();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.warning);
        EXPECT_EQ(captureStdout(c.call), c.warning);
    }
    const BarState &b = rec.bar;
    EXPECT_EQ(std::to_string(b.ibartyp) + std::to_string(b.ibarpos[0]) +
                  std::to_string(b.ibarpos[1]) + std::to_string(b.ibarmod) +
                  std::to_string(b.nbargrp) + std::to_string(b.nbarclr[1]) +
                  std::to_string(b.nbarbor) + std::to_string(b.ichnbar) + std::to_string(b.ibarlbp),
              settingsBefore);
    EXPECT_EQ(b.nbarcnt, 0);
    // Outside an axis system: warning 3 and no bars.
    captureStdout([] { endgrf(); });
    EXPECT_EQ(captureStdout([&] { bars(x, y, y, 1); }),
              " <<<< Warning   3: Incorrect level in bars!   (   1)\n");
    EXPECT_TRUE(closeHpgl().empty());
}

// One legend entry per call, recording the pattern; the counter starts again
// with every axis system.
TEST_F(BarGraph, EachCallMakesOneLegendEntry) {
    openHpgl();
    standardAxes(true);
    GlobalRecord &rec = currentRecord();
    const float x[2] = {2, 4}, y1[2] = {0, 0}, y2[2] = {1, 2};
    captureStdout([&] {
        shdpat(5);
        bars(x, y1, y2, 2);
        bars(x, y1, y2, 2);
    });
    EXPECT_EQ(rec.bar.ncrvcnt, 2);
    EXPECT_EQ(rec.legend.nlegpat[0], 5);
    // After the call the pattern is the one of the cycle's next entry but one.
    EXPECT_EQ(rec.legend.nlegpat[1], rec.curve.npatcyc[1]);
    EXPECT_EQ(rec.fill.nshdpat, rec.curve.npatcyc[2]);
    captureStdout([] { endgrf(); });
    EXPECT_EQ(rec.bar.ncrvcnt, 0);
    closeHpgl();
}

// A label inside a bar keeps the fill off its box: the top margin of the box
// shows the background, the bar below it its colour.
TEST_F(BarPixels, AnInsideLabelIsNotCoveredByTheFill) {
    openRaster();
    const float x[1] = {4}, y1[1] = {0}, y2[1] = {4};
    captureStdout([&] {
        shdpat(16);
        setrgb(1, 0, 0);
        labels("SECO", "BAR");
        labpos("INSI", "BAR");
        bars(x, y1, y2, 1);
    });
    const RgbImage image = closeRaster();
    // Bar 525..675 x 800..1200; the box from y 800 + 1.25 * 36 = 845.
    EXPECT_EQ(at(image, 600, 848), at(image, 1100, 750));
    EXPECT_EQ(at(image, 600, 1100), rgb(1, 0, 0));
    EXPECT_EQ(at(image, 600, 830), rgb(1, 0, 0));
}

// With the shields of bars on, lines drawn later stop at the bars.
TEST_F(BarGraph, ShieldedBarsCutLaterLines) {
    for (const bool shielded : {false, true}) {
        SCOPED_TRACE(shielded);
        openHpgl();
        standardAxes(true);
        const float x[1] = {4}, y1[1] = {0}, y2[1] = {1};
        captureStdout([&] {
            outlinesOnly();
            if (shielded) shield("BARS", "ON");
            bars(x, y1, y2, 1);
            rline(0, 0.5f, 10, 0.5f);
        });
        bool crosses = false;
        for (const Segment &g : segmentsOf(closeHpgl()))
            if (g.y1 == 1150 && g.y2 == 1150 && std::min(g.x1, g.x2) < 600 &&
                std::max(g.x1, g.x2) > 600)
                crosses = true;
        EXPECT_EQ(crosses, !shielded);
    }
}

} // namespace
