/* W2 with PLplot: contour lines of a 1000 x 1000 grid (W2x10: 2000 x 2000) at 20 levels, each
 * in its own colour, drawn with plcont. */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W2");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    PLFLT **z = page_read_grid(size.file, n);
    PLcGrid grid = {
        .xg = page_grid_axis(n, -1.0, 1.0), .yg = page_grid_axis(n, -1.0, 1.0), .nx = n, .ny = n};
    page_axes(-1.0, 1.0, 0.5, -1.0, 1.0, 0.5, size.title);
    /* One colour per level, spread over colour map 1. */
    for (int k = 0; k < BD_LEVELS; k++) {
        PLFLT level = bd_level(k);
        plcol1((PLFLT)k / (BD_LEVELS - 1));
        plcont((PLFLT_MATRIX)z, n, n, 1, n, 1, n, &level, 1, pltr1, &grid);
    }
    plend();
    return 0;
}
