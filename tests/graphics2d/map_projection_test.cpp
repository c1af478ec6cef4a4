// Map projections: every projection's plot positions against the textbook
// formulas computed here in double precision (with the map's fit: the linear
// map with a scale per axis; the others with the central meridian's extent
// filling the Y axis, the map centred on the axis system), the range checks
// of the map axis system and the keyword of projct.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "graphics2d/transforms.h"
#include "kernel/record.h"
#include "tests/support/plot_fixture.h"

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kRad = kPi / 180.0;

// The axis system every map of this file lies in.
constexpr int kCornerX = 300, kCornerY = 1800, kLengthX = 2001, kLengthY = 1401;

struct Point {
    double x, y;
};

// A textbook projection of longitude (from the central meridian) and
// latitude, radians, to planar units with y northwards.
using Formula = std::function<Point(double lambda, double phi)>;

double asinh(double v) {
    return std::log(v + std::sqrt(v * v + 1));
}

Point mercator(double l, double p) {
    return {l, std::log(std::tan(kPi / 4 + p / 2))};
}

double aitoffAlpha(double l, double p) {
    return std::acos(std::cos(p) * std::cos(l / 2));
}

Point aitoff(double l, double p) {
    const double a = aitoffAlpha(l, p);
    const double sinc = a == 0 ? 1 : std::sin(a) / a;
    return {2 * std::cos(p) * std::sin(l / 2) / sinc, std::sin(p) / sinc};
}

Point mollweide(double l, double p) {
    double t = p;
    for (int i = 0; i < 50 && std::fabs(std::cos(t)) > 1e-12; ++i)
        t -= (2 * t + std::sin(2 * t) - kPi * std::sin(p)) / (2 + 2 * std::cos(2 * t));
    return {2 * std::sqrt(2.0) / kPi * l * std::cos(t), std::sqrt(2.0) * std::sin(t)};
}

// Cones with the standard parallels p1, p2 (latitudes, radians): the point
// about the cone's apex, y northwards.
Point cone(double n, double rho, double l) {
    return {rho * std::sin(n * l), -rho * std::cos(n * l)};
}

Formula lambertConformal(double p1, double p2) {
    const double n = std::log(std::cos(p1) / std::cos(p2)) /
                     std::log(std::tan(kPi / 4 + p2 / 2) / std::tan(kPi / 4 + p1 / 2));
    const double f = std::cos(p1) * std::pow(std::tan(kPi / 4 + p1 / 2), n) / n;
    return
        [=](double l, double p) { return cone(n, f / std::pow(std::tan(kPi / 4 + p / 2), n), l); };
}

Formula albers(double p1, double p2) {
    const double n = (std::sin(p1) + std::sin(p2)) / 2;
    const double c = std::cos(p1) * std::cos(p1) + 2 * n * std::sin(p1);
    return [=](double l, double p) { return cone(n, std::sqrt(c - 2 * n * std::sin(p)) / n, l); };
}

Formula equidistantConic(double p1, double p2) {
    const double n = (std::cos(p1) - std::cos(p2)) / (p2 - p1);
    const double g = std::cos(p1) / n + p1;
    return [=](double l, double p) { return cone(n, g - p, l); };
}

Point polyconic(double l, double p) {
    if (std::fabs(p) < 1e-12) return {l, 0};
    const double e = l * std::sin(p), cot = 1 / std::tan(p);
    return {cot * std::sin(e), p + cot * (1 - std::cos(e))};
}

// Azimuthal projections about (l0, p0) with the radial factor k(c) of the
// angular distance c.
Formula azimuthal(double l0, double p0, std::function<double(double)> k) {
    return [=](double l, double p) {
        const double d = l - l0;
        const double c =
            std::acos(std::sin(p0) * std::sin(p) + std::cos(p0) * std::cos(p) * std::cos(d));
        const double f = k(c);
        return Point{f * std::cos(p) * std::sin(d),
                     f * (std::cos(p0) * std::sin(p) - std::sin(p0) * std::cos(p) * std::cos(d))};
    };
}

double gnomonicK(double c) {
    return 1 / std::cos(c);
}
double orthographicK(double) {
    return 1;
}
double stereographicK(double c) {
    return 2 / (1 + std::cos(c));
}
double equidistantK(double c) {
    return c == 0 ? 1 : c / std::sin(c);
}
double lambertK(double c) {
    return std::sqrt(2 / (1 + std::cos(c)));
}

enum class Fit { linear, cylinder, pseudo, cone, azimuth, hemisphere };

