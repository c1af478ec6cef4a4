// One axis of a map axis system (daxmap) and its public forms xaxmap and
// yaxmap. On projected maps a tick or label stands where its meridian or
// parallel crosses the axis, found by tracing the line through the
// projection; a line that misses the axis gets neither.
#include "graphics2d/map_axes.h"

#include <algorithm>
#include <cmath>

#include "graphics2d/axis_drawing.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/label_kinds.h"
#include "graphics2d/label_text.h"
#include "graphics2d/map_projections.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/clipping.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

// More labels than a page can show on one axis (a tenth of a degree round
// the globe); ticks between labels may add ten times as many.
constexpr float kMaxMapLabels = 3600.0f;
constexpr float kMaxMapTicks = 36000.0f;

// Where one axis lies on the page.
struct MapAxis {
    float a, b; // axis values at its ends
    int nlen;   // length, plot units
    int nx, ny; // start
    int iax;    // 1 longitudes along x, 2 latitudes along y
};

// The plot position along the axis of value v: linear on unprojected maps,
// else where v's meridian or parallel crosses the axis. False when it misses.
bool markPosition(const GlobalRecord &rec, const MapAxis &ax, float v, int &p) {
    if (rec.map.iprojct == projection::kLinear) {
        const float along = (v - ax.a) * float(ax.nlen - 1) / (ax.b - ax.a);
        p = ax.iax == 1 ? truncToInt(float(ax.nx) + along + 0.5f)
                        : truncToInt(float(ax.ny) + 0.5f - along);
        return true;
    }
    float q = 0.0f;
    const bool crosses = ax.iax == 1 ? xcutmp(rec, v, ax.ny, q) : ycutmp(rec, v, ax.nx, q);
    p = nintqq(q);
    return crosses;
}

// Ticks: n per label step, every n-th one major (mrkxmp).
void mrkxmp(GlobalRecord &rec, const MapAxis &ax, float orig, float step, int major, int minor,
            int n, int ticpos) {
    if (n <= 0) return;
    const float t = step / float(n);
    const int first = -truncToInt((orig - ax.a) / t + 0.0001f);
    const int last = truncToInt((ax.b - orig) / t + 0.0001f);
    const bool centred = TickPosition(ticpos) == TickPosition::centred;
    for (int i = first; i <= last; ++i) {
        int p = 0;
        if (!markPosition(rec, ax, orig + float(i) * t, p)) continue;
        const int length = i % n == 0 ? major : minor;
        const int s = centred ? -length / 2 : 0;
        if (ax.iax == 1)
            rvline(rec, p, ax.ny + s, p, ax.ny + s + length);
        else
            rvline(rec, ax.nx + s, p, ax.nx + s + length, p);
    }
}

