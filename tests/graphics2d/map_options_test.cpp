// Map options: what each setter stores, the ranges and keywords it refuses,
// its level, and the defaults that a new plot and reset give back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "tests/support/plot_fixture.h"

namespace {

class MapOptions : public PlotTest {};

std::string warning(int n, const char *text, const char *routine, const std::string &tail = "") {
    char line[160];
    std::snprintf(line, sizeof line, " <<<< Warning %3d: %s in %s!%s\n", n, text, routine,
                  tail.c_str());
    return line;
}
std::string badParameter(const char *routine, const std::string &tail = "") {
    return warning(2, "Incorrect parameter", routine, tail);
}
std::string badKeyword(const char *routine, const char *key) {
    return badParameter(routine, std::string("   (") + key + ")");
}

TEST_F(MapOptions, SettersStoreTheirValuesOrWarn) {
    struct Case {
        const char *name;
        std::function<void()> call;
        std::string output;
        std::function<bool(const MapState &)> stored;
    };
    const Case cases[] = {
        {"cap of 90 degrees", [] { mapsph(90); }, "",
         [](const MapState &m) { return std::abs(m.xmapsph - 1.5707964f) < 1e-6f; }},
        {"cap of 45 degrees", [] { mapsph(45); }, "",
         [](const MapState &m) { return std::abs(m.xmapsph - 0.7853982f) < 1e-6f; }},
        {"cap of 0 and 91 degrees",
         [] {
             mapsph(0);
             mapsph(91);
             mapsph(-10);
         },
         badParameter("mapsph") + badParameter("mapsph") + badParameter("mapsph"),
         [](const MapState &m) { return m.xmapsph == 1.5707964f; }},
        {"parallels north", [] { mapref(30, 60); }, "",
         [](const MapState &m) {
             return m.imapref == -1 && m.xmapref[0] == 30 && m.xmapref[1] == 60;
         }},
        {"parallels south", [] { mapref(-60, -30); }, "",
         [](const MapState &m) { return m.imapref == -1 && m.xmapref[0] == -60; }},
        {"parallels in either order", [] { mapref(60, -30); }, "",
         [](const MapState &m) { return m.xmapref[0] == 60 && m.xmapref[1] == -30; }},
        {"parallels across the equator or beyond the poles",
         [] {
             mapref(-30, 30);
             mapref(-91, -30);
             mapref(30, 91);
         },
         badParameter("mapref") + badParameter("mapref") + badParameter("mapref"),
         [](const MapState &m) { return m.imapref == 0; }},
        {"parallels near the equator", [] { mapref(-0.05f, 0.05f); }, "",
         [](const MapState &m) { return m.imapref == -1; }},
        {"centre", [] { mappol(-180.1f, 90.1f); }, "",
         [](const MapState &m) { return m.xmappol[0] == -180.1f && m.xmappol[1] == 90.1f; }},
        {"centre out of range",
         [] {
             mappol(181, 0);
             mappol(0, -91);
         },
         badParameter("mappol") + badParameter("mappol"),
         [](const MapState &m) { return m.xmappol[0] == 0 && m.xmappol[1] == 0; }},
        {"great circles", [] { mapmod("grea"); }, "",
         [](const MapState &m) { return m.imapmod == 2; }},
        {"unknown line mode", [] { mapmod("CURV"); }, badKeyword("mapmod", "CURV"),
         [](const MapState &m) { return m.imapmod == 1; }},
        {"lakes", [] { maplev("LAKE"); }, "", [](const MapState &m) { return m.imaplev == 2; }},
        {"both levels as all",
         [] {
             maplev("LAND");
             maplev("BOTH");
         },
         "", [](const MapState &m) { return m.imaplev == 0; }},
        {"map file", [] { mapfil("/data/coast.txt", "MAPG"); }, "",
         [](const MapState &m) {
             return m.imapfil == 2 && std::string(m.cmapfil) == "/data/coast.txt";
         }},
        {"map file of an unknown kind",
         [] {
             mapfil("a.b", "GSHH");
             mapfil("c.d", "SHP");
         },
         badKeyword("mapfil", "SHP"),
         [](const MapState &m) { return m.imapfil == 1 && std::string(m.cmapfil) == "a.b"; }},
        {"map base", [] { mapbas("MAPF"); }, "", [](const MapState &m) { return m.imapbas == 5; }},
        {"unknown map base", [] { mapbas("WORL"); }, badKeyword("mapbas", "WORL"),
         [](const MapState &m) { return m.imapbas == 0; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        GlobalRecord &rec = open();
        EXPECT_EQ(captureStdout(c.call), c.output);
        EXPECT_TRUE(c.stored(rec.map));
        close();
    }
}

// A long file name is cut to the 256 characters the record holds.
TEST_F(MapOptions, LongFileNamesAreCut) {
    GlobalRecord &rec = open();
    const std::string name(400, 'm');
    captureStdout([&] { mapfil(name.c_str(), "GSHH"); });
    EXPECT_EQ(std::string(rec.map.cmapfil), name.substr(0, 256));
    close();
}

// The map options of level 1 are refused later; the others are stored at any
// level with a warning.
TEST_F(MapOptions, Levels) {
    GlobalRecord &rec = currentRecord();
    EXPECT_EQ(captureStdout([] {
                  mapmod("STRA");
                  mapsph(30);
              }),
              warning(3, "Incorrect level", "mapmod", "   (   0)") +
                  warning(3, "Incorrect level", "mapsph", "   (   0)"));
    EXPECT_EQ(rec.map.imapmod, 0);
    EXPECT_EQ(rec.map.xmapsph, 1.5707964f);

    open();
    captureStdout([] { graf(0, 10, 0, 2, 0, 5, 0, 1); });
    EXPECT_EQ(captureStdout([] {
                  mapref(30, 60);
                  mappol(10, 10);
                  maplev("LAND");
              }),
              warning(3, "Incorrect level", "mapref", "   (   2)") +
                  warning(3, "Incorrect level", "mappol", "   (   2)"));
    EXPECT_EQ(rec.map.imapref, 0);
    EXPECT_EQ(rec.map.xmappol[0], 0.0f);
    EXPECT_EQ(rec.map.imaplev, 1);
    close();
}

TEST_F(MapOptions, NewPlotsAndResetGiveTheDefaultsBack) {
    GlobalRecord &rec = open();
    captureStdout([] {
        mapsph(10);
        mapref(20, 40);
        mappol(5, 6);
        mapmod("GREA");
        maplev("LAKE");
        mapbas("GSHF");
        mapfil("x.map", "MAPG");
    });
    close();
    open();
    EXPECT_EQ(rec.map.xmapsph, 1.5707964f);
    EXPECT_EQ(rec.map.imapref, 0);
    EXPECT_EQ(rec.map.xmappol[0], 0.0f);
    EXPECT_EQ(rec.map.imapmod, 1);
    EXPECT_EQ(rec.map.imaplev, 0);
    EXPECT_EQ(rec.map.imapbas, 0);
    EXPECT_EQ(rec.map.imapfil, 0);

    captureStdout([] {
        mapsph(10);
        mapref(20, 40);
        mappol(5, 6);
        mapmod("GREA");
        reset("MAPS");
        reset("MAPR");
        reset("MAPP");
        reset("MAPM");
    });
    EXPECT_EQ(rec.map.xmapsph, 1.5707964f);
    EXPECT_EQ(rec.map.imapref, 0);
    EXPECT_EQ(rec.map.xmappol[0], 0.0f);
    EXPECT_EQ(rec.map.xmappol[1], 0.0f);
    EXPECT_EQ(rec.map.imapmod, 1);
    close();
}

} // namespace
