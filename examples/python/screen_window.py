"""A plot in a screen window: a damped oscillation in an axis system, shown in a window that waits
for the right mouse button or RETURN. With the argument "brief" the window closes by itself after a
second. Without a display the plot is drawn into a window that is never shown and the script ends
at once."""

import math
import os
import sys

import kavlor
from example_page import f

N = 301
# In single precision, as the C twin computes them.
x = [f(f(0.05) * i) for i in range(N)]
y = [f(f(math.exp(f(f(-0.3) * v))) * f(math.cos(f(2.0 * v)))) for v in x]

kavlor.metafl("XWIN")
kavlor.kavini()
# What kavfin waits for, set after kavini, which resets it.
kavlor.winkey("RETU")
if sys.argv[1:2] == ["brief"]:
    kavlor.winmod("DELA")
    kavlor.winopt(1, "DELA")
kavlor.name("Time", "X")
kavlor.name("Amplitude", "Y")
kavlor.titlin("A damped oscillation", 2)
kavlor.graf(0.0, 15.0, 0.0, 3.0, -1.0, 1.0, -1.0, 0.5)
kavlor.title()
kavlor.color("GREEN")
kavlor.curve(x, y, N)
kavlor.endgrf()
kavlor.kavfin()
print("The window", "was shown." if os.environ.get("DISPLAY") else "stayed hidden: no display.")
