/* A date axis: daily temperatures of one year with a label on the first day
 * of every month, written as date_axis.pdf, .svg and .png (or only the format
 * named on the command line: PDF, SVG or PNG). */
#include <kavlor.h>
#include <math.h>

#include "example_page.h"

#define DAYS 365

static void plot(const char *device, const char *file) {
    float day[DAYS], t[DAYS];
    int i;
    for (i = 0; i < DAYS; i++) {
        day[i] = (float)i;
        t[i] = 9.0f - 9.5f * cosf(2.0f * 3.1415927f * ((float)i - 15.0f) / 365.0f) +
               2.5f * sinf(0.9f * (float)i) * sinf(0.13f * (float)i);
    }
    open_page(device, file);
    basdat(1, 1, 2023); /* day 0 */
    labels("DATE", "X");
    labmod("STEP", "MONT", "X");
    labmod("DAY", "NONE", "X");
    labmod("MONTH", "NAME", "X");
    labmod("YEAR", "NONE", "X");
    digits(-1, "Y");
    labpos("CENT", "X"); /* each month's name between its ticks */
    name("2023", "X");
    name("Temperature in degrees Celsius", "Y");
    titlin("Daily mean temperature", 1);
    graf(0.0f, 365.0f, 0.0f, 1.0f, -10.0f, 30.0f, -10.0f, 10.0f);
    title();
    color("RED");
    curve(day, t, DAYS);
    endgrf();
    kavfin();
}

int main(int argc, char **argv) {
    return plot_formats(argc, argv, "date_axis", plot);
}
