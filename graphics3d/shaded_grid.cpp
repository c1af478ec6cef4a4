// surshd: the colour-shaded surface of a function given on a grid. The box
// points, the colours of the grid points and, when lit, the normals of the
// cells are worked out once each, before the cells are drawn.
#include <climits>
#include <cstddef>

#include "graphics3d/lighting.h"
#include "graphics3d/projection.h"
#include "graphics3d/shaded_surface.h"
#include "graphics3d/zeroed_array.h"
#include "kavlor.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

struct Grid {
    const float *x;
    const float *y;
    const float *z;
    int nx, ny;
    std::size_t at(int i, int j) const { return std::size_t(i) * std::size_t(ny) + std::size_t(j); }
};

// Working values of one call: box points of the grid points, a colour per
// grid point and a unit normal per cell.
struct GridWork {
    std::unique_ptr<float[]> box;     // x, y, z of grid point (i, j) at 3 * at(i, j)
    std::unique_ptr<int[]> colours;   // corner colour (smooth) or material colour (flat, lit)
    std::unique_ptr<float[]> normals; // x, y, z of cell (a, b) at 3 * (a * (ny - 1) + b)
};

const float *boxPoint(const GridWork &w, const Grid &g, int i, int j) {
    return &w.box[3 * g.at(i, j)];
}
const float *cellNormal(const GridWork &w, const Grid &g, int a, int b) {
    return &w.normals[3 * (std::size_t(a) * std::size_t(g.ny - 1) + std::size_t(b))];
}

// The normal of the cell's triangle through (a, b), (a+1, b), (a+1, b+1).
void computeNormals(GridWork &w, const Grid &g, int flag) {
    for (int a = 0; a < g.nx - 1; ++a)
        for (int b = 0; b < g.ny - 1; ++b) {
            const float *p1 = boxPoint(w, g, a, b), *p2 = boxPoint(w, g, a + 1, b),
                        *p3 = boxPoint(w, g, a + 1, b + 1);
            float *n = &w.normals[3 * (std::size_t(a) * std::size_t(g.ny - 1) + std::size_t(b))];
            qqgnvc(p1[0], p1[1], p1[2], p2[0], p2[1], p2[2], p3[0], p3[1], p3[2], n[0], n[1], n[2],
                   flag);
        }
}

// The smooth colour of grid point (I, J) under the lights: the mean of its lit
// colours with the normals of the cells it is a corner of.
int litGridColour(GlobalRecord &rec, const GridWork &w, const Grid &g, int I, int J) {
    const int material = shadedColour(rec, g.z[g.at(I, J)]);
    const float *p = boxPoint(w, g, I, J);
    float sum[3] = {0, 0, 0};
    int cells = 0;
    auto add = [&](int a, int b) {
        float rgb[3];
        litCorner(rec, material, p, cellNormal(w, g, a, b), rgb);
        for (int k = 0; k < 3; ++k)
            sum[k] += rgb[k];
        ++cells;
    };
    if (I > 0 && J < g.ny - 1) add(I - 1, J);
    if (I > 0 && J > 0) add(I - 1, J - 1);
    if (I < g.nx - 1 && J > 0) add(I, J - 1);
    if (I < g.nx - 1 && J < g.ny - 1) add(I, J);
    return meanColour(sum, float(cells));
}

void prepare(GlobalRecord &rec, const ShadedSurface &s, GridWork &w, const Grid &g) {
    for (int i = 0; i < g.nx; ++i)
        for (int j = 0; j < g.ny; ++j) {
            float *b = &w.box[3 * g.at(i, j)];
            qqpos3(rec, g.x[i], g.y[j], g.z[g.at(i, j)], b[0], b[1], b[2]);
        }
    if (s.meshOnly) return;
    if (s.lit) computeNormals(w, g, s.normalFlag);
    for (int i = 0; i < g.nx; ++i)
        for (int j = 0; j < g.ny; ++j)
            w.colours[g.at(i, j)] = s.smooth && s.lit ? litGridColour(rec, w, g, i, j)
                                                      : shadedColour(rec, g.z[g.at(i, j)]);
}

// The flat colour of cell (i, j) with the corners ci, cj.
int flatColour(GlobalRecord &rec, const ShadedSurface &s, const GridWork &w, const Grid &g, int i,
               int j, const int ci[4], const int cj[4]) {
    if (!s.lit) {
        float sum = 0;
        for (int k = 0; k < 4; ++k)
            sum += g.z[g.at(ci[k], cj[k])];
        return shadedColour(rec, sum * 0.25f);
    }
    const float *n = cellNormal(w, g, i, j);
    float sum[3] = {0, 0, 0};
    for (int k = 0; k < 4; ++k) {
        float rgb[3];
        litCorner(rec, w.colours[g.at(ci[k], cj[k])], boxPoint(w, g, ci[k], cj[k]), n, rgb);
        for (int c = 0; c < 3; ++c)
            sum[c] += rgb[c];
    }
    return meanColour(sum, 4.0f);
}

} // namespace

extern "C" void surshd(const float *x1ray, int nx, const float *x2ray, int ny, const float *xmat) {
    GlobalRecord *recp = openShaded("surshd");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (nx <= 1 || ny <= 1 || nx > INT_MAX / ny || x1ray == nullptr || x2ray == nullptr ||
        xmat == nullptr) {
        warnin(Warning::incorrectParameter);
        return;
    }
    const Grid g{x1ray, x2ray, xmat, nx, ny};
    const std::size_t points = std::size_t(nx) * std::size_t(ny);
    const std::size_t cells = std::size_t(nx - 1) * std::size_t(ny - 1);
    GridWork w;
    w.box = zeroedArray<float>(3 * points);
    w.colours = zeroedArray<int>(points);
    w.normals = zeroedArray<float>(3 * cells);
    if (!w.box || !w.colours || !w.normals) {
        warnin(Warning::noMemory);
        return;
    }

    ShadedSurface s;
    if (!beginShaded(s, rec, "surshd", 4, nx * ny, kGridSpacing)) return;
    s.normalFlag = rec.view3d.xview3d[2] < rec.view3d.xgrf3d[2][0] ? 1 : 0;
    prepare(rec, s, w, g);

    for (int i = 0; i < nx - 1; ++i)
        for (int j = 0; j < ny - 1; ++j) {
            const int ci[4] = {i, i + 1, i + 1, i}, cj[4] = {j, j, j + 1, j + 1};
            float bx[4], by[4], bz[4];
            int colours[4];
            for (int k = 0; k < 4; ++k) {
                const float *b = boxPoint(w, g, ci[k], cj[k]);
                bx[k] = b[0];
                by[k] = b[1];
                bz[k] = b[2];
                colours[k] = s.meshOnly ? s.backgroundColour : w.colours[g.at(ci[k], cj[k])];
            }
            if (!s.smooth && !s.meshOnly) colours[0] = flatColour(rec, s, w, g, i, j, ci, cj);
            drawPatch(s, 4, bx, by, bz, colours);
        }
    endShaded(s);
}
