// FilledContourState: the band colour list of filled contours and the state
// of one conshd call (the level order and the polygon the line sink collects).
#pragma once

#include "kernel/work_buffer.h"

constexpr int kBandColours = 256;         // entries of the conclr list
constexpr int kContourFillPoints = 25000; // room first given to the polygon of a line

struct FilledContourState {
    int nconclr = 0;                // entries of the list in use; 0: colours from the scale
    int nconcls[kBandColours] = {}; // colour numbers given with conclr

    // Valid only while conshd runs.
    const float *pconidx = nullptr; // for each sorted level its 1-based place among the caller's
    int iconfil = 0;                // 1: the line sink collects polygons and fills them
    // The polygon of the current line: x in the first half of the block, y in
    // the second. The block doubles when a long line fills it.
    WorkBuffer<float> fillPoints;
    WorkBuffer<float> fillPointsSpare; // the next larger block while the points move over
    float *xconfbf = nullptr;          // x of the collected points, plot units
    float *yconfbf = nullptr;          // y of the collected points
    int nconpnt = 0;                   // points collected of the current line
    int nconmax = 0;                   // points the block holds
    bool lineLost = false;             // a point of the line found no memory: it is not filled
};
