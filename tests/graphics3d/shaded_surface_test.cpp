// The colour-shaded surfaces surshd, surtri and surfcp: patch colours from the
// colour scale in the pixels of the memory raster and of rendered PostScript,
// PDF and SVG files, hidden patches, lighting, the mesh, the buffers' life
// cycle, the state given back and the refused calls.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "devices/driver_record.h"
#include "graphics2d/colour_axis.h"
#include "graphics3d/projection.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/colour.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/test_time.h"

namespace {

using Rgb = std::array<int, 3>;

// A 2 x 2 grid over the whole box of -1..1 on every axis: one cell.
constexpr float kEdges[2] = {-1.0f, 1.0f};

Rgb rgbOfColour(const GlobalRecord &rec, int colour) {
    float r, g, b;
    qqgrgb(rec, colour, r, g, b);
    return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
}

bool near(const Rgb &a, const Rgb &b, int tolerance) {
    for (int k = 0; k < 3; ++k)
        if (std::abs(a[k] - b[k]) > tolerance) return false;
    return true;
}

std::string show(const Rgb &c) {
    return std::to_string(c[0]) + " " + std::to_string(c[1]) + " " + std::to_string(c[2]);
}

class ShadedSurface : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;

    void TearDown() override {
        if (getlev() > 0) captureStdout([] { kavfin(); });
        PlotTest::TearDown();
    }

    // A plot with a 3-D axis system of -1..1 on every axis and the rainbow
    // colour table; smooth or flat surfaces.
    void openBox(const char *device, const char *file, bool smooth) {
        rec = &open(device, file);
        captureStdout([&] {
            setvlt("RAIN");
            nograf();
            graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
            shdmod(smooth ? "SMOOTH" : "FLAT", "SURF");
        });
    }

    // Where a user point lands on the page (plot units) and in the raster.
    std::array<float, 2> pagePoint(float x, float y, float z) {
        float bx, by, bz, hx, hy, hz, hw, xp, yp;
        qqpos3(*rec, x, y, z, bx, by, bz);
        qqgsc3(*rec, bx, by, bz, hx, hy, hz, hw);
        homogeneousToPage(*rec, hx, hy, hw, xp, yp);
        return {xp, yp};
    }
    Rgb pixelAt(float x, float y, float z) {
        const auto p = pagePoint(x, y, z);
        float column, row;
        pagePixel(*rec, p[0], p[1], column, row);
        const DriverRecord &d = *rec->dev.pdriver;
        const auto *q = d.praster.get() + std::size_t(row) * d.nrowbytes + std::size_t(column) * 3;
        return {q[0], q[1], q[2]};
    }
    // Whether the colour is found within radius pixels of a user point.
    bool colourNear(float x, float y, float z, const Rgb &colour, int radius) {
        const auto p = pagePoint(x, y, z);
        float column, row;
        pagePixel(*rec, p[0], p[1], column, row);
        const DriverRecord &d = *rec->dev.pdriver;
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx) {
                const int cx = int(column) + dx, cy = int(row) + dy;
                if (cx < 0 || cy < 0 || cx >= d.nwidth || cy >= d.nheight) continue;
                const auto *q =
                    d.praster.get() + std::size_t(cy) * d.nrowbytes + std::size_t(cx) * 3;
                if (Rgb{q[0], q[1], q[2]} == colour) return true;
            }
        return false;
    }

    // One cell whose corners have z z0 (i = 0) and z1 (i = 1).
    std::string oneCell(float z0, float z1) {
        const float z[4] = {z0, z0, z1, z1};
        return captureStdout([&] { surshd(kEdges, 2, kEdges, 2, z); });
    }
};

// ---- Patch colours on the memory raster ------------------------------------

TEST_F(ShadedSurface, FlatCellTakesTheColourOfItsMeanValue) {
    // Corners 0, 0, 1, 1: the colour of 0.5, wherever in the cell.
    openBox("PPM", "plot.ppm", false);
    EXPECT_EQ(oneCell(0.0f, 1.0f), "");
    const Rgb expected = rgbOfColour(*rec, jqqclr(*rec, 0.5f));
    EXPECT_NE(expected, rgbOfColour(*rec, jqqclr(*rec, 0.0f)));
    for (const auto &p : std::vector<std::array<float, 2>>{{0, 0}, {-0.6f, -0.6f}, {0.6f, 0.6f}}) {
        const float z = (p[0] + 1.0f) * 0.5f;
        EXPECT_EQ(pixelAt(p[0], p[1], z), expected) << p[0] << " " << p[1];
    }
}

