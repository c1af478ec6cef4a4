/* W0 with Kavlor: an empty axis system with tick labels, axis names and a title. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "bench_data.h"
#include "bench_page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W0");
    name("X axis", "X");
    name("Y axis", "Y");
    titlin("W0: empty axis system", 1);
    graf(0.0f, 10.0f, 0.0f, 2.0f, 0.0f, 10.0f, 0.0f, 2.0f);
    title();
    endgrf();
    kavfin();
    return 0;
}
