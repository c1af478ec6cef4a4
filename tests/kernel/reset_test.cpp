// reset: every keyword of its table restores its group, and only those.
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "kernel/layer_resets.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/plot_fixture.h"

namespace {

using Reset = PlotTest;

// Every keyword the library documents for reset, in its order.
constexpr const char *kKeywords[] = {
    "ALL",  "ANGL", "AUTR", "AX3L", "AXCL", "AXEN", "AXIS", "AXSL", "AXSP", "BARD", "BARG", "BARP",
    "BART", "BARW", "BASA", "CENT", "CHAA", "CHAB", "CHAS", "CHAW", "CHNC", "CHNP", "CIRC", "CLPB",
    "CLPM", "CLPW", "CLRC", "COLQ", "COLO", "COLR", "CONC", "CONG", "CONM", "DIGI", "EUSH", "EXPZ",
    "FILB", "FILC", "FIXS", "FLAB", "FRAM", "FRME", "GAPC", "GRAC", "HEIG", "HNAM", "HTIT", "IANG",
    "IMGC", "INTA", "LABC", "LABD", "LABE", "LABJ", "LABP", "LABT", "LEGC", "LFTT", "LINC", "LINS",
    "LOGT", "MAPM", "MAPP", "MAPR", "MAPS", "MDFM", "MIXA", "MIXL", "QLGA", "QLGC", "QLGS", "MYLA",
    "NAMD", "NAME", "NEGL", "NEWM", "NOAR", "NOBA", "NOBG", "NOCH", "NOCL", "NOFI", "NOGR", "NOHI",
    "NOLI", "NUMF", "NUMO", "ORIG", "PATC", "PIEE", "PIEL", "PIEV", "POLC", "PROJ", "RGTL", "RVYN",
    "SCAL", "SETB", "SETC", "SETE", "SETG", "SETM", "SETR", "SETS", "SHDC", "SHDP", "SHIE", "SHLS",
    "SMXA", "SPLM", "SURC", "SURS", "SURV", "SYMR", "THKC", "TICK", "TICL", "TICP", "TIMO", "TITL",
    "UNIT", "VIEW", "VKXB", "VKYB", "VKYT", "WIDB", "WIND", "WINM", "WINS", "ZSCA",
};

TEST_F(Reset, EveryKeywordOfTheTableIsTaken) {
    EXPECT_EQ(std::size(kKeywords), 130u);
    open();
    for (const char *keyword : kKeywords)
        EXPECT_EQ(captureStdout([&] { reset(keyword); }), "") << keyword;
    EXPECT_EQ(captureStdout([] { reset("BARX"); }),
              " <<<< Warning   2: Incorrect parameter in reset!   (BARX)\n");
    close();
}

// The layers above the kernel keep their own keywords: four characters each,
// and none in two tables, where one of them could never be reached.
TEST(ResetLayers, KeywordsAreFourCharactersAndNoneRepeats) {
    std::set<std::string> seen;
    for (const LayerResets &layer : layerResets()) {
        EXPECT_NE(layer.resetAll, nullptr);
        for (const ResetKeyword &entry : layer.keywords) {
            EXPECT_EQ(std::strlen(entry.keyword), 4u) << entry.keyword;
            EXPECT_TRUE(seen.insert(entry.keyword).second) << entry.keyword;
        }
    }
    EXPECT_FALSE(seen.empty());
}

// The groups of bar graphs and pie charts come back to their defaults; the
// label groups reach the labels of bars and pies as well as of axes.
TEST_F(Reset, BarAndPieGroupsAreRestored) {
    GlobalRecord &rec = open();
    captureStdout([] {
        bartyp("HORI");
        bargrp(3, 0.1f);
        barpos("AXIS");
        labels("FIRST", "BARS");
        labels("NONE", "PIE");
        labdig(4, "BARS");
        labdig(3, "PIE");
        labclr(2, "BARS");
        labclr(3, "PIE");
        labpos("INSIDE", "BARS");
        labpos("EXTERNAL", "PIE");
        labtyp("OUTW", "PIE");
        chnpie("COLOR");
        pieexp();
        pielab("a", "LEFT");
        pievec(1, "STRA");
    });
    const float gap = rec.bar.xbargap;
    EXPECT_NE(rec.bar.ibartyp, 0);
    EXPECT_NE(rec.bar.nbargrp, 1);
    EXPECT_NE(rec.bar.ibarlab, 0);
    EXPECT_NE(rec.pie.ipieexp, 0);
    EXPECT_NE(rec.pie.cpielab[0][0], '\0');
    for (const char *keyword : {"BART", "BARG", "BARP", "BARD", "CHNP", "PIEE", "PIEL", "PIEV",
                                "DIGI", "LABC", "LABE", "LABP", "LABT"})
        captureStdout([&] { reset(keyword); });
    EXPECT_EQ(rec.bar.ibartyp, 0);
    EXPECT_EQ(rec.bar.nbargrp, 1);
    EXPECT_EQ(rec.bar.ibarpos[0], 0);
    EXPECT_EQ(rec.bar.ibarpos[1], 0);
    EXPECT_EQ(rec.bar.ibarlab, 0);
    EXPECT_EQ(rec.bar.nbardig, 1);
    EXPECT_EQ(rec.bar.nbarlbc, -1);
    EXPECT_EQ(rec.bar.ibarlbp, 0);
    EXPECT_EQ(rec.bar.ichnpie, 2);
    EXPECT_EQ(rec.pie.ipieexp, 0);
    EXPECT_STREQ(rec.pie.cpielab[0], "");
    EXPECT_STREQ(rec.pie.cpielab[1], "");
    EXPECT_EQ(rec.pie.npievec[0], 0);
    EXPECT_EQ(rec.pie.npievec[1], 2301);
    EXPECT_EQ(rec.pie.npiedig, 1);
    EXPECT_EQ(rec.pie.npieper, 1);
    EXPECT_EQ(rec.pie.npielbc, -1);
    EXPECT_EQ(rec.pie.ipielab, 1);
    EXPECT_EQ(rec.pie.ipielbp, 0);
    EXPECT_EQ(rec.pie.ipielbt, 0);
    // The gap of bargrp is no part of BARG.
    EXPECT_EQ(rec.bar.xbargap, gap);
    close();
}

} // namespace
