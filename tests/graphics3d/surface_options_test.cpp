#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/plot_fixture.h"

namespace {

class SurfaceOptions : public PlotTest {};

std::string incorrect(const char *routine, const std::string &value) {
    return std::string(" <<<< Warning   2: Incorrect parameter in ") + routine + "!   (" + value +
           ")\n";
}

TEST_F(SurfaceOptions, SettersStoreGoodValuesAndRefuseBadOnes) {
    struct Case {
        const char *what;
        std::function<void()> call;
        std::string output;
        std::function<void(const GlobalRecord &)> check;
    };
    const Case cases[] = {
        {"visible side", [] { survis("bott"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.horizon.isurvis, 2); }},
        {"unknown side",
         [] {
             survis("TOP");
             survis("SIDE");
         },
         incorrect("survis", "SIDE"),
         [](const GlobalRecord &r) { EXPECT_EQ(r.horizon.isurvis, 1); }},
        {"grid lines", [] { suropt("YISO"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.isuropt, 2); }},
        {"mesh", [] { surmsh("ONLY"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.isurmsh, 2); }},
        {"mesh keyword ON is not ONLY", [] { surmsh("ON"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.isurmsh, 1); }},
        {"side colours", [] { surclr(-1, 300); }, "",
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.horizon.isurclr, 1);
             EXPECT_EQ(r.horizon.nsurclr[0], -1);
             EXPECT_EQ(r.horizon.nsurclr[1], 300);
         }},
        {"a bad side colour keeps the previous ones",
         [] {
             surclr(3, 4);
             surclr(-2, 5);
         },
         incorrect("surclr", "  -2"),
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.horizon.nsurclr[0], 3);
             EXPECT_EQ(r.horizon.nsurclr[1], 4);
         }},
        {"both bad colours are reported, nothing is set", [] { surclr(-3, -4); },
         incorrect("surclr", "  -3") + incorrect("surclr", "  -4"),
         [](const GlobalRecord &r) { EXPECT_EQ(r.horizon.isurclr, 0); }},
        {"hidden lines off", [] { nohide(); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.inohide, 1); }},
        {"mesh colour",
         [] {
             mshclr(7);
             mshclr(-2);
         },
         incorrect("mshclr", "  -2"),
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.nmshclr, 7); }},
        {"extent", [] { sursze(1, 2, 4, 3); }, "",
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.surface.isursze, 1);
             EXPECT_EQ(r.surface.xsursze[0], 1.0f);
             EXPECT_EQ(r.surface.xsursze[1], 2.0f);
             EXPECT_EQ(r.surface.xsursze[2], 4.0f);
             EXPECT_EQ(r.surface.xsursze[3], 3.0f);
         }},
        {"empty extent",
         [] {
             sursze(0, 0, 1, 2);
             sursze(0, 1, 2, 2);
         },
         " <<<< Warning  10: Begin and end of scaling are equal in sursze!\n"
         " <<<< Warning  10: Begin and end of scaling are equal in sursze!\n",
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.isursze, 0); }},
        {"only four letters count", [] { shdmod("SMOOTH", "SURFACE"); }, "",
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.ishdsur, 1); }},
        {"each group has its own field",
         [] {
             shdmod("poly", "cont");
             shdmod("SYMB", "CURV");
             shdmod("NONE", "CELL");
             shdmod("UPPE", "COLO");
         },
         "",
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.surface.ishdsur, 0);
             EXPECT_EQ(r.surface.ishdcon, 1);
             EXPECT_EQ(r.surface.ishdcrv, 1);
             EXPECT_EQ(r.surface.ishdcel, 3);
             EXPECT_EQ(r.surface.ishdclr, 2);
         }},
        {"a mode of another group", [] { shdmod("POLY", "SURF"); }, incorrect("shdmod", "POLY"),
         [](const GlobalRecord &r) {
             EXPECT_EQ(r.surface.ishdsur, 0);
             EXPECT_EQ(r.surface.ishdcon, 0);
         }},
        {"an unknown group", [] { shdmod("SMOO", "MESH"); }, incorrect("shdmod", "MESH"),
         [](const GlobalRecord &r) { EXPECT_EQ(r.surface.ishdsur, 0); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        open();
        EXPECT_EQ(captureStdout(c.call), c.output);
        c.check(currentRecord());
        close();
    }
}

TEST_F(SurfaceOptions, StoredAtLevelZero) {
    EXPECT_EQ(captureStdout([] { suropt("XISO"); }),
              " <<<< Warning   3: Incorrect level in suropt!   (   0)\n");
    EXPECT_EQ(currentRecord().surface.isuropt, 1);
    EXPECT_EQ(captureStdout([] { surclr(-2, 1); }),
              " <<<< Warning   3: Incorrect level in surclr!   (   0)\n" +
                  incorrect("surclr", "  -2"));
    EXPECT_EQ(currentRecord().horizon.isurclr, 0);
}

TEST_F(SurfaceOptions, ResetRestoresTheDefaults) {
    open();
    GlobalRecord &r = currentRecord();
    EXPECT_EQ(r.surface.nmshclr, -1);
    captureStdout([] {
        survis("TOP");
        surclr(1, 2);
        nohide();
        sursze(0, 1, 0, 1);
    });
    struct Case {
        const char *keyword;
        const int *field;
    } cases[] = {{"SURVIS", &r.horizon.isurvis},
                 {"surclr", &r.horizon.isurclr},
                 {"NOHIDE", &r.surface.inohide},
                 {"SURSZE", &r.surface.isursze}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keyword);
        EXPECT_NE(*c.field, 0);
        EXPECT_EQ(captureStdout([&] { reset(c.keyword); }), "");
        EXPECT_EQ(*c.field, 0);
    }
    captureStdout([] {
        suropt("YISO");
        surmsh("ON");
        mshclr(3);
        shdmod("SMOO", "SURF");
        nohide();
        reset("ALL");
    });
    EXPECT_EQ(r.surface.isuropt, 0);
    EXPECT_EQ(r.surface.isurmsh, 0);
    EXPECT_EQ(r.surface.nmshclr, -1);
    EXPECT_EQ(r.surface.ishdsur, 0);
    EXPECT_EQ(r.surface.inohide, 0);
    close();
}

} // namespace
