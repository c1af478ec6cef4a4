// ContourPointsState: where the points of conpts go while it traces one
// level. The tracer's sink hands every point here instead of drawing it while
// active is set; the pointers are valid only during the call.
#pragma once

struct ContourPointsState {
    bool active = false;     // conpts is tracing: the sink stores, nothing is drawn
    float *xpts = nullptr;   // caller's x array
    float *ypts = nullptr;   // caller's y array
    int maxpts = 0;          // room in xpts and ypts (a negative count is no room)
    int *nray = nullptr;     // caller's points-per-line array
    int maxray = 0;          // room in nray
    int *nlins = nullptr;    // caller's line count, the lines stored so far
    int nstored = 0;         // points stored in xpts and ypts
    bool pointsFull = false; // the points overflow warning has been given
};
