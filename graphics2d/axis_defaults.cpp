// Defaults of axes, axis systems, titles and curves.
#include "graphics2d/axis_defaults.h"

#include "graphics2d/label_kinds.h"
#include "kernel/colour.h"
#include "kernel/page.h"
#include "kernel/record.h"

namespace {

void fill(int (&triple)[kAxisCount], int value) {
    for (int &v : triple)
        v = value;
}

} // namespace

void resetAxisLengths(GlobalRecord &rec) {
    rec.axsys.naxslen[0] = rec.page.naxslen0[0];
    rec.axsys.naxslen[1] = rec.page.naxslen0[1];
}

void resetAxisLengths3d(GlobalRecord &rec) {
    resetAxisLengths(rec);
    rec.axsys.naxslen[2] = rec.page.naxslen0[1];
}

void resetAxisPosition(GlobalRecord &rec) {
    rec.axsys.naxspos[0] = rec.page.naxspos0[0];
    rec.axsys.naxspos[1] = rec.page.naxspos0[1];
    rec.axsys.iaxspos = 0;
}

void resetAxisColours(GlobalRecord &rec) {
    for (int &c : rec.axes.naxclr)
        c = -1;
}

void resetLabelKinds(GlobalRecord &rec) {
    for (int axis = 0; axis < kAxisCount; ++axis)
        setLabelKind(rec, axis, LabelKind::floa);
    rec.contour.iconlab = kContourLabelsOff;
    rec.contour.icontxt = 0;
}

void resetLabelDistances(GlobalRecord &rec) {
    fill(rec.axes.nlabdis, jqquni(rec, 24));
    rec.contour.xconlbd = 500.0f / rec.page.xunits;
}

void resetNameDistances(GlobalRecord &rec) {
    fill(rec.axes.nnamdis, jqquni(rec, 30));
}

void resetTickLengths(GlobalRecord &rec) {
    rec.axes.nticmaj = jqquni(rec, 24);
    rec.axes.nticmin = jqquni(rec, 16);
}

void resetSideLevels(GlobalRecord &rec) {
    int *s = rec.axsys.isetgrf;
    s[int(AxisSide::bottom)] = int(SideLevel::name);
    s[int(AxisSide::right)] = int(SideLevel::tick);
    s[int(AxisSide::top)] = int(SideLevel::tick);
    s[int(AxisSide::left)] = int(SideLevel::name);
}

void resetTitleLines(GlobalRecord &rec) {
    for (char *line : rec.title.ctitle)
        line[0] = '\0';
}

void resetAxisNames(GlobalRecord &rec) {
    for (char *name : rec.axes.caxname)
        name[0] = '\0';
}

void resetAxisDefaults(GlobalRecord &rec) {
    AxisOptionState &o = rec.axes;
    resetAxisLengths3d(rec); // the Z axis (a colour bar's length) as long as Y
    // Every plot draws its first tick forward: its bytes owe nothing to the
    // plots drawn before it.
    o.irvline = 0;
    fill(o.inoline, 1);
    fill(o.nticks, 2);
    resetLabelKinds(rec);
    fill(o.ilogax, 0);
    fill(o.ndigits, 1);
    fill(o.iticpos, 0);
    fill(o.ilabpos, 0);
    fill(o.ilabtyp, 0);
    fill(o.ilabjus, 0);
    fill(o.iaxends, 0);
    resetLabelDistances(rec);
    resetNameDistances(rec);
    fill(o.inamjus, 0);
    fill(o.ilmdfor, 0);
    fill(o.ilmdlan, 0);
    fill(o.ilmdmon, 0);
    fill(o.ilmdday, 1);
    fill(o.ilmdyea, 0);
    fill(o.ilmdste, 0);
    fill(o.ilmdcas, 0);
    fill(o.ilmdsep, '-');
    fill(o.iticmod, 0);
    resetTickLengths(rec);
    o.irgtlab = 0;
    o.irvynam = 0;
    o.ilogtic = 0;
    o.itimopt = 0;
    o.iexpzlb = 0;
    o.nhname = jqquni(rec, 36);
    fill(o.nmylab, 0);
    for (auto &labels : o.cmylab)
        for (char *label : labels)
            label[0] = '\0';
    resetAxisNames(rec);
    o.ilabl3d = 0;
}

void resetAxisSystemDefaults(GlobalRecord &rec) {
    AxisSystemState &s = rec.axsys;
    TitleState &t = rec.title;
    s.igraf3 = 0;
    s.iaxstyp = 0;
    s.inograf = 0;
    s.iax2grf = 0;
    s.icenter = 0;
    resetAxisPosition(rec);
    t.ititpos = 0;
    t.nhtitle = 0;
    resetTitleLines(rec);
    s.naxsbgd = -1;
    resetAxisColours(rec);
    resetSideLevels(rec);
    t.nvkytit = 0;
    s.igrace = -1;
    t.ititjus = 0;
    fill(rec.axes.isetscl, 0);
    s.nwidbar = jqquni(rec, 85);
    s.nvkxbar = 0;
    s.nvkybar = 0;
    resetColourCellSize(rec);
    s.nbardis = jqquni(rec, 85);
    s.inobar = 1;
    s.inobgd = 0;
    s.iautres = 0;
}

void resetColourCellSize(GlobalRecord &rec) {
    // One base unit, but never less than one plot unit.
    const int size = jqquni(rec, 1) > 1 ? jqquni(rec, 1) : 1;
    rec.axsys.nsetres[0] = rec.axsys.nsetres[1] = size;
}

void resetCurveDefaults(GlobalRecord &rec) {
    CurveState &c = rec.curve;
    c.ipolcrv = 0;
    c.nthkcrv = 1;
    c.ichncrv = 0;
    c.ninccrv = 1;
    c.nincmrk = 0;
    c.igapcrv = 0;
    rec.axes.ineglog = 0;
    c.xbarwth = 0.75f;
}

void setLineCycle(GlobalRecord &rec) {
    for (int i = 0; i < kAttributeCycle; ++i)
        rec.curve.nlincyc[i] = i % 8;
}

void setPatternCycle(GlobalRecord &rec) {
    for (int i = 0; i < kAttributeCycle; ++i)
        rec.curve.npatcyc[i] = i % 18;
}
