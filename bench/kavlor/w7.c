/* W7 with Kavlor: the world's coastlines at the finest resolution shipped, the GSHHS intermediate
 * shoreline file gshhs_i.b, drawn by world on a longitude-latitude map (mapbas("GSHI")). The file
 * is read from the installation directory: $KAVLOR/map. */
#include <kavlor.h>
#include <string.h>

#include "bench_page.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W7");
    name("X axis", "X");
    name("Y axis", "Y");
    titlin("W7: world coastlines, GSHHS intermediate", 1);
    grafmp(-180.0f, 180.0f, -180.0f, 60.0f, -90.0f, 90.0f, -90.0f, 30.0f);
    title();
    color("BLUE");
    /* Data lines 0.5 pt wide, as in W1. */
    if (strcmp(device, "PNG") != 0) penwid(1.8f);
    mapbas("GSHI");
    world();
    endgrf();
    kavfin();
    return 0;
}
