// Flat triangles on the devices that fill them themselves and through the
// general polygon fill, seen on the pixels of real readers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

using Colour = bool (*)(const unsigned char *);
bool red(const unsigned char *p) {
    return p[0] > 200 && p[1] < 60 && p[2] < 60;
}
bool blue(const unsigned char *p) {
    return p[2] > 200 && p[0] < 60 && p[1] < 60;
}

// Where a colour lies in a picture: its box and the widths of its top and
// bottom rows.
struct Shape {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    int topWidth = 0, bottomWidth = 0;
    int width() const { return x2 - x1 + 1; }
    int height() const { return y2 - y1 + 1; }
};

Shape shapeOf(const RgbImage &image, Colour colour) {
    Shape s;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (colour(image.at(x, y))) {
                s.x1 = std::min(s.x1, x), s.x2 = std::max(s.x2, x);
                s.y1 = std::min(s.y1, y), s.y2 = std::max(s.y2, y);
            }
    for (int x = 0; x < image.width && s.y2 >= 0; ++x) {
        s.topWidth += colour(image.at(x, s.y1));
        s.bottomWidth += colour(image.at(x, s.y2));
    }
    return s;
}

class FlatTriangle : public PlotTest {
  protected:
    // A 400 x 300 page; the red triangle (100,50) (300,50) (200,250), as wide
    // as high with its point downwards, drawn while pattern 0 is in force.
    void drawOn(const char *device, const char *file, const char *origin = "TOP", int shiftX = 0,
                int shiftY = 0) {
        captureStdout([] {
            page(400, 300);
            pagmod("NONE");
        });
        open(device, file);
        captureStdout([=] {
            pagorg(origin);
            ::origin(shiftX, shiftY);
            shdpat(0);
            color("RED");
            const float x[3] = {100, 300, 200}, y[3] = {50, 50, 250};
            trifll(x, y);
        });
    }

    RgbImage picture(const std::string &file) {
        const std::string path = dir.file(file);
        if (file.ends_with(".pdf")) return renderPdf(path, 144);
        if (file.ends_with(".ps")) return renderPostScript(path, 144, false);
        if (file.ends_with(".svg")) return renderSvg(path, 1);
        return readPpm(path);
    }
};

TEST_F(FlatTriangle, IsFilledInTheCurrentColourOnEveryKindOfDevice) {
    for (const char *file : {"plot.ps", "plot.pdf", "plot.ppm", "plot.svg"}) {
        const std::string name = file;
        const std::string device = name.substr(name.find('.') + 1);
        SCOPED_TRACE(device);
        drawOn(device == "ps" ? "PS" : device.c_str(), file);
        EXPECT_EQ(currentRecord().fill.nshdpat, 0); // the pattern is back
        const std::string bytes = close(file);
        // PostScript has a procedure for it; SVG takes the polygon fill.
        if (device == "ps") {
            EXPECT_NE(bytes.find(" tri "), std::string::npos);
        }
        const Shape s = shapeOf(picture(file), red);
        ASSERT_GT(s.width(), 20);
        EXPECT_NEAR(s.width(), s.height(), 2 + s.width() / 50);
        EXPECT_GT(s.topWidth, s.width() * 9 / 10);
        EXPECT_LT(s.bottomWidth, s.width() / 10);
    }
}

TEST_F(FlatTriangle, ACornerOutsideTheClipWindowTakesThePolygonFill) {
    drawOn("PS", "plot.ps");
    captureStdout([] {
        clpwin(0, 0, 251, 300); // x up to 250
        color("BLUE");
        const float x[3] = {100, 300, 200}, y[3] = {50, 50, 250};
        trifll(x, y);
    });
    const std::string bytes = close("plot.ps");
    EXPECT_EQ(bytes.find(" tri "), bytes.rfind(" tri ")); // only the red one
    const RgbImage image = picture("plot.ps");
    const Shape r = shapeOf(image, red), b = shapeOf(image, blue);
    ASSERT_GT(r.width(), 10);
    // Blue covers the red triangle up to the clip window's edge, 3/4 across:
    // red shows only right of it.
    EXPECT_NEAR(b.width(), 3 * r.width(), 4);
    EXPECT_NEAR(b.x2 + 1, r.x1, 2);
    EXPECT_GT(b.topWidth, b.width() * 9 / 10);
}

TEST_F(FlatTriangle, TheBottomPageOriginMirrorsItsPoints) {
    drawOn("PPM", "plot.ppm", "BOTT");
    close("plot.ppm");
    const Shape s = shapeOf(picture("plot.ppm"), red);
    ASSERT_GT(s.width(), 20);
    EXPECT_LT(s.topWidth, s.width() / 10); // the point is upwards now
    EXPECT_GT(s.bottomWidth, s.width() * 9 / 10);
}

// The origin shift moves the triangle as it moves every other polygon, on
// the devices that fill it themselves too: the fill does not part from its
// outline.
TEST_F(FlatTriangle, TheOriginShiftMovesTheTriangle) {
    for (const char *file : {"plot.ps", "plot.pdf", "plot.ppm", "plot.svg"}) {
        const std::string name = file;
        const std::string device = name.substr(name.find('.') + 1);
        SCOPED_TRACE(device);
        const char *code = device == "ps" ? "PS" : device.c_str();
        drawOn(code, file);
        close(file);
        const Shape a = shapeOf(picture(file), red);
        drawOn(code, file, "TOP", 40, 30);
        close(file);
        const Shape b = shapeOf(picture(file), red);
        ASSERT_GT(a.width(), 20);
        const float perUnit = float(a.width()) / 200.0f; // the triangle is 200 units wide
        EXPECT_NEAR(b.width(), a.width(), 2);
        EXPECT_NEAR(b.height(), a.height(), 2);
        EXPECT_NEAR(b.x1 - a.x1, 40 * perUnit, 2);
        EXPECT_NEAR(b.y1 - a.y1, 30 * perUnit, 2);
    }
}

} // namespace
