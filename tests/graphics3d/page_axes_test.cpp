// The axes of the 3-D box in the label styles HORI, PARA and OTHE: the box
// edges the eye's quadrant picks, labels and names beside them (read back as
// the characters of an uncompressed PDF in a PostScript font, each with its
// pen and angle), ticks of logarithmic and calendar axes (HPGL pen records)
// and the colours of the axis parts (text metafile).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "graphics3d/axes3d.h"
#include "graphics3d/projection.h"
#include "kavlor.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/text.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/kernel/pen_trace.h"

namespace {

// A box of user values: per axis begin, end, first label, step. The label
// values of the three axes never share a text.
struct BoxAxes {
    float v[3][4];
};
constexpr BoxAxes kBox{{{10, 50, 10, 10}, {1, 3, 1, 1}, {100, 400, 100, 100}}};

// An eye in the box's absolute coordinates and the edges its quadrant puts
// the axes on: for each axis whether it stands at the begin (0) or the end
// (1) of each of the other two axes (X: y, z; Y: x, z; Z: x, y), the label
// sides of X and Y, and whether the X and Y page angles run from the axis
// end back to its begin.
struct Quadrant {
    const char *what;
    float eye[3];
    int at[3][2];
    int xSide, ySide;
    bool xBackwards, yBackwards;
};
const Quadrant kQuadrants[] = {
    {"right front", {4, -5, 4}, {{0, 0}, {1, 0}, {0, 0}}, 0, 1, false, false},
    {"right back", {4, 5, 4}, {{1, 0}, {1, 0}, {1, 0}}, 1, 0, true, false},
    {"left back", {-4, 5, 4}, {{1, 0}, {0, 0}, {1, 1}}, 0, 1, true, true},
    {"left front", {-4, -5, 4}, {{0, 0}, {0, 0}, {0, 1}}, 1, 0, false, true},
};

struct Point {
    float x, y;
};

// A text as the PDF draws it: its characters, the pen of the first one (on
// the baseline, plot units) and its angle in degrees.
struct PlacedText {
    std::string text;
    float x, y;
    int angle;
};

// The characters of an uncompressed PDF page ("a b c d e f Tm (c) Tj"),
// back on the page: a page turned on the paper has x and y exchanged and
// its angles turned by 90 degrees, an upright one y upwards. They are
// joined into texts: a character continues a text when it has the same
// angle and stands less than two character heights further along it.
std::vector<PlacedText> pdfTexts(const std::string &pdf, float scale, int nypage, bool turned,
                                 int height) {
    static const std::regex kChar(
        R"re(([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) ([-0-9.]+) Tm\n\((\\[0-7]+|\\.|.)\) Tj)re");
    std::vector<PlacedText> texts;
    float lastX = 0, lastY = 0;
    for (std::sregex_iterator it(pdf.begin(), pdf.end(), kChar), end; it != end; ++it) {
        const std::smatch &m = *it;
        auto number = [&](int i) { return float(std::atof(m[i].str().c_str())); };
        int angle = int(std::lround(std::atan2(number(2), number(1)) * 180.0 / M_PI));
        float x = number(5) / scale, y = float(nypage) - number(6) / scale;
        if (turned) {
            angle = angle <= -90 ? angle + 270 : angle - 90;
            x = number(6) / scale;
            y = number(5) / scale;
        }
        std::string c = m[7].str();
        if (c.size() > 1 && c[0] == '\\')
            c = c.size() == 2 ? c.substr(1)
                              : std::string(1, char(std::strtol(c.c_str() + 1, nullptr, 8)));
        const double a = angle * M_PI / 180.0;
        const float along = float((x - lastX) * std::cos(a) - (y - lastY) * std::sin(a));
        const float across = float((x - lastX) * std::sin(a) + (y - lastY) * std::cos(a));
        if (!texts.empty() && texts.back().angle == angle && along > 0 &&
            along < 2.0f * float(height) && std::fabs(across) < 2.0f)
            texts.back().text += c;
        else
            texts.push_back({c, x, y, angle});
        lastX = x;
        lastY = y;
    }
    return texts;
}

const PlacedText *textOf(const std::vector<PlacedText> &texts, const std::string &text) {
    for (const PlacedText &t : texts)
        if (t.text == text) return &t;
    return nullptr;
}

class PageAxes : public AxisTest {
  protected:
    // An uncompressed PDF whose texts are in Helvetica.
    GlobalRecord &openPdf() {
        captureStdout([] {
            metafl("PDF");
            setfil("plot.pdf");
            filmod("DELE");
            pdfmod("OFF", "COMPRESSION");
            kavini();
            psfont("Helvetica");
        });
        return currentRecord();
    }
    std::vector<PlacedText> closePdf() {
        const GlobalRecord &rec = currentRecord();
        const float scale = rec.page.xdevscl;
        const int nypage = rec.page.nypage, height = rec.text.nhchar;
        const bool turned = turnedOnPaper(rec.page);
        return pdfTexts(close("plot.pdf"), scale, nypage, turned, height);
    }

