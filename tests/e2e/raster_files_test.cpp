// One plot written as PNG, TIFF, GIF, BMP and PPM by a C program: every file
// decodes with netpbm and with ImageMagick to the pixels that the program
// reads back from its raster through the public pixel routines.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

const char *kPlot = R"(#include <kavlor.h>
#include <stdio.h>

enum { W = 203, H = 151 };

int main(void) {
    static unsigned char patch[40 * 25], rgb[W * H * 3];
    metafl("PNG");
    setfil("plot.png");
    winsiz(W, H);
    kavini();
    color("RED");
    line(0, 0, 2969, 2099);
    color("GREEN");
    line(0, 2099, 2969, 0);
    setrgb(0.1f, 0.5f, 0.9f);
    line(300, 1000, 2600, 1000);
    for (int i = 0; i < 40 * 25; ++i) patch[i] = (unsigned char)(i * 7 + i / 40);
    imgini();
    wpixls(patch, 150, 110, 40, 25); /* cut at the right and bottom edges */
    wpixel(5, 140, intrgb(1.0f, 1.0f, 0.0f));
    imgfin();
    rtiff("plot.tif");
    rgif("plot.gif");
    rbmp("plot.bmp");
    rppm("plot.ppm");
    imgini();
    imgmod("RGB");
    rpixls(rgb, 0, 0, W, H);
    imgfin();
    FILE *raster = fopen("raster.rgb", "wb");
    fwrite(rgb, 1, sizeof rgb, raster);
    fclose(raster);
    kavfin();
    return 0;
}
)";

TEST(RasterFiles, OnePlotInEveryFormatDecodesToTheRasterReadBack) {
    TempDir dir;
    const ProgramRun run = runC(kPlot, dir.path());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Metafile: plot.png"), std::string::npos);

    RgbImage raster{203, 151, {}};
    const std::string bytes = readFile(dir.file("raster.rgb"));
    raster.rgb.assign(bytes.begin(), bytes.end());
    ASSERT_EQ(raster.rgb.size(), 203u * 151 * 3);

    struct Format {
        const char *file, *netpbm, *magick;
    };
    const Format formats[] = {
        {"plot.png", "pngtopnm", "PNG"},   {"plot.tif", "tifftopnm", "TIFF"},
        {"plot.gif", "giftopnm", "GIF"},   {"plot.bmp", "bmptopnm", "BMP3"},
        {"plot.ppm", "ppmtoppm <", "PPM"},
    };
    for (const Format &f : formats) {
        const std::string path = dir.file(f.file);
        EXPECT_EQ(differences(decodeWith(f.netpbm, path), raster), "") << f.file;
        EXPECT_EQ(differences(decodeWith("convert-im6.q16", path, "-depth 8 ppm:-"), raster), "")
            << f.file;
        const ProgramRun id = runShell("identify-im6.q16 -format '%m %w %h' '" + path + "'");
        EXPECT_EQ(id.out, std::string(f.magick) + " 203 151") << f.file;
    }
}

} // namespace
