// The picture written as files on demand (rtiff, rpng, rppm, rbmp, rgif,
// rbfpng), the image clip rectangle, and the options set before kavini.
#include <gtest/gtest.h>

#include "kavlor.h"
#include "tests/support/c_program.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

using Writer = void (*)(const char *);

struct FileRoutine {
    const char *name;
    Writer write;
    const char *decoder; // netpbm
};

const FileRoutine kRoutines[] = {
    {"rtiff", rtiff, "tifftopnm"}, {"rpng", rpng, "pngtopnm"}, {"rppm", rppm, "ppmtoppm <"},
    {"rbmp", rbmp, "bmptopnm"},    {"rgif", rgif, "giftopnm"},
};

class RasterFileRoutines : public PlotTest {
  protected:
    // A PNG plot of w x h pixels with a few coloured lines.
    GlobalRecord &drawn(int w, int h) {
        captureStdout([&] { winsiz(w, h); });
        GlobalRecord &rec = open("PNG");
        captureStdout([] {
            color("RED");
            line(0, 0, 2969, 2099);
            color("GREEN");
            line(0, 2099, 2969, 0);
            setrgb(0.2f, 0.4f, 0.6f);
            line(100, 1000, 2800, 1000);
            sendbf(); // the lines reach the raster
        });
        return rec;
    }
};

TEST_F(RasterFileRoutines, DevicesWithoutPixelsWriteNoFile) {
    for (const char *device : {"POST", "PDF", "GKSL", "SVG"}) {
        open(device, "plot.out");
        for (const FileRoutine &r : kRoutines) {
            const std::string out = captureStdout([&] { r.write("picture"); });
            EXPECT_EQ(out, std::string(" <<<< Warning  40: File format and output device are "
                                       "incompatible in ") +
                               r.name + "!\n")
                << device;
            EXPECT_FALSE(fileExists(dir.file("picture"))) << device << " " << r.name;
        }
        char buffer[8];
        int length = -1;
        captureStdout([&] { length = rbfpng(buffer, sizeof buffer); });
        EXPECT_EQ(length, 0);
        close("plot.out");
    }
    EXPECT_EQ(captureStdout([] { rpng("x.png"); }),
              " <<<< Warning   3: Incorrect level in rpng!   (   0)\n");
}

TEST_F(RasterFileRoutines, EveryFormatHoldsThePicture) {
    GlobalRecord &rec = drawn(61, 43);
    const RgbImage want = rasterPixels(rec, 0, 0, 61, 43);
    for (const FileRoutine &r : kRoutines) {
        const std::string name = std::string("picture.") + r.name;
        EXPECT_EQ(captureStdout([&] { r.write(name.c_str()); }), "");
        EXPECT_EQ(decodeWith(r.decoder, dir.file(name)), want) << r.name;
    }
    // The file mode applies: with COUN a second rpng makes a new version.
    captureStdout([] {
        filmod("COUN");
        rpng("picture.rpng");
        rpng("picture.rpng   ");
    });
    EXPECT_TRUE(fileExists(dir.file("pictur_1.rpng")));
    EXPECT_TRUE(fileExists(dir.file("pictur_2.rpng")));
    // A file that cannot be opened.
    EXPECT_EQ(captureStdout([] { rgif("no/such/folder/x.gif"); }),
              " <<<< Warning  36: File error in rgif!\n");
    close();
}

TEST_F(RasterFileRoutines, TheImageClipRectangleSelectsThePartWritten) {
    GlobalRecord &rec = drawn(61, 43);
    const RgbImage part = rasterPixels(rec, 10, 5, 30, 20);
    captureStdout([] {
        imgclp(10, 5, 30, 20);
        rppm("part.ppm");
        rgif("part.gif");
    });
    EXPECT_EQ(decodeWith("ppmtoppm <", dir.file("part.ppm")), part);
    EXPECT_EQ(decodeWith("giftopnm", dir.file("part.gif")), part);
    // The plot's own file at kavfin is cut the same way.
    close();
    EXPECT_EQ(decodeWith("pngtopnm", dir.file("plot.out")), part);
    // reset("IMGC") writes the whole picture again.
    drawn(61, 43);
    captureStdout([] {
        imgclp(10, 5, 30, 20);
        reset("IMGC");
        rppm("whole.ppm");
    });
    EXPECT_EQ(decodeWith("ppmtoppm <", dir.file("whole.ppm")).width, 61);
    close();
}

