// What the screen driver draws into a window, read back from an X server of
// the test's own: dots, text in bitmap fonts and included images set the
// pixels the memory raster sets for the same plot; marker symbols, filled
// polygons and flat triangles take their shapes, places and colours; shaded
// triangles, written past the line pipeline, stay inside the axis system.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/window_colours.h"
#include "tests/support/x_server.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

class ScreenDrawing : public PlotTest {
  protected:
    XvfbServer server;

    void SetUp() override {
        PlotTest::SetUp();
        ASSERT_TRUE(server.running());
    }

    // The scene on the PPM device at the window's size, cut to what the
    // window shows (its client area is a pixel narrower and lower).
    RgbImage rasterPicture(const std::function<void()> &scene) {
        captureStdout([&] {
            metafl("PPM");
            setfil("plot.ppm");
            filmod("DELE");
            winsiz(kWidth, kHeight);
            kavini();
            scene();
            kavfin();
        });
        return readPpm(dir.file("plot.ppm")).crop(0, 0, kWidth - 1, kHeight - 1);
    }

    // The scene in a window, as the server shows it.
    static RgbImage windowPicture(const std::function<void()> &scene) {
        captureStdout([&] {
            metafl("XWIN");
            winsiz(kWidth, kHeight);
            kavini();
            winmod("NOHO");
            scene();
            sendbf();
        });
        const unsigned long window = windowNamed("KAVLOR 1 / Working");
        EXPECT_NE(window, 0u);
        RgbImage shown;
        if (window != 0) shown = windowPixels(window);
        captureStdout([] { kavfin(); });
        return shown;
    }
};

// The pixels of a whose colour b has at none of the pixels within one pixel.
int unmatchedPixels(const RgbImage &a, const RgbImage &b) {
    int unmatched = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    const int bx = x + dx, by = y + dy;
                    found = bx >= 0 && by >= 0 && bx < b.width && by < b.height &&
                            pixel(b, bx, by) == pixel(a, x, y);
                }
            unmatched += !found;
        }
    return unmatched;
}

// A draw to the point of the move, in several colours; a second draw there
// adds nothing.
void dots() {
    const int points[][2] = {{300, 300}, {1500, 800}, {2600, 1900}, {20, 2080}};
    int colour = 50;
    for (const auto &p : points) {
        setclr(colour += 40);
        strtpt(p[0], p[1]);
        connpt(p[0], p[1]);
        connpt(p[0], p[1]);
    }
}

// Small text of the stroke fonts, whose dots and short strokes shrink to a
// pixel or two.
void smallText() {
    height(12);
    messag("i.j:k;l!m?n,o.p", 200, 300);
    complx();
    messag("i.j:k;l!m?n,o.p", 200, 600);
}

// Text in the bitmap fonts across, upwards and turned.
void bitmapText() {
    height(60);
    bmpfnt("COMP");
    color("RED");
    messag("Kavlor 9.1 (x+y)", 200, 300);
    height(40);
    bmpfnt("HELV");
    color("GREEN");
    messag("bitmap", 300, 900);
    angle(90);
    messag("upwards", 2500, 1900);
    angle(30);
    color("YELLOW");
    messag("turned", 1200, 1800);
}

TEST_F(ScreenDrawing, DotsAndTextSetThePixelsOfTheMemoryRaster) {
    // The bitmap fonts of the source tree.
    setenv("KAVLOR", KAVLOR_SOURCE_DIR "/data", 1);
    const struct {
        const char *name;
        void (*scene)();
    } cases[] = {{"dots", dots}, {"bitmap text", bitmapText}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const RgbImage raster = rasterPicture(c.scene);
        ASSERT_TRUE(raster.valid());
        EXPECT_EQ(differences(windowPicture(c.scene), raster), "");
    }
    // The window leaves out the last pixel of a stroke, the memory raster
    // does not: small text differs by that pixel, and no dot is lost.
    const RgbImage raster = rasterPicture(smallText);
    const RgbImage shown = windowPicture(smallText);
    ASSERT_TRUE(raster.valid() && shown.valid());
    EXPECT_EQ(unmatchedPixels(raster, shown), 0);
    EXPECT_EQ(unmatchedPixels(shown, raster), 0);
}

// The pixels of a part of a picture that differ from its background (the
// colour at the corner): their bounding box and count.
struct Ink {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
    std::vector<int> colour; // the colour of the last one
};

