// RGB and HSV conversion.
#include <gtest/gtest.h>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

using ColourConversion = FreshRecord;

struct Colour {
    float r, g, b, h, s, v;
};

// Pure red has the hue 360, not 0.
const Colour kColours[] = {
    {1, 0, 0, 360, 1, 1},
    {1, 1, 0, 60, 1, 1},
    {0, 1, 0, 120, 1, 1},
    {0, 1, 1, 180, 1, 1},
    {0, 0, 1, 240, 1, 1},
    {1, 0, 1, 300, 1, 1},
    {1, 0.5f, 0, 30, 1, 1},
    {0, 0, 0, 0, 0, 0},
    {0.5f, 0.5f, 0.5f, 0, 0, 0.5f},
    {0.5f, 0.5f, 1, 240, 0.5f, 1},
    {0.2f, 0.4f, 0.2f, 120, 0.5f, 0.4f},
};

TEST_F(ColourConversion, KnownColours) {
    for (const Colour &c : kColours) {
        float h = -1, s = -1, v = -1;
        rgbhsv(c.r, c.g, c.b, &h, &s, &v);
        EXPECT_FLOAT_EQ(h, c.h) << c.r << " " << c.g << " " << c.b;
        EXPECT_FLOAT_EQ(s, c.s);
        EXPECT_FLOAT_EQ(v, c.v);
        float r = -1, g = -1, b = -1;
        hsvrgb(c.h, c.s, c.v, &r, &g, &b);
        EXPECT_NEAR(r, c.r, 1e-6) << c.h << " " << c.s << " " << c.v;
        EXPECT_NEAR(g, c.g, 1e-6);
        EXPECT_NEAR(b, c.b, 1e-6);
    }
    float r, g, b;
    hsvrgb(0, 1, 1, &r, &g, &b); // hue 0 is red as well
    EXPECT_EQ(r, 1.0f);
    EXPECT_EQ(g, 0.0f);
    EXPECT_EQ(b, 0.0f);
}

TEST_F(ColourConversion, RoundTrips) {
    for (int i = 0; i <= 16; ++i)
        for (int j = 0; j <= 16; ++j)
            for (int k = 0; k <= 16; ++k) {
                const float r0 = i / 16.0f, g0 = j / 16.0f, b0 = k / 16.0f;
                float h, s, v, r, g, b;
                rgbhsv(r0, g0, b0, &h, &s, &v);
                ASSERT_GE(h, 0.0f);
                ASSERT_LE(h, 360.0f);
                hsvrgb(h, s, v, &r, &g, &b);
                ASSERT_NEAR(r, r0, 1e-5) << r0 << " " << g0 << " " << b0;
                ASSERT_NEAR(g, g0, 1e-5) << r0 << " " << g0 << " " << b0;
                ASSERT_NEAR(b, b0, 1e-5) << r0 << " " << g0 << " " << b0;
            }
}

TEST_F(ColourConversion, OutOfRangeValuesWarnAndWriteNothing) {
    const char *line = " <<<< Warning   2: Incorrect parameter in hsvrgb!\n";
    float a = 7, b = 7, c = 7;
    EXPECT_EQ(captureStdout([&] { hsvrgb(360.001f, 1, 1, &a, &b, &c); }), line);
    EXPECT_EQ(captureStdout([&] { hsvrgb(-0.001f, 1, 1, &a, &b, &c); }), line);
    EXPECT_EQ(captureStdout([&] { hsvrgb(10, 1.001f, 1, &a, &b, &c); }), line);
    EXPECT_EQ(captureStdout([&] { hsvrgb(10, 1, -0.01f, &a, &b, &c); }), line);
    EXPECT_EQ(captureStdout([&] { rgbhsv(1.001f, 0, 0, &a, &b, &c); }),
              " <<<< Warning   2: Incorrect parameter in rgbhsv!\n");
    EXPECT_EQ(captureStdout([&] { rgbhsv(0, -0.001f, 0, &a, &b, &c); }),
              " <<<< Warning   2: Incorrect parameter in rgbhsv!\n");
    EXPECT_EQ(a, 7.0f);
    EXPECT_EQ(b, 7.0f);
    EXPECT_EQ(c, 7.0f);
    // Within the tolerance of 0.0001.
    EXPECT_EQ(captureStdout([&] { hsvrgb(360.00005f, 1, 1.00005f, &a, &b, &c); }), "");
    EXPECT_EQ(captureStdout([&] { rgbhsv(1.00005f, 0, -0.00005f, &a, &b, &c); }), "");
}

} // namespace
