/* A plot in a screen window: a damped oscillation in an axis system, shown
 * in a window that waits for the right mouse button or RETURN. With the
 * argument "brief" the window closes by itself after a second. Without a
 * display the plot is drawn into a window that is never shown and the
 * program ends at once. */
#include <kavlor.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define N 301

int main(int argc, char **argv) {
    float x[N], y[N];
    int i;
    for (i = 0; i < N; i++) {
        x[i] = 0.05f * (float)i;
        y[i] = expf(-0.3f * x[i]) * cosf(2.0f * x[i]);
    }
    metafl("XWIN");
    kavini();
    /* What kavfin waits for, set after kavini, which resets it. */
    winkey("RETU");
    if (argc > 1 && strcmp(argv[1], "brief") == 0) {
        winmod("DELA");
        winopt(1, "DELA");
    }
    name("Time", "X");
    name("Amplitude", "Y");
    titlin("A damped oscillation", 2);
    graf(0.0f, 15.0f, 0.0f, 3.0f, -1.0f, 1.0f, -1.0f, 0.5f);
    title();
    color("GREEN");
    curve(x, y, N);
    endgrf();
    kavfin();
    printf("The window %s.\n",
           getenv("DISPLAY") && *getenv("DISPLAY") ? "was shown" : "stayed hidden: no display");
    return 0;
}
