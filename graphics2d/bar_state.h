// BarState: the options of bar graphs (kind, positions, widths, groups,
// colours, borders, value labels, the change from bar to bar), the counters
// that carry a group of bars over several calls of bars, and the copy of the
// caller's arrays the bars are drawn from. The bar width itself is
// CurveState.xbarwth (shared with the curve mode BARS), the curve cycling
// CurveState.ichncrv.
#pragma once

#include "kernel/work_buffer.h"

constexpr int kMaxBarsPerGroup = 30;
constexpr int kMaxBars = 32000;

// Bar kinds of bartyp, in the order of its keyword list.
enum class BarKind { vertical = 0, horizontal, vertical3d, horizontal3d };

// Width modes of barmod.
enum class BarWidthMode { fixed = 0, variable };

// Change from bar to bar (chnbar) or from pie segment to segment (chnpie).
enum class BarCycling { none = 0, colour, pattern, both };

// Value labels of labels(..., "BAR"), in the order of its keyword list.
enum class BarLabel { none = 0, second, first, maximum, minimum, delta, position };

// Label positions of labpos(..., "BAR"): the tens digit places the label along
// the bar, the units digit across it.
constexpr int kBarLabelAuto = 0;
constexpr int kBarLabelInside = 22;
constexpr int kBarLabelOutside = 12;
constexpr int kBarLabelCentre = 32;

struct BarState {
    int ibartyp = 0;         // BarKind
    int ibarpos[2] = {0, 0}; // [0] 1: bars start at the axis; [1] 1: bars stand at the main ticks
    int ibarmod = 0;         // BarWidthMode
    int nbargrp = 1;         // bars per group, 1..30
    float xbargap = 0.0f;    // gap in a group: > 0 fraction of the bar width, <= 0 plot units
    float xbaropt[2] = {-1.0f, 45.0f}; // depth of the 3-D look (below 1e-35: the bar width), angle
    int nbarclr[3] = {-1, -1, -1};     // front, side, top colours; -1 the current colour
    int nbarbor = -1;                  // border colour; -1 none on flat bars, FORE on 3-D bars
    int ichnbar = 0;                   // BarCycling of the bars
    int ichnpie = 2;                   // BarCycling of pie segments
    int nbarcnt = 0;                   // member of the current group drawn last, 0 after the group
    int ncrvcnt = 0;                   // legend entries of bars in this axis system
    int ibarlab = 0;                   // BarLabel
    int ibarlbp = 0;                   // label position code
    int nbarlbc = -1;                  // label colour, -1 the current colour
    int nbardig = 1;                   // label digits, -1..100
    WorkBuffer<float> points;          // the caller's positions and values while a call draws
};
