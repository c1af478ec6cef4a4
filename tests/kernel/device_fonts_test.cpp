// Device fonts: PostScript fonts on PostScript, PDF and SVG output, the
// Windows and X11 font requests, and bitmap fonts from BDF files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "devices/font_characters.h"
#include "kernel/bdf_font.h"
#include "kernel/bitmap_fonts.h"
#include "kernel/c_format.h"
#include "kernel/character_codes.h"
#include "kernel/device_fonts.h"
#include "kernel/ps_fonts.h"
#include "tests/kernel/text_fixture.h"

namespace {

const std::string kFixtures = KAVLOR_SOURCE_DIR "/tests/kernel/fixtures/";

// The character records "code x y angle c " of a PostScript text: where
// each stands and its code.
std::vector<std::pair<std::size_t, int>> characterRecords(const std::string &ps) {
    std::vector<std::pair<std::size_t, int>> found;
    std::size_t at = 0;
    while ((at = ps.find(" c ", at)) != std::string::npos) {
        // Four numbers of five characters, each followed by a blank, end in "c ".
        if (at >= 23) {
            int code = 0, x = 0, y = 0, a = 0;
            if (std::sscanf(ps.c_str() + at - 23, "%5d %5d %5d %5d", &code, &x, &y, &a) == 4)
                found.push_back({at - 23, code});
        }
        at += 3;
    }
    return found;
}

std::string format(const char *f, double value) {
    char text[64];
    formatC(text, sizeof text, f, value);
    return text;
}

class PostScriptFonts : public TextTest {};

TEST_F(PostScriptFonts, PsfontReencodesTheFontOnPostScriptOutput) {
    GlobalRecord &rec = open("POST", "plot.ps");
    const float s = rec.page.xdevscl;
    captureStdout([] {
        psfont("times-roman"); // case does not matter
        height(50);
    });
    EXPECT_EQ(rec.font.ifontyp, 1);
    EXPECT_STREQ(rec.font.chwfont, "Times-Roman-German");
    EXPECT_EQ(rec.font.nfontid, 3); // complx serves the other alphabets
    const std::string ps = withoutLineBreaks(close("plot.ps"));
    const float size36 = (1000.0f / 683.0f) * 36.0f * s * 0.28346458f * 0.5f;
    const float size50 = (1000.0f / 683.0f) * 50.0f * s * 0.28346458f * 0.5f;
    EXPECT_NE(
        ps.find("(Times-Roman) (Times-Roman-German) GermanVec ReEncodeSmall (Times-Roman-German) " +
                format("%.1f", size36) + " font "),
        std::string::npos)
        << ps;
    EXPECT_NE(ps.find("(Times-Roman-German) " + format("%.1f", size50) + " font "),
              std::string::npos)
        << ps;
}

TEST_F(PostScriptFonts, CharactersBecomeCentredRecords) {
    GlobalRecord &rec = open("POST", "plot.ps");
    captureStdout([] {
        psfont("Times-Roman");
        messag("AV", 100, 200);
    });
    const float s = rec.page.xdevscl;
    // A: its width, centred on the baseline; the landscape page lies on the
    // portrait paper, so x and y change places and the angle turns by 90.
    const float wA =
        (1000.0f / 683.0f) * 36.0f * 0.28346458f * (float(psWidthByte(1, 'A' - 32)) / 40.0f);
    const float wV =
        (1000.0f / 683.0f) * 36.0f * 0.28346458f * (float(psWidthByte(1, 'V' - 32)) / 40.0f);
    const float gap = 36.0f * 0.1f;
    const float penY = 200 + 35;
    auto record = [&](int code, float x) {
        char text[48];
        formatC(text, sizeof text, "%5d %5d %5d %5d c ", code, int(float(int(penY)) * s + 0.5f),
                int(float(int(x)) * s + 0.5f), 90);
        return std::string(text);
    };
    const std::string ps = withoutLineBreaks(close("plot.ps"));
    EXPECT_NE(ps.find(record('A', 100 + 0.5f * wA) + record('V', 100 + wA + gap + 0.5f * wV)),
              std::string::npos)
        << ps;
}

TEST_F(PostScriptFonts, LengthsFollowTheWidthTables) {
    open("POST", "plot.ps");
    captureStdout([] {
        psfont("Courier");
        height(100);
    });
    // n characters: n widths and n - 1 gaps of 0.1 h.
    const float w = (1000.0f / 629.0f) * 100.0f * 0.28346458f * (84.0f / 40.0f);
    EXPECT_EQ(nlmess("AAA"), int(std::lround(3 * w + 2 * 10)));
    EXPECT_EQ(nlmess("iWi"), int(std::lround(3 * w + 2 * 10))); // fixed pitch
    captureStdout([] { fixspc(1.0f); });
    EXPECT_EQ(nlmess("AAA"), int(std::lround(3 * 99 * 1.4f))); // fixed width (h - 1) * 1.4, no gap
    close("plot.ps");
}

TEST_F(PostScriptFonts, PsfontChecksTheDeviceAndTheName) {
    const std::string gksl = outputOf([] { psfont("Helvetica"); });
    EXPECT_EQ(gksl, " <<<< Warning  49: Fileformat is not PostScript in psfont!\n");
    GlobalRecord &rec = open("POST", "plot.ps");
    const std::string out = captureStdout([] { psfont("Foo"); });
    EXPECT_EQ(out, " <<<< Warning: Foo is not a standard font!\n");
    EXPECT_STREQ(rec.font.chwfont, "Times-Roman-German");
    EXPECT_EQ(rec.font.npsfont, 0);
    close("plot.ps");
    // PDF and SVG take PostScript fonts; their writers draw the characters.
    for (const char *device : {"PDF", "SVG"}) {
        GlobalRecord &r = open(device, "plot.out");
        EXPECT_EQ(captureStdout([] { psfont("Helvetica-Bold"); }), "") << device;
        EXPECT_STREQ(r.font.chwfont, "Helvetica-Bold") << device;
        EXPECT_EQ(r.font.ifontyp, 1) << device;
        close("plot.out");
    }
}

TEST_F(PostScriptFonts, GreekCharactersInSymbolAndTheStringsFontAfterwards) {
    open("POST", "plot.ps");
    captureStdout([] {
        psfont("Helvetica");
        psmode("GREE");
        smxalf("GREE", "{", "}", 1);
        messag("a{c}b", 100, 200);
    });
    const std::string ps = withoutLineBreaks(close("plot.ps"));
    // a in Helvetica, then Symbol for the Greek c (on the g key of Symbol), then Helvetica again.
    const auto records = characterRecords(ps);
    ASSERT_EQ(records.size(), 3u) << ps;
    EXPECT_EQ(records[0].second, 'a');
    EXPECT_EQ(records[1].second, 'g');
    EXPECT_EQ(records[2].second, 'b');
    const auto symbol = ps.find("(Symbol) (Symbol-German)");
    const auto back = ps.find("(Helvetica) (Helvetica-German)", symbol);
    EXPECT_LT(records[0].first, symbol);
    EXPECT_LT(symbol, records[1].first);
    EXPECT_LT(records[1].first, back);
    EXPECT_LT(back, records[2].first);
}

TEST_F(PostScriptFonts, ItalicCharactersInTheItalicVariant) {
    open("POST", "plot.ps");
    captureStdout([] {
        psfont("Times-Bold");
        psmode("ITAL");
        smxalf("ITAL", "{", "}", 1);
        smxalf("GREE", "<", ">", 2);
        messag("{x}<a>", 100, 200);
    });
    const std::string ps = withoutLineBreaks(close("plot.ps"));
    const auto italic = ps.find("(Times-BoldItalic) (Times-BoldItalic-German)");
    EXPECT_NE(italic, std::string::npos);
    EXPECT_EQ(ps.find("(Symbol)"), std::string::npos); // ITAL leaves Greek to the stroke font
    const auto records = characterRecords(ps);
    ASSERT_EQ(records.size(), 1u) << ps;
    EXPECT_EQ(records[0].second, 'x');
    EXPECT_LT(italic, records[0].first);
}

TEST_F(PostScriptFonts, WhatThePdfWriterGetsForACharacter) {
    GlobalRecord &rec = open("PDF", "plot.pdf");
    captureStdout([] {
        psfont("Helvetica");
        height(40);
    });
    const float s = rec.page.xdevscl;
    const PdfCharacter c = pdfCharacter(rec, 'H', 100.0f, 200.0f);
    EXPECT_EQ(c.code, 'H');
    EXPECT_EQ(c.font, 4);
    EXPECT_EQ(c.size, int((1000.0f / 718.0f) * 40.0f * s * 10.0f + 0.5f));
    // The landscape page on portrait paper: x and y change places, the angle is 90.
    EXPECT_EQ(c.angle, 90);
    EXPECT_EQ(c.matrix[0], 0.0f);
    EXPECT_EQ(c.matrix[1], 1.0f);
    EXPECT_EQ(c.matrix[2], -1.0f);
    EXPECT_EQ(c.matrix[3], 0.0f);
    EXPECT_FLOAT_EQ(c.matrix[4], 200.0f * s);
    EXPECT_FLOAT_EQ(c.matrix[5], 100.0f * s);
    captureStdout([] { angle(30); });
    const PdfCharacter turned = pdfCharacter(rec, 'H', 100.0f, 200.0f);
    EXPECT_EQ(turned.angle, 120);
    EXPECT_NEAR(turned.matrix[0], std::cos(120.0f * 0.017453292f), 1e-6f);
    close("plot.pdf");
}

TEST_F(PostScriptFonts, HardwareFontsByDevice) {
    GlobalRecord &post = open("POST", "plot.ps");
    captureStdout([] { hwfont(); });
    EXPECT_EQ(post.font.ifontyp, 1);
    EXPECT_EQ(post.font.npsfont, 0);
    close("plot.ps");
    GlobalRecord &gksl = open();
    captureStdout([] { hwfont(); });
    EXPECT_EQ(gksl.font.ifontyp, 0);
    EXPECT_EQ(gksl.font.nfontid, 3);
    EXPECT_EQ(captureStdout([] {
                  winfnt("Arial");
                  x11fnt("fixed", "STANDARD");
              }),
              " <<<< Warning 101: Window fonts cannot be used in winfnt!\n"
              " <<<< Warning 101: X11 fonts cannot be used in x11fnt!\n");
    close();
}

TEST_F(PostScriptFonts, NoWindowFontBeforeADeviceIsChosen) {
    // winfnt is taken at level 0 with a warning, but no driver can make the
    // font yet: the stroke font stays.
    EXPECT_EQ(captureStdout([] { winfnt("Arial"); }),
              " <<<< Warning   3: Incorrect level in winfnt!   (   0)\n"
              " <<<< Warning 101: Font cannot be loaded in winfnt!\n");
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.font.ifontyp, 0);
    close();
}

