// Histograms: the distinct values in ascending order with their counts, what
// stays untouched behind them, and the warnings of bad counts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

class Histogram : public FreshRecord {};

constexpr float kUntouched = 99.0f;

TEST_F(Histogram, DistinctValuesAndTheirCounts) {
    struct Case {
        const char *name;
        std::vector<float> x, values, counts;
    };
    const Case cases[] = {
        {"mixed", {3, 1, 3, 2, 3}, {1, 2, 3}, {1, 1, 3}},
        {"one value", {7.5f}, {7.5f}, {1}},
        {"all equal", {2, 2, 2, 2}, {2}, {4}},
        {"negative and sorted backwards",
         {4, 0, -1.5f, 0, -1.5f, -2},
         {-2, -1.5f, 0, 4},
         {1, 2, 2, 1}},
        {"signed zeros are one value", {0.0f, -0.0f, 1}, {0, 1}, {2, 1}},
        {"close values stay apart", {1.0f, 1.0000001f, 1.0f}, {1.0f, 1.0000001f}, {2, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const int n = int(c.x.size());
        std::vector<float> xh(n, kUntouched), yh(n, kUntouched);
        int nh = -7;
        EXPECT_EQ(captureStdout([&] { histog(c.x.data(), n, xh.data(), yh.data(), &nh); }), "");
        ASSERT_EQ(nh, int(c.values.size()));
        EXPECT_EQ(std::vector<float>(xh.begin(), xh.begin() + nh), c.values);
        EXPECT_EQ(std::vector<float>(yh.begin(), yh.begin() + nh), c.counts);
        for (int k = nh; k < n; ++k)
            EXPECT_EQ(yh[k], kUntouched) << "count " << k;
    }
}

// No plot is needed, and the data may be sorted in place.
TEST_F(Histogram, WorksWithoutAPlotAndInPlace) {
    std::vector<float> x{5, 1, 5, 5, 1};
    std::vector<float> yh(5, kUntouched);
    int nh = 0;
    EXPECT_EQ(getlev(), 0);
    EXPECT_EQ(captureStdout([&] { histog(x.data(), 5, x.data(), yh.data(), &nh); }), "");
    EXPECT_EQ(nh, 2);
    EXPECT_EQ(x[0], 1.0f);
    EXPECT_EQ(x[1], 5.0f);
    EXPECT_EQ(yh[0], 2.0f);
    EXPECT_EQ(yh[1], 3.0f);
}

TEST_F(Histogram, BadCountsWriteNothing) {
    float x = 1, xh = kUntouched, yh = kUntouched;
    int nh = 42;
    EXPECT_EQ(captureStdout([&] {
                  histog(&x, -1, &xh, &yh, &nh);
                  histog(&x, 0, &xh, &yh, &nh);
                  histog(&x, 1, &xh, &yh, nullptr);
              }),
              " <<<< Warning   2: Incorrect parameter in histog!   (  -1)\n"
              " <<<< Warning   2: Incorrect parameter in histog!   (   0)\n"
              " <<<< Warning   2: Incorrect parameter in histog!\n");
    EXPECT_EQ(nh, 42);
    EXPECT_EQ(xh, kUntouched);
    EXPECT_EQ(yh, kUntouched);
}

} // namespace
