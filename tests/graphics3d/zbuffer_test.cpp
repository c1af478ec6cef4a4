// The z-buffer: its life cycle and warnings, the depth-tested Gouraud
// triangles and lines of zbftri, zbflin and their rasterisers, and the
// triangles without depth; read back from the memory raster.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "devices/driver_record.h"
#include "devices/driver_requests.h"
#include "devices/nearest_colour.h"
#include "graphics3d/projection.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/colour_value.h"
#include "tests/support/plot_fixture.h"

namespace {

using Rgb = std::array<int, 3>;

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kWhite = {255, 255, 255};

int colourOf(const Rgb &c) {
    return explicitColour(c[0], c[1], c[2]);
}

// A right triangle whose channels are linear in the pixel position with
// integer steps, so that every pixel it covers has an exact colour:
// corners A (10, 10), B (50, 10), C (10, 50).
constexpr float kRightX[3] = {10, 50, 10};
constexpr float kRightY[3] = {10, 10, 50};
Rgb rightTriangleColour(int x, int y) {
    return {200 - 5 * (x - 10), 5 * (y - 10), 40 + 2 * (x - 10) + 3 * (y - 10)};
}
bool insideRightTriangle(int x, int y) {
    return x >= 10 && y >= 10 && x + y <= 60;
}
std::array<int, 3> rightTriangleCorners() {
    return {colourOf(rightTriangleColour(10, 10)), colourOf(rightTriangleColour(50, 10)),
            colourOf(rightTriangleColour(10, 50))};
}

class ZBuffer : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;

    void TearDown() override {
        if (getlev() > 0) captureStdout([] { kavfin(); });
        PlotTest::TearDown();
    }

    // A plot on a memory-raster device with the z-buffer open.
    void openWithDepths(const char *device = "PPM", const char *file = "plot.ppm") {
        rec = &open(device, file);
        ASSERT_EQ(quietly([] { EXPECT_EQ(zbfini(), 0); }), "");
    }
    // The same inside a 3-D axis system of -1..1 on every axis (box 2 x 2 x 2).
    void openAxisSystem(const char *device = "PPM", const char *file = "plot.ppm") {
        rec = &open(device, file);
        quietly([] {
            nograf();
            graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
            EXPECT_EQ(zbfini(), 0);
        });
    }

    template <class F> std::string quietly(F calls) { return captureStdout(calls); }

    DriverRecord &driver() { return *rec->dev.pdriver; }

    // The colour at a pixel of an RGB page.
    Rgb pixel(int x, int y) {
        const DriverRecord &d = driver();
        const std::uint8_t *p = d.praster.get() + std::size_t(y) * d.nrowbytes + std::size_t(x) * 3;
        return {p[0], p[1], p[2]};
    }
    // The stored byte at a pixel of an index page.
    int number(int x, int y) { return driver().praster[std::size_t(y) * driver().nrowbytes + x]; }

    std::vector<std::uint8_t> raster() {
        const DriverRecord &d = driver();
        return {d.praster.get(), d.praster.get() + std::size_t(d.nrowbytes) * d.nheight};
    }
    void restoreRaster(const std::vector<std::uint8_t> &bytes) {
        std::memcpy(driver().praster.get(), bytes.data(), bytes.size());
    }

    // A flat triangle at one depth and colour through the rasteriser.
    void flat(const float x[3], const float y[3], float depth, int colour, int target = 605) {
        const int colours[3] = {colour, colour, colour};
        const float depths[3] = {depth, depth, depth};
        qqztri(*rec, x, y, colours, depths, target);
    }

    // The pixel where a user point of the 3-D axis system lands.
    std::array<int, 2> pixelOfUserPoint(float x, float y, float z) {
        float bx, by, bz, hx, hy, hz, hw, xp, yp, column, row;
        qqpos3(*rec, x, y, z, bx, by, bz);
        qqgsc3(*rec, bx, by, bz, hx, hy, hz, hw);
        homogeneousToPage(*rec, hx, hy, hw, xp, yp);
        pagePixel(*rec, xp, yp, column, row);
        return {int(column), int(row)};
    }
};

// ---- Life cycle and warnings --------------------------------------------------

