// Single axes outside axis systems: where xaxis, yaxis and their logarithmic
// forms draw (HPGL pen records), the colour bars of zaxis (PPM pixels), their
// refusals, and the pen of xmove and xdraw.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "kernel/colour.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

using Draw = std::function<void()>;

// The text of warning n as the message stream prints it.
std::string warning(int n) {
    char head[32];
    std::snprintf(head, sizeof head, "Warning %3d:", n);
    return head;
}

class SingleAxes : public AxisTest {
  protected:
    // Draws on an HPGL page (2969 x 2099 plot units) and returns the segments and the
    // protocol.
    std::multiset<Segment> drawn(const Draw &draw, std::string &out, bool bottomOrigin = false) {
        openHpgl();
        out = captureStdout([&] {
            if (bottomOrigin) pagorg("BOTT");
            draw();
        });
        return segmentsOf(closeHpgl());
    }
};

// Each axis lies where its start point and length put it, and everything else
// it draws (ticks, labels, name) lies on the side that the side flag chooses.
TEST_F(SingleAxes, AxesLieAtTheirStartAndDrawOnTheChosenSide) {
    enum Side { below, above, right, left };
    struct Case {
        const char *what;
        Draw draw;
        bool bottomOrigin;
        Segment line;
        Side side;
    } cases[] = {
        {"xaxis below", [] { xaxis(0, 10, 0, 2, 1000, "X", 0, 200, 1500); }, false,
         segment(200, 1500, 1199, 1500), below},
        {"xaxis above", [] { xaxis(0, 10, 0, 2, 1000, "X", 1, 200, 1500); }, false,
         segment(200, 1500, 1199, 1500), above},
        {"xaxlg below", [] { xaxlg(0, 3, 0, 1, 901, "X", 0, 300, 1000); }, false,
         segment(300, 1000, 1200, 1000), below},
        {"yaxis right", [] { yaxis(0, 10, 0, 2, 1000, "Y", 0, 200, 1500); }, false,
         segment(200, 501, 200, 1500), right},
        {"yaxlg left", [] { yaxlg(-1, 2, -1, 1, 601, "Y", 1, 800, 1500); }, false,
         segment(800, 900, 800, 1500), left},
        // From the bottom of the page, 599 units up is 1500 down from the top.
        {"xaxis from the bottom", [] { xaxis(0, 10, 0, 2, 1000, "X", 0, 200, 599); }, true,
         segment(200, 1500, 1199, 1500), below},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        const std::multiset<Segment> segments = drawn(c.draw, out, c.bottomOrigin);
        EXPECT_EQ(out, "");
        EXPECT_EQ(segments.count(c.line), 1u);
        ASSERT_GT(segments.size(), 12u); // ticks and label strokes besides the line
        float reach = 0;
        for (const Segment &s : segments) {
            float out1 = 0, out2 = 0; // distance of each end beyond the axis on the chosen side
            switch (c.side) {
            case below: out1 = s.y1 - c.line.y1, out2 = s.y2 - c.line.y1; break;
            case above: out1 = c.line.y1 - s.y1, out2 = c.line.y1 - s.y2; break;
            case right: out1 = s.x1 - c.line.x1, out2 = s.x2 - c.line.x1; break;
            case left: out1 = c.line.x1 - s.x1, out2 = c.line.x1 - s.x2; break;
            }
            EXPECT_GE(std::min(out1, out2), 0) << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2;
            reach = std::max({reach, out1, out2});
        }
        EXPECT_GT(reach, 60); // labels and name lie beyond the ticks
    }
}

// A logarithmic axis puts its labelled ticks on whole decades and its minor
// ticks at the logarithms of 2 .. 9 in between.
TEST_F(SingleAxes, LogarithmicAxisTicksSitOnDecades) {
    std::string out;
    const std::multiset<Segment> segments =
        drawn([] { xaxlg(0, 3, 0, 1, 901, "", 0, 300, 1000); }, out);
    EXPECT_EQ(out, "");
    auto tickAt = [&](float x) {
        return std::any_of(segments.begin(), segments.end(), [x](const Segment &s) {
            return std::fabs(s.x1 - x) <= 1 && s.x1 == s.x2 && std::min(s.y1, s.y2) == 1000;
        });
    };
    for (int decade = 0; decade <= 3; ++decade)
        EXPECT_TRUE(tickAt(300 + 300 * decade)) << decade;
    EXPECT_TRUE(tickAt(300 + 300 * std::log10(2.0f)));
    EXPECT_TRUE(tickAt(300 + 300 * std::log10(5.0f)));
    EXPECT_FALSE(tickAt(300 + 150)); // no linear ticks half way
}

