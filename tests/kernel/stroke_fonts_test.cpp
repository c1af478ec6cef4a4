#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "kernel/stroke_fonts.h"

namespace {

constexpr int kFontIds[] = {1, 3, 4, 5, 6, 7, 11, 12, 14};

struct Strokes {
    int groups = 0;
    std::vector<std::vector<std::pair<float, float>>> lines;
};

Strokes strokesOf(const StrokeAlphabet &a, int charIndex) {
    Strokes s;
    GlyphRecordReader reader(a, charIndex);
    GlyphGroup g;
    while (reader.next(g)) {
        ++s.groups;
        std::vector<std::pair<float, float>> line;
        for (int p = g.start; p < g.start + g.count; ++p) {
            const GlyphPoint pt = glyphPoint(a, p);
            line.emplace_back(pt.x + g.dx, pt.y + g.dy);
        }
        s.lines.push_back(line);
    }
    return s;
}

StrokeAlphabet alphabetOf(int font, int alphabet) {
    StrokeAlphabet a;
    EXPECT_TRUE(strokeAlphabet(font, alphabet, a)) << font << "/" << alphabet;
    return a;
}

// Highest character index that the text engine maps into each alphabet's own
// table: Greek, math and gothic italic 53, script 60, Cyrillic 67, complex italic 30.
int highestMappedIndex(int font, int alphabet) {
    switch (Alphabet(alphabet)) {
    case Alphabet::stan: return 0;
    case Alphabet::gree:
    case Alphabet::math: return 53;
    case Alphabet::ital: return font == 3 ? 30 : font == 7 ? 53 : 0;
    case Alphabet::scri: return 60;
    case Alphabet::russ: return 67;
    }
    return 0;
}

TEST(StrokeFonts, EveryFontRegistersSixAlphabetsAndEveryRecordStaysInsideItsTables) {
    for (int font : kFontIds) {
        const AlphabetRegistration *slots = strokeFontAlphabets(font);
        ASSERT_NE(slots, nullptr) << font;
        ASSERT_NE(slots[0].tables, nullptr) << font;
        EXPECT_NE(slots[0].npoints, 0) << font;
        EXPECT_NE(slots[0].nindex, 0) << font;
        for (int alphabet = 1; alphabet <= kAlphabetSlots; ++alphabet) {
            SCOPED_TRACE(testing::Message() << "font " << font << " alphabet " << alphabet);
            const StrokeAlphabet a = alphabetOf(font, alphabet);
            for (int index = 2; index <= a.nrecords + 1; ++index) {
                GlyphRecordReader reader(a, index);
                EXPECT_TRUE(reader.valid()) << "index " << index;
            }
            EXPECT_FALSE(GlyphRecordReader(a, a.nrecords + 2).valid());
            // The alphabets mapped by the text engine have a record for every index it reaches.
            EXPECT_GE(a.nrecords + 1, highestMappedIndex(font, alphabet));
            for (int index = 2; index <= highestMappedIndex(font, alphabet); ++index)
                EXPECT_GT(strokesOf(a, index).groups, 0) << "index " << index;
        }
    }
    EXPECT_EQ(strokeFontAlphabets(2), nullptr);
    EXPECT_EQ(strokeFontAlphabets(13), nullptr);
}

TEST(StrokeFonts, StandardAlphabetsDrawEveryCharacterTheyCount) {
    const std::pair<int, int> counts[] = {{1, 132}, {3, 231},  {4, 132},  {5, 132}, {6, 132},
                                          {7, 95},  {11, 132}, {12, 132}, {14, 132}};
    for (auto [font, nchars] : counts) {
        const StrokeAlphabet a = alphabetOf(font, 1);
        EXPECT_EQ(a.nchars, nchars) << font;
        EXPECT_EQ(a.nrecords + 1, nchars) << font;
        for (int index = 2; index <= nchars; ++index)
            EXPECT_GT(strokesOf(a, index).groups, 0) << "font " << font << " code " << index + 31;
    }
}

TEST(StrokeFonts, SharedTablesFollowTheCatalogue) {
    // The default font's and simplex's Greek draw from their standard points with an index of their
    // own.
    for (int font : {1, 4}) {
        const AlphabetRegistration &greek = strokeFontAlphabets(font)[1];
        EXPECT_EQ(greek.npoints, 0);
        EXPECT_GT(greek.nindex, 0);
        const StrokeAlphabet stan = alphabetOf(font, 1), gree = alphabetOf(font, 2);
        EXPECT_EQ(gree.x, stan.x);
        EXPECT_NE(gree.index, stan.index);
        EXPECT_FALSE(gree.primary);
    }
    // lcital: slot 1's tables with 102 characters.
    for (int font : {1, 4, 5, 6, 11, 12, 14}) {
        const AlphabetRegistration &ital = strokeFontAlphabets(font)[3];
        EXPECT_EQ(ital.tables, nullptr);
        EXPECT_EQ(ital.nchars, 102);
        const StrokeAlphabet a = alphabetOf(font, 4), stan = alphabetOf(font, 1);
        EXPECT_EQ(a.index, stan.index);
        EXPECT_TRUE(a.primary);
    }
    // complx and gothic have italic tables of their own; duplx takes the complex Greek.
    EXPECT_EQ(strokeFontAlphabets(3)[3].tables, &fontdata::lcomit);
    EXPECT_EQ(strokeFontAlphabets(7)[3].tables, &fontdata::lgital);
    EXPECT_EQ(strokeFontAlphabets(5)[1].tables, &fontdata::lcomgr);
    // Outline fonts: separate x and y, outlines only on their first index table.
    for (int font : {11, 12, 14}) {
        EXPECT_LT(strokeFontAlphabets(font)[0].npoints, 0);
        EXPECT_TRUE(alphabetOf(font, 1).outline);
        EXPECT_TRUE(alphabetOf(font, 4).outline);
        EXPECT_FALSE(alphabetOf(font, 2).outline);
        EXPECT_EQ(glyphOffsetFactor(alphabetOf(font, 1)), 2.0f);
    }
}

TEST(StrokeFonts, MetricsAsTheFontIdSetsThem) {
    struct Case {
        int font, slot, ux, uy;
        float gap;
    };
    const Case cases[] = {
        {1, 1, 6, 7, 0.0f},      {1, 2, 6, 7, 0.0f},      {1, 4, 6, 7, 0.0f},
        {1, 3, 20, 21, 0.25f},   {1, 5, 20, 21, 0.0f},    {1, 6, 20, 21, 0.25f},
        {3, 1, 20, 21, 0.25f},   {3, 5, 20, 21, 0.0f},    {7, 5, 20, 21, 0.25f},
        {11, 1, 200, 200, 0.2f}, {12, 4, 200, 200, 0.2f}, {14, 2, 20, 21, 0.25f},
        {14, 5, 20, 21, 0.0f},   {14, 6, 20, 21, 0.25f},
    };
    for (const Case &c : cases) {
        const AlphabetMetrics m = strokeAlphabetMetrics(c.font, c.slot);
        EXPECT_EQ(m.unitsX, c.ux) << c.font << "/" << c.slot;
        EXPECT_EQ(m.unitsY, c.uy) << c.font << "/" << c.slot;
        EXPECT_EQ(m.gapfac, c.gap) << c.font << "/" << c.slot;
    }
    EXPECT_EQ(strokeBlankWidth(1), 6);
    EXPECT_EQ(strokeBlankWidth(3), 9);
    EXPECT_EQ(strokeBlankWidth(7), 9);
    EXPECT_EQ(strokeBlankWidth(11), 60);
}

TEST(StrokeFonts, DefaultFontIsMonospacedAndKeepsItsCell) {
    for (int alphabet : {1, 4}) {
        const StrokeAlphabet a = alphabetOf(1, alphabet);
        for (int index = 1; index <= a.nchars; ++index)
            EXPECT_EQ(glyphAdvanceUnits(a, index), 6.0f)
                << "alphabet " << alphabet << " index " << index;
    }
    // ASCII ink stays inside the 6 units of its cell.
    const StrokeAlphabet a = alphabetOf(1, 1);
    for (int index = 2; index <= 95; ++index)
        for (const auto &line : strokesOf(a, index).lines)
            for (auto [x, y] : line) {
                EXPECT_GE(x, 0.0f) << index;
                EXPECT_LE(x, 6.0f) << index;
                EXPECT_GE(y, -2.0f) << index;
                EXPECT_LE(y, 8.0f) << index;
            }
    // Other fonts advance by their glyph's width: "i" is narrower than "m".
    const StrokeAlphabet s = alphabetOf(4, 1);
    EXPECT_LT(glyphAdvanceUnits(s, 'i' - 31), glyphAdvanceUnits(s, 'm' - 31));
    EXPECT_EQ(glyphAdvanceUnits(s, 1), 9.0f);
}

TEST(StrokeFonts, AccentedLettersAddStrokesToTheirBaseLetter) {
    // code, base letter
    const std::pair<int, char> cases[] = {{127, 'A'}, {130, 'a'}, {134, 'A'},
                                          {140, 'N'}, {142, 'C'}, {148, 'A'},
                                          {153, 'a'}, {158, 'A'}, {163, 'a'}};
    for (int font : {1, 3, 4, 5, 6}) {
        const StrokeAlphabet a = alphabetOf(font, 1);
        for (auto [code, base] : cases)
            EXPECT_GT(strokesOf(a, code - 31).groups, strokesOf(a, base - 31).groups)
                << "font " << font << " code " << code;
    }
    // The complex roman goes on to the Latin-2 and Latin-3 letters: S with caron, G with breve.
    const StrokeAlphabet c = alphabetOf(3, 1);
    EXPECT_GT(strokesOf(c, 195 - 31).groups, strokesOf(c, 'S' - 31).groups);
    EXPECT_GT(strokesOf(c, 241 - 31).groups, strokesOf(c, 'G' - 31).groups);
}

TEST(StrokeFonts, OutlineGlyphsFitTheContourBuffer) {
    for (int font : {11, 12, 14}) {
        const StrokeAlphabet a = alphabetOf(font, 1);
        for (int index = 2; index <= a.nchars; ++index) {
            const Strokes s = strokesOf(a, index);
            int points = 0;
            for (const auto &line : s.lines) {
                points += int(line.size());
                EXPECT_EQ(line.front(), line.back())
                    << "contours are closed: font " << font << " " << index;
            }
            EXPECT_LE(points + s.groups - 1, 200) << "font " << font << " index " << index;
        }
        // A capital stands on the baseline and is 200 units high.
        float top = -1000, bottom = 1000;
        for (const auto &line : strokesOf(a, 'H' - 31).lines)
            for (auto [x, y] : line)
                top = std::max(top, y), bottom = std::min(bottom, y);
        EXPECT_EQ(top, 200.0f);
        EXPECT_EQ(bottom, 0.0f);
    }
}

// Strokes of one glyph of a Hershey .jhf file, read here independently of the
// generator: y upwards from the baseline at Hershey's y = 9, x from the leftmost point.
std::vector<std::vector<std::pair<float, float>>> hersheyGlyph(const std::string &file, char ch) {
    std::ifstream in("/usr/share/hershey-fonts/" + file + ".jhf");
    std::string line;
    for (int i = 32; i <= ch && std::getline(in, line); ++i) {
    }
    std::vector<std::vector<std::pair<float, float>>> strokes(1);
    const int count = std::stoi(line.substr(5, 3));
    for (int i = 1; i < count; ++i) {
        const char a = line[8 + 2 * i], b = line[9 + 2 * i];
        if (a == ' ' && b == 'R') {
            strokes.emplace_back();
            continue;
        }
        strokes.back().emplace_back(float(a - 'R'), float(9 - (b - 'R')));
    }
    float left = 1000;
    for (const auto &s : strokes)
        for (auto [x, y] : s)
            left = std::min(left, x);
    for (auto &s : strokes)
        for (auto &p : s)
            p.first -= left;
    return strokes;
}

TEST(StrokeFonts, HersheyGlyphsArrivePointForPoint) {
    if (!std::ifstream("/usr/share/hershey-fonts/rowmans.jhf"))
        GTEST_SKIP() << "hershey-fonts-data is not installed";
    struct Case {
        int font;
        const char *file;
        char ch;
    };
    const Case cases[] = {{4, "rowmans", 'A'},  {4, "rowmans", 'g'}, {4, "rowmans", '&'},
                          {5, "rowmand", 'B'},  {6, "rowmant", 'e'}, {3, "timesr", 'R'},
                          {7, "gothiceng", 'K'}};
    for (const Case &c : cases) {
        const StrokeAlphabet a = alphabetOf(c.font, 1);
        EXPECT_EQ(strokesOf(a, c.ch - 31).lines, hersheyGlyph(c.file, c.ch))
            << c.file << " " << c.ch;
    }
    // Greek gamma sits on key "c" of the Greek alphabet (index 28 + 2); the alphabetical
    // Hershey Greek holds it at "c" too. Chi sits on "g" and comes from Hershey's "v".
    EXPECT_EQ(strokesOf(alphabetOf(4, 2), 28 + 2).lines, hersheyGlyph("greeks", 'c'));
    EXPECT_EQ(strokesOf(alphabetOf(4, 2), 28 + 6).lines, hersheyGlyph("greeks", 'v'));
    EXPECT_EQ(strokesOf(alphabetOf(3, 2), 2 + 20).lines, hersheyGlyph("greekc", 'W')); // U: Psi
    // Cyrillic capital A..: key "A" is index 8.
    EXPECT_EQ(strokesOf(alphabetOf(3, 6), 8).lines, hersheyGlyph("cyrillic", 'A'));
}

TEST(StrokeFonts, OffsetGroupsMoveTheirPointsAndWidenTheAdvance) {
    // Two packed points (2, 0) and (4, 1); one record: the pair as it stands,
    // then again moved by the packed offset (6, -2) half units = (3, -1).
    const int16_t points[] = {int16_t(2), int16_t((1 << 8) | 4)};
    const int16_t offset = int16_t((uint16_t(uint8_t(-2)) << 8) | 6);
    const int16_t index[] = {6, 2, 1, -2, 1, offset};
    StrokeAlphabet a;
    a.fontId = 4;
    a.x = a.y = points;
    a.npoints = 2;
    a.index = index;
    a.nindex = 6;
    a.nrecords = 1;
    a.packed = true;
    const Strokes s = strokesOf(a, 2);
    ASSERT_EQ(s.groups, 2);
    EXPECT_EQ(s.lines[1][0], (std::pair<float, float>(5.0f, -1.0f)));
    EXPECT_EQ(s.lines[1][1], (std::pair<float, float>(7.0f, 0.0f)));
    EXPECT_EQ(glyphAdvanceUnits(a, 2), 7.0f);
    // The same record on outline tables counts the offset in units of 2.
    a.outline = true;
    EXPECT_EQ(glyphAdvanceUnits(a, 2), 4.0f + 12.0f);
}

TEST(StrokeFonts, BrokenRecordsAreNeverRead) {
    const int16_t points[] = {0, 0, 0};
    struct Case {
        const char *what;
        std::vector<int16_t> index;
    };
    const Case cases[] = {
        {"start beyond the points", {3, 2, 3}},
        {"count beyond the points", {3, 4, 1}},
        {"start 0", {3, 1, 0}},
        {"count 0", {3, 0, 1}},
        {"record longer than the table", {9, 2, 1}},
        {"group cut by the record's end", {3, -2, 1, 0}},
        {"record length 0", {0, 2, 1}},
    };
    for (const Case &c : cases) {
        StrokeAlphabet a;
        a.fontId = 4;
        a.x = a.y = points;
        a.npoints = 3;
        a.index = c.index.data();
        a.nindex = int32_t(c.index.size());
        a.nrecords = 1;
        a.packed = true;
        GlyphRecordReader reader(a, 2);
        EXPECT_FALSE(reader.valid()) << c.what;
        GlyphGroup g;
        EXPECT_FALSE(reader.next(g)) << c.what;
        EXPECT_EQ(glyphAdvanceUnits(a, 2), -1.0f) << c.what;
    }
    // Index 0 and 1 (the blank) have no record.
    const StrokeAlphabet a = alphabetOf(4, 1);
    EXPECT_FALSE(GlyphRecordReader(a, 0).valid());
    EXPECT_FALSE(GlyphRecordReader(a, 1).valid());
}

// Every ISO code's stroke code holding its letter is checked with the text
// engine's conversions (fonts_test.cpp); here the codes around them.
TEST(StrokeFonts, CodesOutsideTheAccentedLetters) {
    for (int code = 32; code <= 126; ++code)
        EXPECT_EQ(strokeCodeUnicode(code), code);
    EXPECT_EQ(strokeCodeUnicode(133), 0xDF);
    EXPECT_EQ(strokeCodeUnicode(31), 0);
    EXPECT_EQ(strokeCodeUnicode(263), 0);
}

} // namespace
