#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "devices/driver_record.h"
#include "graphics3d/lighting.h"
#include "tests/support/plot_fixture.h"

namespace {

// A plot open at level 1; tests that need a 3-D axis system put its fields
// into the record themselves.
class Lighting : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;

    void SetUp() override {
        PlotTest::SetUp();
        rec = &open();
    }
    void TearDown() override {
        rec->core.ilevel = 1;
        rec->axsys.igrftyp = 0;
        close();
        PlotTest::TearDown();
    }

    void eyeAt(float x, float y, float z) {
        rec->view3d.xview3d[0] = x;
        rec->view3d.xview3d[1] = y;
        rec->view3d.xview3d[2] = z;
    }

    // The three channels of the lit colour at P with normal N.
    struct Rgb {
        float r, g, b;
    };
    Rgb lit(float px, float py, float pz, float nx, float ny, float nz) const {
        Rgb c{};
        qqglit(*rec, px, py, pz, nx, ny, nz, c.r, c.g, c.b);
        return c;
    }

    // Runs the calls with warnings captured; returns what they printed.
    template <class F> std::string quietly(F calls) { return captureStdout(calls); }
};

// Expects all three channels to be value.
void expectGrey(const char *what, float r, float g, float b, double value) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(r, value, 1e-6);
    EXPECT_NEAR(g, value, 1e-6);
    EXPECT_NEAR(b, value, 1e-6);
}

const double kRoot57 = std::sqrt(57.0);    // distance of the default light from the box centre
constexpr double kAmbientOnly = 0.2 * 0.2; // global ambient x material ambient

TEST_F(Lighting, DefaultLightGivesAmbientPlusDiffuseWhateverTheDistance) {
    const float ux = float(4 / kRoot57), uy = float(-5 / kRoot57), uz = float(4 / kRoot57);
    struct Case {
        const char *what;
        float p[3];
        float n[3];
        double expected;
    } cases[] = {
        {"normal towards the light", {0, 0, 0}, {ux, uy, uz}, 0.04 + 0.8},
        {"top face", {0, 0, 0}, {0, 0, 1}, 0.04 + 0.8 * 4 / kRoot57},
        {"far away on the same line", {-96, 120, -96}, {ux, uy, uz}, 0.04 + 0.8},
        {"close to the light", {3.5f, -4.5f, 3.5f}, {0, 0, 1}, 0.04 + 0.8 * 0.5 / std::sqrt(0.75)},
        {"normal away from the light", {0, 0, 0}, {0, 0, -1}, kAmbientOnly},
        {"edge on",
         {0, 0, 0},
         {float(M_SQRT1_2), 0, float(M_SQRT1_2)},
         0.04 + 0.8 * 8 / kRoot57 * M_SQRT1_2},
        {"edge on exactly", {0, 0, 0}, {float(M_SQRT1_2), 0, -float(M_SQRT1_2)}, kAmbientOnly},
        {"a long normal saturates", {0, 0, 0}, {2 * ux, 2 * uy, 2 * uz}, 1.0},
    };
    for (const Case &c : cases) {
        const Rgb got = lit(c.p[0], c.p[1], c.p[2], c.n[0], c.n[1], c.n[2]);
        expectGrey(c.what, got.r, got.g, got.b, std::min(c.expected, 1.0));
    }
}

TEST_F(Lighting, ChannelsAreLitApart) {
    quietly([] {
        matop3(0.8f, 0.4f, 0.2f, "DIFF");
        litop3(1, 1.0f, 0.5f, 0.25f, "DIFF");
        matop3(0.1f, 0.2f, 0.3f, "AMBI");
        litop3(1, 0.5f, 0.5f, 0.5f, "AMBI");
        litpos(1, 0, 0, 7, "ABS");
    });
    const Rgb got = lit(0, 0, 0, 0, 0, 1);
    // global ambient 0.2 x material ambient + (material ambient x light ambient + diffuse)
    EXPECT_NEAR(got.r, 0.2 * 0.1 + 0.1 * 0.5 + 0.8 * 1.0, 1e-6);
    EXPECT_NEAR(got.g, 0.2 * 0.2 + 0.2 * 0.5 + 0.4 * 0.5, 1e-6);
    EXPECT_NEAR(got.b, 0.2 * 0.3 + 0.3 * 0.5 + 0.2 * 0.25, 1e-6);
}

