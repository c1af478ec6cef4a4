// grid3d: grid lines in the bottom face of the 3-D box and in the two
// vertical faces behind it, each drawn as the grid of a 2-D axis system in
// that face.
#include "graphics3d/box_level.h"
#include "graphics3d/plane.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

enum class GridFaces { all = 0, back, bottom };

// The grid of axes h (along the face) and v (upwards in it), 0 X, 1 Y, 2 Z,
// in the face through the box corners q1, q2, q3. graf reads the logarithmic
// flags of its X and Y axes, so those of h and v stand in for them meanwhile.
void gridInFace(GlobalRecord &rec, int q1, int q2, int q3, int h, int v, int nx, int ny) {
    const float(&g)[3][4] = rec.view3d.xgrf3d;
    int *logarithmic = rec.axes.ilogax;
    const int saved[2] = {logarithmic[0], logarithmic[1]};
    const int faceLog[2] = {logarithmic[h], logarithmic[v]};
    logarithmic[0] = faceLog[0];
    logarithmic[1] = faceLog[1];
    openCornerPlane(rec, q1, q2, q3);
    graf(g[h][0], g[h][1], g[h][2], g[h][3], g[v][0], g[v][1], g[v][2], g[v][3]);
    // graf refuses a bad axis and stays at level 1; grid needs its axis system.
    if (rec.core.ilevel == 2) grid(nx, ny);
    closePlane(rec);
    logarithmic[0] = saved[0];
    logarithmic[1] = saved[1];
}

} // namespace

extern "C" void grid3d(int ixgrid, int iygrid, const char *copt) {
    GlobalRecord *rec = jqqbox("grid3d");
    if (rec == nullptr) return;
    // A keyword not in the list draws all the faces.
    const int option = jqqind("ALL +BACK+BOTT", 3, copt);
    const GridFaces faces = option == 0 ? GridFaces::all : GridFaces(option - 1);
    if (jqqval(ixgrid, 0, -1) != 0) ixgrid = 0;
    if (jqqval(iygrid, 0, -1) != 0) iygrid = 0;

    AxisSystemState &s = rec->axsys;
    const int inograf = s.inograf;
    s.inograf = 1; // the axis systems of the faces only scale, they are not drawn
    if (faces != GridFaces::back) gridInFace(*rec, 1, 2, 3, 0, 1, ixgrid, iygrid);
    if (faces != GridFaces::bottom) {
        // The two upright faces on the far side from the eye; none when the
        // eye lies in a middle plane of the box (x or y exactly 0).
        const float ex = rec->view3d.xview3d[0], ey = rec->view3d.xview3d[1];
        if (ex != 0.0f && ey != 0.0f) {
            if (ex > 0.0f)
                gridInFace(*rec, 1, 4, 8, 1, 2, ixgrid, iygrid); // x = -lx/2, along y
            else
                gridInFace(*rec, 2, 3, 7, 1, 2, ixgrid, iygrid); // x = +lx/2
            if (ey < 0.0f)
                gridInFace(*rec, 4, 3, 7, 0, 2, ixgrid, iygrid); // y = +ly/2, along x
            else
                gridInFace(*rec, 1, 2, 6, 0, 2, ixgrid, iygrid); // y = -ly/2
        }
    }
    s.inograf = inograf;
}
