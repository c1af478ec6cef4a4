/* W1 with Kavlor: one curve of 1,000,000 points (W1x10: 10,000,000) drawn with curve. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_page.h"
#include "bench_pairs.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W1");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    float *x, *y;
    pairs_read(size.file, n, &x, &y);
    name("X axis", "X");
    name("Y axis", "Y");
    titlin(size.title, 1);
    graf(0.0f, 360.0f, 0.0f, 90.0f, -1.5f, 1.5f, -1.5f, 0.5f);
    title();
    color("BLUE");
    /* Data lines 0.5 pt (1.8 units of 0.1 mm) wide; on the raster and the screen that is under
     * a pixel, the thinnest line there is. */
    if (strcmp(device, "PNG") != 0 && strcmp(device, "XWIN") != 0) penwid(1.8f);
    curve(x, y, n);
    endgrf();
    if (strcmp(device, "XWIN") == 0) rpng(argv[3]); /* the window as it shows the curve */
    kavfin();
    free(x);
    free(y);
    return 0;
}