TEST_F(PostScriptFonts, CodeConversions) {
    EXPECT_EQ(qqgreek('C'), 'G');
    EXPECT_EQ(qqgreek('g'), 'c');
    EXPECT_EQ(qqgreek('u'), 'y');
    EXPECT_EQ(qqgreek('Y'), 'U');
    EXPECT_EQ(qqgreek('a'), 'a');
    // Stroke-font codes in the sets of device fonts.
    EXPECT_EQ(qqgiso(0, 127), 196);
    EXPECT_EQ(qqgiso(1, 190), 254);
    EXPECT_EQ(qqgiso(0, 191), 32);
    EXPECT_EQ(qqgiso(2, 195), 169); // S with caron in ISO 8859-2
    EXPECT_EQ(qqgiso(3, 241), 32);  // beyond the Latin-2 table
    EXPECT_EQ(qqgiso(11, 204), 209);
    EXPECT_EQ(qqgiso(7, 127), 32);
    // And the codes of texts in the stroke fonts' own codes.
    EXPECT_EQ(qqgcod(1, 196), 127);
    EXPECT_EQ(qqgcod(1, 170), 32);
    EXPECT_EQ(qqgcod(3, 254), 262);
    EXPECT_EQ(qqgcod(0, 200), 200);
    EXPECT_EQ(qqgcod(2, 65), 65);
}

