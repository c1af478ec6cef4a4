/* W2 with Kavlor: contour lines of a 1000 x 1000 grid at 20 levels, drawn with contur. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_grid.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const int n = BD_GRID_N;
    const char *device = page_open(argc, argv, "W2");
    float *x, *y, *z;
    int k;
    grid_read("grid1000.bin", n, -1.0, 1.0, &x, &y, &z);
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
