#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/shield_geometry.h"
#include "kernel/shields.h"
#include "tests/kernel/pen_trace.h"
#include "tests/support/plot_fixture.h"

namespace {

// Lines split at shields are seen best without the frames that user shields
// get by default (frame thickness 1); the frames have tests of their own.
class Shields : public PlotTest {
  protected:
    GlobalRecord &open() {
        GlobalRecord &rec = PlotTest::open();
        rec.frame.nframe = 0;
        return rec;
    }
};
using Trace = std::vector<std::string>;

TEST_F(Shields, LinesAreBrokenExactlyAtTheEdgeOfEachShape) {
    struct Case {
        const char *shape;
        void (*define)();
        int y; // the line runs from x = 0 to 1000 at this y
        Trace trace;
    };
    const Case cases[] = {
        {"rectangle",
         [] { shlrec(100, 100, 200, 200); },
         200,
         {"M 0 200", "D 100 200", "M 299 200", "D 1000 200"}},
        {"circle",
         [] { shlcir(500, 300, 100); },
         300,
         {"M 0 300", "D 400 300", "M 600 300", "D 1000 300"}},
        {"ellipse",
         [] { shlell(500, 300, 200, 100, 0.0f); },
         300,
         {"M 0 300", "D 300 300", "M 700 300", "D 1000 300"}},
        {"turned ellipse",
         [] { shlell(500, 300, 200, 100, 90.0f); },
         300,
         {"M 0 300", "D 400 300", "M 600 300", "D 1000 300"}},
        // Turned by 90 degrees about its corner, the rectangle stands above it.
        {"turned rectangle",
         [] { shlrct(400, 200, 200, 100, 90.0f); },
         100,
         {"M 0 100", "D 400 100", "M 499 100", "D 1000 100"}},
        // The quarter from 0 to 90 degrees: split where the line meets the
        // circle (413.4, 586.6) and the radius at 90 degrees (500).
        {"pie",
         [] { shlpie(500, 300, 100, 0.0f, 90.0f); },
         250,
         {"M 0 250", "D 413.4 250", "D 500 250", "M 586.6 250", "D 1000 250"}},
        {"polygon",
         [] {
             const int x[] = {400, 600, 500}, y[] = {200, 200, 400};
             shlpol(x, y, 3);
         },
         300,
         {"M 0 300", "D 450 300", "M 550 300", "D 1000 300"}},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        c.define();
        line(0, c.y, 1000, c.y);
        EXPECT_EQ(penTrace(close(), rec), c.trace) << c.shape;
    }
}

TEST_F(Shields, PieSectorsThroughAngleZero) {
    GlobalRecord &rec = open();
    shlpie(500, 300, 100, 350.0f, 10.0f);
    line(500, 0, 500, 600);  // along the y axis: outside the thin sector
    line(0, 300, 1000, 300); // along the x axis: through it from the centre
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 500 0", "D 500 200", "D 500 300", "D 500 400", "D 500 600", "M 0 300",
                     "D 400 300", "D 500 300", "M 600 300", "D 1000 300"}));
}

TEST_F(Shields, ASegmentInsideAShapeBecomesAMove) {
    GlobalRecord &rec = open();
    shlcir(500, 300, 100);
    line(480, 300, 520, 300);
    shlrec(0, 0, 50, 50);
    line(10, 10, 40, 40);
    EXPECT_EQ(penTrace(close(), rec), (Trace{"M 480 300", "M 520 300", "M 10 10", "M 40 40"}));
}

TEST_F(Shields, ShieldsTakeTheOriginShiftAndMirrorTheirY) {
    GlobalRecord &rec = open();
    pagorg("BOTT");
    origin(0, -100);            // 100 units down the page
    shlcir(500, 1799, 50);      // centre at 2099 - 1799 = 300, shifted to 400
    shlrec(700, 300, 100, 100); // y not mirrored: 300..399, shifted to 400..499
    line(0, 1779, 1000, 1779);  // at 2099 - 1779 = 320, shifted to 420
    EXPECT_EQ(penTrace(close(), rec), (Trace{"M 0 420", "D 454.2 420", "M 545.8 420", "D 700 420",
                                             "M 799 420", "D 1000 420"}));
}

TEST_F(Shields, LargePagesKeepTheirCoordinates) {
    captureStdout([] { page(40001, 40001); });
    GlobalRecord &rec = open();
    shlrec(35000, 100, 1000, 100);
    line(30000, 150, 39000, 150);
    EXPECT_EQ(rec.shield.ishlbuf[2], 35000);
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 30000 150", "D 35000 150", "M 35999 150", "D 39000 150"}));
}

