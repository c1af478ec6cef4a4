/* The plots the Python tests compare their files with, made by a C program:
 * the same calls, the same numbers. Called as
 *     reference_plots CASE DEVICE FILE
 * it chooses DEVICE and FILE and draws CASE. The quick-plot cases run the call
 * sequence the module's quick plots document. */
#include <kavlor.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "graphics2d/quick_plot_services.h"

/* ---- Data, computed in double and narrowed, as the Python scripts do ---------- */

#define N 40
static float xs[N], sines[N], cosines[N];

static void curve_data(void) {
    int i;
    for (i = 0; i < N; i++) {
        xs[i] = (float)(i * 0.25);
        sines[i] = (float)sin(i * 0.25);
        cosines[i] = (float)(0.5 * cos(i * 0.25));
    }
}

/* A grid of NX x NY values, x uneven. */
#define NX 7
#define NY 5
static float gx[NX], gy[NY], gz[NX * NY];

static void grid_data(void) {
    int i, j;
    for (i = 0; i < NX; i++)
        gx[i] = (float)(i * i * 0.1);
    for (j = 0; j < NY; j++)
        gy[j] = (float)(-1.0 + 0.5 * j);
    for (i = 0; i < NX; i++)
        for (j = 0; j < NY; j++)
            gz[i * NY + j] = (float)(sin(i * 0.1 * i) * cos(-1.0 + 0.5 * j));
}

/* ---- Plots through the routines --------------------------------------------------- */

static void curves(void) {
    char cbuf[2 * 12 + 1];
    int ix[3] = {300, 500, 400}, iy[3] = {1700, 1700, 1500};
    curve_data();
    grid_data();
    kavini();
    name("Time", "X");
    name("Value", "Y");
    titlin("Curves, contours and a legend", 2);
    graf(0.0f, 10.0f, 0.0f, 2.0f, -1.5f, 1.5f, -1.5f, 0.5f);
    title();
    color("RED");
    curve(xs, sines, N);
    color("BLUE");
    dash();
    curve(xs, cosines, N);
    solid();
    color("GREEN");
    contur(gx, NX, gy, NY, gz, 0.3f);
    color("FORE");
    legini(cbuf, 2, 12);
    leglin(cbuf, "sine", 1);
    leglin(cbuf, "cosine", 2);
    legtit("Legend");
    legend(cbuf, 3);
    shdpat(16);
    areaf(ix, iy, 3);
    rlmess("a message", 5.0f, 1.0f);
    endgrf();
    kavfin();
}

static float saddle(float x, float y) {
    return (float)((double)x * x - (double)y * y);
}

static float flat(float x, float y) {
    (void)x;
    (void)y;
    return 0.0f;
}

static void function_surface(float (*f)(float, float)) {
    kavini();
    graf3d(-2.0f, 2.0f, -2.0f, 1.0f, -2.0f, 2.0f, -2.0f, 1.0f, -4.0f, 4.0f, -4.0f, 2.0f);
    surfun(f, 1, 0.25f, 1, 0.25f);
    endgrf();
    kavfin();
}

/* A torus. */
static float torus(float u, float v, int iopt) {
    const double r = 2.0 + cos(v);
    if (iopt == 1) return (float)(r * cos(u));
    if (iopt == 2) return (float)(r * sin(u));
    return (float)sin(v);
}

static void parametric_surface(void) {
    kavini();
    graf3d(-3.0f, 3.0f, -3.0f, 1.0f, -3.0f, 3.0f, -3.0f, 1.0f, -3.0f, 3.0f, -3.0f, 1.0f);
    surfcp(torus, 0.0f, 6.2831855f, 0.3f, 0.0f, 6.2831855f, 0.5f);
    endgrf();
    kavfin();
}

/* ---- The quick plots' call sequences ------------------------------------------------ */

static void open_page(void) {
    kavini();
    complx();
    nochek();
    pagera();
}

static void range_of(const float *v, int n, float range[2]) {
    int i;
    range[0] = range[1] = v[0];
    for (i = 1; i < n; i++) {
        if (v[i] < range[0]) range[0] = v[i];
        if (v[i] > range[1]) range[1] = v[i];
    }
}

/* The data scale the axis. */
static void scale_from(const float *v, int n, const char *axis) {
    float range[2];
    range_of(v, n, range);
    setscl(range, 2, axis);
}

