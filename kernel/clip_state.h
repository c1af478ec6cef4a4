// ClipState: the clip rectangle or circle that strokes are clipped to.
#pragma once

struct ClipState {
    int nclpwin[4] = {0, 0, 0, 0}; // clip rectangle x1, y1, x2, y2 (plot units), x1 <= x2, y1 <= y2
    int iclpbor = 0;               // where it came from: 0 page, 1 clpwin, 2 axis system
    int iclpmod = 0;               // clipping mode for axis systems: AUTO NONE CIRC RECT
    int iclpcrc = 0;               // 1: clip against the circle instead of the rectangle
    float xclpcir[3] = {0, 0, 0};  // clip circle centre x, y and radius
    int imapcirc = 0;              // 1 when the map projection's border is round
};
