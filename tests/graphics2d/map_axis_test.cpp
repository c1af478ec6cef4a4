// Map axis systems and lines on maps, read back as HPGL pen strokes and PDF
// words: which outline each projection draws, where ticks and labels stand
// on projected maps, first labels far from the axis, the grid of gridmp, the
// line modes of mapmod, lines cut at the cap of azimuthal maps, and curvmp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "graphics2d/map_lines.h"
#include "graphics2d/transforms.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/test_time.h"

namespace {

// Every map of this file: 1801 x 1201 plot units from (400, 1700).
constexpr int kCornerX = 400, kCornerY = 1700, kLengthX = 1801, kLengthY = 1201;

class MapAxes : public AxisTest {
  protected:
    // A map in the projection; quiet: no labels, ticks, axis lines or frame.
    std::string openMap(const char *keyword, float xa, float xe, float xstp, float ya, float ye,
                        float ystp, bool quiet) {
        return captureStdout([=] {
            axspos(kCornerX, kCornerY);
            axslen(kLengthX, kLengthY);
            if (quiet) {
                labels("NONE", "XY");
                ticks(0, "XY");
                noline("XY");
                frame(0);
                grace(0);
            }
            projct(keyword);
            grafmp(xa, xe, xa, xstp, ya, ye, ya, ystp);
        });
    }

    // The plot position of a map point.
    static std::pair<float, float> at(float lon, float lat) {
        float xp = 0, yp = 0;
        qqpos2(currentRecord(), lon, lat, xp, yp);
        return {xp, yp};
    }
};

// The x where the meridian crosses the row, by bisection along it.
float meridianAtRow(float lon, float row) {
    float lo = -90, hi = 90; // the plot y falls as the latitude grows
    for (int i = 0; i < 60; ++i) {
        const float mid = (lo + hi) / 2;
        float xp = 0, yp = 0;
        qqpos2(currentRecord(), lon, mid, xp, yp);
        (yp > row ? lo : hi) = mid;
    }
    float xp = 0, yp = 0;
    qqpos2(currentRecord(), lon, lo, xp, yp);
    return xp;
}

float distance(float x, float y, float cx, float cy) {
    return std::hypot(x - cx, y - cy);
}

// What a body prints, kept in a buffer of fixed size (a flood of warnings
// fills no disk), and the number of warnings it gave.
struct Messages {
    std::string text;
    int count;
};

Messages messagesOf(const std::function<void()> &body) {
    GlobalRecord &rec = currentRecord();
    static char buffer[4096];
    std::fill(std::begin(buffer), std::end(buffer), '\0');
    FILE *fp = fmemopen(buffer, sizeof buffer - 1, "w");
    const int savedUnit = rec.msg.iunit;
    FILE *savedStream = rec.msg.fpmsg;
    const int before = rec.msg.noutpag;
    unit(fp);
    body();
    rec.msg.iunit = savedUnit;
    rec.msg.fpmsg = savedStream;
    std::fclose(fp);
    return {buffer, rec.msg.noutpag - before};
}

TEST_F(MapAxes, EllipticMapsDrawNoAxesAndHemispheresOnlyTheirCircles) {
    openHpgl();
    openMap("MOLL", -180, 180, 60, -90, 90, 30, false);
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());

    // frame(-3): three circles inwards from half the shorter side about the
    // rounded centre (1300.5, 1099.5).
    openHpgl();
    captureStdout([] { frame(-3); });
    openMap("ORTH", -180, 180, 60, -90, 90, 30, false);
    const float cx = 1301, cy = 1100;
    std::set<int> radii;
    for (const PenOp &op : closeHpgl()) {
        if (!op.draw) continue;
        const float r = distance(op.x, op.y, cx, cy);
        EXPECT_LT(std::fabs(r - std::round(r)), 0.6f);
        radii.insert(int(std::lround(r)));
    }
    // The polygon's vertices at HPGL's quarter units.
    EXPECT_EQ(*radii.begin(), 597);
    EXPECT_EQ(*radii.rbegin(), 600);
}

