// Polar axis systems: where the circle and its axes lie, how user radii and
// angles become plot positions under polmod, curves in polar coordinates,
// the polar grid and the warnings of polar, curve and grdpol.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "graphics2d/transforms.h"
#include "kernel/record.h"
#include "tests/graphics2d/axis_fixture.h"

namespace {

constexpr float kPi = 3.14159265f;

// A rectangle 1601 x 1201 from (200, 1400): the circle has diameter 1201,
// its centre lies at (1000, 800).
constexpr int kCentreX = 1000, kCentreY = 800;

class Polar : public AxisTest {
  protected:
    // polar(10, 0, 2, 0, 30) in the rectangle; quiet: nothing drawn but
    // what the test draws, with the clip circle of the system itself.
    std::string openPolar(bool quiet) {
        return captureStdout([quiet] {
            axspos(200, 1400);
            axslen(1601, 1201);
            if (quiet) {
                labels("NONE", "XY");
                ticks(0, "XY");
                noline("XY");
                frame(0);
                grace(0);
            }
            polar(10.0f, 0.0f, 2.0f, 0.0f, 30.0f);
        });
    }
};

float distance(float x, float y) {
    return std::hypot(x - float(kCentreX), y - float(kCentreY));
}

TEST_F(Polar, CircleSquareAndRadiusAxesInTheRectangle) {
    GlobalRecord &rec = openHpgl();
    EXPECT_EQ(openPolar(false), "");
    EXPECT_EQ(rec.core.ilevel, 2);
    EXPECT_EQ(rec.axsys.igrftyp, 1);
    EXPECT_EQ(rec.axsys.naxsorg[0], kCentreX);
    EXPECT_EQ(rec.axsys.naxsorg[1], kCentreY);
    // The circle's square starts 200 units right of the rectangle's corner;
    // the rectangle itself stays the axis system's size.
    EXPECT_FLOAT_EQ(rec.axsys.xaxsorg[0], 400.0f);
    EXPECT_FLOAT_EQ(rec.axsys.xaxsorg[1], 1400.0f);
    EXPECT_EQ(rec.axsys.naxslen[0], 1601);
    EXPECT_EQ(rec.axsys.naxslen[1], 1201);
    EXPECT_FLOAT_EQ(rec.axsys.xsclxy[0], 60.0f); // 1200 units over -10..10
    const std::multiset<Segment> lines = segmentsOf(closeHpgl());
    // Both radius axes span the diameter through the centre.
    EXPECT_EQ(lines.count(segment(400, kCentreY, 1600, kCentreY)), 1u);
    EXPECT_EQ(lines.count(segment(kCentreX, 1400, kCentreX, 200)), 1u);
}

TEST_F(Polar, AngleAxisCircleAndTicksAtItsRadius) {
    // The angle axis alone: its circle and ticks of 24 outwards every 30 degrees.
    openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        ticks(0, "X");
        ticks(1, "Y");
        noline("X");
        setgrf("NONE", "NONE", "NONE", "NONE");
        frame(0);
    });
    openPolar(false);
    const std::vector<PenOp> ops = closeHpgl();
    int onCircle = 0, ticksFound = 0;
    for (const Segment &s : segmentsOf(ops)) {
        const float r1 = distance(s.x1, s.y1), r2 = distance(s.x2, s.y2);
        if (std::fabs(r1 - 600.0f) < 2.5f && std::fabs(r2 - 600.0f) < 2.5f) {
            ++onCircle;
            continue;
        }
        // A tick: radial, from the circle 24 units outwards, at a multiple of 30 degrees.
        const float inner = std::min(r1, r2), outer = std::max(r1, r2);
        EXPECT_NEAR(inner, 600.0f, 1.5f);
        EXPECT_NEAR(outer, 624.0f, 1.5f);
        const float degrees =
            std::atan2(float(kCentreY) - s.y1, s.x1 - float(kCentreX)) * 180.0f / kPi;
        const float offGrid = std::fabs(std::remainder(degrees, 30.0f));
        EXPECT_LT(offGrid, 0.3f) << degrees;
        ++ticksFound;
    }
    EXPECT_GT(onCircle, 20);
    // 0..360 by 30: 13 ticks, the last one on the first.
    EXPECT_EQ(ticksFound, 13);
}