TEST_F(Lighting, OnlyLightsThatAreOnShine) {
    quietly([] {
        matopt(0.4f, "DIFF");
        litpos(2, 0, 0, 5, "ABS");
    });
    const double first = 0.4 * 4 / kRoot57; // light 1 at its default place, top face
    const double second = 0.4;              // light 2 straight above
    struct Case {
        const char *what;
        const char *mode1;
        const char *mode2;
        double expected;
    } cases[] = {
        {"light 1 alone (the default)", "ON", "OFF", kAmbientOnly + first},
        {"light 2 alone", "OFF", "ON", kAmbientOnly + second},
        {"both add up", "ON", "ON", kAmbientOnly + first + second},
        {"none", "OFF", "OFF", kAmbientOnly},
    };
    for (const Case &c : cases) {
        quietly([&] {
            litmod(1, c.mode1);
            litmod(2, c.mode2);
        });
        const Rgb got = lit(0, 0, 0, 0, 0, 1);
        expectGrey(c.what, got.r, got.g, got.b, c.expected);
    }
}

TEST_F(Lighting, AttenuationDividesTheTermsOfTheLightButNotTheGlobalAmbient) {
    struct Case {
        float con, lin, qua, ambient, distance;
        double expected;
    } cases[] = {
        {1, 0, 0, 0, 5, 0.04 + 0.8},
        {1, 0.5f, 0, 0, 2, 0.04 + 0.8 / 2},
        {1, 0, 0.25f, 0, 2, 0.04 + 0.8 / 2},
        {2, 0.1f, 0.05f, 0, 4, 0.04 + 0.8 / (2 + 0.4 + 0.8)},
        {1, 0.5f, 0, 0.5f, 2, 0.04 + (0.2 * 0.5 + 0.8) / 2},
        {4, 0, 0, 1, 9, 0.04 + (0.2 + 0.8) / 4},
    };
    for (const Case &c : cases) {
        quietly([&] {
            litopt(1, c.con, "CONS");
            litopt(1, c.lin, "LINE");
            litopt(1, c.qua, "QUAD");
            litopt(1, c.ambient, "AMBI");
            litpos(1, 0, 0, c.distance, "ABS");
        });
        const Rgb got = lit(0, 0, 0, 0, 0, 1);
        expectGrey(("attenuation " + std::to_string(c.con) + " " + std::to_string(c.lin) + " " +
                    std::to_string(c.qua) + " at " + std::to_string(c.distance))
                       .c_str(),
                   got.r, got.g, got.b, c.expected);
    }
}

TEST_F(Lighting, ConstantAttenuationZeroMakesTheLightSaturate) {
    quietly([] { litopt(1, 0, "CONS"); });
    EXPECT_FLOAT_EQ(rec->light.xlitcon[0], 1.0e-10f);
    Rgb got = lit(0, 0, 0, 0, 0, 1);
    expectGrey("facing the light", got.r, got.g, got.b, 1.0);
    // A light that barely reaches the face still saturates it.
    got = lit(0, 0, 0, 0.7f, 0.0f, -0.7f + 1e-3f);
    expectGrey("nearly edge on", got.r, got.g, got.b, 1.0);
    // The global ambient term is not attenuated by any light.
    got = lit(0, 0, 0, 0, 0, -1);
    expectGrey("facing away", got.r, got.g, got.b, kAmbientOnly);
}

