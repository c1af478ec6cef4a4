// The axes of the 3-D box in the style STAN, the plane of grfini through
// which 2-D plots land in a face of the box, grid3d and box3d; read back as
// the pen records of HPGL plots and the pixels of PPM files.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "graphics2d/axis_drawing.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

struct Point {
    float x, y;
};

// Signs of the box corners 1..8: 1..4 round the bottom face, 5..8 above them.
constexpr int kCorner[9][3] = {{0, 0, 0},    {-1, -1, -1}, {+1, -1, -1}, {+1, +1, -1}, {-1, +1, -1},
                               {-1, -1, +1}, {+1, -1, +1}, {+1, +1, +1}, {-1, +1, +1}};

// A point of the default box (2 x 2 x 2) on the page.
Point onPage(float x, float y, float z) {
    Point p{};
    abs3pt(x, y, z, &p.x, &p.y);
    return p;
}
Point cornerOnPage(int corner) {
    return onPage(float(kCorner[corner][0]), float(kCorner[corner][1]), float(kCorner[corner][2]));
}

float distance(Point a, float x, float y) {
    return std::hypot(a.x - x, a.y - y);
}

// HPGL keeps quarter units; a little more covers the float arithmetic.
constexpr float kTolerance = 0.6f;

bool joins(const Segment &s, Point a, Point b) {
    return (distance(a, s.x1, s.y1) <= kTolerance && distance(b, s.x2, s.y2) <= kTolerance) ||
           (distance(b, s.x1, s.y1) <= kTolerance && distance(a, s.x2, s.y2) <= kTolerance);
}