TEST_F(Polar, FrameCirclesBeyondTheAngleAxis) {
    // Only the frame: rings of radius 600 to 602 outwards, 600 down to 598
    // inwards; a frame of 1 without the angle axis's line is one ring. The
    // points of the rings lie on whole plot units, within 1.5 of the radius.
    struct Case {
        int frame;
        float nearest, farthest;
    };
    const Case cases[] = {{3, 600, 602}, {-3, 598, 600}, {1, 600, 600}};
    for (const Case &c : cases) {
        openHpgl();
        captureStdout([&] {
            labels("NONE", "XY");
            ticks(0, "XY");
            noline("XY");
            frame(c.frame);
            axspos(200, 1400);
            axslen(1601, 1201);
            polar(10.0f, 0.0f, 2.0f, 0.0f, 30.0f);
        });
        float nearest = 1e9f, farthest = 0.0f;
        for (const PenOp &op : closeHpgl()) {
            nearest = std::min(nearest, distance(op.x, op.y));
            farthest = std::max(farthest, distance(op.x, op.y));
        }
        EXPECT_NEAR(nearest, c.nearest, 1.5f) << "frame " << c.frame;
        EXPECT_NEAR(farthest, c.farthest, 1.5f) << "frame " << c.frame;
    }
    // No frame, no line: nothing round the circle.
    openHpgl();
    captureStdout([] {
        frame(0);
        setgrf("NONE", "NONE", "NONE", "NONE");
        noline("Y");
        ticks(0, "Y");
        labels("NONE", "Y");
    });
    openPolar(false);
    EXPECT_TRUE(closeHpgl().empty());
}

TEST_F(Polar, UserPointsUnderEachOriginAndDirection) {
    GlobalRecord &rec = open();
    struct Case {
        const char *origin, *direction;
        float radius, angle; // user x and y (radians)
        float dx, dy;        // expected offset from the centre, plot units (y down)
    };
    const Case cases[] = {
        {"RIGH", "ANTI", 10.0f, 0.0f, 600, 0},
        {"RIGH", "ANTI", 10.0f, kPi / 2, 0, -600},
        {"RIGH", "ANTI", 5.0f, kPi, -300, 0},
        {"RIGH", "CLOC", 10.0f, kPi / 2, 0, 600},
        {"TOP", "ANTI", 10.0f, 0.0f, 0, -600},
        {"TOP", "CLOC", 10.0f, 0.0f, 0, -600},
        {"TOP", "CLOC", 10.0f, kPi / 2, 600, 0},
        {"LEFT", "ANTI", 10.0f, 0.0f, -600, 0},
        {"BOTT", "ANTI", 10.0f, 0.0f, 0, 600},
        {"BOTT", "CLOC", 2.0f, kPi / 2, -120, 0},
        // Radius 0 is the centre at any angle.
        {"LEFT", "CLOC", 0.0f, 1.0f, 0, 0},
    };
    openPolar(true);
    for (const Case &c : cases) {
        captureStdout([&] { polmod(c.origin, c.direction); });
        float xp = 0, yp = 0;
        qqrel2(rec, c.radius, c.angle, xp, yp);
        EXPECT_NEAR(xp - kCentreX, c.dx, 0.01f) << c.origin << " " << c.direction;
        EXPECT_NEAR(yp - kCentreY, c.dy, 0.01f) << c.origin << " " << c.direction;
        qqpos2(rec, c.radius, c.angle, xp, yp);
        EXPECT_NEAR(xp - kCentreX, c.dx, 0.01f);
    }
}

TEST_F(Polar, PolmodKeepsWhatItWasGivenBadKeywords) {
    GlobalRecord &rec = open();
    captureStdout([] { polmod("LEFT", "CLOC"); });
    const std::string printed = captureStdout([] { polmod("UP", "ANTI"); });
    EXPECT_NE(printed.find("Warning   2"), std::string::npos) << printed;
    EXPECT_EQ(rec.polar.ipolmod[0], 2); // LEFT kept
    EXPECT_EQ(rec.polar.ipolmod[1], 0); // ANTI taken
    captureStdout([] { polmod("BOTT", "SIDEWAYS"); });
    EXPECT_EQ(rec.polar.ipolmod[0], 3);
    EXPECT_EQ(rec.polar.ipolmod[1], 0);
}

