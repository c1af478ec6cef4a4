// triang: the Delaunay property and the cover of the convex hull on random
// points, small exact cases, duplicates, and the failures with their warnings.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

using Triangle = std::array<int, 3>; // 1-based point numbers

struct Result {
    int count = 0;
    std::vector<Triangle> triangles;
    std::vector<float> x, y; // with the three corners of the super triangle
    std::string out;         // the messages
};

Result triangulate(const std::vector<float> &x, const std::vector<float> &y, int nmax = -1) {
    const int n = int(x.size());
    Result r;
    r.x = x;
    r.y = y;
    r.x.resize(x.size() + 3, -7.0f);
    r.y.resize(y.size() + 3, -7.0f);
    if (nmax < 0) nmax = 2 * n + 1;
    std::vector<int> i1(std::size_t(std::max(nmax, 1)), -1), i2(i1), i3(i1);
    r.out = captureStdout([&] {
        r.count = triang(r.x.data(), r.y.data(), n, i1.data(), i2.data(), i3.data(), nmax);
    });
    for (int t = 0; t < r.count; ++t)
        r.triangles.push_back({i1[std::size_t(t)], i2[std::size_t(t)], i3[std::size_t(t)]});
    return r;
}

// Twice the signed area of a triangle (positive counter-clockwise).
double doubleArea(const Result &r, const Triangle &t) {
    const double ax = r.x[t[0] - 1], ay = r.y[t[0] - 1];
    const double bx = r.x[t[1] - 1] - ax, by = r.y[t[1] - 1] - ay;
    const double cx = r.x[t[2] - 1] - ax, cy = r.y[t[2] - 1] - ay;
    return bx * cy - by * cx;
}

// Twice the area of the convex hull of the points (monotone chain).
double doubleHullArea(const std::vector<float> &x, const std::vector<float> &y) {
    std::vector<std::array<double, 2>> p;
    for (std::size_t i = 0; i < x.size(); ++i)
        p.push_back({x[i], y[i]});
    std::sort(p.begin(), p.end());
    p.erase(std::unique(p.begin(), p.end()), p.end());
    auto cross = [](const std::array<double, 2> &o, const std::array<double, 2> &a,
                    const std::array<double, 2> &b) {
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
    };
    std::vector<std::array<double, 2>> h(2 * p.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && cross(h[k - 2], h[k - 1], p[i]) <= 0)
            --k;
        h[k++] = p[i];
    }
    for (std::size_t i = p.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && cross(h[k - 2], h[k - 1], p[i]) <= 0)
            --k;
        h[k++] = p[i];
    }
    double area = 0;
    for (std::size_t i = 0; i + 1 < k; ++i)
        area += h[i][0] * h[i + 1][1] - h[i + 1][0] * h[i][1];
    return area;
}

// The triangles as sets of corners, whatever their order and rotation.
std::set<std::set<int>> cornerSets(const Result &r) {
    std::set<std::set<int>> s;
    for (const Triangle &t : r.triangles)
        s.insert({t[0], t[1], t[2]});
    return s;
}

const char kCollinear[] =
    " <<<< Warning 101: Cannot calculate circle - points are collinear in triang!";

class Triangulation : public FreshRecord {};

// On random points every triangle is counter-clockwise with an area, no point
// lies inside any triangle's circle, and no two triangles overlap: each
// directed edge belongs to one triangle at most, and together they cover no
// more than the convex hull. (Near the hull a few thin triangles may be
// missing: the corners of the super triangle lie at a finite distance.)
TEST_F(Triangulation, RandomPointsGiveDelaunayTrianglesThatDoNotOverlap) {
    for (const int n : {3, 10, 200, 2000}) {
        std::mt19937 random{std::uint32_t(n)};
        std::uniform_real_distribution<float> u(-5.0f, 20.0f);
        std::vector<float> x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            x[std::size_t(i)] = u(random), y[std::size_t(i)] = u(random);
        const Result r = triangulate(x, y);
        SCOPED_TRACE("n=" + std::to_string(n));
        EXPECT_EQ(r.out, "");
        ASSERT_GT(r.count, 0);
        EXPECT_LE(r.count, 2 * n + 1);
        double area = 0;
        std::set<std::pair<int, int>> edges;
        for (const Triangle &t : r.triangles) {
            for (const int k : t)
                ASSERT_TRUE(k >= 1 && k <= n) << k;
            for (int e = 0; e < 3; ++e)
                ASSERT_TRUE(edges.insert({t[e], t[(e + 1) % 3]}).second)
                    << t[e] << "-" << t[(e + 1) % 3];
            const double a = doubleArea(r, t);
            ASSERT_GT(a, 0.0);
            area += a;
            // The circle through the corners.
            const double ax = x[t[0] - 1], ay = y[t[0] - 1];
            const double bx = x[t[1] - 1] - ax, by = y[t[1] - 1] - ay;
            const double cx = x[t[2] - 1] - ax, cy = y[t[2] - 1] - ay;
            const double bb = bx * bx + by * by, cc = cx * cx + cy * cy;
            const double ux = (bb * cy - cc * by) / (2 * a), uy = (bx * cc - cx * bb) / (2 * a);
            const double r2 = ux * ux + uy * uy;
            for (int p = 0; p < n; ++p) {
                const double dx = x[std::size_t(p)] - (ax + ux), dy = y[std::size_t(p)] - (ay + uy);
                ASSERT_GE(dx * dx + dy * dy, r2 * (1 - 1e-6)) << "point " << p + 1;
            }
        }
        EXPECT_LE(area, doubleHullArea(x, y) * (1 + 1e-6));
    }
}

