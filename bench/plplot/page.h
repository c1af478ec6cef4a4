/* What every PLplot bench program shares: the `W FORMAT OUT` arguments, the device per format, the
 * A4 landscape page (842 x 595 points; 1169 x 827 pixels for PNG, that is 100 dpi), a white
 * background with black axes, and the width of the data lines. */
#ifndef BENCH_PLPLOT_PAGE_H
#define BENCH_PLPLOT_PAGE_H

#include <plplot.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_sizes.h"

enum { PAGE_AXES = 1, PAGE_DATA = 9 }; /* colour map 0 entries: black (set below) and blue */
static const double PAGE_LINE_WIDTH = 0.5;

/* One row per format PLplot writes. The PostScript driver lays the landscape page turned on a
 * portrait A4 sheet, so it takes the page as 595 x 842. */
static const struct {
    const char *format, *device;
    int width, height;
} page_devices[] = {
    {.format = "ps", .device = "psc", .width = 595, .height = 842},
    {.format = "pdf", .device = "pdfcairo", .width = 842, .height = 595},
    {.format = "svg", .device = "svg", .width = 842, .height = 595},
    {.format = "png", .device = "pngcairo", .width = 1169, .height = 827},
};

/* Checks `W FORMAT OUT` (W also at its size x10, "W1x10"; exit 1 on a wrong call, 3 when PLplot has
 * no writer for FORMAT), then opens the page. */
static inline void page_open(int argc, char **argv, const char *workload) {
    if (argc != 4 || !bd_names_workload(argv[1], workload)) {
        fprintf(stderr, "usage: %s %s FORMAT OUT\n", argv[0], workload);
        exit(1);
    }
    for (size_t i = 0; i < sizeof page_devices / sizeof page_devices[0]; i++) {
        if (strcmp(argv[2], page_devices[i].format) != 0) continue;
        plsdev(page_devices[i].device);
        plsfnam(argv[3]);
        plspage(0, 0, page_devices[i].width, page_devices[i].height, 0, 0);
        plscolbg(255, 255, 255);
        plscol0(PAGE_AXES, 0, 0, 0);
        plinit();
        return;
    }
    fprintf(stderr, "%s: no PLplot writer for %s\n", argv[0], argv[2]);
    exit(3);
}

/* A 2-D axis system in the standard viewport: frame, ticks every xtick and ytick, tick labels,
 * axis names and the title. Leaves the data colour and line width set. */
static inline void page_axes(double xmin, double xmax, double xtick, double ymin, double ymax,
                             double ytick, const char *title) {
    pladv(0);
    plvsta();
    plwind(xmin, xmax, ymin, ymax);
    plbox("bcnst", xtick, 0, "bcnstv", ytick, 0);
    pllab("X axis", "Y axis", title);
    plcol0(PAGE_DATA);
    plwidth(PAGE_LINE_WIDTH);
}

/* The 3-D box of W4 and W5: x, y in [-10, 10], z in [-0.3, 1], seen from 30 degrees up at azimuth
 * -30 (the x axis in front, as the other peers show it); the viewport leaves `right` of the page
 * free for a colour scale. */
static inline void page_axes3d(double right, const char *title) {
    pladv(0);
    plvpor(0.0, 1.0 - right, 0.0, 0.92);
    plwind(-0.9, 0.9, -0.6, 1.1);
    plw3d(1.0, 1.0, 1.0, -10.0, 10.0, -10.0, 10.0, -0.3, 1.0, 30.0, -30.0);
    plbox3("bnstu", "X axis", 5.0, 0, "bnstu", "Y axis", 5.0, 0, "bcdnstu", "Z axis", 0.5, 0);
    plmtex("t", 1.0, 0.5, 0.5, title);
    plwidth(PAGE_LINE_WIDTH);
}

/* Coordinates of an n-point grid axis on [lo, hi]. */
static inline double *page_grid_axis(int n, double lo, double hi) {
    double *t = malloc(n * sizeof *t);
    if (!t) exit(2);
    for (int i = 0; i < n; i++)
        t[i] = bd_axis(i, n, lo, hi);
    return t;
}

/* The grid file `name` (z[j*n + i], x fastest) as PLplot's z[i][j]. */
static inline PLFLT **page_read_grid(const char *name, int n) {
    double *flat = bd_read(name, (size_t)n * n);
    PLFLT **z;
    plAlloc2dGrid(&z, n, n);
    for (int j = 0; j < n; j++)
        for (int i = 0; i < n; i++)
            z[i][j] = flat[(size_t)j * n + i];
    free(flat);
    return z;
}

#endif
