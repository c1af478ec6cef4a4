/* Maps: the world's coastlines and a grid in two projections, and Europe with
 * some countries filled and a legend, written as the two pages of maps.pdf
 * and as maps.svg and maps_2.svg, maps.png and maps_2.png (or only in the
 * format named on the command line). The map files are read from the
 * installation directory (KAVLOR; demo.sh points it at the build). */
#include <kavlor.h>

#include "example_page.h"

/* The world in Winkel's tripel projection and as a hemisphere seen from
 * above the North Atlantic, coastlines at the intermediate resolution. */
static void world_maps(void) {
    titlin("The world in two projections", 2);
    axspos(120, 1650);
    axslen(1770, 1000); /* the tripel is 1.77 times as wide as high */
    labels("MAP", "XY");
    projct("WINK");
    mapbas("GSHI");
    grafmp(-180.0f, 180.0f, -180.0f, 60.0f, -90.0f, 90.0f, -90.0f, 30.0f);
    color("BLUE");
    gridmp(1, 1);
    color("FORE");
    world();
    title();
    endgrf();

    axspos(2030, 1500);
    axslen(800, 800);
    projct("ORTH");
    mappol(-30.0f, 40.0f);
    frame(3);
    grafmp(-180.0f, 180.0f, -180.0f, 30.0f, -90.0f, 90.0f, -90.0f, 30.0f);
    color("BLUE");
    gridmp(1, 1);
    color("FORE");
    world();
    endgrf();
}

/* Europe on a conical map: every country outlined, four of them filled
 * (the former Yugoslavia fills its seven successors), a legend in the upper
 * right corner on a box of the page's colour, which hides the coastlines and
 * grid lines under it. */
static void europe(void) {
    static const int countries[4] = {10, 9, 16, 31}; /* Germany, France, Italy, Yugoslavia */
    static const int patterns[4] = {16, 16, 16, 16};
    static const int all = 0, outline = 0;
    int colours[4], foreground, width, height;
    char cbuf[4 * 24];
    colours[0] = intrgb(0.95f, 0.75f, 0.2f);
    colours[1] = intrgb(0.3f, 0.55f, 0.9f);
    colours[2] = intrgb(0.4f, 0.8f, 0.4f);
    colours[3] = intrgb(0.85f, 0.4f, 0.45f);
    frame(1);
    titlin("Europe", 2);
    labels("MAP", "XY");
    axspos(400, 1800);
    axslen(2000, 1500);
    projct("CONF");
    mapbas("KAVL");
    grafmp(-20.0f, 40.0f, -20.0f, 10.0f, 35.0f, 70.0f, 35.0f, 5.0f);
    foreground = intrgb(0.0f, 0.0f, 0.0f);
    shdeur(&all, &outline, &foreground, 1);
    shdeur(countries, patterns, colours, 4);
    color("BLUE");
    gridmp(1, 1);
    color("FORE");
    legini(cbuf, 4, 24);
    leglin(cbuf, "Germany", 1);
    leglin(cbuf, "France", 2);
    leglin(cbuf, "Italy", 3);
    leglin(cbuf, "Former Yugoslavia", 4);
    legtit("Countries");
    width = nxlegn(cbuf);
    height = nylegn(cbuf);
    recfll(2370 - width, 330, width, height, 0);
    legpos(2370 - width, 330);
    legend(cbuf, 7);
    title();
    endgrf();
}

static void plot(const char *device, const char *file) {
    open_page(device, file);
    world_maps();
    next_page(device, file, 2);
    europe();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "maps", plot);
}
