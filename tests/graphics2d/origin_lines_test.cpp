// Lines and unlabelled axes through the user origin.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class OriginLines : public AxisTest {
  protected:
    // 1001 x 501 units at (200, 1200); X -5..5 (100 units per user unit), Y
    // from ya to ya + 10 (50 units per user unit). The axis system itself
    // draws nothing.
    void axes(float ya) {
        captureStdout([ya] {
            axspos(200, 1200);
            axslen(1001, 501);
            ticlen(20, 10);
            setgrf("NONE", "NONE", "NONE", "NONE");
            frame(0);
            graf(-5.0f, 5.0f, -5.0f, 1.0f, ya, ya + 10.0f, ya, 2.0f);
        });
    }
};

TEST_F(OriginLines, LinesAreDrawnOnlyWhereZeroLiesStrictlyInside) {
    struct Case {
        void (*draw)();
        float ya;
        std::multiset<Segment> expected;
    } cases[] = {
        {axgit, -5, {segment(200, 950, 1200, 950), segment(700, 1200, 700, 700)}},
        {xaxgit, -5, {segment(200, 950, 1200, 950)}},
        {yaxgit, -5, {segment(700, 1200, 700, 700)}},
        {axgit, 0, {segment(700, 1200, 700, 700)}}, // y = 0 is the bottom border
        {xaxgit, 1, {}},
    };
    for (const Case &c : cases) {
        openHpgl();
        axes(c.ya);
        captureStdout(c.draw);
        EXPECT_EQ(segmentsOf(closeHpgl()), c.expected) << "ya " << c.ya;
    }
}

TEST_F(OriginLines, CrossedAxesHaveTicksButNoLabels) {
    openHpgl();
    axes(-5);
    captureStdout([] { cross(); });
    char x[8], y[8], z[8];
    getlab(x, y, z);
    EXPECT_STREQ(x, "FLOAT"); // the label kind is back after the call
    const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
    int ticks = 0;
    for (const Segment &s : drawn) {
        // Everything lies within a major tick of the lines through the origin.
        const bool nearX = std::fabs(s.y1 - 950) <= 20 && std::fabs(s.y2 - 950) <= 20;
        const bool nearY = std::fabs(s.x1 - 700) <= 20 && std::fabs(s.x2 - 700) <= 20;
        EXPECT_TRUE(nearX || nearY) << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
        if (s.x1 == s.x2 && s.y1 != s.y2 && nearX) ++ticks;
    }
    EXPECT_GE(ticks, 11); // one at least at every label position of X
    EXPECT_EQ(drawn.count(segment(200, 950, 1200, 950)), 1u);
}

// xcross and ycross each draw one of the two axes of cross, and only where
// zero lies inside the other axis's range.
TEST_F(OriginLines, XcrossAndYcrossDrawOneAxisEach) {
    struct Case {
        void (*draw)();
        float ya;
        bool xLine, yLine;
    } cases[] = {
        {xcross, -5, true, false},
        {ycross, -5, false, true},
        {xcross, 1, false, false}, // y = 0 is below the axis system
        {ycross, 1, false, true},
    };
    for (const Case &c : cases) {
        openHpgl();
        axes(c.ya);
        captureStdout(c.draw);
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        EXPECT_EQ(drawn.count(segment(200, 950, 1200, 950)), c.xLine ? 1u : 0u) << c.ya;
        EXPECT_EQ(drawn.count(segment(700, 1200, 700, 700)), c.yLine ? 1u : 0u) << c.ya;
        for (const Segment &s : drawn) { // the rest are ticks on the drawn line
            const bool onX = c.xLine && std::fabs(s.y1 - 950) <= 20 && std::fabs(s.y2 - 950) <= 20;
            const bool onY = c.yLine && std::fabs(s.x1 - 700) <= 20 && std::fabs(s.x2 - 700) <= 20;
            EXPECT_TRUE(onX || onY) << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
        }
    }
}

TEST_F(OriginLines, NeedAnAxisSystem) {
    open("HPGL", "plot.hpg");
    EXPECT_NE(captureStdout([] { cross(); }).find("Incorrect level"), std::string::npos);
    close("plot.hpg");
}

} // namespace
