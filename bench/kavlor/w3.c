/* W3 with Kavlor: 20 filled bands of a 1000 x 1000 grid, drawn cell by cell with conshd. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const int n = BD_GRID_N;
    float edges[BD_LEVELS + 1];
    page_open(argc, argv, "W3");
    double *grid = bd_read("grid1000.bin", (size_t)n * n);
    float *x = malloc(n * sizeof *x), *y = malloc(n * sizeof *y);
    float *z = malloc((size_t)n * n * sizeof *z);
    int i, j, k;
    if (x == NULL || y == NULL || z == NULL) return 2;
    for (i = 0; i < n; i++) {
        x[i] = (float)bd_axis(i, n, -1.0, 1.0);
        y[i] = x[i];
    }
    /* The file runs x fastest; conshd takes the value at (x[i], y[j]) at i * ny + j. */
    for (j = 0; j < n; j++)
        for (i = 0; i < n; i++)
            z[(size_t)i * n + j] = (float)grid[(size_t)j * n + i];
    free(grid);
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
