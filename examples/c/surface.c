/* A colour-shaded surface in a 3-D axis system, its colours from the Z axis, written
 * as surface.pdf, .svg and .png (or only the format named on the command
 * line). */
#include <kavlor.h>
#include <math.h>

#include "example_page.h"

#define N 60

static void plot(const char *device, const char *file) {
    static float x[N], y[N], z[N * N];
    int i, j;
    for (i = 0; i < N; i++) {
        x[i] = -3.0f + 6.0f * (float)i / (N - 1);
        y[i] = x[i];
    }
    for (i = 0; i < N; i++)
        for (j = 0; j < N; j++) {
            const float r = sqrtf(x[i] * x[i] + y[j] * y[j]);
            z[i * N + j] = cosf(2.0f * r) * expf(-0.4f * r);
        }
    open_page(device, file);
    axspos(685, 1850);
    axslen(1600, 1600);
    name("X", "X");
    name("Y", "Y");
    name("Z", "Z");
    titlin("A colour-shaded surface", 2);
    view3d(-50.0f, 35.0f, 7.0f, "ANGL");
    graf3d(-3.0f, 3.0f, -3.0f, 1.0f, -3.0f, 3.0f, -3.0f, 1.0f, -1.0f, 1.0f, -1.0f, 0.5f);
    box3d();
    surshd(x, N, y, N, z);
    title();
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "surface", plot);
}
