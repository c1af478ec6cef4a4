// Gridding of scattered data: node values against inverse-distance means
// worked out by hand on small cases, the reach of a point, exact hits, the
// node ranges of the axis system, of sursze and of logarithmic axes, and the
// refusals that leave the matrix alone.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/record.h"
#include "tests/graphics2d/axis_fixture.h"

namespace {

constexpr float kFill = -1.0f;
constexpr float kUntouched = 777.0f;

struct Scatter {
    std::vector<float> x, y, z;
};

// The nodes of getmat, z(i, j) at i * ny + j. The work arrays are handed in
// full of garbage: getmat clears them itself.
struct Nodes {
    int nx, ny;
    std::vector<float> z;
    std::string out;
    float at(int i, int j) const { return z[std::size_t(i * ny + j)]; }
};

Nodes gridOf(const Scatter &s, int nx, int ny) {
    Nodes m{nx, ny, std::vector<float>(std::size_t(nx * ny), kUntouched), {}};
    std::vector<int> counts(m.z.size(), 12345);
    std::vector<float> weights(m.z.size(), 3.5f);
    m.out = captureStdout([&] {
        getmat(s.x.data(), s.y.data(), s.z.data(), int(s.x.size()), m.z.data(), nx, ny, kFill,
               counts.data(), weights.data());
    });
    return m;
}

class Gridding : public AxisTest {
  protected:
    // Axes 0..10 by 0..5: with 11 x 6 nodes, one node per user unit.
    void SetUp() override {
        AxisTest::SetUp();
        openHpgl();
        standardAxes(true);
    }
    void TearDown() override {
        closeHpgl();
        AxisTest::TearDown();
    }
};

TEST_F(Gridding, OnePointFillsTheNodesWithinTwoIntervals) {
    const Nodes m = gridOf({{2.5f}, {2.5f}, {4.0f}}, 11, 6);
    EXPECT_EQ(m.out, "");
    // Position 3.5 in 1-based node numbers: nodes 2..5, that is x 1..4 and y 1..4.
    for (int i = 0; i < 11; ++i)
        for (int j = 0; j < 6; ++j) {
            const bool reached = i >= 1 && i <= 4 && j >= 1 && j <= 4;
            EXPECT_FLOAT_EQ(m.at(i, j), reached ? 4.0f : kFill) << i << "," << j;
        }
}

// A at (0.5, 0.5) with z 1, B at (1.5, 0.5) with z 3.
const Scatter kPair{{0.5f, 1.5f}, {0.5f, 0.5f}, {1.0f, 3.0f}};

TEST_F(Gridding, NodesTakeTheInverseDistanceMean) {
    struct Case {
        const char *what;
        int ix, iy;
        float p;
        int i, j;
        float expected;
    };
    const Case cases[] = {
        // d^2: A 0.5, B 2.5; weights 2 and 0.4: (2 + 1.2) / 2.4.
        {"p 2, nearer to A", 2, 2, 2.0f, 0, 0, 4.0f / 3.0f},
        {"p 2, between A and B", 2, 2, 2.0f, 1, 1, 2.0f},
        {"p 2, nearer to B", 2, 2, 2.0f, 2, 1, 8.0f / 3.0f},
        // Weights 1 / sqrt(0.5) and 1 / sqrt(2.5).
        {"p 1, nearer to A", 2, 2, 1.0f, 0, 0, 1.6180340f},
        {"p 1, other side", 2, 2, 1.0f, 0, 1, 1.6180340f},
        {"only B reaches", 2, 2, 2.0f, 3, 0, 3.0f},
        {"neither reaches", 2, 2, 2.0f, 4, 0, kFill},
        {"above both, out of reach", 2, 2, 2.0f, 1, 3, kFill},
        // Reach 1: A reaches x 0..1, B x 1..2, both y 0..1.
        {"reach 1, only A", 1, 1, 2.0f, 0, 0, 1.0f},
        {"reach 1, both", 1, 1, 2.0f, 1, 1, 2.0f},
        {"reach 1, only B", 1, 1, 2.0f, 2, 0, 3.0f},
        {"reach 1, none in y", 1, 1, 2.0f, 1, 2, kFill},
        {"reach 1 in x, 3 in y", 1, 3, 2.0f, 1, 3, 2.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        captureStdout([&] { mdfmat(c.ix, c.iy, c.p); });
        const Nodes m = gridOf(kPair, 11, 6);
        EXPECT_EQ(m.out, "");
        EXPECT_NEAR(m.at(c.i, c.j), c.expected, 1e-5f);
    }
}

TEST_F(Gridding, APointOnANodeFixesIt) {
    // The hit at (2, 1) fixes that node whatever comes before or after it;
    // of two hits on one node, (4, 2), the later wins.
    const float z[] = {10.0f, 5.0f, 20.0f, 7.0f, 8.0f};
    const Nodes m = gridOf({{2.5f, 2.0f, 1.5f, 4.0f, 4.0f},
                            {1.5f, 1.0f, 1.0f, 2.0f, 2.0f},
                            {z[0], z[1], z[2], z[3], z[4]}},
                           11, 6);
    EXPECT_EQ(m.out, "");
    EXPECT_FLOAT_EQ(m.at(2, 1), 5.0f);
    EXPECT_FLOAT_EQ(m.at(4, 2), 8.0f);
    // Next to the hits all points still mix: (3, 1) lies at d^2 0.5 from
    // (2.5, 1.5), 1 from (2, 1), 2.25 from (1.5, 1) and 2 from both points
    // at (4, 2).
    const float w[] = {2.0f, 1.0f, 1.0f / 2.25f, 0.5f, 0.5f};
    float sum = 0, weights = 0;
    for (int k = 0; k < 5; ++k)
        sum += w[k] * z[k], weights += w[k];
    EXPECT_NEAR(m.at(3, 1), sum / weights, 1e-5f);
}

TEST_F(Gridding, APointOutsideTheAxesStillReachesTheNodesNearIt) {
    const Nodes m = gridOf({{-1.0f}, {0.0f}, {5.0f}}, 11, 6);
    EXPECT_EQ(m.out, "");
    // Position 0 along x: nodes 1..2; position 1 along y: nodes 1..3.
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 6; ++j)
            EXPECT_FLOAT_EQ(m.at(i, j), i <= 1 && j <= 2 ? 5.0f : kFill) << i << "," << j;
}

TEST_F(Gridding, NodesSpanTheSurfaceExtentWhenOneIsSet) {
    // sursze: nodes at 100 and 200 along x, 0 and 1 along y; a point on (200, 1).
    captureStdout([] { sursze(100.0f, 200.0f, 0.0f, 1.0f); });
    Nodes m = gridOf({{200.0f}, {1.0f}, {9.0f}}, 2, 2);
    EXPECT_EQ(m.out, "");
    EXPECT_FLOAT_EQ(m.at(1, 1), 9.0f);
    EXPECT_FLOAT_EQ(m.at(0, 0), 9.0f); // within reach, the only point
    captureStdout([] { reset("SURS"); });
    // Back on the axes 0..10: the same point is far out of reach.
    m = gridOf({{200.0f}, {1.0f}, {9.0f}}, 2, 2);
    EXPECT_FLOAT_EQ(m.at(1, 1), kFill);
}

class GriddingAxes : public AxisTest {};

TEST_F(GriddingAxes, OnALogarithmicAxisNodesRunLinearlyBetweenThePowers) {
    openHpgl();
    captureStdout([] {
        axspos(200, 1200);
        axslen(1001, 501);
        scale("LOG", "X");
        graf(0.0f, 2.0f, 0.0f, 1.0f, 0.0f, 5.0f, 0.0f, 1.0f);
        mdfmat(1, 1, 2.0f);
    });
    // Nodes at x 1, 50.5, 100 and y 0, 2.5, 5. A hit on (50.5, 0); a point
    // near (100, 5) whose reach of one interval covers x 50.5..100 and y 5.
    const Nodes m = gridOf({{50.5f, 99.0f}, {0.0f, 5.0f}, {6.0f, 2.0f}}, 3, 3);
    EXPECT_EQ(m.out, "");
    EXPECT_FLOAT_EQ(m.at(1, 0), 6.0f);
    EXPECT_FLOAT_EQ(m.at(2, 2), 2.0f);
    EXPECT_FLOAT_EQ(m.at(0, 2), kFill);
    EXPECT_FLOAT_EQ(m.at(0, 0), kFill);
    closeHpgl();
}

TEST_F(GriddingAxes, InA3DBoxNodesSpanItsXAndYAxes) {
    openHpgl();
    captureStdout([] {
        axspos(300, 1500);
        axslen(1000, 800);
        graf3d(0, 10, 0, 2, -5, 5, -5, 1, 100, 200, 100, 20);
        mdfmat(1, 1, 2.0f);
    });
    // Nodes at x 0, 5, 10 and y -5, 0, 5: hits on (5, 0) and (10, -5).
    const Nodes m = gridOf({{5.0f, 10.0f}, {0.0f, -5.0f}, {7.0f, 3.0f}}, 3, 3);
    EXPECT_EQ(m.out, "");
    EXPECT_FLOAT_EQ(m.at(1, 1), 7.0f);
    EXPECT_FLOAT_EQ(m.at(2, 0), 3.0f);
    EXPECT_FLOAT_EQ(m.at(1, 2), 7.0f); // reached by (5, 0) alone
    EXPECT_FLOAT_EQ(m.at(0, 2), kFill);
    closeHpgl();
}

TEST_F(GriddingAxes, NeedsAnAxisSystem) {
    openHpgl();
    const Nodes m = gridOf({{1.0f}, {1.0f}, {1.0f}}, 3, 3);
    EXPECT_NE(m.out.find("Warning   3: Incorrect level in getmat!"), std::string::npos) << m.out;
    for (const float v : m.z)
        EXPECT_EQ(v, kUntouched);
    closeHpgl();
}

TEST_F(Gridding, BadInputLeavesTheMatrixAlone) {
    const std::string incorrect = " <<<< Warning   2: Incorrect parameter in getmat!\n";
    struct Case {
        const char *what;
        Scatter s;
        int nx, ny;
    };
    const Case cases[] = {
        {"no points", {{}, {}, {}}, 4, 4},
        {"one column", {{1.0f}, {1.0f}, {1.0f}}, 1, 4},
        {"one row", {{1.0f}, {1.0f}, {1.0f}}, 4, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Nodes m = gridOf(c.s, c.nx, c.ny);
        EXPECT_EQ(m.out, incorrect);
        for (const float v : m.z)
            EXPECT_EQ(v, kUntouched);
    }
    // Equal limits leave no spacing between the nodes.
    GlobalRecord &rec = currentRecord();
    rec.surface.isursze = 1;
    rec.surface.xsursze[0] = rec.surface.xsursze[1] = 3.0f;
    const Nodes flat = gridOf({{3.0f}, {0.5f}, {1.0f}}, 3, 3);
    EXPECT_EQ(flat.out, incorrect);
    for (const float v : flat.z)
        EXPECT_EQ(v, kUntouched);
}

TEST_F(GriddingAxes, MdfmatStoresOnlyPositiveSettings) {
    GlobalRecord &rec = openHpgl();
    EXPECT_EQ(captureStdout([] { mdfmat(3, 1, 0.5f); }), "");
    EXPECT_EQ(rec.gridding.nmdfmat[0], 3);
    EXPECT_EQ(rec.gridding.nmdfmat[1], 1);
    EXPECT_EQ(rec.gridding.xmdfmat, 0.5f);
    struct Case {
        int ix, iy;
        float p;
    };
    for (const Case c : {Case{0, 1, 1.0f}, Case{1, -2, 1.0f}, Case{1, 1, 0.0f}, Case{1, 1, -1.0f},
                         Case{1, 1, std::nanf("")}}) {
        SCOPED_TRACE(testing::Message() << c.ix << " " << c.iy << " " << c.p);
        EXPECT_EQ(captureStdout([c] { mdfmat(c.ix, c.iy, c.p); }),
                  " <<<< Warning   2: Incorrect parameter in mdfmat!\n");
        EXPECT_EQ(rec.gridding.nmdfmat[0], 3);
        EXPECT_EQ(rec.gridding.nmdfmat[1], 1);
        EXPECT_EQ(rec.gridding.xmdfmat, 0.5f);
    }
    captureStdout([] { reset("MDFM"); });
    EXPECT_EQ(rec.gridding.nmdfmat[0], 2);
    EXPECT_EQ(rec.gridding.nmdfmat[1], 2);
    EXPECT_EQ(rec.gridding.xmdfmat, 2.0f);
    captureStdout([] {
        mdfmat(5, 5, 5.0f);
        reset("ALL");
    });
    EXPECT_EQ(rec.gridding.nmdfmat[0], 2);
    EXPECT_EQ(rec.gridding.xmdfmat, 2.0f);
    closeHpgl();
}

} // namespace
