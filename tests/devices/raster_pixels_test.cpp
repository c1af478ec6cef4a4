// Pixel access on the memory raster: single pixels, rows and rectangles.
#include <gtest/gtest.h>

#include "devices/raster_pixels.h"
#include "kernel/colour_value.h"
#include "tests/devices/raster_fixture.h"

namespace {

using Bytes = std::vector<int>;

Bytes bytes(const std::uint8_t *p, int n) {
    return Bytes(p, p + n);
}

TEST_F(RasterTest, SinglePixelsOnAnIndexPage) {
    const std::vector<int> table = distinctTable();
    GlobalRecord &rec = makeRaster(3, 2);
    qqvvlt(rec, 1, table.data());
    qqvwpx(rec, 2, 1, 300);                         // colour number modulo 256
    qqvwpx(rec, 0, 0, explicitColour(60, 195, 30)); // entry 60 exactly
    for (const auto &[x, y] : {std::pair{-1, 0}, {3, 0}, {0, 2}, {0, -1}})
        qqvwpx(rec, x, y, 9);
    EXPECT_EQ(bytes(qqvptr(rec), 6), (Bytes{60, 0, 0, 0, 0, 44}));
    EXPECT_EQ(qqvrpx(rec, 2, 1, kPixelValuesIndex), 44);
    EXPECT_EQ(qqvrpx(rec, 2, 1, kPixelValuesRgb), explicitColour(44, 211, 22));
    EXPECT_EQ(qqvrpx(rec, 5, 5, kPixelValuesIndex), 0);
}

TEST_F(RasterTest, SinglePixelsOnAnRgbPage) {
    const std::vector<int> table = distinctTable();
    GlobalRecord &rec = makeRaster(2, 1, true);
    qqvvlt(rec, 1, table.data());
    qqvwpx(rec, 0, 0, 100);
    qqvwpx(rec, 1, 0, explicitColour(61, 194, 31)); // nearest entry 61 = (61, 194, 30)
    EXPECT_EQ(bytes(qqvptr(rec), 6), (Bytes{100, 155, 50, 61, 194, 31}));
    EXPECT_EQ(qqvrpx(rec, 0, 0, kPixelValuesIndex), 100);
    EXPECT_EQ(qqvrpx(rec, 1, 0, kPixelValuesIndex), 61);
    EXPECT_EQ(qqvrpx(rec, 1, 0, kPixelValuesRgb), explicitColour(61, 194, 31));
}

TEST_F(RasterTest, RowsAreWrittenInsideThePageOnly) {
    const std::vector<int> table = distinctTable();
    GlobalRecord &rec = makeRaster(4, 2);
    qqvvlt(rec, 1, table.data());
    const std::uint8_t numbers[] = {1, 2, 3, 4, 5, 6};
    qqvrow(rec, numbers, -2, 0, 6, kPixelValuesIndex);
    qqvrow(rec, numbers, 0, 2, 4, kPixelValuesIndex); // below the page
    const std::uint8_t rgb[] = {7, 248, 3, 200, 55, 100};
    qqvrow(rec, rgb, 2, 1, 2, kPixelValuesRgb);
    EXPECT_EQ(bytes(qqvptr(rec), 8), (Bytes{3, 4, 5, 6, 0, 0, 7, 200}));

    GlobalRecord &page = makeRaster(2, 1, true);
    qqvvlt(page, 1, table.data());
    qqvrow(page, numbers, 0, 0, 2, kPixelValuesIndex);
    EXPECT_EQ(bytes(qqvptr(page), 6), (Bytes{1, 254, 0, 2, 253, 1}));
}

TEST_F(RasterTest, RectanglesAreReadInEitherForm) {
    const std::vector<int> table = distinctTable();
    GlobalRecord &rec = makeRaster(3, 2, true);
    qqvvlt(rec, 1, table.data());
    qqvfll(rec, 0, 0, 2, 1, 9);
    qqvwpx(rec, 1, 1, explicitColour(1, 2, 3));
    std::uint8_t numbers[6];
    qqvrdr(rec, numbers, 1, 0, 2, 2, kPixelValuesIndex);
    EXPECT_EQ(bytes(numbers, 4), (Bytes{9, 9, 6, 9})); // (1, 2, 3) is nearest to entry 6
    std::uint8_t rgb[12];
    qqvrdr(rec, rgb, 2, 1, 2, 2, kPixelValuesRgb); // partly outside: zeros there
    EXPECT_EQ(bytes(rgb, 12), (Bytes{9, 246, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

} // namespace