// Labels (labxmp); returns their extent away from the axis, which places
// the axis name.
int labxmp(GlobalRecord &rec, const MapAxis &ax, float orig, float step, int it) {
    const AxisOptionState &o = rec.axes;
    const int ia = ax.iax - 1;
    const LabelKind kind = LabelKind(o.ilabels[ia]);
    if (kind == LabelKind::none) return 0;
    const bool degrees = LabelClass(o.ilabkin[ia]) == LabelClass::degrees;
    LabelTextScope scope(rec, degrees || kind == LabelKind::exp, false);

    LabelJustification jus = LabelJustification(o.ilabjus[ia]);
    if (kind == LabelKind::myla && jus == LabelJustification::automatic)
        jus = o.irgtlab == 1 ? LabelJustification::right : LabelJustification::left;
    const bool leftOrOutwards =
        jus == LabelJustification::left || jus == LabelJustification::outwards;
    const bool leftOrInwards =
        jus == LabelJustification::left || jus == LabelJustification::inwards;

    const int reach = o.nticks[ia] > 0 ? tickReach(o, ia) : 0;
    const int base = (ax.iax == 1 ? ax.ny : ax.nx) + o.nlabdis[ia] + reach;
    int n = truncToInt((ax.b - orig) / step + 0.0001f);
    // Labels from a first one far before the axis (or far after it, stepping
    // back) are more than the axis can show, as on every axis: none is drawn.
    if (!marksFit(n, ax.nlen)) {
        warnNotSeen("Labels closer than a plot unit");
        return 0;
    }
    const bool between = o.ilabpos[ia] == 1;
    const bool shifted = o.ilabpos[ia] == 2;
    if (between) --n;
    int first = 0, last = 0, increment = 1;
    endpar(n, o.iaxends[ia], first, last, increment);

    const int h = rec.text.nhchar;
    const bool vertical = o.ilabtyp[ia] != 0;
    const bool alongAxis = (ax.iax == 1) == vertical;
    const int extent = alongAxis ? maxnuy(rec, ax.b, orig, step, ax.iax) : h;
    char text[kLabelTextSize];
    for (int i = first; i <= last; i += increment) {
        float v = orig + float(i) * step;
        if (!shownLabelValue(rec, kind, step, v)) continue;
        glabxy(rec, v, i, 0, ax.iax, text);
        if (between) v += step / 2.0f;
        int p = 0;
        if (!markPosition(rec, ax, v, p)) continue;
        const int w = measureText(rec, text);
        int x = 0, y = 0, angle = 0;
        if (ax.iax == 1 && !vertical) {
            x = p - w / 2;
            y = it == 0 ? base : base - h;
            if (shifted) x = std::clamp(x, ax.nx, ax.nx + ax.nlen - w);
        } else if (ax.iax == 1) {
            angle = 90;
            x = p - h / 2;
            if (it == 0)
                y = leftOrOutwards ? base + extent : base + w;
            else
                y = leftOrInwards ? base : base - extent + w;
            if (shifted) x = std::clamp(x, ax.nx, ax.nx + ax.nlen - h);
        } else if (!vertical) {
            y = p - h / 2;
            if (it == 0)
                x = leftOrInwards ? base : base + extent - w;
            else
                x = leftOrOutwards ? base - extent : base - w;
            if (shifted) y = std::clamp(y, ax.ny - ax.nlen, ax.ny - h);
        } else {
            y = p + w / 2;
            if (it == 1) {
                angle = 90;
                x = base - h;
            } else if (o.irvynam == 1) {
                angle = 90;
                x = base;
            } else {
                angle = 270;
                x = base + h;
                y -= w;
            }
            if (shifted)
                y = angle == 90 ? std::clamp(y, ax.ny - ax.nlen + w, ax.ny)
                                : std::clamp(y, ax.ny - ax.nlen, ax.ny - w);
        }
        dtext(rec, text, x, y, angle, h);
    }
    return extent;
}

} // namespace

bool boundedMapAxis(float a, float b, float step, int nticks) {
    const float labels = std::fabs((b - a) / step);
    if (!(labels <= kMaxMapLabels && labels * float(std::max(nticks, 1)) <= kMaxMapTicks)) {
        warnin(Warning::incorrectParameter);
        return false;
    }
    return true;
}

bool xcutmp(const GlobalRecord &rec, float lon, int row, float &x) {
    const AxisSystemState &s = rec.axsys;
    const float left = float(s.naxspos[0]), right = float(s.naxspos[0] + s.naxslen[0] - 1);
    float px = 0, py = 0;
    if (rectangularGraticule(rec.map.iprojct)) {
        qqpos2(rec, lon, s.xgrfy[0], x, py);
        const float n = float(nintqq(x));
        return left <= n && n <= right;
    }
    // Trace the meridian northwards until it passes the row. None passes it
    // at a pole on the row, where every meridian meets it, nor along a step
    // that runs on the row or that the projection tears apart.
    const float r = float(row);
    const auto onRow = [r](float y) { return std::fabs(y - r) < 0.5f; };
    qqpos2(rec, lon, -90.0f, px, py);
    for (int lat = -89; lat <= 90; ++lat) {
        float cx = 0, cy = 0;
        qqpos2(rec, lon, float(lat), cx, cy);
        const bool touches =
            (lat == -89 && onRow(py)) || (lat == 90 && onRow(cy)) || (onRow(py) && onRow(cy));
        if (cy <= r && r <= py && !touches &&
            !mapLineTorn(rec, lon, float(lat - 1), lon, float(lat))) {
            x = xcut(px, py, cx, cy, r);
            return left <= x && x <= right;
        }
        px = cx;
        py = cy;
    }
    return false;
}

