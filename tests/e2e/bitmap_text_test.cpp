// Text in the bitmap fonts of the installation directory, drawn into the
// memory raster of a PNG plot and compared with the glyph of the BDF file.
#include <gtest/gtest.h>
#include <sstream>

#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

// The bitmap rows of one glyph of a BDF file, as strings of '#' and '.'.
std::vector<std::string> bdfGlyph(const std::string &path, int encoding) {
    std::istringstream in(readFile(path));
    std::string line;
    std::vector<std::string> rows;
    int width = 0;
    bool found = false, bitmap = false;
    while (std::getline(in, line)) {
        if (line == "ENCODING " + std::to_string(encoding)) found = true;
        if (!found) continue;
        if (line.rfind("BBX ", 0) == 0) width = std::stoi(line.substr(4));
        if (line == "ENDCHAR") break;
        if (bitmap) {
            const unsigned long bits = std::stoul(line, nullptr, 16);
            const int total = int(line.size()) * 4;
            std::string row;
            for (int x = 0; x < width; ++x)
                row += (bits >> (total - 1 - x)) & 1 ? '#' : '.';
            rows.push_back(row);
        }
        if (line == "BITMAP") bitmap = true;
    }
    return rows;
}

// The inked pixels of a picture within their bounding box, as '#' and '.'.
std::vector<std::string> inkedBox(const RgbImage &image) {
    int x0 = image.width, y0 = image.height, x1 = -1, y1 = -1;
    auto ink = [&](int x, int y) { return image.rgb[std::size_t(y * image.width + x) * 3] != 0; };
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (ink(x, y)) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    std::vector<std::string> rows;
    for (int y = y0; y <= y1; ++y) {
        std::string row;
        for (int x = x0; x <= x1; ++x)
            row += ink(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// Trims columns and rows that hold no ink on any side.
std::vector<std::string> trimmed(std::vector<std::string> rows) {
    while (!rows.empty() && rows.back().find('#') == std::string::npos)
        rows.pop_back();
    while (!rows.empty() && rows.front().find('#') == std::string::npos)
        rows.erase(rows.begin());
    std::size_t first = std::string::npos, last = 0;
    for (const std::string &r : rows) {
        const std::size_t a = r.find('#'), b = r.rfind('#');
        if (a != std::string::npos) {
            first = std::min(first, a);
            last = std::max(last, b);
        }
    }
    for (std::string &r : rows)
        r = r.substr(first, last - first + 1);
    return rows;
}

// Runs a C program that writes text.png with the installed fonts.
ProgramRun runWithInstalledFonts(const std::string &source, const TempDir &dir) {
    RunOptions options;
    options.env = {"KAVLOR=" + testPrefix() + "/share/kavlor"};
    return runC(source, dir.path(), options);
}

// The glyph of letter in the installed font file complx18, trimmed to its ink.
std::vector<std::string> complex18Glyph(char letter) {
    return trimmed(bdfGlyph(testPrefix() + "/share/kavlor/fonts/complx18.bdf", letter));
}

TEST(BitmapText, AGlyphOfAnInstalledFontLandsPixelForPixel) {
    TempDir dir;
    // Height 52 on the default raster (scale 0.287, raised by 1.2 below 0.3)
    // asks for 18 pixels: the file complx18.
    const std::string source = R"(
#include <kavlor.h>
int main(void) {
    metafl("PNG");
    setfil("text.png");
    kavini();
    height(52);
    bmpfnt("COMPLEX");
    messag("H", 1000, 1000);
    kavfin();
    return 0;
}
)";
    const ProgramRun run = runWithInstalledFonts(source, dir);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    const RgbImage image = decodeWith("pngtopnm", dir.file("text.png"));
    ASSERT_GT(image.width, 0);
    const auto expected = complex18Glyph('H');
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(inkedBox(image), expected);
}

// The rows turned a quarter counter-clockwise.
std::vector<std::string> turnedLeft(const std::vector<std::string> &rows) {
    std::vector<std::string> out;
    const int height = int(rows.size()), width = height > 0 ? int(rows[0].size()) : 0;
    for (int r = 0; r < width; ++r) {
        std::string row;
        for (int c = 0; c < height; ++c)
            row += rows[std::size_t(c)][std::size_t(width - 1 - r)];
        out.push_back(row);
    }
    return out;
}

TEST(BitmapText, OnAPortraitPageTheGlyphTurnsWithThePage) {
    TempDir dir;
    const std::string source = R"(
#include <kavlor.h>
int main(void) {
    metafl("PNG");
    setfil("text.png");
    pagmod("PORT");
    winsiz(603, 853); /* the scale of the landscape page above: the file complx18 */
    kavini();
    height(52);
    bmpfnt("COMPLEX");
    messag("L", 1000, 1000);
    kavfin();
    return 0;
}
)";
    const ProgramRun run = runWithInstalledFonts(source, dir);
    ASSERT_EQ(run.status, 0) << run.out;
    const RgbImage image = decodeWith("pngtopnm", dir.file("text.png"));
    ASSERT_GT(image.width, 0);
    const auto glyph = complex18Glyph('L');
    ASSERT_FALSE(glyph.empty());
    EXPECT_EQ(inkedBox(image), turnedLeft(glyph));
}

TEST(BitmapText, WithoutTheFontsTheFontIsRefused) {
    TempDir dir, empty;
    RunOptions options;
    options.env = {"KAVLOR=" + empty.path()};
    const ProgramRun run = runC(R"(
#include <kavlor.h>
int main(void) {
    metafl("PNG");
    kavini();
    bmpfnt("COMPLEX");
    kavfin();
    return 0;
}
)",
                                dir.path(), options);
    EXPECT_NE(run.out.find(" <<<< Warning 101: Open error for bitmap font in"), std::string::npos)
        << run.out;
}

} // namespace
