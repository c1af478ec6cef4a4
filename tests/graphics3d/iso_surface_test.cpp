// Iso-surfaces: the marching-cubes table, the steps of one cube (crossing
// points, the cut to the axis ranges, gradients), the triangles of a sampled
// sphere, and suriso on raster and vector devices with its refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "devices/driver_record.h"
#include "graphics3d/cube_table.h"
#include "graphics3d/iso_surface.h"
#include "graphics3d/lighting.h"
#include "graphics3d/projection.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/colour.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

// Occurrences of word between white space or the ends of the text (the
// PostScript writer breaks its lines anywhere between words).
int countOf(const std::string &text, const std::string &word) {
    int n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool before = at == 0 || std::isspace((unsigned char)text[at - 1]);
        const std::size_t end = at + word.size();
        const bool after =
            end == text.size() || std::isspace((unsigned char)text[end]) || word.front() == '<';
        if (before && after) ++n;
    }
    return n;
}

// ---- The table -------------------------------------------------------------

TEST(CubeTable, WrittenRowsStandAsWritten) {
    for (const auto &row : cube_table::kTellingRows) {
        SCOPED_TRACE(row.pattern);
        for (int j = 0; j < cube_table::kRowBytes; ++j)
            EXPECT_EQ(cube_table::kTable.rows[row.pattern][j], row.bytes[j]);
    }
}

// Every row cuts exactly the edges whose corners lie on opposite sides of the
// level, each triangle of three different such edges, the rest of the row 0.
TEST(CubeTable, EveryRowCutsTheEdgesThatChangeSide) {
    for (int p = 0; p < cube_table::kRows; ++p) {
        SCOPED_TRACE(p);
        const uint8_t *row = cube_table::kTable.rows[p];
        const int n = cube_table::kTriangles[row[0]];
        std::set<int> crossing, used;
        for (int e = 0; e < 12; ++e) {
            const int a = cube_table::kEdgeCorners[e][0], b = cube_table::kEdgeCorners[e][1];
            if (((p >> a) & 1) != ((p >> b) & 1)) crossing.insert(e + 1);
        }
        for (int t = 0; t < n; ++t) {
            const int e0 = row[1 + 3 * t], e1 = row[2 + 3 * t], e2 = row[3 + 3 * t];
            EXPECT_TRUE(e0 != e1 && e1 != e2 && e0 != e2);
            used.insert({e0, e1, e2});
        }
        for (int j = 1 + 3 * n; j < cube_table::kRowBytes; ++j)
            EXPECT_EQ(row[j], 0);
        EXPECT_EQ(used, crossing);
    }
}

// ---- One cube ------------------------------------------------------------

// The unit cube with corner values w.
struct Cube {
    float x[8], y[8], z[8], w[8];
    explicit Cube(const float (&values)[8]) {
        for (int c = 0; c < 8; ++c) {
            x[c] = float(cube_table::kCornerOffset[c][0]);
            y[c] = float(cube_table::kCornerOffset[c][1]);
            z[c] = float(cube_table::kCornerOffset[c][2]);
            w[c] = values[c];
        }
    }
};

struct Triangles {
    int count = 0;
    float x[12], y[12], z[12];
};

Triangles trianglesOf(const GlobalRecord &rec, const Cube &cube, float level) {
    Triangles t;
    float r[12], g[12], b[12];
    const float scale[3] = {1, 1, 1};
    t.count = qqcub1(rec, cube.x, cube.y, cube.z, cube.w, level, 0, nullptr, nullptr, nullptr, 0,
                     scale, t.x, t.y, t.z, r, g, b);
    return t;
}

class IsoCube : public FreshRecord {};

