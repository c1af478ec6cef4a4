// The vector logo: where it lies on the page, its colours, its fill and
// angle, and the checks of its settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/raster_pixels.h"
#include "kernel/dispatch.h"
#include "tests/kernel/rendered_plot.h"

namespace {

using Logo = RenderedPlot;

struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    int count = 0;
};

// Where ink lies on the page, leaving out the page border.
Box inkBox(const HpglRaster &raster, int width, int height) {
    Box box;
    for (int y = 4; y <= height - 4; ++y)
        for (int x = 4; x <= width - 4; ++x)
            if (raster.ink(x, y)) {
                box.x1 = std::min(box.x1, x);
                box.y1 = std::min(box.y1, y);
                box.x2 = std::max(box.x2, x);
                box.y2 = std::max(box.y2, y);
                ++box.count;
            }
    return box;
}

TEST_F(Logo, DrawnInsideItsSquareAtEachCorner) {
    // The emblem spans grid units 6..50 across and 3..47 down of the 52 of
    // the square: 35..289 and 17..272 of a square of 300.
    struct Case {
        int corner;
        int left, top;
    };
    const Case cases[] = {{1, 0, 1800}, {2, 2670, 1800}, {3, 2670, 0}, {4, 0, 0}};
    for (const Case &c : cases) {
        GlobalRecord &rec = openHpgl();
        qlgclr(0, 1); // no background: the emblem alone
        qornpl(c.corner);
        const int width = rec.page.nxpage, height = rec.page.nypage;
        const Box box = inkBox(render(), width, height);
        EXPECT_NEAR(box.x1, c.left + 35, 3) << c.corner;
        EXPECT_NEAR(box.x2, c.left + 289, 3) << c.corner;
        EXPECT_NEAR(box.y1, c.top + 17, 3) << c.corner;
        EXPECT_NEAR(box.y2, c.top + 272, 3) << c.corner;
    }
}

TEST_F(Logo, NofillLeavesTheOutlinesOfTheEmblem) {
    GlobalRecord &rec = openHpgl();
    qlgclr(0, 1);
    qornpl(4);
    const int filled = inkBox(render(), rec.page.nxpage, rec.page.nypage).count;
    GlobalRecord &again = openHpgl();
    qlgclr(0, 1);
    nofill();
    qornpl(4);
    const int outlined = inkBox(render(), again.page.nxpage, again.page.nypage).count;
    EXPECT_GT(outlined, 2000);
    EXPECT_GT(filled, 2 * outlined);
}

TEST_F(Logo, PlacedTurnedAndShiftedAtAPosition) {
    // Grid points of the logo at (1000, 500) plus the origin shift; a grid
    // unit is 300 / 52 plot units.
    auto at = [](int gx, int gy, bool ink) { return Probe{gx * 300 / 52, gy * 300 / 52, ink}; };
    struct Case {
        int angle;
        std::vector<Probe> probes;
    };
    const Case cases[] = {
        // The lower band, and nothing above the markers.
        {0, {at(20, 45, true), at(45, 26, true), at(26, 8, false)}},
        // A quarter turn counter-clockwise: the bands stand at the right.
        {90, {at(45, 26, true), at(26, 8, true), at(20, 45, false)}},
    };
    for (const Case &c : cases) {
        openHpgl();
        origin(20, 10);
        qlgclr(0, 1);
        qlgpos(1000, 500);
        qlgang(c.angle);
        qornpl(7); // the corner does not count once a position is given
        EXPECT_EQ(mismatches(render(), 1020, 510, c.probes), "") << c.angle;
    }
}

