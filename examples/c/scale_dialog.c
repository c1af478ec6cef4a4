/* A dialog of a scale and a draw widget: the damped oscillation in the draw
 * widget follows the scale, which sets its damping. The plot is drawn again
 * each time the scale is let go; OK ends the program. Without a display the
 * dialog's messages go to the standard error and the program ends at once. */
#include <kavlor.h>
#include <math.h>
#include <stdio.h>

#define N 301

static int draw_widget;

/* The oscillation with the damping d, drawn into the draw widget. */
static void plot(float d) {
    float x[N], y[N];
    char heading[40];
    int i;
    for (i = 0; i < N; i++) {
        x[i] = 0.05f * (float)i;
        y[i] = expf(-d * x[i]) * cosf(2.0f * x[i]);
    }
    setxid(gwgxid(draw_widget), "WIND");
    metafl("XWIN");
    scrmod("REVE"); /* black on white */
    kavini();
    errmod("PROT", "OFF"); /* no end report for every redraw */
    erase();               /* the widget holds the last plot */
    name("Time", "X");
    name("Amplitude", "Y");
    snprintf(heading, sizeof heading, "Damping %.2f", d);
    titlin(heading, 2);
    graf(0.0f, 15.0f, 0.0f, 3.0f, -1.0f, 1.0f, -1.0f, 0.5f);
    title();
    color("BLUE");
    curve(x, y, N);
    endgrf();
    kavfin();
}

static void follow_scale(int id) {
    plot(gwgscl(id));
}

int main(void) {
    int top, scale;
    swgtit("Damped oscillation");
    swgdrw(0.7f);
    swgwth(-45); /* widgets 45 % of the screen wide */
    top = wgini("VERT");
    swgstp(0.05f);
    scale = wgscl(top, "Damping", 0.0f, 1.0f, 0.3f, 2);
    draw_widget = wgdraw(top);
    wgok(top);
    swgcbk(scale, follow_scale);
    plot(gwgscl(scale));
    wgfin();
    setxid(0, "NONE");
    printf("The damping chosen: %.2f\n", gwgscl(scale));
    return 0;
}
