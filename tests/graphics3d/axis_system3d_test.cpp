// The 3-D axis system: graf3d's levels, checks and stored axes, the
// placement of the projection, the view it builds from the view settings,
// the setters' ranges, their defaults and resets, getgrf and endgrf.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "kavlor.h"
#include "kernel/record.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"

namespace {

constexpr float kPi = 3.14159265f;

class AxisSystem3D : public OpenPlotTest {
  protected:
    // X 0..10, Y -5..5, Z 100..200 in an area 1000 x 800 at (300, 1500).
    std::string standardBox() {
        return captureStdout([] {
            axspos(300, 1500);
            axslen(1000, 800);
            graf3d(0, 10, 0, 2, -5, 5, -5, 1, 100, 200, 100, 20);
        });
    }
    const Projection3DState &view() const { return rec->view3d; }
};

void expectPoint(const float p[3], float x, float y, float z) {
    EXPECT_NEAR(p[0], x, 1e-5);
    EXPECT_NEAR(p[1], y, 1e-5);
    EXPECT_NEAR(p[2], z, 1e-5);
}

TEST_F(AxisSystem3D, OpensTheThirdLevelWithTheAxesStored) {
    EXPECT_EQ(standardBox(), "");
    EXPECT_EQ(getlev(), 3);
    EXPECT_EQ(rec->axsys.igrftyp, 3);
    const float axes[3][4] = {{0, 10, 0, 2}, {-5, 5, -5, 1}, {100, 200, 100, 20}};
    for (int a = 0; a < 3; ++a)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(view().xgrf3d[a][i], axes[a][i]);
    const float user[6] = {0, 10, -5, 5, 100, 200};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(view().xusr3d[i], user[i]);
    // The projection is centred in the area and fills its smaller side.
    EXPECT_EQ(view().xprjcen[0], 800);
    EXPECT_EQ(view().xprjcen[1], 1100);
    EXPECT_EQ(view().xprjscl, 400);
    float xp, yp;
    rel3pt(5, 0, 150, &xp, &yp);
    EXPECT_NEAR(xp, 800, 1e-3);
    EXPECT_NEAR(yp, 1100, 1e-3);
    // The default view from (4, -5, 4) onto the centre.
    expectPoint(view().xview3d, 4, -5, 4);
    expectPoint(view().xfoc3d, 0, 0, 0);
    EXPECT_LT(y3drel(10, 5, 200), 1100); // the top corner above the centre
    // graf3d itself draws nothing yet: the axes come with the box layout.
    float a, e, o, s;
    captureStdout([&] { getgrf(&a, &e, &o, &s, "Z"); });
    EXPECT_EQ(a, 100);
    EXPECT_EQ(e, 200);
    EXPECT_EQ(o, 100);
    EXPECT_EQ(s, 20);
    captureStdout([&] { getgrf(&a, &e, &o, &s, "y"); });
    EXPECT_EQ(a, -5);
    EXPECT_EQ(s, 1);
}

TEST_F(AxisSystem3D, OnlyFromTheFirstLevel) {
    standardBox();
    std::string out = captureStdout([] { graf3d(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1); });
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in graf3d!   (   3)\n");
    EXPECT_EQ(view().xgrf3d[0][1], 10);
    captureStdout([] {
        endgrf();
        graf(0, 10, 0, 1, 0, 10, 0, 1);
    });
    out = captureStdout([] { graf3d(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1); });
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in graf3d!   (   2)\n");
    EXPECT_EQ(getlev(), 2);
    EXPECT_EQ(rec->axsys.igrftyp, 0);
}

TEST_F(AxisSystem3D, EndgrfClosesItAndTheConversionsStop) {
    standardBox();
    captureStdout([] { endgrf(); });
    EXPECT_EQ(getlev(), 1);
    EXPECT_EQ(captureStdout([] { EXPECT_EQ(x3drel(5, 0, 150), 0); }),
              " <<<< Warning   3: Incorrect level in x3drel!   (   1)\n");
    // A second box can be opened at once.
    EXPECT_EQ(captureStdout([] { graf3d(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1); }), "");
    EXPECT_EQ(getlev(), 3);
}

TEST_F(AxisSystem3D, FaultyAxesAreReportedEach) {
    struct Case {
        const char *what;
        float axes[12];
        const char *warnings; // in the order printed
        bool opens;
    };
    const Case cases[] = {
        {"step 0 on X, equal limits on Z", {0, 10, 0, 0, 0, 1, 0, 1, 5, 5, 5, -1}, "9,10,", false},
        {"equal limits on Y", {0, 10, 0, 2, 3, 3, 3, -1, 0, 1, 0, 1}, "10,", false},
        {"first label outside, step against the axis",
         {0, 10, 20, 2, 0, 1, 0, -1, 0, 1, 0, 1},
         "12,50,",
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const float *v = c.axes;
        const std::string out = captureStdout([&] {
            graf3d(v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11]);
        });
        std::string numbers;
        for (std::size_t at = out.find("Warning"); at != std::string::npos;
             at = out.find("Warning", at + 1))
            numbers += std::to_string(std::stoi(out.substr(at + 7, 4))) + ",";
        EXPECT_EQ(numbers, c.warnings) << out;
        EXPECT_EQ(occurrences(out, "in graf3d!"), occurrences(out, "Warning")) << out;
        EXPECT_EQ(getlev(), c.opens ? 3 : 1);
        if (c.opens) {
            EXPECT_EQ(view().xgrf3d[0][2], 20);
            captureStdout([] { endgrf(); });
        } else {
            EXPECT_EQ(view().xgrf3d[0][1], 0); // nothing stored
            EXPECT_EQ(rec->axsys.igrftyp, 0);
        }
    }
}

TEST_F(AxisSystem3D, DescendingAndLogarithmicLimits) {
    captureStdout([] {
        scale("LOG", "Z");
        graf3d(10, 0, 10, -2, 5, -5, 5, -1, -1, 3, -1, 1);
    });
    EXPECT_EQ(getlev(), 3);
    const float user[6] = {0, 10, -5, 5, 0.1f, 1000};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(view().xusr3d[i], user[i], 1e-4f * std::fabs(user[i]) + 1e-6f);
    float bx, by, bz;
    pos3pt(10, -5, 1000, &bx, &by, &bz);
    expectPoint(std::array<float, 3>{bx, by, bz}.data(), -1, 1, 1);
    EXPECT_NEAR(z3dpos(0, 0, 10), 0, 1e-6); // the middle decade
}

TEST_F(AxisSystem3D, FixedScalingOnALogarithmicAxisGivesTheUserLimits) {
    const float data[] = {3, 700};
    captureStdout([&] {
        scale("LOG", "X");
        setscl(data, 2, "X");
        graf3d(0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0, 1);
    });
    ASSERT_EQ(getlev(), 3);
    EXPECT_EQ(view().xusr3d[0], rec->axes.xsclmin[0]);
    EXPECT_EQ(view().xusr3d[1], rec->axes.xsclmax[0]);
    EXPECT_LT(view().xgrf3d[0][0], view().xgrf3d[0][1]); // exponents from the scaling
}

TEST_F(AxisSystem3D, ViewPointsOfTheSetters) {
    const float c30 = std::cos(30 * kPi / 180), s45 = std::sin(45 * kPi / 180);
    captureStdout([] { view3d(45, 30, 6, "ANGL"); });
    EXPECT_EQ(standardBox(), "");
    expectPoint(view().xview3d, 6 * c30 * s45, 6 * c30 * s45, 3);
    EXPECT_EQ(view().iview3d, 1);
    // A later graf3d keeps the absolute point, even with other limits.
    captureStdout([] {
        endgrf();
        graf3d(0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1);
    });
    expectPoint(view().xview3d, 6 * c30 * s45, 6 * c30 * s45, 3);

    captureStdout([] {
        endgrf();
        view3d(0, 0, 0, "abs");
    });
    const std::string out = standardBox();
    EXPECT_EQ(out, " <<<< Warning  33: Incorrect viewpoint in graf3d!\n");
    EXPECT_EQ(getlev(), 3);
    expectPoint(view().xview3d, 4, -5, 4);

    captureStdout([] {
        endgrf();
        view3d(20, 0, 250, "USER");
        vfoc3d(10, 0, 100, "USER");
    });
    standardBox();
    expectPoint(view().xview3d, 3, 0, 2);
    expectPoint(view().xfoc3d, 1, 0, -1);
    EXPECT_EQ(view().ifoc3d, 1);
    // The focus projects onto the centre of the projection.
    EXPECT_NEAR(x3drel(10, 0, 100), 800, 1e-3);
    EXPECT_NEAR(y3drel(10, 0, 100), 1100, 1e-3);
}

TEST_F(AxisSystem3D, TheDefaultViewFollowsTheBoxAtEachGraf3d) {
    captureStdout([] { axis3d(4, 2, 1); });
    standardBox();
    expectPoint(view().xview3d, 8, -5, 2);
    EXPECT_EQ(view().iview3d, 0);
    EXPECT_NEAR(x3dpos(10, 0, 0), 2, 1e-6);
    EXPECT_NEAR(z3dpos(0, 0, 200), 0.5f, 1e-6);
    captureStdout([] {
        endgrf();
        axis3d(2, 2, 2);
    });
    standardBox();
    expectPoint(view().xview3d, 4, -5, 4);
}

TEST_F(AxisSystem3D, UpAngleTurnsThePictureAboutTheCentre) {
    const float corners[][3] = {{10, 5, 200}, {0, -5, 100}, {10, -5, 150}};
    float before[3][2];
    standardBox();
    for (int i = 0; i < 3; ++i)
        rel3pt(corners[i][0], corners[i][1], corners[i][2], &before[i][0], &before[i][1]);
    captureStdout([] {
        endgrf();
        vup3d(90);
    });
    standardBox();
    for (int i = 0; i < 3; ++i) {
        float xp, yp;
        rel3pt(corners[i][0], corners[i][1], corners[i][2], &xp, &yp);
        // What lay right of the centre now lies above it.
        EXPECT_NEAR(xp - 800, before[i][1] - 1100, 1e-2);
        EXPECT_NEAR(yp - 1100, -(before[i][0] - 800), 1e-2);
    }
}

TEST_F(AxisSystem3D, CentringLeavesNoRoomForLabels) {
    // The box layout draws its own labels: the area alone is centred, with
    // or without nograf.
    for (bool drawn : {true, false}) {
        captureStdout([&] {
            if (!drawn) nograf();
            center();
            axspos(100, 1900);
            axslen(600, 600);
            graf3d(0, 10, 0, 2, -5, 5, -5, 1, 100, 200, 100, 20);
        });
        const PageState &p = rec->page;
        EXPECT_EQ(p.nxorg, (p.nxpage - 600) / 2 - 100);
        EXPECT_EQ(p.nyorg, (p.nypage + 600) / 2 - 1900);
        EXPECT_EQ(rec->axsys.icenter, 2);
        EXPECT_EQ(rec->axsys.inograf, drawn ? 0 : 1);
        captureStdout([] {
            endgrf();
            reset("CENT");
            origin(0, 0);
        });
    }
}

TEST_F(AxisSystem3D, SettersCheckTheirRanges) {
    const Projection3DState &v = view();
    struct Case {
        const char *what;
        void (*call)();
        const char *warning; // empty: none
    };
    const Case cases[] = {
        {"axis3d", [] { axis3d(1, 0, 3); }, "Warning   2: Incorrect parameter in axis3d!"},
        {"view3d", [] { view3d(1, 2, 3, "POLA"); }, "Warning   2: Incorrect parameter in view3d!"},
        {"vfoc3d ANGL", [] { vfoc3d(1, 2, 3, "ANGL"); },
         "Warning   2: Incorrect parameter in vfoc3d!"},
        {"vang3d 0", [] { vang3d(0); }, "Warning   2: Incorrect parameter in vang3d!"},
        {"vang3d 180", [] { vang3d(180); }, "Warning   2: Incorrect parameter in vang3d!"},
    };
    for (const Case &c : cases) {
        const std::string out = captureStdout(c.call);
        EXPECT_NE(out.find(c.warning), std::string::npos) << c.what << ": " << out;
    }
    // Nothing was stored.
    expectPoint(v.xaxis3d, 2, 2, 2);
    EXPECT_EQ(v.iview3d, 0);
    EXPECT_EQ(v.ifoc3d, 0);
    EXPECT_FLOAT_EQ(v.xvang3d, 0.2449787f);

    captureStdout([] {
        axis3d(1, 2, 3);
        view3d(1, 2, 3, "user");
        vfoc3d(-1, 0, 1, "ABS");
        vang3d(90);
        vup3d(-30);
        flab3d();
    });
    expectPoint(v.xaxis3d, 1, 2, 3);
    EXPECT_EQ(v.iview3d, 2);
    expectPoint(v.xview3d, 1, 2, 3);
    EXPECT_EQ(v.ifoc3d, 1);
    expectPoint(v.xfoc3d, -1, 0, 1);
    EXPECT_FLOAT_EQ(v.xvang3d, kPi / 4);
    EXPECT_FLOAT_EQ(v.xvup3d, -kPi / 6);
    EXPECT_EQ(v.iflab3d, 0);
}

TEST_F(AxisSystem3D, ClippingDistances) {
    struct Case {
        float front, back;
        bool warns;
        float stored[2];
    };
    // Each call starts from front 1 and back 4.
    const Case cases[] = {
        {0, 5, true, {1, 5}}, // the refused front 0 still lets back 5 through
        {-2, 0.5f, true, {1, 0.5f}}, {2, 1, true, {2, 4}}, // back before front: the old back stays
        {2, 0, false, {2, -1}},                            // no back plane
        {2, -7, false, {2, -1}},     {3, 8, false, {3, 8}}, {3, 3, false, {3, 3}},
    };
    for (const Case &c : cases) {
        captureStdout([] { vclp3d(1, 4); });
        const std::string out = captureStdout([&] { vclp3d(c.front, c.back); });
        EXPECT_EQ(occurrences(out, "Warning   2: Incorrect parameter in vclp3d!"), c.warns ? 1 : 0)
            << c.front << ", " << c.back << ": " << out;
        EXPECT_EQ(view().xvclp3d[0], c.stored[0]) << c.front << ", " << c.back;
        EXPECT_EQ(view().xvclp3d[1], c.stored[1]) << c.front << ", " << c.back;
    }
}

TEST_F(AxisSystem3D, AFlatViewVolumeStillOpensAFiniteView) {
    captureStdout([] { vclp3d(3, 3); });
    standardBox();
    for (float m : view().xmat3d)
        EXPECT_TRUE(std::isfinite(m));
    float xp, yp;
    rel3pt(5, 0, 150, &xp, &yp);
    EXPECT_NEAR(xp, 800, 1e-3);
}

TEST_F(AxisSystem3D, AxisLengths) {
    const int pageHeight = rec->page.nypage;
    captureStdout([] { axslen(900, 700); });
    const int z = rec->axsys.naxslen[2];
    EXPECT_EQ(captureStdout([] { ax3len(1500, 1500, 1); }),
              " <<<< Warning   2: Incorrect parameter in ax3len!   (   1)\n");
    captureStdout([&] { ax3len(1500, 1500, pageHeight + 1); });
    EXPECT_EQ(rec->axsys.naxslen[0], 900);
    EXPECT_EQ(rec->axsys.naxslen[1], 700);
    EXPECT_EQ(rec->axsys.naxslen[2], z);
    EXPECT_EQ(captureStdout([&] { ax3len(500, 600, pageHeight); }), "");
    int nx, ny, nz;
    getlen(&nx, &ny, &nz);
    EXPECT_EQ(nx, 500);
    EXPECT_EQ(ny, 600);
    EXPECT_EQ(nz, pageHeight);
    standardBox();
    EXPECT_EQ(captureStdout([] { ax3len(500, 500, 500); }),
              " <<<< Warning   3: Incorrect level in ax3len!   (   3)\n");
}

TEST_F(AxisSystem3D, ResetsRestoreTheDefaults) {
    captureStdout([] {
        axis3d(1, 2, 3);
        view3d(5, 5, 5, "ABS");
        vfoc3d(1, 1, 1, "ABS");
        vup3d(45);
        vang3d(60);
        vclp3d(2, 9);
        flab3d();
    });
    const Projection3DState &v = view();
    captureStdout([] {
        reset("axis");
        reset("VIEW");
        reset("FLAB");
    });
    expectPoint(v.xaxis3d, 2, 2, 2);
    EXPECT_EQ(v.iview3d, 0);
    EXPECT_EQ(v.iflab3d, 1);
    EXPECT_EQ(v.ifoc3d, 1); // not part of those groups
    captureStdout([] { reset("ALL"); });
    EXPECT_EQ(v.ifoc3d, 0);
    EXPECT_EQ(v.xvup3d, 0);
    EXPECT_FLOAT_EQ(v.xvang3d, 0.2449787f);
    EXPECT_EQ(v.xvclp3d[0], 1);
    EXPECT_EQ(v.xvclp3d[1], -1);
}

TEST_F(AxisSystem3D, ANewPlotStartsFromTheDefaultView) {
    captureStdout([] {
        vup3d(45);
        view3d(5, 5, 5, "ABS");
    });
    close();
    open("GKSL");
    EXPECT_EQ(view().iview3d, 0);
    EXPECT_EQ(view().xvup3d, 0);
}

TEST(View3DSettings, AreStoredOutsideAPlotWithAWarning) {
    int status = 0;
    qqsglb(1, status);
    const std::string out = captureStdout([] { vup3d(90); });
    EXPECT_NE(out.find("Warning   3: Incorrect level in vup3d!"), std::string::npos) << out;
    EXPECT_FLOAT_EQ(currentRecord().view3d.xvup3d, kPi / 2);
    qqsglb(1, status);
}

} // namespace
