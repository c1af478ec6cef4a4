// Mesh surfaces: the lines that surfce, surmat and surfun draw and their
// order (read back as HPGL pen records), the hidden lines (pixels of PPM
// files at projected points), the options that change them, and the warnings.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

using Ops = std::vector<PenOp>;

struct Point {
    float x, y;
};

// A user point of the open 3-D axis system on the page.
Point onPage(float x, float y, float z) {
    Point p{};
    rel3pt(x, y, z, &p.x, &p.y);
    return p;
}

// HPGL keeps quarter units; the horizon rounds to whole units.
constexpr float kQuarter = 0.3f;
constexpr float kWhole = 1.1f;

bool near(const PenOp &op, Point p, float tolerance) {
    return std::fabs(op.x - p.x) <= tolerance && std::fabs(op.y - p.y) <= tolerance;
}

// Expects the operations to be the moves (false) and draws (true) to the
// points, in this order.
void expectOps(const Ops &ops, const std::vector<std::pair<bool, Point>> &want, float tolerance) {
    ASSERT_EQ(ops.size(), want.size()) << describe(ops);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        EXPECT_EQ(ops[i].draw, want[i].first) << "operation " << i << ": " << describe(ops);
        EXPECT_TRUE(near(ops[i], want[i].second, tolerance))
            << "operation " << i << " at " << ops[i].x << ", " << ops[i].y << ", expected "
            << want[i].second.x << ", " << want[i].second.y;
    }
}

int countOf(const Ops &ops, bool draw) {
    return int(
        std::count_if(ops.begin(), ops.end(), [&](const PenOp &op) { return op.draw == draw; }));
}

class MeshSurface : public AxisTest {
  protected:
    // A 3-D axis system of 0..10 on every axis in which nothing is drawn but
    // the surface; the eye at (ex, ey, ez) in box coordinates, or the default
    // view when ex, ey and ez are all 0. setup runs before graf3d.
    void box(float ex = 0, float ey = 0, float ez = 0, const std::function<void()> &setup = {}) {
        captureStdout([&] {
            axspos(300, 1900);
            axslen(1600, 1600);
            nograf();
            if (ex != 0 || ey != 0 || ez != 0) view3d(ex, ey, ez, "ABS");
            if (setup) setup();
            graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
        });
    }
};

// ---- The lines and their order ---------------------------------------------

// The default eye (4, -5, 4) looks from high x and low y: the walk takes x
// from the last index and y from the first.
TEST_F(MeshSurface, OneCellFromTheDefaultView) {
    const float x[2] = {0, 10}, y[2] = {0, 10};
    const float z[4] = {1, 2, 3, 4}; // z(i, j) at i * 2 + j
    for (bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden lines" : "nohide");
        openHpgl();
        box();
        auto p = [&](int i, int j) { return onPage(x[i], y[j], z[i * 2 + j]); };
        std::vector<std::pair<bool, Point>> want = {
            {false, p(1, 0)}, {true, p(0, 0)},                  // along x at the front
            {false, p(1, 0)}, {true, p(1, 1)},                  // along y at the front
            {false, p(0, 0)}, {true, p(0, 1)}, {true, p(1, 1)}, // the back edges of the cell
        };
        // The corner where the second line starts lies on the horizon of the
        // first, so that line turns visible one unit further on.
        if (hidden) want.insert(want.begin() + 3, {false, p(1, 0)});
        EXPECT_EQ(captureStdout([&] {
                      if (!hidden) nohide();
                      surfce(x, 2, y, 2, z);
                  }),
                  "");
        expectOps(closeHpgl(), want, hidden ? kWhole : kQuarter);
    }
}

