"""W6 with matplotlib: 100,000 open circles about 2 mm across (ax.scatter)."""
import page

fig, ax = page.open_page("W6")
page.limits(ax, (-5, 5), 1, (-5, 5), 1, "W6: scatter of 100,000 open circles")
xy = page.read("scatter.bin", (-1, 2))
ax.scatter(xy[:, 0], xy[:, 1], s=5.7**2, marker="o", facecolors="none", edgecolors="blue",
           linewidths=page.LINE_WIDTH)
page.save(fig)
