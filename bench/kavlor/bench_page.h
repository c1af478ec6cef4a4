/* Opening the page of a Kavlor benchmark program, the same for every workload. */
#ifndef KAVLOR_BENCH_PAGE_H
#define KAVLOR_BENCH_PAGE_H

#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_sizes.h"

/* Checks `W FORMAT OUT` (W also at its size x10, "W1x10"; exit 1 on a wrong call), chooses the
 * device and opens the page. The format "screen" draws into a screen window (the program writes
 * what the window shows into OUT as PNG). */
static const char *page_open(int argc, char **argv, const char *workload) {
    static const char *devices[5][2] = {
        {"ps", "PS"}, {"pdf", "PDF"}, {"svg", "SVG"}, {"png", "PNG"}, {"screen", "XWIN"}};
    const char *device = NULL;
    int i;
    if (argc != 4 || !bd_names_workload(argv[1], workload)) {
        fprintf(stderr, "usage: %s %s FORMAT OUT\n", argv[0], workload);
        exit(1);
    }
    for (i = 0; i < 5; i++)
        if (strcmp(argv[2], devices[i][0]) == 0) device = devices[i][1];
    if (device == NULL) {
        fprintf(stderr, "%s: no Kavlor writer for %s\n", argv[0], argv[2]);
        exit(3);
    }
    metafl(device);
    setfil(argv[3]);
    filmod("DELE");
    /* A4 at 100 dpi; a screen window of that size closes at kavfin without waiting. */
    if (strcmp(device, "PNG") == 0 || strcmp(device, "XWIN") == 0) winsiz(1169, 827);
    kavini();
    if (strcmp(device, "XWIN") == 0) winmod("NOHO");
    if (strcmp(device, "PNG") == 0 || strcmp(device, "XWIN") == 0)
        revscr(); /* black on white, as the peers draw */
    return device;
}

#endif
