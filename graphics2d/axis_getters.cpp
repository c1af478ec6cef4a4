// Getters of the axis settings, the current axis system and the curve marker.
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

GlobalRecord *plotLevel(const char *name) {
    return jqqlev(1, 3, name);
}

void triple(const int (&v)[kAxisCount], int *ix, int *iy, int *iz) {
    *ix = v[0];
    *iy = v[1];
    *iz = v[2];
}

constexpr const char *kLabelNames[15] = {"NONE", "FLOAT",   "EXP",   "LOG",  "CLOG",
                                         "ELOG", "MAP",     "DMAP",  "LMAP", "TIME",
                                         "HOUR", "SECONDS", "MYLAB", "FEXP", "DATE"};

} // namespace

extern "C" void getpos(int *nx, int *ny) {
    GlobalRecord *rec = plotLevel("getpos");
    if (rec == nullptr) return;
    *nx = rec->axsys.naxspos[0];
    *ny = jqqyvl(*rec, rec->axsys.naxspos[1]);
}

extern "C" void getlen(int *nx, int *ny, int *nz) {
    GlobalRecord *rec = plotLevel("getlen");
    if (rec != nullptr) triple(rec->axsys.naxslen, nx, ny, nz);
}

extern "C" void getgrf(float *a, float *e, float *orig, float *step, const char *cax) {
    GlobalRecord *rec = jqqlev(2, 3, "getgrf");
    if (rec == nullptr) return;
    const char axis = cax != nullptr ? upperAscii(cax[0]) : '\0';
    const float *v = nullptr;
    const bool box = rec->core.ilevel == 3 && rec->axsys.igrftyp == 3;
    if (box && (axis == 'X' || axis == 'Y' || axis == 'Z')) {
        // The axes of the 3-D axis system.
        v = rec->view3d.xgrf3d[axis - 'X'];
    } else if (axis == 'X') {
        v = rec->axsys.xgrfx;
    } else if (axis == 'Y') {
        v = rec->axsys.xgrfy;
    } else if (axis == 'Z') {
        // The Z axis belongs to the axis systems with a third axis: the
        // colour axis of graf3.
        if (rec->core.ilevel != 3) {
            warni1(Warning::incorrectLevel, rec->core.ilevel);
            return;
        }
        v = rec->axsys.xzpa;
    } else {
        warnc1(Warning::incorrectParameter, cax != nullptr ? cax : "");
        return;
    }
    *a = v[0];
    *e = v[1];
    *orig = v[2];
    *step = v[3];
}

extern "C" void getscl(int *ix, int *iy, int *iz) {
    GlobalRecord *rec = plotLevel("getscl");
    if (rec != nullptr) triple(rec->axes.ilogax, ix, iy, iz);
}

extern "C" void getlab(char *cx, char *cy, char *cz) {
    GlobalRecord *rec = plotLevel("getlab");
    if (rec == nullptr || !arraysGiven(cx, cy, cz)) return;
    char *out[kAxisCount] = {cx, cy, cz};
    for (int i = 0; i < kAxisCount; ++i) {
        const int kind = rec->axes.ilabels[i];
        qqcopy(out[i], kind >= 0 && kind < 15 ? kLabelNames[kind] : "", 7);
    }
}

extern "C" void getdig(int *ix, int *iy, int *iz) {
    GlobalRecord *rec = plotLevel("getdig");
    if (rec != nullptr) triple(rec->axes.ndigits, ix, iy, iz);
}

extern "C" void gettic(int *ix, int *iy, int *iz) {
    GlobalRecord *rec = plotLevel("gettic");
    if (rec != nullptr) triple(rec->axes.nticks, ix, iy, iz);
}

extern "C" void gettcl(int *nmaj, int *nmin) {
    GlobalRecord *rec = plotLevel("gettcl");
    if (rec == nullptr) return;
    *nmaj = rec->axes.nticmaj;
    *nmin = rec->axes.nticmin;
}

extern "C" void getsp1(int *ix, int *iy, int *iz) {
    GlobalRecord *rec = plotLevel("getsp1");
    if (rec != nullptr) triple(rec->axes.nlabdis, ix, iy, iz);
}

extern "C" void getsp2(int *ix, int *iy, int *iz) {
    GlobalRecord *rec = plotLevel("getsp2");
    if (rec != nullptr) triple(rec->axes.nnamdis, ix, iy, iz);
}

extern "C" int gethnm(void) {
    GlobalRecord *rec = plotLevel("gethnm");
    return rec != nullptr ? rec->axes.nhname : 0;
}

extern "C" void getvk(int *nytit, int *nxbar, int *nybar) {
    GlobalRecord *rec = plotLevel("getvk");
    if (rec == nullptr) return;
    *nytit = rec->title.nvkytit;
    *nxbar = rec->axsys.nvkxbar;
    *nybar = rec->axsys.nvkybar;
}

extern "C" int getwid(void) {
    GlobalRecord *rec = plotLevel("getwid");
    return rec != nullptr ? rec->axsys.nwidbar : 0;
}

extern "C" void getres(int *nw, int *nh) {
    GlobalRecord *rec = plotLevel("getres");
    if (rec == nullptr) return;
    *nw = rec->axsys.nsetres[0];
    *nh = rec->axsys.nsetres[1];
}

extern "C" void getsym(int *nsym, int *nh) {
    GlobalRecord *rec = plotLevel("getsym");
    if (rec == nullptr) return;
    *nsym = rec->curve.nmarker;
    *nh = rec->symbol.nhsymb;
}
