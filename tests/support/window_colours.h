// Colours of the pictures that screen tests read back from their windows, as
// red, green and blue values 0..255.
#pragma once
#include <vector>

#include "kavlor.h"
#include "tests/support/rendered_image.h"

// The colour of the pixel (x, y).
inline std::vector<int> pixel(const RgbImage &image, int x, int y) {
    return std::vector<int>(image.at(x, y), image.at(x, y) + 3);
}

// The colour of number n in the colour table in force (inside a plot).
inline std::vector<int> colourOf(int n) {
    float r = 0, g = 0, b = 0;
    getind(n, &r, &g, &b);
    return {int(r * 255 + 0.5f), int(g * 255 + 0.5f), int(b * 255 + 0.5f)};
}
