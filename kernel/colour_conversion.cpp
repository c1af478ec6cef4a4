// Conversions between red, green, blue (0..1) and hue (degrees), saturation and
// value (0..1).
#include <algorithm>
#include <array>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/warnings.h"

namespace {

// Components and hues are accepted a little beyond their ranges.
constexpr float kTolerance = 0.0001f;

bool inRange(float value, float high) {
    return value >= -kTolerance && value <= high + kTolerance;
}

} // namespace

extern "C" void rgbhsv(float r, float g, float b, float *h, float *s, float *v) {
    jqqlev(0, 3, "rgbhsv");
    if (!inRange(r, 1.0f) || !inRange(g, 1.0f) || !inRange(b, 1.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    const float max = std::max({r, g, b});
    const float min = std::min({r, g, b});
    float hue = 0.0f;
    float saturation = max;
    if (max != 0.0f) saturation = (max - min) / max;
    if (saturation != 0.0f) {
        const float d = max - min;
        const float rc = (max - r) / d;
        const float gc = (max - g) / d;
        const float bc = (max - b) / d;
        // The sector by exact comparison with the maximum and the minimum, in this
        // order; pure red therefore has the hue 360.
        float sector;
        if (r == max)
            sector = g == min ? 5.0f + bc : 1.0f - gc;
        else if (g == max)
            sector = b == min ? 1.0f + rc : 3.0f - bc;
        else
            sector = r == min ? 3.0f + gc : 5.0f - rc;
        hue = 60.0f * sector;
    }
    *h = hue;
    *s = saturation;
    *v = max;
}

extern "C" void hsvrgb(float h, float s, float v, float *r, float *g, float *b) {
    jqqlev(0, 3, "hsvrgb");
    if (!inRange(h, 360.0f) || !inRange(s, 1.0f) || !inRange(v, 1.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    const float sixth = h / 60.0f;
    const int i = static_cast<int>(sixth); // towards zero; 6 for a hue of 360
    const float f = sixth - float(i);
    const float p = v * (1.0f - s);
    const float q = v * (1.0f - s * f);
    const float t = v * (1.0f - s * (1.0f - f));
    // Red, blue and green are read from one list with a cyclic step of two.
    const std::array<float, 7> list = {p, v, v, q, p, p, t};
    auto next = [](int j) { return j <= 4 ? j + 2 : j - 4; };
    const int j1 = next(i);
    const int j2 = next(j1);
    const int j3 = next(j2);
    *r = list[j1];
    *b = list[j2];
    *g = list[j3];
}