TEST_F(IsoCube, OneCornerBelowAndItsComplementGiveTheSameTriangle) {
    const GlobalRecord &rec = currentRecord();
    const Cube low({0, 1, 1, 1, 1, 1, 1, 1});  // pattern 1
    const Cube high({1, 0, 0, 0, 0, 0, 0, 0}); // pattern 254
    for (const Cube *c : {&low, &high}) {
        const Triangles t = trianglesOf(rec, *c, 0.5f);
        ASSERT_EQ(t.count, 1);
        // On edges 1, 4 and 9, in this order, halfway.
        EXPECT_EQ((std::vector<float>{t.x[0], t.y[0], t.z[0]}), (std::vector<float>{0.5f, 0, 0}));
        EXPECT_EQ((std::vector<float>{t.x[1], t.y[1], t.z[1]}), (std::vector<float>{0, 0.5f, 0}));
        EXPECT_EQ((std::vector<float>{t.x[2], t.y[2], t.z[2]}), (std::vector<float>{0, 0, 0.5f}));
    }
    EXPECT_EQ(trianglesOf(rec, Cube({0, 0, 0, 0, 0, 0, 0, 0}), 0.5f).count, 0);
    EXPECT_EQ(trianglesOf(rec, Cube({1, 1, 1, 1, 1, 1, 1, 1}), 0.5f).count, 0);
    // A value equal to the level is not below it.
    EXPECT_EQ(trianglesOf(rec, Cube({0.5f, 1, 1, 1, 1, 1, 1, 1}), 0.5f).count, 0);
}

TEST(IsoCrossing, PointOnTheSegment) {
    struct Case {
        float w1, w2, level, expected;
    };
    // The segment runs from x = 0 to x = 2.
    for (const Case c : {Case{0, 1, 0.25f, 0.5f}, Case{1, 0, 0.25f, 1.5f}, Case{0.5f, 1, 0.5f, 0},
                         Case{0, 0.5f, 0.5f, 2}, Case{0.5f, 0.5f, 0.7f, 0}}) {
        float x, y, z;
        qqcub2(0, 1, 1, c.w1, 2, 1, 1, c.w2, c.level, x, y, z);
        EXPECT_FLOAT_EQ(x, c.expected) << c.w1 << " " << c.w2 << " " << c.level;
        EXPECT_EQ(y, 1);
        EXPECT_EQ(z, 1);
    }
}

TEST(IsoMonotony, StrictlyAscendingOrDescending) {
    struct Case {
        std::vector<float> values;
        int result;
    };
    for (const Case &c : {Case{{0, 1, 1}, 1}, Case{{2, 1, 0}, 0}, Case{{5}, 0}, Case{{0, 2, 1}, 1},
                          Case{{1, 1}, 1}, Case{{0, 1, 2}, 0}}) {
        int result = -1;
        const std::string out =
            captureStdout([&] { result = jqqcmo(c.values.data(), int(c.values.size())); });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(out.find("arrays must be monoton") != std::string::npos, c.result == 1) << out;
    }
}

// Gradients of w = x^2 + y z on an uneven grid: central differences inside,
// one-sided at the border, and the face taken over from the previous cube
// equal to what it would be computed as.
TEST(IsoGradients, CentralInsideOneSidedAtTheBorder) {
    const float xs[4] = {0, 1, 3, 4}, ys[3] = {0, 2, 3}, zs[2] = {1, 2};
    auto w = [](float x, float y, float z) { return x * x + y * z; };
    std::vector<float> m;
    for (float x : xs)
        for (float y : ys)
            for (float z : zs)
                m.push_back(w(x, y, z));
    auto diffX = [&](int a, int b, float y, float z) {
        return (w(xs[b], y, z) - w(xs[a], y, z)) / (xs[b] - xs[a]);
    };
    float gx[8] = {}, gy[8] = {}, gz[8] = {};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        qqgngr(xs, 4, ys, 3, zs, 2, m.data(), i, 0, 0, gx, gy, gz);
        const int im = std::max(i - 1, 0), ip = std::min(i + 2, 3);
        // Corner 0 on x index i, corner 6 on (i + 1, 1, 1).
        EXPECT_FLOAT_EQ(gx[0], diffX(im, i + 1, ys[0], zs[0]));
        EXPECT_FLOAT_EQ(gx[6], diffX(i, ip, ys[1], zs[1]));
        EXPECT_FLOAT_EQ(gy[0], (w(xs[i], ys[1], zs[0]) - w(xs[i], ys[0], zs[0])) / 2.0f);
        EXPECT_FLOAT_EQ(gy[6], (w(xs[i + 1], ys[2], zs[1]) - w(xs[i + 1], ys[0], zs[1])) / 3.0f);
        EXPECT_FLOAT_EQ(gz[7], ys[1]);
    }
}

