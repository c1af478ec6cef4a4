#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kernel/dispatch.h"
#include "kernel/floating_horizon.h"
#include "kernel/polyline.h"
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

} // namespace
