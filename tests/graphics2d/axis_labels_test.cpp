// Labels, names and titles where the axes put them, read back from PDF files
// in a PostScript font (pdftotext finds each word and its box); ticks of
// logarithmic and date axes; the colours of the axis parts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"
#include "tests/kernel/pen_trace.h"

namespace {

class AxisLabels : public AxisTest {};

// pdftotext boxes a word by its font's ascent and descent, not by the
// character height the library places texts with: a few units apart.
constexpr float kFontBox = 4.0f;

std::vector<std::string> textsOf(const std::vector<Word> &words) {
    std::vector<std::string> texts;
    for (const Word &w : words)
        texts.push_back(w.text);
    return texts;
}

TEST_F(AxisLabels, NumbersNamesAndTitleAroundTheAxisSystem) {
    openPdf();
    captureStdout([] {
        name("Distance", "X");
        name("Height", "Y");
        titlin("Line one", 1);
        titlin("Line four", 4);
    });
    standardAxes(false);
    captureStdout([] { title(); });
    const std::vector<Word> words = closePdf();
    // X labels centred under their ticks, their tops at the tick and label
    // distances (24 + 24) below the axis.
    std::vector<Word> below, left;
    for (const Word &w : words) {
        if (w.y1 > 1200) below.push_back(w);
        if (w.x2 < 200) left.push_back(w);
    }
    for (int v = 0; v <= 10; v += 2) {
        const Word w = wordOf(below, std::to_string(v) + ".0");
        EXPECT_NEAR(w.centreX(), 200 + 100 * v, 1.0) << w.text;
        EXPECT_NEAR(w.y1, 1248, kFontBox) << w.text;
    }
    // Y labels right-justified at the label distance left of the ticks,
    // centred on their ticks.
    for (int v = 0; v <= 5; ++v) {
        const Word w = wordOf(left, std::to_string(v) + ".0");
        EXPECT_NEAR(w.x2, 152, 1.0) << w.text;
        EXPECT_NEAR(w.centreY(), 1200 - 100 * v, kFontBox) << w.text;
    }
    // The X name centred under the labels: axis, ticks, labels (36 high) and
    // the name distance.
    const Word x = wordOf(words, "Distance");
    EXPECT_NEAR(x.centreX(), 700, 1.0);
    EXPECT_NEAR(x.y1, 1200 + 24 + 24 + 36 + 30, kFontBox);
    // The Y name turned upwards left of the labels, centred on the axis.
    const Word y = wordOf(words, "Height");
    EXPECT_LT(y.x2, wordOf(words, "5.0").x1);
    EXPECT_NEAR(y.centreY(), 950, 1.0);
    EXPECT_GT(y.y2 - y.y1, y.x2 - y.x1);
    // Title lines in fixed slots: line 4 nearest the axis system, three line
    // spacings (1.5 h each) below line 1; the last slot 3 h above the axis system.
    const Word one = wordOf(words, "one"), four = wordOf(words, "four");
    EXPECT_NEAR(four.y1 - one.y1, 3 * 1.5 * 36, 1.0);
    EXPECT_NEAR(four.y1, 699 - 3 * 36, kFontBox);
    EXPECT_NEAR((wordOf(words, "Line").x1 + one.x2) / 2, 700, 1.0);
}

TEST_F(AxisLabels, AutomaticScalingLabelsItsOwnSteps) {
    GlobalRecord &rec = openPdf();
    std::vector<float> x(98), y(98);
    for (int i = 0; i < 98; ++i) {
        x[i] = float(i);
        y[i] = 0.2f + 1.5f * std::sin(float(i) / 10.0f);
    }
    captureStdout([&] {
        setscl(x.data(), 98, "X");
        setscl(y.data(), 98, "Y");
        titlin("Scaled", 2);
        graf(0, 0, 0, 0, 0, 0, 0, 0);
        title();
        curve(x.data(), y.data(), 98);
    });
    // 0..97 on 1980 units: 1980 / 9 leaves room for a label every 10.
    float a = 0, e = 0, first = 0, step = 0;
    getgrf(&a, &e, &first, &step, "X");
    EXPECT_FLOAT_EQ(step, 10.0f);
    EXPECT_EQ(rec.axsys.naxslen[0], 1980);
    const int cx = rec.axsys.naxspos[0], cy = rec.axsys.naxspos[1];
    const int lx = rec.axsys.naxslen[0];
    std::vector<int> xTicks;
    for (int v = 0; v <= 90; v += 10)
        xTicks.push_back(nxposn(float(v)));
    getgrf(&a, &e, &first, &step, "Y");
    std::vector<std::pair<std::string, int>> yTicks;
    for (float v = first; v <= e + 1e-4f; v += step) {
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", double(v));
        yTicks.push_back({text, nyposn(v)});
    }
    const std::vector<Word> words = closePdf();
    std::vector<Word> below, left;
    for (const Word &w : words) {
        if (w.y1 > cy) below.push_back(w);
        if (w.x2 < cx) left.push_back(w);
    }
    for (int k = 0; k < 10; ++k) {
        const Word w = wordOf(below, std::to_string(10 * k)); // integer labels: digits -1
        EXPECT_NEAR(w.centreX(), xTicks[k], 1.0) << w.text;
        EXPECT_NEAR(w.y1, cy + 48, kFontBox) << w.text;
    }
    ASSERT_GE(yTicks.size(), 4u);
    for (const auto &[text, tick] : yTicks) {
        const Word w = wordOf(left, text);
        EXPECT_NEAR(w.x2, cx - 48, 1.0) << text;
        EXPECT_NEAR(w.centreY(), tick, kFontBox) << text;
    }
    EXPECT_NEAR(wordOf(words, "Scaled").centreX(), cx + lx / 2.0, 1.0);
}

TEST_F(AxisLabels, TitlesBelowAndFlushWithASide) {
    openPdf();
    captureStdout([] {
        titlin("Below", 2);
        titpos("BELO");
        titjus("RIGH");
        vkytit(10);
    });
    standardAxes(true);
    captureStdout([] { title(); });
    const Word w = wordOf(closePdf(), "Below");
    EXPECT_NEAR(w.x2, 1201, 1.0);
    EXPECT_NEAR(w.y1, 1200 - 10 + 1.5 * 36 + 4 * 36, kFontBox); // line 2, 4 h below
}

TEST_F(AxisLabels, LfttitPutsTheTitleFlushLeft) {
    openPdf();
    captureStdout([] {
        titlin("Leftwards", 1);
        lfttit();
    });
    standardAxes(true);
    captureStdout([] { title(); });
    EXPECT_NEAR(wordOf(closePdf(), "Leftwards").x1, 200, 1.0);
}

// User labels stand flush left on their axis; rgtlab aligns their right ends.
TEST_F(AxisLabels, RgtlabAlignsTheRightEndsOfUserLabels) {
    for (const bool right : {false, true}) {
        openPdf();
        captureStdout([right] {
            labels("MYLAB", "Y");
            mylab("Wider", 1, "Y");
            mylab("W", 2, "Y");
            if (right) rgtlab();
        });
        standardAxes(false);
        const std::vector<Word> words = closePdf();
        const Word wide = wordOf(words, "Wider"), narrow = wordOf(words, "W");
        const float lefts = std::fabs(wide.x1 - narrow.x1), rights = std::fabs(wide.x2 - narrow.x2);
        EXPECT_LT(right ? rights : lefts, 1.5f) << right;
        EXPECT_GT(right ? lefts : rights, 40.0f) << right;
    }
}

// The name of a right-hand Y axis reads downwards; rvynam turns it to read
// upwards, like the left axis's name.
TEST_F(AxisLabels, RvynamTurnsTheRightAxisNameToReadUpwards) {
    float direction[2][2] = {};
    for (const bool reversed : {false, true}) {
        captureStdout([] { pdfmod("OFF", "COMPRESSION"); });
        openPdf();
        captureStdout([reversed] {
            setgrf("NONE", "NONE", "NONE", "NAME");
            name("Right", "Y");
            if (reversed) rvynam();
        });
        standardAxes(false);
        const std::string pdf = close("plot.pdf");
        // The text matrix of the name's first letter.
        static const std::regex kMatrix(
            R"(([-0-9.]+) ([-0-9.]+) [-0-9.]+ [-0-9.]+ [-0-9.]+ [-0-9.]+ Tm\n\(R\) Tj)");
        std::smatch m;
        ASSERT_TRUE(std::regex_search(pdf, m, kMatrix)) << reversed;
        direction[reversed][0] = std::stof(m[1].str());
        direction[reversed][1] = std::stof(m[2].str());
    }
    EXPECT_GT(std::hypot(direction[0][0], direction[0][1]), 0.5f);
    EXPECT_NEAR(direction[1][0], -direction[0][0], 0.01f);
    EXPECT_NEAR(direction[1][1], -direction[0][1], 0.01f);
}

// Title lines stand the line spacing factor times the text height apart.
TEST_F(AxisLabels, LinespSpacesTheTitleLines) {
    for (const float factor : {1.5f, 3.0f, 1.0f}) {
        openPdf();
        captureStdout([factor] {
            titlin("First", 1);
            titlin("Second", 2);
            linesp(factor);
        });
        standardAxes(true);
        captureStdout([] { title(); });
        const std::vector<Word> words = closePdf();
        EXPECT_NEAR(wordOf(words, "Second").y1 - wordOf(words, "First").y1, factor * 36, 1.5)
            << factor;
    }
}

TEST_F(AxisLabels, UnderlinedTitleLine) {
    openHpgl();
    captureStdout([] { titlin("Under", -1); });
    standardAxes(true);
    const int w = nlmess("Under");
    captureStdout([] { title(); });
    // Line 1 above: 1200 - 501 - 3 * 1.5 * 36 - 3 * 36 = 429; the line 1.2 h lower,
    // half a height beyond the text on each side.
    const int x = 200 + (1001 - w) / 2;
    const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
    EXPECT_EQ(drawn.count(segment(float(x - 18), 472, float(x + w + 18), 472)), 1u);
}

TEST_F(AxisLabels, LabelKindsAndTheirTexts) {
    struct Case {
        const char *what;
        std::function<void()> setting;
        float axis[8];                  // graf's eight values
        std::vector<std::string> texts; // every word, in the order of the file
    };
    const Case cases[] = {
        {"two digits and ends only",
         [] {
             digits(2, "X");
             axends("ENDS", "X");
         },
         {0, 10, 0, 2, 0, 5, 0, 5},
         {"0.00", "10.00"}},
        {"integers, all but the first",
         [] {
             intax();
             axends("NOFI", "X");
         },
         {0, 10, 0, 5, 0, 5, 0, 5},
         {"5", "10"}},
        // Exponent labels: the mantissa, then the exponent raised.
        {"EXP",
         [] { labels("EXP", "X"); },
         {0, 20000, 0, 10000, 0, 5, 0, 5},
         {"0.0*10", "0", "1.0*10", "4", "2.0*10", "4"}},
        {"FEXP", [] { labels("FEXP", "X"); }, {0, 20000, 0, 20000, 0, 5, 0, 5}, {"0.0E0", "2.0E4"}},
        // Powers of ten on a logarithmic axis: "10" with the exponent raised.
        {"LOG",
         [] {
             scale("LOG", "X");
             labels("LOG", "X");
             digits(-1, "X");
         },
         {0, 2, 0, 1, 0, 5, 0, 5},
         {"10", "0", "10", "1", "10", "2"}},
        {"values on a log axis",
         [] { scale("LOG", "X"); },
         {0, 2, 0, 1, 0, 5, 0, 5},
         {"1.0", "10.0", "100.0"}},
        {"ELOG",
         [] {
             scale("LOG", "X");
             labels("ELOG", "X");
         },
         {0, 2, 0, 1, 0, 5, 0, 5},
         {"0.0", "1.0", "2.0"}},
        {"hours and minutes with colons",
         [] {
             labels("TIME", "X");
             timopt();
         },
         {0, 86400, 0, 43200, 0, 5, 0, 5},
         {"00:00", "12:00", "00:00"}},
        {"hours", [] { labels("HOUR", "X"); }, {0, 86400, 3600, 43200, 0, 5, 0, 5}, {"1", "13"}},
        {"seconds",
         [] { labels("SECO", "X"); },
         {3540, 3600, 3570, 30, 0, 5, 0, 5},
         {"005930", "010000"}},
        // Half a minute short of the hour rounds up to it.
        {"minutes rounded",
         [] { labels("TIME", "X"); },
         {3570, 7170, 3570, 3600, 0, 5, 0, 5},
         {"0100", "0200"}},
        {"degrees",
         [] { labels("MAP", "X"); },
         {-90, 90, -90, 90, 0, 5, 0, 5},
         {"90.0", "o", "W", "0.0", "o", "90.0", "o", "E"}},
        {"user labels, backwards",
         [] {
             labels("MYLA", "X");
             mylab("Mon", 1, "X");
             mylab("Tue", 2, "X");
             mylab("Wed", 3, "X");
             currentRecord().axes.nmylab[0] = -3;
         },
         {0, 2, 0, 1, 0, 5, 0, 5},
         {"Wed", "Tue", "Mon"}},
    };
    for (const Case &c : cases) {
        openPdf();
        captureStdout([&] {
            labels("NONE", "Y");
            if (c.setting) c.setting();
            axspos(200, 1200);
            axslen(1001, 501);
            const float *a = c.axis;
            graf(a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7]);
        });
        EXPECT_EQ(textsOf(closePdf()), c.texts) << c.what;
    }
}

