// The pen of a curve: cycle attributes on the way in, restored on the way out.
#include "graphics2d/curve_pen.h"

#include <algorithm>

#include "graphics2d/curves.h"
#include "kernel/dispatch.h"
#include "kernel/line_styles.h"
#include "kernel/record.h"

LineStyleCopy copyLineStyle(const GlobalRecord &rec) {
    const LineState &line = rec.line;
    LineStyleCopy style;
    style.lintyp = line.ilintyp;
    style.ndashel = line.ndashel;
    std::copy(line.ndashlen, line.ndashlen + kMaxDashElements, style.ndashlen);
    return style;
}

void restoreLineStyle(GlobalRecord &rec, const LineStyleCopy &style) {
    rec.line.ilintyp = style.lintyp;
    setDashPattern(rec, style.ndashlen, style.ndashel);
}

CurvePen beginCurvePen(GlobalRecord &rec) {
    CurveState &c = rec.curve;
    CurvePen saved;
    saved.colour = rec.colour.ncolor;
    saved.style = copyLineStyle(rec);
    saved.ichkpnt = rec.msg.ichkpnt;
    rec.page.iusrdrw = 1;
    const CurveCycling cycling = CurveCycling(c.ichncrv);
    const int entry = c.icyccrv - 1;
    if (cycling == CurveCycling::colour || cycling == CurveCycling::both)
        qqsclr(rec, rec.colour.nclrcyc[entry]);
    if (cycling == CurveCycling::line || cycling == CurveCycling::both)
        setLineStyle(rec, c.nlincyc[entry]);
    if (c.ilegpen == 1) {
        slegnd(rec, c.nlegcrv);
        c.ilegpen = 0;
    }
    return saved;
}

void endCurvePen(GlobalRecord &rec, const CurvePen &saved) {
    CurveState &c = rec.curve;
    if (rec.colour.ncolor != saved.colour) qqsclr(rec, saved.colour);
    restoreLineStyle(rec, saved.style);
    rec.msg.ichkpnt = saved.ichkpnt;
    rec.page.iusrdrw = 0;
    if (c.ncrvgrp == c.ninccrv) {
        c.ncrvgrp = 0;
        advanceAttributes(rec);
    } else {
        c.ncrvgrp += 1;
    }
}
