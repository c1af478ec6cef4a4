/* W1 with PLplot: one curve of 1,000,000 points drawn with plline. */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W1");
    double *xy = bd_read("curve.bin", 2 * (size_t)BD_CURVE_N), *x, *y;
    bd_split_xy(xy, BD_CURVE_N, &x, &y);
    page_axes(0.0, 360.0, 90.0, -1.5, 1.5, 0.5, "W1: curve of 1,000,000 points");
    plline(BD_CURVE_N, x, y);
    plend();
    return 0;
}
