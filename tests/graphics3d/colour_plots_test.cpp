// Colour plots in the axis system of graf3: the boxes of curve3, curvx3,
// curvy3 and crvmat counted in PostScript files and their colours read from
// PPM pixels, the triangles of crvtri, flat and shaded, and the refusals.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "graphics2d/colour_axis.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

using Rgb = std::array<int, 3>;

// The colours 1..4 of the colour range.
constexpr std::array<Rgb, 4> kRange = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}}};

class ColourPlots : public AxisTest {
  protected:
    // graf3 with X 0..10 on 1001 units and Y 0..5 on 501 units, its lower
    // left corner at (200, 1200): 100 plot units per user unit. The values
    // 0..4 map to the colours 1..4; nothing is drawn but the plot itself.
    // logarithmicX: the X axis logarithmic over the exponents 0..2.
    static void colourAxes(bool logarithmicX = false) {
        axspos(200, 1200);
        axslen(1001, 501);
        nograf();
        for (int i = 0; i < 4; ++i)
            setind(i + 1, kRange[i][0] / 255.0f, kRange[i][1] / 255.0f, kRange[i][2] / 255.0f);
        colran(1, 4);
        if (logarithmicX) {
            scale("LOG", "X");
            graf3(0, 2, 0, 1, 0, 5, 0, 1, 0, 4, 0, 1);
        } else {
            graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 4, 0, 1);
        }
    }

    // The filled boxes ("x1 y1 x2 y2 r g b e") of a PostScript file.
    static int boxCount(const std::string &ps) {
        static const std::regex box(R"((-?\d+\s+){4}\d+\s+\d+\s+\d+\s+e\s)");
        return int(
            std::distance(std::sregex_iterator(ps.begin(), ps.end(), box), std::sregex_iterator()));
    }
    // The filled triangles ("... tri") of a PostScript file, after its prologue.
    static int triangleCount(const std::string &ps) {
        const std::string body = ps.substr(ps.find(" scale"));
        static const std::regex triangle(R"(\stri\s)");
        return int(std::distance(std::sregex_iterator(body.begin(), body.end(), triangle),
                                 std::sregex_iterator()));
    }

    // The pixel of the plot point (x, y) of a PPM file, scale its device scale.
    static Rgb pixelAt(const RgbImage &image, float scale, float x, float y) {
        const unsigned char *p = image.at(int(x * scale + 0.5f), int(y * scale + 0.5f));
        return {p[0], p[1], p[2]};
    }
};

