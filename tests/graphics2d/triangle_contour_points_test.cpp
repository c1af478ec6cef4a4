// tripts: contour lines of a triangulation returned as arrays: closed lines
// round a peak, edges lying on the level kept once, lines through a vertex on
// the level, the room of the caller's arrays and bad arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

class TrianglePoints : public FreshRecord {};

struct Mesh {
    std::vector<float> x, y, z;
    std::vector<int> i1, i2, i3;
    int triangles() const { return int(i1.size()); }
};

struct Lines {
    std::vector<float> x, y;
    std::vector<int> counts;
    int nlins = -1;
    std::string printed;
};

Lines contour(const Mesh &m, float level, int maxpts = 100, int maxray = 10) {
    Lines l;
    l.x.assign(std::size_t(maxpts > 0 ? maxpts : 1), 0);
    l.y.assign(l.x.size(), 0);
    l.counts.assign(std::size_t(maxray > 0 ? maxray : 1), -1);
    l.printed = captureStdout([&] {
        tripts(m.x.data(), m.y.data(), m.z.data(), int(m.x.size()), m.i1.data(), m.i2.data(),
               m.i3.data(), m.triangles(), level, l.x.data(), l.y.data(), maxpts, l.counts.data(),
               maxray, &l.nlins);
    });
    return l;
}

// A peak of height 1 at the origin in a ring of six points at height 0,
// radius 2: the level 0.5 is a hexagon of radius 1.
Mesh peak() {
    Mesh m;
    m.x = {0};
    m.y = {0};
    m.z = {1};
    for (int k = 0; k < 6; ++k) {
        m.x.push_back(2 * std::cos(float(k) * 1.0471976f));
        m.y.push_back(2 * std::sin(float(k) * 1.0471976f));
        m.z.push_back(0);
    }
    for (int k = 0; k < 6; ++k) {
        m.i1.push_back(1);
        m.i2.push_back(2 + k);
        m.i3.push_back(2 + (k + 1) % 6);
    }
    return m;
}

TEST_F(TrianglePoints, AClosedLineRoundAPeak) {
    const Lines l = contour(peak(), 0.5f);
    EXPECT_EQ(l.printed, "");
    ASSERT_EQ(l.nlins, 1);
    ASSERT_EQ(l.counts[0], 7); // six crossings and the first again
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(std::hypot(l.x[std::size_t(i)], l.y[std::size_t(i)]), 1.0f, 1e-5f);
    EXPECT_NEAR(l.x[0], l.x[6], 1e-6f);
    EXPECT_NEAR(l.y[0], l.y[6], 1e-6f);
    EXPECT_EQ(contour(peak(), 2.0f).nlins, 0); // no triangle reaches it
}

// Two triangles below a shared edge that lies on the level: one line, the
// edge once.
TEST_F(TrianglePoints, AnEdgeOnTheLevelIsKeptOnce) {
    Mesh m;
    m.x = {0, 1, 0.5f, 0.5f};
    m.y = {0, 0, 1, -1};
    m.z = {1, 1, 0, 0};
    m.i1 = {1, 2};
    m.i2 = {2, 1};
    m.i3 = {3, 4};
    const Lines l = contour(m, 1.0f);
    ASSERT_EQ(l.nlins, 1);
    EXPECT_EQ(l.counts[0], 2);
}

// A vertex on the level between a lower and a higher one joins the
// segments of its two triangles.
TEST_F(TrianglePoints, AVertexOnTheLevelJoinsTwoSegments) {
    Mesh m;
    m.x = {0, 1, 2, 1};
    m.y = {0, 1, 0, -1};
    m.z = {0, 0.5f, 1, 0.5f};
    m.i1 = {1, 1};
    m.i2 = {2, 4};
    m.i3 = {3, 3};
    const Lines l = contour(m, 0.5f);
    ASSERT_EQ(l.nlins, 1);
    ASSERT_EQ(l.counts[0], 3);
    EXPECT_FLOAT_EQ(l.x[1], 1.0f); // the crossing of the shared edge 1-3
    EXPECT_FLOAT_EQ(l.y[1], 0.0f);
}

TEST_F(TrianglePoints, FullArraysKeepWhatFitsAndReport) {
    const Lines l = contour(peak(), 0.5f, 5, 10);
    const std::string point = " <<<< Warning 101: Overflow - Too many contour points in tripts!\n";
    EXPECT_EQ(l.printed, point + point);
    ASSERT_EQ(l.nlins, 1);
    EXPECT_EQ(l.counts[0], 7); // the line's whole length

    const Lines none = contour(peak(), 0.5f, 100, 0);
    EXPECT_EQ(none.printed, " <<<< Warning 101: Overflow - Too many contour lines in tripts!\n");
    EXPECT_EQ(none.nlins, 0);
}

TEST_F(TrianglePoints, BadArgumentsAndVertexNumbers) {
    Mesh m = peak();
    int nlins = -1;
    float x[4], y[4];
    int counts[2];
    EXPECT_EQ(captureStdout([&] {
                  tripts(m.x.data(), nullptr, m.z.data(), 7, m.i1.data(), m.i2.data(), m.i3.data(),
                         6, 0.5f, x, y, 4, counts, 2, &nlins);
              }),
              " <<<< Warning   2: Incorrect parameter in tripts!\n");
    EXPECT_EQ(nlins, 0);
    // Triangles naming points beyond the arrays are left out.
    m.i3[0] = 99;
    m.i2[1] = 0;
    const Lines l = contour(m, 0.5f);
    ASSERT_EQ(l.nlins, 1);
    EXPECT_EQ(l.counts[0], 5); // the hexagon less its first two sides
}

} // namespace
