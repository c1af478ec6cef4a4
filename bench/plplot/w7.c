/* W7 with PLplot: the world's coastlines at GSHHS intermediate resolution, read by plmap from the
 * shapefile that mkmap.py wrote, on a longitude-latitude map. */
#include "page.h"

int main(int argc, char **argv) {
    char stem[4096];
    const char *dir = getenv("KVBENCH_DATA");
    page_open(argc, argv, "W7");
    snprintf(stem, sizeof stem, "%s/coast_i", dir != NULL ? dir : "/tmp/kvbench/data");
    page_axes(-180.0, 180.0, 60.0, -90.0, 90.0, 30.0, "W7: world coastlines, GSHHS intermediate");
    plmap(NULL, stem, -180.0, 180.0, -90.0, 90.0);
    plend();
    return 0;
}
