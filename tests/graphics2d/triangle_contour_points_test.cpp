// tripts: contour lines of a triangulation returned as arrays: closed lines
// round a peak, edges lying on the level kept once, lines through a vertex on
// the level, the room of the caller's arrays and bad arguments; large
// triangulations chained as a plain search from the first segment chains
// them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
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

// A grid of w by h points, each cell cut into two triangles along the
// diagonal that alternates from cell to cell.
Mesh grid(int w, int h, float (*height)(int i, int j)) {
    Mesh m;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            m.x.push_back(float(i));
            m.y.push_back(float(j));
            m.z.push_back(height(i, j));
        }
    const auto at = [w](int i, int j) { return j * w + i + 1; };
    for (int j = 0; j + 1 < h; ++j)
        for (int i = 0; i + 1 < w; ++i) {
            const int a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
            const bool turn = (i + j) % 2 == 1;
            const int t[2][3] = {{a, b, turn ? d : c}, {turn ? b : a, c, d}};
            for (const auto &v : t) {
                m.i1.push_back(v[0]);
                m.i2.push_back(v[1]);
                m.i3.push_back(v[2]);
            }
        }
    return m;
}

// Heights 0, 1 or 2 in a fixed scramble: at level 1 many vertices and whole
// edges lie on the level, lines meet and branch at vertices.
float scrambled(int i, int j) {
    std::uint32_t v = std::uint32_t(i) * 73856093u ^ std::uint32_t(j) * 19349663u;
    v ^= v >> 13;
    v *= 0x5bd1e995u;
    v ^= v >> 15;
    return float(v % 3u);
}

// Heights in [0, 1) scrambled from point to point, never 0.5 itself: the
// level 0.5 crosses two triangles in three, in short lines everywhere.
constexpr int kNoiseSide = 708;
float noise(int i, int j) {
    std::uint32_t v = std::uint32_t(i) * 2654435761u ^ std::uint32_t(j) * 40503u;
    v ^= v >> 16;
    v *= 0x45d9f3bu;
    v ^= v >> 16;
    const float z = float(v & 0xFFFFu) / 65536.0f;
    return z == 0.5f ? 0.25f : z;
}

// The chaining as the rule reads, searching the segments from the first at
// every step; the segments are taken from tripts' own output of single
// triangles, so only the chaining is modelled here.
struct Seg {
    float x[2], y[2];
    int key[2][2]; // each end's edge (or vertex twice), unordered
};

bool sameKey(const int a[2], const int b[2]) {
    return (a[0] == b[0] && a[1] == b[1]) || (a[0] == b[1] && a[1] == b[0]);
}

Lines chainedByTheRule(const Mesh &m, float level) {
    // Each triangle alone gives its segment; its ends are keyed by the
    // vertex (a point of the mesh) or the edge they lie on.
    std::vector<Seg> segs;
    bool onEdges = false;
    for (int t = 0; t < m.triangles(); ++t) {
        Mesh one;
        const int v[3] = {m.i1[std::size_t(t)], m.i2[std::size_t(t)], m.i3[std::size_t(t)]};
        one.x = m.x;
        one.y = m.y;
        one.z = m.z;
        one.i1 = {v[0]};
        one.i2 = {v[1]};
        one.i3 = {v[2]};
        Lines l;
        l.x.assign(3, 0);
        l.y.assign(3, 0);
        l.counts.assign(1, 0);
        tripts(one.x.data(), one.y.data(), one.z.data(), int(one.x.size()), one.i1.data(),
               one.i2.data(), one.i3.data(), 1, level, l.x.data(), l.y.data(), 3, l.counts.data(),
               1, &l.nlins);
        if (l.nlins != 1) continue;
        Seg s{};
        int vertices = 0;
        for (int e = 0; e < 2; ++e) {
            // tripts gives the second end first.
            const float px = l.x[std::size_t(1 - e)], py = l.y[std::size_t(1 - e)];
            s.x[e] = px;
            s.y[e] = py;
            s.key[e][0] = s.key[e][1] = 0;
            for (int k = 0; k < 3 && s.key[e][0] == 0; ++k)
                if (m.z[std::size_t(v[k] - 1)] == level && m.x[std::size_t(v[k] - 1)] == px &&
                    m.y[std::size_t(v[k] - 1)] == py)
                    s.key[e][0] = s.key[e][1] = v[k];
            if (s.key[e][0] != 0) {
                ++vertices;
                continue;
            }
            // The edge whose ends lie on either side of the level.
            for (int k = 0; k < 3; ++k) {
                const int a = v[k], b = v[(k + 1) % 3];
                const float za = m.z[std::size_t(a - 1)], zb = m.z[std::size_t(b - 1)];
                if (!((za < level && zb > level) || (za > level && zb < level))) continue;
                const float ax = m.x[std::size_t(a - 1)], bx = m.x[std::size_t(b - 1)];
                const float ay = m.y[std::size_t(a - 1)], by = m.y[std::size_t(b - 1)];
                const float cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
                if (std::fabs(cross) < 1e-4f && px >= std::min(ax, bx) - 1e-4f &&
                    px <= std::max(ax, bx) + 1e-4f && py >= std::min(ay, by) - 1e-4f &&
                    py <= std::max(ay, by) + 1e-4f) {
                    s.key[e][0] = a;
                    s.key[e][1] = b;
                    break;
                }
            }
        }
        onEdges = onEdges || vertices == 2;
        segs.push_back(s);
    }
    const std::size_t n = segs.size();
    std::vector<bool> taken(n, false);
    const auto bothVertices = [](const Seg &s) {
        return s.key[0][0] == s.key[0][1] && s.key[1][0] == s.key[1][1];
    };
    if (onEdges)
        for (std::size_t i = 0; i < n; ++i) {
            if (taken[i] || !bothVertices(segs[i])) continue;
            const int pair[2] = {segs[i].key[0][0], segs[i].key[1][0]};
            for (std::size_t j = 0; j < n; ++j) {
                const int other[2] = {segs[j].key[0][0], segs[j].key[1][0]};
                if (j != i && !taken[j] && bothVertices(segs[j]) && sameKey(pair, other))
                    taken[j] = true;
            }
        }
    Lines out;
    out.nlins = 0;
    for (std::size_t first = 0; first < n; ++first) {
        if (taken[first]) continue;
        taken[first] = true;
        std::vector<std::pair<float, float>> line{{segs[first].x[1], segs[first].y[1]}};
        const int *current = segs[first].key[1];
        bool turned = false;
        for (;;) {
            std::size_t i = 0;
            int end = -1;
            for (; i < n && end < 0; ++i)
                if (!taken[i])
                    end = sameKey(segs[i].key[0], current)   ? 0
                          : sameKey(segs[i].key[1], current) ? 1
                                                             : -1;
            if (end >= 0) {
                const Seg &s = segs[--i];
                taken[i] = true;
                line.push_back({s.x[1 - end], s.y[1 - end]});
                current = s.key[1 - end];
            } else if (!turned) {
                std::reverse(line.begin(), line.end());
                line.push_back({segs[first].x[0], segs[first].y[0]});
                current = segs[first].key[0];
                turned = true;
            } else {
                break;
            }
        }
        for (auto [x, y] : line) {
            out.x.push_back(x);
            out.y.push_back(y);
        }
        out.counts.push_back(int(line.size()));
        ++out.nlins;
    }
    return out;
}

