// Automatic scaling: the axis values an axis system takes from data ranges,
// worked out by hand from the rules of linear, logarithmic, time and date
// axes on axes 1600 x 1200 units long.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"

namespace {

class Scaling : public AxisTest {};

struct Scaled {
    std::array<float, 4> axis; // start, end, first label, step
    int digits;
};

TEST_F(Scaling, AxisValuesFromDataRanges) {
    struct Case {
        const char *what;
        std::function<void()> setting; // before setscl
        std::vector<float> data;
        const char *axis;
        Scaled expected;
    };
    const Case cases[] = {
        // Decade 1, q 3: 1600 / 6 leaves room for halving.
        {"0..3", {}, {0.0f, 3.0f}, "X", {{0, 3, 0, 0.5f}, 1}},
        // q 9: 1600 / 9 = 177 < 200, so the step 10 doubles.
        {"0..97", {}, {0.0f, 97.0f}, "X", {{0, 97, 0, 20}, -1}},
        // q 1: 1600 / 5 >= 200, a fifth of the decade; the first multiple at or above -3.7.
        {"-3.7..8.2", {}, {8.2f, -3.7f}, "X", {{-3.7f, 8.2f, -2, 2}, -1}},
        {"0.02..0.05", {}, {0.02f, 0.05f}, "X", {{0.02f, 0.05f, 0.02f, 0.005f}, 3}},
        // The Y axis needs 100 units per label.
        {"Y 0..3", {}, {0.0f, 3.0f}, "Y", {{0, 3, 0, 0.5f}, 1}},
        {"Y 0..70", {}, {0.0f, 70.0f}, "Y", {{0, 70, 0, 10}, -1}},
        // Logarithmic axes work on exponents and are never halved.
        {"log 1..1000", [] { scale("LOG", "X"); }, {1.0f, 1000.0f}, "X", {{0, 3, 0, 1}, -1}},
        // Exponent labels take a larger step and one digit.
        {"EXP 0..97000",
         [] { labels("EXP", "X"); },
         {0.0f, 97000.0f},
         "X",
         {{0, 97000, 0, 20000}, 1}},
        // Times: seconds up to two minutes, then minutes and hours.
        {"time 90 s", [] { labels("TIME", "X"); }, {0.0f, 90.0f}, "X", {{0, 90, 0, 20}, 1}},
        {"time 3600 s",
         [] { labels("TIME", "X"); },
         {100.0f, 3700.0f},
         "X",
         {{100, 3700, 900, 900}, 1}},
        {"time a day",
         [] { labels("TIME", "X"); },
         {0.0f, 86400.0f},
         "X",
         {{0, 86400, 0, 14400}, 1}},
        {"time 10 days",
         [] { labels("TIME", "X"); },
         {0.0f, 864000.0f},
         "X",
         {{0, 864000, 0, 172800}, 1}},
        // A far start and steps of 20000 days (1.728e9 s): the first label, two
        // steps in, lies beyond where an int ends.
        {"time from a far start",
         [] { labels("TIME", "X"); },
         {1.8e9f, 9.8e9f},
         "X",
         {{1.8e9f, 9.8e9f, 3.456e9f, 1.728e9f}, 1}},
        // Dates: days from the base date 1 January 2020.
        {"date 20 days", [] { labels("DATE", "X"); }, {10.2f, 30.0f}, "X", {{10.2f, 30, 10, 7}, 1}},
        // Quarters: from 11 January on, the first is 1 April (day 91).
        {"date 400 days", [] { labels("DATE", "X"); }, {10.0f, 410.0f}, "X", {{10, 410, 91, 1}, 1}},
        // Years: 1 January 2021 (day 366) is the first after 2 March 2020.
        {"date 1200 days",
         [] { labels("DATE", "X"); },
         {61.0f, 1261.0f},
         "X",
         {{61, 1261, 366, 1}, 1}},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        captureStdout([&] {
            axslen(1600, 1200);
            basdat(1, 1, 2020);
            if (c.setting) c.setting();
            setscl(c.data.data(), int(c.data.size()), c.axis);
            graf(0, 1, 0, 1, 0, 1, 0, 1);
        });
        const int i = c.axis[0] == 'X' ? 0 : 1;
        std::array<float, 4> got{};
        getgrf(&got[0], &got[1], &got[2], &got[3], c.axis);
        for (int k = 0; k < 4; ++k)
            EXPECT_FLOAT_EQ(got[k], c.expected.axis[k]) << c.what << " value " << k;
        EXPECT_EQ(rec.axes.ndigits[i], c.expected.digits) << c.what;
        close();
    }
}

TEST_F(Scaling, DateStepsAndTimeForms) {
    GlobalRecord &rec = open();
    const float quarter[2] = {10.0f, 410.0f};
    const float minute[2] = {0.0f, 90.0f};
    captureStdout([&] {
        basdat(1, 1, 2020);
        labels("DATE", "X");
        labels("TIME", "Y");
        setscl(quarter, 2, "X");
        setscl(minute, 2, "Y");
        graf(0, 1, 0, 1, 0, 1, 0, 1);
    });
    EXPECT_EQ(rec.axes.ilmdste[0], 2); // QUAR
    EXPECT_EQ(rec.axes.itimfmt, 2);    // seconds in the labels
    close();
}

TEST_F(Scaling, BadRangesAreReplacedWithAWarning) {
    GlobalRecord &rec = open();
    const float equal[3] = {4.0f, 4.0f, 4.0f};
    const float logData[2] = {0.0f, 500.0f};
    const float negative[2] = {-5.0f, -1.0f};
    EXPECT_EQ(captureStdout([&] { setscl(equal, 3, "X"); }),
              " <<<< Warning  25: Minimum equal maximum (added -1 and +1) in setscl!\n");
    EXPECT_FLOAT_EQ(rec.axes.xsclmin[0], 3.0f);
    EXPECT_FLOAT_EQ(rec.axes.xsclmax[0], 5.0f);
    EXPECT_EQ(captureStdout([&] {
                  scale("LOG", "XY");
                  setscl(logData, 2, "X");
                  setscl(negative, 2, "YAXIS");
                  graf(0, 1, 0, 1, 0, 1, 0, 1);
              }),
              " <<<< Warning  23: Non positive minimum for log scaling (set to 0.1) in graf!\n"
              " <<<< Warning  23: Non positive minimum for log scaling (set to 0.1) in graf!\n"
              " <<<< Warning  24: Non positive maximum for log scaling (set to 1.0) in graf!\n");
    float a = 0, e = 0, o = 0, s = 0;
    getgrf(&a, &e, &o, &s, "X");
    EXPECT_FLOAT_EQ(a, -1.0f);
    EXPECT_FLOAT_EQ(rec.axes.xsclmin[0], 0.1f);
    getgrf(&a, &e, &o, &s, "Y");
    EXPECT_FLOAT_EQ(e, 0.0f);
    close();
}

TEST_F(Scaling, SetsclSelectsAndReleasesAxes) {
    GlobalRecord &rec = open();
    const float data[2] = {1.0f, 2.0f};
    captureStdout([&] {
        setscl(data, 2, "XAX"); // one axis, not the letters X and A
        setscl(data, 2, "yz");
    });
    EXPECT_EQ(rec.axes.isetscl[0], 1);
    EXPECT_EQ(rec.axes.isetscl[1], 1);
    EXPECT_EQ(rec.axes.isetscl[2], 1);
    captureStdout([&] { setscl(data, 2, "YRES"); });
    EXPECT_EQ(rec.axes.isetscl[1], 0);
    EXPECT_EQ(rec.axes.isetscl[2], 1);
    captureStdout([&] { setscl(data, 2, "RES"); });
    EXPECT_EQ(rec.axes.isetscl[0] + rec.axes.isetscl[2], 0);
    // No values to take a range from.
    EXPECT_EQ(captureStdout([&] { setscl(data, 0, "X"); }),
              " <<<< Warning   2: Incorrect parameter in setscl!   (   0)\n");
    close();
}

} // namespace
