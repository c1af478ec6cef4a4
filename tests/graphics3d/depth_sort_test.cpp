// The depth-sort buffer: its storage (bounds, rounding, order of retrieval)
// and faces drawn through it, read back as the order of the fill records of
// PostScript and SVG files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "graphics3d/depth_sort.h"
#include "kavlor.h"
#include "tests/graphics2d/axis_fixture.h"

namespace {

// ---- Storage -----------------------------------------------------------------

class DepthSortStore : public FreshRecord {};

TEST_F(DepthSortStore, AFullBufferRefusesThePolygonAndKeepsTheOthers) {
    GlobalRecord &rec = currentRecord();
    int status = -1;
    dbfini(rec, 3, 2, status);
    ASSERT_EQ(status, 0);
    const float x[3] = {1, 2, 3}, y[3] = {4, 5, 6};
    const float depths[3] = {0.5f, 0.25f, 0.1f};
    for (int i = 0; i < 3; ++i) {
        qqsput(rec, x, y, depths[i], 10 + i, status);
        EXPECT_EQ(status, i < 2 ? 0 : 1) << i;
    }
    int count = -1;
    qqsini(rec, 3, 3, 0, count);
    EXPECT_EQ(count, 2);
    qqsini(rec, 2, 3, 0, status);
    EXPECT_EQ(status, 0);
    float gx[3], gy[3];
    int colour = -1;
    // Ascending depth: the second polygon first; the third was never stored.
    qqsget(rec, gx, gy, 0, colour, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(colour, 11);
    qqsget(rec, gx, gy, 1, colour, status);
    EXPECT_EQ(colour, 10);
    for (const int i : {2, -1}) {
        colour = -1;
        qqsget(rec, gx, gy, i, colour, status);
        EXPECT_EQ(status, 1) << i;
        EXPECT_EQ(colour, -1) << i;
    }
    qqsini(rec, 1, 3, 0, status);
    EXPECT_EQ(rec.dsort.pdsort, nullptr);
}

// Page points are rounded as trunc(v + 0.5) into 16 bits; a point projected
// far off the page is held at the 16-bit limit rather than wrapped round to
// the other side.
TEST_F(DepthSortStore, CornersAreRoundedAndHeldInSixteenBits) {
    GlobalRecord &rec = currentRecord();
    int status = -1;
    dbfini(rec, 4, 1, status);
    const float x[4] = {10.4f, 10.5f, 40000.0f, -1.0e6f}, y[4] = {-0.4f, 32767.0f, 1.0e6f, 2.49f};
    qqsput(rec, x, y, 0.0f, 1, status);
    qqsini(rec, 2, 4, 0, status);
    float gx[4], gy[4];
    int colour = 0;
    qqsget(rec, gx, gy, 0, colour, status);
    ASSERT_EQ(status, 0);
    const float wantX[4] = {10, 11, 32767, -32768}, wantY[4] = {0, 32767, 32767, 2};
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(gx[j], wantX[j]) << j;
        EXPECT_EQ(gy[j], wantY[j]) << j;
    }
    dbffin(rec, 4);
}

// A second dbfini starts a new, empty buffer; the old one is freed (the
// sanitizer build sees a leak otherwise).
TEST_F(DepthSortStore, ASecondOpenStartsAnEmptyBuffer) {
    GlobalRecord &rec = currentRecord();
    int status = -1;
    dbfini(rec, 3, 5, status);
    const float x[3] = {}, y[3] = {};
    qqsput(rec, x, y, 0, 0, status);
    dbfini(rec, 4, 7, status);
    ASSERT_NE(rec.dsort.pdsort, nullptr);
    EXPECT_EQ(rec.dsort.pdsort->count, 0);
    EXPECT_EQ(rec.dsort.pdsort->capacity, 7);
    EXPECT_EQ(rec.dsort.pdsort->corners, 4);
    qqsini(rec, 1, 4, 0, status);
}

// Without an open buffer nothing is touched.
TEST_F(DepthSortStore, WithoutABufferNothingHappens) {
    GlobalRecord &rec = currentRecord();
    const float x[4] = {}, y[4] = {}, z[4] = {};
    qqds3d(rec, x, y, z, 4, 1);
    dbffin(rec, 4);
    int status = 0;
    qqsput(rec, x, y, 0, 0, status);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(rec.dsort.pdsort, nullptr);
}

} // namespace