// Lines meeting at vertices and edges on the level: the same lines, point
// for point, as the plain search gives.
TEST_F(TrianglePoints, LargeTriangulationsChainAsThePlainSearchDoes) {
    const Mesh m = grid(60, 50, scrambled);
    const Lines want = chainedByTheRule(m, 1.0f);
    ASSERT_GT(want.nlins, 100);
    const int points = int(want.x.size());
    const Lines got = contour(m, 1.0f, points, want.nlins);
    EXPECT_EQ(got.printed, "");
    ASSERT_EQ(got.nlins, want.nlins);
    for (int i = 0; i < want.nlins; ++i)
        ASSERT_EQ(got.counts[std::size_t(i)], want.counts[std::size_t(i)]) << "line " << i;
    for (int i = 0; i < points; ++i) {
        ASSERT_EQ(got.x[std::size_t(i)], want.x[std::size_t(i)]) << "point " << i;
        ASSERT_EQ(got.y[std::size_t(i)], want.y[std::size_t(i)]) << "point " << i;
    }
}

// A million triangles of noise: some 650,000 segments come back as lines
// that close or end at the border, each segment once.
TEST_F(TrianglePoints, AMillionTrianglesOfNoise) {
    const Mesh m = grid(kNoiseSide, kNoiseSide, noise);
    const float level = 0.5f;
    int crossed = 0;
    for (int t = 0; t < m.triangles(); ++t) {
        const float z[3] = {m.z[std::size_t(m.i1[std::size_t(t)] - 1)],
                            m.z[std::size_t(m.i2[std::size_t(t)] - 1)],
                            m.z[std::size_t(m.i3[std::size_t(t)] - 1)]};
        const int above = int(z[0] > level) + int(z[1] > level) + int(z[2] > level);
        crossed += above == 1 || above == 2 ? 1 : 0;
    }
    ASSERT_GT(crossed, 500000);
    const Lines l = contour(m, level, 2 * crossed, crossed);
    EXPECT_EQ(l.printed, "");
    ASSERT_GT(l.nlins, 1000);
    const auto onBorder = [](float x, float y) {
        const float last = float(kNoiseSide - 1);
        return x == 0 || y == 0 || x == last || y == last;
    };
    std::size_t at = 0;
    int segments = 0;
    for (int i = 0; i < l.nlins; ++i) {
        const std::size_t n = std::size_t(l.counts[std::size_t(i)]);
        const std::size_t end = at + n - 1;
        // The ends of a closed line lie on one edge, each interpolated from
        // its own triangle's side.
        const bool closed =
            std::fabs(l.x[at] - l.x[end]) < 1e-4f && std::fabs(l.y[at] - l.y[end]) < 1e-4f;
        if (!closed) {
            ASSERT_TRUE(onBorder(l.x[at], l.y[at])) << "line " << i;
            ASSERT_TRUE(onBorder(l.x[end], l.y[end])) << "line " << i;
        }
        at += n;
        segments += int(n) - 1;
    }
    EXPECT_EQ(segments, crossed);
}

} // namespace
