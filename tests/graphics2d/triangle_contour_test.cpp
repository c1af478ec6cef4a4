// Contours of triangulations: the lines of small triangulations checked
// against an interpolation of their own, joined into whole lines for thick,
// dashed and labelled lines; the bands of confll read back as the pixels of
// PPM files and as the fill records of SVG files; the warnings of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "kernel/record.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/graphics2d/fill_records.h"
#include "tests/kernel/pen_trace.h"
#include "tests/support/rendered_image.h"

namespace {

struct Point {
    float x, y;
};
using Line = std::vector<Point>;

// Scattered points with values and their triangles of 1-based point numbers.
struct Mesh {
    std::vector<float> x, y, z;
    std::vector<int> i1, i2, i3;
    int n() const { return int(x.size()); }
    int ntri() const { return int(i1.size()); }
    void add(int a, int b, int c) {
        i1.push_back(a);
        i2.push_back(b);
        i3.push_back(c);
    }
};

// Points on a grid of nx by ny (user x from x0 in steps dx, likewise y), each
// square cut along a diagonal that alternates, so that the triangles are not
// stored in the order a contour passes through them.
Mesh gridMesh(int nx, int ny, float x0, float dx, float y0, float dy,
              const std::function<float(int, int)> &f) {
    Mesh m;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) {
            m.x.push_back(x0 + dx * float(i));
            m.y.push_back(y0 + dy * float(j));
            m.z.push_back(f(i, j));
        }
    auto id = [nx](int i, int j) { return j * nx + i + 1; };
    for (int j = 0; j + 1 < ny; ++j)
        for (int i = 0; i + 1 < nx; ++i) {
            const int a = id(i, j), b = id(i + 1, j), c = id(i + 1, j + 1), d = id(i, j + 1);
            if ((i + j) % 2 == 0) {
                m.add(a, b, c);
                m.add(a, c, d);
            } else {
                m.add(a, b, d);
                m.add(b, c, d);
            }
        }
    return m;
}

// Scattered points triangulated by triang.
Mesh scatteredMesh() {
    Mesh m;
    const float px[] = {0.5f, 9.5f, 9.4f, 0.6f, 5.1f, 2.7f, 7.3f, 4.2f, 6.6f, 1.9f, 8.2f, 3.4f};
    const float py[] = {0.4f, 0.5f, 4.6f, 4.5f, 2.4f, 1.3f, 3.7f, 3.9f, 0.9f, 3.1f, 2.2f, 2.6f};
    for (int k = 0; k < 12; ++k) {
        m.x.push_back(px[k]);
        m.y.push_back(py[k]);
        m.z.push_back(std::sin(px[k] * 0.6f) * 2.0f + std::cos(py[k] * 1.1f));
    }
    std::vector<float> x = m.x, y = m.y;
    x.resize(15);
    y.resize(15);
    const int nmax = 2 * 12 + 1;
    std::vector<int> i1(nmax), i2(nmax), i3(nmax);
    const int ntri = triang(x.data(), y.data(), 12, i1.data(), i2.data(), i3.data(), nmax);
    EXPECT_GT(ntri, 0);
    for (int t = 0; t < ntri; ++t)
        m.add(i1[t], i2[t], i3[t]);
    return m;
}

// The standard axes map user (x, y) to plot (200 + 100 x, 1200 - 100 y).
Point plot(Point u) {
    return {200 + 100 * u.x, 1200 - 100 * u.y};
}

// The pieces of the level in each triangle, found apart from the library:
// the corners on the level and the points where an edge changes sign, two
// distinct points making a piece. Plot coordinates.
std::vector<Segment> expectedPieces(const Mesh &m, float level) {
    std::vector<Segment> pieces;
    for (int t = 0; t < m.ntri(); ++t) {
        const int v[3] = {m.i1[t] - 1, m.i2[t] - 1, m.i3[t] - 1};
        std::vector<Point> points;
        for (int k = 0; k < 3; ++k) {
            const int a = v[k], b = v[(k + 1) % 3];
            const float za = m.z[a] - level, zb = m.z[b] - level;
            if (za == 0) points.push_back({m.x[a], m.y[a]});
            if ((za < 0 && zb > 0) || (za > 0 && zb < 0)) {
                const float w = za / (za - zb);
                points.push_back({m.x[a] + (m.x[b] - m.x[a]) * w, m.y[a] + (m.y[b] - m.y[a]) * w});
            }
        }
        if (points.size() != 2) continue;
        const Point p = plot(points[0]), q = plot(points[1]);
        pieces.push_back(segment(p.x, p.y, q.x, q.y));
    }
    return pieces;
}