Ink inkIn(const RgbImage &image, int x0, int y0, int x1, int y1) {
    Ink ink;
    const std::vector<int> paper = pixel(image, 0, 0);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (pixel(image, x, y) == paper) continue;
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x);
            ink.bottom = std::max(ink.bottom, y);
            ++ink.count;
            ink.colour = pixel(image, x, y);
        }
    return ink;
}

// Marker symbols each in a colour of its own, drawn by the window system's
// shapes: centred on their point, r = size / 2 pixels to each side (the
// lines leave out their last pixel, the ellipses their right and bottom
// edge), outlined or filled; at size 1 every symbol is one pixel.
TEST_F(ScreenDrawing, MarkerSymbolsStandOnTheirPointsInTheirShapes) {
    // The symbols whose centre pixel is inked (on a plus, a cross, a chord or
    // filled), those inked r / 2 above the centre too (on a plus or filled),
    // and the half circles, which reach down to their chord only.
    const std::set<int> centreInked = {3, 4, 7, 8, 9, 10, 12, 13, 16, 17, 18, 19, 20, 21, 22, 23};
    const std::set<int> upperInked = {3, 8, 9, 10, 12, 16, 17, 18, 19, 20, 21, 23};
    const std::set<int> halves = {22, 23};
    const auto centreOf = [](int n) { return std::pair{250 + 450 * (n % 6), 250 + 450 * (n / 6)}; };
    float scale = 0;
    std::vector<int> colours[24];
    for (const int size : {80, 3}) {
        SCOPED_TRACE(size);
        const RgbImage shown = windowPicture([&] {
            scale = currentRecord().page.xdevscl;
            hsymbl(size);
            for (int n = 0; n < 24; ++n) {
                setclr(30 + 9 * n);
                colours[n] = colourOf(30 + 9 * n);
                symbol(n, centreOf(n).first, centreOf(n).second);
            }
        });
        ASSERT_TRUE(shown.valid());
        const int r = int(float(size) * scale + 0.5f) / 2;
        ASSERT_EQ(r, size == 80 ? 11 : 0);
        for (int n = 0; n < 24; ++n) {
            SCOPED_TRACE(n);
            const int x = int(float(centreOf(n).first) * scale + 0.5f);
            const int y = int(float(centreOf(n).second) * scale + 0.5f);
            const Ink ink = inkIn(shown, x - 30, y - 30, x + 30, y + 30);
            EXPECT_EQ(ink.colour, colours[n]);
            if (r == 0) {
                EXPECT_EQ(ink.count, 1);
                EXPECT_EQ(pixel(shown, x, y), colours[n]);
                continue;
            }
            EXPECT_EQ(ink.left, x - r);
            EXPECT_EQ(ink.top, y - r);
            EXPECT_NEAR(ink.right, x + r, 1);
            EXPECT_NEAR(ink.bottom, halves.count(n) ? y : y + r, 1);
            EXPECT_EQ(pixel(shown, x, y) == colours[n], centreInked.count(n) == 1);
            EXPECT_EQ(pixel(shown, x, y - r / 2) == colours[n], upperInked.count(n) == 1);
        }
    }
}

// Solid polygons: a concave one, and a star crossing itself (its inner part
// stays empty).
void polygons() {
    shdpat(16);
    setclr(70);
    const int arrowX[7] = {200, 900, 900, 1300, 900, 900, 200};
    const int arrowY[7] = {500, 500, 250, 700, 1150, 900, 900};
    areaf(arrowX, arrowY, 7);
    setclr(150);
    const int starX[5] = {1900, 2300, 1500, 2500, 1600};
    const int starY[5] = {200, 1200, 550, 550, 1200};
    areaf(starX, starY, 5);
}

// Flat triangles, one of them a sliver.
void triangles() {
    const float x1[3] = {200, 1400, 600}, y1[3] = {300, 500, 1900};
    const float x2[3] = {1700, 2800, 2750}, y2[3] = {1000, 1050, 1150};
    const float x3[3] = {1600, 2600, 2100}, y3[3] = {1900, 1900, 1300};
    setclr(90);
    trifll(x1, y1);
    setclr(200);
    trifll(x2, y2);
    color("BLUE");
    trifll(x3, y3);
}

