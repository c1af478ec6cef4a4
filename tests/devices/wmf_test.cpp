// The WMF device: its records read back by our own reader, and whole plots
// rendered by libwmf (wmf2svg, then librsvg) and by ImageMagick.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>
#include <set>
#include <sys/stat.h>

#include "devices/wmf_writer.h"
#include "kernel/area_fill.h"
#include "kernel/colour_value.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record_table.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/vector_plot.h"
#include "tests/support/wmf_records.h"

namespace {

class Wmf : public PlotTest {
  protected:
    GlobalRecord &openWmf(const char *file = "plot.wmf", const char *form = "STAN") {
        wmfmod(form, "FORM");
        return open("WMF", file);
    }
    // A page coordinate in metafile units.
    static int units(const GlobalRecord &rec, float v) { return int(v * rec.page.xdevscl + 0.5f); }
    static std::vector<WmfDrawing> drawingsOf(const std::string &bytes) {
        const WmfFile file = parseWmf(bytes);
        EXPECT_EQ(file.problem, "");
        std::string problems;
        std::vector<WmfDrawing> drawings = replayWmf(file, problems);
        EXPECT_EQ(problems, "");
        return drawings;
    }
};

// The plot of the rendering test: the shared vector plot, an area fill, a
// filled circle, the filled markers and stroke text.
void drawWmfPlot(GlobalRecord &rec) {
    drawVectorPlot(rec);
    captureStdout([] {
        setrgb(1, 0, 1);
        shdpat(16);
        const int ax[4] = {300, 800, 800, 300}, ay[4] = {300, 300, 600, 600};
        areaf(ax, ay, 4);
        setrgb(1, 1, 0);
        circle(600, 1000, 150);
        setrgb(0, 0, 0);
        hsymbl(80);
        for (int n = 16; n <= 21; ++n)
            symbol(n, 300 + (n - 16) * 150, 1300);
        height(60);
        messag("WMF", 1200, 500);
    });
}

struct Probe {
    const char *what;
    float x, y;           // page point
    int red, green, blue; // colour expected there
};

// Filled areas of drawWmfPlot, probed at their middle.
const Probe kFills[] = {
    {"orange box", 1850, 1150, 255, 128, 0},       {"blue box", 2250, 1150, 0, 128, 255},
    {"polygon", 2150, 1650, 0, 128, 128},          {"area fill", 550, 450, 255, 0, 255},
    {"filled circle", 600, 1000, 255, 255, 0},     {"filled square marker", 300, 1300, 0, 0, 0},
    {"filled diamond marker", 750, 1300, 0, 0, 0}, {"filled circle marker", 1050, 1300, 0, 0, 0},
};

// Checks a rendering whose width spans the page; colours within tolerance.
void checkRendering(const GlobalRecord &rec, const RgbImage &image, const char *reader,
                    int tolerance) {
    ASSERT_TRUE(image.valid()) << reader;
    const float pixels = float(image.width) / float(rec.page.nxpage); // per plot unit
    EXPECT_NEAR(float(image.height), float(rec.page.nypage) * pixels, 2.0f) << reader;
    auto pixel = [&](float x, float y) { return image.at(int(x * pixels), int(y * pixels)); };
    for (const Probe &p : kFills) {
        const unsigned char *c = pixel(p.x, p.y);
        EXPECT_NEAR(c[0], p.red, tolerance) << reader << ": " << p.what;
        EXPECT_NEAR(c[1], p.green, tolerance) << reader << ": " << p.what;
        EXPECT_NEAR(c[2], p.blue, tolerance) << reader << ": " << p.what;
    }
    // The red line from (200, 200) to (2700, 300): where it crosses the
    // column of x = 1450 (y = 250), and nothing red above or below it.
    const int column = int(1450 * pixels);
    int firstRed = -1, lastRed = -1;
    for (int y = 0; y < int(500 * pixels); ++y) {
        const unsigned char *c = image.at(column, y);
        if (c[0] > 150 && c[1] < 150 && c[2] < 150) {
            if (firstRed < 0) firstRed = y;
            lastRed = y;
        }
    }
    EXPECT_NEAR(firstRed, 250 * pixels, 2.0) << reader;
    EXPECT_LE(lastRed - firstRed, 3) << reader;
    // The page border at the left edge, the stroke text, and white between.
    EXPECT_TRUE(image.ink(0, int(1000 * pixels)) || image.ink(1, int(1000 * pixels))) << reader;
    int textInk = 0;
    for (int y = int(500 * pixels); y < int(560 * pixels); ++y)
        for (int x = int(1200 * pixels); x < int(1400 * pixels); ++x)
            textInk += image.ink(x, y);
    EXPECT_GT(textInk, 5) << reader;
    EXPECT_FALSE(image.ink(int(1200 * pixels), int(1500 * pixels))) << reader;
}

TEST_F(Wmf, ThePlotRendersInLibwmfAndImageMagick) {
    GlobalRecord &rec = openWmf("plot.wmf", "PLAC");
    drawWmfPlot(rec);
    close("plot.wmf");
    const std::string wmfFile = dir.file("plot.wmf");

    checkRendering(rec, decodeWith("convert-im6.q16", wmfFile, "-depth 8 ppm:-"), "ImageMagick", 8);

    std::string out;
    ASSERT_EQ(runCommand("wmf2svg -o '" + dir.file("plot.svg") + "' '" + wmfFile + "'", &out), 0)
        << out;
    // libwmf keeps the pens as thin as the metafile says (1/1440 inch), too
    // thin for librsvg to leave a mark: the lines are widened to show them.
    const std::string svg = std::regex_replace(
        readFile(dir.file("plot.svg")), std::regex("stroke-width:[0-9.]+"), "stroke-width:1.5");
    writeFile(dir.file("wide.svg"), svg);
    // Its SVG names colours by the nearest SVG colour name (darkorange for
    // 255 128 0, dodgerblue for 0 128 255).
    checkRendering(rec, renderSvg(dir.file("wide.svg"), 1.0), "libwmf", 32);
}

TEST_F(Wmf, HeaderAndRecordsFollowTheMetafileLayout) {
    GlobalRecord &rec = openWmf();
    drawVectorPlot(rec);
    const std::string bytes = close("plot.wmf");
    const WmfFile file = parseWmf(bytes);
    ASSERT_EQ(file.problem, "");
    EXPECT_FALSE(file.placeable);
    EXPECT_EQ(file.type, 1);
    EXPECT_EQ(file.headerWords, 9);
    EXPECT_EQ(file.version, 0x0300);
    EXPECT_EQ(std::size_t(file.fileWords) * 2, bytes.size());
    std::uint32_t largest = 0;
    for (const WmfRecord &r : file.records)
        largest = std::max(largest, r.words);
    EXPECT_EQ(file.largestRecord, largest);
    // Mapping mode, window origin and extent (y before x) open the recording.
    ASSERT_GE(file.records.size(), 3u);
    EXPECT_EQ(file.records[0].function, wmf::kSetMapMode);
    EXPECT_EQ(file.records[0].params, std::vector<std::int16_t>{8});
    EXPECT_EQ(file.records[1].function, wmf::kSetWindowOrg);
    EXPECT_EQ(file.records[1].params, (std::vector<std::int16_t>{0, 0}));
    EXPECT_EQ(file.records[2].function, wmf::kSetWindowExt);
    EXPECT_EQ(file.records[2].params,
              (std::vector<std::int16_t>{std::int16_t(units(rec, float(rec.page.nypage)) + 20),
                                         std::int16_t(units(rec, float(rec.page.nxpage)) + 20)}));
    std::string problems;
    replayWmf(file, problems);
    EXPECT_EQ(problems, "");
}

TEST_F(Wmf, LinesBoxesAndPolygonsCarryTheirColours) {
    GlobalRecord &rec = openWmf();
    setrgb(1, 0, 0);
    line(100, 200, 1100, 700);
    dbox(rec, 400, 300, 900, 500, explicitColour(255, 128, 0));
    line(100, 900, 1100, 900); // the red pen again after the box
    setrgb(0, 0, 1);
    rec.page.nxorg = 100; // xjpoly adds the origin shift
    rec.page.nyorg = 50;
    const float x[3] = {1000, 1500, 1250}, y[3] = {1000, 1000, 1400};
    xjpoly(rec, x, y, 3);
    rec.page.nxorg = rec.page.nyorg = 0;
    const std::vector<WmfDrawing> drawings = drawingsOf(close("plot.wmf"));

    const WmfObject red{true, 0, 1, 0x0000FF}, blue{true, 0, 1, 0xFF0000};
    const WmfObject orangeBrush{false, 0, 0, 0x0080FF}, blueBrush{false, 0, 0, 0xFF0000};
    auto find = [&](std::uint16_t function,
                    std::vector<std::int16_t> params) -> const WmfDrawing * {
        for (const WmfDrawing &d : drawings)
            if (d.function == function && d.params == params) return &d;
        return nullptr;
    };
    auto u = [&](float v) { return std::int16_t(units(rec, v)); };
    const WmfDrawing *first = find(wmf::kLineTo, {u(700), u(1100)});
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->pen, red);
    ASSERT_NE(find(wmf::kMoveTo, {u(200), u(100)}), nullptr);
    // The box: bottom, right, top, left; the brush under a null pen.
    const WmfDrawing *box = find(wmf::kRectangle, {u(500), u(900), u(300), u(400)});
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->brush, orangeBrush);
    EXPECT_EQ(box->pen.style, 5);
    const WmfDrawing *after = find(wmf::kLineTo, {u(900), u(1100)});
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->pen, red);
    const WmfDrawing *polygon =
        find(wmf::kPolygon, {3, u(1100), u(1050), u(1600), u(1050), u(1350), u(1450)});
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->brush, blueBrush);
    EXPECT_EQ(polygon->pen, blue);
}