TEST_F(ZBuffer, OpensOnceClosesOnceAndOpensAfresh) {
    rec = &open("PPM", "plot.ppm");
    int first = -1, second = -1;
    EXPECT_EQ(quietly([&] { first = zbfini(); }), "");
    EXPECT_EQ(first, 0);
    EXPECT_EQ(rec->zbuf.izbuf, 1);
    EXPECT_EQ(rec->img.iimgini, 1) << "the rasterisers write in image mode";
    ASSERT_TRUE(driver().pzbuf);
    const std::size_t count = std::size_t(driver().nwidth) * driver().nheight;
    EXPECT_EQ(std::count(driver().pzbuf.get(), driver().pzbuf.get() + count, 2.0f), long(count));

    EXPECT_EQ(quietly([&] { second = zbfini(); }),
              " <<<< Warning 101: z-buffer is already in use in zbfini!\n");
    EXPECT_EQ(second, 2);
    EXPECT_EQ(rec->zbuf.izbuf, 1);

    EXPECT_EQ(quietly([] { zbffin(); }), "");
    EXPECT_EQ(rec->zbuf.izbuf, 0);
    EXPECT_EQ(rec->img.iimgini, 0);
    EXPECT_FALSE(driver().pzbuf);
    EXPECT_EQ(quietly([] { zbffin(); }),
              " <<<< Warning 101: no initialization of z-buffer in zbffin!\n");

    // Opened again, the buffer holds 2.0 everywhere: a triangle just nearer
    // than that is drawn whatever was drawn into the buffer before.
    flat(kRightX, kRightY, 0.1f, colourOf({9, 9, 9})); // nothing: no buffer
    EXPECT_EQ(pixel(20, 20), kBlack);
    EXPECT_EQ(quietly([&] { first = zbfini(); }), "");
    EXPECT_EQ(first, 0);
    flat(kRightX, kRightY, 1.999f, colourOf({1, 2, 3}));
    EXPECT_EQ(pixel(20, 20), (Rgb{1, 2, 3}));
}

TEST_F(ZBuffer, ImageModeOnAlreadyServesAndEndsWithTheBuffer) {
    rec = &open("PPM", "plot.ppm");
    int status = -1;
    EXPECT_EQ(quietly([&] {
                  imgini();
                  status = zbfini();
              }),
              "");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(quietly([] { zbffin(); }), "");
    EXPECT_EQ(rec->img.iimgini, 0);
}

// Devices without pixels refuse the z-buffer; what draws into it then
// finds none.
TEST_F(ZBuffer, RefusedOnDevicesWithoutPixels) {
    for (const char *device : {"POST", "PDF", "SVG", "GKSL", "CGM"}) {
        SCOPED_TRACE(device);
        rec = &open(device, "plot.out");
        int status = -1;
        EXPECT_EQ(quietly([&] { status = zbfini(); }),
                  " <<<< Warning  40: File format and output device are incompatible in zbfini!\n");
        EXPECT_EQ(status, 1);
        EXPECT_EQ(rec->zbuf.izbuf, 0);
        EXPECT_EQ(quietly([] { zbffin(); }),
                  " <<<< Warning  40: File format and output device are incompatible in zbffin!\n");
        const std::string out = quietly([] {
            nograf();
            graf3d(-1, 1, -1, 0.5f, -1, 1, -1, 0.5f, -1, 1, -1, 0.5f);
            const float x[3] = {0, 1, 0}, y[3] = {0, 0, 1}, z[3] = {0, 0, 0};
            const int ic[3] = {1, 1, 1};
            zbftri(x, y, z, ic);
            zbflin(0, 0, 0, 1, 1, 1);
        });
        EXPECT_EQ(out, " <<<< Warning 101: no initialization of z-buffer in zbftri!\n"
                       " <<<< Warning 101: no initialization of z-buffer in zbflin!\n");
        close("plot.out");
    }
}

TEST_F(ZBuffer, NoMemoryLeavesItClosed) {
    rec = &open("PPM", "plot.ppm");
    // A drawing area no buffer can be had for.
    const int width = driver().nwidth, height = driver().nheight;
    driver().nwidth = INT_MAX;
    driver().nheight = INT_MAX;
    int status = -1;
    const std::string out = quietly([&] { status = zbfini(); });
    driver().nwidth = width;
    driver().nheight = height;
    EXPECT_EQ(out, " <<<< Warning  53: Not enough memory in zbfini!\n");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(rec->zbuf.izbuf, 0);
    EXPECT_EQ(rec->img.iimgini, 0);
    EXPECT_EQ(quietly([&] { status = zbfini(); }), "");
    EXPECT_EQ(status, 0);
}

