#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "kernel/dispatch.h"
#include "kernel/floating_horizon.h"
#include "kernel/polyline.h"
#include "kernel/rounding.h"
#include "kernel/shields.h"
#include "tests/kernel/pen_trace.h"
#include "tests/support/plot_fixture.h"

namespace {

using Trace = std::vector<std::string>;

// A plot whose lines pass through the horizon, as a mesh surface draws them.
class Horizon : public PlotTest {
  protected:
    GlobalRecord &openSurface(int mode = 1) {
        GlobalRecord &rec = open();
        dhline(rec, 0, 0, kHorizonStart);
        rec.horizon.ihidsur = 1;
        rec.horizon.ihormod = mode;
        return rec;
    }
};

TEST_F(Horizon, TheSecondOfTwoEqualLinesIsHidden) {
    GlobalRecord &rec = openSurface();
    line(100, 500, 300, 500);
    line(100, 500, 300, 500);
    // The first line's end column was tested but not entered: the second line
    // ends with a move and a zero-length draw there.
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 100 500", "D 300 500", "M 100 500", "M 300 500", "D 300 500"}));
}

TEST_F(Horizon, LinesOutsideTheBandAreVisible) {
    GlobalRecord &rec = openSurface();
    line(100, 500, 300, 500);
    line(100, 600, 300, 600); // below on the page: visible from below
    line(100, 495, 300, 495); // 5 units higher: wholly visible
    line(100, 550, 300, 450); // rises through the band: visible above y = 495
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 100 500", "D 300 500", "M 100 600", "D 300 600", "M 100 495", "D 300 495",
                     "M 100 550", "M 211 494", "D 300 450"}));
}

TEST_F(Horizon, VisibleSides) {
    GlobalRecord &rec = openSurface();
    // A setting applies from the next flush on, as surface routines flush
    // before they change it.
    line(100, 500, 300, 500);
    qqstrk(rec);
    rec.horizon.isurvis = 1; // top only: lines seen from below are hidden
    line(100, 600, 300, 600);
    line(100, 400, 300, 400);
    qqstrk(rec);
    rec.horizon.isurvis = 2; // bottom only
    line(100, 300, 300, 300);
    line(100, 700, 300, 700);
    EXPECT_EQ(
        pensOnly(penTrace(close(), rec)),
        (Trace{"M 100 500", "D 300 500", "M 100 600", "M 300 600", "D 300 600", "M 100 400",
               "D 300 400", "M 100 300", "M 300 300", "D 300 300", "M 100 700", "D 300 700"}));
}

TEST_F(Horizon, TestAndUpdateModes) {
    GlobalRecord &rec = openSurface(0); // test only: the horizon stays empty
    line(100, 500, 300, 500);
    line(100, 500, 300, 500);
    qqstrk(rec);
    rec.horizon.ihormod = 2; // update only: nothing drawn
    line(100, 500, 300, 500);
    qqstrk(rec);
    rec.horizon.ihormod = 1;
    line(100, 500, 300, 500);
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 100 500", "D 300 500", "M 100 500", "D 300 500", "M 100 500", "M 300 500",
                     "M 100 500", "M 300 500", "D 300 500"}));
}

TEST_F(Horizon, SteepLinesEnterEachColumnOnceAndVerticalOnesNone) {
    GlobalRecord &rec = openSurface();
    dhline(rec, 100, 100, kHorizonMove);
    dhline(rec, 100, 200, kHorizonDraw); // vertical: never steps in x
    EXPECT_EQ(rec.horizon.nhormax[100], -1);
    dhline(rec, 200, 100, kHorizonMove);
    dhline(rec, 202, 110, kHorizonDraw); // leaves column 200 and 201 once each
    EXPECT_EQ(rec.horizon.nhormin[200], 102);
    EXPECT_EQ(rec.horizon.nhormax[200], 102);
    EXPECT_EQ(rec.horizon.nhormin[201], 107);
    EXPECT_EQ(rec.horizon.nhormax[202], -1); // the end point is not entered
    close();
}

TEST_F(Horizon, ColoursOfTheTwoSides) {
    GlobalRecord &rec = openSurface();
    rec.horizon.isurclr = 1;
    rec.horizon.nsurclr[0] = 3;  // top
    rec.horizon.nsurclr[1] = -1; // bottom: the surface's colour
    rec.horizon.nsurcur = 7;
    line(100, 500, 400, 500); // an empty horizon: each point on both sides, the top wins
    line(100, 600, 300, 600); // below
    line(100, 400, 300, 400); // above
    const Trace trace = penTrace(close(), rec);
    // The colour in force at each draw, and the colour changes of each line.
    std::vector<int> atDraw;
    std::vector<int> changes;
    int colour = 0;
    for (const std::string &t : trace) {
        if (t[0] == 'C') {
            colour = std::stoi(t.substr(2));
            ++changes.back();
        } else if (t[0] == 'D') {
            atDraw.push_back(colour);
        } else {
            changes.push_back(0);
        }
    }
    EXPECT_EQ(atDraw, (std::vector<int>{3, 7, 3}));
    EXPECT_EQ(changes, (std::vector<int>{2 * 301, 1, 1}));
}

