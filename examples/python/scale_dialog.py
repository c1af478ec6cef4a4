"""A dialog of a scale and a draw widget: the damped oscillation in the draw widget follows the
scale, which sets its damping. The plot is drawn again each time the scale is let go; OK ends the
script. Without a display the dialog's messages go to the standard error and the script ends at
once."""

import math

import kavlor
from example_page import f

N = 301


def plot(draw_widget, d):
    """The oscillation with the damping d, drawn into the draw widget (in single precision, as
    the C twin computes it)."""
    x = [f(f(0.05) * i) for i in range(N)]
    y = [f(f(math.exp(f(-d * v))) * f(math.cos(f(2.0 * v)))) for v in x]
    kavlor.setxid(kavlor.gwgxid(draw_widget), "WIND")
    kavlor.metafl("XWIN")
    kavlor.scrmod("REVE")  # black on white
    kavlor.kavini()
    kavlor.errmod("PROT", "OFF")  # no end report for every redraw
    kavlor.erase()  # the widget holds the last plot
    kavlor.name("Time", "X")
    kavlor.name("Amplitude", "Y")
    kavlor.titlin(f"Damping {d:.2f}", 2)
    kavlor.graf(0.0, 15.0, 0.0, 3.0, -1.0, 1.0, -1.0, 0.5)
    kavlor.title()
    kavlor.color("BLUE")
    kavlor.curve(x, y, N)
    kavlor.endgrf()
    kavlor.kavfin()


kavlor.swgtit("Damped oscillation")
kavlor.swgdrw(0.7)
kavlor.swgwth(-45)  # widgets 45 % of the screen wide
top = kavlor.wgini("VERT")
kavlor.swgstp(0.05)
scale = kavlor.wgscl(top, "Damping", 0.0, 1.0, 0.3, 2)
draw_widget = kavlor.wgdraw(top)
kavlor.wgok(top)
kavlor.swgcbk(scale, lambda id: plot(draw_widget, kavlor.gwgscl(id)))
plot(draw_widget, kavlor.gwgscl(scale))
kavlor.wgfin()
kavlor.setxid(0, "NONE")
print(f"The damping chosen: {kavlor.gwgscl(scale):.2f}")
