/* Line styles, widths, caps and colours, written as HPGL (line_styles.hpg)
 * and as Java applet source (LineStyles.java). */
#include <kavlor.h>

static void draw(void) {
    static const char *caps[3] = {"CUT", "ROUN", "LONG"};
    int i;
    pagera();
    /* The eight line styles. */
    for (i = 0; i < 8; i++) {
        setclr(30 * i + 20);
        lintyp(i);
        line(200, 200 + 120 * i, 1300, 200 + 120 * i);
    }
    solid();
    /* Wider and wider lines with the three caps. */
    for (i = 0; i < 3; i++) {
        setclr(60 + 80 * i);
        lncap(caps[i]);
        linwid(10 + 15 * i);
        line(1600, 300 + 300 * i, 2700, 300 + 300 * i);
    }
    /* A sharp and a truncated corner. */
    linwid(30);
    lnjoin("SHAR");
    line(1600, 1300, 2000, 1300);
    line(2000, 1300, 2000, 1800);
    lnjoin("TRUN");
    line(2200, 1300, 2600, 1300);
    line(2600, 1300, 2600, 1800);
}

int main(void) {
    metafl("HPGL");
    setfil("line_styles.hpg");
    filmod("DELE");
    kavini();
    draw();
    kavfin();

    metafl("JAVA");
    setfil("LineStyles.java");
    kavini();
    draw();
    kavfin();
    return 0;
}
