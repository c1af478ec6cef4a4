// Frames: dframe's rings in software and straight into the memory raster,
// and the frames that user shields get, on rendered pixels.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/raster_pixels.h"
#include "kernel/dispatch.h"
#include "tests/kernel/pen_trace.h"
#include "tests/kernel/rendered_plot.h"

namespace {

using Frames = RenderedPlot;
using Trace = std::vector<std::string>;

// The corners of a ring as a trace: move to the first, draw round and back.
Trace ring(int x1, int y1, int x2, int y2) {
    auto at = [](const char *op, int x, int y) {
        return std::string(op) + " " + std::to_string(x) + " " + std::to_string(y);
    };
    return {at("M", x1, y1), at("D", x2, y1), at("D", x2, y2), at("D", x1, y2), at("D", x1, y1)};
}

Trace joined(std::initializer_list<Trace> parts) {
    Trace all;
    for (const Trace &t : parts)
        all.insert(all.end(), t.begin(), t.end());
    return all;
}

TEST_F(Frames, RingsGrowOutwardsOrInwardsAndTurnAboutTheCorner) {
    {
        GlobalRecord &rec = open();
        origin(10, 20);
        dframe(rec, 90, 80, 200, 100, 3, 0.0f);
        dframe(rec, 90, 280, 200, 100, -2, 0.0f);
        dframe(rec, 90, 480, 200, 100, 0, 0.0f); // nothing
        EXPECT_EQ(pensOnly(penTrace(close(), rec)),
                  joined({ring(100, 100, 299, 199), ring(99, 99, 300, 200), ring(98, 98, 301, 201),
                          ring(100, 300, 299, 399), ring(101, 301, 298, 398)}));
    }
    {
        // A quarter turn counter-clockwise about (x, y): the frame stands up.
        GlobalRecord &rec = open();
        dframe(rec, 100, 500, 100, 50, 1, 90.0f);
        EXPECT_EQ(pensOnly(penTrace(close(), rec)),
                  (Trace{"M 100 500", "D 100 401", "D 149 401", "D 149 500", "D 100 500"}));
    }
    {
        // One ring per base unit of the thickness: 2 inches thick, 5 rings.
        captureStdout([] { units("INCH"); });
        GlobalRecord &rec = open();
        dframe(rec, 100, 100, 50, 50, 2, 0.0f);
        EXPECT_EQ(pensOnly(penTrace(close(), rec)).size(), 25u);
    }
}

TEST_F(Frames, TheFrameColourIsSetAndTakenBack) {
    GlobalRecord &rec = open();
    setclr(4);
    rec.frame.nfrmclr = 9;
    dframe(rec, 100, 100, 50, 50, 1, 0.0f);
    const Trace trace = penTrace(close(), rec);
    ASSERT_EQ(trace.size(), 8u);
    EXPECT_EQ(trace[1], "C 9");
    EXPECT_EQ(trace[7], "C 4");
}

TEST_F(Frames, TheMemoryRasterTakesRingsOnePixelApart) {
    GlobalRecord &rec = open("VIRT", "plot.out");
    setclr(5);
    dframe(rec, 1000, 1000, 300, 200, 10, 0.0f);
    EXPECT_EQ(rec.core.nvector, 0); // straight into the raster
    // Ten plot units are three pixels here: rows just above the top edge.
    const DevicePoint corner = toDevice(rec, 1000.0f, 1000.0f);
    const int x = int(corner.x) + 20, top = int(corner.y);
    std::string column;
    for (int y = top - 4; y <= top + 1; ++y)
        column += qqvrpx(rec, x, y, 0) == 5 ? '#' : '.';
    EXPECT_EQ(column, "..###.");
    // Turned, the frame goes through the pipeline.
    dframe(rec, 1000, 1500, 300, 200, 10, 30.0f);
    EXPECT_GT(rec.core.nvector, 0);
    close();
}

// Each user shield gets a frame of thickness nframe; lines drawn after it stop
// at the frame.
TEST_F(Frames, UserShieldsAreFramedAndLinesStopAtTheFrame) {
    struct Case {
        const char *shape;
        void (*define)();
        int lineY; // a line across the page at this y after the shield
        int x, y;  // reference point of the probes
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        {"circle",
         [] { shlcir(500, 400, 100); },
         400,
         500,
         400,
         {{0, -100, true},
          {71, 71, true},
          {0, 0, false},
          {-90, 0, false},
          {-100, 0, true},
          {-150, 0, true},
          {150, 0, true}}},
        // Turned 30 degrees counter-clockwise, as the shield is.
        {"turned ellipse",
         [] { shlell(1200, 400, 200, 80, 30.0f); },
         400,
         1200,
         400,
         {{173, -100, true},
          {-173, 100, true},
          {0, 0, false},
          {100, 0, false},
          {173, 100, false},
          {-250, 0, true},
          {250, 0, true}}},
        {"pie",
         [] { shlpie(2000, 400, 150, 0.0f, 90.0f); },
         350,
         2000,
         400,
         {{106, -106, true},
          {75, 0, true},
          {0, -75, true},
          {70, -50, false},
          {-50, -50, true},
          {160, -50, true},
          {-75, 0, false}}},
        {"turned rectangle",
         [] { shlrct(400, 900, 300, 100, 30.0f); },
         868,
         400,
         900,
         {{130, -75, true}, {25, 43, true}, {154, -32, false}, {-50, -32, true}, {130, 75, false}}},
        {"polygon",
         [] {
             const int x[] = {1100, 1400, 1250}, y[] = {800, 800, 1000};
             shlpol(x, y, 3);
         },
         900,
         1250,
         900,
         {{0, -100, true}, {-75, 0, true}, {0, 0, false}, {-150, 0, true}}},
        {"rectangle",
         [] { shlrec(1800, 800, 200, 100); },
         850,
         1800,
         800,
         {{100, 0, true}, {0, 50, true}, {199, 50, true}, {100, 50, false}, {-50, 50, true}}},
    };
    for (const Case &c : cases) {
        openHpgl();
        c.define();
        line(0, c.lineY, 2900, c.lineY);
        EXPECT_EQ(mismatches(render(), c.x, c.y, c.probes), "") << c.shape;
    }
}

TEST_F(Frames, ThickShieldFramesAndTheirExceptions) {
    {
        // Three rings outwards from a rectangle. A polygon's outlines lie at
        // offsets 0, 1, .. to the right of its edges, negated for a negative
        // thickness: outside this polygon, which runs clockwise on the page.
        GlobalRecord &rec = open();
        rec.frame.nframe = 3;
        shlrec(100, 100, 200, 100);
        const int x[] = {500, 700, 700, 500}, y[] = {100, 100, 300, 300};
        rec.frame.nframe = -2;
        shlpol(x, y, 4);
        const Trace trace = pensOnly(penTrace(close(), rec));
        EXPECT_EQ(trace,
                  joined({ring(100, 100, 299, 199), ring(99, 99, 300, 200), ring(98, 98, 301, 201),
                          ring(500, 100, 700, 300), ring(499, 99, 701, 301)}));
    }
    {
        // No frame with thickness 0, nor round shields of the automatic
        // classes; a base transformation does not move the frame, and is in
        // force again afterwards.
        GlobalRecord &rec = open();
        rec.frame.nframe = 0;
        shlrec(100, 100, 200, 100);
        rec.frame.nframe = 1;
        rec.shield.ishlcls = 2;
        shlcir(1000, 1000, 50);
        rec.shield.ishlcls = 0;
        trfshf(50, 0);
        shlrec(1200, 100, 100, 100);
        EXPECT_EQ(rec.trf.itrfon, 1);
        line(1200, 500, 1300, 500);
        EXPECT_EQ(pensOnly(penTrace(close(), rec)),
                  joined({ring(1200, 100, 1299, 199), {"M 1250 500", "D 1350 500"}}));
    }
}

} // namespace