struct Projection {
    const char *keyword;
    float xa, xe, ya, ye;
    Fit fit;
    Formula formula;             // longitudes from the central meridian for all but azimuthal maps
    double hemisphereExtent = 0; // D of a hemisphere map: the plot diameter in projected units
};

// Where the map puts (lon, lat) by the formula and the fit.
Point expected(const Projection &p, double lon, double lat) {
    if (p.fit == Fit::linear) // degrees on each axis, each with its own scale
        return {kCornerX + (lon - p.xa) * (kLengthX - 1) / (p.xe - p.xa),
                kCornerY - (lat - p.ya) * (kLengthY - 1) / (p.ye - p.ya)};
    const double xm = (p.xa + p.xe) / 2.0;
    const bool azimuthalMap = p.fit == Fit::azimuth || p.fit == Fit::hemisphere;
    const double l = (azimuthalMap ? lon : lon - xm) * kRad;
    const Point q = p.formula(l, lat * kRad);
    const double ox = kCornerX + kLengthX / 2.0;
    if (p.fit == Fit::hemisphere) {
        const double s = (std::min(kLengthX, kLengthY) - 1) / p.hemisphereExtent;
        return {ox + s * q.x, kCornerY - kLengthY / 2.0 - s * q.y};
    }
    const double lc = azimuthalMap ? xm * kRad : 0;
    const Point lo = p.formula(lc, p.ya * kRad), hi = p.formula(lc, p.ye * kRad);
    double extent = hi.y - lo.y;
    if (p.fit == Fit::cone) extent = std::fabs(extent);
    if (p.fit == Fit::azimuth) extent = std::fabs(lo.y) + std::fabs(hi.y);
    const double s = (kLengthY - 1) / extent;
    if (p.fit == Fit::cylinder) return {ox + s * q.x, kCornerY - s * (q.y - lo.y)};
    const double centreY = p.fit == Fit::cone ? (lo.y + hi.y) / 2 : 0;
    return {ox + s * q.x, kCornerY - kLengthY / 2.0 - s * (q.y - centreY)};
}