// One box per point drawn, none for points outside the scaling (which are
// reported) and, with nobgd, none for values below the colour range.
TEST_F(ColourPlots, BoxesOfPointsAndMatrices) {
    const std::vector<float> x = {1, 5, 12}, y = {1, 2, 3}, z = {-1, 2, 3};
    const std::vector<float> m2 = {0, 1, 2, 3};
    const std::vector<float> m3 = {0, 1, 2, 1, 2, 3, 2, 3, 4};
    const std::string outside = " <<<< (  1.2000e+01 /  3.0000e+00) out of axis scaling!\n";
    struct Case {
        const char *name;
        bool noBackground;
        std::function<void()> plot;
        int boxes;
        std::string report;
    } cases[] = {
        {"curve3", false, [&] { curve3(x.data(), y.data(), z.data(), 3); }, 2, outside},
        {"curve3 nobgd", true, [&] { curve3(x.data(), y.data(), z.data(), 3); }, 1, outside},
        {"curve3 none", false, [&] { curve3(x.data(), y.data(), z.data(), 0); }, 0, ""},
        {"curvx3", false, [&] { curvx3(x.data(), 2.5f, z.data(), 2); }, 2, ""},
        {"curvy3", false, [&] { curvy3(3, y.data(), z.data(), 3); }, 3, ""},
        // One cell: its four corners.
        {"crvmat 2 x 2", false, [&] { crvmat(m2.data(), 2, 2, 1, 1); }, 4, ""},
        // Two cells each way, 2 x 3 boxes in each, the top row and the last
        // column with the corner.
        {"crvmat 3 x 3", false, [&] { crvmat(m3.data(), 3, 3, 2, 3); },
         2 * 2 * (2 * 3 + 1) + 2 * 3 + 1, ""},
        // The value 0 is the range's start and keeps its box under nobgd.
        {"crvmat nobgd", true, [&] { crvmat(m2.data(), 2, 2, 1, 1); }, 4, ""},
        // No more boxes across than the page (2969 units wide) has units:
        // 2969 columns of two boxes, then the last column's two.
        {"crvmat of boxes smaller than a plot unit", false,
         [&] { crvmat(m2.data(), 2, 2, INT_MAX, 1); }, 2 * 2969 + 2,
         " <<<< Warning 101: Boxes smaller than a plot unit in crvmat!\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        open("PS", "plot.ps");
        captureStdout([&c] {
            colourAxes();
            // Boxes large enough to reach into the clip rectangle, which lies a
            // unit inside the frame, also at the corners.
            setres(20, 20);
            if (c.noBackground) nobgd();
            setclr(7);
        });
        EXPECT_EQ(captureStdout(c.plot), c.report);
        EXPECT_EQ(getclr(), 7);
        EXPECT_EQ(boxCount(close("plot.ps")), c.boxes);
    }
}

// The boxes of a matrix in the colours of their interpolated values: one
// cell of 0.5 on the left and 3.5 on the right, two boxes across it, the
// middle one at 2 (colour 3); each box centred on its point.
TEST_F(ColourPlots, MatrixBoxesTakeTheColoursOfInterpolatedValues) {
    GlobalRecord &rec = open("PPM", "plot.ppm");
    captureStdout([] {
        colourAxes();
        setres(40, 40);
        const float m[4] = {0.5f, 0.5f, 3.5f, 3.5f};
        crvmat(m, 2, 2, 2, 1);
    });
    const float scale = rec.page.xdevscl;
    close("plot.ppm");
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    const Rgb background = {0, 0, 0};
    struct Probe {
        float x, y;
        Rgb colour;
    } probes[] = {
        // Corners, inside the axis system (the boxes are clipped at it).
        {205, 1195, kRange[0]},
        {205, 705, kRange[0]},
        {1195, 1195, kRange[3]},
        {1195, 705, kRange[3]},
        // The middle of the cell's bottom and top edges.
        {700, 1195, kRange[2]},
        {715, 705, kRange[2]},
        // Between the boxes, and outside the axis system.
        {450, 1195, background},
        {700, 950, background},
        {195, 1195, background},
    };
    for (const Probe &p : probes)
        EXPECT_EQ(pixelAt(image, scale, p.x, p.y), p.colour) << p.x << ", " << p.y;
}

// autres sizes the boxes of crvmat so that the matrix covers the axis
// length, or the part sursze gives it; the size stays after the call.
TEST_F(ColourPlots, AutomaticBoxesCoverTheAxes) {
    struct Case {
        int nx, ny, ixpts, iypts;
        bool halfExtent;
        int width, height; // one unit more on a file device
        bool logarithmicX = false;
    } cases[] = {
        {50, 40, 1, 1, false, 21 + 1, 13 + 1}, // ceil(1000 / 49), ceil(500 / 39)
        {50, 40, 2, 3, false, 11 + 1, 5 + 1},  // ceil(1000 / 98), ceil(500 / 117)
        {50, 40, 1, 1, true, 11 + 1, 7 + 1},   // 501 and 251 units: ceil(500 / 49), ceil(250 / 39)
        // The X exponents 0..2 on the axis, 0..1 of sursze: again half of it.
        {50, 40, 1, 1, true, 11 + 1, 7 + 1, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ixpts + (c.halfExtent ? 10 : 0) + (c.logarithmicX ? 100 : 0));
        GlobalRecord &rec = open("PS", "plot.ps");
        const std::vector<float> zmat(std::size_t(c.nx) * c.ny, 1.0f);
        const std::string out = captureStdout([&] {
            autres(c.nx, c.ny);
            colourAxes(c.logarithmicX);
            if (c.halfExtent) sursze(0, c.logarithmicX ? 1 : 5, 0, 2.5f);
            crvmat(zmat.data(), c.nx, c.ny, c.ixpts, c.iypts);
        });
        EXPECT_EQ(out, "");
        int width = 0, height = 0;
        getres(&width, &height);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
        EXPECT_EQ(rec.axsys.iautres, 1);
        // The points of one row span the length; one box more covers it.
        const int points = (c.nx - 1) * c.ixpts;
        const int length = c.halfExtent ? 500 : 1000;
        EXPECT_GE(points * (width - 1), length);
        EXPECT_LT(points * (width - 2), length);
        close("plot.ps");
    }
}

// Flat triangles: one fill each in the colour of the mean value; shaded
// ones: the colours of the corners, mixed between them, in image mode that
// ends with the call. Both move with the origin shift, as the axis system does.
TEST_F(ColourPlots, TrianglesFlatAndShaded) {
    // A triangle with its right angle at (1, 1) (plot 300, 1100), legs of
    // 800 units along x and 400 up. Values 0.5, 3.5, 1.5: corners in colours
    // 1, 4, 2; mean 11/6 in colour 2.
    const float x[3] = {1, 9, 1}, y[3] = {1, 1, 5}, z[3] = {0.5f, 3.5f, 1.5f};
    const int i1[1] = {1}, i2[1] = {2}, i3[1] = {3};
    struct Probe {
        float x, y;
        Rgb flat, smooth;
    } probes[] = {
        {310, 1090, kRange[1], kRange[0]},
        {1080, 1095, kRange[1], kRange[3]},
        {305, 710, kRange[1], kRange[1]},
        {900, 800, {0, 0, 0}, {0, 0, 0}}, // the black background
    };
    for (const bool smooth : {false, true}) {
        for (const int shift : {0, 150}) {
            SCOPED_TRACE(std::string(smooth ? "smooth" : "flat") + " " + std::to_string(shift));
            GlobalRecord &rec = open("PPM", "plot.ppm");
            captureStdout([&] {
                origin(shift, -shift);
                colourAxes();
                if (smooth) shdmod("SMOO", "SURF");
                shdpat(5);
                setclr(7);
            });
            const float spacing = rec.fill.xsurscl;
            EXPECT_EQ(captureStdout([&] { crvtri(x, y, z, 3, i1, i2, i3, 1); }), "");
            EXPECT_EQ(rec.img.iimgini, 0);
            EXPECT_EQ(rec.fill.nshdpat, 5);
            EXPECT_EQ(rec.fill.xsurscl, spacing);
            EXPECT_EQ(rec.page.iusrdrw, 0);
            EXPECT_EQ(getclr(), 7);
            const float scale = rec.page.xdevscl;
            close("plot.ppm");
            const RgbImage image = readPpm(dir.file("plot.ppm"));
            ASSERT_TRUE(image.valid());
            const float dx = float(shift), dy = float(-shift);
            for (const Probe &p : probes) {
                const Rgb expected = smooth ? p.smooth : p.flat;
                const Rgb got = pixelAt(image, scale, p.x + dx, p.y + dy);
                for (int k = 0; k < 3; ++k)
                    EXPECT_NEAR(got[k], expected[k], smooth ? 12 : 0) << p.x << ", " << p.y;
            }
            if (smooth) {
                // Half way from the colour-1 corner to the colour-4 one: red
                // with half of yellow's green.
                const Rgb mid = pixelAt(image, scale, 700 + dx, 1095 + dy);
                EXPECT_NEAR(mid[0], 255, 3);
                EXPECT_NEAR(mid[1], 128, 8);
                EXPECT_NEAR(mid[2], 0, 3);
            }
        }
    }
}

// A triangle reaching out of the axis system is cut at it, flat or shaded:
// nothing lands on the colour bar right of the system.
TEST_F(ColourPlots, TrianglesStayInsideTheAxisSystem) {
    const float x[3] = {8, 14, 8}, y[3] = {1, 1, 4}, z[3] = {2.5f, 2.5f, 2.5f};
    const int i1[1] = {1}, i2[1] = {2}, i3[1] = {3};
    for (const bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        GlobalRecord &rec = open("PPM", "plot.ppm");
        captureStdout([&] {
            colourAxes();
            if (smooth) shdmod("SMOO", "SURF");
            crvtri(x, y, z, 3, i1, i2, i3, 1);
        });
        const float scale = rec.page.xdevscl;
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        EXPECT_EQ(pixelAt(image, scale, 1190, 1090), kRange[2]);
        EXPECT_EQ(pixelAt(image, scale, 1210, 1090), (Rgb{0, 0, 0}));
        EXPECT_EQ(pixelAt(image, scale, 1300, 1050), (Rgb{0, 0, 0}));
    }
}

// Flat triangles on PostScript: one "tri" record each.
TEST_F(ColourPlots, FlatTrianglesOnPostScript) {
    const float x[4] = {1, 9, 1, 9}, y[4] = {1, 1, 4, 4}, z[4] = {0, 1, 2, 3};
    const int i1[2] = {1, 2}, i2[2] = {2, 4}, i3[2] = {3, 3};
    open("PS", "plot.ps");
    captureStdout([&] {
        colourAxes();
        crvtri(x, y, z, 4, i1, i2, i3, 2);
    });
    EXPECT_EQ(triangleCount(close("plot.ps")), 2);
}

// Refusals: a warning and nothing drawn.
TEST_F(ColourPlots, RefusalsWarnAndDrawNothing) {
    const float x[3] = {1, 2, 3}, y[3] = {1, 2, 1}, z[4] = {0, 1, 2, 3};
    const int i1[1] = {1}, i2[1] = {2}, bad[1] = {4}, zero[1] = {0}, good[1] = {3};
    const auto axes = [] { colourAxes(); };
    struct Case {
        std::function<void()> before, call;
        std::string warning;
    } cases[] = {
        {[] { graf(0, 10, 0, 2, 0, 5, 0, 1); }, [&] { curve3(x, y, z, 3); },
         " <<<< Warning   3: Incorrect level in curve3!   (   2)\n"},
        {[] {}, [&] { crvmat(z, 2, 2, 1, 1); },
         " <<<< Warning   3: Incorrect level in crvmat!   (   1)\n"},
        {[] { graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2); }, [&] { curvx3(x, 1, z, 3); },
         " <<<< Warning  35: Confusion of graf3d and graf3 in curvx3!\n"},
        {[] { graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2); },
         [&] { crvtri(x, y, z, 3, i1, i2, good, 1); },
         " <<<< Warning  35: Confusion of graf3d and graf3 in crvtri!\n"},
        {axes, [&] { curve3(nullptr, y, z, 3); },
         " <<<< Warning   2: Incorrect parameter in curve3!   (   3)\n"},
        {axes, [&] { crvmat(nullptr, 2, 2, 1, 1); },
         " <<<< Warning   2: Incorrect parameter in crvmat!   (   2)\n"},
        {axes, [&] { crvmat(z, 1, 4, 1, 1); },
         " <<<< Warning   2: Incorrect parameter in crvmat!   (   1)\n"},
        {axes, [&] { crvmat(z, 2, 2, 1, 0); },
         " <<<< Warning   2: Incorrect parameter in crvmat!   (   0)\n"},
        // Point numbers outside 1..n would read past the arrays.
        {axes, [&] { crvtri(x, y, z, 3, i1, i2, bad, 1); },
         " <<<< Warning   2: Incorrect parameter in crvtri!   (   4)\n"},
        {axes, [&] { crvtri(x, y, z, 3, zero, i2, good, 1); },
         " <<<< Warning   2: Incorrect parameter in crvtri!   (   0)\n"},
        // Shaded triangles need pixels.
        {[] {
             colourAxes();
             shdmod("SMOO", "SURF");
         },
         [&] { crvtri(x, y, z, 3, i1, i2, good, 1); },
         " <<<< Warning  40: File format and output device are incompatible in crvtri!\n"},
        {axes, [&] { crvtri(x, y, z, 3, i1, i2, good, 0); }, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.warning);
        GlobalRecord &rec = open("PS", "plot.ps");
        captureStdout([&c] {
            axspos(200, 1200);
            axslen(1001, 501);
            nograf();
            c.before();
        });
        EXPECT_EQ(captureStdout(c.call), c.warning);
        EXPECT_EQ(rec.img.iimgini, 0);
        const std::string ps = close("plot.ps");
        EXPECT_EQ(boxCount(ps), 0);
        EXPECT_EQ(triangleCount(ps), 0);
    }
}

