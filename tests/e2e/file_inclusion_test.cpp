// Included files seen from C programs: the lines a program prints around
// files that cannot be included whole (a CGM file that ends early ends its
// inclusion, not the program), and the logos of the installation directory.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

std::string be16(int v) {
    return {char((v >> 8) & 0xFF), char(v & 0xFF)};
}

TEST(IncludedFiles, FilesThatEndEarlyAreReportedAndTheProgramGoesOn) {
    TempDir dir;
    // A text metafile of the library without its end record.
    ProgramRun run = runC(cMain(R"(
    setfil("lines.met");
    kavini();
    color("RED");
    line(100, 100, 2800, 2000);
    kavfin();)"),
                          dir.path());
    ASSERT_EQ(run.status, 0);
    const std::string metafile = readFile(dir.file("lines.met"));
    writeFile(dir.file("cut.met"), metafile.substr(0, metafile.rfind(" 9.0000000")));
    // A CGM file cut inside its POLYLINE.
    const std::string cgm = be16(0x0022) + std::string("\x01x", 2) + be16(0x2042) + be16(1) +
                            be16(0x4028) + be16(0) + be16(0) + be16(4000) + be16(3000);
    writeFile(dir.file("cut.cgm"), cgm.substr(0, cgm.size() - 3));
    writeFile(dir.file("plot.ps"), "%!PS-Adobe-2.0\n");

    run = runC(cMain(R"(
    metafl("PNG");
    setfil("out.png");
    kavini();
    incfil("cut.met");
    incfil("cut.cgm");
    incfil("missing.gif");
    incfil("plot.ps");
    puts("still running");
    kavfin();)"),
               dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, run.out.find("\n <<<<<<")),
              " <<<< Warning 101: The GKSLIN file is not complete! in incfil!\n"
              " <<<< Warning  56: Incorrect file format in incfil!\n"
              " <<<< Warning  36: File error in incfil!\n"
              " <<<< Warning  56: Incorrect file format in incfil!\n"
              "still running\n");
    EXPECT_NE(run.out.find("Warnings: 4 "), std::string::npos) << run.out;
}

TEST(IncludedFiles, LogosComeFromTheInstallationDirectory) {
    TempDir dir;
    const std::string zel = testPrefix() + "/share/kavlor/zel";
    const ProgramRun run =
        runC(cMain(R"(
    metafl("PPM");
    setfil("logo.ppm");
    winsiz(400, 300);
    kavini();
    zellogo(100, 100, 200, "TEXT");
    zellogo(1500, 1200, 100, "note");
    kavfin();)"),
             dir.path(), RunOptions{.env = {"KAVLOR=" + testPrefix() + "/share/kavlor"}});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    const RgbImage plot = decodeWith("ppmtoppm <", dir.file("logo.ppm"));
    // Each logo appears once, whole, in the plot.
    for (const char *name : {"logo200t.gif", "logo100.gif"}) {
        const RgbImage logo = decodeWith("giftopnm", zel + "/" + name);
        int found = 0;
        for (int y = 0; y + logo.height <= plot.height; ++y)
            for (int x = 0; x + logo.width <= plot.width; ++x) {
                bool same = true;
                for (int r = 0; r < logo.height && same; ++r)
                    same =
                        std::equal(logo.rgb.begin() + std::ptrdiff_t(r) * logo.width * 3,
                                   logo.rgb.begin() + std::ptrdiff_t(r + 1) * logo.width * 3,
                                   plot.rgb.begin() + (std::ptrdiff_t(y + r) * plot.width + x) * 3);
                found += same;
            }
        EXPECT_EQ(found, 1) << name;
    }
}

} // namespace
