// PageState: the page, its units and scaling onto the device, the origin shift,
// the hardware page, and the page-dependent values kavini computes.
#pragma once

struct PageState {
    float xpagw = 2969.0f;    // page width in 0.1 mm
    float xpagh = 2099.0f;    // page height in 0.1 mm
    char cpagfmt[5] = "DA4L"; // page-format name; "PAGE" after page()
    float xunits = 1.0f;      // unit factor: CM 1.0, INCH 2.54, POIN 0.352778, TWIP 0.176389
    int ipagmod = 0;          // orientation: 0 LAND, 1 PORT (the page is turned), 2 NONE
    int isclmod = 0;          // scaling onto the device: 0 DOWN, 1 FULL, 2 NONE
    float xsclfac = 1.0f;     // explicit scale factor
    int ipagorg = 0;          // origin of user page coordinates: 0 TOP, 1 BOTT
    int nxorg = 0, nyorg = 0; // origin shift added to every point
    int ihwpage = 0;          // 1 when hwpage gave the hardware page
    int nhwpage[2] = {0, 0};  // hardware page width and height
    int ihworg = 0;           // 1 when hworig gave the hardware origin
    int nhworg[2] = {0, 0};   // hardware origin x, y
    int iusrdrw = 0;          // 1 while a routine draws at user coordinates

    // Computed by kavini.
    int nxpage = 0, nypage = 0; // page size in plot units
    int naxslen0[2] = {0, 0};   // default axis lengths
    int naxspos0[2] = {0, 0};   // default lower-left corner of the axis system
    float xdevscl = 0.0f;       // device units per plot unit
    int nbitpix = 0;            // bits per pixel of the device
    int iscrset = 4;            // background mode asked for: 4 AUTO
    int iscrmod = 0;            // background mode in force (2 REVE: reversed)
    int iscrold = -1;           // background mode applied last; -1 before the first plot
    int ihwfont = 0;            // hardware font system, 1 after kavini
};