// Frames of hemispheres thicker than the page: the circles stop where the
// page ends, with a warning, as the frames of rectangles do (one circle per
// plot unit of the thickness never ended).
TEST_F(MapAxes, HemisphereFramesStopAtThePage) {
    const Watchdog watchdog(60);
    for (const int thickness : {INT_MAX, INT_MIN, -1000000000}) {
        SCOPED_TRACE(thickness);
        openHpgl();
        captureStdout([thickness] {
            axspos(400, 1700);
            axslen(201, 201); // circles about (501, 1600), of radius 100 and more
            frame(thickness);
            projct("ORTH");
        });
        const Messages m = messagesOf([] { grafmp(-180, 180, -180, 60, -90, 90, -90, 30); });
        EXPECT_EQ(m.text, " <<<< Warning 101: Frame thicker than the page in grafmp!\n");
        EXPECT_EQ(m.count, 1);
        if (thickness > 0) {
            close("plot.hpg");
            continue;
        }
        // Inwards every circle down to the centre.
        std::set<int> radii;
        for (const PenOp &op : closeHpgl())
            radii.insert(int(std::lround(distance(op.x, op.y, 501, 1600))));
        EXPECT_EQ(radii.size(), 100u);
    }
}

// Labels stand where their meridians cross the lower edge, on a conical map
// and on the turned cylinders, whose meridians curve; the name lies below
// them.
TEST_F(MapAxes, LabelsStandWhereMeridiansCrossTheAxis) {
    for (const char *keyword : {"CONI", "UTM", "OBLI"}) {
        SCOPED_TRACE(keyword);
        openPdf();
        captureStdout([] {
            labels("FLOA", "XY");
            labdig(-1, "XY");
            name("Longitude", "X");
        });
        openMap(keyword, -40, 40, 20, 30, 70, 10, false);
        std::vector<float> crossings;
        for (int lon = -40; lon <= 40; lon += 20)
            crossings.push_back(meridianAtRow(float(lon), float(kCornerY)));
        const std::vector<Word> words = closePdf();
        int shown = 0;
        for (int lon = -40, i = 0; lon <= 40; lon += 20, ++i) {
            SCOPED_TRACE(lon);
            // A meridian that crosses the lower edge outside the frame has no label.
            const bool inside = crossings[i] >= kCornerX && crossings[i] <= kCornerX + kLengthX - 1;
            const std::string text = std::to_string(lon);
            float best = 1e9f;
            for (const Word &w : words)
                if (w.text == text && w.y1 > kCornerY)
                    best = std::fmin(best, std::fabs(w.centreX() - crossings[i]));
            if (inside) {
                EXPECT_LT(best, 3.0f);
                ++shown;
            } else {
                EXPECT_EQ(best, 1e9f);
            }
        }
        EXPECT_GE(shown, 3);
        EXPECT_GT(wordOf(words, "Longitude").y1, float(kCornerY) + 30);
    }
}

// The transverse Mercator of the whole globe: its meridians meet the lower
// edge only at the south pole, where all of them meet, or run along it (90
// degrees east and west); none is labelled there, so no labels pile up.
// The equator crosses the left side.
TEST_F(MapAxes, NoLabelsPileUpWhereMeridiansMeet) {
    openPdf();
    captureStdout([] {
        labels("FLOA", "XY");
        labdig(-1, "XY");
    });
    openMap("UTM", -180, 180, 30, -90, 90, 30, false);
    const std::vector<Word> words = closePdf();
    std::vector<Word> below;
    for (const Word &w : words)
        if (w.y1 > kCornerY) below.push_back(w);
    for (std::size_t i = 0; i < below.size(); ++i)
        for (std::size_t j = i + 1; j < below.size(); ++j)
            EXPECT_TRUE(below[i].x2 < below[j].x1 || below[j].x2 < below[i].x1)
                << below[i].text << " and " << below[j].text << " overlap";
    EXPECT_EQ(std::count_if(words.begin(), words.end(),
                            [](const Word &w) {
                                return w.text == "0" && w.x2 < kCornerX &&
                                       std::fabs(w.centreY() - (kCornerY - kLengthY / 2)) < 5;
                            }),
              1);
}

