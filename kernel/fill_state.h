// FillState: the shading pattern in force, the state of the hatch lines of the
// fill in progress, and the work memory that fills reuse.
#pragma once
#include "kernel/work_buffer.h"

struct FillState {
    int inoarln = 1;      // 1: areaf draws the outline before filling; 0 after noarln
    int nshdpat = 0;      // pattern in force: 0..17, a code above 17, or mypat's code
    int ihatang = 0;      // hatch angle in degrees, 0..179
    int ihatcrs = 0;      // 1: a second pass crosses the first
    int ihattyp = 0;      // hatch type 0..7 (0 draws no fill)
    int ihatden = 0;      // density 0..9
    int ihatknd = 0;      // scan lines drawn per group (types 2, 3, 4)
    int nhatskp = 0;      // scan lines skipped per group (types 2, 3, 4)
    float xsurscl = 0.0f; // spacing of the scan lines in plot units

    // The fill in progress.
    int ihatcur = 0;       // angle of the pass in progress
    float xhatsin = 0.0f;  // sine of ihatcur
    float xhatcos = 0.0f;  // cosine of ihatcur
    int ihatskp = 0;       // 0 while a group is drawn, 1 while a group is skipped
    int nhatdrw = 0;       // scan lines counted in the current drawn group
    int nhatgap = 0;       // scan lines counted in the current skipped group
    float xhatlin = -1.0f; // y of the last scan line seen (a new scan line starts a count)

    // Work memory kept from fill to fill: areaf's polygon in floats, and the
    // turned copy of a hatched polygon with the links of its vertices.
    WorkBuffer<float> areaPoints;
    WorkBuffer<float> turnedPoints;
    WorkBuffer<int> vertexLinks;
};
