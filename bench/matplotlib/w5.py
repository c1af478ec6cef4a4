"""W5 with matplotlib: the mesh of sin(r)/r on a 100 x 100 grid with hidden lines, drawn as a
white-faced surface whose faces hide the lines behind them."""
import numpy as np

import page

fig, ax = page.open_page("W5", projection="3d")
page.limits(ax, (-10, 10), 5, (-10, 10), 5, "W5: mesh with hidden lines, 100 x 100")
ax.set_zlim(-0.3, 1.0)
ax.set_zticks([0.0, 0.5, 1.0])
n = 100
x, y = np.meshgrid(page.grid_axis(n, -10.0, 10.0), page.grid_axis(n, -10.0, 10.0))
z = page.read("mesh100.bin", (n, n))
ax.plot_surface(x, y, z, rstride=1, cstride=1, color="white", edgecolor="black",
                linewidth=page.LINE_WIDTH, shade=False)
page.save(fig)
