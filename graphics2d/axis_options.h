// AxisOptionState: how the axes of the next axis systems look and are scaled.
// Most options are triples, one word each for the X, Y and Z axis (index 0, 1,
// 2), written through an axis selector (gaxsop). resall gives the defaults.
#pragma once

constexpr int kAxisCount = 3;
constexpr int kUserLabels = 20;      // user labels of mylab per axis
constexpr int kUserLabelLength = 32; // characters of one user label
constexpr int kAxisNameLength = 132; // characters of an axis name

// Label kinds of labels, in the order of its keyword list.
enum class LabelKind {
    none = 0,
    floa,
    exp,
    log,
    clog,
    elog,
    map,
    dmap,
    lmap,
    time,
    hour,
    seco,
    myla,
    fexp,
    date
};

// Tick positions of ticpos (iticpos): on the label side, reversed, centred on the axis.
enum class TickPosition { labelSide = 0, reversed, centred };

// Label justifications of labjus (ilabjus).
enum class LabelJustification { automatic = 0, left, right, outwards, inwards };

// Parts of an axis that axclrs colours, in the order of its keyword list.
enum class AxisPart { line = 0, tick, label, name };

struct AxisOptionState {
    int inoline[kAxisCount] = {1, 1, 1}; // axis line drawn (1) or not (noline)
    int nticks[kAxisCount] = {2, 2, 2};  // ticks per label interval, 0..1000
    int ilabels[kAxisCount] = {1, 1, 1}; // LabelKind
    // Derived from the label kind by labels:
    int ilabcls[kAxisCount] = {
        2, 2, 2}; // log-label form: 1 powers of ten (LOG, CLOG), 2 values, 3 exponents (ELOG)
    int ilabexp[kAxisCount] = {0, 0, 0}; // 1 for EXP and CLOG
    int ilabkin[kAxisCount] = {0, 0, 0}; // label class: 0 numbers, 1 times, 2 degrees, 3 dates
    int ilogax[kAxisCount] = {0, 0, 0};  // 0 linear, 1 logarithmic
    int ndigits[kAxisCount] = {1, 1, 1}; // decimals of labels, -1 integers without a point
    int iticpos[kAxisCount] = {0, 0, 0}; // ticks: 0 on the label side, 1 reversed, 2 centred
    int ilabpos[kAxisCount] = {0, 0, 0}; // labels: 0 at the ticks, 1 between them, 2 shifted inside
    int ilabtyp[kAxisCount] = {0, 0, 0}; // labels: 0 horizontal, 1 vertical
    int ilabjus[kAxisCount] = {0, 0, 0}; // justification: AUTO LEFT RIGH OUTW INWA
    int iaxends[kAxisCount] = {0, 0, 0}; // end labels: NONE NOFI NOLA NOEN ENDS FIRS LAST
    int nlabdis[kAxisCount] = {24, 24,
                               24}; // axis to labels, plot units (signed while an axis is drawn)
    int nnamdis[kAxisCount] = {30, 30, 30}; // labels to name, plot units (signed likewise)
    int inamjus[kAxisCount] = {0, 0, 0};    // name justification: CENT LEFT RIGH

    // Date labels (labmod).
    int ilmdfor[kAxisCount] = {0, 0, 0};       // order: DMY DYM MDY MYD YDM YMD
    int ilmdlan[kAxisCount] = {0, 0, 0};       // language: 0 English, 1 German
    int ilmdmon[kAxisCount] = {0, 0, 0};       // month: NAME SHOR NONE FULL LONG TINY
    int ilmdday[kAxisCount] = {1, 1, 1};       // day: NAME SHOR NONE FULL LONG
    int ilmdyea[kAxisCount] = {0, 0, 0};       // year: FULL SHOR NONE
    int ilmdste[kAxisCount] = {0, 0, 0};       // label step: DAYS MONT QUAR HALF YEAR DMON
    int ilmdcas[kAxisCount] = {0, 0, 0};       // case: 0 as written, 1 upper
    int ilmdsep[kAxisCount] = {'-', '-', '-'}; // separator character
    int iticmod[kAxisCount] = {0, 0, 0};       // date ticks: NONE DAYS MONT QUAR HALF YEAR DMON

    // User labels and axis names.
    int nmylab[kAxisCount] = {0, 0, 0}; // highest user label set; negative: taken in reverse order
    char cmylab[kAxisCount][kUserLabels][kUserLabelLength + 1] = {};
    char caxname[kAxisCount][kAxisNameLength + 1] = {};
    int naxclr[kAxisCount * 4] = {-1, -1, -1, -1, -1, -1,
                                  -1, -1, -1, -1, -1, -1}; // AxisPart colours per axis, -1 current

    // Automatic scaling (setscl).
    int isetscl[kAxisCount] = {0, 0, 0};   // 1 when setscl fixed the range of the axis
    float xsclmin[kAxisCount] = {0, 0, 0}; // data minimum (user values, not logarithms)
    float xsclmax[kAxisCount] = {0, 0, 0}; // data maximum
    int itimfmt = 0; // time labels chosen by the scaling: 0 hours and minutes, 2 with seconds

    // Single settings.
    int nticmin = 16;     // minor tick length, plot units (signed while an axis is drawn)
    int nticmaj = 24;     // major tick length
    int irgtlab = 0;      // 1: user labels right-justified (rgtlab)
    int irvynam = 0;      // 1: right Y axis name and vertical labels at 90 instead of 270 degrees
    int ilogtic = 0;      // 1: any integer step of a log axis gets logarithmic minor ticks
    int itimopt = 0;      // 1: times with colons
    int iexpzlb = 0;      // decade rounding of logarithmic colour bars: NONE FIRS BOTH
    int nhname = 36;      // height of axis names
    int ilabl3d = 0;      // labels of 3-D axes: STAN HORI PARA OTHE
    int ineglog = 0;      // 1: values <= 0 on logarithmic axes are plotted at xneglog
    float xneglog = 0.0f; // log10 of the value that stands in for them
    int irvline = 0;      // direction of the next tick: 0 forward, 1 backward
};
