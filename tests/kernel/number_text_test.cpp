// Numbers as text: fcha, flen, intcha, intlen, the national characters of
// gnustr, and the setters numfmt and numode.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/number_text.h"
#include "kernel/record.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

// fcha into a buffer of exactly the size flen promises, so that a text longer
// than its count shows up under AddressSanitizer.
std::string fchaText(float x, int ndig, int *returned = nullptr) {
    std::vector<char> text(std::size_t(flen(x, ndig)) + 1, '#');
    const int n = fcha(x, ndig, text.data());
    if (returned != nullptr) *returned = n;
    return std::string(text.data());
}

TEST(NumberText, FixedPointAndIntegerTexts) {
    struct Case {
        float x;
        int ndig;
        const char *text;
    };
    const Case cases[] = {
        {3.14159f, 2, "3.14"},
        {-2.5f, -1, "-3"}, // integers: add 0.5 to the magnitude and truncate
        {2.5f, -1, "3"},   // (printf would round this half to even: 2)
        {0.4f, -1, "0"},
        {-0.4f, -1, " 0"}, // the minus is counted, but an integer 0 has no sign
        {12.0f, 0, " 12"}, // no decimals: the place of the point stays blank
        {0.0f, 0, " 0"},
        {9.96f, 1, "10.0"}, // rounding carries into a new digit
        {-0.001f, 1, "-0.0"},
        {-0.0f, 1, "0.0"}, // a negative zero has no sign
        {1234567.5f, 1, "1234567.5"},
        {99.5f, -1, "100"},
        {1.0e30f, -1, "1000000015047466219876688855040"}, // beyond any int: no overflow
        {-123.456f, 5, "-123.45600"},
    };
    for (const Case &c : cases) {
        int n = 0;
        EXPECT_EQ(fchaText(c.x, c.ndig, &n), c.text) << c.x << " " << c.ndig;
        EXPECT_EQ(n, int(std::strlen(c.text))) << c.x << " " << c.ndig;
        EXPECT_EQ(flen(c.x, c.ndig), n) << c.x << " " << c.ndig;
    }
}

TEST(NumberText, LengthCounts) {
    struct Case {
        float x;
        int ndig;
        int length;
    };
    const Case cases[] =
        {
            {123.456f, 2, 6},    {-5.0f, -1, 2},   {9.996f, 2, 5},
            {0.0f, -1, 1},       {FLT_MAX, 0, 40}, {-FLT_MAX, -1, 40},
            {1.0e30f, 100, 132}, {-1.0f, -7, 2}, // every negative count means an integer text
        };
    for (const Case &c : cases)
        EXPECT_EQ(flen(c.x, c.ndig), c.length) << c.x << " " << c.ndig;
}

TEST(NumberText, LengthAlwaysMatchesTheText) {
    // Over many magnitudes and digit counts the text is exactly as long as
    // flen says: no blank too many, no character beyond the count.
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> mantissa(-10.0f, 10.0f);
    std::uniform_int_distribution<int> exponent(-6, 36);
    for (int i = 0; i < 4000; ++i) {
        const float x = mantissa(random) * std::pow(10.0f, float(exponent(random)));
        for (int ndig = -1; ndig <= 8; ++ndig) {
            int n = 0;
            const std::string text = fchaText(x, ndig, &n);
            ASSERT_EQ(int(text.size()), n) << x << " " << ndig;
            ASSERT_EQ(flen(x, ndig), n) << x << " " << ndig;
            ASSERT_NE(text[0], '#');
        }
    }
}

TEST(NumberText, InfinitiesAndNaNsFitTheirCount) {
    for (float x : {INFINITY, -INFINITY, NAN, -NAN})
        for (int ndig = -1; ndig <= 2; ++ndig) {
            int n = 0;
            const std::string text = fchaText(x, ndig, &n);
            EXPECT_EQ(int(text.size()), n) << text;
            EXPECT_EQ(flen(x, ndig), n) << text;
        }
}

TEST(NumberText, HundredDecimalsOfTheLargestFloat) {
    int n = 0;
    const std::string text = fchaText(-FLT_MAX, 100, &n);
    EXPECT_EQ(n, 141); // sign, 39 digits, point, 100 decimals
    EXPECT_EQ(text.substr(0, 12), "-34028234663");
}