TEST_F(ShadedSurface, SmoothCellRunsFromCornerColourToCornerColour) {
    openBox("PPM", "plot.ppm", true);
    // The plane z = x / 2 (z = x would be seen edge-on from the default view).
    EXPECT_EQ(oneCell(-0.5f, 0.5f), "");
    EXPECT_EQ(rec->zbuf.izbuf, 0) << "the surface closes the z-buffer it opened";
    const Rgb low = rgbOfColour(*rec, jqqclr(*rec, -0.5f)),
              high = rgbOfColour(*rec, jqqclr(*rec, 0.5f));
    EXPECT_TRUE(near(pixelAt(-0.97f, 0.0f, -0.485f), low, 25)) << show(pixelAt(-0.97f, 0, -0.485f));
    EXPECT_TRUE(near(pixelAt(0.97f, 0.0f, 0.485f), high, 25)) << show(pixelAt(0.97f, 0, 0.485f));
    // In between neither end colour: the colours are interpolated.
    const Rgb middle = pixelAt(0.0f, 0.0f, 0.0f);
    EXPECT_FALSE(near(middle, low, 10));
    EXPECT_FALSE(near(middle, high, 10));
}

// Two triangles over the same ground, one high, one low: from above only the
// high one shows, whichever is given first and in either mode.
TEST_F(ShadedSurface, HiddenTriangleDoesNotShow) {
    const float x[6] = {-0.8f, 0.8f, 0.0f, -0.8f, 0.8f, 0.0f};
    const float y[6] = {-0.6f, -0.6f, 0.8f, -0.6f, -0.6f, 0.8f};
    const float z[6] = {0.8f, 0.8f, 0.8f, -0.8f, -0.8f, -0.8f};
    struct Case {
        bool smooth;
        std::array<int, 2> order; // first triangle: 0 high, 1 low
    };
    for (const Case c :
         {Case{false, {0, 1}}, Case{false, {1, 0}}, Case{true, {0, 1}}, Case{true, {1, 0}}}) {
        SCOPED_TRACE(std::string(c.smooth ? "smooth" : "flat") +
                     (c.order[0] == 0 ? " high first" : " low first"));
        openBox("PPM", "plot.ppm", c.smooth);
        const int n1[2] = {3 * c.order[0] + 1, 3 * c.order[1] + 1};
        const int n2[2] = {3 * c.order[0] + 2, 3 * c.order[1] + 2};
        const int n3[2] = {3 * c.order[0] + 3, 3 * c.order[1] + 3};
        EXPECT_EQ(captureStdout([&] { surtri(x, y, z, 6, n1, n2, n3, 2); }), "");
        const Rgb high = rgbOfColour(*rec, jqqclr(*rec, 0.8f));
        EXPECT_EQ(pixelAt(0.0f, 0.0f, 0.8f), high);
        EXPECT_EQ(pixelAt(0.0f, -0.3f, 0.8f), high);
        captureStdout([] { kavfin(); });
    }
}

// ---- Lighting -------------------------------------------------------------

// A flat plane z = 0 lit from the default light: the patch colour is the mean
// of the lit colours at its four corners with the upward normal and the
// material's diffuse colour that of z = 0; without lights it is that colour.
TEST_F(ShadedSurface, LightingTurnsThePatchColourIntoTheMeanLitColour) {
    for (const bool lit : {false, true}) {
        SCOPED_TRACE(lit ? "lit" : "unlit");
        openBox("PPM", "plot.ppm", false);
        captureStdout([&] { light(lit ? "ON" : "OFF"); });
        const float saved[3] = {rec->light.xmatdif[0], rec->light.xmatdif[1],
                                rec->light.xmatdif[2]};
        EXPECT_EQ(oneCell(0.0f, 0.0f), "");
        for (int k = 0; k < 3; ++k)
            EXPECT_EQ(rec->light.xmatdif[k], saved[k]);
        const int plain = jqqclr(*rec, 0.0f);
        Rgb expected = rgbOfColour(*rec, plain);
        if (lit) {
            float r, g, b;
            qqgrgb(*rec, plain, r, g, b);
            captureStdout([&] { matop3(r, g, b, "DIFF"); });
            Rgb sum = {0, 0, 0};
            for (const float bx : {-1.0f, 1.0f})
                for (const float by : {-1.0f, 1.0f}) {
                    const int c = getlit(bx, by, 0.0f, 0.0f, 0.0f, 1.0f);
                    const Rgb one = rgbOfColour(*rec, c);
                    for (int k = 0; k < 3; ++k)
                        sum[k] += one[k];
                }
            for (int k = 0; k < 3; ++k)
                expected[k] = (sum[k] + 2) / 4;
            EXPECT_FALSE(near(expected, rgbOfColour(*rec, plain), 3)) << "the light must tell";
        }
        EXPECT_TRUE(near(pixelAt(0, 0, 0), expected, 2))
            << show(pixelAt(0, 0, 0)) << " / " << show(expected);
        captureStdout([] { kavfin(); });
    }
}