// When image mode cannot be had, the buffer would have nothing to draw
// into: it is given back and the z-buffer stays closed. (A screen window
// has no pixel copy here: the memory raster's plot is passed off as one.)
TEST_F(ZBuffer, WithoutImageModeTheBufferIsGivenBack) {
    rec = &open("PPM", "plot.ppm");
    const int device = rec->core.idevice;
    rec->core.idevice = 80;
    int status = -1;
    const std::string out = quietly([&] { status = zbfini(); });
    rec->core.idevice = device;
    EXPECT_EQ(out, " <<<< Warning  53: Not enough memory in zbfini!\n");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(rec->zbuf.izbuf, 0);
    EXPECT_EQ(driver().izbfact, 0);
    EXPECT_FALSE(driver().pzbuf);
    EXPECT_EQ(quietly([&] { status = zbfini(); }), "");
    EXPECT_EQ(status, 0);
}

// A buffer opened for a smaller picture than the raster now holds (it
// outlives the plot it was opened in) is written only where it reaches.
TEST_F(ZBuffer, DrawsOnlyWhereBothBufferAndRasterReach) {
    openWithDepths();
    driver().nzbwidth = 30;
    driver().nzbheight = 25;
    flat(kRightX, kRightY, 0.5f, colourOf({7, 7, 7}));
    EXPECT_EQ(pixel(29, 24), (Rgb{7, 7, 7}));
    EXPECT_EQ(pixel(30, 20), kBlack);
    EXPECT_EQ(pixel(20, 25), kBlack);
    driver().nzbwidth = driver().nwidth;
    driver().nzbheight = driver().nheight;
}

TEST_F(ZBuffer, LevelsAndAxisSystem) {
    int status = -1;
    EXPECT_EQ(quietly([&] { status = zbfini(); }),
              " <<<< Warning   3: Incorrect level in zbfini!   (   0)\n");
    EXPECT_EQ(status, 1);
    rec = &open("PPM", "plot.ppm");
    const float x[3] = {0, 1, 0}, y[3] = {0, 0, 1}, z[3] = {0, 0, 0};
    const int ic[3] = {1, 1, 1};
    EXPECT_EQ(quietly([&] {
                  zbftri(x, y, z, ic);
                  zbflin(0, 0, 0, 1, 1, 1);
              }),
              " <<<< Warning   3: Incorrect level in zbftri!   (   1)\n"
              " <<<< Warning   3: Incorrect level in zbflin!   (   1)\n");
    // A 2-D axis system with a colour bar is at level 3, but not the 3-D box.
    const std::string out = quietly([&] {
        nograf();
        graf3(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1);
        EXPECT_EQ(zbfini(), 0);
        zbftri(x, y, z, ic);
        zbflin(0, 0, 0, 1, 1, 1);
    });
    EXPECT_EQ(out, " <<<< Warning  35: Confusion of graf3d and graf3 in zbftri!\n"
                   " <<<< Warning  35: Confusion of graf3d and graf3 in zbflin!\n");
}

// ---- Gouraud triangles --------------------------------------------------------

// Every pixel of the triangle has its exact interpolated colour, and no
// pixel beside it is touched: on an RGB page the colour itself, on an index
// page its nearest colour number.
TEST_F(ZBuffer, GouraudTriangleHasExactColours) {
    for (const char *device : {"PPM", "PNG"}) {
        SCOPED_TRACE(device);
        openWithDepths(device, "plot.out");
        const bool trueColour = driver().itruecol == 1;
        EXPECT_EQ(trueColour, std::string(device) == "PPM");
        const std::vector<std::uint8_t> before = raster();
        const int background = before[0];
        const std::array<int, 3> corners = rightTriangleCorners();
        const float depths[3] = {0.5f, 0.5f, 0.5f};
        qqztri(*rec, kRightX, kRightY, corners.data(), depths, rec->core.idevice);
        int wrong = 0;
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 70; ++x) {
                if (insideRightTriangle(x, y)) {
                    const Rgb c = rightTriangleColour(x, y);
                    if (trueColour)
                        wrong += pixel(x, y) != c;
                    else
                        wrong += number(x, y) != qqgind(driver(), c[0], c[1], c[2]);
                } else {
                    wrong += trueColour ? pixel(x, y) != kBlack : number(x, y) != background;
                }
            }
        EXPECT_EQ(wrong, 0);
        if (trueColour) {
            EXPECT_EQ(pixel(10, 10), (Rgb{200, 0, 40}));
            EXPECT_EQ(pixel(50, 10), (Rgb{0, 0, 120}));
            EXPECT_EQ(pixel(10, 50), (Rgb{200, 200, 160}));
        }
        captureStdout([] { zbffin(); });
        close("plot.out");
    }
}

