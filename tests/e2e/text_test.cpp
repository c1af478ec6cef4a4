// Texts seen from a C program: the exact message lines of texts, formulas,
// escapes and fonts, and the bitmap fonts of the installed library.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(TextProgram, MessageLinesOfTextsAndFonts) {
    TempDir dir;
    ProgramRun run = runC(R"(
#include <kavlor.h>
#include <stdio.h>
int main(void) {
    metafl("POST");
    setfil("text.ps");
    kavini();
    printf("%d %d\n", nlmess("Kavlor"), nlmess("   "));
    messag("Far out", 3000, 100);
    psfont("Garamond");
    eushft("GERM", "\"");
    messag("\"Q", 100, 100);
    eushft("SPAN", "\"");
    texmod("ON");
    messag("$x^a^b$", 100, 300);
    messag("$\\frac{a}$", 100, 300);
    texmod("OFF");
    bmpfnt("HELV");
    symbol(5, 100, 3000);
    kavfin();
    return 0;
}
)",
                          dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(maskDateTime(run.out),
              "210 0\n"
              " <<<< Warning: Startpoint ( 3000/  100) in MESSAG out of page - (Far out).\n"
              " <<<< Warning: Endpoint   ( 3245/  135) in MESSAG out of page - (Far out).\n"
              " <<<< Warning: Garamond is not a standard font!\n"
              " <<<< Warning  18: Incorrect character after the eushft operator in messag!   (\")\n"
              " <<<< Warning  57: Control characters must be different in eushft!\n"
              " <<<< Warning 101: Syntax error for Indices/Exponents in messag!\n"
              " <<<< Warning 101: Missing denominator for fractions in messag!\n"
              " <<<< Warning 101: Bitmat fonts can only be used for raster output in bmpfnt!\n"
              " >>>> (100/3000) out of page in symbol!\n"
              "\n"
              " <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<\n"
              " <<                END OF KAVLOR / VERSION  9.1                  <<\n"
              " <<  Date    : DD.MM.YYYY  Time    : HH:MM:SS  Pageformat: DA4L  <<\n"
              " <<  Vectors : 0           Warnings: 8         Fileformat: POST  <<\n"
              " <<  Metafile: text.ps                                           <<\n"
              " <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<\n"
              "\n");
    // The text in Times-Roman, re-encoded, with its characters.
    const std::string ps = readFile(dir.file("text.ps"));
    EXPECT_NE(ps.find("(Times-Roman) (Times-Roman-German) GermanVec ReEncodeSmall"),
              std::string::npos);
    EXPECT_NE(ps.find(" c "), std::string::npos);
}

TEST(TextProgram, BitmapFontsOfTheInstallationDirectory) {
    TempDir dir, empty, build;
    const std::string exe = compileC(R"(
#include <kavlor.h>
#include <stdio.h>
int main(void) {
    metafl("PNG");
    setfil("text.png");
    kavini();
    errmod("PROT", "OFF");
    complx();
    int strokes = nlmess("Hello");
    bmpfnt("HELV");
    printf("%d\n", nlmess("Hello") != strokes);
    bmpfnt("SIMP");
    messag("Hello", 100, 100);
    kavfin();
    return 0;
}
)",
                                     build.path());
    // The installed fonts: no warning, and the bitmap font's widths.
    ProgramRun run =
        runProgram(exe, dir.path(), {.env = {"KAVLOR=" + testPrefix() + "/share/kavlor"}});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "1\n");
    // A folder without fonts.
    run = runProgram(exe, dir.path(), {.env = {"KAVLOR=" + empty.path()}});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, " <<<< Warning 101: Open error for bitmap font in BMPFNT!\n"
                       "0\n"
                       " <<<< Warning 101: Open error for bitmap font in BMPFNT!\n");
}

} // namespace
