/* Time of triang on random points: kavlor_routine_triangulation [n [runs]]
 * (default 100000 points, 5 runs). Prints the best and the median run. */
#include <kavlor.h>
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
    const int n = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 5;
    if (n < 3 || runs < 1 || runs > 100) {
        fprintf(stderr, "usage: %s [n >= 3 [runs 1..100]]\n", argv[0]);
        return 1;
    }
    const int nmax = 2 * n + 1;
    float *x = malloc(sizeof(float) * (size_t)(n + 3));
    float *y = malloc(sizeof(float) * (size_t)(n + 3));
    int *i1 = malloc(sizeof(int) * (size_t)nmax);
    int *i2 = malloc(sizeof(int) * (size_t)nmax);
    int *i3 = malloc(sizeof(int) * (size_t)nmax);
    double times[100];
    if (x == NULL || y == NULL || i1 == NULL || i2 == NULL || i3 == NULL) return 1;
    unsigned state = 12345u; /* the same points on every machine */
    for (int i = 0; i < n; ++i) {
        state = state * 1103515245u + 12345u;
        x[i] = (float)(state >> 8) / 16777216.0f;
        state = state * 1103515245u + 12345u;
        y[i] = (float)(state >> 8) / 16777216.0f;
    }
    int count = 0;
    for (int r = 0; r < runs; ++r) {
        const double t0 = seconds();
        count = triang(x, y, n, i1, i2, i3, nmax);
        times[r] = seconds() - t0;
    }
    qsort(times, (size_t)runs, sizeof times[0], ascending);
    printf("triang: %d points, %d triangles, best %.3f s, median %.3f s\n", n, count, times[0],
           times[runs / 2]);
    free(x), free(y), free(i1), free(i2), free(i3);
    return count > 0 ? 0 : 1;
}