// HPGL keeps a quarter plot unit.
constexpr float kNear = 0.3f;

bool near(float ax, float ay, float bx, float by) {
    return std::fabs(ax - bx) <= kNear && std::fabs(ay - by) <= kNear;
}

bool sameSegment(const Segment &a, const Segment &b) {
    return (near(a.x1, a.y1, b.x1, b.y1) && near(a.x2, a.y2, b.x2, b.y2)) ||
           (near(a.x1, a.y1, b.x2, b.y2) && near(a.x2, a.y2, b.x1, b.y1));
}

// Every expected piece drawn once and nothing else: the unmatched ones of
// both sides.
std::string mismatches(std::vector<Segment> expected, const std::multiset<Segment> &drawn) {
    std::string out;
    for (const Segment &d : drawn) {
        auto it = std::find_if(expected.begin(), expected.end(),
                               [&](const Segment &e) { return sameSegment(e, d); });
        if (it == expected.end())
            out += "extra " + std::to_string(d.x1) + "," + std::to_string(d.y1) + "-" +
                   std::to_string(d.x2) + "," + std::to_string(d.y2) + "\n";
        else
            expected.erase(it);
    }
    for (const Segment &e : expected)
        out += "missing " + std::to_string(e.x1) + "," + std::to_string(e.y1) + "-" +
               std::to_string(e.x2) + "," + std::to_string(e.y2) + "\n";
    return out;
}

// The polylines of the pen, plot coordinates.
std::vector<Line> polylines(const std::vector<PenOp> &ops) {
    std::vector<Line> lines;
    for (const PenOp &op : ops) {
        if (!op.draw)
            lines.push_back({{op.x, op.y}});
        else if (!lines.empty())
            lines.back().push_back({op.x, op.y});
    }
    std::erase_if(lines, [](const Line &l) { return l.size() < 2; });
    return lines;
}

class TriangleContours : public AxisTest {
  protected:
    void contour(const Mesh &m, float level) {
        contri(m.x.data(), m.y.data(), m.z.data(), m.n(), m.i1.data(), m.i2.data(), m.i3.data(),
               m.ntri(), level);
    }
    std::vector<PenOp> draw(const Mesh &m, float level,
                            const std::function<void()> &settings = {}) {
        openHpgl();
        standardAxes(true);
        if (settings) captureStdout(settings);
        EXPECT_EQ(captureStdout([&] { contour(m, level); }), "");
        return closeHpgl();
    }
};

// A peak of 2 at the middle point of a 3 by 3 grid, 0 elsewhere: level 1
// closes around it through the midpoints of the edges that meet there.
Mesh peak() {
    return gridMesh(3, 3, 2, 3, 0.5f, 2,
                    [](int i, int j) { return i == 1 && j == 1 ? 2.0f : 0.0f; });
}

// ---- Pieces drawn one by one ------------------------------------------------------

TEST_F(TriangleContours, PiecesFollowTheInterpolatedLevel) {
    struct Case {
        const char *what;
        Mesh mesh;
        float level;
        std::size_t pieces;
    };
    const Case cases[] = {
        {"closed around a peak", peak(), 1.0f, 8},
        {"scattered points of triang", scatteredMesh(), 0.37f, 0},
        {"scattered points, another level", scatteredMesh(), -0.8f, 0},
        // Corners on the level with the rest on one side only touch it.
        {"touching corners",
         gridMesh(3, 2, 1, 4, 1, 3, [](int i, int) { return i == 1 ? 1.0f : 0.0f; }), 1.0f, 0},
        // A corner on the level and the other two on either side: a piece
        // from the corner to the opposite edge.
        {"through a corner",
         gridMesh(2, 2, 1, 8, 1, 3, [](int i, int j) { return float(i) * 2 - float(j); }), 0.0f, 1},
        // The middle column lies on the level: both triangles along each of
        // its edges draw that edge.
        {"edges on the level", gridMesh(3, 3, 1, 4, 0.5f, 2, [](int i, int) { return float(i); }),
         1.0f, 4},
        {"nowhere near", peak(), 5.0f, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<Segment> expected = expectedPieces(c.mesh, c.level);
        if (c.pieces != 0) {
            EXPECT_EQ(expected.size(), c.pieces);
        }
        EXPECT_EQ(mismatches(expected, segmentsOf(draw(c.mesh, c.level))), "");
    }
    // The scattered cases have something to compare.
    EXPECT_FALSE(expectedPieces(scatteredMesh(), 0.37f).empty());
}

// Without joining, each piece is a move and a draw, in triangle order.
TEST_F(TriangleContours, ThinSolidLinesArePiecesInTriangleOrder) {
    const Mesh m = peak();
    const std::vector<Segment> expected = expectedPieces(m, 1.0f);
    const std::vector<Line> lines = polylines(draw(m, 1.0f));
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        ASSERT_EQ(lines[k].size(), 2u);
        const Segment drawn = segment(lines[k][0].x, lines[k][0].y, lines[k][1].x, lines[k][1].y);
        EXPECT_TRUE(sameSegment(drawn, expected[k])) << "piece " << k;
    }
}