// A smooth lit plane: every cell has the same normal, so each grid point's
// colour is its own lit colour whether it averages one, two or four cells.
TEST_F(ShadedSurface, SmoothLitPlaneAveragesTheCellsOfEachGridPoint) {
    openBox("PPM", "plot.ppm", true);
    captureStdout([] { light("ON"); });
    const float edges[3] = {-1.0f, 0.0f, 1.0f};
    const float z[9] = {};
    EXPECT_EQ(captureStdout([&] { surshd(edges, 3, edges, 3, z); }), "");
    float r, g, b;
    qqgrgb(*rec, jqqclr(*rec, 0.0f), r, g, b);
    captureStdout([&] { matop3(r, g, b, "DIFF"); });
    // A corner (one cell), an edge point (two) and the middle (four).
    for (const auto &p :
         std::vector<std::array<float, 2>>{{-0.97f, -0.97f}, {0.0f, -0.97f}, {0.0f, 0.0f}}) {
        const Rgb expected = rgbOfColour(*rec, getlit(p[0], p[1], 0.0f, 0.0f, 0.0f, 1.0f));
        EXPECT_TRUE(near(pixelAt(p[0], p[1], 0.0f), expected, 3))
            << p[0] << " " << p[1] << ": " << show(pixelAt(p[0], p[1], 0.0f)) << " / "
            << show(expected);
    }
}

// ---- Mesh -------------------------------------------------------------------

TEST_F(ShadedSurface, MeshOnAndMeshOnly) {
    struct Case {
        const char *mesh;
        bool smooth;
    };
    for (const Case c :
         {Case{"ON", false}, Case{"ONLY", false}, Case{"ON", true}, Case{"ONLY", true}}) {
        SCOPED_TRACE(std::string(c.mesh) + (c.smooth ? " smooth" : " flat"));
        openBox("PPM", "plot.ppm", c.smooth);
        captureStdout([&] {
            surmsh(c.mesh);
            mshclr(250);
        });
        const int colour = rec->colour.ncolor;
        EXPECT_EQ(oneCell(0.5f, 0.5f), "");
        const Rgb patch = rgbOfColour(*rec, jqqclr(*rec, 0.5f));
        const Rgb fill =
            std::string(c.mesh) == "ONLY" ? rgbOfColour(*rec, rec->colour.nclrbgd) : patch;
        EXPECT_EQ(pixelAt(0.0f, 0.0f, 0.5f), fill);
        // The edges of the cell in the mesh colour, the diagonal not.
        const Rgb mesh = rgbOfColour(*rec, 250);
        EXPECT_TRUE(colourNear(0.0f, -1.0f, 0.5f, mesh, 1));
        EXPECT_TRUE(colourNear(1.0f, 0.0f, 0.5f, mesh, 1));
        EXPECT_TRUE(colourNear(-1.0f, 0.0f, 0.5f, mesh, 1));
        EXPECT_FALSE(colourNear(0.3f, 0.3f, 0.5f, mesh, 1));
        EXPECT_EQ(rec->colour.ncolor, colour) << "the colour in force is given back";
        captureStdout([] { kavfin(); });
    }
}

// ---- Vector files, rendered -------------------------------------------------

