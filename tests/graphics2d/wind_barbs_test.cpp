// The wind symbol: the speed rounded to pennants, barbs and half barbs, the
// staff's direction, and the symbol at user coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class WindBarbs : public AxisTest {};

// The symbol height is 36: barbs are 36 long and 12 apart.
TEST_F(WindBarbs, SpeedsBecomePennantsBarbsAndHalfBarbs) {
    const Segment staff = segment(500, 300, 500, 500);
    struct Case {
        float speed;
        std::multiset<Segment> expected;
    } cases[] = {
        {0.5f, {staff}},
        {7.5f, {staff, segment(500, 300, 536, 288)}},
        {12.4f, {staff, segment(500, 300, 536, 288)}},
        {12.5f, {staff, segment(500, 300, 536, 288), segment(500, 312, 518, 306)}},
        {5.0f, {staff, segment(500, 318, 518, 300)}}, // set in from the end
    };
    for (const Case &c : cases) {
        openHpgl();
        captureStdout([&c] { windbr(c.speed, 500, 500, 200, 0.0f); });
        EXPECT_EQ(segmentsOf(closeHpgl()), c.expected) << "speed " << c.speed;
    }
}

TEST_F(WindBarbs, APennantComesBeforeTheBarbs) {
    openHpgl();
    captureStdout([] { windbr(65.0f, 500, 500, 200, 0.0f); });
    const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
    EXPECT_EQ(drawn.count(segment(500, 324, 536, 312)), 1u); // the barb after the pennant
    EXPECT_EQ(drawn.count(segment(500, 336, 518, 330)), 1u); // and the half barb
    int fill = 0; // scan lines of the pennant between y 300 and 312
    for (const Segment &s : drawn)
        fill += s.y1 == s.y2 && s.y1 >= 300 && s.y1 <= 312 && s.x1 >= 500 && s.x2 <= 536;
    EXPECT_GT(fill, 3);
}

TEST_F(WindBarbs, CalmAndTheStaffsDirection) {
    for (const float calm : {0.4f, -3.0f}) {
        openHpgl();
        captureStdout([calm] { windbr(calm, 500, 500, 200, 0.0f); });
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        EXPECT_FALSE(drawn.empty());
        for (const Segment &s : drawn) // two circles about the station
            EXPECT_TRUE(s.x1 >= 480 && s.x2 <= 520 && s.y1 >= 480 && s.y2 <= 520) << calm;
    }

    openHpgl();
    captureStdout([] { windbr(10.0f, 500, 500, 200, 90.0f); });
    EXPECT_EQ(segmentsOf(closeHpgl()),
              (std::multiset<Segment>{segment(500, 500, 700, 500), segment(700, 500, 712, 536)}));
}

TEST_F(WindBarbs, AtUserCoordinatesAndOnBadInput) {
    openHpgl();
    standardAxes(true);
    const std::string out = captureStdout([] {
        rlwind(10.0f, 5.0f, 2.0f, 100, 0.0f);
        windbr(1.0e30f, 500, 500, 200, 0.0f);
        windbr(-1.0e30f, 500, 500, 200, 0.0f);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in windbr!\n"
                   " <<<< Warning   2: Incorrect parameter in windbr!\n");
    EXPECT_EQ(segmentsOf(closeHpgl()),
              (std::multiset<Segment>{segment(700, 900, 700, 1000), segment(700, 900, 736, 888)}));
}

// Stations and staffs at the ends of an int are held there, as every page
// coordinate: nothing overflows (the UBSan build checks that), and a staff of
// INT_MIN points the way of any negative length, down from its station.
TEST_F(WindBarbs, FarStationsAndStaffsAreHeld) {
    for (const int nl : {-200, INT_MIN}) {
        openHpgl();
        captureStdout([nl] {
            windbr(10.0f, 500, 500, nl, 0.0f);
            windbr(10.0f, INT_MAX, INT_MIN, 200, 90.0f);
            windbr(10.0f, INT_MIN, INT_MAX, INT_MAX, 45.0f);
            windbr(0.0f, INT_MAX, INT_MAX, 200, 0.0f);
        });
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        ASSERT_FALSE(drawn.empty()) << nl;
        for (const Segment &s : drawn)
            EXPECT_TRUE(s.x1 >= 500 && s.y1 >= 500 && s.y2 >= 500) << nl;
        EXPECT_EQ(drawn.count(segment(500, 500, 500, 700)), nl == -200 ? 1u : 0u);
    }
    openHpgl();
    standardAxes(true);
    captureStdout([] {
        rlwind(10.0f, 5.0f, 2.0f, INT_MIN, 0.0f);
        rlwind(10.0f, 5.0f, 2.0f, INT_MAX, 0.0f);
    });
    EXPECT_FALSE(segmentsOf(closeHpgl()).empty());
}

} // namespace
