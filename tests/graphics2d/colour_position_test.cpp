// nzposn: colour numbers of values on the colour scale of graf3, and its level.
#include <gtest/gtest.h>

#include <string>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class ColourPosition : public AxisTest {};

TEST_F(ColourPosition, ValuesMapOntoTheColourRange) {
    GlobalRecord &rec = openHpgl();
    EXPECT_EQ(captureStdout([] { graf(0, 10, 0, 2, 0, 5, 0, 1); }), "");
    EXPECT_EQ(captureStdout([] { EXPECT_EQ(nzposn(1), 0); }),
              " <<<< Warning   3: Incorrect level in nzposn!   (   2)\n");
    captureStdout([] {
        endgrf();
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 100, 0, 20);
    });
    const int first = rec.colour.nclrran[0], last = rec.colour.nclrran[1];
    ASSERT_LT(first, last);
    EXPECT_EQ(nzposn(0), first);
    EXPECT_EQ(nzposn(100), last);
    // Halfway along the range, truncated.
    EXPECT_EQ(nzposn(50), first + (last - first + 1) / 2);
    EXPECT_EQ(nzposn(-1), rec.colour.nclrran0[0]);
    EXPECT_EQ(nzposn(101), rec.colour.nclrran0[1]);
    closeHpgl();
}

} // namespace
