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

} // namespace
