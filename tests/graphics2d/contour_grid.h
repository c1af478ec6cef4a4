// Grids of the contour tests: z(i, j) at i * ny + j, as the contour routines
// take it.
#pragma once
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

struct Grid {
    std::vector<float> x, y, z;
    int nx() const { return int(x.size()); }
    int ny() const { return int(y.size()); }
    float at(int i, int j) const { return z[std::size_t(i) * y.size() + std::size_t(j)]; }
};

// The grid over x and y with the value f(i, j) at each point.
inline Grid makeGrid(std::vector<float> x, std::vector<float> y,
                     const std::function<float(int, int)> &f) {
    Grid g{std::move(x), std::move(y), {}};
    for (int i = 0; i < g.nx(); ++i)
        for (int j = 0; j < g.ny(); ++j)
            g.z.push_back(f(i, j));
    return g;
}

// n coordinates from `from` one apart.
inline std::vector<float> steps(int n, float from = 0.0f) {
    std::vector<float> v;
    for (int i = 0; i < n; ++i)
        v.push_back(from + float(i));
    return v;
}