// Symbols in place of boxes: drawn at every point, also outside the scaling,
// which is not tested, each in the colour of its value; crvmat puts one on
// each grid point. The colour in force comes back.
TEST_F(ColourPlots, SymbolsInPlaceOfBoxes) {
    const float x[2] = {5, 12}, y[2] = {2, 2}, z[2] = {1, 2};
    const float m[9] = {0, 0, 0, 0, 3.5f, 0, 0, 0, 0};
    struct Case {
        const char *name;
        std::function<void()> plot;
        float x, y; // plot point of a symbol
        Rgb colour;
    } cases[] = {
        {"curve3", [&] { curve3(x, y, z, 2); }, 700, 1000, kRange[1]},
        {"curve3 outside", [&] { curve3(x, y, z, 2); }, 1400, 1000, kRange[2]},
        {"crvmat", [&] { crvmat(m, 3, 3, 5, 5); }, 700, 950, kRange[3]},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GlobalRecord &rec = open("PPM", "plot.ppm");
        captureStdout([] {
            colourAxes();
            noclip();
            shdmod("SYMB", "CURV");
            setclr(7);
        });
        EXPECT_EQ(captureStdout(c.plot), "");
        EXPECT_EQ(getclr(), 7);
        const float scale = rec.page.xdevscl;
        const int h = rec.symbol.nhsymb;
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        // Some pixels of the symbol's square in its colour, none of another.
        int inColour = 0, other = 0;
        for (float py = c.y - float(h) / 2; py <= c.y + float(h) / 2; py += 1)
            for (float px = c.x - float(h) / 2; px <= c.x + float(h) / 2; px += 1) {
                const Rgb p = pixelAt(image, scale, px, py);
                if (p == c.colour)
                    ++inColour;
                else if (p != Rgb{0, 0, 0})
                    ++other;
            }
        EXPECT_GT(inColour, 0);
        EXPECT_EQ(other, 0);
    }
}

// The default box size is one base unit, at least one plot unit, and reset
// restores it in the units in force.
TEST_F(ColourPlots, ResetRestoresTheBoxSizeInTheUnitsInForce) {
    captureStdout([] {
        units("POIN");
        metafl("GKSL");
        setfil("plot.out");
        kavini();
    });
    int width = 0, height = 0;
    getres(&width, &height);
    EXPECT_EQ(width, 3); // 1 / 0.352778, rounded
    setres(10, 12);
    reset("SETR");
    getres(&width, &height);
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 3);
    close();
}

} // namespace
