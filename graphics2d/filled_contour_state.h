// FilledContourState: the band colour list of filled contours and the state
// of one conshd call (the level order and the polygon the line sink collects).
#pragma once

constexpr int kBandColours = 256;         // entries of the conclr list
constexpr int kContourFillPoints = 25000; // points of one polygon collected for a fill

struct FilledContourState {
    int nconclr = 0;                // entries of the list in use; 0: colours from the scale
    int nconcls[kBandColours] = {}; // colour numbers given with conclr

    // Valid only while conshd runs.
    const float *pconidx = nullptr; // for each sorted level its 1-based place among the caller's
    int iconfil = 0;                // 1: the line sink collects polygons and fills them
    int nconpnt = 0;                // points collected of the current line
    float *xconfbf = nullptr;       // x of the collected points, plot units
    float *yconfbf = nullptr;       // y of the collected points
};
