// Map data: coastlines of GSHHS files drawn once per copy across the date
// line and beyond the poles (small fixtures written here), the level filter,
// broken and missing files, the caller's text maps, and the country fills of
// the library's own map files (counted against the files' areas, read here
// with a reader of the test's own).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "kernel/record.h"
#include "tests/graphics2d/axis_fixture.h"
#include "tests/graphics2d/fill_records.h"
#include "tests/support/rendered_image.h"

namespace {

// A GSHHS polygon: level and points in degrees (longitudes 0..360 as the
// published files keep them).
struct Shoreline {
    int level;
    std::vector<std::pair<double, double>> points;
};

void putBigEndian(std::string &out, std::uint32_t v, int bytes = 4) {
    for (int i = bytes - 1; i >= 0; --i)
        out.push_back(char((v >> (8 * i)) & 0xFF));
}

std::string gshhsFile(const std::vector<Shoreline> &polygons) {
    std::string out;
    int id = 0;
    for (const Shoreline &p : polygons) {
        const std::uint32_t header[8] = {std::uint32_t(id++),
                                         std::uint32_t(p.points.size()),
                                         std::uint32_t(p.level),
                                         0,
                                         360000000,
                                         0,
                                         0,
                                         0};
        for (std::uint32_t v : header)
            putBigEndian(out, v);
        putBigEndian(out, 0, 2);
        putBigEndian(out, 0, 2);
        for (auto [lon, lat] : p.points) {
            putBigEndian(out, std::uint32_t(std::int32_t(std::lround(lon * 1e6))));
            putBigEndian(out, std::uint32_t(std::int32_t(std::lround(lat * 1e6))));
        }
    }
    return out;
}

// A ring of a map data file: its area and points in degrees.
struct Ring {
    int area;
    std::vector<std::pair<float, float>> points;
};

// The rings of a map data file, read here with a reader of the test's own.
std::vector<Ring> readRings(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<Ring> rings;
    int lastLongitude = 0;
    bool longitude = true;
    unsigned char b[4];
    while (in.read(reinterpret_cast<char *>(b), 4)) {
        const std::int32_t v =
            std::int32_t(b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24);
        if (v == -9000) break;
        if (v == -1000) continue;
        if (v < 0) {
            rings.push_back({int(std::lround(lastLongitude / 1000.0)), {}});
            longitude = true;
        } else if (longitude) {
            lastLongitude = v;
            longitude = false;
        } else {
            if (!rings.empty())
                rings.back().points.emplace_back(lastLongitude / 1000.0f - 180, v / 1000.0f - 90);
            longitude = true;
        }
    }
    return rings;
}

// The number of rings of each area of a map data file; with `within`, only
// rings whose points all lie within -180..180 degrees of longitude.
std::map<int, int> ringsPerArea(const std::string &path, bool within = false) {
    std::map<int, int> rings;
    for (const Ring &r : readRings(path))
        if (!within ||
            std::all_of(r.points.begin(), r.points.end(), [](auto p) { return p.first <= 180; }))
            ++rings[r.area];
    return rings;
}

class MapData : public AxisTest {
  protected:
    std::string mapDir = std::string(KAVLOR_BUILD_DATA) + "/map";

    void SetUp() override {
        AxisTest::SetUp();
        setenv("KAVLOR", KAVLOR_BUILD_DATA, 1);
    }
    void TearDown() override {
        unsetenv("KAVLOR");
        AxisTest::TearDown();
    }

    // A linear map (no projection: the copies need cylindrical maps).
    void linearMap(float xa, float xe, float ya, float ye) { quietMap("CYLI", xa, xe, ya, ye); }

    // A map of 2400 x 1800 plot units from (200, 1900) without axes or frame.
    void quietMap(const char *keyword, float xa, float xe, float ya, float ye) {
        captureStdout([=] {
            axspos(200, 1900);
            axslen(2400, 1800);
            labels("NONE", "XY");
            ticks(0, "XY");
            noline("XY");
            frame(0);
            grace(0);
            projct(keyword);
            grafmp(xa, xe, xa, (xe - xa) / 4, ya, ye, ya, (ye - ya) / 4);
        });
    }

