// qqgind: nearest colour number in the DriverRecord's table.
#include <gtest/gtest.h>

#include "devices/driver_record.h"
#include "devices/nearest_colour.h"

namespace {

void setEntry(DriverRecord &d, int i, int r, int g, int b) {
    d.red[i] = static_cast<std::uint8_t>(r);
    d.green[i] = static_cast<std::uint8_t>(g);
    d.blue[i] = static_cast<std::uint8_t>(b);
}

// Every entry a mid grey far from the colours asked for, unless set.
DriverRecord greyTable(int kind = 1) {
    DriverRecord d;
    d.ivltkind = kind;
    for (int i = 0; i < 256; ++i)
        setEntry(d, i, 128, 128, 128);
    return d;
}

TEST(NearestColour, BlackAndWhiteAreAnsweredByTheEndEntries) {
    DriverRecord d = greyTable();
    setEntry(d, 40, 0, 0, 0);
    setEntry(d, 41, 255, 255, 255);
    EXPECT_EQ(qqgind(d, 0, 0, 0), 40); // no shortcut: the search finds the exact entry
    setEntry(d, 255, 0, 0, 0);
    EXPECT_EQ(qqgind(d, 0, 0, 0), 255);
    setEntry(d, 0, 0, 0, 0);
    EXPECT_EQ(qqgind(d, 0, 0, 0), 0);
    setEntry(d, 255, 255, 255, 255);
    EXPECT_EQ(qqgind(d, 255, 255, 255), 255);
    // With a VGA table the last entry is 15.
    DriverRecord vga = greyTable(kColourTableVga);
    setEntry(vga, 15, 255, 255, 255);
    setEntry(vga, 200, 255, 255, 255);
    EXPECT_EQ(qqgind(vga, 255, 255, 255), 15);
}

TEST(NearestColour, ScanDirectionFollowsBlueAndTiesKeepTheFirstMet) {
    DriverRecord d = greyTable();
    setEntry(d, 3, 0, 0, 2);
    setEntry(d, 7, 0, 0, 2);
    EXPECT_EQ(qqgind(d, 0, 0, 1), 3); // blue > 0: upward from 0
    EXPECT_EQ(qqgind(d, 1, 0, 0), 7); // blue 0: downward from the last entry
    setEntry(d, 5, 10, 10, 10);
    setEntry(d, 9, 10, 10, 10);
    EXPECT_EQ(qqgind(d, 10, 10, 10), 5);
    setEntry(d, 5, 10, 10, 0);
    setEntry(d, 9, 10, 10, 0);
    EXPECT_EQ(qqgind(d, 10, 10, 0), 9);
}

TEST(NearestColour, SmallTablesSearchTheirEntriesOnly) {
    DriverRecord d = greyTable(kColourTableSmall);
    setEntry(d, 200, 1, 2, 3);
    setEntry(d, 8, 10, 10, 10);
    EXPECT_EQ(qqgind(d, 1, 2, 3), 8);
}

} // namespace