// ---- Bitmap fonts ------------------------------------------------------------

// A font folder of its own for each test: KAVLOR points at it.
class BitmapFonts : public TextTest {
  protected:
    TempDir install;
    void SetUp() override {
        TextTest::SetUp();
        const char *old = std::getenv("KAVLOR");
        if (old != nullptr) saved_ = old, hadKavlor_ = true;
        setenv("KAVLOR", install.path().c_str(), 1);
        std::system(("mkdir -p '" + install.file("fonts") + "'").c_str());
    }
    void TearDown() override {
        if (hadKavlor_)
            setenv("KAVLOR", saved_.c_str(), 1);
        else
            unsetenv("KAVLOR");
        TextTest::TearDown();
    }
    void font(const std::string &name, const std::string &text) {
        writeFile(install.file("fonts/" + name + ".bdf"), text);
    }

  private:
    std::string saved_;
    bool hadKavlor_ = false;
};

// A font whose A is `width` pixels wide.
std::string fontWithA(int width) {
    return "STARTFONT 2.1\nSIZE 12 72 72\nFONTBOUNDINGBOX 8 8 0 0\nCHARS 2\n"
           "STARTCHAR space\nENCODING 32\nDWIDTH 3 0\nBBX 1 1 0 0\nBITMAP\n00\nENDCHAR\n"
           "STARTCHAR A\nENCODING 65\nDWIDTH " +
           std::to_string(width) + " 0\nBBX 2 2 0 0\nBITMAP\nC0\nC0\nENDCHAR\nENDFONT\n";
}

