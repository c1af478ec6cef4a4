/* W5 with PLplot: the mesh of sin(r)/r on a 100 x 100 grid with hidden lines removed (plmesh). */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W5");
    int n = BD_MESH_N;
    PLFLT **z = page_read_grid("mesh100.bin", n);
    double *x = page_grid_axis(n, -10.0, 10.0), *y = page_grid_axis(n, -10.0, 10.0);
    page_axes3d(0.0, "W5: mesh with hidden lines, 100 x 100");
    plmesh(x, y, (PLFLT_MATRIX)z, n, n, DRAW_LINEXY);
    plend();
    return 0;
}
