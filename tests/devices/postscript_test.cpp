#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <regex>
#include <sstream>

#include "devices/font_characters.h"
#include "devices/postscript.h"
#include "devices/vector_state.h"
#include "kernel/colour_value.h"
#include "kernel/device_fonts.h"
#include "kernel/dispatch.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "tests/support/c_program.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/vector_plot.h"

namespace {

class PostScript : public PlotTest {
  protected:
    // ghostscript's errors on a file; empty when it renders without one.
    std::string gsProblems(const std::string &file, bool eps = false) {
        std::string log;
        const int status =
            runCommand(std::string("gs -q -dSAFER -dBATCH -dNOPAUSE ") + (eps ? "-dEPSCrop " : "") +
                           "-sDEVICE=nullpage '" + file + "'",
                       &log);
        return status == 0 && log.empty() ? "" : log + " (status " + std::to_string(status) + ")";
    }
};

TEST_F(PostScript, EveryDeviceOfTheFamilyRenders) {
    for (const char *device : {"POST", "PSCL", "PS", "EPS"}) {
        GlobalRecord &rec = open(device, "plot.ps");
        drawVectorPlot(rec);
        newpag();
        line(100, 100, 2000, 2000);
        const std::string ps = close("plot.ps");
        EXPECT_EQ(gsProblems(dir.file("plot.ps"), std::string(device) == "EPS"), "") << device;
        // The record buffer never writes a line longer than a record.
        std::istringstream lines(ps);
        for (std::string l; std::getline(lines, l);)
            ASSERT_LE(l.size(), 80u) << device << ": " << l;
        EXPECT_EQ(ps.substr(ps.size() - 10), "showpage \n");
    }
}

TEST_F(PostScript, HeaderPrologAndCodeVector) {
    open("PSCL", "plot.ps");
    const std::string ps = maskDateTime(close("plot.ps"));
    const std::string head = "%!PS-Adobe-2.0\n"
                             "%%BoundingBox:  20 27 575 811\n"
                             "%%Creator: KAVLOR   9.1 L\n"
                             "%%CreationDate: DD.MM.YYYY , HH:MM:SS\n"
                             "%%EndComments\n"
                             "%%Page: 1 1\n"
                             "2 setlinecap 2 setlinejoin\n"
                             "/cm {0.1417322835 mul} def /rgb {255 div} def /lc 1 string def\n";
    EXPECT_EQ(ps.substr(0, head.size()), head);
    EXPECT_NE(ps.find("/tri { /y3 exch cm def /x3 exch cm def /y2 exch cm def\n"),
              std::string::npos);
    EXPECT_NE(ps.find("    NewFontName NewFont\n    definefont pop end } def\n"
                      " /GermanVec [ 8#177 /Adieresis\n"
                      " 8#200 /Odieresis 8#201 /Udieresis 8#202 /adieresis\n"),
              std::string::npos);
    EXPECT_NE(ps.find(" 8#271 /exclamdown 8#272 /questiondown ] def\n"
                      "  150 cm   200 cm translate 5 cm setlinewidth   1.000000  1.000000 scale\n"
                      "0 0 3900 5516 0 0 0 e \n"),
              std::string::npos)
        << ps;
}

TEST_F(PostScript, BackgroundByDeviceAndScreenMode) {
    struct Case {
        const char *device;
        bool reversed;
        bool background;
    };
    const Case cases[] = {{"POST", false, false},
                          {"PSCL", false, true},
                          {"PS", false, false},
                          {"PS", true, false},
                          {"PSCL", true, false}};
    for (const Case &c : cases) {
        currentRecord().page.iscrset = c.reversed ? 2 : 4; // the screen mode REVE, or AUTO
        open(c.device, "plot.ps");
        const std::string ps = close("plot.ps");
        EXPECT_EQ(ps.find(" 0 0 0 e \n") != std::string::npos, c.background)
            << c.device << c.reversed;
    }
}

TEST_F(PostScript, LongPolylinesAreWrittenInPiecesOf50Points) {
    GlobalRecord &rec = open("POST", "plot.ps");
    xjdraw(rec, 100, 100, 3);
    for (int i = 1; i < 120; ++i)
        xjdraw(rec, 100 + 10 * float(i), 100 + float(i % 7) * 30, 2);
    const std::string ps = close("plot.ps");
    const std::string body = ps.substr(ps.find("1.000000 scale\n"));
    EXPECT_EQ(occurrences(body, " u "), 3);
    EXPECT_EQ(occurrences(body, " d "), 49 + 49 + 21);
    EXPECT_EQ(occurrences(body, " p "), 3);
    // Each later piece starts at the point where the one before ended.
    const std::string flat = withoutLineBreaks(body);
    const std::regex joint(R"((\d+) (\d+) d p (\d+) (\d+) u )");
    int joints = 0;
    for (std::sregex_iterator it(flat.begin(), flat.end(), joint), end; it != end; ++it, ++joints) {
        EXPECT_EQ((*it)[1], (*it)[3]);
        EXPECT_EQ((*it)[2], (*it)[4]);
    }
    EXPECT_EQ(joints, 2);
}

// A hardware origin given before the plot moves the bounding box and the
// page's translation to twice its values; after kavini it is refused.
TEST_F(PostScript, TheHardwareOriginMovesThePage) {
    captureStdout([] { hworig(100, 50); });
    open("PSCL", "plot.ps");
    EXPECT_EQ(captureStdout([] { hworig(300, 300); }),
              " <<<< Warning   3: Incorrect level in hworig!   (   1)\n");
    const std::string ps = close("plot.ps");
    EXPECT_NE(ps.find("%%BoundingBox:  27 13 "), std::string::npos) << ps.substr(0, 200);
    EXPECT_NE(
        ps.find("\n  200 cm   100 cm translate 5 cm setlinewidth   1.000000  1.000000 scale\n"),
        std::string::npos);
}

TEST_F(PostScript, TheEpsBoundingBoxEnclosesTheDrawing) {
    for (const char *mode : {"LAND", "PORT"}) {
        captureStdout([&] { pagmod(mode); });
        GlobalRecord &rec = open("EPS", "plot.eps");
        drawVectorPlot(rec);
        const std::string eps = close("plot.eps");
        captureStdout([] { pagmod("LAND"); });
        EXPECT_EQ(eps.substr(0, 24), "%!PS-Adobe-3.0 EPSF-3.0\n");
        std::smatch declared;
        ASSERT_TRUE(std::regex_search(eps, declared,
                                      std::regex(R"(%%BoundingBox: +(\d+) (\d+) (\d+) (\d+))")));
        std::string log;
        ASSERT_EQ(runCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=bbox '" +
                                 dir.file("plot.eps") + "'",
                             &log),
                  0);
        std::smatch drawn;
        ASSERT_TRUE(std::regex_search(
            log, drawn, std::regex(R"(%%HiResBoundingBox: ([\d.]+) ([\d.]+) ([\d.]+) ([\d.]+))")));
        EXPECT_LE(std::stod(declared[1]), std::stod(drawn[1])) << mode << log;
        EXPECT_LE(std::stod(declared[2]), std::stod(drawn[2])) << mode << log;
        EXPECT_GE(std::stod(declared[3]), std::stod(drawn[3])) << mode << log;
        EXPECT_GE(std::stod(declared[4]), std::stod(drawn[4])) << mode << log;
        // The page border lies just inside the box on every side.
        EXPECT_LT(std::stod(drawn[3]) - std::stod(drawn[1]),
                  std::stod(declared[3]) - std::stod(declared[1]) + 1);
        EXPECT_GT(std::stod(drawn[3]) - std::stod(drawn[1]),
                  std::stod(declared[3]) - std::stod(declared[1]) - 3);
        const RgbImage cropped = renderPostScript(dir.file("plot.eps"), 36, true);
        EXPECT_TRUE(cropped.valid());
    }
}

