// Pie charts: where segments start and end (HPGL pen records), how they are
// filled and how a 3-D pie is squeezed and given a wall (PPM pixels), where
// their labels go (PDF words), the settings and the warnings.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kernel/colour.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/raster_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

// The chart's axis system: 1000 x 800 at (900, 1200), so the centre is
// (1400, 800) and the radius 400, with room for labels on both sides.
constexpr float kCx = 1400, kCy = 800, kR = 400;

class PieChart : public AxisTest {
  protected:
    static void placeChart() {
        axspos(900, 1200);
        axslen(1000, 800);
    }
    // Distance of a pen point from the centre of the chart.
    static float fromCentre(const PenOp &op) { return std::hypot(op.x - kCx, op.y - kCy); }
    // True when the pen went to a point within a unit of (x, y).
    static bool visits(const std::vector<PenOp> &ops, float x, float y) {
        for (const PenOp &op : ops)
            if (std::fabs(op.x - x) <= 1.01f && std::fabs(op.y - y) <= 1.01f) return true;
        return false;
    }
    // The point at angle a (degrees, counter-clockwise from the right) and radius r.
    static std::array<float, 2> polar(float a, float r, float cx = kCx, float cy = kCy) {
        const float t = a * 3.14159265f / 180.0f;
        return {cx + r * std::cos(t), cy - r * std::sin(t)};
    }
};

// Values 1, 2, 1: the first segment is centred on 0 degrees, so the seams lie
// at 45, 225 and 315 degrees; every drawn point is the centre or on the circle.
TEST_F(PieChart, SeamsLieAtTheAnglesOfTheShares) {
    openHpgl();
    const float x[3] = {1, 2, 1};
    captureStdout([&] {
        placeChart();
        labels("NONE", "PIE");
        chnpie("NONE");
        piegrf(nullptr, 0, x, 3);
    });
    EXPECT_EQ(currentRecord().core.ilevel, 2) << "the chart's axis system stays open";
    const std::vector<PenOp> ops = closeHpgl();
    ASSERT_FALSE(ops.empty());
    for (const PenOp &op : ops) {
        const float d = fromCentre(op);
        EXPECT_TRUE(d < 1.5f || std::fabs(d - kR) < 1.5f) << "point at distance " << d;
    }
    EXPECT_TRUE(visits(ops, kCx, kCy));
    for (float a : {45.0f, 225.0f, 315.0f}) {
        const auto p = polar(a, kR);
        EXPECT_TRUE(visits(ops, p[0], p[1])) << "seam at " << a;
    }
    // No seam in the middle of a segment.
    for (float a : {0.0f, 90.0f, 270.0f}) {
        const auto p = polar(a, kR);
        EXPECT_FALSE(visits(ops, kCx + (p[0] - kCx) / 2, kCy + (p[1] - kCy) / 2)) << a;
    }
}