// On an azimuthal map of a small area the sides carry ticks only where a
// meridian or parallel meets them inside the frame.
TEST_F(MapAxes, TicksOnlyWhereLinesMeetTheSide) {
    openHpgl();
    captureStdout([] {
        labels("NONE", "XY");
        noline("XY");
        frame(0);
        ticks(1, "XY");
        ticlen(30, 30);
        setgrf("TICKS", "NONE", "NONE", "NONE");
    });
    openMap("STER", -60, 60, 20, 10, 80, 10, false);
    std::vector<float> expected;
    for (int lon = -60; lon <= 60; lon += 20) {
        const float x = meridianAtRow(float(lon), float(kCornerY));
        if (x >= kCornerX && x <= kCornerX + kLengthX - 1) expected.push_back(x);
    }
    std::vector<float> ticks;
    for (const Segment &s : segmentsOf(closeHpgl())) {
        EXPECT_EQ(s.x1, s.x2);
        ticks.push_back(s.x1);
    }
    ASSERT_EQ(ticks.size(), expected.size());
    ASSERT_LT(expected.size(), 7u); // the outer meridians leave through the sides
    std::sort(ticks.begin(), ticks.end());
    for (std::size_t i = 0; i < ticks.size(); ++i)
        EXPECT_NEAR(ticks[i], expected[i], 1.0f);
}

// Further axes inside the map: xaxmap's labels stand below its row where
// their meridians cross it; yaxmap's right of its column where their
// parallels cross it, found by tracing the parallels of a conical map.
TEST_F(MapAxes, FurtherAxesLabelWhereTheirLinesCross) {
    openPdf();
    captureStdout([] { labdig(-1, "XY"); });
    openMap("CONI", -40, 40, 20, 30, 70, 10, true); // the map's own axes unlabelled
    captureStdout([] { labels("FLOA", "XY"); });
    const int row = 1200, column = kCornerX + kLengthX / 2; // the central meridian
    EXPECT_EQ(captureStdout([] {
                  xaxmap(-40, 40, -40, 20, "", 0, row);
                  yaxmap(30, 70, 30, 10, "", 0, column);
              }),
              "");
    std::vector<float> meridians, parallels;
    for (int lon = -40; lon <= 40; lon += 20)
        meridians.push_back(meridianAtRow(float(lon), float(row)));
    for (int lat = 30; lat <= 70; lat += 10)
        parallels.push_back(at(0, float(lat)).second);
    EXPECT_EQ(captureStdout([] { xaxmap(40, -40, -40, 20, "", 0, row); }),
              " <<<< Warning  52: Hiddenline overflow in xaxmap!\n");
    EXPECT_EQ(captureStdout([] { yaxmap(30, 70, 30, 10, "", 2, column); }),
              " <<<< Warning   2: Incorrect parameter in yaxmap!   (   2)\n");
    // Rows and columns at the ends of an int are held there, off the page:
    // the sums of their ticks and labels stay within an int (UBSan checks).
    EXPECT_EQ(captureStdout([] {
                  for (const int far : {INT_MIN, INT_MAX}) {
                      xaxmap(-40, 40, -40, 20, "", 0, far);
                      yaxmap(30, 70, 30, 10, "", 0, far);
                  }
              }),
              "");
    const std::vector<Word> words = closePdf();
    const auto near = [&](const std::string &text, auto &&fits) {
        int n = 0;
        for (const Word &w : words)
            n += w.text == text && fits(w) ? 1 : 0;
        return n;
    };
    for (int lon = -40, i = 0; lon <= 40; lon += 20, ++i) {
        SCOPED_TRACE(lon);
        // A meridian that crosses the row beyond the map's sides has no label.
        const bool inside = meridians[i] >= kCornerX && meridians[i] <= kCornerX + kLengthX - 1;
        EXPECT_EQ(near(std::to_string(lon),
                       [&](const Word &w) {
                           return std::fabs(w.centreX() - meridians[i]) < 3 && w.y1 > row;
                       }),
                  inside ? 1 : 0);
    }
    // The top parallel lies half a unit above the map's top edge. A word's
    // box reaches lower below its digits than above them.
    for (int lat = 30, i = 0; lat <= 70; lat += 10, ++i) {
        SCOPED_TRACE(lat);
        const bool inside = parallels[i] >= kCornerY - kLengthY + 1;
        EXPECT_EQ(near(std::to_string(lat),
                       [&](const Word &w) {
                           return std::fabs(w.centreY() - parallels[i]) < 5 && w.x1 > column;
                       }),
                  inside ? 1 : 0);
    }
    EXPECT_EQ(captureStdout([] { xaxmap(-40, 40, -40, 20, "", 0, row); }),
              " <<<< Warning   3: Incorrect level in xaxmap!   (   0)\n");
}

