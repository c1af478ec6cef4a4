// Files included into a plot: type detection, the replay of text metafiles
// and CGM files, BMP, GIF and TIFF images written by the library coming back
// pixel for pixel, and the warnings of files that cannot be included.
#include <gtest/gtest.h>

#include <random>
#include <sys/stat.h>

#include "devices/file_inclusion.h"
#include "kavlor.h"
#include "kernel/colour_value.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values)
        s += static_cast<char>(v);
    return s;
}
std::string be16(int v) {
    return bytesOf({(v >> 8) & 0xFF, v & 0xFF});
}

// A small CGM file, element by element.
class Cgm {
  public:
    Cgm() { bytes_ = be16(0x0022) + bytesOf({1, 'x'}); } // BEGIN METAFILE "x"
    Cgm &directColours() {
        bytes_ += be16(0x2042) + be16(1); // COLOUR SELECTION MODE 1
        return *this;
    }
    // POLYLINE of 16-bit VDC points x0, y0, x1, y1, ...
    Cgm &polyline(std::initializer_list<int> xy) {
        const int length = 2 * int(xy.size());
        bytes_ += length < 31 ? be16(0x4020 | length) : be16(0x403F) + be16(length);
        for (int v : xy)
            bytes_ += be16(v & 0xFFFF);
        return *this;
    }
    Cgm &lineColour(int r, int g, int b) {
        bytes_ += be16(0x5083) + bytesOf({r, g, b, 0});
        return *this;
    }
    Cgm &lineColourIndex(int index) {
        bytes_ += be16(0x5081) + bytesOf({index, 0});
        return *this;
    }
    // Another element with a parameter list that is skipped (LINE WIDTH).
    Cgm &other() {
        bytes_ += be16(0x5064) + be16(0) + be16(0x0100);
        return *this;
    }
    std::string end() const { return bytes_ + be16(0x0040) + std::string(10, ' '); }

  private:
    std::string bytes_;
};

class FileInclusion : public PlotTest {
  protected:
    // A PNG plot of w x h pixels; page(pw, ph) when a page is given (which
    // makes the page pw - 1 by ph - 1 plot units), else the default page.
    GlobalRecord &openPng(int w, int h, int pw = 0, int ph = 0, const char *device = "PNG") {
        captureStdout([&] {
            winsiz(w, h);
            if (pw > 0) page(pw, ph);
        });
        return open(device);
    }
    RgbImage pixels(int x, int y, int w, int h) {
        captureStdout([] { sendbf(); });
        return rasterPixels(currentRecord(), x, y, w, h);
    }
    RgbImage whole() {
        const WindowState &win = currentRecord().win;
        return pixels(0, 0, win.nwinsiz[0], win.nwinsiz[1]);
    }
    // Includes a file without the frame the axis systems' thickness would
    // draw round it, so that what comes back can be compared pixel for pixel.
    std::string include(const std::string &name) {
        GlobalRecord &rec = currentRecord();
        const int frame = rec.frame.nframe;
        rec.frame.nframe = 0;
        std::string out = captureStdout([&] { incfil(name.c_str()); });
        rec.frame.nframe = frame;
        return out;
    }
    // A picture of w x h pixels of many table colours, saved by writer.
    RgbImage savedPicture(int w, int h, const char *device, void (*writer)(const char *),
                          const char *file) {
        openPng(w, h, 0, 0, device);
        std::vector<unsigned char> values(std::size_t(w) * h);
        std::mt19937 random(7);
        for (unsigned char &v : values)
            v = static_cast<unsigned char>(random() % 256);
        captureStdout([&] {
            imgini();
            wpixls(values.data(), 0, 0, w, h);
            imgfin();
            writer(file);
        });
        RgbImage image = whole();
        close();
        return image;
    }
};

