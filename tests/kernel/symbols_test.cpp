// Marker symbols: numbers, the user symbol, the settings and the reports of
// symbols outside the page.
#include <gtest/gtest.h>

#include <string>

#include "kernel/dispatch.h"
#include "tests/kernel/text_fixture.h"

[[gnu::weak]] void dsymbl(GlobalRecord &rec, int n, int x, int y);

namespace {

class Symbols : public TextTest {};

TEST_F(Symbols, NumbersBeyondTheBuiltInOnesNeedAUserSymbol) {
    GlobalRecord &rec = open();
    const float square[8] = {-1, 1, 1, -1};
    const float corners[4] = {-1, -1, 1, 1};
    const std::string out = captureStdout([&] {
        symbol(23, 100, 100);
        symbol(24, 100, 100);
        symbol(-1, 100, 100);
        mysymb(square, corners, 4, 24, 0);
        symbol(24, 100, 100);
        symbol(25, 100, 100);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in symbol!   (  24)\n"
                   " <<<< Warning   2: Incorrect parameter in symbol!   (  -1)\n"
                   " <<<< Warning   2: Incorrect parameter in symbol!   (  25)\n");
    EXPECT_EQ(rec.symbol.nusrsym, 4);
    EXPECT_EQ(rec.symbol.iusrsym, 24);
    close();
}

TEST_F(Symbols, TheUserSymbolIsCheckedAndKept) {
    GlobalRecord &rec = open();
    const float x[3] = {0.0f, 1.5f, -1.0f};
    const float y[3] = {1.0f, 0.0f, -2.0f};
    const std::string out = captureStdout([&] {
        mysymb(x, y, 0, 30, 0);
        mysymb(x, y, 3, 30, 2);
        mysymb(x, y, 3, -1, 1);
        mysymb(x, y, 3, 30, 1); // out of -1..1: warned once, kept all the same
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in mysymb!   (   0)\n"
                   " <<<< Warning   2: Incorrect parameter in mysymb!   (   2)\n"
                   " <<<< Warning   2: Incorrect parameter in mysymb!   (  -1)\n"
                   " <<<< Warning 101: values out of range in mysymb!\n");
    ASSERT_EQ(rec.symbol.nusrsym, 3);
    EXPECT_EQ(rec.symbol.iusrsym, 30);
    EXPECT_EQ(rec.symbol.iusrfill, 1);
    EXPECT_EQ(rec.symbol.xusrsym[1], 1.5f);
    EXPECT_EQ(rec.symbol.yusrsym[2], -2.0f);
    // A new symbol replaces it.
    const float one[1] = {0.5f};
    captureStdout([&] { mysymb(one, one, 1, 40, 0); });
    EXPECT_EQ(rec.symbol.nusrsym, 1);
    EXPECT_EQ(rec.symbol.iusrsym, 40);
    EXPECT_EQ(rec.symbol.xusrsym[0], 0.5f);
    close();
}

TEST_F(Symbols, SymbolsOutsideThePageAreReported) {
    GlobalRecord &rec = open();
    const int before = rec.msg.noutpag;
    EXPECT_EQ(captureStdout([] { symbol(3, 3000, 100); }),
              " >>>> (3000/100) out of page in symbol!\n");
    EXPECT_EQ(captureStdout([] { symbol(3, 2000, 100); }), "");
    // The page origin at the bottom: the converted y is reported, without the origin shift.
    EXPECT_EQ(captureStdout([] {
                  pagorg("BOTT");
                  origin(0, 50);
                  symbol(3, 100, 2080);
              }),
              " >>>> (100/19) out of page in symbol!\n");
    EXPECT_EQ(captureStdout([] {
                  errmod("WARN", "OFF");
                  symbol(3, -5, 100);
              }),
              "");
    EXPECT_EQ(rec.msg.noutpag, before + 3);
    close();
}

TEST_F(Symbols, SettingsOfSymbols) {
    GlobalRecord &rec = open();
    captureStdout([] {
        hsymbl(50);
        symrot(45.0f);
    });
    EXPECT_EQ(rec.symbol.nhsymb, 50);
    EXPECT_EQ(rec.symbol.xsymrot, 45.0f);
    close();
    GlobalRecord &again = open();
    EXPECT_EQ(again.symbol.nhsymb, 36); // jqquni(36) at every plot
    EXPECT_EQ(again.symbol.xsymrot, 0.0f);
    close();
}

TEST_F(Symbols, SymbolsAreDrawnByTheDispatch) {
    const auto ops = hpglOps([] { symbol(0, 500, 500); });
    ASSERT_FALSE(ops.empty());
    const Bounds b = boundsOf(ops);
    EXPECT_NEAR(b.x1, 500 - 18, 1);
    EXPECT_NEAR(b.x2, 500 + 18, 1);
    // A symbol inside a text: as high as the characters, centred half a height on.
    const auto inText = hpglOps([] {
        smxalf("INST", "{", "}", 1);
        messag("{S0}", 500, 500);
    });
    const Bounds s = boundsOf(inText);
    EXPECT_NEAR((s.x1 + s.x2) / 2, 518, 1);
    EXPECT_NEAR((s.y1 + s.y2) / 2, 517, 1);
}

} // namespace
