/* The sizes a C bench program draws: a workload at the size of WORKLOADS.md ("W1") or at ten times
 * its work ("W1x10": 10,000,000 points, W2 and W3 on a 2000 x 2000 grid, W4 on 1000 x 1000, W6 with
 * 1,000,000 markers), read from the files that mkdata.py and mkdata_x10.py write. A program is
 * called with either name and draws the same picture from the input of that size. */
#ifndef BENCH_SIZES_H
#define BENCH_SIZES_H

#include <string.h>

#include "bench_data.h"

typedef struct {
    const char *workload; /* the name a program is called with */
    int n;                /* points (W1, W6) or the side of the square grid (W2, W3, W4) */
    const char *file;     /* the input in $KVBENCH_DATA */
    const char *title;
} bd_size;

static const bd_size bd_sizes[] = {
    {"W1", BD_CURVE_N, "curve.bin", "W1: curve of 1,000,000 points"},
    {"W1x10", 10 * BD_CURVE_N, "curve_x10.bin", "W1: curve of 10,000,000 points"},
    {"W2", BD_GRID_N, "grid1000.bin", "W2: contour lines, 1000 x 1000 grid"},
    {"W2x10", 2 * BD_GRID_N, "grid2000.bin", "W2: contour lines, 2000 x 2000 grid"},
    {"W3", BD_GRID_N, "grid1000.bin", "W3: filled contours, 20 bands"},
    {"W3x10", 2 * BD_GRID_N, "grid2000.bin", "W3: filled contours, 20 bands, 2000 x 2000 grid"},
    {"W4", BD_SURF_N, "surf300.bin", "W4: shaded surface sin(r)/r, 300 x 300"},
    {"W4x10", 1000, "surf1000.bin", "W4: shaded surface sin(r)/r, 1000 x 1000"},
    {"W6", BD_SCATTER_N, "scatter.bin", "W6: scatter of 100,000 open circles"},
    {"W6x10", 10 * BD_SCATTER_N, "scatter_x10.bin", "W6: scatter of 1,000,000 open circles"},
};

/* The size of workload arg ("W1" or "W1x10"), or NULL when no row names it. */
static inline const bd_size *bd_size_find(const char *arg) {
    for (size_t i = 0; i < sizeof bd_sizes / sizeof bd_sizes[0]; i++)
        if (strcmp(arg, bd_sizes[i].workload) == 0) return &bd_sizes[i];
    return NULL;
}

/* 1 when arg calls for workload w: w itself, or its size x10 when there is one ("W1x10"). */
static inline int bd_names_workload(const char *arg, const char *w) {
    size_t n = strlen(w);
    if (strcmp(arg, w) == 0) return 1;
    return strncmp(arg, w, n) == 0 && strcmp(arg + n, "x10") == 0 && bd_size_find(arg) != NULL;
}

/* The size of workload arg; exits 1 when there is none. */
static inline bd_size bd_size_of(const char *arg) {
    const bd_size *size = bd_size_find(arg);
    if (size == NULL) {
        fprintf(stderr, "bench: no size for workload %s\n", arg);
        exit(1);
    }
    return *size;
}

#endif
