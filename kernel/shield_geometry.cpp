// Angles and corners of shield shapes: qqang1, qqang2, qqcut1.
#include "kernel/shield_geometry.h"

#include <cmath>

namespace {

constexpr float kFullTurn = 6.2831853f;
constexpr float kAngleTolerance = 0.00001f;

} // namespace

float qqang1(float degrees) {
    return degrees * 0.017453292f;
}

float qqang2(float radians) {
    // An angle so large that a turn no longer changes it is reduced at once.
    if (!(std::fabs(radians) < 1.0e6f)) radians = std::fmod(radians, kFullTurn);
    while (radians < -kAngleTolerance)
        radians += kFullTurn;
    while (radians > kFullTurn + kAngleTolerance)
        radians -= kFullTurn;
    return radians;
}

int qqcut1(float x1, float y1, float x2, float y2, float a1, float a2, float &x, float &y) {
    if (std::fabs(a1 - a2) < 0.001f) return 0;
    const bool vertical1 = std::fabs(std::cos(a1)) <= 0.001f;
    const bool vertical2 = std::fabs(std::cos(a2)) <= 0.001f;
    if (vertical1 && vertical2) return 0;
    if (vertical1) {
        x = x1;
        y = y2 - std::tan(a2) * (x - x2);
        return 1;
    }
    const float m1 = -std::tan(a1);
    if (vertical2) {
        x = x2;
        y = y1 + m1 * (x - x1);
        return 1;
    }
    const float m2 = -std::tan(a2);
    // Angles half a turn apart give the same slope: parallel lines.
    if (m1 == m2) return 0;
    x = (y2 - y1 + m1 * x1 - m2 * x2) / (m1 - m2);
    y = y1 + m1 * (x - x1);
    return 1;
}