TEST_F(FileInclusion, FileTypes) {
    struct Case {
        std::string bytes;
        int type, width, height;
    };
    const std::string bmpHeader = "BM" + std::string(16, '\0') + bytesOf({33, 0, 0, 0, 7, 0, 0, 0});
    const Case cases[] = {
        {bmpHeader + std::string(30, '\0'), kBmpFile, 33, 7},
        {"BM", kBmpFile, 0, 0},
        {"GIF89a" + bytesOf({0x2C, 1, 10, 0}), kGifFile, 300, 10},
        {"GIF87a", kGifFile, 0, 0},
        {be16(0x0022) + bytesOf({1, 'x'}), kCgmFile, 0, 0},
        {be16(0x003F) + be16(10), kCgmFile, 0, 0},
        {"%!PS-Adobe-2.0\n", kPostScriptFile, 0, 0},
        {" SP1;\n", kHpglFile, 0, 0},
        {"!R! UNIT C;\n", kPrinterFile, 0, 0},
        {"      29.7      21.0\n", kGkslFile, 0, 0},
        {std::string("II*\0\10\0\0\0", 8), kGkslFile, 0, 0}, // a TIFF is no file to include
        {"", kNoFile, 0, 0},
    };
    GlobalRecord &rec = currentRecord();
    for (const Case &c : cases) {
        const std::string path = dir.file("kind");
        writeFile(path, c.bytes);
        int w = -1, h = -1;
        EXPECT_EQ(qqchkfil(rec, path.c_str(), w, h), c.type) << c.bytes;
        EXPECT_EQ(std::make_pair(w, h), std::make_pair(c.width, c.height)) << c.bytes;
    }
    int w, h;
    EXPECT_EQ(qqchkfil(rec, dir.file("missing").c_str(), w, h), kNoFile);
}

// A drawing of lines in table colours, at points whose device pixels lie far
// from rounding edges on a page of 3000 x 2000 plot units (page(3001, 2001)),
// which the text metafile's header gives exactly.
void drawScene() {
    color("RED");
    line(250, 250, 2750, 1750);
    color("GREEN");
    line(250, 1750, 2750, 250);
    setclr(100);
    line(500, 500, 2500, 500);
    line(2500, 500, 2500, 1500);
    color("FORE");
    line(0, 1000, 3000, 1000);
}

TEST_F(FileInclusion, TextMetafileReproducesTheDrawing) {
    openPng(853, 603, 3001, 2001);
    captureStdout(drawScene);
    const RgbImage direct = whole();
    close();

    captureStdout([] { page(3001, 2001); });
    open("GKSL", "scene.met");
    captureStdout(drawScene);
    const std::string metafile = close("scene.met");

    openPng(853, 603, 3001, 2001);
    EXPECT_EQ(captureStdout([] { filbox(0, 0, 3000, 2000); }), "");
    EXPECT_EQ(include(dir.file("scene.met")), "");
    EXPECT_EQ(differences(whole(), direct), "");
    close();

    // Without its end record the file is drawn all the same, and reported.
    const std::size_t end = metafile.rfind(" 9.0000000");
    ASSERT_NE(end, std::string::npos);
    writeFile(dir.file("cut.met"), metafile.substr(0, end));
    openPng(853, 603, 3001, 2001);
    captureStdout([] { filbox(0, 0, 3000, 2000); });
    EXPECT_EQ(include(dir.file("cut.met")),
              " <<<< Warning 101: The GKSLIN file is not complete! in incfil!\n");
    EXPECT_EQ(differences(whole(), direct), "");
    close();
}

