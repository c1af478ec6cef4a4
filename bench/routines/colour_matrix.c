/* Time of crvmat on an n x n matrix: kavlor_routine_colour_matrix [n [device [runs]]]
 * (default 1000 x 1000 values on the memory raster "VIRT", 5 runs). Each run is one plot of
 * the matrix, one box per value; prints the best and the median run of crvmat alone. */
#include <kavlor.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

static int ascending(const void *a, const void *b) {
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

int main(int argc, char **argv) {
    const int n = argc > 1 ? atoi(argv[1]) : 1000;
    const char *device = argc > 2 ? argv[2] : "VIRT";
    const int runs = argc > 3 ? atoi(argv[3]) : 5;
    if (n < 2 || n > 20000 || runs < 1 || runs > 100) {
        fprintf(stderr, "usage: %s [n 2..20000 [device [runs 1..100]]]\n", argv[0]);
        return 1;
    }
    float *z = malloc(sizeof(float) * (size_t)n * (size_t)n);
    double times[100];
    if (z == NULL) return 1;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            z[(size_t)i * (size_t)n + (size_t)j] = sinf(0.01f * (float)i) * cosf(0.013f * (float)j);
    for (int r = 0; r < runs; ++r) {
        metafl(device);
        setfil("colour_matrix.out");
        filmod("DELE");
        kavini();
        errmod("PROT", "OFF");
        autres(n, n);
        graf3(0, 1, 0, 0.2f, 0, 1, 0, 0.2f, -1, 1, -1, 0.5f);
        const double t0 = seconds();
        crvmat(z, n, n, 1, 1);
        times[r] = seconds() - t0;
        endgrf();
        kavfin();
    }
    qsort(times, (size_t)runs, sizeof times[0], ascending);
    printf("crvmat: %d x %d values on %s, best %.3f s, median %.3f s\n", n, n, device, times[0],
           times[runs / 2]);
    free(z);
    return 0;
}
