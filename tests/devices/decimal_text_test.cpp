#include <gtest/gtest.h>

#include <cfloat>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "devices/decimal_text.h"

namespace {

std::string fixed(double v, int decimals) {
    char text[kNumberTextRoom];
    return std::string(text, putFixed(text, v, decimals));
}

std::string printfFixed(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    return text;
}

TEST(NumberText, IntegersAsPrintfWritesThem) {
    // Every digit count and both signs, in widths below, at and above the
    // numbers' lengths.
    std::vector<int> values = {0, 7, -7, 12345, -99999, 123456, 2147483647, -2147483647 - 1};
    std::mt19937 random(11);
    for (int i = 0; i < 20000; ++i) {
        const int v = int(random()) >> (i % 31);
        values.push_back(v);
    }
    for (int v : values) {
        char text[kNumberTextRoom], expected[32];
        std::snprintf(expected, sizeof expected, "%d", v);
        ASSERT_EQ(std::string(text, putInt(text, v)), expected);
        for (int width : {0, 1, 5, 9, 12}) {
            std::snprintf(expected, sizeof expected, "%*d", width, v);
            ASSERT_EQ(std::string(text, putIntWidth(text, v, width)), expected) << width;
        }
    }
}

TEST(NumberText, EveryIntegerOfUpToSixDigitsAsPrintfWritesIt) {
    // Device coordinates take a short way for four digits and fewer: every
    // value on both sides of each digit-count edge, and of both signs.
    for (int v = -1000000; v <= 1000000; ++v) {
        char text[kNumberTextRoom], expected[32];
        std::snprintf(expected, sizeof expected, "%d", v);
        ASSERT_EQ(std::string(text, putInt(text, v)), expected);
    }
}

TEST(NumberText, FixedPointRoundsLikePrintf) {
    struct Case {
        double value;
        int decimals;
        const char *text;
    };
    const Case cases[] = {
        {0.125, 2, "0.12"}, // an exact half goes to the even digit
        {0.375, 2, "0.38"},
        {2.5, 0, "2"},
        {3.5, 0, "4"},
        {-0.001, 2, "-0.00"}, // the sign of a value that rounds to zero stays
        {-0.0, 2, "-0.00"},
        {0.7087, 3, "0.709"},
        {1e12, 2, "1000000000000.00"}, // large values go through printf
    };
    for (const Case &c : cases)
        EXPECT_EQ(fixed(c.value, c.decimals), c.text) << c.value;
}

// Every value of float range fits the room, whatever its size; a larger
// double is cut to the room and never written past it.
TEST(NumberText, TheLargestFloatsFitTheRoom) {
    for (double v : {double(FLT_MAX), -double(FLT_MAX), 1e30, -3.5e25})
        for (int decimals : {0, 2, 6})
            EXPECT_EQ(fixed(v, decimals), printfFixed(v, decimals)) << v;
    char text[kNumberTextRoom + 8];
    std::fill(std::begin(text), std::end(text), 'x');
    const char *end = putFixed(text, 1e300, 2);
    EXPECT_LT(end - text, kNumberTextRoom);
    EXPECT_EQ(text[kNumberTextRoom], 'x');
}

TEST(NumberText, FixedPointAgreesWithPrintfOnManyFloats) {
    std::mt19937 random(20261209);
    std::uniform_real_distribution<float> wide(-40000.0f, 40000.0f);
    std::uniform_int_distribution<int> cents(-4000000, 4000000), whole(-100000000, 100000000);
    for (int i = 0; i < 300000; ++i) {
        // Every third value whole, as device coordinates are; every third has
        // many exact halves.
        const float v = i % 3 == 0   ? wide(random)
                        : i % 3 == 1 ? float(cents(random)) / 800.0f
                                     : float(whole(random) >> (i % 27));
        for (int decimals : {0, 1, 2, 3, 6}) {
            ASSERT_EQ(fixed(double(v), decimals), printfFixed(double(v), decimals)) << v;
        }
    }
    // Doubles that are not exact when scaled take printf's way.
    for (double v : {0.1, 1.0 / 3.0, 2.675, 1.005})
        EXPECT_EQ(fixed(v, 2), printfFixed(v, 2));
    // Whole values at the edge of the digits' way, and beyond it.
    for (double v : {999999999.0, -999999999.0, 1e9, 4294967296.0, -0.0, 0.0})
        for (int decimals : {0, 2, 6})
            EXPECT_EQ(fixed(v, decimals), printfFixed(v, decimals)) << v;
    char text[kNumberTextRoom];
    EXPECT_EQ(std::string(text, putFixedWidth(text, 0.5, 5, 3)), "0.500");
    EXPECT_EQ(std::string(text, putFixedWidth(text, 1.0, 10, 6)), "  1.000000");
}

} // namespace
