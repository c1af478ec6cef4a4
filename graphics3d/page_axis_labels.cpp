// qqlb3d and qqnm3d: the labels and the name of a page axis of the 3-D box.
// A label stands at the projected point of its value, moved away from the
// axis along the other axis's page angle, horizontal (HORI) or turned with
// an axis (PARA, OTHE); the name is centred on the axis beyond the labels.
#include <algorithm>
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/label_kinds.h"
#include "graphics2d/label_text.h"
#include "graphics3d/page_axes.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/visible_counts.h"

namespace {

// Label positions of labpos.
constexpr int kLabelsBetweenTicks = 1;

// Whole degrees of a page angle, cut toward zero.
int degreesOf(const GlobalRecord &rec, float radians) {
    return truncToInt(radians / rec.core.xdegrad);
}

// Powers of ten written for the exponents of a logarithmic axis.
bool powerLabels(const AxisOptionState &o, int ia, int logarithmic) {
    return logarithmic == 1 && LogLabelForm(o.ilabcls[ia]) == LogLabelForm::powers;
}

// A label's page point and angle: X and Y axes by style and side; the Z axis
// always horizontal, left of its axis.
struct LabelPlace {
    int x, y, angle;
};

LabelPlace placeLabel(const GlobalRecord &rec, Label3dStyle style, int side, int axis, float xp,
                      float yp, float A, float B, float d, float L, float h) {
    const float cb = std::cos(B), sb = std::sin(B), ca = std::cos(A), sa = std::sin(A);
    if (axis == 3) return {truncToInt(xp + cb * d - L), truncToInt(yp - sb * d - h / 2.0f), 0};
    if (style == Label3dStyle::horizontal) {
        if (side == 0) return {truncToInt(xp - cb * d - L), truncToInt(yp + sb * d), 0};
        return {truncToInt(xp + cb * d), truncToInt(yp - sb * d - h / 2.0f), 0};
    }
    const int alongA = degreesOf(rec, A);
    if (side == 0)
        return {truncToInt(xp - cb * d - ca * L / 2.0f), truncToInt(yp + sb * d + sa * L / 2.0f),
                alongA};
    if (style == Label3dStyle::parallel)
        return {truncToInt(xp + cb * d - ca * L / 2.0f), truncToInt(yp - sb * d + sa * L / 2.0f),
                alongA};
    return {truncToInt(xp + cb * d + ca * h / 2.0f), truncToInt(yp - sb * d - sa * h / 2.0f),
            degreesOf(rec, B)};
}

} // namespace

