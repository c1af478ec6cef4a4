// Contour points into arrays: the lines conpts returns are those contur draws,
// point for point; the caller's arrays are filled up to their room and not a
// place further, with one warning for the points and one per line that finds
// no slot; nothing is drawn, and the routine works before kavini.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/graphics2d/axis_fixture.h"
#include "tests/graphics2d/contour_grid.h"
#include "tests/support/fresh_record.h"

namespace {

struct Point {
    float x, y;
};
using Line = std::vector<Point>;

// Two separate peaks: two closed lines at level 0.7.
const Grid kTwoPeaks = makeGrid(steps(7, 1), steps(4, 1), [](int i, int j) {
    return (i == 1 || i == 5) && j == 1 ? 2.0f : 0.0f;
});

// What conpts returned into arrays with room for `room` points and `slots`
// lines, each followed by a guard of sentinels.
constexpr float kSentinel = -12345.0f;
constexpr int kNoCount = -99;
constexpr int kGuard = 8;

struct Result {
    std::vector<float> xpts, ypts;
    std::vector<int> nray;
    int nlins = -7;
    std::string out;

    std::vector<Line> lines() const {
        std::vector<Line> ls;
        std::size_t at = 0;
        for (int k = 0; k < nlins; ++k) {
            Line l;
            for (int m = 0; m < nray[std::size_t(k)]; ++m, ++at)
                l.push_back({xpts[at], ypts[at]});
            ls.push_back(l);
        }
        return ls;
    }
    int stored() const {
        int n = 0;
        for (int k = 0; k < nlins; ++k)
            n += nray[std::size_t(k)];
        return n;
    }
};

Result points(const Grid &g, float level, int room = 1000, int slots = 100) {
    Result r;
    r.xpts.assign(std::size_t(std::max(room, 0) + kGuard), kSentinel);
    r.ypts.assign(r.xpts.size(), kSentinel);
    r.nray.assign(std::size_t(std::max(slots, 0) + kGuard), kNoCount);
    r.out = captureStdout([&] {
        conpts(g.x.data(), g.nx(), g.y.data(), g.ny(), g.z.data(), level, r.xpts.data(),
               r.ypts.data(), room, r.nray.data(), slots, &r.nlins);
    });
    return r;
}

// Nothing was written from point `points` and line slot `lines` on.
void expectUnwrittenFrom(const Result &r, int points, int lines) {
    for (std::size_t k = std::size_t(points); k < r.xpts.size(); ++k) {
        EXPECT_EQ(r.xpts[k], kSentinel) << "xpts[" << k << "]";
        EXPECT_EQ(r.ypts[k], kSentinel) << "ypts[" << k << "]";
    }
    for (std::size_t k = std::size_t(lines); k < r.nray.size(); ++k)
        EXPECT_EQ(r.nray[k], kNoCount) << "nray[" << k << "]";
}

const std::string kTooManyPoints =
    " <<<< Warning 101: Overflow - Too many contour points in conpts!\n";
const std::string kTooManyLines =
    " <<<< Warning 101: Overflow - Too many contour lines in conpts!\n";

bool same(Point a, Point b, float near) {
    return std::fabs(a.x - b.x) <= near && std::fabs(a.y - b.y) <= near;
}

// The standard axes map user (x, y) to plot (200 + 100 x, 1200 - 100 y).
std::vector<Line> drawnLines(const std::vector<PenOp> &ops) {
    std::vector<Line> lines;
    for (const PenOp &op : ops) {
        const Point p{(op.x - 200.0f) / 100.0f, (1200.0f - op.y) / 100.0f};
        if (!op.draw)
            lines.push_back({p});
        else if (!lines.empty())
            lines.back().push_back(p);
    }
    std::erase_if(lines, [](const Line &l) { return l.size() < 2; });
    return lines;
}

class ContourPoints : public AxisTest {};

TEST_F(ContourPoints, TheLinesAreThoseContourDrawsAndNothingIsDrawn) {
    struct Case {
        const char *what;
        Grid grid;
        float level;
    };
    const Case cases[] = {
        {"single peak",
         makeGrid(steps(3, 1), steps(3, 1),
                  [](int i, int j) { return i == 1 && j == 1 ? 1.0f : 0.0f; }),
         0.5f},
        {"two peaks", kTwoPeaks, 0.7f},
        {"saddle inside a grid",
         makeGrid(steps(5), steps(5),
                  [](int i, int j) { return float((i - 2) * (j - 2)) + 0.25f; }),
         0.0f},
        {"ridge leaving on two sides",
         makeGrid(steps(6), steps(5), [](int i, int j) { return 3.0f - float(std::abs(i - j)); }),
         2.2f},
        {"irregular spacing",
         makeGrid({0, 0.5f, 2, 2.25f, 4}, {0, 1, 1.5f, 4},
                  [](int i, int j) { return std::sin(float(i)) + 0.3f * float(j); }),
         0.6f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Grid &g = c.grid;
        openHpgl();
        standardAxes(true);
        // conpts first: whatever the pen then shows was drawn by contur alone.
        const Result r = points(g, c.level);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(captureStdout(
                      [&] { contur(g.x.data(), g.nx(), g.y.data(), g.ny(), g.z.data(), c.level); }),
                  "");
        const std::vector<Line> drawn = drawnLines(closeHpgl());
        const std::vector<Line> got = r.lines();
        ASSERT_GT(got.size(), 0u);
        ASSERT_EQ(got.size(), drawn.size());
        for (std::size_t k = 0; k < got.size(); ++k) {
            ASSERT_EQ(got[k].size(), drawn[k].size()) << "line " << k;
            // HPGL keeps a quarter plot unit: 0.0025 user units here.
            for (std::size_t m = 0; m < got[k].size(); ++m)
                EXPECT_TRUE(same(got[k][m], drawn[k][m], 0.004f))
                    << "line " << k << " point " << m << ": " << got[k][m].x << " " << got[k][m].y
                    << " drawn " << drawn[k][m].x << " " << drawn[k][m].y;
        }
        expectUnwrittenFrom(r, r.stored(), r.nlins);
    }
}

// Before kavini: no plot, no axis system; the points are user coordinates as
// they are, and a closed line ends on its first point.
class ContourPointsAtLevel0 : public FreshRecord {};

TEST_F(ContourPointsAtLevel0, WorksWithoutAPlotAndClosesClosedLines) {
    const Grid peak = makeGrid({10, 20, 30}, {-5, 0, 5},
                               [](int i, int j) { return i == 1 && j == 1 ? 1.0f : 0.0f; });
    const Result r = points(peak, 0.5f);
    EXPECT_EQ(r.out, "");
    ASSERT_EQ(r.nlins, 1);
    const Line l = r.lines()[0];
    ASSERT_EQ(l.size(), 9u);
    // The first crossing lies halfway on the edge from (10, 0) to (20, 0).
    EXPECT_FLOAT_EQ(l.front().x, 15.0f);
    EXPECT_FLOAT_EQ(l.front().y, 0.0f);
    EXPECT_FLOAT_EQ(l.back().x, l.front().x);
    EXPECT_FLOAT_EQ(l.back().y, l.front().y);
    for (const Point p : l) {
        EXPECT_GE(p.x, 10.0f);
        EXPECT_LE(p.x, 30.0f);
        EXPECT_GE(p.y, -5.0f);
        EXPECT_LE(p.y, 5.0f);
    }
}

TEST_F(ContourPointsAtLevel0, NoLinesLeaveTheArraysAlone) {
    for (const float level : {-1.0f, 2.0f, 5.0f}) {
        SCOPED_TRACE(level);
        const Result r = points(kTwoPeaks, level);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.nlins, 0);
        expectUnwrittenFrom(r, 0, 0);
    }
}

TEST_F(ContourPointsAtLevel0, ArraysAreFilledUpToTheirRoomOnly) {
    const Result all = points(kTwoPeaks, 0.7f);
    ASSERT_EQ(all.nlins, 2);
    const int first = all.nray[0], second = all.nray[1];
    ASSERT_GT(first, 3);
    ASSERT_GT(second, 3);
    const int total = first + second;

    struct Case {
        const char *what;
        int room, slots;
        std::vector<int> nray; // expected; nlins is its size
        std::string out;
    };
    const Case cases[] = {
        {"exact room", total, 2, {first, second}, ""},
        {"points run out in the first line", first - 2, 2, {first - 2, 0}, kTooManyPoints},
        {"points run out in the second line", first + 1, 2, {first, 1}, kTooManyPoints},
        {"one point too few", total - 1, 2, {first, second - 1}, kTooManyPoints},
        {"no room for points", 0, 2, {0, 0}, kTooManyPoints},
        {"negative room for points", -5, 2, {0, 0}, kTooManyPoints},
        // The second line joins the first.
        {"one slot for two lines", total, 1, {total}, kTooManyLines},
        {"no slot", total, 0, {}, kTooManyLines + kTooManyLines},
        {"negative slots", total, -3, {}, kTooManyLines + kTooManyLines},
        {"both run out", first, 1, {first}, kTooManyLines + kTooManyPoints},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Result r = points(kTwoPeaks, 0.7f, c.room, c.slots);
        EXPECT_EQ(r.out, c.out);
        ASSERT_EQ(r.nlins, int(c.nray.size()));
        for (std::size_t k = 0; k < c.nray.size(); ++k)
            EXPECT_EQ(r.nray[k], c.nray[k]) << "line " << k;
        // The stored points are the first points of the full result, in order.
        const int stored = r.stored();
        for (int k = 0; k < stored; ++k) {
            EXPECT_EQ(r.xpts[std::size_t(k)], all.xpts[std::size_t(k)]) << k;
            EXPECT_EQ(r.ypts[std::size_t(k)], all.ypts[std::size_t(k)]) << k;
        }
        expectUnwrittenFrom(r, stored, r.nlins);
    }
}

TEST_F(ContourPointsAtLevel0, AGridWithoutACellIsRefused) {
    const std::vector<float> x{0, 1, 2}, y{0}, z{0, 1, 0};
    float xp[4], yp[4];
    int nray[2], nlins = 5;
    const std::string out = captureStdout(
        [&] { conpts(x.data(), 3, y.data(), 1, z.data(), 0.5f, xp, yp, 4, nray, 2, &nlins); });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in conpts!   (   1)\n");
    EXPECT_EQ(nlins, 0);
}

// The lines of busy grids, their order, start points and every coordinate,
// summed up in one FNV-1a fingerprint of nlins, nray and the float bits. The
// value was taken from the tracer when it still scanned the inside of the
// grid row by row through memory; a faster scan must find the same lines in
// the same order. The grids have closed lines, saddles, lines from the border,
// points on the level and a NaN, and rows that do not fill whole 32-bit words.
TEST_F(ContourPointsAtLevel0, TheLinesOfBusyGridsKeepTheirOrderAndPoints) {
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&](std::uint32_t v) {
        for (int b = 0; b < 4; ++b) {
            hash ^= (v >> (8 * b)) & 0xFFu;
            hash *= 1099511628211ull;
        }
    };
    auto wave = [](int i, int j) {
        if (i == 17 && j == 23) return std::nanf("");
        if ((i * 7 + j * 3) % 41 == 0) return 0.3f; // exactly on a level
        return std::sin(0.31f * float(i)) * std::cos(0.23f * float(j)) +
               0.4f * std::sin(0.013f * float(i * j));
    };
    int lines = 0;
    for (const auto &[nx, ny] :
         {std::pair{83, 67}, std::pair{5, 200}, std::pair{200, 5}, std::pair{64, 33}}) {
        const Grid g = makeGrid(steps(nx, -3.0f), steps(ny, 2.0f), wave);
        for (const float level : {-0.9f, -0.6f, -0.3f, 0.0f, 0.3f, 0.6f, 0.9f}) {
            const Result r = points(g, level, 200000, 5000);
            ASSERT_EQ(r.out, "");
            mix(std::uint32_t(r.nlins));
            lines += r.nlins;
            std::size_t at = 0;
            for (int k = 0; k < r.nlins; ++k) {
                mix(std::uint32_t(r.nray[std::size_t(k)]));
                for (int m = 0; m < r.nray[std::size_t(k)]; ++m, ++at) {
                    mix(std::bit_cast<std::uint32_t>(r.xpts[at]));
                    mix(std::bit_cast<std::uint32_t>(r.ypts[at]));
                }
            }
        }
    }
    EXPECT_GT(lines, 100);
    EXPECT_EQ(hash, 0x86893e90cac224a1u) << std::hex << hash;
}

} // namespace