// A flat one-cell surface on each vector format: the cell's colour fills the
// middle of the rendered picture where the cell lies.
TEST_F(ShadedSurface, FlatCellInRenderedVectorFiles) {
    struct Case {
        const char *device, *file;
    };
    for (const Case c : {Case{"PDF", "plot.pdf"}, Case{"PS", "plot.ps"}, Case{"SVG", "plot.svg"}}) {
        SCOPED_TRACE(c.device);
        openBox(c.device, c.file, false);
        EXPECT_EQ(oneCell(0.0f, 1.0f), "");
        const Rgb expected = rgbOfColour(*rec, jqqclr(*rec, 0.5f));
        const auto p = pagePoint(0.0f, 0.0f, 0.5f);
        const float pageWidth = float(rec->page.nxpage), pageHeight = float(rec->page.nypage);
        captureStdout([] { kavfin(); });
        RgbImage image;
        const std::string path = dir.file(c.file);
        if (std::string(c.device) == "PDF")
            image = renderPdf(path, 50);
        else if (std::string(c.device) == "PS")
            image = renderPostScript(path, 50, false).turnedRight();
        else
            image = renderSvg(path, 0.5);
        ASSERT_TRUE(image.valid());
        const int x = int(p[0] / pageWidth * image.width),
                  y = int(p[1] / pageHeight * image.height);
        const unsigned char *q = image.at(x, y);
        EXPECT_TRUE(near({q[0], q[1], q[2]}, expected, 4))
            << show({q[0], q[1], q[2]}) << " / " << show(expected);
    }
}

// ---- The z-buffer's life cycle ---------------------------------------------

TEST_F(ShadedSurface, CallersZBufferStaysOpen) {
    openBox("PPM", "plot.ppm", true);
    EXPECT_EQ(captureStdout([] { EXPECT_EQ(zbfini(), 0); }), "");
    EXPECT_EQ(oneCell(0.0f, 0.0f), "");
    EXPECT_EQ(rec->zbuf.izbuf, 1);
    EXPECT_TRUE(rec->dev.pdriver->pzbuf);
    // A triangle drawn later behind the surface is hidden by it.
    const float x[3] = {-0.5f, 0.5f, 0.0f}, y[3] = {-0.5f, -0.5f, 0.5f},
                z[3] = {-0.9f, -0.9f, -0.9f};
    const int ic[3] = {250, 250, 250};
    const Rgb before = pixelAt(0.0f, -0.2f, 0.0f);
    EXPECT_EQ(captureStdout([&] { zbftri(x, y, z, ic); }), "");
    EXPECT_EQ(pixelAt(0.0f, -0.2f, 0.0f), before);
    EXPECT_EQ(captureStdout([] { zbffin(); }), "");
}

