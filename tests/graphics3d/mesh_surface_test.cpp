// Mesh surfaces: the lines that surfce, surmat and surfun draw and their
// order (read back as HPGL pen records), the hidden lines (pixels of PPM
// files at projected points), the options that change them, and the warnings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
    return int(std::count_if(ops.begin(), ops.end(), [&](const PenOp &op) { return op.draw == draw; }));
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
    const float z[4] = {1, 2, 3, 4};  // z(i, j) at i * 2 + j
    for (bool hidden : {false, true}) {
        SCOPED_TRACE(hidden ? "hidden lines" : "nohide");
        openHpgl();
        box();
        auto p = [&](int i, int j) { return onPage(x[i], y[j], z[i * 2 + j]); };
        std::vector<std::pair<bool, Point>> want = {
            {false, p(1, 0)}, {true, p(0, 0)},                   // along x at the front
            {false, p(1, 0)}, {true, p(1, 1)},                   // along y at the front
            {false, p(0, 0)}, {true, p(0, 1)}, {true, p(1, 1)},  // the back edges of the cell
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

}  // namespace
