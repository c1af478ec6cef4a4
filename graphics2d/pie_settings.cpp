// Settings of pie charts: the flat or 3-D look, its view and wall, the texts
// around label numbers, pointers, pulled-out segments, colours and borders.
// Every setter stores at any level; chkini warns outside levels 1 to 3.
#include <algorithm>

#include "graphics2d/pie_state.h"
#include "graphics2d/pies.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

extern "C" void pietyp(const char *copt) {
    GlobalRecord &rec = chkini("pietyp");
    setFromKeyword(rec.pie.ipietyp, "2D  +3D  ", 2, copt);
}

extern "C" void pieopt(float xf, float ang) {
    GlobalRecord &rec = chkini("pieopt");
    // Each value is checked and stored on its own.
    if (ang > 0.0f && ang <= 90.0f)
        rec.pie.xpieopt[0] = ang;
    else
        warnin(Warning::incorrectParameter);
    if (xf > 0.0f)
        rec.pie.xpieopt[1] = xf;
    else
        warnin(Warning::incorrectParameter);
}

extern "C" void pielab(const char *cstr, const char *cpos) {
    GlobalRecord &rec = chkini("pielab");
    const int i = jqqind("LEFT+RIGH", 2, cpos);
    if (i == 0) return;
    qqcopy(rec.pie.cpielab[i - 1], cstr != nullptr ? cstr : "");
}

extern "C" void pievec(int ivec, const char *cvec) {
    GlobalRecord &rec = chkini("pievec");
    if (jqqval(ivec, 0, 9999) == 0) rec.pie.npievec[1] = ivec;
    setFromKeyword(rec.pie.npievec[0], "BROK+STRA+NONE", 3, cvec);
}

extern "C" void pieexp(void) {
    chkini("pieexp").pie.ipieexp = 1;
}

extern "C" void pieclr(const int *ic1ray, const int *ic2ray, int n) {
    GlobalRecord &rec = chkini("pieclr");
    if (jqqval(n, 0, kPieColours) != 0) return;
    if (n > 0 && (ic1ray == nullptr || ic2ray == nullptr)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    for (int i = 0; i < n; ++i) {
        if (ic1ray[i] < -1 || ic2ray[i] < -1) {
            warni1(Warning::incorrectParameter, ic1ray[i] < -1 ? ic1ray[i] : ic2ray[i]);
            return;
        }
    }
    PieState &p = rec.pie;
    std::fill(p.npiefgc, p.npiefgc + kPieColours, -1);
    std::fill(p.npiebgc, p.npiebgc + kPieColours, -1);
    std::copy(ic1ray, ic1ray + n, p.npiefgc);
    std::copy(ic2ray, ic2ray + n, p.npiebgc);
    p.npieclr = n;
}

extern "C" void piebor(int ic) {
    GlobalRecord &rec = chkini("piebor");
    if (jqqval(ic, -1, -2) == 0) rec.pie.npiebor = ic;
}

void resetPieDefaults(GlobalRecord &rec) {
    rec.pie = PieState{};
    std::fill(rec.pie.npiefgc, rec.pie.npiefgc + kPieColours, -1);
    std::fill(rec.pie.npiebgc, rec.pie.npiebgc + kPieColours, -1);
}
