// Text in Windows fonts on the WMF device: the fonts and characters recorded,
// read back record by record, rendered by libwmf and ImageMagick where the
// stroke text of the same string stands, and the widths the text layout
// takes from the font against FreeType's own.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <regex>

#include "kernel/record.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/wmf_records.h"

namespace {

class WindowFont : public PlotTest {
  protected:
    GlobalRecord &openWmf(const char *file) {
        wmfmod("PLAC", "FORM");
        return open("WMF", file);
    }
    static std::vector<WmfDrawing> drawingsOf(const std::string &bytes) {
        const WmfFile file = parseWmf(bytes);
        EXPECT_EQ(file.problem, "");
        std::string problems;
        std::vector<WmfDrawing> drawings = replayWmf(file, problems);
        EXPECT_EQ(problems, "");
        return drawings;
    }
    // The characters of the text records, one after the other.
    static std::string textOfRecords(const std::vector<WmfDrawing> &drawings) {
        std::string text;
        for (const WmfDrawing &d : drawings)
            if (d.function == wmf::kTextOut) text += textOf(d).text;
        return text;
    }
};

// The smallest box of inked pixels within a part of the picture.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
};
InkBox inkIn(const RgbImage &image, int x0, int y0, int x1, int y1) {
    InkBox b;
    for (int y = std::max(y0, 0); y < std::min(y1, image.height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, image.width); ++x)
            if (image.ink(x, y)) {
                b.left = std::min(b.left, x);
                b.top = std::min(b.top, y);
                b.right = std::max(b.right, x);
                b.bottom = std::max(b.bottom, y);
            }
    return b;
}

// The picture libwmf makes of a metafile: its SVG drawn by librsvg, the lines
// widened to show (libwmf keeps them 1/1440 inch thin).
RgbImage renderedByLibwmf(const std::string &wmfFile, const std::string &svgFile) {
    std::string out;
    if (runCommand("wmf2svg -o '" + svgFile + "' '" + wmfFile + "'", &out) != 0) return {};
    writeFile(svgFile, std::regex_replace(readFile(svgFile), std::regex("stroke-width:[0-9.]+"),
                                          "stroke-width:1.5"));
    return renderSvg(svgFile, 1.0);
}

