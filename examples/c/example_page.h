/* What the gallery's axis-system examples do around their drawing: the page
 * opened on a device, and one file written per format. */
#ifndef EXAMPLE_PAGE_H
#define EXAMPLE_PAGE_H

#include <kavlor.h>
#include <stdio.h>
#include <string.h>

/* Opens a plot on device into file. PNG pages are drawn black on white, as
 * on paper, in a stroke font; the vector files take PostScript's Helvetica. */
static void open_page(const char *device, const char *file) {
    metafl(device);
    setfil(file);
    filmod("DELE");
    kavini();
    if (strcmp(device, "PNG") == 0) {
        revscr();
        complx();
    } else {
        psfont("Helvetica");
    }
}

/* Draws the plot as stem.pdf, stem.svg and stem.png, or only in the format
 * named on the command line (PDF, SVG or PNG). */
static int plot_formats(int argc, char **argv, const char *stem,
                        void (*plot)(const char *device, const char *file)) {
    static const char *formats[3][2] = {{"PDF", "pdf"}, {"SVG", "svg"}, {"PNG", "png"}};
    char file[256];
    int i;
    for (i = 0; i < 3; i++) {
        if (argc >= 2 && strcmp(argv[1], formats[i][0]) != 0) continue;
        snprintf(file, sizeof file, "%s.%s", stem, formats[i][1]);
        plot(formats[i][0], file);
    }
    return 0;
}

#endif
