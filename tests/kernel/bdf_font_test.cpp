#include <gtest/gtest.h>

#include <string>

#include "kernel/bdf_font.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kFixtures = KAVLOR_SOURCE_DIR "/tests/kernel/fixtures/";
const std::string kFonts = KAVLOR_SOURCE_DIR "/data/fonts/";

class BdfReader : public FreshRecord {};

TEST_F(BdfReader, ReadsEveryFieldOfASmallFont) {
    BdfFont font;
    ASSERT_EQ(qqgetbdf(font, (kFixtures + "two_glyphs.bdf").c_str()), kBdfOk);
    EXPECT_EQ(font.pointSize, 8);
    EXPECT_EQ(font.xres, 72);
    EXPECT_EQ(font.yres, 72);
    EXPECT_EQ(font.bbox[0], 8);
    EXPECT_EQ(font.bbox[3], -1);
    EXPECT_EQ(font.nchars, 2);
    ASSERT_EQ(font.nglyphs, 2);
    const BdfGlyph *a = font.find(65);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->dwidthX, 9);
    EXPECT_EQ(a->bbxWidth, 8);
    EXPECT_EQ(a->bbxHeight, 8);
    EXPECT_EQ(a->bbxXoff, 0);
    EXPECT_EQ(a->bbxYoff, -1);
    // Rows are kept as written, lower-case digits included; one newline after each.
    EXPECT_STREQ(a->bitmap, "18\n24\n42\n42\n7E\n42\n42\nc3\n");
    EXPECT_STREQ(font.find(32)->bitmap, "00\n");
    EXPECT_EQ(font.find(66), nullptr);
}

TEST_F(BdfReader, ReadsTheFontsOfTheFontsFolder) {
    const char *names[] = {"complx10", "complx12", "complx14", "complx18", "simplx8", "simplx10",
                           "simplx12", "simplx14", "helve10",  "helve12",  "helve14", "helve18"};
    std::string family;
    int previousHeight = 0;
    for (const char *name : names) {
        BdfFont font;
        ASSERT_EQ(qqgetbdf(font, (kFonts + name + ".bdf").c_str()), kBdfOk) << name;
        EXPECT_EQ(font.nglyphs, font.nchars) << name;
        for (int code : {32, 65, 103, 126, 196, 228}) {
            const BdfGlyph *g = font.find(code);
            ASSERT_NE(g, nullptr) << name << " " << code;
            EXPECT_GT(g->dwidthX, 0) << name << " " << code;
        }
        // The capital H is as high as the pixel size less one, and each size of a family is larger.
        const BdfGlyph *h = font.find('H');
        EXPECT_EQ(h->bbxYoff, 0) << name;
        EXPECT_NEAR(h->bbxHeight, font.pointSize, 1) << name;
        if (family != std::string(name, 4)) previousHeight = 0;
        EXPECT_GT(h->bbxHeight, previousHeight) << name;
        family = std::string(name, 4);
        previousHeight = h->bbxHeight;
        // Letters of Latin-1 beyond the standard alphabet exist in the complex font only.
        EXPECT_EQ(font.find(0xFE) != nullptr, name[0] == 'c') << name;
    }
}

TEST_F(BdfReader, MissingFileIsAnOpenError) {
    BdfFont font;
    EXPECT_EQ(qqgetbdf(font, "/nonexistent/helve12.bdf"), kBdfOpenError);
    EXPECT_EQ(qqgetbdf(font, nullptr), kBdfOpenError);
    EXPECT_EQ(font.nglyphs, 0);
}

const char *kGlyphA =
    "STARTCHAR A\nENCODING 65\nDWIDTH 5 0\nBBX 2 2 0 0\nBITMAP\nC0\n40\nENDCHAR\n";

std::string font(const std::string &body) {
    return "STARTFONT 2.1\nSIZE 8 72 72\nFONTBOUNDINGBOX 8 8 0 0\n" + body + "ENDFONT\n";
}

