// Sorting a float array in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "kavlor.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

using Sorting = FreshRecord;

TEST_F(Sorting, Orders) {
    float x[] = {3, 1, 2};
    sortr1(x, 3, "D");
    EXPECT_EQ(std::vector<float>(x, x + 3), (std::vector<float>{3, 2, 1}));
    sortr1(x, 3, "asc"); // only the first character counts
    EXPECT_EQ(std::vector<float>(x, x + 3), (std::vector<float>{1, 2, 3}));
    sortr1(x, 3, "d");
    EXPECT_EQ(std::vector<float>(x, x + 3), (std::vector<float>{3, 2, 1}));

    float partial[] = {4, 3, 2, 1};
    sortr1(partial, 3, "a");
    EXPECT_EQ(std::vector<float>(partial, partial + 4), (std::vector<float>{2, 3, 4, 1}));
}

TEST_F(Sorting, AgreesWithAReferenceSort) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> value(-50, 50); // many equal values
    for (int n : {0, 1, 2, 5, 64, 1000, 1001}) {
        std::vector<float> x(n);
        for (float &v : x)
            v = float(value(random)) * 0.5f;
        std::vector<float> ascending = x, descending = x;
        sortr1(ascending.data(), n, "A");
        sortr1(descending.data(), n, "D");
        std::sort(x.begin(), x.end());
        EXPECT_EQ(ascending, x) << n;
        std::reverse(x.begin(), x.end());
        EXPECT_EQ(descending, x) << n;
    }
}

TEST_F(Sorting, UnknownOrderWarnsAndLeavesTheArray) {
    float x[] = {3, 1, 2};
    EXPECT_EQ(captureStdout([&] { sortr1(x, 3, "X"); }),
              " <<<< Warning   2: Incorrect parameter in sortr1!   (X)\n");
    EXPECT_EQ(captureStdout([&] { sortr1(x, 3, ""); }),
              " <<<< Warning   2: Incorrect parameter in sortr1!   ()\n");
    EXPECT_EQ(std::vector<float>(x, x + 3), (std::vector<float>{3, 1, 2}));
}

} // namespace