int qqlb3d(GlobalRecord &rec, float /*a*/, float e, float first, float step, int side,
           int logarithmic, float p1, float p2, float axisAngle, float otherAngle, int axis) {
    const AxisOptionState &o = rec.axes;
    const int ia = axis - 1;
    const LabelKind kind = LabelKind(o.ilabels[ia]);
    const LabelClass cls = LabelClass(o.ilabkin[ia]);
    const Label3dStyle style = Label3dStyle(o.ilabl3d);
    const bool powers = powerLabels(o, ia, logarithmic);
    const bool raised = powers || kind == LabelKind::exp; // labels with exponents
    LabelTextScope scope(rec, raised || cls == LabelClass::degrees,
                         kind == LabelKind::date && o.ilmdlan[ia] == 1);

    const int dateStep = kind == LabelKind::date ? o.ilmdste[ia] : 0;
    int n =
        dateStep != 0 ? jqqnlb(rec, first, e, dateStep) : truncToInt((e - first) / step + 0.0001f);
    if (!marksFit(n, std::max(rec.page.nxpage, rec.page.nypage))) {
        warnNotSeen("Labels closer than a plot unit");
        return 0;
    }
    const bool between = o.ilabpos[ia] == kLabelsBetweenTicks;
    if (between) --n;
    int lo = 0, hi = 0, increment = 1;
    endpar(n, o.iaxends[ia], lo, hi, increment);

    // The labels' reach away from the axis: their longest text where they
    // stand across the axis direction, else one line of text.
    const int h = rec.text.nhchar;
    const float lineFactor = rec.text.xsetbas + rec.text.xsetexp;
    const bool across = axis == 3 || (style == Label3dStyle::horizontal) ||
                        (side == 1 && style == Label3dStyle::other);
    int extent = 0, growth = 0;
    if (across) {
        extent = maxnuy(rec, e, first, step, axis);
    } else if (raised) {
        extent = truncToInt(float(h) * lineFactor + 0.5f);
        growth = truncToInt(float(h) * (lineFactor - 1.0f));
    } else {
        extent = h;
    }
    const float d = float(o.nlabdis[ia] + (o.nticks[ia] > 0 ? tickReach(o, ia) : 0) + growth);
    // Powers of ten turned with the axis are centred on their "10".
    const bool tenCentred = !across && side == 0 && powers && o.ilabexp[ia] == 0;
    const int tenWidth = tenCentred ? measureText(rec, "10") : 0;

    char text[kLabelTextSize];
    for (int i = lo; i <= hi; i += increment) {
        int width = 0;
        float v =
            dateStep != 0 ? qqxlab(rec, first, e, width, i, dateStep) : first + float(i) * step;
        if (!shownLabelValue(rec, kind, step, v)) continue;
        const int index = kind == LabelKind::myla && o.nmylab[ia] < 0 ? n - i : i;
        glabxy(rec, v, index, logarithmic, axis, text);
        // Month labels between their ticks stand in the middle of their
        // month, whatever the step of the axis.
        if (between) v += dateStep != 0 ? float(width) / 2.0f : step / 2.0f;
        float xp = 0, yp = 0;
        projectAxisValue(rec, axis, logarithmic == 1 ? std::pow(10.0f, v) : v, p1, p2, xp, yp);
        const float L = float(tenCentred ? tenWidth : measureText(rec, text));
        const LabelPlace at =
            placeLabel(rec, style, side, axis, xp, yp, axisAngle, otherAngle, d, L, float(h));
        dtext(rec, text, at.x, at.y, at.angle, h);
    }
    return extent;
}

void qqnm3d(GlobalRecord &rec, const char *name, float a, float e, int side, int logarithmic,
            int extent, float p1, float p2, float axisAngle, float otherAngle, int axis) {
    const AxisOptionState &o = rec.axes;
    const int ia = axis - 1;
    int d0 = o.nnamdis[ia];
    if (o.nticks[ia] != 0) d0 += tickReach(o, ia);
    if (o.ilabels[ia] != 0) d0 += o.nlabdis[ia];

    const int hname = o.nhname;
    const int height = rec.text.nhchar;
    int hn = 0, below = 0, ln = 0;
    setTextHeight(rec, hname);
    qqgmsg(rec, name, hn, below, ln);
    setTextHeight(rec, height);

    const float middle = (a + e) / 2.0f;
    float xp = 0, yp = 0;
    projectAxisValue(rec, axis, logarithmic == 1 ? std::pow(10.0f, middle) : middle, p1, p2, xp,
                     yp);

    float d = float(d0);
    if (axis != 3) {
        if (Label3dStyle(o.ilabl3d) == Label3dStyle::horizontal) {
            const float h = float(rec.text.nhchar);
            const float line =
                powerLabels(o, ia, logarithmic) ? h * (rec.text.xsetbas + rec.text.xsetexp) : h;
            d = float(extent) * std::fabs(std::sin(axisAngle)) + float(d0) + float(hn - hname) +
                line;
        } else {
            d = float(d0 + extent + hn - hname);
        }
    }
    if (side == 1) d = -d;
    int x = truncToInt(xp - std::cos(otherAngle) * d - std::cos(axisAngle) * float(ln) * 0.5f);
    const int y =
        truncToInt(yp + std::sin(otherAngle) * d + std::sin(axisAngle) * float(ln) * 0.5f);
    if (axis == 3) x -= extent + hn;
    dtext(rec, name, x, y, degreesOf(rec, axisAngle), hname);
}
