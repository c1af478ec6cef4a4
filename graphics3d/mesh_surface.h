// The frame that the mesh surfaces share: the checks, the set-up and end of
// a surface, the horizons, the walks that start at the grid lines nearest to
// the viewer, and the points in user coordinates that feed the 3-D lines.
#pragma once

struct GlobalRecord;

// Clips to the axis system, remembers the colour in force and routes the
// line pipeline through the floating horizon unless nohide is in force.
void beginMesh(GlobalRecord &rec);
// Draws what is pending, restores the clip window, the pipeline and, with
// side colours, the colour in force when the surface began.
void endMesh(GlobalRecord &rec);
// Empty horizons: lines drawn from now on are hidden only by each other.
// What is pending is drawn first, against the horizons it was given for.
void restartHorizons(GlobalRecord &rec);
// Horizon mode of the lines that follow (0 test, 1 test and raise, 2 raise).
void setHorizonMode(GlobalRecord &rec, int mode);

// Starts and continues a line at a user point.
void meshMove(GlobalRecord &rec, float x, float y, float z);
void meshDraw(GlobalRecord &rec, float x, float y, float z);

// The extent xa, xe, ya, ye of surmat and surfun in user values: that of
// sursze or the axis range, as powers of ten on logarithmic axes.
void meshExtent(const GlobalRecord &rec, float extent[4]);

// The largest number of grid points of a matrix: its indices stay ints.
constexpr int kMaxGridPoints = 0x7fffffff;

// A walk over 0-based grid indices: first, first + step, ... last.
struct IndexWalk {
    int first = 0;
    int last = 0;
    int step = 1;
    int count() const { return (last - first) / step + 1; }
    int at(int n) const { return first + n * step; }
};

// The walk over n indices that starts at index 0 when ascending is true,
// else at n - 1.
IndexWalk indexWalk(int n, bool ascending);