// A first label far before a map axis, or far after it with a step back
// towards it, in every family of projections: the axis says once that it
// leaves its labels out, as graf does, instead of walking to the axis label
// by label (two warnings for each label off the page, minutes of tracing
// lines that miss the axis, or no end at the largest float).
TEST_F(MapAxes, FarFirstLabelsAreLeftOutWithOneWarning) {
    const auto warnings = [](const char *routine, std::vector<int> numbers) {
        const std::map<int, const char *> texts = {{12, "Startlabel out of scaling"},
                                                   {50, "Incorrect sign for step"},
                                                   {101, "Labels closer than a plot unit"}};
        std::string text;
        for (const int n : numbers) {
            char line[100];
            std::snprintf(line, sizeof line, " <<<< Warning %3d: %s in %s!\n", n, texts.at(n),
                          routine);
            text += line;
        }
        return text;
    };
    struct Case {
        const char *projection;
        std::function<void()> map; // a sane map for the further axis, or none
        std::function<void()> axis;
        std::string expected;
    };
    const Case cases[] = {
        {"CYLI", nullptr, [] { grafmp(-180, 180, -1.0e7f, 60, -90, 90, -90, 30); },
         warnings("grafmp", {12, 101})},
        {"MERC", nullptr, [] { grafmp(-180, 180, -180, 60, -80, 80, -1.0e7f, 20); },
         warnings("grafmp", {12, 101})},
        {"UTM", nullptr, [] { grafmp(-30, 30, 1.0e7f, -10, 20, 70, 20, 10); },
         warnings("grafmp", {12, 50, 101})},
        {"CONI", [] { grafmp(-40, 40, -40, 20, 30, 70, 30, 10); },
         [] { xaxmap(-40, 40, -1.0e7f, 20, "", 0, 1200); }, warnings("xaxmap", {12, 101})},
        {"MOLL", [] { grafmp(-180, 180, -180, 60, -90, 90, -90, 30); },
         [] { xaxmap(-180, 180, -FLT_MAX, 60, "", 0, 1200); }, warnings("xaxmap", {12, 101})},
        {"STER", [] { grafmp(-60, 60, -60, 20, 10, 80, 10, 10); },
         [] { yaxmap(10, 80, 1.0e6f, -10, "", 0, 1300); }, warnings("yaxmap", {12, 50, 101})},
        {"MYPR", nullptr, [] { grafmp(-180, 180, -180, 90, -90, 90, -1.0e9f, 30); },
         warnings("grafmp", {12, 101})},
    };
    const Watchdog watchdog(60);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.projection);
        openHpgl();
        captureStdout([&] {
            setcbk([](float *, float *) {}, "MYPR"); // MYPR: points stay as given
            axspos(kCornerX, kCornerY);
            axslen(kLengthX, kLengthY);
            labels("FLOA", "XY");
            projct(c.projection);
            if (c.map) c.map();
        });
        const Messages m = messagesOf(c.axis);
        EXPECT_EQ(m.text, c.expected);
        EXPECT_EQ(m.count, std::count(c.expected.begin(), c.expected.end(), '\n'));
        EXPECT_LT(close("plot.hpg").size(), 200000u);
    }
}

