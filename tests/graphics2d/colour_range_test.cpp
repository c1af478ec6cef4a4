// zscale: the z range that shaded surfaces and filled contours scale their
// colours over, read back as PPM pixels; its refusals and its reset; nzposn.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "graphics3d/projection.h"
#include "kernel/colour.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb &) const = default;
};

Rgb colourOf(const GlobalRecord &rec, int colour) {
    float r, g, b;
    qqgrgb(rec, colour, r, g, b);
    return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
}

Rgb pixelOf(const RgbImage &image, float scale, float x, float y) {
    const unsigned char *p = image.at(int(x * scale), int(y * scale));
    return {p[0], p[1], p[2]};
}

// Before the plot: nothing, a fixed range, or a fixed range given up again.
enum class Range { own, fixed, reset };

void chooseRange(Range range, float zmin, float zmax) {
    if (range == Range::own) return;
    zscale(zmin, zmax);
    if (range == Range::reset) reset("ZSCA");
}

class ColourRange : public AxisTest {};

// The area 0..10 x 0..5 of value 30 filled between the levels 20 and 40, as
// one grid cell or as two triangles.
void fillGrid() {
    const float x[2] = {0, 10}, y[2] = {0, 5}, z[4] = {30, 30, 30, 30};
    const float levels[2] = {20, 40};
    conshd(x, 2, y, 2, z, levels, 2);
}

void fillTriangles() {
    const float x[4] = {0, 10, 10, 0}, y[4] = {0, 0, 5, 5}, z[4] = {30, 30, 30, 30};
    const int i1[2] = {1, 1}, i2[2] = {2, 3}, i3[2] = {3, 4};
    const float levels[2] = {20, 40};
    confll(x, y, z, 4, i1, i2, i3, 2, levels, 2);
}

// Colour range 1..254 of the rainbow table. The band of value 30 between the
// levels 20 and 40 takes the colour of its lower level: the first colour on
// the levels' own scale 20..40, colour trunc(20 * 254 / 100 + 1) = 51 on a
// fixed scale 0..100.
TEST_F(ColourRange, FixedRangeColoursFilledContours) {
    struct Case {
        Range range;
        void (*fill)();
        int colour;
    } cases[] = {{Range::own, fillGrid, 1},         {Range::fixed, fillGrid, 51},
                 {Range::reset, fillGrid, 1},       {Range::own, fillTriangles, 1},
                 {Range::fixed, fillTriangles, 51}, {Range::reset, fillTriangles, 1}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(int(c.range)) + (c.fill == fillGrid ? " grid" : " triangles"));
        GlobalRecord &rec = open("PPM", "plot.ppm");
        standardAxes(true);
        EXPECT_EQ(captureStdout([&c] {
                      chooseRange(c.range, 0, 100);
                      c.fill();
                  }),
                  "");
        const float scale = rec.page.xdevscl;
        const Rgb expected = colourOf(rec, c.colour);
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        EXPECT_EQ(pixelOf(image, scale, 700, 950), expected); // user (5, 2.5)
    }
}

// A flat cell of value 0.5 in a box whose Z axis runs from -1 to 1: colour
// trunc(1.5 * 127 + 1) = 191 on the axis, trunc(0.5 * 254 + 1) = 128 on a
// fixed range 0..1.
TEST_F(ColourRange, FixedRangeColoursShadedSurfaces) {
    struct Case {
        Range range;
        float zmin, zmax;
        int colour;
    } cases[] = {
        {Range::own, 0, 0, 191},
        {Range::fixed, 0, 1, 128},
        {Range::reset, 0, 1, 191},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.colour);
        GlobalRecord &rec = open("PPM", "plot.ppm");
        EXPECT_EQ(captureStdout([&c] {
                      setvlt("RAIN");
                      nograf();
                      graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
                      shdmod("FLAT", "SURF");
                      chooseRange(c.range, c.zmin, c.zmax);
                      const float edges[2] = {-1, 1}, z[4] = {0.5f, 0.5f, 0.5f, 0.5f};
                      surshd(edges, 2, edges, 2, z);
                  }),
                  "");
        float bx, by, bz, hx, hy, hz, hw, xp, yp;
        qqpos3(rec, 0, 0, 0.5f, bx, by, bz);
        qqgsc3(rec, bx, by, bz, hx, hy, hz, hw);
        homogeneousToPage(rec, hx, hy, hw, xp, yp);
        const float scale = rec.page.xdevscl;
        const Rgb expected = colourOf(rec, c.colour);
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        EXPECT_EQ(pixelOf(image, scale, xp, yp), expected);
    }
}

// Ranges that give no colour scale are refused and the range in force stays.
TEST_F(ColourRange, EmptyOrNonNumericRangesAreRefused) {
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float zmin, zmax;
    } cases[] = {{5, 5}, {std::nanf(""), 1}, {0, inf}, {-inf, 0}};
    GlobalRecord &rec = open();
    captureStdout([] { zscale(-2, 3); });
    for (const Case &c : cases) {
        SCOPED_TRACE(c.zmin);
        EXPECT_EQ(captureStdout([&c] { zscale(c.zmin, c.zmax); }),
                  " <<<< Warning   2: Incorrect parameter in zscale!\n");
        EXPECT_EQ(rec.zrange.izscale, 1);
        EXPECT_EQ(rec.zrange.xzscale[0], -2);
        EXPECT_EQ(rec.zrange.xzscale[1], 3);
    }
    close();
    // A new plot starts with the plots' own ranges.
    GlobalRecord &again = open();
    EXPECT_EQ(again.zrange.izscale, 0);
    close();
}

// nzposn: the colour number on the colour axis of graf3, 0 without one.
TEST_F(ColourRange, ColourNumberOfAValue) {
    open();
    std::string out = captureStdout([] { EXPECT_EQ(nzposn(5), 0); });
    EXPECT_NE(out.find("Incorrect level in nzposn"), std::string::npos) << out;
    out = captureStdout([] {
        nograf();
        colran(1, 10);
        graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 10, 0, 2);
    });
    EXPECT_EQ(out, "");
    EXPECT_EQ(nzposn(4.5f), 5);
    EXPECT_EQ(nzposn(-1), 0);   // below the axis: the table's first colour
    EXPECT_EQ(nzposn(11), 255); // above it: the last
    close();
}

} // namespace
