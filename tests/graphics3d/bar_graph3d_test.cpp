// bars3d: the faces of each box (which three the viewer sees, where they lie),
// the order in which the depth-sort buffer paints them with their colours and
// outline, bars outside the limits, the legend entries, the state given back
// and the refusals, read back from the polygons and lines of SVG files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "graphics3d/projection.h"
#include "kavlor.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/svg_events.h"

namespace {

constexpr int kRed = 0x10000ff, kGreen = 0x100ff00, kBlue = 0x1ff0000; // explicit RGB values

// The points of each filled polygon, in SVG units.
std::vector<std::vector<float>> svgPolygons(const std::string &svg) {
    std::vector<std::vector<float>> polygons;
    const std::regex element(R"re(<polygon fill="#[0-9a-f]{6}" points="([^"]*)")re");
    for (auto m = std::sregex_iterator(svg.begin(), svg.end(), element);
         m != std::sregex_iterator(); ++m) {
        std::string text = (*m)[1].str();
        std::replace(text.begin(), text.end(), ',', ' ');
        std::istringstream in(text);
        std::vector<float> values;
        for (float v = 0; in >> v;)
            values.push_back(v);
        polygons.push_back(values);
    }
    return polygons;
}

// An explicit colour value holds red in its lowest byte.
std::string components(int colour) {
    return std::to_string(colour & 255) + " " + std::to_string((colour >> 8) & 255) + " " +
           std::to_string((colour >> 16) & 255);
}
std::string fill(int colour) {
    return "fill " + components(colour);
}
std::string stroke(int colour) {
    return "stroke " + components(colour);
}

// The bars of a test: parallel arrays as bars3d takes them.
struct Bars {
    std::vector<float> x, y, z1, z2, xw, yw;
    std::vector<int> ic;
    void add(float px, float py, float pz1, float pz2, float wx, float wy, int colour) {
        x.push_back(px);
        y.push_back(py);
        z1.push_back(pz1);
        z2.push_back(pz2);
        xw.push_back(wx);
        yw.push_back(wy);
        ic.push_back(colour);
    }
    void draw() const {
        bars3d(x.data(), y.data(), z1.data(), z2.data(), xw.data(), yw.data(), ic.data(),
               int(x.size()));
    }
};

class Bars3d : public AxisTest {
  protected:
    enum class XAxis { plain, reversed, logarithmic };

    // A 3-D axis system 0..10 on every axis (X reversed, or logarithmic from
    // 1 to 100, when asked), drawn by nothing but the test, seen from the
    // default view point.
    GlobalRecord &openBox(XAxis xAxis = XAxis::plain) {
        GlobalRecord &rec = open("SVG", "plot.svg");
        captureStdout([xAxis] {
            axspos(300, 1800);
            axslen(1400, 1400);
            nograf();
            switch (xAxis) {
            case XAxis::plain: graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2); break;
            case XAxis::reversed: graf3d(10, 0, 10, -2, 0, 10, 0, 2, 0, 10, 0, 2); break;
            case XAxis::logarithmic:
                axsscl("LOG", "X");
                graf3d(0, 2, 0, 1, 0, 10, 0, 2, 0, 10, 0, 2);
                break;
            }
        });
        return rec;
    }

    Events drawAndRead(const Bars &bars) {
        captureStdout([&] { bars.draw(); });
        return svgEvents(close("plot.svg"));
    }
};

// ---- Which faces, and where ------------------------------------------------------

// A view straight along one box axis, without perspective: the page shows the
// two other axes, 100 plot units per box unit round the page point (1000,
// 1000). A face in a plane across the page direction shows up as a line,
// which tells at which coordinate that face lies.
enum class Along { boxY, boxX };

void lookAlong(GlobalRecord &rec, Along along) {
    // Rows: page x, page up, depth, w.
    const float frontView[16] = {1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    const float sideView[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    const float *m = along == Along::boxY ? frontView : sideView;
    std::copy(m, m + 16, rec.view3d.xmat3d);
    rec.view3d.xprjscl = 100;
    rec.view3d.xprjcen[0] = 1000;
    rec.view3d.xprjcen[1] = 1000;
}

// A face seen along a box axis: "across <value>" when it is a plane across
// the page's horizontal direction at that box coordinate (page x), "level
// <value>" when it is a horizontal plane at that box height, else "wide".
std::string faceKind(const std::vector<float> &points, float scale) {
    float xmin = 1e9f, xmax = -1e9f, ymin = 1e9f, ymax = -1e9f;
    for (std::size_t k = 0; k + 1 < points.size(); k += 2) {
        xmin = std::min(xmin, points[k]);
        xmax = std::max(xmax, points[k]);
        ymin = std::min(ymin, points[k + 1]);
        ymax = std::max(ymax, points[k + 1]);
    }
    auto box = [](float v) { return std::round(v * 100.0f) / 100.0f; }; // to 0.01 box units
    char text[64];
    if (xmax - xmin < 0.5f * scale) {
        std::snprintf(text, sizeof text, "across %.2f", box((xmin / scale - 1000.0f) / 100.0f));
        return text;
    }
    if (ymax - ymin < 0.5f * scale) {
        std::snprintf(text, sizeof text, "level %.2f", box((1000.0f - ymin / scale) / 100.0f));
        return text;
    }
    return "wide";
}

// The faces a bar shows, as faceKind names them, from either side.
std::multiset<std::string> facesSeen(const std::string &svg, float scale) {
    std::multiset<std::string> kinds;
    for (const auto &p : svgPolygons(svg))
        kinds.insert(faceKind(p, scale));
    return kinds;
}

std::string across(float box) {
    char text[64];
    std::snprintf(text, sizeof text, "across %.2f", box);
    return text;
}
std::string level(float box) {
    char text[64];
    std::snprintf(text, sizeof text, "level %.2f", box);
    return text;
}

// One bar at (5, 5), 2 wide in x and 4 in y, from z 2 to 7, seen from each
// quadrant, from above and below, on a reversed X axis, with negative widths,
// and reaching past the limits; on a logarithmic X axis the width is one of
// exponents (a bar at 10, 0.5 wide, reaches from 10^0.75 to 10^1.25). The
// expected planes are in user values: the face at x = xb, the face at y = ya
// and the horizontal face.
TEST_F(Bars3d, TheViewerSeesTheFacesOnItsSide) {
    struct Case {
        const char *what;
        float vx, vy, vz;
        XAxis xAxis;
        float x, y, z1, z2, xw, yw;
        float planeX, planeY, planeZ;
    };
    const Case cases[] = {
        {"quadrant 1 (default side)", 6, -6, 5, XAxis::plain, 5, 5, 2, 7, 2, 4, 6, 3, 7},
        {"quadrant 2", 6, 6, 5, XAxis::plain, 5, 5, 2, 7, 2, 4, 6, 7, 7},
        {"quadrant 3", -6, 6, 5, XAxis::plain, 5, 5, 2, 7, 2, 4, 4, 7, 7},
        {"quadrant 4", -6, -6, 5, XAxis::plain, 5, 5, 2, 7, 2, 4, 4, 3, 7},
        {"from below", 6, -6, -5, XAxis::plain, 5, 5, 2, 7, 2, 4, 6, 3, 2},
        {"on the base plane counts as above", 6, -6, 0, XAxis::plain, 5, 5, 2, 7, 2, 4, 6, 3, 7},
        {"reversed X axis", 6, -6, 5, XAxis::reversed, 5, 5, 2, 7, 2, 4, 4, 3, 7},
        {"negative widths", 6, -6, 5, XAxis::plain, 5, 5, 2, 7, -2, -4, 6, 3, 7},
        {"past the limits", 6, -6, 5, XAxis::plain, 9, 1, -3, 14, 6, 6, 10, 0, 10},
        {"below the limits from below", 6, -6, -5, XAxis::plain, 9, 1, -3, 14, 6, 6, 10, 0, 0},
        {"logarithmic X axis", 6, -6, 5, XAxis::logarithmic, 10, 5, 2, 7, 0.5f, 4, 17.782795f, 3,
         7},
        {"logarithmic X axis, seen from x < 0", -6, -6, 5, XAxis::logarithmic, 10, 5, 2, 7, 0.5f, 4,
         5.6234133f, 3, 7},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        for (const Along along : {Along::boxY, Along::boxX}) {
            GlobalRecord &rec = openBox(c.xAxis);
            rec.view3d.xview3d[0] = c.vx;
            rec.view3d.xview3d[1] = c.vy;
            rec.view3d.xview3d[2] = c.vz;
            lookAlong(rec, along);
            const float scale = rec.page.xdevscl;
            Bars bars;
            bars.add(c.x, c.y, c.z1, c.z2, c.xw, c.yw, kRed);
            captureStdout([&] { bars.draw(); });
            float bx = 0, by = 0, bz = 0;
            qqpos3(rec, c.planeX, c.planeY, c.planeZ, bx, by, bz);
            const std::multiset<std::string> seen = facesSeen(close("plot.svg"), scale);
            // Along box y the face at x = xb is a line across, the face at
            // y = ya a rectangle; along box x the other way round.
            const std::multiset<std::string> want = {along == Along::boxY ? across(bx) : across(by),
                                                     "wide", level(bz)};
            EXPECT_EQ(seen, want) << (along == Along::boxY ? "along box y" : "along box x");
        }
    }
}

// ---- Order, colours and outline ----------------------------------------------------

// Bars given near, far, middle are painted far, middle, near, each box as a
// whole: three fills in its colour, each outlined in the border colour
// (barbor, or the foreground colour for -1). Colour -1 is the current colour.
TEST_F(Bars3d, WholeBoxesArePaintedFromTheBackAndOutlined) {
    constexpr int kMagenta = 0x1ff00ff;
    struct Case {
        const char *what;
        int border;
        int nearColour;
        std::string outline;
    };
    const Case cases[] = {
        {"border colour set", kBlue, kRed, stroke(kBlue)},
        {"border -1: the foreground", -1, kRed, "stroke 0 0 0"},
        {"bar colour -1: the current colour", kBlue, -1, stroke(kBlue)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openBox();
        captureStdout([&] {
            barbor(c.border);
            setrgb(1.0f, 0.0f, 1.0f);
        });
        Bars bars;
        // The default view looks from x > 0, y < 0: the bar at small y and
        // large x is the nearest.
        bars.add(8, 2, 0, 5, 1, 1, c.nearColour);
        bars.add(2, 8, 0, 5, 1, 1, kGreen);
        bars.add(5, 5, 0, 5, 1, 1, kBlue);
        const Events got = drawAndRead(bars);
        const int nearFill = c.nearColour == -1 ? kMagenta : c.nearColour;
        Events want;
        for (const int colour : {kGreen, kBlue, nearFill})
            for (int face = 0; face < 3; ++face) {
                want.push_back(fill(colour));
                want.push_back(c.outline);
            }
        EXPECT_EQ(got, want);
    }
}

// ---- Bars outside the limits -------------------------------------------------------

// A bar placed outside the x or y limits ends the graph: the bars before it
// are drawn, it and all after it are not.
TEST_F(Bars3d, ABarOutsideTheLimitsEndsTheGraph) {
    struct Case {
        const char *what;
        float x, y;
    };
    const Case cases[] = {
        {"y above the limits", 5, 10.5f},
        {"y below the limits", 5, -0.5f},
        {"x above the limits", 11, 5},
        {"x not a number", NAN, 5},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openBox();
        captureStdout([] { barbor(kBlue); });
        Bars bars;
        bars.add(2, 8, 0, 5, 1, 1, kRed);
        bars.add(c.x, c.y, 0, 5, 1, 1, kGreen);
        bars.add(8, 2, 0, 5, 1, 1, kBlue);
        const Events got = drawAndRead(bars);
        EXPECT_EQ(std::count(got.begin(), got.end(), fill(kRed)), 3);
        EXPECT_EQ(got.size(), 6u); // nothing in green or blue
    }
}

// ---- Legend and state ---------------------------------------------------------------

// One legend entry per colour value, numbered in order of first use, each
// with the solid pattern; -1 is entered as the current colour. The legend
// holds 30 entries: more colours than that leave the rest out.
TEST_F(Bars3d, OneLegendEntryPerColour) {
    struct Case {
        const char *what;
        std::vector<int> colours;
        std::vector<int> entries;
    };
    std::vector<int> many, first30;
    for (int i = 0; i < 40; ++i)
        many.push_back(i + 1);
    for (int i = 0; i < 30; ++i)
        first30.push_back(i + 1);
    const Case cases[] = {
        {"3, 5, 3", {3, 5, 3}, {3, 5}},
        {"current colour", {-1, 4, -1, 4}, {kRed, 4}},
        {"more colours than entries", many, first30},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = openBox();
        captureStdout([] { setrgb(1.0f, 0.0f, 0.0f); });
        Bars bars;
        for (const int colour : c.colours)
            bars.add(5, 5, 0, 5, 1, 1, colour);
        captureStdout([&] { bars.draw(); });
        const LegendState &l = rec.legend;
        ASSERT_EQ(l.nlegcrv, int(c.entries.size()));
        for (std::size_t k = 0; k < c.entries.size(); ++k) {
            EXPECT_EQ(l.nlegclr[k], c.entries[k]) << k;
            EXPECT_EQ(l.nlegpat[k], 16) << k;
        }
        close("plot.svg");
    }
}

// The surface mesh flag, colour and pattern are given back, the pattern with
// its own hatch spacing; the legend's shading flag stays set.
TEST_F(Bars3d, GivesBackWhatItChanges) {
    GlobalRecord &rec = openBox();
    captureStdout([] {
        surmsh("OFF");
        shdpat(3);
        setclr(7);
    });
    const float spacing = rec.fill.xsurscl;
    Bars bars;
    bars.add(5, 5, 0, 5, 1, 1, kRed);
    captureStdout([&] { bars.draw(); });
    EXPECT_EQ(rec.surface.isurmsh, 0);
    EXPECT_EQ(rec.fill.nshdpat, 3);
    EXPECT_EQ(rec.colour.ncolor, 7);
    EXPECT_EQ(rec.dsort.pdsort, nullptr);
    EXPECT_EQ(rec.fill.xsurscl, spacing);
    EXPECT_EQ(rec.curve.ilegpat, 1);
    close("plot.svg");
}

// ---- Refusals -------------------------------------------------------------------------

// Each refusal prints its warning and draws nothing.
TEST_F(Bars3d, RefusalsWarnAndDrawNothing) {
    enum class Setup { level1, colourBarAxes, box, logZ };
    struct Case {
        const char *what;
        Setup setup;
        int n;
        bool nullArray;
        float z1;
        std::string warning;
    };
    const Case cases[] = {
        {"level 1", Setup::level1, 1, false, 1,
         " <<<< Warning   3: Incorrect level in bars3d!   (   1)\n"},
        {"axis system with a colour bar", Setup::colourBarAxes, 1, false, 1,
         " <<<< Warning  35: Confusion of graf3d and graf3 in bars3d!\n"},
        {"no bars", Setup::box, 0, false, 1,
         " <<<< Warning   2: Incorrect parameter in bars3d!   (   0)\n"},
        {"negative count", Setup::box, -4, false, 1,
         " <<<< Warning   2: Incorrect parameter in bars3d!   (  -4)\n"},
        {"no array", Setup::box, 1, true, 1, " <<<< Warning   2: Incorrect parameter in bars3d!\n"},
        {"zero on a logarithmic Z axis", Setup::logZ, 1, false, 0,
         " <<<< Warning  27: Non positive values for log scaling in bars3d!\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = open("SVG", "plot.svg");
        captureStdout([&] {
            barbor(kBlue);
            switch (c.setup) {
            case Setup::level1: break;
            case Setup::colourBarAxes:
                nograf();
                graf3(0, 10, 0, 2, 0, 10, 0, 2, 0, 10, 0, 2);
                break;
            case Setup::box:
            case Setup::logZ:
                axspos(300, 1800);
                axslen(1400, 1400);
                nograf();
                if (c.setup == Setup::logZ) axsscl("LOG", "Z");
                graf3d(0, 10, 0, 2, 0, 10, 0, 2, 0, 2, 0, 1);
                break;
            }
        });
        const int colour = rec.colour.ncolor;
        const float x = 5, y = 5, z2 = 5, w = 1;
        const int ic = kRed;
        const std::string out = captureStdout(
            [&] { bars3d(&x, &y, &c.z1, &z2, &w, c.nullArray ? nullptr : &w, &ic, c.n); });
        EXPECT_EQ(out, c.warning);
        EXPECT_EQ(rec.colour.ncolor, colour);
        EXPECT_EQ(rec.dsort.pdsort, nullptr);
        EXPECT_EQ(svgEvents(close("plot.svg")), Events{});
    }
}

} // namespace
