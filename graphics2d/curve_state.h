// CurveState: how curve draws a data series (mode, thickness, markers, bars,
// gaps) and the attribute cycle that changes colour, line style and marker
// from curve to curve. The colour cycle is ColourState.nclrcyc, the spline
// settings SplineState.nsplmod.
#pragma once

constexpr int kAttributeCycle = 30;

// Curve modes of polcrv, in the order of its keyword list.
enum class CurveMode { line = 0, step, bars, spli, pspl, stem, stai, fbar };

// Attribute cycling of chncrv.
enum class CurveCycling { none = 0, colour, line, both };

struct CurveState {
    int ipolcrv = 0;                   // CurveMode
    int nthkcrv = 1;                   // thickness: number of strokes, 1..10000
    int ichncrv = 0;                   // CurveCycling
    int nmarker = 0;                   // marker symbol
    int ninccrv = 1;                   // curves drawn with the same attributes before they change
    int nincmrk = 0;                   // marker every |n|-th point; 0 none; negative: markers only
    int nlincyc[kAttributeCycle] = {}; // line styles of cycle entries 1..30 at 0..29
    int npatcyc[kAttributeCycle] = {}; // shading patterns of cycle entries 1..30
    int igapcrv = 0;                   // 1: points further apart in x than xgapcrv are not joined
    float xgapcrv = 0.0f;
    float xbarwth = 0.75f; // bar width: > 0 fraction of the first x interval, <= 0 plot units
    int icyccrv = 1;       // current cycle entry 1..30
    int ncrvgrp = 1;       // curves drawn since the attributes last changed
    int nlegcrv = 1;       // number of the next legend entry
    int ilegpen = 1;       // 1: the next curve registers its attributes for the legend
    int ilegpat = 0;       // 1 when the last curve-like object was a shaded area
};
