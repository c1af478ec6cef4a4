// Single extra labels: the axis by its first four letters, the label's side,
// the tick's length, and what is refused.
#include <gtest/gtest.h>

#include <string>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class AdditionalLabels : public AxisTest {};

// The standard axes span x 200..1200 and y 1200..700 (100 and 100 plot units
// per user unit on 0..10 and 0..5).
TEST_F(AdditionalLabels, StandBesideTheChosenAxis) {
    openPdf();
    standardAxes(true);
    captureStdout([] {
        addlab("below", 5.0f, 0, "X");
        addlab("above", 3.0f, 0, "xtopped"); // four letters decide
        addlab("left", 2.0f, 0, "Y");
        addlab("right", 4.0f, 0, "YLEF");
    });
    const std::vector<Word> words = closePdf();
    const Word below = wordOf(words, "below"), above = wordOf(words, "above");
    const Word left = wordOf(words, "left"), right = wordOf(words, "right");
    EXPECT_NEAR(below.centreX(), 700, 3);
    EXPECT_GT(below.y1, 1200);
    EXPECT_NEAR(above.centreX(), 500, 3);
    EXPECT_LT(above.y2, 700);
    EXPECT_LT(left.x2, 200);
    EXPECT_NEAR(left.centreY(), 1000, 10);
    EXPECT_GT(right.x1, 1200);
    EXPECT_NEAR(right.centreY(), 800, 10);
}

TEST_F(AdditionalLabels, TicksByTheirCode) {
    openHpgl();
    standardAxes(true);
    captureStdout([] {
        addlab("", 5.0f, 0, "X");
        addlab("", 6.0f, 1, "X");
        addlab("", 7.0f, 2, "X");
        addlab("", 4.0f, 5, "Y");
    });
    EXPECT_EQ(segmentsOf(closeHpgl()),
              (std::multiset<Segment>{segment(800, 1200, 800, 1216), segment(900, 1200, 900, 1224),
                                      segment(176, 800, 200, 800)}));
}

// The colour bar of a system 1001 wide at x 200 starts 85 units to its right
// and is 85 wide; its axis spans z 0..100 upwards from y 1200 over the Z length.
TEST_F(AdditionalLabels, TheColourBarsAxis) {
    const auto draw = [](const char *text) {
        axspos(200, 1200);
        axslen(1001, 501);
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 100, 0, 20);
        addlab(text, 75.0f, 1, "Z");
    };
    openPdf();
    captureStdout([&] { draw("zmark"); });
    int nx = 0, ny = 0, nz = 0;
    getlen(&nx, &ny, &nz);
    const float y = 1200 - float(nz - 1) * 0.75f;
    const Word w = wordOf(closePdf(), "zmark");
    EXPECT_GT(w.x1, 1371 + 16);
    EXPECT_NEAR(w.centreY(), y, 10);

    openHpgl();
    captureStdout([&] { draw(""); });
    EXPECT_EQ(segmentsOf(closeHpgl()).count(segment(1371, int(y + 0.5f), 1387, int(y + 0.5f))), 1u);
}

// Far values on the colour bar's axis lie a million units off the page, as
// on the other axes: their ticks are clipped, their texts reported out of the
// page, and nothing overflows on the way.
TEST_F(AdditionalLabels, FarValuesOnTheColourBarsAxisLieFarOffThePage) {
    openHpgl();
    captureStdout([] {
        axspos(200, 1200);
        axslen(1001, 501);
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 100, 0, 20);
    });
    const std::string out = captureStdout([] {
        addlab("far", 1.0e30f, 2, "Z");
        addlab("far", -1.0e30f, 2, "Z");
    });
    EXPECT_EQ(out, " <<<< Warning: Startpoint ( 1489/-1000018) in MESSAG out of page - (far).\n"
                   " <<<< Warning: Endpoint   ( 1594/-999983) in MESSAG out of page - (far).\n"
                   " <<<< Warning: Startpoint ( 1489/999982) in MESSAG out of page - (far).\n"
                   " <<<< Warning: Endpoint   ( 1594/1000017) in MESSAG out of page - (far).\n");
    for (const Segment &s : segmentsOf(closeHpgl()))
        EXPECT_TRUE(s.y1 >= 0 && s.y1 <= 2000 && s.y2 >= 0 && s.y2 <= 2000)
            << s.x1 << " " << s.y1 << " " << s.x2 << " " << s.y2;
}

TEST_F(AdditionalLabels, RefuseOtherAxesAndTheColourBarOutsideItsSystem) {
    openHpgl();
    standardAxes(true);
    const std::string out = captureStdout([] {
        addlab("a", 1.0f, 1, "W");
        addlab("a", 1.0f, 1, "Z");
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in addlab!   (W)\n"
                   " <<<< Warning   3: Incorrect level in addlab!   (   2)\n");
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
}

} // namespace
