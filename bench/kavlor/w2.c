/* W2 with Kavlor: contour lines of a 1000 x 1000 grid at 20 levels, drawn with contur. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const int n = BD_GRID_N;
    const char *device = page_open(argc, argv, "W2");
    double *grid = bd_read("grid1000.bin", (size_t)n * n);
    float *x = malloc(n * sizeof *x), *y = malloc(n * sizeof *y);
    float *z = malloc((size_t)n * n * sizeof *z);
    int i, j, k;
    if (x == NULL || y == NULL || z == NULL) return 2;
    for (i = 0; i < n; i++) {
        x[i] = (float)bd_axis(i, n, -1.0, 1.0);
        y[i] = x[i];
    }
    /* The file runs x fastest; contur takes the value at (x[i], y[j]) at i * ny + j. */
    for (j = 0; j < n; j++)
        for (i = 0; i < n; i++)
            z[(size_t)i * n + j] = (float)grid[(size_t)j * n + i];
    free(grid);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin("W2: contour lines, 1000 x 1000 grid", 1);
    graf(-1.0f, 1.0f, -1.0f, 0.5f, -1.0f, 1.0f, -1.0f, 0.5f);
    title();
    color("BLUE");
    /* Data lines 0.5 pt (1.8 units of 0.1 mm) wide. */
    if (strcmp(device, "PNG") != 0) penwid(1.8f);
    for (k = 0; k < BD_LEVELS; k++)
        contur(x, n, y, n, z, (float)bd_level(k));
    endgrf();
    kavfin();
    free(x);
    free(y);
    free(z);
    return 0;
}
