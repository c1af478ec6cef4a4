/* Several curves with markers: measured series with a marker at every point,
 * a fitted line without, bars and steps, written as markers.pdf, .svg and
 * .png (or only the format named on the command line: PDF, SVG or PNG). */
#include <kavlor.h>

#include "example_page.h"

#define N 10

static void plot(const char *device, const char *file) {
    static const char *colours[3] = {"RED", "GREE", "BLUE"};
    float x[N], y[3][N], fit[N];
    int i, k;
    for (i = 0; i < N; i++) {
        x[i] = (float)(i + 1);
        fit[i] = 0.8f * x[i] + 1.0f;
        for (k = 0; k < 3; k++)
            y[k][i] = fit[i] + 2.5f * (float)k + 0.4f * (float)(((i * 7 + k * 3) % 5) - 2);
    }
    open_page(device, file);
    name("Sample", "X");
    name("Signal", "Y");
    titlin("Three series with markers, a fit and steps", 2);
    intax(); /* integer labels */
    graf(0.0f, 11.0f, 0.0f, 1.0f, 0.0f, 18.0f, 0.0f, 3.0f);
    title();
    /* Markers only: a different symbol and colour for each series. */
    incmrk(-1);
    hsymbl(30);
    for (k = 0; k < 3; k++) {
        color(colours[k]);
        marker(k + 2);
        curve(x, y[k], N);
    }
    /* The fit as a thick line without markers. */
    incmrk(0);
    color("FORE");
    thkcrv(3);
    curve(x, fit, N);
    thkcrv(1);
    /* Steps through the first series, dashed, a marker at every other point. */
    color("MAGE");
    dash();
    polcrv("STEP");
    incmrk(2);
    marker(15);
    curve(x, y[0], N);
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "markers", plot);
}