    // The caller's GSHHS file of the polygons.
    void callersShorelines(const std::vector<Shoreline> &polygons) {
        std::ofstream(dir.file("shore.b"), std::ios::binary) << gshhsFile(polygons);
        const std::string name = dir.file("shore.b");
        captureStdout([&] {
            mapfil(name.c_str(), "GSHH");
            mapbas("MAPF");
        });
    }
};

std::pair<float, float> at(float lon, float lat) {
    float xp = 0, yp = 0;
    pos2pt(lon, lat, &xp, &yp);
    return {xp, yp};
}

// A short line across the date line, stored at 170..190 degrees: it is
// broken where the reduced longitude jumps from 180 to -180, and the piece
// from -180 to -170 lies on a map only when the map reaches beyond -180.
const Shoreline kDateLine{1, {{170, 10}, {180, 10}, {190, 10}}};

// A line near the pole, stored at 170..190 degrees: its copies lie beyond
// the poles at 180 - 85 = 95 and -180 + 85 = -95 degrees (mirrored).
const Shoreline kNearPole{1, {{170, 85}, {180, 85}, {190, 85}}};
const Shoreline kNearSouthPole{1, {{170, -85}, {180, -85}, {190, -85}}};

TEST_F(MapData, ShorelinesAreDrawnOncePerCopy) {
    struct Case {
        float xa, xe, ya, ye;
        std::vector<Shoreline> data;
        std::vector<std::pair<float, float>> drawn; // longitude shift and latitude of 170..180
    };
    const Case cases[] = {
        {-180, 180, -90, 90, {kDateLine}, {{0, 10}}},
        {-540, 540, -90, 90, {kDateLine}, {{-360, 10}, {360, 10}, {0, 10}}},
        {-180, 180, -100, 100, {kNearPole, kNearSouthPole}, {{0, 85}, {0, -85}, {0, 95}, {0, -95}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.xa) + " " + std::to_string(c.ya));
        openHpgl();
        callersShorelines(c.data);
        linearMap(c.xa, c.xe, c.ya, c.ye);
        std::multiset<Segment> expected;
        for (auto [shift, lat] : c.drawn) {
            auto [x1, y1] = at(170 + shift, lat);
            auto [x2, y2] = at(180 + shift, lat);
            expected.insert(segment(std::round(x1 * 4) / 4, std::round(y1 * 4) / 4,
                                    std::round(x2 * 4) / 4, std::round(y2 * 4) / 4));
        }
        EXPECT_EQ(captureStdout([] { world(); }), "");
        EXPECT_EQ(segmentsOf(closeHpgl()), expected);
    }
}

// Coastlines end at the map's edge: the line from 170 to 180 degrees on a
// map that stops at 175.
TEST_F(MapData, ShorelinesAreCutAtTheMapsEdge) {
    openHpgl();
    callersShorelines({kDateLine});
    linearMap(-180, 175, -90, 90);
    EXPECT_EQ(captureStdout([] { world(); }), "");
    const auto [x1, y1] = at(170, 10);
    const auto [x2, y2] = at(175, 10);
    EXPECT_EQ(segmentsOf(closeHpgl()),
              std::multiset<Segment>{segment(std::round(x1 * 4) / 4, std::round(y1 * 4) / 4,
                                             std::round(x2 * 4) / 4, std::round(y2 * 4) / 4)});
}

TEST_F(MapData, TheLevelFilterPicksLandOrLakes) {
    const Shoreline land{1, {{10, 10}, {20, 10}, {20, 20}, {10, 10}}};
    const Shoreline lake{2, {{30, 30}, {40, 30}, {40, 40}, {30, 30}}};
    for (const char *level : {"ALL", "BOTH", "LAND", "LAKE"}) {
        SCOPED_TRACE(level);
        openHpgl();
        callersShorelines({land, lake});
        captureStdout([=] { maplev(level); });
        linearMap(-180, 180, -90, 90);
        captureStdout([] { world(); });
        const std::multiset<Segment> drawn = segmentsOf(closeHpgl());
        const std::size_t want = level[1] == 'A' ? 3 : 6; // LAND and LAKE: one polygon
        EXPECT_EQ(drawn.size(), want);
        if (std::string(level) == "LAKE") {
            for (const Segment &s : drawn)
                EXPECT_LT(s.y1, at(0, 25).second); // north of latitude 25
        }
    }
}

// A file that ends inside a polygon, or that is not there.
TEST_F(MapData, BrokenAndMissingFilesAreReported) {
    openHpgl();
    const std::string whole = gshhsFile({kDateLine, kDateLine});
    std::ofstream(dir.file("cut.b"), std::ios::binary) << whole.substr(0, whole.size() - 5);
    const std::string cut = dir.file("cut.b");
    captureStdout([&] {
        mapfil(cut.c_str(), "GSHH");
        mapbas("MAPF");
    });
    linearMap(-180, 180, -90, 90);
    EXPECT_EQ(captureStdout([] { world(); }), " <<<< Warning 101: read error in world!\n");
    EXPECT_EQ(segmentsOf(closeHpgl()).size(), 1u); // the first polygon, up to 180

    openHpgl();
    linearMap(-180, 180, -90, 90);
    EXPECT_EQ(captureStdout([] {
                  mapbas("MAPF");
                  world();
              }),
              " <<<< Warning 101: No call to MAPFIL before in world!\n");
    setenv("KAVLOR", dir.path().c_str(), 1);
    EXPECT_EQ(captureStdout([] {
                  mapbas("GSHL");
                  world();
              }),
              " <<<< Warning  36: File error in world!   (" + dir.path() + "/map/gshhs_l.b)\n");
    const int one = 1;
    EXPECT_EQ(captureStdout([&] { shdeur(&one, &one, &one, 1); }),
              " <<<< Warning  36: File error in shdeur!   (" + dir.path() + "/map/map2.dat)\n");
    EXPECT_EQ(currentRecord().clip.nclpwin[2], currentRecord().page.nxpage);
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
}

// Shoreline files broken in their headers: cut inside the first header or
// the second, a negative point count, a count far beyond the file. What
// lies before the fault is drawn; nothing is read past the data.
TEST_F(MapData, BrokenShorelineHeadersEndTheFile) {
    const std::string one = gshhsFile({kDateLine});
    const auto withCount = [&](std::uint32_t count) {
        std::string second = one;
        second[4] = char(count >> 24);
        second[5] = char(count >> 16);
        second[6] = char(count >> 8);
        second[7] = char(count);
        return one + second;
    };
    struct Case {
        const char *what;
        std::string bytes;
        std::size_t segments; // of the first polygon, up to 180 degrees
    };
    const Case cases[] = {
        {"cut in the first header", one.substr(0, 20), 0},
        {"cut in the second header", one + one.substr(0, 30), 1},
        {"a negative count", withCount(0xFFFFFFFFu), 1},
        {"a count beyond the file", withCount(0x7FFFFFFFu), 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        openHpgl();
        std::ofstream(dir.file("bad.b"), std::ios::binary) << c.bytes;
        const std::string name = dir.file("bad.b");
        captureStdout([&] {
            mapfil(name.c_str(), "GSHH");
            mapbas("MAPF");
        });
        linearMap(-180, 180, -90, 90);
        EXPECT_EQ(captureStdout([] { world(); }), " <<<< Warning 101: read error in world!\n");
        EXPECT_EQ(segmentsOf(closeHpgl()).size(), c.segments);
    }
    // The library's own world file missing: the file error, nothing drawn.
    openHpgl();
    setenv("KAVLOR", dir.path().c_str(), 1);
    linearMap(-180, 180, -90, 90);
    EXPECT_EQ(captureStdout([] { world(); }),
              " <<<< Warning  36: File error in world!   (" + dir.path() + "/map/map1.dat)\n");
    EXPECT_TRUE(segmentsOf(closeHpgl()).empty());
}

// The shoreline files the build makes from GSHHG are whole: read to their
// end without a warning, finer for GSHI than for GSHL, with lakes among the
// land (a third of the lines or so). Without them (no gmt-gshhg-low at build time) the test is
// skipped, unless the run requires every generator's source, as ./test.sh does.
TEST_F(MapData, TheShippedShorelinesAreWholeAndDrawn) {
    if (!std::filesystem::exists(mapDir + "/gshhs_i.b")) {
        const char *required = std::getenv("KAVLOR_GENERATOR_SOURCES");
        if (required == nullptr || std::string(required) != "required")
            GTEST_SKIP() << "no shoreline files: gmt-gshhg-low was missing at build time";
        FAIL() << "no shoreline files in " << mapDir;
    }
    std::map<std::string, std::size_t> drawn;
    for (const char *base : {"GSHL", "GSHI"})
        for (const char *level : {"ALL", "LAKE"}) {
            const std::string which = std::string(base) + " " + level;
            SCOPED_TRACE(which);
            GlobalRecord &rec = open("PDF", "plot.pdf");
            captureStdout([&] {
                mapbas(base);
                maplev(level);
            });
            linearMap(-180, 180, -90, 90);
            const int before = rec.core.nvector;
            EXPECT_EQ(captureStdout([] { world(); }), "");
            drawn[which] = std::size_t(rec.core.nvector - before); // lines drawn
            close("plot.pdf");
        }
    EXPECT_GT(drawn["GSHL ALL"], 50000u);
    EXPECT_GT(drawn["GSHI ALL"], 2 * drawn["GSHL ALL"]);
    for (const char *base : {"GSHL", "GSHI"}) {
        const std::string b = base;
        EXPECT_GT(drawn[b + " LAKE"], 0u) << b;
        EXPECT_LT(drawn[b + " LAKE"], drawn[b + " ALL"] / 2) << b;
    }
}

// The caller's text map: "#" starts a line; points before the first are not
// drawn; bad lines are passed over, and so is the rest of a line longer than
// 131 characters.
TEST_F(MapData, TextMapsDrawTheirLines) {
    openHpgl();
    std::ofstream(dir.file("map.txt")) << "5 5\n#\n0 0\n10 0\nnot a point\n10 10\n#\n20 20\n30 20\n"
                                       << "x" << std::string(139, ' ') << "40 40\n";
    const std::string name = dir.file("map.txt");
    captureStdout([&] {
        mapfil(name.c_str(), "MAPG");
        mapbas("MAPF");
    });
    linearMap(-180, 180, -90, 90);
    EXPECT_EQ(captureStdout([] { world(); }), "");
    std::vector<PenOp> ops = closeHpgl();
    ASSERT_EQ(ops.size(), 5u);
    EXPECT_FALSE(ops[0].draw);
    EXPECT_NEAR(ops[0].x, at(0, 0).first, 0.25f);
    EXPECT_TRUE(ops[1].draw && ops[2].draw);
    EXPECT_FALSE(ops[3].draw);
    EXPECT_NEAR(ops[4].y, at(30, 20).second, 0.25f);
}

// Country fills on SVG: every ring of the selected areas is one polygon in
// its entry's colour; the old states of Europe fill their successors; an
// entry of 0 fills every area, and a later entry wins over it.
TEST_F(MapData, CountriesAreFilledByTheirEntries) {
    const std::map<int, int> rings = ringsPerArea(mapDir + "/map2.dat");
    ASSERT_FALSE(rings.empty());
    const auto count = [&](std::initializer_list<int> areas) {
        int n = 0;
        for (int a : areas)
            n += rings.count(a) != 0 ? rings.at(a) : 0;
        return n;
    };
    open("SVG", "plot.svg");
    linearMap(-30, 50, 30, 75);
    const int inray[3] = {29, 31, 4}, ipray[3] = {16, 16, 16}, icray[3] = {30, 90, 150};
    EXPECT_EQ(captureStdout([&] { shdeur(inray, ipray, icray, 3); }), "");
    GlobalRecord &rec = currentRecord();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rec.legend.nlegpat[i], 16);
    EXPECT_EQ(rec.legend.nlegclr[1], 90);
    std::map<std::string, int> fills;
    for (const FillRecord &f : fillRecords(close("plot.svg")))
        ++fills[f.colour];
    std::vector<int> perColour;
    for (auto [colour, n] : fills)
        perColour.push_back(n);
    std::sort(perColour.begin(), perColour.end());
    std::vector<int> expected = {count({36, 44}), count({33, 37, 38, 39, 41, 42, 46}), count({4})};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(perColour, expected);

    // Africa: 0 gives every country the first entry, Egypt (14) the second.
    open("SVG", "plot.svg");
    linearMap(-30, 60, -40, 40);
    const int all[2] = {0, 14}, solid[2] = {16, 16}, colours[2] = {30, 90};
    captureStdout([&] { shdafr(all, solid, colours, 2); });
    const std::map<int, int> african = ringsPerArea(mapDir + "/map4.dat");
    int total = 0;
    for (auto [area, n] : african)
        total += n;
    fills.clear();
    for (const FillRecord &f : fillRecords(close("plot.svg")))
        ++fills[f.colour];
    ASSERT_EQ(fills.size(), 2u);
    int fewer = std::min(fills.begin()->second, fills.rbegin()->second);
    EXPECT_EQ(fewer, african.at(14));
    // Countries beyond the map's edges go to the software fill.
    EXPECT_LE(fills.begin()->second + fills.rbegin()->second, total);
}

// Each entry's pattern: solid fills its country, a hatch draws it in lines
// of the entry's colour and fills nothing, the empty pattern draws nothing
// (outlines switched off); the legend takes the patterns in their order.
TEST_F(MapData, CountriesTakeTheirEntrysPattern) {
    const std::map<int, int> rings = ringsPerArea(mapDir + "/map2.dat");
    open("SVG", "plot.svg");
    linearMap(-30, 50, 30, 75);
    // Germany solid, France empty, Italy hatched.
    const int inray[3] = {10, 9, 16}, ipray[3] = {16, 0, 5};
    const int icray[3] = {intrgb(1, 0, 0), intrgb(0, 1, 0), intrgb(0, 0, 1)};
    EXPECT_EQ(captureStdout([&] {
                  noarln();
                  shdeur(inray, ipray, icray, 3);
              }),
              "");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(currentRecord().legend.nlegpat[i], ipray[i]);
    const std::string svg = close("plot.svg");
    std::map<std::string, int> fills;
    for (const FillRecord &f : fillRecords(svg))
        ++fills[f.colour];
    EXPECT_EQ(fills, (std::map<std::string, int>{{"#ff0000", rings.at(10)}}));
    // Lines drawn in each colour: the strokes of its groups.
    std::map<std::string, int> lines;
    const std::string group = "<g fill=\"none\" stroke=\"";
    for (std::size_t at = svg.find(group); at != std::string::npos; at = svg.find(group, at + 1)) {
        const std::string colour = svg.substr(at + group.size(), 7);
        const std::size_t end = svg.find("</g>", at);
        for (const char *element : {"<line ", "<polyline "})
            for (std::size_t e = svg.find(element, at); e < end; e = svg.find(element, e + 1))
                ++lines[colour];
    }
    EXPECT_EQ(lines.count("#00ff00"), 0u);
    EXPECT_EQ(lines.count("#ff0000"), 0u);
    EXPECT_GT(lines["#0000ff"], 20); // hatch lines across Italy
}

TEST_F(MapData, RegionalFillsRefuseBadCountsAndAreas) {
    openHpgl();
    linearMap(-30, 50, 30, 75);
    const int area[2] = {47, -1}, pattern[2] = {16, 16}, colour[2] = {30, 30};
    const std::string bad = " <<<< Warning   2: Incorrect parameter in shdeur!";
    EXPECT_EQ(captureStdout([&] { shdeur(area, pattern, colour, 2); }),
              bad + "   (  47)\n" + bad + "   (  -1)\n");
    EXPECT_EQ(captureStdout([&] { shdeur(area, pattern, colour, 0); }), bad + "   (   0)\n");
    EXPECT_EQ(captureStdout([&] { shdeur(nullptr, pattern, colour, 2); }), bad + "\n");
    const int many[51] = {};
    EXPECT_EQ(captureStdout([&] { shdusa(many, many, many, 51); }),
              " <<<< Warning   2: Incorrect parameter in shdusa!   (  51)\n");
    // A truncated file: what it holds is drawn, and the end is reported.
    std::ifstream whole(mapDir + "/map2.dat", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(whole)), std::istreambuf_iterator<char>());
    std::filesystem::create_directories(dir.file("cut/map"));
    std::ofstream(dir.file("cut/map/map2.dat"), std::ios::binary) << bytes.substr(0, 4001);
    setenv("KAVLOR", dir.file("cut").c_str(), 1);
    const int first = 1;
    EXPECT_EQ(captureStdout([&] { shdeur(&first, pattern, colour, 1); }),
              " <<<< Warning 101: read error in shdeur!\n");
    closeHpgl();
}

