/* W1 with Kavlor: one curve of 1,000,000 points drawn with curve. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"

/* Checks `W FORMAT OUT` (exit 1 on a wrong call), chooses the device and opens the page. */
static const char *page_open(int argc, char **argv, const char *workload) {
    static const char *devices[4][2] = {
        {"ps", "PS"}, {"pdf", "PDF"}, {"svg", "SVG"}, {"png", "PNG"}};
    const char *device = NULL;
    int i;
    if (argc != 4 || strcmp(argv[1], workload) != 0) {
        fprintf(stderr, "usage: %s %s FORMAT OUT\n", argv[0], workload);
        exit(1);
    }
    for (i = 0; i < 4; i++)
        if (strcmp(argv[2], devices[i][0]) == 0) device = devices[i][1];
    if (device == NULL) {
        fprintf(stderr, "%s: no Kavlor writer for %s\n", argv[0], argv[2]);
        exit(3);
    }
    metafl(device);
    setfil(argv[3]);
    filmod("DELE");
    if (strcmp(device, "PNG") == 0) winsiz(1169, 827); /* A4 at 100 dpi */
    kavini();
    if (strcmp(device, "PNG") == 0) revscr(); /* black on white, as the peers draw */
    return device;
}

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
