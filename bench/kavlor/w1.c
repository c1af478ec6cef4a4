/* W1 with Kavlor: one curve of 1,000,000 points drawn with curve. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W1");
    double *xy = bd_read("curve.bin", 2 * (size_t)BD_CURVE_N);
    float *x = malloc(BD_CURVE_N * sizeof *x), *y = malloc(BD_CURVE_N * sizeof *y);
    size_t i;
    if (x == NULL || y == NULL) return 2;
    for (i = 0; i < BD_CURVE_N; i++) {
        x[i] = (float)xy[2 * i];
        y[i] = (float)xy[2 * i + 1];
    }
    free(xy);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin("W1: curve of 1,000,000 points", 1);
    graf(0.0f, 360.0f, 0.0f, 90.0f, -1.5f, 1.5f, -1.5f, 0.5f);
    title();
    color("BLUE");
    /* Data lines 0.5 pt (1.8 units of 0.1 mm) wide; on the raster that is under a pixel, the
     * thinnest line there is. */
    if (strcmp(device, "PNG") != 0) penwid(1.8f);
    curve(x, y, BD_CURVE_N);
    endgrf();
    kavfin();
    free(x);
    free(y);
    return 0;
}