// world on the library's own file outlines the continents and fills none,
// whatever the pattern and outline switch; both are as they were after.
TEST_F(MapData, TheLibrarysWorldIsOutlinedOnly) {
    GlobalRecord &rec = open("SVG", "plot.svg");
    linearMap(-180, 180, -90, 90);
    captureStdout([] {
        shdpat(16);
        noarln();
    });
    const int hatch = rec.fill.ihattyp, outline = rec.fill.inoarln;
    EXPECT_EQ(captureStdout([] { world(); }), "");
    EXPECT_EQ(rec.fill.ihattyp, hatch);
    EXPECT_EQ(rec.fill.inoarln, outline);
    const std::string svg = close("plot.svg");
    EXPECT_TRUE(fillRecords(svg).empty());
    int rings = 0;
    for (auto [area, n] : ringsPerArea(mapDir + "/map1.dat"))
        rings += n;
    std::size_t lines = 0;
    for (std::size_t at = svg.find("<polyline"); at != std::string::npos;
         at = svg.find("<polyline", at + 1))
        ++lines;
    EXPECT_GE(lines, std::size_t(rings));
}

TEST_F(MapData, ShdmapFillsTheContinentsAsked) {
    // Rings reaching beyond the date line are filled in software.
    const std::map<int, int> rings = ringsPerArea(mapDir + "/map1.dat", true);
    for (const auto &[keyword, areas] : std::vector<std::pair<std::string, std::vector<int>>>{
             {"LAKE", {8}}, {"AUST", {4}}, {"EURA", {3, 5}}, {"EURO", {3, 5}}}) {
        SCOPED_TRACE(keyword);
        open("SVG", "plot.svg");
        linearMap(-180, 180, -90, 90);
        captureStdout([&] {
            shdpat(16);
            noarln();
            shdmap(keyword.c_str());
        });
        int want = 0;
        for (int a : areas)
            want += rings.at(a);
        EXPECT_EQ(int(fillRecords(close("plot.svg")).size()), want);
    }
    open();
    linearMap(-180, 180, -90, 90);
    EXPECT_EQ(captureStdout([] { shdmap("MOON"); }),
              " <<<< Warning   2: Incorrect parameter in shdmap!   (MOON)\n");
    close();
}

