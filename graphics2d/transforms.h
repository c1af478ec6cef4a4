// User coordinates of the current axis system to plot coordinates (page units
// of the internal system, y downwards) and back.
#pragma once

struct GlobalRecord;

// A plot coordinate cut to +-1.0e6: far data still draw as lines towards the
// page edge, and every later step stays far from where an int ends.
inline float clampPlot(float v) {
    constexpr float kPlotLimit = 1.0e6f;
    if (v > kPlotLimit) return kPlotLimit;
    if (v < -kPlotLimit) return -kPlotLimit;
    return v;
}

// A plot y for the caller: mirrored when the page origin is at the bottom,
// unless a routine drawing in user coordinates is running (the kernel mirrors
// its points itself).
float userPageY(const GlobalRecord &rec, float yp);

// The screen angle (radians, counter-clockwise from the right) of a polar
// angle in radians under the angle origin and direction of polmod.
float polarScreenAngle(const GlobalRecord &rec, float angle);

// A user point to plot coordinates, each clamped to +-1.0e6 so that far data
// still draw as lines towards the page edge. On logarithmic axes values are
// taken in log10, non-positive ones at the neglog value when neglog is on.
// In polar systems x is a radius and y an angle in radians (not clamped).
void qqrel2(const GlobalRecord &rec, float x, float y, float &xp, float &yp);

// The same for every kind of axis system: the one routine the plotting
// routines call that works in map axis systems too.
void qqpos2(const GlobalRecord &rec, float x, float y, float &xp, float &yp);