// A triangle in general position: each pixel well inside has the colour
// interpolated at its position; none well outside is touched.
TEST_F(ZBuffer, GouraudTriangleInGeneralPosition) {
    openWithDepths();
    const float x[3] = {20.3f, 70.8f, 5.5f}, y[3] = {5.2f, 40.6f, 60.1f};
    const int colours[3] = {colourOf({255, 0, 0}), colourOf({0, 255, 0}), colourOf({0, 0, 255})};
    const float depths[3] = {0.2f, 0.4f, 0.6f};
    qqztri(*rec, x, y, colours, depths, 605);
    auto edge = [&](int i, float px, float py) { // signed distance from edge i, inside > 0
        const int j = (i + 1) % 3;
        const float ex = x[j] - x[i], ey = y[j] - y[i];
        return -(ex * (py - y[i]) - ey * (px - x[i])) / std::hypot(ex, ey);
    };
    const float area = (x[1] - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (y[1] - y[0]);
    int checkedInside = 0, wrong = 0;
    for (int py = 0; py < 70; ++py)
        for (int px = 0; px < 80; ++px) {
            const float s = area < 0 ? 1.0f : -1.0f;
            const float d =
                s * std::min({s * edge(0, px, py), s * edge(1, px, py), s * edge(2, px, py)});
            // The row that a corner rounds to, when it lies past the corner,
            // is spanned from the corner itself with the corner's values.
            const bool cornerRow = std::fabs(py - y[1]) < 1.0f;
            if (s * d >= 1.0f && !cornerRow) {
                // Barycentric weights of the corners.
                const float w1 = ((px - x[0]) * (y[2] - y[0]) - (x[2] - x[0]) * (py - y[0])) / area;
                const float w2 = ((x[1] - x[0]) * (py - y[0]) - (px - x[0]) * (y[1] - y[0])) / area;
                const float w0 = 1 - w1 - w2;
                const Rgb got = pixel(px, py);
                const float want[3] = {255 * w0, 255 * w1, 255 * w2};
                for (int k = 0; k < 3; ++k)
                    wrong += std::fabs(got[k] - want[k]) > 1.0f;
                ++checkedInside;
            } else if (s * d <= -1.0f) {
                wrong += pixel(px, py) != kBlack;
            }
        }
    EXPECT_GT(checkedInside, 1000);
    EXPECT_EQ(wrong, 0);
}

// Three corners within a tenth of a row: two spans on the topmost corner's
// row, left to middle and middle to right by x.
TEST_F(ZBuffer, TriangleOnOneRowBecomesTwoSpans) {
    openWithDepths();
    const float x[3] = {30, 50, 10}, y[3] = {20.05f, 19.98f, 20.02f};
    const int colours[3] = {colourOf({0, 200, 0}), colourOf({0, 0, 200}), colourOf({200, 0, 0})};
    const float depths[3] = {0.5f, 0.5f, 0.5f};
    qqztri(*rec, x, y, colours, depths, 605);
    for (int px = 0; px < 60; ++px) {
        SCOPED_TRACE(px);
        Rgb want = kBlack;
        if (px >= 10 && px <= 30) want = {200 - 10 * (px - 10), 10 * (px - 10), 0};
        if (px > 30 && px <= 50) want = {0, 200 - 10 * (px - 30), 10 * (px - 30)};
        EXPECT_EQ(pixel(px, 20), want);
        EXPECT_EQ(pixel(px, 19), kBlack);
        EXPECT_EQ(pixel(px, 21), kBlack);
    }
}

// Spans reaching beyond the raster are cut at its edges, rows beyond it
// skipped; nothing is written outside (the sanitizer run checks that).
TEST_F(ZBuffer, TrianglesBeyondTheRasterAreCut) {
    openWithDepths();
    const int w = driver().nwidth, h = driver().nheight;
    const float x[3] = {-40.0f, float(w) + 40.0f, float(w) / 2},
                y[3] = {-30.0f, 20.0f, float(h) + 50};
    flat(x, y, 0.5f, colourOf({7, 7, 7}));
    EXPECT_EQ(pixel(0, 0), (Rgb{7, 7, 7}));
    EXPECT_EQ(pixel(w - 1, 20), (Rgb{7, 7, 7}));
    EXPECT_EQ(pixel(w / 2, h - 1), (Rgb{7, 7, 7}));
    EXPECT_EQ(pixel(w - 1, 0), kBlack);
    EXPECT_EQ(pixel(0, h - 1), kBlack);
    // Wholly off the raster: nothing.
    const std::vector<std::uint8_t> before = raster();
    const float ox[3] = {-90, -10, -50}, oy[3] = {10, 10, 40};
    flat(ox, oy, 0.1f, colourOf({9, 9, 9}));
    const float below[3] = {float(h) + 1, float(h) + 30, float(h) + 9};
    flat(kRightX, below, 0.1f, colourOf({9, 9, 9}));
    EXPECT_TRUE(raster() == before);
}

// Corners no picture can hold (a point in the plane of the eye has no
// finite depth; a projection far out has no int pixel) drop the triangle.
TEST_F(ZBuffer, CornersWithoutAPixelDropTheTriangle) {
    openWithDepths();
    const std::vector<std::uint8_t> before = raster();
    const int colours[3] = {colourOf({9, 9, 9}), colourOf({9, 9, 9}), colourOf({9, 9, 9})};
    const float inf = INFINITY, nan = NAN;
    struct Case {
        float x0, y0, depth0;
    };
    for (const Case &c : {Case{1e30f, 10, 0.5f}, Case{10, -1e30f, 0.5f}, Case{nan, 10, 0.5f},
                          Case{10, 10, inf}, Case{10, 10, nan}}) {
        const float x[3] = {c.x0, 50, 10}, y[3] = {c.y0, 10, 50}, z[3] = {c.depth0, 0.5f, 0.5f};
        qqztri(*rec, x, y, colours, z, 605);
        const int ix[3] = {INT_MAX, 50, 10}, iy[3] = {10, INT_MIN, 50};
        qqdtri(*rec, ix, iy, colours, 605);
    }
    EXPECT_TRUE(raster() == before);
}

// ---- Depth test ---------------------------------------------------------------

// One after the other on the same pixels: a nearer triangle covers, a
// farther one is hidden, one at the same depth (within 1e-6) covers.
TEST_F(ZBuffer, NearerWinsAndEqualDepthDrawsOver) {
    openWithDepths();
    struct Case {
        float depth;
        Rgb colour;
        Rgb shown;
    };
    const Case cases[] = {
        {0.5f, {255, 0, 0}, {255, 0, 0}},   {0.6f, {0, 255, 0}, {255, 0, 0}},
        {0.4f, {0, 0, 255}, {0, 0, 255}},   {0.4f, {9, 9, 9}, {9, 9, 9}},
        {0.4000005f, {8, 8, 8}, {8, 8, 8}}, {0.40001f, {7, 7, 7}, {8, 8, 8}},
        {-0.3f, {6, 6, 6}, {6, 6, 6}},
    };
    for (const Case &c : cases) {
        flat(kRightX, kRightY, c.depth, colourOf(c.colour));
        EXPECT_EQ(pixel(20, 20), c.shown) << "depth " << c.depth;
    }
}

// The depths alone (target 0) hide what is drawn behind them later,
// without a pixel of their own.
TEST_F(ZBuffer, DepthsOnlyDrawNothingButHide) {
    openWithDepths();
    const std::vector<std::uint8_t> before = raster();
    flat(kRightX, kRightY, 0.3f, colourOf({255, 0, 0}), kDepthOnly);
    EXPECT_TRUE(raster() == before);
    flat(kRightX, kRightY, 0.4f, colourOf({0, 255, 0}));
    EXPECT_TRUE(raster() == before);
    flat(kRightX, kRightY, 0.2f, colourOf({0, 0, 255}));
    EXPECT_EQ(pixel(20, 20), (Rgb{0, 0, 255}));
}

// Two triangles that cut through each other: the same picture in either
// order, each shown where it is in front.
TEST_F(ZBuffer, IntersectingTrianglesInEitherOrder) {
    openAxisSystem();
    const float xs[3] = {-0.8f, 0.8f, 0.0f}, ys[3] = {-0.8f, -0.8f, 0.8f};
    const float za[3] = {-0.4f, 0.4f, 0.0f}, zb[3] = {0.4f, -0.4f, 0.0f}; // z = x/2, z = -x/2
    const int red[3] = {colourOf({255, 0, 0}), colourOf({255, 0, 0}), colourOf({255, 0, 0})};
    const int green[3] = {colourOf({0, 255, 0}), colourOf({0, 255, 0}), colourOf({0, 255, 0})};
    const std::vector<std::uint8_t> empty = raster();
    captureStdout([&] {
        zbftri(xs, ys, za, red);
        zbftri(xs, ys, zb, green);
    });
    const std::vector<std::uint8_t> redFirst = raster();
    const auto onRed = pixelOfUserPoint(0.4f, -0.3f, 0.2f);
    const auto onGreen = pixelOfUserPoint(-0.4f, -0.3f, 0.2f);
    EXPECT_EQ(pixel(onRed[0], onRed[1]), (Rgb{255, 0, 0}));
    EXPECT_EQ(pixel(onGreen[0], onGreen[1]), (Rgb{0, 255, 0}));

    restoreRaster(empty);
    EXPECT_EQ(captureStdout([&] {
                  zbffin();
                  EXPECT_EQ(zbfini(), 0);
                  zbftri(xs, ys, zb, green);
                  zbftri(xs, ys, za, red);
              }),
              "");
    // Where the two meet their depths tie within the tolerance of the spans,
    // and the one drawn later shows: the pictures may differ only there.
    const auto a = pixelOfUserPoint(0, -0.8f, 0), b = pixelOfUserPoint(0, 0.8f, 0);
    const std::vector<std::uint8_t> greenFirst = raster();
    int differ = 0, differAway = 0;
    for (int y = 0; y < driver().nheight; ++y)
        for (int x = 0; x < driver().nwidth; ++x) {
            const std::size_t i = (std::size_t(y) * driver().nwidth + x) * 3;
            if (std::equal(&redFirst[i], &redFirst[i] + 3, &greenFirst[i])) continue;
            ++differ;
            // Distance from the segment a b.
            const float ex = float(b[0] - a[0]), ey = float(b[1] - a[1]);
            const float t =
                std::clamp(((x - a[0]) * ex + (y - a[1]) * ey) / (ex * ex + ey * ey), 0.0f, 1.0f);
            differAway += std::hypot(x - a[0] - t * ex, y - a[1] - t * ey) > 2.0f;
        }
    EXPECT_LE(differ, 10);
    EXPECT_EQ(differAway, 0);
}

// A corner outside the box drops the whole triangle under WORL clipping;
// without a visibility test (the iso-surfaces' mode) it is drawn.
TEST_F(ZBuffer, CornerOutsideTheBoxDropsTheTriangle) {
    openAxisSystem();
    const float x[3] = {-0.5f, 0.5f, 0.0f}, y[3] = {-0.5f, -0.5f, 0.5f}, z[3] = {0.0f, 0.0f, 1.2f};
    const int ic[3] = {colourOf({255, 0, 0}), colourOf({255, 0, 0}), colourOf({255, 0, 0})};
    const std::vector<std::uint8_t> before = raster();
    captureStdout([&] {
        clip3d("WORL");
        zbftri(x, y, z, ic);
        zbflin(-0.5f, 0, 0, 0.5f, 0, 1.2f);
    });
    EXPECT_TRUE(raster() == before);
    rec->view3d.iclip3d = -1;
    captureStdout([&] { zbftri(x, y, z, ic); });
    const auto inside = pixelOfUserPoint(0.0f, -0.3f, 0.24f); // on the triangle's plane
    EXPECT_EQ(pixel(inside[0], inside[1]), (Rgb{255, 0, 0}));
}

// ---- White and black on a reversed background ---------------------------------

TEST_F(ZBuffer, ReversedBackgroundWithLightingExchangesWhiteAndBlack) {
    openWithDepths();
    struct Case {
        int bgmode, lighting;
        Rgb drawn, shown;
    };
    const Case cases[] = {
        {2, 1, kWhite, kBlack},           {2, 1, kBlack, kWhite},
        {2, 1, {255, 0, 0}, {255, 0, 0}}, {2, 1, {255, 255, 254}, {255, 255, 254}},
        {2, 0, kWhite, kWhite},           {0, 1, kWhite, kWhite},
        {0, 1, {1, 1, 1}, {1, 1, 1}},
    };
    float depth = 1.0f;
    for (const Case &c : cases) {
        driver().ibgmode = std::uint8_t(c.bgmode);
        qqwext(*rec, int(DriverRequest::Lighting), c.lighting);
        depth -= 0.1f;
        flat(kRightX, kRightY, depth, colourOf(c.drawn));
        EXPECT_EQ(pixel(20, 20), c.shown)
            << "background " << c.bgmode << ", lighting " << c.lighting;
    }
}

// ---- Lines --------------------------------------------------------------------

// The pixels of a line: one per column (or row, when steeper), the same in
// either direction.
TEST_F(ZBuffer, LinePixelsInEitherDirection) {
    openWithDepths();
    struct Case {
        int x0, y0, x1, y1;
        std::vector<std::array<int, 2>> pixels;
    };
    const Case cases[] = {
        {5, 5, 9, 7, {{5, 5}, {6, 6}, {7, 6}, {8, 7}, {9, 7}}},
        {20, 5, 21, 9, {{20, 5}, {20, 6}, {21, 7}, {21, 8}, {21, 9}}},
        {30, 5, 30, 5, {{30, 5}}},
        {40, 5, 43, 8, {{40, 5}, {41, 6}, {42, 7}, {43, 8}}},
    };
    const float depths[2] = {0.5f, 0.5f};
    for (const Case &c : cases)
        for (bool reversed : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " " << reversed);
            const std::vector<std::uint8_t> before = raster();
            const int ix[2] = {reversed ? c.x1 : c.x0, reversed ? c.x0 : c.x1};
            const int iy[2] = {reversed ? c.y1 : c.y0, reversed ? c.y0 : c.y1};
            qqzlin(*rec, ix, iy, colourOf({255, 255, 0}), depths, 605);
            int drawn = 0;
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 50; ++x)
                    drawn += pixel(x, y) == Rgb{255, 255, 0};
            EXPECT_EQ(drawn, int(c.pixels.size()));
            for (const auto &p : c.pixels)
                EXPECT_EQ(pixel(p[0], p[1]), (Rgb{255, 255, 0})) << p[0] << "," << p[1];
            restoreRaster(before);
            captureStdout([] {
                zbffin();
                zbfini();
            });
        }
}

