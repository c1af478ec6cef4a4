/* W2 with Kavlor: contour lines of a 1000 x 1000 grid (W2x10: 2000 x 2000) at 20 levels, each in
 * its own colour, drawn with contur. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_grid.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W2");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    float *x, *y, *z;
    int k;
    grid_read(size.file, n, -1.0, 1.0, &x, &y, &z);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin(size.title, 1);
    graf(-1.0f, 1.0f, -1.0f, 0.5f, -1.0f, 1.0f, -1.0f, 0.5f);
    title();
    /* Data lines 0.5 pt (1.8 units of 0.1 mm) wide. */
    if (strcmp(device, "PNG") != 0) penwid(1.8f);
    /* One colour per level, spread over the rainbow of the default colour table. */
    for (k = 0; k < BD_LEVELS; k++) {
        setclr(1 + 253 * k / (BD_LEVELS - 1));
        contur(x, n, y, n, z, (float)bd_level(k));
    }
    endgrf();
    kavfin();
    free(x);
    free(y);
    free(z);
    return 0;
}