TEST_F(Horizon, ColumnsOutsideThePageAreSkipped) {
    GlobalRecord &rec = openSurface();
    // The pen moves first, as the line pipeline does.
    xjdraw(rec, 0, 500, kPenMove);
    dhline(rec, -50, 500, kHorizonMove);
    dhline(rec, 100, 500, kHorizonDraw);
    xjdraw(rec, 2900, 500, kPenMove);
    dhline(rec, 2900, 500, kHorizonMove);
    dhline(rec, 3100, 500, kHorizonDraw);
    EXPECT_EQ(penTrace(close(), rec),
              (Trace{"M 0 500", "M 0 500", "D 100 500", "M 2900 500", "D 2969 500", "M 3100 500"}));
}

TEST_F(Horizon, PagesTallerThanTenThousandUnits) {
    captureStdout([] { page(1001, 12001); });
    GlobalRecord &rec = openSurface();
    rec.horizon.isurvis = 1; // top only: an empty column lies below every point
    line(100, 11000, 300, 11000);
    EXPECT_EQ(penTrace(close(), rec), (Trace{"M 100 11000", "D 300 11000"}));
}

TEST_F(Horizon, NoDrawsBeforeTheStartAndAfterTheEnd) {
    GlobalRecord &rec = open();
    rec.horizon.ihidsur = 1;
    rec.horizon.ihormod = 1;
    line(100, 500, 300, 500); // before the start: only the flush's move
    dhline(rec, 0, 0, kHorizonStart);
    EXPECT_EQ(rec.horizon.ihoralc, 1);
    dhline(rec, 0, 0, kHorizonEnd);
    EXPECT_EQ(rec.horizon.ihoralc, 0);
    EXPECT_EQ(rec.horizon.nhormax, nullptr);
    line(100, 500, 300, 500);
    EXPECT_EQ(penTrace(close(), rec), (Trace{"M 100 500", "M 100 500"}));
}

TEST_F(Horizon, ShieldsStillApply) {
    GlobalRecord &rec = openSurface();
    rec.frame.nframe = 0;      // the shield without its frame
    shlrec(150, 400, 50, 200); // x 150..199 across the lines
    line(100, 500, 300, 500);
    line(100, 450, 300, 450);
    EXPECT_EQ(penTrace(close(), rec), (Trace{"M 100 500", "D 150 500", "M 199 500", "D 300 500",
                                             "M 100 450", "D 150 450", "M 199 450", "D 300 450"}));
}

TEST_F(Horizon, ResetFlushesFirst) {
    GlobalRecord &rec = openSurface();
    shlsur();
    EXPECT_EQ(rec.shield.ishlsur, 1);
    line(100, 500, 300, 500);
    strtqq(rec, 100, 500);
    connqq(rec, 300, 500); // still pending: hidden behind the first line
    reset("SHLS");
    EXPECT_EQ(rec.horizon.ihidsur, 0);
    EXPECT_EQ(rec.shield.ishlsur, 0);
    line(100, 500, 300, 500);
    EXPECT_EQ(penTrace(close(), rec), (Trace{"M 100 500", "D 300 500", "M 100 500", "M 300 500",
                                             "D 300 500", "M 100 500", "D 300 500"}));
}

TEST_F(Horizon, SurfaceDefaultsAndReset) {
    GlobalRecord &rec = open();
    rec.horizon.isurclr = 1;
    rec.horizon.isurvis = 2;
    reset("SURC");
    reset("SURV");
    EXPECT_EQ(rec.horizon.isurclr, 0);
    EXPECT_EQ(rec.horizon.isurvis, 0);
    rec.horizon.ihidsur = 1;
    captureStdout([] { kavfin(); });
    open();
    EXPECT_EQ(rec.horizon.ihidsur, 0);
    close();
}

