// The memory raster: page creation, lines, rectangles, symbols, triangles and colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>

#include "kernel/colour_value.h"
#include "tests/devices/raster_fixture.h"

namespace {

using Rows = std::vector<std::string>;

TEST_F(RasterTest, NewPagesAreClearedByKindAndBackground) {
    struct Case {
        bool rgb;
        int bg;
        std::uint8_t fill;
        int bytes;
    };
    for (const Case c : {Case{false, 0, 0, 9}, Case{false, 2, 0, 9}, Case{true, 0, 0, 27},
                         Case{true, 2, 255, 27}}) {
        GlobalRecord &rec = makeRaster(3, 3, c.rgb, c.bg);
        const std::uint8_t *page = qqvptr(rec);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(driver().nrowbytes * driver().nheight, c.bytes);
        EXPECT_TRUE(std::all_of(page, page + c.bytes, [&](std::uint8_t b) { return b == c.fill; }))
            << "rgb " << c.rgb << " background " << c.bg;
        qqvfin(rec);
    }
}

TEST_F(RasterTest, ThePageOfTheLastPlotIsClearedWhenItIsTakenAgain) {
    // A plot's page is kept for the next plot of its size: that page starts
    // as clear as a new one, whatever the last plot drew, of the same kind or
    // another kind of the same byte count (5 x 4 RGB, 15 x 4 colour numbers).
    struct Case {
        int w, h;
        bool rgb;
        int bg;
        std::uint8_t fill;
    };
    for (const Case c :
         {Case{5, 4, false, 0, 0}, Case{5, 4, false, 0, 0}, Case{5, 4, true, 2, 255},
          Case{15, 4, false, 0, 0}, Case{5, 4, true, 2, 255}, Case{5, 4, true, 0, 0}}) {
        GlobalRecord &rec = makeRaster(c.w, c.h, c.rgb, c.bg);
        const std::uint8_t *page = qqvptr(rec);
        ASSERT_NE(page, nullptr);
        const int bytes = driver().nrowbytes * driver().nheight;
        EXPECT_TRUE(std::all_of(page, page + bytes, [&](std::uint8_t b) { return b == c.fill; }))
            << c.w << " x " << c.h << " rgb " << c.rgb << " background " << c.bg;
        qqvclr(rec, 7);
        for (int y = 0; y < c.h; ++y)
            qqvlin(rec, 0, y, c.w - 1, y); // every pixel drawn
        qqvfin(rec);
        EXPECT_EQ(qqvptr(rec), nullptr);
    }
}

TEST_F(RasterTest, SizeFollowsThePageWhenNotGiven) {
    GlobalRecord &rec = currentRecord();
    struct Case {
        int pageW, pageH, width, height;
    };
    for (const Case c :
         {Case{2969, 2099, 853, 603}, Case{2099, 2969, 603, 853}, Case{100, 100, 603, 853}}) {
        int w = 0, h = 0, status = -1;
        qqvini(rec, c.pageW, c.pageH, w, h, 0, 0, 0, status);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(w, c.width);
        EXPECT_EQ(h, c.height);
        EXPECT_EQ(driver().nwidth, c.width);
        EXPECT_EQ(driver().nclip[2], c.width - 1);
        EXPECT_EQ(driver().nclip[3], c.height - 1);
    }
}

TEST_F(RasterTest, LinesSetBothEndPointsAndStepTowardTheEnd) {
    struct Case {
        int x1, y1, x2, y2;
        Rows expected;
    };
    const Case cases[] = {
        {0, 0, 4, 2, {"##...", "..##.", "....#", ".....", "....."}},
        // The same line drawn backwards takes other pixels: the error rule runs from the start.
        {4, 2, 0, 0, {"#....", ".##..", "...##", ".....", "....."}},
        {0, 0, 2, 4, {"#....", "#....", ".#...", ".#...", "..#.."}},
        {4, 1, 1, 1, {".....", ".####", ".....", ".....", "....."}},
        {3, 4, 3, 2, {".....", ".....", "...#.", "...#.", "...#."}},
        {2, 2, 2, 2, {".....", ".....", "..#..", ".....", "....."}},
        // Beyond the page the stepping goes on, but only pixels on the page are set.
        {-3, -3, 7, 7, {"#....", ".#...", "..#..", "...#.", "....#"}},
        {-100, 1, 100, 1, {".....", "#####", ".....", ".....", "....."}},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = makeRaster(5, 5);
        qqvclr(rec, 1);
        qqvlin(rec, c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(rows(), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

// The pixels of a line on a w x h page, stepped one by one from its start
// as the lines are defined (both ends included).
std::set<std::pair<int, int>> referenceLine(long long x1, long long y1, long long x2, long long y2,
                                            int w, int h) {
    std::set<std::pair<int, int>> set;
    const long long dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    const bool alongX = dy < dx;
    const long long longer = alongX ? dx : dy, shorter = alongX ? dy : dx;
    long long x = x1, y = y1, error = -longer / 2;
    auto plot = [&] {
        if (x >= 0 && y >= 0 && x < w && y < h) set.insert({int(x), int(y)});
    };
    plot();
    for (long long i = 0; i < longer; ++i) {
        error += shorter;
        const bool minorStep = error > 0;
        if (minorStep) error -= longer;
        if (alongX) {
            x += sx;
            if (minorStep) y += sy;
        } else {
            y += sy;
            if (minorStep) x += sx;
        }
        plot();
    }
    return set;
}

TEST_F(RasterTest, LinesSetThePixelsOfPlainSteppingOnIndexAndRgbPages) {
    // Lines inside the page, across its edges and with ends far off it set
    // the pixels that stepping from the start sets, and no other byte of the
    // page changes, whether a pixel is one byte or three. Far-off ends cost
    // nothing: the steps off the page are not walked.
    const std::vector<int> table = distinctTable();
    std::mt19937 random(5);
    std::uniform_int_distribution<int> inside(0, 22), near(-40, 60), far(-300000, 300000);
    for (int i = 0; i < 1200; ++i) {
        const int kind = i % 3; // inside, near, far off
        auto coordinate = [&](bool farOff) {
            return kind == 0 ? inside(random) : farOff ? far(random) : near(random);
        };
        const int x1 = coordinate(kind == 2), y1 = coordinate(false);
        const int x2 = coordinate(false), y2 = coordinate(kind == 2);
        const bool rgb = i % 2 == 1;
        GlobalRecord &rec = makeRaster(23, 17, rgb);
        qqvvlt(rec, 3, table.data());
        qqvclr(rec, 200);
        qqvlin(rec, x1, y1, x2, y2);

        const DriverRecord &d = driver();
        const std::vector<std::uint8_t> ink =
            rgb ? std::vector<std::uint8_t>{200, 55, 100} : std::vector<std::uint8_t>{200};
        std::vector<std::uint8_t> expected(std::size_t(d.nrowbytes * d.nheight), 0);
        for (const auto &[x, y] : referenceLine(x1, y1, x2, y2, 23, 17))
            std::copy(ink.begin(), ink.end(),
                      expected.begin() + y * d.nrowbytes + x * int(ink.size()));
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), d.praster.get()))
            << x1 << "," << y1 << " to " << x2 << "," << y2 << (rgb ? " on RGB" : "");
    }
    // From one end of the int range to the other: at once.
    GlobalRecord &rec = makeRaster(23, 17);
    qqvclr(rec, 1);
    qqvlin(rec, -2147483647, 3, 2147483647, 9);
    qqvlin(rec, 4, 2147483647, 5, -2147483647);
    EXPECT_NE(driver().praster[3 * 23 + 4], 0);
}

TEST_F(RasterTest, PolylinesJoinTheirSegments) {
    GlobalRecord &rec = makeRaster(5, 5);
    qqvclr(rec, 1);
    const int x[] = {0, 4, 4, 0};
    const int y[] = {0, 0, 4, 4};
    qqvlines(rec, x, y, 1);
    EXPECT_EQ(rows(), Rows(5, "....."));
    qqvlines(rec, x, y, 4);
    EXPECT_EQ(rows(), (Rows{"#####", "....#", "....#", "....#", "#####"}));
}

TEST_F(RasterTest, RectanglesIncludeBothCorners) {
    struct Case {
        int x1, y1, x2, y2;
        Rows expected;
    };
    const Case cases[] = {
        {2, 2, 2, 2, {".....", ".....", "..#..", ".....", "....."}},
        {3, 2, 1, 1, {".....", ".###.", ".###.", ".....", "....."}},
        {-5, -5, 1, 1, {"##...", "##...", ".....", ".....", "....."}},
        {3, 3, 99, 99, {".....", ".....", ".....", "...##", "...##"}},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = makeRaster(5, 5);
        qqvfll(rec, c.x1, c.y1, c.x2, c.y2, 7);
        EXPECT_EQ(rows(), c.expected);
    }
}

TEST_F(RasterTest, SymbolsOfSizeOneAreOnePixelAndCirclesAreLeftOut) {
    for (int n = -1; n <= 24; ++n) {
        GlobalRecord &rec = makeRaster(3, 3);
        qqvclr(rec, 1);
        qqvsym(rec, n, 1, 1, 1);
        const bool drawn = n >= 0 && n <= 20 && n != 15;
        EXPECT_EQ(rows(), (drawn ? Rows{"...", ".#.", "..."} : Rows(3, "..."))) << "symbol " << n;
    }
}

TEST_F(RasterTest, SymbolsAreOutlines) {
    struct Case {
        int n, size;
        Rows expected;
    };
    const Rows square{"#####", "#...#", "#...#", "#...#", "#####"};
    const Case cases[] = {
        {0, 4, square},
        {16, 5, square}, // the filled square is drawn as its outline; r = 5 / 2 = 2
        {3, 4, {"..#..", "..#..", "#####", "..#..", "..#.."}},
        {4, 4, {"#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
        {5, 4, {"..#..", ".#.#.", "#...#", ".#.#.", "..#.."}},
        // The sides of the triangles are stepped from their first corner, so they are not mirror
        // images.
        {18, 4, {"..#..", ".##..", ".#.#.", "#..#.", "#####"}},
        {6, 4, {"#####", ".#..#", ".#.#.", "..##.", "..#.."}},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = makeRaster(5, 5);
        qqvclr(rec, 1);
        qqvsym(rec, c.n, 2, 2, c.size);
        EXPECT_EQ(rows(), c.expected) << "symbol " << c.n;
    }
    GlobalRecord &rec = makeRaster(9, 9);
    qqvclr(rec, 1);
    qqvsym(rec, 1, 4, 4, 8);
    EXPECT_EQ(rows(), (Rows{"..#####..", ".#.....#.", "#.......#", "#.......#", "#.......#",
                            "#.......#", "#.......#", ".#.....#.", "..#####.."}));
}

TEST_F(RasterTest, TrianglesAreFilledRowByRow) {
    GlobalRecord &rec = makeRaster(5, 5);
    const int x[] = {0, 4, 0};
    const int y[] = {0, 0, 4};
    const int colours[] = {3, 0, 0};
    qqvftr(rec, x, y, colours);
    EXPECT_EQ(rows(), (Rows{"#####", "####.", "###..", "##...", "#...."}));
    EXPECT_EQ(driver().icolor, 3); // the first colour becomes current

    // Three corners on one row: one span, cut at the page.
    GlobalRecord &flat = makeRaster(5, 5);
    const int fx[] = {-3, 9, 1};
    const int fy[] = {2, 2, 2};
    qqvftr(flat, fx, fy, colours);
    EXPECT_EQ(rows(), (Rows{".....", ".....", "#####", ".....", "....."}));
}

TEST_F(RasterTest, TriangleAboveThePageKeepsItsSpansInside) {
    // The same triangle drawn on a tall page and shifted up by 20 rows on a
    // short one: the rows that stay on the page are identical.
    const int x[] = {9, 17, 1};
    const int y[] = {5, 22, 35};
    const int colours[] = {1, 0, 0};
    GlobalRecord &tall = makeRaster(20, 40);
    qqvftr(tall, x, y, colours);
    const Rows whole = rows();
    GlobalRecord &shortPage = makeRaster(20, 20);
    const int shifted[] = {y[0] - 20, y[1] - 20, y[2] - 20};
    qqvftr(shortPage, x, shifted, colours);
    EXPECT_EQ(rows(), Rows(whole.begin() + 20, whole.end()));
    // The triangle is really filled, not only outlined.
    EXPECT_EQ(whole[20].substr(5, 8), "########");
}

TEST_F(RasterTest, ColoursOnIndexAndRgbPages) {
    const std::vector<int> table = distinctTable();
    // Index page: an explicit RGB value becomes the nearest colour number.
    GlobalRecord &rec = makeRaster(4, 1);
    qqvvlt(rec, 3, table.data());
    qqvclr(rec, explicitColour(10, 245, 5)); // entry 10 exactly
    EXPECT_EQ(driver().icolor, 10);
    qqvclr(rec, 256 + 7);
    EXPECT_EQ(driver().icolor, 7);
    EXPECT_EQ(driver().icurred, 7);
    EXPECT_EQ(driver().icurgreen, 248);
    qqvclr(rec, -1);
    EXPECT_EQ(driver().icolor, 255);
    // A rectangle's colour does not become current.
    qqvfll(rec, 0, 0, 0, 0,
           explicitColour(21, 233, 10)); // nearest to entry 21 (off by one in green)
    qqvlin(rec, 1, 0, 1, 0);
    EXPECT_EQ(qqvptr(rec)[0], 21);
    EXPECT_EQ(qqvptr(rec)[1], 255);

    // RGB page: colour numbers through the table, explicit values as they are.
    GlobalRecord &rgb = makeRaster(2, 1, true);
    qqvvlt(rgb, 3, table.data());
    qqvclr(rgb, 5);
    qqvlin(rgb, 0, 0, 0, 0);
    qqvfll(rgb, 1, 0, 1, 0, explicitColour(1, 2, 3));
    const std::uint8_t *page = qqvptr(rgb);
    EXPECT_EQ(std::vector<int>(page, page + 6), (std::vector<int>{5, 250, 2, 1, 2, 3}));
}

TEST_F(RasterTest, ColourTableKindsLoadTheirEntriesOnly) {
    const std::vector<int> table = distinctTable();
    struct Case {
        int kind, loaded;
    };
    for (const Case c : {Case{0, 9}, Case{7, 16}, Case{1, 256}}) {
        FreshRecord::SetUp();
        GlobalRecord &rec = makeRaster(1, 1);
        qqvvlt(rec, c.kind, table.data());
        EXPECT_EQ(driver().ivltkind, c.kind);
        EXPECT_EQ(driver().red[c.loaded - 1], c.loaded - 1);
        if (c.loaded < 256) {
            EXPECT_EQ(driver().green[c.loaded], 0);
        }
    }
}

TEST_F(RasterTest, EraseClearsAndFreedPagesIgnoreDrawing) {
    GlobalRecord &rec = makeRaster(3, 3, true, 2);
    qqvclr(rec, explicitColour(0, 0, 0));
    qqvfll(rec, 0, 0, 2, 2, explicitColour(1, 2, 3));
    qqvers(rec);
    EXPECT_TRUE(
        std::all_of(qqvptr(rec), qqvptr(rec) + 27, [](std::uint8_t b) { return b == 255; }));
    qqvfin(rec);
    EXPECT_EQ(qqvptr(rec), nullptr);
    qqvlin(rec, 0, 0, 2, 2);
    qqvfll(rec, 0, 0, 2, 2, 1);
    qqvsym(rec, 3, 1, 1, 2);
    qqvers(rec);
}

} // namespace
