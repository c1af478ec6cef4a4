// Small kernel helpers: a float minimum, substring positions, and CGM words.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "kernel/cgm_words.h"
#include "kernel/small_utils.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SmallUtils, MinimumAndSubstrings) {
    EXPECT_EQ(amin1(1.0f, 2.0f), 1.0f);
    EXPECT_EQ(amin1(2.0f, -1.0f), -1.0f);
    EXPECT_TRUE(std::signbit(amin1(0.0f, -0.0f))); // equal: the second one
    EXPECT_FALSE(std::signbit(amin1(-0.0f, 0.0f)));

    EXPECT_EQ(jindex("ABCABC", "CA"), 3);
    EXPECT_EQ(jindex("ABCABC", "ABC"), 1);
    EXPECT_EQ(jindex("ABC", "X"), 0);
    EXPECT_EQ(jindex("AB", "ABC"), 0);
}

TEST(SmallUtils, NoUserIdAndTheRootAsDisk) {
    EXPECT_STREQ(gusrid(), "");
    char disk[9];
    std::memset(disk, 'x', sizeof disk);
    EXPECT_EQ(qqdisk(disk), 0);
    EXPECT_EQ(std::string(disk, sizeof disk), std::string("/       \0", 9));
}

// A file of big-endian words 0x0100 + i for i = 0..count-1.
std::string cgmFile(const TempDir &dir, int count) {
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        bytes += char(0x01);
        bytes += char(i);
    }
    writeFile(dir.file("words.cgm"), bytes);
    return dir.file("words.cgm");
}

TEST(CgmWords, WordsComeFortyAtATimeInFileOrder) {
    TempDir dir;
    FILE *file = std::fopen(cgmFile(dir, 43).c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::int16_t buffer[kCgmWordsPerRead];
    std::int16_t word = 0;
    int state = 1, position = 0;
    for (int i = 0; i < 43; ++i) {
        gbyte2(file, word, state, position, buffer);
        ASSERT_EQ(word, 0x0100 + i) << i;
    }
    // The rest of the last, short read is zero, not the words read before.
    for (int i = 43; i < 80; ++i) {
        gbyte2(file, word, state, position, buffer);
        ASSERT_EQ(word, 0) << i;
    }
    std::fclose(file);
}

TEST(CgmWordsDeathTest, EndOfFileEndsTheProcessWithFailure) {
    TempDir dir;
    const std::string path = cgmFile(dir, 40);
    const std::string out = dir.file("stdout");
    auto readPastTheEnd = [&] {
        std::freopen(out.c_str(), "w", stdout);
        FILE *file = std::fopen(path.c_str(), "rb");
        std::int16_t buffer[kCgmWordsPerRead];
        std::int16_t word = 0;
        int state = 1;
        int position = 0;
        for (int i = 0; i < 41; ++i)
            gbyte2(file, word, state, position, buffer);
    };
    EXPECT_EXIT(readPastTheEnd(), ::testing::ExitedWithCode(1), "");
    EXPECT_EQ(readFile(out), ">>>> Unexpected end of CGM file!\n");
}

} // namespace
