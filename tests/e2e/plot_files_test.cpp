// Opening and closing plots, seen from C programs: files, names, headers,
// trailers and the end-of-run protocol.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"
#include "tests/support/text.h"

namespace {

std::string protocol(const std::string &format, const std::string &metafile,
                     const std::string &vectors = "0", const std::string &warnings = "0") {
    const std::string rule = " " + std::string(66, '<');
    char lines[600];
    snprintf(lines, sizeof lines,
             "\n%s"
             "\n <<                END OF KAVLOR / VERSION  9.1                  <<"
             "\n <<  Date    : DD.MM.YYYY  Time    : HH:MM:SS  Pageformat: DA4L  <<"
             "\n <<  Vectors : %-10s  Warnings: %-8s  Fileformat: %4s  <<"
             "\n <<  %-58s  <<"
             "\n%s\n\n",
             rule.c_str(), vectors.c_str(), warnings.c_str(), format.c_str(),
             ("Metafile: " + metafile).c_str(), rule.c_str());
    return lines;
}

TEST(PlotFiles, DefaultPlotWritesTheTextMetafileAndTheProtocol) {
    TempDir dir;
    ProgramRun run = runC(cMain("kavini(); kavfin();"), dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(maskDateTime(run.out), protocol("GKSL", "kavlor.met"));
    // Page size in cm; the colour of the default table's foreground (255 =
    // 2 x 89 + 77: two "99" records and code 86); the end record.
    EXPECT_EQ(readFile(dir.file("kavlor.met")), "      29.7      21.0\n"
                                                "99.000000099.000000086.0000000 9.0000000\n");
}

TEST(PlotFiles, ExistingFilesGetVersionedNames) {
    TempDir dir, build;
    const std::string exe = compileC(cMain("kavini(); kavfin();"), build.path());
    writeFile(dir.file("kavlor.met"), "0");
    writeFile(dir.file("kavlor_1.met"), "1");
    ProgramRun run = runProgram(exe, dir.path());
    EXPECT_EQ(maskDateTime(run.out), protocol("GKSL", "kavlor_2.met"));
    EXPECT_EQ(readFile(dir.file("kavlor.met")), "0");
    EXPECT_EQ(readFile(dir.file("kavlor_1.met")), "1");

    for (int n = 3; n <= 9; ++n)
        writeFile(dir.file("kavlor_" + std::to_string(n) + ".met"), "n");
    run = runProgram(exe, dir.path());
    EXPECT_EQ(maskDateTime(run.out), protocol("GKSL", "kavlo_10.met"));
}

TEST(PlotFiles, FileModes) {
    TempDir dir;
    writeFile(dir.file("kavlor.met"), "old");
    ProgramRun run = runC(cMain("filmod(\"DELE\"); kavini(); kavfin();"), dir.path());
    EXPECT_EQ(maskDateTime(run.out), protocol("GKSL", "kavlor.met"));
    EXPECT_NE(readFile(dir.file("kavlor.met")), "old");

    run = runC(cMain("filmod(\"BREA\"); kavini(); puts(\"not reached\"); kavfin();"), dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "File kavlor.met does exist\n");

    // A name given by setfil, in a folder, with trailing blanks.
    mkdir(dir.file("plots").c_str(), 0755);
    run = runC(cMain("setfil(\"plots/figure.met  \"); kavini(); kavfin();"), dir.path());
    EXPECT_EQ(maskDateTime(run.out), protocol("GKSL", "plots/figure.met"));
    EXPECT_NE(readFile(dir.file("plots/figure.met")), "");
}

TEST(PlotFiles, DeviceKeywordsChooseFormatAndFileName) {
    struct Case {
        const char *keyword;
        const char *format; // as the protocol prints it
        const char *file;   // the file written; empty for devices without a file
    };
    const Case cases[] = {
        {"gksl", "GKSL", "kavlor.met"}, {"CGM", "CGM ", "kavlor.cgm"},
        {"kyoc", "KYOC", "kavlor.kyo"}, {"HPGL", "HPGL", "kavlor.hpg"},
        {"HPA3", "HPA3", "kavlor.hpg"}, {"post", "POST", "kavlor.psc"},
        {"PSCL", "PSCL", "kavlor.psc"}, {"PS", "PS  ", "kavlor.ps"},
        {"EPS", "EPS ", "kavlor.eps"},  {"TIFF", "TIFF", "kavlor.tif"},
        {"IMAG", "IMAG", "kavlor.img"}, {"PNG", "PNG ", "kavlor.png"},
        {"PPM", "PPM ", "kavlor.ppm"},  {"BMP", "BMP ", "kavlor.bmp"},
        {"GIF", "GIF ", "kavlor.gif"},  {"JAVA", "JAVA", "kavlor.java"},
        {"SVG", "SVG ", "kavlor.svg"},  {"TEKT", "TEKT", "kavlor.tek"},
        {"LN03", "LN03", "kavlor.ln3"}, {"VT34", "VT34", "kavlor."},
    };
    const TempDir build;
    const std::string exe = compileC(R"(#include <kavlor.h>
int main(int argc, char **argv) {
    (void)argc;
    metafl(argv[1]);
    kavini();
    kavfin();
    return 0;
}
)",
                                     build.path());
    for (const Case &c : cases) {
        TempDir dir;
        ProgramRun run = runProgram(exe, dir.path(), {.args = {c.keyword}});
        EXPECT_EQ(run.status, 0) << c.keyword;
        EXPECT_NE(run.out.find(std::string("Fileformat: ") + c.format), std::string::npos)
            << c.keyword << "\n"
            << run.out;
        EXPECT_NE(run.out.find(std::string("Metafile: ") + c.file + " "), std::string::npos)
            << c.keyword << "\n"
            << run.out;
        EXPECT_TRUE(fileExists(dir.file(c.file))) << c.keyword;
    }
}

TEST(PlotFiles, ScreenKeywordsOpenNoFileAndBadKeywordsChangeNothing) {
    TempDir dir;
    ProgramRun run =
        runC(cMain("metafl(\"cons\"); metafl(\"XYZW\"); kavini(); kavfin();"), dir.path());
    EXPECT_EQ(maskDateTime(run.out),
              " <<<< Warning   2: Incorrect parameter in metafl!   (XYZW)\n" +
                  protocol("CONS", "", "0", "0"));
    run = runC(cMain("kavini(); metafl(\"PS\"); kavfin();"), dir.path());
    EXPECT_NE(run.out.find(" <<<< Warning   3: Incorrect level in metafl!   (   1)\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("Fileformat: GKSL"), std::string::npos);
}

TEST(PlotFiles, PageSettingsChangeTheHeaderAndTheCoordinates) {
    struct Case {
        const char *body;
        const char *header; // the page size in cm
        const char *line;   // the records of the line
    };
    const Case cases[] = {
        // Portrait A4: 21.0 x 29.7 cm, the line along the top edge (y = 1 in
        // the file, whose y runs upwards in units of the longer side).
        {"setpag(\"da4p\"); kavini(); line(0, 0, 2099, 0); kavfin();", "      21.0      29.7\n",
         " 0.0000000 1.0000000 3.0000000 0.7069721 1.0000000 2.0000000"},
        // A 1000 x 500 page; the origin shift moves the line to (100, 50)..(1000, 50).
        {"page(1001, 501); kavini(); origin(100, 50); line(0, 0, 900, 0); kavfin();",
         "      10.0       5.0\n", " 0.1000000 0.4500000 3.0000000 1.0000000 0.4500000 2.0000000"},
        // In inches the A4 page is 1169 x 826 plot units; with the page origin
        // at the bottom, y = 0 is the bottom edge of the page.
        {"units(\"INCH\"); kavini(); pagorg(\"BOTT\"); line(0, 0, 1169, 0); kavfin();",
         "      29.7      21.0\n", " 0.0000000 0.0000000 3.0000000 1.0000000 0.0000000 2.0000000"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        const ProgramRun run = runC(cMain(c.body), dir.path());
        EXPECT_EQ(run.status, 0) << c.body;
        const std::string metafile = readFile(dir.file("kavlor.met"));
        EXPECT_EQ(metafile.substr(0, 21), c.header) << c.body;
        EXPECT_NE(metafileRecords(metafile).find(c.line), std::string::npos) << c.body;
    }
}

TEST(PlotFiles, HpglFileIsReadByHp2xx) {
    TempDir dir;
    ProgramRun run = runC(cMain(R"(
    metafl("HPGL");
    kavini();
    line(100, 100, 2800, 100);
    line(2800, 100, 2800, 2000);
    setclr(3);
    line(2800, 2000, 100, 100);
    kavfin();)"),
                          dir.path());
    ASSERT_EQ(run.status, 0);
    const std::string hpgl = readFile(dir.file("kavlor.hpg"));
    EXPECT_EQ(hpgl.substr(0, 6), " SP1;\n");
    EXPECT_NE(hpgl.find("PU400,7996;PD11200,7996;"), std::string::npos) << hpgl;
    EXPECT_EQ(hpgl.substr(hpgl.size() - 7), "PU0,0;\n");
    const std::string command = "cd '" + dir.path() + "' && hp2xx -q -m pbm -f out.pbm kavlor.hpg";
    EXPECT_EQ(system(command.c_str()), 0);
    EXPECT_EQ(readFile(dir.file("out.pbm")).substr(0, 2), "P4");
}

TEST(PlotFiles, JavaAppletSourceCompiles) {
    TempDir dir;
    ProgramRun run = runC(cMain(R"(
    metafl("JAVA");
    setfil("Plot.java");
    kavini();
    line(0, 0, 2969, 2099);
    pagfll(2);
    kavfin();)"),
                          dir.path());
    ASSERT_EQ(run.status, 0);
    const std::string java = readFile(dir.file("Plot.java"));
    EXPECT_EQ(maskDateTime(java.substr(0, java.find("import"))),
              "// KAVLOR Java Metafile\n"
              "// Creator: KAVLOR  9.1\n"
              "// Date   : DD.MM.YYYY, HH:MM:SS\n"
              "// Size   : 853 603\n\n");
    EXPECT_NE(java.find("  g.drawLine (0,0,852,602);\n"), std::string::npos) << java;
    const std::string command = "cd '" + dir.path() + "' && javac -nowarn Plot.java 2>&1";
    EXPECT_EQ(system(command.c_str()), 0);
}

// A program that plots in the format argv[1] into the file argv[2] with its
// file size limited to argv[3] bytes (0: no limit). A write past the limit
// fails as it would on a full disk; the standard output stays far below it.
const char *kLimitedPlot = R"(#include <kavlor.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
int main(int argc, char **argv) {
    (void)argc;
    const long limit = atol(argv[3]);
    if (limit > 0) {
        struct rlimit r = {(rlim_t)limit, (rlim_t)limit};
        signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &r) != 0) return 2;
    }
    metafl(argv[1]);
    setfil(argv[2]);
    kavini();
    for (int i = 0; i < 400; ++i) line(i * 7, (i * 37) % 2000, 2800 - i * 5, (i * 53) % 2000);
    kavfin();
    return 0;
}
)";

TEST(PlotFiles, AFileThatCannotBeWrittenWholeIsAFileError) {
    const TempDir build;
    const std::string exe = compileC(kLimitedPlot, build.path());
    const char *warning = " <<<< Warning  36: File error in kavfin!\n";
    struct Case {
        const char *keyword;
        const char *file;
    };
    const Case cases[] = {
        {"PS", "plot.ps"},    {"PDF", "plot.pdf"}, {"SVG", "plot.svg"},
        {"GKSL", "plot.met"}, {"CGM", "plot.cgm"},
    };
    for (const Case &c : cases) {
        TempDir dir;
        ProgramRun run = runProgram(exe, dir.path(), {{}, {c.keyword, c.file, "0"}, ""});
        EXPECT_EQ(run.status, 0) << c.keyword;
        const std::size_t size = readFile(dir.file(c.file)).size();
        ASSERT_GT(size, 4096u) << c.keyword;
        EXPECT_EQ(run.out.find(" <<<< Warning"), std::string::npos) << c.keyword << "\n" << run.out;

        TempDir full;
        run = runProgram(exe, full.path(), {{}, {c.keyword, c.file, "4096"}, ""});
        EXPECT_EQ(run.status, 0) << c.keyword;
        EXPECT_EQ(readFile(full.file(c.file)).size(), 4096u) << c.keyword;
        // The warning comes before the protocol, which counts it.
        EXPECT_EQ(run.out.find(warning), 0u) << c.keyword << "\n" << run.out;
        EXPECT_NE(run.out.find("Warnings: 1 "), std::string::npos) << c.keyword << "\n" << run.out;
    }
}

TEST(PlotFiles, WarningsAreCountedInTheProtocol) {
    TempDir dir;
    ProgramRun run = runC(cMain("kavini(); setclr(-1); color(\"PINK\"); kavfin();"), dir.path());
    EXPECT_EQ(maskDateTime(run.out), " <<<< Warning   2: Incorrect parameter in setclr!   (  -1)\n"
                                     " <<<< Warning   2: Incorrect parameter in color!   (PINK)\n" +
                                         protocol("GKSL", "kavlor.met", "0", "2"));
    // No protocol when it is switched off.
    run = runC(cMain("kavini(); errmod(\"PROT\", \"OFF\"); kavfin();"), dir.path());
    EXPECT_EQ(run.out, "");
}

} // namespace