TEST_F(Polar, RefusedScalingsAndAxesLeaveLevelOne) {
    struct Case {
        const char *scaling;
        float xe, xstp, ystp;
        const char *message;
    };
    const Case cases[] = {
        {"LOG", 10.0f, 2.0f, 30.0f,
         " <<<< Warning 101: Polar axis systems must have linear scaling in polar!\n"},
        {"LIN", 0.0f, 2.0f, 30.0f, "Warning  10"},
        {"LIN", 10.0f, 0.0f, 30.0f, "Warning   9"},
        {"LIN", 10.0f, 2.0f, 0.0f, "Warning   9"},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = openHpgl();
        const std::string printed = captureStdout([&] {
            scale(c.scaling, "X");
            polar(c.xe, 0.0f, c.xstp, 0.0f, c.ystp);
        });
        EXPECT_NE(printed.find(c.message), std::string::npos) << printed;
        EXPECT_EQ(rec.core.ilevel, 1) << c.scaling << " " << c.xe;
        EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
    }
}

TEST_F(Polar, AutomaticScalingStartsTheRadiusAtZero) {
    GlobalRecord &rec = open();
    captureStdout([] {
        setscl(std::vector<float>{3.0f, 7.5f}.data(), 2, "XY");
        polar(1.0f, 0.0f, 1.0f, 10.0f, 45.0f);
    });
    EXPECT_FLOAT_EQ(rec.axsys.xgrfx[0], -rec.axsys.xgrfx[1]);
    EXPECT_GE(rec.axsys.xgrfx[1], 7.5f);
    EXPECT_FLOAT_EQ(rec.axsys.xgrfx[2], 0.0f);
    EXPECT_FLOAT_EQ(rec.axes.xsclmin[0], 3.0f); // the data minimum is given back
    EXPECT_FLOAT_EQ(rec.axsys.xgrfy[2], 0.0f);
    EXPECT_FLOAT_EQ(rec.axsys.xgrfy[3], 30.0f);
    EXPECT_EQ(rec.axes.ndigits[1], -1);
}

TEST_F(Polar, CurvesAreRadiiAndAngles) {
    // A quarter circle of radius 5 (300 units), stems from the pole and a
    // sector bar, each checked by where its points lie.
    openHpgl();
    openPolar(true);
    std::vector<float> r(10, 5.0f), t(10);
    for (int i = 0; i < 10; ++i)
        t[i] = float(i) * (kPi / 2) / 9.0f;
    captureStdout([&] { curve(r.data(), t.data(), 10); });
    std::vector<PenOp> ops = closeHpgl();
    ASSERT_FALSE(ops.empty());
    for (const PenOp &op : ops)
        EXPECT_NEAR(distance(op.x, op.y), 300.0f, 1.0f) << describe(ops);
    EXPECT_NEAR(ops.front().x, kCentreX + 300, 1.0f);
    EXPECT_NEAR(ops.back().y, kCentreY - 300, 1.0f);

    openHpgl();
    openPolar(true);
    const float sr[2] = {5.0f, 10.0f}, st[2] = {0.0f, kPi / 2};
    captureStdout([&] {
        polcrv("STEM");
        curve(sr, st, 2);
    });
    EXPECT_EQ(segmentsOf(closeHpgl()),
              (std::multiset<Segment>{segment(kCentreX, kCentreY, kCentreX + 300, kCentreY),
                                      segment(kCentreX, kCentreY, kCentreX, kCentreY - 600)}));

    // Bars 20 degrees wide at 90 degrees: the pole and two points of radius 10.
    openHpgl();
    openPolar(true);
    const float br[2] = {10.0f, 10.0f}, bt[2] = {kPi / 2, kPi / 2};
    captureStdout([&] {
        polcrv("BARS");
        barwth(-20.0f);
        curve(br, bt, 2);
    });
    ops = closeHpgl();
    std::set<std::pair<int, int>> corners;
    for (const PenOp &op : ops)
        corners.insert({int(std::lround(op.x)), int(std::lround(op.y))});
    const int dx = int(std::lround(600 * std::sin(10 * kPi / 180)));
    const int dy = int(std::lround(600 * std::cos(10 * kPi / 180)));
    EXPECT_EQ(corners, (std::set<std::pair<int, int>>{{kCentreX, kCentreY},
                                                      {kCentreX - dx, kCentreY - dy},
                                                      {kCentreX + dx, kCentreY - dy}}))
        << describe(ops);
}