// ---- The axis ranges ------------------------------------------------------

class IsoInBox : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;
    void TearDown() override {
        if (getlev() > 0) captureStdout([] { kavfin(); });
        PlotTest::TearDown();
    }
    void openBox(const char *device, const char *file, float xEnd = 1.0f) {
        rec = &open(device, file);
        captureStdout([&] {
            nograf();
            graf3d(-1, xEnd, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
        });
    }
};

TEST_F(IsoInBox, CubesAreCutToTheAxisRanges) {
    openBox("GKSL", "plot.out", 0.5f);
    struct Case {
        const char *what;
        float x0, x1; // x of the corners on the low and high grid index
        int skipped;
        float cutX0, cutX1, cutW0, cutW1; // x and w afterwards (w = x before)
    };
    for (const Case c :
         {Case{"inside", 0.0f, 0.4f, 0, 0.0f, 0.4f, 0.0f, 0.4f},
          Case{"reaching past the end", 0.0f, 1.0f, 0, 0.0f, 0.5f, 0.0f, 0.5f},
          Case{"descending", 1.0f, 0.0f, 0, 0.5f, 0.0f, 0.5f, 0.0f},
          Case{"from below the start", -2.0f, 0.0f, 0, -1.0f, 0.0f, -1.0f, 0.0f},
          Case{"beyond", 0.6f, 1.0f, 1, 0, 0, 0, 0}, Case{"before", -3.0f, -2.0f, 1, 0, 0, 0, 0}}) {
        SCOPED_TRACE(c.what);
        float x[8], y[8], z[8], w[8];
        for (int k = 0; k < 8; ++k) {
            x[k] = cube_table::kCornerOffset[k][0] ? c.x1 : c.x0;
            y[k] = float(cube_table::kCornerOffset[k][1]) * 0.5f;
            z[k] = float(cube_table::kCornerOffset[k][2]) * 0.5f;
            w[k] = x[k];
        }
        ASSERT_EQ(qqcub0(*rec, x, y, z, w), c.skipped);
        if (c.skipped) continue;
        for (int k = 0; k < 8; ++k) {
            const bool high = cube_table::kCornerOffset[k][0] == 1;
            EXPECT_FLOAT_EQ(x[k], high ? c.cutX1 : c.cutX0) << k;
            EXPECT_FLOAT_EQ(w[k], high ? c.cutW1 : c.cutW0) << k;
        }
    }
}

// A logarithmic axis holds its range as exponents; the cubes are cut at the
// values themselves.
TEST_F(IsoInBox, LogarithmicAxisIsCutAtItsValues) {
    rec = &open("GKSL", "plot.out");
    captureStdout([] {
        nograf();
        axsscl("LOG", "X");
        graf3d(0, 1, 0, 1, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f); // x from 1 to 10
    });
    float x[8], y[8], z[8], w[8];
    for (int k = 0; k < 8; ++k) {
        x[k] = cube_table::kCornerOffset[k][0] ? 20.0f : 2.0f;
        y[k] = z[k] = 0.5f * float(cube_table::kCornerOffset[k][1]);
        w[k] = x[k];
    }
    ASSERT_EQ(qqcub0(*rec, x, y, z, w), 0);
    EXPECT_FLOAT_EQ(x[1], 10.0f);
    EXPECT_FLOAT_EQ(w[1], 10.0f);
    EXPECT_FLOAT_EQ(x[0], 2.0f);
}

