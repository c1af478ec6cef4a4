// Label settings of the axes: kind, orientation, position, justification,
// distance, digits, date forms and user labels. Setters that also take an
// object name (BAR, PIE, CON, DAT, PER) set the labels of bar graphs and
// contours and pie charts.
#include <string_view>

#include "graphics2d/axis_selectors.h"
#include "graphics2d/label_kinds.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr const char *kAxisLabelKinds =
    "NONE+FLOA+EXP +LOG +CLOG+ELOG+MAP +DMAP+LMAP+TIME+HOUR+SECO+MYLA+FEXP+DATE";

// Digits of labels and of the objects: -1..100.
void storeDigits(const char *name, int ndig, const char *cax) {
    GlobalRecord &rec = chkini(name);
    if (jqqval(ndig, -1, 100) != 0) return;
    switch (labelObject(cax, true)) {
    case LabelObject::axes: gaxsop(cax, ndig, rec.axes.ndigits); return;
    case LabelObject::con: rec.contour.ncondig = ndig; return;
    case LabelObject::bar: rec.bar.nbardig = ndig; return;
    case LabelObject::pie: rec.pie.npiedig = rec.pie.npieper = ndig; return;
    case LabelObject::dat: rec.pie.npiedig = ndig; return;
    case LabelObject::per: rec.pie.npieper = ndig; return;
    }
}

} // namespace

extern "C" void labels(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("labels");
    switch (labelObject(cax)) {
    case LabelObject::bar:
        setFromKeyword(rec.bar.ibarlab, "NONE+SECO+FIRS+MAXI+MINI+DELT+POSI", 7, copt);
        return;
    case LabelObject::pie: setFromKeyword(rec.pie.ipielab, "NONE+PERC+DATA+BOTH", 4, copt); return;
    case LabelObject::con: {
        // CONL: the labels are the text of conlab. A bad keyword keeps the kind.
        const int i = jqqind("NONE+FLOA+CONL", 3, copt);
        rec.contour.icontxt = i == 3 ? 1 : 0;
        if (i != 0) rec.contour.iconlab = i == 3 ? kContourLabelsOn : i - 1;
        return;
    }
    default: break;
    }
    const int i = jqqind(kAxisLabelKinds, 15, copt);
    if (i == 0) return;
    for (int axis = 0; axis < kAxisCount; ++axis)
        if (selectsAxis(cax, axis)) setLabelKind(rec, axis, LabelKind(i - 1));
}

extern "C" void labtyp(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("labtyp");
    if (labelObject(cax) == LabelObject::pie) {
        setFromKeyword(rec.pie.ipielbt, "CENT+LEFT+RIGH+TYPS+OUTW+INWA", 6, copt);
        return;
    }
    const int i = jqqind("HORI+VERT", 2, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.ilabtyp);
}

extern "C" void labpos(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("labpos");
    switch (labelObject(cax)) {
    case LabelObject::bar: {
        // Two digits: along the bar (tens) and across it (units); horizontal
        // bars exchange the roles, so LEFT and ABOV, RIGH and BELO agree.
        constexpr int kCodes[8] = {
            kBarLabelAuto, kBarLabelInside, kBarLabelOutside, 21, 21, 23, 23, kBarLabelCentre};
        const int i = jqqind("AUTO+INSI+OUTS+LEFT+ABOV+RIGH+BELO+CENT", 8, copt);
        if (i != 0) rec.bar.ibarlbp = kCodes[i - 1];
        return;
    }
    case LabelObject::pie: setFromKeyword(rec.pie.ipielbp, "INTE+EXTE+ALIG", 3, copt); return;
    default: break;
    }
    const int i = jqqind("TICK+CENT+SHIF", 3, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.ilabpos);
}

extern "C" void labjus(const char *copt, const char *cax) {
    GlobalRecord &rec = chkini("labjus");
    const int i = jqqind("AUTO+LEFT+RIGH+OUTW+INWA", 5, copt);
    if (i != 0) gaxsop(cax, i - 1, rec.axes.ilabjus);
}

extern "C" void labl3d(const char *copt) {
    GlobalRecord &rec = chkini("labl3d");
    setFromKeyword(rec.axes.ilabl3d, "STAN+HORI+PARA+OTHE", 4, copt);
}