// Pulled-out segments: a negative value is drawn with its size and moved by
// 8 % of the radius along its middle; pieexp moves every segment. One value
// is a whole circle without seams.
TEST_F(PieChart, PulledOutSegmentsAndTheWholeCircle) {
    struct Case {
        const char *name;
        std::vector<float> values;
        bool explodeAll;
        std::vector<std::array<float, 2>> centres; // tips of the segments
        std::vector<std::array<float, 2>> absent;
    };
    const std::vector<Case> cases = {
        // Segment 1 from 270 to 90 through 0, segment 2 (negative) round 180, 32 to the left.
        {"negative value", {1, -1}, false, {{kCx, kCy}, {kCx - 32, kCy}}, {}},
        // Both move: the first to the right, the second to the left.
        {"pieexp", {1, 1}, true, {{kCx + 32, kCy}, {kCx - 32, kCy}}, {{kCx, kCy}}},
        // A single value: the circle, no line to the centre.
        {"one value", {5}, false, {}, {{kCx, kCy}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        openHpgl();
        captureStdout([&] {
            placeChart();
            labels("NONE", "PIE");
            chnpie("NONE");
            if (c.explodeAll) pieexp();
            piegrf(nullptr, 0, c.values.data(), int(c.values.size()));
        });
        const std::vector<PenOp> ops = closeHpgl();
        ASSERT_FALSE(ops.empty());
        for (const auto &p : c.centres)
            EXPECT_TRUE(visits(ops, p[0], p[1])) << p[0] << ", " << p[1];
        for (const auto &p : c.absent)
            EXPECT_FALSE(visits(ops, p[0], p[1])) << p[0] << ", " << p[1];
    }
}

// Pointers of outside labels: the segment round 0 degrees has its pointer
// end at R + 20 and its anchor at R + 100 on the right; STRA runs from the
// box to the end, BROK through the anchor, NONE draws neither.
TEST_F(PieChart, PointersReachFromTheLabelToTheSegment) {
    struct Case {
        const char *kind;
        bool tip, anchor;
    } cases[] = {{"STRA", true, false}, {"BROK", true, true}, {"NONE", false, false}};
    const float x[2] = {1, 3};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.kind);
        openHpgl();
        captureStdout([&] {
            placeChart();
            chnpie("NONE");
            labpos("EXTE", "PIE");
            pievec(0, c.kind);
            piegrf(nullptr, 0, x, 2);
        });
        const std::vector<PenOp> ops = closeHpgl();
        EXPECT_EQ(visits(ops, kCx + kR + 20, kCy), c.tip);
        EXPECT_EQ(visits(ops, kCx + kR + 100, kCy), c.anchor);
        EXPECT_EQ(visits(ops, kCx - kR - 20, kCy), c.tip) << "the left label's pointer";
    }
}

class PiePixels : public RasterPixels<PieChart> {
  protected:
    static std::array<int, 3> rgb(float r, float g, float b) {
        return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
    }
};

