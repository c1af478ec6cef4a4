// Starting and filling a legend: legini, leglin, and the settings legtit,
// legpos, legopt, legpat, legclr, mixleg.
#include <algorithm>
#include <cstring>

#include "graphics2d/legend.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

// The settings need a started legend; warning 15 otherwise.
bool legendStarted(const GlobalRecord &rec) {
    if (rec.legend.ilegini == 1) return true;
    warnin(Warning::noLegini);
    return false;
}

} // namespace

extern "C" void legini(char *cbuf, int nlin, int nmaxln) {
    GlobalRecord *recp = jqqlev(1, 3, "legini");
    if (recp == nullptr) return;
    const int bad = jqqval(nlin, 1, kLegendEntries) + jqqval(nmaxln, 1, kLegendEntryChars);
    if (bad != 0 || !haveBuffer(cbuf)) return;
    LegendState &l = recp->legend;
    cbuf[0] = '\0';
    l.nleglin = nlin;
    l.nlegchr = nmaxln;
    l.ilegini = 1;
    l.nlegtxw = 0;
    l.nlegwth = 0;
    l.nleghgt = 0;
    l.ilegtwd = 0;
    l.ilegpat = 0;
    l.xlegopt[0] = 4.0f;
    l.xlegopt[1] = 0.5f;
    l.xlegopt[2] = 1.0f;
    l.ilegpos = 1;
    qqcopy(l.clegtit, "Legende");
    std::fill(l.clegdef, l.clegdef + kLegendEntries, ' ');
}

extern "C" void leglin(char *cbuf, const char *cstr, int ilin) {
    GlobalRecord *recp = jqqlev(1, 3, "leglin");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    LegendState &l = rec.legend;
    if (!legendStarted(rec) || jqqval(ilin, 1, l.nleglin) != 0 || !haveBuffer(cbuf)) return;
    const char *text = cstr != nullptr ? cstr : "";
    if (trmlen(text) > l.nlegchr) {
        warnc1(Warning::legendLineTooLong, text);
        return;
    }
    // Trailing blanks past the entry's end are dropped: they would run into
    // the next entry.
    const int length = std::min(int(std::strlen(text)), l.nlegchr);
    char *entry = cbuf + (ilin - 1) * l.nlegchr;
    std::memcpy(entry, text, std::size_t(length));
    std::memset(entry + length, ' ', std::size_t(l.nlegchr - length));
    l.nlegtxw = std::max(l.nlegtxw, measureText(rec, text));
    l.nlegwth = std::max(l.nlegwth, legendWidth(rec, cbuf));
    l.nleghgt = std::max(l.nleghgt, legendHeight(rec, cbuf));
}

extern "C" void legtit(const char *ctit) {
    GlobalRecord &rec = chkini("legtit");
    if (!legendStarted(rec)) return;
    qqcopy(rec.legend.clegtit, ctit != nullptr ? ctit : "");
}

extern "C" void legpos(int nx, int ny) {
    GlobalRecord &rec = chkini("legpos");
    if (!legendStarted(rec)) return;
    // A corner past the largest page is held there: the box and its
    // entries are laid out from it.
    rec.legend.nlegpos[0] = heldOnPage(nx);
    rec.legend.nlegpos[1] = jqqyvl(rec, heldOnPage(ny));
    rec.legend.ilegpos = 0;
}

extern "C" void legopt(float xf1, float xf2, float xf3) {
    GlobalRecord &rec = chkini("legopt");
    if (!legendStarted(rec)) return;
    // Each bad factor is reported.
    bool good = true;
    const float factors[3] = {xf1, xf2, xf3};
    for (int i = 0; i < 3; ++i) {
        const float f = factors[i];
        if (i == 0 ? f >= 0.0f : f > 0.0f) continue;
        warni1(Warning::incorrectParameter, truncToInt(f));
        good = false;
    }
    if (!good) return;
    std::copy(factors, factors + 3, rec.legend.xlegopt);
}

extern "C" void legpat(int ilin, int ithk, int isym, int iclr, int ipat, int n) {
    GlobalRecord &rec = chkini("legpat");
    if (!legendStarted(rec)) return;
    // Each failing test is reported; any failure leaves the entry as it was.
    int bad = jqqval(ilin, -1, 7);
    bad += jqqval(ithk, 1, 0);
    bad += jqqval(isym, -1, 21);
    bad += jqqval(iclr, -1, -2);
    bad += jqqval(n, 1, kLegendEntries);
    if (bad != 0) return;
    LegendState &l = rec.legend;
    l.clegdef[n - 1] = '1';
    l.ilegpat = 1;
    l.nlegtyp[n - 1] = ilin;
    l.nlegthk[n - 1] = ithk;
    l.nlegsym[n - 1] = isym;
    l.nlegclr[n - 1] = iclr == -1 ? rec.colour.ncolor : iclr;
    l.nlegpat[n - 1] = ipat;
}

extern "C" void legclr(void) {
    chkini("legclr").legend.ilegclr = 1;
}

extern "C" void mixleg(void) {
    chkini("mixleg").legend.imixleg = 1;
}
