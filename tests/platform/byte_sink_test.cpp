#include <gtest/gtest.h>

#include <string>

#include "platform/byte_sink.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(ByteSink, MemoryGrowsUntilAWriteFits) {
    ByteSink sink;
    ASSERT_TRUE(sink.useMemory(16, 16));
    const std::string big(1000, 'x');
    sink.write("head");
    sink.write(big.data(), big.size()); // far more than one step
    EXPECT_FALSE(sink.lost());
    EXPECT_EQ(sink.position(), 1004);
    ASSERT_EQ(sink.size(), 1004u);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(sink.data()), 4), "head");
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(sink.data()) + 4, 1000), big);
}

TEST(ByteSink, FileWritesKeepTheirOrderAcrossLargeAndSmallPieces) {
    TempDir dir;
    std::string expected;
    {
        ByteSink sink;
        ASSERT_TRUE(sink.openFile(dir.file("out").c_str()));
        for (int i = 0; i < 3000; ++i) {
            const std::string piece =
                std::to_string(i) + (i % 1000 == 0 ? std::string(70000, 'L') : "\n");
            sink.write(piece.data(), piece.size());
            expected += piece;
        }
        EXPECT_EQ(sink.position(), static_cast<long long>(expected.size()));
        sink.closeFile();
        EXPECT_FALSE(sink.failed());
    }
    EXPECT_EQ(readFile(dir.file("out")), expected);
}

TEST(ByteSink, WithoutAFileBytesAreOnlyCounted) {
    ByteSink sink;
    EXPECT_FALSE(sink.openFile("/nonexistent-folder/out"));
    sink.write("abc");
    EXPECT_EQ(sink.position(), 3);
    EXPECT_FALSE(sink.failed());
}

} // namespace
