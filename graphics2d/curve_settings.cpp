// Curve settings: mode, thickness, splines, bar width, markers, gaps, the
// attribute cycles, and the cycle's advance from curve to curve (chnatt,
// resatt).
#include "graphics2d/curves.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/warnings.h"

extern "C" void polcrv(const char *copt) {
    GlobalRecord &rec = chkini("polcrv");
    setFromKeyword(rec.curve.ipolcrv, "LINE+STEP+BARS+SPLI+PSPL+STEM+STAI+FBAR", 8, copt);
}

extern "C" void thkcrv(int n) {
    GlobalRecord &rec = chkini("thkcrv");
    if (jqqval(n, 1, 10000) == 0) rec.curve.nthkcrv = n;
}

extern "C" void splmod(int k, int n) {
    GlobalRecord &rec = chkini("splmod");
    if (jqqval(k, 2, 10) != 0 || jqqval(n, 5, 30000) != 0) return;
    rec.spline.nsplmod[0] = k;
    rec.spline.nsplmod[1] = n;
}

extern "C" void barwth(float factor) {
    chkini("barwth").curve.xbarwth = factor;
}

extern "C" void marker(int n) {
    GlobalRecord &rec = chkini("marker");
    const SymbolState &s = rec.symbol;
    const bool user = s.nusrsym > 0 && n == s.iusrsym;
    if (user || jqqval(n, 0, s.nmaxsym) == 0) rec.curve.nmarker = n;
}

extern "C" void incmrk(int n) {
    chkini("incmrk").curve.nincmrk = n;
}

extern "C" void inccrv(int n) {
    GlobalRecord &rec = chkini("inccrv");
    if (jqqval(n, 1, 32000) == 0) rec.curve.ninccrv = n;
}

extern "C" void gapcrv(float x) {
    GlobalRecord &rec = chkini("gapcrv");
    rec.curve.xgapcrv = x;
    rec.curve.igapcrv = 1;
}

extern "C" void lincyc(int index, int ityp) {
    GlobalRecord &rec = chkini("lincyc");
    if (jqqval(index, 1, kAttributeCycle) != 0 || jqqval(ityp, 0, 7) != 0) return;
    rec.curve.nlincyc[index - 1] = ityp;
}

extern "C" void patcyc(int index, int ipat) {
    GlobalRecord &rec = chkini("patcyc");
    if (jqqval(ipat, 0, 180000) != 0 || jqqval(index, 1, kAttributeCycle) != 0) return;
    rec.curve.npatcyc[index - 1] = ipat;
}

void advanceAttributes(GlobalRecord &rec) {
    CurveState &c = rec.curve;
    if (c.ncrvgrp == 1) return;
    c.icyccrv = c.icyccrv % kAttributeCycle + 1;
    c.nlegcrv += 1;
    c.ncrvgrp = 1;
    if (c.nincmrk != 0) c.nmarker = c.nmarker % rec.symbol.nmaxsym + 1;
    c.ilegpen = 1;
}

void resetCurveAttributes(GlobalRecord &rec) {
    CurveState &c = rec.curve;
    c.nmarker = 0;
    c.icyccrv = 1;
    c.ncrvgrp = 1;
    c.ilegpen = 1;
}

extern "C" void chnatt(void) {
    advanceAttributes(currentRecord());
}

extern "C" void resatt(void) {
    GlobalRecord *rec = qqgglb();
    if (rec != nullptr) resetCurveAttributes(*rec);
}
