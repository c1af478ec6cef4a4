// The readers of included vector files and of BitmapFiles fed truncated,
// corrupted and fuzzed files: each ends with a status and never reads or
// writes outside its buffers (the ASan build checks that).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "devices/bitmap_file.h"
#include "devices/file_inclusion.h"
#include "kavlor.h"
#include "tests/support/plot_fixture.h"

namespace {

class ReplayFaults : public PlotTest {
  protected:
    void SetUp() override {
        PlotTest::SetUp();
        captureStdout([] { winsiz(40, 30); });
        open("PNG");
    }
    void TearDown() override {
        close();
        PlotTest::TearDown();
    }
    using Replay = int (*)(GlobalRecord &, FILE *, const IncludeBox &);
    int replay(Replay how, const std::string &bytes) {
        FILE *file = fmemopen(const_cast<char *>(bytes.data()),
                              std::max<std::size_t>(bytes.size(), 1), "rb");
        const int status = how(currentRecord(), file, IncludeBox{0, 0, 2970, 2100});
        std::fclose(file);
        return status;
    }
    int load(const std::string &bytes) {
        FILE *file = fmemopen(const_cast<char *>(bytes.data()),
                              std::max<std::size_t>(bytes.size(), 1), "rb");
        int status = -1;
        qqvfil(currentRecord(), file, kBitmapLoad, status);
        std::fclose(file);
        return status;
    }
};

// A text metafile written by the library.
std::string writtenMetafile(const std::string &dir) {
    const std::string path = dir + "/written.met";
    captureStdout([&] {
        metafl("GKSL");
        setfil(path.c_str());
        kavini();
        color("RED");
        line(10, 10, 2900, 2000);
        setclr(200);
        line(2900, 10, 10, 2000);
        kavfin();
    });
    return readFile(path);
}

TEST_F(ReplayFaults, TextMetafilesCutAnywhere) {
    close();
    const std::string file = writtenMetafile(dir.path());
    open("PNG");
    ASSERT_EQ(replay(replayGksl, file), kIncludeDone);
    const std::size_t headerEnd = file.find('\n') + 1;
    for (std::size_t n = 0; n < file.size(); ++n) {
        const int status = replay(replayGksl, file.substr(0, n));
        // The header cut: not a metafile; after it: a file without its end.
        // (A cut that leaves the end record whole is a whole file.)
        if (n < headerEnd - 1) {
            EXPECT_EQ(status, kIncludeBadFormat) << n;
        } else if (file.substr(0, n).find(" 9.0000000") == std::string::npos) {
            EXPECT_EQ(status, kIncludeIncomplete) << n;
        }
    }
}

TEST_F(ReplayFaults, CorruptedFilesEndWithAStatus) {
    close();
    const std::string metafile = writtenMetafile(dir.path());
    open("PNG");
    // A CGM file as the writer lays it out: BEGIN METAFILE with a long-form
    // name, COLOUR SELECTION MODE, LINE COLOUR, a long POLYLINE, END METAFILE.
    std::string cgm =
        std::string("\x00\x3F\x00\x05\x04name\x00", 10) + std::string("\x20\x42\x00\x01", 4) +
        std::string("\x50\x83\xFF\x00\x00\x00", 6) + std::string("\x40\x3F\x00\xA0", 4);
    for (int i = 0; i < 40; ++i)
        cgm += std::string{char(i * 37 >> 8), char(i * 37), char(i * 53 >> 8), char(i * 53)};
    cgm += std::string("\x00\x40", 2);
    ASSERT_EQ(replay(replayCgm, cgm), kIncludeDone);
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        std::string g = metafile, c = cgm;
        for (int k = 0; k < 1 + round % 4; ++k) {
            g[random() % g.size()] = static_cast<char>(random());
            c[random() % c.size()] = static_cast<char>(random());
        }
        const int gs = replay(replayGksl, g);
        EXPECT_TRUE(gs == kIncludeDone || gs == kIncludeIncomplete || gs == kIncludeBadFormat);
        const int cs = replay(replayCgm, c);
        EXPECT_TRUE(cs == kIncludeDone || cs == kIncludeBadFormat);
    }
}

// The inputs kept from fuzzing the replays and the BitmapFile reader.
TEST_F(ReplayFaults, FuzzFindingsEndWithAStatus) {
    const std::filesystem::path corpus = KAVLOR_FUZZ_CORPUS;
    int files = 0;
    for (const char *kind : {"cgm", "gksl", "bitmap"}) {
        for (const auto &entry : std::filesystem::directory_iterator(corpus / kind)) {
            const std::string bytes = readFile(entry.path());
            ++files;
            const int cs = replay(replayCgm, bytes);
            EXPECT_TRUE(cs == kIncludeDone || cs == kIncludeBadFormat) << entry.path();
            const int gs = replay(replayGksl, bytes);
            EXPECT_TRUE(gs == kIncludeDone || gs == kIncludeIncomplete || gs == kIncludeBadFormat)
                << entry.path();
            const int bs = load(bytes);
            EXPECT_TRUE(bs >= kBitmapDone && bs <= kBitmapBadFormat) << entry.path();
        }
    }
    EXPECT_GT(files, 60);
}

} // namespace
