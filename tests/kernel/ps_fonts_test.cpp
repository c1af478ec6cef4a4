#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "kernel/ps_fonts.h"

namespace {

TEST(PsFonts, NamesAreFoundWithoutRegardToCase) {
    EXPECT_EQ(psFontIndex("Times-Roman"), 0);
    EXPECT_EQ(psFontIndex("times-roman"), 0);
    EXPECT_EQ(psFontIndex("HELVETICA-NARROW-BOLDOBLIQUE"), 11);
    EXPECT_EQ(psFontIndex("Symbol"), 34);
    EXPECT_EQ(psFontIndex("Times"), -1);
    EXPECT_EQ(psFontIndex("Foo"), -1);
    EXPECT_EQ(psFontIndex(""), -1);
    EXPECT_EQ(psFontIndex(nullptr), -1);
    // Only the first 30 characters count: no standard name is that long.
    EXPECT_EQ(psFontIndex("Helvetica-Narrow-BoldObliqueXYZ"), -1);
    for (int i = 0; i < kPsFonts; ++i)
        EXPECT_EQ(psFontIndex(cfnt[i].name), i);
}

TEST(PsFonts, ItalicVariantsAndSharedWidthSets) {
    const std::pair<int, int> italic[] = {
        {0, 2},   {1, 3},   {4, 6},   {5, 7},   {8, 10},  {9, 11},  {12, 13}, {14, 15},
        {18, 20}, {19, 21}, {22, 24}, {23, 25}, {26, 27}, {28, 29}, {30, 31}, {32, 33}};
    int withVariant = 0;
    for (auto [font, variant] : italic) {
        EXPECT_EQ(cfnt[font].italic, variant) << font;
        ++withVariant;
    }
    int all = 0;
    for (const PsFont &f : cfnt)
        all += f.italic >= 0;
    EXPECT_EQ(all, withVariant);
    // An oblique font measures like its upright font.
    EXPECT_EQ(cfnt[6].widthSet, cfnt[4].widthSet);
    EXPECT_EQ(cfnt[25].widthSet, cfnt[23].widthSet);
}

TEST(PsFonts, CourierIsEightyFourEverywhere) {
    int16_t widths[kPsWidths];
    for (int font = 18; font <= 21; ++font) {
        psFontWidths(font, widths);
        for (int16_t w : widths)
            EXPECT_EQ(w, 84) << font;
    }
}

// WX of a glyph in an AFM file, by its code or by its name.
double afmWidth(const std::string &file, int code, const std::string &name = "") {
    std::ifstream in("/usr/share/fonts/type1/urw-base35/" + file + ".afm");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("C ", 0) != 0) continue;
        std::istringstream fields(line);
        std::string c, semi, wx, n, glyph;
        int lineCode;
        double width;
        fields >> c >> lineCode >> semi >> wx >> width >> semi >> n >> glyph;
        if ((name.empty() && lineCode == code) || (!name.empty() && glyph == name)) return width;
    }
    return -1;
}

TEST(PsFonts, WidthsFollowTheAfmFiles) {
    if (!std::ifstream("/usr/share/fonts/type1/urw-base35/NimbusRoman-Regular.afm"))
        GTEST_SKIP() << "fonts-urw-base35 is not installed";
    struct Case {
        int font;
        const char *afm;
        int code;
        const char *name;
    };
    const Case cases[] = {
        {0, "NimbusRoman-Regular", 'A', ""},
        {0, "NimbusRoman-Regular", ' ', ""},
        {0, "NimbusRoman-Regular", 127, "Adieresis"},
        {0, "NimbusRoman-Regular", 133, "germandbls"},
        {5, "NimbusSans-Bold", 'W', ""},
        {9, "NimbusSansNarrow-Bold", 'm', ""},
        {16, "Z003-MediumItalic", 'Q', ""},
        {17, "D050000L", '3', ""},
        {30, "P052-Roman", 'j', ""},
        {34, "StandardSymbolsPS", 'a', ""},
    };
    int16_t widths[kPsWidths];
    for (const Case &c : cases) {
        const double wx = c.name[0] != '\0' ? afmWidth(c.afm, 0, c.name) : afmWidth(c.afm, c.code);
        ASSERT_GE(wx, 0) << c.afm << " " << c.code;
        psFontWidths(c.font, widths);
        EXPECT_EQ(widths[c.code - 32], int(wx * 40 / 283.46458)) << c.afm << " " << c.code;
    }
}

TEST(PsFonts, AccentedLettersTakeTheWidthOfTheirBase) {
    int16_t w[kPsWidths];
    psFontWidths(0, w);
    auto of = [&](char c) { return w[c - 32]; };
    EXPECT_EQ(w[102], of('A'));                     // A with ring
    EXPECT_EQ(w[103], of('O'));                     // O with stroke
    EXPECT_EQ(w[104], of('A') / 2 + of('E'));       // AE
    EXPECT_EQ(w[107], (2 * of('a')) / 3 + of('e')); // ae
    EXPECT_EQ(w[108], of('N'));
    EXPECT_EQ(w[120], of('U')); // U acute
    EXPECT_EQ(w[152], of('y')); // y diaeresis
    EXPECT_EQ(w[153], of('!'));
    EXPECT_EQ(w[154], of('?'));
    EXPECT_EQ(psWidthByte(0, 5), 84);
    EXPECT_EQ(psWidthByte(1, 102), 0);
    EXPECT_EQ(psWidthByte(26, 0), 0);
}

} // namespace