extern "C" void labdis(int ndis, const char *cax) {
    GlobalRecord &rec = chkini("labdis");
    if (labelObject(cax) == LabelObject::con) {
        if (jqqval(ndis, 1, 10000) == 0) rec.contour.xconlbd = float(ndis);
        return;
    }
    // A distance past the largest page is held there: drawing adds it to
    // positions, ticks and names, and turns its sign.
    gaxsop(cax, heldOnPage(ndis), rec.axes.nlabdis);
}

extern "C" void labclr(int nclr, const char *copt) {
    GlobalRecord &rec = chkini("labclr");
    if (nclr < -1) {
        warni1(Warning::incorrectParameter, nclr);
        return;
    }
    // The object is named by the first three characters of copt.
    char key[4];
    upperKey(copt, 3, key);
    const std::string_view object(key);
    if (object == "CON")
        rec.contour.nconlbc = nclr;
    else if (object == "BAR")
        rec.bar.nbarlbc = nclr;
    else if (object == "PIE")
        rec.pie.npielbc = nclr;
    else
        warnc1(Warning::incorrectParameter, copt != nullptr ? copt : "");
}

extern "C" void labdig(int ndig, const char *cax) {
    storeDigits("labdig", ndig, cax);
}

extern "C" void digits(int ndig, const char *cax) {
    storeDigits("digits", ndig, cax);
}

extern "C" void intax(void) {
    GlobalRecord *rec = jqqlev(1, 3, "intax");
    if (rec == nullptr) return;
    for (int &d : rec->axes.ndigits)
        d = -1;
}

extern "C" void expzlb(const char *copt) {
    GlobalRecord &rec = chkini("expzlb");
    setFromKeyword(rec.axes.iexpzlb, "NONE+FIRS+BOTH", 3, copt);
}

extern "C" void labmod(const char *ckey, const char *cval, const char *cax) {
    GlobalRecord &rec = chkini("labmod");
    AxisOptionState &a = rec.axes;
    char key[4];
    upperKey(ckey, 3, key);
    struct DateKey {
        const char *key;
        const char *values;
        int count;
        int (*field)[kAxisCount];
    };
    const DateKey keys[] = {
        {"YEA", "FULL+SHOR+NONE", 3, &a.ilmdyea},
        {"DAY", "NAME+SHOR+NONE+FULL+LONG", 5, &a.ilmdday},
        {"MON", "NAME+SHOR+NONE+FULL+LONG+TINY", 6, &a.ilmdmon},
        {"LAN", "ENGL+GERM", 2, &a.ilmdlan},
        {"FOR", "DMY +DYM +MDY +MYD +YDM +YMD ", 6, &a.ilmdfor},
        {"CAS", "NONE+UPPE", 2, &a.ilmdcas},
        {"STE", "DAYS+MONT+QUAR+HALF+YEAR+DMON", 6, &a.ilmdste},
    };
    if (key[0] == 'S' && key[1] == 'E' && key[2] == 'P') {
        // The separator is the value's first character (none for an empty value).
        gaxsop(cax, cval != nullptr ? static_cast<unsigned char>(cval[0]) : 0, a.ilmdsep);
        return;
    }
    for (const DateKey &k : keys) {
        if (key[0] != k.key[0] || key[1] != k.key[1] || key[2] != k.key[2]) continue;
        const int i = jqqind(k.values, k.count, cval);
        if (i != 0) gaxsop(cax, i - 1, *k.field);
        return;
    }
    warnc1(Warning::incorrectParameter, ckey != nullptr ? ckey : "");
}

extern "C" void mylab(const char *cstr, int itick, const char *cax) {
    GlobalRecord &rec = chkini("mylab");
    if (jqqval(itick, 1, kUserLabels) != 0) return;
    AxisOptionState &a = rec.axes;
    for (int axis = 0; axis < kAxisCount; ++axis) {
        if (!selectsAxis(cax, axis)) continue;
        char *label = a.cmylab[axis][itick - 1];
        if (trmlen(label) > 0) warni1(Warning::sameTickNumber, itick);
        qqcopy(a.cmylab[axis][itick - 1], cstr != nullptr ? cstr : "");
        if (a.nmylab[axis] < itick) a.nmylab[axis] = itick;
    }
}
