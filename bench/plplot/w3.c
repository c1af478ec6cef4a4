/* W3 with PLplot: 20 filled bands of a 1000 x 1000 grid (W3x10: 2000 x 2000), drawn with plshades.
 */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W3");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    PLFLT **z = page_read_grid(size.file, n);
    PLFLT edges[BD_LEVELS + 1];
    for (int k = 0; k <= BD_LEVELS; k++)
        edges[k] = bd_band_edge(k);
    page_axes(-1.0, 1.0, 0.5, -1.0, 1.0, 0.5, size.title);
    /* No contour lines around the bands (width 0); the grid spans the window. */
    plshades((PLFLT_MATRIX)z, n, n, NULL, -1.0, 1.0, -1.0, 1.0, edges, BD_LEVELS + 1, 1.0, 0, 0.0,
             plfill, 1, NULL, NULL);
    plcol0(PAGE_AXES);
    plbox("bc", 0, 0, "bc", 0, 0);
    plend();
    return 0;
}
