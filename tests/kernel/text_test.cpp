// Texts: lengths, placement, justification, angles, continuation, exponents
// and indices, out-of-page reports, settings, plotted numbers, page headers.
#include <gtest/gtest.h>

#include <string>

#include "kernel/dispatch.h"
#include "kernel/text.h"
#include "tests/kernel/text_fixture.h"
#include "tests/support/hpgl_raster.h"

[[gnu::weak]] void dframe(GlobalRecord &rec, int x, int y, int width, int height, int thickness,
                          float angle);

namespace {

class Text : public TextTest {};

TEST_F(Text, LengthsOfTheDefaultFont) {
    struct Case {
        const char *text;
        int length;
        std::function<void()> setting;
    };
    // h = 36: every character advances 6 units of (h - 1) / 6, without a gap.
    const Case cases[] = {
        {"A", 35, {}},
        {"ABCDE", 175, {}},
        {"AB  ", 70, {}}, // trailing blanks do not count
        {" A", 70, {}},   // leading blanks do
        {"A B", 105, {}},
        {"   ", 0, {}},
        {"", 0, {}},
        {"ABC", 141, [] { chaspc(0.5f); }}, // a gap of 18 after each character
        {"AB", 35, [] { chawth(0.5f); }},   // half as wide
        {"a[2$b", 98, [] { mixalf(); }},    // 35 + the 2 at height 29 (28) + 35
        {"a]2$b", 98, [] { mixalf(); }},
        {"ABC", 105,
         [] {
             height(100);
             height(36);
         }},
    };
    for (const Case &c : cases) {
        open();
        captureStdout([&] {
            if (c.setting) c.setting();
            EXPECT_EQ(nlmess(c.text), c.length) << "\"" << c.text << "\"";
        });
        close();
    }
}

TEST_F(Text, TextsAreMeasuredEvenBeforeTheFirstPlot) {
    // A thread's first call: the record is made with the default font and height.
    EXPECT_EQ(nlmess("AB"), 70);
    EXPECT_EQ(captureStdout([] { messag("AB", 10, 10); }),
              " <<<< Warning   3: Incorrect level in messag!   (   0)\n");
}

TEST_F(Text, TheDefaultFontIsMonospaced) {
    open();
    for (int code = 33; code <= 126; ++code) {
        const char one[2] = {char(code), '\0'};
        const char two[3] = {char(code), 'x', '\0'};
        EXPECT_EQ(nlmess(one), 35) << code;
        EXPECT_EQ(nlmess(two), 70) << code;
    }
    captureStdout([] { basalf("ITAL"); });
    EXPECT_EQ(nlmess("iWm"), 105);
    close();
}

TEST_F(Text, AFontWithAGapMeasuresTheLastCharacterWithoutIt) {
    open();
    captureStdout([] { complx(); });
    const int one = nlmess("H");
    const int two = nlmess("HH");
    EXPECT_GT(one, 20);
    EXPECT_NEAR(two - 2 * one, 9, 1); // the gap of complx: 0.25 h
    close();
}

TEST_F(Text, JustificationAndAnglePlaceTheText) {
    struct Case {
        const char *jus;
        int angle;
        float shift; // part of the length L = 70 of "HH" the corner moves back along the text
    };
    const Case cases[] = {{"LEFT", 0, 0},   {"CENT", 0, 0.5f},  {"RIGH", 0, 1},
                          {"LEFT", 90, 0},  {"RIGH", 90, 1},    {"CENT", 30, 0.5f},
                          {"RIGH", 180, 1}, {"CENT", 225, 0.5f}};
    for (const Case &c : cases) {
        const auto ops = hpglOps([&] {
            txtjus(c.jus);
            angle(c.angle);
            messag("HH", 1000, 500);
        });
        // The corner: trunc(nx - L cos a + 0.5), trunc(ny + L sin a + 0.5).
        const float a = float(c.angle) * 0.017453292f;
        const float L = 70.0f * c.shift;
        const Placement p{float(int(1000.0f - L * std::cos(a) + 0.5f)),
                          float(int(500.0f + L * std::sin(a) + 0.5f)), 36, float(c.angle)};
        EXPECT_TRUE(sameOps(ops, expectedOps(p, "HH", 35))) << c.jus << " " << c.angle;
    }
}

TEST_F(Text, PageOriginAtTheBottomAndOriginShift) {
    const auto ops = hpglOps([] {
        pagorg("BOTT");
        origin(10, 20);
        messag("H", 100, 500);
    });
    // y from the bottom of the 2099-unit page, then the origin shift (stored negated).
    const Placement p{100 + 10, 2099 - 500 - 20, 36, 0};
    EXPECT_TRUE(sameOps(ops, expectedOps(p, "H", 35)));
}

TEST_F(Text, AContinuedTextStartsWhereTheLastEndedGapIncluded) {
    const auto whole = hpglOps([] {
        complx();
        messag("ABCD", 100, 300);
    });
    const auto pieces = hpglOps([] {
        complx();
        messag("AB", 100, 300);
        messag("   ", 700, 700); // a blank text neither draws nor moves the pen
        messag("CD", 999, 999);
    });
    EXPECT_TRUE(sameOps(pieces, whole, 0.01f));
}

TEST_F(Text, LongTextsAreCutAt256Characters) {
    const std::string text(300, 'A');
    open();
    EXPECT_EQ(nlmess(text.c_str()), 256 * 35);
    close();
    const auto ops = hpglOps([&] {
        height(4);
        messag(text.c_str(), 10, 10);
    });
    const auto one = hpglOps([] {
        height(4);
        messag("A", 10, 10);
    });
    EXPECT_EQ(ops.size(), 256 * one.size());
}

TEST_F(Text, TextsOutsideThePageAreDrawnAndReported) {
    GlobalRecord &rec = open();
    const int before = rec.msg.noutpag;
    const std::string out = captureStdout([] { messag("Hello World", 3000, 100); });
    EXPECT_EQ(out, " <<<< Warning: Startpoint ( 3000/  100) in MESSAG out of page - (Hello Wo).\n"
                   " <<<< Warning: Endpoint   ( 3385/  135) in MESSAG out of page - (Hello Wo).\n");
    EXPECT_EQ(rec.msg.noutpag, before + 2);
    // Drawn all the same: what lies on the page is seen.
    EXPECT_EQ(captureStdout([] {
                  messag("AB", 100, -20);
                  sendbf();
              }),
              " <<<< Warning: Startpoint (  100/  -20) in MESSAG out of page - (AB).\n");
    EXPECT_GT(rec.core.nvector, 0);
    // Without warnings the start point is silent; the end point is not.
    const std::string quiet = captureStdout([] {
        errmod("WARN", "OFF");
        messag("AB", 2950, 100);
    });
    EXPECT_EQ(quiet, " <<<< Warning: Endpoint   ( 3020/  135) in MESSAG out of page - (AB).\n");
    EXPECT_EQ(captureStdout([] { messag("AB", 2000, 100); }), "");
    close();
}

TEST_F(Text, ExponentsAndIndicesRaiseAndShrinkTheirCharacters) {
    // a, then the 2 raised by 0.6 h = 21.6 at 0.8 h = 29, then b on the baseline at 36.
    const auto up = hpglOps([] {
        mixalf();
        messag("a[2$b", 100, 100);
    });
    std::vector<PenOp> expected = expectedOps({100, 100, 36, 0}, "a", 35);
    for (const PenOp &op : expectedOps({135, 135 - 21.6f - 28, 29, 0}, "2", 28))
        expected.push_back(op);
    for (const PenOp &op : expectedOps({163, 100, 36, 0}, "b", 35))
        expected.push_back(op);
    EXPECT_TRUE(sameOps(up, expected));

    // An index: first the height 29, then down by 0.6 * 29 = 17.4.
    const auto down = hpglOps([] {
        mixalf();
        messag("a]2$b", 100, 100);
    });
    expected = expectedOps({100, 100, 36, 0}, "a", 35);
    for (const PenOp &op : expectedOps({135, 135 + 17.4f - 28, 29, 0}, "2", 28))
        expected.push_back(op);
    for (const PenOp &op : expectedOps({163, 100, 36, 0}, "b", 35))
        expected.push_back(op);
    EXPECT_TRUE(sameOps(down, expected));

    // Nested: the second exponent rises from the height of the first.
    const auto nested = hpglOps([] {
        mixalf();
        messag("a[2[3", 100, 100);
    });
    expected = expectedOps({100, 100, 36, 0}, "a", 35);
    for (const PenOp &op : expectedOps({135, 135 - 21.6f - 28, 29, 0}, "2", 28))
        expected.push_back(op);
    for (const PenOp &op : expectedOps({163, 135 - 21.6f - 17.4f - 22, 23, 0}, "3", 22))
        expected.push_back(op);
    EXPECT_TRUE(sameOps(nested, expected));
}

TEST_F(Text, OtherControlCharactersAndTheirDefaults) {
    const auto plain = hpglOps([] {
        mixalf();
        messag("a[2$b", 100, 100);
    });
    const auto changed = hpglOps([] {
        mixalf();
        newmix(); // ^ _ %
        messag("a^2%b", 100, 100);
    });
    EXPECT_TRUE(sameOps(changed, plain, 0.01f));
    const auto set = hpglOps([] {
        mixalf();
        setmix("!", "EXP");
        setmix("#", "RES");
        messag("a!2#b", 100, 100);
    });
    EXPECT_TRUE(sameOps(set, plain, 0.01f));
    // Without mixalf the control characters are drawn.
    open();
    EXPECT_EQ(nlmess("a[2$b"), 175);
    close();
}

TEST_F(Text, SettersCheckTheirValues) {
    struct Case {
        std::function<void()> call;
        const char *output;
    };
    const Case cases[] = {
        {[] { height(0); }, " <<<< Warning   2: Incorrect parameter in height!   (   0)\n"},
        {[] { height(10001); }, " <<<< Warning   2: Incorrect parameter in height!   (10001)\n"},
        {[] { height(10000); }, ""},
        {[] { chawth(2.0f); }, " <<<< Warning   2: Incorrect parameter in chawth!\n"},
        {[] { chawth(0.0f); }, " <<<< Warning   2: Incorrect parameter in chawth!\n"},
        {[] { chawth(1.99f); }, ""},
        {[] { chaang(60.0f); }, ""},
        {[] { chaang(60.5f); }, " <<<< Warning   2: Incorrect parameter in chaang!\n"},
        {[] { fixspc(0.0f); }, " <<<< Warning   2: Incorrect parameter in fixspc!\n"},
        {[] { txtjus("TOP"); }, " <<<< Warning   2: Incorrect parameter in txtjus!   (TOP)\n"},
        {[] { chacod("ISO9"); }, " <<<< Warning   2: Incorrect parameter in chacod!   (ISO9)\n"},
        {[] { hsymbl(0); }, " <<<< Warning   2: Incorrect parameter in hsymbl!   (   0)\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(outputOf(c.call), c.output);
    // Before kavini the lenient setters store all the same; height does not.
    const std::string out = captureStdout([] {
        angle(30);
        height(50);
    });
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in angle!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in height!   (   0)\n");
    EXPECT_EQ(currentRecord().text.nangle, 30);
    EXPECT_EQ(currentRecord().text.nhchar, 36);
}

TEST_F(Text, CharacterSettingsShapeTheCharacters) {
    open();
    captureStdout([] { fixspc(1.0f); });
    // Fixed width: (h - 1) * 1.0 * 1.4 = 49 for every character, no gap.
    EXPECT_EQ(nlmess("iWiW"), 196);
    captureStdout([] { reset("FIXS"); });
    EXPECT_EQ(nlmess("iWiW"), 140);
    close();
    // A slant moves each point along by its height times tan 30 degrees.
    const auto slanted = hpglOps([] {
        chaang(30.0f);
        messag("H", 100, 100);
    });
    EXPECT_TRUE(sameOps(slanted, expectedOps({100, 100, 36, 0}, "H", 35, 1, 1,
                                             std::tan(30.0f * 3.14159265f / 180.0f))));
}

TEST_F(Text, DtextDrawsAtATemporaryAngleAndHeight) {
    const auto viaDtext = hpglOps([] {
        dtext(currentRecord(), "AB", 200, 300, 90, 50);
        EXPECT_EQ(currentRecord().text.nangle, 0);
        EXPECT_EQ(currentRecord().text.nhchar, 36);
    });
    const auto direct = hpglOps([] {
        angle(90);
        height(50);
        messag("AB", 200, 300);
    });
    EXPECT_TRUE(sameOps(viaDtext, direct, 0.01f));
}

TEST_F(Text, ExtentOfATextForLayout) {
    GlobalRecord &rec = open();
    int h = 0, o = -1, l = 0;
    qqgmsg(rec, "ABC", h, o, l);
    EXPECT_EQ(h, 36);
    EXPECT_EQ(o, 0);
    EXPECT_EQ(l, 105);
    captureStdout([] { texmod("ON"); });
    qqgmsg(rec, "$x_1$", h, o, l);
    EXPECT_EQ(h, 36);
    EXPECT_GT(o, 0); // the index reaches below the baseline
    close();
}

TEST_F(Text, PlottedNumbersInEveryFormat) {
    struct Case {
        const char *format;
        float x;
        int ndig;
        int length;
    };
    const Case cases[] = {
        {"FLOA", 12.5f, 1, 140},   // "12.5"
        {"FLOA", -3.0f, -1, 70},   // "-3"
        {"LOG", 2.0f, -1, 98},     // "10" and a raised 2 at height 29
        {"FEXP", 1500.0f, 1, 175}, // "1.5E3"
        {"EXP", 1500.0f, 1, 238},  // "1.5*10" and a raised 3
    };
    for (const Case &c : cases) {
        open();
        captureStdout([&] {
            numfmt(c.format);
            EXPECT_EQ(nlnumb(c.x, c.ndig), c.length) << c.format << " " << c.x;
        });
        close();
    }
    open();
    const std::string out = captureStdout([] {
        EXPECT_EQ(nlnumb(1.5f, 101), 0);
        number(1.5f, 101, 100, 100);
        numode("COMM", "POIN", "NONE", "EQUA");
        EXPECT_EQ(nlnumb(1234.5f, 1), 240); // "1.234,5": seven places of (h - 1) * 0.7 * 1.4 = 34.3
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in nlnumb!   ( 101)\n"
                   " <<<< Warning   2: Incorrect parameter in number!   ( 101)\n");
    close();
}

TEST_F(Text, ALogarithmicNumberDrawsTenWithARaisedExponent) {
    const auto ops = hpglOps([] {
        numfmt("LOG");
        number(2.0f, -1, 100, 100);
    });
    std::vector<PenOp> expected = expectedOps({100, 100, 36, 0}, "10", 35);
    for (const PenOp &op : expectedOps({170, 135 - 21.6f - 28, 29, 0}, "2", 28))
        expected.push_back(op);
    EXPECT_TRUE(sameOps(ops, expected));
}

TEST_F(Text, PageHeaderInEachCorner) {
    struct Case {
        int corner, direction;
    };
    const Case cases[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}};
    for (const Case &c : cases) {
        const auto ops = hpglOps([&] { paghdr("Kavlor", "test", c.corner, c.direction); });
        ASSERT_FALSE(ops.empty());
        const Bounds b = boundsOf(ops);
        // Height trunc(0.6 * 36) = 21; the line runs 100 units from the corner, 15 from the edge.
        if (c.direction == 0) {
            EXPECT_NEAR(b.y2 - b.y1, 27, 7)
                << c.corner; // capitals and descenders of 21-unit characters
            if (c.corner == 1 || c.corner == 4) {
                EXPECT_NEAR(b.x1, 100, 4) << c.corner;
            }
            if (c.corner == 2 || c.corner == 3) {
                EXPECT_NEAR(b.x2, 2969 - 100, 4) << c.corner;
            }
            if (c.corner == 3 || c.corner == 4) {
                EXPECT_NEAR(b.y1, 15, 4) << c.corner;
            }
            if (c.corner == 1 || c.corner == 2) {
                EXPECT_NEAR(b.y2, 2099 - 15, 7) << c.corner;
            }
        } else {
            EXPECT_GT(b.y2 - b.y1, 800) << c.corner; // the line runs up or down the page
            if (c.corner == 1 || c.corner == 4) {
                EXPECT_NEAR(b.x1, 15, 7) << c.corner;
            }
            if (c.corner == 2 || c.corner == 3) {
                EXPECT_NEAR(b.x2, 2969 - 15, 7) << c.corner;
            }
            if (c.corner == 1 || c.corner == 2) {
                EXPECT_NEAR(b.y2, 2099 - 100, 4) << c.corner;
            }
            if (c.corner == 3 || c.corner == 4) {
                EXPECT_NEAR(b.y1, 100, 4) << c.corner;
            }
        }
    }
    EXPECT_EQ(outputOf([] { paghdr("a", "b", 5, 0); }),
              " <<<< Warning   2: Incorrect parameter in paghdr!   (   5)\n");
}

TEST_F(Text, ResetRestoresEachGroup) {
    GlobalRecord &rec = open();
    const TextState &t = rec.text;
    captureStdout([] {
        angle(45);
        height(80);
        chaang(20);
        chaspc(0.3f);
        chawth(0.5f);
        fixspc(2.0f);
        frmess(3);
        mixalf();
        newmix();
        setbas(0.3f);
        setexp(0.3f);
        smxalf("GREE", "{", "}", 1);
        basalf("GREE");
        eushft("GERM", "!");
        symrot(30);
        shdcha();
    });
    captureStdout([] {
        for (const char *key :
             {"ANGL", "HEIG", "CHAA", "CHAB", "CHAS", "CHAW", "FIXS", "FRME", "MIXA", "NEWM",
              "SETB", "SETE", "BASA", "EUSH", "SMXA", "SYMR", "SHDC", "IANG"})
            reset(key);
    });
    EXPECT_EQ(t.nangle, 0);
    EXPECT_EQ(t.nhchar, 36);
    EXPECT_EQ(t.xchaang, 0.0f);
    EXPECT_EQ(t.xchaspc, 0.0f);
    EXPECT_EQ(t.xchawth, 1.0f);
    EXPECT_EQ(t.ifixspc, 0);
    EXPECT_EQ(t.xfixspc, 0.0f);
    EXPECT_EQ(t.nfrmess, 0);
    EXPECT_EQ(t.imixalf, 0);
    EXPECT_EQ(std::string(t.cmixchr, 5), "[]$/\\");
    EXPECT_EQ(t.xsetbas, 0.8f); // reset differs from the plot defaults 0.6 and 0.8
    EXPECT_EQ(t.xsetexp, 1.0f);
    EXPECT_EQ(t.ialfbas, 1);
    EXPECT_EQ(t.ialfcur, 1);
    EXPECT_EQ(t.ieushft, 0);
    EXPECT_EQ(t.nsmxalf, 0);
    EXPECT_EQ(rec.symbol.xsymrot, 0.0f);
    EXPECT_EQ(rec.font.ishdcha, 0);
    EXPECT_EQ(rec.font.xitadiv, 3.732f);
    EXPECT_EQ(captureStdout([] { reset("TEXM"); }),
              " <<<< Warning   2: Incorrect parameter in reset!   (TEXM)\n");
    close();
    // A new plot gives the plot defaults.
    captureStdout([] { setbas(0.3f); });
    GlobalRecord &again = open();
    EXPECT_EQ(again.text.xsetbas, 0.6f);
    EXPECT_EQ(again.text.xsetexp, 0.8f);
    EXPECT_EQ(again.font.nfontid, 1);
    EXPECT_EQ(again.symbol.nmaxsym, 23);
    EXPECT_EQ(again.tex.xtexexp, 1.0f);
    close();
}

TEST_F(Text, FrameRoundTheText) {
    const auto plain = hpglOps([] { messag("AB", 500, 500); });
    const auto framed = hpglOps([] {
        frmess(1);
        messag("AB", 500, 500);
    });
    // The frame clears the text by (line spacing - 1) * h = 18 on each side.
    ASSERT_GT(framed.size(), plain.size());
    const Bounds b = boundsOf(framed, plain.size());
    EXPECT_NEAR(b.x1, 500 - 18, 2);
    EXPECT_NEAR(b.x2, 500 + 70 + 18, 2);
    EXPECT_NEAR(b.y1, 500 - 18, 2);
    EXPECT_NEAR(b.y2, 500 + 36 + 18, 2);
}

// A page of text rendered by hp2xx: ink where the strokes of an H lie, none
// between them.
TEST_F(Text, RenderedCharactersHaveInkWhereTheirStrokesAre) {
    open("HPGL", "plot.hpg");
    captureStdout([] {
        pagera();
        height(351); // (h - 1) / 7 = 50 units per glyph unit up, 350 / 6 across
        messag("H", 500, 500);
    });
    close("plot.hpg");
    const HpglRaster raster(dir.file("plot.hpg"));
    ASSERT_TRUE(raster.valid());
    // The H: verticals at x = 500 + 1 and 5 glyph units, bar at 4 units up from the baseline 850.
    const float unitX = 350.0f / 6.0f;
    EXPECT_TRUE(raster.ink(int(500 + unitX), 700));
    EXPECT_TRUE(raster.ink(int(500 + 5 * unitX), 600));
    EXPECT_TRUE(raster.ink(int(500 + 3 * unitX), 850 - 200));
    EXPECT_FALSE(raster.ink(int(500 + 3 * unitX), 850 - 100));
    EXPECT_FALSE(raster.ink(int(500 + 3 * unitX), 850 - 300));
    EXPECT_EQ(raster.inkCountColumn(int(500 + unitX), 400, 480), 0); // nothing above the corner
    EXPECT_GT(raster.inkCountColumn(int(500 + unitX), 500, 850), 340);
}

} // namespace
