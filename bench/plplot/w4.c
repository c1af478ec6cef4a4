/* W4 with PLplot: the shaded surface of sin(r)/r on a 300 x 300 grid (W4x10: 1000 x 1000; plsurf3d)
 * with a colour scale (plcolorbar). */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W4");
    const bd_size size = bd_size_of(argv[1]);
    int n = size.n;
    PLFLT **z = page_read_grid(size.file, n);
    double *x = page_grid_axis(n, -10.0, 10.0), *y = page_grid_axis(n, -10.0, 10.0);
    PLFLT zmin, zmax;
    plMinMax2dGrid((PLFLT_MATRIX)z, n, n, &zmax, &zmin);
    page_axes3d(0.15, size.title);
    plsurf3d(x, y, (PLFLT_MATRIX)z, n, n, MAG_COLOR, NULL, 0);

    /* The colour scale: the gradient of colour map 1 over the surface's z range. */
    PLINT label_opts[] = {PL_COLORBAR_LABEL_TOP}, sub_ticks[] = {0}, n_values[] = {2};
    const char *labels[] = {"Z"}, *axis_opts[] = {"bcvtm"};
    PLFLT ticks[] = {0.2}, range[] = {zmin, zmax}, width, height;
    const PLFLT *values[] = {range};
    plwidth(1.0);
    plcolorbar(&width, &height, PL_COLORBAR_GRADIENT, PL_POSITION_RIGHT | PL_POSITION_OUTSIDE, 0.03,
               0.0, 0.03, 0.6, 0, PAGE_AXES, 0, 0.0, 0.0, 0, 0.0, 1, label_opts, labels, 1,
               axis_opts, ticks, sub_ticks, n_values, values);
    plend();
    return 0;
}