// The window system fills a polygon without its right and bottom edge, the
// memory raster's filler with them: they differ on the edges only. Flat
// triangles, outlined first in their colour, come out alike.
TEST_F(ScreenDrawing, PolygonsAndTrianglesFillWhatTheMemoryRasterFills) {
    const RgbImage rasterPolygons = rasterPicture(polygons);
    const RgbImage shownPolygons = windowPicture(polygons);
    ASSERT_TRUE(rasterPolygons.valid() && shownPolygons.valid());
    EXPECT_EQ(unmatchedPixels(shownPolygons, rasterPolygons), 0);
    EXPECT_EQ(unmatchedPixels(rasterPolygons, shownPolygons), 0);
    const float s = float(kWidth - 1) / 2970.0f; // the page's scale in the window
    const std::vector<int> paper = pixel(shownPolygons, 0, 0);
    EXPECT_EQ(pixel(shownPolygons, int(1960 * s), int(750 * s)), paper)
        << "the star's inner part is empty";
    EXPECT_NE(pixel(shownPolygons, int(1900 * s), int(400 * s)), paper) << "its arm is filled";

    const RgbImage rasterTriangles = rasterPicture(triangles);
    ASSERT_TRUE(rasterTriangles.valid());
    EXPECT_EQ(differences(windowPicture(triangles), rasterTriangles), "");
}

// A picture of 40 x 30 pixels in many table colours, written by writer: as
// colour numbers and a palette, or (rgb) as a 24-bit picture.
void savePicture(void (*writer)(const char *), const char *file, bool rgb) {
    std::vector<unsigned char> values(40 * 30);
    std::mt19937 random(7);
    for (unsigned char &v : values)
        v = static_cast<unsigned char>(random() % 256);
    captureStdout([&] {
        imgfmt(rgb ? "RGB" : "IND");
        metafl("PNG");
        setfil("source.png");
        filmod("DELE");
        winsiz(40, 30);
        kavini();
        imgini();
        wpixls(values.data(), 0, 0, 40, 30);
        imgfin();
        writer(file);
        kavfin();
        imgfmt("IND");
    });
}

TEST_F(ScreenDrawing, AFileIncludedIntoAWindowSetsThePixelsOfThePpmDevice) {
    const struct {
        const char *file;
        void (*writer)(const char *);
        bool rgb;
    } cases[] = {{"picture.gif", rgif, false}, {"picture.bmp", rbmp, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        savePicture(c.writer, c.file, c.rgb);
        const auto scene = [&] {
            frame(0);
            filbox(700, 350, 600, 400);
            incfil(c.file);
        };
        const RgbImage raster = rasterPicture(scene);
        ASSERT_TRUE(raster.valid());
        ASSERT_GT(inkIn(raster, 0, 0, kWidth - 2, kHeight - 2).count, 1000) << "the picture is in";
        EXPECT_EQ(differences(windowPicture(scene), raster), "");
    }
}

// A shaded triangle of graf3 reaching out of the axis system (X 0..10 on
// 1001 units from 200, Y 0..5 from 1200 up): its pixels, written past the
// line pipeline, stop at the system's frame on a landscape and a portrait
// page, in the window as in the memory raster.
TEST_F(ScreenDrawing, ShadedTrianglesStayInsideTheAxisSystem) {
    for (const bool portrait : {false, true}) {
        SCOPED_TRACE(portrait ? "portrait" : "landscape");
        float scale = 0, pageWidth = 0;
        const auto scene = [&] {
            scale = currentRecord().page.xdevscl;
            pageWidth = float(currentRecord().page.nxpage);
            axspos(200, 1200);
            axslen(1001, 501);
            nograf();
            graf3(0, 10, 0, 2, 0, 5, 0, 1, 0, 4, 0, 1);
            shdmod("SMOO", "SURF");
            const float x[3] = {8, 14, 8}, y[3] = {1, 1, 4}, z[3] = {2, 2, 2};
            const int i1[1] = {1}, i2[1] = {2}, i3[1] = {3};
            crvtri(x, y, z, 3, i1, i2, i3, 1);
            endgrf();
        };
        if (portrait) pagmod("PORT");
        const RgbImage raster = rasterPicture(scene);
        if (portrait) pagmod("PORT");
        const RgbImage shown = windowPicture(scene);
        ASSERT_TRUE(raster.valid() && shown.valid());
        EXPECT_EQ(differences(shown, raster), "");
        // The pixel of a plot point; a portrait page lies turned.
        const auto at = [&](float x, float y) {
            return portrait
                       ? pixel(shown, int(y * scale + 0.5f), int((pageWidth - x) * scale + 0.5f))
                       : pixel(shown, int(x * scale + 0.5f), int(y * scale + 0.5f));
        };
        const std::vector<int> paper = pixel(shown, 0, 0);
        EXPECT_NE(at(1190, 1090), paper) << "inside the frame";
        EXPECT_EQ(at(1215, 1090), paper) << "beyond it";
        EXPECT_EQ(at(1300, 1050), paper);
    }
}

} // namespace
