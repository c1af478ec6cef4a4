// Expanding files compressed by Debian's mscompress, as msexpand does.
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <unistd.h>

#include "platform/windows.h"
#include "tests/support/temp_dir.h"

namespace {

bool haveTool(const char *name) {
    return std::system(("command -v " + std::string(name) + " > /dev/null").c_str()) == 0;
}

// Copies source to destination through the LZ calls; LZCopy's result.
LONG lzCopy(const std::string &source, const std::string &destination) {
    OFSTRUCT info;
    const int in = LZOpenFileA(source.c_str(), &info, OF_READ);
    if (in < 0) return -100;
    const int out = LZOpenFileA(destination.c_str(), &info, OF_CREATE);
    if (out < 0) {
        LZClose(in);
        return -101;
    }
    const LONG result = LZCopy(in, out);
    LZClose(in);
    LZClose(out);
    return result;
}

std::string contentsOfSize(std::size_t size, bool random) {
    std::string text;
    std::mt19937 generator{unsigned(size)};
    for (std::size_t i = 0; i < size; ++i)
        text += random ? char(generator()) : "the quick brown fox, "[i % 21];
    return text;
}

TEST(LzFiles, CompressedFilesExpandAsMsexpandExpandsThem) {
    if (!haveTool("mscompress") || !haveTool("msexpand")) GTEST_SKIP() << "mscompress is missing";
    TempDir dir;
    struct Case {
        std::size_t size;
        bool random;
    };
    // Sizes about the ring (4096) and a control byte's eight tokens, both kinds of text.
    const Case cases[] = {{1, false},    {15, false},  {16, false},    {17, true},     {4095, true},
                          {4096, false}, {4097, true}, {102400, true}, {102400, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + (c.random ? " random" : " text"));
        const std::string original =
            dir.file("f" + std::to_string(c.size) + (c.random ? "r" : "t"));
        writeFile(original, contentsOfSize(c.size, c.random));
        ASSERT_EQ(std::system(("mscompress " + original).c_str()), 0);
        ASSERT_EQ(std::system(("msexpand < " + original + "_ > " + original + ".ms").c_str()), 0);
        EXPECT_EQ(lzCopy(original + "_", original + ".lz"), LONG(c.size));
        EXPECT_EQ(readFile(original + ".lz"), readFile(original + ".ms"));
        // mscompress mangles files shorter than 16 bytes (a NUL first, the
        // last byte lost), which msexpand then shows as they are.
        if (c.size >= 16) {
            EXPECT_EQ(readFile(original + ".lz"), readFile(original));
        }
    }
    // An empty file: the header's length ends the data; msexpand, which reads
    // on to the end, makes a byte of mscompress's padding.
    writeFile(dir.file("empty"), "");
    ASSERT_EQ(std::system(("mscompress " + dir.file("empty")).c_str()), 0);
    EXPECT_EQ(lzCopy(dir.file("empty_"), dir.file("empty.lz")), 0);
    EXPECT_EQ(readFile(dir.file("empty.lz")), "");
}

// A header for length bytes, then the data.
std::string szdd(std::uint32_t length, const std::string &data) {
    std::string file = "SZDD\x88\xF0\x27\x33";
    file += 'A';
    file += '\0';
    for (int i = 0; i < 4; ++i)
        file += char((length >> (8 * i)) & 0xFF);
    return file + data;
}

TEST(LzFiles, HandMadeStreams) {
    TempDir dir;
    // Control byte 0: eight references; the first copies 5 bytes of the ring
    // before anything was written: blanks.
    writeFile(dir.file("ring"), szdd(5, std::string("\x00\x00\x02", 3)));
    EXPECT_EQ(lzCopy(dir.file("ring"), dir.file("ring.out")), 5);
    EXPECT_EQ(readFile(dir.file("ring.out")), "     ");

    // Literals "ab", then a reference to them (position 4080, 4 bytes): "ababab".
    writeFile(dir.file("overlap"), szdd(6, std::string("\x03"
                                                       "ab"
                                                       "\xF0\xF1",
                                                       5)));
    EXPECT_EQ(lzCopy(dir.file("overlap"), dir.file("overlap.out")), 6);
    EXPECT_EQ(readFile(dir.file("overlap.out")), "ababab");

    // A plain file, and one too short for a header, are copied as they are.
    writeFile(dir.file("plain"), "SZDD but not compressed, longer than a header");
    EXPECT_EQ(lzCopy(dir.file("plain"), dir.file("plain.out")), 45);
    EXPECT_EQ(readFile(dir.file("plain.out")), readFile(dir.file("plain")));
    writeFile(dir.file("short"), "SZDD");
    EXPECT_EQ(lzCopy(dir.file("short"), dir.file("short.out")), 4);
    EXPECT_EQ(readFile(dir.file("short.out")), "SZDD");
}

TEST(LzFiles, FaultsAreReported) {
    TempDir dir;
    // The data ends before the header's length: a read error, not a short success.
    writeFile(dir.file("truncated"), szdd(1000, std::string("\xFF"
                                                            "abcdefgh"
                                                            "\xFF"
                                                            "ij",
                                                            12)));
    EXPECT_EQ(lzCopy(dir.file("truncated"), dir.file("truncated.out")), LZERROR_READ);
    writeFile(dir.file("header-only"), szdd(10, ""));
    EXPECT_EQ(lzCopy(dir.file("header-only"), dir.file("header-only.out")), LZERROR_READ);
    // Data that goes on past the header's length: bytes left after it, or a
    // reference that runs over it (data gone wrong expands too soon).
    writeFile(dir.file("left-over"), szdd(3, std::string("\xFF"
                                                         "abcd",
                                                         5)));
    EXPECT_EQ(lzCopy(dir.file("left-over"), dir.file("left-over.out")), LZERROR_READ);
    writeFile(dir.file("overrun"), szdd(4, std::string("\x03"
                                                       "ab"
                                                       "\xF0\xF1",
                                                       5)));
    EXPECT_EQ(lzCopy(dir.file("overrun"), dir.file("overrun.out")), LZERROR_READ);
    // An unknown method.
    std::string other = szdd(3, "\xFF"
                                "abc");
    other[8] = 'B';
    writeFile(dir.file("other"), other);
    EXPECT_EQ(lzCopy(dir.file("other"), dir.file("other.out")), LZERROR_UNKNOWNALG);

    // A full disk, plain and expanded.
    writeFile(dir.file("plain"), std::string(100000, 'x'));
    EXPECT_EQ(lzCopy(dir.file("plain"), "/dev/full"), LZERROR_WRITE);
    writeFile(dir.file("packed"), szdd(8, "\xFF"
                                          "abcdefgh"));
    EXPECT_EQ(lzCopy(dir.file("packed"), "/dev/full"), LZERROR_WRITE);

    // Files that cannot be opened; handles that name nothing.
    OFSTRUCT info;
    EXPECT_EQ(LZOpenFileA(dir.file("missing").c_str(), &info, OF_READ), -1);
    EXPECT_EQ(info.nErrCode, ENOENT);
    EXPECT_EQ(LZOpenFileA(dir.file("no/such/folder").c_str(), &info, OF_CREATE), -1);
    EXPECT_EQ(LZCopy(12345, 12346), LZERROR_BADINHANDLE);
    const int in = LZOpenFileA(dir.file("plain").c_str(), &info, OF_READ);
    EXPECT_EQ(LZCopy(in, in), LZERROR_BADOUTHANDLE);
    LZClose(in);
}

} // namespace
