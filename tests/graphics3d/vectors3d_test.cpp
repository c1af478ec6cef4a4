// vectr3: the arrow of vector between the projected user points, read back
// as HPGL pen records.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/pen_ops.h"
#include "tests/support/plot_fixture.h"

namespace {

class Vectors3D : public PlotTest {
  protected:
    // The same box on the page whatever the page origin.
    void openBox(const char *origin) {
        const int height = open("HPGL", "plot.hpg").page.nypage;
        const int y = std::string(origin) == "BOTT" ? height - 1500 : 1500;
        captureStdout([&] {
            pagorg(origin);
            axspos(300, y);
            axslen(1000, 800);
            nograf(); // only the arrows on the page
            graf3d(0, 10, 0, 2, -5, 5, -5, 1, 100, 200, 100, 20);
        });
    }
    std::vector<PenOp> closePlot() { return hpglPenOps(close("plot.hpg")); }

    // The arrow of vectr3 from (2, -3, 120) to (9, 4, 190).
    std::vector<PenOp> arrow3d(const char *origin, int code) {
        openBox(origin);
        EXPECT_EQ(captureStdout([&] { vectr3(2, -3, 120, 9, 4, 190, code); }), "");
        return closePlot();
    }
};

TEST_F(Vectors3D, AShaftRunsBetweenTheProjectedPoints) {
    openBox("TOP");
    float x1, y1, x2, y2;
    rel3pt(2, -3, 120, &x1, &y1);
    rel3pt(9, 4, 190, &x2, &y2);
    captureStdout([] { vectr3(2, -3, 120, 9, 4, 190, 0); });
    const std::vector<PenOp> ops = closePlot();
    const std::vector<PenOp> expected{{false, std::round(x1), std::round(y1)},
                                      {true, std::round(x2), std::round(y2)}};
    EXPECT_EQ(ops, expected) << describe(ops);
}

TEST_F(Vectors3D, HeadsAreThoseOfVectorWhereverThePageOriginLies) {
    for (int code : {1411, 2501, 1421, 1302, 1013}) {
        SCOPED_TRACE(code);
        // The same arrow drawn by vector between the rounded page points.
        openBox("TOP");
        float x1, y1, x2, y2;
        rel3pt(2, -3, 120, &x1, &y1);
        rel3pt(9, 4, 190, &x2, &y2);
        captureStdout([&] {
            vector(int(std::lround(x1)), int(std::lround(y1)), int(std::lround(x2)),
                   int(std::lround(y2)), code);
        });
        const std::vector<PenOp> expected = closePlot();
        ASSERT_GT(expected.size(), 3u);
        const std::vector<PenOp> top = arrow3d("TOP", code);
        EXPECT_EQ(top, expected) << describe(top);
        const std::vector<PenOp> bottom = arrow3d("BOTT", code);
        EXPECT_EQ(bottom, expected) << describe(bottom);
    }
}

TEST_F(Vectors3D, NeedsThe3DAxisSystem) {
    open("HPGL", "plot.hpg");
    EXPECT_EQ(captureStdout([] { vectr3(0, 0, 0, 1, 1, 1, 1411); }),
              " <<<< Warning   3: Incorrect level in vectr3!   (   1)\n");
    EXPECT_TRUE(closePlot().empty());
}

} // namespace