bool ycutmp(const GlobalRecord &rec, float lat, int column, float &y) {
    const AxisSystemState &s = rec.axsys;
    const float top = float(s.naxspos[1] - s.naxslen[1] + 1), bottom = float(s.naxspos[1]);
    float px = 0, py = 0;
    const int code = rec.map.iprojct;
    if (rectangularGraticule(code)) {
        qqpos2(rec, s.xgrfx[0], lat, px, y);
        const float n = float(nintqq(y));
        return top <= n && n <= bottom;
    }
    // Trace the parallel eastwards until it passes the column: round the
    // globe from -180 degrees, or on the turned cylinders from half a turn
    // west of their central meridian, beyond which their longitudes run on.
    const float west = code <= 9 ? (s.xgrfx[0] + s.xgrfx[1]) / 2.0f - 180.0f : -180.0f;
    const float c = float(column);
    qqpos2(rec, west, lat, px, py);
    for (int k = 1; k < 360; ++k) {
        const float lon = west + float(k);
        float cx = 0, cy = 0;
        qqpos2(rec, lon, lat, cx, cy);
        if (px <= c && c <= cx && !mapLineTorn(rec, lon - 1.0f, lat, lon, lat)) {
            y = ycut(px, py, cx, cy, c);
            return top <= y && y <= bottom;
        }
        px = cx;
        py = cy;
    }
    return false;
}

void daxmap(GlobalRecord &rec, float a, float b, float orig, float step, int nlen, const char *name,
            int it, int nx, int ny, int iax) {
    const AxisOptionState &o = rec.axes;
    const int i = iax - 1;
    const int ticpos = o.iticpos[i];
    const int *colours = o.naxclr + 4 * i;
    const MapAxis ax{a, b, nlen, nx, ny, iax};
    settic(rec, it, ticpos);
    if (o.inoline[i] != 0 && rec.map.imapfrm == 0) {
        PartColour colour(rec, colours[int(AxisPart::line)]);
        if (iax == 1)
            lineqq(rec, nx, ny, nx + nlen - 1, ny);
        else
            lineqq(rec, nx, ny, nx, ny - nlen + 1);
    }
    {
        PartColour colour(rec, colours[int(AxisPart::tick)]);
        mrkxmp(rec, ax, orig, step, o.nticmaj, o.nticmin, o.nticks[i], ticpos);
    }
    int extent = 0;
    {
        PartColour colour(rec, colours[int(AxisPart::label)]);
        extent = labxmp(rec, ax, orig, step, it);
    }
    {
        PartColour colour(rec, colours[int(AxisPart::name)]);
        namex(rec, name, nlen, it, nx, ny, extent, iax);
    }
    settic(rec, 0, 0);
}

namespace {

// xaxmap and yaxmap: one more axis of the open map at a page position.
void extraMapAxis(const char *routine, float a, float e, float orig, float step, const char *name,
                  int it, int position, int iax) {
    GlobalRecord *recp = jqqlev(2, 3, routine);
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    const AxisSystemState &s = rec.axsys;
    const bool longitudes = iax == 1;
    const int fail = longitudes ? errmap(rec, a, e, s.xgrfy[0], s.xgrfy[1])
                                : errmap(rec, s.xgrfx[0], s.xgrfx[1], a, e);
    if (fail != 0) return;
    if (erraxs(rec, a, e, orig, step, 2, 1 - rec.page.nxorg, 1 - rec.page.nyorg) != 0) return;
    if (!boundedMapAxis(a, e, step, rec.axes.nticks[iax - 1])) return;
    if (it != 0 && it != 1) {
        warni1(Warning::incorrectParameter, it);
        return;
    }
    // A position past the largest page is held there, as for every single
    // axis: the sums of its ticks, labels and name stay within an int.
    position = heldOnPage(position);
    if (longitudes)
        daxmap(rec, a, e, orig, step, s.naxslen[0], name != nullptr ? name : "", it, s.naxspos[0],
               jqqyvl(rec, position), 1);
    else
        daxmap(rec, a, e, orig, step, s.naxslen[1], name != nullptr ? name : "", it, position,
               s.naxspos[1], 2);
}

} // namespace

extern "C" void xaxmap(float xa, float xe, float xorg, float xstp, const char *cstr, int it,
                       int ny) {
    extraMapAxis("xaxmap", xa, xe, xorg, xstp, cstr, it, ny, 1);
}

extern "C" void yaxmap(float ya, float ye, float yorg, float ystp, const char *cstr, int it,
                       int nx) {
    extraMapAxis("yaxmap", ya, ye, yorg, ystp, cstr, it, nx, 2);
}
