// Stroke fonts and their alphabets, accented letters by coding and escape
// characters, mixed alphabets and the instruction alphabet.
#include <gtest/gtest.h>

#include <cmath>
#include <iconv.h>
#include <string>

#include "kernel/character_codes.h"
#include "kernel/stroke_text.h"
#include "tests/kernel/text_fixture.h"

[[gnu::weak]] void shdfll(GlobalRecord &rec, int n);

namespace {

class Fonts : public TextTest {};

constexpr float kItalic = 1.0f / 3.732f;
const char *const kAlphabetNames[] = {"", "STAN", "GREE", "MATH", "ITAL", "SCRI", "RUSS"};

void selectFont(int id) {
    switch (StrokeFontId(id)) {
    case StrokeFontId::kavalf: kavalf(); break;
    case StrokeFontId::complx: complx(); break;
    case StrokeFontId::simplx: simplx(); break;
    case StrokeFontId::duplx: duplx(); break;
    case StrokeFontId::triplx: triplx(); break;
    case StrokeFontId::gothic: gothic(); break;
    case StrokeFontId::helve: helve(); break;
    case StrokeFontId::helves: helves(); break;
    case StrokeFontId::serif: serif(); break;
    }
}

// The strokes of character index of the tables of alphabet in font, drawn
// from the corner (500, 500) at height 36 with that alphabet's metrics.
std::vector<PenOp> glyphOps(int font, int alphabet, int index, float slant = 0.0f) {
    const AlphabetMetrics m = strokeAlphabetMetrics(font, alphabet);
    Placement p{500, 500, 36, 0};
    p.unitsX = float(m.unitsX);
    p.unitsY = float(m.unitsY);
    std::vector<PenOp> ops;
    for (const auto &stroke : glyphStrokes(font, alphabet, index)) {
        bool first = true;
        for (const Point &g : stroke) {
            const Point q = p.at(0, g.x, g.y, slant);
            ops.push_back({!first, q.x, q.y});
            first = false;
        }
    }
    return ops;
}

TEST_F(Fonts, EveryFontDrawsEveryAlphabet) {
    const int fonts[] = {1, 3, 4, 5, 6, 7, 11, 12, 14};
    for (int font : fonts)
        for (int alphabet = 1; alphabet <= 6; ++alphabet) {
            const auto ops = hpglOps([&] {
                selectFont(font);
                basalf(kAlphabetNames[alphabet]);
                messag("AZaz", 500, 500);
            });
            const auto standard = hpglOps([&] {
                selectFont(font);
                messag("AZaz", 500, 500);
            });
            EXPECT_GT(ops.size(), 8u) << font << " " << kAlphabetNames[alphabet];
            if (alphabet != 1) {
                EXPECT_FALSE(sameOps(ops, standard)) << font << " " << kAlphabetNames[alphabet];
            }
        }
}

TEST_F(Fonts, CharactersComeFromTheirAlphabetOrTheStandardOne) {
    struct Case {
        int font;
        int alphabet;
        int code;
        int fromAlphabet; // the alphabet whose tables draw it
        int index;        // its character index there
        float slant;
    };
    const Case cases[] = {
        {3, 2, 'A', 2, 2, 0},        // Greek capitals on A..Z
        {3, 2, 'a', 2, 28, 0},       // and small letters on a..z
        {3, 2, '5', 1, '5' - 31, 0}, // a digit from the standard alphabet
        {5, 2, 'b', 2, 29, 0},       // duplx has the complex Greek
        {5, 2, '7', 1, '7' - 31, 0},
        {1, 2, 'a', 2, 28, 0},             // the default font's own Greek
        {4, 4, 'A', 1, 'A' - 31, kItalic}, // italic: the standard glyph slanted
        {4, 4, 'g', 1, 'g' - 31, kItalic},
        {3, 4, 'a', 4, 2, 0},              // complx has italic small letters of its own
        {3, 4, 130, 4, 28, 0},             // and a-umlaut
        {3, 4, 'A', 1, 'A' - 31, kItalic}, // but its capitals are the standard ones slanted
        {7, 4, 'a', 4, 28, 0},             // gothic italic in the Greek layout
        {3, 5, 'A', 5, 2, 0},              // script
        {3, 5, 'a', 5, 28, 0},
        {3, 5, 127, 5, 54, 0},             // A-umlaut in script
        {3, 5, '1', 1, '1' - 31, kItalic}, // a digit: standard, slanted
        {7, 5, '1', 1, '1' - 31, 0},       // but not in gothic
        {3, 6, 'A', 6, 8, 0},              // Cyrillic
        {3, 6, 'a', 6, 38, 0},
        {3, 6, '$', 6, 2, 0},
        {3, 6, '<', 6, 5, 0},
        {3, 6, '!', 1, '!' - 31, 0},
        {3, 3, 'l', 3, 39, 0}, // infinity in the math alphabet
        {3, 3, '.', 1, '.' - 31, 0},
        {11, 2, 'a', 2, 28, 0}, // an outline font's Greek is the stroke Greek
    };
    for (const Case &c : cases) {
        const auto ops = hpglOps([&] {
            selectFont(c.font);
            basalf(kAlphabetNames[c.alphabet]);
            const char text[2] = {char(c.code), '\0'};
            messag(text, 500, 500);
        });
        EXPECT_TRUE(sameOps(ops, glyphOps(c.font, c.fromAlphabet, c.index, c.slant)))
            << "font " << c.font << " " << kAlphabetNames[c.alphabet] << " code " << c.code;
    }
}

TEST_F(Fonts, ShiftCharactersSwitchAlphabetsInsideAString) {
    for (int alphabet = 2; alphabet <= 6; ++alphabet) {
        const auto viaShift = hpglOps([&] {
            complx();
            smxalf(kAlphabetNames[alphabet], "{", "}", 1);
            messag("{ab}", 500, 500);
        });
        const auto viaBase = hpglOps([&] {
            complx();
            basalf(kAlphabetNames[alphabet]);
            messag("ab", 500, 500);
        });
        EXPECT_TRUE(sameOps(viaShift, viaBase, 0.01f)) << kAlphabetNames[alphabet];
    }
    // After the shift-out the string's alphabet returns; M in an instruction
    // shift chooses the alphabet the following characters return to.
    open();
    captureStdout([] {
        smxalf("GREE", "{", "}", 1);
        smxalf("INST", "<", ">", 2);
    });
    EXPECT_EQ(nlmess("{a}b"), nlmess("{a}") + 35);
    EXPECT_EQ(nlmess("<M2>ab"), nlmess("{ab}"));
    EXPECT_EQ(nlmess("<M2>a<MX>b"), nlmess("{a}b"));
    close();
}

TEST_F(Fonts, AScriptCharacterKeepsItsDistanceFromAStandardOne) {
    open();
    captureStdout([] {
        complx();
        basalf("SCRI");
    });
    // Script letters have no gap; a digit after them first moves on by the gap
    // of the standard alphabet, 0.25 h = 9.
    const int a = nlmess("A");
    const int one = nlmess("1");
    EXPECT_NEAR(nlmess("A1"), a + 9 + one, 1);
    EXPECT_NEAR(nlmess("11"), 2 * one + 9, 1);
    close();
}

TEST_F(Fonts, OutlineCharactersAreClosedContoursCollectedForTheFill) {
    GlobalRecord &rec = open("HPGL", "plot.hpg");
    captureStdout([] {
        helve();
        shdcha();
        messag("O", 500, 500);
    });
    // Two contours, and the point the polygon returns to after the second.
    const auto strokes = glyphStrokes(11, 1, 'O' - 31);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(rec.font.nshdcon, int(strokes[0].size() + strokes[1].size() + 1));
    EXPECT_EQ(rec.font.xshdcon[rec.font.nshdcon - 1], rec.font.xshdcon[strokes[0].size() - 1]);
    // The outlines come first; then the fill lines, 2 units apart across the
    // letter, well over a dozen for a letter 36 units high.
    const auto ops = hpglPenOps(close("plot.hpg"));
    const auto outlines = glyphOps(11, 1, 'O' - 31);
    ASSERT_GE(ops.size(), outlines.size());
    EXPECT_TRUE(
        sameOps(std::vector<PenOp>(ops.begin(), ops.begin() + long(outlines.size())), outlines));
    EXPECT_GT(ops.size(), outlines.size() + 2 * 12);
}

// ISO 8859 letters and the stroke-font codes the coding maps them to.
struct IsoCase {
    const char *coding;
    int iso;
    int code;
};
const IsoCase kIsoCases[] = {
    {"ISO1", 196, 127}, {"ISO1", 223, 133}, {"ISO1", 161, 185}, {"ISO1", 191, 186},
    {"ISO1", 233, 154}, {"ISO1", 254, 190}, {"ISO1", 215, 32},  {"ISO1", 170, 32},
    {"ISO2", 169, 195}, {"ISO2", 177, 201}, {"ISO2", 254, 240}, {"ISO2", 160, 32},
    {"ISO3", 171, 241}, {"ISO3", 197, 257}, {"ISO3", 254, 262}, {"ISO3", 248, 260},
    {"ISO3", 165, 32},
};

TEST_F(Fonts, AccentedLettersOfTheIsoCodingsDrawAsMapped) {
    for (const IsoCase &c : kIsoCases) {
        const auto ops = hpglOps([&] {
            complx();
            chacod(c.coding);
            const char text[3] = {'x', char(c.iso), '\0'};
            messag(text, 500, 500);
        });
        const auto x = hpglOps([] {
            complx();
            messag("x", 500, 500);
        });
        // The letter after an x: its strokes are those of its stroke-font code.
        const std::vector<PenOp> letter(ops.begin() + long(x.size()), ops.end());
        const auto expected = c.code == 32 ? std::vector<PenOp>{} : glyphOps(3, 1, c.code - 31);
        open();
        captureStdout([] { complx(); });
        const float advance = float(nlmess("xx") - nlmess("x"));
        close();
        std::vector<PenOp> shifted = expected;
        for (PenOp &op : shifted)
            op.x += advance; // after the x and its gap
        EXPECT_TRUE(sameOps(letter, shifted, 1.0f)) << c.coding << " " << c.iso;
    }
}

// Unicode code point of one byte in an ISO 8859 charset, by the C library;
// -1 for a byte the charset leaves undefined.
int decodeIso(const char *charset, int byte) {
    iconv_t cd = iconv_open("UTF-32LE", charset);
    if (cd == iconv_t(-1)) return -1;
    char in[1] = {char(byte)};
    unsigned char out[4] = {0, 0, 0, 0};
    char *pin = in, *pout = reinterpret_cast<char *>(out);
    size_t nin = 1, nout = 4;
    const size_t r = iconv(cd, &pin, &nin, &pout, &nout);
    iconv_close(cd);
    if (r == size_t(-1)) return -1;
    return out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24;
}

TEST_F(Fonts, EveryCodeOfTheIsoCodingsReachesItsLetterOrABlank) {
    struct Coding {
        int coding;
        const char *charset;
        int letters; // the codes of the charset that the stroke fonts have
    };
    const Coding codings[] = {{1, "ISO-8859-1", 64}, {2, "ISO-8859-2", 81}, {3, "ISO-8859-3", 71}};
    for (const Coding &c : codings) {
        int letters = 0;
        for (int iso = 127; iso <= 255; ++iso) {
            const int code = qqgcod(c.coding, iso);
            if (code == 32) continue;
            ++letters;
            int expected = decodeIso(c.charset, iso);
            if (expected == 0x110)
                expected = 0xD0; // D and d with stroke share the codes of Eth and eth
            if (expected == 0x111) expected = 0xF0;
            EXPECT_EQ(strokeCodeUnicode(code), expected) << c.charset << " " << iso;
        }
        EXPECT_EQ(letters, c.letters) << c.charset;
    }
}

TEST_F(Fonts, TheStandardCodingTakesStrokeFontCodes) {
    // Codes 127..163 of the default font are accented letters; codes above its
    // 132 characters draw as blanks.
    open();
    const char umlaut[2] = {char(127), '\0'};
    const char beyond[3] = {char(200), 'A', '\0'};
    EXPECT_EQ(nlmess(umlaut), 35);
    EXPECT_EQ(nlmess(beyond), 70);
    close();
    const auto blank = hpglOps([] {
        const char text[2] = {char(200), '\0'};
        messag(text, 500, 500);
    });
    EXPECT_TRUE(blank.empty());
}

TEST_F(Fonts, EscapeCharactersGiveTheLettersOfTheCoding) {
    struct Case {
        const char *kind;
        const char *coding;
        const char *text; // with ! as the escape character
        int code;         // the character it gives, in the coding
    };
    const Case cases[] = {
        {"GERM", "STAN", "!A", 127}, {"GERM", "ISO1", "!s", 223}, {"DANI", "STAN", "!e", 139},
        {"DANI", "ISO2", "!A", 32},  {"SPAN", "ISO3", "!n", 241}, {"FREN", "ISO2", "!I", 32},
        {"ACUT", "ISO1", "!u", 250}, {"GRAV", "STAN", "!E", 159}, {"CIRC", "ISO2", "!A", 194},
        {"TURK", "STAN", "!s", 206}, {"TURK", "ISO3", "!G", 171}, {"TURK", "ISO2", "!S", 170},
        {"GERM", "STAN", "!!", '!'},
    };
    for (const Case &c : cases) {
        const auto escaped = hpglOps([&] {
            complx();
            chacod(c.coding);
            eushft(c.kind, "!");
            messag(c.text, 500, 500);
        });
        const auto direct = hpglOps([&] {
            complx();
            chacod(c.coding);
            const char text[2] = {char(c.code), '\0'};
            messag(text, 500, 500);
        });
        EXPECT_TRUE(sameOps(escaped, direct, 0.01f)) << c.kind << " " << c.coding << " " << c.text;
    }
    const std::string out = outputOf([] {
        eushft("GERM", "!");
        EXPECT_EQ(nlmess("x!Q"), 105); // the escape character stays
        messag("y!", 100, 100);        // the last character escapes nothing
        eushft("DANI", "!");
        eushft("DANI", "#");
        EXPECT_EQ(nlmess("!A#A"), 70);
    });
    EXPECT_EQ(out,
              " <<<< Warning  18: Incorrect character after the eushft operator in nlmess!   (x)\n"
              " <<<< Warning  57: Control characters must be different in eushft!\n");
}

TEST_F(Fonts, InstructionCommands) {
    struct Case {
        const char *text;
        int length;
    };
    // h = 36 and the default font: every character 6 units of (h - 1) / 6.
    const Case cases[] = {
        {"{H0.5A2}X", 53},  // height 18, two of its heights on, then an X of 17
        {"{RH}X", 21},      // R runs when H arrives; H at the shift-out: height 22
        {"{A}X", 71},       // one height on
        {"{AX}X", 35},      // A reset: the pen stays
        {"{A-1}XX", 34},    // back by a height
        {"A{Y0.5}BC", 123}, // spacing 0.5 h after each character from here on
        {"{W0.5}AB", 35},   // half as wide
        {"{K}AB", 78},      // fixed width (h - 1) * 0.8 * 1.4 = 39.2
        {"A{K2}B{KX}C", 35 + 98 + 35},
        {"{T100}A", 135},     // from the start of the text
        {"AB{P}CD{G}E", 140}, // back to mark 1: the length is the longest reached
        {"AB{P3}CD{G3}E", 140},
        {"{H0.5}A{HX}B", 52},
        {"{H1.9.5}A", 53}, // a second point starts the decimals again: 1.5
        {"{H-0.5}A", 17},  // a negative factor is taken of the string's height
        {"{F2}A", 105},    // two blanks
        {"{C}A", 35},      // the default font has no gap
        {"{I}A{R}B", 56},  // a small index character, then back
        {"{E}A{EX}B", 56},
        {"{U}A{D0.5}B{UX}C", 105},
        {"{O}A{S3}B", 35 + 36 + 35}, // an inline symbol: the height on
    };
    for (const Case &c : cases) {
        open();
        captureStdout([] { smxalf("INST", "{", "}", 1); });
        EXPECT_EQ(nlmess(c.text), c.length) << c.text;
        close();
    }
}

TEST_F(Fonts, InstructionErrors) {
    struct Case {
        const char *text;
        const char *output;
    };
    const Case cases[] = {
        {"{Q}", " <<<< Warning  46: Instruction code: unknown command in messag!\n"},
        {"{P21}", " <<<< Warning  44: Instruction code: incorrect tabulator index in messag!\n"},
        {"{P0}", " <<<< Warning  44: Instruction code: incorrect tabulator index in messag!\n"},
        {"{P1.5}", " <<<< Warning  45: Instruction code: no integer value in messag!\n"},
        {"{GX}", " <<<< Warning  45: Instruction code: no integer value in messag!\n"},
        {"{TX}", " <<<< Warning  45: Instruction code: no integer value in messag!\n"},
        {"{S30}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{I2}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{RX}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{Z70}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{M7}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{N256}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{H1x}", " <<<< Warning  43: Instruction code: incorrect parameter in messag!\n"},
        {"{H2}A{Q", ""}, // a command still pending at the end is not run
    };
    for (const Case &c : cases) {
        const std::string out = outputOf([&] {
            smxalf("INST", "{", "}", 1);
            messag(c.text, 100, 100);
        });
        EXPECT_EQ(out, c.output) << c.text;
    }
}

TEST_F(Fonts, InstructionLinesRunFromAMarkToThePen) {
    struct Case {
        const char *command;
        std::vector<float> offsets; // below the baseline, in character heights
    };
    const Case cases[] = {{"L", {0.2f}}, {"J", {0.2f, 0.4f}}, {"V", {-0.5f}}};
    for (const Case &c : cases) {
        const std::string text = std::string("AB{P}CD{") + c.command + "}";
        const auto plain = hpglOps([] { messag("ABCD", 100, 100); });
        const auto ops = hpglOps([&] {
            smxalf("INST", "{", "}", 1);
            messag(text.c_str(), 100, 100);
        });
        ASSERT_EQ(ops.size(), plain.size() + 2 * c.offsets.size()) << c.command;
        for (std::size_t i = 0; i < c.offsets.size(); ++i) {
            const PenOp &from = ops[plain.size() + 2 * i];
            const PenOp &to = ops[plain.size() + 2 * i + 1];
            const float y = std::round(135 + 36 * c.offsets[i]); // the baseline is at 100 + (h - 1)
            EXPECT_EQ(from, (PenOp{false, 170, y})) << c.command;
            EXPECT_EQ(to, (PenOp{true, 240, y})) << c.command;
        }
    }
}

TEST_F(Fonts, MixedAlphabetSettersAndTheirChecks) {
    open();
    const std::string out = captureStdout([] {
        smxalf("STAN", "{", "}", 1); // the base alphabet
        smxalf("GREE", "{", "}", 7);
        smxalf("GREE", "<", ">", 3);
        smxalf("INST", "[", "]", 5);
        char in[2] = "?", outc[2] = "?";
        EXPECT_EQ(gmxalf("GREE", in, outc), 3);
        EXPECT_STREQ(in, "<");
        EXPECT_STREQ(outc, ">");
        EXPECT_EQ(gmxalf("INST", in, outc), 5);
        EXPECT_EQ(gmxalf("RUSS", in, outc), 0);
        EXPECT_STREQ(in, " ");
        EXPECT_STREQ(outc, " ");
        // After the base alphabet changed, a slot defined for the new base still works.
        basalf("GREE");
        EXPECT_EQ(nlmess("<a>"), nlmess("a"));
    });
    EXPECT_EQ(out, " <<<< Warning  19: The basealphabet cannot be used in smxalf!\n"
                   " <<<< Warning   2: Incorrect parameter in smxalf!   (   7)\n");
    close();
}

} // namespace
