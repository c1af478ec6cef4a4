/* A first 3-D plot: a helix climbing through the box, with its axes, the
 * box edges and grids on the back faces, written as helix3d.pdf, .svg and
 * .png (or only the format named on the command line: PDF, SVG or PNG). */
#include <kavlor.h>
#include <math.h>

#include "example_page.h"

#define N 400

static void plot(const char *device, const char *file) {
    float x[N], y[N], z[N];
    int i;
    for (i = 0; i < N; i++) {
        float t = 6.0f * 3.14159265f * (float)i / (float)(N - 1);
        x[i] = cosf(t);
        y[i] = sinf(t);
        z[i] = t / (6.0f * 3.14159265f);
    }
    open_page(device, file);
    axspos(785, 1850);
    axslen(1400, 1400);
    name("X", "X");
    name("Y", "Y");
    name("Height", "Z");
    view3d(-40.0f, 30.0f, 7.0f, "ANGL"); /* from the front left, above */
    titlin("A helix in a 3-D axis system", 2);
    graf3d(-1.0f, 1.0f, -1.0f, 0.5f, -1.0f, 1.0f, -1.0f, 0.5f, 0.0f, 1.0f, 0.0f, 0.2f);
    box3d();
    color("GREEN");
    grid3d(1, 1, "BACK");
    color("RED");
    thkcrv(3);
    curv3d(x, y, z, N);
    color("FORE");
    title();
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "helix3d", plot);
}
