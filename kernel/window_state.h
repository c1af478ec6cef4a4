// WindowState: where the screen window goes and what it does at kavfin.
#pragma once

struct WindowState {
    int iwinset = 0;     // placement: 0 none, 1 window(), 2 winsiz()
    int nwinusr[4] = {}; // x, y, width, height from window() (winsiz writes width, height)
    int iwinopt = 0;     // delay in seconds for the wait mode DELA; resall sets 10
    int iwinmod = 0;     // at kavfin: 0 FULL, 1 NOER, 2 NONE, 3 NOHO, 4 DELA, 5 NOMB
    int iwinkey = 0;     // key that ends the wait: 0 NONE, 1 RETU, 2 ESCA
    int nwinpos[2] = {}; // window position for this plot
    int nwinsiz[2] = {}; // window (or raster) size for this plot
    int iwinid = 0;      // number of the screen window, 1..8
    int ix11mod = 2;     // X11 mode: 2 AUTO
    int ixidtyp = 0;     // kind of external window identifier: 0 NONE, 1 WIND, 2 PIXM, 3 WIDG
    int nxid = 0;        // the identifier given with it (setxid)
    int iextwin = 0;     // last external-window request 0 or 1: 1 draws into a window of another
};