// The library's world file closes Antarctica (area 1) over the south pole:
// one ring from the date line round to the date line, its last two points
// on the pole. No other ring reaches the pole (GSHHG's second outline of
// Antarctica, along its grounding line, is not part of the world).
TEST_F(MapData, TheWorldFileClosesAntarcticaOverThePoleOnce) {
    int closed = 0;
    for (const Ring &r : readRings(mapDir + "/map1.dat")) {
        const auto &p = r.points;
        int atPole = 0;
        for (auto [lon, lat] : p)
            atPole += lat == -90 ? 1 : 0;
        if (atPole == 0) continue;
        SCOPED_TRACE("area " + std::to_string(r.area));
        ++closed;
        EXPECT_EQ(r.area, 1);
        ASSERT_GE(p.size(), 4u);
        EXPECT_EQ(atPole, 2);
        EXPECT_EQ(p[p.size() - 1].second, -90);
        EXPECT_EQ(p[p.size() - 2].second, -90);
        // From the date line westwards round to it: the pole run closes the
        // ring along the whole width of a map.
        EXPECT_EQ(p.front().first, 180);
        EXPECT_LT(p[p.size() - 3].first, -179.9f);
        EXPECT_EQ(p[p.size() - 1].first, p.front().first);
        EXPECT_EQ(p[p.size() - 2].first, p[p.size() - 3].first);
    }
    EXPECT_EQ(closed, 1);
}

