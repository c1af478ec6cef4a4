/* W3 with PLplot: 20 filled bands of a 1000 x 1000 grid, drawn with plshades. */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W3");
    PLFLT **z = page_read_grid("grid1000.bin", BD_GRID_N);
    PLFLT edges[BD_LEVELS + 1];
    for (int k = 0; k <= BD_LEVELS; k++)
        edges[k] = bd_band_edge(k);
    page_axes(-1.0, 1.0, 0.5, -1.0, 1.0, 0.5, "W3: filled contours, 20 bands");
    /* No contour lines around the bands (width 0); the grid spans the window. */
    plshades((PLFLT_MATRIX)z, BD_GRID_N, BD_GRID_N, NULL, -1.0, 1.0, -1.0, 1.0, edges,
             BD_LEVELS + 1, 1.0, 0, 0.0, plfill, 1, NULL, NULL);
    plcol0(PAGE_AXES);
    plbox("bc", 0, 0, "bc", 0, 0);
    plend();
    return 0;
}
