// WMF files written by C programs through the installed library.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(WmfFile, APlaceableMetafileFromACProgram) {
    TempDir dir;
    for (const std::string name : {"plot.wmf", "plot"}) {
        ProgramRun run = runC(cMain(R"(
    wmfmod("FORM", "PLAC");
    wmfmod("PLAC", "FORM");
    metafl("WMF");
    setfil(")" + name + R"(");
    filmod("DELE");
    kavini();
    pagera();
    setrgb(0, 0, 1);
    shdpat(16);
    int x[4] = {500, 1500, 1500, 500}, y[4] = {500, 500, 1500, 1500};
    areaf(x, y, 4);
    setrgb(1, 0, 0);
    line(0, 1800, 2969, 1800);
    kavfin();)"),
                              dir.path());
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        EXPECT_EQ(run.out.find(" <<<< Warning   2: Incorrect parameter in wmfmod!   (PLAC)\n"), 0u)
            << run.out;
        EXPECT_EQ(run.err, "");
        const std::string bytes = readFile(dir.file(name));
        ASSERT_GT(bytes.size(), 40u) << name;
        EXPECT_EQ(bytes.substr(0, 4), "\xD7\xCD\xC6\x9A") << name;
        // No temporary file (the plot's name and a suffix of seven) is left.
        for (const auto &entry : std::filesystem::directory_iterator(dir.path())) {
            const std::string file = entry.path().filename().string();
            EXPECT_FALSE(file.size() == name.size() + 7 && file.rfind(name + ".", 0) == 0) << file;
        }

        const RgbImage image =
            decodeWith("convert-im6.q16", "wmf:" + dir.file(name), "-depth 8 ppm:-");
        ASSERT_TRUE(image.valid()) << name;
        EXPECT_NEAR(double(image.width) / image.height, 2969.0 / 2099.0, 0.01);
        const double k = double(image.width) / 2969.0;
        const unsigned char *blue = image.at(int(1000 * k), int(1000 * k));
        EXPECT_LT(blue[0], 20);
        EXPECT_GT(blue[2], 235);
        // The red line, within a pixel of where it belongs.
        bool red = false;
        for (int y = int(1800 * k) - 1; y <= int(1800 * k) + 1; ++y) {
            const unsigned char *p = image.at(int(2500 * k), y);
            red = red || (p[0] > 150 && p[1] < 150 && p[2] < 150);
        }
        EXPECT_TRUE(red) << name;
    }
}

} // namespace