    // The 3-D axis system of the box seen from the eye, with its axes in the
    // style (graf3d draws them through grflab2).
    void drawAxes(GlobalRecord &rec, const char *style, const float eye[3],
                  const BoxAxes &b = kBox) {
        const float(&v)[3][4] = b.v;
        captureStdout([&] {
            labl3d(style);
            view3d(eye[0], eye[1], eye[2], "ABS");
            graf3d(v[0][0], v[0][1], v[0][2], v[0][3], v[1][0], v[1][1], v[1][2], v[1][3], v[2][0],
                   v[2][1], v[2][2], v[2][3]);
        });
        ASSERT_EQ(rec.core.ilevel, 3);
    }

    // The page point of a user point, as the axes are drawn (no mirroring).
    static Point page(GlobalRecord &rec, float x, float y, float z) {
        const int saved = rec.page.iusrdrw;
        rec.page.iusrdrw = 1;
        Point p{};
        qqrel3(rec, x, y, z, p.x, p.y);
        rec.page.iusrdrw = saved;
        return p;
    }
    // The page point of value v on an axis standing at the quadrant's edge
    // of the box (the edges of logarithmic axes at their powers of ten).
    static Point onAxis(GlobalRecord &rec, const Quadrant &q, int axis, float v,
                        const BoxAxes &b = kBox) {
        const int *at = q.at[axis];
        auto edge = [&](int other, int k) {
            const float e = b.v[other][at[k]];
            return rec.axes.ilogax[other] == 1 ? std::pow(10.0f, e) : e;
        };
        switch (axis) {
        case 0: return page(rec, v, edge(1, 0), edge(2, 1));
        case 1: return page(rec, edge(0, 0), v, edge(2, 1));
        default: return page(rec, edge(0, 0), edge(1, 1), v);
        }
    }
    // Page angle of an axis line, y turned upwards, from begin to end or back.
    static float angleOf(GlobalRecord &rec, const Quadrant &q, int axis, bool backwards,
                         const BoxAxes &b = kBox) {
        auto user = [&](float v) { return rec.axes.ilogax[axis] == 1 ? std::pow(10.0f, v) : v; };
        const Point a = onAxis(rec, q, axis, user(b.v[axis][0]), b);
        const Point e = onAxis(rec, q, axis, user(b.v[axis][1]), b);
        return backwards ? std::atan2(e.y - a.y, a.x - e.x) : std::atan2(a.y - e.y, e.x - a.x);
    }
};

// Segments match when both ends lie within a few HPGL steps (a quarter unit each).
bool near(const Segment &a, const Segment &b, float tolerance) {
    return std::fabs(a.x1 - b.x1) <= tolerance && std::fabs(a.y1 - b.y1) <= tolerance &&
           std::fabs(a.x2 - b.x2) <= tolerance && std::fabs(a.y2 - b.y2) <= tolerance;
}
// The expected segments that the pen did not draw.
std::vector<Segment> missing(const std::vector<Segment> &expected,
                             const std::multiset<Segment> &drawn, float tolerance = 0.6f) {
    std::vector<Segment> absent;
    for (const Segment &e : expected) {
        bool found = false;
        for (const Segment &d : drawn)
            if (near(e, d, tolerance)) found = true;
        if (!found) absent.push_back(e);
    }
    return absent;
}
std::string describe(const std::vector<Segment> &segments) {
    std::string s;
    char text[96];
    for (const Segment &g : segments) {
        std::snprintf(text, sizeof text, "(%.2f,%.2f)-(%.2f,%.2f) ", g.x1, g.y1, g.x2, g.y2);
        s += text;
    }
    return s;
}

TEST_F(PageAxes, EachQuadrantOfTheEyePutsTheAxesOnItsOwnEdges) {
    for (const Quadrant &q : kQuadrants) {
        SCOPED_TRACE(q.what);
        GlobalRecord &rec = openHpgl();
        captureStdout([] {
            labels("NONE", "XYZ");
            ticks(0, "XYZ");
        });
        drawAxes(rec, "HORI", q.eye);
        std::vector<Segment> edges;
        for (int axis = 0; axis < 3; ++axis) {
            const Point a = onAxis(rec, q, axis, kBox.v[axis][0]);
            const Point e = onAxis(rec, q, axis, kBox.v[axis][1]);
            edges.push_back(segment(a.x, a.y, e.x, e.y));
        }
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        EXPECT_EQ(drawn.size(), 3u) << describe({drawn.begin(), drawn.end()});
        EXPECT_TRUE(missing(edges, drawn).empty()) << describe(missing(edges, drawn));
    }
}

// Where the first character of a label or name should start: the text's
// corner (x, y) turned by the angle, moved down to its baseline.
// Whole degrees of a page angle, cut toward zero.
int degrees(float radians) {
    return int(radians / 0.017453292f);
}

Point penOf(float x, float y, int angle, int height) {
    const float r = float(angle) * 0.017453292f;
    return {float(int(x + float(height - 1) * std::sin(r))),
            float(int(y + float(height - 1) * std::cos(r)))};
}

TEST_F(PageAxes, LabelsAndNamesStandBesideTheirAxesInEveryStyleAndQuadrant) {
    const char *styles[] = {"HORI", "PARA", "OTHE"};
    for (const char *style : styles) {
        for (const Quadrant &q : kQuadrants) {
            SCOPED_TRACE(std::string(style) + ", " + q.what);
            GlobalRecord &rec = openPdf();
            captureStdout([] {
                intax();
                name("Xname", "X");
                name("Yname", "Y");
                name("Zname", "Z");
            });
            drawAxes(rec, style, q.eye);
            const float angles[3] = {angleOf(rec, q, 0, q.xBackwards),
                                     angleOf(rec, q, 1, q.yBackwards), angleOf(rec, q, 2, false)};
            const int sides[3] = {q.xSide, q.ySide, 1};
            const float others[3] = {angles[1], angles[0], q.xSide == 1 ? angles[1] : angles[0]};
            const int h = rec.text.nhchar, hname = rec.axes.nhname;
            // Label distance and the major ticks on the label side; the Z
            // axis keeps its labels on the other side.
            const int reach = rec.axes.nlabdis[0] + rec.axes.nticmaj;
            const bool hori = std::string(style) == "HORI", para = std::string(style) == "PARA";
            struct Expected {
                std::string text;
                float x, y;
                int angle;
            };
            std::vector<Expected> expected;
            for (int axis = 0; axis < 3; ++axis) {
                const float A = angles[axis], B = others[axis];
                const float cb = std::cos(B), sb = std::sin(B), ca = std::cos(A), sa = std::sin(A);
                const int side = sides[axis];
                const float d = axis == 2 ? -float(reach) : float(reach);
                int extent = 0;
                const float *v = kBox.v[axis];
                for (float value = v[2]; value <= v[1] + 0.01f; value += v[3]) {
                    const std::string text = std::to_string(int(value));
                    const float L = float(nlmess(text.c_str()));
                    const Point p = onAxis(rec, q, axis, value);
                    Expected e{text, 0, 0, 0};
                    if (axis == 2) {
                        e = {text, p.x + cb * d - L, p.y - sb * d - float(h) / 2, 0};
                    } else if (hori && side == 0) {
                        e = {text, p.x - cb * d - L, p.y + sb * d, 0};
                    } else if (hori) {
                        e = {text, p.x + cb * d, p.y - sb * d - float(h) / 2, 0};
                    } else if (side == 0) {
                        e = {text, p.x - cb * d - ca * L / 2, p.y + sb * d + sa * L / 2,
                             degrees(A)};
                    } else if (para) {
                        e = {text, p.x + cb * d - ca * L / 2, p.y - sb * d + sa * L / 2,
                             degrees(A)};
                    } else {
                        e = {text, p.x + cb * d + ca * float(h) / 2,
                             p.y - sb * d - sa * float(h) / 2, degrees(B)};
                    }
                    e.x = float(int(e.x));
                    e.y = float(int(e.y));
                    expected.push_back(e);
                    // Labels across the axis reach as far as the longest one.
                    const bool across = axis == 2 || hori || (side == 1 && !para);
                    extent = across ? std::max(extent, int(L)) : h;
                }
                // The name, centred on the axis beyond the labels.
                const char *names[] = {"Xname", "Yname", "Zname"};
                int hn = 0, below = 0, ln = 0;
                setTextHeight(rec, hname);
                qqgmsg(rec, names[axis], hn, below, ln);
                setTextHeight(rec, h);
                const int d0 = rec.axes.nnamdis[axis] + reach;
                float dn = axis == 2 ? float(-d0)
                           : hori    ? float(extent) * std::fabs(sa) + float(d0 + hn - hname + h)
                                     : float(d0 + extent + hn - hname);
                if (side == 1) dn = -dn;
                const float middle = (kBox.v[axis][0] + kBox.v[axis][1]) / 2;
                const Point p = onAxis(rec, q, axis, middle);
                float x = float(int(p.x - cb * dn - ca * float(ln) * 0.5f));
                const float y = float(int(p.y + sb * dn + sa * float(ln) * 0.5f));
                if (axis == 2) x -= float(extent + hn);
                expected.push_back({names[axis], x, y, degrees(A)});
            }
            const std::vector<PlacedText> texts = closePdf();
            std::string all;
            for (const PlacedText &t : texts)
                all += t.text + "@" + std::to_string(t.x) + "," + std::to_string(t.y) + "/" +
                       std::to_string(t.angle) + " ";
            EXPECT_EQ(texts.size(), expected.size()) << all;
            for (const Expected &e : expected) {
                const PlacedText *t = textOf(texts, e.text);
                if (t == nullptr) {
                    ADD_FAILURE() << "no text " << e.text;
                    continue;
                }
                const int height = e.text.find("name") != std::string::npos ? hname : h;
                const Point pen = penOf(e.x, e.y, e.angle, height);
                EXPECT_EQ(t->angle, e.angle) << e.text;
                EXPECT_NEAR(t->x, pen.x, 1.0f) << e.text;
                EXPECT_NEAR(t->y, pen.y, 1.0f) << e.text;
            }
        }
    }
}

TEST_F(PageAxes, PowersOfTenTurnedWithTheAxisAreCentredOnTheirTen) {
    // X logarithmic over 1..100 with powers of ten, turned with the axis
    // (PARA) on side 0: each label is centred on its "10", and labels and
    // name stand further out by the raised exponents.
    GlobalRecord &rec = openPdf();
    captureStdout([] {
        axsscl("LOG", "X");
        labels("LOG", "X");
        labels("NONE", "YZ");
        name("Xname", "X");
    });
    const BoxAxes box{{{0, 2, 0, 1}, {1, 3, 1, 1}, {100, 400, 100, 100}}};
    const Quadrant &q = kQuadrants[0];
    drawAxes(rec, "PARA", q.eye, box);
    const float A = angleOf(rec, q, 0, false, box), B = angleOf(rec, q, 1, false, box);
    const int h = rec.text.nhchar, hname = rec.axes.nhname;
    const int raise = int(float(h) * (0.6f + 0.8f - 1.0f));
    const float d = float(rec.axes.nlabdis[0] + rec.axes.nticmaj + raise);
    const float ten = float(nlmess("10"));
    int hn = 0, below = 0, ln = 0;
    setTextHeight(rec, hname);
    qqgmsg(rec, "Xname", hn, below, ln);
    setTextHeight(rec, h);
    const Point middle = onAxis(rec, q, 0, 10.0f, box);
    const int extent = int(float(h) * (0.6f + 0.8f) + 0.5f);
    const float dn =
        float(rec.axes.nnamdis[0] + rec.axes.nlabdis[0] + rec.axes.nticmaj + extent + hn - hname);
    const Point name = penOf(float(int(middle.x - std::cos(B) * dn - std::cos(A) * float(ln) / 2)),
                             float(int(middle.y + std::sin(B) * dn + std::sin(A) * float(ln) / 2)),
                             degrees(A), hname);
    std::vector<Point> tens;
    for (int k = 0; k <= 2; ++k) {
        const Point p = onAxis(rec, q, 0, std::pow(10.0f, float(k)), box);
        tens.push_back(penOf(float(int(p.x - std::cos(B) * d - std::cos(A) * ten / 2)),
                             float(int(p.y + std::sin(B) * d + std::sin(A) * ten / 2)), degrees(A),
                             h));
    }
    const std::vector<PlacedText> texts = closePdf();
    std::vector<const PlacedText *> found;
    for (const PlacedText &t : texts)
        if (t.text == "10") found.push_back(&t);
    ASSERT_EQ(found.size(), 3u);
    std::sort(found.begin(), found.end(),
              [](const PlacedText *a, const PlacedText *b) { return a->x < b->x; });
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(found[k]->angle, degrees(A));
        EXPECT_NEAR(found[k]->x, tens[k].x, 1.0f) << k;
        EXPECT_NEAR(found[k]->y, tens[k].y, 1.0f) << k;
    }
    const PlacedText *t = textOf(texts, "Xname");
    ASSERT_NE(t, nullptr);
    EXPECT_NEAR(t->x, name.x, 1.0f);
    EXPECT_NEAR(t->y, name.y, 1.0f);
}

