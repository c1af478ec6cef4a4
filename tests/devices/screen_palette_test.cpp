// A screen of 8 bits per pixel (the stand-in's emulated palette screen, asked
// for before anything is drawn) on an X server of the test's own: colours
// reach the window through a palette of 129 entries chosen by the colour mode,
// and a changed colour table changes what the window shows of boxes already
// drawn, as a palette does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "devices/driver_record.h"
#include "devices/screen_driver.h"
#include "devices/screen_pixels.h"
#include "devices/screen_windows.h"
#include "devices/window_table.h"
#include "kavlor.h"
#include "kernel/colour_state.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/x_server.h"

namespace {

// Before the first drawing call of the process: the screen is chosen once.
const bool kPaletteScreen = setenv("KAVLOR_SCREEN_BITS", "8", 1) == 0;

constexpr int kWidth = 400, kHeight = 300;

class PaletteScreen : public PlotTest {
  protected:
    XvfbServer server;
    unsigned long window = 0;

    void SetUp() override {
        PlotTest::SetUp();
        ASSERT_TRUE(kPaletteScreen);
        ASSERT_TRUE(server.running());
    }
    void openScreen(const char *mode) {
        captureStdout([&] {
            metafl("XWIN");
            clrmod(mode);
            winsiz(kWidth, kHeight);
            kavini();
        });
        window = windowNamed("KAVLOR 1 / Working");
        ASSERT_NE(window, 0u);
    }
    static void closeScreen() {
        winmod("NOHO");
        captureStdout([] { kavfin(); });
    }
    // What the window shows in the middle of box i of drawBoxes.
    std::vector<int> shownInBox(int i) const {
        const RgbImage shown = windowPixels(window);
        const float scale = float(kWidth - 1) / 2970.0f;
        const unsigned char *p = shown.at(int((400 + 500 * i) * scale), int(550 * scale));
        return {p[0], p[1], p[2]};
    }
};

// Boxes side by side in the given colours, shown.
void drawBoxes(const std::vector<int> &colours) {
    for (std::size_t i = 0; i < colours.size(); ++i)
        recfll(150 + 500 * int(i), 300, 500, 500, colours[i]);
    sendbf();
}

std::vector<int> tableColour(int n) {
    float r = 0, g = 0, b = 0;
    getind(n, &r, &g, &b);
    return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
}

TEST_F(PaletteScreen, ColoursGoThroughThePaletteOfTheColourMode) {
    EXPECT_EQ(getbpp(), 8);
    struct Case {
        const char *mode;
        std::vector<int> drawn, shownAs;
    };
    // NONE: the 129 entries hold the colours 0, 1, 3, ... 255, and an even
    // colour takes the entry of the odd one below it. CONT: colour n mod 128.
    const Case cases[] = {
        {"NONE", {1, 2, 100, 254, 255}, {1, 1, 99, 253, 255}},
        {"CONT", {1, 2, 100, 200, 255}, {1, 2, 100, 72, 127}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.mode);
        openScreen(c.mode);
        EXPECT_EQ(getbpp(), 8);
        drawBoxes(c.drawn);
        for (std::size_t i = 0; i < c.drawn.size(); ++i)
            EXPECT_EQ(shownInBox(int(i)), tableColour(c.shownAs[i])) << "colour " << c.drawn[i];
        closeScreen();
    }
}

TEST_F(PaletteScreen, ANewColourTableRecoloursWhatIsDrawn) {
    openScreen("NONE");
    drawBoxes({1, 2, 255});
    const std::vector<int> white = shownInBox(2);

    // Colour 1 changed: both boxes of its palette entry change, nothing drawn again.
    setind(1, 1.0f, 0.5f, 0.0f);
    sendbf();
    EXPECT_EQ(shownInBox(0), (std::vector<int>{255, 128, 0}));
    EXPECT_EQ(shownInBox(1), (std::vector<int>{255, 128, 0}));
    EXPECT_EQ(shownInBox(2), white);

    // A table of greys: every box shows its grey.
    captureStdout([] { setvlt("GREY"); });
    sendbf();
    for (const int i : {0, 1, 2})
        EXPECT_EQ(shownInBox(i), tableColour(i == 2 ? 255 : 1)) << i;
    EXPECT_EQ(shownInBox(0)[0], shownInBox(0)[1]);
    closeScreen();
}

// Pixel routines on the palette screen read back the colour numbers they
// wrote and those boxes were drawn in: with the spread table of 129 entries
// (odd numbers stand for the even ones below), and with the small table,
// whose numbers are its palette indices.
TEST_F(PaletteScreen, PixelsReadBackTheirColourNumbers) {
    struct Case {
        const char *table;
        std::vector<int> drawn, read;
    };
    const Case cases[] = {
        {"RAIN", {1, 2, 100, 255}, {1, 1, 99, 255}},
        {"SMAL", {1, 3, 5, 8}, {1, 3, 5, 8}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.table);
        openScreen("NONE");
        captureStdout([&] { setvlt(c.table); });
        drawBoxes(c.drawn);
        const float scale = float(kWidth - 1) / 2970.0f;
        imgini();
        for (std::size_t i = 0; i < c.drawn.size(); ++i) {
            int colour = -1;
            rpixel(int((400 + 500 * int(i)) * scale), int(550 * scale), &colour);
            EXPECT_EQ(colour, c.read[i]) << "box of colour " << c.drawn[i];
            wpixel(5 + int(i), 5, c.drawn[i]);
            rpixel(5 + int(i), 5, &colour);
            EXPECT_EQ(colour, c.read[i]) << "pixel of colour " << c.drawn[i];
        }
        imgfin();
        closeScreen();
    }
}

// The palette of a 4-bit screen, worked out without one: 16 entries spread
// over the colour table (0 and 255 at the ends), or the colour number modulo
// 16 in the other colour modes; pixels of a pixel copy hold the entry and
// read back as the colour the entry shows.
TEST(FourBitPalette, EntriesAndPixelsOfTheColourModes) {
    GlobalRecord &rec = currentRecord();
    DriverRecord &d = *qqwglb(rec, nullptr, DriverRecords::Both);
    WindowTable &t = *d.pwintab;
    d.nbits = 4;
    t.iclrmodel = kPalette16;
    t.npalsize = 16;
    t.ipixbits = 1;
    d.ivltkind = int(ColourTableKind::Rain);
    struct Case {
        int clrmod, n, entry, readAs;
    };
    const Case cases[] = {
        {0, 0, 0, 0},      {0, 1, 1, 1},   {0, 128, 8, 137}, {0, 254, 14, 254},
        {0, 255, 15, 255}, {2, 200, 8, 8}, {2, 15, 15, 15},  {1, 17, 1, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.clrmod) + " " + std::to_string(c.n));
        t.iclrmod = std::uint8_t(c.clrmod);
        EXPECT_EQ(screenColour(d, t, c.n), PALETTEINDEX(WORD(c.entry)));
        EXPECT_EQ(qqgcll(d, c.n), c.entry);
        EXPECT_EQ(qqscll(d, c.entry), c.readAs);
    }
    qqwfree(rec);
}

} // namespace