std::vector<Projection> projections() {
    const double n37 = 37.5 * kRad, n52 = 52.5 * kRad, s52 = -52.5 * kRad, s37 = -37.5 * kRad;
    return {
        {"CYLI", -200, 160, -50, 85, Fit::linear, nullptr},
        {"MERC", -180, 180, -80, 80, Fit::cylinder, mercator},
        {"EXAC", -180, 180, -90, 90, Fit::cylinder,
         [](double l, double p) {
             return Point{l, p};
         }},
        {"CORR", -180, 180, -90, 90, Fit::cylinder,
         [](double l, double p) {
             return Point{l, 1.25 * std::log(std::tan(kPi / 4 + 0.4 * p))};
         }},
        {"UTM", -30, 30, -80, 80, Fit::cylinder,
         [](double l, double p) {
             return Point{asinh(std::cos(p) * std::sin(l) /
                                std::sqrt(1 - std::pow(std::cos(p) * std::sin(l), 2))),
                          std::atan2(std::tan(p), std::cos(l))};
         }},
        {"OBLI", -40, 40, 20, 70, Fit::cylinder,
         [](double l, double p) {
             // The pole of the projection lies 45 degrees beyond the north pole.
             const double p0 = 45 * kRad;
             const double sp =
                 std::sin(p) * std::cos(p0) - std::cos(p) * std::sin(p0) * std::cos(l);
             const double lp =
                 std::atan2(std::cos(p) * std::sin(l),
                            std::sin(p) * std::sin(p0) + std::cos(p) * std::cos(p0) * std::cos(l));
             return mercator(lp, std::asin(sp));
         }},
        {"EQUA", -180, 180, -90, 90, Fit::cylinder,
         [](double l, double p) {
             return Point{l, std::sin(p)};
         }},
        {"MOLL", -180, 180, -90, 90, Fit::pseudo, mollweide},
        {"AITO", -180, 180, -90, 90, Fit::pseudo, aitoff},
        {"HAMM", -180, 180, -90, 90, Fit::pseudo,
         [](double l, double p) {
             const double d = std::sqrt(1 + std::cos(p) * std::cos(l / 2));
             return Point{2 * std::sqrt(2.0) * std::cos(p) * std::sin(l / 2) / d,
                          std::sqrt(2.0) * std::sin(p) / d};
         }},
        {"WINK", -180, 180, -90, 90, Fit::pseudo,
         [](double l, double p) {
             const Point a = aitoff(l, p);
             return Point{(a.x + l * std::cos(40 * kRad)) / 2, (a.y + p) / 2};
         }},
        {"SANS", -180, 180, -90, 90, Fit::pseudo,
         [](double l, double p) {
             return Point{l * std::cos(p), p};
         }},
        {"ELLI", -180, 180, -90, 90, Fit::pseudo,
         [](double l, double p) {
             return Point{l * std::sqrt(1 - std::pow(2 * p / kPi, 2)), p};
         }},
        {"CONF", -20, 40, 30, 60, Fit::cone, lambertConformal(n37, n52)},
        {"ALBE", -20, 40, 30, 60, Fit::cone, albers(n37, n52)},
        {"CONI", -20, 40, 30, 60, Fit::cone, equidistantConic(n37, n52)},
        {"POLY", -20, 40, 30, 60, Fit::cone, polyconic},
        {"CONF", 100, 160, -60, -30, Fit::cone, lambertConformal(s52, s37)},
        {"ALBE", 100, 160, -60, -30, Fit::cone, albers(s52, s37)},
        {"CONI", 100, 160, -60, -30, Fit::cone, equidistantConic(s52, s37)},
        {"POLY", 100, 160, -60, -30, Fit::cone, polyconic},
        {"GNOM", -30, 30, 20, 70, Fit::azimuth, azimuthal(0, 45 * kRad, gnomonicK)},
        {"ORTH", -30, 30, 20, 70, Fit::azimuth, azimuthal(0, 45 * kRad, orthographicK)},
        {"STER", -30, 30, 20, 70, Fit::azimuth, azimuthal(0, 45 * kRad, stereographicK)},
        {"AZIM", -30, 30, 20, 70, Fit::azimuth, azimuthal(0, 45 * kRad, equidistantK)},
        {"LAMB", -30, 30, 20, 70, Fit::azimuth, azimuthal(0, 45 * kRad, lambertK)},
        // Hemispheres about mappol(20, 40), with the cap of 90 degrees.
        {"GNOM", -180, 180, -90, 90, Fit::hemisphere, azimuthal(20 * kRad, 40 * kRad, gnomonicK),
         2 * std::tan(85 * kRad)},
        {"ORTH", -180, 180, -90, 90, Fit::hemisphere,
         azimuthal(20 * kRad, 40 * kRad, orthographicK), 2},
        {"STER", -180, 180, -90, 90, Fit::hemisphere,
         azimuthal(20 * kRad, 40 * kRad, stereographicK), 4 * std::tan(kPi / 4)},
        {"AZIM", -180, 180, -90, 90, Fit::hemisphere, azimuthal(20 * kRad, 40 * kRad, equidistantK),
         kPi},
        {"LAMB", -180, 180, -90, 90, Fit::hemisphere, azimuthal(20 * kRad, 40 * kRad, lambertK),
         4 * std::sin(kPi / 4)},
    };
}

class MapProjection : public PlotTest {
  protected:
    // A map in the axis system of this file; options() runs before grafmp.
    GlobalRecord &openMap(
        const char *keyword, float xa, float xe, float ya, float ye,
        const std::function<void()> &options = [] {}) {
        GlobalRecord &rec = open();
        captureStdout([&] {
            options();
            axspos(kCornerX, kCornerY);
            axslen(kLengthX, kLengthY);
            mappol(20, 40);
            projct(keyword);
            grafmp(xa, xe, xa, (xe - xa) / 4, ya, ye, ya, (ye - ya) / 4);
        });
        return rec;
    }
};

TEST_F(MapProjection, PointsLieWhereTheTextbookFormulasPutThem) {
    for (const Projection &p : projections()) {
        SCOPED_TRACE(std::string(p.keyword) + " from latitude " + std::to_string(p.ya));
        GlobalRecord &rec = openMap(p.keyword, p.xa, p.xe, p.ya, p.ye);
        ASSERT_EQ(rec.core.ilevel, 2);
        const bool hemisphere = p.fit == Fit::hemisphere;
        for (const double fx : {0.1, 0.3, 0.5, 0.65, 0.9})
            for (const double fy : {0.05, 0.3, 0.5, 0.8, 0.95}) {
                // Hemisphere maps: points within 60 degrees of the centre.
                const double lon = hemisphere ? 20 + (fx - 0.5) * 120 : p.xa + fx * (p.xe - p.xa);
                const double lat = hemisphere ? 40 + (fy - 0.5) * 80 : p.ya + fy * (p.ye - p.ya);
                const Point want = expected(p, lon, lat);
                float xp = 0, yp = 0;
                qqpos2(rec, float(lon), float(lat), xp, yp);
                EXPECT_NEAR(xp, want.x, 0.05) << lon << ", " << lat;
                EXPECT_NEAR(yp, want.y, 0.05) << lon << ", " << lat;
            }
        close();
    }
}