// Antarctica's outline leaves out the run round the pole that closes its
// ring, so no line runs along the pole or from it to the coast; its fill
// still reaches the pole. On a cylinder the pole is the lower edge, on a
// south-polar map the centre.
TEST_F(MapData, AntarcticaIsOutlinedWithoutItsRunRoundThePole) {
    float south = 0; // the southernmost point of any coast
    for (const Ring &r : readRings(mapDir + "/map1.dat"))
        for (auto [lon, lat] : r.points)
            if (lat > -90) south = std::min(south, lat);
    ASSERT_LT(south, -70);
    struct Case {
        const char *keyword;
        float ya, ye;
        bool polar;
    };
    for (const Case &c : {Case{"CYLI", -90, 90, false}, Case{"MERC", -85, 85, false},
                          Case{"STER", -90, 90, true}}) {
        SCOPED_TRACE(c.keyword);
        openHpgl();
        if (c.polar) captureStdout([] { mappol(0, -90); });
        quietMap(c.keyword, -180, 180, c.ya, c.ye);
        // How far towards the pole a plot point lies: down on a cylinder,
        // in towards the centre on the polar map.
        const auto [px, py] = at(0, -90);
        const auto poleward = [&](float x, float y) {
            return c.polar ? -std::hypot(x - px, y - py) : y;
        };
        const float coast = poleward(at(0, south).first, at(0, south).second);
        EXPECT_EQ(captureStdout([] { world(); }), "");
        int drawn = 0;
        for (const PenOp &op : closeHpgl()) {
            if (!op.draw) continue;
            ++drawn;
            EXPECT_LE(poleward(op.x, op.y), coast + 0.5f) << op.x << ", " << op.y;
        }
        EXPECT_GT(drawn, 1000);

        if (c.polar || c.ya > -90) continue;
        GlobalRecord &rec = open("SVG", "plot.svg");
        quietMap(c.keyword, -180, 180, c.ya, c.ye);
        captureStdout([] {
            shdpat(16);
            noarln();
            shdmap("ANTA");
        });
        const float s = rec.page.xdevscl;
        float lowest = 0;
        for (const FillRecord &f : fillRecords(close("plot.svg")))
            for (float y : f.y)
                lowest = std::max(lowest, y / s);
        EXPECT_NEAR(lowest, py, 1.0f);
    }
}

