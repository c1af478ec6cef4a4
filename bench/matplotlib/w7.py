"""W7 with matplotlib: the world's coastlines at GSHHS intermediate resolution, as the lines that
mkmap.py wrote (matplotlib has no map data of its own; Debian's cartopy fetches its coastlines from
the network), drawn with one ax.plot whose NaN pairs separate the lines."""
import page

fig, ax = page.open_page("W7")
page.limits(ax, (-180, 180), 60, (-90, 90), 30, "W7: world coastlines, GSHHS intermediate")
xy = page.read("coast_i.bin", (-1, 2))
ax.plot(xy[:, 0], xy[:, 1], linewidth=page.LINE_WIDTH, color="blue")
page.save(fig)
