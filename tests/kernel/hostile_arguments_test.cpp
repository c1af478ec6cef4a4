// Arguments a careless or hostile caller hands over: null arrays are refused
// with the same warning by every routine that takes arrays, and far or NaN
// floats convert to ints without overflowing.
#include <climits>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <string>

#include "kernel/rounding.h"
#include "tests/support/plot_fixture.h"

namespace {

using HostileArguments = PlotTest;

TEST_F(HostileArguments, NullArraysGiveWarningTwoAndReadNothing) {
    open();
    float f[4] = {1, 2, 3, 4};
    int i[4] = {1, 2, 3, 4};
    struct Case {
        const char *name;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"areaf", [&] { areaf(nullptr, i, 3); }},
        {"areaf", [&] { areaf(i, nullptr, 3); }},
        {"myline", [] { myline(nullptr, 2); }},
        {"myvlt", [&] { myvlt(f, nullptr, f, 2); }},
        {"mysymb", [&] { mysymb(nullptr, f, 3, 1, 0); }},
        {"shlpol", [&] { shlpol(i, nullptr, 3); }},
        {"trifll", [&] { trifll(nullptr, f); }},
        {"trfco1", [] { trfco1(nullptr, 2, "DEGREES", "RADIANS"); }},
        {"trfco2", [&] { trfco2(f, nullptr, 2, "RECT", "POLAR"); }},
        {"trfco3", [&] { trfco3(f, f, nullptr, 2, "RECT", "SPHERE"); }},
        {"trfmat", [&] { trfmat(nullptr, 2, 2, f, 2, 2); }},
        {"sortr1", [] { sortr1(nullptr, 5, "A"); }},
        {"sortr2", [&] { sortr2(f, nullptr, 4, "A"); }},
        {"swapi2", [] { swapi2(nullptr, 3); }},
        {"swapi4", [] { swapi4(nullptr, 3); }},
        {"bezier", [&] { bezier(f, f, 2, nullptr, f, 2); }},
        {"moment", [] { moment(nullptr, 4, "MEAN"); }},
        {"spline",
         [&] {
             int n = 0;
             spline(f, nullptr, 4, f, f, &n);
         }},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout(c.call),
                  std::string(" <<<< Warning   2: Incorrect parameter in ") + c.name + "!\n");
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f[k], float(k + 1)); // nothing was written through the other arrays
        EXPECT_EQ(i[k], k + 1);
    }
    // Counts of 0 read nothing, so no array is needed.
    EXPECT_EQ(captureStdout([] {
                  sortr1(nullptr, 0, "A");
                  swapi4(nullptr, 0);
                  trfco1(nullptr, 0, "DEGREES", "RADIANS");
              }),
              "");
    close();
}

// Corners, sizes and shifts at the ends of an int: their sums are held, and
// what lies off the page is clipped away.
TEST_F(HostileArguments, ExtremeIntegersAddUpWithoutOverflow) {
    GlobalRecord &rec = open("PS", "plot.ps");
    captureStdout([] {
        origin(INT_MAX, INT_MIN);
        messag("far", INT_MAX, INT_MIN);
        symbol(3, INT_MIN, INT_MAX);
        rectan(INT_MAX, INT_MIN, INT_MAX, INT_MAX);
        recfll(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
        point(INT_MAX, INT_MAX, INT_MAX, INT_MAX, 1);
        circle(INT_MAX, INT_MIN, 100);
        clpwin(INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    });
    EXPECT_EQ(rec.page.nxorg, kIntLimit);
    EXPECT_EQ(rec.page.nyorg, -kIntLimit);
    close("plot.ps");
    EXPECT_EQ(captureStdout([] { page(INT_MAX, INT_MAX); }),
              " <<<< Warning   2: Incorrect parameter in page!   (2147483647)\n");
}

// Settings that are no numbers are refused as values out of their range, and
// axis limits that are no numbers as equal ones.
TEST_F(HostileArguments, NaNAndInfinityAreRefused) {
    GlobalRecord &rec = open();
    const float nan = std::nanf(""), inf = std::numeric_limits<float>::infinity();
    const float rgb[1] = {0.5f}, bad[1] = {nan};
    struct Case {
        const char *name;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"chawth", [&] { chawth(nan); }},
        {"chaspc", [&] { chaspc(inf); }},
        {"chaang", [&] { chaang(nan); }},
        {"fixspc", [&] { fixspc(inf); }},
        {"myvlt", [&] { myvlt(rgb, bad, rgb, 1); }},
    };
    const float width = rec.text.xchawth;
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout(c.call),
                  std::string(" <<<< Warning   2: Incorrect parameter in ") + c.name + "!\n");
    EXPECT_EQ(rec.text.xchawth, width);
    for (const float limit : {nan, inf}) {
        const std::string out = captureStdout([&] { graf(0, limit, 0, 1, 0, 1, 0, 1); });
        EXPECT_NE(out.find(" <<<< Warning  10: Begin and end of scaling are equal in graf!"),
                  std::string::npos)
            << out;
        EXPECT_EQ(rec.core.ilevel, 1); // no axis system
    }
    EXPECT_NE(captureStdout([&] {
                  graf(0, 1, 0, nan, 0, 1, 0, 1);
              }).find(" <<<< Warning   9: Step equal zero in graf!"),
              std::string::npos);
    close();
}

TEST(SafeConversion, FarAndNaNValuesStopWithinAnInt) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    const float nan = std::nanf("");
    struct Case {
        float v;
        int trunc, rounded, nearest;
    };
    const Case cases[] = {
        {2.5f, 2, 3, 3},
        {-2.5f, -2, -2, -3},
        {nan, 0, 0, 0},
        {inf, kIntLimit, kIntLimit, kIntLimit},
        {-inf, -kIntLimit, -kIntLimit, -kIntLimit},
        {3.0e9f, kIntLimit, kIntLimit, kIntLimit},
        {float(INT_MIN), -kIntLimit, -kIntLimit, -kIntLimit},
        // The limits convert to themselves, the floats next to them inside
        // and outside to their own value and to the limit.
        {1.0e9f, kIntLimit, kIntLimit, kIntLimit},
        {-1.0e9f, -kIntLimit, -kIntLimit, -kIntLimit},
        {999999936.0f, 999999936, 999999936, 999999936},
        {-999999936.0f, -999999936, -999999936, -999999936},
        {1000000064.0f, kIntLimit, kIntLimit, kIntLimit},
        {-1000000064.0f, -kIntLimit, -kIntLimit, -kIntLimit},
        {-0.99f, 0, 0, -1},
        {-nan, 0, 0, 0},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(truncToInt(c.v), c.trunc) << c.v;
        EXPECT_EQ(roundAddHalf(c.v), c.rounded) << c.v;
        EXPECT_EQ(nintqq(c.v), c.nearest) << c.v;
    }
    EXPECT_EQ(truncToInt(double(nan)), 0);
    EXPECT_EQ(truncToInt(-1.0e300), -kIntLimit);
    // Two converted values add up without overflow.
    EXPECT_EQ(nintqq(inf) + nintqq(inf), 2 * kIntLimit);
}

} // namespace