TEST_F(AxisLabels, DatesInEnglishAndGerman) {
    struct Case {
        std::function<void()> setting;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        // Day number, month name and full year by default.
        {{}, {"1-Mar-2020", "8-Mar-2020"}},
        {[] {
             labmod("DAY", "NAME", "X");
             labmod("MONTH", "NAME", "X");
             labmod("YEAR", "NONE", "X");
             labmod("CASE", "UPPE", "X");
             labmod("SEP", " ", "X");
         },
         {"SUN", "MAR", "SUN", "MAR"}},
        // German: the umlaut of March, Saturday as "Sa".
        {[] {
             labmod("LANG", "GERM", "X");
             labmod("DAY", "NAME", "X");
             labmod("MONTH", "NAME", "X");
             labmod("FORM", "YMD", "X");
             labmod("YEAR", "SHORT", "X");
         },
         {"20-Mär-So", "20-Mär-So"}},
        {[] {
             labmod("DAY", "LONG", "X");
             labmod("MONTH", "TINY", "X");
             labmod("FORM", "MDY", "X");
             labmod("SEP", "/", "X");
         },
         {"M/01/2020", "M/08/2020"}},
    };
    for (const Case &c : cases) {
        openPdf();
        captureStdout([&] {
            basdat(1, 3, 2020); // a Sunday
            labels("NONE", "Y");
            labels("DATE", "X");
            if (c.setting) c.setting();
            axspos(200, 1200);
            axslen(1001, 501);
            graf(0, 7, 0, 7, 0, 5, 0, 5);
        });
        EXPECT_EQ(textsOf(closePdf()), c.texts);
    }
}

