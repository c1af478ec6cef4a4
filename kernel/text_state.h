// TextState: the text settings the device text writers read (SVG text groups
// and characters). The text routines own and set them.
#pragma once

struct TextState {
    int nhchar = 36;            // character height in plot units
    int nangle = 0;             // text angle in degrees
    float xsinang = 0.0f;       // sine and cosine of nangle
    float xcosang = 1.0f;
    float xtxtshift = 0.0f;     // vertical shift of the characters (instruction commands)
    float xtxtloff = 0.0f;      // extra offset of underlines and inline symbols
    int npsfont = 0;            // index 0..34 of the current PostScript font
};
