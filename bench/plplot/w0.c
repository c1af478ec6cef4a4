/* W0 with PLplot: an empty axis system with tick labels, axis names and a title. */
#include "page.h"

int main(int argc, char **argv) {
    page_open(argc, argv, "W0");
    page_axes(0.0, 10.0, 2.0, 0.0, 10.0, 2.0, "W0: empty axis system");
    plend();
    return 0;
}