TEST_F(BitmapFonts, TheFileByFamilyAndPixelSize) {
    struct Case {
        int family, size;
        const char *file;
    };
    const Case cases[] = {
        {1, 5, "complx10"},  {1, 10, "complx10"}, {1, 11, "complx12"}, {1, 12, "complx12"},
        {1, 13, "complx14"}, {1, 16, "complx14"}, {1, 17, "complx18"}, {2, 8, "simplx8"},
        {2, 9, "simplx10"},  {2, 10, "simplx10"}, {2, 11, "simplx12"}, {2, 12, "simplx12"},
        {2, 13, "simplx14"}, {3, 12, "helve12"},  {3, 40, "helve18"},
    };
    for (const Case &c : cases)
        EXPECT_STREQ(bitmapFontFile(c.family, c.size), c.file) << c.family << " " << c.size;
    EXPECT_EQ(bitmapFontFile(4, 12), nullptr);
}

TEST_F(BitmapFonts, WidthsComeFromTheFileAndTheFileIsReadOnce) {
    font("helve12", fontWithA(9));
    GlobalRecord &rec = open("PNG", "plot.png");
    const float s = rec.page.xdevscl;
    ASSERT_LT(s, 0.3f); // the default raster: pixel size h * s * 1.2 = 12 at h = 36
    EXPECT_EQ(captureStdout([] { bmpfnt("HELV"); }), "");
    EXPECT_EQ(rec.font.ifontyp, 3);
    EXPECT_STREQ(rec.font.chwfont, "HELV");
    // Advance: DWIDTH / s; gap trunc(0.18 h) = 6 below the scale 0.3.
    const float w = 9.0f / s;
    EXPECT_EQ(nlmess("A"), int(std::lround(w)));
    EXPECT_EQ(nlmess("AA"), int(std::lround(2 * w + 6)));
    // The file is kept: a second choice of the same size reads nothing.
    std::remove(install.file("fonts/helve12.bdf").c_str());
    EXPECT_EQ(captureStdout([] { bmpfnt("HELV"); }), "");
    EXPECT_EQ(rec.font.ifontyp, 3);
    close("plot.png");
}

TEST_F(BitmapFonts, TheHeightChoosesTheFile) {
    // Each file of the COMP family with an A of its own width.
    const char *files[] = {"complx10", "complx12", "complx14", "complx18"};
    for (int i = 0; i < 4; ++i)
        font(files[i], fontWithA(10 + i));
    GlobalRecord &rec = open("PNG", "plot.png");
    const float s = rec.page.xdevscl;
    struct Case {
        int height;
        int file; // index of the file the pixel size nint(h * s * 1.2) picks
    };
    const Case cases[] = {{29, 0}, {35, 1}, {45, 2}, {60, 3}, {20, 0}};
    ASSERT_NEAR(s, 0.2868f, 0.0001f); // pixel sizes 10, 12, 15, 21, 7
    for (const Case &c : cases) {
        captureStdout([&] {
            height(c.height);
            bmpfnt("COMP");
        });
        EXPECT_EQ(rec.font.nchwid['A' - 32], (10 + c.file) * 10) << c.height;
    }
    // A new height chooses the file again.
    captureStdout([] { height(35); });
    EXPECT_EQ(rec.font.nchwid['A' - 32], 110);
    close("plot.png");
}

