#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "kernel/dispatch.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "tests/support/plot_fixture.h"

namespace {

using Dispatch = PlotTest;

// The records a text metafile holds after kavini's colour records.
std::string drawnRecords(const std::string &file) {
    const std::string body = metafileRecords(file);
    const std::string start = "99.000000099.000000086.0000000"; // the foreground colour
    return body.substr(body.find(start) + start.size());
}

TEST_F(Dispatch, GkslWritesPenCodesOnlyWhenTheyChange) {
    GlobalRecord &rec = open();
    strtqq(rec, 0, 2099);
    connqq(rec, 2969, 2099);
    connqq(rec, 2969, 0);
    EXPECT_EQ(drawnRecords(close()), " 0.0000000 0.0000000 3.0000000 1.0000000 0.0000000 2.0000000"
                                     " 1.0000000 0.7069721 9.0000000");
}

TEST_F(Dispatch, GkslColourRecords) {
    struct Case {
        int colour;
        const char *records;
    };
    const Case cases[] = {
        {200, "99.000000099.000000031.0000000"}, {89, "98.0000000"},      {1, "10.0000000"},
        {0, "99.000000099.000000087.0000000"},   {256 + 5, "14.0000000"}, // indices are taken
                                                                          // modulo 256
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = open();
        qqsclr(rec, c.colour);
        EXPECT_EQ(drawnRecords(close()), std::string(c.records) + " 9.0000000") << c.colour;
    }
}

TEST_F(Dispatch, TheBufferIsFlushedInBatchesOf100Points) {
    GlobalRecord &rec = open();
    strtqq(rec, 0, 0);
    for (int i = 1; i <= 250; ++i)
        connqq(rec, float(i), float(i % 2));
    EXPECT_EQ(rec.core.nvector, 200); // two full batches, each starting with a move
    qqstrk(rec);
    EXPECT_EQ(rec.core.nvector, 253);
    const std::string body = drawnRecords(close());
    // Each batch begins with a move to where the previous one ended.
    int moves = 0;
    for (std::size_t at = body.find(" 3.0000000"); at != std::string::npos;
         at = body.find(" 3.0000000", at + 1))
        ++moves;
    EXPECT_EQ(moves, 3);
}

TEST_F(Dispatch, HpglRecordsHaveNoBlanks) {
    GlobalRecord &rec = open("HPGL");
    xjdraw(rec, 25, 2099 - 500, kPenDraw); // device point (100, 2000)
    qqsclr(rec, 7);
    const std::string hpgl = close();
    EXPECT_NE(hpgl.find("PD100,2000;SP7;"), std::string::npos) << hpgl;
}

TEST_F(Dispatch, KyoceraBoxesUseTheLastDigitOfTheColourAsPattern) {
    GlobalRecord &rec = open("KYOC");
    dbox(rec, 0, 0, 100, 100, 20);
    EXPECT_EQ(close().find("FPAT"), std::string::npos);
    GlobalRecord &again = open("KYOC");
    dbox(again, 0, 0, 100, 100, 27);
    EXPECT_NE(close().find("FPAT 170,  0, 85,  0,170,  0, 85,  0; "), std::string::npos);
}

TEST_F(Dispatch, BoxesAreClippedAndFilledWithLines) {
    GlobalRecord &rec = open();
    rec.clip.nclpwin[2] = 50; // a narrow clip window
    dbox(rec, 10, 10, 100, 12, 1);
    const std::string body = drawnRecords(close());
    // Colour 1, then lines from x = 10 to the clip edge at 50 at y = 10, 11, 12 and 12.
    EXPECT_EQ(body.substr(0, 10), "10.0000000");
    EXPECT_EQ(rec.core.nvector, 8);
    EXPECT_EQ(body.find("0.0336814"), std::string::npos); // nothing beyond x = 50 (0.0168407)
}

TEST_F(Dispatch, NearestColourIndex) {
    GlobalRecord &rec = open();
    setvlt("VGA");
    EXPECT_EQ(qqgidx(rec, 0xAA, 0x55, 0x00), 6);
    EXPECT_EQ(qqgidx(rec, 0xFF, 0xFF, 0xFF), 15);
    setvlt("RAIN");
    EXPECT_EQ(qqgidx(rec, 0xFF, 0xFF, 0xFF), 255);
    EXPECT_EQ(qqgidx(rec, 0, 0, 0), 0);
    setvlt("GREY");
    EXPECT_EQ(qqgidx(rec, 10, 11, 12), 11); // distances 3, 2, 3 from entries 10, 11, 12
    EXPECT_EQ(qqgidx(rec, 10, 10, 11), 10); // distances 1 and 2 from entries 10 and 11
    close();
}

TEST_F(Dispatch, TextRecordsNeverSplitAcrossLines) {
    GlobalRecord &rec = open("TEKT", "plot.ps"); // a text device that writes no records of its own
    // The text formats' buffer: words wrap before 80 characters, lone blanks go.
    const std::string word(30, 'w');
    const std::string text = word + "  " + word + " " + word + " x";
    qpsbuf(rec, text.c_str(), int(text.size()));
    qpsbuf(rec, "", -1);
    const std::string longWord(100, 'L');
    qpsbuf(rec, longWord.c_str(), int(longWord.size()));
    qpsbuf(rec, "end", 3);
    EXPECT_EQ(close("plot.ps"), word + " " + word + " \n" + word + " x\n" + longWord + "\nend\n");
}

TEST_F(Dispatch, WordsWithSingleBlanksAreLaidIntoLinesAsTheRecordBufferLaysThem) {
    // appendWords takes a line's worth at a time; the file must be the one
    // qpsbuf writes word by word, whatever the words' lengths (a word longer
    // than a line among them) and however the text arrives in pieces.
    std::mt19937 random(24);
    std::uniform_int_distribution<int> wordLength(1, 12), wordCount(1, 60), rare(0, 40);
    for (int round = 0; round < 40; ++round) {
        std::vector<std::string> texts;
        for (int t = 0; t < 30; ++t) {
            std::string text;
            for (int w = wordCount(random); w > 0; --w) {
                text +=
                    std::string(rare(random) == 0 ? 85 : wordLength(random), char('a' + w % 26));
                if (w > 1 || rare(random) % 2 == 0) text += ' '; // the last word may end the text
            }
            texts.push_back(text);
        }
        std::string files[2];
        for (int way = 0; way < 2; ++way) {
            GlobalRecord &rec = open("TEKT", "words.ps");
            for (const std::string &text : texts)
                (way == 0 ? qpsbuf : appendWords)(rec, text.c_str(), int(text.size()));
            files[way] = close("words.ps");
        }
        ASSERT_EQ(files[1], files[0]) << "round " << round;
    }
}

TEST_F(Dispatch, CgmDataRunsOnInFullRecords) {
    GlobalRecord &rec = open("CGM", "plot.cgm");
    std::string bytes;
    for (int i = 0; i < 100; ++i)
        bytes += char(i);
    qqsbuf(rec, bytes.data(), 50);
    qqsbuf(rec, bytes.data() + 50, 50);
    const std::string cgm = close("plot.cgm");
    EXPECT_EQ(cgm.size() % 80, 0u); // whole records, the last padded with blanks
    EXPECT_NE(cgm.find(bytes), std::string::npos);
    const std::string end("\x00\xA0\x00\x40", 4); // END PICTURE, END METAFILE
    EXPECT_EQ(cgm.substr(cgm.find_last_not_of(' ') - 3, 4), end);
}

} // namespace
