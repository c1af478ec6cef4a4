/* W6 with Kavlor: 100,000 open circles (W6x10: 1,000,000) drawn as the markers of a curve without
 * its line. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_page.h"
#include "bench_pairs.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W6");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    float *x, *y;
    pairs_read(size.file, n, &x, &y);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin(size.title, 1);
    graf(-5.0f, 5.0f, -5.0f, 1.0f, -5.0f, 5.0f, -5.0f, 1.0f);
    title();
    color("BLUE");
    /* Circle outlines 0.5 pt (1.8 units of 0.1 mm) wide; on the raster that is under a pixel, the
     * thinnest line there is. */
    if (strcmp(device, "PNG") != 0) penwid(1.8f);
    /* Symbol 15, the open circle, 20 plot units (2 mm) high; markers only, at every point. */
    marker(15);
    hsymbl(20);
    incmrk(-1);
    curve(x, y, n);
    endgrf();
    kavfin();
    free(x);
    free(y);
    return 0;
}