TEST_F(BitmapFonts, FailuresLeaveTheStrokeFont) {
    GlobalRecord &rec = open("PNG", "plot.png");
    EXPECT_EQ(captureStdout([] { bmpfnt("SIMP"); }),
              " <<<< Warning 101: Open error for bitmap font in BMPFNT!\n");
    EXPECT_EQ(rec.font.ifontyp, 0);
    EXPECT_EQ(rec.font.nfontid, 3);
    font("helve12", "STARTFONT 2.1\nCHARS 1\nSTARTCHAR A\nENCODING 65\nBITMAP\nC0\n"); // cut off
    EXPECT_EQ(captureStdout([] { bmpfnt("HELV"); }),
              " <<<< Warning 101: Open error for bitmap font in BMPFNT!\n");
    EXPECT_EQ(rec.font.ifontyp, 0);
    EXPECT_EQ(captureStdout([] { bmpfnt("TIMES"); }),
              " <<<< Warning   2: Incorrect parameter in bmpfnt!   (TIMES)\n");
    close("plot.png");
    EXPECT_EQ(outputOf([] { bmpfnt("HELV"); }),
              " <<<< Warning 101: Bitmat fonts can only be used for raster output in bmpfnt!\n");
}

TEST_F(BitmapFonts, TheFontsOfTheInstallationDirectory) {
    setenv("KAVLOR", KAVLOR_SOURCE_DIR "/data", 1);
    BdfFont complx12;
    ASSERT_EQ(qqgetbdf(complx12, KAVLOR_SOURCE_DIR "/data/fonts/complx12.bdf"), kBdfOk);
    GlobalRecord &rec = open("PNG", "plot.png");
    EXPECT_EQ(captureStdout([] { bmpfnt("COMP"); }), "");
    EXPECT_EQ(rec.font.ifontyp, 3);
    // Every code of the width table from the glyph of its ISO 8859-1 character.
    for (int code : {int('A'), int('g'), 127, 133, 190}) {
        const BdfGlyph *g = complx12.find(qqgiso(0, code));
        ASSERT_NE(g, nullptr) << code;
        EXPECT_EQ(rec.font.nchwid[code - 32], g->dwidthX * 10) << code;
    }
    EXPECT_EQ(nlmess("A"), int(std::lround(float(complx12.find('A')->dwidthX) / rec.page.xdevscl)));
    close("plot.png");
}

using Pixels = std::set<std::pair<int, int>>;

void collect(void *context, int x, int y) {
    static_cast<Pixels *>(context)->insert({x, y});
}

TEST(BitmapGlyphs, PixelsOfAGlyphFromItsRows) {
    BdfFont font;
    ASSERT_EQ(qqgetbdf(font, (kFixtures + "two_glyphs.bdf").c_str()), kBdfOk);
    // The A: 8 rows from the top (y offset -1: the top row is 6 above the
    // baseline point, the last one below it). The last row, "c3", has a small
    // c that draws nothing and takes no place: its 3 starts at the left edge.
    const char *rows[] = {"...XX...", "..X..X..", ".X....X.", ".X....X.",
                          ".XXXXXX.", ".X....X.", ".X....X.", "..XX...."};
    Pixels expected;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 8; ++c)
            if (rows[r][c] == 'X') expected.insert({100 + c, 50 - (6 - r)});
    Pixels drawn;
    qqbdf2(font, 0, 'A', 100, 50, 0, collect, &drawn);
    EXPECT_EQ(drawn, expected);
    // Turned by 90 degrees the rows run upwards: (x, y) of the glyph lands at
    // (X - y, Y - x).
    Pixels turned;
    qqbdf2(font, 0, 'A', 100, 50, 90, collect, &turned);
    Pixels rotated;
    for (auto [x, y] : expected) {
        const int gx = x - 100, gy = 50 - y;
        rotated.insert({100 - gy, 50 - gx});
    }
    EXPECT_EQ(turned, rotated);
    // A character the font lacks draws its blank, here without pixels.
    Pixels blank;
    qqbdf2(font, 0, 'Q', 100, 50, 0, collect, &blank);
    EXPECT_TRUE(blank.empty());
}

TEST(BitmapGlyphs, AFontWithoutABlankDrawsNothingForMissingCharacters) {
    TempDir dir;
    writeFile(dir.file("a.bdf"),
              "STARTFONT 2.1\nCHARS 1\nSTARTCHAR A\nENCODING 65\nDWIDTH 3 0\nBBX 2 1 0 0\n"
              "BITMAP\nC0\nENDCHAR\nENDFONT\n");
    BdfFont font;
    ASSERT_EQ(qqgetbdf(font, dir.file("a.bdf").c_str()), kBdfOk);
    Pixels drawn;
    qqbdf2(font, 0, 'B', 10, 10, 0, collect, &drawn);
    EXPECT_TRUE(drawn.empty());
    qqbdf2(font, 0, 'A', 10, 10, 0, collect, &drawn);
    EXPECT_EQ(drawn, (Pixels{{10, 10}, {11, 10}}));
}

} // namespace