TEST_F(Shields, VisibilityAndDeletion) {
    GlobalRecord &rec = open();
    shlrec(100, 0, 100, 100); // id 1
    shlrec(300, 0, 100, 100); // id 2
    shlrec(500, 0, 100, 100); // id 3
    shlvis(0, "OFF");
    line(0, 50, 700, 50);
    shlvis(0, "on");
    shlvis(2, "OFF");
    line(0, 50, 700, 50);
    shldel(1);
    EXPECT_EQ(shlind(), 2);
    line(0, 50, 700, 50);
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{// all out of force
                     "M 0 50", "D 700 50",
                     // 2 out of force
                     "M 0 50", "D 100 50", "M 199 50", "D 500 50", "M 599 50", "D 700 50",
                     // 1 deleted; 3 keeps its id and 2 is still out of force
                     "M 0 50", "D 500 50", "M 599 50", "D 700 50"}));
    EXPECT_EQ(rec.shield.ishlbuf[1], 2);
    EXPECT_EQ(rec.shield.ishlbuf[7], 3);
}

// Ids of the shields in the list, with their classes.
std::vector<std::pair<int, int>> listed(const GlobalRecord &rec) {
    std::vector<std::pair<int, int>> ids;
    const ShieldState &s = rec.shield;
    for (int at = 0; at < s.nshllen;) {
        const int *e = s.ishlbuf + at;
        ids.push_back({e[1], e[0] / 10 % 10});
        const int kind = e[0] / 100;
        const int words[] = {0, 6, 7, 5, 7, 7};
        at += kind == 6 ? 3 + 2 * e[2] : words[kind];
    }
    return ids;
}

using IdClasses = std::vector<std::pair<int, int>>;

TEST_F(Shields, AutomaticClassesAreManagedByClass) {
    GlobalRecord &rec = open();
    shlrec(0, 0, 10, 10);   // user shield, id 1
    rec.shield.ishlcls = 2; // as the symbols define their shields
    shlcir(100, 100, 5);    // id 2
    shlcir(200, 100, 5);    // id 3
    rec.shield.ishlcls = 1; // texts
    shlrec(300, 0, 10, 10); // id 4
    rec.shield.ishlcls = 0;
    shlcir(400, 100, 5); // user shield, id 5
    EXPECT_EQ(rec.shield.nshlusr, 2);

    shield("SYMB", "NOVI");
    EXPECT_EQ(rec.shield.ishlbuf[6] % 10, 1); // both symbol shields out of force
    EXPECT_EQ(rec.shield.ishlbuf[11] % 10, 1);
    EXPECT_EQ(rec.shield.ishlbuf[0] % 10, 0);
    shield("SYMB", "VIS");
    EXPECT_EQ(rec.shield.ishlbuf[6] % 10, 0);
    shield("symb", "on");
    EXPECT_EQ(rec.shield.ishlaut[1], 1);

    shield("SYMB", "DELE");
    EXPECT_EQ(listed(rec), (IdClasses{{1, 0}, {4, 1}, {5, 0}}));
    EXPECT_EQ(rec.shield.ishlaut[1], 1);
    EXPECT_EQ(rec.shield.nshield, 3);

    shldel(0); // every user shield; the text shield stays
    EXPECT_EQ(listed(rec), (IdClasses{{4, 1}}));
    EXPECT_EQ(rec.shield.nshlusr, 0);
    shield("MESS", "RESE");
    EXPECT_EQ(rec.shield.nshield, 0);
    EXPECT_EQ(rec.shield.nshllen, 0);
    EXPECT_EQ(rec.shield.ishlaut[0], 0);

    // A shield added to an empty list starts the ids again.
    shlrec(0, 0, 10, 10);
    EXPECT_EQ(listed(rec), (IdClasses{{1, 0}}));

    EXPECT_EQ(captureStdout([] {
                  shield("TEXT", "NOVI");
                  shield("MESS", "HIDE");
                  shldel(-2);
              }),
              " <<<< Warning   2: Incorrect parameter in shield!   (TEXT)\n"
              " <<<< Warning   2: Incorrect parameter in shield!   (HIDE)\n"
              " <<<< Warning   2: Incorrect parameter in shldel!   (  -2)\n");
    close();
}