// Tick strokes of one axis: from the page point of each value, away from the
// axis along (-cos w, sin w) of the other angle w, long or short.
struct Tick {
    float value; // exponent on a logarithmic axis
    bool major;
};

std::vector<Segment> tickSegments(const std::vector<Point> &points, const std::vector<bool> &major,
                                  float w, float sign) {
    std::vector<Segment> s;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const float length = sign * (major[i] ? 24.0f : 16.0f);
        const Point p = points[i];
        s.push_back(segment(p.x, p.y, p.x - std::cos(w) * length, p.y + std::sin(w) * length));
    }
    return s;
}

TEST_F(PageAxes, LogarithmicAxesTickEveryDecadeAndTheValuesWithinIt) {
    std::vector<Tick> decades;
    for (int k = 0; k <= 2; ++k)
        decades.push_back({float(k), true});
    for (int k = 0; k <= 1; ++k)
        for (int j = 2; j <= 9; ++j)
            decades.push_back({std::log10(float(j)) + float(k), false});
    struct Case {
        const char *what;
        const char *logtic;
        float step;
        int n;
        std::vector<Tick> ticks;
    };
    const Case cases[] = {
        {"decade steps", "AUTO", 1, 2, decades},
        {"two decades a step, any integer step allowed", "FULL", 2, 2, decades},
        {"two decades a step", "AUTO", 2, 2, {{0, true}, {1, false}, {2, true}}},
        {"one tick per label", "AUTO", 1, 1, {{0, true}, {1, true}, {2, true}}},
    };
    const Quadrant &q = kQuadrants[0];
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = openHpgl();
        const BoxAxes box{{{10, 50, 10, 10}, {1, 3, 1, 1}, {0, 2, 0, c.step}}};
        const int n = c.n;
        captureStdout([&] {
            axsscl("LOG", "Z");
            logtic(c.logtic);
            labels("NONE", "XYZ");
            noline("XYZ");
            ticks(0, "XY");
            ticks(n, "Z");
        });
        drawAxes(rec, "HORI", q.eye, box);
        // The ticks of Z point along the X angle.
        std::vector<Point> points;
        std::vector<bool> major;
        for (const Tick &t : c.ticks) {
            points.push_back(onAxis(rec, q, 2, std::pow(10.0f, t.value), box));
            major.push_back(t.major);
        }
        const float w = angleOf(rec, q, 0, false, box);
        const std::vector<Segment> expected = tickSegments(points, major, w, 1.0f);
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        EXPECT_EQ(drawn.size(), expected.size());
        EXPECT_TRUE(missing(expected, drawn).empty())
            << describe(missing(expected, drawn)) << "\ndrawn "
            << describe({drawn.begin(), drawn.end()});
    }
}

