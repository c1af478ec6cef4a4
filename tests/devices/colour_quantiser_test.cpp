// Octree colour quantisation.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <set>

#include "devices/colour_quantiser.h"

namespace {

using Rgb = std::array<std::uint8_t, 3>;

struct Quantised {
    std::vector<std::uint8_t> indices;
    std::uint8_t red[256] = {}, green[256] = {}, blue[256] = {};
    Rgb entry(int i) const { return {red[i], green[i], blue[i]}; }
};

Quantised quantise(const std::vector<Rgb> &pixels) {
    Quantised q;
    q.indices.assign(pixels.size(), 0);
    qqquant(pixels.front().data(), static_cast<int>(pixels.size()), 1, q.indices.data(), q.red,
            q.green, q.blue);
    return q;
}

TEST(ColourQuantiser, AtMost256ColoursAreKeptExactly) {
    std::mt19937 random(3);
    std::set<Rgb> distinct;
    while (distinct.size() < 255)
        distinct.insert({std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random())});
    distinct.insert({0, 0, 0});
    std::vector<Rgb> pixels;
    for (int repeat = 0; repeat < 3; ++repeat)
        for (const Rgb &c : distinct)
            pixels.push_back(c);
    std::shuffle(pixels.begin(), pixels.end(), random);
    const Quantised q = quantise(pixels);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        ASSERT_EQ(q.entry(q.indices[i]), pixels[i]) << i;
    EXPECT_EQ(q.entry(0), (Rgb{0, 0, 0})); // black, all bits 0, comes first in tree order
}

TEST(ColourQuantiser, The257thColourMergesTheNewestDeepestNode) {
    // Reds 0..255 fill 256 leaves; red 255 twice more. The 257th colour (0, 0, 1)
    // makes one leaf too many: the newest level-7 node, that of reds 254 and
    // 255, becomes one leaf with the truncated mean of its three pixels of 255
    // and one of 254.
    std::vector<Rgb> pixels;
    for (int r = 0; r < 256; ++r)
        pixels.push_back({std::uint8_t(r), 0, 0});
    pixels.push_back({255, 0, 0});
    pixels.push_back({255, 0, 0});
    pixels.push_back({0, 0, 1});
    const Quantised q = quantise(pixels);
    EXPECT_EQ(q.entry(q.indices[254]), (Rgb{254, 0, 0})); // (254 + 3 x 255) / 4 = 254.75
    EXPECT_EQ(q.indices[254], q.indices[255]);
    EXPECT_EQ(q.entry(q.indices.back()), (Rgb{0, 0, 1}));
    EXPECT_EQ(q.indices.back(), 1); // tree order: (0, 0, 0), then (0, 0, 1), then (1, 0, 0)
    EXPECT_EQ(q.entry(2), (Rgb{1, 0, 0}));
    std::set<std::uint8_t> used(q.indices.begin(), q.indices.end());
    EXPECT_EQ(used.size(), 256u);
    for (int r = 0; r < 254; ++r)
        EXPECT_EQ(q.entry(q.indices[r]), (Rgb{std::uint8_t(r), 0, 0}));
}

TEST(ColourQuantiser, ManyColoursStayWithin256Entries) {
    std::mt19937 random(5);
    std::vector<Rgb> pixels(20000);
    for (Rgb &p : pixels)
        p = {std::uint8_t(random()), std::uint8_t(random()), std::uint8_t(random())};
    const Quantised q = quantise(pixels);
    // Each pixel maps to an entry near its own colour: the leaves are big
    // octree cells (no coarser than level 2, 64 wide), so the error stays below their size.
    int worst = 0;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const Rgb e = q.entry(q.indices[i]);
        for (int k = 0; k < 3; ++k)
            worst = std::max(worst, std::abs(int(e[k]) - int(pixels[i][k])));
    }
    EXPECT_LT(worst, 64);
}

} // namespace
