/* W4 with Kavlor: the colour-shaded surface of sin(r)/r on a 300 x 300 grid (W4x10: 1000 x
 * 1000; surshd), flat patches
 * sorted by depth, coloured over the Z axis, with a colour bar of that axis beside it (zaxis). */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_grid.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    const char *device = page_open(argc, argv, "W4");
    const bd_size size = bd_size_of(argv[1]);
    const int n = size.n;
    static const float corners[4][2] = {{-10, -10}, {10, -10}, {10, 10}, {-10, 10}};
    float right = 0, barBottom = 0, barTop = 0;
    float *x, *y, *z;
    int i;
    grid_read(size.file, n, -10.0, 10.0, &x, &y, &z);
    name("X axis", "X");
    name("Y axis", "Y");
    name("Z axis", "Z");
    titlin(size.title, 1);
    /* From 30 degrees above, the x axis along the front, the y axis going back on the right. */
    view3d(150.0f, 30.0f, 6.0f, "ANGL");
    graf3d(-10.0f, 10.0f, -10.0f, 5.0f, -10.0f, 10.0f, -10.0f, 5.0f, -0.3f, 1.0f, 0.0f, 0.5f);
    title();
    /* The rainbow colour table spreads the Z axis over its colours; loading it undoes the
     * white background of the picture, which is set again. */
    setvlt("RAIN");
    if (strcmp(device, "PNG") == 0) revscr();
    surshd(x, n, y, n, z);
    /* The colour bar right of the box's rightmost edge, as high as that edge on the page. */
    for (i = 0; i < 4; i++) {
        float xp, xtop, bottom, top;
        rel3pt(corners[i][0], corners[i][1], -0.3f, &xp, &bottom);
        rel3pt(corners[i][0], corners[i][1], 1.0f, &xtop, &top);
        if (i == 0 || xp > right) {
            right = xp;
            barBottom = bottom;
            barTop = top;
        }
    }
    zaxis(-0.3f, 1.0f, 0.0f, 0.5f, (int)(barBottom - barTop) + 1, "Z axis", 0, 0, (int)right + 200,
          (int)barBottom);
    endgrf();
    kavfin();
    free(x);
    free(y);
    free(z);
    return 0;
}