TEST_F(BdfReader, RejectsBrokenFilesAndWarns) {
    const std::string glyph = kGlyphA;
    struct Case {
        const char *what;
        std::string text;
    };
    const Case cases[] = {
        {"more glyphs than CHARS", font("CHARS 1\n" + glyph + glyph)},
        {"glyph data before CHARS", font(glyph + "CHARS 1\n")},
        {"ENDCHAR before CHARS", font("ENDCHAR\nCHARS 1\n" + glyph)},
        {"CHARS twice", font("CHARS 1\nCHARS 2\n" + glyph)},
        {"CHARS negative", font("CHARS -1\n" + glyph)},
        {"CHARS larger than any font", font("CHARS 70000\n" + glyph)},
        {"CHARS without a number", font("CHARS\n" + glyph)},
        {"BBX with three numbers",
         font("CHARS 1\nSTARTCHAR A\nENCODING 65\nBBX 2 2 0\nBITMAP\nC0\nENDCHAR\n")},
        {"BBX of negative size",
         font("CHARS 1\nSTARTCHAR A\nENCODING 65\nBBX -2 2 0 0\nBITMAP\nC0\nENDCHAR\n")},
        // Sizes, offsets and advances that drawing would overflow on.
        {"BBX offset at the end of an int",
         font("CHARS 1\nSTARTCHAR A\nENCODING 65\nBBX 8 2 0 2147483647\nBITMAP\nC0\nENDCHAR\n")},
        {"BBX offset first",
         font("CHARS 1\nSTARTCHAR A\nENCODING 65\nBBX 8 2 -2147483648 0\nBITMAP\nC0\nENDCHAR\n")},
        {"BBX height beyond any glyph",
         font("CHARS 1\nSTARTCHAR A\nENCODING 65\nBBX 8 1001 0 0\nBITMAP\nC0\nENDCHAR\n")},
        {"DWIDTH beyond any glyph", font("CHARS 1\nSTARTCHAR A\nENCODING 65\nDWIDTH 4000 0\nBBX 2 "
                                         "2 0 0\nBITMAP\nC0\nENDCHAR\n")},
        {"glyph cut off by the end",
         "STARTFONT 2.1\nCHARS 1\nSTARTCHAR A\nENCODING 65\nBITMAP\nC0\n"},
    };
    TempDir dir;
    jqqlev(0, 3, "bmpfnt");
    for (const Case &c : cases) {
        writeFile(dir.file("broken.bdf"), c.text);
        BdfFont f;
        const int status = qqgetbdf(f, dir.file("broken.bdf").c_str());
        EXPECT_EQ(status, kBdfOpenError) << c.what;
        EXPECT_EQ(f.nglyphs, 0) << c.what;
        EXPECT_EQ(f.glyphs, nullptr) << c.what;
        EXPECT_EQ(captureStdout([&] { reportBdfStatus(status); }),
                  " <<<< Warning 101: Open error for bitmap font in BMPFNT!\n")
            << c.what;
    }
    EXPECT_EQ(captureStdout([] { reportBdfStatus(kBdfNoMemory); }),
              " <<<< Warning 101: Not enough memory for bitmap font in BMPFNT!\n");
    EXPECT_EQ(captureStdout([] { reportBdfStatus(kBdfOk); }), "");
}

TEST_F(BdfReader, AcceptsLongLinesFewerGlyphsAndReuse) {
    TempDir dir;
    // A comment far longer than a line buffer, and a font that announces more glyphs than it has.
    writeFile(dir.file("long.bdf"),
              font("COMMENT " + std::string(2000, 'x') + "\nCHARS 3\n" + kGlyphA));
    BdfFont f;
    ASSERT_EQ(qqgetbdf(f, dir.file("long.bdf").c_str()), kBdfOk);
    EXPECT_EQ(f.nchars, 3);
    EXPECT_EQ(f.nglyphs, 1);
    EXPECT_STREQ(f.find(65)->bitmap, "C0\n40\n");
    // Reading again into the same font replaces what it held; a failed read leaves it empty.
    ASSERT_EQ(qqgetbdf(f, (kFixtures + "two_glyphs.bdf").c_str()), kBdfOk);
    EXPECT_EQ(f.nglyphs, 2);
    EXPECT_EQ(qqgetbdf(f, "/nonexistent.bdf"), kBdfOpenError);
    EXPECT_EQ(f.nglyphs, 0);
}

} // namespace