// A line over a face at depth 0.5 shows when it is no farther than the
// tolerance in force behind it.
TEST_F(ZBuffer, LinesShowWithinTheDepthTolerance) {
    openWithDepths();
    struct Case {
        DriverRequest tolerance;
        double behind;
        bool shown;
    };
    const Case cases[] = {
        {DriverRequest::DepthTolerance, 0.0005, true},
        {DriverRequest::DepthTolerance, 0.002, false},
        {DriverRequest::FineDepthTolerance, 0.0005, false},
        {DriverRequest::FineDepthTolerance, 0.000005, true},
        {DriverRequest::FineDepthTolerance, -0.1, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.behind);
        flat(kRightX, kRightY, 0.5f, colourOf({0, 0, 255}));
        qqwext(*rec, int(c.tolerance), 0);
        const int ix[2] = {12, 40}, iy[2] = {15, 15};
        const float depths[2] = {float(0.5 + c.behind), float(0.5 + c.behind)};
        qqzlin(*rec, ix, iy, colourOf({255, 255, 0}), depths, 605);
        EXPECT_EQ(pixel(25, 15), c.shown ? (Rgb{255, 255, 0}) : (Rgb{0, 0, 255}));
        qqwext(*rec, int(DriverRequest::DepthTolerance), 0);
        captureStdout([] {
            zbffin();
            zbfini();
        });
    }
}

