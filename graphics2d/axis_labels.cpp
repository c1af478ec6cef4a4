// The labels of an axis: their values (by step or by months), texts, and
// places beside the axis by orientation, side, justification and position.
#include <algorithm>
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/label_kinds.h"
#include "graphics2d/label_text.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/visible_counts.h"

namespace {

// Label positions of labpos.
constexpr int kLabelsBetweenTicks = 1;
constexpr int kLabelsShifted = 2;

int clampInt(int v, int lo, int hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

} // namespace

int labelx(GlobalRecord &rec, float a, float e, float orig, float step, int length, int side,
           int x0, int y0, int logarithmic, int axis) {
    const AxisOptionState &o = rec.axes;
    const int ia = axis - 1;
    const LabelKind kind = LabelKind(o.ilabels[ia]);
    if (kind == LabelKind::none) return 0;
    const LabelClass cls = LabelClass(o.ilabkin[ia]);
    const bool powers = logarithmic == 1 && LogLabelForm(o.ilabcls[ia]) == LogLabelForm::powers;
    const bool mixed = powers || cls == LabelClass::degrees || kind == LabelKind::exp;
    const bool german = cls == LabelClass::dates && o.ilmdlan[ia] == 1;
    LabelTextScope scope(rec, mixed, german);

    LabelJustification jus = LabelJustification(o.ilabjus[ia]);
    if ((powers || kind == LabelKind::myla) && jus == LabelJustification::automatic)
        jus = LabelJustification::left;
    if (kind == LabelKind::myla && o.irgtlab == 1) jus = LabelJustification::right;
    const bool leftOrOutwards =
        jus == LabelJustification::left || jus == LabelJustification::outwards;
    const bool leftOrInwards =
        jus == LabelJustification::left || jus == LabelJustification::inwards;

    const int base = (axis == 1 ? y0 : x0) + o.nlabdis[ia] + tickReach(o, ia);

    const int monthKind = cls == LabelClass::dates ? o.ilmdste[ia] : 0;
    int n =
        monthKind > 0 ? jqqnlb(rec, orig, e, monthKind) : truncToInt((e - orig) / step + 0.0001f);
    if (!marksFit(n, length)) {
        warnNotSeen("Labels closer than a plot unit");
        return 0;
    }
    const bool between = o.ilabpos[ia] == kLabelsBetweenTicks;
    if (between) --n;
    const float f = float(length - 1) / (e - a);
    int first = 0, last = 0, increment = 1;
    endpar(n, o.iaxends[ia], first, last, increment);

    const int h = rec.text.nhchar;
    const float fh = float(h);
    const float s = rec.text.xsetbas + rec.text.xsetexp;
    // Vertical labels read upwards (1) or, on a horizontal axis, downwards
    // at the text angle 270 (2; the faces of the 3-D box ask for it).
    const bool vertical = o.ilabtyp[ia] != 0;
    const bool downwards = axis == 1 && o.ilabtyp[ia] == 2;
    // The labels' reach away from the axis.
    const int powerExtent = truncToInt(fh * s + 0.5f);
    int extent = 0;
    if ((axis == 1) == vertical)
        extent = maxnuy(rec, e, orig, step, axis);
    else
        extent = powers ? powerExtent : h;
    // Centring across a label: half the height, less for raised exponents.
    const float across = powers && o.ilabexp[ia] == 1 ? fh - s * fh / 2.0f : fh / 2.0f;
    const int tenWidth = powers ? measureText(rec, "10") : 0;

    char text[kLabelTextSize];
    for (int i = first; i <= last; i += increment) {
        int width = 0;
        float v =
            monthKind > 0 ? qqxlab(rec, orig, e, width, i, monthKind) : orig + float(i) * step;
        if (!shownLabelValue(rec, kind, step, v)) continue;
        const int index = kind == LabelKind::myla && o.nmylab[ia] < 0 ? n - i : i;
        glabxy(rec, v, index, logarithmic, axis, text);
        if (between) v += monthKind > 0 ? float(width) / 2.0f : step / 2.0f;
        const int w = measureText(rec, text);
        const float along = (v - a) * f;
        int x = 0, y = 0, angle = 0;
        int reach = w; // the label's extent along the axis, for SHIF
        if (axis == 1 && !vertical) {
            const int centring = powers ? tenWidth : w;
            x = truncToInt(along + float(x0) + 0.5f - float(centring) / 2.0f);
            y = side == 0 ? (powers ? base + nintqq(fh * (s - 1.0f)) : base) : base - h;
        } else if (axis == 1 && downwards) {
            // The mirror image of the upward labels: the text runs down from
            // its start and its glyphs lie left of it.
            angle = 270;
            reach = h;
            x = truncToInt(along + float(x0) + 0.5f + across);
            if (side == 0)
                y = leftOrOutwards ? base + extent - w : base;
            else
                y = leftOrInwards ? base - w : base - extent;
        } else if (axis == 1) {
            angle = 90;
            reach = h;
            x = truncToInt(along + float(x0) + 0.5f - across);
            if (side == 0)
                y = leftOrOutwards ? base + extent : base + w;
            else
                y = leftOrInwards ? base : base - extent + w;
        } else if (!vertical) {
            reach = h;
            y = truncToInt(float(y0) - 0.5f - along - across);
            if (side == 0)
                x = leftOrInwards ? base : base + extent - w;
            else
                x = leftOrOutwards ? base - extent : base - w;
        } else {
            y = truncToInt(float(w) / 2.0f + float(y0) - 0.5f - along);
            if (side == 1) {
                angle = 90;
                x = base - h;
            } else if (o.irvynam == 1) {
                angle = 90;
                x = powers ? base + nintqq(fh * (s - 1.0f)) : base;
            } else {
                angle = 270;
                x = base + h;
                y -= w;
            }
        }
        if (o.ilabpos[ia] == kLabelsShifted) {
            if (axis == 1 && downwards)
                x = clampInt(x, x0 + reach, x0 + length);
            else if (axis == 1)
                x = clampInt(x, x0, x0 + length - reach);
            else if (angle == 90)
                y = clampInt(y, y0 - length + reach, y0);
            else
                y = clampInt(y, y0 - length, y0 - reach);
        }
        dtext(rec, text, x, y, angle, h);
    }
    return extent;
}

int maxnuy(GlobalRecord &rec, float end, float first, float step, int axis) {
    const AxisOptionState &o = rec.axes;
    const int ia = axis - 1;
    const int logarithmic = o.ilogax[ia];
    const bool powers = logarithmic == 1 && LogLabelForm(o.ilabcls[ia]) == LogLabelForm::powers;
    LabelTextScope scope(rec, powers || LabelClass(o.ilabkin[ia]) == LabelClass::degrees, false);
    const int n = truncToInt((end - first) / step + 0.0001f);
    // More labels than the page has plot units are never drawn (labelx says
    // so): there is nothing to measure.
    if (!marksFit(n, std::max(rec.page.nxpage, rec.page.nypage))) return 0;
    int lo = 0, hi = 0, increment = 1;
    endpar(n, o.iaxends[ia], lo, hi, increment);
    const bool crossed = rec.axsys.iaxstyp == 1;
    char text[kLabelTextSize];
    int longest = 0;
    for (int i = lo; i <= hi; i += increment) {
        const float v = first + float(i) * step;
        if (crossed && v < 0.0f) continue;
        glabxy(rec, v, i, logarithmic, axis, text);
        const int w = measureText(rec, text);
        if (w > longest) longest = w;
    }
    return longest;
}
