// ColourState: the current colour, the 256-entry colour table and the colours
// derived from it (named colours, FORE and BACK, the colour range and the curve
// colour cycle).
// The layout of colour values and table entries is in colour_value.h.
#pragma once

enum class ColourTableKind { Smal, Rain, Spec, Grey, Rrai, Rspe, Rgre, Vga, Temp };

constexpr int kCurveCycleLength = 30;

struct ColourState {
    int ncolor = 0;                      // current colour value
    int nclrbgd = 0;                     // colour value of BACK
    int nclrfgd = 0;                     // colour value of FORE, made current by setvlt
    int iclrmod = 0;                     // colour mode of clrmod: 0 NONE, 1 FULL, 2 CONT
    int ivltid = 0;                      // kind of the table (ColourTableKind)
    int nclrran[2] = {0, 0};             // colour range (first, last index) of colour scales
    int nclrran0[2] = {0, 0};            // the table's two end indices
    int nclrnam[9] = {};                 // values of WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC
    int nrgbtab[256] = {};               // the colour table, 0xRRGGBB
    int iusrvlt = 0;                     // 1 when myvlt gave the table before kavini
    int nclrcyc[kCurveCycleLength] = {}; // curve colour cycle, entries 1..30 at 0..29
    char cvltfil[257] = "";              // colour-table file saved or loaded by vltfil
    int ivltfil = 0;                     // 1 once vltfil saved or loaded a colour-table file
    char cvltnam[6] = "";                // name of the table kind, as getvlt returns it
};
