#include "tests/hostile/deferred_scene.h"

#include "kavlor.h"

namespace {

// Two legend entries of 12 characters; they also label the pie's segments.
constexpr int kEntries = 2, kEntryLength = 12;
char legendBuffer[kEntries * kEntryLength + 1];

// The grid of the axis system open now, in every kind of system: setters of
// lines, labels and polar options reach them all.
void grids() {
    grid(1, 1);
    grdpol(1, 4);
}

} // namespace

void startScene() {
    name("X axis", "X");
    name("Y axis", "Y");
    name("Z axis", "Z");
    titlin("Scene", 1);
    titlin("$x^2$ and $\\frac{a}{b}$", 3);
    texmod("ON");
    legini(legendBuffer, kEntries, kEntryLength);
    leglin(legendBuffer, "First", 1);
    leglin(legendBuffer, "Second", 2);
}

void drawScene() {
    const float x[3] = {1, 5, 9}, y[3] = {2, 8, 4}, y2[3] = {7, 3, 6};

    graf(0, 10, 0, 5, 0, 10, 0, 5);
    title();
    grids();
    curve(x, y, 3);
    curve(x, y2, 3);
    legend(legendBuffer, 3);
    endgrf();

    graf3(0, 10, 0, 5, 0, 10, 0, 5, 0, 10, 0, 5);
    grids();
    endgrf();

    const float shares[kEntries] = {3, 1};
    piegrf(legendBuffer, 1, shares, kEntries);
    endgrf();

    grafmp(-180, 180, -180, 90, -90, 90, -90, 45);
    gridmp(1, 1);
    grids();
    endgrf();

    polar(10, 0, 5, 0, 90);
    grids();
    endgrf();

    graf3d(0, 10, 0, 5, 0, 10, 0, 5, 0, 10, 0, 5);
    box3d();
    grid3d(1, 1, "ALL");
    endgrf();

    messag("$\\sqrt{x} + \\frac{1}{2}$", 200, 200);
}