// Which side of the line through a and b the point lies on (sign of the cross product).
float sideOf(Point a, Point b, float x, float y) {
    return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

// True when (x, y) lies in the convex quadrilateral of the four page points
// (allowing the tolerance at its edges).
bool inside(const std::array<Point, 4> &q, float x, float y) {
    int positive = 0, negative = 0;
    for (int i = 0; i < 4; ++i) {
        const Point a = q[i], b = q[(i + 1) % 4];
        const float length = std::hypot(b.x - a.x, b.y - a.y);
        const float d = sideOf(a, b, x, y) / length;
        if (d > kTolerance) ++positive;
        if (d < -kTolerance) ++negative;
    }
    return positive == 0 || negative == 0;
}

// The points where the pen drew to or from.
std::vector<Point> drawnPoints(const std::vector<PenOp> &ops) {
    std::vector<Point> points;
    for (const Segment &s : segmentsOf(ops)) {
        points.push_back({s.x1, s.y1});
        points.push_back({s.x2, s.y2});
    }
    return points;
}

class Box3d : public AxisTest {
  protected:
    // A 3-D axis system of 0..10 on every axis with the eye at (ex, ey, ez)
    // (the default view when none is given); setup runs before graf3d, draw
    // after it, while the plot is open.
    std::vector<PenOp> plot(const std::function<void()> &setup, const std::function<void()> &draw,
                            const float *eye = nullptr) {
        openHpgl();
        output = captureStdout([&] {
            axspos(400, 1900);
            axslen(1600, 1600);
            if (eye != nullptr) view3d(eye[0], eye[1], eye[2], "ABS");
            setup();
            graf3d(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
            draw();
        });
        return closeHpgl();
    }

    // Nothing of the axes drawn but what the test switches on again.
    static void quiet() {
        noline("XYZ");
        ticks(0, "XYZ");
        labels("NONE", "XYZ");
    }

    std::string output; // what the plot wrote on the message stream
};

// Where the axis lines go for an eye in front, below and behind the box: along
// the edges that the view octant picks.
TEST_F(Box3d, AxisLinesFollowTheViewOctant) {
    struct Case {
        float eye[3];
        int x[2], y[2], z[2]; // the corners each axis line joins
    };
    const Case cases[] = {
        {{4, -5, 4}, {1, 2}, {2, 3}, {1, 5}},  // the default view
        {{4, -5, -6}, {1, 2}, {2, 3}, {1, 5}}, // below: the far edge of the faces
        {{-4, 5, 4}, {3, 4}, {4, 1}, {3, 7}},  // behind, to the left, above
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "eye " << c.eye[0] << "," << c.eye[1] << "," << c.eye[2]);
        Point expected[3][2];
        const std::vector<PenOp> ops = plot(
            [] {
                ticks(0, "XYZ");
                labels("NONE", "XYZ");
            },
            [&] {
                const int *edges[3] = {c.x, c.y, c.z};
                for (int k = 0; k < 3; ++k)
                    for (int end = 0; end < 2; ++end)
                        expected[k][end] = cornerOnPage(edges[k][end]);
            },
            c.eye);
        const std::multiset<Segment> drawn = segmentsOf(ops);
        for (int k = 0; k < 3; ++k) {
            int found = 0;
            for (const Segment &s : drawn)
                found += joins(s, expected[k][0], expected[k][1]) ? 1 : 0;
            EXPECT_EQ(found, 1) << "axis " << k + 1 << " in " << describe(ops);
        }
        EXPECT_EQ(drawn.size(), 3u) << describe(ops);
    }
}

// The ticks stand at the label values also on an axis that runs backwards
// along its face (X seen from behind): 0, 4 and 8 of 0..10, never 10, 6, 2.
TEST_F(Box3d, TicksOfAReversedAxisStandAtTheirValues) {
    struct Case {
        float eye[3];
        float edgeY; // the X axis lies at y = edgeY, z = -1
    };
    for (const Case c : {Case{{4, -5, 4}, -1.0f}, Case{{-4, 5, 4}, 1.0f}}) {
        SCOPED_TRACE(testing::Message() << "eye " << c.eye[0] << "," << c.eye[1]);
        std::vector<Point> labelled, between;
        openHpgl();
        captureStdout([&] {
            axspos(400, 1900);
            axslen(1600, 1600);
            view3d(c.eye[0], c.eye[1], c.eye[2], "ABS");
            quiet();
            ticks(1, "X");
            graf3d(0.0f, 10.0f, 0.0f, 4.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
            for (const float v : {0.0f, 4.0f, 8.0f})
                labelled.push_back(onPage(v / 5 - 1, c.edgeY, -1));
            for (const float v : {2.0f, 6.0f, 10.0f})
                between.push_back(onPage(v / 5 - 1, c.edgeY, -1));
        });
        const std::vector<Point> points = drawnPoints(closeHpgl());
        auto touched = [&](Point p) {
            for (const Point &q : points)
                if (distance(p, q.x, q.y) <= kTolerance) return true;
            return false;
        };
        for (const Point &p : labelled)
            EXPECT_TRUE(touched(p)) << p.x << "," << p.y;
        for (const Point &p : between)
            EXPECT_FALSE(touched(p)) << p.x << "," << p.y;
    }
}

// The first label is left out where the box layout asks for it (Y and Z in
// the default view, not X); after flab3d every axis shows it. What flab3d
// adds lies at the axis's start.
TEST_F(Box3d, FirstLabelsLeftOutUnlessFlab3d) {
    struct Case {
        const char *axis;
        int start, end; // the corners where the axis starts and ends
        bool leftOut;
    };
    const Case cases[] = {{"X", 1, 2, false}, {"Y", 2, 3, true}, {"Z", 1, 5, true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.axis);
        auto labelsOnly = [&c] {
            quiet();
            labels("FLOAT", c.axis);
        };
        Point start{}, end{};
        const std::vector<PenOp> layout = plot(labelsOnly, [] {});
        const std::vector<PenOp> all = plot(
            [&] {
                labelsOnly();
                flab3d();
            },
            [&] {
                start = cornerOnPage(c.start);
                end = cornerOnPage(c.end);
            });
        EXPECT_FALSE(layout.empty());
        if (!c.leftOut) {
            EXPECT_EQ(layout, all);
            continue;
        }
        std::multiset<Segment> added = segmentsOf(all);
        for (const Segment &s : segmentsOf(layout)) {
            auto it = added.find(s);
            ASSERT_NE(it, added.end()) << "flab3d took a stroke away";
            added.erase(it);
        }
        EXPECT_FALSE(added.empty());
        for (const Segment &s : added)
            EXPECT_LT(distance(start, s.x1, s.y1), distance(end, s.x1, s.y1))
                << s.x1 << "," << s.y1;
    }
}

// The X labels lie outside the box, beyond the edge 1-2 from the rest of the
// bottom face, for an eye above and for an eye below the box: seen from
// below they are drawn on the other side of an axis at the far edge.
TEST_F(Box3d, XLabelsLieOutsideTheBoxFromAboveAndBelow) {
    for (const float ez : {4.0f, -6.0f}) {
        SCOPED_TRACE(testing::Message() << "eye z " << ez);
        const float eye[3] = {4, -5, ez};
        Point c1{}, c2{}, c4{};
        const std::vector<PenOp> ops = plot(
            [] {
                quiet();
                labels("FLOAT", "X");
            },
            [&] {
                c1 = cornerOnPage(1);
                c2 = cornerOnPage(2);
                c4 = cornerOnPage(4);
            },
            eye);
        const std::vector<Point> points = drawnPoints(ops);
        ASSERT_FALSE(points.empty());
        const float inner = sideOf(c1, c2, c4.x, c4.y);
        for (const Point &p : points)
            EXPECT_LT(sideOf(c1, c2, p.x, p.y) * inner, 0.0f) << p.x << "," << p.y;
    }
}

// Labels are placed in the 2-D axis system of a face, where they may lie
// beyond the page; only their projection is drawn, and it is on the page.
TEST_F(Box3d, LabelsOnAFaceAreNotCheckedAgainstThePage) {
    openHpgl();
    const std::string text = captureStdout([] {
        axspos(400, 2090);
        axslen(1600, 1600);
        graf3d(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
    });
    const std::vector<Point> points = drawnPoints(closeHpgl());
    EXPECT_FALSE(points.empty());
    for (const Point &p : points)
        EXPECT_LE(p.y, 2099.0f);
    EXPECT_EQ(text.find("out of page"), std::string::npos) << text;
}

// The faces of the box may turn the vertical labels of a horizontal axis to
// read downwards (text angle 270): each label then covers the place of its
// upward twin, turned half round, below and above the axis alike.
TEST_F(Box3d, DownwardLabelsTakeThePlaceOfUpwardOnes) {
    struct Box {
        float x1 = 1e9f, y1 = 1e9f, x2 = -1e9f, y2 = -1e9f;
    };
    for (const int side : {0, 1}) {
        SCOPED_TRACE(side);
        std::vector<PenOp> ops[2];
        for (const int orientation : {1, 2}) {
            GlobalRecord &rec = openHpgl();
            captureStdout([&] {
                axspos(400, 1500);
                axslen(1001, 501);
                quiet();
                labels("FLOAT", "X");
                nograf();
                graf(0.0f, 10.0f, 0.0f, 5.0f, 0.0f, 5.0f, 0.0f, 1.0f);
            });
            rec.axes.ilabtyp[0] = orientation;
            daxis(rec, 0.0f, 10.0f, 0.0f, 5.0f, 1001, "", side, 400, 1500, 0, 1);
            ops[orientation - 1] = closeHpgl();
        }
        ASSERT_FALSE(ops[0].empty());
        EXPECT_NE(ops[0], ops[1]);
        // The three labels 0, 5 and 10, each boxed by the strokes near its tick.
        for (const float at : {400.0f, 900.0f, 1400.0f}) {
            Box boxes[2];
            for (int k = 0; k < 2; ++k)
                for (const Point &p : drawnPoints(ops[k])) {
                    if (std::fabs(p.x - at) > 60) continue;
                    boxes[k] = {std::min(boxes[k].x1, p.x), std::min(boxes[k].y1, p.y),
                                std::max(boxes[k].x2, p.x), std::max(boxes[k].y2, p.y)};
                }
            ASSERT_LT(boxes[0].x1, boxes[0].x2) << "label at " << at;
            EXPECT_EQ(side == 0, boxes[0].y1 > 1500.0f) << "label at " << at;
            // Along the text the ink of a turned label moves by the difference
            // of its glyphs' side bearings; a misplaced label is off by a
            // character height (36) or a text length.
            const float bearing = 8.0f;
            EXPECT_NEAR(boxes[1].x1, boxes[0].x1, 2.0f) << "label at " << at;
            EXPECT_NEAR(boxes[1].x2, boxes[0].x2, 2.0f) << "label at " << at;
            EXPECT_NEAR(boxes[1].y1, boxes[0].y1, bearing) << "label at " << at;
            EXPECT_NEAR(boxes[1].y2, boxes[0].y2, bearing) << "label at " << at;
        }
    }
}

// box3d draws the twelve edges between the projected corners.
TEST_F(Box3d, Box3dDrawsTheTwelveEdges) {
    static constexpr int kEdges[12][2] = {{1, 2}, {2, 3}, {3, 4}, {4, 1}, {5, 6}, {6, 7},
                                          {7, 8}, {8, 5}, {1, 5}, {2, 6}, {3, 7}, {4, 8}};
    Point corner[9] = {};
    const std::vector<PenOp> ops = plot(quiet, [&] {
        box3d();
        for (int i = 1; i <= 8; ++i)
            corner[i] = cornerOnPage(i);
    });
    const std::multiset<Segment> drawn = segmentsOf(ops);
    EXPECT_EQ(drawn.size(), 12u) << describe(ops);
    for (const auto &e : kEdges) {
        int found = 0;
        for (const Segment &s : drawn)
            found += joins(s, corner[e[0]], corner[e[1]]) ? 1 : 0;
        EXPECT_EQ(found, 1) << "edge " << e[0] << "-" << e[1];
    }
}

// grid3d puts its lines in the faces it names: the bottom face, or the two
// upright faces behind the box's centre; with the eye straight in front of a
// side's middle (x or y exactly 0) there is no back face to draw.
TEST_F(Box3d, Grid3dDrawsIntoItsFaces) {
    struct Case {
        const char *option;
        float eye[3];
        std::vector<std::array<int, 4>> faces; // each face as its four corners, in order
    };
    const Case cases[] = {
        {"BOTT", {4, -5, 4}, {{1, 2, 3, 4}}},
        {"BACK", {4, -5, 4}, {{1, 4, 8, 5}, {4, 3, 7, 8}}},
        {"BACK", {-4, 5, 4}, {{2, 3, 7, 6}, {1, 2, 6, 5}}},
        {"ALL", {4, -5, 4}, {{1, 2, 3, 4}, {1, 4, 8, 5}, {4, 3, 7, 8}}},
        {"BACK", {0, -5, 4}, {}},
        {"BACK", {4, 0, 4}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.option << " eye " << c.eye[0] << "," << c.eye[1]);
        std::vector<std::array<Point, 4>> quads;
        const std::vector<PenOp> ops = plot(
            quiet,
            [&] {
                grid3d(1, 1, c.option);
                for (const auto &f : c.faces) {
                    std::array<Point, 4> q{};
                    for (int i = 0; i < 4; ++i)
                        q[i] = cornerOnPage(f[i]);
                    quads.push_back(q);
                }
            },
            c.eye);
        const std::vector<Point> points = drawnPoints(ops);
        if (c.faces.empty()) {
            EXPECT_TRUE(points.empty()) << describe(ops);
            continue;
        }
        std::vector<int> perFace(quads.size(), 0);
        for (const Point &p : points) {
            bool placed = false;
            for (std::size_t f = 0; f < quads.size(); ++f) {
                if (inside(quads[f], p.x, p.y)) {
                    placed = true;
                    ++perFace[f];
                }
            }
            EXPECT_TRUE(placed) << p.x << "," << p.y;
        }
        for (std::size_t f = 0; f < quads.size(); ++f)
            EXPECT_GT(perFace[f], 0) << "face " << f;
        EXPECT_EQ(output.find("Warning"), std::string::npos) << output;
    }
}

// The grid of a back face follows the scaling of its own axes: on a
// logarithmic Z axis of 1..100 the lines across stand at 1, 2, .., 9, 10,
// 20, .., 100 (19 of them), not at the halves of the exponents.
TEST_F(Box3d, BackFacesFollowALogarithmicZAxis) {
    openHpgl();
    captureStdout([] {
        axspos(400, 1900);
        axslen(1600, 1600);
        quiet();
        scale("LOG", "Z");
        graf3d(0.0f, 10.0f, 0.0f, 5.0f, 0.0f, 10.0f, 0.0f, 5.0f, 0.0f, 2.0f, 0.0f, 1.0f);
        grid3d(1, 2, "BACK");
    });
    // Two faces, each with 3 upright lines (0, 5, 10) and 19 across.
    EXPECT_EQ(segmentsOf(closeHpgl()).size(), 2u * (3u + 19u));
}

// The routines of the plane and the box need the 3-D axis system and the
// plane; grid3d turns a negative count into 0 and an unknown option into ALL.
TEST_F(Box3d, Warnings) {
    struct Case {
        const char *name;
        std::function<void()> open; // the axis system the call meets
        std::function<void()> call;
        const char *warning;
    };
    const auto open3d = [] {
        nograf();
        graf3d(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
    };
    const auto open2d = [] {
        nograf();
        graf3(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
    };
    const Case cases[] = {
        {"grffin without grfini", open3d, [] { grffin(); },
         " <<<< Warning  34: No call to grfini before in grffin!\n"},
        {"grfini in graf3", open2d, [] { grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1); },
         " <<<< Warning  35: Confusion of graf3d and graf3 in grfini!\n"},
        {"grid3d in graf3", open2d, [] { grid3d(1, 1, "ALL"); },
         " <<<< Warning  35: Confusion of graf3d and graf3 in grid3d!\n"},
        {"box3d in graf3", open2d, [] { box3d(); },
         " <<<< Warning  35: Confusion of graf3d and graf3 in box3d!\n"},
        {"negative count", open3d, [] { grid3d(-2, 1, "BOTT"); },
         " <<<< Warning   2: Incorrect parameter in grid3d!   (  -2)\n"},
        {"unknown option", open3d, [] { grid3d(1, 1, "SIDE"); },
         " <<<< Warning   2: Incorrect parameter in grid3d!   (SIDE)\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        open("GKSL", "plot.out");
        captureStdout(c.open);
        EXPECT_EQ(captureStdout(c.call), c.warning);
        EXPECT_EQ(getlev(), 3);
        close("plot.out");
    }
}

// Between grfini and grffin a 2-D axis system spans the plane: its corners
// land on the corners given, and grffin makes the 3-D system current again.
// A base transformation moves the projected picture (the plane comes first).
TEST_F(Box3d, A2dPlotLandsOnThePlane) {
    for (const int shift : {0, 100}) {
        SCOPED_TRACE(shift);
        Point c1{}, c2{}, c3{}, c4{};
        int inside2d = 0, after = 0;
        const std::vector<PenOp> ops = plot(quiet, [&] {
            grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1);
            inside2d = getlev();
            nograf();
            graf(0.0f, 4.0f, 0.0f, 1.0f, 0.0f, 2.0f, 0.0f, 1.0f);
            if (shift != 0) trfshf(shift, shift / 2);
            rline(0.0f, 0.0f, 4.0f, 2.0f);
            rline(0.0f, 2.0f, 4.0f, 0.0f);
            trfres();
            grffin();
            after = getlev();
            const float dx = float(shift), dy = float(shift / 2);
            c1 = cornerOnPage(1), c2 = cornerOnPage(2), c3 = cornerOnPage(3), c4 = cornerOnPage(4);
            for (Point *c : {&c1, &c2, &c3, &c4})
                c->x += dx, c->y += dy;
        });
        EXPECT_EQ(inside2d, 1);
        EXPECT_EQ(after, 3);
        const std::multiset<Segment> drawn = segmentsOf(ops);
        ASSERT_EQ(drawn.size(), 2u) << describe(ops);
        int diagonals[2] = {0, 0};
        for (const Segment &s : drawn) {
            diagonals[0] += joins(s, c1, c3) ? 1 : 0;
            diagonals[1] += joins(s, c4, c2) ? 1 : 0;
        }
        EXPECT_EQ(diagonals[0], 1) << describe(ops);
        EXPECT_EQ(diagonals[1], 1) << describe(ops);
    }
}

// A filled box on the plane is filled with lines of its part on the 2-D
// page, carried onto the plane: a box as far as an int reaches ends as soon
// as a box of the page's size, with the same lines.
TEST_F(Box3d, FilledBoxesOnThePlaneStopAtThePage) {
    int clip[4] = {};
    auto filled = [&](int x, int y, int w, int h) {
        return segmentsOf(plot(quiet, [&] {
            grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1);
            nograf();
            graf(0.0f, 4.0f, 0.0f, 1.0f, 0.0f, 2.0f, 0.0f, 1.0f);
            getclp(&clip[0], &clip[1], &clip[2], &clip[3]);
            recfll(x, y, w, h, 1);
            grffin();
        }));
    };
    const std::multiset<Segment> far = filled(-1000000000, -1000000000, INT_MAX, INT_MAX);
    const std::multiset<Segment> page = filled(clip[0], clip[1], clip[2], clip[3]);
    EXPECT_GT(page.size(), 100u);
    EXPECT_EQ(far, page);
}

// The frame of a shield defined on the plane: a polygon's frame is its
// outline, carried onto the plane with it; a rectangle stays a rectangle of
// the page.
TEST_F(Box3d, ShieldFramesOnThePlane) {
    for (const bool polygon : {true, false}) {
        SCOPED_TRACE(polygon ? "polygon" : "rectangle");
        Point a{}, b{};
        const std::vector<PenOp> ops = plot(quiet, [&] {
            frame(1);
            grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1);
            nograf();
            graf(0.0f, 4.0f, 0.0f, 1.0f, 0.0f, 2.0f, 0.0f, 1.0f);
            if (polygon) {
                const int nx[3] = {800, 1600, 1200}, ny[3] = {1500, 1500, 700};
                shlpol(nx, ny, 3);
                a = {800, 1500};
                b = {1600, 1500};
                proj3d(currentRecord(), a.x, a.y);
                proj3d(currentRecord(), b.x, b.y);
            } else {
                shlrec(800, 700, 801, 801);
                a = {800, 700};
                b = {1600, 700};
            }
            grffin();
        });
        int found = 0;
        for (const Segment &s : segmentsOf(ops))
            found += joins(s, a, b) ? 1 : 0;
        EXPECT_EQ(found, 1) << describe(ops);
    }
}

// A plot ended while the plane is in force leaves no plane behind: the next
// plot draws on the page.
TEST_F(Box3d, APlotEndedOnThePlaneLeavesNoPlane) {
    plot(quiet, [] { grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1); });
    openHpgl();
    captureStdout([] { line(100, 200, 500, 200); });
    const std::vector<PenOp> expected{{false, 100, 200}, {true, 500, 200}};
    EXPECT_EQ(closeHpgl(), expected);
}

// A polygon shield defined on the plane blanks what is drawn onto the plane
// where the shield lies there: here the front half of the bottom face.
TEST_F(Box3d, PolygonShieldsLieOnThePlane) {
    Point centre{}, c3{};
    const std::vector<PenOp> ops = plot(quiet, [&] {
        frame(0);
        grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1);
        nograf();
        graf(0.0f, 4.0f, 0.0f, 1.0f, 0.0f, 2.0f, 0.0f, 1.0f);
        // The 2-D axis system covers x 400..1999, y 301..1900: the shield
        // takes its lower half, which on the page would cover the whole face.
        const int nx[4] = {300, 2100, 2100, 300}, ny[4] = {1101, 1101, 2000, 2000};
        shlpol(nx, ny, 4);
        rline(0.0f, 0.0f, 4.0f, 2.0f);
        grffin();
        centre = onPage(0, 0, -1);
        c3 = cornerOnPage(3);
    });
    const std::multiset<Segment> drawn = segmentsOf(ops);
    ASSERT_FALSE(drawn.empty());
    float nearCentre = 1e9f, nearCorner = 1e9f;
    for (const Segment &s : drawn) {
        for (const Point p : {Point{s.x1, s.y1}, Point{s.x2, s.y2}}) {
            nearCentre = std::min(nearCentre, distance(centre, p.x, p.y));
            nearCorner = std::min(nearCorner, distance(c3, p.x, p.y));
            EXPECT_LE(distance(centre, p.x, p.y) + distance(c3, p.x, p.y),
                      distance(centre, c3.x, c3.y) + 2.0f);
        }
    }
    EXPECT_LE(nearCentre, 2.0f);
    EXPECT_LE(nearCorner, kTolerance);
}

