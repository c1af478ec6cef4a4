// gridmp: meridians and parallels of a map axis system, from the first label
// of each axis outwards in steps of the label step over the grid count. On
// cylindrical maps they span the axes' ranges, elsewhere the whole globe.
// Where meridians and parallels are straight (the cylinders but the turned
// ones) each line is one projected segment; elsewhere it runs in steps of a
// degree, clipped to the map.
#include <algorithm>
#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/map_axes.h"
#include "graphics2d/map_lines.h"
#include "graphics2d/map_projections.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// Lines at first, first + d, ... up to hi, then first - d, ... down to lo;
// each drawn by line(value). A first line far outside lo..hi, or a step back
// towards the range, still gives only the lines within it: the walk starts
// at the range, and each direction ends once past it.
template <class Line> void gridLines(float first, float d, float lo, float hi, Line line) {
    d = std::fabs(d);
    // The steps from the first line to the range and across it; a range
    // beyond kIntLimit steps away has no line that a float can place.
    const double across = std::ceil((double(hi) - double(lo)) / d) + 2.0;
    const double up = std::max(std::ceil((double(lo) - double(first)) / d), 0.0);
    const double down = std::max(std::ceil((double(first) - double(hi)) / d), 1.0);
    if (up + across <= double(kIntLimit)) {
        for (int k = int(up); k <= int(up + across); ++k) {
            const float v = first + float(k) * d;
            if (!(v <= hi)) break;
            if (v >= lo) line(v);
        }
    }
    if (down + across <= double(kIntLimit)) {
        for (int k = int(down); k <= int(down + across); ++k) {
            const float v = first - float(k) * d;
            if (!(v >= lo)) break;
            if (v <= hi) line(v);
        }
    }
}

// Draws from the line's start (already moved to) in steps of a degree from
// lo to hi, ending at hi: point(v) is the map point at v along the line.
template <class Point> void degreeSteps(float lo, float hi, Point point) {
    float v = lo;
    for (int m = 0; lo + float(m) <= hi; ++m) {
        v = lo + float(m);
        point(v);
    }
    if (v < hi) point(hi);
}

} // namespace

extern "C" void gridmp(int i, int j) {
    GlobalRecord *recp = jqqlev(2, 3, "gridmp");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    const AxisSystemState &s = rec.axsys;
    const bool cylindrical = rec.map.iprojct <= 9;
    const bool straight = rectangularGraticule(rec.map.iprojct);
    const float lonMin = cylindrical ? s.xgrfx[0] : -180.0f;
    const float lonMax = cylindrical ? s.xgrfx[1] : 180.0f;
    const float latMin = cylindrical ? s.xgrfy[0] : -90.0f;
    const float latMax = cylindrical ? s.xgrfy[1] : 90.0f;
    // A grid denser than the axes may carry is refused.
    if ((i > 0 && !boundedMapAxis(lonMin, lonMax, s.xgrfx[3] / float(i), 1)) ||
        (j > 0 && !boundedMapAxis(latMin, latMax, s.xgrfy[3] / float(j), 1)))
        return;
    AxisClip clip(rec);
    if (j > 0) {
        gridLines(s.xgrfy[2], s.xgrfy[3] / float(j), latMin, latMax, [&](float b) {
            movemp(rec, lonMin, b);
            if (straight)
                pjdraw(rec, lonMax, b);
            else
                degreeSteps(lonMin, lonMax, [&](float l) { pjdraw(rec, l, b); });
        });
    }
    if (i > 0) {
        gridLines(s.xgrfx[2], s.xgrfx[3] / float(i), lonMin, lonMax, [&](float l) {
            movemp(rec, l, latMin);
            if (straight)
                pjdraw(rec, l, latMax);
            else
                degreeSteps(latMin, latMax, [&](float b) { pjdraw(rec, l, b); });
        });
    }
}