// A z-buffer left open behind izbuf's back is used and closed (warning 101).
TEST_F(ShadedSurface, ZBufferAlreadyInUseIsDrawnIntoAndClosed) {
    openBox("PPM", "plot.ppm", true);
    int status = -1;
    qqzbuf(*rec, 0, status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(oneCell(0.5f, 0.5f), " <<<< Warning 101: z-buffer is already in use in zbfini!\n");
    EXPECT_EQ(pixelAt(0, 0, 0.5f), rgbOfColour(*rec, jqqclr(*rec, 0.5f)));
    EXPECT_EQ(rec->dev.pdriver->izbfact, 0);
    EXPECT_EQ(rec->zbuf.izbuf, 0);
}

// ---- Refusals and what is given back ---------------------------------------

// Every refused or failed call draws nothing, and a failed buffer gives back
// the colour, pattern, fill-line spacing and clip window it had changed.
TEST_F(ShadedSurface, RefusedCallsAndFailedBuffersChangeNothing) {
    struct Case {
        const char *what;
        const char *device;
        bool smooth;
        std::string warning;
    };
    const std::string smoothOnPs =
        " <<<< Warning  40: File format and output device are incompatible in surshd!\n";
    const std::string noMemory = " <<<< Warning  53: Not enough memory in zbfini!\n";
    const std::string badGrid = " <<<< Warning   2: Incorrect parameter in surshd!\n";
    for (const Case &c : {Case{"smooth on PostScript", "PS", true, smoothOnPs},
                          Case{"one grid line", "PPM", false, badGrid},
                          Case{"z-buffer without a picture", "PPM", true, noMemory}}) {
        SCOPED_TRACE(c.what);
        openBox(c.device, "plot.out", c.smooth);
        captureStdout([] {
            setclr(30);
            shdpat(3);
        });
        const int colour = rec->colour.ncolor, pattern = rec->fill.nshdpat;
        const float spacing = rec->fill.xsurscl;
        int clip[4];
        for (int k = 0; k < 4; ++k)
            clip[k] = rec->clip.nclpwin[k];
        std::string out;
        const float z[4] = {0.5f, 0.5f, 0.5f, 0.5f};
        if (std::string(c.what) == "one grid line") {
            out = captureStdout([&] { surshd(kEdges, 1, kEdges, 2, z); });
        } else {
            if (std::string(c.what) == "z-buffer without a picture") rec->dev.pdriver->nwidth = 0;
            out = captureStdout([&] { surshd(kEdges, 2, kEdges, 2, z); });
        }
        EXPECT_EQ(out, c.warning);
        EXPECT_EQ(rec->colour.ncolor, colour);
        EXPECT_EQ(rec->fill.nshdpat, pattern);
        EXPECT_EQ(rec->fill.xsurscl, spacing);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(rec->clip.nclpwin[k], clip[k]);
        EXPECT_EQ(rec->zbuf.izbuf, 0);
        captureStdout([] { kavfin(); });
    }
}

TEST_F(ShadedSurface, OutsideTheBoxOfGraf3d) {
    rec = &open("PPM", "plot.ppm");
    const float z[4] = {};
    const int n[1] = {1};
    auto f = [](float u, float v, int) { return u + v; };
    EXPECT_EQ(captureStdout([&] { surshd(kEdges, 2, kEdges, 2, z); }),
              " <<<< Warning   3: Incorrect level in surshd!   (   1)\n");
    captureStdout([] { graf3(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1); });
    EXPECT_EQ(captureStdout([&] { surshd(kEdges, 2, kEdges, 2, z); }),
              " <<<< Warning  35: Confusion of graf3d and graf3 in surshd!\n");
    EXPECT_EQ(captureStdout([&] { surtri(z, z, z, 1, n, n, n, 1); }),
              " <<<< Warning  35: Confusion of graf3d and graf3 in surtri!\n");
    EXPECT_EQ(captureStdout([&] { surfcp(f, 0, 1, 0.5f, 0, 1, 0.5f); }),
              " <<<< Warning  35: Confusion of graf3d and graf3 in surfcp!\n");
}

// ---- The triangulation and the parametric walk ------------------------------

TEST_F(ShadedSurface, TrianglesNamingPointsBeyondTheArraysAreLeftOut) {
    openBox("SVG", "plot.svg", false);
    const float x[3] = {-0.5f, 0.5f, 0.0f}, y[3] = {-0.5f, -0.5f, 0.5f}, z[3] = {0.2f, 0.2f, 0.2f};
    // The last number is so low that it has no index before it.
    const int n1[4] = {1, 0, 1, 1}, n2[4] = {2, 2, 4, 2}, n3[4] = {3, 3, 3, INT_MIN};
    EXPECT_EQ(captureStdout([&] { surtri(x, y, z, 3, n1, n2, n3, 4); }), "");
    EXPECT_EQ(captureStdout([&] { surtri(x, y, z, 3, n1, n2, n3, 0); }), "");
    const std::string svg = close("plot.svg");
    std::size_t count = 0;
    for (std::size_t at = svg.find("<polygon"); at != std::string::npos;
         at = svg.find("<polygon", at + 1))
        ++count;
    for (std::size_t at = svg.find("<path"); at != std::string::npos;
         at = svg.find("<path", at + 1))
        ++count;
    EXPECT_EQ(count, 1u) << "only the first triangle names points 1..3";
}

std::vector<std::array<float, 2>> gCalls;
float recordCall(float u, float v, int iopt) {
    gCalls.push_back({u, v});
    return iopt == 1 ? u / 2 : iopt == 2 ? v / 2 : 0.0f;
}

TEST_F(ShadedSurface, ParametricWalkAndItsRefusals) {
    openBox("PPM", "plot.ppm", false);
    struct Case {
        float a1, a2, a3;
        std::size_t patches; // 0: refused
    };
    // 0 .. 1.25 by 0.5: u strips from 0, 0.5 and 1.0 (to 1.5), v patches from 0 and 0.5 only.
    for (const Case c : {Case{0, 1.25f, 0.5f, 6}, Case{1.25f, 0, -0.5f, 6}, Case{0, 1.25f, 0, 0},
                         Case{0, 1.25f, -0.5f, 0}, Case{1, 1, 0.5f, 0}, Case{0, 1e30f, 1e-10f, 0},
                         Case{0, NAN, 0.5f, 0}}) {
        SCOPED_TRACE(std::to_string(c.a1) + " " + std::to_string(c.a2) + " " +
                     std::to_string(c.a3));
        gCalls.clear();
        const Watchdog watchdog(60); // a step of 1e-10 over 1e30 would never end
        const std::string out =
            captureStdout([&] { surfcp(recordCall, c.a1, c.a2, c.a3, c.a1, c.a2, c.a3); });
        EXPECT_EQ(gCalls.size(), 12 * c.patches);
        if (c.patches == 0) {
            EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in surfcp!\n");
            continue;
        }
        std::set<float> us, vs;
        for (const auto &p : gCalls) {
            us.insert(p[0]);
            vs.insert(p[1]);
        }
        EXPECT_EQ(us, (std::set<float>{0, 0.5f, 1.0f, 1.5f}));
        EXPECT_EQ(vs, (std::set<float>{0, 0.5f, 1.0f}));
    }
}

// A plane that ends the process once it has been asked for far more points
// than a page of patches takes.
float boundedPlane(float u, float v, int iopt) {
    static long calls = 0;
    if (++calls > 1000000) std::_Exit(3);
    return iopt == 1 ? u : iopt == 2 ? v : 0.5f;
}

// A range of 100,000 by steps of 0.25 would be 400,000 patches across a page
// of some 850 pixels: they are joined into patches a pixel wide.
TEST_F(ShadedSurface, ParametricPatchesSmallerThanAPixelAreJoined) {
    EXPECT_EXIT(
        {
            openBox("PPM", "plot.ppm", false);
            const std::string out =
                captureStdout([] { surfcp(boundedPlane, -100000, 1, 0.25f, 0, 1, 0.25f); });
            close("plot.ppm");
            std::fputs(out.c_str(), stderr);
            std::_Exit(out.find(" <<<< Warning 101: Surface patches smaller than a pixel in "
                                "surfcp!") != std::string::npos
                           ? 0
                           : 4);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace

namespace {

float unitPlane(float u, float v, int iopt) {
    return iopt == 1 ? u : iopt == 2 ? v : 0.5f;
}

// The same lit plane as a grid and as a parametric surface, in an axis system
// whose axes do not start at 0: the parametric normals are directions in the
// box, so both give the same colour.
TEST_F(ShadedSurface, ParametricNormalsAreDirectionsInTheBox) {
    std::array<Rgb, 2> seen;
    for (const int k : {0, 1}) {
        rec = &open("PPM", "plot.ppm");
        captureStdout([&] {
            setvlt("RAIN");
            nograf();
            graf3d(0, 1, 0, 0.5f, 0, 1, 0, 0.5f, 0, 1, 0, 0.5f);
            light("ON");
            const float edges[2] = {0.0f, 1.0f}, z[4] = {0.5f, 0.5f, 0.5f, 0.5f};
            if (k == 0)
                surshd(edges, 2, edges, 2, z);
            else
                surfcp(unitPlane, 0, 1, 1, 0, 1, 1);
        });
        seen[k] = pixelAt(0.5f, 0.5f, 0.5f);
        EXPECT_NE(seen[k], rgbOfColour(*rec, rec->colour.nclrbgd));
        captureStdout([] { kavfin(); });
    }
    EXPECT_EQ(seen[0], seen[1]);
}

} // namespace

namespace {

// Mesh only on a reversed (white) screen with lights: the patches are filled
// in the background, in smooth mode too, where the rasterisers exchange white
// and black under lights.
TEST_F(ShadedSurface, MeshOnlyOnAReversedScreenFillsInTheBackground) {
    for (const bool smooth : {false, true}) {
        SCOPED_TRACE(smooth ? "smooth" : "flat");
        captureStdout([] {
            metafl("PPM");
            setfil("plot.ppm");
            filmod("DELE");
            currentRecord().page.iscrset = 2; // the reversed screen mode, as scrmod sets it
            kavini();
        });
        rec = &currentRecord();
        ASSERT_EQ(rec->page.iscrmod, 2);
        captureStdout([&] {
            nograf();
            graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
            shdmod(smooth ? "SMOOTH" : "FLAT", "SURF");
            surmsh("ONLY");
            mshclr(3);
            light("ON");
        });
        EXPECT_EQ(oneCell(0.5f, 0.5f), "");
        const DriverRecord &d = *rec->dev.pdriver;
        const Rgb background = {d.praster[0], d.praster[1], d.praster[2]};
        EXPECT_EQ(background, (Rgb{255, 255, 255}));
        EXPECT_EQ(pixelAt(0.0f, 0.0f, 0.5f), background);
        EXPECT_TRUE(colourNear(0.0f, -1.0f, 0.5f, rgbOfColour(*rec, 3), 1));
        captureStdout([] { kavfin(); });
    }
}

} // namespace
