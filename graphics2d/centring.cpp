// Centring an axis system on the page (center): margins for ticks, labels,
// names, the title and a colour bar on each side, then the origin shift that
// puts the whole in the middle of the page.
#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"

namespace {

// The margin on one side of an axis: ticks, labels with their extent, name.
int sideMargin(const GlobalRecord &rec, int axis, AxisSide side, int labelExtent) {
    const AxisOptionState &o = rec.axes;
    const SideLevel allowed = SideLevel(rec.axsys.isetgrf[int(side)]);
    int margin = 0;
    if (o.nticks[axis] > 0 && allowed >= SideLevel::tick) margin += tickReach(o, axis);
    if (o.ilabels[axis] != 0 && allowed >= SideLevel::label)
        margin += labelExtent + o.nlabdis[axis];
    if (trmlen(o.caxname[axis]) > 0 && allowed == SideLevel::name)
        margin += o.nhname + o.nnamdis[axis];
    return margin;
}

// The title's reach beyond the axis system, 0 without a title.
int titleMargin(const GlobalRecord &rec, bool &above) {
    const TitleState &t = rec.title;
    above = t.ititpos == 0;
    int line = 0;
    for (int k = 1; k <= kTitleLines; ++k) {
        if (trmlen(t.ctitle[k - 1]) == 0) continue;
        if (line == 0 || !above) line = k; // the first line above, the last below
        if (above) break;
    }
    if (line == 0) return 0;
    const float h = float(t.nhtitle != 0 ? t.nhtitle : rec.text.nhchar);
    const float s = rec.line.xlinesp;
    const float v = float(t.nvkytit);
    if (above) return truncToInt(v + float(4 - line) * s * h + 3.0f * h - 1.0f);
    return truncToInt(v + float(line - 1) * s * h + 5.0f * h - 1.0f);
}

// The reach of graf3's colour bar beyond the axis system: its distance,
// shift and width, and its axis's ticks, labels and name.
int colourBarMargin(GlobalRecord &rec) {
    const AxisSystemState &s = rec.axsys;
    const AxisOptionState &o = rec.axes;
    int margin = s.nbardis + s.nvkxbar + s.nwidbar;
    if (o.nticks[2] > 0) margin += tickReach(o, 2);
    if (LabelKind(o.ilabels[2]) == LabelKind::floa)
        margin += maxnuy(rec, s.xzpa[1], s.xzpa[2], s.xzpa[3], 3) + o.nlabdis[2];
    if (trmlen(o.caxname[2]) > 0) margin += o.nhname + o.nnamdis[2];
    return margin;
}

} // namespace

void newori(GlobalRecord &rec) {
    AxisSystemState &s = rec.axsys;
    const AxisOptionState &o = rec.axes;
    int left = 0, right = 0, bottom = 0, top = 0;
    if (s.inograf != 2) {
        const float *x = s.xgrfx, *y = s.xgrfy;
        const int h = rec.text.nhchar;
        const int xExtent = o.ilabtyp[0] == 0 ? h : maxnuy(rec, x[1], x[2], x[3], 1);
        const int yExtent = o.ilabtyp[1] == 0 ? maxnuy(rec, y[1], y[2], y[3], 2) : h;
        bottom = sideMargin(rec, 0, AxisSide::bottom, xExtent);
        top = sideMargin(rec, 0, AxisSide::top, xExtent);
        left = sideMargin(rec, 1, AxisSide::left, yExtent);
        right = sideMargin(rec, 1, AxisSide::right, yExtent);
        if (s.iax2grf == 1) top = right = 0;
        bool above = true;
        const int title = titleMargin(rec, above);
        if (title != 0) (above ? top : bottom) = title;
        if (s.igraf3 == 1 && s.inobar == 1) right = colourBarMargin(rec);
    }
    PageState &p = rec.page;
    const int free = p.nxpage - s.naxslen[0] - left - right;
    p.nxorg = left + free / 2 - s.naxspos[0];
    p.nyorg = (p.nypage + s.naxslen[1] + bottom + top) / 2 - bottom - s.naxspos[1];
}
