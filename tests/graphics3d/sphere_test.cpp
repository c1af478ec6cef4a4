// Shaded spheres: the silhouette in the raster through the caller's z-buffer,
// the patches in SVG, lighting and the mesh, the walk's ends and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>

#include "graphics3d/projection.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/colour.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/test_time.h"

namespace {

int countOf(const std::string &text, const std::string &word) {
    int n = 0;
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++n;
    return n;
}

std::string svgColour(const GlobalRecord &rec, int colour) {
    float r, g, b;
    qqgrgb(rec, colour, r, g, b);
    char text[8];
    std::snprintf(text, sizeof text, "%02x%02x%02x", int(r * 255 + 0.5f), int(g * 255 + 0.5f),
                  int(b * 255 + 0.5f));
    return text;
}

class Sphere : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;
    void TearDown() override {
        if (getlev() > 0) captureStdout([] { kavfin(); });
        PlotTest::TearDown();
    }
    void openBox(const char *device, const char *file, const char *mode) {
        rec = &open(device, file);
        captureStdout([&] {
            nograf();
            graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
            shdmod(mode, "SURF");
            setclr(30);
        });
    }
    std::array<int, 2> pixelOf(float x, float y, float z) {
        float bx, by, bz, hx, hy, hz, hw, xp, yp, column, row;
        qqpos3(*rec, x, y, z, bx, by, bz);
        qqgsc3(*rec, bx, by, bz, hx, hy, hz, hw);
        homogeneousToPage(*rec, hx, hy, hw, xp, yp);
        pagePixel(*rec, xp, yp, column, row);
        return {int(column), int(row)};
    }
};

TEST_F(Sphere, SmoothSilhouetteInTheCallersZBuffer) {
    openBox("PPM", "plot.ppm", "SMOOTH");
    EXPECT_EQ(captureStdout([] {
                  zbfini();
                  sphe3d(0, 0, 0, 0.5f, 24, 12);
                  zbffin();
              }),
              "");
    // The centre and the top inside the silhouette; a point above the top
    // and a far corner of the box outside it.
    const auto middle = pixelOf(0, 0, 0);
    const auto outside = pixelOf(0.95f, -0.95f, -0.95f);
    const auto top = pixelOf(0, 0, 0.45f);
    const auto above = pixelOf(0, 0, 0.75f);
    float r, g, b;
    qqgrgb(*rec, 30, r, g, b);
    const int colour = int(r * 255 + 0.5f) << 16 | int(g * 255 + 0.5f) << 8 | int(b * 255 + 0.5f);
    EXPECT_EQ(rec->colour.ncolor, 30);
    captureStdout([] { kavfin(); });
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    auto at = [&](std::array<int, 2> p) {
        const unsigned char *q = image.at(p[0], p[1]);
        return q[0] << 16 | q[1] << 8 | q[2];
    };
    EXPECT_EQ(at(middle), colour);
    EXPECT_EQ(at(top), colour);
    EXPECT_NE(at(outside), colour);
    EXPECT_NE(at(above), colour);
}

TEST_F(Sphere, SmoothWithoutAZBufferDrawsNothing) {
    openBox("PPM", "plot.ppm", "SMOOTH");
    EXPECT_EQ(captureStdout([] { sphe3d(0, 0, 0, 0.5f, 8, 4); }),
              " <<<< Warning 101: No initialization of z-buffer in sphe3d!\n");
    EXPECT_EQ(rec->zbuf.izbuf, 0);
}

// Flat patches on SVG: i1 * i2 of them, degenerate ones at the poles
// included; none for a zero count; the mesh in its colour.
TEST_F(Sphere, FlatPatchesInSvg) {
    struct Case {
        int i1, i2;
        const char *mesh;
        int patches;
    };
    for (const Case c : {Case{4, 2, "OFF", 8}, Case{12, 6, "OFF", 72}, Case{4, 2, "ON", 8},
                         Case{0, 6, "OFF", 0}, Case{6, 0, "OFF", 0}}) {
        SCOPED_TRACE(std::to_string(c.i1) + " x " + std::to_string(c.i2) + " mesh " + c.mesh);
        openBox("SVG", "plot.svg", "FLAT");
        captureStdout([&] {
            surmsh(c.mesh);
            mshclr(250);
        });
        EXPECT_EQ(captureStdout([&] { sphe3d(0, 0, 0, 0.5f, c.i1, c.i2); }), "");
        EXPECT_EQ(rec->colour.ncolor, 30);
        const std::string mesh = "stroke=\"#" + svgColour(*rec, 250);
        const std::string fill = "<polygon fill=\"#" + svgColour(*rec, 30);
        const std::string bytes = close("plot.svg");
        EXPECT_EQ(countOf(bytes, "<polygon"), c.patches);
        EXPECT_EQ(countOf(bytes, fill), c.patches);
        EXPECT_EQ(bytes.find(mesh) != std::string::npos, std::string(c.mesh) == "ON");
    }
}