// The lit colour of a plane w = x takes the normal along the box's x axis,
// whatever the axis ranges: the gradient is a direction, not a point.
TEST_F(IsoInBox, LitColourUsesTheGradientAsADirection) {
    rec = &open("GKSL", "plot.out");
    captureStdout([] {
        nograf();
        graf3d(0, 10, 0, 5, 0, 10, 0, 5, 0, 10, 0, 5);
        light("ON");
    });
    const float values[8] = {2, 8, 8, 2, 2, 8, 8, 2}; // w = x on a cube from 2 to 8
    float x[8], y[8], z[8], w[8], gx[8], gy[8], gz[8];
    for (int c = 0; c < 8; ++c) {
        x[c] = cube_table::kCornerOffset[c][0] ? 8.0f : 2.0f;
        y[c] = cube_table::kCornerOffset[c][1] ? 8.0f : 2.0f;
        z[c] = cube_table::kCornerOffset[c][2] ? 8.0f : 2.0f;
        w[c] = values[c];
        gx[c] = 1, gy[c] = 0, gz[c] = 0;
    }
    const float scale[3] = {0.2f, 0.2f, 0.2f}; // box units per user unit of 0..10 over -1..1
    float px[12], py[12], pz[12], r[12], g[12], b[12];
    const int n = qqcub1(*rec, x, y, z, w, 5.0f, 0, gx, gy, gz, 1, scale, px, py, pz, r, g, b);
    ASSERT_EQ(n, 2);
    for (int m = 0; m < 6; ++m) {
        float bx, by, bz, er, eg, eb;
        qqpos3(*rec, px[m], py[m], pz[m], bx, by, bz);
        qqglit(*rec, bx, by, bz, 1, 0, 0, er, eg, eb);
        EXPECT_FLOAT_EQ(px[m], 5.0f);
        EXPECT_FLOAT_EQ(r[m], er);
        EXPECT_FLOAT_EQ(g[m], eg);
        EXPECT_FLOAT_EQ(b[m], eb);
    }
}

// ---- A sampled sphere --------------------------------------------------------

constexpr int kN = 9; // -1..1 in steps of 0.25
struct SphereGrid {
    float axis[kN];
    std::vector<float> w;
    SphereGrid() {
        for (int i = 0; i < kN; ++i)
            axis[i] = -1.0f + 0.25f * float(i);
        for (float x : axis)
            for (float y : axis)
                for (float z : axis)
                    w.push_back(x * x + y * y + z * z);
    }
};

TEST_F(IsoInBox, SphereTrianglesLieOnTheSphere) {
    openBox("GKSL", "plot.out");
    const SphereGrid g;
    const float level = 0.6f, radius = std::sqrt(level);
    const float scale[3] = {1, 1, 1};
    int drawn = 0;
    float worst = 0;
    for (int k = 0; k + 1 < kN; ++k)
        for (int j = 0; j + 1 < kN; ++j)
            for (int i = 0; i + 1 < kN; ++i) {
                float x[8], y[8], z[8], w[8], px[12], py[12], pz[12], r[12], gg[12], b[12];
                for (int c = 0; c < 8; ++c) {
                    const int *o = cube_table::kCornerOffset[c];
                    x[c] = g.axis[i + o[0]], y[c] = g.axis[j + o[1]], z[c] = g.axis[k + o[2]];
                    w[c] = g.w[((i + o[0]) * kN + j + o[1]) * kN + k + o[2]];
                }
                ASSERT_EQ(qqcub0(*rec, x, y, z, w), 0);
                const int n = qqcub1(*rec, x, y, z, w, level, 0, nullptr, nullptr, nullptr, 0,
                                     scale, px, py, pz, r, gg, b);
                drawn += n;
                for (int m = 0; m < 3 * n; ++m)
                    worst = std::max(
                        worst, std::fabs(std::sqrt(px[m] * px[m] + py[m] * py[m] + pz[m] * pz[m]) -
                                         radius));
            }
    // Linear interpolation of a quadratic over a step of 0.25.
    EXPECT_LT(worst, 0.02f);
    EXPECT_GT(drawn, 100);
    EXPECT_EQ(jqqcu0(*rec, g.axis, kN, g.axis, kN, g.axis, kN, g.w.data(), level), drawn);
}