// The user projection gets the point's addresses and returns plot units
// about the origin of the axis system, which is its corner.
TEST_F(MapProjection, TheCallersProjectionPlacesPointsAboutTheOrigin) {
    GlobalRecord &rec = open();
    captureStdout([] {
        setcbk(
            [](float *x, float *y) {
                *x = *x * 2 + 1;
                *y = *y * 3;
            },
            "MYPR");
        axspos(kCornerX, kCornerY);
        axslen(kLengthX, kLengthY);
        projct("MYPR");
        grafmp(-180, 180, -180, 90, -90, 90, -90, 30);
    });
    float xp = 0, yp = 0;
    qqpos2(rec, 10, 20, xp, yp);
    EXPECT_FLOAT_EQ(xp, kCornerX + 21);
    EXPECT_FLOAT_EQ(yp, kCornerY - 60);
    EXPECT_EQ(captureStdout([] { setcbk(nullptr, "MINE"); }),
              " <<<< Warning   2: Incorrect parameter in setcbk!   (MINE)\n");
    close();
}

// The caller's projection is the program's, not the plot's: set before kavini
// it serves the plot, and later plots keep it (kavini resets the projection
// chosen by projct, not the routine); a refused keyword keeps the one before.
// Only the end of the record (delglb) lets it go.
TEST_F(MapProjection, TheCallersProjectionLastsFromPlotToPlot) {
    static int calls;
    calls = 0;
    const auto mine = [](float *x, float *y) {
        ++calls;
        *x = *x * 2 + 1;
        *y = *y * 3;
    };
    setcbk(mine, "MYPR"); // level 0, before any plot
    const auto mapPoint = [&] {
        GlobalRecord &rec = openMap("MYPR", -180, 180, -90, 90);
        float xp = 0, yp = 0;
        qqpos2(rec, 10, 20, xp, yp);
        close();
        return std::pair<float, float>{xp - kCornerX, kCornerY - yp};
    };
    EXPECT_EQ(mapPoint(), (std::pair<float, float>{21, 60}));
    EXPECT_GT(calls, 0);

    captureStdout([] { setcbk([](float *x, float *y) { *x = *y = 0; }, "MINE"); });
    calls = 0;
    EXPECT_EQ(mapPoint(), (std::pair<float, float>{21, 60})) << "the second plot keeps it";
    EXPECT_GT(calls, 0);

    // A plot that does not choose MYPR (kavini chose the linear projection
    // again) leaves the routine unused.
    calls = 0;
    GlobalRecord &rec = open();
    captureStdout([] { grafmp(-180, 180, -180, 90, -90, 90, -90, 30); });
    float xp = 0, yp = 0;
    qqpos2(rec, 10, 20, xp, yp);
    close();
    EXPECT_EQ(calls, 0);

    delglb();
    calls = 0;
    captureStdout([&] { mapPoint(); });
    EXPECT_EQ(calls, 0) << "a new record has no projection of the caller's";
}

TEST_F(MapProjection, KeywordsArePaddedAndUnknownOnesRefused) {
    GlobalRecord &rec = open();
    EXPECT_EQ(captureStdout([] { projct("utm"); }), "");
    EXPECT_EQ(rec.map.iprojct, 4);
    EXPECT_EQ(captureStdout([] { projct("PLATE"); }),
              " <<<< Warning   2: Incorrect parameter in projct!   (PLATE)\n");
    EXPECT_EQ(rec.map.iprojct, 4);
    captureStdout([] { reset("PROJ"); });
    EXPECT_EQ(rec.map.iprojct, 0);
    close();
}