TEST_F(AxisLabels, MonthStepsLabelTheFirstDays) {
    openPdf();
    captureStdout([] {
        basdat(1, 1, 2021);
        labels("NONE", "Y");
        labels("DATE", "X");
        labmod("STEP", "QUAR", "X");
        labmod("DAY", "NONE", "X");
        labmod("MONTH", "NAME", "X");
        labmod("YEAR", "NONE", "X");
        axspos(200, 1200);
        axslen(1001, 501);
        graf(0, 365, 0, 1, 0, 5, 0, 5); // 2021: 365 days
    });
    const std::vector<Word> words = closePdf();
    EXPECT_EQ(textsOf(words), (std::vector<std::string>{"Jan", "Apr", "Jul", "Oct", "Jan"}));
    // 1 July is day 181 of 365.
    EXPECT_NEAR(wordOf(words, "Jul").centreX(), 200 + 181 * 1000.0 / 365, 1.0);
}

TEST_F(AxisLabels, PositionsOrientationAndJustification) {
    openPdf();
    captureStdout([] {
        labpos("CENT", "X"); // between the ticks
        labtyp("VERT", "Y"); // turned
        labjus("LEFT", "Y");
        name("", "XY");
    });
    standardAxes(false);
    const std::vector<Word> words = closePdf();
    // Five labels between six ticks: 0, 2, 4, 6, 8 moved half a step.
    const Word first = wordOf(words, "0.0");
    EXPECT_NEAR(first.centreX(), 300, 1.0);
    EXPECT_EQ(std::count_if(words.begin(), words.end(), [](const Word &w) { return w.y1 > 1200; }),
              5);
    // Vertical Y labels run upwards, centred on their ticks.
    const Word y = wordOf(words, "3.0");
    EXPECT_GT(y.y2 - y.y1, y.x2 - y.x1);
    EXPECT_NEAR(y.centreY(), 900, 2.0);
}