TEST_F(Lighting, SpecularReflectionPeaksInTheMirrorDirection) {
    // Light up and to the front of the origin's face z = 0; its mirror
    // direction is (0, 1, 1) / sqrt 2.
    const double off = 20 * M_PI / 180; // the eye 20 degrees off the mirror direction
    const float offY = float(3 * M_SQRT2 * std::sin(M_PI / 4 + off));
    const float offZ = float(3 * M_SQRT2 * std::cos(M_PI / 4 + off));
    struct Case {
        const char *what;
        float light[3];
        float eye[3];
        float exponent;
        float lightSpecular;
        double expected;
    } cases[] = {
        {"in the mirror direction", {0, -3, 3}, {0, 3, 3}, 20, 1, 0.04 + 0.5},
        {"20 degrees off",
         {0, -3, 3},
         {0, offY, offZ},
         20,
         1,
         0.04 + 0.5 * std::pow(std::cos(off), 20)},
        {"20 degrees off, exponent 0", {0, -3, 3}, {0, offY, offZ}, 0, 1, 0.04 + 0.5},
        {"20 degrees off, exponent 1",
         {0, -3, 3},
         {0, offY, offZ},
         1,
         1,
         0.04 + 0.5 * std::cos(off)},
        {"eye beside the light", {0, -3, 3}, {0, -3, 1}, 20, 1, 0.04},
        {"light behind the face", {0, -3, -3}, {0, 3, -3}, 20, 1, 0.04},
        {"light without specular part", {0, -3, 3}, {0, 3, 3}, 20, 0, 0.04},
    };
    quietly([] {
        matopt(0, "DIFF");
        matopt(0.5f, "SPEC");
    });
    for (const Case &c : cases) {
        quietly([&] {
            litpos(1, c.light[0], c.light[1], c.light[2], "ABS");
            matopt(c.exponent, "EXPO");
            litopt(1, c.lightSpecular, "SPEC");
        });
        eyeAt(c.eye[0], c.eye[1], c.eye[2]);
        const Rgb got = lit(0, 0, 0, 0, 0, 1);
        expectGrey(c.what, got.r, got.g, got.b, c.expected);
    }
}

TEST_F(Lighting, LightOrEyeAtThePointGiveFiniteColours) {
    quietly([] {
        matopt(1, "SPEC");
        litopt(1, 0.5f, "AMBI");
    });
    eyeAt(4, 4, 4);
    quietly([] { litpos(1, 1, 2, 3, "ABS"); });
    // A light at the point has no direction: its ambient term remains.
    Rgb got = lit(1, 2, 3, 0, 0, 1);
    expectGrey("light at the point", got.r, got.g, got.b, 0.04 + 0.2 * 0.5);

    quietly([] { litpos(1, 0, 0, 5, "ABS"); });
    eyeAt(0, 0, 0);
    // An eye at the point sees no specular reflection; the diffuse term stays.
    got = lit(0, 0, 0, 0, 0, 1);
    expectGrey("eye at the point", got.r, got.g, got.b, std::min(0.04 + 0.1 + 0.8, 1.0));
}

TEST_F(Lighting, LightTellsTheDriverRecord) {
    quietly([] { light("ON"); });
    EXPECT_EQ(rec->light.ilight, 1);
    ASSERT_NE(rec->dev.pdriver, nullptr);
    EXPECT_EQ(rec->dev.pdriver->nreq3, 1);
    quietly([] { light("off"); });
    EXPECT_EQ(rec->light.ilight, 0);
    EXPECT_EQ(rec->dev.pdriver->nreq3, 0);
}

