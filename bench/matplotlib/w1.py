"""W1 with matplotlib: one curve of 1,000,000 points drawn with ax.plot (which thins dense paths)."""
import page

fig, ax = page.open_page("W1")
page.limits(ax, (0, 360), 90, (-1.5, 1.5), 0.5, "W1: curve of 1,000,000 points")
xy = page.read("curve.bin", (-1, 2))
ax.plot(xy[:, 0], xy[:, 1], linewidth=page.LINE_WIDTH, color="blue")
page.save(fig)
