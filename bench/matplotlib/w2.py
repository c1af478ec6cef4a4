"""W2 with matplotlib: contour lines of a 1000 x 1000 grid at 20 levels (ax.contour)."""
import page

fig, ax = page.open_page("W2")
page.limits(ax, (-1, 1), 0.5, (-1, 1), 0.5, "W2: contour lines, 1000 x 1000 grid")
n = 1000
t = page.grid_axis(n, -1.0, 1.0)
z = page.read("grid1000.bin", (n, n))  # z[j, i]: row j = y
levels = [-2.0 + 4.0 * (k + 0.5) / 20 for k in range(20)]
ax.contour(t, t, z, levels=levels, linewidths=page.LINE_WIDTH)
page.save(fig)
