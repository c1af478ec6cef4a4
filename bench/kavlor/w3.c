/* W3 with Kavlor: 20 filled bands of a 1000 x 1000 grid, drawn cell by cell with conshd. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_grid.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const int n = BD_GRID_N;
    float edges[BD_LEVELS + 1];
    page_open(argc, argv, "W3");
    float *x, *y, *z;
    int k;
    grid_read("grid1000.bin", n, -1.0, 1.0, &x, &y, &z);
    for (k = 0; k <= BD_LEVELS; k++)
        edges[k] = (float)bd_band_edge(k);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin("W3: filled contours, 20 bands", 1);
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
