// Settings of bar graphs: kind, positions, width mode, groups, colours,
// borders, the 3-D look and the change of colour or pattern from bar to bar
// (and from pie segment to segment, and the curve cycling). Every setter
// stores at any level; chkini warns outside levels 1 to 3.
#include "graphics2d/bars.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void bartyp(const char *copt) {
    GlobalRecord &rec = chkini("bartyp");
    setFromKeyword(rec.bar.ibartyp, "VERT+HORI+3DVE+3DHO", 4, copt);
}

extern "C" void barpos(const char *copt) {
    GlobalRecord &rec = chkini("barpos");
    // NONE, TICK, AXIS, BOTH as (axis flag, tick flag).
    constexpr int kFlags[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    const int i = jqqind("NONE+TICK+AXIS+BOTH", 4, copt);
    if (i == 0) return;
    rec.bar.ibarpos[0] = kFlags[i - 1][0];
    rec.bar.ibarpos[1] = kFlags[i - 1][1];
}

extern "C" void barmod(const char *cmode, const char *copt) {
    GlobalRecord &rec = chkini("barmod");
    if (jqqind("WIDT", 1, copt) == 0) return;
    setFromKeyword(rec.bar.ibarmod, "FIXE+VARI", 2, cmode);
}

extern "C" void bargrp(int n, float xgap) {
    GlobalRecord &rec = chkini("bargrp");
    if (jqqval(n, 1, kMaxBarsPerGroup) != 0) return;
    rec.bar.nbargrp = n;
    rec.bar.xbargap = xgap;
}

extern "C" void barclr(int ic1, int ic2, int ic3) {
    GlobalRecord &rec = chkini("barclr");
    // -1 is the current colour; no upper bound, since explicit RGB values are colours too.
    if (jqqval(ic1, -1, -2) != 0 || jqqval(ic2, -1, -2) != 0 || jqqval(ic3, -1, -2) != 0) return;
    rec.bar.nbarclr[0] = ic1;
    rec.bar.nbarclr[1] = ic2;
    rec.bar.nbarclr[2] = ic3;
}

extern "C" void barbor(int ic) {
    GlobalRecord &rec = chkini("barbor");
    if (jqqval(ic, -1, -2) == 0) rec.bar.nbarbor = ic;
}

extern "C" void baropt(float xf, float angle) {
    GlobalRecord &rec = chkini("baropt");
    rec.bar.xbaropt[0] = xf;
    rec.bar.xbaropt[1] = angle;
}

extern "C" void chnbar(const char *copt) {
    GlobalRecord &rec = chkini("chnbar");
    setFromKeyword(rec.bar.ichnbar, "NONE+COLO+PATT+BOTH", 4, copt);
}

extern "C" void chnpie(const char *copt) {
    GlobalRecord &rec = chkini("chnpie");
    setFromKeyword(rec.bar.ichnpie, "NONE+COLO+PATT+BOTH", 4, copt);
}

extern "C" void chncrv(const char *copt) {
    GlobalRecord &rec = chkini("chncrv");
    setFromKeyword(rec.curve.ichncrv, "NONE+COLO+LINE+BOTH", 4, copt);
}

void resetBarDefaults(GlobalRecord &rec) {
    BarState &b = rec.bar;
    b.ibartyp = int(BarKind::vertical);
    b.ibarpos[0] = b.ibarpos[1] = 0;
    b.ibarmod = int(BarWidthMode::fixed);
    b.nbargrp = 1;
    b.xbargap = 0.0f;
    b.xbaropt[0] = -1.0f;
    b.xbaropt[1] = 45.0f;
    b.nbarclr[0] = b.nbarclr[1] = b.nbarclr[2] = -1;
    b.nbarbor = -1;
    b.ichnbar = int(BarCycling::none);
    b.ichnpie = int(BarCycling::pattern);
    b.nbarcnt = 0;
    b.ncrvcnt = 0;
    b.ibarlab = int(BarLabel::none);
    b.ibarlbp = kBarLabelAuto;
    b.nbarlbc = -1;
    b.nbardig = 1;
}