TEST_F(Shields, ShlresRemovesTheMostRecentUserShields) {
    GlobalRecord &rec = open();
    shlrec(0, 0, 10, 10);   // 1
    shlrec(20, 0, 10, 10);  // 2
    rec.shield.ishlcls = 5; // a legend's
    shlrec(40, 0, 10, 10);  // 3
    rec.shield.ishlcls = 0;
    shlrec(60, 0, 10, 10); // 4
    shlrec(80, 0, 10, 10); // 5
    shlres(2);
    EXPECT_EQ(listed(rec), (IdClasses{{1, 0}, {2, 0}, {3, 5}}));
    shlres(5);
    EXPECT_EQ(listed(rec), (IdClasses{{3, 5}}));
    EXPECT_EQ(rec.shield.nshlusr, 0);
    EXPECT_EQ(captureStdout([] { shlres(0); }),
              " <<<< Warning   2: Incorrect parameter in shlres!   (   0)\n");
    close();
}

TEST_F(Shields, TheListHoldsAThousandWords) {
    GlobalRecord &rec = open();
    std::string out = captureStdout([] {
        for (int i = 0; i < 167; ++i)
            shlrec(i, 0, 1, 1);
    });
    EXPECT_EQ(out, " <<<< Warning  47: Blanking buffer overflow in shlrec!\n");
    EXPECT_EQ(shlind(), 166);
    EXPECT_EQ(rec.shield.nshllen, 996);
    // Polygons take 2n + 3 words: 498 points fill the list exactly.
    reset("SHIE");
    std::vector<int> x(498), y(498);
    for (int i = 0; i < 498; ++i) {
        x[std::size_t(i)] = i;
        y[std::size_t(i)] = i % 2 == 0 ? 0 : 100;
    }
    EXPECT_EQ(captureStdout([&] { shlpol(x.data(), y.data(), 498); }), "");
    EXPECT_EQ(rec.shield.nshllen, 999);
    EXPECT_EQ(captureStdout([] { shlcir(0, 0, 1); }),
              " <<<< Warning  47: Blanking buffer overflow in shlcir!\n");
    close();
}

TEST_F(Shields, BadShapesAreRefused) {
    GlobalRecord &rec = open();
    const int x[] = {0, 0, 100, 0, 0}, y[] = {0, 0, 100, 0, 0};
    EXPECT_EQ(captureStdout([&] {
                  shlrec(0, 0, 0, 10);
                  shlell(0, 0, 10, -5, 0.0f);
                  shlcir(0, 0, 10001);
                  shlpie(0, 0, 0, 0.0f, 90.0f);
                  shlpol(x, y, 5); // (0, 0), (100, 100) once repeats are dropped
                  shlpol(x, y, 2);
              }),
              " <<<< Warning   2: Incorrect parameter in shlrec!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in shlell!   (  -5)\n"
              " <<<< Warning   2: Incorrect parameter in shlcir!   (10001)\n"
              " <<<< Warning   2: Incorrect parameter in shlpie!   (   0)\n"
              " <<<< Warning  30: Incorrect number of points in shlpol!   (   2)\n"
              " <<<< Warning   2: Incorrect parameter in shlpol!   (   2)\n");
    EXPECT_EQ(rec.shield.nshield, 0);
    // A full turn or more makes a pie a circle.
    shlpie(500, 300, 100, 0.0f, 360.0f);
    EXPECT_EQ(rec.shield.ishlbuf[0], 300);
    close();
}

TEST_F(Shields, TooManySplitPointsKeepThoseFound) {
    GlobalRecord &rec = open();
    // A saw of 498 teeth: every edge line crosses the line below it.
    std::vector<int> x(498), y(498);
    for (int i = 0; i < 498; ++i) {
        x[std::size_t(i)] = 100 + 4 * (i / 2);
        y[std::size_t(i)] = i % 2 == 0 ? 100 : 300;
    }
    shlpol(x.data(), y.data(), 498);
    const std::string out = captureStdout([&] {
        line(0, 200, 2000, 200);
        qqstrk(rec);
    });
    EXPECT_EQ(out, " <<<< Warning  26: Too many intersections in line!\n");
    const Trace trace = penTrace(close(), rec);
    ASSERT_FALSE(trace.empty());
    EXPECT_EQ(trace.back(), "D 2000 200");
}

TEST_F(Shields, ResetFlushesBeforeTheListGoes) {
    GlobalRecord &rec = open();
    shlrec(100, 0, 100, 100);
    strtqq(rec, 0, 50);
    connqq(rec, 300, 50);
    reset("SHIE");
    EXPECT_EQ(rec.shield.nshield, 0);
    line(0, 50, 300, 50);
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 0 50", "D 100 50", "M 199 50", "D 300 50", "M 0 50", "D 300 50"}));
}

