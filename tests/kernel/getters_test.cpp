#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <ctime>

#include "tests/support/plot_fixture.h"

namespace {

using Getters = PlotTest;

TEST_F(Getters, ReturnWhatTheSettersStoredAndResetRestores) {
    EXPECT_EQ(getlev(), 0);
    open();
    EXPECT_EQ(getlev(), 1);
    int a = 0, b = 0, c = 0, d = 0;
    getpag(&a, &b);
    EXPECT_EQ(a, 2970);
    EXPECT_EQ(b, 2100);

    captureStdout([] {
        pagorg("BOTT");
        origin(10, 20);
        clpwin(100, 200, 50, 60);
        dash();
        linwid(7);
        setvlt("TEMP");
        setclr(17);
        colran(3, 9);
    });
    getor(&a, &b);
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, 20);
    getclp(&a, &b, &c, &d);
    EXPECT_EQ(a, 100);
    EXPECT_EQ(b, 200); // in the page origin of the caller
    EXPECT_EQ(c, 50);
    EXPECT_EQ(d, 60);
    EXPECT_EQ(gettyp(), 2);
    EXPECT_EQ(getlin(), 7);
    EXPECT_STREQ(getvlt(), "TEMP");
    EXPECT_EQ(getclr(), 17);
    getran(&a, &b);
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 9);
    EXPECT_STREQ(getmfl(), "GKSL");
    EXPECT_STREQ(getfil(), "plot.out");
    EXPECT_EQ(getuni(), stdout);

    captureStdout([] {
        reset("ORIG");
        reset("CLPW");
        reset("COLR");
    });
    getor(&a, &b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    getclp(&a, &b, &c, &d);
    EXPECT_EQ(c, 2970);
    getran(&a, &b);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 254);
    close();
}

TEST_F(Getters, ColourComponents) {
    open();
    float r = -1, g = -1, b = -1;
    getind(0x010000FF, &r, &g, &b);
    EXPECT_FLOAT_EQ(r, 1);
    EXPECT_FLOAT_EQ(g, 0);
    EXPECT_FLOAT_EQ(b, 0);
    r = g = b = -1;
    EXPECT_EQ(captureStdout([&] { getind(300, &r, &g, &b); }),
              " <<<< Warning   2: Incorrect parameter in getind!   ( 300)\n");
    EXPECT_FLOAT_EQ(r, -1);
    captureStdout([] { setrgb(0, 0.5f, 1); });
    getrgb(&r, &g, &b);
    EXPECT_FLOAT_EQ(g, 128.0f / 255.0f);
    EXPECT_FLOAT_EQ(b, 1);
    close();
}

TEST_F(Getters, TextAndPattern) {
    open();
    captureStdout([] {
        shdpat(5);
        height(50);
        angle(30);
        basalf("GREEK");
        setmix("#", "EXP");
        eushft("GERMAN", "!");
    });
    EXPECT_EQ(getpat(), 5);
    EXPECT_EQ(gethgt(), 50);
    EXPECT_EQ(getang(), 30);
    EXPECT_STREQ(getalf(), "GREEK");
    EXPECT_STREQ(getmix("exp"), "#");
    EXPECT_STREQ(getmix("LEG"), "/");
    EXPECT_STREQ(getshf("GERM"), "!");
    EXPECT_STREQ(getshf("DANI"), " "); // no character given to that group
    EXPECT_EQ(captureStdout([] { EXPECT_STREQ(getmix("SUPER"), " "); }),
              " <<<< Warning   2: Incorrect parameter in getmix!   (SUPER)\n");
    close();
}

// The version and the date need no plot; the date and time are today's, in
// their fixed forms.
TEST_F(Getters, VersionAndClock) {
    EXPECT_EQ(captureStdout([] {
                  EXPECT_FLOAT_EQ(getver(), 9.1f);
                  EXPECT_EQ(getplv(), 0);
              }),
              "");
    char date[11], time[9];
    std::memset(date, 'x', sizeof date);
    std::memset(time, 'x', sizeof time);
    const std::time_t before = std::time(nullptr);
    dattim(date, time);
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(date[10], '\0');
    ASSERT_EQ(time[8], '\0');
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    ASSERT_EQ(std::sscanf(date, "%2d.%2d.%4d", &day, &month, &year), 3) << date;
    ASSERT_EQ(std::sscanf(time, "%2d:%2d:%2d", &hour, &minute, &second), 3) << time;
    std::tm at{};
    at.tm_mday = day;
    at.tm_mon = month - 1;
    at.tm_year = year - 1900;
    at.tm_hour = hour;
    at.tm_min = minute;
    at.tm_sec = second;
    at.tm_isdst = -1;
    const std::time_t t = std::mktime(&at);
    EXPECT_GE(t, before - 1) << date << " " << time;
    EXPECT_LE(t, after + 1) << date << " " << time;
}

// getvk gives the shifts of vkytit, vkxbar and vkybar, which may be given
// at any level; outside a plot it leaves its outputs alone.
TEST_F(Getters, ShiftsOfTheTitleAndTheColourBar) {
    int a = 7, b = 8, c = 9;
    EXPECT_EQ(captureStdout([&] { getvk(&a, &b, &c); }),
              " <<<< Warning   3: Incorrect level in getvk!   (   0)\n");
    EXPECT_EQ(a, 7);
    open();
    getvk(&a, &b, &c);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(c, 0);
    captureStdout([] {
        vkytit(-30);
        vkxbar(45);
        vkybar(-60);
    });
    getvk(&a, &b, &c);
    EXPECT_EQ(a, -30);
    EXPECT_EQ(b, 45);
    EXPECT_EQ(c, -60);
    close();
}

TEST_F(Getters, AWrongLevelLeavesTheOutputsAlone) {
    int a = 5, b = 6;
    const std::string out = captureStdout([&] {
        getpag(&a, &b);
        EXPECT_EQ(getvlt(), nullptr);
        EXPECT_EQ(getclr(), 0);
        EXPECT_STREQ(getmix("EXP"), " ");
    });
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in getpag!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in getvlt!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in getclr!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in getmix!   (   0)\n");
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 6);
}

} // namespace