// A filled box of the 2-D plot (the background of its axis system) is filled
// on the plane too, not as a rectangle of the page where the 2-D axis system
// would stand: on the memory raster, whose boxes are filled straight.
TEST_F(Box3d, FilledBoxesLandOnThePlane) {
    GlobalRecord &rec = open("PPM", "plot.ppm");
    Point centre{};
    captureStdout([&] {
        setind(3, 1.0f, 0.0f, 0.0f);
        axspos(400, 1900);
        axslen(1600, 1600);
        quiet();
        graf3d(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
        grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1);
        axsbgd(3);
        graf(0.0f, 4.0f, 0.0f, 1.0f, 0.0f, 2.0f, 0.0f, 1.0f);
        grffin();
        centre = onPage(0, 0, -1);
    });
    const float scale = rec.page.xdevscl;
    const Point corner2d = {410.0f, 1890.0f}; // inside the 2-D rectangle, far off the face
    close("plot.ppm");
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    const unsigned char *empty = image.at(2, 2);
    const unsigned char *atCentre = image.at(int(centre.x * scale), int(centre.y * scale));
    const unsigned char *atCorner = image.at(int(corner2d.x * scale), int(corner2d.y * scale));
    const int red[3] = {255, 0, 0};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(int(atCentre[c]), red[c]) << "component " << c;
        EXPECT_EQ(atCorner[c], empty[c]) << "component " << c;
    }
}

