// PieState: the options of pie charts (label contents and places, pointers,
// the 3-D look, colours and borders of the segments). The change of colour or
// pattern from segment to segment is BarState.ichnpie.
#pragma once

constexpr int kPieColours = 30;    // user colour pairs of pieclr
constexpr int kPieLabelChars = 20; // longest text of pielab

// Label places of labpos(..., "PIE").
enum class PieLabelPlace { inside = 0, external, aligned };
// Label justification of labtyp(..., "PIE").
enum class PieLabelJustify { centre = 0, left, right, typeset, outwards, inwards };
// Label contents of labels(..., "PIE").
enum class PieLabel { none = 0, percent, data, both };
// Pointers from outside labels to their segments (pievec).
enum class PiePointer { broken = 0, straight, none };

struct PieState {
    int npieper = 1;                          // decimals of percent labels
    int npiedig = 1;                          // decimals of data labels
    int ipielbp = 0;                          // PieLabelPlace
    int ipielbt = 0;                          // PieLabelJustify
    int ipielab = 1;                          // PieLabel
    int npielbc = -1;                         // label colour, -1 the current colour
    int npievec[2] = {0, 2301};               // PiePointer, arrow code of vector
    int ipietyp = 0;                          // 0 flat, 1 the 3-D look
    int ipieexp = 0;                          // 1: every segment pulled out
    float xpieopt[2] = {45.0f, 0.2f};         // 3-D view angle in degrees, wall thickness / radius
    int npieclr = 0;                          // user colour pairs in force, 0..30
    int npiefgc[kPieColours] = {};            // segment colours, -1 default
    int npiebgc[kPieColours] = {};            // wall colours, -1 default
    int npiebor = -1;                         // border colour, -1 none (FORE on 3-D walls)
    char cpielab[2][kPieLabelChars + 1] = {}; // texts before (LEFT) and after (RIGH) a number
};
