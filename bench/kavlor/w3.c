/* W3 with Kavlor: 20 filled bands of a 1000 x 1000 grid (W3x10: 2000 x 2000), drawn cell by cell
 * with conshd. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_grid.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    float edges[BD_LEVELS + 1];
    page_open(argc, argv, "W3");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    float *x, *y, *z;
    int k;
    grid_read(size.file, n, -1.0, 1.0, &x, &y, &z);
    for (k = 0; k <= BD_LEVELS; k++)
        edges[k] = (float)bd_band_edge(k);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin(size.title, 1);
    graf(-1.0f, 1.0f, -1.0f, 0.5f, -1.0f, 1.0f, -1.0f, 0.5f);
    /* Only the 20 bands between the edges; values outside them stay unfilled. */
    shdmod("NONE", "CELL");
    conshd(x, n, y, n, z, edges, BD_LEVELS + 1);
    title();
    endgrf();
    kavfin();
    free(x);
    free(y);
    free(z);
    return 0;
}
