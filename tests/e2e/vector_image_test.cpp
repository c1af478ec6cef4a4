// Image mode on PostScript and PDF: pixels written in image mode appear in the
// file as an image at the image box.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

// A 40 x 20 pixel image in RGB mode, left half red, right half blue, placed in
// the box from (1000, 500) of 800 x 400 plot units.
constexpr const char *kProgram = R"(
#include <kavlor.h>
int main(int argc, char **argv) {
    unsigned char row[40 * 3];
    int x, y;
    (void)argc;
    metafl(argv[1]);
    setfil(argv[2]);
    kavini();
    imgsiz(40, 20);
    imgbox(1000, 500, 800, 400);
    imgmod("RGB");
    imgini();
    for (x = 0; x < 40; x++) {
        row[3 * x] = x < 20 ? 255 : 0;
        row[3 * x + 1] = 0;
        row[3 * x + 2] = x < 20 ? 0 : 255;
    }
    for (y = 0; y < 20; y++) wpxrow(row, 0, y, 40);
    imgfin();
    kavfin();
    return 0;
}
)";

// The colour at a page point (plot units) of the default page, rendered at
// 50 dots per inch: a PDF page lies across; PostScript turns the landscape
// page on the portrait paper (plot x runs up the paper, plot y to the right,
// 3900 / 2099 units of 1/508 inch per plot unit after a shift of (150, 200)).
struct Probe {
    const RgbImage &image;
    bool turned;
    int at(float x, float y, int channel) const {
        int col = int(x / 2970.0f * float(image.width));
        int row = int(y / 2100.0f * float(image.height));
        if (turned) {
            const float s = 3900.0f / 2099.0f, dots = 50.0f / 508.0f;
            col = int((150.0f + y * s) * dots);
            row = image.height - 1 - int((200.0f + x * s) * dots);
        }
        return image.rgb[std::size_t(row * image.width + col) * 3 + std::size_t(channel)];
    }
};

class VectorImage : public ::testing::Test {
  protected:
    TempDir dir;
    void draw(const char *device, const char *file) {
        const ProgramRun run = runC(kProgram, dir.path(), {.args = {device, file}});
        ASSERT_EQ(run.status, 0);
        ASSERT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    }
    static void checkImage(const RgbImage &page, bool turned) {
        ASSERT_GT(page.width, 0);
        const Probe probe{page, turned};
        EXPECT_GT(probe.at(1200, 700, 0), 200); // red half
        EXPECT_LT(probe.at(1200, 700, 2), 60);
        EXPECT_GT(probe.at(1600, 700, 2), 200); // blue half
        EXPECT_LT(probe.at(1600, 700, 0), 60);
        EXPECT_GT(probe.at(900, 700, 1), 200); // outside the box: the white page
        EXPECT_GT(probe.at(1400, 950, 1), 200);
    }
};

TEST_F(VectorImage, PdfImageLiesInTheBox) {
    draw("PDF", "image.pdf");
    const ProgramRun check = runShell("qpdf --check '" + dir.file("image.pdf") + "'");
    EXPECT_EQ(check.status, 0) << check.out;
    checkImage(decodeWith("pdftoppm -r 50", dir.file("image.pdf")), false);
}

TEST_F(VectorImage, PostScriptImageLiesInTheBox) {
    draw("PS", "image.ps");
    checkImage(decodeWith("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r50 -sOutputFile=-",
                          dir.file("image.ps")),
               true);
}

// An image whose row cannot be had at imgfin: the address space may grow by
// only 16 MB after imgini, and a row of the 20000000 x 1 image takes 60 MB.
constexpr const char *kStarvedProgram = R"(
#include <kavlor.h>
#include <stdio.h>
#include <sys/resource.h>
int main(int argc, char **argv) {
    long pages = 0;
    FILE *statm;
    struct rlimit r;
    (void)argc;
    metafl(argv[1]);
    setfil(argv[2]);
    kavini();
    imgsiz(20000000, 1);
    imgmod("RGB");
    imgini();
    statm = fopen("/proc/self/statm", "r");
    if (statm == NULL || fscanf(statm, "%ld", &pages) != 1) return 2;
    fclose(statm);
    r.rlim_cur = r.rlim_max = (rlim_t)pages * 4096 + (16 << 20);
    if (setrlimit(RLIMIT_AS, &r) != 0) return 3;
    imgfin();
    kavfin();
    return 0;
}
)";

TEST_F(VectorImage, NoMemoryForTheImageIsAWarningAndTheFileStaysWhole) {
    if (testCFlags().find("sanitize") != std::string::npos)
        GTEST_SKIP() << "a sanitizer's shadow memory does not fit an address-space limit";
    const TempDir build;
    const std::string exe = compileC(kStarvedProgram, build.path());
    for (const char *device : {"PS", "PDF"}) {
        const std::string file = std::string("image.") + (device[1] == 'S' ? "ps" : "pdf");
        const ProgramRun run = runProgram(exe, dir.path(), {.args = {device, file}});
        EXPECT_EQ(run.status, 0) << device << "\n" << run.err;
        EXPECT_EQ(run.out.find(" <<<< Warning  53: Not enough memory in imgfin!\n"), 0u)
            << device << "\n"
            << run.out;
    }
    const ProgramRun pdf = runShell("qpdf --check '" + dir.file("image.pdf") + "'");
    EXPECT_EQ(pdf.status, 0) << pdf.out;
    const ProgramRun ps = runShell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage '" +
                                   dir.file("image.ps") + "'");
    EXPECT_EQ(ps.status, 0) << ps.out;
}

} // namespace