TEST_F(Lighting, RefusedValuesWarnAndChangeNothing) {
    struct Case {
        const char *what;
        void (*call)();
        const char *warning;
    } cases[] = {
        {"light 9", [] { litmod(9, "ON"); },
         " <<<< Warning   2: Incorrect parameter in litmod!   (   9)\n"},
        {"light 0", [] { litopt(0, 1, "DIFF"); },
         " <<<< Warning   2: Incorrect parameter in litopt!   (   0)\n"},
        {"light -1", [] { litop3(-1, 1, 1, 1, "SPEC"); },
         " <<<< Warning   2: Incorrect parameter in litop3!   (  -1)\n"},
        {"light 9 position", [] { litpos(9, 1, 1, 1, "ABS"); },
         " <<<< Warning   2: Incorrect parameter in litpos!   (   9)\n"},
        {"negative intensity", [] { litopt(2, -1, "DIFF"); },
         " <<<< Warning   1: Negative parameter in litopt!\n"},
        {"negative attenuation", [] { litopt(1, -0.5f, "QUAD"); },
         " <<<< Warning   1: Negative parameter in litopt!\n"},
        {"one negative channel", [] { litop3(1, 1, -0.1f, 1, "AMBI"); },
         " <<<< Warning   1: Negative parameter in litop3!\n"},
        {"negative exponent", [] { matopt(-1, "EXPO"); },
         " <<<< Warning   1: Negative parameter in matopt!\n"},
        {"negative reflectance", [] { matop3(0.1f, 0.1f, -1, "DIFF"); },
         " <<<< Warning   1: Negative parameter in matop3!\n"},
        {"lighting keyword", [] { light("MAYBE"); },
         " <<<< Warning   2: Incorrect parameter in light!   (MAYBE)\n"},
        {"light mode keyword", [] { litmod(2, "DIM"); },
         " <<<< Warning   2: Incorrect parameter in litmod!   (DIM)\n"},
        {"position keyword", [] { litpos(1, 1, 1, 1, "POLAR"); },
         " <<<< Warning   2: Incorrect parameter in litpos!   (POLAR)\n"},
        {"light option", [] { litopt(1, 1, "SHINE"); },
         " <<<< Warning   2: Incorrect parameter in litopt!   (SHINE)\n"},
        {"attenuation is not a colour", [] { litop3(1, 1, 1, 1, "CONS"); },
         " <<<< Warning   2: Incorrect parameter in litop3!   (CONS)\n"},
        {"material option", [] { matopt(1, "CONS"); },
         " <<<< Warning   2: Incorrect parameter in matopt!   (CONS)\n"},
        {"exponent is not a colour", [] { matop3(1, 1, 1, "EXPO"); },
         " <<<< Warning   2: Incorrect parameter in matop3!   (EXPO)\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const LightState before = rec->light;
        EXPECT_EQ(quietly(c.call), c.warning);
        EXPECT_EQ(std::memcmp(&before, &rec->light, sizeof before), 0);
    }
    EXPECT_EQ(rec->dev.pdriver, nullptr); // the refused light() told no driver
}

TEST_F(Lighting, SettersReachTheLightTheyName) {
    quietly([] {
        litopt(3, 0.25f, "AMBI");
        litopt(4, 0.5f, "DIFF");
        litopt(5, 0.75f, "SPEC");
        litop3(8, 0.1f, 0.2f, 0.3f, "SPEC");
        litopt(6, 2, "LINE");
        litopt(7, 3, "QUAD");
        litopt(2, 4, "CONS");
        litmod(8, "ON");
        matopt(0.3f, "AMBI");
        matop3(0.4f, 0.5f, 0.6f, "SPEC");
        matopt(12, "EXPO");
    });
    LightState expected;
    for (float &v : expected.xlitamb[2])
        v = 0.25f;
    for (float &v : expected.xlitdif[3])
        v = 0.5f;
    for (float &v : expected.xlitspc[4])
        v = 0.75f;
    expected.xlitspc[7][0] = 0.1f;
    expected.xlitspc[7][1] = 0.2f;
    expected.xlitspc[7][2] = 0.3f;
    expected.xlitlin[5] = 2;
    expected.xlitqua[6] = 3;
    expected.xlitcon[1] = 4;
    expected.ilitmod[7] = 1;
    for (float &v : expected.xmatamb)
        v = 0.3f;
    expected.xmatspc[0] = 0.4f;
    expected.xmatspc[1] = 0.5f;
    expected.xmatspc[2] = 0.6f;
    expected.xmatexp = 12;
    EXPECT_EQ(std::memcmp(&expected, &rec->light, sizeof expected), 0);
}

TEST_F(Lighting, PositionsOutsideA3dAxisSystemAreKeptAsGiven) {
    struct Case {
        const char *mode;
        int stored;
    } cases[] = {{"ABS", 1}, {"USER", 2}, {"ANGL", 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        quietly([&] { litpos(2, 10, -20, 30, c.mode); });
        EXPECT_EQ(rec->light.ilitpos[1], c.stored);
        EXPECT_FLOAT_EQ(rec->light.xlitxyz[0][1], 10);
        EXPECT_FLOAT_EQ(rec->light.xlitxyz[1][1], -20);
        EXPECT_FLOAT_EQ(rec->light.xlitxyz[2][1], 30);
    }
    // The colour-bar system of graf3 is level 3 too, but it has no box.
    rec->core.ilevel = 3;
    quietly([] { litpos(2, 1, 2, 3, "ABS"); });
    EXPECT_EQ(rec->light.ilitpos[1], 1);
    EXPECT_FLOAT_EQ(rec->light.xlitxyz[2][1], 3);
}

// A 3-D axis system with X 0..10 on a box length 2, Y 100..0 (descending) on
// 4 and Z -1..1 on 1.
class LightingIn3dAxes : public Lighting {
  protected:
    void SetUp() override {
        Lighting::SetUp();
        rec->core.ilevel = 3;
        rec->axsys.igrftyp = 3;
        const float limits[3][2] = {{0, 10}, {100, 0}, {-1, 1}};
        const float lengths[3] = {2, 4, 1};
        for (int axis = 0; axis < 3; ++axis) {
            rec->view3d.xgrf3d[axis][0] = limits[axis][0];
            rec->view3d.xgrf3d[axis][1] = limits[axis][1];
            rec->view3d.xaxis3d[axis] = lengths[axis];
        }
        eyeAt(8, -10, 2);
    }
};

TEST_F(LightingIn3dAxes, PositionsBecomeUserValuesOfTheAxes) {
    struct Case {
        const char *mode;
        float given[3];
        float user[3];
    } cases[] = {
        // b -> (b + l/2) (e - a) / l + a on each axis
        {"ABS", {1, -1, 0.5f}, {10, 75, 1}},
        {"ABS", {0, 0, 0}, {5, 50, 0}},
        // alpha 90, beta 0, r 1 is the absolute point (1, 0, 0)
        {"ANGL", {90, 0, 1}, {10, 50, 0}},
        // beta 90 points straight up
        {"ANGL", {0, 90, 0.5f}, {5, 50, 1}},
        {"USER", {3, 4, 5}, {3, 4, 5}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        quietly([&] { litpos(4, c.given[0], c.given[1], c.given[2], c.mode); });
        EXPECT_EQ(rec->light.ilitpos[3], 2);
        for (int axis = 0; axis < 3; ++axis)
            EXPECT_NEAR(rec->light.xlitxyz[axis][3], c.user[axis], 1e-5) << "axis " << axis;
    }
}

TEST_F(LightingIn3dAxes, LightPlacedInTheSystemShinesFromWhereItWasPlaced) {
    // Straight above the box centre: the top face gets the full diffuse term.
    quietly([] { litpos(1, 0, 0, 3, "ABS"); });
    ASSERT_EQ(rec->light.ilitpos[0], 2);
    Rgb got = lit(0, 0, 0, 0, 0, 1);
    expectGrey("placed as ABS", got.r, got.g, got.b, 0.04 + 0.8);
    // The same place given in user values; a face tilted away from it.
    quietly([] { litpos(1, 5, 50, 5, "USER"); });
    got = lit(0, 0, 0, 0, 0, -1);
    expectGrey("given as USER, face turned away", got.r, got.g, got.b, kAmbientOnly);
    got = lit(0, 0, 0, float(M_SQRT1_2), 0, float(M_SQRT1_2));
    expectGrey("given as USER, face at 45 degrees", got.r, got.g, got.b, 0.04 + 0.8 * M_SQRT1_2);
}

TEST_F(Lighting, GetlitGivesTheLitColourWhileLightingIsOn) {
    const int current = getclr();
    EXPECT_EQ(getlit(0, 0, 0, 0, 0, 1), current); // lighting off
    quietly([] {
        light("ON");
        litpos(1, 0, 0, 2, "ABS");
    });
    EXPECT_EQ(getlit(0, 0, 0, 0, 0, 1), 0x01000000 | 214 << 16 | 214 << 8 | 214); // 0.84
    EXPECT_EQ(getlit(0, 0, 0, 0, 0, -1), 0x01000000 | 10 << 16 | 10 << 8 | 10);   // 0.04
    quietly([] { litop3(1, 1, 0.5f, 0, "DIFF"); });
    // red 0.84, green 0.44, blue 0.04
    EXPECT_EQ(getlit(0, 0, 0, 0, 0, 1), 0x01000000 | 10 << 16 | 112 << 8 | 214);
    quietly([] { light("OFF"); });
    EXPECT_EQ(getlit(0, 0, 0, 0, 0, 1), current);
}

// An explicit grey colour value of the lit level v, rounded as intrgb rounds.
int greyValue(double v) {
    const int byte = int(float(v) * 255.0f + 0.5f);
    return 0x01000000 | byte << 16 | byte << 8 | byte;
}

TEST_F(Lighting, GetlitInAnAxisSystemOfGraf3d) {
    // The default 2 x 2 x 2 box and view: light 1 sits at the eye, (4, -5, 4).
    quietly([] {
        graf3d(-1, 1, -1, 1, -1, 1, -1, 1, -1, 1, -1, 1);
        light("ON");
    });
    ASSERT_EQ(getlev(), 3);
    const float u = float(1 / kRoot57);
    EXPECT_EQ(getlit(0, 0, 0, 4 * u, -5 * u, 4 * u), greyValue(0.84));
    // The middle of the top face and of the far side face.
    EXPECT_EQ(getlit(0, 0, 1, 0, 0, 1), greyValue(0.04 + 0.8 * 3 / std::sqrt(50.0)));
    EXPECT_EQ(getlit(0, 1, 0, 0, 1, 0), greyValue(0.04));
    quietly([] { light("OFF"); });
    EXPECT_EQ(getlit(0, 0, 1, 0, 0, 1), getclr());
}

TEST_F(Lighting, Graf3dMakesUserPositionsAbsolute) {
    // Axes 0..10 on the 2 x 2 x 2 box: user 5 is the centre, 15 lies 2 above it.
    quietly([] {
        litpos(1, 5, 5, 15, "USER");
        light("ON");
        graf3d(0, 10, 0, 5, 0, 10, 0, 5, 0, 10, 0, 5);
    });
    EXPECT_EQ(rec->light.ilitpos[0], 1);
    EXPECT_EQ(getlit(0, 0, 0, 0, 0, 1), greyValue(0.84));
    EXPECT_EQ(getlit(0, 0, 0, 1, 0, 0), greyValue(0.04));
}

TEST_F(Lighting, PositionPlacedInAGraf3dSystemComesBackAtTheNextGraf3d) {
    auto box = [] { graf3d(0, 10, 0, 5, 0, 10, 0, 5, 0, 10, 0, 5); };
    quietly([&] {
        box();
        light("ON");
        litpos(1, 0.5f, -0.5f, 2, "ABS");
    });
    EXPECT_EQ(rec->light.ilitpos[0], 2);
    EXPECT_NEAR(rec->light.xlitxyz[0][0], 7.5, 1e-5);
    EXPECT_NEAR(rec->light.xlitxyz[1][0], 2.5, 1e-5);
    EXPECT_NEAR(rec->light.xlitxyz[2][0], 15, 1e-5);
    // Meanwhile it lights the surfaces of this system from where it was placed.
    const float d = float(1 / std::sqrt(4.5));
    EXPECT_EQ(getlit(0, 0, 0, 0.5f * d, -0.5f * d, 2 * d), greyValue(0.84));
    quietly([&] {
        endgrf();
        box();
    });
    EXPECT_EQ(rec->light.ilitpos[0], 1);
    EXPECT_NEAR(rec->light.xlitxyz[0][0], 0.5, 1e-5);
    EXPECT_NEAR(rec->light.xlitxyz[1][0], -0.5, 1e-5);
    EXPECT_NEAR(rec->light.xlitxyz[2][0], 2, 1e-5);
    EXPECT_EQ(getlit(0, 0, 0, 0.5f * d, -0.5f * d, 2 * d), greyValue(0.84));
}

using LightingLevels = FreshRecord;

TEST_F(LightingLevels, SettersOutsideAPlot) {
    const std::string out = captureStdout([] {
        light("ON");
        litmod(3, "ON");
        EXPECT_EQ(getlit(0, 0, 0, 0, 0, 1), 0);
    });
    EXPECT_EQ(out, " <<<< Warning   3: Incorrect level in light!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in litmod!   (   0)\n"
                   " <<<< Warning   3: Incorrect level in getlit!   (   0)\n");
    const GlobalRecord &rec = currentRecord();
    EXPECT_EQ(rec.light.ilight, 0);
    EXPECT_EQ(rec.dev.pdriver, nullptr);
    EXPECT_EQ(rec.light.ilitmod[2], 1); // litmod stores all the same
}

TEST_F(Lighting, EveryPlotStartsWithTheDefaultLights) {
    quietly([] {
        light("ON");
        litmod(1, "OFF");
        litpos(5, 1, 2, 3, "ANGL");
        litopt(2, 0, "CONS");
        matop3(1, 1, 1, "SPEC");
        matopt(7, "EXPO");
    });
    close();
    rec = &open();
    const LightState defaults;
    EXPECT_EQ(std::memcmp(&defaults, &rec->light, sizeof defaults), 0);
}

TEST(TriangleNormal, OrientationLengthAndDegenerateTriangles) {
    struct Case {
        const char *what;
        float p[3][3];
        int iopt;
        float n[3];
    } cases[] = {
        {"counter-clockwise seen from above", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 0, {0, 0, 1}},
        {"the other side", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, 1, {0, 0, -1}},
        {"any option but 0 is the other side", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}}, -3, {0, 0, -1}},
        {"clockwise seen from above", {{0, 0, 0}, {1, 1, 0}, {1, 0, 0}}, 0, {0, 0, -1}},
        {"made unit", {{5, 5, 5}, {8, 5, 5}, {8, 5, 9}}, 0, {0, -1, 0}},
        {"slanted", {{0, 0, 0}, {1, 0, 0}, {1, 1, 1}}, 0, {0, -float(M_SQRT1_2), float(M_SQRT1_2)}},
        {"collinear", {{0, 0, 0}, {1, 1, 1}, {3, 3, 3}}, 0, {0, 0, 0}},
        {"one point", {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, 1, {0, 0, 0}},
        // Too short to be made unit: returned as it is.
        {"tiny", {{0, 0, 0}, {1e-20f, 0, 0}, {1e-20f, 1e-20f, 0}}, 0, {0, 0, 1e-20f * 1e-20f}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        float n[3] = {9, 9, 9};
        qqgnvc(c.p[0][0], c.p[0][1], c.p[0][2], c.p[1][0], c.p[1][1], c.p[1][2], c.p[2][0],
               c.p[2][1], c.p[2][2], n[0], n[1], n[2], c.iopt);
        for (int k = 0; k < 3; ++k)
            EXPECT_FLOAT_EQ(n[k], c.n[k]) << "component " << k;
    }
}

} // namespace
