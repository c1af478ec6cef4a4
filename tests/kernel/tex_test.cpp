// The formula notation: lengths, scripts, fractions, roots, limits, over- and
// underlines, vectors, commands, and the syntax errors.
#include <gtest/gtest.h>

#include <string>

#include "kernel/dispatch.h"
#include "tests/kernel/text_fixture.h"

namespace {

class Tex : public TextTest {
  protected:
    // Pen operations of a formula at (100, 100), height 36, default font.
    std::vector<PenOp> formula(const std::string &text, const std::function<void()> &setting = {}) {
        return hpglOps([&] {
            texmod("ON");
            if (setting) setting();
            messag(text.c_str(), 100, 100);
        });
    }
    int length(const std::string &text, const std::function<void()> &setting = {}) {
        int n = 0;
        open();
        captureStdout([&] {
            texmod("ON");
            if (setting) setting();
            n = nlmess(text.c_str());
        });
        close();
        return n;
    }
};

constexpr float kItalic = 1.0f / 3.732f;
constexpr float kBaseline = 135; // of a text at y = 100, height 36

std::string repeated(const std::string &piece, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += piece;
    return s;
}

TEST_F(Tex, EachSyntaxErrorIsReportedAndNothingIsDrawn) {
    struct Case {
        std::string text;
        const char *message;
    };
    const Case cases[] = {
        {"$x^{a^{b^{c^{d^{e^{f^{g^{h^i}}}}}}}}$", "Too many nested exponents/indices"},
        {"$x^a^b$", "Syntax error for Indices/Exponents"},
        {"$x_a^b_c$", "Syntax error for Indices/Exponents"},
        {"a}b", "Unbalanced parenthesis"},
        {repeated("{", 9) + "a" + repeated("}", 9), "Too many nested parenthesis"},
        {"\\frac a b", "Syntax error for fractions"},
        {repeated("\\frac{a}{b}", 21), "Too many fractions"},
        {"\\frac{a}b", "Missing denominator for fractions"},
        {repeated("\\sqrt", 9) + " x", "Too many nested roots"},
        {"$\\sqrt[{]}{x}$", "Syntax error - missing root"},
        {"\\overline x", "Syntax error for overstrike"},
        {"\\underline x", "Syntax error for understrike"},
        {"\\vec x", "Syntax error for vec"},
        {"\\foo", "Unknown TeX command"},
        {"$a\\not =b$", "Unknown TeX command"}, // not= only with the = right after not
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        const std::string out = captureStdout([&] {
            texmod("ON");
            const int before = rec.core.nvector;
            messag(c.text.c_str(), 100, 100);
            sendbf();
            EXPECT_EQ(rec.core.nvector, before) << c.text;
            EXPECT_EQ(nlmess(c.text.c_str()), 0) << c.text;
        });
        const std::string line = std::string(" <<<< Warning 101: ") + c.message + " in messag!\n";
        EXPECT_EQ(out, line + line) << c.text; // once for messag, once for nlmess
        close();
    }
}

TEST_F(Tex, TheLimitsOfNestingAreAccepted) {
    const std::string accepted[] = {
        "$x^{a^{b^{c^{d^{e^{f^{g^h}}}}}}}$", // eight scripts
        repeated("{", 8) + "a" + repeated("}", 8),
        repeated("\\frac{a}{b}", 20),
        repeated("\\sqrt", 8) + " x",
        "{{a", // groups still open at the end
        "$a\\not=b$",
    };
    for (const std::string &text : accepted) {
        open();
        const std::string out = captureStdout([&] {
            texmod("ON");
            EXPECT_GT(nlmess(text.c_str()), 0) << text;
        });
        EXPECT_EQ(out, "") << text;
        close();
    }
}

TEST_F(Tex, LengthsOfCommandsAndText) {
    EXPECT_EQ(length("\\quad"), 36);
    EXPECT_EQ(length("\\qquad"), 72);
    EXPECT_EQ(length("a\\quad b"), 106); // the blank that ends a command word is taken with it
    EXPECT_EQ(length("\\Large A"), 51);  // base height trunc(36 * 1.44 + 0.5) = 52
    EXPECT_EQ(length("$\\scriptstyle A$"), 21); // 0.6 h = 22
    EXPECT_EQ(length("$\\sin x$"), 140);        // function names upright, no gap in this font
    EXPECT_EQ(length("ABC def"), 245);          // plain text measures as without the notation
    EXPECT_LT(length("$x^2$"), length("$x2$"));
    EXPECT_EQ(length("$x^2$"), 35 + 21); // the exponent at 0.6 h = 22
    // An exponent and an index share their start; the pen ends after the longer.
    EXPECT_EQ(length("$x^{ab}_{c}$"), length("$x^{ab}$"));
    EXPECT_EQ(length("$x^{a}_{cde}$"), length("$x_{cde}$"));
    EXPECT_EQ(length("$x^{ab}$", [] { texval(0.5f, "EXP"); }),
              35 + 2 * 10); // trunc(36 * 0.6 * 0.5 + 0.5) = 11
    // Escaped structural characters are ordinary.
    EXPECT_EQ(length("\\{\\$\\}"), 105);
}

TEST_F(Tex, ItalicLettersInMathModeAndTheOptionThatTurnsThemOff) {
    const auto complex = [] { complx(); };
    const int upright = length("ab", complex);
    EXPECT_NE(length("$ab$", complex), upright);
    EXPECT_EQ(length("$ab$",
                     [] {
                         complx();
                         texopt("OFF", "ITAL");
                     }),
              upright);
    EXPECT_EQ(length("$\\rm ab$", complex),
              upright); // an alphabet command ends the automatic italic
    // Greek letters by name.
    open();
    captureStdout([] {
        complx();
        basalf("GREE");
    });
    const int greek = nlmess("abcW"); // gamma sits on c
    close();
    EXPECT_EQ(length("$\\alpha\\beta\\gamma\\Omega$", complex), greek);
}

TEST_F(Tex, AnExponentIsRaisedAtScriptHeight) {
    // The italic x, then the 2 at trunc(0.6 h + 0.5) = 22, raised 1.1 * 22.
    const auto ops = formula("$x^2$");
    std::vector<PenOp> expected = expectedOps({100, 100, 36, 0}, "x", 35, 1, 1, kItalic);
    for (const PenOp &op : expectedOps({135, kBaseline - 24.2f - 21, 22, 0}, "2", 21))
        expected.push_back(op);
    EXPECT_TRUE(sameOps(ops, expected));
    // An index goes 0.6 * 22 down; an exponent in an index is cramped: 0.9.
    const auto index = formula("$x_2$");
    expected = expectedOps({100, 100, 36, 0}, "x", 35, 1, 1, kItalic);
    for (const PenOp &op : expectedOps({135, kBaseline + 13.2f - 21, 22, 0}, "2", 21))
        expected.push_back(op);
    EXPECT_TRUE(sameOps(index, expected));
}

TEST_F(Tex, ExponentAndIndexOfOneBaseStartTogether) {
    const auto both = formula("$x^{ab}_{cd}$");
    const auto exponent = formula("$x^{ab}$");
    const auto index = formula("$x_{cd}$");
    const auto x = formula("$x$");
    std::vector<PenOp> expected = exponent;
    expected.insert(expected.end(), index.begin() + long(x.size()), index.end());
    EXPECT_TRUE(sameOps(both, expected, 0.01f));
}

// Horizontal segments of at least minLength: (y, x1, x2).
struct Segment {
    float y, x1, x2;
};
std::vector<Segment> horizontals(const std::vector<PenOp> &ops, float minLength) {
    std::vector<Segment> found;
    for (std::size_t i = 1; i < ops.size(); ++i)
        if (ops[i].draw && ops[i].y == ops[i - 1].y &&
            std::fabs(ops[i].x - ops[i - 1].x) >= minLength)
            found.push_back(
                {ops[i].y, std::min(ops[i].x, ops[i - 1].x), std::max(ops[i].x, ops[i - 1].x)});
    return found;
}

TEST_F(Tex, AFractionCentresItsPartsOnTheBar) {
    const auto ops = formula("$\\frac{a}{bbb}$");
    const auto bars = horizontals(ops, 50);
    ASSERT_EQ(bars.size(), 1u);
    // The bar: 0.42 h above the baseline, as wide as the wider part.
    EXPECT_NEAR(bars[0].y, kBaseline - 0.42f * 36, 0.3f);
    EXPECT_NEAR(bars[0].x1, 100, 0.3f);
    EXPECT_NEAR(bars[0].x2, 100 + 105, 0.3f);
    const auto a = formula("$a$");
    const auto bbb = formula("$bbb$");
    // The numerator above, centred: 35 on; the denominator below, its top 0.3 h under the bar.
    const Bounds num = boundsOf(ops, 0, a.size());
    const Bounds den = boundsOf(ops, a.size(), a.size() + bbb.size());
    EXPECT_LT(num.y2, bars[0].y);
    EXPECT_GT(den.y1, bars[0].y);
    const Bounds aAlone = boundsOf(a);
    EXPECT_NEAR(num.x1 - aAlone.x1, 35, 0.5f);
    // The numerator's baseline 0.3 h above the bar; the denominator's top (its
    // height 36 above its baseline) 0.3 h below.
    EXPECT_NEAR(num.y2, bars[0].y - 0.3f * 36, 0.5f);
    EXPECT_NEAR(boundsOf(bbb).y2 - den.y2, (kBaseline) - (bars[0].y + 0.3f * 36 + 36), 0.5f);
    EXPECT_EQ(length("$\\frac{a}{bbb}$"), 105);
}

TEST_F(Tex, NestedFractionsStayClearOfTheOuterBar) {
    const std::size_t a = formula("$a$").size(), c = formula("$c$").size();
    // A fraction in the numerator: its strokes (before the outer c and bar)
    // all lie above the outer bar, which is drawn last.
    auto ops = formula("$\\frac{\\frac{a}{b}}{c}$");
    auto bars = horizontals(ops, 20);
    ASSERT_EQ(bars.size(), 2u);
    const Bounds innerAbove = boundsOf(ops, 0, ops.size() - c - 2);
    EXPECT_LT(innerAbove.y2, bars[1].y - 0.3f * 36 + 0.5f); // its lowest point 0.3 h above the bar
    // One in the denominator: its strokes (after the outer a) all lie below.
    ops = formula("$\\frac{a}{\\frac{b}{c}}$");
    bars = horizontals(ops, 20);
    ASSERT_EQ(bars.size(), 2u);
    const Bounds innerBelow = boundsOf(ops, a, ops.size() - 2);
    EXPECT_GT(innerBelow.y1, bars[1].y + 0.3f * 36 - 0.5f); // its top 0.3 h below the bar
    EXPECT_GT(length("$\\frac{\\frac{a}{b}}{c}$"), 0);
}

TEST_F(Tex, TheRootSignSpansItsBody) {
    const auto ops = formula("$\\sqrt{x}$");
    ASSERT_GE(ops.size(), 7u);
    // The sign: five points from (0, h/2) over the foot to the top line, then
    // the thick stroke of the foot; q = h/4 = 9, top 0.4 h above the body's 36.
    const std::vector<PenOp> sign(ops.end() - 7, ops.end());
    const float top = kBaseline - 0.4f * 36 - 36;
    const std::vector<PenOp> expected = {
        {false, 100, kBaseline - 18},  {true, 109, kBaseline - 18},
        {true, 118, kBaseline},        {true, 136, top},
        {true, 100 + 43.2f + 35, top}, {false, 109 - 3.6f, kBaseline - 18},
        {true, 118 - 3.6f, kBaseline},
    };
    EXPECT_TRUE(sameOps(sign, expected));
    // The body starts 1.2 h on; the pen ends after it, then the gap.
    EXPECT_EQ(length("$\\sqrt{x}$"), 43 + 35);
    EXPECT_GT(length("$\\sqrt[3]{x}$"), 0);
}

TEST_F(Tex, OverAndUnderlinesClearTheirGroup) {
    struct Case {
        const char *text;
        float level; // y of the line
        float x2;    // its end
    };
    const Case cases[] = {
        {"$\\overline{AB}$", kBaseline - 36 - 10.8f, 170}, // 0.3 h above the tall letters
        {"$\\overline{ac}$", kBaseline - 36, 170},         // 0.3 h lower without them
        // Nested: the inner line 0.3 h per open overline above the top, the
        // outer one 0.3 h above the group that holds the inner line.
        {"$\\overline{\\overline{A}}$", kBaseline - 36 - 21.6f - 10.8f, 135},
        {"$\\underline{ab}$", kBaseline + 10.8f, 170},        // 0.3 h below the baseline
        {"$\\underline{gy}$", kBaseline + 10.8f + 7.2f, 170}, // lower under descenders
        {"$\\vec{AB}$", kBaseline - 36 - 10.8f, 170},
    };
    for (const Case &c : cases) {
        const auto lines = horizontals(formula(c.text), 30);
        ASSERT_FALSE(lines.empty()) << c.text;
        EXPECT_NEAR(lines.back().y, c.level, 0.3f) << c.text;
        EXPECT_NEAR(lines.back().x1, 100, 0.3f) << c.text;
        EXPECT_NEAR(lines.back().x2, c.x2, 0.3f) << c.text;
    }
    // The vector ends in an arrowhead: two strokes back from its end.
    const auto vec = formula("$\\vec{AB}$");
    const std::vector<PenOp> head(vec.end() - 3, vec.end());
    const float y = kBaseline - 36 - 10.8f, g = 0.15f * 36;
    EXPECT_TRUE(
        sameOps(head, {{false, 170 - 2 * g, y - g}, {true, 170, y}, {true, 170 - 2 * g, y + g}}));
}

TEST_F(Tex, LimitsAboveAndBelowABigOperator) {
    const auto complex = [] { complx(); };
    const auto sum = formula("$\\sum$", complex);
    const auto ops = formula("$\\sum_{a}^{a}$", complex);
    const Bounds op = boundsOf(sum);
    const auto aOps = formula("$a$", complex);
    const Bounds lower = boundsOf(ops, sum.size(), sum.size() + aOps.size());
    const Bounds upper = boundsOf(ops, sum.size() + aOps.size());
    // Centred by their advance, which holds the gap after the limit.
    EXPECT_NEAR((lower.x1 + lower.x2) / 2, (op.x1 + op.x2) / 2, 4.0f);
    EXPECT_NEAR((upper.x1 + upper.x2) / 2, (op.x1 + op.x2) / 2, 4.0f);
    EXPECT_LT(upper.y2, op.y1);
    EXPECT_GT(lower.y1, op.y2);
    // The limits of an integral stand half a height apart.
    const auto integral = formula("$\\int_{a}^{a}$", complex);
    const auto intOnly = formula("$\\int$", complex);
    const Bounds il = boundsOf(integral, intOnly.size(), intOnly.size() + aOps.size());
    const Bounds iu = boundsOf(integral, intOnly.size() + aOps.size());
    EXPECT_NEAR(iu.x1 - il.x1, 36, 0.5f);
    // Without limits the scripts follow the operator.
    const auto scripts = formula("$\\sum\\nolimits_{a}^{a}$", complex);
    EXPECT_GT(boundsOf(scripts, sum.size()).x1, op.x2);
    const auto off = formula("$\\sum_{a}^{a}$", [] {
        complx();
        texopt("OFF", "LIMI");
    });
    EXPECT_TRUE(sameOps(off, scripts, 0.01f));
}

TEST_F(Tex, ColoursOfAGroupReturnAtItsEnd) {
    GlobalRecord &rec = open("HPGL", "plot.hpg");
    // Named colours are RGB values; the 8-bit HPGL device takes the nearest table entry.
    const int red = qqgidx(rec, 255, 0, 0);
    const int current = rec.colour.ncolor;
    captureStdout([] {
        texmod("ON");
        messag("{\\red A}B", 100, 100);
        EXPECT_EQ(nlmess("{\\blue A}"), 35);
    });
    EXPECT_EQ(rec.colour.ncolor, current);
    const std::string hpgl = close("plot.hpg");
    const std::string sp = "SP" + std::to_string(red) + ";";
    const std::string back = "SP" + std::to_string(current) + ";";
    const auto at = hpgl.find(sp);
    ASSERT_NE(at, std::string::npos) << sp << hpgl;
    EXPECT_NE(hpgl.find(back, at), std::string::npos);
    EXPECT_EQ(hpgl.find("SP" + std::to_string(qqgidx(rec, 0, 0, 255)) + ";"),
              std::string::npos); // measuring sets no colour
}

} // namespace