TEST_F(FileInclusion, TextMetafileColoursAndFaults) {
    const std::string header = "      30.0      20.0\n";
    // A line across the middle (y 1/3 of the longer side, up) in colour 50
    // (code 59), or after colour code 5 (a negative number: ignored).
    const std::string across = " 0.0000000 0.3333333 3.0000000 1.0000000 0.3333333 2.0000000";
    writeFile(dir.file("colours.met"), header + "59.0000000" + across + "\n 9.0000000\n");
    writeFile(dir.file("negative.met"), header + " 5.0000000" + across + "\n 9.0000000\n");
    struct Case {
        const char *file;
        bool none; // filclr("NONE")
        int colour;
    };
    const Case cases[] = {
        {"colours.met", false, 50}, {"colours.met", true, 200}, {"negative.met", false, 200}};
    for (const Case &c : cases) {
        GlobalRecord &rec = openPng(301, 201, 3001, 2001);
        captureStdout([&] {
            setclr(200);
            if (c.none) filclr("NONE");
        });
        EXPECT_EQ(include(dir.file(c.file)), "");
        const RgbImage row = pixels(0, 100, 301, 1);
        const int entry = rec.colour.nrgbtab[c.colour];
        EXPECT_EQ(explicitColour(row.rgb[450], row.rgb[451], row.rgb[452]),
                  explicitColour(tableRed(entry), tableGreen(entry), tableBlue(entry)))
            << c.file << (c.none ? " NONE" : "");
        close();
    }

    // Text that is not a metafile of the library.
    struct Bad {
        std::string text;
        const char *output;
    };
    const Bad bad[] = {
        {"hello\n", " <<<< Warning  56: Incorrect file format in incfil!\n"},
        {"      -1.0      20.0\n 9.0000000\n",
         " <<<< Warning  56: Incorrect file format in incfil!\n"},
        {header + "xx.0000000\n", " <<<< Warning  56: Incorrect file format in incfil!\n"},
        {header + " 0.12x4567\n", " <<<< Warning  56: Incorrect file format in incfil!\n"},
        {header + " 0.1234\n", " <<<< Warning  56: Incorrect file format in incfil!\n"},
        {header + " 0.1234", " <<<< Warning 101: The GKSLIN file is not complete! in incfil!\n"},
    };
    openPng(301, 201, 3001, 2001);
    for (const Bad &b : bad) {
        writeFile(dir.file("bad.met"), b.text);
        EXPECT_EQ(include(dir.file("bad.met")), b.output) << b.text;
    }
    close();
}

TEST_F(FileInclusion, CgmFilesFillTheBox) {
    // Direct colours: VDC points are twice plot units, y upward; the extent
    // (5938, 4198) fits the 2970 x 2100 default box at scale 1.
    const std::string direct = Cgm()
                                   .directColours()
                                   .lineColour(255, 0, 0)
                                   .polyline({500, 4198, 5938, 4198})
                                   .other()
                                   .lineColour(0, 0, 255)
                                   .polyline({200, 200, 200, 2000, 2000, 2000})
                                   .end();
    writeFile(dir.file("direct.cgm"), direct);
    openPng(853, 603);
    EXPECT_EQ(include(dir.file("direct.cgm")), "");
    const RgbImage included = whole();
    close();
    openPng(853, 603);
    captureStdout([] {
        setrgb(1, 0, 0);
        line(250, 1, 2969, 1);
        setrgb(0, 0, 1);
        line(100, 2000, 100, 1100);
        line(100, 1100, 1000, 1100);
    });
    EXPECT_EQ(differences(included, whole()), "");
    close();

    // Indexed colours (no COLOUR SELECTION MODE): 32767 is added to every
    // coordinate; LINE COLOUR is a colour number. With filclr("NONE") the
    // current colour stays.
    const int o = 32767;
    const std::string indexed =
        Cgm()
            .lineColourIndex(77)
            .polyline({1000 - o, 2100 - o, 5938 - o, 2100 - o, 5938 - o, 4198 - o})
            .end();
    writeFile(dir.file("indexed.cgm"), indexed);
    for (const bool none : {false, true}) {
        GlobalRecord &rec = openPng(853, 603);
        captureStdout([&] {
            setclr(30);
            if (none) filclr("NONE");
        });
        EXPECT_EQ(include(dir.file("indexed.cgm")), "");
        const RgbImage includedIndexed = whole();
        close();
        openPng(853, 603);
        captureStdout([&] {
            setclr(none ? 30 : 77);
            line(500, 1050, 2969, 1050);
            line(2969, 1050, 2969, 1);
        });
        EXPECT_EQ(differences(includedIndexed, whole()), "") << (none ? "NONE" : "ALL");
        EXPECT_EQ(rec.colour.ncolor, none ? 30 : 77);
        close();
    }
}