TEST(NumberText, IntegerTexts) {
    struct Case {
        int n;
        const char *text;
    };
    const Case cases[] = {
        {-45, "-45"}, {0, "0"}, {7, "7"}, {INT_MAX, "2147483647"}, {INT_MIN, "-2147483648"}};
    for (const Case &c : cases) {
        std::vector<char> text(std::strlen(c.text) + 1, '#');
        EXPECT_EQ(intcha(c.n, text.data()), int(std::strlen(c.text)));
        EXPECT_STREQ(text.data(), c.text);
        EXPECT_EQ(intlen(c.n), int(std::strlen(c.text))) << c.n;
    }
    EXPECT_EQ(intlen(1000000000), 10);
    EXPECT_EQ(intlen(999999999), 9);
    EXPECT_EQ(intlen(10), 2);
    EXPECT_EQ(intlen(-1), 2);
}

TEST(NumberText, NationalCharacters) {
    struct Case {
        const char *mode; // decimal, separator, sign, exponent form
        const char *in;
        const char *out;
    };
    const Case cases[] = {
        {",.00", "1234567.5", "1.234.567,5"},
        {".000", "1234.5", "1234.5"},
        {",000", "3.14", "3,14"},
        {". 00", "1234567.12345", "1 234 567.123 45"},
        {".,00", "1234", "1,234"},
        {".,00", "123456", "123,456"},
        // A minus sign or the blank of a text without decimals is no group of its own.
        {".,00", "-1234", "-1,234"},
        {".,00", "-123", "-123"},
        {".,00", " 123", " 123"},
        {".,00", " 1234", " 1,234"},
        // The sign character stands where negative numbers have their minus.
        {".0+0", "12.5", "+12.5"},
        {".0+0", "-12.5", "-12.5"},
        {".0 0", "7", " 7"},
        {",.+0", "-98765.4321", "-98.765,432.1"},
    };
    for (const Case &c : cases) {
        char text[kNumberTextSize];
        std::strcpy(text, c.in);
        const int n = gnustr(text, int(std::strlen(c.in)), c.mode, sizeof text);
        EXPECT_STREQ(text, c.out) << c.mode << " " << c.in;
        EXPECT_EQ(n, int(std::strlen(c.out)));
    }
}

TEST(NumberText, GroupedTextsNeverOverflow) {
    // The longest fcha text with separators in both parts and a sign character.
    char text[kNumberTextSize];
    const int n = fcha(FLT_MAX, 100, text);
    ASSERT_EQ(n, 140);
    EXPECT_EQ(gnustr(text, n, ",.+0", sizeof text), 140 + 1 + 12 + 33);
    EXPECT_EQ(std::string(text).substr(0, 9), "+340.282.");

    // A buffer that is too small keeps its beginning and stays terminated.
    std::vector<char> small(8);
    std::strcpy(small.data(), "12345.6");
    EXPECT_EQ(gnustr(small.data(), 7, ".,00", small.size()), 7);
    EXPECT_STREQ(small.data(), "12,345.");
}

using NumberSettings = FreshRecord;

TEST_F(NumberSettings, NumberFormatIsASetter) {
    // Before kavini: warning 3, but the value is stored.
    EXPECT_EQ(captureStdout([] { numfmt("LOG"); }),
              " <<<< Warning   3: Incorrect level in numfmt!   (   0)\n");
    EXPECT_EQ(currentRecord().number.inumfmt, 3);
    currentRecord().core.ilevel = 1;
    const std::string out = captureStdout([] {
        numfmt("fexp");
        numfmt("exp");  // blank-padded to "EXP "
        numfmt("EXPO"); // the first four letters count: not "EXP "
        numfmt("FLOATING");
        numfmt("XYZ");
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in numfmt!   (EXPO)\n"
                   " <<<< Warning   2: Incorrect parameter in numfmt!   (XYZ)\n");
    EXPECT_EQ(currentRecord().number.inumfmt, 0);
}

TEST_F(NumberSettings, NumberModeNeedsAnOpenPlotAndSetsEachOptionOnItsOwn) {
    EXPECT_EQ(captureStdout([] { numode("COMM", "POIN", "PLUS", "EQUA"); }),
              " <<<< Warning   3: Incorrect level in numode!   (   0)\n");
    EXPECT_STREQ(currentRecord().number.cnumode, ".000");

    currentRecord().core.ilevel = 1;
    numode("COMM", "SPAC", "SPAC", "EQUA");
    EXPECT_STREQ(currentRecord().number.cnumode, ",  1");
    const std::string out = captureStdout([] { numode("POIN", "XXXX", "PLUS", "NOEQ"); });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in numode!   (XXXX)\n");
    EXPECT_STREQ(currentRecord().number.cnumode, ". +0");

    resetNumberDefaults(currentRecord());
    EXPECT_STREQ(currentRecord().number.cnumode, ".000");
    EXPECT_EQ(currentRecord().number.inumfmt, 0);
}

} // namespace
