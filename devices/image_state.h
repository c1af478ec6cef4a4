// ImageState: image mode and the pixel routines (imgini, imgmod, imgbox,
// imgsiz) and the part of the picture that raster files cover (imgclp).
#pragma once

struct ImageState {
    int iimgini = 0;     // 1 while image mode is on
    int iimgmod = 0;     // values of the pixel routines: 0 colour numbers, 1 R, G, B
    int iimgbox = 0;     // 1 when imgbox gave the page rectangle of PostScript/PDF images
    int nimgbox[4] = {}; // x, y (top-down page), width, height in plot units
    int iimgsiz = 0;     // 1 when imgsiz gave the pixel size of PostScript/PDF images
    int nimgsiz[2] = {}; // width, height in pixels
    int iimgclp = 0;     // 1 when imgclp gave the part of the picture raster files cover
    int nimgclp[4] = {}; // x, y, width, height in pixels
    // PostScript and PDF image mode with an image size: nwinsiz holds it while
    // image mode is on, and the window size waits here. (Kept apart from
    // nimgsiz, so that an imgsiz between imgini and imgfin cannot end up as
    // the window size.)
    bool windowSizeSaved = false;
    int nwinsizSaved[2] = {};
};
