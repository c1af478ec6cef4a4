// User coordinates of the current axis system to plot coordinates (page units
// of the internal system, y downwards) and back.
#pragma once

struct GlobalRecord;

// A user point to plot coordinates, each clamped to +-1.0e6 so that far data
// still draw as lines towards the page edge. On logarithmic axes values are
// taken in log10, non-positive ones at the neglog value when neglog is on.
void qqrel2(const GlobalRecord &rec, float x, float y, float &xp, float &yp);

// The same for every kind of axis system: the one routine the plotting
// routines call that works in map axis systems too.
void qqpos2(const GlobalRecord &rec, float x, float y, float &xp, float &yp);