// A line running off the raster on every side sets the pixels it has on it
// and writes nothing outside.
TEST_F(ZBuffer, LinesBeyondTheRaster) {
    openWithDepths();
    const int w = driver().nwidth, h = driver().nheight;
    const float depths[2] = {0.5f, 0.5f};
    const int ix[2] = {-50, w + 50}, iy[2] = {20, 20};
    qqzlin(*rec, ix, iy, colourOf({255, 255, 0}), depths, 605);
    EXPECT_EQ(pixel(0, 20), (Rgb{255, 255, 0}));
    EXPECT_EQ(pixel(w - 1, 20), (Rgb{255, 255, 0}));
    const std::vector<std::uint8_t> before = raster();
    const int vx[2] = {30, 30}, vy[2] = {-80, -5};
    qqzlin(*rec, vx, vy, colourOf({9, 9, 9}), depths, 605);
    const int dx[2] = {-30, w + 10}, dy[2] = {h + 40, h + 5};
    qqzlin(*rec, dx, dy, colourOf({9, 9, 9}), depths, 605);
    EXPECT_TRUE(raster() == before);
}

// zbflin in the current colour: in front of a face it shows, behind it
// not; the tolerance of the surfaces' mesh lines is in force afterwards.
TEST_F(ZBuffer, ZbflinInFrontAndBehindAFace) {
    openAxisSystem();
    const float x1[3] = {-0.9f, 0.9f, 0.9f}, y1[3] = {-0.9f, -0.9f, 0.9f};
    const float x2[3] = {-0.9f, 0.9f, -0.9f}, y2[3] = {-0.9f, 0.9f, 0.9f};
    const float z[3] = {0, 0, 0};
    const int blue[3] = {colourOf({0, 0, 255}), colourOf({0, 0, 255}), colourOf({0, 0, 255})};
    EXPECT_EQ(captureStdout([&] {
                  zbftri(x1, y1, z, blue);
                  zbftri(x2, y2, z, blue);
                  setrgb(1, 0, 0);
                  zbflin(-0.5f, 0.2f, 0.3f, 0.5f, 0.2f, 0.3f);
                  setrgb(0, 1, 0);
                  zbflin(-0.5f, -0.2f, -0.3f, 0.5f, -0.2f, -0.3f);
              }),
              "");
    int red = 0, green = 0, redNearMiddle = 0;
    const auto middle = pixelOfUserPoint(0, 0.2f, 0.3f);
    for (int y = 0; y < driver().nheight; ++y)
        for (int x = 0; x < driver().nwidth; ++x) {
            const Rgb c = pixel(x, y);
            red += c == Rgb{255, 0, 0};
            green += c == Rgb{0, 255, 0};
            if (c == Rgb{255, 0, 0} && std::abs(x - middle[0]) <= 1 && std::abs(y - middle[1]) <= 1)
                ++redNearMiddle;
        }
    EXPECT_GT(red, 20);
    EXPECT_GT(redNearMiddle, 0);
    EXPECT_EQ(green, 0);
    EXPECT_EQ(driver().xdepthtol, 0.001);
}