// The first line starts at the grid corner nearest to the viewer: the walk
// follows the side the eye looks from and the way the data run.
TEST_F(MeshSurface, WalksStartNearestToTheViewer) {
    const float up[3] = {0, 5, 10}, down[3] = {10, 5, 0};
    float z[9];
    for (int k = 0; k < 9; ++k)
        z[k] = float(k);
    struct Case {
        const char *what;
        float ex, ey;
        const float *x, *y;
        int i0, j0; // the index of the first point
    } cases[] = {
        {"eye at low x and y", -4, -5, up, up, 0, 0},
        {"eye at high x", 4, -5, up, up, 2, 0},
        {"eye at high y", -4, 5, up, up, 0, 2},
        {"x data running down, eye at low x", -4, -5, down, up, 2, 0},
        {"x data running down, eye at high x", 4, -5, down, up, 0, 0},
        {"y data running down, eye at low y", -4, -5, up, down, 0, 2},
        {"eye straight over the middle of x", 0, -5, up, up, 2, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openHpgl();
        box(c.ex, c.ey, 4);
        const Point first = onPage(c.x[c.i0], c.y[c.j0], z[c.i0 * 3 + c.j0]);
        captureStdout([&] {
            nohide();
            surfce(c.x, 3, c.y, 3, z);
        });
        const Ops ops = closeHpgl();
        ASSERT_FALSE(ops.empty());
        EXPECT_FALSE(ops[0].draw);
        EXPECT_TRUE(near(ops[0], first, kQuarter)) << describe(ops);
    }
}

// Every grid line is drawn once: as whole lines (XISO, YISO) or as the front
// edges and two edges per cell (BOTH).
TEST_F(MeshSurface, GridLinesOfEachOption) {
    constexpr int nx = 4, ny = 3;
    const float x[nx] = {0, 3, 6, 9}, y[ny] = {1, 5, 9};
    float z[nx * ny];
    for (int k = 0; k < nx * ny; ++k)
        z[k] = float(k % 5);
    struct Case {
        const char *option;
        int moves, draws;
    } cases[] = {
        {"XISO", ny, ny * (nx - 1)},
        {"YISO", nx, nx * (ny - 1)},
        {"BOTH", 2 + (nx - 1) * (ny - 1), (nx - 1) + (ny - 1) + 2 * (nx - 1) * (ny - 1)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.option);
        openHpgl();
        box();
        captureStdout([&] {
            nohide();
            suropt(c.option);
            surfce(x, nx, y, ny, z);
        });
        const Ops ops = closeHpgl();
        EXPECT_EQ(countOf(ops, false), c.moves) << describe(ops);
        EXPECT_EQ(countOf(ops, true), c.draws) << describe(ops);
    }
}

// Bars stand at every grid point that is not below the Z axis, drawn once
// each without hidden lines.
TEST_F(MeshSurface, BarsPerGridPoint) {
    const float x[2] = {3, 7}, y[2] = {3, 7};
    const float z[4] = {5, -1, 3, 7}; // the bar at (3, 7) lies below 0
    openHpgl();
    box(4, -5, 4);
    // Half widths 0.75 * 4 / 2 = 1.5. The walk comes from high x and low y,
    // so the first bar is that at (7, 3), and its sides facing the viewer
    // are x = 8.5 and y = 1.5: P1 = (5.5, 1.5, 3) on top, P5 below it.
    const Point p1 = onPage(5.5f, 1.5f, 3), p5 = onPage(5.5f, 1.5f, 0);
    captureStdout([&] {
        nohide();
        polcrv("BARS");
        surfce(x, 2, y, 2, z);
    });
    const Ops ops = closeHpgl();
    EXPECT_EQ(countOf(ops, false), 3 * 2) << describe(ops);
    EXPECT_EQ(countOf(ops, true), 3 * 9) << describe(ops);
    ASSERT_GE(ops.size(), 6u);
    EXPECT_TRUE(near(ops[0], p1, kQuarter)) << describe(ops);
    EXPECT_TRUE(near(ops[5], p5, kQuarter)) << describe(ops);
}

// The edges of one bar do not hide each other: a lone bar with hidden lines
// is drawn whole, once.
TEST_F(MeshSurface, LoneBarWithHiddenLines) {
    const float x[2] = {3, 7}, y[2] = {3, 7};
    const float z[4] = {-1, -1, 5, -1};
    openHpgl();
    box(4, -5, 4);
    captureStdout([&] {
        polcrv("BARS");
        surfce(x, 2, y, 2, z);
    });
    // The second pass only raises the horizons: it moves, never draws.
    const Ops ops = closeHpgl();
    EXPECT_EQ(countOf(ops, true), 9) << describe(ops);
}

// ---- surmat ---------------------------------------------------------------------

// Pen operations of surmat on a 0..10 box without hidden lines.
class MatrixLines : public MeshSurface {
  protected:
    Ops draw(const std::vector<float> &z, int nx, int ny, int px, int py, float ex = 4) {
        openHpgl();
        box(ex, -5, 4);
        captureStdout([&] {
            nohide();
            surmat(z.data(), nx, ny, px, py);
        });
        return closeHpgl();
    }
};

// With -2 only the grid indices 1, 3, 5 of 6 are used, for the lines of
// constant x and for the points of the lines of constant y alike.
TEST_F(MatrixLines, NegativeCountsSkipGridLines) {
    constexpr int nx = 6, ny = 3;
    std::vector<float> z(nx * ny);
    for (int k = 0; k < nx * ny; ++k)
        z[k] = float(k % 7);
    auto at = [&](int i, int j) { return z[std::size_t(i * ny + j)]; };
    for (float ex : {4.0f, -4.0f}) {
        SCOPED_TRACE(ex > 0 ? "walk from high x" : "walk from low x");
        const Ops ops = draw(z, nx, ny, -2, 1, ex);
        // Grid x at 0, 2, ..., 10; the kept ones at 0, 4, 8.
        openHpgl();
        box(ex, -5, 4);
        std::vector<Point> kept, dropped;
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j)
                (i % 2 == 0 ? kept : dropped).push_back(onPage(2.0f * i, 5.0f * j, at(i, j)));
        close("plot.hpg");
        EXPECT_EQ(countOf(ops, false), 3 + 3) << describe(ops);
        EXPECT_EQ(countOf(ops, true), 3 * 2 + 3 * 2) << describe(ops);
        for (const PenOp &op : ops) {
            const bool onKept = std::any_of(kept.begin(), kept.end(),
                                            [&](Point p) { return near(op, p, kQuarter); });
            EXPECT_TRUE(onKept) << op.x << ", " << op.y;
        }
        // The first line is the kept one nearest to the viewer.
        ASSERT_FALSE(ops.empty());
        EXPECT_TRUE(near(ops[0], ex > 0 ? kept[2 * ny] : kept[0], kQuarter)) << describe(ops);
    }
}