// Unusable axes warn and draw nothing; start points off the page warn and
// draw all the same.
TEST_F(SingleAxes, RefusedAxesAndStartsOffThePage) {
    struct Case {
        const char *what;
        Draw draw;
        bool bottomOrigin;
        int warning;
        bool drawsAnything;
    } cases[] = {
        {"equal ends", [] { yaxis(5, 5, 5, 1, 1000, "Y", 0, 200, 1500); }, false, 10, false},
        {"no step", [] { xaxis(0, 10, 0, 0, 1000, "X", 0, 200, 1500); }, false, 9, false},
        {"no length", [] { zaxis(0, 10, 0, 2, 1, "Z", 0, 0, 200, 1500); }, false, 11, false},
        {"no length, log", [] { xaxlg(0, 2, 0, 1, 0, "X", 0, 200, 1500); }, false, 11, false},
        {"x left of the page", [] { xaxis(0, 10, 0, 2, 1000, "X", 0, -10, 1500); }, false, 4, true},
        {"y above the page", [] { yaxis(0, 10, 0, 2, 500, "Y", 0, 200, -5); }, false, 5, true},
        // 2100 units up from the bottom is just above the top of the page;
        // ticks and labels below the axis reach onto it.
        {"y above, from the bottom", [] { xaxlg(0, 2, 0, 1, 500, "X", 0, 200, 2100); }, true, 5,
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string out;
        const std::multiset<Segment> segments = drawn(c.draw, out, c.bottomOrigin);
        EXPECT_NE(out.find(warning(c.warning)), std::string::npos) << out;
        EXPECT_EQ(!segments.empty(), c.drawsAnything);
    }
}

TEST_F(SingleAxes, NeedAnOpenPlot) {
    const std::string out = captureStdout([] {
        xaxis(0, 10, 0, 2, 1000, "X", 0, 200, 1500);
        zaxlg(0, 2, 0, 1, 1000, "Z", 0, 0, 200, 1500);
        xdraw(10, 10);
    });
    for (const char *name : {"xaxis", "zaxlg", "xdraw"})
        EXPECT_NE(out.find(std::string("Incorrect level in ") + name), std::string::npos) << out;
}

// The pen of xmove and xdraw: y truncated, and measured from the bottom when
// the page origin is there.
TEST_F(SingleAxes, MoveAndDrawInPlotCoordinates) {
    struct Case {
        bool bottomOrigin;
        Segment expected;
    } cases[] = {
        {false, segment(100, 600, 900, 600)},
        {true, segment(100, 1498, 900, 1499)}, // 2099 - 600.5 and 2099 - 600
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.bottomOrigin);
        std::string out;
        const std::multiset<Segment> segments = drawn(
            [] {
                xmove(100, 600.5f);
                xdraw(900, 600);
            },
            out, c.bottomOrigin);
        EXPECT_EQ(out, "");
        EXPECT_EQ(segments, std::multiset<Segment>{c.expected});
    }
}

// ---- Colour bars ------------------------------------------------------------

class ColourBars : public AxisTest {
  protected:
    struct Rgb {
        int r, g, b;
        bool operator==(const Rgb &) const = default;
    };
    static Rgb colourOf(const GlobalRecord &rec, int colour) {
        float r, g, b;
        qqgrgb(rec, colour, r, g, b);
        return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
    }
    static Rgb pixel(const RgbImage &image, float scale, float x, float y) {
        const unsigned char *p = image.at(int(x * scale), int(y * scale));
        return {p[0], p[1], p[2]};
    }
    // Whether anything but the background is drawn in the plot rectangle
    // x1..x2, y1..y2.
    static bool inked(const RgbImage &image, float scale, float x1, float y1, float x2, float y2) {
        const Rgb background = pixel(image, scale, 5, 5);
        for (int y = int(y1 * scale); y <= int(y2 * scale); ++y)
            for (int x = int(x1 * scale); x <= int(x2 * scale); ++x) {
                const unsigned char *p = image.at(x, y);
                if (!(Rgb{p[0], p[1], p[2]} == background)) return true;
            }
        return false;
    }
};

// A vertical bar runs upwards from its start point through the colour range
// (ten colours here),
// a horizontal one to the right; the axis and its labels lie on the side that
// the side flag chooses.
TEST_F(ColourBars, BarsRunThroughTheColourRangeFromTheirStart) {
    struct Case {
        const char *what;
        Draw draw;
        float firstX, firstY, lastX, lastY;   // inside the first and last colour's box
        float inkX1, inkY1, inkX2, inkY2;     // where the labels must be
        float bareX1, bareY1, bareX2, bareY2; // and where nothing may be
    } cases[] = {
        // Bar 85 wide on x 300..384, y 501..1500.
        {"vertical, axis right", [] { zaxis(0, 10, 0, 2, 1000, "", 0, 0, 300, 1500); }, 340, 1450,
         340, 550, 400, 520, 600, 1480, 100, 520, 290, 1480},
        {"vertical, axis left", [] { zaxis(0, 10, 0, 2, 1000, "", 1, 0, 300, 1500); }, 340, 1450,
         340, 550, 100, 520, 290, 1480, 400, 520, 600, 1480},
        // Bar on x 300..1299, y 1416..1500.
        {"horizontal, axis below", [] { zaxis(0, 10, 0, 2, 1000, "", 0, 1, 300, 1500); }, 350, 1450,
         1250, 1450, 320, 1510, 1280, 1700, 320, 1200, 1280, 1400},
        {"horizontal, log, axis above", [] { zaxlg(0, 2, 0, 1, 1000, "", 1, 1, 300, 1500); }, 350,
         1450, 1250, 1450, 320, 1200, 1280, 1400, 320, 1510, 1280, 1700},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GlobalRecord &rec = open("PPM", "plot.ppm");
        EXPECT_EQ(captureStdout([&c] {
                      colran(1, 10); // boxes of 100 plot units
                      c.draw();
                  }),
                  "");
        const float scale = rec.page.xdevscl;
        const Rgb first = colourOf(rec, rec.colour.nclrran[0]);
        const Rgb last = colourOf(rec, rec.colour.nclrran[1]);
        close("plot.ppm");
        const RgbImage image = readPpm(dir.file("plot.ppm"));
        ASSERT_TRUE(image.valid());
        EXPECT_EQ(pixel(image, scale, c.firstX, c.firstY), first);
        EXPECT_EQ(pixel(image, scale, c.lastX, c.lastY), last);
        EXPECT_TRUE(inked(image, scale, c.inkX1, c.inkY1, c.inkX2, c.inkY2));
        EXPECT_FALSE(inked(image, scale, c.bareX1, c.bareY1, c.bareX2, c.bareY2));
    }
}

} // namespace
