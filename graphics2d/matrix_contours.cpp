// conmat: the contour lines of a matrix whose grid is spread evenly over the
// axis system, or over the extent that sursze fixed.
#include <cmath>
#include <cstddef>
#include <memory>
#include <new>

#include "graphics2d/contours.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void conmat(const float *zmat, int nx, int ny, float zlev) {
    GlobalRecord *recp = jqqlev(2, 3, "conmat");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    // The counts are checked before the grid is allocated from them.
    const int fewer = nx < ny ? nx : ny;
    if (fewer <= 1 || zmat == nullptr) {
        warni1(Warning::incorrectParameter, fewer);
        return;
    }
    const std::unique_ptr<float[]> grid(
        new (std::nothrow) float[std::size_t(nx) + std::size_t(ny)]);
    if (grid == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float xa = rec.axsys.xgrfx[0], xe = rec.axsys.xgrfx[1];
    float ya = rec.axsys.xgrfy[0], ye = rec.axsys.xgrfy[1];
    if (rec.surface.isursze == 1) {
        const float *e = rec.surface.xsursze;
        xa = e[0], xe = e[1], ya = e[2], ye = e[3];
    }
    // On a logarithmic axis the extent is given in exponents, as its scaling is.
    if (rec.axes.ilogax[0] == 1) xa = std::pow(10.0f, xa), xe = std::pow(10.0f, xe);
    if (rec.axes.ilogax[1] == 1) ya = std::pow(10.0f, ya), ye = std::pow(10.0f, ye);
    float *x = grid.get(), *y = grid.get() + nx;
    for (int i = 0; i < nx; ++i)
        x[i] = xa + float(i) * (xe - xa) / float(nx - 1);
    for (int j = 0; j < ny; ++j)
        y[j] = ya + float(j) * (ye - ya) / float(ny - 1);
    contourGrid(rec, x, nx, y, ny, zmat, zlev);
}
