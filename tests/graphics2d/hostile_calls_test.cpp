// Calls that once reached integer conversions with NaN, infinity or far
// values, or sums at the ends of an int: each is refused with a warning or
// draws what lies on the page. The sanitizer run of the suite checks that no
// conversion or sum overflows on the way.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "kernel/number_text.h"
#include "tests/graphics2d/axis_fixture.h"

namespace {

using HostileCalls = AxisTest;

TEST_F(HostileCalls, NaNInfinityAndFarValuesAreRefusedOrHeld) {
    const float nan = std::nanf(""), inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char *what;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"graf with NaN and infinite limits",
         [&] {
             graf(nan, 1, 0, 1, 0, inf, 0, 1);
             graf(-inf, inf, 0, 1, 0, 1, nan, 1);
         }},
        {"setscl with infinity",
         [&] {
             const float data[2] = {0, inf};
             setscl(data, 2, "XY");
             graf(0, 1, 0, 1, 0, 1, 0, 1);
         }},
        {"text of far and NaN values",
         [&] {
             graf(0, 10, 0, 2, 0, 5, 0, 1);
             rlmess("far", inf, -inf);
             rlmess("nan", nan, nan);
             addlab("lab", inf, 1, "X");
             addlab("lab", nan, 0, "Y");
             rlnumb(nan, 2, 1e30f, -1e30f);
         }},
        {"bars and vectors of NaN",
         [&] {
             graf(0, 10, 0, 2, 0, 5, 0, 1);
             const float x[2] = {nan, 1e30f}, y[2] = {inf, -inf};
             bars(x, y, x, 2);
             field(x, y, y, x, 2, 1901);
         }},
        {"colour matrix cells of far sizes",
         [&] {
             autres(2, 2);
             graf3(0, 1, 0, 1, 0, 1, 0, 1, nan, inf, 0, 1);
         }},
        {"shaded contour cells on NaN and far grids",
         [&] {
             graf(0, 10, 0, 2, 0, 5, 0, 1);
             const float z[4] = {0, 1, 2, 3}, levels[3] = {0.5f, 1.5f, 2.5f};
             const float nanGrid[2] = {nan, nan}, farGrid[2] = {-1e30f, 1e30f};
             conshd(nanGrid, 2, nanGrid, 2, z, levels, 3);
             conshd(farGrid, 2, farGrid, 2, z, levels, 3);
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openHpgl();
        captureStdout([&] {
            axspos(200, 1200);
            axslen(1001, 501);
            c.call();
        });
        closeHpgl();
    }
}

// Settings at the far ends of an int or a float that drawing uses later:
// distances, shifts, margins, lengths, frames and line spacings are added to
// positions when an axis system, its title, legend or colour bar, a pie's
// label boxes or a text is drawn. Each scene draws what lies on the page; the
// sanitizer run checks that no sum or conversion overflows on the way.
TEST_F(HostileCalls, FarSettingsAreHeldWhereDrawingUsesThem) {
    const float big = std::numeric_limits<float>::max();
    static char cbuf[2 * 10 + 1];
    static const float x[3] = {1, 2, 3}, y[3] = {1, 3, 2};
    const auto axes = [] {
        name("Xname", "X");
        name("Yname", "Y");
        titlin("Heading", 1);
        graf(0, 10, 0, 2, 0, 5, 0, 1);
        title();
        curve(x, y, 3);
        curve(x, x, 3);
        legend(cbuf, 3);
        endgrf();
    };
    const auto colourBar = [] {
        graf3(0, 1, 0, 1, 0, 1, 0, 1, 0, 4, 0, 1);
        endgrf();
    };
    const auto pie = [] { piegrf(cbuf, 1, x, 2); };
    const auto map = [] {
        grafmp(-180, 180, -180, 90, -90, 90, -90, 30);
        endgrf();
    };
    struct Case {
        const char *what;
        std::function<void()> setting, scene;
    };
    const Case cases[] = {
        {"label distance INT_MIN", [] { labdis(INT_MIN, "XYZ"); }, axes},
        {"label distance INT_MAX", [] { labdis(INT_MAX, "XYZ"); }, axes},
        {"label distance INT_MAX on a map", [] { labdis(INT_MAX, "XY"); }, map},
        {"name distance INT_MIN", [] { namdis(INT_MIN, "XYZ"); }, axes},
        {"name distance INT_MAX", [] { namdis(INT_MAX, "XYZ"); }, axes},
        {"grace INT_MIN", [] { grace(INT_MIN); }, axes},
        {"grace INT_MAX", [] { grace(INT_MAX); }, axes},
        {"axis length INT_MAX", [] { axslen(INT_MAX, INT_MAX); }, axes},
        {"title shift INT_MIN", [] { vkytit(INT_MIN); }, axes},
        {"colour bar shift INT_MAX, INT_MIN",
         [] {
             vkxbar(INT_MAX);
             vkybar(INT_MIN);
         },
         colourBar},
        {"legend corner INT_MAX", [] { legpos(INT_MAX, INT_MAX); }, axes},
        {"frame INT_MAX", [] { frame(INT_MAX); }, axes},
        {"frame INT_MAX round pie labels", [] { frame(INT_MAX); }, pie},
        {"line spacing 1e9", [] { linesp(1e9f); }, axes},
        {"line spacing -FLT_MAX", [&] { linesp(-big); }, axes},
        {"line spacing 1e9 in pie labels", [] { linesp(1e9f); }, pie},
        {"legend factors FLT_MAX", [&] { legopt(big, big, big); }, axes},
        {"rays of a polar grid INT_MAX", [] {},
         [] {
             polar(5, 0, 1, 0, 30);
             grid(1, INT_MAX);
             endgrf();
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openPdf();
        captureStdout([&] {
            // The legend's lines, also those of the pie's label boxes.
            legini(cbuf, 2, 10);
            leglin(cbuf, "one", 1);
            leglin(cbuf, "two", 2);
            c.setting();
            c.scene();
        });
        EXPECT_FALSE(close("plot.pdf").empty());
    }

    // A far text angle on the writers that add a quarter turn to it (PDF),
    // negate it (SVG) and count it in tenths of a degree (WMF); the getter
    // gives it back as set.
    struct Turned {
        const char *device, *file;
        int angle;
    };
    const Turned turned[] = {{"PDF", "plot.pdf", INT_MAX},
                             {"SVG", "plot.svg", INT_MIN},
                             {"WMF", "plot.wmf", -1000000000}};
    for (const Turned &t : turned) {
        SCOPED_TRACE(t.device);
        open(t.device, t.file);
        captureStdout([&] {
            if (std::string(t.device) == "WMF")
                winfnt("Arial");
            else
                psfont("Helvetica");
            angle(t.angle);
            messag("turned", 500, 500);
        });
        EXPECT_EQ(getang(), t.angle);
        EXPECT_FALSE(close(t.file).empty());
    }
}

} // namespace

namespace {

// The end of a call's warnings that names the routine, as the protocol
// prints it.
bool warned(const std::string &out, const std::string &text) {
    return out.find(text) != std::string::npos;
}

// Extreme ints where the library adds, subtracts, negates or doubles them:
// the arithmetic is held within an int (the sanitizer run checks the way),
// and what a result means is kept.
TEST_F(HostileCalls, ExtremeIntsAreHeldInTheirArithmetic) {
    openHpgl();
    const std::string out = captureStdout([] {
        // Single axes of every kind far along and beyond the page.
        xaxis(0, 10, 0, 2, INT_MAX, "X", 0, INT_MIN, 500);
        xaxlg(0, 3, 0, 1, INT_MAX, "X", 0, INT_MAX, 500);
        yaxis(0, 10, 0, 2, INT_MAX, "Y", 0, INT_MAX, INT_MIN);
        yaxlg(0, 3, 0, 1, 500, "Y", 1, INT_MIN, 900);
        zaxis(0, 10, 0, 2, INT_MAX, "Z", 0, 0, INT_MIN, 900);
        zaxlg(0, 3, 0, 1, 500, "Z", 1, 0, INT_MAX, INT_MAX);
    });
    EXPECT_TRUE(warned(out, "out of page")) << out;
    closeHpgl();

    // The field of a bit mask wraps at 32, as every shift count does.
    EXPECT_EQ(bitsi4(INT_MIN, 0x1234, 4, 0, 0), bitsi4(0, 0x1234, 4, 0, 0));
    EXPECT_EQ(bitsi2(INT_MIN, 0x12, 4, 0, 0), bitsi2(0, 0x12, 4, 0, 0));
    // More decimals than any number text holds are 100 of them.
    EXPECT_EQ(flen(1.5f, INT_MAX), flen(1.5f, 100));
    EXPECT_EQ(flen(1.5f, 100), 102);
    char text[kNumberTextSize];
    EXPECT_EQ(fcha(-1.5f, INT_MAX, text), 103);
    EXPECT_EQ(std::string(text, 5), "-1.50");

    // A title line of INT_MIN is as wrong as 5.
    EXPECT_TRUE(warned(captureStdout([] { titlin("T", INT_MIN); }),
                       " <<<< Warning   2: Incorrect parameter in titlin!   (-2147483648)"));

    // Inverse transformations of the far ends of an int.
    openHpgl();
    standardAxes(true);
    EXPECT_LT(xinvrs(INT_MIN), -1e6f);
    EXPECT_GT(xinvrs(INT_MAX), 1e6f);
    EXPECT_GT(yinvrs(INT_MIN), 1e6f);
    EXPECT_LT(yinvrs(INT_MAX), -1e6f);
    closeHpgl();
}

// A hardware origin beyond the largest page is held there when the writers
// double it into the bounding box and the translation of the page.
TEST_F(HostileCalls, AFarHardwareOriginIsHeld) {
    captureStdout([] { hworig(INT_MAX, INT_MIN); });
    open("PSCL", "plot.ps");
    const std::string ps = close("plot.ps");
    EXPECT_NE(ps.find("%%BoundingBox:  28346457 -28346459 "), std::string::npos)
        << ps.substr(0, 400);
}

// Output strings that are not there are refused as every missing array is.
TEST_F(HostileCalls, MissingOutputStringsAreRefused) {
    openHpgl();
    char x[8], y[8], z[8];
    const std::string out = captureStdout([&] {
        getlab(nullptr, y, z);
        getlab(x, y, nullptr);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in getlab!\n"
                   " <<<< Warning   2: Incorrect parameter in getlab!\n");
    getlab(x, y, z);
    EXPECT_STREQ(x, "FLOAT");
    closeHpgl();
}

// Infinite pie data gives no share a size: refused before anything is drawn.
TEST_F(HostileCalls, InfinitePieDataIsRefused) {
    const float inf = std::numeric_limits<float>::infinity();
    const float x[3] = {1, inf, 2};
    openHpgl();
    const std::string out = captureStdout([&] { piegrf(nullptr, 0, x, 3); });
    EXPECT_TRUE(warned(out, " <<<< Warning   2: Incorrect parameter in piegrf!")) << out;
    const std::vector<PenOp> ops = closeHpgl();
    EXPECT_TRUE(segmentsOf(ops).empty());
    captureStdout([&] {
        metafl("HPGL");
        setfil("quick.hpg");
        qplpie(x, 3);
    });
}

// Counts that would draw more lines than the page can tell apart: the pie's
// text lines stop at the legend's, contour levels and mesh lines at the
// plot units across the page (warning 101 saying so).
TEST_F(HostileCalls, CountsStopAtWhatThePageShows) {
    const float x[2] = {1, 3};
    openPdf();
    char cbuf[2 * 10 + 1] = {};
    captureStdout([&] {
        legini(cbuf, 2, 10);
        leglin(cbuf, "Apples", 1);
        leglin(cbuf, "Pears", 2);
        piegrf(cbuf, INT_MAX, x, 2);
    });
    const std::vector<Word> words = closePdf();
    // Segment 1 owns every line there is: both texts in its box, one above
    // the other.
    const Word apples = wordOf(words, "Apples"), pears = wordOf(words, "Pears");
    EXPECT_NEAR(apples.centreX(), pears.centreX(), 20);
    EXPECT_GT(pears.centreY(), apples.centreY());

    const float z[9] = {0, 1, 2, 1, 2, 3, 2, 3, 4};
    std::string out = captureStdout([&] {
        metafl("HPGL");
        setfil("quick.hpg");
        filmod("DELE");
        qplcon(z, 3, 3, INT_MAX);
    });
    EXPECT_TRUE(warned(out, " <<<< Warning 101: Contour levels closer than a plot unit in qplcon"))
        << out;

    openHpgl();
    out = captureStdout([&] {
        graf3d(0, 2, 0, 1, 0, 2, 0, 1, 0, 4, 0, 1);
        surmat(z, 3, 3, INT_MAX, 1);
    });
    EXPECT_TRUE(warned(out, " <<<< Warning 101: Mesh lines closer than a plot unit in surmat"))
        << out;
    EXPECT_NE(close("plot.hpg").find("PD"), std::string::npos)
        << "the mesh is drawn with the lines that fit";
}

} // namespace
