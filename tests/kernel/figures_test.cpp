// Figures in plot units: circles, ellipses, arcs, pies, sectors, rectangles,
// boxes and arrows, seen on rendered pixels and in the records of the text
// formats; their warnings, defaults and resets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "tests/kernel/pen_trace.h"
#include "tests/kernel/rendered_plot.h"

namespace {

using Figures = RenderedPlot;
using Trace = std::vector<std::string>;

struct FigureCase {
    const char *what;
    void (*draw)();
    int x, y; // reference point of the probes
    std::vector<Probe> probes;
};

TEST_F(Figures, OutlinedAndFilledFiguresMatchTheirGeometry) {
    const FigureCase cases[] = {
        {"circle",
         [] { circle(400, 400, 300); },
         400,
         400,
         {{300, 0, true},
          {-300, 0, true},
          {0, 300, true},
          {0, -300, true},
          {212, -212, true},
          {0, 0, false},
          {250, 0, false},
          {0, 330, false}}},
        {"ellipse",
         [] { ellips(1100, 400, 300, 150); },
         1100,
         400,
         {{300, 0, true},
          {0, -150, true},
          {-300, 0, true},
          {212, -106, true},
          {0, 0, false},
          {200, -150, false}}},
        // An arc runs counter-clockwise from alpha to beta; unfilled it stays open.
        {"arc",
         [] { arcell(1900, 400, 300, 150, 0.0f, 90.0f, 0.0f); },
         1900,
         400,
         {{299, 0, true},
          {0, -150, true},
          {134, -134, true},
          {-300, 0, false},
          {0, 150, false},
          {0, 0, false},
          {150, 0, false}}},
        // Turned 45 degrees counter-clockwise, the long axis points up and right.
        {"turned ellipse",
         [] { arcell(2500, 400, 250, 100, 0.0f, 360.0f, 45.0f); },
         2500,
         400,
         {{177, -177, true},
          {-177, 177, true},
          {-71, -71, true},
          {0, 0, false},
          {177, 177, false},
          {-150, -150, false}}},
        {"filled circle",
         [] {
             shdpat(16);
             circle(400, 1100, 300);
         },
         400,
         1100,
         {{0, 0, true}, {200, 200, true}, {-290, 0, true}, {250, 250, false}}},
        // A pattern closes an arc through its centre: a pie.
        {"pie",
         [] {
             shdpat(16);
             arcell(1100, 1100, 300, 300, 0.0f, 90.0f, 0.0f);
         },
         1100,
         1100,
         {{100, -100, true},
          {200, -50, true},
          {0, -290, true},
          {-100, -100, false},
          {100, 100, false},
          {-30, 0, false}}},
        {"rectangle",
         [] { rectan(200, 1500, 400, 200); },
         200,
         1500,
         {{200, 0, true},
          {0, 100, true},
          {399, 100, true},
          {200, 199, true},
          {200, 100, false},
          {420, 100, false}}},
        {"filled rectangle",
         [] {
             shdpat(16);
             rectan(700, 1500, 400, 200);
         },
         700,
         1500,
         {{200, 100, true}, {5, 5, true}, {395, 195, true}, {200, 210, false}}},
        // Option 9: the corners are quarter circles of half the shorter side.
        {"rounded rectangle",
         [] { rndrec(1200, 1500, 400, 200, 9); },
         1200,
         1500,
         {{200, 0, true},
          {0, 100, true},
          {29, 29, true},
          {370, 170, true},
          {3, 3, false},
          {396, 196, false},
          {200, 100, false}}},
        {"plain rectangle of option 0",
         [] { rndrec(1700, 1500, 400, 200, 0); },
         1700,
         1500,
         {{0, 0, true}, {399, 199, true}, {200, 100, false}}},
        {"filled box",
         [] { recfll(2200, 1500, 300, 200, 1); },
         2200,
         1500,
         {{150, 100, true}, {0, 0, true}, {299, 199, true}, {-6, 100, false}, {306, 100, false}}},
        {"centred box",
         [] { point(2700, 1600, 100, 60, 1); },
         2700,
         1600,
         {{0, 0, true}, {45, 25, true}, {-45, -25, true}, {60, 0, false}, {0, 40, false}}},
        {"polygon",
         [] {
             const int x[] = {2300, 2800, 2550}, y[] = {700, 700, 1100};
             shdpat(16);
             areaf(x, y, 3);
         },
         2550,
         900,
         {{0, 0, true}, {-150, -150, true}, {-150, 100, false}}},
    };
    for (const FigureCase &c : cases) {
        openHpgl();
        c.draw();
        const HpglRaster raster = render();
        ASSERT_TRUE(raster.valid());
        EXPECT_EQ(mismatches(raster, c.x, c.y, c.probes), "") << c.what;
    }
}

TEST_F(Figures, SectorsAreFilledRings) {
    const FigureCase cases[] = {
        {"quarter ring",
         [] { sector(1000, 1000, 100, 300, 0.0f, 90.0f, 1); },
         1000,
         1000,
         {{141, -141, true},
          {250, -30, true},
          {30, -250, true},
          {35, -35, false},
          {-141, -141, false},
          {141, 141, false}}},
        {"pie",
         [] { sector(1000, 1000, 0, 200, 90.0f, 180.0f, 1); },
         1000,
         1000,
         {{-10, -10, true}, {-100, -100, true}, {10, 10, false}, {100, -100, false}}},
        // More than a full turn: one turn.
        {"full disc",
         [] { sector(1000, 1000, 0, 200, 0.0f, 400.0f, 1); },
         1000,
         1000,
         {{0, 0, true}, {-100, 100, true}, {100, 100, true}, {200, 200, false}}},
    };
    for (const FigureCase &c : cases) {
        GlobalRecord &rec = openHpgl();
        setclr(3);
        c.draw();
        EXPECT_EQ(rec.colour.ncolor, 3) << c.what; // the colour in force comes back
        EXPECT_EQ(mismatches(render(), c.x, c.y, c.probes), "") << c.what;
    }
}

TEST_F(Figures, ArrowsOfEveryForm) {
    // Heads 50 long (second digit 4) and 1.5 / 4.5 of that wide on either
    // side (first digit 1); probes from the start of an arrow 400 long.
    struct ArrowCase {
        int code;
        std::vector<Probe> probes;
    };
    const ArrowCase cases[] = {
        // no head
        {1400, {{200, 0, true}, {398, 0, true}, {350, 16, false}}},
        // filled head at the end
        {1401,
         {{398, 0, true},
          {350, 16, true},
          {350, -16, true},
          {375, 5, true},
          {200, 0, true},
          {375, 14, false},
          {410, 0, false}}},
        // closed head, the shaft stops at its base
        {1411, {{350, 16, true}, {350, 0, true}, {340, 0, true}, {380, 0, false}, {365, 4, false}}},
        // open head: no base line
        {1421, {{350, 16, true}, {375, 8, true}, {380, 0, true}, {350, 8, false}}},
        // closed, unfilled head over the shaft
        {1431, {{350, 8, true}, {380, 0, true}, {365, 4, false}}},
        // heads at both ends, the first pointing back; the shaft between the bases
        {1412,
         {{50, 16, true},
          {50, -16, true},
          {2, 0, true},
          {100, 0, true},
          {350, 16, true},
          {20, 0, false},
          {380, 0, false}}},
        // both filled heads pointing forwards
        {1403,
         {{0, 16, true},
          {25, 5, true},
          {48, 0, true},
          {375, 5, true},
          {-10, 0, false},
          {25, 14, false}}},
    };
    int row = 0;
    for (const ArrowCase &c : cases) {
        openHpgl();
        vector(500, 300 + 100 * row, 900, 300 + 100 * row, c.code);
        EXPECT_EQ(mismatches(render(), 500, 300 + 100 * row, c.probes), "") << c.code;
        ++row;
    }
}

TEST_F(Figures, ArrowHeadsInPlotUnits) {
    {
        // Head 50 long and 16.7 wide on either side, closed, not filled; the
        // shaft stops at x = 450.
        GlobalRecord &rec = open();
        vector(100, 100, 500, 100, 1411);
        EXPECT_EQ(penTrace(close(), rec), (Trace{"M 100 100", "D 450 100", "M 450 83.3",
                                                 "D 500 100", "D 450 116.7", "D 450 83.3"}));
    }
    {
        // Code 1: the default head, 10 long and 1.1 wide, filled.
        GlobalRecord &rec = open();
        vector(100, 100, 500, 100, 1);
        const Trace trace = penTrace(close(), rec);
        ASSERT_GT(trace.size(), 6u);
        EXPECT_EQ(Trace(trace.begin(), trace.begin() + 6),
                  (Trace{"M 100 100", "D 500 100", "M 490 98.9", "D 500 100", "D 490 101.1",
                         "D 490 98.9"}));
    }
    {
        // Down the page from the top, the head points down.
        GlobalRecord &rec = open();
        vector(100, 100, 100, 400, 1431);
        EXPECT_EQ(penTrace(close(), rec), (Trace{"M 100 100", "D 100 400", "M 116.7 350",
                                                 "D 100 400", "D 83.3 350", "D 116.7 350"}));
    }
    {
        // An unknown form draws the shaft, then warns.
        GlobalRecord &rec = open();
        EXPECT_EQ(captureStdout([] { vector(100, 100, 500, 100, 1004); }),
                  " <<<< Warning   2: Incorrect parameter in vector!   (   4)\n");
        EXPECT_EQ(captureStdout([] { vector(100, 200, 500, 200, 1041); }),
                  " <<<< Warning   2: Incorrect parameter in vector!   (   4)\n");
        EXPECT_EQ(penTrace(close(), rec),
                  (Trace{"M 100 100", "D 500 100", "M 100 200", "D 500 200"}));
    }
}

TEST_F(Figures, ArcsStepByThePointSpacing) {
    {
        // 2 pi * 100 / 10: 62 steps, then the exact end point.
        GlobalRecord &rec = open();
        circle(1000, 1000, 100);
        const Trace trace = pensOnly(penTrace(close(), rec));
        ASSERT_FALSE(trace.empty());
        EXPECT_EQ(trace.front(), "M 1100 1000");
        EXPECT_EQ(trace.back(), "D 1100 1000");
        EXPECT_GE(trace.size(), 63u);
        EXPECT_LE(trace.size(), 64u);
    }
    {
        // A full ellipse when both angles are equal; with circsp 1 the same
        // circle takes ten times the steps.
        GlobalRecord &rec = open();
        arcell(1000, 1000, 100, 100, 30.0f, 30.0f, 0.0f);
        const std::size_t full = pensOnly(penTrace(close(), rec)).size();
        EXPECT_GE(full, 63u);
        GlobalRecord &fine = open();
        circsp(1);
        circle(1000, 1000, 100);
        std::size_t draws = 0;
        for (const std::string &op : penTrace(close(), fine))
            draws += op[0] == 'D';
        EXPECT_GE(draws, 628u);
        EXPECT_LE(draws, 629u);
    }
    {
        // Few steps become five; an arc too short for one step draws nothing.
        GlobalRecord &rec = open();
        circle(1000, 1000, 2);
        EXPECT_EQ(pensOnly(penTrace(close(), rec)).size(), 7u);
        GlobalRecord &none = open();
        circle(1000, 1000, 1);
        arcell(1000, 1000, 100, 50, 0.0f, 5.0f, 0.0f);
        EXPECT_EQ(none.core.nvector, 0);
        close();
    }
    {
        // A pie closes through its centre back to its first point.
        GlobalRecord &rec = open();
        elpsln(rec, 1000, 1000, 100, 100, 0.0f, 90.0f, 0.0f, 1, 1);
        const Trace trace = pensOnly(penTrace(close(), rec));
        ASSERT_GE(trace.size(), 3u);
        EXPECT_EQ(trace.front(), "M 1100 1000");
        EXPECT_EQ(trace[trace.size() - 2], "D 1000 1000");
        EXPECT_EQ(trace.back(), "D 1100 1000");
    }
}

TEST_F(Figures, FiguresWithoutSizeWarnAndDrawNothing) {
    struct Case {
        void (*draw)();
        const char *warning;
    };
    const Case cases[] = {
        {[] { circle(500, 500, 0); },
         " <<<< Warning   2: Incorrect parameter in circle!   (   0)\n"},
        {[] { ellips(500, 500, 100, -5); },
         " <<<< Warning   2: Incorrect parameter in ellips!   (  -5)\n"},
        {[] { rectan(500, 500, 0, 10); },
         " <<<< Warning   2: Incorrect parameter in rectan!   (   0)\n"},
        {[] { rndrec(500, 500, 100, 100, 10); },
         " <<<< Warning   2: Incorrect parameter in rndrec!   (  10)\n"},
        {[] { rndrec(500, 500, 0, 100, 3); },
         " <<<< Warning   2: Incorrect parameter in rndrec!   (   0)\n"},
        {[] { sector(500, 500, 10, 0, 0.0f, 90.0f, 1); },
         " <<<< Warning  51: Non positive parameter in sector!   (   0)\n"},
        {[] { sector(500, 500, -1, 100, 0.0f, 90.0f, 1); },
         " <<<< Warning   1: Negative parameter in sector!   (  -1)\n"},
        {[] { sector(500, 500, 10, 100, 90.0f, 90.0f, 1); },
         " <<<< Warning   8: Start angle greater/equal end angle in sector!\n"},
        {[] { sector(500, 500, 200, 100, 0.0f, 90.0f, 1); },
         " <<<< Warning   7: First radius greater than second radius in sector!\n"},
        {[] { circsp(0); }, " <<<< Warning   2: Incorrect parameter in circsp!   (   0)\n"},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        EXPECT_EQ(captureStdout(c.draw), c.warning);
        EXPECT_EQ(rec.core.nvector, 0) << c.warning;
        close();
    }
}

TEST_F(Figures, SectorRecordsOfPostScriptAndKyocera) {
    {
        // One record of the PostScript prolog; the landscape page is turned
        // on the paper, so x and y exchange and the angles turn by 90.
        GlobalRecord &rec = open("POST", "plot.ps");
        int r = 0, g = 0, b = 0;
        colourComponents(rec, 2, r, g, b);
        sector(1000, 800, 100, 300, 0.0f, 90.0f, 2);
        char expected[80];
        std::snprintf(expected, sizeof expected, "1486 1858 186 557 90.00 180.00 %d %d %d sec ", r,
                      g, b);
        EXPECT_NE(close("plot.ps").find(expected), std::string::npos) << expected;
        EXPECT_EQ(rec.core.nvector, 0);
    }
    {
        // Kyocera: outer and inner radius in dots, angles clockwise from the
        // top, the colour's last digit as pattern; 0 draws nothing.
        open("KYOC", "plot.kyo");
        sector(1000, 800, 100, 300, 0.0f, 90.0f, 17);
        sector(1000, 800, 100, 300, 0.0f, 90.0f, 20);
        const std::string file = close("plot.kyo");
        EXPECT_NE(file.find("MAP 1125,  900;\nFPAT  85,   0, 170,   0,  85,   0, 170,   0; "
                            "ARC  113,  338,    0,   90;"),
                  std::string::npos)
            << file;
        EXPECT_EQ(file.find("ARC"), file.rfind("ARC"));
    }
    {
        // PDF is not PostScript: its sectors are filled polygons.
        GlobalRecord &rec = open("PDF", "plot.pdf");
        sector(1000, 800, 100, 300, 0.0f, 90.0f, 2);
        EXPECT_GT(rec.core.nvector, 100);
        EXPECT_EQ(close("plot.pdf").find("sec"), std::string::npos);
    }
}

TEST_F(Figures, BoxesSendTheColourInForceAgain) {
    GlobalRecord &rec = open();
    setclr(5);
    recfll(100, 100, 10, 3, 7);
    point(300, 300, 10, 4, 9);
    const Trace trace = penTrace(close(), rec);
    std::vector<std::string> colours;
    for (const std::string &t : trace)
        if (t[0] == 'C') colours.push_back(t);
    EXPECT_EQ(colours, (std::vector<std::string>{"C 5", "C 7", "C 5", "C 9", "C 5"}));
    // recfll's box runs from its corner; point's box is centred.
    EXPECT_EQ(trace[2], "M 100 100");
    EXPECT_EQ(trace[3], "D 109 100");
    const auto box = std::find(trace.begin(), trace.end(), "C 9");
    ASSERT_NE(box, trace.end());
    EXPECT_EQ(*(box + 1), "M 295 298");
    EXPECT_EQ(*(box + 2), "D 305 298");
}

TEST_F(Figures, PlotMovesSkipThePageOrigin) {
    GlobalRecord &rec = open();
    pagorg("BOTT");
    strtpt(100.0f, 200.5f);
    connpt(300.0f, 200.5f);
    line(100, 200, 300, 200); // line takes the origin at the bottom
    const Trace trace = penTrace(close(), rec);
    EXPECT_EQ(trace, (Trace{"M 100 200.5", "D 300 200.5", "M 100 1899", "D 300 1899"}));
}

TEST_F(Figures, DefaultsAndResets) {
    captureStdout([] { units("INCH"); });
    GlobalRecord &rec = open();
    EXPECT_FLOAT_EQ(rec.figure.xcircsp, 10.0f / 2.54f);
    EXPECT_EQ(rec.frame.nframe, 1);
    EXPECT_EQ(rec.frame.nfrmclr, -1);
    EXPECT_EQ(rec.logo.nqlgsiz, 118);
    EXPECT_EQ(rec.logo.iqlgcor, 1);
    EXPECT_EQ(rec.logo.iqlgfil, 1);
    EXPECT_EQ(rec.logo.iqlgclr, 0);
    EXPECT_EQ(rec.logo.nqlgang, 0);

    circsp(20);
    qlgang(30);
    qlgpos(1, 2);
    qlgsiz(50);
    qlgclr(1, 2);
    nofill();
    rec.frame.nframe = 5;
    EXPECT_FLOAT_EQ(rec.figure.xcircsp, 20.0f);
    EXPECT_EQ(rec.logo.iqlgcor, 0);
    EXPECT_EQ(rec.logo.iqlgclr, 1);
    for (const char *keyword : {"CIRC", "QLGA", "QLGC", "qlgs", "COLQ", "NOFI", "FRAM"})
        reset(keyword);
    EXPECT_FLOAT_EQ(rec.figure.xcircsp, 10.0f / 2.54f);
    EXPECT_EQ(rec.logo.nqlgang, 0);
    EXPECT_EQ(rec.logo.iqlgcor, 1);
    EXPECT_EQ(rec.logo.nqlgsiz, 118);
    EXPECT_EQ(rec.logo.iqlgclr, 0);
    EXPECT_EQ(rec.logo.iqlgfil, 1);
    EXPECT_EQ(rec.frame.nframe, 1);
    EXPECT_EQ(rec.logo.nqlgpos[0], 1); // a position stays until qlgpos gives another
    close();
}

} // namespace