TEST_F(MapAxes, CylindricalGridLinesAreSingleProjectedLines) {
    openHpgl();
    openMap("MERC", -180, 180, 30, -80, 80, 20, true);
    std::multiset<Segment> expected;
    for (int lon = -180; lon <= 180; lon += 30) {
        const auto [x, y1] = at(float(lon), -80);
        const auto [x2, y2] = at(float(lon), 80);
        expected.insert(segment(std::round(x * 4) / 4, std::round(y1 * 4) / 4,
                                std::round(x2 * 4) / 4, std::round(y2 * 4) / 4));
    }
    EXPECT_EQ(captureStdout([] { gridmp(1, 0); }), "");
    EXPECT_EQ(segmentsOf(closeHpgl()), expected);
}

// The turned cylinders (transverse and oblique Mercator) curve their
// meridians and parallels: the grid runs through every whole degree of each
// line inside the frame, not as a chord between its ends.
TEST_F(MapAxes, GridLinesOfTurnedCylindersFollowTheirCurves) {
    for (const char *keyword : {"UTM", "OBLI"}) {
        SCOPED_TRACE(keyword);
        openHpgl();
        openMap(keyword, -30, 30, 10, 20, 70, 10, true);
        std::vector<std::pair<float, float>> expected;
        const auto expect = [&](float lon, float lat) {
            const auto [x, y] = at(lon, lat);
            if (x > kCornerX + 1 && x < kCornerX + kLengthX - 2 && y < kCornerY - 1 &&
                y > kCornerY - kLengthY + 2)
                expected.emplace_back(x, y);
        };
        for (int lon = -30; lon <= 30; lon += 10)
            for (int lat = 20; lat <= 70; ++lat)
                expect(float(lon), float(lat));
        for (int lat = 20; lat <= 70; lat += 10)
            for (int lon = -30; lon <= 30; ++lon)
                expect(float(lon), float(lat));
        EXPECT_EQ(captureStdout([] { gridmp(1, 1); }), "");
        const std::vector<PenOp> ops = closeHpgl();
        int missing = 0;
        for (auto [x, y] : expected) {
            bool found = false;
            for (const PenOp &op : ops)
                found = found || (std::fabs(op.x - x) <= 0.3f && std::fabs(op.y - y) <= 0.3f);
            missing += found ? 0 : 1;
        }
        EXPECT_GT(expected.size(), 400u);
        EXPECT_EQ(missing, 0);
    }
}