TEST_F(PostScript, DeviceStrokedWidthsAndAMiterLimitReadersAccept) {
    GlobalRecord &rec = open("PSCL", "plot.ps");
    captureStdout([] {
        linwid(10);
        lnjoin("SHAR");
        lnmlt(1.0f);
        penwid(0.5f);
        lncap("CUT");
        line(100, 100, 1000, 1000);
    });
    EXPECT_EQ(rec.line.nlinwid, -1);
    const std::string ps = close("plot.ps");
    const std::string flat = withoutLineBreaks(ps); // the records run on across lines
    EXPECT_NE(flat.find("20 cm setlinewidth 0 setlinejoin 40 cm setmiterlimit 20 cm setmiterlimit "
                        "2.50 cm setlinewidth 8 cm setmiterlimit 0 setlinecap "),
              std::string::npos)
        << flat;
    EXPECT_EQ(gsProblems(dir.file("plot.ps")), "");
}

// A large hardware page filled without scaling down gives device coordinates
// of seven digits: a path of 50 such points, and a filled polygon, are
// written whole, every point as "x y u" or "x y d".
TEST_F(PostScript, PathsAndFillsOfLargeCoordinates) {
    captureStdout([] {
        hwpage(1000000, 1000000);
        sclmod("FULL");
    });
    GlobalRecord &rec = open("PS", "plot.ps");
    ASSERT_GT(rec.page.xdevscl * float(rec.page.nypage), 1000000.0f);
    qqmove(rec, 10, 10);
    for (int i = 1; i < 60; ++i)
        qqdraw(rec, float(10 + 40 * i), float(2000 - 30 * i));
    qqstrk(rec);
    const float x[4] = {100, 2500, 2500, 100}, y[4] = {100, 100, 1900, 1900};
    fillPolygonPostScript(rec, x, y, 4);
    const std::string flat = withoutLineBreaks(close("plot.ps"));
    const std::regex point(R"(-?\d+ +-?\d+ +[ud] )");
    EXPECT_EQ(std::distance(std::sregex_iterator(flat.begin(), flat.end(), point),
                            std::sregex_iterator()),
              61 + 5) // 60 points and the piece break, 4 vertices and the first again
        << flat;
    int px = 0, py = 0;
    postScriptPoint(rec, 2500, 1900, px, py);
    EXPECT_GE(std::to_string(px).size(), 6u);
    EXPECT_NE(flat.find(std::to_string(px) + " " + std::to_string(py) + " d "), std::string::npos);
}

