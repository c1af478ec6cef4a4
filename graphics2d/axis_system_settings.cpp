// Settings of the next axis system: its lengths, position, type, background,
// the sides setgrf draws, centring, the frame and the grace margin; box2d
// frames the current axis system once more.
#include <algorithm>

#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// A corner or origin given by axspos or axsorg must lie on the page with the
// origin shift; warning 2 with the coordinate that does not.
bool onPage(const GlobalRecord &rec, int nxa, int nya) {
    const PageState &p = rec.page;
    if (pageSum(p.nxorg, nxa) < 0 || pageSum(p.nxorg, nxa) > p.nxpage) {
        warni1(Warning::incorrectParameter, nxa);
        return false;
    }
    if (pageSum(p.nyorg, nya) < 0 || pageSum(p.nyorg, nya) > p.nypage) {
        warni1(Warning::incorrectParameter, nya);
        return false;
    }
    return true;
}

} // namespace

extern "C" void axslen(int nxl, int nyl) {
    GlobalRecord *rec = jqqlev(1, 1, "axslen");
    if (rec == nullptr || jqqval(nxl, 2, -1) != 0 || jqqval(nyl, 2, -1) != 0) return;
    // Axes longer than the largest page are held there, as single axes are:
    // corners and clip rectangles add the lengths to positions.
    rec->axsys.naxslen[0] = std::min(nxl, kMaxPageUnits);
    rec->axsys.naxslen[1] = std::min(nyl, kMaxPageUnits);
}

extern "C" void axspos(int nxa, int nya) {
    GlobalRecord *rec = jqqlev(1, 1, "axspos");
    if (rec == nullptr || !onPage(*rec, nxa, nya)) return;
    rec->axsys.naxspos[0] = nxa;
    rec->axsys.naxspos[1] = jqqyvl(*rec, nya);
    rec->axsys.iaxspos = 0;
}

extern "C" void axsorg(int nxa, int nya) {
    GlobalRecord *rec = jqqlev(1, 1, "axsorg");
    if (rec == nullptr || !onPage(*rec, nxa, nya)) return;
    rec->axsys.naxsorg[0] = nxa;
    rec->axsys.naxsorg[1] = jqqyvl(*rec, nya);
    rec->axsys.iaxspos = 1;
}

extern "C" void axstyp(const char *copt) {
    GlobalRecord &rec = chkini("axstyp");
    setFromKeyword(rec.axsys.iaxstyp, "RECT+CROS", 2, copt);
}

extern "C" void axsbgd(int nclr) {
    chkini("axsbgd").axsys.naxsbgd = nclr;
}

extern "C" void ax2grf(void) {
    chkini("ax2grf").axsys.iax2grf = 1;
}

extern "C" void nograf(void) {
    chkini("nograf").axsys.inograf = 1;
}

extern "C" void center(void) {
    GlobalRecord &rec = chkini("center");
    if (rec.axsys.icenter == 0) rec.axsys.icenter = 1;
}

extern "C" void frame(int nfrm) {
    // A frame thicker than the largest page is held there: boxes are made
    // wider by twice the thickness.
    chkini("frame").frame.nframe = heldOnPage(nfrm);
}

extern "C" void frmclr(int nclr) {
    GlobalRecord &rec = chkini("frmclr");
    if (jqqval(nclr, -1, -2) == 0) rec.frame.nfrmclr = nclr;
}

extern "C" void box2d(void) {
    GlobalRecord *rec = jqqlev(1, 3, "box2d");
    if (rec == nullptr || rec->frame.nframe == 0) return;
    const AxisSystemState &s = rec->axsys;
    dframe(*rec, s.naxspos[0], s.naxspos[1] - s.naxslen[1] + 1, s.naxslen[0], s.naxslen[1],
           rec->frame.nframe, 0.0f);
}

extern "C" void grace(int ngrace) {
    // A margin past the largest page is held there: it widens the clip
    // rectangle and the clip circle.
    chkini("grace").axsys.igrace = heldOnPage(ngrace);
}

extern "C" void setgrf(const char *c1, const char *c2, const char *c3, const char *c4) {
    GlobalRecord *recp = jqqlev(1, 1, "setgrf");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // Bottom, left, top, right: the words of isetgrf run bottom, right, top, left.
    const char *keys[4] = {c1, c2, c3, c4};
    constexpr AxisSide kSides[4] = {AxisSide::bottom, AxisSide::left, AxisSide::top,
                                    AxisSide::right};
    for (int k = 0; k < 4; ++k) {
        setFromKeyword(rec.axsys.isetgrf[int(kSides[k])], "NONE+LINE+TICK+LABE+NAME", 5, keys[k]);
    }
}
