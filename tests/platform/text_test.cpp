// Text in window-system fonts: the faces the names stand for, cell heights
// and widths, monochrome pixels that repeat, the opaque background, turned
// text, and fonts deleted while selected.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/windows.h"

namespace {

// A memory context with a black bitmap and white text.
class TextCanvas {
  public:
    TextCanvas(int w, int h) : w_(w), h_(h) {
        dc_ = CreateCompatibleDC(0);
        bitmap_ = CreateCompatibleBitmap(dc_, w, h);
        SelectObject(dc_, bitmap_);
        SetTextColor(dc_, RGB(255, 255, 255));
        SetBkMode(dc_, TRANSPARENT);
    }
    ~TextCanvas() {
        DeleteDC(dc_);
        DeleteObject(bitmap_);
        for (const HFONT f : fonts_)
            DeleteObject(f);
    }
    HDC dc() const { return dc_; }
    void use(int height, const char *face, int weight = FW_NORMAL, int escapement = 0) {
        const HFONT f = CreateFontA(height, 0, escapement, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, face);
        fonts_.push_back(f);
        SelectObject(dc_, f);
    }
    TEXTMETRICA metrics() const {
        TEXTMETRICA tm{};
        EXPECT_TRUE(GetTextMetricsA(dc_, &tm));
        return tm;
    }
    int width(const char *text) const {
        SIZE s{};
        EXPECT_TRUE(GetTextExtentPoint32A(dc_, text, int(std::strlen(text)), &s));
        return s.cx;
    }
    std::vector<COLORREF> pixels() const {
        std::vector<COLORREF> p;
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                p.push_back(GetPixel(dc_, x, y));
        return p;
    }
    // The smallest rectangle holding the pixels that are not black.
    RECT inked() const {
        RECT r{w_, h_, -1, -1};
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                if (GetPixel(dc_, x, y) != RGB(0, 0, 0)) {
                    r.left = std::min<LONG>(r.left, x);
                    r.top = std::min<LONG>(r.top, y);
                    r.right = std::max<LONG>(r.right, x + 1);
                    r.bottom = std::max<LONG>(r.bottom, y + 1);
                }
        return r;
    }

  private:
    int w_, h_;
    HDC dc_;
    HBITMAP bitmap_;
    std::vector<HFONT> fonts_;
};

TEST(Text, APositiveHeightIsTheCellAndANegativeOneTheCharacters) {
    for (const char *face : {"Arial", "Times New Roman", "Courier New", "Helvetica"})
        for (const int height : {10, 13, 16, 20, 41}) {
            TextCanvas canvas(1, 1);
            canvas.use(height, face);
            TEXTMETRICA tm = canvas.metrics();
            EXPECT_EQ(tm.tmHeight, height) << face;
            EXPECT_EQ(tm.tmAscent + tm.tmDescent, height) << face;
            canvas.use(-height, face);
            tm = canvas.metrics();
            EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, height) << face;
        }
    // A new context speaks in the system font: a cell of 16.
    TextCanvas canvas(1, 1);
    EXPECT_EQ(canvas.metrics().tmHeight, 16);
}

TEST(Text, WindowSystemNamesStandForTheLiberationFaces) {
    TextCanvas canvas(1, 1);
    canvas.use(-20, "Courier New");
    EXPECT_EQ(canvas.width("iiii"), canvas.width("WWWW")); // a fixed pitch
    EXPECT_EQ(canvas.width("iiii"), 4 * canvas.metrics().tmAveCharWidth);
    canvas.use(-20, "Arial");
    const int arial = canvas.width("Kavlor plots");
    EXPECT_LT(canvas.width("iiii"), canvas.width("WWWW"));
    canvas.use(-20, "aRIAL"); // names compare without regard to case
    EXPECT_EQ(canvas.width("Kavlor plots"), arial);
    canvas.use(-20, "Times New Roman");
    EXPECT_NE(canvas.width("Kavlor plots"), arial);
    canvas.use(-20, "Arial", FW_BOLD);
    EXPECT_GT(canvas.width("Kavlor plots"), arial);
    EXPECT_EQ(canvas.metrics().tmWeight, FW_BOLD);
    // A name no font has still gives a face.
    canvas.use(-20, "No such face at all");
    EXPECT_GT(canvas.width("Kavlor"), 0);
}

TEST(Text, TextIsMonochromeRepeatsAndStaysInItsCell) {
    TextCanvas first(200, 40), second(200, 40);
    for (TextCanvas *c : {&first, &second}) {
        c->use(-20, "Arial");
        EXPECT_TRUE(TextOutA(c->dc(), 10, 5, "Kavlor 9.1", 10));
    }
    const std::vector<COLORREF> pixels = first.pixels();
    EXPECT_EQ(pixels, second.pixels());
    EXPECT_EQ(std::set<COLORREF>(pixels.begin(), pixels.end()),
              (std::set<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255)}));
    const RECT ink = first.inked();
    const TEXTMETRICA tm = first.metrics();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + first.width("Kavlor 9.1"));
    EXPECT_GE(ink.top, 5 + tm.tmInternalLeading - 1);
    EXPECT_LE(ink.bottom, 5 + tm.tmHeight);
    // "9" ends on the baseline.
    EXPECT_EQ(ink.bottom, 5 + tm.tmAscent);
}

TEST(Text, AnOpaqueBackgroundFillsTheCell) {
    TextCanvas canvas(100, 40);
    canvas.use(16, "Arial");
    SetBkMode(canvas.dc(), OPAQUE);
    SetBkColor(canvas.dc(), RGB(0, 0, 255));
    TextOutA(canvas.dc(), 3, 4, "OK", 2);
    const RECT cell = canvas.inked();
    EXPECT_EQ(cell.left, 3);
    EXPECT_EQ(cell.top, 4);
    EXPECT_EQ(cell.right, 3 + canvas.width("OK"));
    EXPECT_EQ(cell.bottom, 4 + 16);
    EXPECT_EQ(GetPixel(canvas.dc(), 3, 4), RGB(0, 0, 255));
}

TEST(Text, AnEscapementTurnsTheBaseline) {
    TextCanvas canvas(60, 200);
    canvas.use(-20, "Arial", FW_NORMAL, 900);
    const int width = canvas.width("Kavlor");
    TextOutA(canvas.dc(), 10, 150, "Kavlor", 6);
    // Turned a quarter counter-clockwise, the text runs up from the point
    // with its top to the left.
    const RECT ink = canvas.inked();
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.right, 10 + canvas.metrics().tmHeight);
    EXPECT_LE(ink.bottom, 151);
    EXPECT_GE(ink.top, 150 - width - 1);
    EXPECT_GT(ink.bottom - ink.top, ink.right - ink.left);
}

TEST(Text, ADeletedFontGivesWayToTheSystemFont) {
    TextCanvas canvas(1, 1);
    const LONG system = canvas.metrics().tmAveCharWidth;
    const HFONT big = CreateFontA(-40, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    const HGDIOBJ old = SelectObject(canvas.dc(), big);
    EXPECT_EQ(old, GetStockObject(SYSTEM_FONT));
    EXPECT_GT(canvas.metrics().tmAveCharWidth, system);
    EXPECT_TRUE(DeleteObject(big));
    EXPECT_EQ(canvas.metrics().tmAveCharWidth, system);
    EXPECT_TRUE(TextOutA(canvas.dc(), 0, 0, "x", 1));
}

} // namespace