// The colour, box and character records as the prolog's f, e and c read
// them. The record buffer keeps one blank between the words of f and e; the c
// record goes whole, its fields right-aligned in 5 columns.
TEST_F(PostScript, ColourBoxAndCharacterRecords) {
    GlobalRecord &rec = open("PS", "plot.ps");
    qqsclr(rec, explicitColour(7, 128, 255));
    dbox(rec, 10, 20, 300, 400, 1);
    pschar(rec, 'A', 1000, 1000, 0);
    rec.text.nangle = -45;
    pschar(rec, 200, 12, 1500, 0);
    rec.text.nangle = 0;
    const std::string flat = withoutLineBreaks(close("plot.ps")); // the records run on across lines
    int px1 = 0, py1 = 0, px2 = 0, py2 = 0;
    postScriptPoint(rec, 10, 20, px1, py1);
    postScriptPoint(rec, 300, 400, px2, py2);
    int r = 0, g = 0, b = 0;
    colourComponents(rec, 1, r, g, b);
    char box[96];
    std::snprintf(box, sizeof box, " %d %d %d %d %d %d %d e ", px1, py1, px2, py2, r, g, b);
    EXPECT_NE(flat.find(" 7 128 255 f "), std::string::npos) << flat;
    EXPECT_NE(flat.find(box), std::string::npos) << flat;
    // A wide page lies turned on the paper: x and y exchange, angles turn by 90.
    const float s = rec.page.xdevscl;
    char chars[96];
    std::snprintf(chars, sizeof chars, "   65 %5d %5d    90 c   200 %5d %5d    45 c ",
                  int(1000.0f * s + 0.5f), int(1000.0f * s + 0.5f), int(1500.0f * s + 0.5f),
                  int(12.0f * s + 0.5f));
    EXPECT_NE(flat.find(chars), std::string::npos) << flat;
}

