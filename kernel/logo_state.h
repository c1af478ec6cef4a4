// LogoState: where, how large, in which colours and at which angle qornpl
// draws the vector logo.
#pragma once

struct LogoState {
    int iqlgcor = 1;         // 1: at the corner qornpl names; 0: at nqlgpos (qlgpos)
    int nqlgsiz = 300;       // edge of the square in plot units; default jqquni(300)
    int iqlgfil = 1;         // 1: the emblem is filled; 0 (nofill): outlines only
    int nqlgpos[2] = {0, 0}; // upper-left corner x, y in plot units
    int nqlgclr[2] = {0, 0}; // background colour, emblem colour (qlgclr)
    int iqlgclr = 0;         // 1 when qlgclr gave the colours
    int nqlgang = 0;         // angle in degrees, counter-clockwise
};