// Flat and plain, every triangle is filled at once (one PostScript "tri"
// each); with the mesh on they go through the depth-sort buffer and get
// outlined in the mesh colour.
TEST_F(IsoInBox, FlatTrianglesOnVectorDevices) {
    const SphereGrid g;
    const float level = 0.3f;
    struct Case {
        const char *device, *file, *mesh, *word;
    };
    for (const Case c :
         {Case{"PS", "plot.ps", "OFF", "tri"}, Case{"SVG", "plot.svg", "OFF", "<polygon"},
          Case{"SVG", "plot.svg", "ON", "<polygon"}}) {
        SCOPED_TRACE(std::string(c.device) + " mesh " + c.mesh);
        openBox(c.device, c.file);
        captureStdout([&] {
            shdmod("FLAT", "SURF");
            surmsh(c.mesh);
            mshclr(250);
            setclr(30);
        });
        const int expected = jqqcu0(*rec, g.axis, kN, g.axis, kN, g.axis, kN, g.w.data(), level);
        EXPECT_EQ(
            captureStdout([&] { suriso(g.axis, kN, g.axis, kN, g.axis, kN, g.w.data(), level); }),
            "");
        EXPECT_EQ(rec->colour.ncolor, 30);
        const std::string bytes = close(c.file);
        EXPECT_EQ(countOf(bytes, c.word), expected);
        float r, gr, b;
        qqgrgb(currentRecord(), 250, r, gr, b);
        if (std::string(c.device) == "SVG") {
            char mesh[16];
            std::snprintf(mesh, sizeof mesh, "%02x%02x%02x", int(r * 255 + 0.5f),
                          int(gr * 255 + 0.5f), int(b * 255 + 0.5f));
            EXPECT_EQ(bytes.find(std::string("stroke=\"#") + mesh) != std::string::npos,
                      std::string(c.mesh) == "ON");
        }
    }
}

// A cube cut to the axis ranges can make more triangles than the whole cube.
// Here each cube of a row has one corner below the level; the cut halfway
// along x brings a second corner below it, and a second triangle. Through the
// depth-sort buffer every face is drawn: as many as of the grid that ends at
// the cut, in a box that holds it all.
TEST_F(IsoInBox, CutCubesDrawEveryFace) {
    const float ends[2] = {-1, 1}, level = 0.6f;
    float ys[kN];
    for (int j = 0; j < kN; ++j)
        ys[j] = -1.0f + 0.25f * float(j);
    // w(i, j, k) at (i * kN + j) * 2 + k: 0 on the low x and z side at every
    // other y, else 1; the grid that ends at x = 0 holds the values of the cut.
    std::vector<float> whole, ending;
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < kN; ++j)
            for (int k = 0; k < 2; ++k) {
                const bool low = i == 0 && k == 0 && j % 2 == 0;
                whole.push_back(low ? 0.0f : 1.0f);
                ending.push_back(i == 0 ? whole.back() : (k == 0 && j % 2 == 0 ? 0.5f : 1.0f));
            }
    const float xsEnding[2] = {-1, 0};
    struct Run {
        const float *xs;
        const std::vector<float> &w;
    };
    int faces[2] = {};
    for (int r = 0; r < 2; ++r) {
        const Run run = r == 0 ? Run{ends, whole} : Run{xsEnding, ending};
        openBox("SVG", "plot.svg", 0.0f);
        captureStdout([] {
            shdmod("FLAT", "SURF");
            surmsh("ON");
        });
        EXPECT_EQ(jqqcu0(*rec, run.xs, 2, ys, kN, ends, 2, run.w.data(), level), 2 * (kN - 1));
        EXPECT_EQ(captureStdout([&] { suriso(run.xs, 2, ys, kN, ends, 2, run.w.data(), level); }),
                  "");
        faces[r] = countOf(close("plot.svg"), "<polygon");
    }
    EXPECT_EQ(faces[0], 2 * (kN - 1));
    EXPECT_EQ(faces[1], faces[0]);
}

