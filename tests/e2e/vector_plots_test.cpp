// Whole plots written as PDF, PostScript, EPS and SVG and read back by the
// readers Debian ships: lines, dashes, wide lines, fills, hatches and text in
// stroke and PostScript fonts.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

// Draws the same page on the device given as the first argument.
constexpr const char *kPlot = R"(
#include <kavlor.h>
int main(int argc, char **argv) {
    int x[5] = {1500, 2500, 2700, 2000, 1400}, y[5] = {300, 400, 1200, 1800, 1000};
    int t[3] = {200, 900, 550}, u[3] = {1900, 1900, 1300};
    metafl(argv[1]);
    if (argc > 3) setpag(argv[3]);
    setfil(argv[2]);
    kavini();
    pagera();
    color("RED");
    linwid(20);
    line(200, 200, 1300, 1200);
    color("BLUE");
    linwid(3);
    dash();
    line(200, 1200, 1300, 200);
    solid();
    linwid(1);
    color("GREE");
    shdpat(16);
    areaf(x, y, 5);
    color("FORE");
    shdpat(5);
    areaf(t, u, 3);
    height(50);
    messag("Stroke text", 200, 1900);
    psfont("Helvetica");
    chacod("ISO1");
    messag("Device text <&> \xc4pfel", 200, 2000);
    kavfin();
    return 0;
}
)";

class VectorPlots : public ::testing::Test {
  protected:
    TempDir dir;
    std::string exe;
    void SetUp() override { exe = compileC(kPlot, dir.path()); }
    std::string draw(const char *device, const char *file, const char *page = "DA4L") {
        const ProgramRun run = runProgram(exe, dir.path(), {.args = {device, file, page}});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
        return dir.file(file);
    }
    std::string shell(const std::string &command) {
        std::string output;
        status = runCommand("cd '" + dir.path() + "' && " + command, &output);
        return output;
    }
    int status = 0;
};

TEST_F(VectorPlots, PdfIsValidAndItsDeviceTextCanBeRead) {
    draw("PDF", "plot.pdf");
    shell("qpdf --check plot.pdf");
    EXPECT_EQ(status, 0);
    const std::string text = shell("pdftotext -enc Latin1 plot.pdf -");
    EXPECT_EQ(status, 0);
    EXPECT_NE(text.find("Device text <&> \xc4pfel"), std::string::npos) << text;
    shell("pdftoppm -r 30 -png plot.pdf page");
    EXPECT_EQ(status, 0);
}

TEST_F(VectorPlots, PostScriptAndEpsRenderInGhostscript) {
    draw("PS", "plot.ps");
    draw("EPS", "plot.eps");
    for (const char *file : {"plot.ps", "plot.eps"}) {
        const std::string problems =
            shell(std::string("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage ") + file);
        EXPECT_EQ(status, 0) << file << problems;
        EXPECT_EQ(problems, "") << file;
    }
    // On a portrait page the text runs along the paper and can be read back.
    draw("PS", "portrait.ps", "DA4P");
    const std::string text =
        shell("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=txtwrite -sOutputFile=- portrait.ps");
    EXPECT_NE(text.find("Device text <&>"), std::string::npos) << text;
}

TEST_F(VectorPlots, SvgIsValidAndKeepsItsText) {
    const std::string file = draw("SVG", "plot.svg");
    shell("xmllint --noout --nonet plot.svg");
    EXPECT_EQ(status, 0);
    shell("rsvg-convert plot.svg -o plot.png");
    EXPECT_EQ(status, 0);
    const std::string svg = readFile(file);
    // One text element per character: special characters escaped, Latin-1
    // as the header declares.
    for (const char *element : {">&lt;</text>", ">&amp;</text>", ">&gt;</text>", ">\xc4</text>"})
        EXPECT_NE(svg.find(element), std::string::npos) << element;
}

} // namespace
