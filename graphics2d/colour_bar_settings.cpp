// Settings of the colour bar of graf3 and of the points of colour plots:
// widbar, vkxbar, vkybar, nobar, nobgd, autres, setres.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void widbar(int n) {
    GlobalRecord &rec = chkini("widbar");
    if (jqqval(n, 0, 10000) == 0) rec.axsys.nwidbar = n;
}

extern "C" void vkxbar(int n) {
    // Shifts past the largest page are held there: they are added to the
    // corner of the axis system.
    chkini("vkxbar").axsys.nvkxbar = heldOnPage(n);
}

extern "C" void vkybar(int n) {
    chkini("vkybar").axsys.nvkybar = heldOnPage(n);
}

extern "C" void nobar(void) {
    chkini("nobar").axsys.inobar = 0;
}

extern "C" void nobgd(void) {
    chkini("nobgd").axsys.inobgd = 1;
}

extern "C" void autres(int ixdim, int iydim) {
    GlobalRecord *rec = jqqlev(1, 1, "autres");
    if (rec == nullptr) return;
    const int bad = jqqval(ixdim, 2, 10000) + jqqval(iydim, 2, 10000);
    if (bad != 0) return;
    rec->axsys.nautres[0] = ixdim;
    rec->axsys.nautres[1] = iydim;
    rec->axsys.iautres = 1;
}

extern "C" void setres(int npb, int nph) {
    GlobalRecord &rec = chkini("setres");
    // Each size is stored unless negative; the automatic size ends either way.
    if (npb < 0)
        warni1(Warning::negativeParameter, npb);
    else
        rec.axsys.nsetres[0] = npb;
    if (nph < 0)
        warni1(Warning::negativeParameter, nph);
    else
        rec.axsys.nsetres[1] = nph;
    rec.axsys.iautres = 0;
}
