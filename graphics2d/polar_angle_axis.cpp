// qqypax: the angle axis of a polar system, a circle with ticks and labels
// pointing away from the centre and the axis name centred below it.
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/label_kinds.h"
#include "graphics2d/label_text.h"
#include "graphics2d/polar.h"
#include "graphics2d/transforms.h"
#include "kernel/figures.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/visible_counts.h"

namespace {

constexpr int kAngleAxis = 1; // the Y options serve the angle axis

// The point at distance rho from the centre under the screen angle theta,
// + 0.5 and truncated.
void pointAt(float cx, float cy, float theta, float rho, int &x, int &y) {
    x = roundAddHalf(cx + std::cos(theta) * rho);
    y = roundAddHalf(cy - std::sin(theta) * rho);
}

void drawTicks(GlobalRecord &rec, float a, float e, float orig, float step, int cx, int cy, int r) {
    const AxisOptionState &o = rec.axes;
    const int n = o.nticks[kAngleAxis];
    if (n <= 0) return;
    const float t = step / float(n);
    const int first = -truncToInt((orig - a) / t + 0.001f);
    const int last = truncToInt((e - orig) / t + 0.001f);
    // No more ticks than the circle has plot units round it.
    if (!marksFit(std::int64_t(last) - first, truncToInt(2.0f * 3.1415927f * float(r)))) {
        warnNotSeen("Ticks closer than a plot unit");
        return;
    }
    const TickPosition pos = TickPosition(o.iticpos[kAngleAxis]);
    for (int i = first; i <= last; ++i) {
        const float v = orig + float(i) * t;
        const float len = float(i % n == 0 ? o.nticmaj : o.nticmin);
        float inner = float(r), outer = float(r) + len;
        if (pos == TickPosition::reversed) {
            inner = float(r) - len;
            outer = float(r);
        } else if (pos == TickPosition::centred) {
            inner = float(r) - len / 2.0f;
            outer = float(r) + len / 2.0f;
        }
        const float theta = polarScreenAngle(rec, v * rec.core.xdegrad);
        int x1, y1, x2, y2;
        pointAt(float(cx), float(cy), theta, inner, x1, y1);
        pointAt(float(cx), float(cy), theta, outer, x2, y2);
        rvline(rec, x1, y1, x2, y2);
    }
}

// The labels; returns the length of the longest one.
int drawLabels(GlobalRecord &rec, float orig, float step, int cx, int cy, int r) {
    const AxisOptionState &o = rec.axes;
    const LabelKind kind = LabelKind(o.ilabels[kAngleAxis]);
    const bool mixed =
        LabelClass(o.ilabkin[kAngleAxis]) == LabelClass::degrees || kind == LabelKind::exp;
    LabelTextScope scope(rec, mixed, false);
    const float d = float(r + o.nlabdis[kAngleAxis] + tickReach(o, kAngleAxis));
    const int n = truncToInt((360.0f - orig) / step + 0.001f) + 1;
    if (!marksFit(n, truncToInt(2.0f * 3.1415927f * float(r)))) {
        warnNotSeen("Labels closer than a plot unit");
        return 0;
    }
    const float h = float(rec.text.nhchar);
    const bool clockwise = PolarDirection(rec.polar.ipolmod[1]) == PolarDirection::clockwise;
    const float originDegrees = float(rec.polar.ipolmod[0]) * 90.0f;
    const bool horizontal = o.ilabtyp[kAngleAxis] == 0;
    char text[kLabelTextSize];
    int longest = 0;
    for (int i = 0; i < n; ++i) {
        const float v = orig + float(i) * step;
        if (v - orig + 0.001f >= 360.0f) continue; // 360 coincides with the first label
        glabxy(rec, v, i, 0, kAngleAxis + 1, text);
        const float w = float(measureText(rec, text));
        if (truncToInt(w) > longest) longest = truncToInt(w);
        // Taken into 0..360 so that no origin turns a label upside down.
        float phi = std::fmod(originDegrees + (clockwise ? 360.0f - v : v), 360.0f);
        if (phi < 0.0f) phi += 360.0f;
        const float theta = polarScreenAngle(rec, v * rec.core.xdegrad);
        const float c = std::cos(theta), s = std::sin(theta);
        float x = 0.0f, y = 0.0f;
        int angle = 0;
        if (!horizontal) {
            // Tangential text centred on its ray.
            angle = nintqq(phi - 90.0f);
            x = float(cx) + (d + h) * c - s * w / 2.0f;
            y = float(cy) - (d + h) * s - c * w / 2.0f;
        } else if (phi <= 90.001f || phi > 270.001f) {
            // Along the ray, reading outwards.
            angle = nintqq(phi);
            x = float(cx) + d * c - s * h / 2.0f;
            y = float(cy) - d * s - c * h / 2.0f;
        } else {
            // Along the ray on the left half, turned so that it reads left to right.
            angle = nintqq(phi - 180.0f);
            x = float(cx) + (d + w) * c + s * h / 2.0f;
            y = float(cy) - (d + w) * s + c * h / 2.0f;
        }
        dtext(rec, text, roundAddHalf(x), roundAddHalf(y), angle, rec.text.nhchar);
    }
    return longest;
}

} // namespace

void qqypax(GlobalRecord &rec, float a, float e, float orig, float step, int cx, int cy, int r,
            const char *name) {
    const AxisOptionState &o = rec.axes;
    const int *colours = o.naxclr + 4 * kAngleAxis;
    if (o.inoline[kAngleAxis] != 0) {
        PartColour colour(rec, colours[int(AxisPart::line)]);
        elpsln(rec, cx, cy, r, r, 0.0f, 360.0f, 0.0f, 0, 0);
    }
    {
        PartColour colour(rec, colours[int(AxisPart::tick)]);
        drawTicks(rec, a, e, orig, step, cx, cy, r);
    }
    const bool labels = LabelKind(o.ilabels[kAngleAxis]) != LabelKind::none;
    int longest = 0;
    if (labels) {
        PartColour colour(rec, colours[int(AxisPart::label)]);
        longest = drawLabels(rec, orig, step, cx, cy, r);
    }
    if (name == nullptr || name[0] == '\0') return;
    PartColour colour(rec, colours[int(AxisPart::name)]);
    int y = cy + r + tickReach(o, kAngleAxis) + o.nnamdis[kAngleAxis];
    if (labels)
        y += (o.ilabtyp[kAngleAxis] == 0 ? longest : rec.text.nhchar) + o.nlabdis[kAngleAxis];
    const int w = measureText(rec, name);
    dtext(rec, name, cx - w / 2, y, 0, rec.text.nhchar);
}
