// The frame of the colour-shaded surfaces surshd, surtri and surfcp.
#include "graphics3d/shaded_surface.h"

#include <cmath>

#include "graphics2d/axis_system.h"
#include "graphics2d/colour_axis.h"
#include "graphics2d/colour_range.h"
#include "graphics3d/box_level.h"
#include "graphics3d/depth_sort.h"
#include "graphics3d/lighting.h"
#include "graphics3d/zbuffer.h"
#include "kavlor.h"
#include "kernel/colour.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr int kSmooth = 1;
constexpr int kMeshOn = 1;
constexpr int kMeshOnly = 2;
constexpr int kReversedScreen = 2;

// The fill of mesh-only corners in the z-buffer: on a reversed screen with
// lighting the rasterisers exchange white and black, so they are exchanged
// here first.
int smoothBackground(const GlobalRecord &rec) {
    const int bg = rec.colour.nclrbgd;
    if (rec.page.iscrmod != kReversedScreen || rec.light.ilight != 1) return bg;
    if (bg == 255) return 0;
    if (bg == 0) return 255;
    return bg;
}

// Opens the caller's kind of buffer; false when it cannot be had.
bool openBuffer(ShadedSurface &s, int capacity) {
    GlobalRecord &rec = *s.rec;
    if (s.smooth) {
        if (rec.zbuf.izbuf == 1) return true; // the caller's, shared with other objects
        const int status = zbfini();
        qqcopy(rec.core.cfunc, s.name); // zbfini named itself for its warnings
        if (status == kZBufferNoMemory) return false;
        s.ownsZBuffer = true;
        return true;
    }
    if (!s.depthSorted) return true;
    int status = 0;
    dbfini(rec, s.corners, capacity, status);
    return status == 0;
}

// Gives back what beginShaded changed.
void restore(ShadedSurface &s) {
    GlobalRecord &rec = *s.rec;
    sclpax(rec, 1);
    qqsclr(rec, s.savedColour);
    selectPattern(rec, s.savedPattern);
    for (int k = 0; k < 3; ++k)
        rec.light.xmatdif[k] = s.savedDiffuse[k];
}

bool finiteCorners(int n, const float bx[], const float by[], const float bz[]) {
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(bx[i]) || !std::isfinite(by[i]) || !std::isfinite(bz[i])) return false;
    return true;
}

} // namespace

GlobalRecord *openShaded(const char *name) {
    GlobalRecord *rec = jqqbox(name);
    if (rec == nullptr) return nullptr;
    // The vector and printer formats have no pixels for the z-buffer.
    if (rec->surface.ishdsur == kSmooth && deviceFacts(rec->core.idevice).vectorsOnly) {
        warnin(Warning::incompatibleDevice);
        return nullptr;
    }
    return rec;
}

bool beginShaded(ShadedSurface &s, GlobalRecord &rec, const char *name, int corners, int capacity,
                 float spacing) {
    s.rec = &rec;
    s.name = name;
    s.smooth = rec.surface.ishdsur == kSmooth;
    s.lit = rec.light.ilight == 1;
    s.meshOnly = rec.surface.isurmsh == kMeshOnly;
    s.mesh = rec.surface.isurmsh == kMeshOn || s.meshOnly;
    s.corners = corners;

    if (s.colourScale) {
        const float(&g)[3][4] = rec.view3d.xgrf3d;
        scaleColours(rec, g[2][0], g[2][1]);
    }

    s.savedColour = rec.colour.ncolor;
    s.savedPattern = rec.fill.nshdpat;
    for (int k = 0; k < 3; ++k)
        s.savedDiffuse[k] = rec.light.xmatdif[k];
    s.meshColour = rec.surface.nmshclr == -1 ? rec.colour.ncolor : rec.surface.nmshclr;

    selectPattern(rec, kSolidPattern);
    rec.fill.xsurscl = solidFillSpacing(rec.core.idevice, spacing) / rec.page.xunits;
    sclpax(rec, 0);

    s.backgroundColour = s.smooth ? smoothBackground(rec) : rec.colour.nclrbgd;
    if (!openBuffer(s, capacity)) {
        restore(s);
        return false;
    }
    return true;
}

void endShaded(ShadedSurface &s) {
    GlobalRecord &rec = *s.rec;
    if (s.smooth) {
        if (s.ownsZBuffer) {
            zbffin();
            qqcopy(rec.core.cfunc, s.name);
        }
    } else if (s.depthSorted) {
        qqsclr(rec, s.meshColour); // dbffin outlines in the colour in force
        dbffin(rec, s.corners);
    }
    restore(s);
}

int shadedColour(const GlobalRecord &rec, float z) {
    return jqqclr(rec, z);
}

void litCorner(GlobalRecord &rec, int colour, const float b[3], const float n[3], float rgb[3]) {
    float *diffuse = rec.light.xmatdif;
    qqgrgb(rec, colour, diffuse[0], diffuse[1], diffuse[2]);
    qqglit(rec, b[0], b[1], b[2], n[0], n[1], n[2], rgb[0], rgb[1], rgb[2]);
}

int meanColour(const float rgb[3], float count) {
    return intrgb(rgb[0] / count, rgb[1] / count, rgb[2] / count);
}

void drawPatch(ShadedSurface &s, int corners, const float bx[], const float by[], const float bz[],
               const int colours[]) {
    GlobalRecord &rec = *s.rec;
    if (!finiteCorners(corners, bx, by, bz)) return;
    if (!s.smooth) {
        qqds3d(rec, bx, by, bz, corners, colours[0]);
        return;
    }
    auto line = [&](int a, int b) {
        qqln3d(rec, bx[a], by[a], bz[a], bx[b], by[b], bz[b], s.meshColour);
    };
    auto triangle = [&](int a, int b, int c) {
        const float x[3] = {bx[a], bx[b], bx[c]}, y[3] = {by[a], by[b], by[c]},
                    z[3] = {bz[a], bz[b], bz[c]};
        const int k[3] = {colours[a], colours[b], colours[c]};
        qqtr3d(rec, x, y, z, k);
    };
    if (corners == 3) {
        triangle(0, 1, 2);
        if (s.mesh) {
            line(0, 1);
            line(1, 2);
            line(2, 0);
        }
        return;
    }
    // The diagonal 0-2 is no edge of the patch and gets no mesh line.
    triangle(0, 1, 2);
    if (s.mesh) {
        line(0, 1);
        line(1, 2);
    }
    triangle(0, 3, 2);
    if (s.mesh) {
        line(0, 3);
        line(3, 2);
    }
}
