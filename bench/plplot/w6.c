/* W6 with PLplot: 100,000 open circles (plpoin, symbol 4). */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W6");
    double *xy = bd_read("scatter.bin", 2 * (size_t)BD_SCATTER_N), *x, *y;
    bd_split_xy(xy, BD_SCATTER_N, &x, &y);
    page_axes(-5.0, 5.0, 1.0, -5.0, 5.0, 1.0, "W6: scatter of 100,000 open circles");
    plssym(0.0, 0.38); /* circles about 2 mm across */
    plpoin(BD_SCATTER_N, x, y, 4);
    plend();
    return 0;
}