// ---- Triangles without depth ---------------------------------------------------

// Integer corners, colours exact as for the depth-tested triangle, cut at
// the clip rectangle; no z-buffer needed.
TEST_F(ZBuffer, TriangleWithoutDepthIsCutAtTheClipRectangle) {
    rec = &open("PPM", "plot.ppm");
    const int ix[3] = {10, 50, 10}, iy[3] = {10, 10, 50};
    const std::array<int, 3> corners = rightTriangleCorners();
    struct Case {
        int clip[4];
    };
    const int w = driver().nwidth, h = driver().nheight;
    for (const Case &c : {Case{{0, 0, w - 1, h - 1}}, Case{{20, 15, 35, 40}}}) {
        std::copy(c.clip, c.clip + 4, driver().nclip);
        const std::vector<std::uint8_t> before = raster();
        qqdtri(*rec, ix, iy, corners.data(), 605);
        int wrong = 0;
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 70; ++x) {
                const bool clipped =
                    x >= c.clip[0] && x <= c.clip[2] && y >= c.clip[1] && y <= c.clip[3];
                const Rgb want =
                    insideRightTriangle(x, y) && clipped ? rightTriangleColour(x, y) : kBlack;
                wrong += pixel(x, y) != want;
            }
        EXPECT_EQ(wrong, 0) << "clip " << c.clip[0] << "," << c.clip[1];
        restoreRaster(before);
    }
}

