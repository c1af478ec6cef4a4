// conshd: the bands between contour levels of a grid function filled in their
// colours, cell by cell (the default) or as the closed lines of the tracer,
// with a legend entry for each band above the lowest level.
#include <algorithm>
#include <cstddef>

#include "graphics2d/axis_system.h"
#include "graphics2d/band_fill.h"
#include "graphics2d/contours.h"
#include "graphics2d/curves.h"
#include "graphics2d/filled_contours.h"
#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

void fillCells(GlobalRecord &rec, const float *x, int nx, const float *y, int ny, const float *z,
               const float *s, int nlev) {
    const std::size_t stride = std::size_t(ny);
    for (int i = 0; i + 1 < nx; ++i) {
        const float *left = z + std::size_t(i) * stride, *right = left + stride;
        for (int j = 0; j + 1 < ny; ++j) {
            const float c[4] = {left[j], right[j], right[j + 1], left[j + 1]};
            int b[4];
            bool number = true;
            for (int k = 0; k < 4; ++k) {
                b[k] = contourBand(s, nlev, c[k]);
                number = number && b[k] >= 0;
            }
            // A cell with a corner that is no number belongs to no band.
            if (!number) continue;
            const int lo = std::min({b[0], b[1], b[2], b[3]});
            const int hi = std::max({b[0], b[1], b[2], b[3]});
            if (lo == hi) {
                const int colour = qqcnt4(rec, s, nlev, lo);
                if (colour != -1) qqcnt0(rec, x[i], y[j], x[i + 1], y[j + 1], colour);
            } else if (lo + 1 == hi) {
                qqcnt1(rec, x, y, i, j, c, b, s, nlev);
            } else {
                qqcnt2(rec, x, y, i, j, c, s, nlev);
            }
        }
    }
}

// The first block of the polygon the line sink collects; false when the
// memory cannot be had.
bool holdFillPoints(FilledContourState &f) {
    float *block = f.fillPoints.reserve(2 * std::size_t(kContourFillPoints));
    if (block == nullptr) return false;
    f.xconfbf = block;
    f.yconfbf = block + kContourFillPoints;
    f.nconpnt = 0;
    f.nconmax = kContourFillPoints;
    f.lineLost = false;
    return true;
}

// The polygon's memory belongs to one call: a very long line's block is not
// kept with the record.
void releaseFillPoints(FilledContourState &f) {
    f.fillPoints = {};
    f.fillPointsSpare = {};
    f.xconfbf = nullptr;
    f.yconfbf = nullptr;
    f.nconpnt = 0;
    f.nconmax = 0;
}

// Each level's closed lines filled in the caller's order, every fill over the
// earlier ones.
void fillPolygons(GlobalRecord &rec, const float *x, int nx, const float *y, int ny, const float *z,
                  const float *zlev, int nlev) {
    FilledContourState &f = rec.contfill;
    f.iconfil = 1;
    for (int i = 1; i <= nlev; ++i) {
        qqsclr(rec, qqcnt4(rec, zlev, nlev, i));
        // A grid of fewer than two points in a direction has no lines to trace.
        if (nx >= 2 && ny >= 2) contu1(rec, x, nx, y, ny, z, zlev[i - 1]);
    }
    f.iconfil = 0;
}

void fillBands(GlobalRecord &rec, const float *x, int nx, const float *y, int ny, const float *z,
               const float *zlev, int nlev, bool polygons) {
    BandFillScope bands(rec, zlev, nlev);
    if (!bands.ready()) return;
    const float *s = bands.sortedLevels();
    bands.beginFills(polygons ? zlev : s);
    if (polygons)
        fillPolygons(rec, x, nx, y, ny, z, zlev, nlev);
    else
        fillCells(rec, x, nx, y, ny, z, s, nlev);
}

} // namespace

extern "C" void conshd(const float *xray, int nx, const float *yray, int ny, const float *zmat,
                       const float *zlev, int nlev) {
    GlobalRecord *recp = jqqlev(2, 3, "conshd");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (nlev < 1 || zlev == nullptr) {
        warni1(Warning::incorrectParameter, nlev);
        return;
    }
    if ((nx > 0 && xray == nullptr) || (ny > 0 && yray == nullptr) ||
        (nx > 0 && ny > 0 && zmat == nullptr)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    FilledContourState &f = rec.contfill;
    if (f.nconclr > 0 && f.nconclr < nlev) {
        qqserr("More contour levels as defined colours");
        warnin(Warning::ownText);
    }
    if (jqqlgx(rec, xray, nx, 1) != 0 || jqqlgx(rec, yray, ny, 2) != 0) return;

    const bool polygons = rec.surface.ishdcon == 1;
    if (polygons && !holdFillPoints(f)) {
        warnin(Warning::noMemory);
        return;
    }
    fillBands(rec, xray, nx, yray, ny, zmat, zlev, nlev, polygons);
    if (polygons) releaseFillPoints(f);
}