// A solid shape filled on the plane is filled there, not where its 2-D
// points stand on the page: on PDF, which would fill it by itself. The shape
// covers the centre of the 2-D rectangle and the point (420, 1880) near its
// lower-left corner.
class Box3dFill : public Box3d {
  protected:
    void expectFilledOnThePlane(const std::function<void()> &fill);
};

void Box3dFill::expectFilledOnThePlane(const std::function<void()> &fill) {
    GlobalRecord &rec = open("PDF", "plot.pdf");
    Point centre{};
    captureStdout([&] {
        axspos(400, 1900);
        axslen(1600, 1600);
        quiet();
        graf3d(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
        grfini(-1, -1, -1, 1, -1, -1, 1, 1, -1);
        color("RED");
        fill();
        grffin();
        centre = onPage(0, 0, -1);
    });
    const float scale = rec.page.xdevscl;     // points per plot unit: pixels at 72 dpi
    const Point corner2d = {420.0f, 1880.0f}; // inside the 2-D shape, far off the face
    close("plot.pdf");
    const RgbImage page = renderPdf(dir.file("plot.pdf"), 72);
    ASSERT_TRUE(page.valid());
    const unsigned char *atCentre = page.at(int(centre.x * scale), int(centre.y * scale));
    EXPECT_TRUE(atCentre[0] > 200 && atCentre[1] < 80 && atCentre[2] < 80)
        << int(atCentre[0]) << " " << int(atCentre[1]) << " " << int(atCentre[2]);
    EXPECT_FALSE(page.ink(int(corner2d.x * scale), int(corner2d.y * scale)));
}

TEST_F(Box3dFill, SolidPolygonsLandOnThePlane) {
    expectFilledOnThePlane([] {
        shdpat(16);
        // The whole 2-D axis-system rectangle.
        const int nx[4] = {400, 1999, 1999, 400}, ny[4] = {1900, 1900, 301, 301};
        areaf(nx, ny, 4);
    });
}

TEST_F(Box3dFill, FlatTrianglesLandOnThePlane) {
    expectFilledOnThePlane([] {
        const float x[3] = {400, 1999, 1200}, y[3] = {1900, 1900, 301};
        trifll(x, y);
    });
}

} // namespace