TEST_F(Shields, PairSort) {
    float a[] = {3, 1, 4, 1, 5, 9, 2, 6};
    float b[] = {30, 10, 40, 11, 50, 90, 20, 60};
    sortr2(a, b, 8, "a");
    EXPECT_EQ(std::vector<float>(a, a + 8), (std::vector<float>{1, 1, 2, 3, 4, 5, 6, 9}));
    EXPECT_EQ(b[2], 20); // the partners move along
    EXPECT_EQ(b[7], 90);
    sortr2(a, b, 8, "D");
    EXPECT_EQ(std::vector<float>(a, a + 8), (std::vector<float>{9, 6, 5, 4, 3, 2, 1, 1}));
    EXPECT_EQ(b[0], 90);
    EXPECT_EQ(captureStdout([&] { sortr2(a, b, 8, "X"); }),
              " <<<< Warning   2: Incorrect parameter in sortr2!   (X)\n");
}

TEST_F(Shields, SplitPointsAreKeptBetweenTheEndsInOrder) {
    float xs[] = {5, 50, -1, 20, 100, 30}, ys[] = {0, 0, 0, 0, 0, 0};
    int m = 6;
    qqrmsr(100, 0, 0, 1, xs, ys, m); // from x = 100 back to 0
    EXPECT_EQ(std::vector<float>(xs, xs + m), (std::vector<float>{50, 30, 20, 5}));
    float vx[] = {0, 0, 0}, vy[] = {30, 10, 60};
    m = 3;
    qqrmsr(0, 0, 1, 50, vx, vy, m); // along y
    EXPECT_EQ(std::vector<float>(vy, vy + m), (std::vector<float>{10, 30}));
}

TEST_F(Shields, Angles) {
    EXPECT_FLOAT_EQ(qqang1(180.0f), 3.1415926f);
    EXPECT_FLOAT_EQ(qqang2(-0.5f), 6.2831853f - 0.5f);
    EXPECT_FLOAT_EQ(qqang2(7.0f), 7.0f - 6.2831853f);
    EXPECT_FLOAT_EQ(qqang2(6.2831855f), 6.2831855f); // within the tolerance of a full turn
    const float huge = qqang2(1.0e20f);              // no endless turning
    EXPECT_GE(huge, -0.00001f);
    EXPECT_LE(huge, 6.2831953f);

    float x = 0, y = 0;
    EXPECT_EQ(qqcut1(0, 0, 100, 0, 0.0f, 1.5707964f, x, y), 1); // horizontal meets vertical
    EXPECT_FLOAT_EQ(x, 100.0f);
    EXPECT_FLOAT_EQ(y, 0.0f);
    EXPECT_EQ(qqcut1(0, 0, 100, 0, 0.785398f, 2.356194f, x, y), 1); // 45 and 135 degrees
    EXPECT_NEAR(x, 50.0f, 1e-3);
    EXPECT_NEAR(y, -50.0f, 1e-3);                           // above, as y runs down the page
    EXPECT_EQ(qqcut1(0, 0, 0, 10, 0.5f, 0.5005f, x, y), 0); // parallel
    EXPECT_EQ(qqcut1(0, 0, 10, 0, 1.5707964f, -1.5707964f, x, y), 0); // both vertical
}

TEST_F(Shields, PolygonOutlinesAtAnOffset) {
    GlobalRecord &rec = open();
    // A square with a point in the middle of its top edge.
    const float x[] = {100, 150, 200, 200, 100}, y[] = {100, 100, 100, 200, 200};
    qqbl08(rec, x, y, 5, 10.0f);
    qqbl08(rec, x, y, 5, -10.0f);
    qqstrk(rec);
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 110 110", "D 150 110", "D 190 110", "D 190 190", "D 110 190", "D 110 110",
                     "M 90 90", "D 150 90", "D 210 90", "D 210 210", "D 90 210", "D 90 90"}));
}

} // namespace

namespace {

TEST_F(Shields, TextsAndSymbolsShieldThemselvesWhenAsked) {
    GlobalRecord &rec = open();
    captureStdout([] {
        shield("MESS", "ON");
        height(50);
        messag("Text", 400, 175);
    });
    // The text's box, with the line spacing round it, is the one shield.
    EXPECT_EQ(rec.shield.nshield, 1);
    line(0, 200, 1000, 200);
    const Trace trace = penTrace(close(), rec);
    // The strokes of the text (x 408..588), then the line broken round the
    // box: 0.5 heights of spacing on each side of the text's length.
    ASSERT_GE(trace.size(), 4u);
    const Trace line(trace.end() - 4, trace.end());
    EXPECT_EQ(line, (Trace{"M 0 200", "D 375 200", "M 620 200", "D 1000 200"}))
        << ::testing::PrintToString(trace);
}

} // namespace
