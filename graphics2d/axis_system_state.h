// AxisSystemState: where the current axis system lies on the page and how user
// coordinates map onto it. graf fills it; every routine that plots in user
// coordinates reads it. It stays valid after endgrf until the next axis
// system. Plot coordinates: page units, y growing downwards.
#pragma once
#include "graphics2d/axis_options.h"

// Sides of an axis system as isetgrf holds them.
enum class AxisSide { bottom = 0, right = 1, top = 2, left = 3 };
// What setgrf lets a side draw: each level includes the ones below it.
enum class SideLevel { none = 0, line, tick, label, name };

struct AxisSystemState {
    int igrftyp = 0;         // kind: 0 plain, 1 polar, 2 map, 3 three-dimensional
    int igraf3 = 0;          // 1 while an axis system with a colour bar is open
    int iaxstyp = 0;         // 0 RECT (four axes), 1 CROS (two axes crossing at the user origin)
    int inograf = 0;         // 1: the next axis system is scaled but not drawn
    int iax2grf = 0;         // 1: the top X axis and the right Y axis are not drawn
    int icenter = 0;         // centring: 1 asked for by center, 2 done by graf
    int naxspos[2] = {0, 0}; // lower-left corner (x, y), plot units
    int naxsorg[2] = {0, 0}; // plot position of the user origin of a crossed system
    int iaxspos = 0;         // 1 when axsorg placed the axis system by its origin
    int naxslen[kAxisCount] = {0, 0, 0}; // axis lengths X, Y, Z in plot units
    float xgrfx[4] = {
        0, 0, 0,
        0}; // X axis as graf took it: start, end, first label, step (exponents on log axes)
    float xgrfy[4] = {0, 0, 0, 0};   // Y axis likewise
    float xusrwin[4] = {0, 0, 0, 0}; // user limits X min, X max, Y min, Y max (powers on log axes)
    float xsclxy[2] = {0, 0};        // plot units per user unit in X and Y
    float xaxsorg[2] = {0, 0};       // the corner as floats: origin of the transformation
    int naxsbgd = -1;                // background colour, -1 none
    int isetgrf[4] = {4, 2, 2, 4};   // SideLevel of the bottom, right, top and left side
    int igrace = -1;                 // grace margin of the clip rectangle, -1 default
    int nclpaxs[4] = {
        0, 0, 0, 0}; // clip rectangle of the axis system x1, y1, x2, y2 (origin shift included)
    int nclpsav[4] = {0, 0, 0,
                      0};   // the page clip window saved while the axis-system clipping is on
    int naxsur[2] = {0, 0}; // upper-right corner: x + X length - 1, y - Y length + 1

    // The axis being drawn: its line switch, tick count, label kind and name
    // as the side allows them (sgrafp exchanges them with the axis's own).
    int isavlin = 0;
    int isavtic = 0;
    int isavlab = 0;
    char csavnam[kAxisNameLength + 1] = "";

    // Colour bar of the axis systems with a third axis.
    int nwidbar = 85;        // bar width, plot units
    int nvkxbar = 0;         // horizontal shift of the bar
    int nvkybar = 0;         // vertical shift of the bar
    int nsetres[2] = {1, 1}; // width and height of the points of colour plots
    int nbardis = 85;        // distance between the axis system and the bar
    int inobar = 1;          // 1: graf3 draws its bar, 0 suppressed (nobar)
    int inobgd = 0;          // 1: colour points in the below-range colour are not drawn
    int iautres = 0;         // 1: graf3 derives nsetres from the cell counts nautres
    int nautres[2] = {0, 0}; // cells in x and y of the automatic point size (autres)

    // The Z axis that maps values to colours (setzpa, setzsc).
    float xzpa[4] = {0, 0, 0, 0}; // start, end, first label, step (exponents on a log axis)
    float xzusr[2] = {0, 0};      // user limits, ascending
    float xzplscl = 0;            // plot units per z unit
    float xzclrscl = 0;           // colours per z unit
};
