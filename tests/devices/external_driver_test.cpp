#include <gtest/gtest.h>

#include "devices/external_driver.h"
#include "kernel/text_utils.h"
#include "tests/support/plot_fixture.h"

namespace {

using ExternalDriverCommand = PlotTest;

TEST_F(ExternalDriverCommand, TheCommandLineByDeviceAndSettings) {
    GlobalRecord &rec = open("POST", "plot.psc");
    close("plot.psc");
    std::vector<std::string> args;
    rec.colour.ivltid = 1; // RAIN
    rec.win.ix11mod = 2;   // AUTO
    EXPECT_EQ(symfilCommand(rec, "POST", "KEEP", args), "kavdrv plot.psc POST KEEP rain -Q");
    rec.win.ix11mod = 0;
    EXPECT_EQ(symfilCommand(rec, "POST", "KEEP", args), "kavdrv plot.psc POST KEEP rain -Q -BS");
    rec.win.ix11mod = 1;
    rec.page.iscrmod = 2;
    rec.colour.ivltfil = 1;
    qqcopy(rec.colour.cvltfil, "my table.dat");
    EXPECT_EQ(symfilCommand(rec, "PSCL", "DELE", args),
              "kavdrv plot.psc PSCL DELE rain REVERS -Q -NB \"V=my table.dat\"");
    EXPECT_EQ(args.back(), "V=my table.dat"); // one argument, without the quotes
    rec.out.finishedDevice = 604;
    rec.colour.ivltfil = 0;
    rec.page.iscrmod = 0;
    EXPECT_EQ(symfilCommand(rec, "HPGL", "KEEP", args), "kavhpj plot.psc HPGL KEEP rain");
    rec.out.finishedDevice = 701;
    EXPECT_EQ(symfilCommand(rec, "HPGL", "KEEP", args).substr(0, 7), "kavdot ");
    rec.out.finishedDevice = 801; // no driver program serves SVG
    EXPECT_EQ(symfilCommand(rec, "POST", "KEEP", args), "");
    EXPECT_TRUE(args.empty());
}

} // namespace
