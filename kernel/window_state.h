// WindowState: where the screen window goes and what it does at kavfin, and
// the scale and geometry each screen window keeps for its selection.
#pragma once

constexpr int kWindowNumbers = 8; // screen windows 1..8

struct WindowState {
    int iwinset = 0;     // placement: 0 none, 1 window(), 2 winsiz()
    int nwinusr[4] = {}; // x, y, width, height from window() (winsiz writes width, height)
    int iwinopt = 0;     // delay in seconds for the wait mode DELA; resall sets 10
    int iwinmod = 0;     // at kavfin: 0 FULL, 1 NOER, 2 NONE, 3 NOHO, 4 DELA, 5 NOMB
    int iwinkey = 0;     // key that ends the wait: 0 NONE, 1 RETU, 2 ESCA
    int nwinpos[2] = {}; // window position for this plot
    int nwinsiz[2] = {}; // window (or raster) size for this plot
    int iwinid = 0;      // number of the screen window, 1..8
    // Device scale, position and size of window n at index n - 1, kept when
    // it opens and restored when it becomes current again.
    float xwinscl[kWindowNumbers] = {};
    int nwinxtab[kWindowNumbers] = {};
    int nwinytab[kWindowNumbers] = {};
    int nwinwtab[kWindowNumbers] = {};
    int nwinhtab[kWindowNumbers] = {};
    int ix11mod = 2; // X11 mode: 2 AUTO
    int ixidtyp = 0; // kind of external window identifier: 0 NONE, 1 WIND, 2 PIXM, 3 WIDG
    int nxid = 0;    // the identifier given with it (setxid)
    int iextwin = 0; // last external-window request 0 or 1: 1 draws into a window of another
    int icsruni = 0; // units of cursor positions: 0 plot units, 1 pixels
    int icsrtyp = 1; // cursor during input: 0 unchanged, 1 cross, 2 arrow, 3 up arrow
    int icsrmod = 0; // what csrpos does: 0 STAN, 1 SET, 2 READ, 3 GET

    // Keeps the scale and the current position and size for window n (1..8).
    void keepWindow(int n, float scale) {
        if (n < 1 || n > kWindowNumbers) return;
        xwinscl[n - 1] = scale;
        nwinxtab[n - 1] = nwinpos[0];
        nwinytab[n - 1] = nwinpos[1];
        nwinwtab[n - 1] = nwinsiz[0];
        nwinhtab[n - 1] = nwinsiz[1];
    }
    // Makes window n current with its kept position and size; its scale.
    float restoreWindow(int n) {
        iwinid = n;
        nwinpos[0] = nwinxtab[n - 1];
        nwinpos[1] = nwinytab[n - 1];
        nwinsiz[0] = nwinwtab[n - 1];
        nwinsiz[1] = nwinhtab[n - 1];
        return xwinscl[n - 1];
    }
};
