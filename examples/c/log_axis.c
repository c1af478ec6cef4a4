/* Logarithmic axes: a frequency response scaled automatically from its data,
 * with powers of ten as labels and a marker at every fifth point,
 * written as log_axis.pdf, .svg and .png (or only the format named on the
 * command line: PDF, SVG or PNG). */
#include <kavlor.h>
#include <math.h>

#include "example_page.h"

#define N 61

static void plot(const char *device, const char *file) {
    float f[N], gain[N];
    int i;
    for (i = 0; i < N; i++) {
        /* A second-order low-pass filter with its corner at 1 kHz. */
        const float r = powf(10.0f, 1.0f + 0.07f * (float)i) / 1000.0f;
        f[i] = 1000.0f * r;
        gain[i] = 1.0f / sqrtf((1.0f - r * r) * (1.0f - r * r) + 0.5f * r * r);
    }
    open_page(device, file);
    scale("LOG", "XY");
    labels("LOG", "XY");
    setscl(f, N, "X");
    setscl(gain, N, "Y");
    name("Frequency in Hz", "X");
    name("Gain", "Y");
    titlin("Low-pass filter", 1);
    titlin("a second-order response with its corner at 1 kHz", 3);
    graf(0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f);
    title();
    color("BLUE");
    marker(3);
    incmrk(5);
    curve(f, gain, N);
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "log_axis", plot);
}