TEST_F(Wmf, ColourChangesReleaseTheirPensAndBrushes) {
    GlobalRecord &rec = openWmf();
    for (int i = 0; i < 50; ++i) {
        setrgb(float(i % 5) / 4.0f, 0, 0);
        line(0, i * 10, 1000, i * 10);
        dbox(rec, 0, 0, 100, 100, i);
        const float x[3] = {0, 100, 50}, y[3] = {0, 0, 80};
        xjpoly(rec, x, y, 3);
    }
    const WmfFile file = parseWmf(close("plot.wmf"));
    // The pen, a brush and the recorder's own null pen and default brush:
    // a table that grew with the plot would hold an object per change.
    EXPECT_LE(file.objects, 5);
    std::string problems;
    replayWmf(file, problems);
    EXPECT_EQ(problems, "");
}

TEST_F(Wmf, PolygonPointsBeyondTheCountAreLeftOut) {
    GlobalRecord &rec = openWmf();
    qqwmf6(rec, 0, 0, 9); // no polygon started: nothing
    qqwmf6(rec, 3, 0, 1);
    for (int i = 1; i <= 5; ++i)
        qqwmf6(rec, i, i, 2);
    qqwmf6(rec, 0, 0, 9);
    std::vector<WmfDrawing> polygons;
    for (const WmfDrawing &d : drawingsOf(close("plot.wmf")))
        if (d.function == wmf::kPolygon) polygons.push_back(d);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].params, (std::vector<std::int16_t>{3, 1, 1, 2, 2, 3, 3}));
}