TEST_F(Polar, CurveModesWithoutPolarMeaningAreRefused) {
    openHpgl();
    openPolar(true);
    const float r[3] = {1, 2, 3}, t[3] = {0, 1, 2};
    const std::string printed = captureStdout([&] {
        polcrv("STEP");
        curve(r, t, 3);
    });
    EXPECT_EQ(printed, " <<<< Warning 101: Bad interpolation method for polar scaling in curve!\n");
    EXPECT_TRUE(closeHpgl().empty());
}

class PolarGrid : public Polar {
  protected:
    // The polar grid as circle radii (points at a fixed distance from the
    // centre) and ray angles (segments from the centre).
    void gridOf(const std::vector<PenOp> &ops, std::set<int> &radii, std::set<int> &rays) {
        for (const Segment &s : segmentsOf(ops)) {
            const bool fromCentre =
                (s.x1 == kCentreX && s.y1 == kCentreY) || (s.x2 == kCentreX && s.y2 == kCentreY);
            if (fromCentre) {
                const float x = s.x1 == kCentreX && s.y1 == kCentreY ? s.x2 : s.x1;
                const float y = s.x1 == kCentreX && s.y1 == kCentreY ? s.y2 : s.y1;
                EXPECT_NEAR(distance(x, y), 600.0f, 1.5f);
                int a = int(std::lround(std::atan2(kCentreY - y, x - kCentreX) * 180 / kPi));
                rays.insert((a + 360) % 360);
            } else {
                radii.insert(int(std::lround(distance(s.x1, s.y1) / 10.0f)) * 10);
            }
        }
    }
};

TEST_F(PolarGrid, CirclesAtRadiusLabelsAndRaysPerInterval) {
    struct Case {
        const char *how;
        int i, j;
        std::set<int> radii, rays;
    };
    const Case cases[] = {
        // Radius labels every 2 (120 units).
        {"grdpol", 1, 4, {120, 240, 360, 480, 600}, {0, 90, 180, 270}},
        {"grdpol", 2, 0, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, {}},
        {"grdpol", 0, 0, {}, {}},
        // grid hands polar systems over: one ray per 30-degree label interval.
        {"grid", 0, 1, {}, {0, 30, 60, 90, 120, 150, 180, 210, 240, 270, 300, 330}},
        {"grid", 1, 0, {120, 240, 360, 480, 600}, {}},
    };
    for (const Case &c : cases) {
        openHpgl();
        openPolar(true);
        // polmod turns neither circles nor rays.
        captureStdout([] { polmod("TOP", "CLOC"); });
        const std::string printed = captureStdout([&] {
            if (std::string(c.how) == "grid")
                grid(c.i, c.j);
            else
                grdpol(c.i, c.j);
        });
        EXPECT_EQ(printed, "");
        std::set<int> radii, rays;
        gridOf(closeHpgl(), radii, rays);
        EXPECT_EQ(radii, c.radii) << c.how << "(" << c.i << ", " << c.j << ")";
        EXPECT_EQ(rays, c.rays) << c.how << "(" << c.i << ", " << c.j << ")";
    }
}

TEST_F(PolarGrid, InAPlainSystemAboutTheUserOrigin) {
    // The quiet standard axes: 0..10 by 0..5, origin at (200, 1200).
    openHpgl();
    standardAxes(true);
    EXPECT_EQ(captureStdout([] { grdpol(1, 0); }), "");
    std::set<int> radii;
    for (const Segment &s : segmentsOf(closeHpgl()))
        radii.insert(int(std::lround(std::hypot(s.x1 - 200, s.y1 - 1200) / 10.0f)) * 10);
    EXPECT_EQ(radii, (std::set<int>{200, 400, 600, 800, 1000}));
}