TEST_F(AxisLabels, DistancesTickPositionsAndJustification) {
    struct Case {
        const char *what;
        std::function<void()> setting;
        float labelTop; // top of the X labels
        float nameTop;  // top of the X name
        float nameLeft; // left end of the X name, or 0: centred on the axis
        float yRight;   // right end of the Y label "3.0", or 0: its left end at yLeft
        float yLeft;
    };
    const Case cases[] = {
        {"defaults", {}, 1248, 1200 + 48 + 36 + 30, 0, 152, 0},
        {"label distance", [] { labdis(60, "XY"); }, 1284, 1200 + 84 + 36 + 30, 0, 116, 0},
        {"name distance and height",
         [] {
             namdis(100, "X");
             hname(50);
         },
         1248, 1200 + 48 + 36 + 100, 0, 152, 0},
        // Reversed ticks leave the labels at the label distance alone.
        {"ticks reversed", [] { ticpos("REVE", "XY"); }, 1224, 1200 + 24 + 36 + 30, 0, 176, 0},
        {"ticks centred", [] { ticpos("CENT", "XY"); }, 1236, 1200 + 36 + 36 + 30, 0, 164, 0},
        {"name flush left", [] { namjus("LEFT", "X"); }, 1248, 1200 + 48 + 36 + 30, 200, 152, 0},
        // Left-justified Y labels start the longest label's length (all are
        // as long) before the label distance.
        {"Y labels flush left", [] { labjus("LEFT", "Y"); }, 1248, 1200 + 48 + 36 + 30, 0, 0, 152},
    };
    for (const Case &c : cases) {
        openPdf();
        captureStdout([&] {
            name("Abscissa", "X");
            if (c.setting) c.setting();
        });
        standardAxes(false);
        const int longest = nlmess("3.0");
        const std::vector<Word> words = closePdf();
        std::vector<Word> below, left;
        for (const Word &w : words) {
            if (w.y1 > 1200) below.push_back(w);
            if (w.x2 < 200) left.push_back(w);
        }
        EXPECT_NEAR(wordOf(below, "4.0").y1, c.labelTop, kFontBox) << c.what;
        const Word name = wordOf(below, "Abscissa");
        EXPECT_NEAR(name.y1, c.nameTop, 2 * kFontBox) << c.what;
        if (c.nameLeft != 0)
            EXPECT_NEAR(name.x1, c.nameLeft, 1.0) << c.what;
        else
            EXPECT_NEAR(name.centreX(), 700, 1.0) << c.what;
        const Word y = wordOf(left, "3.0");
        if (c.yRight != 0)
            EXPECT_NEAR(y.x2, c.yRight, 1.0) << c.what;
        else
            EXPECT_NEAR(y.x1, c.yLeft - float(longest), 1.0) << c.what;
    }
}