TEST_F(MatrixLines, CountsOfLinesPerCell) {
    constexpr int nx = 3, ny = 2;
    const std::vector<float> z = {0, 1, 2, 3, 4, 5};
    struct Case {
        const char *what;
        int px, py;
        int moves, draws;
    } cases[] = {
        // (nx - 1) * px + 1 lines of constant x of ny - 1 segments, and the
        // same for y.
        {"one line per grid line", 1, 1, 3 + 2, 3 * 1 + 2 * 2},
        {"three lines of constant x per cell", 3, 1, 7 + 2, 7 * 1 + 2 * 2},
        {"lines of constant y only", 0, 2, 3, 3 * 2},
        {"nothing", 0, 0, 0, 0},
        // Only the first x index is left: one line of constant x, and lines
        // of constant y that are single points.
        {"every k-th line for the largest k", INT_MIN, 1, 1 + 2, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Ops ops = draw(z, nx, ny, c.px, c.py);
        EXPECT_EQ(countOf(ops, false), c.moves) << describe(ops);
        EXPECT_EQ(countOf(ops, true), c.draws) << describe(ops);
    }
}

// ---- A view in which nothing hides anything -----------------------------------

// Seen straight from the front without perspective (page x is box x, page up
// is box z), a surface rising to the back hides none of its lines, and the
// order of the hidden-line walk shows in what is drawn.
class FrontView : public MeshSurface {
  protected:
    // User 0..10 on the page from 500 to 1500; z 0..10 from 1500 up to 500.
    static constexpr float kScale = 500;
    static float pageX(float u) { return 1000 + kScale * (u - 5) / 5; }
    static float pageY(float z) { return 1000 - kScale * (z - 5) / 5; }

    void openFrontView() {
        GlobalRecord &rec = openHpgl();
        box(-4, -5, 4);
        const float m[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
        std::copy(m, m + 16, rec.view3d.xmat3d);
        rec.view3d.xprjscl = kScale;
        rec.view3d.xprjcen[0] = 1000;
        rec.view3d.xprjcen[1] = 1000;
    }

    struct Lines {
        std::vector<Segment> vertical, horizontal;
    };
    static Lines split(const Ops &ops) {
        Lines lines;
        for (const Segment &s : segmentsOf(ops)) {
            if (std::fabs(s.x1 - s.x2) < 0.5f) lines.vertical.push_back(s);
            if (std::fabs(s.y1 - s.y2) < 0.5f) lines.horizontal.push_back(s);
        }
        return lines;
    }
};

// Three lines of constant x per cell, and from each a cross piece to the
// next at every grid y; without hidden lines the lines of constant y run
// through.
TEST_F(FrontView, SubLinesAndCrossPiecesOfTheCellWalk) {
    // z = y on a 3 x 3 grid over 0..10: every farther line stands higher.
    const float z[9] = {0, 5, 10, 0, 5, 10, 0, 5, 10};
    for (bool hidden : {true, false}) {
        SCOPED_TRACE(hidden ? "cell walk" : "families");
        openFrontView();
        EXPECT_EQ(captureStdout([&] {
                      if (!hidden) nohide();
                      surmat(z, 3, 3, 3, 1);
                  }),
                  "");
        const Lines lines = split(closeHpgl());
        std::vector<float> columns;
        for (const Segment &s : lines.vertical)
            columns.push_back(s.x1);
        std::sort(columns.begin(), columns.end());
        columns.erase(std::unique(columns.begin(), columns.end(),
                                  [](float a, float b) { return std::fabs(a - b) < 1.5f; }),
                      columns.end());
        ASSERT_EQ(columns.size(), 7u);
        for (int k = 0; k < 7; ++k)
            EXPECT_NEAR(columns[std::size_t(k)], pageX(10.0f * k / 6), kWhole);
        // 7 lines of 2 segments each.
        EXPECT_EQ(lines.vertical.size(), 14u);
        if (hidden) {
            // A piece of a sixth of the range per sub-line and grid y.
            ASSERT_EQ(lines.horizontal.size(), 18u);
            for (const Segment &s : lines.horizontal)
                EXPECT_NEAR(std::fabs(s.x2 - s.x1), kScale * 2 / 6, kWhole);
        } else {
            // Three lines of constant y through the three grid x.
            EXPECT_EQ(lines.horizontal.size(), 6u);
        }
    }
}

// ---- surfun ----------------------------------------------------------------------

std::vector<std::pair<float, float>> gCalls;

float plane(float x, float y) {
    gCalls.push_back({x, y});
    return x / 2 + y / 4;
}

class FunctionMesh : public MeshSurface {
  protected:
    void SetUp() override {
        MeshSurface::SetUp();
        gCalls.clear();
    }
    Ops draw(int ixpts, float xdel, int iypts, float ydel, bool hidden,
             const std::function<void()> &setup = {}, float ex = -4) {
        openHpgl();
        box(ex, -5, 4);
        EXPECT_EQ(captureStdout([&] {
                      if (!hidden) nohide();
                      if (setup) setup();
                      surfun(plane, ixpts, xdel, iypts, ydel);
                  }),
                  "");
        return closeHpgl();
    }
};

TEST_F(FunctionMesh, CallsTheFunctionForEveryPointDrawn) {
    struct Case {
        const char *what;
        int ixpts, iypts;
        bool hidden;
        std::size_t calls;
    } cases[] = {
        // Lines at 0, 5, 10 with samples every 2.5.
        {"lines of constant x", 0, 2, true, 3 * 5},
        {"lines of constant y", 2, 0, true, 3 * 5},
        {"both families one after the other", 2, 2, false, 2 * 3 * 5},
        // Per line of constant x, pieces to the next one at the three y.
        {"cell walk", 2, 2, true, 3 * 5 + 2 * 3 * 3},
        {"nothing", 0, 0, true, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        gCalls.clear();
        const Ops ops = draw(c.ixpts, 5, c.iypts, 5, c.hidden);
        EXPECT_EQ(gCalls.size(), c.calls);
        EXPECT_EQ(ops.empty(), c.calls == 0);
    }
}

// Sums of a step such as 0.1 miss the end of the range by a rounding error;
// the line at the end is drawn all the same, at the end.
TEST_F(FunctionMesh, WalksReachTheEndOfTheRange) {
    for (float ex : {-4.0f, 4.0f}) {
        SCOPED_TRACE(ex < 0 ? "walk from xa" : "walk from xe");
        gCalls.clear();
        draw(
            0, 0.1f, 1, 0.5f, false, [] { sursze(0, 1, 0, 1); }, ex);
        std::vector<float> xs;
        for (const auto &call : gCalls)
            if (xs.empty() || xs.back() != call.first) xs.push_back(call.first);
        ASSERT_EQ(xs.size(), 11u);
        EXPECT_EQ(xs.front(), ex < 0 ? 0.0f : 1.0f);
        EXPECT_EQ(xs.back(), ex < 0 ? 1.0f : 0.0f);
        // Each line of constant x has its three points, at 0, 0.5 and 1.
        EXPECT_EQ(gCalls.size(), 11u * 3);
    }
}

// ---- Hidden lines in the picture ---------------------------------------------------

// A ridge along the front and a plateau behind it, on the memory raster: the
// ridge hides the far part of the plateau from the default eye.
class RidgeSurface : public MeshSurface {
  protected:
    static constexpr int nx = 3, ny = 6;
    const float x[nx] = {0, 5, 10};
    const float y[ny] = {0, 2, 4, 6, 8, 10};
    float z[nx * ny] = {};
    float scale = 0;

    void SetUp() override {
        MeshSurface::SetUp();
        for (int i = 0; i < nx; ++i)
            z[i * ny + 1] = 10; // the ridge at y = 2
    }
    void openPpm() {
        GlobalRecord &rec = open("PPM", "plot.ppm");
        scale = rec.page.xdevscl;
        box();
    }
    RgbImage closePpm() {
        close("plot.ppm");
        return readPpm(dir.file("plot.ppm"));
    }
    // A pixel other than the background within a pixel of the page point.
    bool inkAt(const RgbImage &image, Point p) const {
        const unsigned char *background = image.at(0, 0);
        const int cx = int(p.x * scale), cy = int(p.y * scale);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (!std::equal(background, background + 3, image.at(cx + dx, cy + dy)))
                    return true;
        return false;
    }
};

TEST_F(RidgeSurface, FarLinesBehindTheRidgeAreHidden) {
    struct Case {
        const char *what;
        std::function<void()> options;
        bool farPlateauShown;
    } cases[] = {
        {"hidden lines", {}, false},
        {"nohide", [] { nohide(); }, true},
        {"reset nohide",
         [] {
             nohide();
             reset("NOHIDE");
         },
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openPpm();
        const Point ridgeTop = onPage(2.5f, 2, 10);
        const Point farPlateau = onPage(2.5f, 8, 0);
        const Point nearPlateau = onPage(2.5f, 0, 0);
        EXPECT_EQ(captureStdout([&] {
                      if (c.options) c.options();
                      surfce(x, nx, y, ny, z);
                  }),
                  "");
        const RgbImage image = closePpm();
        ASSERT_TRUE(image.valid());
        EXPECT_TRUE(inkAt(image, ridgeTop));
        EXPECT_TRUE(inkAt(image, nearPlateau));
        EXPECT_EQ(inkAt(image, farPlateau), c.farPlateauShown);
    }
}

// With shlsur the horizon of the surface stays in force: a line drawn later
// behind the ridge is hidden too.
TEST_F(RidgeSurface, ShlsurKeepsTheHorizonForLaterLines) {
    for (bool keep : {false, true}) {
        SCOPED_TRACE(keep ? "shlsur" : "without shlsur");
        openPpm();
        const float lx[2] = {0, 10}, ly[2] = {9, 9}, lz[2] = {0, 0};
        const Point behind = onPage(2.5f, 9, 0);
        captureStdout([&] {
            if (keep) shlsur();
            surfce(x, nx, y, ny, z);
            curv3d(lx, ly, lz, 2);
        });
        EXPECT_EQ(currentRecord().horizon.ihidsur, keep ? 1 : 0);
        const RgbImage image = closePpm();
        EXPECT_EQ(inkAt(image, behind), !keep);
    }
}

// A surface seen partly from below: a wall that falls away from the viewer
// more steeply than the line of sight shows its bottom side.
class SidedSurface : public RidgeSurface {
  protected:
    void SetUp() override {
        RidgeSurface::SetUp();
        for (float &v : z)
            v = 0;
        for (int i = 0; i < nx; ++i)
            z[i * ny] = 10; // the front edge high up
    }
    struct Colours {
        int red = 0, blue = 0, white = 0;
    };
    static Colours count(const RgbImage &image) {
        Colours c;
        for (int py = 0; py < image.height; ++py)
            for (int px = 0; px < image.width; ++px) {
                const unsigned char *p = image.at(px, py);
                if (p[0] > 200 && p[1] < 60 && p[2] < 60) ++c.red;
                if (p[0] < 60 && p[1] < 60 && p[2] > 200) ++c.blue;
                if (p[0] > 200 && p[1] > 200 && p[2] > 200) ++c.white;
            }
        return c;
    }
};

TEST_F(SidedSurface, SideColoursAndTheVisibleSide) {
    struct Case {
        const char *what;
        const char *side;
        bool red, blue;
    } cases[] = {
        {"both sides", "BOTH", true, true},
        {"top only", "TOP", true, false},
        {"bottom only", "BOTT", false, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openPpm();
        const float lx[2] = {0, 10}, ly[2] = {10, 10}, lz[2] = {10, 10};
        captureStdout([&] {
            setind(3, 1, 0, 0);
            setind(4, 0, 0, 1);
            color("FORE");
            survis(c.side);
            surclr(3, 4); // top red, bottom blue
            surfce(x, nx, y, ny, z);
            // Drawn after the surface in the colour in force before it.
            nohide();
            reset("SURCLR");
            curv3d(lx, ly, lz, 2);
        });
        const Colours seen = count(closePpm());
        EXPECT_EQ(seen.red > 0, c.red) << seen.red;
        EXPECT_EQ(seen.blue > 0, c.blue) << seen.blue;
        EXPECT_GT(seen.white, 0); // the foreground of the raster
    }
}

// Side colours of -1 are the colour in force when the surface began.
TEST_F(SidedSurface, MinusOneIsTheColourInForce) {
    openPpm();
    captureStdout([&] {
        setind(3, 1, 0, 0);
        setclr(3);
        surclr(-1, -1);
        surfce(x, nx, y, ny, z);
    });
    const Colours seen = count(closePpm());
    EXPECT_GT(seen.red, 0);
    EXPECT_EQ(seen.blue + seen.white, 0);
}

// ---- Warnings ------------------------------------------------------------------------

float flat(float, float) {
    return 1.0f;
}

TEST_F(MeshSurface, RefusedCallsDrawNothing) {
    const float x[3] = {0, 5, 10}, y[3] = {0, 5, 10};
    const float z[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    const float below[9] = {1, 2, 3, 4, 0, 6, 7, 8, 9};
    const std::string bad = "Incorrect parameter";
    auto line = [](int n, const char *text, const char *routine, const std::string &value = "") {
        char head[64];
        std::snprintf(head, sizeof head, " <<<< Warning %3d: ", n);
        return head + std::string(text) + " in " + routine + "!" +
               (value.empty() ? "" : "   (" + value + ")") + "\n";
    };
    struct Case {
        const char *what;
        std::function<void()> setup; // before graf3d
        std::function<void()> call;
        std::string output;
    } cases[] = {
        {"one x", {}, [&] { surfce(x, 1, y, 3, z); }, line(2, bad.c_str(), "surfce")},
        {"no matrix", {}, [&] { surfce(x, 3, y, 3, nullptr); }, line(2, bad.c_str(), "surfce")},
        {"one y", {}, [&] { surmat(z, 3, 1, 1, 1); }, line(2, bad.c_str(), "surmat")},
        {"no lines", {}, [&] { surmat(z, 3, 3, 0, 0); }, ""},
        {"no x step", {}, [] { surfun(flat, 1, 0, 1, 1); }, line(2, bad.c_str(), "surfun")},
        {"negative samples", {}, [] { surfun(flat, -1, 1, 1, 1); }, line(2, bad.c_str(), "surfun")},
        {"no samples", {}, [] { surfun(flat, 0, 1, 0, 1); }, ""},
        // The step would be lost against values of a million: the walk
        // would never end.
        {"a step too small for the values", [] { sursze(1e6f, 1e6f + 100, 0, 10); },
         [] { surfun(flat, 1, 0.01f, 1, 1); }, line(2, bad.c_str(), "surfun")},
        {"logarithm of 0", [] { scale("LOG", "Z"); }, [&] { surfce(x, 3, y, 3, below); },
         line(27, "Non positive values for log scaling", "surfce")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openHpgl();
        captureStdout([&] {
            nograf();
            if (c.setup) c.setup();
            if (c.what == std::string("logarithm of 0"))
                graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 1, 0, 1);
            else
                graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
        });
        EXPECT_EQ(captureStdout(c.call), c.output);
        EXPECT_TRUE(closeHpgl().empty());
    }
}

// A function that ends the process once a call has taken far more samples
// than any surface of these tests: a walk that never ends fails at once.
float boundedFlat(float, float) {
    static long samples = 0;
    if (++samples > 100000) std::_Exit(3);
    return 1.0f;
}

// Lines or samples closer than a plot unit: no more of them than the page has
// plot units across, with warning 101 (boundedFlat ends the child once a walk
// asks for more points than that).
TEST_F(MeshSurface, FunctionLinesCloserThanAPlotUnitAreLeftOut) {
    struct Case {
        const char *what;
        std::function<void()> setup; // before graf3d
        int ixpts;
        float xdel;
        int iypts;
        float ydel;
    } cases[] = {
        {"a million lines", [] { sursze(0, 1e6f, 0, 10); }, 1, 1, 1, 1},
        {"a million samples per line distance", {}, 1000000, 2, 1, 2},
        {"the same along y", {}, 1, 2, 1000000, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EXIT(
            {
                openHpgl();
                const std::string out = captureStdout([&] {
                    nograf();
                    if (c.setup) c.setup();
                    graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
                    surfun(boundedFlat, c.ixpts, c.xdel, c.iypts, c.ydel);
                });
                closeHpgl();
                std::fputs(out.c_str(), stderr);
                std::_Exit(out == " <<<< Warning 101: Mesh lines closer than a plot unit in "
                                  "surfun!\n"
                               ? 0
                               : 4);
            },
            ::testing::ExitedWithCode(0), "");
    }
}

// An infinite distance makes every walk value infinite, and infinity lies
// within any end: refused like NaN and the distances that are not positive.
TEST_F(MeshSurface, InfiniteAndNaNDistancesAreRefused) {
    const float inf = INFINITY, nan = NAN;
    const float distances[][2] = {{inf, 1}, {1, inf}, {-inf, 1}, {nan, 1}, {1, nan}};
    for (const auto &d : distances) {
        SCOPED_TRACE(std::to_string(d[0]) + " " + std::to_string(d[1]));
        openHpgl();
        captureStdout([] {
            nograf();
            graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
        });
        EXPECT_EXIT(
            {
                const std::string out =
                    captureStdout([&] { surfun(boundedFlat, 1, d[0], 1, d[1]); });
                std::_Exit(out == " <<<< Warning   2: Incorrect parameter in surfun!\n" ? 0 : 4);
            },
            ::testing::ExitedWithCode(0), "");
        EXPECT_TRUE(closeHpgl().empty());
    }
}

TEST_F(MeshSurface, OnlyInsideTheBoxOfGraf3d) {
    const float x[2] = {0, 1}, y[2] = {0, 1}, z[4] = {0, 0, 0, 0};
    openHpgl();
    EXPECT_EQ(captureStdout([&] { surfce(x, 2, y, 2, z); }),
              " <<<< Warning   3: Incorrect level in surfce!   (   1)\n");
    captureStdout([] {
        nograf();
        nobar();
        graf3(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1);
    });
    const std::string confusion = " <<<< Warning  35: Confusion of graf3d and graf3 in ";
    EXPECT_EQ(captureStdout([&] { surfce(x, 2, y, 2, z); }), confusion + "surfce!\n");
    EXPECT_EQ(captureStdout([&] { surmat(z, 2, 2, 1, 1); }), confusion + "surmat!\n");
    EXPECT_EQ(captureStdout([&] { surfun(flat, 1, 1, 1, 1); }), confusion + "surfun!\n");
    EXPECT_TRUE(closeHpgl().empty());
}

} // namespace