// The globe turned by the transverse and oblique Mercator: coasts that
// reach across the date line (Fiji, Chukotka) or across the far half of the
// equator run on, or break where the projection tears them, and draw no
// line across the map.
TEST_F(MapData, TurnedCylindersDrawNoLineAcrossTheMap) {
    struct Case {
        const char *keyword;
        float xa, xe, ya, ye;
    };
    for (const Case &c : {Case{"UTM", -180, 180, -90, 90}, Case{"OBLI", -180, 180, -60, 80},
                          Case{"OBLI", 120, 240, 20, 80}}) {
        SCOPED_TRACE(std::string(c.keyword) + " from " + std::to_string(c.xa));
        openHpgl();
        quietMap(c.keyword, c.xa, c.xe, c.ya, c.ye);
        EXPECT_EQ(captureStdout([] { world(); }), "");
        float longest = 0;
        int drawn = 0;
        for (const Segment &s : segmentsOf(closeHpgl())) {
            longest = std::max(longest, std::hypot(s.x2 - s.x1, s.y2 - s.y1));
            ++drawn;
        }
        EXPECT_GT(drawn, 500);
        EXPECT_LT(longest, 300.0f);
    }

    // The fill lays a continent the tear crosses (Borneo, Sumatra on the far
    // half of the equator) out in one piece, beyond the map: no column of
    // the map is filled from its top to its bottom.
    GlobalRecord &rec = open("PPM", "plot.ppm");
    quietMap("UTM", -180, 180, -90, 90);
    captureStdout([] {
        shdpat(16);
        noarln();
        shdmap("ALL");
    });
    const float s = rec.page.xdevscl;
    close("plot.ppm");
    const RgbImage image = readPpm(dir.file("plot.ppm"));
    ASSERT_TRUE(image.valid());
    const auto land = [&](int x, int y) { // filled in the foreground, white on black
        const unsigned char *p = image.at(x, y);
        return p[0] + p[1] + p[2] > 3 * 128;
    };
    const int top = int(std::ceil(100 * s)) + 1, bottom = int(1900 * s) - 1;
    int filled = 0, lit = 0;
    for (int x = int(std::ceil(200 * s)) + 1; x < int(2600 * s) - 1; ++x) {
        int n = 0;
        for (int y = top; y <= bottom; ++y)
            n += land(x, y) ? 1 : 0;
        filled += n == bottom - top + 1 ? 1 : 0;
        lit += n;
    }
    EXPECT_EQ(filled, 0);
    EXPECT_GT(lit, 50000); // the continents are filled
}

