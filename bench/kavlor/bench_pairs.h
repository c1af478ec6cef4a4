/* Reading the (x, y) pairs of a Kavlor benchmark into the library's float columns. */
#ifndef KAVLOR_BENCH_PAIRS_H
#define KAVLOR_BENCH_PAIRS_H

#include <stdlib.h>

#include "bench_data.h"

/* The n (x, y) pairs of file as two float columns, the caller frees them. Exit 2 without
 * memory. */
static void pairs_read(const char *file, int n, float **x, float **y) {
    double *xy = bd_read(file, 2 * (size_t)n);
    int i;
    *x = malloc(n * sizeof **x);
    *y = malloc(n * sizeof **y);
    if (*x == NULL || *y == NULL) exit(2);
    for (i = 0; i < n; i++) {
        (*x)[i] = (float)xy[2 * i];
        (*y)[i] = (float)xy[2 * i + 1];
    }
    free(xy);
}

#endif