TEST_F(WindowFont, TitlesAndLabelsBecomeFontAndTextRecords) {
    openWmf("plot.wmf");
    captureStdout([] {
        winfnt("Times New Roman");
        name("Distance", "X");
        name("Speed", "Y");
        titlin("Windows fonts", 1);
        graf(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 5.0f, 0.0f, 1.0f);
        title();
        endgrf();
    });
    const std::vector<WmfDrawing> drawings = drawingsOf(close("plot.wmf"));
    const std::string text = textOfRecords(drawings);
    for (const char *expected : {"Distance", "Speed", "Windows fonts", "10"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in " << text;
    // libwmf renders the characters as text in the face asked for.
    std::string out;
    ASSERT_EQ(runCommand("wmf2svg -o '" + dir.file("plot.svg") + "' '" + dir.file("plot.wmf") + "'",
                         &out),
              0)
        << out;
    const std::string svg = readFile(dir.file("plot.svg"));
    std::string svgText;
    const std::regex element(">([^<])</text>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element);
         it != std::sregex_iterator(); ++it)
        svgText += (*it)[1].str();
    EXPECT_EQ(svgText, text);
    EXPECT_NE(svg.find("font-family:Times"), std::string::npos);
    // The label of the Y axis is written upwards, the others across.
    bool upright = false, across = false;
    for (const WmfDrawing &d : drawings) {
        if (d.function != wmf::kTextOut) continue;
        EXPECT_EQ(d.font.face, "Times New Roman");
        EXPECT_LT(d.font.height, 0); // the em of the face
        upright = upright || d.font.escapement == 900;
        across = across || d.font.escapement == 0;
    }
    EXPECT_TRUE(upright);
    EXPECT_TRUE(across);
    // No line of a stroke character: the only lines are the axes and ticks,
    // far fewer than the characters' strokes would be.
    int lines = 0;
    for (const WmfDrawing &d : drawings)
        lines += d.function == wmf::kLineTo;
    EXPECT_LT(lines, 200);
}

TEST_F(WindowFont, NamesChooseFaceWeightAndSlant) {
    struct Case {
        const char *name, *face;
        int weight, italic;
    };
    const Case cases[] = {
        {"Times New Roman", "Times New Roman", 0, 0}, {"Arial Bold", "Arial", 700, 0},
        {"Arial Bold Italic", "Arial", 700, 1},       {"Courier New", "Courier", 0, 0},
        {"Courier New Italic", "Courier", 0, 1},
    };
    openWmf("plot.wmf");
    for (const Case &c : cases) {
        captureStdout([&] {
            winfnt(c.name);
            messag("Ab", 100, 100);
        });
        EXPECT_STREQ(currentRecord().font.chwfont, c.name);
    }
    std::vector<WmfObject> fonts;
    for (const WmfDrawing &d : drawingsOf(close("plot.wmf")))
        if (d.function == wmf::kTextOut && (fonts.empty() || !(fonts.back() == d.font)))
            fonts.push_back(d.font);
    ASSERT_EQ(fonts.size(), std::size(cases));
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        EXPECT_EQ(fonts[i].face, cases[i].face) << cases[i].name;
        EXPECT_EQ(fonts[i].weight, cases[i].weight) << cases[i].name;
        EXPECT_EQ(fonts[i].italic, cases[i].italic) << cases[i].name;
    }
}

TEST_F(WindowFont, NamesNoFontHasWarnAndTheStrokeFontServes) {
    const std::string longArial = "Arial" + std::string(295, 'x');
    const std::string longUnknown(300, 'q');
    struct Case {
        std::string name;
        bool found;
        std::string kept; // chwfont afterwards
    };
    const Case cases[] = {
        {"No Such Face", false, "Times New Roman"},
        {longUnknown, false, "Times New Roman"},
        {longArial, true, longArial.substr(0, 79)},
    };
    GlobalRecord &rec = openWmf("plot.wmf");
    for (const Case &c : cases) {
        captureStdout([] { winfnt("Times New Roman"); });
        const std::string out = captureStdout([&] {
            winfnt(c.name.c_str());
            messag("Kavlor", 100, 100);
            height(50); // made again at the new height only when it was found
        });
        EXPECT_EQ(out, c.found ? "" : " <<<< Warning 101: Font cannot be loaded in winfnt!\n")
            << c.name.substr(0, 20);
        EXPECT_EQ(rec.font.ifontyp, c.found ? 2 : 0);
        EXPECT_EQ(rec.font.chwfont, c.kept);
    }
    const std::vector<WmfDrawing> drawings = drawingsOf(close("plot.wmf"));
    // The found font wrote its characters; the others drew theirs in lines.
    EXPECT_EQ(textOfRecords(drawings), "Kavlor");
    int lines = 0;
    for (const WmfDrawing &d : drawings)
        lines += d.function == wmf::kLineTo;
    EXPECT_GT(lines, 50);
}

TEST_F(WindowFont, TextBeyondTheStringBufferIsCut) {
    openWmf("plot.wmf");
    std::string text;
    for (int i = 0; text.size() < 1000; ++i)
        text += char('a' + i % 26);
    captureStdout([&] {
        winfnt("Arial");
        height(10);
        messag(text.c_str(), 10, 100);
    });
    EXPECT_EQ(textOfRecords(drawingsOf(close("plot.wmf"))), text.substr(0, 256));
}

// A string across and one upwards, in a Windows font or in the stroke font,
// on a page with its border (libwmf draws the box of what a file draws).
void drawStrings(bool windowFont) {
    captureStdout([&] {
        pagera();
        if (windowFont)
            winfnt("Times New Roman");
        else
            complx();
        height(100);
        messag("HELLO", 400, 400);
        angle(90);
        messag("HELLO", 1500, 1800);
        angle(0);
    });
}

TEST_F(WindowFont, TextStandsWhereTheStrokeTextStands) {
    for (const bool windowFont : {true, false}) {
        openWmf(windowFont ? "window.wmf" : "stroke.wmf");
        drawStrings(windowFont);
        close(windowFont ? "window.wmf" : "stroke.wmf");
    }
    const RgbImage window = renderedByLibwmf(dir.file("window.wmf"), dir.file("window.svg"));
    const RgbImage stroke = renderedByLibwmf(dir.file("stroke.wmf"), dir.file("stroke.svg"));
    ASSERT_TRUE(window.valid());
    ASSERT_EQ(window.width, stroke.width);
    const double k = window.width / 2969.0; // pixels per plot unit
    auto box = [&](const RgbImage &image, int x0, int y0, int x1, int y1) {
        return inkIn(image, int(x0 * k), int(y0 * k), int(x1 * k), int(y1 * k));
    };
    // Across: the left edge and the baseline (the letters have no descenders).
    const InkBox wa = box(window, 300, 300, 1100, 600), sa = box(stroke, 300, 300, 1100, 600);
    ASSERT_FALSE(wa.empty());
    ASSERT_FALSE(sa.empty());
    EXPECT_NEAR(wa.left, sa.left, 2);
    EXPECT_NEAR(wa.bottom, sa.bottom, 2);
    EXPECT_NEAR(wa.bottom - wa.top, sa.bottom - sa.top, 0.15 * (sa.bottom - sa.top));
    // Upwards: the start and the baseline, now on the right.
    const InkBox wu = box(window, 1400, 1000, 1800, 1900), su = box(stroke, 1400, 1000, 1800, 1900);
    ASSERT_FALSE(wu.empty());
    ASSERT_FALSE(su.empty());
    EXPECT_NEAR(wu.bottom, su.bottom, 2);
    EXPECT_NEAR(wu.right, su.right, 2);

    // ImageMagick draws the text across with faces of its own, on the same
    // baseline as its stroke text.
    const RgbImage magick =
        decodeWith("convert-im6.q16", "wmf:" + dir.file("window.wmf"), "-depth 8 ppm:-");
    const RgbImage magickStroke =
        decodeWith("convert-im6.q16", "wmf:" + dir.file("stroke.wmf"), "-depth 8 ppm:-");
    ASSERT_TRUE(magick.valid());
    ASSERT_EQ(magick.width, magickStroke.width);
    const double m = magick.width / 2969.0;
    const InkBox ma = inkIn(magick, int(300 * m), int(300 * m), int(1100 * m), int(600 * m));
    const InkBox ms = inkIn(magickStroke, int(300 * m), int(300 * m), int(1100 * m), int(600 * m));
    ASSERT_FALSE(ma.empty());
    EXPECT_NEAR(ma.left, ms.left, 2);
    EXPECT_NEAR(ma.bottom, ms.bottom, 2);
}

// The advance of a character at a size of em pixels, as FreeType has it
// for the face fontconfig offers for the family.
double freeTypeAdvance(const std::string &family, char c, int em) {
    std::string file;
    runCommand("fc-match -f '%{file}' '" + family + "'", &file);
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    double advance = -1;
    if (FT_Init_FreeType(&library) == 0 && FT_New_Face(library, file.c_str(), 0, &face) == 0) {
        if (FT_Load_Char(face, FT_ULong(c), FT_LOAD_NO_SCALE) == 0)
            advance = double(face->glyph->advance.x) * em / face->units_per_EM;
        FT_Done_Face(face);
    }
    if (library != nullptr) FT_Done_FreeType(library);
    return advance;
}

TEST_F(WindowFont, WidthsAreTheFontsAdvances) {
    struct Case {
        const char *name, *family;
        std::int16_t widths[5] = {};
    };
    const std::string sample = "AWil1";
    Case cases[] = {{"Times New Roman", "Liberation Serif"},
                    {"Arial", "Liberation Sans"},
                    {"Courier New", "Liberation Mono"}};
    GlobalRecord &rec = openWmf("plot.wmf");
    for (Case &c : cases) {
        captureStdout([&] {
            winfnt(c.name);
            height(60);
            messag("W", 100, 100); // records the font, whose em is compared below
        });
        ASSERT_EQ(rec.font.ifontyp, 2) << c.name;
        int widthSum = 0;
        for (std::size_t i = 0; i < sample.size(); ++i) {
            c.widths[i] = rec.font.nchwid[sample[i] - 32];
            widthSum += c.widths[i];
        }
        // nlmess: the advances (ten per device unit) in plot units, and the
        // gaps between the characters.
        const float h = float(rec.text.nhchar);
        const float gap = h * (rec.text.xtxtspc + 0.1f);
        const float expected = float(widthSum) / (rec.page.xdevscl * 10.0f) + 4.0f * gap;
        int measured = 0;
        captureStdout([&] { measured = nlmess(sample.c_str()); });
        EXPECT_NEAR(measured, expected, 1.0) << c.name;
    }
    std::vector<int> ems;
    for (const WmfDrawing &d : drawingsOf(close("plot.wmf")))
        if (d.function == wmf::kTextOut) ems.push_back(-d.font.height);
    ASSERT_EQ(ems.size(), std::size(cases));
    for (std::size_t f = 0; f < ems.size(); ++f) {
        ASSERT_GT(ems[f], 100);
        for (std::size_t i = 0; i < sample.size(); ++i) {
            const double advance = freeTypeAdvance(cases[f].family, sample[i], ems[f]);
            ASSERT_GT(advance, 0.0) << cases[f].family;
            // Whole device units, within one of the unhinted advance.
            EXPECT_EQ(cases[f].widths[i] % 10, 0);
            EXPECT_NEAR(cases[f].widths[i] / 10.0, advance, 1.0)
                << cases[f].name << " '" << sample[i] << "'";
        }
    }
}

} // namespace