// Lit patches take many shades; mesh ONLY switches the lighting off and fills
// in the background colour.
TEST_F(Sphere, LightingAndMeshOnly) {
    for (const char *mesh : {"OFF", "ONLY"}) {
        SCOPED_TRACE(mesh);
        openBox("SVG", "plot.svg", "FLAT");
        captureStdout([&] {
            light("ON");
            surmsh(mesh);
        });
        EXPECT_EQ(captureStdout([] { sphe3d(0, 0, 0, 0.5f, 12, 6); }), "");
        const std::string background = "<polygon fill=\"#" + svgColour(*rec, rec->colour.nclrbgd);
        const std::string bytes = close("plot.svg");
        std::set<std::string> fills;
        for (std::size_t at = bytes.find("<polygon fill=\"#"); at != std::string::npos;
             at = bytes.find("<polygon fill=\"#", at + 1))
            fills.insert(bytes.substr(at, 23));
        if (std::string(mesh) == "OFF") {
            EXPECT_GT(fills.size(), 10u);
        } else {
            EXPECT_EQ(fills.size(), 1u);
            EXPECT_EQ(countOf(bytes, background), 72);
        }
    }
}

// Smooth and lit: shades vary across the sphere; with mesh ONLY the patches
// take the background and the mesh its own colour.
TEST_F(Sphere, SmoothLightingAndMeshOnly) {
    for (const char *mesh : {"OFF", "ONLY"}) {
        SCOPED_TRACE(mesh);
        openBox("PPM", "plot.ppm", "SMOOTH");
        captureStdout([&] {
            light("ON");
            surmsh(mesh);
            mshclr(250);
            zbfini();
            sphe3d(0, 0, 0, 0.5f, 16, 8);
            zbffin();
        });
        float r, g, b;
        qqgrgb(*rec, 250, r, g, b);
        const int meshColour =
            int(r * 255 + 0.5f) << 16 | int(g * 255 + 0.5f) << 8 | int(b * 255 + 0.5f);
        captureStdout([] { kavfin(); });
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        std::set<int> colours;
        for (int y = 0; y < image.height; ++y)
            for (int x = 0; x < image.width; ++x) {
                const unsigned char *q = image.at(x, y);
                colours.insert(q[0] << 16 | q[1] << 8 | q[2]);
            }
        if (std::string(mesh) == "OFF") {
            EXPECT_GT(colours.size(), 20u);
        } else {
            EXPECT_LE(colours.size(), 3u); // page, patches, mesh
            EXPECT_EQ(colours.count(meshColour), 1u);
        }
    }
}

// Patches smaller than a device unit cannot be seen: 20000 x 20000 of them
// are drawn as the page allows, at once, with a warning.
TEST_F(Sphere, PatchesSmallerThanAPixelAreJoined) {
    openBox("SVG", "plot.svg", "FLAT");
    const Watchdog watchdog(60); // 400 million patches one by one would never end
    EXPECT_EQ(captureStdout([] { sphe3d(0, 0, 0, 0.5f, 20000, 20000); }),
              " <<<< Warning 101: Sphere patches smaller than a pixel in sphe3d!\n");
    const std::string bytes = close("plot.svg");
    // No more patches than the page has device units across, each way.
    const int seen = int(float(std::max(rec->page.nxpage, rec->page.nypage)) * rec->page.xdevscl);
    EXPECT_GT(countOf(bytes, "<polygon"), 100);
    EXPECT_LE(countOf(bytes, "<polygon"), (seen + 2) * (seen + 2));
}

TEST_F(Sphere, RefusedCalls) {
    rec = &open("PS", "plot.ps");
    EXPECT_EQ(captureStdout([] { sphe3d(0, 0, 0, 1, 4, 2); }),
              " <<<< Warning   3: Incorrect level in sphe3d!   (   1)\n");
    captureStdout([] { kavfin(); });
    openBox("PS", "plot.ps", "SMOOTH");
    EXPECT_EQ(captureStdout([] { sphe3d(0, 0, 0, 1, 4, 2); }),
              " <<<< Warning  40: File format and output device are incompatible in sphe3d!\n");
    captureStdout([] { shdmod("FLAT", "SURF"); });
    // Negative counts, and counts whose steps no longer move the angles.
    for (const auto &counts : {std::array<int, 2>{-4, 2}, std::array<int, 2>{4, -2},
                               std::array<int, 2>{2000000000, 2}}) {
        EXPECT_EQ(captureStdout([&] { sphe3d(0, 0, 0, 1, counts[0], counts[1]); }),
                  " <<<< Warning   2: Incorrect parameter in sphe3d!\n");
    }
    EXPECT_EQ(rec->colour.ncolor, 30);
}

} // namespace