/* The curve of plot (lines) or scattr (symbols) through xs and y, the axes from the data. */
static void quick_curve(const float *y, int lines) {
    if (lines) {
        incmrk(0);
    } else {
        incmrk(-1);
        marker(3);
        hsymbl(10);
    }
    scale_from(xs, N, "X");
    scale_from(y, N, "Y");
    graf(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    title();
    curve(xs, y, N);
    sendbf();
}

static void quick_plot(void) {
    curve_data();
    open_page();
    quick_curve(sines, 1);
    kavfin();
}

/* setvar XMIN 0, XMAX 20, XOR 0, XSTEP 5, T1 "Fixed x axis", X "x axis". */
static void quick_plot_fixed(void) {
    curve_data();
    open_page();
    incmrk(0);
    titlin("Fixed x axis", 1);
    name("x axis", "x");
    scale_from(sines, N, "Y");
    graf(0.0f, 20.0f, 0.0f, 5.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    title();
    curve(xs, sines, N);
    sendbf();
    kavfin();
}

/* Two plots on one page: the second clears it. */
static void quick_plot_twice(void) {
    curve_data();
    open_page();
    quick_curve(sines, 1);
    erase();
    reset("setscl");
    endgrf();
    pagera();
    quick_curve(cosines, 0);
    kavfin();
}

static void quick_plot3(void) {
    curve_data();
    open_page();
    scale_from(xs, N, "X");
    scale_from(sines, N, "Y");
    scale_from(cosines, N, "Z");
    graf3(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    title();
    curve3(xs, sines, cosines, N);
    sendbf();
    kavfin();
}

static void scale_grid(const float *x, int nx, const float *y, int ny, const float *z) {
    scale_from(x, nx, "X");
    scale_from(y, ny, "Y");
    scale_from(z, nx * ny, "Z");
}

/* One cell per value, each reaching the next grid line; a single cell spans its axis. */
static int cell(const float *v, int n, int i, int (*position)(float), int axis_length) {
    const int j = i + 1 < n ? i + 1 : i - 1;
    if (n < 2) return axis_length;
    return abs(position(v[j]) - position(v[i])) + 1;
}

static void quick_surf3_of(const float *x, int nx, const float *y, int ny, const float *z) {
    int i, j, colour, len[3];
    open_page();
    scale_grid(x, nx, y, ny, z);
    graf3(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    title();
    colour = getclr();
    getlen(&len[0], &len[1], &len[2]);
    kavlor_clip_to_axis_system(0);
    for (i = 0; i < nx; i++)
        for (j = 0; j < ny; j++)
            kavlor_colour_cell(x[i], y[j], z[i * ny + j], cell(x, nx, i, nxposn, len[0]),
                               cell(y, ny, j, nyposn, len[1]));
    kavlor_clip_to_axis_system(1);
    setclr(colour);
    sendbf();
    kavfin();
}

static void quick_surf3(void) {
    grid_data();
    quick_surf3_of(gx, NX, gy, NY, gz);
}

/* A single column: the first row of the grid. */
static void quick_surf3_column(void) {
    grid_data();
    quick_surf3_of(gx, 1, gy, NY, gz);
}

static void quick_surface(int shaded) {
    grid_data();
    open_page();
    scale_grid(gx, NX, gy, NY, gz);
    noclip();
    graf3d(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    title();
    if (shaded)
        surshd(gx, NX, gy, NY, gz);
    else
        surfce(gx, NX, gy, NY, gz);
    reset("noclip");
    sendbf();
    kavfin();
}

/* Ten levels from the lowest value to the highest, or levels -0.5, 0, 0.5. */
static void quick_contour(int shaded, int given) {
    float zrange[2], levels[10];
    int i, nlev = given ? 3 : 10;
    grid_data();
    range_of(gz, NX * NY, zrange);
    for (i = 0; i < nlev; i++)
        levels[i] =
            given ? (float)(-0.5 + 0.5 * i) : zrange[0] + (float)i * (zrange[1] - zrange[0]) / 9.0f;
    open_page();
    labels("float", "contour");
    scale_from(gx, NX, "X");
    scale_from(gy, NY, "Y");
    graf(0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    title();
    if (shaded) {
        conshd(gx, NX, gy, NY, gz, levels, nlev);
    } else {
        const int h = gethgt();
        height(25);
        for (i = 0; i < nlev; i++)
            contur(gx, NX, gy, NY, gz, levels[i]);
        height(h);
    }
    sendbf();
    kavfin();
}

int main(int argc, char **argv) {
    const char *c;
    if (argc != 4) {
        fprintf(stderr, "usage: reference_plots CASE DEVICE FILE\n");
        return 1;
    }
    c = argv[1];
    metafl(argv[2]);
    setfil(argv[3]);
    filmod("DELE");
    if (strcmp(c, "curves") == 0)
        curves();
    else if (strcmp(c, "saddle") == 0)
        function_surface(saddle);
    else if (strcmp(c, "flat") == 0)
        function_surface(flat);
    else if (strcmp(c, "torus") == 0)
        parametric_surface();
    else if (strcmp(c, "plot") == 0)
        quick_plot();
    else if (strcmp(c, "plot_fixed") == 0)
        quick_plot_fixed();
    else if (strcmp(c, "plot_twice") == 0)
        quick_plot_twice();
    else if (strcmp(c, "plot3") == 0)
        quick_plot3();
    else if (strcmp(c, "surf3") == 0)
        quick_surf3();
    else if (strcmp(c, "surf3_column") == 0)
        quick_surf3_column();
    else if (strcmp(c, "surface") == 0)
        quick_surface(0);
    else if (strcmp(c, "surshade") == 0)
        quick_surface(1);
    else if (strcmp(c, "contour") == 0)
        quick_contour(0, 0);
    else if (strcmp(c, "contour_levels") == 0)
        quick_contour(0, 1);
    else if (strcmp(c, "conshade") == 0)
        quick_contour(1, 1);
    else {
        fprintf(stderr, "reference_plots: no case %s\n", c);
        return 1;
    }
    return 0;
}