TEST_F(PolarGrid, RefusedSystemsAndCounts) {
    struct Case {
        const char *scaling;
        float xa, xe;
        int i, j;
        const char *printed;
        bool draws;
    };
    const Case cases[] = {
        {"LOG", 0.0f, 2.0f, 1, 1, " <<<< Warning 101: Non linear scaling in grdpol!\n", false},
        {"LIN", 2.0f, 10.0f, 1, 1,
         " <<<< Warning 101: No origin found in axis system scaling in grdpol!\n", false},
        {"LIN", 0.0f, 10.0f, -1, 0, " <<<< Warning   2: Incorrect parameter in grdpol!   (  -1)\n",
         false},
    };
    for (const Case &c : cases) {
        openHpgl();
        captureStdout([&] {
            labels("NONE", "XY");
            ticks(0, "XY");
            noline("XY");
            frame(0);
            scale(c.scaling, "XY");
            graf(c.xa, c.xe, c.xa, 2.0f, 0.0f, 2.0f, 0.0f, 1.0f);
        });
        EXPECT_EQ(captureStdout([&] { grdpol(c.i, c.j); }), c.printed);
        EXPECT_EQ(!segmentsOf(closeHpgl()).empty(), c.draws) << c.scaling;
    }
    open();
    EXPECT_NE(captureStdout([] { grdpol(1, 1); }).find("Warning   3"), std::string::npos);
}

} // namespace

namespace {

class PolarLabels : public Polar {
  protected:
    // The words of polar(10, 0, 2, 0, 30) on PDF under the given polmod, the
    // radius axes without labels, the angles as integers.
    std::vector<Word> labelWords(const char *origin, const char *direction) {
        openPdf();
        captureStdout([&] {
            polmod(origin, direction);
            labels("NONE", "X");
            labdig(-1, "Y");
            name("Angle", "Y");
        });
        openPolar(false);
        return closePdf();
    }
};

TEST_F(PolarLabels, AngleLabelsOutsideTheCircle) {
    // The labels along the axes of the page are read back; the oblique ones
    // are beyond the PDF reader.
    const std::vector<Word> words = labelWords("RIGH", "ANTI");
    std::set<std::string> texts;
    for (const Word &w : words)
        texts.insert(w.text);
    // 360 lies on 0 and is not written twice.
    EXPECT_EQ(texts.count("360"), 0u);
    struct Expected {
        const char *text;
        float x, y; // the label's centre, roughly
    };
    // Horizontal labels run along their ray from 24 + 24 units beyond the circle.
    const Expected expected[] = {
        {"0", kCentreX + 648 + 14, kCentreY},
        {"90", kCentreX, kCentreY - 648 - 28},
        {"180", kCentreX - 648 - 42, kCentreY},
        {"270", kCentreX, kCentreY + 648 + 42},
    };
    for (const Expected &e : expected) {
        bool found = false;
        for (const Word &w : words) {
            if (w.text != e.text || std::fabs(w.centreX() - e.x) > 20.0f ||
                std::fabs(w.centreY() - e.y) > 20.0f)
                continue;
            found = true;
        }
        EXPECT_TRUE(found) << e.text;
    }
    // The name lies centred below the circle and its labels, once.
    EXPECT_EQ(
        std::count_if(words.begin(), words.end(), [](const Word &w) { return w.text == "Angle"; }),
        1);
    const Word name = wordOf(words, "Angle");
    EXPECT_NEAR(name.centreX(), kCentreX, 20.0f);
    EXPECT_GT(name.y1, kCentreY + 648.0f + 84.0f);
}

TEST_F(PolarLabels, OriginAndDirectionMoveTheLabels) {
    struct Case {
        const char *origin, *direction, *label;
        float dx, dy; // unit direction of the label from the centre (y down)
    };
    const Case cases[] = {
        {"RIGH", "ANTI", "90", 0, -1},  {"RIGH", "ANTI", "180", -1, 0},
        {"RIGH", "CLOC", "90", 0, 1},   {"TOP", "CLOC", "90", 1, 0},
        {"TOP", "CLOC", "0", 0, -1},    {"LEFT", "ANTI", "90", 0, 1},
        {"BOTT", "ANTI", "270", -1, 0},
    };
    for (const Case &c : cases) {
        const Word w = wordOf(labelWords(c.origin, c.direction), c.label);
        const float dx = w.centreX() - kCentreX, dy = w.centreY() - kCentreY;
        const float r = std::hypot(dx, dy);
        EXPECT_NEAR(dx / r, c.dx, 0.1f) << c.origin << " " << c.direction << " " << c.label;
        EXPECT_NEAR(dy / r, c.dy, 0.1f) << c.origin << " " << c.direction << " " << c.label;
    }
}

} // namespace