float distanceToLine(Point a, Point e, Point p) {
    const float dx = e.x - a.x, dy = e.y - a.y;
    return std::fabs((p.x - a.x) * dy - (p.y - a.y) * dx) / std::hypot(dx, dy);
}

TEST_F(PageAxes, CalendarAxesTickTheirMonthsAndTheStepsOfTheTickMode) {
    // Day 0 is 1 January 2020; the first label stands on 1 February (day
    // 31), the month labels on days 31 and 60.
    std::vector<Tick> days;
    for (int d = 0; d <= 90; ++d)
        days.push_back({float(d), false});
    struct Case {
        const char *mode;
        std::vector<Tick> shortTicks;
    };
    const Case cases[] = {
        {"NONE", {}},
        {"MONT", {{0, false}, {31, false}, {60, false}}},
        {"DAYS", days},
    };
    const Quadrant &q = kQuadrants[0];
    const BoxAxes box{{{0, 90, 31, 30}, {1, 3, 1, 1}, {100, 400, 100, 100}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        GlobalRecord &rec = openHpgl();
        captureStdout([&] {
            basdat(1, 1, 2020);
            labels("DATE", "X");
            labels("NONE", "YZ");
            labmod("STEP", "MONTH", "X");
            ticmod(c.mode, "X");
            noline("XYZ");
            ticks(0, "YZ");
            name("", "XYZ");
        });
        drawAxes(rec, "HORI", q.eye, box);
        std::vector<Point> points{onAxis(rec, q, 0, 31, box), onAxis(rec, q, 0, 60, box)};
        std::vector<bool> major{true, true};
        for (const Tick &t : c.shortTicks) {
            points.push_back(onAxis(rec, q, 0, t.value, box));
            major.push_back(false);
        }
        const float w = angleOf(rec, q, 1, false, box);
        const std::vector<Segment> expected = tickSegments(points, major, w, 1.0f);
        // The ticks are the strokes that start on the axis line; the label
        // strokes stand apart from it.
        const Point a = onAxis(rec, q, 0, 0, box), e = onAxis(rec, q, 0, 90, box);
        std::multiset<Segment> drawn;
        for (const Segment &s : segmentsOf(closeHpgl()))
            if (distanceToLine(a, e, {s.x1, s.y1}) < 0.75f ||
                distanceToLine(a, e, {s.x2, s.y2}) < 0.75f)
                drawn.insert(s);
        EXPECT_EQ(drawn.size(), expected.size());
        EXPECT_TRUE(missing(expected, drawn).empty()) << describe(missing(expected, drawn));
    }
}

TEST_F(PageAxes, MonthLabelsBetweenTicksStandInTheMiddleOfTheirMonths) {
    // Month labels on days 0 and 31 moved half a month on, although the
    // axis itself steps by single days.
    GlobalRecord &rec = openPdf();
    captureStdout([] {
        basdat(1, 1, 2020);
        labels("DATE", "X");
        labels("NONE", "YZ");
        labmod("STEP", "MONTH", "X");
        labpos("CENT", "X");
    });
    const BoxAxes box{{{0, 90, 0, 1}, {1, 3, 1, 1}, {100, 400, 100, 100}}};
    const Quadrant &q = kQuadrants[0];
    drawAxes(rec, "HORI", q.eye, box);
    const float B = angleOf(rec, q, 1, false, box);
    const float d = float(rec.axes.nlabdis[0] + rec.axes.nticmaj);
    std::vector<Point> expected;
    for (const float day : {15.0f, 46.0f}) {
        const Point p = onAxis(rec, q, 0, day, box);
        expected.push_back({p.x - std::cos(B) * d, p.y + std::sin(B) * d});
    }
    const int h = rec.text.nhchar;
    // Widths are measured before the plot is closed.
    std::vector<PlacedText> texts = closePdf();
    ASSERT_EQ(texts.size(), 2u);
    std::sort(texts.begin(), texts.end(),
              [](const PlacedText &a, const PlacedText &b) { return a.x < b.x; });
    for (std::size_t i = 0; i < 2; ++i) {
        // HORI labels on side 0 end at the point: only the y of the pen is
        // independent of the text's width.
        EXPECT_NEAR(texts[i].y, float(int(expected[i].y)) + float(h - 1), 1.0f) << texts[i].text;
        EXPECT_EQ(texts[i].angle, 0);
    }
    EXPECT_LT(texts[0].x, texts[1].x);
}

TEST_F(PageAxes, EachPartIsDrawnInItsColourAndEverythingIsPutBack) {
    GlobalRecord &rec = open();
    captureStdout([] {
        name("X", "X");
        name("Y", "Y");
        name("Z", "Z");
        const char *parts[] = {"LINE", "TICK", "LABE", "NAME"};
        for (int i = 0; i < 4; ++i) {
            axclrs(1 + i, parts[i], "X");
            axclrs(5 + i, parts[i], "Y");
        }
    });
    const int colour = rec.colour.ncolor, height = rec.text.nhchar;
    const AxisOptionState before = rec.axes;
    drawAxes(rec, "PARA", kQuadrants[2].eye);
    EXPECT_EQ(rec.colour.ncolor, colour);
    EXPECT_EQ(rec.text.nhchar, height);
    EXPECT_EQ(rec.page.iusrdrw, 0);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rec.axes.nlabdis[i], before.nlabdis[i]);
        EXPECT_EQ(rec.axes.nnamdis[i], before.nnamdis[i]);
    }
    EXPECT_EQ(rec.axes.nticmaj, before.nticmaj);
    EXPECT_EQ(rec.axes.nticmin, before.nticmin);

    // The colours in the order they were set, the current colour between
    // the parts left out: the Z axis takes the colours of the Y axis.
    std::vector<std::string> colours;
    for (const std::string &r : penTrace(close(), rec))
        if (r[0] == 'C' && r != "C " + std::to_string(colour)) colours.push_back(r);
    const std::vector<std::string> expected{"C 1", "C 2", "C 3", "C 4", "C 5", "C 6",
                                            "C 7", "C 8", "C 5", "C 6", "C 7", "C 8"};
    EXPECT_EQ(colours, expected);
}

} // namespace
