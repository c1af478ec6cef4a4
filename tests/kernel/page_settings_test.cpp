#include <climits>
#include <gtest/gtest.h>

#include "kernel/page.h"
#include "tests/support/plot_fixture.h"

namespace {

using PageSettings = PlotTest;

TEST_F(PageSettings, PageFormats) {
    GlobalRecord &rec = currentRecord();
    captureStdout([] { setpag("da4p"); });
    EXPECT_FLOAT_EQ(rec.page.xpagw, 2099);
    EXPECT_FLOAT_EQ(rec.page.xpagh, 2969);
    EXPECT_STREQ(rec.page.cpagfmt, "DA4P");
    captureStdout([] { setpag("USEL"); });
    EXPECT_FLOAT_EQ(rec.page.xpagw, 11179);
    EXPECT_EQ(captureStdout([] { setpag("DA5L"); }),
              " <<<< Warning   2: Incorrect parameter in setpag!   (DA5L)\n");
    EXPECT_STREQ(rec.page.cpagfmt, "USEL");
    EXPECT_EQ(rec.core.idevice, 201); // setpag before metafl chooses the text metafile
}

TEST_F(PageSettings, PageSizeUnitsAndPlotUnits) {
    captureStdout([] { page(2970, 2100); });
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.page.nxpage, 2969);
    EXPECT_EQ(rec.page.nypage, 2099);
    EXPECT_EQ(rec.page.naxslen0[0], 1980);
    EXPECT_EQ(rec.page.naxslen0[1], 1400);
    EXPECT_EQ(rec.page.naxspos0[0], 494);
    EXPECT_EQ(rec.page.naxspos0[1], 1799);
    close();
    captureStdout([] {
        units("INCH");
        page(2970, 2100);
    });
    GlobalRecord &inch = open();
    EXPECT_EQ(inch.page.nxpage, 2969); // page() counts in the unit given
    EXPECT_EQ(jqquni(inch, 254), 100);
    close();
}

// Pages up to 10^8 units are taken; a larger one, whose far corners and
// shifts would leave an int, is refused and the page stays as it was.
TEST_F(PageSettings, PagesUpToTheLargestAndNoLarger) {
    EXPECT_EQ(captureStdout([] {
                  page(1200000001, 2100);
                  hwpage(2100, INT_MAX);
              }),
              " <<<< Warning   2: Incorrect parameter in page!   (1200000001)\n"
              " <<<< Warning   2: Incorrect parameter in hwpage!   (2147483647)\n");
    EXPECT_EQ(currentRecord().page.ihwpage, 0);
    captureStdout([] { page(100000000, 2100); });
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.page.nxpage, 100000000);
    EXPECT_EQ(rec.page.naxslen0[0], 66666668); // two thirds of the page
    EXPECT_EQ(rec.page.naxspos0[0], 16666666);
    EXPECT_EQ(rec.page.naxslen0[1], 1400);
    close();
}

TEST_F(PageSettings, InchPlotUnits) {
    captureStdout([] { units("INCH"); });
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.page.nxpage, 1169);
    close();
}

TEST_F(PageSettings, BadWindowsAndFactorsWarn) {
    GlobalRecord &rec = currentRecord();
    EXPECT_EQ(captureStdout([] {
                  window(-1, 5, 100, 100);
                  window(1, 5, 100, 0);
                  winsiz(0, 300);
                  sclfac(0.0f);
                  page(0, 10);
              }),
              " <<<< Warning   2: Incorrect parameter in window!   (  -1)\n"
              " <<<< Warning   2: Incorrect parameter in window!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in winsiz!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in sclfac!\n"
              " <<<< Warning   2: Incorrect parameter in page!   (   0)\n");
    EXPECT_EQ(rec.win.iwinset, 0);
    EXPECT_FLOAT_EQ(rec.page.xsclfac, 1.0f);
}

// What the screen does at kavfin: each keyword stores its place in its list;
// an unknown keyword warns and keeps the setting. Outside a plot the setters
// warn (kavini starts every plot from the defaults).
TEST_F(PageSettings, ScreenEndSettingsTakeTheirKeywords) {
    EXPECT_EQ(captureStdout([] {
                  winmod("NOHO");
                  winkey("ESCA");
                  winopt(7, "DELA");
              }),
              " <<<< Warning   3: Incorrect level in winmod!   (   0)\n"
              " <<<< Warning   3: Incorrect level in winkey!   (   0)\n"
              " <<<< Warning   3: Incorrect level in winopt!   (   0)\n");
    GlobalRecord &rec = open();
    EXPECT_EQ(rec.win.iwinmod, 0);
    EXPECT_EQ(rec.win.iwinopt, 10);
    EXPECT_EQ(captureStdout([] {
                  winmod("noho");
                  winkey("ESCAPE");
                  winopt(7, "dela");
              }),
              "");
    EXPECT_EQ(rec.win.iwinmod, 3);
    EXPECT_EQ(rec.win.iwinkey, 2);
    EXPECT_EQ(rec.win.iwinopt, 7);
    EXPECT_EQ(captureStdout([] {
                  winmod("WAIT");
                  winkey("SPAC");
                  winopt(3, "NOMB");
              }),
              " <<<< Warning   2: Incorrect parameter in winmod!   (WAIT)\n"
              " <<<< Warning   2: Incorrect parameter in winkey!   (SPAC)\n"
              " <<<< Warning   2: Incorrect parameter in winopt!   (NOMB)\n");
    EXPECT_EQ(rec.win.iwinmod, 3);
    EXPECT_EQ(rec.win.iwinkey, 2);
    EXPECT_EQ(rec.win.iwinopt, 7);
    captureStdout([] {
        winmod("DELA");
        winkey("retu");
    });
    EXPECT_EQ(rec.win.iwinmod, 4);
    EXPECT_EQ(rec.win.iwinkey, 1);
    close();
}

TEST_F(PageSettings, OriginAndPageOrigin) {
    GlobalRecord &rec = open();
    captureStdout([] {
        pagorg("BOTT");
        origin(10, 20);
    });
    EXPECT_EQ(rec.page.nxorg, 10);
    EXPECT_EQ(rec.page.nyorg, -20);
    EXPECT_EQ(jqqyvl(rec, 0), 2099);
    rec.page.iusrdrw = 1;
    EXPECT_EQ(jqqyvl(rec, 0), 0); // not while drawing at user coordinates
    rec.page.iusrdrw = 0;
    close();
}

TEST_F(PageSettings, ResetRestoresByKeyword) {
    GlobalRecord &rec = open();
    const std::string out = captureStdout([&] {
        origin(5, 5);
        clpwin(10, 10, 100, 100);
        colran(3, 4);
        reset("orig");
        reset("CLPW");
        reset("COLR");
        reset("XXXX");
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in reset!   (XXXX)\n");
    EXPECT_EQ(rec.page.nxorg, 0);
    EXPECT_EQ(rec.clip.nclpwin[2], rec.page.nxpage);
    EXPECT_EQ(rec.colour.nclrran[0], 1);
    EXPECT_EQ(rec.colour.nclrran[1], 254);
    close();
}

} // namespace
