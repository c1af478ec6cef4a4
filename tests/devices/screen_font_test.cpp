// Text in Windows fonts on a screen window of an X server of the test's own:
// the glyphs of the font asked for, where the text belongs, across and
// turned a quarter upwards.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kavlor.h"
#include "kernel/record.h"
#include "platform/windows.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/x_server.h"

namespace {

constexpr int kWidth = 400, kHeight = 300;

struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

// The pixels that differ from the background (the colour at the corner)
// within a part of the picture.
InkBox inkIn(const RgbImage &image, int x0, int y0, int x1, int y1) {
    InkBox b;
    const unsigned char *paper = image.at(2, 2);
    for (int y = std::max(y0, 0); y < std::min(y1, image.height); ++y)
        for (int x = std::max(x0, 0); x < std::min(x1, image.width); ++x) {
            const unsigned char *p = image.at(x, y);
            if (p[0] == paper[0] && p[1] == paper[1] && p[2] == paper[2]) continue;
            b.left = std::min(b.left, x);
            b.top = std::min(b.top, y);
            b.right = std::max(b.right, x);
            b.bottom = std::max(b.bottom, y);
            ++b.count;
        }
    return b;
}

// The pixels a character sets in a font of that cell height, drawn alone.
int glyphPixels(const char *face, int height, char c) {
    const HDC dc = CreateCompatibleDC(0);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, 4 * height, 2 * height);
    SelectObject(dc, bitmap);
    const RECT all{0, 0, 4 * height, 2 * height};
    const HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &all, white);
    const HFONT font = CreateFontA(height, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, face);
    SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutA(dc, height, 0, &c, 1);
    int count = 0;
    for (int y = 0; y < 2 * height; ++y)
        for (int x = 0; x < 4 * height; ++x)
            count += (GetPixel(dc, x, y) & 0xFFFFFF) != 0xFFFFFF;
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(font);
    DeleteObject(white);
    return count;
}

class ScreenFont : public PlotTest {
  protected:
    XvfbServer server;

    void SetUp() override {
        PlotTest::SetUp();
        ASSERT_TRUE(server.running());
    }
};

TEST_F(ScreenFont, TheGlyphsOfTheFontStandWhereTheTextBelongs) {
    captureStdout([] {
        metafl("XWIN");
        winsiz(kWidth, kHeight);
        kavini();
        winmod("NOHO");
        winfnt("Arial");
        height(100);
        messag("HELLO", 300, 300);
        angle(90);
        messag("HELLO", 300, 1900);
        angle(0);
        sendbf();
    });
    GlobalRecord &rec = currentRecord();
    ASSERT_EQ(rec.font.ifontyp, 2);
    const float s = rec.page.xdevscl;
    const int cell = int(16.0f * 100.0f * s * 0.125f + 0.5f); // the cell on a small window
    // The cell hangs from the text's top, the font's leading above it; the
    // baseline lies the font's ascent below the cell's top.
    TEXTMETRICA metrics{};
    {
        const HDC dc = CreateCompatibleDC(0);
        const HFONT font = CreateFontA(cell, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
        SelectObject(dc, font);
        GetTextMetricsA(dc, &metrics);
        DeleteDC(dc);
        DeleteObject(font);
    }
    const int baseline =
        int(metrics.tmAscent - metrics.tmInternalLeading - metrics.tmExternalLeading) - 1;
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    ASSERT_NE(window, 0u);
    const RgbImage shown = windowPixels(window);
    ASSERT_TRUE(shown.valid());

    // Across: from the start point, on the baseline a character height
    // lower, as long as nlmess says, with every pixel of each glyph.
    const InkBox across = inkIn(shown, 0, 0, kWidth, int(1000 * s));
    EXPECT_NEAR(across.left, 300 * s, 2);
    EXPECT_NEAR(across.bottom, int(300 * s + 0.5f) + baseline, 1);
    int length = 0;
    captureStdout([&] { length = nlmess("HELLO"); });
    EXPECT_NEAR(across.right - across.left, length * s, 4); // the glyphs' side bearings aside
    int glyphs = 0;
    for (const char c : std::string("HELLO"))
        glyphs += glyphPixels("Arial", cell, c);
    EXPECT_EQ(across.count, glyphs);

    // Upwards: the baseline on the right, the text going up from the start.
    const InkBox up = inkIn(shown, 0, int(1000 * s), kWidth, kHeight);
    EXPECT_NEAR(up.right, int(300 * s + 0.5f) + baseline, 1);
    EXPECT_NEAR(up.bottom, 1900 * s, 4);
    EXPECT_NEAR(up.bottom - up.top, across.right - across.left, 2);
    EXPECT_NEAR(up.right - up.left, across.bottom - across.top, 2);
    captureStdout([] { kavfin(); });
}

// The inked part of a window's picture, cut out, and its count of pixels.
struct Inked {
    RgbImage part;
    int count = 0;
};

Inked inkedPart(const RgbImage &image) {
    const InkBox b = inkIn(image, 0, 0, image.width, image.height);
    return {image.crop(b.left, b.top, b.right - b.left + 1, b.bottom - b.top + 1), b.count};
}

// The picture of "Kavlor" in Arial, upwards on a landscape page or across on a
// portrait page, in a window sized so that both have the same scale.
Inked turnedText(bool portrait) {
    captureStdout([portrait] {
        metafl("XWIN");
        if (portrait) pagmod("PORT");
        winsiz(portrait ? kHeight : kWidth, portrait ? kWidth : kHeight);
        kavini();
        winmod("NOHO");
        winfnt("Arial");
        height(100);
        angle(portrait ? 0 : 90);
        messag("Kavlor", 500, portrait ? 500 : 1800);
        sendbf();
    });
    const unsigned long window = windowNamed("KAVLOR 1 / Working");
    EXPECT_NE(window, 0u);
    const Inked shown = window != 0 ? inkedPart(windowPixels(window)) : Inked{};
    captureStdout([] { kavfin(); });
    return shown;
}

TEST_F(ScreenFont, TextOnAPortraitPageIsTurnedWithThePage) {
    const Inked upwards = turnedText(false);
    const Inked portrait = turnedText(true);
    ASSERT_TRUE(upwards.part.valid());
    EXPECT_GT(upwards.part.height, 2 * upwards.part.width) << "the text runs up the window";
    // The same glyphs, turned alike; the characters' places may round a
    // pixel apart.
    EXPECT_EQ(portrait.part.width, upwards.part.width);
    EXPECT_EQ(portrait.part.height, upwards.part.height);
    EXPECT_EQ(portrait.count, upwards.count);
}

} // namespace
