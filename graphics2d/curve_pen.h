// The pen of a curve: the colour and line style of the attribute cycle while
// a curve routine draws, its legend entry, and the count that moves the cycle
// on. The 2-D and 3-D curves share it.
#pragma once
#include "kernel/line_state.h"

struct GlobalRecord;

// A line style with its dash pattern, as the line pipeline holds it.
struct LineStyleCopy {
    int lintyp = 0;
    int ndashel = 1;
    int ndashlen[kMaxDashElements] = {};
};
LineStyleCopy copyLineStyle(const GlobalRecord &rec);
void restoreLineStyle(GlobalRecord &rec, const LineStyleCopy &style);

// What a curve routine changes for its own drawing and gives back at the end.
struct CurvePen {
    int colour = 0;
    LineStyleCopy style;
    int ichkpnt = 0;
};

// Saves the pen and the report switch, marks the drawing as one in user
// coordinates, takes colour and line style from the current cycle entry as
// chncrv asks, and records a pending legend entry.
CurvePen beginCurvePen(GlobalRecord &rec);

// Gives the pen and the report switch back, ends the drawing in user
// coordinates and counts the curve towards the next change of attributes.
void endCurvePen(GlobalRecord &rec, const CurvePen &saved);