TEST_F(Logo, ColoursOfTheTables) {
    // Yellow square and green emblem, or on the small table no square and
    // the emblem in colour 1.
    struct Case {
        const char *table;
        int background, emblem; // 0x01BBGGRR
    };
    const Case cases[] = {{"RAIN", 0x0100FFFF, 0x0100FF00}, {"SMAL", 0x01000000, 0x01FFFFFF}};
    for (const Case &c : cases) {
        GlobalRecord &rec = open("VIRT", "plot.out");
        setvlt(c.table);
        setclr(7);
        qornpl(4);
        EXPECT_EQ(rec.colour.ncolor, 7) << c.table; // the colour in force comes back
        auto pixel = [&](int gx, int gy) {
            const DevicePoint p = toDevice(rec, float(gx * 300 / 52), float(gy * 300 / 52));
            return qqvrpx(rec, int(p.x), int(p.y), kPixelValuesRgb);
        };
        EXPECT_EQ(pixel(3, 3), c.background) << c.table;
        EXPECT_EQ(pixel(26, 5), c.background) << c.table;
        EXPECT_EQ(pixel(26, 45), c.emblem) << c.table; // the lower band
        EXPECT_EQ(pixel(11, 26), c.emblem) << c.table; // the pentagon
        close();
    }
}

TEST_F(Logo, TableColoursWithinTheEndsOfTheTable) {
    // colqlg takes colours within the two ends of the table in use: 0..9 for
    // SMAL, 0..255 for the others, reversed ends included.
    struct Case {
        const char *table, *mode;
        int background, emblem;
        bool taken;
    };
    const Case cases[] = {{"SMAL", "NORM", 0, 9, true},
                          {"SMAL", "NORM", 2, 10, false},
                          {"RAIN", "NORM", 10, 250, true},
                          {"RAIN", "REVE", 255, 0, true},
                          {"RAIN", "REVE", -1, 3, false}};
    for (const Case &c : cases) {
        currentRecord().page.iscrmod = std::string(c.mode) == "REVE" ? 2 : 0; // scrmod
        GlobalRecord &rec = open("VIRT", "plot.out");
        setvlt(c.table);
        const std::string out = captureStdout([&] { colqlg(c.background, c.emblem); });
        EXPECT_EQ(rec.logo.iqlgclr, c.taken ? 1 : 0) << c.table << " " << c.mode;
        EXPECT_EQ(out.find("Warning   2: Incorrect parameter in colqlg!") != std::string::npos,
                  !c.taken)
            << out;
        if (c.taken) {
            EXPECT_EQ(rec.logo.nqlgclr[0], c.background);
            EXPECT_EQ(rec.logo.nqlgclr[1], c.emblem);
        }
        close();
    }
}

TEST_F(Logo, QlgcorPlacesTheLogoLikeQlgpos) {
    std::vector<int> inks;
    for (const bool cor : {false, true}) {
        GlobalRecord &rec = openHpgl();
        qlgclr(0, 1);
        if (cor)
            qlgcor(1000, 500);
        else
            qlgpos(1000, 500);
        EXPECT_EQ(rec.logo.iqlgcor, 0);
        qornpl(1);
        const Box box = inkBox(render(), rec.page.nxpage, rec.page.nypage);
        inks.insert(inks.end(), {box.x1, box.y1, box.x2, box.y2, box.count});
    }
    EXPECT_EQ(std::vector<int>(inks.begin(), inks.begin() + 5),
              std::vector<int>(inks.begin() + 5, inks.end()));
    EXPECT_NEAR(inks[0], 1000 + 35, 3);
    EXPECT_NEAR(inks[1], 500 + 17, 3);
}

TEST_F(Logo, BadSettingsChangeNothing) {
    GlobalRecord &rec = open();
    EXPECT_EQ(captureStdout([] { qornpl(5); }),
              " <<<< Warning   2: Incorrect parameter in qornpl!   (   5)\n");
    EXPECT_EQ(rec.core.nvector, 0);
    EXPECT_EQ(captureStdout([] { qlgsiz(0); }),
              " <<<< Warning   2: Incorrect parameter in qlgsiz!   (   0)\n");
    EXPECT_EQ(rec.logo.nqlgsiz, 300);
    EXPECT_EQ(captureStdout([] { qlgclr(256, -1); }),
              " <<<< Warning   2: Incorrect parameter in qlgclr!   ( 256)\n"
              " <<<< Warning   2: Incorrect parameter in qlgclr!   (  -1)\n");
    EXPECT_EQ(rec.logo.iqlgclr, 0);
    close();
    // Before kavini the setters warn, but store.
    EXPECT_EQ(captureStdout([] { qlgang(15); }),
              " <<<< Warning   3: Incorrect level in qlgang!   (   0)\n");
    EXPECT_EQ(rec.logo.nqlgang, 15);
}

} // namespace