TEST_F(RasterFileRoutines, PngIntoMemory) {
    drawn(61, 43);
    captureStdout([] { rpng("file.png"); });
    const std::string file = readFile(dir.file("file.png"));
    const int n = int(file.size());
    std::string buffer(std::size_t(n) + 100, '\x55');
    int length = -1;
    // Size 0: the length, nothing stored.
    EXPECT_EQ(captureStdout([&] { length = rbfpng(nullptr, 0); }), "");
    EXPECT_EQ(length, n);
    // One byte too few, and a negative size.
    for (int size : {n - 1, -5}) {
        EXPECT_EQ(captureStdout([&] { length = rbfpng(buffer.data(), size); }),
                  " <<<< Warning 101: Buffer too small for PNG file in rbfpng!\n");
        EXPECT_EQ(length, 0);
    }
    // Exactly, and more than enough: the bytes of the file.
    for (int size : {n, n + 100}) {
        buffer.assign(std::size_t(n) + 100, '\x55');
        EXPECT_EQ(captureStdout([&] { length = rbfpng(buffer.data(), size); }), "");
        EXPECT_EQ(length, n);
        EXPECT_EQ(buffer.substr(0, std::size_t(n)), file);
        EXPECT_EQ(buffer[std::size_t(n)], '\x55');
    }
    // Image mode is left as it was found.
    EXPECT_EQ(currentRecord().img.iimgini, 0);
    captureStdout([] { imgini(); });
    EXPECT_EQ(rbfpng(buffer.data(), n), n);
    EXPECT_EQ(currentRecord().img.iimgini, 1);
    close();
}

TEST_F(RasterFileRoutines, OptionsBeforeKavini) {
    struct Case {
        std::function<void()> call;
        const char *output;
    };
    const Case refused[] = {
        {[] { pngmod("ON", "TRANS"); }, ""},
        {[] { pngmod("ON", "OPAQ"); },
         " <<<< Warning   2: Incorrect parameter in pngmod!   (OPAQ)\n"},
        {[] { pngmod("YES", "TRAN"); },
         " <<<< Warning   2: Incorrect parameter in pngmod!   (YES)\n"},
        {[] { gifmod("ON", "X"); }, " <<<< Warning   2: Incorrect parameter in gifmod!   (X)\n"},
        {[] { tifmod(300, "MM", "RESO"); },
         " <<<< Warning   2: Incorrect parameter in tifmod!   (MM)\n"},
        {[] { tifmod(300, "CM", "DPI"); },
         " <<<< Warning   2: Incorrect parameter in tifmod!   (DPI)\n"},
    };
    for (const Case &c : refused)
        EXPECT_EQ(captureStdout(c.call), c.output);
    GlobalRecord &rec = currentRecord();
    EXPECT_EQ(rec.format.ipngmod, 1); // "TRANS" is "TRAN" to four letters
    EXPECT_EQ(rec.format.ntifres, 100);
    EXPECT_EQ(rec.format.itifuni, 2);

    EXPECT_EQ(captureStdout([] {
                  gifmod("on", "tran");
                  tifmod(300, "cm", "reso");
              }),
              "");
    open("GIF");
    EXPECT_EQ(captureStdout([] { tifmod(50, "INCH", "RESO"); }),
              " <<<< Warning   3: Incorrect level in tifmod!   (   1)\n");
    captureStdout([] { rtiff("resolution.tif"); });
    const std::string gif = close();
    EXPECT_EQ(gif.substr(0, 6), "GIF89a");
    const ProgramRun id =
        runShell("identify-im6.q16 -format '%x %U' '" + dir.file("resolution.tif") + "'");
    EXPECT_EQ(id.out, "300 PixelsPerCentimeter");
}

} // namespace