// Flat pie with the colour cycle: each segment in its entry's colour, and the
// colour in force before the chart back afterwards; pieclr colours the
// segments when the cycle does not.
TEST_F(PiePixels, SegmentsAreFilledInTheirColours) {
    struct Case {
        const char *name;
        std::function<void()> colours;
    };
    const int red = intrgb(1, 0, 0), green = intrgb(0, 1, 0), blue = intrgb(0, 0, 1);
    const Case cases[] = {
        {"colour cycle",
         [&] {
             clrcyc(1, red);
             clrcyc(2, green);
             clrcyc(3, blue);
             chnpie("COLO");
         }},
        {"pieclr",
         [&] {
             const int fg[3] = {red, green, blue}, bg[3] = {-1, -1, -1};
             chnpie("NONE");
             pieclr(fg, bg, 3);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        openRaster();
        const float x[3] = {1, 2, 1};
        captureStdout([&] {
            placeChart();
            labels("NONE", "PIE");
            c.colours();
            shdpat(16);
            setrgb(1, 1, 0);
            piegrf(nullptr, 0, x, 3);
        });
        EXPECT_EQ(rec->colour.ncolor, intrgb(1, 1, 0));
        const RgbImage image = closeRaster();
        const auto p1 = polar(0, 200), p2 = polar(135, 200), p3 = polar(270, 200);
        EXPECT_EQ(at(image, p1[0], p1[1]), rgb(1, 0, 0));
        EXPECT_EQ(at(image, p2[0], p2[1]), rgb(0, 1, 0));
        EXPECT_EQ(at(image, p3[0], p3[1]), rgb(0, 0, 1));
        const auto outside = polar(135, 440);
        EXPECT_NE(at(image, outside[0], outside[1]), rgb(0, 1, 0));
    }
}

// 3-D pies: the view angle squeezes the circle to an ellipse of height
// trunc(R * (a' / 500 + sqrt(a / 90))) and a wall of 0.2 R hangs below it in
// the wall colour of pieclr.
TEST_F(PiePixels, ThreeDimensionalPiesAreSqueezedAndHaveAWall) {
    struct Case {
        float angle;
        int ry;
    } cases[] = {{90, 400}, {45, 318}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.angle);
        openRaster();
        const float x[1] = {1};
        const int fg[1] = {intrgb(1, 0, 0)}, bg[1] = {intrgb(0, 0, 1)};
        captureStdout([&] {
            placeChart();
            labels("NONE", "PIE");
            chnpie("NONE");
            pietyp("3D");
            pieopt(0.2f, c.angle);
            pieclr(fg, bg, 1);
            shdpat(16);
            piegrf(nullptr, 0, x, 1);
        });
        const RgbImage image = closeRaster();
        const float ry = float(c.ry);
        EXPECT_EQ(at(image, kCx, kCy - ry + 8), rgb(1, 0, 0)) << "top of the ellipse";
        EXPECT_NE(at(image, kCx, kCy - ry - 8), rgb(1, 0, 0)) << "above the ellipse";
        EXPECT_EQ(at(image, kCx, kCy + ry + 40), rgb(0, 0, 1)) << "the wall";
        EXPECT_NE(at(image, kCx, kCy + ry + 95), rgb(0, 0, 1)) << "below the wall";
        EXPECT_NE(at(image, kCx, kCy - ry - 40), rgb(0, 0, 1)) << "no wall behind";
    }
}

// A label inside its segment keeps the fill out of its box: one value puts
// its box at the centre of the circle, and no pixel near the centre is red.
TEST_F(PiePixels, AnInsideLabelIsNotCoveredByTheFill) {
    openRaster();
    const float x[1] = {2};
    const int fg[1] = {intrgb(1, 0, 0)}, bg[1] = {-1};
    captureStdout([&] {
        placeChart();
        chnpie("NONE");
        pieclr(fg, bg, 1);
        labclr(intrgb(0, 0, 1), "PIE");
        shdpat(16);
        piegrf(nullptr, 0, x, 1);
    });
    const RgbImage image = closeRaster();
    int red = 0, blue = 0;
    for (float dy = -10; dy <= 10; dy += 1)
        for (float dx = -60; dx <= 60; dx += 1) {
            const auto p = at(image, kCx + dx, kCy + dy);
            red += p == rgb(1, 0, 0);
            blue += p == rgb(0, 0, 1);
        }
    EXPECT_EQ(red, 0);
    EXPECT_GT(blue, 0) << "the label is drawn in its colour";
    EXPECT_EQ(at(image, kCx, kCy - 200), rgb(1, 0, 0)) << "the rest of the circle is filled";
}

// Labels: the text lines of the legend buffer and the numbers, inside the
// segment when the box fits, outside otherwise, and lined up at R + 120 on
// both sides in ALIG mode.
TEST_F(PieChart, LabelsGoInsideOutsideOrAligned) {
    const float x[2] = {1, 3}; // segment 1 round 0 degrees, segment 2 round 180
    struct Case {
        const char *place;
        std::function<void(const Word &, const Word &)> check;
    };
    const Case cases[] = {
        {"INTE",
         [](const Word &first, const Word &second) {
             EXPECT_GT(first.x1, kCx);
             EXPECT_LT(first.x2, kCx + kR);
             EXPECT_LT(second.x2, kCx);
             EXPECT_GT(second.x1, kCx - kR);
         }},
        // Near 0 degrees the box starts 40 beyond the anchor at R + 100; the
        // left-justified text 1 + 36 * 1.5 / 4 into the box.
        {"EXTE",
         [](const Word &first, const Word &second) {
             EXPECT_NEAR(first.x1, kCx + kR + 140 + 14, 3);
             EXPECT_LT(second.x2, kCx - kR - 20);
         }},
        {"ALIG",
         [](const Word &first, const Word &second) {
             EXPECT_NEAR(first.x1, kCx + kR + 120 + 14, 3);
             EXPECT_LT(second.x2, kCx - kR - 120);
             EXPECT_GT(second.x2, kCx - kR - 200);
             EXPECT_NEAR(first.centreY(), second.centreY(), 10);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.place);
        openPdf();
        char cbuf[2 * 10 + 1] = {};
        captureStdout([&] {
            placeChart();
            legini(cbuf, 2, 10);
            leglin(cbuf, "Apples", 1);
            leglin(cbuf, "Pears", 2);
            labpos(c.place, "PIE");
            labtyp("LEFT", "PIE");
            piegrf(cbuf, 1, x, 2);
        });
        const std::vector<Word> words = closePdf();
        const Word apples = wordOf(words, "Apples"), pears = wordOf(words, "Pears");
        c.check(apples, pears);
        // The percentages under the texts, with one decimal and the sign.
        const Word first = wordOf(words, "25.0"), second = wordOf(words, "75.0");
        EXPECT_GT(first.centreY(), apples.centreY());
        EXPECT_NEAR(first.x1, apples.x1, 2) << "both lines start at the left margin";
        EXPECT_GT(second.centreY(), pears.centreY());
        EXPECT_NEAR(second.x1, pears.x1, 2);
        wordOf(words, "%");
    }
}

// The texts of pielab round the numbers, DATA and BOTH labels with their
// digits, and the label colour.
TEST_F(PieChart, LabelLinesTakeTheirTextsAndDigits) {
    openPdf();
    const float x[2] = {1, 3};
    captureStdout([&] {
        placeChart();
        labels("BOTH", "PIE");
        digits(2, "DAT");
        digits(0, "PER");
        labpos("EXTE", "PIE");
        piegrf(nullptr, 0, x, 2);
    });
    std::vector<Word> words = closePdf();
    wordOf(words, "1.00");
    wordOf(words, "3.00");
    const Word p = wordOf(words, "25");
    EXPECT_GT(p.centreY(), wordOf(words, "1.00").centreY()) << "the percentage under the value";

    openPdf();
    captureStdout([&] {
        placeChart();
        labels("DATA", "PIE");
        pielab("about", "LEFT");
        pielab("kg", "RIGH");
        labpos("EXTE", "PIE");
        piegrf(nullptr, 0, x, 2);
    });
    words = closePdf();
    // Segment 1 is labelled on the right: its words are those right of the centre.
    std::vector<Word> right;
    for (const Word &w : words)
        if (w.x1 > kCx) right.push_back(w);
    const Word about = wordOf(right, "about"), value = wordOf(right, "1.0"),
               unit = wordOf(right, "kg");
    EXPECT_LT(about.x2, value.x1);
    EXPECT_LT(value.x2, unit.x1);
    EXPECT_NEAR(about.centreY(), unit.centreY(), 2);
}

// Each setter stores its field; resall gives the defaults back.
TEST_F(PieChart, SettersStoreTheirFields) {
    GlobalRecord &rec = open();
    const int fg[2] = {3, -1}, bg[2] = {-1, 5};
    captureStdout([&] {
        pietyp("3D");
        pieopt(0.5f, 30.0f);
        pielab("a text longer than twenty characters", "LEFT");
        pievec(1234, "STRA");
        pieexp();
        pieclr(fg, bg, 2);
        piebor(7);
        labels("BOTH", "PIE");
        labpos("ALIG", "PIE");
        labtyp("OUTW", "PIE");
        labclr(4, "PIE");
        digits(3, "PIE");
    });
    const PieState &p = rec.pie;
    EXPECT_EQ(p.ipietyp, 1);
    EXPECT_EQ(p.xpieopt[0], 30.0f);
    EXPECT_EQ(p.xpieopt[1], 0.5f);
    EXPECT_STREQ(p.cpielab[0], "a text longer than t");
    EXPECT_EQ(p.npievec[0], int(PiePointer::straight));
    EXPECT_EQ(p.npievec[1], 1234);
    EXPECT_EQ(p.ipieexp, 1);
    EXPECT_EQ(p.npieclr, 2);
    EXPECT_EQ(p.npiefgc[0], 3);
    EXPECT_EQ(p.npiebgc[1], 5);
    EXPECT_EQ(p.npiefgc[2], -1);
    EXPECT_EQ(p.npiebor, 7);
    EXPECT_EQ(p.ipielab, int(PieLabel::both));
    EXPECT_EQ(p.ipielbp, int(PieLabelPlace::aligned));
    EXPECT_EQ(p.ipielbt, int(PieLabelJustify::outwards));
    EXPECT_EQ(p.npielbc, 4);
    EXPECT_EQ(p.npiedig, 3);
    EXPECT_EQ(p.npieper, 3);
    // A shorter list of colours clears the entries beyond it.
    captureStdout([&] { pieclr(fg, bg, 1); });
    EXPECT_EQ(p.npiebgc[1], -1);
    captureStdout([] { reset("ALL"); });
    EXPECT_EQ(rec.pie.ipietyp, 0);
    EXPECT_EQ(rec.pie.npieclr, 0);
    EXPECT_EQ(rec.pie.npievec[1], 2301);
    EXPECT_EQ(rec.pie.cpielab[0][0], '\0');
    close();
}

// Bad input: each call warns and changes nothing it refuses.
TEST_F(PieChart, BadInputWarnsAndChangesNothing) {
    GlobalRecord &rec = open();
    const int good[2] = {1, 2}, bad[2] = {1, -2};
    const float zeros[2] = {0, -0.0f}, one[1] = {1};
    struct Case {
        std::function<void()> call;
        const char *warning;
    } cases[] = {
        {[&] { piegrf(nullptr, 0, one, 0); },
         " <<<< Warning   2: Incorrect parameter in piegrf!   (   0)\n"},
        {[&] { piegrf(nullptr, 0, nullptr, 1); },
         " <<<< Warning   2: Incorrect parameter in piegrf!\n"},
        {[&] { pieclr(good, bad, 2); },
         " <<<< Warning   2: Incorrect parameter in pieclr!   (  -2)\n"},
        {[&] { pieclr(good, good, 31); },
         " <<<< Warning   2: Incorrect parameter in pieclr!   (  31)\n"},
        {[] { pievec(10000, "NONE"); },
         " <<<< Warning   2: Incorrect parameter in pievec!   (10000)\n"},
        {[] { piebor(-2); }, " <<<< Warning   2: Incorrect parameter in piebor!   (  -2)\n"},
        {[] { pietyp("4D"); }, " <<<< Warning   2: Incorrect parameter in pietyp!   (4D)\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.warning);
        EXPECT_EQ(captureStdout(c.call), c.warning);
    }
    EXPECT_EQ(rec.pie.npieclr, 0) << "the count of a refused list is unchanged";
    EXPECT_EQ(rec.pie.npievec[1], 2301);
    EXPECT_EQ(rec.pie.npievec[0], int(PiePointer::none)) << "the kind is stored on its own";
    EXPECT_EQ(rec.pie.npiebor, -1);
    EXPECT_EQ(rec.core.ilevel, 1) << "nothing opened an axis system";

    // pieopt checks its two values apart.
    const std::string both = captureStdout([] { pieopt(0.0f, 91.0f); });
    EXPECT_EQ(both.find("Warning   2"), both.rfind("Warning   2") - both.find('\n') - 1);
    EXPECT_EQ(rec.pie.xpieopt[0], 45.0f);
    EXPECT_EQ(rec.pie.xpieopt[1], 0.2f);
    captureStdout([] { pieopt(0.3f, 0.0f); });
    EXPECT_EQ(rec.pie.xpieopt[0], 45.0f);
    EXPECT_EQ(rec.pie.xpieopt[1], 0.3f);

    // A zero sum leaves the axis system open but draws nothing.
    EXPECT_EQ(captureStdout([&] { piegrf(nullptr, 0, zeros, 2); }),
              " <<<< Warning  29: Sum of data is zero in piegrf!\n");
    // Inside an axis system piegrf is refused.
    EXPECT_EQ(captureStdout([&] { piegrf(nullptr, 0, one, 1); }),
              " <<<< Warning   3: Incorrect level in piegrf!   (   2)\n");
    close();
}

// pie: a filled sector at page coordinates, closed through its centre.
TEST_F(PieChart, PieIsASectorThroughItsCentre) {
    openHpgl();
    captureStdout([] { pie(500, 600, 100, 0.0f, 90.0f); });
    const std::vector<PenOp> ops = closeHpgl();
    EXPECT_TRUE(visits(ops, 500, 600));
    EXPECT_TRUE(visits(ops, 600, 600));
    EXPECT_TRUE(visits(ops, 500, 500));
    EXPECT_FALSE(visits(ops, 400, 600));
}

} // namespace