// The horizon walked one raster point at a time, every question asked at
// every point: the walk dhline must match byte for byte, however it skips.
void referenceDraw(GlobalRecord &rec, int xEnd, int yEnd) {
    HorizonState &h = rec.horizon;
    const auto onPage = [&](int x) { return x >= 0 && x <= rec.page.nxpage && x < h.ncolumns; };
    const auto reachSide = [&](int side) {
        if (h.isurclr != 1 || h.isurside == side) return;
        const int colour = h.nsurclr[side == 1 ? 0 : 1];
        qqsclr(rec, colour == -1 ? h.nsurcur : colour);
        h.isurside = side;
    };
    const auto visible = [&](int x, int y) {
        if (h.ihormod == 2 || !onPage(x)) return false;
        bool seen = false;
        if (y > h.nhormax[x] && h.isurvis != 1) {
            seen = true;
            reachSide(2);
        }
        if (y < h.nhormin[x] && h.isurvis != 2) {
            seen = true;
            reachSide(1);
        }
        return seen;
    };
    const auto enter = [&](int x, int y) {
        if (h.ihormod == 0 || !onPage(x)) return;
        h.nhormax[x] = std::max(h.nhormax[x], y);
        h.nhormin[x] = std::min(h.nhormin[x], y);
    };
    int x = h.nhorpos[0], y = h.nhorpos[1];
    const int dx = xEnd - x, dy = yEnd - y;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    const bool yMajor = std::abs(dy) > std::abs(dx);
    const int major = yMajor ? std::abs(dy) : std::abs(dx);
    const int minor = yMajor ? std::abs(dx) : std::abs(dy);
    int error = 2 * minor - major;
    bool state = visible(x, y);
    for (int step = 0; step < major; ++step) {
        const bool minorStep = error >= 0;
        if (!yMajor || minorStep) enter(x, y);
        const int px = x, py = y;
        if (yMajor) {
            y += sy;
            if (minorStep) x += sx;
        } else {
            x += sx;
            if (minorStep) y += sy;
        }
        error += minorStep ? 2 * minor - 2 * major : 2 * minor;
        const bool now = visible(x, y);
        if (state && !now) qqbldr(rec, float(px), float(py), kPenDraw);
        if (!state && now) qqbldr(rec, float(x), float(y), kPenMove);
        state = now;
    }
    qqbldr(rec, float(x), float(y), state ? kPenDraw : kPenMove);
    h.nhorpos[0] = xEnd;
    h.nhorpos[1] = yEnd;
}

struct HorizonSettings {
    int ihormod, isurvis, isurclr;
    float rows = 2100; // the height the segments are spread over
};

class HorizonWalk : public PlotTest {
  protected:
    // Random segments, some across the page's edges, some long, many short
    // as a mesh draws them, through dhline or through the reference walk: the
    // pens and colours drawn, then the columns.
    Trace drawSegments(const HorizonSettings &settings, bool reference, unsigned seed) {
        GlobalRecord &rec = open();
        dhline(rec, 0, 0, kHorizonStart);
        rec.horizon.ihormod = settings.ihormod;
        rec.horizon.isurvis = settings.isurvis;
        rec.horizon.isurclr = settings.isurclr;
        rec.horizon.nsurclr[0] = 3;
        rec.horizon.nsurclr[1] = -1;
        rec.horizon.nsurcur = 5;
        rec.horizon.isurside = 0; // no side's colour set yet, as a surface starts
        std::mt19937 random(seed);
        std::uniform_real_distribution<float> across(-200.0f, 3200.0f), down(0.0f, settings.rows),
            near(-40.0f, 40.0f);
        float x = across(random), y = down(random);
        for (int i = 0; i < 3000; ++i) {
            if (i % 100 == 0) { // now and then a jump, from off the page too
                x = across(random);
                y = down(random);
            }
            const float x2 = i % 7 == 0 ? across(random) : x + near(random);
            const float y2 = i % 7 == 0 ? down(random) : y + near(random);
            if (reference) {
                rec.horizon.nhorpos[0] = roundAddHalf(x);
                rec.horizon.nhorpos[1] = roundAddHalf(y);
                rec.shield.xshllst[0] = x;
                rec.shield.xshllst[1] = y;
                referenceDraw(rec, roundAddHalf(x2), roundAddHalf(y2));
            } else {
                dhline(rec, x, y, kHorizonMove);
                dhline(rec, x2, y2, kHorizonDraw);
            }
            x = x2;
            y = y2;
        }
        Trace trace;
        for (int i = 0; i < 2 * rec.horizon.ncolumns; ++i)
            trace.push_back(std::to_string(rec.horizon.nhormax[i]));
        const Trace pens = penTrace(close(), rec);
        trace.insert(trace.begin(), pens.begin(), pens.end());
        return trace;
    }
};

TEST_F(HorizonWalk, TheSameDrawsAndColumnsAsAWalkThatAsksEverything) {
    for (const HorizonSettings settings :
         {HorizonSettings{1, 0, 0}, HorizonSettings{1, 1, 0}, HorizonSettings{1, 2, 0},
          HorizonSettings{0, 0, 0}, HorizonSettings{2, 0, 0}, HorizonSettings{1, 0, 1},
          HorizonSettings{1, 2, 1},
          // Crowded into a strip, most points are hidden behind earlier lines,
          // as in a dense mesh.
          HorizonSettings{1, 0, 0, 60}, HorizonSettings{1, 1, 0, 60}}) {
        const unsigned seed =
            unsigned(settings.ihormod * 9 + settings.isurvis * 3 + settings.isurclr) +
            (settings.rows < 2100 ? 100u : 0u);
        const Trace walked = drawSegments(settings, false, seed);
        const Trace asked = drawSegments(settings, true, seed);
        EXPECT_GT(walked.size(), 6000u);
        const auto differ = std::mismatch(walked.begin(), walked.end(), asked.begin(), asked.end());
        if (differ.first != walked.end())
            ADD_FAILURE() << (differ.first - walked.begin()) << ": " << *differ.first << " / "
                          << (differ.second != asked.end() ? *differ.second : "-");
        EXPECT_TRUE(walked == asked) << "ihormod " << settings.ihormod << ", isurvis "
                                     << settings.isurvis << ", isurclr " << settings.isurclr;
    }
}

} // namespace
