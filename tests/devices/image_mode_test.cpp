// Image mode and the pixel routines on the raster devices and on PostScript
// and PDF: starting and ending, cutting and refusing at the edges, the
// image's own raster of PostScript and PDF, the settings and their defaults.
#include <gtest/gtest.h>

#include <vector>

#include "devices/driver_record.h"
#include "devices/image_placement.h"
#include "devices/memory_raster.h"
#include "devices/raster_pixels.h"
#include "kavlor.h"
#include "kernel/colour_value.h"
#include "tests/support/plot_fixture.h"

namespace {

class ImageMode : public PlotTest {
  protected:
    // A plot on device with a winsiz x winsiz raster (or window size).
    GlobalRecord &openSized(const char *device, int w, int h) {
        captureStdout([&] { winsiz(w, h); });
        return open(device);
    }
    // Colour numbers of row y, columns 0..n-1, read back in index mode.
    std::vector<int> row(int y, int n) {
        std::vector<unsigned char> bytes(n, 0xEE);
        captureStdout([&] {
            imgmod("IND");
            rpxrow(bytes.data(), 0, y, n);
        });
        return {bytes.begin(), bytes.end()};
    }
    std::string warnings(const std::function<void()> &body) { return captureStdout(body); }
};

TEST_F(ImageMode, StartingAndEndingOutOfTurn) {
    open("PNG");
    EXPECT_EQ(warnings([] { imgfin(); }), " <<<< Warning  55: No call to imgini in imgfin!\n");
    EXPECT_EQ(warnings([] { imgini(); }), "");
    EXPECT_EQ(warnings([] { imgini(); }), " <<<< Warning  54: No call to imgfin in imgini!\n");
    EXPECT_EQ(warnings([] { imgfin(); }), "");
    EXPECT_EQ(currentRecord().img.iimgini, 0);
    close();

    // Devices without pixels.
    for (const char *device : {"GKSL", "HPGL", "CGM", "JAVA", "SVG"}) {
        open(device);
        EXPECT_EQ(warnings([] { imgini(); }),
                  " <<<< Warning  40: File format and output device are incompatible in imgini!\n")
            << device;
        EXPECT_EQ(currentRecord().img.iimgini, 0) << device;
        close();
    }
    // Outside a plot: the level.
    EXPECT_EQ(warnings([] { imgini(); }),
              " <<<< Warning   3: Incorrect level in imgini!   (   0)\n");
}

TEST_F(ImageMode, PixelRoutinesNeedImageMode) {
    open("PNG");
    unsigned char bytes[4] = {1, 2, 3, 4};
    int value = -7;
    const std::string expected = " <<<< Warning  55: No call to imgini in wpixel!\n"
                                 " <<<< Warning  55: No call to imgini in rpixel!\n"
                                 " <<<< Warning  55: No call to imgini in wpxrow!\n"
                                 " <<<< Warning  55: No call to imgini in rpxrow!\n"
                                 " <<<< Warning  55: No call to imgini in wpixls!\n"
                                 " <<<< Warning  55: No call to imgini in rpixls!\n";
    EXPECT_EQ(warnings([&] {
                  wpixel(1, 1, 5);
                  rpixel(1, 1, &value);
                  wpxrow(bytes, 0, 0, 4);
                  rpxrow(bytes, 0, 0, 4);
                  wpixls(bytes, 0, 0, 2, 2);
                  rpixls(bytes, 0, 0, 2, 2);
              }),
              expected);
    EXPECT_EQ(value, -7);
    EXPECT_EQ(bytes[0], 1);
    EXPECT_EQ(qqvrpx(currentRecord(), 1, 1, 0), 0); // nothing was written
}

TEST_F(ImageMode, PixelsComeBackOnIndexAndRgbPages) {
    // PNG draws on an index page, PPM on an RGB page.
    for (const char *device : {"PNG", "PPM"}) {
        GlobalRecord &rec = openSized(device, 40, 30);
        const int entry = rec.colour.nrgbtab[77];
        const int rgb77 = explicitColour(tableRed(entry), tableGreen(entry), tableBlue(entry));
        int value = 0;
        EXPECT_EQ(warnings([&] {
                      imgini();
                      wpixel(10, 10, 77);
                      rpixel(10, 10, &value);
                  }),
                  "");
        EXPECT_EQ(value, 77) << device;
        captureStdout([&] {
            imgmod("RGB");
            rpixel(10, 10, &value);
        });
        EXPECT_EQ(value, rgb77) << device;
        // An explicit value: its own bytes on the RGB page, the nearest colour
        // number on the index page; either way it reads back as table colour 77.
        captureStdout([&] {
            wpixel(11, 10, rgb77);
            imgmod("IND");
            rpixel(11, 10, &value);
        });
        EXPECT_EQ(value, 77) << device;
        // Outside the picture nothing is written, and nothing read.
        EXPECT_EQ(warnings([&] {
                      wpixel(40, 0, 5);
                      wpixel(-1, 0, 5);
                      value = -3;
                      rpixel(-1, 0, &value);
                  }),
                  " <<<< Warning  58: Array is out of screen in rpixel!\n");
        EXPECT_EQ(value, -3);
        captureStdout([] { imgfin(); });
        close();
    }
}

TEST_F(ImageMode, WritersCutAtTheEdgesOfThePicture) {
    openSized("PNG", 8, 4);
    captureStdout([] { imgini(); });
    const unsigned char values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    captureStdout([&] {
        wpxrow(values, -2, 0, 5); // the first two values fall off the left edge
        wpxrow(values, 6, 1, 5);  // two pixels fit
        wpxrow(values, 0, 4, 3);  // below the picture
        wpxrow(values, 8, 2, 3);  // right of it
    });
    EXPECT_EQ(row(0, 8), (std::vector<int>{3, 4, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(row(1, 8), (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 2}));
    EXPECT_EQ(row(2, 8), std::vector<int>(8, 0));

    // A 3 x 4 rectangle at (-1, 2): columns 1 and 2 of its rows 0 and 1 land.
    captureStdout([&] { wpixls(values, -1, 2, 3, 4); });
    EXPECT_EQ(row(2, 8), (std::vector<int>{2, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(row(3, 8), (std::vector<int>{5, 6, 0, 0, 0, 0, 0, 0}));
    // Far outside, even with sizes that would overflow, nothing happens.
    captureStdout([&] { wpixls(values, 0, -2147483647, 1, 2147483647); });
    EXPECT_EQ(row(0, 8), (std::vector<int>{3, 4, 5, 0, 0, 0, 0, 0}));

    // RGB values are three bytes each.
    const unsigned char red[] = {255, 0, 0, 255, 0, 0};
    int value = 0;
    captureStdout([&] {
        imgmod("RGB");
        wpxrow(red, 3, 3, 2);
        rpixel(4, 3, &value);
    });
    EXPECT_EQ(value, explicitColour(255, 0, 0));
}

TEST_F(ImageMode, ReadersRefuseWhatDoesNotLieInside) {
    openSized("PNG", 8, 4);
    captureStdout([] { imgini(); });
    std::vector<unsigned char> bytes(64, 0xEE);
    struct Case {
        int x, y, w, h;
        bool inside;
    };
    const Case cases[] = {
        {0, 0, 8, 4, true},           {7, 3, 1, 1, true},  {-1, 0, 2, 1, false},
        {0, -1, 1, 2, false},         {1, 0, 8, 1, false}, {0, 1, 1, 4, false},
        {5, 0, 2147483647, 1, false},
    };
    for (const Case &c : cases) {
        std::fill(bytes.begin(), bytes.end(), 0xEE);
        const std::string out = warnings([&] { rpixls(bytes.data(), c.x, c.y, c.w, c.h); });
        EXPECT_EQ(out, c.inside ? "" : " <<<< Warning  58: Array is out of screen in rpixls!\n")
            << c.x << "," << c.y << " " << c.w << "x" << c.h;
        EXPECT_EQ(bytes[0] == 0xEE, !c.inside);
        if (c.h == 1) {
            std::fill(bytes.begin(), bytes.end(), 0xEE);
            const std::string rowOut = warnings([&] { rpxrow(bytes.data(), c.x, c.y, c.w); });
            EXPECT_EQ(rowOut,
                      c.inside ? "" : " <<<< Warning  58: Array is out of screen in rpxrow!\n");
        }
    }
}

TEST_F(ImageMode, PostScriptAndPdfDrawIntoAnImageOfTheirOwn) {
    // POST has a black background, PDF a white one; the image has the imgsiz
    // size while image mode is on, the window size comes back at imgfin.
    struct Case {
        const char *device;
        int background;
    };
    for (const Case c :
         {Case{"POST", explicitColour(0, 0, 0)}, Case{"PDF", explicitColour(255, 255, 255)}}) {
        GlobalRecord &rec = open(c.device);
        int x, y, w, h;
        getwin(&x, &y, &w, &h);
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(853, 603));
        int value = 0;
        EXPECT_EQ(warnings([&] {
                      imgsiz(40, 30);
                      imgini();
                      getwin(&x, &y, &w, &h);
                      imgmod("RGB");
                      rpixel(39, 29, &value);
                  }),
                  "");
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(40, 30)) << c.device;
        EXPECT_EQ(value, c.background) << c.device;
        EXPECT_EQ(warnings([&] { rpixel(40, 0, &value); }),
                  " <<<< Warning  58: Array is out of screen in rpixel!\n");
        captureStdout([&] {
            wpixel(5, 6, explicitColour(1, 2, 3));
            rpixel(5, 6, &value);
            imgsiz(7, 7); // no effect on the window size of this image mode
            imgfin();
            getwin(&x, &y, &w, &h);
        });
        EXPECT_EQ(value, explicitColour(1, 2, 3));
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(853, 603)) << c.device;
        EXPECT_EQ(qqvptr(rec), nullptr) << "the image's raster is freed";
        // Without imgsiz the image has the window's size.
        captureStdout([&] {
            reset("ALL");
            imgini();
        });
        EXPECT_EQ(rec.dev.pdriver->nwidth, 853);
        captureStdout([] { imgfin(); });
        close();
    }
}

TEST_F(ImageMode, PlacementOfThePostScriptAndPdfImage) {
    GlobalRecord &rec = open("PDF");
    const float s = rec.page.xdevscl;
    captureStdout([] {
        imgsiz(20, 10);
        imgini();
    });
    ImagePlacement p = imagePlacement(rec);
    // The whole landscape page, turned on the paper.
    EXPECT_EQ(p.x, 0);
    EXPECT_EQ(p.bottom, 2099);
    EXPECT_EQ(p.width, 2970);
    EXPECT_EQ(p.height, 2100);
    EXPECT_EQ(p.pixelWidth, 20);
    EXPECT_EQ(p.pixelHeight, 10);
    EXPECT_TRUE(p.landscape);
    EXPECT_FLOAT_EQ(p.deviceX, 2099 * s);
    EXPECT_FLOAT_EQ(p.deviceY, 0);
    EXPECT_FLOAT_EQ(p.deviceWidth, 2970 * s);
    // A box, with the page origin at the bottom: y counts from the bottom.
    captureStdout([] {
        pagorg("BOTT");
        imgbox(100, 600, 300, 200);
    });
    p = imagePlacement(rec);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.bottom, 2099 - 600 + 200 - 1);
    EXPECT_FLOAT_EQ(p.deviceX, float(p.bottom) * s);
    EXPECT_FLOAT_EQ(p.deviceY, 100 * s);
    EXPECT_FLOAT_EQ(p.deviceHeight, 200 * s);
    captureStdout([] { imgfin(); });
    close();

    // A portrait page is not turned.
    captureStdout([] { setpag("DA4P"); });
    GlobalRecord &portrait = open("PDF");
    captureStdout([] { imgbox(10, 20, 30, 40); });
    p = imagePlacement(portrait);
    EXPECT_FALSE(p.landscape);
    EXPECT_FLOAT_EQ(p.deviceX, 10 * portrait.page.xdevscl);
    EXPECT_FLOAT_EQ(p.deviceY, float(portrait.page.nypage - (20 + 40 - 1)) * portrait.page.xdevscl);
    close();
}

TEST_F(ImageMode, SettingsCheckTheirValues) {
    GlobalRecord &rec = openSized("PNG", 100, 50);
    struct Case {
        std::function<void()> call;
        const char *output;
    };
    const Case cases[] = {
        {[] { imgsiz(0, 5); }, " <<<< Warning   2: Incorrect parameter in imgsiz!   (   0)\n"},
        {[] { imgbox(-3, -1, 5, 5); },
         " <<<< Warning   2: Incorrect parameter in imgbox!   (  -3)\n"},
        {[] { imgbox(0, 0, 5, -2); },
         " <<<< Warning   2: Incorrect parameter in imgbox!   (  -2)\n"},
        {[] { imgclp(0, 0, 0, 5); },
         " <<<< Warning   2: Incorrect parameter in imgclp!   (   0)\n"},
        {[] { imgclp(50, 0, 51, 5); }, " <<<< Warning   2: Incorrect parameter in imgclp!\n"},
        {[] { imgclp(0, 45, 10, 6); }, " <<<< Warning   2: Incorrect parameter in imgclp!\n"},
        {[] { imgmod("CMYK"); }, " <<<< Warning   2: Incorrect parameter in imgmod!   (CMYK)\n"},
        {[] { imgfmt("RGB"); }, " <<<< Warning   3: Incorrect level in imgfmt!   (   1)\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(warnings(c.call), c.output);
    EXPECT_EQ(rec.img.iimgsiz + rec.img.iimgbox + rec.img.iimgclp + rec.img.iimgmod, 0);
    EXPECT_EQ(rec.format.iimgfmt, 0);

    EXPECT_EQ(warnings([] {
                  imgclp(50, 45, 50, 5);
                  imgbox(1, 2, 3, 4);
                  imgsiz(6, 7);
                  imgmod("rgb");
              }),
              "");
    EXPECT_EQ(rec.img.iimgclp, 1);
    EXPECT_EQ(rec.img.nimgclp[0] + rec.img.nimgclp[1] + rec.img.nimgclp[2] + rec.img.nimgclp[3],
              150);
    EXPECT_EQ(rec.img.iimgmod, 1);
    close();
    captureStdout([] { imgfmt("BIL"); });
    EXPECT_EQ(rec.format.iimgfmt, 2);
}

TEST_F(ImageMode, DefaultsAtEveryPlotAndByKeyword) {
    GlobalRecord &rec = openSized("PNG", 100, 50);
    captureStdout([] {
        imgini();
        imgmod("RGB");
        imgbox(1, 2, 3, 4);
        imgsiz(5, 6);
        imgclp(1, 1, 2, 2);
        filbox(0, 0, 10, 10);
        filclr("NONE");
        tifwin(1, 2, 3, 4);
        tiforg(5, 6);
    });
    EXPECT_EQ(warnings([] {
                  reset("imgc");
                  reset("FILB");
                  reset("filc");
              }),
              "");
    EXPECT_EQ(rec.img.iimgclp, 0);
    EXPECT_EQ(rec.incl.ifilbox, 0);
    EXPECT_EQ(rec.incl.ifilclr, 0);
    EXPECT_EQ(rec.img.iimgini, 1); // not a reset keyword of its own
    close();
    open("PNG");
    EXPECT_EQ(rec.img.iimgini + rec.img.iimgmod + rec.img.iimgbox + rec.img.iimgsiz, 0);
    EXPECT_EQ(rec.incl.itifwin + rec.incl.ntiforg[0] + rec.incl.ntiforg[1], 0);
    close();
}

} // namespace
