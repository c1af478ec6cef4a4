"""W4 with matplotlib: the shaded surface of sin(r)/r on a 300 x 300 grid
(plot_surface(rstride=1, cstride=1)) with a colour scale."""
import numpy as np

import page

fig, ax = page.open_page("W4", projection="3d")
page.limits(ax, (-10, 10), 5, (-10, 10), 5, "W4: shaded surface sin(r)/r, 300 x 300")
ax.set_zlim(-0.3, 1.0)
ax.set_zticks([0.0, 0.5, 1.0])
n = 300
x, y = np.meshgrid(page.grid_axis(n, -10.0, 10.0), page.grid_axis(n, -10.0, 10.0))
z = page.read("surf300.bin", (n, n))
surface = ax.plot_surface(x, y, z, rstride=1, cstride=1, cmap="viridis")
fig.colorbar(surface, shrink=0.6, label="Z")
page.save(fig)
