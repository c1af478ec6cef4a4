"""W0 with matplotlib: an empty axis system with tick labels, axis names and a title."""
import page

fig, ax = page.open_page("W0")
page.limits(ax, (0, 10), 2, (0, 10), 2, "W0: empty axis system")
page.save(fig)
