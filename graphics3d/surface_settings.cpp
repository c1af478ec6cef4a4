// The options of surfaces: survis, suropt, surmsh, surclr, nohide, mshclr,
// sursze, shdmod. They only store values; the surface routines read them
// when they draw.
#include "graphics3d/surface_settings.h"

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void resetSurfaceDefaults(GlobalRecord &rec) {
    SurfaceState &s = rec.surface;
    s.isuropt = 0;
    s.isurmsh = 0;
    s.inohide = 0;
    s.isursze = 0;
    s.nmshclr = -1;
    s.ishdsur = 0;
    s.ishdcon = 0;
    s.ishdcrv = 0;
    s.ishdcel = 0;
    s.ishdclr = 0;
}

extern "C" void survis(const char *copt) {
    GlobalRecord &rec = chkini("survis");
    setFromKeyword(rec.horizon.isurvis, "BOTH+TOP +BOTT", 3, copt);
}

extern "C" void suropt(const char *copt) {
    GlobalRecord &rec = chkini("suropt");
    setFromKeyword(rec.surface.isuropt, "BOTH+XISO+YISO", 3, copt);
}

extern "C" void surmsh(const char *copt) {
    GlobalRecord &rec = chkini("surmsh");
    setFromKeyword(rec.surface.isurmsh, "OFF +ON  +ONLY", 3, copt);
}

// Both colours are checked, so that the caller hears of each bad one.
extern "C" void surclr(int itop, int ibot) {
    GlobalRecord &rec = chkini("surclr");
    const int badTop = jqqval(itop, -1, -2);
    const int badBottom = jqqval(ibot, -1, -2);
    if (badTop + badBottom != 0) return;
    HorizonState &h = rec.horizon;
    h.nsurclr[0] = itop;
    h.nsurclr[1] = ibot;
    h.isurclr = 1;
}

extern "C" void nohide(void) {
    chkini("nohide").surface.inohide = 1;
}

extern "C" void mshclr(int nclr) {
    GlobalRecord &rec = chkini("mshclr");
    if (jqqval(nclr, -1, -2) == 0) rec.surface.nmshclr = nclr;
}

extern "C" void sursze(float xa, float xe, float ya, float ye) {
    GlobalRecord &rec = chkini("sursze");
    if (xa == xe || ya == ye) {
        warnin(Warning::equalScalingLimits);
        return;
    }
    SurfaceState &s = rec.surface;
    s.xsursze[0] = xa;
    s.xsursze[1] = xe;
    s.xsursze[2] = ya;
    s.xsursze[3] = ye;
    s.isursze = 1;
}

namespace {

// One shading group of shdmod: its keywords and the field they set.
struct ShadingGroup {
    const char *modes;
    int count;
    int SurfaceState::*field;
};

constexpr ShadingGroup kShadingGroups[] = {
    {"FLAT+SMOO", 2, &SurfaceState::ishdsur},           // SURF
    {"CELL+POLY", 2, &SurfaceState::ishdcon},           // CONT
    {"RECT+SYMB", 2, &SurfaceState::ishdcrv},           // CURV
    {"BOTH+UPPE+LOWE+NONE", 4, &SurfaceState::ishdcel}, // CELL
    {"LOWE+MIDD+UPPE", 3, &SurfaceState::ishdclr},      // COLO
};

} // namespace

// The option comes first, the object second.
extern "C" void shdmod(const char *copt, const char *ctype) {
    GlobalRecord &rec = chkini("shdmod");
    const int group = jqqind("SURF+CONT+CURV+CELL+COLO", 5, ctype);
    if (group == 0) return;
    const ShadingGroup &g = kShadingGroups[group - 1];
    const int mode = jqqind(g.modes, g.count, copt);
    if (mode != 0) rec.surface.*g.field = mode - 1;
}