// On the raster: the sphere's middle in the current colour (or lit shades),
// the page outside it untouched; the lit surface is drawn without the
// visibility test and the clipping mode is given back.
TEST_F(IsoInBox, SmoothAndFlatOnTheRaster) {
    const SphereGrid g;
    struct Case {
        const char *mode;
        bool lit;
    };
    for (const Case c :
         {Case{"SMOOTH", false}, Case{"FLAT", false}, Case{"SMOOTH", true}, Case{"FLAT", true}}) {
        SCOPED_TRACE(std::string(c.mode) + (c.lit ? " lit" : ""));
        openBox("PPM", "plot.ppm");
        captureStdout([&] {
            shdmod(c.mode, "SURF");
            setclr(30);
            if (c.lit) litmod(1, "ON");
            if (c.lit) light("ON");
        });
        EXPECT_EQ(
            captureStdout([&] { suriso(g.axis, kN, g.axis, kN, g.axis, kN, g.w.data(), 0.5f); }),
            "");
        EXPECT_EQ(rec->view3d.iclip3d, 0);
        EXPECT_EQ(rec->page.iusrdrw, 0);
        EXPECT_EQ(rec->colour.ncolor, 30);
        EXPECT_EQ(rec->zbuf.izbuf, 0);
        captureStdout([] { kavfin(); });
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        std::set<int> colours;
        int painted = 0;
        const unsigned char *corner = image.at(0, 0);
        const int page = corner[0] << 16 | corner[1] << 8 | corner[2];
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const unsigned char *q = image.at(x, y);
                const int v = q[0] << 16 | q[1] << 8 | q[2];
                if (v != page) ++painted;
                colours.insert(v);
            }
        EXPECT_GT(painted, 1000);
        if (c.lit)
            EXPECT_GT(colours.size(), 10u);
        else
            EXPECT_LE(colours.size(), 2u);
    }
}

TEST_F(IsoInBox, RefusedCalls) {
    const float good[2] = {0, 1}, flat[3] = {0, 1, 1}, w[12] = {};
    rec = &open("PS", "plot.ps");
    EXPECT_EQ(captureStdout([&] { suriso(good, 2, good, 2, good, 2, w, 0.5f); }),
              " <<<< Warning   3: Incorrect level in suriso!   (   1)\n");
    captureStdout([] { graf3(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1); });
    EXPECT_EQ(captureStdout([&] { suriso(good, 2, good, 2, good, 2, w, 0.5f); }),
              " <<<< Warning  35: Confusion of graf3d and graf3 in suriso!\n");
    captureStdout([] { kavfin(); });
    openBox("PS", "plot.ps");
    captureStdout([] { shdmod("SMOOTH", "SURF"); });
    EXPECT_EQ(captureStdout([&] { suriso(good, 2, good, 2, good, 2, w, 0.5f); }),
              " <<<< Warning  40: File format and output device are incompatible in suriso!\n");
    captureStdout([] { shdmod("FLAT", "SURF"); });
    EXPECT_EQ(captureStdout([&] { suriso(good, 2, good, 2, flat, 3, w, 0.5f); }),
              " <<<< Warning 101: arrays must be monoton in suriso!\n");
    EXPECT_EQ(captureStdout([&] { suriso(good, 2, good, 0, good, 2, w, 0.5f); }),
              " <<<< Warning   2: Incorrect parameter in suriso!\n");
    // A z-buffer that cannot be had gives back what was changed.
    captureStdout([] { kavfin(); });
    openBox("PPM", "plot.ppm");
    captureStdout([] {
        shdmod("SMOOTH", "SURF");
        light("ON");
        setclr(30);
        shdpat(3);
    });
    rec->dev.pdriver->nwidth = 0;
    const float spacing = rec->fill.xsurscl;
    const float cube[8] = {0, 1, 1, 1, 1, 1, 1, 1};
    EXPECT_EQ(captureStdout([&] { suriso(good, 2, good, 2, good, 2, cube, 0.5f); }),
              " <<<< Warning  53: Not enough memory in zbfini!\n");
    EXPECT_EQ(rec->colour.ncolor, 30);
    EXPECT_EQ(rec->fill.nshdpat, 3);
    EXPECT_EQ(rec->fill.xsurscl, spacing);
    EXPECT_EQ(rec->view3d.iclip3d, 0);
    EXPECT_EQ(rec->page.iusrdrw, 0);
    captureStdout([] { kavfin(); });
    openBox("PS", "plot.ps");
    // A single grid point has no cube.
    EXPECT_EQ(captureStdout([&] { suriso(good, 1, good, 1, good, 1, w, 0.5f); }), "");
    EXPECT_EQ(countOf(close("plot.ps"), "tri"), 0);
}

} // namespace
