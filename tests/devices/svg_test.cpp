#include <gtest/gtest.h>

#include "devices/svg.h"
#include "kernel/dispatch.h"
#include "kernel/driver.h"
#include "kernel/polyline.h"
#include "tests/support/c_program.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/vector_plot.h"

namespace {

class Svg : public PlotTest {
  protected:
    GlobalRecord &openSvg() { return open("SVG", "plot.svg"); }
    // The document after its head, up to the closing tag.
    static std::string body(const std::string &svg) {
        const std::size_t start = svg.find("xlink\">\n\n") + 9;
        return svg.substr(start, svg.rfind("</svg>") - start);
    }
    std::string xmllintProblems(const std::string &file) {
        std::string out;
        const int status = runCommand("xmllint --noout --nonet '" + file + "'", &out);
        return status == 0 && out.empty() ? "" : out;
    }
};

TEST_F(Svg, ThePlotIsWellFormedAndRenders) {
    GlobalRecord &rec = openSvg();
    drawVectorPlot(rec);
    const std::string svg = maskDateTime(close("plot.svg"));
    EXPECT_EQ(svg.substr(0, svg.find("-->\n") + 4),
              "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"no\"?>\n"
              "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20010904//EN\"\n"
              "  \"http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd\">\n"
              "<!-- Creator: KAVLOR\n"
              "Version:  9.1\n"
              "Date   : DD.MM.YYYY HH:MM:SS\n"
              "-->\n");
    EXPECT_NE(
        svg.find("<svg width=\"853\" height=\"603\"\n  xmlns=\"http://www.w3.org/2000/svg\"\n"),
        std::string::npos);
    EXPECT_EQ(xmllintProblems(dir.file("plot.svg")), "");
    const RgbImage page = renderSvg(dir.file("plot.svg"), 1.0);
    ASSERT_TRUE(page.valid());
    EXPECT_EQ(page.width, 853);
    // The blue box at plot (2250, 1150).
    const unsigned char *p = page.at(int(2250 * rec.page.xdevscl), int(1150 * rec.page.xdevscl));
    EXPECT_LT(p[0], 30);
    EXPECT_GT(p[2], 200);
}

TEST_F(Svg, LinesAndPolylines) {
    GlobalRecord &rec = openSvg();
    qqsvg2(rec, 10, 20, kPenMove);
    qqsvg2(rec, 30, 40.5f, kPenDraw);
    qqsvg2(rec, 0, 0, kPenEndPiece);
    qqsvg2(rec, 1, 1, kPenMove);
    for (int i = 2; i <= 6; ++i)
        qqsvg2(rec, float(i), float(i), kPenDraw);
    qqsvg2(rec, 100, 100, kPenMove);
    for (int i = 2; i <= 5; ++i)
        qqsvg2(rec, float(i), 0, kPenDraw);
    qqsvg2(rec, 0, 0, kPenMove); // a single point writes nothing
    const std::string svg = body(close("plot.svg"));
    EXPECT_EQ(svg, "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"1.000\">\n"
                   "<line x1=\"10.00\" y1=\"20.00\" x2=\"30.00\" y2=\"40.50\"/>\n"
                   "<polyline points=\"\n"
                   " 1.00, 1.00 2.00, 2.00 3.00, 3.00 4.00, 4.00 5.00, 5.00\n"
                   " 6.00, 6.00\"/>\n"
                   "<polyline points=\"\n"
                   " 100.00, 100.00 2.00, 0.00 3.00, 0.00 4.00, 0.00 5.00, 0.00\"/>\n"
                   "</g>\n");
}

TEST_F(Svg, ColourAndWidthChangesCloseTheStrokeGroup) {
    GlobalRecord &rec = openSvg();
    captureStdout([] {
        setrgb(1, 0, 0);
        line(0, 0, 100, 0);
        linwid(10);
        line(0, 100, 100, 100);
        setrgb(0, 0, 1);
        line(0, 200, 100, 200);
    });
    EXPECT_EQ(rec.line.nlinwid, -10);
    const std::string svg = body(close("plot.svg"));
    EXPECT_EQ(occurrences(svg, "<g "), 3);
    EXPECT_EQ(occurrences(svg, "</g>"), 3);
    // The width in plot units goes out scaled like the coordinates.
    char wide[64];
    std::snprintf(wide, sizeof wide, "stroke=\"#ff0000\" stroke-width=\"%.3f\">",
                  double(10.0f * rec.page.xdevscl));
    EXPECT_NE(svg.find("<g fill=\"none\" stroke=\"#ff0000\" stroke-width=\"1.000\">\n<line"),
              std::string::npos);
    EXPECT_NE(svg.find(wide), std::string::npos) << svg;
    EXPECT_NE(svg.find("stroke=\"#0000ff\""), std::string::npos);
}

TEST_F(Svg, TextInIso88591WithEscapes) {
    GlobalRecord &rec = openSvg();
    rec.font.npsfont = 5; // Helvetica-Bold
    rec.text.nhchar = 60;
    setrgb(0, 0.5f, 0);
    float x = 200;
    for (int code : std::initializer_list<int>{'&', '<', '>', 127, 'a', 186, 200}) {
        qqsvg5(rec, code, x, 500);
        x += 50;
    }
    setrgb(1, 0, 0);
    qqsvg5(rec, 'b', x, 500);
    rec.text.nangle = 30;
    rec.text.xsinang = 0.5f;
    rec.text.xcosang = 0.8660254f;
    rec.font.npsfont = 34; // Symbol: a new group
    qqsvg5(rec, 'c', x + 50, 500);
    line(0, 0, 100, 100);
    const std::string svg = body(close("plot.svg"));
    EXPECT_EQ(xmllintProblems(dir.file("plot.svg")), "");
    const int size = int(60.0f * 22.0f * rec.page.xdevscl / 15.0f + 0.5f);
    EXPECT_NE(svg.find("<g font-family=\"Helvetica\" font-weight=\"bold\" font-style=\"normal\"\n"
                       "font-size=\"" +
                       std::to_string(size) + "\" stroke=\"none\" fill=\"#008000\">\n"),
              std::string::npos)
        << svg;
    EXPECT_NE(svg.find(">&amp;</text>\n"), std::string::npos);
    EXPECT_NE(svg.find(">&lt;</text>\n"), std::string::npos);
    EXPECT_NE(svg.find(">&gt;</text>\n"), std::string::npos);
    EXPECT_NE(svg.find(">\xC4</text>\n"), std::string::npos); // code 127, A with dieresis
    EXPECT_NE(svg.find(">\xBF</text>\n"), std::string::npos); // code 186, inverted question mark
    EXPECT_NE(svg.find("> </text>\n"), std::string::npos);    // codes from 187 up are blanks
    // Seven characters share one group; the colour change opens another, the
    // font change a third.
    EXPECT_EQ(occurrences(svg, "<g font-family"), 3);
    EXPECT_NE(svg.find("<g font-family=\"Symbol\""), std::string::npos);
    EXPECT_NE(svg.find(" rotate=\"-30\">c</text>"), std::string::npos);
    const RgbImage page = renderSvg(dir.file("plot.svg"), 1.0);
    ASSERT_TRUE(page.valid());
    int green = 0;
    for (int y = 0; y < page.height; ++y)
        for (int xx = 0; xx < page.width; ++xx) {
            const unsigned char *p = page.at(xx, y);
            green += p[0] < 60 && p[1] > 90 && p[2] < 60;
        }
    EXPECT_GT(green, 100);
}

TEST_F(Svg, ANewCharacterHeightEndsTheTextGroup) {
    GlobalRecord &rec = openSvg();
    captureStdout([] {
        psfont("Helvetica");
        height(40);
        messag("A", 100, 100);
        height(80);
        messag("B", 100, 300);
    });
    const std::string svg = body(close("plot.svg"));
    const auto sizeOf = [&](int h) {
        return "font-size=\"" +
               std::to_string(int(float(h) * 22.0f * rec.page.xdevscl / 15.0f + 0.5f)) + "\"";
    };
    const std::size_t small = svg.find(sizeOf(40)), large = svg.find(sizeOf(80));
    ASSERT_NE(small, std::string::npos) << svg;
    ASSERT_NE(large, std::string::npos) << svg;
    // A in the group of the first size, closed before B opens one of the second.
    const std::size_t a = svg.find(">A</text>"), end = svg.find("</g>", a);
    EXPECT_LT(small, a);
    EXPECT_LT(end, large);
    EXPECT_LT(large, svg.find(">B</text>"));
}

TEST_F(Svg, PortraitPagesTurnThePlot) {
    captureStdout([] { pagmod("PORT"); });
    GlobalRecord &rec = openSvg();
    line(0, 0, 1000, 0);
    const float x[3] = {0, 100, 100}, y[3] = {0, 0, 100};
    setrgb(1, 0, 0);
    fillOnDevice(rec, x, y, 3);
    const std::string svg = close("plot.svg");
    EXPECT_NE(svg.find("<svg width=\"853\" height=\"603\""), std::string::npos);
    const float s = rec.page.xdevscl;
    char expected[128];
    std::snprintf(expected, sizeof expected,
                  "<polygon fill=\"#ff0000\" points=\"\n 0.00, %.2f 0.00, %.2f",
                  double(2969.0f * s), double((2969.0f - 100.0f) * s));
    EXPECT_NE(svg.find(expected), std::string::npos) << svg;
    EXPECT_EQ(xmllintProblems(dir.file("plot.svg")), "");
}

} // namespace
