#include <gtest/gtest.h>

#include "devices/cgm.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "tests/support/cgm_reader.h"
#include "tests/support/plot_fixture.h"

namespace {

using Cgm = PlotTest;

// The elements of a file as "class/id" words, for comparing sequences.
std::string sequence(const CgmFile &file) {
    std::string text;
    for (const CgmElement &e : file.elements)
        text += std::to_string(e.elementClass) + "/" + std::to_string(e.id) + " ";
    return text;
}

std::string hex(const std::string &bytes) {
    std::string text;
    char item[4];
    for (unsigned char c : bytes) {
        std::snprintf(item, sizeof item, "%02X ", c);
        text += item;
    }
    if (!text.empty()) text.pop_back();
    return text;
}

TEST_F(Cgm, AOnePagePlotReadsEndToEnd) {
    GlobalRecord &rec = open("CGM", "plot.cgm");
    captureStdout([] {
        setrgb(1, 0, 0);
        line(100, 100, 2000, 1500);
        dash();
        line(100, 1500, 2000, 100);
    });
    (void)rec;
    const CgmFile file = readCgm(close("plot.cgm"));
    ASSERT_EQ(file.error, "");
    const std::string elements = sequence(file);
    // BEGIN METAFILE, VERSION, DESCRIPTION, ELEMENT LIST, BEGIN PICTURE,
    // COLOUR SELECTION MODE, VDC EXTENT, BACKGROUND COLOUR, BEGIN PICTURE BODY.
    EXPECT_EQ(elements.substr(0, 36), "0/1 1/1 1/2 1/11 0/3 2/2 2/6 2/7 0/4") << elements;
    EXPECT_EQ(elements.substr(elements.size() - 8), "0/5 0/2 ");
    std::size_t at = 0;
    EXPECT_EQ(cgmString(file.elements[0].params, at), "plot.cgm");
    EXPECT_EQ(hex(file.elements[1].params), "00 01");
    at = 0;
    const std::string description = cgmString(file.elements[2].params, at);
    const std::string start = "\"ProfileId:CALS\",\"ProfileEd:1.0\",\"Source:KAVLOR  9.1\",\"Date:";
    EXPECT_EQ(description.substr(0, start.size()), start);
    EXPECT_EQ(description.size(), start.size() + 8 + 22); // eight digits of the date
    EXPECT_EQ(description.substr(description.size() - 22), "\",\"ColourClass:colour\"");
    EXPECT_EQ(hex(file.elements[3].params), "00 01 FF FF 00 01");
    at = 0;
    EXPECT_EQ(cgmString(file.elements[4].params, at), "Picture 1");
    EXPECT_EQ(hex(file.elements[5].params), "00 01");
    EXPECT_EQ(hex(file.elements[6].params), "00 00 00 00 17 32 10 66"); // 5938 x 4198
    EXPECT_EQ(hex(file.elements[7].params), "FF FF FF 00");
    // Red lines: LINE COLOUR, then POLYLINEs of two points each.
    int colours = 0, polylines = 0;
    for (const CgmElement &e : file.elements) {
        if (e.elementClass == 5 && e.id == 4) {
            ++colours;
            if (colours == 2) {
                EXPECT_EQ(hex(e.params), "FF 00 00");
            }
        }
        if (e.elementClass == 4 && e.id == 1) {
            ++polylines;
            EXPECT_EQ(e.params.size() % 4, 0u);
        }
    }
    EXPECT_GE(colours, 2);
    EXPECT_GT(polylines, 10); // the dashes
}

TEST_F(Cgm, VersionFourAddsTheScalingModeAndBackgroundsApplyToTheNextPicture) {
    const std::string out = captureStdout([] {
        cgmver(2);
        cgmver(4);
        cgmbgd(1.2f, 0, 0);
        cgmbgd(1.0f, 0.5f, 0.0f);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in cgmver!   (   2)\n"
                   " <<<< Warning   2: Incorrect parameter in cgmbgd!\n");
    open("CGM", "plot.cgm");
    captureStdout([] {
        cgmpic("Second");
        newpag();
    });
    const CgmFile file = readCgm(close("plot.cgm"));
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(sequence(file),
              "0/1 1/1 1/2 1/11 0/3 2/1 2/2 2/6 2/7 0/4 5/4 0/5 0/3 2/1 2/2 2/6 2/7 0/4 0/5 0/2 ");
    EXPECT_EQ(hex(file.elements[1].params), "00 04");
    EXPECT_EQ(hex(file.elements[5].params), "00 01 3D 4C CC C8");
    EXPECT_EQ(hex(file.elements[8].params), "FF 80 00 00");
    std::size_t at = 0;
    EXPECT_EQ(cgmString(file.elements[2].params, at).substr(0, 18), "\"ProfileId:WebCGM\"");
    at = 0;
    EXPECT_EQ(cgmString(file.elements[4].params, at), "Picture 1");
    at = 0;
    EXPECT_EQ(cgmString(file.elements[12].params, at), "Second");
}

TEST_F(Cgm, StringsArePaddedAndLongNamesUseTheLongForm) {
    struct Case {
        std::string name;
        std::size_t parameterBytes; // without the pad byte
    };
    const Case cases[] = {
        {"ab", 3},                    // count + 2: odd, padded
        {"abc", 4},                   // even, no pad
        {std::string(254, 'n'), 255}, // the largest short form
        {std::string(255, 'n'), 258}, // count 255 and a 16-bit length
        {std::string(300, 'n'), 259}, // cut to 256 characters
    };
    for (const Case &c : cases) {
        captureStdout([&] { cgmpic(c.name.c_str()); });
        open("CGM", "plot.cgm");
        const CgmFile file = readCgm(close("plot.cgm"));
        ASSERT_EQ(file.error, "") << c.name.size();
        const CgmElement &picture = file.elements[4];
        EXPECT_EQ(picture.params.size(), c.parameterBytes);
        std::size_t at = 0;
        EXPECT_EQ(cgmString(picture.params, at), c.name.substr(0, 256));
        EXPECT_EQ(at, picture.params.size());
    }
}

TEST_F(Cgm, PolylinesOf50PointsContinueFromEachOther) {
    GlobalRecord &rec = open("CGM", "plot.cgm");
    xjdraw(rec, 100, 100, 3);
    for (int i = 1; i < 120; ++i)
        xjdraw(rec, 100 + 10 * float(i), 100 + float(i % 7) * 30, 2);
    const CgmFile file = readCgm(close("plot.cgm"));
    ASSERT_EQ(file.error, "");
    std::vector<const CgmElement *> lines;
    for (const CgmElement &e : file.elements)
        if (e.elementClass == 4 && e.id == 1) lines.push_back(&e);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]->params.size(), 4u * 50);
    EXPECT_EQ(lines[1]->params.size(), 4u * 50);
    EXPECT_EQ(lines[2]->params.size(), 4u * 22);
    for (int k = 1; k < 3; ++k) {
        const std::string &before = lines[std::size_t(k - 1)]->params;
        EXPECT_EQ(before.substr(before.size() - 4), lines[std::size_t(k)]->params.substr(0, 4));
    }
    // First point: plot (100, 100) at twice the scale, y upwards.
    EXPECT_EQ(cgmInt16(lines[0]->params, 0), 200);
    EXPECT_EQ(cgmInt16(lines[0]->params, 2), 2 * (2099 - 100));
}

} // namespace
