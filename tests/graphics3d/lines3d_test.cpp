// 3-D lines: the clipping geometry, lines started and continued at box
// points in both clipping modes (read back as HPGL pen records), and curv3d
// with its markers, strokes, reports and warnings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "graphics3d/lines3d.h"
#include "tests/graphics2d/axis_fixture.h"

namespace {

using Ops = std::vector<PenOp>;
PenOp M(float x, float y) {
    return {false, x, y};
}
PenOp D(float x, float y) {
    return {true, x, y};
}

// ---- The geometry --------------------------------------------------------

struct Homogeneous {
    float x, y, z, w;
};

// The view volume holds -w <= x, y <= w and 0 <= z <= w.
TEST(ViewVolumeClip, KeepsThePartInsideOnTheGivenSegment) {
    struct Case {
        const char *what;
        Homogeneous p, q;
        int visible;
        Homogeneous p1, q1; // the ends after clipping, when visible
    };
    const Case cases[] = {
        {"inside",
         {0, 0, 0.5f, 1},
         {0.5f, 0.5f, 0.5f, 1},
         1,
         {0, 0, 0.5f, 1},
         {0.5f, 0.5f, 0.5f, 1}},
        {"both beyond the right plane", {2, 0, 0.5f, 1}, {3, 0, 0.5f, 1}, 0, {}, {}},
        {"both in front of the front plane", {0, 0, -1, 1}, {0.5f, 0, -0.5f, 2}, 0, {}, {}},
        // Enters through the left plane at t = 2/3.
        {"entering", {-3, 0, 0.5f, 1}, {0, 0, 0.5f, 1}, 1, {-1, 0, 0.5f, 1}, {0, 0, 0.5f, 1}},
        // Leaves through the back plane halfway.
        {"leaving", {0, 0, 0.5f, 1}, {0, 0, 1.5f, 1}, 1, {0, 0, 0.5f, 1}, {0, 0, 1, 1}},
        // In through the front plane at t = 1/4, out through the right plane
        // at t = 1/2, with w growing along the segment.
        {"front and side", {0, 0, -1, 1}, {4, 0, 3, 3}, 1, {1, 0, 0, 1.5f}, {2, 0, 1, 2}},
        // Touches the volume only where z = w and x = w meet (t = 1/2).
        {"touching in one point", {0, 0, 2, 1}, {2, 0, 0, 1}, 0, {}, {}},
    };
    for (const Case &c : cases) {
        Homogeneous p = c.p, q = c.q;
        ASSERT_EQ(qqclp3(p.x, p.y, p.z, p.w, q.x, q.y, q.z, q.w), c.visible) << c.what;
        if (c.visible == 0) continue;
        const float got[8] = {p.x, p.y, p.z, p.w, q.x, q.y, q.z, q.w};
        const float want[8] = {c.p1.x, c.p1.y, c.p1.z, c.p1.w, c.q1.x, c.q1.y, c.q1.z, c.q1.w};
        for (int i = 0; i < 8; ++i)
            EXPECT_NEAR(got[i], want[i], 1e-6f) << c.what << " [" << i << "]";
        EXPECT_EQ(qqcsc3(p.x, p.y, p.z, p.w), 0) << c.what;
        EXPECT_EQ(qqcsc3(q.x, q.y, q.z, q.w), 0) << c.what;
    }
}

TEST(ViewVolumeClip, OutsideTestOfAPoint) {
    struct Case {
        Homogeneous h;
        int outside;
    };
    const Case cases[] = {
        {{0, 0, 0, 1}, 0},         {{1, -1, 1, 1}, 0},     {{1.01f, 0, 0.5f, 1}, 1},
        {{0, -1.01f, 0.5f, 1}, 1}, {{0, 0, -0.01f, 1}, 1}, {{0, 0, 1.01f, 1}, 1},
        {{0, 0, 0, -1}, 1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(qqcsc3(c.h.x, c.h.y, c.h.z, c.h.w), c.outside)
            << c.h.x << " " << c.h.y << " " << c.h.z << " " << c.h.w;
}

TEST(BoxClip, ClassesAndCuts) {
    const auto owned = std::make_unique<GlobalRecord>();
    GlobalRecord &rec = *owned;
    rec.view3d.xaxis3d[0] = 2;
    rec.view3d.xaxis3d[1] = 4;
    rec.view3d.xaxis3d[2] = 6;
    int cx = 0, cy = 0, cz = 0;
    EXPECT_EQ(chkvl3(rec, 1, -2, 3, cx, cy, cz), 0); // on the box counts as inside
    EXPECT_EQ(std::vector<int>({cx, cy, cz}), std::vector<int>({2, 2, 2}));
    EXPECT_EQ(chkvl3(rec, -1.5f, 0, 3.5f, cx, cy, cz), 2);
    EXPECT_EQ(std::vector<int>({cx, cy, cz}), std::vector<int>({1, 2, 3}));

    float u = 99, v = 99;
    EXPECT_EQ(yzcut3(-3, 0, 0, 1, 4, 8, -1, u, v), 0);
    EXPECT_FLOAT_EQ(u, 2);
    EXPECT_FLOAT_EQ(v, 4);
    EXPECT_EQ(xzcut3(0, 1, 0, 4, 3, 8, 2, u, v), 0);
    EXPECT_FLOAT_EQ(u, 2);
    EXPECT_FLOAT_EQ(v, 4);
    EXPECT_EQ(xycut3(0, 0, 1, 4, 8, 3, 2, u, v), 0);
    EXPECT_FLOAT_EQ(u, 2);
    EXPECT_FLOAT_EQ(v, 4);
    // Parallel to the plane and in it: the first point.
    EXPECT_EQ(xycut3(1, 2, 5, 3, 4, 5, 5, u, v), 0);
    EXPECT_FLOAT_EQ(u, 1);
    EXPECT_FLOAT_EQ(v, 2);
    // Parallel and off it: no point, the outputs untouched.
    u = v = 99;
    EXPECT_EQ(xycut3(1, 2, 5, 3, 4, 5, 1, u, v), 1);
    EXPECT_EQ(u, 99);
    EXPECT_EQ(v, 99);
}

// ---- Lines and curves on a page -------------------------------------------

class Lines3D : public AxisTest {
  protected:
    // A 3-D axis system on HPGL with 0..10 on each axis (user 5 is the box
    // centre), drawn by nothing but the test, seen from the front without
    // perspective: page x is box x, page up is box z, depth is box y and w is
    // 1, so the view volume is |x| <= 1, |z| <= 1, 0 <= y <= 1. The box centre
    // lies at (1000, 1000), scale plot units per box unit.
    GlobalRecord &openFrontView(float scale = 100) {
        GlobalRecord &rec = openHpgl();
        captureStdout([] {
            axspos(300, 1800);
            axslen(1400, 1400);
            nograf();
            graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
        });
        const float m[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
        std::copy(m, m + 16, rec.view3d.xmat3d);
        rec.view3d.xprjscl = scale;
        rec.view3d.xprjcen[0] = 1000;
        rec.view3d.xprjcen[1] = 1000;
        return rec;
    }
};

struct Point3 {
    float x, y, z;
};

// A line of box points: the first starts it, the others continue it.
void drawLine(const std::vector<Point3> &points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point3 &p = points[i];
        if (i == 0)
            strt3d(p.x, p.y, p.z);
        else
            conn3d(p.x, p.y, p.z);
    }
}

TEST_F(Lines3D, ClippedAtTheBox) {
    struct Case {
        const char *what;
        std::vector<Point3> points;
        Ops expected;
    };
    const Case cases[] = {
        {"through the box", {{-5, 0, 0}, {5, 0, 0}}, {M(900, 1000), D(1100, 1000)}},
        // Cut at x = -1, which leaves z below the box, then at z = -1; the
        // far end likewise at x = 1 and z = 1.
        {"cut twice at each end", {{-2, 0, -4}, {2, 0, 4}}, {M(950, 1100), D(1050, 900)}},
        // Starts above the top face, stays above it, comes in through the
        // top face at x = 0.25, then leaves through it again.
        {"above, in, out",
         {{0, 0, 2}, {0.5f, 0, 3}, {0, 0, -1}, {0, 0, 5}},
         {M(1025, 900), D(1000, 1100), D(1000, 900)}},
        // Both ends on faces of the box count as inside: nothing is cut.
        {"along the top face", {{-1, 0, 1}, {1, 0, 1}}, {M(900, 900), D(1100, 900)}},
        {"corner to corner", {{-1, -1, -1}, {1, 1, 1}}, {M(900, 1100), D(1100, 900)}},
        // Passes by the edge x = 1, z = 1 without meeting the box.
        {"past an edge", {{0, 0, 3}, {3, 0, 0}}, {}},
        // Leaves through the right face and comes back through it.
        {"out and back",
         {{0, 0, 0}, {3, 0, 0}, {3, 0, 1}, {0, 0, 1}},
         {M(1000, 1000), D(1100, 1000), M(1100, 900), D(1000, 900)}},
    };
    for (const Case &c : cases) {
        openFrontView();
        EXPECT_EQ(captureStdout([&] { drawLine(c.points); }), "") << c.what;
        const Ops ops = closeHpgl();
        EXPECT_EQ(ops, c.expected) << c.what << ": " << describe(ops);
    }
}

TEST_F(Lines3D, ClippedAtTheViewVolume) {
    struct Case {
        const char *what;
        std::vector<Point3> points;
        Ops expected;
    };
    const Case cases[] = {
        // In through the front plane y = 0 at x = 0.5, out through the side
        // plane x = 1 at y = 0.25: both ends on the border of the volume.
        {"front and side", {{-0.5f, -0.5f, 0}, {1.5f, 0.5f, 0}}, {M(1050, 1000), D(1100, 1000)}},
        // Meets the volume only at its edge x = 1, z = 1.
        {"touching in one point", {{0, 0.5f, 2}, {2, 0.5f, 0}}, {}},
        // Out through the top, on beyond it, back in through the top.
        {"out and back",
         {{0, 0.5f, 0}, {0, 0.5f, 2}, {0, 0.5f, 3}, {0, 0.5f, 0.5f}},
         {M(1000, 1000), D(1000, 900), M(1000, 900), D(1000, 950)}},
        // A start in front of the eye's front plane draws nothing; the line
        // enters the volume at z = 0.25.
        {"start outside", {{0, -1, 0}, {0, 1, 0.5f}}, {M(1000, 975), D(1000, 950)}},
        // Beyond the back plane y = 1 the whole way.
        {"behind the back plane", {{0, 2, 0}, {0.5f, 3, 0}}, {}},
    };
    for (const Case &c : cases) {
        openFrontView();
        captureStdout([] { clip3d("EYE"); });
        EXPECT_EQ(captureStdout([&] { drawLine(c.points); }), "") << c.what;
        const Ops ops = closeHpgl();
        EXPECT_EQ(ops, c.expected) << c.what << ": " << describe(ops);
    }
}

TEST_F(Lines3D, ModeAndLevelChecks) {
    GlobalRecord &rec = open();
    EXPECT_EQ(captureStdout([] { strt3d(0, 0, 0); }),
              " <<<< Warning   3: Incorrect level in strt3d!   (   1)\n");
    EXPECT_EQ(captureStdout([] { clip3d("EYE"); }), "");
    EXPECT_EQ(rec.view3d.iclip3d, 1);
    EXPECT_EQ(captureStdout([] { clip3d("BOX"); }),
              " <<<< Warning   2: Incorrect parameter in clip3d!   (BOX)\n");
    EXPECT_EQ(rec.view3d.iclip3d, 1);
    EXPECT_EQ(captureStdout([] { clip3d("worl"); }), "");
    EXPECT_EQ(rec.view3d.iclip3d, 0);
    // The level 3 of a colour axis system has no view to project with.
    captureStdout([] {
        nograf();
        graf3(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
    });
    EXPECT_EQ(captureStdout([] {
                  strt3d(0, 0, 0);
                  conn3d(1, 0, 0);
              }),
              " <<<< Warning  35: Confusion of graf3d and graf3 in strt3d!\n"
              " <<<< Warning  35: Confusion of graf3d and graf3 in conn3d!\n");
    close();
}

// Points along the X axis of the front view at user x 1, 3, 5, 7, 9 (y and z
// in the middle): with 500 plot units per box unit they lie at page x 600,
// 800, 1000, 1200, 1400 on the line y = 1000.
const float kX[5] = {1, 3, 5, 7, 9}, kY[5] = {5, 5, 5, 5, 5}, kZ[5] = {5, 5, 5, 5, 5};
const float kPageX[5] = {600, 800, 1000, 1200, 1400};

// Which of the points have marker strokes close by; false when a pen
// operation lies near none of them.
bool markersNear(const Ops &ops, bool near[5]) {
    for (const PenOp &op : ops) {
        bool any = false;
        for (int i = 0; i < 5; ++i) {
            if (std::fabs(op.x - kPageX[i]) <= 18.5f && std::fabs(op.y - 1000) <= 18.5f) {
                near[i] = true;
                any = true;
            }
        }
        if (!any) return false;
    }
    return true;
}

TEST_F(Lines3D, CurveMarkersAndLine) {
    struct Case {
        const char *what;
        int incmrk;
        bool markers[5];
        bool line;
    };
    const Case cases[] = {
        {"line only", 0, {}, true},
        {"markers only", -1, {true, true, true, true, true}, false},
        {"every second point and the line", 2, {true, false, true, false, true}, true},
    };
    const Ops line = {M(600, 1000), D(800, 1000), D(1000, 1000), D(1200, 1000), D(1400, 1000)};
    for (const Case &c : cases) {
        openFrontView(500);
        captureStdout([&] {
            marker(3);
            incmrk(c.incmrk);
        });
        EXPECT_EQ(captureStdout([] { curv3d(kX, kY, kZ, 5); }), "") << c.what;
        Ops ops = closeHpgl();
        // The line comes after the markers.
        if (c.line) {
            ASSERT_GE(ops.size(), line.size()) << c.what;
            const Ops tail(ops.end() - line.size(), ops.end());
            EXPECT_EQ(tail, line) << c.what << ": " << describe(ops);
            ops.resize(ops.size() - line.size());
        }
        bool near[5] = {};
        EXPECT_TRUE(markersNear(ops, near)) << c.what << ": " << describe(ops);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(near[i], c.markers[i]) << c.what << " point " << i;
    }
}

TEST_F(Lines3D, CurveMarkersOnlyInsideTheBox) {
    openFrontView(500);
    captureStdout([] {
        marker(3);
        incmrk(-1);
        nochek();
    });
    // User x 15 lies at box x 2, beyond the box.
    const float x[3] = {1, 15, 9};
    captureStdout([&] { curv3d(x, kY, kZ, 3); });
    bool near[5] = {};
    const Ops ops = closeHpgl();
    EXPECT_TRUE(markersNear(ops, near)) << describe(ops);
    EXPECT_TRUE(near[0] && near[4]);
}

// The markers are drawn solid; the line keeps the dashes of the curve.
TEST_F(Lines3D, CurveMarkersSolidLineDashed) {
    GlobalRecord &rec = openFrontView(500);
    captureStdout([] {
        marker(3);
        incmrk(4); // markers at the ends
        lintyp(2);
    });
    const int style = rec.line.ilintyp;
    const int elements = rec.line.ndashel;
    captureStdout([] { curv3d(kX, kY, kZ, 5); });
    EXPECT_EQ(rec.line.ilintyp, style);
    EXPECT_EQ(rec.line.ndashel, elements);
    const Ops ops = closeHpgl();
    // The markers first: strokes near the ends only, none with a gap; then
    // the dashes of the line from 600 to 1400, with moves between them.
    int moves = 0, draws = 0;
    bool lineStarted = false;
    for (const PenOp &op : ops) {
        const bool nearEnd = std::fabs(op.x - 600) <= 18.5f || std::fabs(op.x - 1400) <= 18.5f;
        if (!lineStarted && !nearEnd) lineStarted = true;
        if (!lineStarted) continue;
        EXPECT_EQ(op.y, 1000) << describe({op});
        (op.draw ? draws : moves) += 1;
    }
    EXPECT_GT(moves, 5) << describe(ops);
    EXPECT_GT(draws, 5) << describe(ops);
}

TEST_F(Lines3D, ThickCurveIsStrokedBesideItself) {
    GlobalRecord &rec = openFrontView(500);
    captureStdout([] { thkcrv(3); });
    const float x[2] = {1, 9}, y[2] = {5, 5}, z[2] = {5, 5};
    captureStdout([&] { curv3d(x, y, z, 2); });
    EXPECT_FLOAT_EQ(rec.line.xlinoff, 0.0f);
    const std::multiset<Segment> expected{segment(600, 1000, 1400, 1000),
                                          segment(600, 999, 1400, 999),
                                          segment(600, 1001, 1400, 1001)};
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

TEST_F(Lines3D, CurveReportsPointsOutsideTheScaling) {
    GlobalRecord &rec = openFrontView(500);
    const float x[3] = {5, 20, 5}, y[3] = {5, 5, -1}, z[3] = {5, 5, 5};
    EXPECT_EQ(captureStdout([&] { curv3d(x, y, z, 3); }),
              " <<<< (  2.0000e+01 /  5.0000e+00 /  5.0000e+00) out of axis scaling!\n"
              " <<<< (  5.0000e+00 / -1.0000e+00 /  5.0000e+00) out of axis scaling!\n");
    EXPECT_EQ(rec.msg.ichkpnt, 1); // reports stay on for the next curve
    EXPECT_EQ(captureStdout([&] {
                  nochek();
                  curv3d(x, y, z, 3);
              }),
              "");
    close("plot.hpg");
}

TEST_F(Lines3D, CurveWarnings) {
    struct Case {
        const char *what;
        std::function<void()> before;
        const float *z;
        int n;
        std::string printed;
        bool drawn;
    };
    const Case cases[] = {
        {"no points",
         {},
         kZ,
         0,
         " <<<< Warning   2: Incorrect parameter in curv3d!   (   0)\n",
         false},
        {"negative count",
         {},
         kZ,
         -3,
         " <<<< Warning   2: Incorrect parameter in curv3d!   (  -3)\n",
         false},
        {"no array", {}, nullptr, 5, " <<<< Warning   2: Incorrect parameter in curv3d!\n", false},
        {"a curve mode", [] { polcrv("SPLI"); }, kZ, 5,
         " <<<< Warning  14: Linear interpolation must be used in curv3d!\n", true},
    };
    for (const Case &c : cases) {
        openFrontView(500);
        if (c.before) captureStdout(c.before);
        EXPECT_EQ(captureStdout([&] { curv3d(kX, kY, c.z, c.n); }), c.printed) << c.what;
        const Ops ops = closeHpgl();
        EXPECT_EQ(!ops.empty(), c.drawn) << c.what;
        if (c.drawn) {
            EXPECT_EQ(ops.size(), 5u) << c.what << ": a straight line";
        }
    }
}

// A value that a logarithmic axis cannot take refuses the whole curve
// before anything is reported or drawn.
TEST_F(Lines3D, CurveOnALogarithmicAxisRefusesNonPositiveValues) {
    openHpgl();
    captureStdout([] {
        axsscl("LOG", "X");
        nograf();
        graf3d(0, 2, 0, 1, 0, 10, 0, 2, 0, 10, 0, 2);
    });
    const float x[3] = {10, 0, 1000}; // 1000 also lies outside the scaling
    EXPECT_EQ(captureStdout([&] { curv3d(x, kY, kZ, 3); }),
              " <<<< Warning  27: Non positive values for log scaling in curv3d!\n");
    EXPECT_EQ(closeHpgl(), Ops{});
}

TEST_F(Lines3D, CurveNeedsTheBox) {
    open();
    EXPECT_EQ(captureStdout([] { curv3d(kX, kY, kZ, 5); }),
              " <<<< Warning   3: Incorrect level in curv3d!   (   1)\n");
    captureStdout([] {
        nograf();
        graf3(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
    });
    EXPECT_EQ(captureStdout([] { curv3d(kX, kY, kZ, 5); }),
              " <<<< Warning  35: Confusion of graf3d and graf3 in curv3d!\n");
    close();
}

} // namespace