// A drawing that reaches the page's corners, so that the extent of its CGM
// points is the page and an included CGM file is drawn at scale 1.
void drawFramedScene() {
    color("RED");
    line(250, 250, 2750, 1750);
    color("GREEN");
    line(250, 1750, 2750, 250);
    setrgb(0.2f, 0.4f, 0.6f);
    line(0, 1000, 2969, 1000);
    color("FORE");
    line(0, 0, 2969, 0);
    line(2969, 0, 2969, 2099);
    line(2969, 2099, 0, 2099);
    line(0, 2099, 0, 0);
}

TEST_F(FileInclusion, CgmWrittenByTheLibraryReproducesTheDrawing) {
    open("CGM", "scene.cgm");
    captureStdout(drawFramedScene);
    close("scene.cgm");
    openPng(853, 603, 0, 0, "PPM");
    captureStdout(drawFramedScene);
    const RgbImage direct = whole();
    close();
    openPng(853, 603, 0, 0, "PPM");
    EXPECT_EQ(include(dir.file("scene.cgm")), "");
    EXPECT_EQ(differences(whole(), direct), "");
    close();
}

TEST_F(FileInclusion, IncludedFilesAreFramedWithTheFrameThickness) {
    open("GKSL", "scene.met");
    captureStdout(drawFramedScene);
    close("scene.met");
    openPng(853, 603, 0, 0, "PPM");
    filbox(1000, 500, 800, 600);
    const RgbImage before = whole();
    captureStdout([&] { incfil(dir.file("scene.met").c_str()); }); // the default frame of 1
    const RgbImage framed = whole();
    close();
    // The frame lies on the box's edge: a pixel at the middle of its left side
    // (x 1000, y 800 in plot units) is inked only by the frame.
    const float s = 852.0f / 2969.0f;
    const int col = int(1000 * s + 0.5f), row = int(800 * s + 0.5f);
    auto at = [&](const RgbImage &image) {
        return image.rgb[std::size_t(row * image.width + col) * 3];
    };
    EXPECT_EQ(at(before), 0);
    EXPECT_NE(at(framed), 0);
}

TEST_F(FileInclusion, TruncatedCgmEndsTheInclusionNotTheProgram) {
    const std::string file = Cgm()
                                 .directColours()
                                 .lineColour(255, 0, 0)
                                 .polyline({0, 0, 5938, 4198, 100, 4000, 3000, 20})
                                 .end();
    const std::size_t endMetafile = file.size() - 12;
    openPng(85, 60);
    const RgbImage blank = whole();
    // Every cut before END METAFILE: the warning, and nothing drawn.
    for (std::size_t n = 2; n < endMetafile; ++n) {
        writeFile(dir.file("cut.cgm"), file.substr(0, n));
        EXPECT_EQ(include(dir.file("cut.cgm")),
                  " <<<< Warning  56: Incorrect file format in incfil!\n")
            << n;
    }
    EXPECT_EQ(whole(), blank);
    // The whole file.
    writeFile(dir.file("whole.cgm"), file);
    EXPECT_EQ(include(dir.file("whole.cgm")), "");
    EXPECT_NE(whole(), blank);
    close();
}

