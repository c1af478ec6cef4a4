// A fixture for figures seen on pixels: a plot written as HPGL with the page
// border, rendered by hp2xx at one pixel per plot unit, and probes of ink or
// paper at points relative to a figure.
#pragma once
#include <string>
#include <vector>

#include "tests/support/hpgl_raster.h"
#include "tests/support/plot_fixture.h"

// A point relative to a figure's reference point and whether ink lies there.
struct Probe {
    int dx, dy;
    bool ink;
};

class RenderedPlot : public PlotTest {
  protected:
    GlobalRecord &openHpgl() {
        GlobalRecord &rec = open("HPGL", "plot.hpg");
        pagera();
        return rec;
    }
    HpglRaster render() {
        close("plot.hpg");
        return HpglRaster(dir.file("plot.hpg"));
    }

  public:
    // Ink within a pixel of (x, y): rounding to device units and the width of
    // hp2xx's pen move a line by that much.
    static bool inkNear(const HpglRaster &raster, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (raster.ink(x + dx, y + dy)) return true;
        return false;
    }

    // The probes that the picture contradicts, as "(dx,dy) paper" where ink
    // was expected and "(dx,dy) ink" where paper was.
    static std::string mismatches(const HpglRaster &raster, int x, int y,
                                  const std::vector<Probe> &probes) {
        std::string wrong;
        for (const Probe &p : probes)
            if (inkNear(raster, x + p.dx, y + p.dy) != p.ink)
                wrong += "(" + std::to_string(p.dx) + "," + std::to_string(p.dy) + ") " +
                         (p.ink ? "paper " : "ink ");
        return wrong;
    }
};