TEST_F(Wmf, PolygonsTooLargeForARecordAreFilledInSoftware) {
    GlobalRecord &rec = openWmf();
    setrgb(0, 1, 0);
    shdpat(16);
    constexpr int n = kWmfMaxPolygon + 1;
    std::vector<float> x(n), y(n);
    for (int i = 0; i < n; ++i) {
        const double t = 2.0 * M_PI * i / n;
        x[std::size_t(i)] = float(1000 + 300 * std::cos(t));
        y[std::size_t(i)] = float(1000 + 300 * std::sin(t));
    }
    dareaf(rec, x.data(), y.data(), n);
    int polygons = 0, lines = 0;
    for (const WmfDrawing &d : drawingsOf(close("plot.wmf"))) {
        polygons += d.function == wmf::kPolygon;
        lines += d.function == wmf::kLineTo;
    }
    EXPECT_EQ(polygons, 0);
    EXPECT_GT(lines, 100);
}

TEST_F(Wmf, APortraitPageIsTurned) {
    pagmod("PORT");
    GlobalRecord &rec = openWmf("plot.wmf", "PLAC");
    line(0, 0, rec.page.nxpage, 0); // the long side of the page, upright on the turned page
    const WmfFile file = parseWmf(close("plot.wmf"));
    ASSERT_EQ(file.problem, "");
    EXPECT_EQ(file.bounds[2], units(rec, float(rec.page.nypage)));
    EXPECT_EQ(file.bounds[3], units(rec, float(rec.page.nxpage)));
    for (const WmfRecord &r : file.records)
        if (r.function == wmf::kLineTo) {
            EXPECT_LE(r.params[0], file.bounds[3]);
            EXPECT_LE(r.params[1], file.bounds[2]);
        }
}

