// The defaults of the 2-D graphics as resall gives them, and the groups that
// reset restores by keyword.
#pragma once

struct GlobalRecord;

// The stores of resall for the axes, the axis system with its title and
// colour bar, and curves.
void resetAxisDefaults(GlobalRecord &rec);
void resetAxisSystemDefaults(GlobalRecord &rec);
void resetCurveDefaults(GlobalRecord &rec);
// The cycles of curve attributes: line styles 0..7, the named colours and
// shading patterns 0..17, repeating over the 30 entries.
void setLineCycle(GlobalRecord &rec);
void setPatternCycle(GlobalRecord &rec);

// Reset groups of reset.
void resetAxisLengths(GlobalRecord &rec);    // AXSL
void resetAxisLengths3d(GlobalRecord &rec);  // AX3L
void resetAxisPosition(GlobalRecord &rec);   // AXSP
void resetAxisColours(GlobalRecord &rec);    // AXCL
void resetLabelKinds(GlobalRecord &rec);     // LABE
void resetLabelDistances(GlobalRecord &rec); // LABD
void resetNameDistances(GlobalRecord &rec);  // NAMD
void resetTickLengths(GlobalRecord &rec);    // TICL
void resetSideLevels(GlobalRecord &rec);     // SETG
void resetTitleLines(GlobalRecord &rec);     // TITL
void resetAxisNames(GlobalRecord &rec);      // NAME
void resetColourCellSize(GlobalRecord &rec); // SETR
