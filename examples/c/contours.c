/* Contours of a function on a grid: filled bands between levels, labelled
 * contour lines over them and a colour bar beside the axis system, written as
 * contours.pdf, .svg and .png (or only the format named on the command line). */
#include <kavlor.h>
#include <math.h>

#include "example_page.h"

#define NX 120
#define NY 100
#define NLEV 13

static void plot(const char *device, const char *file) {
    static float x[NX], y[NY], z[NX * NY], bands[NLEV + 1], lines[NLEV];
    int i, j;
    for (i = 0; i < NX; i++)
        x[i] = -3.0f + 6.0f * (float)i / (NX - 1);
    for (j = 0; j < NY; j++)
        y[j] = -2.5f + 5.0f * (float)j / (NY - 1);
    /* Two hills and a valley. */
    for (i = 0; i < NX; i++)
        for (j = 0; j < NY; j++) {
            const float u = x[i], v = y[j];
            z[i * NY + j] =
                1.2f * expf(-((u - 1.0f) * (u - 1.0f) + v * v)) +
                0.8f * expf(-((u + 1.2f) * (u + 1.2f) + (v - 1.0f) * (v - 1.0f))) -
                0.9f * expf(-((u + 0.5f) * (u + 0.5f) + (v + 1.4f) * (v + 1.4f)) * 2.0f);
        }
    for (i = 0; i <= NLEV; i++)
        bands[i] = -0.9f + 0.2f * (float)i;
    for (i = 0; i < NLEV; i++)
        lines[i] = -0.8f + 0.2f * (float)i;
    open_page(device, file);
    name("X", "X");
    name("Y", "Y");
    name("Height", "Z");
    titlin("Filled contours with labelled lines", 2);
    graf3(-3.0f, 3.0f, -3.0f, 1.0f, -2.5f, 2.5f, -2.5f, 1.0f, -0.9f, 1.7f, -0.9f, 0.2f);
    conshd(x, NX, y, NY, z, bands, NLEV + 1);
    color("FORE");
    labels("FLOAT", "CONTUR");
    for (i = 0; i < NLEV; i++)
        contur(x, NX, y, NY, z, lines[i]);
    title();
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "contours", plot);
}
