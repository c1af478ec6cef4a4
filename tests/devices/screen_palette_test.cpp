// A screen of 8 bits per pixel (the stand-in's emulated palette screen, asked
// for before anything is drawn) on an X server of the test's own: colours
// reach the window through a palette of 129 entries chosen by the colour mode,
// and a changed colour table changes what the window shows of boxes already
// drawn, as a palette does.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "kavlor.h"
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

} // namespace
