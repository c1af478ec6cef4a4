/* Figures: circles, ellipses, arcs, pies, sectors, rectangles, polygons,
 * arrows of every kind, shields with their frames, hatch patterns and the
 * logo, written as HPGL (figures.hpg), as PNG (figures.png) and as a
 * placeable Windows metafile (figures.wmf). HPGL pens
 * are colour numbers: hp2xx takes them modulo 8, and pen 0 draws nothing. */
#include <kavlor.h>

static void draw(void) {
    static const int px[] = {2350, 2650, 2750, 2500, 2300}, py[] = {1150, 1100, 1300, 1450, 1350};
    int i;
    pagera();

    /* Row 1: outlined figures. */
    setclr(50);
    circle(250, 250, 150);
    ellips(650, 250, 200, 100);
    arcell(1100, 250, 200, 120, 30.0f, 300.0f, 20.0f);
    rectan(1400, 100, 300, 300);
    rndrec(1800, 100, 400, 300, 5);
    rndrec(2300, 100, 400, 300, 9);

    /* Row 2: the same figures filled solid and hatched. */
    setclr(180);
    shdpat(16);
    circle(250, 650, 150);
    shdpat(5);
    ellips(650, 650, 200, 100);
    shdpat(16);
    arcell(1100, 650, 200, 120, 30.0f, 300.0f, 20.0f);
    shdpat(9);
    rectan(1400, 500, 300, 300);
    shdpat(16);
    rndrec(1800, 500, 400, 300, 5);
    shdpat(12);
    rndrec(2300, 500, 400, 300, 9);
    shdpat(0);

    /* Row 3: sectors, boxes and a polygon. */
    sector(250, 1150, 0, 200, 20.0f, 110.0f, 250);
    sector(250, 1150, 100, 200, 150.0f, 340.0f, 100);
    sector(750, 1150, 80, 180, 0.0f, 400.0f, 30);
    recfll(1050, 1000, 300, 150, 220);
    point(1200, 1300, 200, 60, 60);
    setclr(140);
    shdpat(17);
    areaf(px, py, 5);
    shdpat(0);

    /* Hatch types 5, 6 and 7: dotted, dashed and dash-dot lines. Types 6 and
     * 7 draw in the groups of the last group pattern: pairs of lines with no
     * gap between them draw every line. */
    setclr(20);
    mypat(0, 2, 0, 0);
    for (i = 0; i < 3; i++) {
        mypat(0, 5 + i, 3, 0);
        rectan(1450 + 250 * i, 1000, 200, 300);
    }
    shdpat(0);

    /* Row 4: arrows of every form (0 filled, 1 shaft to the base, 2 open,
     * 3 closed) and every choice of heads. */
    setclr(239);
    for (i = 0; i < 4; i++) {
        vector(100, 1550 + 120 * i, 500, 1550 + 120 * i, 1400 + 10 * i + 1);
        vector(600, 1550 + 120 * i, 1000, 1550 + 120 * i, 2300 + 10 * i + 2);
        vector(1100, 1550 + 120 * i, 1500, 1550 + 120 * i, 3300 + 10 * i + 3);
    }
    vector(1600, 1950, 1900, 1550, 1501);
    vector(1650, 1550, 1950, 1950, 0);

    /* Shields with their frames keep lines out. */
    setclr(81);
    shlcir(2200, 1750, 100);
    shlrct(2450, 1650, 200, 120, 30.0f);
    for (i = 0; i < 9; i++)
        line(2050, 1600 + 40 * i, 2900, 1600 + 40 * i);

    /* The logo in the lower right corner. */
    qlgsiz(250);
    qornpl(2);
}

int main(void) {
    metafl("HPGL");
    setfil("figures.hpg");
    filmod("DELE");
    kavini();
    draw();
    kavfin();

    metafl("PNG");
    setfil("figures.png");
    kavini();
    draw();
    kavfin();

    metafl("WMF");
    setfil("figures.wmf");
    wmfmod("PLAC", "FORMAT");
    kavini();
    draw();
    kavfin();
    return 0;
}
