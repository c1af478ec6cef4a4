// Contour lines on grids: the lines of small grids checked against the level of
// the interpolated surface and the crossings of the grid edges, closed and open
// lines, labels and their gaps, thick lines, legend entries, the settings and
// the warnings of bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"
#include "tests/graphics2d/contour_grid.h"
#include "tests/kernel/pen_trace.h"

namespace {

class Contours : public AxisTest {};

// A grid function: z(i, j) at i * ny + j, as contur takes it.
struct Point {
    float x, y;
};
using Line = std::vector<Point>;

// The standard axes map user (x, y) to plot (200 + 100 x, 1200 - 100 y).
Point user(const PenOp &op) {
    return {(op.x - 200.0f) / 100.0f, (1200.0f - op.y) / 100.0f};
}

// The polylines the pen drew, in user coordinates.
std::vector<Line> linesOf(const std::vector<PenOp> &ops) {
    std::vector<Line> lines;
    for (const PenOp &op : ops) {
        if (!op.draw) {
            lines.push_back({user(op)});
        } else if (!lines.empty()) {
            lines.back().push_back(user(op));
        }
    }
    std::erase_if(lines, [](const Line &l) { return l.size() < 2; });
    return lines;
}

// HPGL keeps a quarter plot unit: 0.0025 user units here.
constexpr float kNear = 0.004f;

bool same(Point a, Point b) {
    return std::fabs(a.x - b.x) <= kNear && std::fabs(a.y - b.y) <= kNear;
}

bool closed(const Line &l) {
    return l.size() > 2 && same(l.front(), l.back());
}

// The surface the lines follow: each cell split into four triangles at its
// centre, which takes the mean of the corners; linear in each triangle.
float surface(const Grid &g, Point p) {
    int i = 0, j = 0;
    while (i < g.nx() - 2 && p.x > g.x[i + 1])
        ++i;
    while (j < g.ny() - 2 && p.y > g.y[j + 1])
        ++j;
    const Point c[4] = {
        {g.x[i], g.y[j]}, {g.x[i + 1], g.y[j]}, {g.x[i + 1], g.y[j + 1]}, {g.x[i], g.y[j + 1]}};
    const float zc[4] = {g.at(i, j), g.at(i + 1, j), g.at(i + 1, j + 1), g.at(i, j + 1)};
    const Point m{(c[0].x + c[2].x) / 2, (c[0].y + c[2].y) / 2};
    const float zm = (zc[0] + zc[1] + zc[2] + zc[3]) / 4;
    float best = 0, bestOutside = 1e30f;
    for (int k = 0; k < 4; ++k) {
        const Point a = c[k], b = c[(k + 1) % 4];
        // Barycentric weights of p in triangle (a, b, m).
        const float det = (b.y - m.y) * (a.x - m.x) + (m.x - b.x) * (a.y - m.y);
        const float wa = ((b.y - m.y) * (p.x - m.x) + (m.x - b.x) * (p.y - m.y)) / det;
        const float wb = ((m.y - a.y) * (p.x - m.x) + (a.x - m.x) * (p.y - m.y)) / det;
        const float wm = 1 - wa - wb;
        const float outside = std::fmax(0.0f, -std::fmin(wa, std::fmin(wb, wm)));
        if (outside < bestOutside) {
            bestOutside = outside;
            best = wa * zc[k] + wb * zc[(k + 1) % 4] + wm * zm;
        }
    }
    return best;
}

// The level point of an edge whose ends straddle the level (high above it).
Point crossing(const Grid &g, int ih, int jh, int il, int jl, float level) {
    const float zh = g.at(ih, jh), zl = g.at(il, jl);
    const float t = (zh - level) / (zh - zl);
    return {g.x[ih] - (g.x[ih] - g.x[il]) * t, g.y[jh] - (g.y[jh] - g.y[jl]) * t};
}

class ContourGrids : public Contours {
  protected:
    std::vector<Line> draw(const Grid &g, float level, const std::function<void()> &settings = {}) {
        openHpgl();
        if (settings) captureStdout(settings);
        standardAxes(true);
        EXPECT_EQ(captureStdout(
                      [&] { contur(g.x.data(), g.nx(), g.y.data(), g.ny(), g.z.data(), level); }),
                  "");
        return linesOf(closeHpgl());
    }
};

TEST_F(ContourGrids, LinesFollowTheLevelThroughEveryCrossingOnce) {
    struct Case {
        const char *what;
        Grid grid;
        float level;
        int lines, closedLines;
    };
    const Case cases[] = {
        {"single peak",
         makeGrid(steps(3, 1), steps(3, 1),
                  [](int i, int j) { return i == 1 && j == 1 ? 1.0f : 0.0f; }),
         0.5f, 1, 1},
        {"two peaks",
         makeGrid(steps(7, 1), steps(4, 1),
                  [](int i, int j) { return (i == 1 || i == 5) && j == 1 ? 2.0f : 0.0f; }),
         0.7f, 2, 2},
        {"pit",
         makeGrid(steps(4), steps(4), [](int i, int j) { return i == 2 && j == 2 ? -1.0f : 0.0f; }),
         -0.3f, 1, 1},
        // Centre 0.5: above 0.4 it joins the high corners, below 0.6 the low ones.
        {"saddle, centre high",
         makeGrid({2, 3}, {2, 3}, [](int i, int j) { return i == j ? 1.0f : 0.0f; }), 0.4f, 2, 0},
        {"saddle, centre low",
         makeGrid({2, 3}, {2, 3}, [](int i, int j) { return i == j ? 1.0f : 0.0f; }), 0.6f, 2, 0},
        {"saddle inside a grid",
         makeGrid(steps(5), steps(5),
                  [](int i, int j) { return float((i - 2) * (j - 2)) + 0.25f; }),
         0.0f, 2, 0},
        {"ridge running off the grid",
         makeGrid(steps(5), steps(4), [](int i, int) { return 2.0f - float(std::abs(i - 2)); }),
         1.5f, 2, 0},
        {"ridge leaving on two sides",
         makeGrid(steps(6), steps(5), [](int i, int j) { return 3.0f - float(std::abs(i - j)); }),
         2.2f, 2, 0},
        // Values equal to the level count as low: the line runs through the grid points of value 1.
        {"level on grid values", makeGrid(steps(4), steps(3), [](int i, int) { return float(i); }),
         1.0f, 1, 0},
        {"peak on a plateau at the level",
         makeGrid(steps(5), steps(5), [](int i, int j) { return i == 2 && j == 2 ? 3.0f : 1.0f; }),
         1.0f, 1, 1},
        {"irregular spacing",
         makeGrid({0, 0.5f, 2, 2.25f, 4}, {0, 1, 1.5f, 4},
                  [](int i, int j) { return std::sin(float(i)) + 0.3f * float(j); }),
         0.6f, -1, -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Grid &g = c.grid;
        const std::vector<Line> lines = draw(g, c.level);
        if (c.lines >= 0) {
            EXPECT_EQ(int(lines.size()), c.lines);
        }
        int closedLines = 0;
        std::vector<Point> vertices;
        for (const Line &l : lines) {
            closedLines += closed(l) ? 1 : 0;
            vertices.insert(vertices.end(), l.begin(), l.end() - (closed(l) ? 1 : 0));
            if (!closed(l)) {
                // An open line starts and ends on the border.
                for (const Point p : {l.front(), l.back()}) {
                    const bool border = std::fabs(p.x - g.x.front()) <= kNear ||
                                        std::fabs(p.x - g.x.back()) <= kNear ||
                                        std::fabs(p.y - g.y.front()) <= kNear ||
                                        std::fabs(p.y - g.y.back()) <= kNear;
                    EXPECT_TRUE(border) << p.x << " " << p.y;
                }
            }
        }
        if (c.closedLines >= 0) {
            EXPECT_EQ(closedLines, c.closedLines);
        }
        for (const Point p : vertices)
            EXPECT_NEAR(surface(g, p), c.level, 0.02f) << "at " << p.x << " " << p.y;
        // Every edge that straddles the level is crossed; no closed line is
        // drawn twice, so its crossings appear once.
        auto check = [&](int ih, int jh, int il, int jl) {
            if (!(g.at(ih, jh) > c.level && g.at(il, jl) <= c.level)) return;
            const Point p = crossing(g, ih, jh, il, jl, c.level);
            int found = 0;
            for (const Point v : vertices)
                found += same(v, p) ? 1 : 0;
            EXPECT_GE(found, 1) << "edge (" << ih << "," << jh << ")-(" << il << "," << jl << ")";
            if (g.at(il, jl) < c.level) {
                EXPECT_EQ(found, 1) << "edge (" << ih << "," << jh << ")";
            }
        };
        for (int i = 0; i < g.nx(); ++i)
            for (int j = 0; j < g.ny(); ++j) {
                if (i + 1 < g.nx()) {
                    check(i, j, i + 1, j);
                    check(i + 1, j, i, j);
                }
                if (j + 1 < g.ny()) {
                    check(i, j, i, j + 1);
                    check(i, j + 1, i, j);
                }
            }
    }
}

TEST_F(ContourGrids, AClosedLineStartsAtItsFirstCrossingAndEndsThere) {
    const Grid g = makeGrid(steps(3, 1), steps(3, 1),
                            [](int i, int j) { return i == 1 && j == 1 ? 1.0f : 0.0f; });
    const std::vector<Line> lines = draw(g, 0.5f);
    ASSERT_EQ(lines.size(), 1u);
    const Line &l = lines[0];
    // Edge (0,1)-(1,1) first; then the triangle towards the centre of the
    // cell above, (1.5, 2.5) at 0.25; then edge (1,1)-(1,2).
    ASSERT_EQ(l.size(), 9u);
    EXPECT_TRUE(same(l[0], {1.5f, 2.0f}));
    EXPECT_TRUE(same(l[1], {2.0f - 1.0f / 3, 2.0f + 1.0f / 3}));
    EXPECT_TRUE(same(l[2], {2.0f, 2.5f}));
    EXPECT_TRUE(same(l[8], l[0]));
}

TEST_F(ContourGrids, NoLinesWhereNothingRisesAboveTheLevel) {
    const Grid flat = makeGrid(steps(4), steps(4), [](int, int) { return 2.0f; });
    EXPECT_TRUE(draw(flat, 2.0f).empty());
    EXPECT_TRUE(draw(flat, 5.0f).empty());
    // The plateau lies on the level: only values above it make lines.
    const Grid plateau =
        makeGrid(steps(5), steps(4), [](int i, int) { return i < 3 ? 1.0f : 0.0f; });
    EXPECT_TRUE(draw(plateau, 1.0f).empty());
}

// Labels: one horizontal line y = 2.5 across the axes, 1000 plot units long
// at page y 950.
class ContourLabels : public Contours {
  protected:
    const Grid slope = makeGrid(steps(11), steps(6), [](int, int j) { return float(j); });

    std::vector<PenOp> drawLabelled(const std::function<void()> &settings) {
        openHpgl();
        captureStdout([&] {
            labels("FLOA", "CON");
            height(20);
            settings();
        });
        standardAxes(true);
        EXPECT_EQ(captureStdout([&] {
                      contur(slope.x.data(), slope.nx(), slope.y.data(), slope.ny(), slope.z.data(),
                             2.5f);
                  }),
                  "");
        GlobalRecord &rec = currentRecord();
        EXPECT_EQ(rec.text.nangle, 0);
        return closeHpgl();
    }
};

struct Span {
    float from, to;
};

// The stretches of the row y that the line leaves open between x0 and x1:
// drawn pieces along the row merged, the holes between them returned.
std::vector<Span> gapsAlong(const std::vector<PenOp> &ops, float y, float x0, float x1) {
    std::vector<Span> drawn;
    float px = 0, py = 0;
    for (const PenOp &op : ops) {
        if (op.draw && std::fabs(op.y - y) < 0.3f && std::fabs(py - y) < 0.3f)
            drawn.push_back({std::fmin(px, op.x), std::fmax(px, op.x)});
        px = op.x;
        py = op.y;
    }
    std::sort(drawn.begin(), drawn.end(), [](Span a, Span b) { return a.from < b.from; });
    std::vector<Span> gaps;
    float reach = x0;
    for (const Span s : drawn) {
        if (s.from > reach + 0.5f) gaps.push_back({reach, s.from});
        reach = std::fmax(reach, s.to);
    }
    if (reach < x1 - 0.5f) gaps.push_back({reach, x1});
    return gaps;
}

// The draws off the row: the strokes of the label texts.
int textStrokes(const std::vector<PenOp> &ops, float y, float from, float to) {
    int n = 0;
    for (const PenOp &op : ops) {
        if (!op.draw || std::fabs(op.y - y) < 1.5f) continue;
        EXPECT_GT(op.x, from - 1) << describe({op});
        EXPECT_LT(op.x, to + 1) << describe({op});
        EXPECT_LT(std::fabs(op.y - y), 20.0f) << describe({op});
        ++n;
    }
    return n;
}

TEST_F(ContourLabels, ALabelSitsInAGapOfItsOwnLength) {
    int gap = 0;
    const std::vector<PenOp> ops = drawLabelled([&] {
        labdis(2000, "CON");        // one label on this line
        gap = nlnumb(2.5f, 1) + 20; // the text and half a character height each side
    });
    const std::vector<Span> gaps = gapsAlong(ops, 950, 200, 1200);
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_NEAR(gaps[0].to - gaps[0].from, float(gap), 1.0f);
    // The line comes from the right border: 100 units of line before the label.
    EXPECT_LE(gaps[0].to, 1100.5f);
    EXPECT_GT(textStrokes(ops, 950, gaps[0].from, gaps[0].to), 3);
}

TEST_F(ContourLabels, LabelsKeepTheirDistanceAlongTheLine) {
    struct Case {
        int distance;
        int labels;
    };
    for (const Case c : {Case{2000, 1}, Case{400, 2}, Case{150, 3}}) {
        const std::vector<PenOp> ops = drawLabelled([&] { labdis(c.distance, "CON"); });
        const std::vector<Span> gaps = gapsAlong(ops, 950, 200, 1200);
        ASSERT_EQ(int(gaps.size()), c.labels) << c.distance;
        for (std::size_t k = 1; k < gaps.size(); ++k)
            EXPECT_GE(gaps[k].to - gaps[k - 1].to + 1.0f, float(c.distance)) << c.distance;
    }
}

TEST_F(ContourLabels, FixedTextsAndTheGapAroundThem) {
    int plain = 0, text = 0;
    const std::vector<PenOp> number = drawLabelled([&] { labdis(2000, "CON"); });
    const std::vector<PenOp> fixed = drawLabelled([&] {
        labdis(2000, "CON");
        labels("CONL", "CON");
        conlab("WWWWWW");
        congap(1.0f);
        text = nlmess("WWWWWW");
        plain = nlnumb(2.5f, 1);
    });
    const std::vector<Span> a = gapsAlong(number, 950, 200, 1200);
    const std::vector<Span> b = gapsAlong(fixed, 950, 200, 1200);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NEAR(b[0].to - b[0].from, float(text + 40), 1.0f);
    EXPECT_GT(b[0].to - b[0].from, a[0].to - a[0].from + float(text - plain));
}

TEST_F(ContourLabels, ThickLinesKeepTheGapsButDrawTheTextOnce) {
    const std::vector<PenOp> thin = drawLabelled([] { labdis(2000, "CON"); });
    const std::vector<PenOp> thick = drawLabelled([] {
        labdis(2000, "CON");
        thkcrv(3);
    });
    const std::vector<Span> gaps = gapsAlong(thin, 950, 200, 1200);
    ASSERT_EQ(gaps.size(), 1u);
    // Strokes at 0, +1 and -1 plot units, each with the same gap.
    for (const float y : {949.0f, 950.0f, 951.0f}) {
        const std::vector<Span> g = gapsAlong(thick, y, 200, 1200);
        ASSERT_EQ(g.size(), 1u) << y;
        EXPECT_NEAR(g[0].from, gaps[0].from, 1.0f) << y;
        EXPECT_NEAR(g[0].to, gaps[0].to, 1.0f) << y;
    }
    EXPECT_EQ(textStrokes(thick, 950, gaps[0].from, gaps[0].to),
              textStrokes(thin, 950, gaps[0].from, gaps[0].to));
}

TEST_F(ContourLabels, ShortOrBentLinesGetNoLabel) {
    openHpgl();
    captureStdout([] {
        labels("FLOA", "CON");
        height(20);
    });
    standardAxes(true);
    // 90 units of line: shorter than the first label's lead-in.
    const float sx[2] = {1, 1.9f}, sy[2] = {1, 1};
    // A zigzag: straight distance too short for its length under any label.
    std::vector<float> zx, zy;
    for (int k = 0; k <= 40; ++k) {
        zx.push_back(1 + 0.2f * float(k));
        zy.push_back(k % 2 == 0 ? 3.0f : 3.3f);
    }
    captureStdout([&] {
        concrv(sx, sy, 2, 1.0f);
        concrv(zx.data(), zy.data(), int(zx.size()), 1.0f);
    });
    const std::vector<PenOp> ops = closeHpgl();
    int moves = 0;
    for (const PenOp &op : ops)
        moves += op.draw ? 0 : 1;
    EXPECT_EQ(moves, 2) << describe(ops); // no gaps, no texts
}

TEST_F(ContourLabels, NoLabelWhereTheDirectionTurnsMoreThanFiveDegrees) {
    struct Case {
        float turn; // degrees between one 20-unit segment and the next
        bool labelled;
    };
    for (const Case c :
         {Case{2.0f, true}, Case{-3.0f, true}, Case{10.0f, false}, Case{-6.0f, false}}) {
        openHpgl();
        captureStdout([] {
            labels("FLOA", "CON");
            height(20);
        });
        standardAxes(true);
        std::vector<float> x{1.0f}, y{1.0f};
        float direction = -20.0f * (c.turn > 0 ? 1.0f : -1.0f);
        for (int k = 0; k < 30; ++k) {
            x.push_back(x.back() + 0.2f * std::cos(direction * 3.14159265f / 180));
            y.push_back(y.back() + 0.2f * std::sin(direction * 3.14159265f / 180));
            direction += c.turn;
        }
        captureStdout([&] { concrv(x.data(), y.data(), int(x.size()), 1.0f); });
        const std::vector<PenOp> ops = closeHpgl();
        int moves = 0;
        for (const PenOp &op : ops)
            moves += op.draw ? 0 : 1;
        EXPECT_EQ(moves > 1, c.labelled) << c.turn << describe(ops);
    }
}

TEST_F(ContourLabels, TheLabelColourIsTheTextsOnly) {
    GlobalRecord &rec = open();
    captureStdout([] {
        labels("FLOA", "CON");
        labdis(2000, "CON");
        height(20);
        labclr(3, "CON");
        color("RED");
    });
    standardAxes(true);
    captureStdout([&] {
        contur(slope.x.data(), slope.nx(), slope.y.data(), slope.ny(), slope.z.data(), 2.5f);
    });
    const int red = rec.colour.ncolor;
    // The line runs along page y 950; the text lies off it.
    std::vector<std::string> colours;
    int textDraws = 0, lineDrawsInLabelColour = 0, lineDrawsAfter = 0;
    for (const std::string &t : penTrace(close(), rec)) {
        if (t[0] == 'C') {
            colours.push_back(t);
            continue;
        }
        if (t[0] != 'D') continue;
        const bool onLine = std::fabs(std::stof(t.substr(t.rfind(' ') + 1)) - 950) < 0.5f;
        if (colours.size() == 2) {
            textDraws += onLine ? 0 : 1;
            lineDrawsInLabelColour += onLine ? 1 : 0;
        }
        if (colours.size() == 3) lineDrawsAfter += onLine ? 1 : 0;
    }
    ASSERT_EQ(colours.size(), 3u); // red, the label, red again
    EXPECT_EQ(colours[1], "C 3");
    EXPECT_EQ(colours[2], colours[0]);
    EXPECT_NE(colours[0], "C 3");
    EXPECT_GT(textDraws, 3);
    EXPECT_EQ(lineDrawsInLabelColour, 0);
    EXPECT_GT(lineDrawsAfter, 0);
    EXPECT_EQ(rec.colour.ncolor, red);
}

// A dense line holds more points under a label than the first block of held
// points takes: all of them are drawn but those in the gap.
TEST_F(ContourLabels, ADenseLineKeepsEveryPointUnderItsLabel) {
    openHpgl();
    std::string text;
    int need = 0;
    captureStdout([&] {
        labels("CONL", "CON");
        height(20);
        while (need < 260) {
            text += "W";
            conlab(text.c_str());
            need = nlmess(text.c_str()) + 20;
        }
    });
    ASSERT_LE(need, 340); // 100 units of lead-in and two label lengths fit on the line
    standardAxes(true);
    // y = 3 (page 900) from x = 1 to 9, a point every plot unit.
    std::vector<float> x, y;
    for (int k = 0; k <= 800; ++k) {
        x.push_back(1.0f + 0.01f * float(k));
        y.push_back(3.0f);
    }
    captureStdout([&] { concrv(x.data(), y.data(), int(x.size()), 3.0f); });
    const std::vector<PenOp> ops = closeHpgl();
    const std::vector<Span> gaps = gapsAlong(ops, 900, 300, 1100);
    ASSERT_EQ(gaps.size(), 1u);
    EXPECT_NEAR(gaps[0].to - gaps[0].from, float(need), 1.0f);
    int missing = 0;
    for (int k = 0; k <= 800; ++k) {
        const float px = 300.0f + float(k);
        if (px > gaps[0].from - 1.0f && px < gaps[0].to + 1.0f) continue;
        bool found = false;
        for (const PenOp &op : ops)
            found = found || (std::fabs(op.x - px) < 0.2f && std::fabs(op.y - 900) < 0.2f);
        missing += found ? 0 : 1;
    }
    EXPECT_EQ(missing, 0);
}

// A vertical line traced downwards on the page: the gap must stay on it.
TEST_F(Contours, AVerticalLabelledLineKeepsItsGapOnTheLine) {
    for (const float sign : {1.0f, -1.0f}) {
        SCOPED_TRACE(sign);
        const Grid g = makeGrid(steps(11), steps(6), [&](int i, int) { return sign * float(i); });
        openHpgl();
        captureStdout([] {
            labels("FLOA", "CON");
            labdis(2000, "CON");
            height(20);
        });
        standardAxes(true);
        captureStdout(
            [&] { contur(g.x.data(), g.nx(), g.y.data(), g.ny(), g.z.data(), sign * 5.5f); });
        const std::vector<PenOp> ops = closeHpgl();
        // The line is x = 5.5 (page x 750) from y 0 to 5 (page y 1200 .. 700).
        float px = 0, py = 0;
        std::vector<Span> drawn;
        for (const PenOp &op : ops) {
            if (op.draw && std::fabs(op.x - 750) < 0.3f && std::fabs(px - 750) < 0.3f) {
                EXPECT_GE(std::fmin(py, op.y), 699.5f);
                EXPECT_LE(std::fmax(py, op.y), 1200.5f);
                drawn.push_back({std::fmin(py, op.y), std::fmax(py, op.y)});
            }
            px = op.x;
            py = op.y;
        }
        std::sort(drawn.begin(), drawn.end(), [](Span a, Span b) { return a.from < b.from; });
        int holes = 0;
        float reach = 700;
        for (const Span s : drawn) {
            if (s.from > reach + 0.5f) ++holes;
            reach = std::fmax(reach, s.to);
        }
        EXPECT_EQ(holes, 1);
        EXPECT_NEAR(reach, 1200, 0.5f);
    }
}

TEST_F(Contours, EachLineIsALegendEntryOfItsOwn) {
    openHpgl();
    standardAxes(true);
    const Grid g = makeGrid(steps(3, 1), steps(3, 1),
                            [](int i, int j) { return i == 1 && j == 1 ? 1.0f : 0.0f; });
    const float x[2] = {1, 2}, y[2] = {1, 1};
    GlobalRecord &rec = currentRecord();
    captureStdout([&] {
        incmrk(1);
        contur(g.x.data(), 3, g.y.data(), 3, g.z.data(), 0.5f);
        color("RED");
        concrv(x, y, 2, 0.0f);
    });
    EXPECT_EQ(rec.contour.ncrvnum, 2);
    EXPECT_EQ(rec.legend.nlegsym[0], -1); // drawn without markers
    EXPECT_EQ(rec.curve.nincmrk, 1);      // and the increment comes back
    EXPECT_NE(rec.legend.nlegclr[1], rec.legend.nlegclr[0]);
    captureStdout([] { endgrf(); });
    EXPECT_EQ(rec.contour.ncrvnum, 0);
    closeHpgl();
}

TEST_F(Contours, SettingsStoreOrWarn) {
    openHpgl();
    GlobalRecord &rec = currentRecord();
    const ContourState &c = rec.contour;
    const std::string bad = " <<<< Warning   2: Incorrect parameter in ";
    struct Case {
        std::function<void()> call;
        std::string output;
        std::function<bool()> stored;
    };
    const Case cases[] = {
        {[] { conmod(0.0f, 1.5f); }, "",
         [&] { return c.xconmod[0] == 0.0f && c.xconmod[1] == 1.5f; }},
        {[] { conmod(0.5f, 1.0f); }, bad + "conmod!\n", [&] { return c.xconmod[0] == 0.0f; }},
        {[] { conmod(-0.1f, 2.0f); }, bad + "conmod!\n", [&] { return c.xconmod[1] == 1.5f; }},
        {[] { congap(0.0f); }, "", [&] { return c.xcongap == 0.0f; }},
        {[] { congap(-1.0f); }, bad + "congap!\n", [&] { return c.xcongap == 0.0f; }},
        {[] { labels("CONL", "CON"); }, "", [&] { return c.iconlab == 1 && c.icontxt == 1; }},
        // A bad keyword keeps the kind but not the text.
        {[] { labels("XXXX", "CON"); }, bad + "labels!   (XXXX)\n",
         [&] { return c.iconlab == 1 && c.icontxt == 0; }},
        {[] { labels("NONE", "CON"); }, "", [&] { return c.iconlab == 0; }},
        {[] { labdis(300, "CON"); }, "", [&] { return c.xconlbd == 300.0f; }},
        {[] { labdis(0, "CON"); }, bad + "labdis!   (   0)\n", [&] { return c.xconlbd == 300.0f; }},
        {[] { labdig(3, "CON"); }, "",
         [&] { return c.ncondig == 3 && currentRecord().axes.ndigits[0] == 1; }},
        {[] { digits(-1, "contours"); }, "", [&] { return c.ncondig == -1; }},
        {[] { labclr(4, "CON"); }, "", [&] { return c.nconlbc == 4; }},
        {[] { labclr(5, "BARS"); }, "", [&] { return c.nconlbc == 4; }},
        {[] { labclr(-2, "CON"); }, bad + "labclr!   (  -2)\n", [&] { return c.nconlbc == 4; }},
        {[] { labclr(1, "AXES"); }, bad + "labclr!   (AXES)\n", [&] { return c.nconlbc == 4; }},
        {[] { conlab("a label longer than twenty"); }, "",
         [&] { return std::string(c.cconlab) == "a label longer than "; }},
        {[] { reset("CONM"); }, "", [&] { return c.xconmod[0] == 0.5f && c.xconmod[1] == 1.5f; }},
        {[] { reset("CONG"); }, "", [&] { return c.xcongap == 0.5f; }},
        {[] { reset("LABC"); }, "", [&] { return c.nconlbc == -1; }},
        {[] { reset("LABD"); }, "", [&] { return c.xconlbd == 500.0f; }},
        {[] { reset("DIGI"); }, "", [&] { return c.ncondig == 1; }},
    };
    int k = 0;
    for (const Case &cs : cases) {
        EXPECT_EQ(captureStdout(cs.call), cs.output) << "case " << k;
        EXPECT_TRUE(cs.stored()) << "case " << k;
        ++k;
    }
    captureStdout([] {
        labels("CONL", "CON");
        reset("LABE");
    });
    EXPECT_EQ(c.iconlab, 0);
    EXPECT_EQ(c.icontxt, 0);
    closeHpgl();
}

TEST_F(Contours, BadInputIsReportedAndDrawsNothing) {
    openHpgl();
    const float x[3] = {1, 2, 3}, y[3] = {1, 2, 3}, z[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(captureStdout([&] { contur(x, 3, y, 3, z, 0.5f); }),
              " <<<< Warning   3: Incorrect level in contur!   (   1)\n");
    standardAxes(true);
    struct Case {
        int nx, ny;
        const float *z;
        const char *output;
    };
    const Case cases[] = {
        {1, 3, z, " <<<< Warning   2: Incorrect parameter in contur!   (   1)\n"},
        {3, 0, z, " <<<< Warning   2: Incorrect parameter in contur!   (   0)\n"},
        {-4, 3, z, " <<<< Warning   2: Incorrect parameter in contur!   (  -4)\n"},
        {3, 3, nullptr, " <<<< Warning   2: Incorrect parameter in contur!   (   3)\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout([&] { contur(x, c.nx, y, c.ny, c.z, 0.5f); }), c.output);
    EXPECT_EQ(currentRecord().contour.ncrvnum, 0);
    EXPECT_TRUE(closeHpgl().empty());
}

TEST_F(Contours, NonPositiveCoordinatesOnALogarithmicAxis) {
    openHpgl();
    captureStdout([] {
        axspos(200, 1200);
        axslen(1001, 501);
        scale("LOG", "X");
        graf(-1.0f, 1.0f, -1.0f, 1.0f, 0.0f, 5.0f, 0.0f, 1.0f);
    });
    const float x[3] = {0, 1, 2}, y[3] = {1, 2, 3}, z[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(captureStdout([&] { contur(x, 3, y, 3, z, 0.5f); }),
              " <<<< Warning  27: Non positive values for log scaling in contur!\n");
    const float lx[3] = {0.5f, 1, 2};
    EXPECT_EQ(captureStdout([&] { contur(lx, 3, y, 3, z, 0.5f); }), "");
    closeHpgl();
}

} // namespace
