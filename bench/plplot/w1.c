/* W1 with PLplot: one curve of 1,000,000 points (W1x10: 10,000,000) drawn with plline. */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W1");
    const bd_size size = bd_size_of(argv[1]);
    double *xy = bd_read(size.file, 2 * (size_t)size.n), *x, *y;
    bd_split_xy(xy, size.n, &x, &y);
    page_axes(0.0, 360.0, 90.0, -1.5, 1.5, 0.5, size.title);
    plline(size.n, x, y);
    plend();
    return 0;
}
