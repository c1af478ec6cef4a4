/* One picture in every file format the library writes: a page of lines,
 * colours, fills, markers, arrows and text in the stroke and the PostScript
 * fonts, then a page with a shaded surface, a curve on a plane of the 3-D box
 * and a block of pixels in image mode. Each device writes every_device.EXT
 * (the HPGL plotters and the PostScript variants with their keyword in the
 * name), or only the device named on the command line (for example PDF).
 * Where the format holds pages (CGM, Kyocera, PostScript, PDF) the second
 * page follows in the same file; elsewhere it is a file of its own,
 * every_device_2.EXT. The raster files are true colour, so that the colour
 * given as RGB is the one drawn, not the nearest of a palette's 256. */
#include <kavlor.h>
#include <math.h>
#include <stdio.h>
#include <string.h>

/* The device, the file's extension, and whether it has image mode, holds
 * pages, has the PostScript fonts and writes pixels. */
static const struct device {
    const char *keyword, *extension;
    int image, pages, psfonts, raster;
} devices[] = {
    {"GKSL", "met", 0, 0, 0, 0},    {"CGM", "cgm", 0, 1, 0, 0},     {"KYOC", "kyo", 0, 1, 0, 0},
    {"HPGL", "hpg", 0, 0, 0, 0},    {"HPA4", "a4.hpg", 0, 0, 0, 0}, {"POST", "psc", 1, 1, 1, 0},
    {"PSCL", "cl.psc", 1, 1, 1, 0}, {"EPS", "eps", 1, 0, 1, 0},     {"PS", "ps", 1, 1, 1, 0},
    {"PDF", "pdf", 1, 1, 1, 0},     {"TIFF", "tif", 1, 0, 0, 1},    {"PNG", "png", 1, 0, 0, 1},
    {"PPM", "ppm", 1, 0, 0, 1},     {"BMP", "bmp", 1, 0, 0, 1},     {"GIF", "gif", 1, 0, 0, 1},
    {"JAVA", "java", 0, 0, 0, 0},   {"SVG", "svg", 0, 0, 1, 0},     {"WMF", "wmf", 0, 0, 0, 0},
};

static void shapes(int psfonts) {
    static const int px[] = {1900, 2300, 2400, 2100, 1850}, py[] = {200, 150, 400, 600, 450};
    static const float tx[] = {2500, 2900, 2700}, ty[] = {700, 650, 350};
    int i;

    /* Lines in colours, widths and styles. */
    for (i = 0; i < 8; i++) {
        setclr(30 + 28 * i);
        if (i == 3) dash();
        if (i == 5) linwid(15);
        line(100, 100 + 60 * i, 1000, 150 + 60 * i);
    }
    solid();
    linwid(1);

    /* Fills: a solid and a hatched polygon, a box, circles, a sector, a triangle. */
    setclr(200);
    shdpat(16);
    areaf(px, py, 5);
    shdpat(5);
    setclr(90);
    circle(1400, 350, 200);
    shdpat(16);
    setrgb(0.2f, 0.6f, 0.9f);
    ellips(1400, 800, 250, 100);
    shdpat(0);
    recfll(100, 700, 400, 200, 150);
    sector(800, 900, 50, 180, 30.0f, 290.0f, 60);
    setclr(240);
    trifll(tx, ty);
    rectan(2050, 750, 300, 200);

    /* Markers and arrows. */
    hsymbl(40);
    for (i = 0; i < 24; i++) {
        setclr(10 + 10 * i);
        symbol(i, 150 + 110 * i, 1150);
    }
    for (i = 0; i < 4; i++)
        vector(200 + 600 * i, 1300, 600 + 600 * i, 1400, 1201 + i * 1000);

    /* Text in the stroke font, turned, and in a PostScript font where the
     * device has one; the accented text is Latin-1. */
    color("FORE");
    height(50);
    messag("Stroke text: x^2 + y", 100, 1550);
    angle(20);
    messag("turned", 1400, 1650);
    angle(0);
    if (psfonts) psfont("Times-Roman");
    chacod("ISO1");
    messag("PostScript text, accented: caf\xe9", 100, 1750);
    frame(3);
    rectan(1800, 1700, 500, 150);
    frame(1);
}

static void surfaceAndPlane(int image) {
    static float x[12], y[12], z[12 * 12], c[40], s[40];
    int i, j;
    for (i = 0; i < 12; i++)
        x[i] = y[i] = -1.0f + 2.0f * (float)i / 11.0f;
    for (i = 0; i < 12; i++)
        for (j = 0; j < 12; j++)
            z[i * 12 + j] = x[i] * x[i] - y[j] * y[j];
    for (i = 0; i < 40; i++) {
        c[i] = (float)i / 39.0f * 6.2831853f;
        s[i] = sinf(c[i]);
    }

    /* A block of pixels in image mode, on the devices that have it. */
    if (image) {
        imgini();
        for (i = 0; i < 40; i++)
            for (j = 0; j < 40; j++)
                wpixel(20 + i, 20 + j, (i + j) % 256);
        imgfin();
    }

    axspos(500, 1800);
    axslen(1200, 1200);
    view3d(-40.0f, 30.0f, 7.0f, "ANGL");
    graf3d(-1.0f, 1.0f, -1.0f, 0.5f, -1.0f, 1.0f, -1.0f, 0.5f, -1.0f, 1.0f, -1.0f, 0.5f);
    box3d();
    surshd(x, 12, y, 12, z);
    grfini(-1.0f, -1.0f, -1.0f, 1.0f, -1.0f, -1.0f, 1.0f, -1.0f, 1.0f);
    graf(0.0f, 6.3f, 0.0f, 1.0f, -1.0f, 1.0f, -1.0f, 0.5f);
    curve(c, s, 40);
    endgrf();
    grffin();
    endgrf();
}

/* Opens a plot on the device into every_device.EXT, every_device_2.EXT for
 * page 2. */
static void open_plot(const struct device *device, int page) {
    char file[64];
    if (page == 1)
        snprintf(file, sizeof file, "every_device.%s", device->extension);
    else
        snprintf(file, sizeof file, "every_device_%d.%s", page, device->extension);
    metafl(device->keyword);
    setfil(file);
    filmod("DELE");
    if (device->raster) imgfmt("RGB");
    kavini();
}

static void draw(const struct device *device) {
    open_plot(device, 1);
    shapes(device->psfonts);
    if (device->pages) {
        newpag();
    } else {
        kavfin();
        open_plot(device, 2);
    }
    surfaceAndPlane(device->image);
    kavfin();
}

int main(int argc, char **argv) {
    size_t i;
    for (i = 0; i < sizeof devices / sizeof devices[0]; i++)
        if (argc < 2 || strcmp(argv[1], devices[i].keyword) == 0) draw(&devices[i]);
    return 0;
}
