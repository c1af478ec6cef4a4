/* W5 with Kavlor: the mesh of sin(r)/r on a 100 x 100 grid with hidden lines removed (surfce). */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_grid.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W5");
    const int n = BD_MESH_N;
    float *x, *y, *z;
    grid_read("mesh100.bin", n, -10.0, 10.0, &x, &y, &z);
    name("X axis", "X");
    name("Y axis", "Y");
    name("Z axis", "Z");
    titlin("W5: mesh with hidden lines, 100 x 100", 1);
    /* From 30 degrees above, the x axis along the front, the y axis going back on the right. */
    view3d(150.0f, 30.0f, 6.0f, "ANGL");
    graf3d(-10.0f, 10.0f, -10.0f, 5.0f, -10.0f, 10.0f, -10.0f, 5.0f, -0.3f, 1.0f, 0.0f, 0.5f);
    title();
    if (strcmp(device, "PNG") != 0) penwid(1.8f);
    surfce(x, n, y, n, z);
    endgrf();
    kavfin();
    free(x);
    free(y);
    free(z);
    return 0;
}
