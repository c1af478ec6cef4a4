"""Line styles, widths, caps and colours, written as HPGL (line_styles.hpg) and as Java applet
source (LineStyles.java)."""

import kavlor


def draw():
    kavlor.pagera()
    # The eight line styles.
    for i in range(8):
        kavlor.setclr(30 * i + 20)
        kavlor.lintyp(i)
        kavlor.line(200, 200 + 120 * i, 1300, 200 + 120 * i)
    kavlor.solid()
    # Wider and wider lines with the three caps.
    for i, cap in enumerate(["CUT", "ROUN", "LONG"]):
        kavlor.setclr(60 + 80 * i)
        kavlor.lncap(cap)
        kavlor.linwid(10 + 15 * i)
        kavlor.line(1600, 300 + 300 * i, 2700, 300 + 300 * i)
    # A sharp and a truncated corner.
    kavlor.linwid(30)
    kavlor.lnjoin("SHAR")
    kavlor.line(1600, 1300, 2000, 1300)
    kavlor.line(2000, 1300, 2000, 1800)
    kavlor.lnjoin("TRUN")
    kavlor.line(2200, 1300, 2600, 1300)
    kavlor.line(2600, 1300, 2600, 1800)


for device, file in [("HPGL", "line_styles.hpg"), ("JAVA", "LineStyles.java")]:
    kavlor.metafl(device)
    kavlor.setfil(file)
    kavlor.filmod("DELE")
    kavlor.kavini()
    draw()
    kavlor.kavfin()
