// Fills, hatching patterns and shields seen from C programs: HPGL rendered by
// hp2xx, text metafile coordinates, and the warnings of full tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/kernel/pen_trace.h"
#include "tests/support/c_program.h"
#include "tests/support/hpgl_raster.h"
#include "tests/support/temp_dir.h"
#include "tests/support/text.h"

namespace {

// Marks at two corners of the page fix the extent of an HPGL picture and
// where the page lies in it, so that hp2xx renders every plot alike.
const char *kCornerMarks = "line(0, 0, 2, 0); line(2967, 2099, 2969, 2099);";

struct Point {
    int x, y;
};

// Ink points of a rectangle of the page.
std::vector<Point> inkIn(const HpglRaster &b, int x1, int y1, int x2, int y2) {
    std::vector<Point> points;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (b.ink(x, y)) points.push_back({x, y});
    return points;
}

// A family of hatch lines: at angle degrees (y up), a group of drawn lines
// spacing apart, repeated every period.
struct Family {
    float angle, spacing, period;
    int drawn;
    // Distance across the lines, measured along their normal.
    float across(const Point &p) const {
        const float a = angle * 3.1415927f / 180.0f;
        return float(p.x) * std::sin(a) + float(p.y) * std::cos(a);
    }
    // Width of a group of lines drawn with a pen of 3 pixels, and a pixel to spare.
    float width() const { return float(drawn - 1) * spacing + 4.0f; }
};

float positiveMod(float v, float m) {
    const float r = std::fmod(v, m);
    return r < 0 ? r + m : r;
}

// Where the groups of a family start (modulo the period): the phase whose
// window holds the most ink.
float bestPhase(const Family &f, const std::vector<Point> &ink) {
    std::vector<float> across; // of each point, computed once for all phases
    across.reserve(ink.size());
    for (const Point &p : ink)
        across.push_back(f.across(p));
    float best = 0;
    std::size_t most = 0;
    for (float phase = 0; phase < f.period; phase += 0.25f) {
        std::size_t n = 0;
        for (const float a : across)
            if (positiveMod(a - phase, f.period) < f.width()) ++n;
        if (n > most) {
            most = n;
            best = phase;
        }
    }
    return best;
}

bool onFamily(const Family &f, float phase, const Point &p) {
    return positiveMod(f.across(p) - phase, f.period) < f.width();
}

struct Pattern {
    int number;
    int angle, type, density, cross;
};

// The pattern table, as the fill must draw it.
const Pattern kPatterns[] = {
    {0, 0, 0, 0, 0},   {1, 45, 1, 5, 0},  {2, 150, 4, 5, 0}, {3, 135, 1, 5, 0}, {4, 45, 4, 5, 0},
    {5, 45, 1, 5, 1},  {6, 135, 2, 1, 0}, {7, 45, 4, 5, 1},  {8, 30, 1, 4, 0},  {9, 45, 2, 1, 1},
    {10, 0, 1, 5, 1},  {11, 45, 3, 1, 0}, {12, 70, 4, 7, 0}, {13, 45, 3, 1, 1}, {14, 0, 4, 5, 1},
    {15, 45, 2, 1, 0}, {16, 0, 1, 0, 0},  {17, 0, 5, 5, 0},
};

Family familyOf(const Pattern &p, int angle) {
    switch (p.type) {
    case 2: return {float(angle), 20.0f, 20.0f * float(2 + p.density), 2};
    case 3: return {float(angle), 15.0f, 15.0f * float(3 + p.density), 3};
    case 4: return {float(angle), 1.0f, float(8 + 5 * p.density + 4), 8};
    default: {
        const float spacing = 5.0f * float(p.density) + 1.9999f;
        return {float(angle), spacing, spacing, 1};
    }
    }
}

// The square every pattern fills, and the part of it well inside the outline.
constexpr int kLeft = 300, kTop = 300, kRight = 900, kBottom = 900, kInset = 8;

TEST(Areas, EveryPatternFillsWithTheSpacingAndAngleOfTheTable) {
    TempDir dir;
    std::string body;
    for (const Pattern &p : kPatterns) {
        const std::string n = std::to_string(p.number);
        body += "    metafl(\"HPGL\"); setfil(\"pattern" + n + ".hpg\"); kavini();\n    " +
                kCornerMarks + "\n    shdpat(" + n + "); areaf(x, y, 4); kavfin();\n";
    }
    const ProgramRun run =
        runC(cMain("    int x[] = {300, 900, 900, 300}, y[] = {300, 300, 900, 900};\n" + body),
             dir.path());
    ASSERT_EQ(run.status, 0) << run.out;

    for (const Pattern &p : kPatterns) {
        const std::string name = "pattern" + std::to_string(p.number) + ".hpg";
        // The outline comes first, right after the corner marks, from the first
        // corner round to it again.
        const std::string hpgl = withoutLineBreaks(readFile(dir.file(name)));
        const std::string marks = "PU0,8396;PD8,8396;PU11868,0;PD11876,0;";
        const std::string outline = "PU1200,7196;PD3600,7196;PD3600,4796;PD1200,4796;PD1200,7196;";
        EXPECT_NE(hpgl.find(marks + outline), std::string::npos) << name;

        const HpglRaster bitmap(dir.file(name));
        ASSERT_TRUE(bitmap.valid()) << name;
        for (int x = kLeft + 20; x < kRight - 20; x += 50) { // the outline is there
            EXPECT_TRUE(bitmap.ink(x, kTop)) << name;
            EXPECT_TRUE(bitmap.ink(x, kBottom)) << name;
        }
        const std::vector<Point> ink =
            inkIn(bitmap, kLeft + kInset, kTop + kInset, kRight - kInset, kBottom - kInset);
        const float area =
            float((kRight - kLeft - 2 * kInset + 1) * (kBottom - kTop - 2 * kInset + 1));
        if (p.type == 0) {
            EXPECT_TRUE(ink.empty()) << name;
            continue;
        }
        if (p.number == 16) { // solid
            EXPECT_GT(float(ink.size()) / area, 0.99f) << name;
            continue;
        }
        ASSERT_FALSE(ink.empty()) << name;
        std::vector<Family> families = {familyOf(p, p.angle)};
        if (p.cross == 1)
            families.push_back(familyOf(p, p.angle <= 89 ? p.angle + 90 : 180 - p.angle));
        std::vector<float> phases;
        for (const Family &f : families)
            phases.push_back(bestPhase(f, ink));

        // Nearly all ink lies on the lines of the pattern's families, and each
        // family has its share.
        std::size_t onAny = 0;
        std::vector<std::size_t> onOnly(families.size(), 0);
        for (const Point &pt : ink) {
            int on = 0, which = 0;
            for (std::size_t i = 0; i < families.size(); ++i)
                if (onFamily(families[i], phases[i], pt)) {
                    ++on;
                    which = int(i);
                }
            onAny += on > 0;
            if (on == 1) ++onOnly[std::size_t(which)];
        }
        EXPECT_GT(float(onAny) / float(ink.size()), 0.97f) << name;
        for (std::size_t i = 0; i < families.size(); ++i)
            EXPECT_GT(float(onOnly[i]) / float(ink.size()), families.size() == 1 ? 0.97f : 0.15f)
                << name << " family " << i;

        // Every group of lines across the square is drawn.
        const Family &f = families[0];
        float lo = 1e9f, hi = -1e9f;
        for (const Point &pt : ink) {
            lo = std::fmin(lo, f.across(pt));
            hi = std::fmax(hi, f.across(pt));
        }
        const int groups = int((hi - lo) / f.period);
        std::vector<int> seen(std::size_t(groups) + 2, 0);
        for (const Point &pt : ink)
            if (onFamily(f, phases[0], pt)) {
                const int g = int((f.across(pt) - lo) / f.period);
                if (g >= 0 && g < int(seen.size())) seen[std::size_t(g)] = 1;
            }
        int drawnGroups = 0;
        for (int g = 1; g < groups; ++g)
            drawnGroups += seen[std::size_t(g)];
        EXPECT_GE(drawnGroups, groups - 1) << name;

        // Inside a group of lines spacing apart, the gaps between them stay empty.
        if (p.cross == 0 && f.drawn > 1 && f.spacing >= 10.0f) {
            for (int gap = 0; gap < f.drawn - 1; ++gap) {
                std::size_t inGap = 0;
                const float middle = 1.5f + (float(gap) + 0.5f) * f.spacing;
                for (const Point &pt : ink) {
                    const float d = positiveMod(f.across(pt) - phases[0], f.period);
                    if (std::fabs(d - middle) < 3.0f) ++inGap;
                }
                EXPECT_LT(float(inGap) / float(ink.size()), 0.01f) << name << " gap " << gap;
            }
        }
    }
}

TEST(Areas, WithoutOutlineOnlyTheFillIsDrawn) {
    TempDir dir;
    const ProgramRun run = runC(cMain(R"(
    int x[] = {300, 900, 900, 300}, y[] = {300, 300, 900, 900};
    metafl("HPGL"); setfil("plain.hpg"); kavini();
    noarln(); areaf(x, y, 4); kavfin();
    metafl("HPGL"); setfil("hatch.hpg"); kavini();
    noarln(); shdpat(1); areaf(x, y, 4); kavfin();)"),
                                dir.path());
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(readFile(dir.file("plain.hpg")).find("PD"), std::string::npos);
    const std::string hatch = readFile(dir.file("hatch.hpg"));
    EXPECT_NE(hatch.find("PD"), std::string::npos);
    EXPECT_EQ(withoutLineBreaks(hatch).find("PU1200,7196;PD3600,7196;"), std::string::npos);
}

TEST(Areas, TooManyCrossingsStopTheFillAndKeepWhatWasFilled) {
    TempDir dir;
    // A bar from y 200 to 400 with 51 teeth hanging down to 600: the scan
    // lines through the teeth cross 102 edges.
    const ProgramRun run = runC(cMain(std::string(R"(
    int x[210], y[210], n = 0, i;
    x[n] = 100; y[n++] = 200;
    x[n] = 1110; y[n++] = 200;
    for (i = 50; i >= 0; --i) {
        int left = 100 + 20 * i;
        x[n] = left + 10; y[n++] = 600;
        x[n] = left; y[n++] = 600;
        x[n] = left; y[n++] = 400;
        if (i > 0) { x[n] = left - 10; y[n++] = 400; }
    }
    metafl("HPGL"); setfil("comb.hpg"); kavini();
    )") + kCornerMarks + R"(
    errmod("PROT", "OFF");
    noarln(); shdpat(16); areaf(x, y, n);
    kavfin();)"),
                                dir.path());
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " <<<< Warning  26: Too many intersections in areaf!   ( 101)\n");
    const HpglRaster bitmap(dir.file("comb.hpg"));
    ASSERT_TRUE(bitmap.valid());
    const std::vector<Point> bar = inkIn(bitmap, 110, 210, 1100, 390);
    EXPECT_GT(float(bar.size()) / float(991 * 181), 0.99f);  // the bar is filled
    EXPECT_TRUE(inkIn(bitmap, 100, 420, 1110, 600).empty()); // the teeth are not
}

TEST(Areas, TheShieldListOverflowsAtAThousandWords) {
    TempDir dir;
    const ProgramRun run = runC(cMain(R"(
    int i;
    kavini();
    errmod("PROT", "OFF");
    for (i = 0; i < 170; ++i) shlrec(10 * i, 0, 5, 5);
    printf("%d\n", shlind());
    shldel(0);
    shlcir(500, 500, 100);
    printf("%d\n", shlind());
    kavfin();)"),
                                dir.path());
    ASSERT_EQ(run.status, 0);
    // Rectangles take 6 words: the 167th would need 1002.
    EXPECT_EQ(run.out, " <<<< Warning  47: Blanking buffer overflow in shlrec!\n"
                       " <<<< Warning  47: Blanking buffer overflow in shlrec!\n"
                       " <<<< Warning  47: Blanking buffer overflow in shlrec!\n"
                       " <<<< Warning  47: Blanking buffer overflow in shlrec!\n"
                       "166\n1\n");
}

TEST(Areas, LinesStopAtTheShieldsOfTheCaller) {
    TempDir dir;
    const ProgramRun run = runC(cMain(R"(
    int px[] = {1000, 1200, 1100}, py[] = {900, 900, 1100};
    kavini();
    shlrec(100, 100, 200, 200);
    shlcir(600, 1000, 100);
    shlpol(px, py, 3);
    line(0, 200, 1000, 200);
    line(0, 1000, 1500, 1000);
    shlvis(2, "OFF");
    line(0, 1000, 1500, 1000);
    kavfin();)"),
                                dir.path());
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> trace = penTrace(readFile(dir.file("kavlor.met")), 2969, 2099);
    // First the frames of the three shields (frame thickness 1): the
    // rectangle's ring, the circle and the triangle.
    const std::vector<std::string> rectangleFrame = {"M 100 100", "D 299 100", "D 299 299",
                                                     "D 100 299", "D 100 100"};
    ASSERT_GT(trace.size(), rectangleFrame.size());
    EXPECT_EQ(std::vector<std::string>(trace.begin(), trace.begin() + 5), rectangleFrame);
    const auto lines = std::find(trace.begin(), trace.end(), "M 0 200");
    ASSERT_NE(lines, trace.end());
    EXPECT_EQ(*(lines - 4), "M 1000 900"); // the triangle's frame, closed
    EXPECT_EQ(*(lines - 1), "D 1000 900");
    trace.erase(trace.begin(), lines);
    EXPECT_EQ(trace, (std::vector<std::string>{
                         // the rectangle; the line of a triangle edge splits the rest
                         "M 0 200", "D 100 200", "M 299 200", "D 650 200", "D 1000 200",
                         // circle and triangle
                         "M 0 1000", "D 500 1000", "M 700 1000", "D 1050 1000", "M 1150 1000",
                         "D 1500 1000",
                         // the circle out of force
                         "M 0 1000", "D 1050 1000", "M 1150 1000", "D 1500 1000"}));
}

} // namespace
