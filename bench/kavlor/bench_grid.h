/* Reading a square grid of a Kavlor benchmark into the library's layout. */
#ifndef KAVLOR_BENCH_GRID_H
#define KAVLOR_BENCH_GRID_H

#include <stdlib.h>

#include "bench_data.h"

/* The n x n values of file (x running fastest) over lo..hi on both axes:
 * x and y get the axis values, z the value at (x[i], y[j]) at i * n + j, as
 * the contour and surface routines take it. Exit 2 without memory. */
static void grid_read(const char *file, int n, double lo, double hi, float **x, float **y,
                      float **z) {
    double *grid = bd_read(file, (size_t)n * n);
    int i, j;
    *x = malloc(n * sizeof **x);
    *y = malloc(n * sizeof **y);
    *z = malloc((size_t)n * n * sizeof **z);
    if (*x == NULL || *y == NULL || *z == NULL) exit(2);
    for (i = 0; i < n; i++) {
        (*x)[i] = (float)bd_axis(i, n, lo, hi);
        (*y)[i] = (*x)[i];
    }
    for (j = 0; j < n; j++)
        for (i = 0; i < n; i++)
            (*z)[(size_t)i * n + j] = (float)grid[(size_t)j * n + i];
    free(grid);
}

#endif
