/* What the gallery's axis-system examples do around their drawing: the page
 * opened on a device, and one file written per format. */
#ifndef EXAMPLE_PAGE_H
#define EXAMPLE_PAGE_H

#include <kavlor.h>
#include <stdio.h>
#include <string.h>

/* Opens a plot on device into file. PNG pages are drawn on white, as on
 * paper, in true colour and a stroke font; the vector files take PostScript's
 * Helvetica. */
static void open_page(const char *device, const char *file) {
    metafl(device);
    setfil(file);
    filmod("DELE");
    if (strcmp(device, "PNG") == 0) {
        scrmod("REVERS");
        imgfmt("RGB");
    }
    kavini();
    if (strcmp(device, "PNG") == 0)
        complx();
    else
        psfont("Helvetica");
}

/* Starts page 2, 3, ... of the plot that open_page opened on device into
 * file: a new page of the file where the format holds pages (PDF), else a
 * file of its own, the page number before the extension (maps_2.svg). */
static inline void next_page(const char *device, const char *file, int page) {
    const char *extension = strrchr(file, '.');
    char name[256];
    if (strcmp(device, "PDF") == 0) {
        newpag();
        return;
    }
    kavfin();
    snprintf(name, sizeof name, "%.*s_%d%s", (int)(extension - file), file, page, extension);
    open_page(device, name);
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
