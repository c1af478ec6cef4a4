// HorizonState: the floating horizon of hidden-line surfaces. For every page
// column it keeps the lowest and the highest point drawn so far; a line is
// visible only where it leaves that band.
#pragma once
#include <memory>

struct HorizonState {
    int ihidsur = 0;         // 1 while the line pipeline hands segments to the horizon
    int ihormod = 0;         // 0 test only, 1 test and update, 2 update only (draw nothing)
    int ihoralc = 0;         // 1 while the horizon arrays are allocated
    int nhorpos[2] = {0, 0}; // current raster point
    // One block of 2 * ncolumns words: the largest y per column drawn so far
    // (nhormax, -1 when none), then the smallest (nhormin, above every page
    // coordinate when none). Columns are 0..nxpage of the page at the start call.
    std::unique_ptr<int[]> block;
    int ncolumns = 0; // columns the block holds
    int *nhormax = nullptr;
    int *nhormin = nullptr;

    // Side colours of surfaces (set by surclr and survis).
    int isurclr = 0;         // 1 when side colours are given
    int nsurclr[2] = {0, 0}; // colour of the top and the bottom side; -1: nsurcur
    int nsurcur = 0;         // the surface's current colour
    int isurside = 0;        // side whose colour is set now: 1 top, 2 bottom, else none
    int isurvis = 0;         // visible side: 0 both, 1 top only, 2 bottom only
};