// ---- Joined lines ----------------------------------------------------------------

int passesFor(const GlobalRecord &rec) {
    return std::max(1, int(float(rec.curve.nthkcrv) * rec.page.xunits + 0.5f));
}

// A thick line is joined: each copy is one closed polyline through every
// piece once, and an edge that two triangles share on the level is drawn once.
TEST_F(TriangleContours, ThickLinesAreJoinedAndSharedEdgesDrawnOnce) {
    struct Case {
        const char *what;
        Mesh mesh;
        float level;
        bool closed;
    };
    const Case cases[] = {
        {"peak", peak(), 1.0f, true},
        {"edges on the level", gridMesh(3, 3, 1, 4, 0.5f, 2, [](int i, int) { return float(i); }),
         1.0f, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = openHpgl();
        standardAxes(true);
        captureStdout([] { thkcrv(3); });
        const int passes = passesFor(rec);
        ASSERT_GT(passes, 1);
        EXPECT_EQ(captureStdout([&] { contour(c.mesh, c.level); }), "");
        const std::vector<Line> lines = polylines(closeHpgl());
        ASSERT_EQ(int(lines.size()), passes);
        // The first copy lies on the level: each distinct piece once.
        std::vector<Segment> distinct;
        for (const Segment &s : expectedPieces(c.mesh, c.level))
            if (std::none_of(distinct.begin(), distinct.end(),
                             [&](const Segment &d) { return sameSegment(d, s); }))
                distinct.push_back(s);
        const Line &first = lines[0];
        EXPECT_EQ(first.size(), distinct.size() + 1);
        std::multiset<Segment> drawn;
        for (std::size_t k = 1; k < first.size(); ++k)
            drawn.insert(segment(first[k - 1].x, first[k - 1].y, first[k].x, first[k].y));
        EXPECT_EQ(mismatches(distinct, drawn), "");
        EXPECT_EQ(near(first.front().x, first.front().y, first.back().x, first.back().y), c.closed);
    }
}

// Dashes and labels run along the joined line: contri draws exactly what
// concrv draws for the line it joins.
TEST_F(TriangleContours, DashesAndLabelsRunAlongTheJoinedLine) {
    // A ramp in x: level 1.5 is a straight line down through ten triangles.
    const Mesh m = gridMesh(5, 6, 0.5f, 2.25f, 0.2f, 0.9f, [](int i, int) { return float(i); });
    // The joined line, from the unshifted first copy of a thick line.
    openHpgl();
    standardAxes(true);
    captureStdout([] { thkcrv(3); });
    captureStdout([&] {
        contri(m.x.data(), m.y.data(), m.z.data(), m.n(), m.i1.data(), m.i2.data(), m.i3.data(),
               m.ntri(), 1.5f);
    });
    const Line joined = polylines(closeHpgl()).at(0);
    std::vector<float> ux, uy;
    for (const Point &p : joined) {
        ux.push_back((p.x - 200) / 100);
        uy.push_back((1200 - p.y) / 100);
    }

    struct Case {
        const char *what;
        std::function<void()> settings;
    };
    const Case cases[] = {
        {"dashed", [] { lintyp(2); }},
        {"labels",
         [] {
             labels("FLOA", "CON");
             height(12);
         }},
        {"labels on a dotted line",
         [] {
             labels("FLOA", "CON");
             height(12);
             lintyp(1);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<PenOp> fromTriangles = draw(m, 1.5f, c.settings);
        openHpgl();
        standardAxes(true);
        captureStdout(c.settings);
        EXPECT_EQ(captureStdout([&] { concrv(ux.data(), uy.data(), int(ux.size()), 1.5f); }), "");
        const std::vector<PenOp> fromLine = closeHpgl();
        EXPECT_EQ(describe(fromTriangles), describe(fromLine));
        EXPECT_GT(polylines(fromTriangles).size(), 1u); // gaps of dashes or labels
    }
}

// ---- Filled bands ----------------------------------------------------------------

constexpr int kRed = 10, kGreen = 20, kBlue = 30;

class TriangleBands : public AxisTest {
  protected:
    void pureColours() {
        setind(kRed, 1, 0, 0);
        setind(kGreen, 0, 1, 0);
        setind(kBlue, 0, 0, 1);
        const int list[3] = {kRed, kGreen, kBlue};
        conclr(list, 3);
    }
    void fill(const Mesh &m, const std::vector<float> &levels) {
        confll(m.x.data(), m.y.data(), m.z.data(), m.n(), m.i1.data(), m.i2.data(), m.i3.data(),
               m.ntri(), levels.data(), int(levels.size()));
    }
};

// The band a point of triangle t shows: the band of its corners when they
// share one, else the band on its side of the one level the triangle is
// split at. -1: too near an edge or the split to tell.
int bandAt(const Mesh &m, int t, Point p, const std::vector<float> &s) {
    const int v[3] = {m.i1[t] - 1, m.i2[t] - 1, m.i3[t] - 1};
    const float x0 = m.x[v[0]], y0 = m.y[v[0]], x1 = m.x[v[1]], y1 = m.y[v[1]], x2 = m.x[v[2]],
                y2 = m.y[v[2]];
    const float det = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
    const float w1 = ((p.x - x0) * (y2 - y0) - (x2 - x0) * (p.y - y0)) / det;
    const float w2 = ((x1 - x0) * (p.y - y0) - (p.x - x0) * (y1 - y0)) / det;
    const float w0 = 1 - w1 - w2;
    if (std::min({w0, w1, w2}) < 0.05f) return -1;
    auto band = [&](float z) { return int(std::lower_bound(s.begin(), s.end(), z) - s.begin()); };
    const int b0 = band(m.z[v[0]]), b1 = band(m.z[v[1]]), b2 = band(m.z[v[2]]);
    const int lo = std::min({b0, b1, b2}), hi = std::max({b0, b1, b2});
    if (lo == hi) return lo;
    const int split = (lo + hi) / 2;
    const float z = w0 * m.z[v[0]] + w1 * m.z[v[1]] + w2 * m.z[v[2]];
    if (std::fabs(z - s[std::size_t(split)]) < 0.2f) return -1;
    return z <= s[std::size_t(split)] ? split : split + 1;
}

// Pixels across a triangulation by triang: every pixel inside a triangle
// shows the colour of its band, the lowest band none (shdmod UPPE).
TEST_F(TriangleBands, PixelsShowTheBandOfTheirTriangle) {
    const Mesh m = scatteredMesh();
    const std::vector<float> levels = {-1.0f, 0.5f, 1.5f};
    GlobalRecord &rec = open("PPM", "plot.ppm");
    standardAxes(true);
    EXPECT_EQ(captureStdout([&] {
                  pureColours();
                  shdmod("UPPE", "CELL");
                  fill(m, levels);
              }),
              "");
    const float scale = rec.page.xdevscl;
    close("plot.ppm");
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    const unsigned char *background = image.at(2, 2);
    const unsigned char colours[4][3] = {
        {background[0], background[1], background[2]}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    int checked = 0;
    for (float ux = 0.25f; ux < 10; ux += 0.25f)
        for (float uy = 0.25f; uy < 5; uy += 0.25f)
            for (int t = 0; t < m.ntri(); ++t) {
                const int b = bandAt(m, t, {ux, uy}, levels);
                if (b < 0) continue;
                const Point p = plot({ux, uy});
                const unsigned char *px =
                    image.at(int(p.x * scale + 0.5f), int(p.y * scale + 0.5f));
                EXPECT_TRUE(px[0] == colours[b][0] && px[1] == colours[b][1] &&
                            px[2] == colours[b][2])
                    << "triangle " << t << " band " << b << " at " << ux << " " << uy << ": "
                    << int(px[0]) << " " << int(px[1]) << " " << int(px[2]) << " corners "
                    << m.i1[t] << " " << m.i2[t] << " " << m.i3[t];
                ++checked;
            }
    EXPECT_GT(checked, 200);
}

// One triangle over the axis system with the values a, b, c at (1, 0.5),
// (9, 0.5) and (5, 4.5).
Mesh oneTriangle(float a, float b, float c) {
    Mesh m{{1, 9, 5}, {0.5f, 0.5f, 4.5f}, {a, b, c}, {}, {}, {}};
    m.add(1, 2, 3);
    return m;
}

// The fill records of one triangle: how many pieces in which colours, and the
// share of the triangle's area the first piece covers.
TEST_F(TriangleBands, TrianglesAreOneFillOrSplitOnceAlongALevel) {
    struct Case {
        const char *what;
        Mesh mesh;
        std::vector<float> levels;
        const char *cells;
        std::vector<std::string> colours; // of the pieces in drawing order
        double firstShare;                // of the whole triangle's area; 0: not checked
    };
    const std::string red = "#ff0000", green = "#00ff00", blue = "#0000ff";
    const Case cases[] = {
        {"one band", oneTriangle(1.2f, 1.5f, 1.9f), {1, 2, 3}, "UPPE", {red}, 1},
        {"the outer band left empty", oneTriangle(0.2f, 0.5f, 0.9f), {1, 2, 3}, "UPPE", {}, 0},
        {"one corner on the level, two above",
         oneTriangle(1, 1.5f, 1.9f),
         {1, 2},
         "UPPE",
         {red},
         1},
        {"two corners on the level, one below", oneTriangle(1, 1, 0.5f), {1, 2}, "BOTH", {""}, 0},
        // Below at the first corner: the level cuts both edges halfway.
        {"one below, two above", oneTriangle(0, 2, 2), {1}, "BOTH", {"", red, red}, 0.25},
        {"one above, two below", oneTriangle(2, 0, 0), {1}, "BOTH", {red, "", ""}, 0.25},
        {"below, above and on the level", oneTriangle(0, 2, 1), {1}, "BOTH", {"", red}, 0.5},
        // Bands 0 and 3 of three levels: split once at the second level,
        // band 1 below it and band 2 above.
        {"across all bands", oneTriangle(0, 4, 4), {1, 2, 3}, "BOTH", {red, green, green}, 0.25},
        {"lower part left empty", oneTriangle(2, 0, 0), {1}, "UPPE", {red}, 0.25},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open("SVG", "plot.svg");
        standardAxes(true);
        EXPECT_EQ(captureStdout([&] {
                      pureColours();
                      shdmod(c.cells, "CELL");
                      fill(c.mesh, c.levels);
                  }),
                  "");
        const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
        ASSERT_EQ(fills.size(), c.colours.size());
        for (std::size_t k = 0; k < fills.size(); ++k) {
            EXPECT_TRUE(fills[k].polygon);
            if (!c.colours[k].empty()) {
                EXPECT_EQ(fills[k].colour, c.colours[k]);
            }
        }
        if (c.firstShare > 0 && !fills.empty()) {
            // 800 by 400 plot units, halved.
            const double whole =
                800.0 * 400.0 / 2.0 * std::pow(double(currentRecord().page.xdevscl), 2);
            EXPECT_NEAR(fills[0].area() / whole, c.firstShare, 0.02);
        }
    }
}

// shdmod POLY for grids leaves the triangles' colours as they are; the
// legend gets an entry per coloured band.
TEST_F(TriangleBands, PolygonModeOfGridsChangesNothing) {
    const Mesh m = scatteredMesh();
    const std::vector<float> levels = {-1.0f, 0.5f, 1.5f};
    std::vector<std::vector<FillRecord>> fills;
    for (const char *mode : {"CELL", "POLY"}) {
        GlobalRecord &rec = open("SVG", "plot.svg");
        standardAxes(true);
        EXPECT_EQ(captureStdout([&] {
                      pureColours();
                      shdmod(mode, "CONT");
                      fill(m, levels);
                  }),
                  "");
        EXPECT_EQ(rec.legend.nlegcrv, 3);
        EXPECT_EQ(rec.surface.ishdcon, std::string(mode) == "POLY" ? 1 : 0);
        fills.push_back(fillRecords(close("plot.svg")));
    }
    // The files differ only in their dates.
    ASSERT_EQ(fills[0].size(), fills[1].size());
    EXPECT_FALSE(fills[0].empty());
    for (std::size_t k = 0; k < fills[0].size(); ++k) {
        EXPECT_EQ(fills[0][k].colour, fills[1][k].colour) << k;
        EXPECT_EQ(fills[0][k].x, fills[1][k].x) << k;
        EXPECT_EQ(fills[0][k].y, fills[1][k].y) << k;
    }
}

// Bad input is reported; triangles that name points outside 1..n are left
// out without reading past the caller's arrays, the others still drawn.
TEST_F(TriangleBands, BadInputIsReportedAndBadTrianglesLeftOut) {
    const std::string bad = " <<<< Warning   2: Incorrect parameter in ";
    const Mesh good = oneTriangle(0, 2, 2);
    const float level = 1;
    GlobalRecord &rec = open("SVG", "plot.svg");
    EXPECT_EQ(captureStdout([&] { fill(good, {level}); }),
              " <<<< Warning   3: Incorrect level in confll!   (   1)\n");
    EXPECT_EQ(captureStdout([&] {
                  contri(good.x.data(), good.y.data(), good.z.data(), 3, good.i1.data(),
                         good.i2.data(), good.i3.data(), 1, level);
              }),
              " <<<< Warning   3: Incorrect level in contri!   (   1)\n");
    standardAxes(true);
    struct Case {
        std::function<void()> call;
        std::string output;
    };
    const Case calls[] = {
        {[&] {
             confll(good.x.data(), good.y.data(), good.z.data(), 3, good.i1.data(), good.i2.data(),
                    good.i3.data(), 1, &level, 0);
         },
         bad + "confll!   (   0)\n"},
        {[&] {
             confll(good.x.data(), good.y.data(), nullptr, 3, good.i1.data(), good.i2.data(),
                    good.i3.data(), 1, &level, 1);
         },
         bad + "confll!\n"},
        {[&] {
             contri(good.x.data(), good.y.data(), good.z.data(), 0, good.i1.data(), good.i2.data(),
                    good.i3.data(), 1, level);
         },
         bad + "contri!   (   0)\n"},
        {[&] {
             contri(good.x.data(), good.y.data(), good.z.data(), 3, nullptr, good.i2.data(),
                    good.i3.data(), 1, level);
         },
         bad + "contri!\n"},
    };
    for (const Case &c : calls)
        EXPECT_EQ(captureStdout(c.call), c.output);

    // Two triangles naming points 0 and 4 around one good triangle.
    Mesh m = good;
    m.i1 = {0, 1, 1};
    m.i2 = {2, 2, 4};
    m.i3 = {3, 3, 3};
    const int list[2] = {kRed, kGreen};
    EXPECT_EQ(captureStdout([&] {
                  setind(kRed, 1, 0, 0);
                  conclr(list, 1);
                  shdmod("UPPE", "CELL");
                  fill(m, {level, 3.0f});
              }),
              " <<<< Warning 101: More contour levels as defined colours in confll!\n");
    EXPECT_EQ(captureStdout([&] {
                  contri(m.x.data(), m.y.data(), m.z.data(), m.n(), m.i1.data(), m.i2.data(),
                         m.i3.data(), m.ntri(), level);
              }),
              "");
    EXPECT_EQ(rec.curve.nincmrk, 0);
    const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
    // The good triangle split once: two upper pieces, the lower one empty.
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].colour, "#ff0000");
}

// A level that crosses no triangle draws nothing but still makes the
// legend entry; contri leaves markers, clipping and offsets as it found them.
TEST_F(TriangleContours, NoCrossingStillMakesTheLegendEntry) {
    const Mesh m = peak();
    GlobalRecord &rec = openHpgl();
    standardAxes(true);
    captureStdout([] {
        incmrk(2);
        thkcrv(3);
    });
    const int markers = rec.curve.nincmrk;
    EXPECT_EQ(captureStdout([&] { contour(m, 5.0f); }), "");
    EXPECT_EQ(rec.legend.nlegcrv, 1);
    EXPECT_EQ(rec.curve.nincmrk, markers);
    EXPECT_EQ(captureStdout([&] { contour(m, 1.0f); }), "");
    EXPECT_EQ(rec.legend.nlegcrv, 2);
    EXPECT_EQ(rec.curve.nincmrk, markers);
    EXPECT_EQ(rec.line.xlinoff, 0.0f);
    closeHpgl();
}

} // namespace