TEST_F(Triangulation, AUnitSquareGivesTwoTrianglesAndKeepsTheSuperTriangle) {
    const Result r = triangulate({0, 1, 1, 0}, {0, 0, 1, 1});
    EXPECT_EQ(r.out, "");
    ASSERT_EQ(r.count, 2);
    double area = 0;
    for (const Triangle &t : r.triangles)
        area += doubleArea(r, t);
    EXPECT_DOUBLE_EQ(area, 2.0);
    // Radius 3 round the centre (0.5, 0.5): corners at the lower left, the
    // lower right and the top, after the four points.
    const float d = 3.0f;
    const float want[3][2] = {{0.5f - 0.866f * d, 0.5f - 0.5f * d},
                              {0.5f + 0.866f * d, 0.5f - 0.5f * d},
                              {0.5f, 0.5f + d}};
    for (int k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(r.x[std::size_t(4 + k)], want[k][0]) << k;
        EXPECT_FLOAT_EQ(r.y[std::size_t(4 + k)], want[k][1]) << k;
    }
}

// A point given again is used once: the triangles are those of the set
// without the copy, through one of the two numbers.
TEST_F(Triangulation, ADuplicatePointIsUsedOnce) {
    const std::vector<float> x = {0, 4, 1, 3, 2.5f}, y = {0, 0.5f, 3, 2, 1};
    std::vector<float> xd = x, yd = y;
    xd.insert(xd.begin() + 2, 3.0f); // point 3 is point 5 (4 before) again
    yd.insert(yd.begin() + 2, 2.0f);
    const Result once = triangulate(x, y), twice = triangulate(xd, yd);
    ASSERT_GT(once.count, 0);
    ASSERT_EQ(twice.count, once.count);
    std::set<std::set<int>> renumbered;
    std::set<int> used;
    for (const std::set<int> &t : cornerSets(twice)) {
        std::set<int> s;
        for (const int k : t) {
            used.insert(k);
            s.insert(k == 3 ? 4 : k > 3 ? k - 1 : k);
        }
        renumbered.insert(s);
    }
    EXPECT_EQ(renumbered, cornerSets(once));
    EXPECT_NE(used.count(3), used.count(5)) << "exactly one of the two is used";
}

// Points on one line, or fewer than three different ones, have no triangle.
TEST_F(Triangulation, CollinearPointsGiveNoTriangleAndTheWarning) {
    struct Case {
        const char *what;
        std::vector<float> x, y;
    };
    const Case cases[] = {
        {"a single point", {2}, {3}},
        {"two points", {0, 1}, {0, 1}},
        {"one point twice", {1, 1}, {2, 2}},
        {"five on a slant", {0, 1, 2, 3, 4}, {1, 3, 5, 7, 9}},
        {"five on a vertical", {2, 2, 2, 2, 2}, {0, 4, 1, 3, 2}},
        {"three on a horizontal", {5, 0, 2}, {1, 1, 1}},
    };
    for (const Case &c : cases) {
        const Result r = triangulate(c.x, c.y);
        EXPECT_EQ(r.count, 0) << c.what;
        EXPECT_EQ(r.out, std::string(kCollinear) + "\n") << c.what;
    }
}

// Too little room for the triangles, or no points: warning 2 before anything
// is written, the super triangle included.
TEST_F(Triangulation, BadCountsAreRefusedBeforeAnythingIsWritten) {
    struct Case {
        const char *what;
        int n, nmax;
    };
    const Case cases[] = {{"nmax 2n", 4, 8}, {"no points", 0, 5}, {"negative count", -3, 5}};
    for (const Case &c : cases) {
        std::vector<float> x = {0, 1, 1, 0, -7, -7, -7}, y = x;
        std::vector<int> i1(9, -1), i2(i1), i3(i1);
        int count = -1;
        const std::string out = captureStdout([&] {
            count = triang(x.data(), y.data(), c.n, i1.data(), i2.data(), i3.data(), c.nmax);
        });
        EXPECT_EQ(count, 0) << c.what;
        EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in triang!\n") << c.what;
        EXPECT_EQ(x[4], -7.0f) << c.what;
        EXPECT_EQ(i1[0], -1) << c.what;
    }
}

// A point inside the common circle of many points: the hole it opens has
// more edges than the list of max(n, 100) holds.
TEST_F(Triangulation, AHoleWithTooManyEdgesIsReported) {
    std::vector<float> x, y;
    const int arc = 60;
    for (int i = 0; i < arc; ++i) {
        const double a = 3.14159265358979 * (0.55 + 0.9 * i / (arc - 1)); // the left half
        x.push_back(float(10 * std::cos(a)));
        y.push_back(float(10 * std::sin(a)));
    }
    x.push_back(0.5f); // right of the arc, inside every circle of its triangles
    y.push_back(0.0f);
    const Result r = triangulate(x, y);
    EXPECT_EQ(r.count, 0);
    EXPECT_EQ(r.out, " <<<< Warning 101: Too many edges in triang!\n");
}

} // namespace