TEST_F(MapProjection, RangesOutsideTheGlobeAreRefused) {
    const std::string bad = " <<<< Warning   2: Incorrect parameter in grafmp!\n";
    const std::string inverted = " <<<< Warning  52: Hiddenline overflow in grafmp!\n";
    struct Case {
        const char *keyword;
        float xa, xe, ya, ye;
        bool accepted;
    };
    const float nan = std::nanf("");
    const Case cases[] = {
        {"MERC", -180, 180, -85, 85, true},   {"MERC", -180, 180, -85, 86, false},
        {"CYLI", -540, 540, -180, 180, true}, {"EQUA", -180, 180, -91, 90, false},
        {"AITO", -181, 180, -90, 90, false},  {"CONI", -20, 20, -10, 10, false},
        {"CONI", -20, 20, -60, -30, true},    {"AZIM", -180, 180, -90, 90, true},
        {"AZIM", -100, 100, 10, 60, false},   {"AZIM", -20, 20, 100, 170, false},
        {"MERC", nan, 180, -80, 80, false},   {"MERC", -180, INFINITY, -80, 80, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.keyword) + " " + std::to_string(c.xa) + ".." +
                     std::to_string(c.xe) + " / " + std::to_string(c.ya) + ".." +
                     std::to_string(c.ye));
        GlobalRecord &rec = open();
        const std::string out = captureStdout([&] {
            projct(c.keyword);
            grafmp(c.xa, c.xe, c.xa, 10, c.ya, c.ye, c.ya, 10);
        });
        EXPECT_EQ(rec.core.ilevel, c.accepted ? 2 : 1);
        if (c.accepted)
            EXPECT_EQ(out.find("Warning"), std::string::npos) << out;
        else
            EXPECT_EQ(out, bad);
        close();
    }
    GlobalRecord &rec = open();
    EXPECT_EQ(captureStdout([] { grafmp(10, -10, 10, -5, 0, 10, 0, 5); }), inverted);
    EXPECT_EQ(rec.core.ilevel, 1);
    // A step so small that the axes would carry millions of labels.
    EXPECT_EQ(captureStdout([] { grafmp(-180, 180, -180, 1e-4f, -80, 80, -80, 20); }), bad);
    EXPECT_EQ(rec.core.ilevel, 1);
    close();
}

TEST_F(MapProjection, ConesTakeTheirParallelsAndSide) {
    const GlobalRecord *rec = &openMap("CONF", -20, 40, 30, 60);
    EXPECT_EQ(rec->map.imapref, 2);
    EXPECT_NEAR(rec->map.xmapref[0], 52.5 * kRad, 1e-6);
    EXPECT_NEAR(rec->map.xmapref[1], 37.5 * kRad, 1e-6);
    EXPECT_EQ(rec->map.imapsou, 0);
    close();

    rec = &openMap("CONF", -20, 40, -60, -30);
    EXPECT_EQ(rec->map.imapsou, 1);
    EXPECT_NEAR(rec->map.xmapref[0], 37.5 * kRad, 1e-6);
    close();

    // One parallel: the cone touches the globe there, for this map only.
    const double p0 = 40 * kRad, n = std::sin(p0);
    const double f = std::cos(p0) * std::pow(std::tan(kPi / 4 + p0 / 2), n) / n;
    const Projection tangent{"CONF", -20, 40, 30, 60, Fit::cone, [=](double l, double p) {
                                 return cone(n, f / std::pow(std::tan(kPi / 4 + p / 2), n), l);
                             }};
    rec = &openMap("CONF", -20, 40, 30, 60, [] { mapref(40, 40); });
    EXPECT_EQ(rec->map.imapref, 1);
    for (const Point q : {Point{-10, 35}, Point{30, 55}, Point{10, 45}}) {
        float xp = 0, yp = 0;
        qqpos2(*rec, float(q.x), float(q.y), xp, yp);
        const Point want = expected(tangent, q.x, q.y);
        EXPECT_NEAR(xp, want.x, 0.05);
        EXPECT_NEAR(yp, want.y, 0.05);
    }
    captureStdout([] {
        endgrf();
        grafmp(-20, 40, -20, 15, 30, 60, 30, 10);
    });
    EXPECT_EQ(rec->map.imapref, 2);
    close();
}

// mapsph: a hemisphere map shows the cap asked for; its edge, at the cap's
// angular distance from the centre, lies on the map's circle.
TEST_F(MapProjection, TheCapOfMapsphFillsTheCircle) {
    const double radius = (kLengthY - 1) / 2.0; // the smaller axis
    const double cx = kCornerX + kLengthX / 2.0, cy = kCornerY - kLengthY / 2.0;
    for (const char *keyword : {"ORTH", "STER", "AZIM", "LAMB", "GNOM"})
        for (const float cap : {30.0f, 60.0f, 90.0f}) {
            SCOPED_TRACE(std::string(keyword) + " " + std::to_string(cap));
            GlobalRecord &rec = openMap(keyword, -180, 180, -90, 90, [cap] { mapsph(cap); });
            // The gnomonic cap stops at 85 degrees. The centre is (20, 40):
            // the edge lies due south, and due north for a small cap.
            const float edge = std::string(keyword) == "GNOM" ? std::min(cap, 85.0f) : cap;
            for (const float lat : {40 - edge, 40 + edge}) {
                if (lat > 90) continue;
                float xp = 0, yp = 0;
                qqpos2(rec, 20, lat, xp, yp);
                EXPECT_NEAR(std::hypot(xp - cx, yp - cy), radius, 0.05) << lat;
            }
            close();
        }
}

} // namespace
