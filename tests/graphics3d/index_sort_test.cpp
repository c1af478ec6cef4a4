// The index quicksort: only the index moves, and the keys it orders come out
// as std::sort orders the same keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "graphics3d/index_sort.h"

namespace {

std::vector<float> keysOf(const char *kind, int n) {
    std::vector<float> k(std::size_t(n), 0.0f);
    std::mt19937 random{std::uint32_t(n) * 7919u};
    std::uniform_real_distribution<float> any(-1000.0f, 1000.0f);
    std::uniform_int_distribution<int> few(0, 3);
    const std::string what = kind;
    for (int i = 0; i < n; ++i) {
        if (what == "sorted") k[i] = float(i) * 0.5f;
        if (what == "reversed") k[i] = float(n - i);
        if (what == "equal") k[i] = 2.5f;
        if (what == "random") k[i] = any(random);
        if (what == "few values") k[i] = float(few(random));
        if (what == "organ pipe") k[i] = float(std::min(i, n - 1 - i));
    }
    return k;
}

// The index is a permutation of 0..n-1 and the keys it picks are those of
// std::sort; the keys themselves are not moved.
void expectSorted(const std::vector<float> &keys, const std::vector<int> &index,
                  const std::string &what) {
    std::vector<int> seen(index);
    std::sort(seen.begin(), seen.end());
    std::vector<int> all(keys.size());
    std::iota(all.begin(), all.end(), 0);
    ASSERT_EQ(seen, all) << what;
    std::vector<float> want(keys);
    std::sort(want.begin(), want.end());
    for (std::size_t i = 0; i < keys.size(); ++i)
        ASSERT_EQ(keys[std::size_t(index[i])], want[i]) << what << " position " << i;
}

TEST(IndexSort, OrdersTheIndexByTheKeys) {
    const char *kinds[] = {"sorted", "reversed", "equal", "random", "few values", "organ pipe"};
    // Around the run of 12 left to the insertion pass, and large enough to
    // need many partitions.
    const int sizes[] = {0, 1, 2, 11, 12, 13, 25, 100, 1000, 100000};
    for (const char *kind : kinds)
        for (const int n : sizes) {
            const std::vector<float> keys = keysOf(kind, n);
            const std::vector<float> before(keys);
            std::vector<int> index(static_cast<std::size_t>(n));
            std::iota(index.begin(), index.end(), 0);
            qquick(keys.data(), index.data(), n);
            const std::string what = std::string(kind) + " n=" + std::to_string(n);
            expectSorted(keys, index, what);
            EXPECT_EQ(keys, before) << what;
        }
}

// The index need not start as 0..n-1: any permutation is sorted.
TEST(IndexSort, StartsFromAnyPermutation) {
    const std::vector<float> keys = keysOf("random", 500);
    std::vector<int> index(500);
    std::iota(index.begin(), index.end(), 0);
    std::shuffle(index.begin(), index.end(), std::mt19937(3));
    qquick(keys.data(), index.data(), 500);
    expectSorted(keys, index, "shuffled");
}

// Keys that do not order (NaN, from a face seen edge-on) leave the order of
// the others open, but the index stays a permutation: nothing is read or
// written outside it. In the fixed case the NaN leaves a key smaller than
// every key of the first run behind it, so the smallest of the first run is
// no sentinel for the insertion pass.
TEST(IndexSort, KeysThatDoNotOrderStayInsideTheIndex) {
    const float nan = std::nanf("");
    std::vector<std::vector<float>> tables = {
        {12, 1,  9,  73, 37, 31, 40, 11, 1,  81, 69, 65, 71, 31, 81, 4,  98, 34, 38, 26, 99,  3, 91,
         14, 38, 28, 28, 82, 8,  29, 74, 67, 52, 10, 86, 4,  50, 72, 55, 69, 3,  35, 19, nan, 77},
    };
    for (const int n : {5, 13, 40, 1000}) {
        tables.push_back(keysOf("random", n));
        for (int i = 0; i < n; i += 3)
            tables.back()[std::size_t(i)] = nan;
    }
    for (const std::vector<float> &keys : tables) {
        const int n = int(keys.size());
        std::vector<int> index(keys.size());
        std::iota(index.begin(), index.end(), 0);
        qquick(keys.data(), index.data(), n);
        std::sort(index.begin(), index.end());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(index[std::size_t(i)], i) << n;
    }
}

} // namespace