// Grid lines come from the axes' first labels and steps. A first label far
// outside the map, or a step back towards it, gives the lines of the same
// lattice within the map, each once: not a walk line by line from the first
// label (every line outside drawn again round the globe, or no end at the
// largest float or for a step back).
TEST_F(MapAxes, GridLinesFromFarFirstLabelsStayOnTheMap) {
    struct Origins {
        const char *what;
        float xorg, xstp, yorg, ystp;
        bool sameLattice; // else no line but those of the map's own lattice
    };
    const Origins cases[] = {
        {"a thousand steps before", -40 - 20 * 1000, 20, 30 - 10 * 1000, 10, true},
        {"a thousand steps after", -40 + 20 * 1000, 20, 30 + 10 * 1000, 10, true},
        {"steps back", 40, -20, 70, -10, true},
        {"the largest floats", -FLT_MAX, 20, FLT_MAX, 10, false},
    };
    const auto grid = [this](const char *projection, const Origins &o) {
        openHpgl();
        captureStdout([&] {
            axspos(kCornerX, kCornerY);
            axslen(kLengthX, kLengthY);
            labels("NONE", "XY");
            ticks(0, "XY");
            noline("XY");
            frame(0);
            projct(projection);
            grafmp(-40, 40, o.xorg, o.xstp, 30, 70, o.yorg, o.ystp);
        });
        EXPECT_EQ(messagesOf([] { gridmp(1, 1); }).count, 0);
        return segmentsOf(closeHpgl());
    };
    const Watchdog watchdog(60);
    for (const char *projection : {"CONI", "CYLI"}) {
        SCOPED_TRACE(projection);
        const std::multiset<Segment> expected = grid(projection, {"", -40, 20, 30, 10, true});
        ASSERT_GT(expected.size(), 5u);
        for (const Origins &o : cases) {
            SCOPED_TRACE(o.what);
            const std::multiset<Segment> drawn = grid(projection, o);
            if (o.sameLattice) {
                EXPECT_EQ(drawn, expected);
            } else {
                EXPECT_LE(drawn.size(), expected.size());
                for (const Segment &s : drawn)
                    EXPECT_TRUE(expected.contains(s));
            }
        }
    }
}

// A polar azimuthal map: parallels are circles about the centre, drawn in
// steps of a degree; those beyond the cap are not drawn.
TEST_F(MapAxes, AzimuthalParallelsRunInDegreeSteps) {
    openHpgl();
    captureStdout([] { mappol(0, 90); });
    openMap("AZIM", -180, 180, 30, -90, 90, 30, true);
    captureStdout([] { gridmp(0, 1); });
    const float cx = kCornerX + kLengthX / 2.0f, cy = kCornerY - kLengthY / 2.0f;
    const float scale = (kLengthY - 1) / 3.1415927f;
    std::map<int, int> pointsAtDistance; // degrees from the pole, points
    for (const PenOp &op : closeHpgl()) {
        const float degrees = distance(op.x, op.y, cx, cy) / scale / 0.017453292f;
        EXPECT_LE(degrees, 90.05f); // HPGL keeps quarter units
        if (op.draw && std::fabs(degrees - std::round(degrees)) < 0.1f)
            ++pointsAtDistance[int(std::round(degrees))];
    }
    // Latitudes 90 (the centre), 60, 30 and 0 (the cap's edge); 361 steps each,
    // from -180 to 180 degrees and the first of no length.
    EXPECT_EQ(pointsAtDistance.size(), 4u);
    EXPECT_EQ(pointsAtDistance[30], 361);
    EXPECT_EQ(pointsAtDistance[60], 361);
}

TEST_F(MapAxes, LineModesStepAlongTheProjection) {
    openHpgl();
    openMap("CONI", -40, 40, 20, 30, 70, 10, true);
    GlobalRecord &rec = currentRecord();
    captureStdout([] { mapmod("INTE"); });
    movemp(rec, 0, 40);
    drawmp(rec, 10, 40);    // ten one-degree steps and a last one of no length
    drawmp(rec, 10.5f, 40); // one step
    captureStdout([] { mapmod("STRA"); });
    movemp(rec, -30, 60);
    drawmp(rec, 30, 60); // a chord
    qqstrk(rec);
    std::vector<PenOp> ops = closeHpgl();
    ASSERT_EQ(ops.size(), 15u);
    for (int i = 0; i <= 10; ++i) {
        const auto [x, y] = at(float(i), 40);
        EXPECT_NEAR(ops[i].x, x, 0.25f);
        EXPECT_NEAR(ops[i].y, y, 0.25f);
    }
    EXPECT_EQ(ops[11], ops[10]);
    EXPECT_NEAR(ops[12].x, at(10.5f, 40).first, 0.25f);
    EXPECT_FALSE(ops[13].draw);
    EXPECT_NEAR(ops[14].x, at(30, 60).first, 0.25f);
}