TEST_F(PostScript, PathsReachTheFileAsTheirPaddedRecordsWould) {
    // A path's records go to the record buffer without the "%5d" padding,
    // which the buffer would drop: the file is the one the padded records
    // "%5d %5d u ", "%5d %5d d " ..., "p " give, for numbers of any width.
    std::mt19937 random(3);
    std::uniform_int_distribution<int> digits(0, 6), length(2, kVectorPathPoints - 1);
    auto coordinate = [&] {
        int limit = 1;
        for (int n = digits(random); n > 0; --n)
            limit *= 10;
        return float(std::uniform_int_distribution<int>(-limit, limit)(random));
    };
    std::vector<std::vector<std::pair<float, float>>> paths(40);
    for (auto &path : paths)
        for (int n = length(random); n > 0; --n)
            path.push_back({coordinate(), coordinate()});

    GlobalRecord &rec = open("PS", "direct.ps");
    for (const auto &path : paths)
        for (std::size_t i = 0; i < path.size(); ++i)
            drwpsc(rec, path[i].first, path[i].second, i == 0 ? 3 : 2);
    drwpsc(rec, 0, 0, 9);
    const std::string direct = maskDateTime(close("direct.ps"));

    GlobalRecord &padded = open("PS", "padded.ps");
    for (const auto &path : paths) {
        std::string records;
        for (std::size_t i = 0; i < path.size(); ++i) {
            char record[64];
            std::snprintf(record, sizeof record, "%5d %5d %c ", int(path[i].first + 0.5f),
                          int(path[i].second + 0.5f), i == 0 ? 'u' : 'd');
            records += record;
        }
        records += "p ";
        qpsbuf(padded, records.c_str(), int(records.size()));
    }
    EXPECT_EQ(direct, maskDateTime(close("padded.ps")));
}

TEST_F(PostScript, CharactersInAReencodedStandardFont) {
    GlobalRecord &rec = open("PS", "plot.ps");
    // What the font selection writes for Helvetica at 40 points.
    const char *words =
        "(Helvetica) (Helvetica-German) GermanVec ReEncodeSmall (Helvetica-German) 40.0 font ";
    qpsbuf(rec, words, int(std::strlen(words)));
    pschar(rec, 'A', 1000, 1000, 0);
    rec.text.nangle = 90;
    pschar(rec, 127, 1500, 1000, 0); // A with dieresis, through GermanVec
    rec.text.nangle = 0;
    close("plot.ps");
    EXPECT_EQ(gsProblems(dir.file("plot.ps")), "");
    const double dpi = 36;
    const RgbImage page = renderPostScript(dir.file("plot.ps"), dpi, false);
    ASSERT_TRUE(page.valid());
    // A landscape drawing is turned on the portrait paper: plot (x, y) lies at
    // device (y s, x s) after the translation by (150, 200) units of 1/508 inch.
    auto inkAround = [&](float px, float py) {
        const double k = dpi / 508.0;
        const int col = int((py * rec.page.xdevscl + 150) * k);
        const int row = page.height - int((px * rec.page.xdevscl + 200) * k);
        int inked = 0;
        for (int dy = -6; dy <= 6; ++dy)
            for (int dx = -6; dx <= 6; ++dx)
                inked += page.ink(col + dx, row + dy) ? 1 : 0;
        return inked;
    };
    EXPECT_GT(inkAround(1000, 1000), 5);
    EXPECT_GT(inkAround(1500, 1000), 5);
    EXPECT_EQ(inkAround(2500, 300), 0);
}

} // namespace
