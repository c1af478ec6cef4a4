// legend: the legend box at a corner of the page or of the axis system, or
// where legpos put it: frame, title, one pattern per entry (a line with its
// marker, or a shaded rectangle) and the entry texts.
#include "graphics2d/legend.h"

#include <cstdint>

#include "graphics2d/curve_pen.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/shield_list.h"
#include "kernel/text.h"
#include "kernel/warnings.h"

namespace {

bool drawsPatterns(const LegendState &l) {
    return l.xlegopt[0] > 0.001f || l.xlegopt[0] < -0.001f;
}

// Entries that legpat did not define when it defined some: they get no pattern.
bool entrySkipped(const LegendState &l, int i) {
    return l.ilegpat == 1 && l.clegdef[i - 1] != '1';
}

// Warnings for a legend that does not fit its entries; the legend is drawn all the same.
void checkEntries(const LegendState &l) {
    if (l.ilegpat == 1) {
        for (int i = 1; i <= l.nleglin; ++i) {
            if (l.clegdef[i - 1] == '1') continue;
            qqserr("Undefined legend line");
            warni1(Warning::undefinedLegendLine, i);
        }
    } else if (l.nlegcrv < l.nleglin) {
        warni1(Warning::moreLegendLinesThanCurves, l.nleglin - l.nlegcrv);
    }
}

// Upper-left corner of a box w by h at corner ncor 1..8, g from the edges;
// a box wider than any page gives a corner held past the page.
bool cornerOf(const GlobalRecord &rec, int ncor, std::int64_t w, std::int64_t h, std::int64_t g,
              int &x, int &y) {
    const PageState &p = rec.page;
    const AxisSystemState &a = rec.axsys;
    switch (ncor) {
    case 1:
        x = pageSum(g, -p.nxorg);
        y = pageSum(p.nypage, -p.nyorg, -h - g);
        return true;
    case 2:
        x = pageSum(p.nxpage, -p.nxorg, -w - g);
        y = pageSum(p.nypage, -p.nyorg, -h - g);
        return true;
    case 3:
        x = pageSum(p.nxpage, -p.nxorg, -w - g);
        y = pageSum(g, -p.nyorg);
        return true;
    case 4:
        x = pageSum(g, -p.nxorg);
        y = pageSum(g, -p.nyorg);
        return true;
    case 5:
        x = pageSum(g, a.naxspos[0]);
        y = pageSum(a.naxspos[1], -h - g);
        return true;
    case 6:
        x = pageSum(a.naxsur[0], -w - g);
        y = pageSum(a.naxspos[1], -h - g);
        return true;
    case 7:
        x = pageSum(a.naxsur[0], -w - g);
        y = pageSum(g, a.naxsur[1]);
        return true;
    case 8:
        x = pageSum(g, a.naxspos[0]);
        y = pageSum(g, a.naxsur[1]);
        return true;
    default: warni1(Warning::incorrectParameter, ncor); return false;
    }
}

// A line entry: nlegthk strokes side by side, each starting its dash pattern
// afresh, and the marker in the middle shifted left by d.
void drawLineEntry(GlobalRecord &rec, int i, int x1, int x2, int yc, int d) {
    const LegendState &l = rec.legend;
    if (l.nlegtyp[i - 1] >= 0) {
        setLineStyle(rec, l.nlegtyp[i - 1]);
        for (int k = 1; k <= l.nlegthk[i - 1]; ++k) {
            rec.line.xlinoff = float((k % 2 == 1 ? -k : k) / 2);
            inityp(rec);
            lineqq(rec, x1, yc, x2, yc);
        }
        rec.line.xlinoff = 0.0f;
    }
    if (l.nlegsym[i - 1] >= 0)
        dsymbl(rec, l.nlegsym[i - 1], pageSum((std::int64_t(x1) + x2) / 2, -std::int64_t(d)), yc);
}

// An area entry: the rectangle of the pattern, one character high, shaded.
void drawAreaEntry(GlobalRecord &rec, int i, int x1, int x2, int yc) {
    if (!selectPattern(rec, rec.legend.nlegpat[i - 1])) return;
    setLineStyle(rec, 0);
    const int h = rec.text.nhchar;
    const float top = float(yc - h / 2), bottom = top + float(h - 1);
    const float xs[4] = {float(x1), float(x2), float(x2), float(x1)};
    const float ys[4] = {top, top, bottom, bottom};
    outlineAndFill(rec, xs, ys, 4, true);
}

// The patterns of the entries from x on, the first centred on y + nhchar / 2.
void drawPatterns(GlobalRecord &rec, const char *cbuf, int x, int y, int d) {
    const LegendState &l = rec.legend;
    const int colour = rec.colour.ncolor;
    const LineStyleCopy style = copyLineStyle(rec);
    const int pattern = rec.fill.nshdpat;
    const int symbolHeight = rec.symbol.nhsymb;
    const int h = rec.text.nhchar;
    const float s = float(h) * rec.line.xlinesp;
    rec.symbol.nhsymb = truncToInt(0.8f * float(h));
    const int x1 = x, x2 = pageSum(x, truncToInt(float(h) * l.xlegopt[0]));
    int yc = pageSum(y, h / 2);
    for (int i = 1; i <= l.nleglin; ++i) {
        if (!entrySkipped(l, i)) {
            qqsclr(rec, l.nlegclr[i - 1]);
            // -1 is a line entry, a pattern an area; other values draw nothing.
            if (l.nlegpat[i - 1] == -1)
                drawLineEntry(rec, i, x1, x2, yc, d);
            else if (l.nlegpat[i - 1] >= 0)
                drawAreaEntry(rec, i, x1, x2, yc);
        }
        const int lines = legendTextLines(rec, cbuf, i);
        yc = pageSum(yc, truncToInt(float(lines - 1) * s * l.xlegopt[2] + s));
    }
    qqsclr(rec, colour);
    restoreLineStyle(rec, style);
    if (rec.fill.nshdpat != pattern) selectPattern(rec, pattern);
    rec.symbol.nhsymb = symbolHeight;
}

// The texts of the entries, the first line's top at (x, y).
void drawTexts(GlobalRecord &rec, const char *cbuf, int x, int y) {
    const LegendState &l = rec.legend;
    const int colour = rec.colour.ncolor;
    const int h = rec.text.nhchar;
    const float s = float(h) * rec.line.xlinesp;
    char line[kLegendEntryChars + 1];
    for (int i = 1; i <= l.nleglin; ++i) {
        if (l.ilegclr == 1) qqsclr(rec, l.nlegclr[i - 1]);
        const int lines = legendTextLines(rec, cbuf, i);
        for (int k = 1; k <= lines; ++k) {
            if (k > 1) y = pageSum(y, truncToInt(s * l.xlegopt[2]));
            if (legendTextLine(rec, cbuf, i, k, line) > 0) dtext(rec, line, x, y, 0, h);
        }
        y = pageSum(y, truncToInt(s));
    }
    if (l.ilegclr == 1) qqsclr(rec, colour);
}

void drawLegend(GlobalRecord &rec, const char *cbuf, int ncor) {
    const LegendState &l = rec.legend;
    checkEntries(l);
    const int h = rec.text.nhchar;
    const float s = float(h) * rec.line.xlinesp;
    const int m = truncToInt(l.xlegopt[1] * s);
    // Markers alone sit further left, nearer their texts.
    bool markersOnly = true;
    for (int i = 1; i <= l.nleglin; ++i)
        if (l.nlegtyp[i - 1] >= 0) markersOnly = false;
    const int d = markersOnly ? truncToInt((l.xlegopt[0] - 0.8f) * float(h) * 0.25f) : 0;

    const int height = legendHeight(rec, cbuf);
    const int width = legendWidth(rec, cbuf);
    const int g = truncToInt(float(h) * l.xlegopt[1]);
    int x = l.nlegpos[0], y = l.nlegpos[1];
    if (l.ilegpos != 0 && !cornerOf(rec, ncor, width, height, g, x, y)) return;

    if (rec.shield.ishlaut[kShieldLegends - 1] == 1) {
        qqstrk(rec);
        removeShields(rec, [](const int *entry) { return shieldClass(entry) == kShieldLegends; });
    }
    const int nframe = rec.frame.nframe;
    if (nframe > 0)
        dframe(rec, pageSum(x, nframe, -1), pageSum(y, nframe, -1), pageSum(width, -2LL * nframe),
               pageSum(height, -2LL * nframe), nframe, 0.0f);
    else if (nframe < 0)
        dframe(rec, x, y, width, height, nframe, 0.0f);

    const int inset = nframe > 0 ? nframe : 0;
    y = pageSum(y, m, inset);
    const int titleLength = measureText(rec, l.clegtit);
    if (titleLength > 0) {
        dtext(rec, l.clegtit, pageSum(x, (std::int64_t(width) - titleLength) / 2), y, 0, h);
        y = pageSum(y, truncToInt(1.5f * s));
    }
    if (l.ilegtwd == 0)
        x = pageSum(x, m, inset);
    else
        x = pageSum(x, (std::int64_t(width) -
                        truncToInt(float(l.nlegtxw) + float(h) * (l.xlegopt[0] + 1.0f))) /
                           2);

    if (drawsPatterns(l)) drawPatterns(rec, cbuf, x, y, d);
    int xt = pageSum(x, truncToInt(float(h) * l.xlegopt[0]), -std::int64_t(d));
    if (drawsPatterns(l)) xt = pageSum(xt, h);
    drawTexts(rec, cbuf, xt, y);
}

} // namespace

extern "C" void legend(const char *cbuf, int ncor) {
    GlobalRecord *recp = jqqlev(2, 3, "legend");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (rec.legend.ilegini != 1) {
        warnin(Warning::noLegini);
        return;
    }
    if (!haveBuffer(cbuf)) return;
    rec.page.iusrdrw = 1;
    drawLegend(rec, cbuf, ncor);
    rec.page.iusrdrw = 0;
}
