// The sink of contour lines: points in user coordinates become plot points
// and are drawn. With labels on, the sink measures the line; once enough of it
// lies behind the last label and the direction is steady, it holds points back
// until the line is long and straight enough for a label, then draws the line
// up to a gap, the label in the gap along the chord, and the rest. While
// filled contours are drawn, the sink collects each line as a polygon instead
// and fills it when the line closes. While conpts runs, the points go into
// its arrays instead.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstddef>
#include <utility>

#include "graphics2d/contours.h"
#include "graphics2d/filled_contours.h"
#include "graphics2d/transforms.h"
#include "kernel/area_fill.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/warnings.h"

namespace {

// The first label comes after this much line, in plot units.
constexpr float kFirstLabelAfter = 100.0f;

float distance(float x1, float y1, float x2, float y2) {
    const float dx = x2 - x1, dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

void drawHeld(GlobalRecord &rec, int from) {
    ContourState &c = rec.contour;
    for (int k = from; k < c.nconlbb; ++k)
        connqq(rec, c.xconlbb[k], c.yconlbb[k]);
    c.nconlbb = 0;
}

// A new label candidate starts at (x, y) with nothing held.
void restartCandidate(ContourState &c, float x, float y) {
    c.xconlbs[0] = x;
    c.xconlbs[1] = y;
    c.xconarc = 0.0f;
    c.nconlbb = 0;
}

void drawLabelText(GlobalRecord &rec, int nx, int ny) {
    ContourState &c = rec.contour;
    const int colour = rec.colour.ncolor;
    if (c.nconlbc != -1) qqsclr(rec, c.nconlbc);
    c.iconlbf = 1;
    if (c.icontxt == 1)
        qqmess(rec, c.cconlab, nx, ny);
    else
        dnumqq(rec, c.xconlev, c.ncondig, nx, ny);
    c.iconlbf = 0;
    if (c.nconlbc != -1) qqsclr(rec, colour);
}

// Draws the held-back points with a label in a gap: the points near the
// candidate start up to the gap, the text along the chord of the gap, then
// the rest of the line.
void placeLabel(GlobalRecord &rec) {
    ContourState &c = rec.contour;
    const float f = c.xconmod[0];
    const float need = c.xconlbl;
    const float sx = c.xconlbs[0], sy = c.xconlbs[1];
    const int m = c.nconlbb;
    float g1x = sx, g1y = sy;
    int k = 0;
    for (; k < m; ++k) {
        if (distance(sx, sy, c.xconlbb[k], c.yconlbb[k]) >= f * need) break;
        connqq(rec, c.xconlbb[k], c.yconlbb[k]);
        g1x = c.xconlbb[k];
        g1y = c.yconlbb[k];
    }
    int end = m - 1;
    for (; k < m; ++k) {
        if (distance(sx, sy, c.xconlbb[k], c.yconlbb[k]) >= (f + 1.0f) * need) {
            end = k;
            break;
        }
    }
    const float g2x = c.xconlbb[end], g2y = c.yconlbb[end];
    const float chord = distance(g1x, g1y, g2x, g2y);
    const float dx = g2x - g1x, dy = g2y - g1y;
    // Along the chord, page y downwards; atan2 keeps a vertical chord's sense.
    const float theta = -std::atan2(dy, dx);
    const float ux = std::cos(theta), uy = -std::sin(theta);
    const float before = (chord - need) * 0.5f;
    connqq(rec, g1x + before * ux, g1y + before * uy);

    if (c.iconlab != kContourGapsOnly) {
        // The text reads from left to right, or upwards on a vertical chord.
        const float textAngle = dx == 0.0f ? rec.core.xpi * 0.5f : -std::atan(dy / dx);
        setTextAngle(rec, nintqq(textAngle / rec.core.xdegrad));
        const float h = (chord - need + c.xconlbg) * 0.5f;
        const float hchar = float(rec.text.nhchar);
        int nx, ny;
        if (dx != 0.0f) {
            const float rx = dx > 0.0f ? g1x : g2x, ry = dx > 0.0f ? g1y : g2y;
            const float tx = rx + h * std::cos(textAngle), ty = ry - h * std::sin(textAngle);
            nx = truncToInt(tx - hchar * std::sin(textAngle) * 0.5f);
            ny = truncToInt(ty - hchar * std::cos(textAngle) * 0.5f);
        } else {
            const float lowerY = g1y > g2y ? g1y : g2y;
            nx = truncToInt(g1x - hchar * 0.5f);
            ny = truncToInt(lowerY - h);
        }
        drawLabelText(rec, nx, ny);
    }

    const float after = before + need;
    strtqq(rec, g1x + after * ux, g1y + after * uy);
    drawHeld(rec, end);
}

// Room for one more point in a block of x and y halves that holds count of
// room points: a full block doubles into the spare one, the points kept, and
// the two change places. False when the memory cannot be had.
bool roomForOneMore(WorkBuffer<float> &block, WorkBuffer<float> &spare, float *&x, float *&y,
                    int count, int &room) {
    if (count < room) return true;
    if (room > INT_MAX / 2) return false;
    const int grown = 2 * room;
    float *bigger = spare.reserve(2 * std::size_t(grown));
    if (bigger == nullptr) return false;
    std::copy(x, x + count, bigger);
    std::copy(y, y + count, bigger + grown);
    std::swap(block, spare);
    x = bigger;
    y = bigger + grown;
    room = grown;
    return true;
}

bool roomToHold(ContourState &c) {
    return roomForOneMore(c.labelPoints, c.labelPointsSpare, c.xconlbb, c.yconlbb, c.nconlbb,
                          c.nconlbm);
}

// A plot point inside a line with labels on.
void labelledPoint(GlobalRecord &rec, float px, float py) {
    ContourState &c = rec.contour;
    const float s = distance(c.xconlpt[0], c.xconlpt[1], px, py);
    if (c.iconlst == 0) {
        const float dx = px - c.xconlpt[0], dy = py - c.xconlpt[1];
        const float a = dx == 0.0f ? 90.0f : -std::atan(dy / dx) / rec.core.xdegrad;
        c.xcondir[0] = a;
        c.xcondst += s;
        if (c.xcondst < c.xconnxt || std::fabs(a - c.xcondir[1]) > c.xconang) {
            connqq(rec, px, py);
        } else {
            c.iconlst = 1;
            restartCandidate(c, c.xconlpt[0], c.xconlpt[1]);
            c.xconnxt = c.xconlbd;
        }
    }
    c.xcondir[1] = c.xcondir[0];
    c.xconlpt[0] = px;
    c.xconlpt[1] = py;
    if (c.iconlst == 0) return;

    // Collecting: the chord from the candidate start decides.
    c.xcondst = distance(c.xconlbs[0], c.xconlbs[1], px, py);
    if (!roomToHold(c)) {
        // No memory to hold more of this candidate: give it up rather than
        // lose points of the line, and try again from here.
        drawHeld(rec, 0);
        connqq(rec, px, py);
        restartCandidate(c, px, py);
        return;
    }
    c.xconlbb[c.nconlbb] = px;
    c.yconlbb[c.nconlbb] = py;
    c.nconlbb += 1;
    const float f = c.xconmod[0], q = c.xconmod[1];
    if (c.xcondst < (2.0f * f + 1.0f) * c.xconlbl) {
        c.xconarc += s;
        if (c.xconarc > q * c.xcondst) {
            // The line bends too much under the label.
            drawHeld(rec, 0);
            restartCandidate(c, px, py);
        }
    } else if (c.nconlbb == 1) {
        // One long segment: no points to place a gap between.
        drawHeld(rec, 0);
        restartCandidate(c, px, py);
    } else {
        placeLabel(rec);
        c.iconlst = 0;
        c.xcondst = 0.0f;
        c.nconlbb = 0;
    }
}

} // namespace

void contourFillPoint(GlobalRecord &rec, float x, float y) {
    ContourState &c = rec.contour;
    FilledContourState &f = rec.contfill;
    if (c.iconlin == kContourLineStart || c.iconlin == kContourLineEnd) {
        // Only a line that comes back to its start encloses an area; one that
        // leaves the grid at its border is not filled.
        const int n = f.nconpnt;
        if (!f.lineLost && n > 2 && std::fabs(f.xconfbf[0] - f.xconfbf[n - 1]) < 1.0f &&
            std::fabs(f.yconfbf[0] - f.yconfbf[n - 1]) < 1.0f)
            dareaf(rec, f.xconfbf, f.yconfbf, n);
        f.nconpnt = 0;
        f.lineLost = false;
        if (c.iconlin == kContourLineEnd) return;
        c.iconlin = kContourLineInside;
    }
    if (f.lineLost) return;
    if (!roomForOneMore(f.fillPoints, f.fillPointsSpare, f.xconfbf, f.yconfbf, f.nconpnt,
                        f.nconmax)) {
        warnin(Warning::noMemory);
        f.lineLost = true;
        return;
    }
    qqpos2(rec, x, y, f.xconfbf[f.nconpnt], f.yconfbf[f.nconpnt]);
    f.nconpnt += 1;
}

void contu4(GlobalRecord &rec, float x, float y) {
    ContourState &c = rec.contour;
    if (rec.contpts.active) {
        qqcpt3(rec, x, y);
        return;
    }
    if (rec.contfill.iconfil == 1) {
        contourFillPoint(rec, x, y);
        return;
    }
    if (c.iconlin == kContourLineEnd) {
        if (c.xconlbb != nullptr) drawHeld(rec, 0);
        return;
    }
    float px, py;
    qqpos2(rec, x, y, px, py);
    if (c.iconlab == kContourLabelsOff) {
        if (c.iconlin == kContourLineStart) {
            strtqq(rec, px, py);
            c.iconlin = kContourLineInside;
        } else {
            connqq(rec, px, py);
        }
        return;
    }
    if (c.iconlin == kContourLineStart) {
        drawHeld(rec, 0);
        c.xcondst = 0.0f;
        c.iconlst = 0;
        c.xconnxt = kFirstLabelAfter;
        c.xconlpt[0] = px;
        c.xconlpt[1] = py;
        strtqq(rec, px, py);
        c.iconlin = kContourLineInside;
        return;
    }
    labelledPoint(rec, px, py);
}

void beginContourLine(GlobalRecord &rec, float zlev) {
    ContourState &c = rec.contour;
    c.xconlev = zlev;
    if (c.iconlab == kContourLabelsOff) return;
    c.xconlbg = 2.0f * c.xcongap * float(rec.text.nhchar);
    const int text =
        c.icontxt == 1 ? measureText(rec, c.cconlab) : numberLength(rec, zlev, c.ncondig);
    c.xconlbl = float(text) + c.xconlbg;
}

bool holdLabelPoints(GlobalRecord &rec) {
    ContourState &c = rec.contour;
    float *block = c.labelPoints.reserve(2 * kContourHeldPoints);
    if (block == nullptr) {
        warnin(Warning::noMemory);
        return false;
    }
    c.xconlbb = block;
    c.yconlbb = block + kContourHeldPoints;
    c.nconlbb = 0;
    c.nconlbm = kContourHeldPoints;
    return true;
}

void releaseLabelPoints(GlobalRecord &rec) {
    ContourState &c = rec.contour;
    c.xconlbb = nullptr;
    c.yconlbb = nullptr;
    c.nconlbb = 0;
    c.nconlbm = 0;
}

void contu0(GlobalRecord &rec, const float *x, const float *y, int n, float zlev) {
    ContourState &c = rec.contour;
    beginContourLine(rec, zlev);
    const bool labelled = c.iconlab != kContourLabelsOff;
    if (labelled && !holdLabelPoints(rec)) return;
    c.iconlin = kContourLineStart;
    for (int i = 0; i < n; ++i)
        contu4(rec, x[i], y[i]);
    c.iconlin = kContourLineEnd;
    contu4(rec, 0.0f, 0.0f);
    if (labelled) releaseLabelPoints(rec);
}