TEST_F(FileInclusion, ImagesWrittenByTheLibraryComeBackPixelForPixel) {
    struct Case {
        const char *name;
        bool rgb; // RGB pixels and a 24-bit BMP, else colour numbers and palette files
        void (*writer)(const char *);
    };
    const Case cases[] = {
        {"picture.bmp", false, rbmp},
        {"picture.gif", false, rgif},
        {"rgb.bmp", true, rbmp},
    };
    for (const Case &c : cases) {
        captureStdout([&] { imgfmt(c.rgb ? "RGB" : "IND"); });
        const RgbImage source = savedPicture(20, 10, "PNG", c.writer, c.name);
        // Into a 60 x 40 picture at the pixel of a box.
        GlobalRecord &rec = openPng(60, 40);
        const float s = rec.page.xdevscl;
        const int x = 700, y = 350; // pixel nint(x s + 0.5), nint(y s + 0.5)
        const int px = int(float(x) * s + 0.5f + 0.5f), py = int(float(y) * s + 0.5f + 0.5f);
        captureStdout([&] { filbox(x, y, 300, 200); });
        EXPECT_EQ(include(dir.file(c.name)), "") << c.name;
        EXPECT_EQ(pixels(px, py, 20, 10), source) << c.name;
        close();
    }
}

TEST_F(FileInclusion, TiffFilesWithOriginAndWindow) {
    const RgbImage source = savedPicture(20, 10, "PNG", rtiff, "picture.tif");
    GlobalRecord &rec = openPng(60, 40);
    captureStdout([] { setvlt("GREY"); });
    EXPECT_EQ(captureStdout([&] {
                  tiforg(7, 9);
                  wtiff(dir.file("picture.tif").c_str());
              }),
              "");
    EXPECT_EQ(pixels(7, 9, 20, 10), source);
    // The palette of the file became the colour table.
    EXPECT_EQ(rec.colour.nrgbtab[77] != 0x4D4D4D, true);
    // A part, clipped to the file's size: columns 15..19 of rows 6..9.
    captureStdout([] {
        erase();
        tifwin(15, 6, 100, 100);
        tiforg(0, 0);
        wtiff("picture.tif");
    });
    RgbImage part{5, 4, {}};
    for (int y = 6; y < 10; ++y)
        for (int x = 15; x < 20; ++x)
            for (int k = 0; k < 3; ++k)
                part.rgb.push_back(source.rgb[(y * 20 + x) * 3 + k]);
    EXPECT_EQ(pixels(0, 0, 5, 4), part);
    EXPECT_EQ(pixels(5, 0, 1, 1), pixels(59, 39, 1, 1)); // nothing beyond the part
    // With RGB pixel values set by the caller a palette file still comes in
    // as colour numbers.
    captureStdout([] {
        erase();
        reset("ALL");
        imgmod("RGB");
        wtiff("picture.tif");
    });
    EXPECT_EQ(pixels(0, 0, 20, 10), source);
    EXPECT_EQ(rec.img.iimgmod, 1);
    close();
}

