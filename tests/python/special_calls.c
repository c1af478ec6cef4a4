/* The calls of the Perl and Python tests special_calls made from C: the
 * routines whose wrappers have steps of their own (work room, output counts,
 * matrices, texts, bytes and pixels), each printed as one line of a transcript
 * that the scripts tests/perl/special_calls.pl and special_calls.py print the
 * same way. Files the calls write (a PNG and a PDF kept in memory) are written
 * as c.png and c.pdf. Numbers are multiples of 1/4, or computed by the
 * library, so every language holds them exactly. */
#include <kavlor.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static void print_floats(const char *name, const float *v, int n) {
    int i;
    printf("%s:", name);
    for (i = 0; i < n; i++)
        printf(" %.9g", v[i]);
    printf("\n");
}

static void print_ints(const char *name, const int *v, int n) {
    int i;
    printf("%s:", name);
    for (i = 0; i < n; i++)
        printf(" %d", v[i]);
    printf("\n");
}

static void print_bytes(const char *name, const unsigned char *v, int n) {
    int i;
    printf("%s:", name);
    for (i = 0; i < n; i++)
        printf(" %d", v[i]);
    printf("\n");
}

static void save(const char *path, const char *bytes, int n) {
    FILE *f = fopen(path, "wb");
    if (f == NULL || (n > 0 && fwrite(bytes, 1, (size_t)n, f) != (size_t)n)) exit(1);
    fclose(f);
}

/* Five points: the corners of a square and its centre, raised at the centre. */
static const float px[5] = {0, 2, 0, 2, 1}, py[5] = {0, 0, 2, 2, 1}, pz[5] = {0, 0, 0, 0, 1};

static void triangles(void) {
    float x[8], y[8], xp[50], yp[50];
    int i1[20], i2[20], i3[20], nray[10], nlins = 0, ntri;
    memcpy(x, px, sizeof px);
    memcpy(y, py, sizeof py);
    ntri = triang(x, y, 5, i1, i2, i3, 20);
    printf("triang: %d\n", ntri);
    print_ints("i1", i1, ntri);
    print_ints("i2", i2, ntri);
    print_ints("i3", i3, ntri);
    tripts(px, py, pz, 5, i1, i2, i3, ntri, 0.5f, xp, yp, 50, nray, 10, &nlins);
    printf("tripts: %d\n", nlins);
    print_ints("nray", nray, nlins);
    print_floats("xpts", xp, nray[0]);
    print_floats("ypts", yp, nray[0]);
}

static void grids(void) {
    static const float gx[3] = {0, 1, 2}, gy[3] = {0, 1, 2};
    static const float gz[9] = {0, 0, 0, 0, 1, 0, 0, 0, 0};
    static const float m[4] = {1, 2, 3, 4};
    float xp[40], yp[40], zmat[16], big[9];
    int nray[5], nlins = 0, imat[16];
    float wmat[16];
    conpts(gx, 3, gy, 3, gz, 0.5f, xp, yp, 40, nray, 5, &nlins);
    printf("conpts: %d\n", nlins);
    print_ints("nray", nray, nlins);
    print_floats("xpts", xp, nray[0]);
    print_floats("ypts", yp, nray[0]);
    memset(zmat, 0, sizeof zmat);
    graf(0, 3, 0, 1, 0, 3, 0, 1); /* getmat works in an axis system */
    getmat(px, py, pz, 5, zmat, 4, 4, 0.0f, imat, wmat);
    print_floats("getmat", zmat, 16);
    trfmat(m, 2, 2, big, 3, 3);
    print_floats("trfmat", big, 9);
}

static void texts(void) {
    static const float sx[5] = {0, 1, 2, 3, 4}, sy[5] = {0, 1, 0, 1, 0};
    char text[64], items[64] = "one|two", upper[8] = "abc";
    char *item;
    float xs[201], ys[201];
    int ns;
    printf("fcha: %d %s\n", fcha(3.25f, 2, text), text);
    printf("fcha: %d %s\n", fcha(-1234.5f, 0, text), text);
    itmcat(items, "three");
    item = itmstr(items, 2);
    printf("itmcat: %s\nitmstr: %s\n", items, item);
    free(item);
    upstr(upper);
    printf("upstr: %s\n", upper);
    spline(sx, sy, 5, xs, ys, &ns);
    printf("spline: %d\n", ns);
    print_floats("xs", xs, 5);
    print_floats("ys", ys, 5);
    print_floats("last", xs + ns - 2, 2);
}

static void files(void) {
    char bytes[16];
    int unit = openfl("bytes.bin", 0, 1);
    printf("writfl: %d\n", writfl(unit, "\101\000\377xyz", 6));
    closfl(unit);
    unit = openfl("bytes.bin", 0, 0);
    memset(bytes, 0, sizeof bytes);
    printf("readfl: %d\n", readfl(unit, bytes, 4));
    print_bytes("bytes", (const unsigned char *)bytes, 4);
    printf("readfl: %d\n", readfl(unit, bytes, 16));
    closfl(unit);
}

static void pixels(void) {
    static const unsigned char block[6] = {1, 2, 3, 4, 5, 6}, rgb[6] = {255, 0, 0, 0, 128, 7};
    unsigned char got[12];
    char *png;
    int n;
    metafl("VIRT");
    winsiz(20, 10);
    kavini();
    imgini();
    wpixls(block, 2, 3, 3, 2);
    rpixls(got, 1, 3, 4, 2);
    print_bytes("rpixls", got, 8);
    imgmod("RGB");
    wpxrow(rgb, 0, 0, 2);
    rpxrow(got, 0, 0, 3);
    print_bytes("rpxrow", got, 9);
    imgmod("IND");
    imgfin();
    n = rbfpng(NULL, 0);
    png = calloc((size_t)n, 1);
    printf("rbfpng: %d %d\n", n, rbfpng(png, n));
    save("c.png", png, n);
    free(png);
    kavfin();
}

static void pdf(void) {
    char *bytes;
    int n;
    metafl("PDF");
    setfil("kept.pdf");
    pdfmod("ON", "BUFF");
    kavini();
    rectan(100, 100, 500, 300);
    kavfin();
    n = pdfbuf(NULL, 0);
    bytes = calloc((size_t)n, 1);
    printf("pdfbuf: %d\n", pdfbuf(bytes, n) == n);
    save("c.pdf", bytes, n);
    free(bytes);
}

int main(void) {
    errdev("FILE");
    errfil("c-messages.txt");
    triangles();
    metafl("VIRT"); /* getmat and spline draw nothing, but need an open page */
    kavini();
    grids();
    texts();
    kavfin();
    files();
    pixels();
    pdf();
    return 0;
}
