/* A first plot: two curves in an axis system with axis names and a title,
 * written as curve_title.pdf, .svg and .png (or only the format named on the
 * command line: PDF, SVG or PNG). */
#include <kavlor.h>
#include <math.h>

#include "example_page.h"

#define N 181

static void plot(const char *device, const char *file) {
    float x[N], s[N], c[N];
    int i;
    for (i = 0; i < N; i++) {
        x[i] = 2.0f * (float)i;
        s[i] = sinf(x[i] * 3.1415927f / 180.0f);
        c[i] = cosf(x[i] * 3.1415927f / 180.0f);
    }
    open_page(device, file);
    name("Angle in degrees", "X");
    name("Value", "Y");
    titlin("Sine and cosine", 1);
    titlin("from 0 to 360 degrees", 3);
    graf(0.0f, 360.0f, 0.0f, 90.0f, -1.0f, 1.0f, -1.0f, 0.5f);
    title();
    color("RED");
    curve(x, s, N);
    color("BLUE");
    dash();
    curve(x, c, N);
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "curve_title", plot);
}