TEST_F(Wmf, ThePlaceableFormIsThePlainMetafileAfterItsHeader) {
    GlobalRecord &rec = openWmf("plain.wmf", "STAN");
    drawVectorPlot(rec);
    const std::string plain = close("plain.wmf");
    openWmf("plac.wmf", "PLAC");
    drawVectorPlot(rec);
    const std::string placeable = close("plac.wmf");
    wmfmod("STAN", "FORM");

    ASSERT_EQ(placeable.size(), plain.size() + 22);
    EXPECT_EQ(placeable.substr(0, 4), "\xD7\xCD\xC6\x9A");
    EXPECT_EQ(placeable.substr(22), plain);
    const WmfFile file = parseWmf(placeable);
    EXPECT_EQ(file.bounds[0], 0);
    EXPECT_EQ(file.bounds[1], 0);
    const int width = units(rec, float(rec.page.nxpage)),
              height = units(rec, float(rec.page.nypage));
    EXPECT_EQ(file.bounds[2], width);
    EXPECT_EQ(file.bounds[3], height);
    EXPECT_EQ(file.unitsPerInch, 1440);
    EXPECT_EQ(file.checksum, 0xCDD7 ^ 0x9AC6 ^ width ^ height ^ 1440);
}

TEST(PlaceableHeader, ChecksumOfAnA4Page) {
    std::uint8_t header[kPlaceableHeaderBytes];
    placeableHeader(2970, 2100, header);
    const int expected = 0xCDD7 ^ 0x9AC6 ^ 0 ^ 0 ^ 0 ^ 2970 ^ 2100 ^ 1440 ^ 0 ^ 0;
    EXPECT_EQ(header[20] | (header[21] << 8), expected);
    EXPECT_EQ(header[10] | (header[11] << 8), 2970);
    EXPECT_EQ(header[12] | (header[13] << 8), 2100);
}

