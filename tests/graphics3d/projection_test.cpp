// The view matrix and the conversions between user values, the absolute box
// and the page: the geometry of the view, depth, the page placement and its
// mirroring, logarithmic axes, the plane of grfini and the absolute forms of
// the view point, the focus and the lights.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"

namespace {

constexpr float kHalfAngle = 0.2449787f; // tan = 0.25
constexpr float kPi = 3.14159265f;

using Vec = std::array<double, 3>;

Vec cross(const Vec &a, const Vec &b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double dot(const Vec &a, const Vec &b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Vec rowVector(const float m[16], int row) {
    return {m[4 * row], m[4 * row + 1], m[4 * row + 2]};
}
// Row times (x, y, z, 1).
double apply(const float m[16], int row, double x, double y, double z) {
    const float *r = m + 4 * row;
    return r[0] * x + r[1] * y + r[2] * z + r[3];
}

struct Eye {
    const char *what;
    float e[3];
    float f[3];
};

// Eyes on the general path and on the near-vertical one, above and below.
const Eye kEyes[] = {
    {"default view", {4, -5, 4}, {0, 0, 0}},
    {"from behind and below", {-3, 6, -2}, {0.5f, 0, 0}},
    {"along the x axis", {7, 0, 0}, {0, 0, 0}},
    {"straight above", {0, 0, 5}, {0, 0, 0}},
    {"straight below", {0.2f, 0.1f, -5}, {0.2f, 0.1f, 1}},
};

TEST(ViewMatrix, IsAnUnmirroredViewOfTheFocusFromTheEye) {
    for (const Eye &eye : kEyes) {
        SCOPED_TRACE(eye.what);
        float m[16];
        qqgmat(eye.e[0], eye.e[1], eye.e[2], eye.f[0], eye.f[1], eye.f[2], 0.3f, kHalfAngle, 1, -1,
               m);
        const double t = 0.25;
        const Vec right = rowVector(m, 0), up = rowVector(m, 1);
        const Vec w = rowVector(m, 3);
        const Vec forward{w[0] / t, w[1] / t, w[2] / t};
        // Right, up and forward are orthonormal and right-handed: right x up
        // points back toward the eye, so the picture is not mirrored.
        EXPECT_NEAR(dot(right, right), 1, 1e-6);
        EXPECT_NEAR(dot(up, up), 1, 1e-6);
        EXPECT_NEAR(dot(forward, forward), 1, 1e-6);
        EXPECT_NEAR(dot(right, up), 0, 1e-6);
        EXPECT_NEAR(dot(right, forward), 0, 1e-6);
        const Vec back = cross(right, up);
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(back[i], -forward[i], 1e-6);
        // The eye is the origin of the view; the focus lies ahead of it on the
        // line of sight, at its distance.
        const float *e = eye.e, *f = eye.f;
        for (int row : {0, 1, 3})
            EXPECT_NEAR(apply(m, row, e[0], e[1], e[2]), 0, 1e-5);
        const double distance = std::sqrt(
            dot({e[0] - f[0], e[1] - f[1], e[2] - f[2]}, {e[0] - f[0], e[1] - f[1], e[2] - f[2]}));
        EXPECT_NEAR(apply(m, 3, f[0], f[1], f[2]), t * distance, 1e-5);
        EXPECT_NEAR(apply(m, 0, f[0], f[1], f[2]), 0, 1e-5);
        EXPECT_NEAR(apply(m, 1, f[0], f[1], f[2]), 0, 1e-5);
    }
}

TEST(ViewMatrix, DefaultViewShowsTheTopCornerAboveTheCentre) {
    float m[16];
    qqgmat(4, -5, 4, 0, 0, 0, 0, kHalfAngle, 1, -1, m);
    // Up on the page is +hy; the right of the picture is +hx.
    EXPECT_GT(apply(m, 1, 1, 1, 1), 0);  // top corner above the centre
    EXPECT_LT(apply(m, 1, 0, 0, -1), 0); // bottom below
    EXPECT_GT(apply(m, 0, 1, 1, 0), 0);  // seen from the front right, +x +y lies right
    EXPECT_LT(apply(m, 0, -1, -1, 0), 0);
}

TEST(ViewMatrix, StraightAboveLooksDownTheZAxis) {
    float m[16];
    qqgmat(0, 0, 5, 0, 0, 0, 0, kHalfAngle, 1, -1, m);
    const std::array<float, 16> expected{1, 0, 0,      0,      0,    1, 0,
                                         0, 0, 0,      -0.25f, 1.0f, // t W with t n subtracted
                                         0, 0, -0.25f, 1.25f};
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(m[i], expected[i], 1e-6) << "element " << i;
}

TEST(ViewMatrix, StraightBelowLooksUpWithDepthGrowingAway) {
    float m[16];
    qqgmat(0, 0, -5, 0, 0, 0, 0, kHalfAngle, 1, -1, m);
    for (float z : {-1.0f, 0.0f, 1.0f}) {
        // The distance along the view is z + 5, positive for the whole box.
        EXPECT_NEAR(apply(m, 3, 0, 0, z), 0.25 * (z + 5), 1e-6);
        EXPECT_NEAR(apply(m, 2, 0, 0, z) / apply(m, 3, 0, 0, z), (z + 4) / (z + 5), 1e-6);
    }
    EXPECT_GT(apply(m, 0, 1, 0, 0), 0); // x to the right, as seen from above
    EXPECT_LT(apply(m, 1, 0, 1, 0), 0); // so y points down the picture
}

TEST(ViewMatrix, UpAngleTurnsThePictureAboutTheLineOfSight) {
    float m0[16], m90[16];
    qqgmat(4, -5, 4, 0, 0, 0, 0, kHalfAngle, 1, -1, m0);
    qqgmat(4, -5, 4, 0, 0, 0, 90 * kPi / 180, kHalfAngle, 1, -1, m90);
    const float points[][3] = {{1, 1, 1}, {-1, 0.5f, 0}, {0.3f, -1, 1}};
    for (const auto &p : points) {
        // A quarter turn: what lay to the right now lies above.
        EXPECT_NEAR(apply(m90, 0, p[0], p[1], p[2]), -apply(m0, 1, p[0], p[1], p[2]), 1e-5);
        EXPECT_NEAR(apply(m90, 1, p[0], p[1], p[2]), apply(m0, 0, p[0], p[1], p[2]), 1e-5);
        EXPECT_NEAR(apply(m90, 3, p[0], p[1], p[2]), apply(m0, 3, p[0], p[1], p[2]), 1e-6);
    }
}

TEST(ViewMatrix, DepthRunsFromTheFrontToTheBackPlane) {
    struct Case {
        float front, back, distance, depth;
    };
    const Case cases[] = {
        {1, -1, 1, 0},           {1, -1, 2, 0.5f}, {1, -1, 0.5f, -1}, // (D - 1) / D
        {1, -1, 1000, 0.999f},   {2, 5, 2, 0},     {2, 5, 5, 1},
        {2, 5, 3.5f, 0.714286f}, // (D - n) / (k D), k = 1 - n / f
    };
    for (const Case &c : cases) {
        float m[16];
        qqgmat(0, 0, 10, 0, 0, 0, 0, kHalfAngle, c.front, c.back, m);
        const float z = 10 - c.distance;
        EXPECT_NEAR(apply(m, 2, 0, 0, z) / apply(m, 3, 0, 0, z), c.depth, 1e-5)
            << "front " << c.front << " back " << c.back << " distance " << c.distance;
    }
}

TEST(ViewMatrix, FrontAndBackPlaneTogetherLeaveNothingVisible) {
    float m[16];
    qqgmat(4, -5, 4, 0, 0, 0, 0, kHalfAngle, 2, 2, m);
    for (float v : m)
        EXPECT_TRUE(std::isfinite(v));
    for (float z : {-1.0f, 0.0f, 1.0f})
        EXPECT_LT(apply(m, 2, 0, 0, z) / apply(m, 3, 0, 0, z), 0);
}

// A record with a 3-D axis system as graf3d leaves it: X 0..10, Y -5..5,
// Z 100..200 on the default box and view, projected about (1000, 800) with
// scale 400 on a page 2000 units high.
class Projection : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;

    void SetUp() override {
        PlotTest::SetUp();
        rec = &open("GKSL");
        rec->page.nypage = 2000;
        Projection3DState &v = rec->view3d;
        const float axes[3][4] = {{0, 10, 0, 2}, {-5, 5, -5, 1}, {100, 200, 100, 20}};
        for (int a = 0; a < 3; ++a)
            for (int i = 0; i < 4; ++i)
                v.xgrf3d[a][i] = axes[a][i];
        qqgmat(4, -5, 4, 0, 0, 0, 0, kHalfAngle, 1, -1, v.xmat3d);
        v.xprjscl = 400;
        v.xprjcen[0] = 1000;
        v.xprjcen[1] = 800;
        rec->core.ilevel = 3;
        rec->axsys.igrftyp = 3;
    }
    void TearDown() override {
        rec->core.ilevel = 1;
        close();
        PlotTest::TearDown();
    }

    // Page point of an absolute point, by the view's own formula.
    std::array<float, 2> page(float x, float y, float z) const {
        const float *m = rec->view3d.xmat3d;
        const double hw = apply(m, 3, x, y, z);
        return {float(400 * apply(m, 0, x, y, z) / hw + 1000),
                float(-400 * apply(m, 1, x, y, z) / hw + 800)};
    }
};

TEST_F(Projection, UserValuesSpanTheBox) {
    struct Case {
        float x, y, z;
        float bx, by, bz;
    };
    const Case cases[] = {
        {0, -5, 100, -1, -1, -1}, {10, 5, 200, 1, 1, 1},
        {5, 0, 150, 0, 0, 0},     {2.5f, -2.5f, 175, -0.5f, -0.5f, 0.5f},
        {20, 15, 0, 3, 3, -3}, // outside: no clamp
    };
    for (const Case &c : cases) {
        float bx, by, bz;
        pos3pt(c.x, c.y, c.z, &bx, &by, &bz);
        EXPECT_NEAR(bx, c.bx, 1e-6);
        EXPECT_NEAR(by, c.by, 1e-6);
        EXPECT_NEAR(bz, c.bz, 1e-6);
        EXPECT_NEAR(x3dpos(c.x, 99, 99), c.bx, 1e-6);
        EXPECT_NEAR(y3dpos(99, c.y, 99), c.by, 1e-6);
        EXPECT_NEAR(z3dpos(99, 99, c.z), c.bz, 1e-6);
    }
}

TEST_F(Projection, DescendingAxisAndBoxLengths) {
    Projection3DState &v = rec->view3d;
    v.xgrf3d[0][0] = 10; // X runs 10..0
    v.xgrf3d[0][1] = 0;
    v.xaxis3d[0] = 4;
    v.xaxis3d[2] = 1;
    EXPECT_NEAR(x3dpos(10, 0, 0), -2, 1e-6);
    EXPECT_NEAR(x3dpos(0, 0, 0), 2, 1e-6);
    EXPECT_NEAR(x3dpos(7.5f, 0, 0), -1, 1e-6);
    EXPECT_NEAR(z3dpos(0, 0, 200), 0.5f, 1e-6);
}

TEST_F(Projection, LogarithmicAxesTakeTheLogarithm) {
    rec->axes.ilogax[0] = 1;
    rec->axes.ilogax[2] = 1;
    rec->view3d.xgrf3d[0][0] = 0; // 1 .. 100
    rec->view3d.xgrf3d[0][1] = 2;
    rec->view3d.xgrf3d[2][0] = -1; // 0.1 .. 1000
    rec->view3d.xgrf3d[2][1] = 3;
    EXPECT_NEAR(x3dpos(10, 0, 0), 0, 1e-6);
    EXPECT_NEAR(x3dpos(100, 0, 0), 1, 1e-6);
    EXPECT_NEAR(z3dpos(0, 0, 1), -0.5f, 1e-6);
    EXPECT_NEAR(y3dpos(0, 2.5f, 0), 0.5f, 1e-6); // Y stays linear
    const float x[] = {1, 10}, y[] = {-3, 0}, z[] = {1, 0};
    std::string out;
    EXPECT_EQ(captureStdout([&] { EXPECT_EQ(jqqlg3(*rec, x, y, x, 2), 0); }), "");
    out = captureStdout([&] { EXPECT_EQ(jqqlg3(*rec, x, y, z, 2), 1); });
    EXPECT_EQ(occurrences(out, "Warning  27: Non positive values for log scaling"), 1) << out;
    rec->axes.ilogax[1] = 1; // the Y test fails first and the Z test is not made
    out = captureStdout([&] { EXPECT_EQ(jqqlg3(*rec, x, y, z, 2), 1); });
    EXPECT_EQ(occurrences(out, "Warning  27"), 1) << out;
}

TEST_F(Projection, PagePlacementAndMirroring) {
    // The box centre lands on the centre of the projection.
    float xp, yp;
    abs3pt(0, 0, 0, &xp, &yp);
    EXPECT_NEAR(xp, 1000, 1e-3);
    EXPECT_NEAR(yp, 800, 1e-3);
    const std::array<float, 2> corner = page(1, 1, 1);
    EXPECT_LT(corner[1], 800); // above the centre: page y grows downward

    struct Case {
        int pagorg, usrdrw;
        bool mirrored;
    };
    const Case cases[] = {{0, 0, false}, {1, 0, true}, {1, 1, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "ipagorg " << c.pagorg << " iusrdrw " << c.usrdrw);
        rec->page.ipagorg = c.pagorg;
        rec->page.iusrdrw = c.usrdrw;
        const float y = c.mirrored ? 2000 - corner[1] : corner[1];
        abs3pt(1, 1, 1, &xp, &yp);
        EXPECT_NEAR(xp, corner[0], 1e-3);
        EXPECT_NEAR(yp, y, 1e-3);
        EXPECT_NEAR(x3dabs(1, 1, 1), corner[0], 1e-3);
        EXPECT_NEAR(y3dabs(1, 1, 1), y, 1e-3);
        // The user point (10, 5, 200) is that corner.
        rel3pt(10, 5, 200, &xp, &yp);
        EXPECT_NEAR(xp, corner[0], 1e-3);
        EXPECT_NEAR(yp, y, 1e-3);
        EXPECT_NEAR(x3drel(10, 5, 200), corner[0], 1e-3);
        EXPECT_NEAR(y3drel(10, 5, 200), y, 1e-3);
        float qx, qy;
        qqrel3(*rec, 10, 5, 200, qx, qy);
        EXPECT_NEAR(qy, y, 1e-3);
    }
}

TEST_F(Projection, APointInThePlaneOfTheEyeStaysFinite) {
    // (4, -5, 4) is the eye: hw is 0 there.
    float xp = 0, yp = 0;
    abs3pt(4, -5, 4, &xp, &yp);
    EXPECT_TRUE(std::isfinite(xp));
    EXPECT_TRUE(std::isfinite(yp));
    float hx, hy, hz, hw;
    qqgsc3(*rec, 4 + 1, -5 + 1, 4, hx, hy, hz, hw); // beside the eye, in its plane
    homogeneousToPage(*rec, hx, hy, 0, xp, yp);
    EXPECT_TRUE(std::isfinite(xp));
    EXPECT_TRUE(std::isfinite(yp));
}

TEST_F(Projection, ConversionsNeedTheThirdLevel) {
    rec->core.ilevel = 1;
    float xp = -7, yp = -7, zp = -7;
    const std::string out = captureStdout([&] {
        EXPECT_EQ(x3dpos(10, 0, 0), 0);
        EXPECT_EQ(y3dabs(0, 0, 0), 0);
        EXPECT_EQ(x3drel(5, 0, 150), 0);
        rel3pt(5, 0, 150, &xp, &yp);
        pos3pt(5, 0, 150, &xp, &yp, &zp);
    });
    EXPECT_EQ(occurrences(out, "Warning   3: Incorrect level"), 5) << out;
    EXPECT_EQ(xp, -7);
    EXPECT_EQ(zp, -7);
    // abs3pt has no level check.
    EXPECT_EQ(captureStdout([&] { abs3pt(0, 0, 0, &xp, &yp); }), "");
    EXPECT_NEAR(xp, 1000, 1e-3);
}

TEST_F(Projection, PlanePointsLandOnTheirFaceOfTheBox) {
    // A 2-D axis system of 501 x 301 units at (100, 700) mapped onto the
    // front face y = -1 of the box.
    rec->axsys.naxspos[0] = 100;
    rec->axsys.naxspos[1] = 700;
    rec->axsys.naxslen[0] = 501;
    rec->axsys.naxslen[1] = 301;
    const float plane[9] = {-1, -1, -1, 2, 0, 0, 0, 0, 2};
    for (int i = 0; i < 9; ++i)
        rec->view3d.xpln3d[i] = plane[i];
    struct Case {
        float x, y; // plot point in the 2-D system
        float p[3]; // its point of the box
    };
    const Case cases[] = {
        {100, 700, {-1, -1, -1}}, {600, 700, {1, -1, -1}}, {100, 400, {-1, -1, 1}},
        {350, 550, {0, -1, 0}},   {600, 400, {1, -1, 1}},
    };
    for (int shift : {0, 30}) {
        rec->page.nxorg = shift;
        rec->page.nyorg = -shift;
        for (const Case &c : cases) {
            float x = c.x + shift, y = c.y - shift;
            proj3d(*rec, x, y);
            const std::array<float, 2> expected = page(c.p[0], c.p[1], c.p[2]);
            EXPECT_NEAR(x, expected[0] + shift, 1e-2) << c.x << ", " << c.y << " shift " << shift;
            EXPECT_NEAR(y, expected[1] - shift, 1e-2) << c.x << ", " << c.y << " shift " << shift;
        }
    }
}

// The view point, the focus and the lights in absolute form.
class ViewPoints : public OpenPlotTest {
  protected:
    std::string absolute() {
        return captureStdout([&] { svuabs(*rec, 0, 10, -5, 5, 100, 200); });
    }
};

void expectPoint(const float p[3], float x, float y, float z) {
    EXPECT_NEAR(p[0], x, 1e-5);
    EXPECT_NEAR(p[1], y, 1e-5);
    EXPECT_NEAR(p[2], z, 1e-5);
}

TEST_F(ViewPoints, DefaultViewFollowsTheBoxLengths) {
    Projection3DState &v = rec->view3d;
    v.xfoc3d[0] = 3; // left over from an earlier view
    EXPECT_EQ(absolute(), "");
    expectPoint(v.xview3d, 4, -5, 4);
    expectPoint(v.xfoc3d, 0, 0, 0);
    EXPECT_EQ(v.iview3d, 0);
    EXPECT_EQ(v.ifoc3d, 0);
    v.xaxis3d[0] = 3;
    v.xaxis3d[1] = 1;
    absolute();
    expectPoint(v.xview3d, 6, -2.5f, 4);
}

TEST_F(ViewPoints, ModesBecomeAbsolute) {
    struct Case {
        const char *what;
        int mode;
        float given[3];
        float absolute[3];
    };
    const float c30 = std::cos(30 * kPi / 180), s45 = std::sin(45 * kPi / 180);
    const Case cases[] = {
        {"ABS", 1, {3, -4, 2}, {3, -4, 2}},
        {"USER", 2, {20, 15, 250}, {3, 3, 2}},
        {"ANGL", 3, {45, 30, 6}, {6 * c30 * s45, 6 * c30 * s45, 3}},
        {"ANGL behind", 3, {180, 0, 4}, {0, -4, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Projection3DState &v = rec->view3d;
        v.iview3d = c.mode;
        for (int i = 0; i < 3; ++i)
            v.xview3d[i] = c.given[i];
        EXPECT_EQ(absolute(), "");
        expectPoint(v.xview3d, c.absolute[0], c.absolute[1], c.absolute[2]);
        EXPECT_EQ(v.iview3d, 1);
        absolute(); // a second graf3d keeps the absolute point
        expectPoint(v.xview3d, c.absolute[0], c.absolute[1], c.absolute[2]);
    }
}

TEST_F(ViewPoints, FocusOfModeUser) {
    Projection3DState &v = rec->view3d;
    v.ifoc3d = 2;
    v.xfoc3d[0] = 10;
    v.xfoc3d[1] = 0;
    v.xfoc3d[2] = 125;
    absolute();
    expectPoint(v.xfoc3d, 1, 0, -0.5f);
    EXPECT_EQ(v.ifoc3d, 1);
}

TEST_F(ViewPoints, AViewPointInOrOnTheBoxIsReplaced) {
    struct Case {
        int mode;
        float given[3];
    };
    const Case cases[] = {{1, {0, 0, 0}}, {1, {1, -1, 1}}, {2, {5, 5, 150}}, {3, {10, 10, 0.5f}}};
    for (const Case &c : cases) {
        Projection3DState &v = rec->view3d;
        v.iview3d = c.mode;
        for (int i = 0; i < 3; ++i)
            v.xview3d[i] = c.given[i];
        const std::string out = absolute();
        EXPECT_NE(out.find("Warning  33: Incorrect viewpoint"), std::string::npos) << out;
        expectPoint(v.xview3d, 4, -5, 4);
    }
    // Just outside is a view point.
    rec->view3d.iview3d = 1;
    rec->view3d.xview3d[0] = 1.01f;
    EXPECT_EQ(absolute(), "");
    EXPECT_NEAR(rec->view3d.xview3d[0], 1.01f, 1e-6);
}

TEST_F(ViewPoints, LightsOfModeUserAndAnglAreConvertedOnce) {
    LightState &l = rec->light;
    const float given[3][3] = {{20, 15, 250}, {90, 0, 2}, {0.5f, 0.5f, 0.5f}};
    const int modes[3] = {2, 3, 1};
    for (int i = 0; i < 3; ++i) {
        l.ilitpos[i] = modes[i];
        for (int a = 0; a < 3; ++a)
            l.xlitxyz[a][i] = given[i][a];
    }
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(absolute(), ""); // no inside test for lights
        const float expected[3][3] = {{3, 3, 2}, {2, 0, 0}, {0.5f, 0.5f, 0.5f}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(l.ilitpos[i], 1) << "light " << i + 1;
            const float p[3] = {l.xlitxyz[0][i], l.xlitxyz[1][i], l.xlitxyz[2][i]};
            expectPoint(p, expected[i][0], expected[i][1], expected[i][2]);
        }
    }
    const float untouched[3] = {l.xlitxyz[0][3], l.xlitxyz[1][3], l.xlitxyz[2][3]};
    expectPoint(untouched, 4, -5, 4);
}

} // namespace