// Great circles on the equidistant cylinder (linear in both axes): the path
// from (-60, 45) to (60, 45) reaches latitude atan(tan 45 / cos 60) = 63.43
// at its middle, in steps of a degree along its 75.5 degrees.
TEST_F(MapAxes, GreatCirclesBendTowardsThePole) {
    openHpgl();
    openMap("EXAC", -90, 90, 30, 0, 90, 30, true);
    GlobalRecord &rec = currentRecord();
    captureStdout([] { mapmod("GREA"); });
    movemp(rec, -60, 45);
    drawmp(rec, 60, 45);
    qqstrk(rec);
    float top = 1e9f;
    const std::vector<PenOp> ops = closeHpgl();
    for (const PenOp &op : ops)
        top = std::fmin(top, op.y);
    const float scale = (kLengthY - 1) / (90 * 0.017453292f);
    EXPECT_NEAR((kCornerY - top) / scale / 0.017453292f, 63.43f, 0.1f);
    EXPECT_EQ(ops.size(), 76u);
    EXPECT_NEAR(ops.back().x, at(60, 45).first, 0.25f);
}

// On a hemisphere a line leaving the cap ends on its edge and resumes
// where it comes back.
TEST_F(MapAxes, HemisphereLinesAreCutAtTheCap) {
    openHpgl();
    captureStdout([] {
        mappol(0, 0);
        frame(0);
    });
    openMap("ORTH", -180, 180, 30, -90, 90, 30, true);
    GlobalRecord &rec = currentRecord();
    captureStdout([] { mapmod("STRA"); });
    movemp(rec, 60, 0);
    for (int lon = 70; lon <= 300; lon += 10)
        drawmp(rec, float(lon), 0);
    qqstrk(rec);
    const float cx = kCornerX + kLengthX / 2.0f, cy = kCornerY - kLengthY / 2.0f;
    const std::vector<PenOp> ops = closeHpgl();
    int moves = 0;
    for (const PenOp &op : ops) {
        EXPECT_LE(distance(op.x, op.y, cx, cy), kLengthY / 2.0f + 0.5f);
        moves += op.draw ? 0 : 1;
    }
    // The start, the cut where the line leaves the cap (a new line from its
    // last point inside) and the return at 270 degrees.
    EXPECT_EQ(moves, 3);
}

TEST_F(MapAxes, CurvmpDrawsWithCurveAttributesAndRefusesBadCounts) {
    openHpgl();
    openMap("MERC", -180, 180, 30, -80, 80, 20, true);
    const float lon[3] = {0, 20, 40}, lat[3] = {0, 10, 0};
    EXPECT_EQ(captureStdout([&] { curvmp(lon, lat, 0); }),
              " <<<< Warning   2: Incorrect parameter in curvmp!   (   0)\n");
    EXPECT_EQ(captureStdout([&] { curvmp(nullptr, lat, 3); }),
              " <<<< Warning   2: Incorrect parameter in curvmp!\n");
    EXPECT_EQ(captureStdout([&] {
                  polcrv("SPLINE");
                  curvmp(lon, lat, 3);
              }),
              " <<<< Warning  14: Linear interpolation must be used in curvmp!\n");
    EXPECT_EQ(currentRecord().page.iusrdrw, 0);
    std::multiset<Segment> drawn = segmentsOf(closeHpgl());
    EXPECT_GE(drawn.size(), 40u); // interpolated in degree steps
    EXPECT_EQ(captureStdout([&] { curvmp(lon, lat, 3); }),
              " <<<< Warning   3: Incorrect level in curvmp!   (   0)\n");
}

} // namespace
