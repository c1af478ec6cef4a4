// Legends: the caller's buffer, the size of the box, its place at the corners
// of the page and of the axis system, the patterns of line, marker and area
// entries, the texts, and the warnings for bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "kernel/record.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/kernel/pen_trace.h"

namespace {

// With the default settings a character is 36 plot units high and the line
// step s = 36 * 1.5 = 54: the margin m = 0.5 * s = 27 and the gap from the
// edges of the page or the axis system g = trunc(36 * 0.5) = 18.
constexpr int kStep = 54, kMargin = 27, kGap = 18;

class Legends : public AxisTest {
  protected:
    char buf[30 * 80 + 1] = {};

    // A legend of the texts, one entry each.
    void fill(const std::vector<const char *> &texts, int length = 20) {
        captureStdout([&] {
            legini(buf, int(texts.size()), length);
            for (std::size_t i = 0; i < texts.size(); ++i)
                leglin(buf, texts[i], int(i) + 1);
        });
    }
    std::string entry(int i, int length) const {
        return std::string(buf + (i - 1) * length, std::size_t(length));
    }
};

TEST_F(Legends, EntriesAreBlankPaddedAndStayInTheirPlace) {
    open();
    std::memset(buf, 'X', 19);
    std::string out = captureStdout([&] {
        legini(buf, 3, 6);
        leglin(buf, "abc", 1);
        leglin(buf, "abcdef", 2);  // exactly the entry length
        leglin(buf, "abcdefg", 3); // one more: refused
    });
    EXPECT_EQ(buf[0], 'a');
    EXPECT_EQ(entry(1, 6), "abc   ");
    EXPECT_EQ(entry(2, 6), "abcdef");
    EXPECT_EQ(entry(3, 6), "XXXXXX");
    EXPECT_EQ(out, " <<<< Warning  16: Too long string for legend line in leglin!   (abcdefg)\n");

    // Blanks past the entry's end do not count and are not copied into the
    // next entry, nor past the buffer.
    out = captureStdout([&] { leglin(buf, "ab        ", 3); });
    EXPECT_EQ(out, "");
    EXPECT_EQ(entry(3, 6), "ab    ");
    EXPECT_EQ(buf[18], 'X');
    EXPECT_EQ(entry(2, 6), "abcdef");

    // A new legend starts with an empty first byte.
    captureStdout([&] { legini(buf, 3, 6); });
    EXPECT_EQ(buf[0], '\0');
    close();
}

TEST_F(Legends, BadInputIsReportedAndChangesNothing) {
    struct Case {
        const char *what;
        std::function<void(char *)> body;
        const char *warnings;
    };
    const Case cases[] = {
        {"leglin before legini", [](char *b) { leglin(b, "a", 1); },
         " <<<< Warning  15: No call to legini before in leglin!\n"},
        {"setters before legini",
         [](char *) {
             legtit("T");
             legpos(10, 10);
             legopt(1, 1, 1);
             legpat(0, 1, -1, -1, -1, 1);
         },
         " <<<< Warning  15: No call to legini before in legtit!\n"
         " <<<< Warning  15: No call to legini before in legpos!\n"
         " <<<< Warning  15: No call to legini before in legopt!\n"
         " <<<< Warning  15: No call to legini before in legpat!\n"},
        {"sizes before legini",
         [](char *b) {
             EXPECT_EQ(nxlegn(b), 0);
             EXPECT_EQ(nylegn(b), 0);
         },
         " <<<< Warning  15: No call to legini before in nxlegn!\n"
         " <<<< Warning  15: No call to legini before in nylegn!\n"},
        {"legini out of range", [](char *b) { legini(b, 31, 81); },
         " <<<< Warning   2: Incorrect parameter in legini!   (  31)\n"
         " <<<< Warning   2: Incorrect parameter in legini!   (  81)\n"},
        {"entry numbers out of range",
         [](char *b) {
             legini(b, 3, 10);
             leglin(b, "a", 0);
             leglin(b, "a", 4);
         },
         " <<<< Warning   2: Incorrect parameter in leglin!   (   0)\n"
         " <<<< Warning   2: Incorrect parameter in leglin!   (   4)\n"},
        {"legopt factors",
         [](char *b) {
             legini(b, 3, 10);
             legopt(-1.0f, 0.0f, 1.0f);
             EXPECT_EQ(currentRecord().legend.xlegopt[0], 4.0f);
         },
         " <<<< Warning   2: Incorrect parameter in legopt!   (  -1)\n"
         " <<<< Warning   2: Incorrect parameter in legopt!   (   0)\n"},
        {"legpat values",
         [](char *b) {
             legini(b, 3, 10);
             legpat(8, 0, 22, -2, 5, 31);
             legpat(0, 1, -1, -1, -1, 0);
             EXPECT_EQ(currentRecord().legend.ilegpat, 0);
             EXPECT_EQ(std::string(currentRecord().legend.clegdef, 3), "   ");
         },
         " <<<< Warning   2: Incorrect parameter in legpat!   (   8)\n"
         " <<<< Warning   2: Incorrect parameter in legpat!   (   0)\n"
         " <<<< Warning   2: Incorrect parameter in legpat!   (  22)\n"
         " <<<< Warning   2: Incorrect parameter in legpat!   (  -2)\n"
         " <<<< Warning   2: Incorrect parameter in legpat!   (  31)\n"
         " <<<< Warning   2: Incorrect parameter in legpat!   (   0)\n"},
        {"legend outside an axis system",
         [](char *b) {
             legini(b, 1, 10);
             legend(b, 1);
         },
         " <<<< Warning   3: Incorrect level in legend!   (   1)\n"},
        // Without a buffer nothing is read or written.
        {"no buffer",
         [](char *b) {
             legini(b, 2, 10);
             legini(nullptr, 3, 10);
             EXPECT_EQ(currentRecord().legend.nleglin, 2);
             leglin(nullptr, "a", 1);
             EXPECT_EQ(nxlegn(nullptr), 0);
             EXPECT_EQ(nylegn(nullptr), 0);
         },
         " <<<< Warning   2: Incorrect parameter in legini!   (   0)\n"
         " <<<< Warning   2: Incorrect parameter in leglin!   (   0)\n"
         " <<<< Warning   2: Incorrect parameter in nxlegn!   (   0)\n"
         " <<<< Warning   2: Incorrect parameter in nylegn!   (   0)\n"},
        {"unknown reset keyword", [](char *) { reset("LEGX"); },
         " <<<< Warning   2: Incorrect parameter in reset!   (LEGX)\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open();
        std::memset(buf, 'X', 40);
        EXPECT_EQ(captureStdout([&] { c.body(buf); }), c.warnings);
        close();
    }
}

TEST_F(Legends, SizeFollowsTextsTitleFrameAndFactors) {
    open();
    captureStdout([] { height(36); });
    const int wide = nlmess("a wider entry");
    const int title = nlmess("WWWWWWWWWWWWWWWWWWWW");
    struct Case {
        const char *what;
        std::function<void(char *)> setting;
        int width, height;
    };
    // Three entries, frame 1: width = text + 2 m + 5 characters of pattern and
    // gap + 2 frame; height = 36 + 2 s + 2 m + 2 frame + 1.5 s of title.
    const Case cases[] = {
        {"defaults", {}, wide + 2 * kMargin + 180 + 2, 36 + 2 * kStep + 2 * kMargin + 2 + 81},
        {"no title", [](char *) { legtit(""); }, wide + 2 * kMargin + 180 + 2,
         36 + 2 * kStep + 2 * kMargin + 2},
        {"no frame", [](char *) { frame(0); }, wide + 2 * kMargin + 180,
         36 + 2 * kStep + 2 * kMargin + 81},
        {"negative frame", [](char *) { frame(-3); }, wide + 2 * kMargin + 180,
         36 + 2 * kStep + 2 * kMargin + 81},
        {"thick frame", [](char *) { frame(4); }, wide + 2 * kMargin + 180 + 8,
         36 + 2 * kStep + 2 * kMargin + 8 + 81},
        {"no pattern", [](char *) { legopt(0.0f, 0.5f, 1.0f); }, wide + 2 * kMargin + 2,
         36 + 2 * kStep + 2 * kMargin + 2 + 81},
        // Margin 1 s: 2 * 54 wide and high; pattern 2 characters and the gap.
        {"other factors", [](char *) { legopt(2.0f, 1.0f, 1.0f); }, wide + 2 * kStep + 108 + 2,
         36 + 2 * kStep + 2 * kStep + 2 + 81},
        // Only the first 20 characters are kept.
        {"title wider than the entries", [](char *) { legtit("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW"); },
         title + 2 * kMargin + 2, 36 + 2 * kStep + 2 * kMargin + 2 + 81},
        // "a/wider entry" becomes two lines, each measured alone; the extra
        // line adds xf3 * s, counted twice.
        {"two text lines",
         [](char *b) {
             mixleg();
             leglin(b, "a wider/entry", 2);
         },
         nlmess("a wider") + 2 * kMargin + 180 + 2,
         36 + 2 * kStep + 2 * kMargin + 2 + 81 + 2 * kStep},
        {"two text lines spaced wider",
         [](char *b) {
             mixleg();
             leglin(b, "a wider/entry", 2);
             legopt(4.0f, 0.5f, 2.0f);
         },
         nlmess("a wider") + 2 * kMargin + 180 + 2,
         36 + 2 * kStep + 2 * kMargin + 2 + 81 + 4 * kStep},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        captureStdout([&] {
            frame(1);
            reset("MIXL");
        });
        fill({"one", "a wider entry", "two"});
        EXPECT_EQ(currentRecord().legend.nlegwth, wide + 2 * kMargin + 180 + 2);
        if (c.setting) captureStdout([&] { c.setting(buf); });
        EXPECT_EQ(nxlegn(buf), c.width);
        EXPECT_EQ(nylegn(buf), c.height);
    }
    close();
}

// The frame of thickness 1 is the ring of the rectangle from (x, y), w - 2 by
// h - 2 (it grows outwards onto the box's edge at x + w - 2 and y + h - 2).
TEST_F(Legends, StandsAtTheCornersOfThePageAndTheAxisSystem) {
    for (int corner = 1; corner <= 9; ++corner) {
        SCOPED_TRACE(corner);
        GlobalRecord &rec = openHpgl();
        standardAxes(true);
        fill({"first", "second"});
        captureStdout([] { frame(1); });
        const int w = nxlegn(buf), h = nylegn(buf);
        const int px = rec.page.nxpage, py = rec.page.nypage;
        // The standard axes span x 200..1200 and y 700..1200.
        const int left[] = {kGap,       px - w - kGap,   px - w - kGap,   kGap,
                            200 + kGap, 1200 - w - kGap, 1200 - w - kGap, 200 + kGap};
        const int top[] = {py - h - kGap,   py - h - kGap,   kGap,       kGap,
                           1200 - h - kGap, 1200 - h - kGap, 700 + kGap, 700 + kGap};
        const std::string out = captureStdout([&] { legend(buf, corner); });
        const int userDrawing = rec.page.iusrdrw;
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        if (corner == 9) {
            EXPECT_EQ(
                out,
                " <<<< Warning  42: More legend lines than calls to curve in legend!   (   2)\n"
                " <<<< Warning   2: Incorrect parameter in legend!   (   9)\n");
            EXPECT_TRUE(drawn.empty());
            EXPECT_EQ(userDrawing, 0); // later page positions are mirrored again
            continue;
        }
        EXPECT_EQ(out,
                  " <<<< Warning  42: More legend lines than calls to curve in legend!   (   2)\n");
        const float x = float(left[corner - 1]), y = float(top[corner - 1]);
        const float x2 = x + float(w - 3), y2 = y + float(h - 3);
        EXPECT_EQ(drawn.count(segment(x, y, x2, y)), 1u);
        EXPECT_EQ(drawn.count(segment(x2, y, x2, y2)), 1u);
        EXPECT_EQ(drawn.count(segment(x, y2, x2, y2)), 1u);
        EXPECT_EQ(drawn.count(segment(x, y, x, y2)), 1u);
        // Everything else lies inside the box.
        for (const Segment &s : drawn) {
            EXPECT_GE(std::min(s.x1, s.x2), x);
            EXPECT_LE(std::max(s.x1, s.x2), x2);
            EXPECT_GE(std::min(s.y1, s.y2), y);
            EXPECT_LE(std::max(s.y1, s.y2), y2);
        }
    }
}

TEST_F(Legends, LegposPlacesTheBoxAndMirrorsForABottomOrigin) {
    for (const bool bottom : {false, true}) {
        SCOPED_TRACE(bottom);
        GlobalRecord &rec = openHpgl();
        if (bottom) captureStdout([] { pagorg("BOTTOM"); });
        standardAxes(true);
        fill({"first"});
        captureStdout([&] {
            frame(-2);
            legtit("");
            legpos(300, 400);
            legend(buf, 9); // the corner is not used after legpos
        });
        const int w = nxlegn(buf), h = nylegn(buf);
        const float y = float(bottom ? rec.page.nypage - 400 : 400);
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        // A negative frame: rings from the box's edge inwards.
        for (int ring = 0; ring < 2; ++ring) {
            const float x1 = 300.0f + float(ring), y1 = y + float(ring);
            const float x2 = 300.0f + float(w - 1 - ring), y2 = y + float(h - 1 - ring);
            EXPECT_EQ(drawn.count(segment(x1, y1, x2, y1)), 1u) << ring;
            EXPECT_EQ(drawn.count(segment(x1, y2, x2, y2)), 1u) << ring;
        }
    }
}

// Entries by hand at legpos (300, 400), no title, no frame: the patterns run
// from x1 = 300 + 27 to x2 = x1 + 4 * 36, the first centred on 400 + 27 + 18.
TEST_F(Legends, PatternsOfLineMarkerAndAreaEntries) {
    GlobalRecord &rec = openHpgl();
    standardAxes(true);
    fill({"thick", "marker", "area", "not defined"});
    const int colourBefore = rec.colour.ncolor, patternBefore = rec.fill.nshdpat;
    const int symbolBefore = rec.symbol.nhsymb, dashesBefore = rec.line.ndashel;
    const std::string out = captureStdout([] {
        frame(0);
        legtit("");
        legpos(300, 400);
        legpat(0, 3, -1, -1, -1, 1); // solid, three strokes
        legpat(-1, 1, 3, -1, -1, 2); // a marker alone
        legpat(0, 1, -1, -1, 16, 3); // a solid area
        lintyp(2);
        legend(nullptr, 1);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in legend!   (   0)\n");
    const int dashed = rec.line.ndashel;
    const std::string warnings = captureStdout([&] { legend(buf, 1); });
    EXPECT_EQ(warnings, " <<<< Warning 105: Undefined legend line in legend!   (   4)\n");
    // The drawing state is given back.
    EXPECT_EQ(rec.colour.ncolor, colourBefore);
    EXPECT_EQ(rec.fill.nshdpat, patternBefore);
    EXPECT_EQ(rec.symbol.nhsymb, symbolBefore);
    EXPECT_EQ(rec.line.ndashel, dashed);
    EXPECT_NE(dashed, dashesBefore);
    EXPECT_EQ(rec.line.xlinoff, 0.0f);
    EXPECT_EQ(rec.page.iusrdrw, 0);

    const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
    const float x1 = 327, x2 = 471, yc = 445;
    // Strokes at the centre line and one unit on either side.
    for (const float dy : {0.0f, -1.0f, 1.0f})
        EXPECT_EQ(drawn.count(segment(x1, yc + dy, x2, yc + dy)), 1u) << dy;
    // The marker (28 units high) about (399, 499); no line there.
    int markerSegments = 0;
    for (const Segment &s : drawn) {
        if (std::min(s.x1, s.x2) >= 399 - 15 && std::max(s.x1, s.x2) <= 399 + 15 &&
            std::min(s.y1, s.y2) >= 499 - 15 && std::max(s.y1, s.y2) <= 499 + 15)
            ++markerSegments;
        EXPECT_FALSE(s.y1 == 499 && s.y2 == 499 && s.x1 == x1 && s.x2 == x2);
    }
    EXPECT_GE(markerSegments, 2);
    // The area: one character high about 553, outlined.
    EXPECT_EQ(drawn.count(segment(x1, 535, x2, 535)), 1u);
    EXPECT_GE(drawn.count(segment(x1, 570, x2, 570)), 1u);
    EXPECT_GE(drawn.count(segment(x1, 535, x1, 570)), 1u);
    // Entry 4, not defined by legpat, gets no pattern: nothing left of the
    // texts about its centre line 607.
    for (const Segment &s : drawn)
        EXPECT_FALSE(std::max(s.y1, s.y2) > 590 && std::min(s.x1, s.x2) < x2)
            << s.x1 << "," << s.y1;
}

// An entry of two text lines pushes the next pattern down by the extra line:
// trunc(1 * 54 * 2 + 54) = 162 below the first.
TEST_F(Legends, PatternsMakeRoomForEntriesOfSeveralLines) {
    openHpgl();
    standardAxes(true);
    fill({"one/two", "three"});
    captureStdout([&] {
        mixleg();
        legopt(4.0f, 0.5f, 2.0f);
        frame(0);
        legtit("");
        legpos(300, 400);
        legpat(0, 1, -1, -1, -1, 1);
        legpat(0, 1, -1, -1, -1, 2);
        legend(buf, 1);
    });
    const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
    EXPECT_EQ(drawn.count(segment(327, 445, 471, 445)), 1u);
    EXPECT_EQ(drawn.count(segment(327, 607, 471, 607)), 1u);
    EXPECT_EQ(drawn.count(segment(327, 499, 471, 499)), 0u);
}

// Texts read back from a PDF in Helvetica: the title centred over the box,
// the entries after the pattern and a gap of one character, one line step
// apart; markers alone move pattern and texts left.
TEST_F(Legends, TextsBesideThePatterns) {
    struct Case {
        const char *what;
        std::function<void()> setting;
        float textX;    // left of the entry texts
        float secondDy; // from the first entry's top to the second's
    };
    // Box at x = 300: texts at 300 + 27 + 144 + 36 = 507. Entry 2 has a line
    // but where said.
    const Case cases[] = {
        {"lines", [] {}, 507, kStep},
        // d = trunc((4 - 0.8) * 36 / 4) = 28.
        {"markers alone", [] { legpat(-1, 1, 3, -1, -1, 2); }, 507 - 28, kStep},
        {"no pattern", [] { legopt(0.0f, 0.5f, 1.0f); }, 327, kStep},
        // Markers alone and no pattern: d = trunc(-0.8 * 36 / 4) = -7.
        {"markers alone, no pattern",
         [] {
             legpat(-1, 1, 3, -1, -1, 2);
             legopt(0.0f, 0.5f, 1.0f);
         },
         327 + 7, kStep},
        // "Second/line" makes the second entry two lines; its first line is
        // still one step below the first entry.
        {"two lines",
         [] {
             mixleg();
             legopt(4.0f, 0.5f, 2.0f);
         },
         507, kStep},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openPdf();
        standardAxes(true);
        fill({"Alpha", "Second/line", "Gamma"});
        captureStdout([&] {
            frame(0);
            legtit("Heading");
            legpat(-1, 1, 3, -1, -1, 1);
            legpat(0, 1, -1, -1, -1, 2);
            legpat(-1, 1, 3, -1, -1, 3);
            legpos(300, 400);
            c.setting();
            legend(buf, 1);
        });
        const int w = nxlegn(buf);
        const std::vector<Word> words = closePdf();
        const Word title = wordOf(words, "Heading"), first = wordOf(words, "Alpha");
        const Word third = wordOf(words, "Gamma");
        EXPECT_NEAR(title.centreX(), 300 + w / 2.0f, 3);
        EXPECT_NEAR(title.y1, 400 + kMargin, 8);
        EXPECT_NEAR(first.y1 - title.y1, 81, 2); // 1.5 line steps below the title
        EXPECT_NEAR(first.x1, c.textX, 3);
        EXPECT_NEAR(third.x1, c.textX, 3);
        if (std::string(c.what) == "two lines") {
            const Word part = wordOf(words, "Second"), line = wordOf(words, "line");
            EXPECT_NEAR(part.y1 - first.y1, c.secondDy, 2);
            EXPECT_NEAR(line.y1 - part.y1, 2 * kStep, 2); // xf3 = 2 line steps
            EXPECT_NEAR(third.y1 - line.y1, kStep, 2);
        } else {
            const Word second = wordOf(words, "Second/line");
            EXPECT_NEAR(second.y1 - first.y1, c.secondDy, 2);
            EXPECT_NEAR(third.y1 - second.y1, kStep, 2);
        }
    }
}

// Curves record their entries; legclr draws each text in its entry's colour.
TEST_F(Legends, CurveEntriesAndTextColours) {
    GlobalRecord &rec = open("GKSL");
    standardAxes(true);
    fill({"red", "green"});
    const float x[2] = {1, 2}, y[2] = {1, 2};
    captureStdout([&] {
        color("red");
        curve(x, y, 2);
        color("green");
        chnatt();
        curve(x, y, 2);
        color("fore");
        legclr();
        frame(0);
        legtit("");
        legpos(300, 400);
    });
    EXPECT_NE(rec.legend.nlegclr[0], rec.legend.nlegclr[1]);
    EXPECT_EQ(captureStdout([&] { legend(buf, 1); }), ""); // two curves, two entries
    const std::vector<std::string> trace = penTrace(close(), rec);
    // Each entry's line at its centre line, after its colour.
    auto colourBefore = [&](std::vector<std::string>::const_iterator it) {
        return *std::find_if(std::make_reverse_iterator(it), trace.rend(),
                             [](const std::string &l) { return l[0] == 'C'; });
    };
    const auto redLine = std::find(trace.begin(), trace.end(), "D 471 445");
    const auto greenLine = std::find(trace.begin(), trace.end(), "D 471 499");
    ASSERT_NE(redLine, trace.end());
    ASSERT_NE(greenLine, trace.end());
    const std::string redColour = colourBefore(redLine), greenColour = colourBefore(greenLine);
    EXPECT_NE(redColour, greenColour);
    // The texts follow the patterns, each after its entry's colour, right of
    // the patterns and within its line.
    const auto redText = std::find(greenLine, trace.end(), redColour);
    const auto greenText = std::find(redText, trace.end(), greenColour);
    ASSERT_NE(greenText, trace.end());
    int draws = 0;
    for (auto it = redText + 1; it != greenText; ++it) {
        float px = 0, py = 0;
        ASSERT_EQ(std::sscanf(it->c_str() + 2, "%f %f", &px, &py), 2) << *it;
        EXPECT_GE(px, 507) << *it;
        EXPECT_GE(py, 400 + kMargin) << *it;
        EXPECT_LE(py, 400 + kMargin + 36) << *it;
        draws += (*it)[0] == 'D';
    }
    EXPECT_GT(draws, 5);
}

// With legend shields on, the first curve keeps the box that leglin measured
// free (at legpos, or in the upper-right corner of the axis system); legend
// takes the shield away before it draws itself.
TEST_F(Legends, ShieldKeepsCurvesOutOfTheBox) {
    struct Case {
        const char *what;
        bool shielded, placed;
    };
    for (const Case c : {Case{"off", false, true}, Case{"at legpos", true, true},
                         Case{"in the corner", true, false}}) {
        SCOPED_TRACE(c.what);
        openHpgl();
        standardAxes(true);
        fill({"entry"});
        captureStdout([&] {
            frame(1);
            if (c.shielded) shield("LEGE", "ON");
            if (c.placed) legpos(500, 650);
        });
        const int w = currentRecord().legend.nlegwth, h = currentRecord().legend.nleghgt;
        const float left = c.placed ? 500.0f : float(1200 - w);
        const float top = c.placed ? 650.0f : 700.0f;
        // A curve across the box's middle; the axes span y 700..1200.
        const float yUser = (1200.0f - (top + float(h) / 2)) / 100.0f;
        const float x[2] = {0, 10}, y[2] = {yUser, yUser};
        captureStdout([&] { curve(x, y, 2); });
        captureStdout([&] {
            legend(buf, 7);
            endgrf(); // the next plot's first curve is entry 1 again
        });
        const float yc = 1200.0f - yUser * 100.0f;
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        int across = 0, inBox = 0;
        for (const Segment &s : drawn) {
            if (s.y1 != yc || s.y2 != yc) continue;
            if (s.x1 < left && s.x2 > left + float(w - 1)) ++across;
            if (s.x2 > left && s.x1 < left + float(w - 1)) ++inBox;
        }
        EXPECT_EQ(across, c.shielded ? 0 : 1);
        EXPECT_EQ(inBox, c.shielded ? 0 : 1);
        if (c.shielded) {
            EXPECT_EQ(drawn.count(segment(200, yc, left, yc)), 1u);
            EXPECT_EQ(currentRecord().shield.nshield, 0); // legend removed the shield
        }
    }
}

// A plot closed inside its axis system leaves neither its curve numbers nor
// its legend to the next one: the same calls draw the same plot (with the
// same warnings) however many plots came before, and a legend that the new
// plot did not start is refused.
TEST_F(Legends, EveryPlotStartsWithoutALegend) {
    struct Drawn {
        std::string file, messages;
        bool operator==(const Drawn &) const = default;
    };
    auto draw = [&](int curves) {
        open("HPGL", "plot.hpg");
        standardAxes(true);
        fill({"one", "two", "three"});
        const std::string messages = captureStdout([&] {
            float x[2] = {0, 10}, y[2] = {1, 2};
            for (int i = 0; i < curves; ++i) {
                y[1] += 1;
                curve(x, y, 2);
            }
            legend(buf, 3);
        });
        return Drawn{close("plot.hpg"), messages};
    };
    const Drawn first = draw(2);
    EXPECT_EQ(first.messages,
              " <<<< Warning  42: More legend lines than calls to curve in legend!   (   1)\n");
    draw(3);
    EXPECT_TRUE(draw(2) == first);

    open();
    standardAxes(true);
    EXPECT_EQ(captureStdout([&] { legend(buf, 3); }),
              " <<<< Warning  15: No call to legini before in legend!\n");
    close();
}

TEST_F(Legends, ResetKeywordsSwitchColoursAndLinesOff) {
    open();
    captureStdout([] {
        legclr();
        mixleg();
    });
    EXPECT_EQ(currentRecord().legend.ilegclr, 1);
    EXPECT_EQ(currentRecord().legend.imixleg, 1);
    captureStdout([] { reset("LEGC"); });
    EXPECT_EQ(currentRecord().legend.ilegclr, 0);
    EXPECT_EQ(currentRecord().legend.imixleg, 1);
    captureStdout([] { reset("MIXL"); });
    EXPECT_EQ(currentRecord().legend.imixleg, 0);
    close();
}

} // namespace
