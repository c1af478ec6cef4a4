// Arrows: vector draws a line between two page points with heads whose form
// a four-digit code gives.
#include <cmath>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/solid_fill.h"
#include "kernel/warnings.h"

namespace {

// The digits of an arrow code, from the thousands down.
struct ArrowCode {
    int width;  // half-width of a head: (width + 0.5) / 4.5 of its length
    int length; // length of a head: 10 length + 10
    int form;   // 0 filled, 1 closed with the shaft ending at its base, 2 open, 3 closed
    int heads;  // 0 none, 1 at the end, 2 at both ends (the first backwards), 3 both forwards
};

ArrowCode digitsOf(int code) {
    return {code / 1000, code % 1000 / 100, code % 100 / 10, code % 10};
}

constexpr int kFilled = 0, kShaftToBase = 1, kOpen = 2;
// Filled heads: scan lines 0.075 mm apart.
constexpr float kFillSpacing = 0.75f;

struct Point {
    float x, y;
};

// A head from the middle of its base to its tip, half-width w; the origin
// shift is added here, as the head goes straight into the polyline buffer.
void drawHead(GlobalRecord &rec, Point base, Point tip, float w, float s, float c, int form) {
    const float dx = float(rec.page.nxorg), dy = float(rec.page.nyorg);
    const float x[3] = {base.x - w * s + dx, tip.x + dx, base.x + w * s + dx};
    const float y[3] = {base.y - w * c + dy, tip.y + dy, base.y + w * c + dy};
    qqmove(rec, x[0], y[0]);
    qqdraw(rec, x[1], y[1]);
    qqdraw(rec, x[2], y[2]);
    if (form != kOpen) qqdraw(rec, x[0], y[0]);
    if (form == kFilled) fillSolid(rec, x, y, 3, kFillSpacing / rec.page.xunits);
}

} // namespace

extern "C" void vector(int nx1, int ny1, int nx2, int ny2, int ivec) {
    GlobalRecord *recp = jqqlev(1, 3, "vector");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    const float x1 = float(nx1), y1 = float(jqqyvl(rec, ny1));
    const float x2 = float(nx2), y2 = float(jqqyvl(rec, ny2));
    const ArrowCode code = digitsOf(ivec);

    if (code.heads == 0 || code.form != kShaftToBase) {
        strtqq(rec, x1, y1);
        connqq(rec, x2, y2);
    }
    if (code.heads == 0) return;
    if (code.form > 3) {
        warni1(Warning::incorrectParameter, code.form);
        return;
    }
    if (code.heads > 3) {
        warni1(Warning::incorrectParameter, code.heads);
        return;
    }

    // Direction, counter-clockwise on the page, and length of the arrow.
    const float pi = rec.core.xpi;
    float phi;
    if (x2 == x1) {
        phi = y1 < y2 ? -pi / 2.0f : pi / 2.0f;
    } else {
        phi = std::atan((y1 - y2) / (x2 - x1));
        if (x2 < x1) phi += y1 >= y2 ? pi : -pi;
    }
    const float s = std::sin(phi), c = std::cos(phi);
    const float d = y1 == y2 ? std::fabs(x2 - x1) : std::fabs((y1 - y2) / s);
    const float length = float(10 * code.length + 10);
    const float w = (float(code.width) + 0.5f) / 4.5f * length;
    auto along = [&](float t) { return Point{x1 + t * c, y1 - t * s}; };

    if (code.form == kShaftToBase) {
        const Point from = code.heads >= 2 ? along(length) : Point{x1, y1};
        const Point to = along(d - length);
        strtqq(rec, from.x, from.y);
        connqq(rec, to.x, to.y);
    }
    drawHead(rec, along(d - length), {x2, y2}, w, s, c, code.form);
    if (code.heads == 2) drawHead(rec, along(length), {x1, y1}, w, s, c, code.form);
    if (code.heads == 3) drawHead(rec, {x1, y1}, along(length), w, s, c, code.form);
    qqstrk(rec);
}
