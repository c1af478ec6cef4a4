// rimage and wimage: the picture saved as a BitmapFile and loaded back,
// through the public routines, and the devices and files they refuse.
#include <gtest/gtest.h>

#include "kavlor.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"

namespace {

class BitmapRoutines : public PlotTest {
  protected:
    GlobalRecord &openSized(const char *device, int w, int h) {
        captureStdout([&] { winsiz(w, h); });
        return open(device);
    }
    void drawSomething() {
        captureStdout([] {
            color("RED");
            line(0, 0, 2969, 2099);
            setclr(90);
            line(0, 1000, 2969, 1000);
            sendbf();
        });
    }
};

TEST_F(BitmapRoutines, SavedPicturesLoadIntoLaterPlots) {
    // Index page to index page, RGB page to index page (nearest colours of
    // the same table: the same colours), index page to RGB page.
    struct Case {
        const char *from, *to;
    };
    for (const Case c : {Case{"PNG", "GIF"}, Case{"PPM", "PNG"}, Case{"BMP", "PPM"}}) {
        openSized(c.from, 70, 50);
        drawSomething();
        const RgbImage saved = rasterPixels(currentRecord(), 0, 0, 70, 50);
        EXPECT_EQ(captureStdout([] { rimage("picture.img"); }), "");
        close();
        const std::string file = readFile(dir.file("picture.img"));
        ASSERT_GE(file.size(), 80u);
        const bool rgb = std::string(c.from) == "PPM";
        EXPECT_EQ(file.substr(0, 80),
                  std::string("!Bitmap KAVLOR VIRT ") +
                      (rgb ? "   70    50     8   210    24    32     0     1     0"
                           : "   70    50     8    70     8    32     0     1     0") +
                      "       ");
        EXPECT_EQ(file.size(), 80u + (rgb ? 3u : 1u) * 70 * 50);

        openSized(c.to, 70, 50);
        EXPECT_EQ(captureStdout([] { wimage("picture.img"); }), "");
        EXPECT_EQ(differences(rasterPixels(currentRecord(), 0, 0, 70, 50), saved), "")
            << c.from << " to " << c.to;
        close();
    }
}

TEST_F(BitmapRoutines, DevicesAndFilesRefused) {
    writeFile(dir.file("not.img"), "P6\n1 1\n255\nabc");
    struct Case {
        const char *device;
        std::function<void()> call;
        std::string output;
    };
    const std::string s40 = " <<<< Warning  40: File format and output device are incompatible in ";
    const Case cases[] = {
        {"POST", [] { rimage("out.img"); }, s40 + "rimage!\n"},
        {"PDF", [] { wimage("not.img"); }, s40 + "wimage!\n"},
        {"SVG", [] { rimage("out.img"); }, s40 + "rimage!\n"},
        {"JAVA", [] { wimage("not.img"); }, s40 + "wimage!\n"},
        {"PNG", [] { wimage("missing.img"); }, " <<<< Warning  36: File error in wimage!\n"},
        {"PNG", [] { rimage("no/such/dir/out.img"); },
         " <<<< Warning  36: File error in rimage!\n"},
        {"PNG", [] { wimage("not.img"); }, " <<<< Warning  56: Incorrect file format in wimage!\n"},
    };
    for (const Case &c : cases) {
        open(c.device);
        EXPECT_EQ(captureStdout(c.call), c.output) << c.device;
        close();
    }
    EXPECT_FALSE(fileExists(dir.file("out.img")));
}

TEST_F(BitmapRoutines, TheImagDeviceWritesItsPictureAtKavfin) {
    openSized("IMAG", 5, 3);
    captureStdout([] {
        imgini();
        wpixel(4, 2, 7);
        imgfin();
    });
    const std::string file = close();
    ASSERT_EQ(file.size(), 80u + 15u);
    EXPECT_EQ(file.substr(0, 20), "!Bitmap KAVLOR VIRT ");
    EXPECT_EQ(file.back(), '\7');
}

} // namespace
