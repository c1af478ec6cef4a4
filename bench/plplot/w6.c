/* W6 with PLplot: 100,000 open circles (W6x10: 1,000,000; plpoin, symbol 4). */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W6");
    const bd_size size = bd_size_of(argv[1]);
    double *xy = bd_read(size.file, 2 * (size_t)size.n), *x, *y;
    bd_split_xy(xy, size.n, &x, &y);
    page_axes(-5.0, 5.0, 1.0, -5.0, 5.0, 1.0, size.title);
    plssym(0.0, 0.38); /* circles about 2 mm across */
    plpoin(size.n, x, y, 4);
    plend();
    return 0;
}