// Map data beyond the visible cap of an azimuthal map are not drawn: a
// continent on the far side of the globe draws nothing (the gnomonic
// projection would mirror it into the circle), and a coast that leaves the
// cap ends on its edge.
TEST_F(MapData, NothingBeyondTheCapIsDrawn) {
    for (const char *keyword : {"GNOM", "ORTH", "STER", "AZIM", "LAMB"}) {
        SCOPED_TRACE(keyword);
        openHpgl();
        captureStdout([] { mappol(10, 40); });
        quietMap(keyword, -180, 180, -90, 90);
        captureStdout([] {
            shdpat(16);
            shdmap("AUST"); // Australia lies 130 degrees from the centre
        });
        int drawn = 0;
        for (const PenOp &op : closeHpgl())
            drawn += op.draw ? 1 : 0;
        EXPECT_EQ(drawn, 0);
    }

    // Along the equator from 60 to 120 degrees east of the centre.
    std::ofstream(dir.file("equator.txt")) << "#\n60 0\n70 0\n80 0\n90 0\n100 0\n110 0\n120 0\n";
    const std::string name = dir.file("equator.txt");
    openHpgl();
    captureStdout([&] {
        mappol(0, 0);
        mapfil(name.c_str(), "MAPG");
        mapbas("MAPF");
    });
    quietMap("GNOM", -180, 180, -90, 90);
    EXPECT_EQ(captureStdout([] { world(); }), "");
    const float cx = 200 + 1200, cy = 1900 - 900, radius = 900;
    float reach = 0;
    for (const PenOp &op : closeHpgl()) {
        if (!op.draw) continue;
        EXPECT_GT(op.x, cx + 100) << op.y; // nothing mirrored to the west
        reach = std::max(reach, std::hypot(op.x - cx, op.y - cy));
    }
    EXPECT_NEAR(reach, radius, 2.0f);
}

} // namespace
