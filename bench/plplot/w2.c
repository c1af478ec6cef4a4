/* W2 with PLplot: contour lines of a 1000 x 1000 grid at 20 levels, drawn with plcont. */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W2");
    PLFLT **z = page_read_grid("grid1000.bin", BD_GRID_N);
    PLcGrid grid = {.xg = page_grid_axis(BD_GRID_N, -1.0, 1.0),
                    .yg = page_grid_axis(BD_GRID_N, -1.0, 1.0),
                    .nx = BD_GRID_N,
                    .ny = BD_GRID_N};
    PLFLT levels[BD_LEVELS];
    for (int k = 0; k < BD_LEVELS; k++)
        levels[k] = bd_level(k);
    page_axes(-1.0, 1.0, 0.5, -1.0, 1.0, 0.5, "W2: contour lines, 1000 x 1000 grid");
    plcont((PLFLT_MATRIX)z, BD_GRID_N, BD_GRID_N, 1, BD_GRID_N, 1, BD_GRID_N, levels, BD_LEVELS,
           pltr1, &grid);
    plend();
    return 0;
}
