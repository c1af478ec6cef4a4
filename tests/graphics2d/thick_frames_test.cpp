// Frames far thicker than the page, on every path that draws rings: the
// rectangles of texts, axis systems and pie labels (in plot units, or pixel
// rings straight into a raster), the circles of azimuthal maps and the
// outlines of user shields. Each call ends at once, says what it left out
// and draws what the page shows.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/test_time.h"

namespace {

class ThickFrames : public AxisTest {
  protected:
    // Draws on the device in the child of a death test, which may use a few
    // seconds of processor time; 0 when the output has the warning of rings
    // left out, 4 when not (the output then goes to standard error).
    int drawWithFewSeconds(const char *device, const std::function<void()> &draw) {
        limitProcessorTime(10);
        open(device, "plot.out");
        const std::string out = captureStdout([&] {
            axspos(200, 1200);
            axslen(1001, 501);
            draw();
        });
        close("plot.out");
        if (out.find(" <<<< Warning 101: Frame thicker than the page in ") != std::string::npos)
            return 0;
        std::fputs(out.c_str(), stderr);
        return 4;
    }
};

TEST_F(ThickFrames, RingsStopWhereThePageEnds) {
    struct Case {
        const char *what;
        const char *device; // a keyword of metafl
        std::function<void(int)> draw;
    };
    const float shares[3] = {1, 2, 1};
    const int corners[2][4] = {{1100, 1400, 1250, 1100}, {800, 800, 1000, 800}};
    const Case cases[] = {
        {"text on a raster", "PNG",
         [](int t) {
             frmess(t);
             messag("framed", 500, 500);
         }},
        {"axis system on a raster", "PNG",
         [](int t) {
             frame(t);
             graf(0, 10, 0, 2, 0, 5, 0, 1);
         }},
        {"pie labels", "GKSL",
         [&](int t) {
             frame(t);
             piegrf(nullptr, 0, shares, 3);
         }},
        {"azimuthal map", "GKSL",
         [](int t) {
             frame(t);
             projct("ORTH");
             grafmp(-180, 180, -180, 60, -90, 90, -90, 30);
         }},
        {"circle shield", "GKSL",
         [](int t) {
             frame(t);
             shlcir(500, 400, 100);
         }},
        {"pie shield", "GKSL",
         [](int t) {
             frame(t);
             shlpie(2000, 400, 150, 0.0f, 90.0f);
         }},
        {"polygon shield", "GKSL",
         [&](int t) {
             frame(t);
             shlpol(corners[0], corners[1], 3);
         }},
    };
    const int thicknesses[] = {-10000000, -1000000000, INT_MIN, 1000000000};
    for (const Case &c : cases)
        for (const int t : thicknesses) {
            SCOPED_TRACE(std::string(c.what) + ", thickness " + std::to_string(t));
            // A ring per plot unit of the thickness would take minutes or
            // never end: the child has a few seconds of processor time.
            EXPECT_EXIT(std::_Exit(drawWithFewSeconds(c.device, [&] { c.draw(t); })),
                        ::testing::ExitedWithCode(0), "");
        }
}

} // namespace
