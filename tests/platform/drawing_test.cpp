// The software drawing calls: the pixels of lines, rectangles, polygons and
// ellipse parts, bitmap bits, copies between contexts, object lifetimes, and
// the emulated palette screen.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/raster_core.h"
#include "platform/windows.h"

namespace {

// A memory context with a w x h bitmap, black, and its pixels as text rows
// ('.' black, '#' any other colour).
class Canvas {
  public:
    Canvas(int w, int h) : w_(w), h_(h) {
        dc_ = CreateCompatibleDC(0);
        bitmap_ = CreateCompatibleBitmap(dc_, w, h);
        old_ = SelectObject(dc_, bitmap_);
        pen_ = CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
        SelectObject(dc_, pen_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteObject(pen_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }
    std::vector<std::string> rows() const {
        std::vector<std::string> out;
        for (int y = 0; y < h_; ++y) {
            std::string row;
            for (int x = 0; x < w_; ++x)
                row += GetPixel(dc_, x, y) == RGB(0, 0, 0) ? '.' : '#';
            out.push_back(row);
        }
        return out;
    }
    int count() const {
        int n = 0;
        for (const std::string &row : rows())
            for (const char c : row)
                n += c == '#';
        return n;
    }

  private:
    int w_, h_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    HPEN pen_;
};

// The same rows, drawn by the raster core with both ends (the memory raster's rule).
std::vector<std::string> coreLine(int w, int h, int x1, int y1, int x2, int y2) {
    std::vector<std::uint8_t> bits(std::size_t(w * h), 0);
    PixelValue one;
    one.bytes[0] = 1;
    drawLine(PixelSurface{bits.data(), w, h, w, 1}, x1, y1, x2, y2, one, EndPoint::Include);
    std::vector<std::string> out;
    for (int y = 0; y < h; ++y) {
        std::string row;
        for (int x = 0; x < w; ++x)
            row += bits[std::size_t(y * w + x)] != 0 ? '#' : '.';
        out.push_back(row);
    }
    return out;
}

TEST(Drawing, ALineIsTheRasterCoresLineWithoutItsLastPixel) {
    struct Segment {
        int x1, y1, x2, y2;
    };
    for (const Segment s :
         {Segment{0, 0, 9, 3}, Segment{9, 7, 1, 0}, Segment{3, 0, 4, 9}, Segment{0, 5, 9, 5},
          Segment{6, 9, 6, 1}, Segment{0, 9, 9, 0}, Segment{-5, -2, 12, 8}}) {
        SCOPED_TRACE(testing::Message() << s.x1 << "," << s.y1 << " " << s.x2 << "," << s.y2);
        Canvas canvas(10, 10);
        const POINT line[2] = {{s.x1, s.y1}, {s.x2, s.y2}};
        ASSERT_EQ(Polyline(canvas.dc(), line, 2), 1);
        std::vector<std::string> expected = coreLine(10, 10, s.x1, s.y1, s.x2, s.y2);
        if (s.x2 >= 0 && s.x2 < 10 && s.y2 >= 0 && s.y2 < 10) expected[s.y2][s.x2] = '.';
        EXPECT_EQ(canvas.rows(), expected);
    }
}

TEST(Drawing, APolylineJoinsItsPiecesAndLeavesOutOnlyItsEnd) {
    Canvas canvas(6, 7);
    const POINT points[3] = {{0, 0}, {4, 2}, {4, 5}};
    Polyline(canvas.dc(), points, 3);
    EXPECT_EQ(canvas.rows(), (std::vector<std::string>{"##....", "..##..", "....#.", "....#.",
                                                       "....#.", "......", "......"}));
    // MoveToEx and LineTo draw the same.
    Canvas again(6, 7);
    MoveToEx(again.dc(), 0, 0, nullptr);
    LineTo(again.dc(), 4, 2);
    LineTo(again.dc(), 4, 5);
    EXPECT_EQ(again.rows(), canvas.rows());
}

TEST(Drawing, RectanglesAndPolygonsLeaveTheirRightColumnAndBottomRow) {
    const std::vector<std::string> square{"........", "........", "..###...",
                                          "..###...", "..###...", "........"};
    Canvas filled(8, 6);
    const HBRUSH white = HBRUSH(GetStockObject(WHITE_BRUSH));
    const RECT box{2, 2, 5, 5};
    EXPECT_EQ(FillRect(filled.dc(), &box, white), 1);
    EXPECT_EQ(filled.rows(), square);

    Canvas polygon(8, 6);
    SelectObject(polygon.dc(), GetStockObject(NULL_PEN));
    SelectObject(polygon.dc(), white);
    const POINT corners[4] = {{2, 2}, {5, 2}, {5, 5}, {2, 5}};
    EXPECT_EQ(Polygon(polygon.dc(), corners, 4), 1);
    EXPECT_EQ(polygon.rows(), square);

    // With the pen the outline closes the right and bottom edge too.
    Canvas outlined(8, 6);
    SelectObject(outlined.dc(), white);
    Polygon(outlined.dc(), corners, 4);
    EXPECT_EQ(outlined.count(), 16);
}

TEST(Drawing, TwoPolygonsSharingAnEdgeNeverBothFillAPixel) {
    const POINT upper[3] = {{0, 0}, {13, 0}, {0, 9}};
    const POINT lower[3] = {{13, 0}, {13, 9}, {0, 9}};
    Canvas a(14, 10), b(14, 10);
    for (Canvas *c : {&a, &b}) {
        SelectObject(c->dc(), GetStockObject(NULL_PEN));
        SelectObject(c->dc(), GetStockObject(WHITE_BRUSH));
    }
    Polygon(a.dc(), upper, 3);
    Polygon(b.dc(), lower, 3);
    const auto ra = a.rows(), rb = b.rows();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 14; ++x) {
            const bool inSquare = x < 13 && y < 9;
            EXPECT_EQ((ra[y][x] == '#') + (rb[y][x] == '#'), inSquare ? 1 : 0) << x << "," << y;
        }
}

TEST(Drawing, PolygonsFillByTheEvenOddRule) {
    Canvas star(21, 21);
    SelectObject(star.dc(), GetStockObject(NULL_PEN));
    SelectObject(star.dc(), GetStockObject(WHITE_BRUSH));
    // A five-pointed star drawn in one stroke: its middle is crossed twice.
    const POINT points[5] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
    Polygon(star.dc(), points, 5);
    const auto rows = star.rows();
    EXPECT_EQ(rows[11][10], '.'); // the middle
    EXPECT_EQ(rows[4][10], '#');  // the top arm
    EXPECT_EQ(rows[8][2], '#');   // the left arm
}

TEST(Drawing, EllipsesArcsAndChordsStayInTheirBox) {
    Canvas ellipse(11, 11);
    SelectObject(ellipse.dc(), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(Ellipse(ellipse.dc(), 0, 0, 9, 9), 1);
    const auto e = ellipse.rows();
    EXPECT_EQ(e[4], "#########.."); // through the middle: columns 0..8
    EXPECT_EQ(e[0][4], '#');        // top
    EXPECT_EQ(e[8][4], '#');        // bottom
    EXPECT_EQ(e[0][0], '.');        // a corner of the box
    EXPECT_EQ(e[9], "..........."); // the box's bottom row is left out

    // The upper half, counter-clockwise from the right to the left.
    Canvas arc(11, 11);
    EXPECT_EQ(Arc(arc.dc(), 0, 0, 9, 9, 8, 4, 0, 4), 1);
    const auto a = arc.rows();
    EXPECT_EQ(a[0][4], '#');
    for (int y = 5; y < 11; ++y)
        EXPECT_EQ(a[y], "...........") << y;
    EXPECT_EQ(a[2][4], '.'); // an arc is not filled

    Canvas chord(11, 11);
    SelectObject(chord.dc(), GetStockObject(WHITE_BRUSH));
    Chord(chord.dc(), 0, 0, 9, 9, 8, 4, 0, 4);
    const auto c = chord.rows();
    EXPECT_EQ(c[2][4], '#');
    EXPECT_EQ(c[4], "#########..");
    EXPECT_EQ(c[6], "...........");
}

TEST(Drawing, BitmapBitsAreRowsOfBlueGreenRedAndASpareByte) {
    Canvas canvas(3, 2);
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 0, RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(SetPixel(canvas.dc(), 3, 0, RGB(1, 2, 3)), CLR_INVALID);
    BITMAP b{};
    ASSERT_EQ(GetObjectA(canvas.bitmap(), sizeof b, &b), int(sizeof b));
    EXPECT_EQ(b.bmWidth, 3);
    EXPECT_EQ(b.bmHeight, 2);
    EXPECT_EQ(b.bmWidthBytes, 12);
    EXPECT_EQ(b.bmPlanes, 1);
    EXPECT_EQ(b.bmBitsPixel, 32);
    unsigned char bits[24];
    ASSERT_EQ(GetBitmapBits(canvas.bitmap(), sizeof bits, bits), 24);
    EXPECT_EQ(std::vector<unsigned char>(bits + 4, bits + 8),
              (std::vector<unsigned char>{3, 2, 1, 0}));
    bits[12] = 9; // blue of (0, 1)
    EXPECT_EQ(SetBitmapBits(canvas.bitmap(), sizeof bits, bits), 24);
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 1), RGB(0, 0, 9));
    EXPECT_EQ(GetBitmapBits(canvas.bitmap(), 5, bits), 5); // no more than asked
}

TEST(Drawing, BitBltCopiesWhatLiesInsideBothSides) {
    Canvas from(4, 4), to(6, 6);
    const RECT all{0, 0, 4, 4};
    FillRect(from.dc(), &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    // Source columns -2..1 and rows 1..4: only 0..1 x 1..3 exist.
    EXPECT_EQ(BitBlt(to.dc(), 3, 0, 4, 4, from.dc(), -2, 1, SRCCOPY), 1);
    EXPECT_EQ(to.rows(), (std::vector<std::string>{".....#", ".....#", ".....#", "......", "......",
                                                   "......"}));
    EXPECT_EQ(BitBlt(to.dc(), 0, 0, 2, 2, from.dc(), 0, 0, 0), 0); // only SRCCOPY
}

TEST(Drawing, RemovedObjectsGiveWayToTheDefaultsAndStaleHandlesFail) {
    Canvas canvas(4, 1);
    const HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(canvas.dc(), red);
    EXPECT_EQ(DeleteObject(red), 1);
    MoveToEx(canvas.dc(), 0, 0, nullptr);
    LineTo(canvas.dc(), 3, 0);
    EXPECT_EQ(canvas.count(), 0); // the default black pen
    EXPECT_EQ(SelectObject(canvas.dc(), red), 0);
    EXPECT_EQ(DeleteObject(red), 0);
    EXPECT_EQ(DeleteObject(GetStockObject(BLACK_PEN)), 1); // stock objects stay
    EXPECT_NE(GetStockObject(BLACK_PEN), 0);
    EXPECT_EQ(CreateCompatibleBitmap(canvas.dc(), 0, 5), 0);
    EXPECT_EQ(LineTo(12345, 1, 1), 0);
}

TEST(Drawing, AnEmulatedPaletteScreenStoresSystemPaletteIndices) {
    setenv("KAVLOR_SCREEN_BITS", "8", 1);
    EXPECT_EQ(GetDeviceCaps(0, BITSPIXEL), 8);
    EXPECT_EQ(GetDeviceCaps(0, RASTERCAPS) & RC_PALETTE, RC_PALETTE);
    Canvas canvas(4, 1);
    BITMAP b{};
    GetObjectA(canvas.bitmap(), sizeof b, &b);
    EXPECT_EQ(b.bmBitsPixel, 8);
    EXPECT_EQ(b.bmWidthBytes, 4);

    LOGPALETTE logical{0x300, 129, {}};
    for (int i = 0; i < 129; ++i)
        logical.palPalEntry[i] = PALETTEENTRY{BYTE(2 * i), 7, 9, PC_NOCOLLAPSE};
    const HPALETTE palette = CreatePalette(&logical);
    ASSERT_NE(palette, 0);
    SelectPalette(canvas.dc(), palette, 0);
    EXPECT_EQ(RealizePalette(canvas.dc()), 129u);
    EXPECT_EQ(SetPixel(canvas.dc(), 0, 0, PALETTEINDEX(5)), RGB(10, 7, 9));
    EXPECT_EQ(SetPixel(canvas.dc(), 1, 0, RGB(255, 0, 0)), RGB(255, 0, 0)); // a fixed colour
    unsigned char bits[4];
    GetBitmapBits(canvas.bitmap(), 4, bits);
    EXPECT_EQ(bits[0], 15); // entry 5 after the 10 fixed colours
    EXPECT_EQ(bits[1], 249);

    // Without the fixed colours the palette starts at 0.
    SetSystemPaletteUse(canvas.dc(), SYSPAL_NOSTATIC);
    RealizePalette(canvas.dc());
    SetPixel(canvas.dc(), 2, 0, PALETTEINDEX(5));
    GetBitmapBits(canvas.bitmap(), 4, bits);
    EXPECT_EQ(bits[2], 5);
    SetSystemPaletteUse(canvas.dc(), SYSPAL_STATIC);
    DeleteObject(palette);
}

} // namespace
