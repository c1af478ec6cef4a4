// Clipping to the axis system: setclp computes its clip rectangle and circle,
// sclpax switches them on and off around drawing in user coordinates, clpbor
// makes the axis system the clip border until endgrf.
#include <algorithm>

#include "devices/driver_requests.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/map_projections.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

// Clipping modes of clpmod and borders of clpbor.
constexpr int kClipAuto = 0;
constexpr int kClipNone = 1;
constexpr int kClipCircle = 2;
constexpr int kBorderAxisSystem = 2;

// The clip window in force, in pixels, goes to the drivers of the pixel
// devices: what they write past the line pipeline (shaded triangles, the
// cursor that csrpos places) stays inside it. A portrait page lies turned on
// the pixels; the rectangle keeps its smaller corner first.
void passClipWindow(GlobalRecord &rec) {
    const PageState &p = rec.page;
    if (!drawsPixels(rec.core.idevice) || rec.dev.pdriver == nullptr) return;
    const int *w = rec.clip.nclpwin;
    const float s = p.xdevscl;
    int rect[4] = {roundAddHalf(float(w[0]) * s), roundAddHalf(float(w[1]) * s),
                   roundAddHalf(float(w[2]) * s), roundAddHalf(float(w[3]) * s)};
    if (p.ipagmod == 1) {
        const float width = float(p.nxpage);
        rect[0] = roundAddHalf(float(w[1]) * s);
        rect[1] = roundAddHalf((width - float(w[2])) * s);
        rect[2] = roundAddHalf(float(w[3]) * s);
        rect[3] = roundAddHalf((width - float(w[0])) * s);
    }
    const DriverRequest requests[4] = {DriverRequest::ClipLeft, DriverRequest::ClipTop,
                                       DriverRequest::ClipRight, DriverRequest::ClipBottom};
    for (int i = 0; i < 4; ++i)
        qqwext(rec, static_cast<int>(requests[i]), rect[i]);
}

} // namespace

void setclp(GlobalRecord &rec) {
    AxisSystemState &s = rec.axsys;
    const PageState &p = rec.page;
    int g = s.igrace;
    // On pixel devices the default shrinks the rectangle by about a pixel more
    // (a screen that never opened has no pixel size and keeps the default).
    if (g == -1 && drawsPixels(rec.core.idevice) && p.xdevscl > 0.0f)
        g = -nintqq(0.99f / p.xdevscl) - 1;
    const int cx = s.naxspos[0], cy = s.naxspos[1];
    const int lx = s.naxslen[0], ly = s.naxslen[1];
    s.nclpaxs[0] = std::max(p.nxorg + cx - g, 0);
    s.nclpaxs[1] = std::max(p.nyorg + cy - ly - g + 1, 0);
    s.nclpaxs[2] = std::min(p.nxorg + cx + lx + g - 1, p.nxpage);
    s.nclpaxs[3] = std::min(p.nyorg + cy + g, p.nypage);
    s.naxsur[0] = cx + lx - 1;
    s.naxsur[1] = cy - ly + 1;
    rec.clip.xclpcir[0] = float(lx) * 0.5f + float(cx) + float(p.nxorg);
    rec.clip.xclpcir[1] = float(cy) + float(p.nyorg) - float(ly) * 0.5f;
    rec.clip.xclpcir[2] = 0.5f * float(std::min(lx, ly)) + float(s.igrace);
}

void sclpax(GlobalRecord &rec, int mode) {
    ClipState &clip = rec.clip;
    AxisSystemState &s = rec.axsys;
    if (clip.iclpbor == kBorderAxisSystem) return;
    qqstrk(rec);
    if (mode == 1) {
        clip.iclpcrc = 0;
        std::copy(s.nclpsav, s.nclpsav + 4, clip.nclpwin);
        passClipWindow(rec);
        return;
    }
    std::copy(clip.nclpwin, clip.nclpwin + 4, s.nclpsav);
    if (clip.iclpmod == kClipNone) {
        passClipWindow(rec);
        return;
    }
    // Azimuthal hemisphere maps are round; other maps clip at their rectangle.
    const bool roundMap =
        s.igrftyp == 2 && mapFamily(rec.map.iprojct) == MapFamily::azimuthal && clip.imapcirc == 1;
    if (clip.iclpmod == kClipCircle || s.igrftyp == 1 || (clip.iclpmod == kClipAuto && roundMap)) {
        clip.iclpcrc = 1;
    } else {
        clip.iclpcrc = 0;
        int *w = clip.nclpwin;
        w[0] = std::max(w[0], s.nclpaxs[0]);
        w[1] = std::max(w[1], s.nclpaxs[1]);
        w[2] = std::min(w[2], s.nclpaxs[2]);
        w[3] = std::min(w[3], s.nclpaxs[3]);
        // Windows that do not meet leave the rectangle inverted: every point
        // is outside it and nothing is drawn.
    }
    passClipWindow(rec);
}

extern "C" void clpbor(const char *copt) {
    GlobalRecord &rec = chkini("clpbor");
    rec.clip.iclpbor = 0;
    const int i = jqqind("PAGE+AXIS", 2, copt);
    if (i == 1) {
        qqstrk(rec);
        rec.clip.nclpwin[0] = 0;
        rec.clip.nclpwin[1] = 0;
        rec.clip.nclpwin[2] = rec.page.nxpage;
        rec.clip.nclpwin[3] = rec.page.nypage;
        rec.clip.iclpcrc = 0;
    } else if (i == 2) {
        sclpax(rec, 0);
        rec.clip.iclpbor = kBorderAxisSystem;
    }
}