// Page corners become pixels by the device scale, rounded; a portrait page
// is turned on the raster (column from page y, row from page x).
TEST_F(ZBuffer, PageTriangleLandsOnItsPixels) {
    for (const char *orientation : {"LAND", "PORT"}) {
        SCOPED_TRACE(orientation);
        pagmod(orientation);
        rec = &open("PPM", "plot.ppm");
        const bool turned = rec->page.ipagmod == 1;
        EXPECT_EQ(turned, std::string(orientation) == "PORT");
        const float s = rec->page.xdevscl;
        float x[3], y[3];
        for (int i = 0; i < 3; ++i) {
            x[i] = turned ? float(rec->page.nxpage) - kRightY[i] / s : kRightX[i] / s;
            y[i] = turned ? kRightX[i] / s : kRightY[i] / s;
        }
        const std::array<int, 3> corners = rightTriangleCorners();
        qqtr2d(*rec, x, y, corners.data());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(pixel(int(kRightX[i]), int(kRightY[i])),
                      rightTriangleColour(int(kRightX[i]), int(kRightY[i])));
        EXPECT_EQ(pixel(20, 20), rightTriangleColour(20, 20));
        EXPECT_EQ(pixel(9, 20), kBlack);
        EXPECT_EQ(pixel(20, 9), kBlack);
        close("plot.ppm");
    }
}

// ---- Corner order -------------------------------------------------------------

// Every combination of three values from {0, 1, 2}: the positions come
// back as a permutation in ascending order of value.
TEST(ZBufferCornerOrder, AscendingForEveryCombination) {
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 3; ++c) {
                SCOPED_TRACE(testing::Message() << a << b << c);
                const int vi[3] = {a, b, c};
                const float vf[3] = {float(a), float(b), float(c)};
                int oi[3], of[3];
                qqtri1(vi, oi);
                qqtri2(vf, of);
                for (const int *o : {oi, of}) {
                    int seen[3] = {0, 0, 0};
                    for (int k = 0; k < 3; ++k)
                        ++seen[o[k]];
                    EXPECT_EQ(seen[0] * seen[1] * seen[2], 1);
                    EXPECT_LE(vi[o[0]], vi[o[1]]);
                    EXPECT_LE(vi[o[1]], vi[o[2]]);
                }
                EXPECT_EQ(std::vector<int>(oi, oi + 3), std::vector<int>(of, of + 3));
            }
}

} // namespace
