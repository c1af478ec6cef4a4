// surfun: the mesh of a function of x and y, sampled along lines of constant
// x (every xdel) and of constant y (every ydel), with ixpts and iypts samples
// per line distance. The walk starts at the lines nearest to the viewer; the
// function is called for every point drawn.
#include <algorithm>
#include <cmath>

#include "graphics3d/box_level.h"
#include "graphics3d/mesh_surface.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

using SurfaceFunction = float (*)(float x, float y);

// A walk over float values, accumulated by repeated addition. Sums of steps
// such as 0.1 miss the end by a rounding error, which would leave the line at
// the end out or put it just outside the box: a value within a hundredth of a
// step of the end is the end.
struct ValueWalk {
    float start = 0.0f;
    float end = 0.0f;
    float step = 0.0f;

    float tolerance() const { return 0.01f * std::fabs(step); }
    bool within(float v) const { return (v - end) * (step > 0.0f ? 1.0f : -1.0f) <= tolerance(); }
    float snapped(float v) const { return std::fabs(v - end) <= tolerance() ? end : v; }
    // The same walk in steps of step / parts.
    ValueWalk finer(int parts) const { return {start, end, step / float(parts)}; }

    // f(value, first) for each value of the walk.
    template <class F> void each(F f) const {
        bool first = true;
        for (float v = start; within(v); v += step) {
            f(snapped(v), first);
            first = false;
        }
    }
};

// From a to e in steps of del; an eye on the positive side (or straight
// above) starts at the other end.
ValueWalk valueWalk(float a, float e, float del, float eye) {
    ValueWalk w{a, e, e >= a ? del : -del};
    if (eye >= 0.0f) w = {e, a, -w.step};
    return w;
}

// Whether the walk and its finer walk reach their ends: a step that is lost
// against the size of the values would never get there.
bool advances(const ValueWalk &w, int parts) {
    if (!std::isfinite(w.start) || !std::isfinite(w.end)) return false;
    const float sub = w.step / float(parts > 0 ? parts : 1);
    for (float v : {w.start, w.end})
        if (v + w.step == v || v + sub == v) return false;
    return true;
}

// Samples per line distance, at most as many as keep the samples of a line
// of lines distances to page.
int heldSamples(int samples, double lines, int page) {
    if (lines < 1.0 || samples * lines <= page) return samples;
    return std::max(1, int(page / lines));
}

bool goodDistance(float del) {
    return del > 0.0f && std::isfinite(del);
}

struct Sampler {
    GlobalRecord &rec;
    SurfaceFunction f;

    void point(float x, float y, bool move) const {
        const float z = f(x, y);
        if (move)
            meshMove(rec, x, y, z);
        else
            meshDraw(rec, x, y, z);
    }
    void lineOfConstantX(float x, const ValueWalk &fineY) const {
        fineY.each([&](float y, bool first) { point(x, y, first); });
    }
    void lineOfConstantY(float y, const ValueWalk &fineX) const {
        fineX.each([&](float x, bool first) { point(x, y, first); });
    }
};

} // namespace

extern "C" void surfun(float (*zfun)(float x, float y), int ixpts, float xdel, int iypts,
                       float ydel) {
    GlobalRecord *recp = jqqbox("surfun");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // An infinite distance would make every walk value infinite and within
    // its end: refused with NaN and the distances that are not positive.
    if (!goodDistance(xdel) || !goodDistance(ydel) || ixpts < 0 || iypts < 0 || zfun == nullptr) {
        warnin(Warning::incorrectParameter);
        return;
    }
    if (ixpts == 0 && iypts == 0) return;

    float extent[4];
    meshExtent(rec, extent);
    const float *eye = rec.view3d.xview3d;
    if (!advances(valueWalk(extent[0], extent[1], xdel, eye[0]), ixpts) ||
        !advances(valueWalk(extent[2], extent[3], ydel, eye[1]), iypts)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    // Lines closer than a plot unit cannot be told apart: no more lines, nor
    // samples along a line, than the page has plot units across.
    const int page = std::max(rec.page.nxpage, rec.page.nypage);
    const double xspan = std::fabs(double(extent[1]) - extent[0]);
    const double yspan = std::fabs(double(extent[3]) - extent[2]);
    if (xspan / xdel > page || yspan / ydel > page || xspan / xdel * ixpts > page ||
        yspan / ydel * iypts > page) {
        warnNotSeen("Mesh lines closer than a plot unit");
        xdel = float(std::max(double(xdel), xspan / page));
        ydel = float(std::max(double(ydel), yspan / page));
        ixpts = heldSamples(ixpts, xspan / xdel, page);
        iypts = heldSamples(iypts, yspan / ydel, page);
    }
    const ValueWalk wx = valueWalk(extent[0], extent[1], xdel, eye[0]);
    const ValueWalk wy = valueWalk(extent[2], extent[3], ydel, eye[1]);
    const Sampler s{rec, zfun};

    beginMesh(rec);
    if (ixpts > 0 && iypts > 0 && rec.horizon.ihidsur == 1) {
        restartHorizons(rec);
        const ValueWalk fineY = wy.finer(iypts);
        // The line of constant x, then the pieces of the lines of constant y
        // between it and the next one.
        wx.each([&](float x, bool) {
            s.lineOfConstantX(x, fineY);
            const float xn = x + wx.step;
            if (!wx.within(xn)) return;
            const ValueWalk piece = ValueWalk{x, wx.snapped(xn), wx.step}.finer(ixpts);
            wy.each([&](float y, bool) { s.lineOfConstantY(y, piece); });
        });
    } else {
        if (iypts > 0) {
            restartHorizons(rec);
            const ValueWalk fineY = wy.finer(iypts);
            wx.each([&](float x, bool) { s.lineOfConstantX(x, fineY); });
        }
        if (ixpts > 0) {
            restartHorizons(rec);
            const ValueWalk fineX = wx.finer(ixpts);
            wy.each([&](float y, bool) { s.lineOfConstantY(y, fineX); });
        }
    }
    endMesh(rec);
}
