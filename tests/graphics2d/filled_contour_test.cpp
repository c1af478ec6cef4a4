// Filled contours on grids: the bands of small grids read back as the pixels
// of PPM files and as the fill records of SVG files, in cells and as traced
// polygons; the band colours from the colour scale and from conclr under the
// shdmod rules and their legend entries; conmat against contur on the same
// grid; and the warnings of bad input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "graphics2d/colour_axis.h"
#include "graphics2d/filled_contours.h"
#include "kernel/hatch_patterns.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/graphics2d/contour_grid.h"
#include "tests/graphics2d/fill_records.h"
#include "tests/kernel/pen_trace.h"
#include "tests/support/rendered_image.h"

namespace {

// One cell over the whole axis system with the corner values at (0, 0),
// (10, 0), (10, 5) and (0, 5).
Grid oneCell(float c0, float c1, float c2, float c3) {
    return Grid{{0, 10}, {0, 5}, {c0, c3, c1, c2}};
}

std::vector<float> steps(int n, float first = 0, float step = 1) {
    std::vector<float> v;
    for (int i = 0; i < n; ++i)
        v.push_back(first + float(i) * step);
    return v;
}

// Colour numbers of the tests, made pure colours.
constexpr int kRed = 10, kGreen = 20, kBlue = 30;

enum class Seen { Background, Red, Green, Blue };

Seen seenAs(const unsigned char *p, const unsigned char *background) {
    if (p[0] == background[0] && p[1] == background[1] && p[2] == background[2])
        return Seen::Background;
    if (p[0] > 200 && p[1] < 60 && p[2] < 60) return Seen::Red;
    if (p[1] > 200 && p[0] < 60 && p[2] < 60) return Seen::Green;
    if (p[2] > 200 && p[0] < 60 && p[1] < 60) return Seen::Blue;
    ADD_FAILURE() << "pixel " << int(p[0]) << " " << int(p[1]) << " " << int(p[2]);
    return Seen::Background;
}

class FilledContours : public AxisTest {
  protected:
    void pureColours() {
        setind(kRed, 1, 0, 0);
        setind(kGreen, 0, 1, 0);
        setind(kBlue, 0, 0, 1);
    }
    void draw(const Grid &g, const std::vector<float> &levels) {
        conshd(g.x.data(), g.nx(), g.y.data(), g.ny(), g.z.data(), levels.data(),
               int(levels.size()));
    }
    // The bands of a grid between -1.2 and 1.2 in the standard axis system,
    // on a PDF page rendered at 600 dpi.
    struct RenderedBands {
        static constexpr double kDpi = 600;
        RgbImage image;
        double pixels; // per plot unit
        int pixel(float plot) const { return int(double(plot) * pixels); }
    };
    RenderedBands pdfBands(const Grid &g) {
        GlobalRecord &rec = openPdf();
        standardAxes(true);
        captureStdout([&] { draw(g, {-1.2f, -0.6f, 0.0f, 0.6f, 1.2f}); });
        const float scale = rec.page.xdevscl;
        close("plot.pdf");
        return {renderPdf(dir.file("plot.pdf"), RenderedBands::kDpi),
                scale / 72.0 * RenderedBands::kDpi};
    }
};

// ---- Pixels of cells ------------------------------------------------------------

TEST_F(FilledContours, CellsAreSplitAlongTheLevelsAndPaintedInTheirBands) {
    struct Sample {
        float x, y;
        Seen seen;
    };
    struct Case {
        const char *what;
        Grid grid;
        std::vector<float> levels;
        const char *cells; // shdmod(cells, "CELL")
        std::vector<Sample> samples;
    };
    using S = Seen;
    const Case cases[] = {
        {"one level halves the cell",
         oneCell(0, 2, 2, 0),
         {1},
         "UPPE",
         {{2, 2.5f, S::Background},
          {4.6f, 2.5f, S::Background},
          {5.4f, 2.5f, S::Red},
          {8, 1, S::Red}}},
        {"three levels make a mosaic in band order",
         oneCell(0, 4, 4, 0),
         {1, 2, 3},
         "UPPE",
         {{1, 2.5f, S::Background},
          {3.75f, 2.5f, S::Red},
          {6.25f, 2.5f, S::Green},
          {8.75f, 2.5f, S::Blue}}},
        {"NONE leaves the bands outside the levels empty",
         oneCell(0, 4, 4, 0),
         {1, 2, 3},
         "NONE",
         {{1, 2.5f, S::Background},
          {3.75f, 2.5f, S::Red},
          {6.25f, 2.5f, S::Green},
          {8.75f, 2.5f, S::Background}}},
        // Centre value 1: on the level it is low, and the high corners stay
        // apart in the quarters around them.
        {"saddle with a low centre",
         oneCell(0, 2, 0, 2),
         {1},
         "UPPE",
         {{3, 1, S::Background},
          {7, 4, S::Background},
          {7, 1, S::Red},
          {3, 4, S::Red},
          {9.5f, 0.3f, S::Red},
          {0.5f, 4.7f, S::Red},
          {0.5f, 0.3f, S::Background},
          {9.5f, 4.7f, S::Background}}},
        {"saddle with a high centre",
         oneCell(0, 2, 0, 2),
         {0.9f},
         "UPPE",
         {{5, 2.5f, S::Red},
          {9.5f, 0.3f, S::Red},
          {0.5f, 4.7f, S::Red},
          {0.5f, 0.3f, S::Background},
          {9.5f, 4.7f, S::Background}}},
        {"a value on a level belongs to the band below",
         oneCell(2, 2, 2, 2),
         {1, 2},
         "UPPE",
         {{5, 2.5f, S::Red}}},
        {"a cell of levels in descending order",
         oneCell(0, 4, 4, 0),
         {3, 2, 1},
         "UPPE",
         {{3.75f, 2.5f, S::Blue}, {6.25f, 2.5f, S::Green}, {8.75f, 2.5f, S::Red}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = open("PPM", "plot.ppm");
        standardAxes(true);
        EXPECT_EQ(captureStdout([&] {
                      pureColours();
                      const int list[3] = {kRed, kGreen, kBlue};
                      conclr(list, int(c.levels.size()));
                      shdmod(c.cells, "CELL");
                      draw(c.grid, c.levels);
                  }),
                  "");
        const float scale = rec.page.xdevscl;
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        const unsigned char *background = image.at(2, 2);
        for (const Sample &s : c.samples) {
            const int px = int((200 + 100 * s.x) * scale + 0.5f),
                      py = int((1200 - 100 * s.y) * scale + 0.5f);
            EXPECT_EQ(seenAs(image.at(px, py), background), s.seen) << "at " << s.x << " " << s.y;
        }
    }
}

// Without a list the colours come from the scale of the sorted levels: the
// order the levels are given in does not change the picture.
TEST_F(FilledContours, LevelOrderDoesNotChangeScaleColours) {
    const Grid g = makeGrid(steps(11), steps(6), [](int i, int j) {
        return std::sin(float(i) * 0.7f) * 2.0f + std::cos(float(j) * 0.9f);
    });
    std::vector<RgbImage> pictures;
    for (const std::vector<float> &levels :
         {std::vector<float>{-2, -1, 0, 1, 2}, std::vector<float>{2, 1, 0, -1, -2},
          std::vector<float>{0, 2, -2, 1, -1}}) {
        open("PPM", "plot.ppm");
        standardAxes(true);
        captureStdout([&] { draw(g, levels); });
        close("plot.ppm");
        pictures.push_back(readPpm(dir.file("plot.ppm")));
        ASSERT_TRUE(pictures.back().valid());
    }
    EXPECT_EQ(differences(pictures[0], pictures[1]), "");
    EXPECT_EQ(differences(pictures[0], pictures[2]), "");
}

// Rectangles end at whole plot units; the split cells beside them must meet
// them there, or the paper shows through along every band edge.
TEST_F(FilledContours, NoSeamsBetweenRectanglesAndSplitCells) {
    // Cells a little wider than a plot unit, their grid lines between whole units.
    const std::vector<float> x = steps(201, 0, 0.01537f), y = steps(121, 0, 0.0213f);
    const RenderedBands bands = pdfBands(makeGrid(
        x, y, [&](int i, int j) { return std::sin(x[i] * 3.0f) + std::cos(y[j] * 4.0f); }));
    const RgbImage &image = bands.image;
    ASSERT_TRUE(image.valid());
    auto pixel = [&](float plot) { return bands.pixel(plot); };
    int paper = 0;
    // The outer edges move by up to a device unit; seams lie inside.
    const int margin = 8;
    for (int py = pixel(1200 - 100 * y.back()) + margin; py < pixel(1200) - margin; ++py)
        for (int px = pixel(200) + margin; px < pixel(200 + 100 * x.back()) - margin; ++px) {
            const unsigned char *p = image.at(px, py);
            paper += p[0] > 250 && p[1] > 250 && p[2] > 250 ? 1 : 0;
        }
    EXPECT_EQ(paper, 0);
}

// A grid wider and higher than the axis system: the cells across its edges are
// cut to it and filled whole, as the cells inside are, so that the bands
// reach its edges without gaps and nothing of them shows beyond.
TEST_F(FilledContours, CellsAcrossTheEdgeFillTheAxisSystemAndNoMore) {
    const std::vector<float> x = steps(41, -1.3f, 0.317f), y = steps(31, -1.1f, 0.241f);
    const RenderedBands bands = pdfBands(makeGrid(
        x, y, [&](int i, int j) { return std::sin(x[i] * 1.7f) + std::cos(y[j] * 2.3f); }));
    const RgbImage &image = bands.image;
    ASSERT_TRUE(image.valid());
    // The axis system covers 200..1200 by 700..1200; its edges may move by a
    // device unit (a point).
    const int left = bands.pixel(200), right = bands.pixel(1200), top = bands.pixel(700),
              bottom = bands.pixel(1200);
    const int margin = int(RenderedBands::kDpi / 72.0) + 2;
    int paperInside = 0, inkOutside = 0;
    for (int py = top - 40; py < bottom + 40; ++py)
        for (int px = left - 40; px < right + 40; ++px) {
            const unsigned char *p = image.at(px, py);
            const bool paper = p[0] > 250 && p[1] > 250 && p[2] > 250;
            const bool inside = px > left + margin && px < right - margin && py > top + margin &&
                                py < bottom - margin;
            const bool outside = px < left - margin || px > right + margin || py < top - margin ||
                                 py > bottom + margin;
            paperInside += inside && paper ? 1 : 0;
            inkOutside += outside && !paper ? 1 : 0;
        }
    EXPECT_EQ(paperInside, 0);
    EXPECT_EQ(inkOutside, 0);
}

// ---- Fill records -----------------------------------------------------------------

// Cells within one band are one rectangle each, cells crossed by one level two
// polygons (or three at a saddle).
TEST_F(FilledContours, CellsAreOneFillEachOrSplitIntoPolygons) {
    const Grid g = makeGrid(steps(4), {0, 1}, [](int i, int) { return float(i); });
    GlobalRecord &rec = open("SVG", "plot.svg");
    standardAxes(true);
    captureStdout([&] {
        pureColours();
        const int list[1] = {kRed};
        conclr(list, 1);
        draw(g, {1.5f});
    });
    const float s = rec.page.xdevscl;
    const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
    int rects = 0, polygons = 0;
    double filled = 0;
    for (const FillRecord &f : fills) {
        (f.polygon ? polygons : rects) += 1;
        filled += f.area() / (double(s) * s);
    }
    EXPECT_EQ(rects, 2);
    EXPECT_EQ(polygons, 2);
    ASSERT_EQ(fills.size(), 4u);
    // The first cell and the lower part of the second in the first colour of
    // the range, the upper part and the last cell in the list's colour.
    EXPECT_FALSE(fills[0].polygon);
    EXPECT_EQ(fills[1].colour, fills[0].colour);
    EXPECT_NE(fills[0].colour, "#ff0000");
    EXPECT_EQ(fills[2].colour, "#ff0000");
    EXPECT_EQ(fills[3].colour, "#ff0000");
    EXPECT_FALSE(fills[3].polygon);
    // The polygons tile the split cell: 100 x 100 plot units.
    EXPECT_NEAR(fills[1].area() / (double(s) * s) + fills[2].area() / (double(s) * s),
                100.0 * 100.0, 150.0);
    EXPECT_GT(filled, 3 * 100.0 * 100.0 - 50);
}

// On a projected map beyond the cylinders (codes above 9) a cell's sides are
// no longer parallel to the axes: every cell and sub-cell is a filled
// quadrilateral through its projected corners. Cylindrical maps keep the
// rectangles.
TEST_F(FilledContours, OnProjectedMapsCellsAreQuadrilaterals) {
    struct Case {
        const char *keyword;
        float ya, ye, south, north; // the map's latitudes and the grid's
    };
    for (const Case &c : {Case{"MOLL", -90, 90, -60, 60}, Case{"CONF", 20, 80, 30, 70},
                          Case{"MERC", -80, 80, -60, 60}}) {
        SCOPED_TRACE(c.keyword);
        // A uniform cell (-40..0) and one crossed by two levels (0..40).
        const Grid g{{-40, 0, 40}, {c.south, c.north}, {0, 0, 0, 0, 3, 3}};
        GlobalRecord &rec = open("SVG", "plot.svg");
        float corners[4][2] = {};
        captureStdout([&] {
            axspos(200, 1200);
            axslen(1601, 1001);
            frame(0);
            projct(c.keyword);
            grafmp(-180, 180, -180, 90, c.ya, c.ye, c.ya, (c.ye - c.ya) / 4);
            const float lon[4] = {-40, 0, 0, -40}, lat[4] = {c.south, c.south, c.north, c.north};
            for (int k = 0; k < 4; ++k)
                pos2pt(lon[k], lat[k], &corners[k][0], &corners[k][1]);
            draw(g, {1, 2});
        });
        const float s = rec.page.xdevscl;
        const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
        ASSERT_GT(fills.size(), 10u); // the uniform cell and the sub-cells
        if (std::string(c.keyword) == "MERC") {
            for (const FillRecord &f : fills)
                EXPECT_FALSE(f.polygon);
            continue;
        }
        for (const FillRecord &f : fills) {
            EXPECT_TRUE(f.polygon);
            EXPECT_EQ(f.x.size(), 4u);
        }
        // The uniform cell comes first, through its four projected corners.
        ASSERT_EQ(fills[0].x.size(), 4u);
        for (int k = 0; k < 4; ++k) {
            EXPECT_NEAR(fills[0].x[std::size_t(k)] / s, corners[k][0], 1.0) << k;
            EXPECT_NEAR(fills[0].y[std::size_t(k)] / s, corners[k][1], 1.0) << k;
        }
    }
}

// In polygon mode each closed line is filled once in its level's colour, in
// the order the levels are given; a line that leaves the grid is not filled.
TEST_F(FilledContours, PolygonModeFillsClosedLinesInTheGivenOrder) {
    const Grid cone = makeGrid(steps(5), steps(5), [](int i, int j) {
        return 2.0f - float(std::max(std::abs(i - 2), std::abs(j - 2)));
    });
    const Grid ramp = makeGrid(steps(5), steps(5), [](int i, int) { return float(i); });
    struct Case {
        const char *what;
        const Grid &grid;
        std::vector<float> levels;
        std::vector<std::string> colours; // of the polygons, in file order
        bool shrinking;                   // each polygon smaller than the one before
    };
    const Case cases[] = {
        {"ascending levels", cone, {0.5f, 1.5f}, {"#ff0000", "#00ff00"}, true},
        {"descending levels: the lowest painted last",
         cone,
         {1.5f, 0.5f},
         {"#00ff00", "#ff0000"},
         false},
        {"lines from border to border", ramp, {1.5f, 2.5f}, {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = open("SVG", "plot.svg");
        standardAxes(true);
        EXPECT_EQ(captureStdout([&] {
                      pureColours();
                      const int list[2] = {kRed, kGreen};
                      conclr(list, 2);
                      shdmod("POLY", "CONT");
                      draw(c.grid, c.levels);
                  }),
                  "");
        EXPECT_EQ(rec.contfill.iconfil, 0);
        std::vector<FillRecord> polygons;
        for (const FillRecord &f : fillRecords(close("plot.svg")))
            if (f.polygon) polygons.push_back(f);
        ASSERT_EQ(polygons.size(), c.colours.size());
        for (std::size_t k = 0; k < polygons.size(); ++k) {
            EXPECT_EQ(polygons[k].colour, c.colours[k]) << k;
            EXPECT_GT(polygons[k].x.size(), 3u);
        }
        if (polygons.size() == 2) {
            EXPECT_EQ(polygons[0].area() > polygons[1].area(), c.shrinking);
        }
    }
}

// A closed line far longer than the first room for its polygon is filled
// whole: a comb of 40 teeth on a fine grid, whose outline has some 38,000
// points (the teeth are few enough for the software fill's intersections per
// scan line). The line is one polygon with all its points; in the picture the
// comb's back and every tooth are red, the gaps between the teeth not.
TEST_F(FilledContours, PolygonModeFillsAClosedLineOfAnyLength) {
    constexpr int kTeeth = 40, kPeriod = 8; // columns of a tooth and its gap
    constexpr int nx = kTeeth * kPeriod + 1, ny = 301;
    const float dx = 10.0f / float(nx - 1), dy = 5.0f / float(ny - 1);
    Grid g = makeGrid(steps(nx), steps(ny), [](int i, int j) {
        const int top = i % kPeriod < kPeriod / 2 ? ny - 3 : ny / 2;
        return i >= 2 && i <= nx - 3 && j >= 2 && j <= top ? 1.0f : 0.0f;
    });
    for (float &x : g.x)
        x *= dx;
    for (float &y : g.y)
        y *= dy;
    const auto drawComb = [&] {
        pureColours();
        const int red = kRed;
        conclr(&red, 1);
        shdmod("POLY", "CONT");
        draw(g, {0.5f});
    };

    open("SVG", "plot.svg");
    standardAxes(true);
    EXPECT_EQ(captureStdout(drawComb), "");
    // Its points are written "x,y", too many for the regular expressions of
    // fillRecords.
    const std::string svg = close("plot.svg");
    const std::size_t first = svg.find("<polygon");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(svg.find("<polygon", first + 1), std::string::npos);
    const std::size_t points = svg.find("points=", first), end = svg.find("/>", points);
    EXPECT_GT(std::count(svg.begin() + long(points), svg.begin() + long(end), ','),
              long(kContourFillPoints));

    GlobalRecord &rec = open("PPM", "plot.ppm");
    standardAxes(true);
    EXPECT_EQ(captureStdout(drawComb), "");
    const float scale = rec.page.xdevscl;
    close("plot.ppm");
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    const unsigned char *background = image.at(2, 2);
    const auto seen = [&](float column, float y) {
        const int px = int((200 + 100 * column * dx) * scale + 0.5f),
                  py = int((1200 - 100 * y) * scale + 0.5f);
        return seenAs(image.at(px, py), background);
    };
    // A tooth spans the columns 8k - 0.5 .. 8k + 3.5, its gap the next four.
    for (int k = 1; k + 1 < kTeeth; ++k) {
        const float tooth = float(kPeriod * k) + 1.5f, gap = tooth + float(kPeriod / 2);
        EXPECT_EQ(seen(tooth, 1.0f), Seen::Red) << k;
        EXPECT_EQ(seen(gap, 1.0f), Seen::Red) << k;
        EXPECT_EQ(seen(tooth, 4.0f), Seen::Red) << k;
        EXPECT_EQ(seen(gap, 4.0f), Seen::Background) << k;
    }
}

// ---- Band colours and legend entries ------------------------------------------

TEST_F(FilledContours, BandColoursFollowTheShadingRules) {
    struct Case {
        const char *what;
        const char *colours, *cells;
        std::vector<float> levels;
        std::vector<int>
            entries; // legend colours of bands 1..n; -1 no entry, -2 the range's last colour
    };
    // The list gives 10, 20, 30 for its entries 1, 2, 3.
    const Case cases[] = {
        {"lower level", "LOWE", "BOTH", {1, 2, 3}, {10, 20, 30}},
        {"upper level", "UPPE", "BOTH", {1, 2, 3}, {20, 30, -2}},
        {"middle of the band", "MIDD", "BOTH", {1, 2, 3}, {10, 20, 30}},
        {"no band above the highest level", "LOWE", "LOWE", {1, 2, 3}, {10, 20, -1}},
        {"no bands outside the levels", "LOWE", "NONE", {1, 2, 3}, {10, 20, -1}},
        {"only the band above", "LOWE", "UPPE", {1, 2, 3}, {10, 20, 30}},
        // Band b takes the entry at the place of its lower level in the caller's array.
        {"descending levels", "LOWE", "BOTH", {3, 2, 1}, {30, 20, 10}},
        {"shuffled levels", "LOWE", "BOTH", {2, 3, 1}, {30, 10, 20}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = open("SVG", "plot.svg");
        standardAxes(true);
        const Grid g = oneCell(0, 4, 4, 0);
        rec.legend = LegendState{};
        int colour = 0;
        float spacing = 0;
        EXPECT_EQ(captureStdout([&] {
                      const int list[3] = {10, 20, 30};
                      conclr(list, 3);
                      shdmod(c.colours, "COLO");
                      shdmod(c.cells, "CELL");
                      color("WHITE");
                      shdpat(5);
                      colour = rec.colour.ncolor;
                      spacing = rec.fill.xsurscl;
                      draw(g, c.levels);
                  }),
                  "");
        const LegendState &l = rec.legend;
        int highest = 0;
        for (std::size_t b = 0; b < c.entries.size(); ++b) {
            if (c.entries[b] == -1) continue;
            const int expected = c.entries[b] == -2 ? rec.colour.nclrran0[1] : c.entries[b];
            EXPECT_EQ(l.nlegclr[b], expected) << "band " << b + 1;
            EXPECT_EQ(l.nlegpat[b], kSolidPattern) << "band " << b + 1;
            highest = int(b) + 1;
        }
        EXPECT_EQ(l.nlegcrv, highest);
        // What the call changed comes back, except the legend's shading flag.
        EXPECT_EQ(rec.fill.nshdpat, 5);
        EXPECT_EQ(rec.fill.xsurscl, spacing); // the pattern's hatch lines keep their spacing
        EXPECT_EQ(rec.colour.ncolor, colour);
        EXPECT_EQ(rec.page.iusrdrw, 0);
        EXPECT_EQ(rec.contfill.pconidx, nullptr);
        EXPECT_EQ(rec.curve.ilegpat, 1);
        close("plot.svg");
    }
}

// Bands past a short list take the colour scale, whose ends are the lowest and
// highest level; with more levels than the list has room for, the lookup stays
// inside the list.
TEST_F(FilledContours, BandsPastTheListTakeTheColourScale) {
    GlobalRecord &rec = open("SVG", "plot.svg");
    standardAxes(true);
    const Grid g = oneCell(0, 4, 4, 0);
    const std::vector<float> levels = {0, 1, 2, 3, 4};
    std::string out = captureStdout([&] {
        const int list[3] = {10 + 256, 20, 30}; // only the low 8 bits count
        conclr(list, 3);
        draw(g, levels);
    });
    EXPECT_EQ(out, " <<<< Warning 101: More contour levels as defined colours in conshd!\n");
    int scale[5];
    for (int k = 0; k < 5; ++k)
        scale[k] = jqqclr(rec, levels[std::size_t(k)]);
    EXPECT_EQ(scale[0], rec.colour.nclrran[0]);
    EXPECT_EQ(scale[4], rec.colour.nclrran[1]);
    const std::vector<int> expected = {10, 20, 30, scale[3], scale[4]};
    for (int b = 0; b < 5; ++b)
        EXPECT_EQ(rec.legend.nlegclr[b], expected[std::size_t(b)]) << "band " << b + 1;

    // 300 levels in descending order: band 1's lower level stands at place 300.
    std::vector<float> many;
    for (int k = 300; k >= 1; --k)
        many.push_back(float(k) / 100.0f);
    std::vector<int> full(256);
    for (int k = 0; k < 256; ++k)
        full[std::size_t(k)] = k;
    rec.contfill.nconcls[255] = 77;
    out = captureStdout([&] {
        conclr(full.data(), 256);
        draw(g, many);
    });
    EXPECT_EQ(out, " <<<< Warning 101: More contour levels as defined colours in conshd!\n");
    EXPECT_EQ(rec.legend.nlegclr[0], jqqclr(rec, many.back()));
    EXPECT_NE(rec.legend.nlegclr[0], 77);
    close("plot.svg");
}

// ---- Warnings ---------------------------------------------------------------------

TEST_F(FilledContours, BadInputIsReportedAndDrawsNothing) {
    GlobalRecord &rec = open("SVG", "plot.svg");
    const Grid g = oneCell(0, 2, 2, 0);
    const float level = 1;
    EXPECT_EQ(captureStdout([&] { draw(g, {level}); }),
              " <<<< Warning   3: Incorrect level in conshd!   (   1)\n");
    const int list[2] = {kRed, kGreen};
    struct Case {
        std::function<void()> call;
        std::string output;
    };
    const std::string bad = " <<<< Warning   2: Incorrect parameter in ";
    const Case setters[] = {
        {[&] { conclr(list, -1); }, bad + "conclr!\n"},
        {[&] { conclr(list, 257); }, bad + "conclr!\n"},
        {[&] { conclr(nullptr, 2); }, bad + "conclr!\n"},
    };
    captureStdout([&] { conclr(list, 2); });
    for (const Case &c : setters) {
        EXPECT_EQ(captureStdout(c.call), c.output);
        EXPECT_EQ(rec.contfill.nconclr, 2);
    }
    captureStdout([] { reset("CONC"); });
    EXPECT_EQ(rec.contfill.nconclr, 0);

    standardAxes(true);
    const Case calls[] = {
        {[&] { conshd(g.x.data(), 2, g.y.data(), 2, g.z.data(), &level, 0); },
         bad + "conshd!   (   0)\n"},
        {[&] { conshd(g.x.data(), 2, g.y.data(), 2, nullptr, &level, 1); }, bad + "conshd!\n"},
        {[&] { conshd(nullptr, 2, g.y.data(), 0, g.z.data(), &level, 1); }, bad + "conshd!\n"},
    };
    for (const Case &c : calls)
        EXPECT_EQ(captureStdout(c.call), c.output);
    // No cells: nothing drawn, but the legend entries are made.
    EXPECT_EQ(captureStdout([&] { conshd(g.x.data(), 1, g.y.data(), 2, g.z.data(), &level, 1); }),
              "");
    EXPECT_EQ(rec.legend.nlegcrv, 1);
    captureStdout([] { shdmod("POLY", "CONT"); });
    EXPECT_EQ(captureStdout([&] { conshd(g.x.data(), 1, g.y.data(), 2, g.z.data(), &level, 1); }),
              "");
    EXPECT_TRUE(fillRecords(close("plot.svg")).empty());

    open("SVG", "plot.svg");
    captureStdout([] {
        axspos(200, 1200);
        axslen(1001, 501);
        scale("LOG", "Y");
        graf(0.0f, 10.0f, 0.0f, 2.0f, -1.0f, 1.0f, -1.0f, 1.0f);
    });
    EXPECT_EQ(captureStdout([&] { draw(g, {level}); }),
              " <<<< Warning  27: Non positive values for log scaling in conshd!\n");
    EXPECT_TRUE(fillRecords(close("plot.svg")).empty());
}

// A cell with a corner that is no number belongs to no band; the others are drawn.
TEST_F(FilledContours, CellsWithoutANumberAreLeftOut) {
    const float nan = std::nanf("");
    const Grid g =
        makeGrid(steps(3), {0, 1}, [nan](int i, int j) { return i == 0 && j == 0 ? nan : 2.0f; });
    open("SVG", "plot.svg");
    standardAxes(true);
    captureStdout([&] { draw(g, {1.0f}); });
    const std::vector<FillRecord> fills = fillRecords(close("plot.svg"));
    EXPECT_EQ(fills.size(), 1u);
}

// ---- conmat ------------------------------------------------------------------------

class MatrixContours : public AxisTest {};

TEST_F(MatrixContours, DrawTheLinesOfContourOverAnEvenGrid) {
    // A peak off the centre of a 6 x 4 matrix.
    std::vector<float> z;
    for (int i = 0; i < 6; ++i)
        for (int j = 0; j < 4; ++j)
            z.push_back(std::exp(-0.3f * float((i - 2) * (i - 2) + (j - 1) * (j - 1))));
    struct Case {
        const char *what;
        std::function<void()> axes;
        std::vector<float> x, y; // the grid conmat must take
    };
    auto even = [](float a, float e, int n) {
        std::vector<float> v;
        for (int i = 0; i < n; ++i)
            v.push_back(a + float(i) * (e - a) / float(n - 1));
        return v;
    };
    const Case cases[] = {
        {"axis ranges", [] { graf(0, 10, 0, 2, 0, 5, 0, 1); }, even(0, 10, 6), even(0, 5, 4)},
        {"sursze extent",
         [] {
             sursze(2, 7, 1, 4);
             graf(0, 10, 0, 2, 0, 5, 0, 1);
         },
         even(2, 7, 6), even(1, 4, 4)},
        {"logarithmic x axis",
         [] {
             scale("LOG", "X");
             graf(0, 2, 0, 1, 0, 5, 0, 1);
         },
         even(1, 100, 6), even(0, 5, 4)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<PenOp> drawn[2];
        for (int k = 0; k < 2; ++k) {
            openHpgl();
            EXPECT_EQ(captureStdout([&] {
                          axspos(200, 1200);
                          axslen(1001, 501);
                          labels("NONE", "XY");
                          ticks(0, "XY");
                          noline("XY");
                          frame(0);
                          c.axes();
                          if (k == 0)
                              conmat(z.data(), 6, 4, 0.5f);
                          else
                              contur(c.x.data(), 6, c.y.data(), 4, z.data(), 0.5f);
                      }),
                      "");
            EXPECT_EQ(currentRecord().contour.ncrvnum, 1);
            drawn[k] = closeHpgl();
        }
        EXPECT_FALSE(drawn[0].empty());
        EXPECT_EQ(drawn[0], drawn[1]);
    }
}

TEST_F(MatrixContours, BadInputIsReported) {
    openHpgl();
    const float z[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    EXPECT_EQ(captureStdout([&] { conmat(z, 3, 3, 0.5f); }),
              " <<<< Warning   3: Incorrect level in conmat!   (   1)\n");
    standardAxes(true);
    struct Case {
        int nx, ny;
        const float *z;
        const char *output;
    };
    const Case cases[] = {
        {1, 3, z, " <<<< Warning   2: Incorrect parameter in conmat!   (   1)\n"},
        {3, -5, z, " <<<< Warning   2: Incorrect parameter in conmat!   (  -5)\n"},
        {3, 3, nullptr, " <<<< Warning   2: Incorrect parameter in conmat!   (   3)\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout([&] { conmat(c.z, c.nx, c.ny, 0.5f); }), c.output);
    EXPECT_EQ(currentRecord().contour.ncrvnum, 0);
    EXPECT_TRUE(closeHpgl().empty());
}

} // namespace