// The placeable step writes a file of its own beside the plot and renames it
// over the plot: a user's file of the plot's name with ".tmp" stays as it was,
// a plot named ".tmp" itself comes out whole, and the plot keeps the
// permissions a plain metafile gets.
TEST_F(Wmf, ThePlaceableStepTouchesNoOtherFile) {
    GlobalRecord &rec = openWmf("plain.wmf", "STAN");
    drawVectorPlot(rec);
    const std::string plain = close("plain.wmf");
    struct stat plainStat;
    ASSERT_EQ(stat(dir.file("plain.wmf").c_str(), &plainStat), 0);
    const std::string mine = "the user's own notes\n";
    writeFile(dir.file("plot.tmp"), mine);
    for (const char *name : {"plot.wmf", "fig.tmp"}) {
        SCOPED_TRACE(name);
        openWmf(name, "PLAC");
        drawVectorPlot(rec);
        const std::string placeable = close(name);
        ASSERT_EQ(placeable.size(), plain.size() + 22);
        EXPECT_EQ(placeable.substr(22), plain);
        EXPECT_EQ(parseWmf(placeable).problem, "");
        struct stat placeableStat;
        ASSERT_EQ(stat(dir.file(name).c_str(), &placeableStat), 0);
        EXPECT_EQ(placeableStat.st_mode, plainStat.st_mode);
    }
    wmfmod("STAN", "FORM");
    EXPECT_EQ(readFile(dir.file("plot.tmp")), mine);
    std::set<std::string> files;
    for (const auto &entry : std::filesystem::directory_iterator(dir.path()))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"fig.tmp", "plain.wmf", "plot.tmp", "plot.wmf"}));
}

// A plot whose name leaves no room for the temporary file's suffix keeps its
// plain metafile, with a message.
TEST_F(Wmf, ATemporaryFileThatCannotBeMadeLeavesThePlainMetafile) {
    const std::string name = std::string(250, 'p') + ".wmf"; // near the 255 characters of a name
    GlobalRecord &rec = openWmf(name.c_str(), "PLAC");
    line(0, 0, 100, 100);
    testing::internal::CaptureStderr();
    const std::string bytes = close(name.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "[kavini]\nOpen error for WMF file\n");
    const WmfFile file = parseWmf(bytes);
    EXPECT_FALSE(file.placeable);
    EXPECT_EQ(file.problem, "");
    EXPECT_EQ(rec.vec.pwmfwr, nullptr);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    wmfmod("STAN", "FORM");
}

TEST_F(Wmf, AFileThatCannotBeMadeIsReportedAndThePlotGoesOn) {
    std::string out = captureStdout([] {
        metafl("WMF");
        setfil("no-such-folder/plot.wmf");
        kavini();
        line(0, 0, 100, 100);
        dbox(currentRecord(), 0, 0, 10, 10, 3);
        kavfin();
    });
    EXPECT_NE(out.find(" <<<< Warning  36: File error in kavini!\n"), std::string::npos) << out;
    EXPECT_FALSE(fileExists(dir.file("no-such-folder/plot.wmf")));
}

// The pen goes home at the end without drawing: a plot that drew nothing
// counts no vector and its file holds no pen record.
TEST_F(Wmf, AnEmptyPlotCountsNoVector) {
    GlobalRecord &rec = openWmf();
    const WmfFile file = parseWmf(close("plot.wmf"));
    ASSERT_EQ(file.problem, "");
    EXPECT_EQ(rec.core.nvector, 0);
    for (const WmfRecord &r : file.records) {
        EXPECT_NE(r.function, wmf::kMoveTo);
        EXPECT_NE(r.function, wmf::kLineTo);
    }
}

TEST_F(Wmf, ModeSetterAndWarnings) {
    struct Case {
        const char *value, *option;
        int mode;            // iwmfmod afterwards
        const char *warning; // printed
    };
    const Case cases[] = {
        {"PLAC", "FORM", 1, ""},
        {"stan", "form", 0, ""},
        {"PLAC", "FORMAT", 1, ""}, // four characters count
        {"FORM", "PLAC", 0, " <<<< Warning   2: Incorrect parameter in wmfmod!   (PLAC)\n"},
        {"XXXX", "FORM", 0, " <<<< Warning   2: Incorrect parameter in wmfmod!   (XXXX)\n"},
    };
    for (const Case &c : cases) {
        int status = 0;
        qqsglb(1, status); // a new record with the default form
        const std::string out = captureStdout([&] { wmfmod(c.value, c.option); });
        EXPECT_EQ(out, c.warning) << c.value << " " << c.option;
        EXPECT_EQ(currentRecord().format.iwmfmod, c.mode) << c.value << " " << c.option;
    }
}

} // namespace