TEST_F(FileInclusion, FilesThatCannotBeIncluded) {
    savedPicture(8, 6, "PNG", rgif, "small.gif");
    savedPicture(8, 6, "PNG", rtiff, "small.tif");
    captureStdout([] { imgfmt("BIL"); });
    savedPicture(8, 6, "PNG", rtiff, "bilevel.tif");
    captureStdout([] { imgfmt("IND"); });
    writeFile(dir.file("plot.ps"), "%!PS-Adobe-2.0\n");
    writeFile(dir.file("plot.hpg"), " SP1;\n");
    writeFile(dir.file("broken.gif"), "GIF89a" + std::string(20, '\x07'));
    writeFile(dir.file("bmp.txt"), "BM is not a bitmap");
    struct Case {
        const char *device;
        std::function<void()> call;
        std::string output;
    };
    const std::string s36 = " <<<< Warning  36: File error in ";
    const std::string s40 = " <<<< Warning  40: File format and output device are incompatible in ";
    const std::string s56 = " <<<< Warning  56: Incorrect file format in ";
    const Case cases[] = {
        {"PNG", [] { incfil("missing.met"); }, s36 + "incfil!\n"},
        {"PNG", [] { incfil("plot.ps"); }, s56 + "incfil!\n"},
        {"PNG", [] { incfil("plot.hpg"); }, s56 + "incfil!\n"},
        {"HPGL", [] { incfil("small.gif"); }, s40 + "incfil!\n"},
        {"SVG", [] { incfil("small.gif"); }, s40 + "incfil!\n"},
        {"PNG", [] { incfil("broken.gif"); },
         " <<<< Warning 101: Syntax error in image file in incfil!\n"},
        {"PNG", [] { incfil("bmp.txt"); },
         " <<<< Warning 101: Syntax error in image file in incfil!\n"},
        {"PNG",
         [] {
             imgini();
             incfil("small.gif");
             imgfin();
         },
         " <<<< Warning  54: No call to imgfin in incfil!\n"},
        {"PNG", [] { wtiff("missing.tif"); }, s36 + "wtiff!\n"},
        {"PNG", [] { wtiff("bilevel.tif"); }, s56 + "wtiff!\n"},
        {"PNG", [] { wtiff("small.gif"); }, s56 + "wtiff!\n"},
        {"POST", [] { wtiff("small.gif"); }, s40 + "wtiff!\n"},
        {"SVG", [] { wtiff("bilevel.tif"); }, s56 + "wtiff!\n"},
        {"PNG",
         [] {
             imgini();
             wtiff("small.tif");
             imgfin();
         },
         " <<<< Warning  54: No call to imgfin in wtiff!\n"},
    };
    for (const Case &c : cases) {
        openPng(30, 20, 0, 0, c.device);
        EXPECT_EQ(captureStdout(c.call), c.output) << c.device << " " << c.output;
        close();
    }
}

// GIF files whose headers announce far more pixels than their data holds:
// one with no image at all, one whose picture ends after its first code. Each
// is refused before image mode makes a picture of the header's size, on every
// device that takes images, and its plot stays as small as an empty one.
TEST_F(FileInclusion, AnImageShortOfItsHeaderDrawsNothing) {
    const char noImage[] = "GIF89a\x00\x47\x00\x3B\x00\x00\x00";  // 18176 x 15104
    const char endsEarly[] = "GIF89a\xE8\x03\xE8\x03\x80\x00\x00" // 1000 x 1000, 2 colours
                             "\x00\x00\x00\xFF\xFF\xFF"
                             "\x2C\x00\x00\x00\x00\xE8\x03\xE8\x03\x00" // the image
                             "\x02\x01\x2C\x00\x3B"; // clear, end, terminator, trailer
    writeFile(dir.file("noimage.gif"), std::string(noImage, sizeof noImage - 1));
    writeFile(dir.file("early.gif"), std::string(endsEarly, sizeof endsEarly - 1));
    for (const char *device : {"PS", "PDF", "PNG"}) {
        for (const char *file : {"noimage.gif", "early.gif"}) {
            SCOPED_TRACE(std::string(device) + " " + file);
            open(device, "plot.out");
            EXPECT_EQ(include(dir.file(file)),
                      " <<<< Warning 101: Syntax error in image file in incfil!\n");
            EXPECT_LT(close("plot.out").size(), 50000u);
        }
    }
}

// PostScript and PDF make a picture of the image's own size, at most one
// pixel per plot unit of the page; a larger one is refused there, while the
// pixel devices, which cut an image at their picture, still take it.
TEST_F(FileInclusion, NoPictureLargerThanThePageIsMadeOnPaper) {
    savedPicture(102, 81, "PNG", rbmp, "larger.bmp");
    savedPicture(102, 80, "PNG", rbmp, "page.bmp");
    for (const char *device : {"PS", "PDF"}) {
        SCOPED_TRACE(device);
        openPng(30, 20, 102, 80, device); // a page of 102 x 80 plot units
        EXPECT_EQ(include(dir.file("larger.bmp")),
                  " <<<< Warning 101: Image is larger than the page in incfil!\n");
        const std::string empty = close();
        openPng(30, 20, 102, 80, device);
        EXPECT_EQ(include(dir.file("page.bmp")), "");
        EXPECT_GT(close().size(), empty.size() + 102 * 80);
    }
    openPng(30, 20, 102, 80);
    EXPECT_EQ(include(dir.file("larger.bmp")), "");
    close();
}

