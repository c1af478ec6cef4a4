// Byte order, bit fields, and the unpacking of packed bytes and colours.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "kavlor.h"
#include "kernel/bits.h"

namespace {

TEST(Bits, ByteSwaps) {
    short words[] = {1, 256, 255, -2};
    swapi2(words, 3);
    EXPECT_EQ(words[0], 256);
    EXPECT_EQ(words[1], 1);
    EXPECT_EQ(words[2], -256);
    EXPECT_EQ(words[3], -2); // beyond n: untouched

    int longs[] = {0x11223344, 1, 255, INT_MIN};
    swapi4(longs, 4);
    EXPECT_EQ(longs[0], 0x44332211);
    EXPECT_EQ(longs[1], 1 << 24);
    EXPECT_EQ(longs[2], -(1 << 24));
    EXPECT_EQ(longs[3], 0x80);

    swapi2(words, 0);
    swapi4(longs, -3);
    EXPECT_EQ(words[0], 256);
    EXPECT_EQ(longs[0], 0x44332211);
}

TEST(Bits, FieldsOfLongWords) {
    struct Case {
        int nbits, nin, iin, nout, iout;
        std::uint32_t result;
    };
    const Case cases[] = {
        {4, int(0xF0000000u), 0, 0, 4, 0x0F000000u},
        {4, 240, 24, 16, 28, 31u}, // the top four bits of 240 << 24, down to the bottom
        {1, 1, 31, 0, 0, 0x80000000u},
        {32, 0x12345678, 0, 0, 0, 0x12345678u},
        {8, 0x12345678, 8, 0, 24, 0x34u},
        {8, 0x12345678, 8, 0x100, 24, 0x134u},
        {4, int(0xF0000000u), 32, 0, 4, 0x0F000000u}, // shift counts modulo 32
        {4, int(0xF0000000u), 0, 0, 36, 0x0F000000u},
    };
    for (const Case &c : cases)
        EXPECT_EQ(std::uint32_t(bitsi4(c.nbits, c.nin, c.iin, c.nout, c.iout)), c.result)
            << c.nbits << " " << c.nin << " " << c.iin << " " << c.nout << " " << c.iout;
}

TEST(Bits, FieldsOfShortWords) {
    struct Case {
        int nbits;
        short nin;
        int iin;
        short nout;
        int iout;
        short result;
    };
    const Case cases[] = {
        {4, 240, 8, 0, 0, -4096}, // a result with the top bit set is negative
        {4, 240, 8, 3, 8, 243},     {16, -1, 0, 0, 0, -1}, {16, 0, 0, 7, 0, 7},
        {8, 0x1234, 4, 0, 8, 0x23}, {3, -1, 0, 0, 13, 7},
    };
    for (const Case &c : cases)
        EXPECT_EQ(bitsi2(c.nbits, c.nin, c.iin, c.nout, c.iout), c.result)
            << c.nbits << " " << c.nin << " " << c.iin << " " << c.nout << " " << c.iout;
}

TEST(Bits, PackedBytesAndColours) {
    int low = 0, high = 0;
    gbyt01(0xFF80, low, high);
    EXPECT_EQ(low, -128);
    EXPECT_EQ(high, -1);
    gbyt01(0x7F01, low, high);
    EXPECT_EQ(low, 1);
    EXPECT_EQ(high, 127);
    gbyt01(-2, low, high); // the low 16 bits of a negative word
    EXPECT_EQ(low, -2);
    EXPECT_EQ(high, -1);

    int red = 0, green = 0, blue = 0;
    gbyt03(0x12A4F6, red, green, blue);
    EXPECT_EQ(red, 0x12);
    EXPECT_EQ(green, 0xA4);
    EXPECT_EQ(blue, 0xF6);
}

} // namespace
