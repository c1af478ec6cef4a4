// Settings of the axes themselves: line, ticks, end labels, colours of the
// parts, names, logarithmic options and the base date of date axes.
#include <cmath>

#include "graphics2d/axis_selectors.h"
#include "kavlor.h"
#include "kernel/dates.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

extern "C" void noline(const char *cax) {
    gaxsop(cax, 0, chkini("noline").axes.inoline);
}

extern "C" void ticks(int n, const char *cax) {
    GlobalRecord &rec = chkini("ticks");
    if (jqqval(n, 0, 1000) == 0) gaxsop(cax, n, rec.axes.nticks);
}

extern "C" void ticlen(int nmaj, int nmin) {
    GlobalRecord &rec = chkini("ticlen");
    if (jqqval(nmaj, 1, 10000) != 0 || jqqval(nmin, 1, 10000) != 0) return;
    rec.axes.nticmaj = nmaj;
    rec.axes.nticmin = nmin;
}

extern "C" void ticpos(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("ticpos");
    const int i = jqqind("LABE+REVE+CENT", 3, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.iticpos);
}

extern "C" void ticmod(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("ticmod");
    const int i = jqqind("NONE+DAYS+MONT+QUAR+HALF+YEAR+DMON", 7, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.iticmod);
}

extern "C" void timopt(void) {
    chkini("timopt").axes.itimopt = 1;
}
extern "C" void rgtlab(void) {
    chkini("rgtlab").axes.irgtlab = 1;
}
extern "C" void rvynam(void) {
    chkini("rvynam").axes.irvynam = 1;
}

extern "C" void axends(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("axends");
    const int i = jqqind("NONE+NOFI+NOLA+NOEN+ENDS+FIRS+LAST", 7, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.iaxends);
}

extern "C" void axclrs(int nclr, const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("axclrs");
    const int i = jqqind("LINE+TICK+LABE+NAME+ALL ", 5, copt);
    if (i == 0 || jqqval(nclr, -1, -2) != 0) return;
    for (int axis = 0; axis < kAxisCount; ++axis) {
        if (!selectsAxis(cax, axis)) continue;
        int *parts = rec.axes.naxclr + 4 * axis;
        if (i == 5)
            for (int part = 0; part < 4; ++part)
                parts[part] = nclr;
        else
            parts[i - 1] = nclr;
    }
}

extern "C" void name(const char *cstr, const char *cax) {
    GlobalRecord &rec = chkini("name");
    for (int axis = 0; axis < kAxisCount; ++axis)
        if (selectsAxis(cax, axis)) qqcopy(rec.axes.caxname[axis], cstr != nullptr ? cstr : "");
}

extern "C" void namjus(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("namjus");
    const int i = jqqind("CENT+LEFT+RIGH", 3, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.inamjus);
}

extern "C" void namdis(int ndis, const char *cax) {
    // Held at the largest page, as the label distance.
    gaxsop(cax, heldOnPage(ndis), chkini("namdis").axes.nnamdis);
}

extern "C" void hname(int nh) {
    GlobalRecord &rec = chkini("hname");
    if (jqqval(nh, 1, 10000) == 0) rec.axes.nhname = nh;
}

extern "C" void logtic(const char *copt) {
    GlobalRecord &rec = chkini("logtic");
    setFromKeyword(rec.axes.ilogtic, "AUTO+FULL", 2, copt);
}

extern "C" void neglog(float eps) {
    GlobalRecord &rec = chkini("neglog");
    if (!(eps > 0.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.axes.xneglog = std::log10(eps);
    rec.axes.ineglog = 1;
}

extern "C" void nochek(void) {
    chkini("nochek").msg.ichkpnt = 0;
}

extern "C" void basdat(int iday, int imon, int iyear) {
    GlobalRecord *rec = jqqlev(0, 3, "basdat");
    if (rec == nullptr || jqqdat(iday, imon, iyear) != 0) return;
    int *base = rec->date.nbasdat;
    base[0] = iday;
    base[1] = imon;
    base[2] = iyear;
    base[3] = dayOfYear(iday, imon, iyear);
    base[4] = 1;
}