TEST_F(FileInclusion, SettersOfTheBoxAndTheTiffPart) {
    GlobalRecord &rec = openPng(30, 20, 1001, 801);
    struct Case {
        std::function<void()> call;
        const char *output;
    };
    const Case cases[] = {
        {[] { filbox(-5, 3, 10, 10); },
         " <<<< Warning   1: Negative parameter in filbox!   (  -5)\n"},
        {[] { filbox(0, 0, 0, -1); },
         " <<<< Warning   2: Incorrect parameter in filbox!   (  -1)\n"},
        {[] { filbox(1, 0, 1001, 10); }, " <<<< Warning   2: Incorrect parameter in filbox!\n"},
        {[] { filbox(0, 700, 10, 102); }, " <<<< Warning   2: Incorrect parameter in filbox!\n"},
        {[] { filclr("SOME"); }, " <<<< Warning   2: Incorrect parameter in filclr!   (SOME)\n"},
        {[] { tifwin(0, -2, 5, 5); },
         " <<<< Warning   2: Incorrect parameter in tifwin!   (  -2)\n"},
        {[] { tifwin(0, 0, 5, 0); },
         " <<<< Warning   2: Incorrect parameter in tifwin!   (   0)\n"},
        {[] { tiforg(-1, -4); }, " <<<< Warning   2: Incorrect parameter in tiforg!   (  -4)\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout(c.call), c.output);
    EXPECT_EQ(rec.incl.ifilbox + rec.incl.ifilclr + rec.incl.itifwin, 0);
    EXPECT_EQ(captureStdout([] {
                  filbox(0, 700, 1001, 101);
                  pagorg("BOTT");
                  filbox(10, 100, 20, 30);
              }),
              "");
    EXPECT_EQ(rec.incl.nfilbox[1], 800 - 100); // y from the bottom
    close();
}

TEST_F(FileInclusion, LogosOfTheInstallationDirectory) {
    mkdir(dir.file("zel").c_str(), 0755);
    const RgbImage logo = savedPicture(100, 40, "PNG", rgif, "zel/logo100.gif");
    setenv("KAVLOR", dir.path().c_str(), 1);
    GlobalRecord &rec = openPng(300, 200);
    EXPECT_EQ(captureStdout([] { zellogo(100, 200, 100, "note"); }), "");
    const float s = rec.page.xdevscl;
    EXPECT_EQ(pixels(int(100 * s + 0.5f + 0.5f), int(200 * s + 0.5f + 0.5f), 100, 40), logo);
    EXPECT_EQ(rec.incl.nfilbox[2], 100);
    EXPECT_EQ(rec.incl.nfilbox[3], 40);
    struct Case {
        std::function<void()> call;
        const char *output;
    };
    const Case cases[] = {
        {[] { zellogo(0, 0, 120, "NOTE"); },
         " <<<< Warning 101: Bad size for ZEL logo in zellogo!\n"},
        {[] { zellogo(0, 0, 100, "LONG"); },
         " <<<< Warning   2: Incorrect parameter in zellogo!   (LONG)\n"},
        {[] { zellogo(0, 0, 300, "TEXT"); }, " <<<< Warning  36: File error in zellogo!\n"},
        {[] { zellogo(2900, 0, 100, "NOTE"); },
         " <<<< Warning   2: Incorrect parameter in zellogo!\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captureStdout(c.call), c.output);
    close();
    open("HPGL");
    EXPECT_EQ(captureStdout([] { zellogo(0, 0, 100, "NOTE"); }),
              " <<<< Warning  40: File format and output device are incompatible in zellogo!\n");
    close();
    unsetenv("KAVLOR");
}

} // namespace
