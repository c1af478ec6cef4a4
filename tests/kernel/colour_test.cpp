#include <gtest/gtest.h>

#include <utility>

#include "kernel/colour.h"
#include "kernel/colour_tables.h"
#include "kernel/dispatch.h"
#include "tests/support/plot_fixture.h"

namespace {

using Colours = PlotTest;

int tableEntry(const char *table, int index) {
    GlobalRecord &rec = currentRecord();
    captureStdout([&] { setvlt(table); });
    return rec.colour.nrgbtab[index];
}

TEST_F(Colours, BuiltInTablesHoldTheirValues) {
    open();
    struct Case {
        const char *table;
        int index;
        int value;
    };
    // The first and last entry of every row of the RAIN and SPEC tables, and
    // the computed tables at their bends.
    const Case cases[] = {
        {"RAIN", 0, 0x000000},   {"RAIN", 15, 0x2C00B8},  {"RAIN", 16, 0x2900BE},
        {"RAIN", 31, 0x0004FF},  {"RAIN", 32, 0x0008FF},  {"RAIN", 47, 0x0040FF},
        {"RAIN", 48, 0x0044FF},  {"RAIN", 63, 0x0080FF},  {"RAIN", 64, 0x0084FF},
        {"RAIN", 79, 0x00BCFF},  {"RAIN", 80, 0x00C0FF},  {"RAIN", 95, 0x00FBFF},
        {"RAIN", 96, 0x00FFFF},  {"RAIN", 111, 0x00FFC3}, {"RAIN", 112, 0x00FFBF},
        {"RAIN", 127, 0x00FF58}, {"RAIN", 128, 0x00FF52}, {"RAIN", 143, 0x2BFF00},
        {"RAIN", 144, 0x33FF00}, {"RAIN", 159, 0x77FF00}, {"RAIN", 160, 0x7BFF00},
        {"RAIN", 175, 0xBBFF00}, {"RAIN", 176, 0xBFFF00}, {"RAIN", 191, 0xFBFF00},
        {"RAIN", 192, 0xFFFF00}, {"RAIN", 207, 0xFFBF00}, {"RAIN", 208, 0xFFBB00},
        {"RAIN", 223, 0xFF7F00}, {"RAIN", 224, 0xFF7B00}, {"RAIN", 239, 0xFF3D00},
        {"RAIN", 240, 0xFF3A00}, {"RAIN", 255, 0xFFFFFF}, {"SPEC", 0, 0x000000},
        {"SPEC", 1, 0xFF00FF},   {"SPEC", 15, 0xB800FF},  {"SPEC", 16, 0xB300FF},
        {"SPEC", 31, 0x6800FF},  {"SPEC", 32, 0x6300FF},  {"SPEC", 47, 0x1700FF},
        {"SPEC", 48, 0x1200FF},  {"SPEC", 63, 0x0039FF},  {"SPEC", 64, 0x003EFF},
        {"SPEC", 79, 0x008AFF},  {"SPEC", 80, 0x008FFF},  {"SPEC", 95, 0x00DBFF},
        {"SPEC", 96, 0x00E0FF},  {"SPEC", 111, 0x00FFD3}, {"SPEC", 112, 0x00FFCE},
        {"SPEC", 127, 0x00FF82}, {"SPEC", 128, 0x00FF7D}, {"SPEC", 143, 0x00FF31},
        {"SPEC", 144, 0x00FF2C}, {"SPEC", 159, 0x1FFF00}, {"SPEC", 160, 0x24FF00},
        {"SPEC", 175, 0x70FF00}, {"SPEC", 176, 0x75FF00}, {"SPEC", 191, 0xC1FF00},
        {"SPEC", 192, 0xC6FF00}, {"SPEC", 207, 0xFFED00}, {"SPEC", 208, 0xFFE800},
        {"SPEC", 223, 0xFF9C00}, {"SPEC", 224, 0xFF9700}, {"SPEC", 239, 0xFF4C00},
        {"SPEC", 240, 0xFF4700}, {"SPEC", 255, 0xFFFFFF}, {"RRAI", 0, 0xFFFFFF},
        {"RRAI", 255, 0x000000}, {"RRAI", 254, 0x220044}, {"RSPE", 254, 0xFF00FF},
        {"GREY", 77, 0x4D4D4D},  {"RGRE", 0, 0xFFFFFF},   {"RGRE", 200, 0x373737},
        {"TEMP", 119, 0xCA0000}, {"TEMP", 149, 0xFD3700}, {"TEMP", 150, 0xFF3900},
        {"TEMP", 190, 0xFF8400}, {"TEMP", 255, 0xFFFFFF}, {"SMAL", 6, 0xFF8000},
        {"VGA", 6, 0xAA5500},    {"VGA", 15, 0xFFFFFF},
    };
    for (const Case &c : cases)
        EXPECT_EQ(tableEntry(c.table, c.index), c.value) << c.table << " " << c.index;
    close();
}

TEST_F(Colours, SmallTablesLeaveTheRestOfTheTable) {
    GlobalRecord &rec = open();
    EXPECT_EQ(tableEntry("SMAL", 100), kRainbowTable[100]);
    EXPECT_EQ(tableEntry("VGA", 16), kRainbowTable[16]);
    EXPECT_EQ(rec.colour.nclrran[0], 1);
    EXPECT_EQ(rec.colour.nclrran[1], 14);
    close();
}

TEST_F(Colours, NamedColoursDependOnTableAndDevice) {
    GlobalRecord &rec = open();
    // A screen: RAIN keeps black black; SMAL makes BLAC white.
    rec.core.idevice = 80;
    setvltKind(rec, ColourTableKind::Rain);
    EXPECT_EQ(namedColourValue(rec, 9), 0x01000000);
    setvltKind(rec, ColourTableKind::Smal);
    EXPECT_EQ(namedColourValue(rec, 9), 0x01FFFFFF);
    EXPECT_EQ(rec.colour.nclrfgd, 1);
    // A white-background file (CGM): white is drawn black.
    rec.core.idevice = 211;
    setvltKind(rec, ColourTableKind::Smal);
    EXPECT_EQ(namedColourValue(rec, 1), 0x01000000);
    EXPECT_EQ(rec.colour.nrgbtab[0], 0xFFFFFF);
    EXPECT_EQ(rec.colour.nrgbtab[1], 0x000000);
    // The curve colour cycle repeats WHIT..MAGE.
    EXPECT_EQ(rec.colour.nclrcyc[8], rec.colour.nclrnam[0]);
    EXPECT_EQ(rec.colour.nclrcyc[29], rec.colour.nclrnam[5]);
    rec.core.idevice = 201;
    close();
}

TEST_F(Colours, ColourValues) {
    GlobalRecord &rec = open();
    EXPECT_EQ(intrgb(1, 0, 0), 0x010000FF);
    EXPECT_EQ(intrgb(1.0005f, 0, 0), 0x010000FF);
    EXPECT_EQ(intrgb(1.002f, 0, 0), -1);
    captureStdout([] { setrgb(0, 0, 1); });
    EXPECT_EQ(rec.colour.ncolor, 0x01FF0000);
    float r, g, b;
    qqgrgb(rec, rec.colour.ncolor, r, g, b);
    EXPECT_FLOAT_EQ(r, 0);
    EXPECT_FLOAT_EQ(g, 0);
    EXPECT_FLOAT_EQ(b, 1);
    EXPECT_EQ(indrgb(1, 1, 1), 255);
    captureStdout([] { setvlt("SMAL"); });
    EXPECT_EQ(indrgb(1, 1, 1), 1);
    EXPECT_EQ(indrgb(0.9f, 0.9f, 0.9f), 1);
    captureStdout([] { setind(3, 0.5f, 0.25f, 1.0f); });
    EXPECT_EQ(rec.colour.nrgbtab[3], 0x8040FF);
    close();
}

TEST_F(Colours, BadArgumentsWarnAndChangeNothing) {
    GlobalRecord &rec = open();
    const int cycle = rec.colour.nclrcyc[1];
    const std::string out = captureStdout([] {
        clrcyc(31, 2);
        colran(0, 256);
        setind(256, 0, 0, 0);
        EXPECT_EQ(indrgb(2, 0, 0), -1);
        const float red[2] = {0.5f, 1.5f};
        const float zero[2] = {0, 0};
        myvlt(red, zero, zero, 2);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in clrcyc!   (  31)\n"
                   " <<<< Warning   2: Incorrect parameter in colran!   ( 256)\n"
                   " <<<< Warning   2: Incorrect parameter in setind!\n"
                   " <<<< Warning   2: Incorrect parameter in indrgb!\n"
                   " <<<< Warning   2: Incorrect parameter in myvlt!\n");
    EXPECT_EQ(rec.colour.nclrcyc[1], cycle);
    EXPECT_EQ(rec.colour.nclrran[1], 254);
    EXPECT_NE(rec.colour.nrgbtab[0], 0x800000);
    close();
}

// revscr exchanges the background with the table's last colour (the
// foreground): entry 255, 15 of the VGA table and 1 of the small one. Twice
// gives the table back; outside a plot it changes nothing.
TEST_F(Colours, RevscrExchangesBackgroundAndForeground) {
    EXPECT_EQ(captureStdout([] { revscr(); }),
              " <<<< Warning   3: Incorrect level in revscr!   (   0)\n");
    GlobalRecord &rec = open("PS", "plot.ps");
    for (const auto &[table, last] : {std::pair{"RAIN", 255}, {"VGA", 15}, {"SMAL", 1}}) {
        captureStdout([&] { setvlt(table); });
        const int back = rec.colour.nrgbtab[0], fore = rec.colour.nrgbtab[last];
        ASSERT_NE(back, fore) << table;
        EXPECT_EQ(captureStdout([] { revscr(); }), "");
        EXPECT_EQ(rec.colour.nrgbtab[0], fore) << table;
        EXPECT_EQ(rec.colour.nrgbtab[last], back) << table;
        captureStdout([] { revscr(); });
        EXPECT_EQ(rec.colour.nrgbtab[0], back) << table;
    }
    close("plot.ps");
}

// The colour mode is fixed before the plot; an unknown keyword or a plot
// already open leaves it alone.
TEST_F(Colours, ClrmodIsASettingBeforeThePlot) {
    GlobalRecord &rec = currentRecord();
    EXPECT_EQ(captureStdout([] {
                  clrmod("CONT");
                  clrmod("GREY");
              }),
              " <<<< Warning   2: Incorrect parameter in clrmod!   (GREY)\n");
    EXPECT_EQ(rec.colour.iclrmod, 2);
    open();
    EXPECT_EQ(captureStdout([] { clrmod("FULL"); }),
              " <<<< Warning   3: Incorrect level in clrmod!   (   1)\n");
    EXPECT_EQ(rec.colour.iclrmod, 2);
    close();
}

TEST_F(Colours, AUserTableGivenBeforeKaviniSurvivesIt) {
    const float red[3] = {1, 0, 0.5f}, green[3] = {0, 1, 0.5f}, blue[3] = {0, 0, 0.5f};
    captureStdout([&] { myvlt(red, green, blue, 3); });
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.colour.nrgbtab[0], 0xFF0000);
    EXPECT_EQ(rec.colour.nrgbtab[2], 0x808080); // halves round up
    EXPECT_EQ(rec.colour.iusrvlt, 0);
    close();
}

} // namespace
