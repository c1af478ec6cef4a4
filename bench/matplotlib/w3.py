"""W3 with matplotlib: 20 filled bands of a 1000 x 1000 grid (ax.contourf)."""
import page

fig, ax = page.open_page("W3")
page.limits(ax, (-1, 1), 0.5, (-1, 1), 0.5, "W3: filled contours, 20 bands")
n = 1000
t = page.grid_axis(n, -1.0, 1.0)
z = page.read("grid1000.bin", (n, n))  # z[j, i]: row j = y
edges = [-2.0 + 4.0 * k / 20 for k in range(21)]
ax.contourf(t, t, z, levels=edges)
page.save(fig)
