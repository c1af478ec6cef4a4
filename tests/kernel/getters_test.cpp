#include <gtest/gtest.h>

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