TEST_F(AxisLabels, ShiftedLabelsStayInsideTheAxis) {
    openPdf();
    captureStdout([] {
        labpos("SHIF", "X");
        labels("NONE", "Y");
    });
    standardAxes(false);
    const std::vector<Word> words = closePdf();
    EXPECT_NEAR(wordOf(words, "0.0").x1, 200, 1.0);
    EXPECT_NEAR(wordOf(words, "10.0").x2, 1201, 1.0);
    EXPECT_NEAR(wordOf(words, "4.0").centreX(), 600, 1.0);
}

TEST_F(AxisLabels, LogarithmicAxesHaveMinorTicksInEachDecade) {
    openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "Y");
        noline("XY");
        frame(0);
        setgrf("TICK", "NONE", "NONE", "NONE");
        scale("LOG", "X");
        axspos(200, 1200);
        axslen(1001, 501);
        graf(0, 2, 0, 1, 0, 5, 0, 5);
    });
    std::multiset<Segment> expected;
    for (int d = 0; d <= 2; ++d)
        expected.insert(segment(200 + 500 * d, 1200, 200 + 500 * d, 1224));
    for (int d = 0; d < 2; ++d)
        for (int m = 2; m <= 9; ++m) {
            const int x = 200 + d * 500 + int(std::lround(std::log10(m) * 500));
            expected.insert(segment(x, 1200, x, 1216));
        }
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(AxisLabels, DateAxesTickEveryDay) {
    openHpgl();
    captureStdout([] {
        basdat(1, 1, 2021);
        labels("NONE", "Y");
        labels("DATE", "X");
        labmod("STEP", "MONT", "X");
        ticmod("DAYS", "X");
        ticks(0, "Y");
        noline("XY");
        frame(0);
        setgrf("TICK", "NONE", "NONE", "NONE");
        axspos(200, 1200);
        axslen(591, 501);
        graf(0, 59, 0, 1, 0, 5, 0, 5); // January and February 2021
    });
    // Majors at 1 January, 1 February and 1 March, a minor at every day.
    std::multiset<Segment> expected;
    for (int d : {0, 31, 59})
        expected.insert(segment(200 + 10 * d, 1200, 200 + 10 * d, 1224));
    for (int d = 0; d <= 59; ++d)
        expected.insert(segment(200 + 10 * d, 1200, 200 + 10 * d, 1216));
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

// Beyond 2^24 a float holds only every second day: the day ticks fall on
// those, and the walk over the days still ends.
TEST_F(AxisLabels, DayTicksOfFarDayNumbersEnd) {
    openHpgl();
    captureStdout([] {
        labels("NONE", "Y");
        labels("DATE", "X");
        labmod("STEP", "MONT", "X");
        ticmod("DAYS", "X");
        ticks(0, "Y");
        noline("XY");
        frame(0);
        setgrf("TICK", "NONE", "NONE", "NONE");
        axspos(200, 1200);
        axslen(581, 501);
        graf(2.0e7f, 2.0e7f + 58, 2.0e7f, 1, 0, 5, 0, 5);
    });
    std::set<float> minors;
    for (const Segment &s : segmentsOf(closeHpgl()))
        if (s.y2 - s.y1 == 16) minors.insert(s.x1);
    std::set<float> expected;
    for (int d = 0; d <= 58; d += 2)
        expected.insert(float(200 + 10 * d));
    EXPECT_EQ(minors, expected);
}

TEST_F(AxisLabels, EachPartOfAnAxisInItsColour) {
    GlobalRecord &rec = open();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(1, "X");
        frame(0);
        setgrf("TICK", "NONE", "NONE", "NONE");
        axclrs(2, "LINE", "X");
        axclrs(3, "TICK", "X");
        color("FORE");
        axspos(200, 1200);
        axslen(1001, 501);
        graf(0, 10, 0, 5, 0, 5, 0, 5);
    });
    const std::vector<std::string> trace = penTrace(close(), rec);
    // The line in colour 2, the ticks in colour 3, each followed by the
    // current colour (FORE, 255) again.
    const std::vector<std::string> expected = {
        "C 255",       "C 2",         "M 200 1200", "D 1200 1200", "C 255",
        "C 3",         "M 200 1200",  "D 200 1224", "M 700 1224",  "D 700 1200",
        "M 1200 1200", "D 1200 1224", "C 255"};
    ASSERT_GE(trace.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(trace.begin(), trace.begin() + expected.size()), expected);
    EXPECT_EQ(trace.back(), "C 255");
}

} // namespace
