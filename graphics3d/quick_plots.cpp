// Quick plots: a whole page from one data set in one call. Each is a fixed
// recipe of public routines: open the library when it is closed (on the
// screen unless a device was chosen), frame the page, scale the axes from
// the data, draw, write the title and close the library.
#include <algorithm>
#include <cstddef>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/visible_counts.h"
#include "kernel/warnings.h"

namespace {

// Bars of qplbar at most.
constexpr int kQuickBars = 100;
// Contour levels of qplcon when the caller's count is below 1.
constexpr int kDefaultLevels = 8;

// Opens the page of a quick plot: the library at level 0 (on the screen
// when no device was chosen), then the page frame and the hardware font.
void beginQuickPlot(GlobalRecord &rec) {
    if (rec.core.ilevel == 0) {
        if (rec.core.idevice == 0) metafl("cons");
        kavini();
    }
    pagera();
    hwfont();
}

void endQuickPlot() {
    title();
    kavfin();
}

// The record when the level allows a quick plot and every array is there;
// null after the warning otherwise.
GlobalRecord *quickPlotRecord(const char *routine, bool arraysGiven) {
    GlobalRecord *rec = jqqlev(0, 3, routine);
    if (rec != nullptr && !arraysGiven) {
        warnin(Warning::incorrectParameter);
        return nullptr;
    }
    return rec;
}

// The axes of a matrix plot: X over 1..nx, Y over 1..ny, and (for three
// axes) Z over the values.
void scaleMatrix(const float *z, int nx, int ny, bool valueAxis) {
    const float xr[2] = {1.0f, float(nx)}, yr[2] = {1.0f, float(ny)};
    setscl(xr, 2, "x");
    setscl(yr, 2, "y");
    if (valueAxis) setscl(z, nx * ny, "z");
}

// A matrix of nx by ny values whose count is an int.
bool goodMatrix(int nx, int ny) {
    if (nx < 1 || ny < 1 || (long long)nx * ny > 0x7FFFFFFF) {
        warni1(Warning::incorrectParameter, nx < 1 ? nx : ny);
        return false;
    }
    return true;
}

void curvePlot(const char *routine, const float *x, const float *y, int n, bool markers) {
    GlobalRecord *rec = quickPlotRecord(routine, x != nullptr && y != nullptr);
    if (rec == nullptr) return;
    beginQuickPlot(*rec);
    if (markers) incmrk(-1);
    setscl(x, n, "x");
    setscl(y, n, "y");
    graf(0, 0, 0, 0, 0, 0, 0, 0);
    curve(x, y, n);
    endQuickPlot();
}

} // namespace

extern "C" void qplot(const float *x, const float *y, int n) {
    curvePlot("qplot", x, y, n, false);
}

extern "C" void qplsca(const float *x, const float *y, int n) {
    curvePlot("qplsca", x, y, n, true);
}

extern "C" void qplbar(const float *y, int n) {
    GlobalRecord *rec = quickPlotRecord("qplbar", y != nullptr || n < 1);
    if (rec == nullptr) return;
    beginQuickPlot(*rec);
    if (n > kQuickBars) {
        jqqlev(0, 3, "qplbar"); // the warning names qplbar, not the frame's last routine
        qqserr("too many points in qplbar");
        warnin(Warning::ownText);
        n = kQuickBars;
    }
    float x[kQuickBars], base[kQuickBars] = {};
    float largest = 0.0f;
    for (int i = 0; i < n; ++i) {
        x[i] = float(i + 1);
        largest = std::max(largest, y[i]);
    }
    const float xr[2] = {0.5f, float(n) + 0.5f}, yr[2] = {0.0f, 1.5f * largest};
    setscl(xr, 2, "x");
    setscl(yr, 2, "y");
    graf(0, 0, 0, 0, 0, 0, 0, 0);
    shdpat(16);
    labpos("outside", "bars");
    labels("second", "bars");
    bars(x, base, y, n);
    color("fore");
    endQuickPlot();
}

extern "C" void qplpie(const float *x, int n) {
    GlobalRecord *rec = quickPlotRecord("qplpie", x != nullptr);
    if (rec == nullptr) return;
    beginQuickPlot(*rec);
    // Filled segments first, then their outlines with the values outside.
    chnpie("both");
    for (int i = 1; i <= 30; ++i)
        patcyc(i, 16);
    labels("none", "pie");
    piegrf(" ", 0, x, n);
    endgrf();
    shdpat(0);
    color("fore");
    chnpie("none");
    labels("data", "pie");
    labpos("external", "pie");
    piegrf(" ", 0, x, n);
    endQuickPlot();
}

extern "C" void qplcon(const float *z, int nx, int ny, int nlev) {
    GlobalRecord *rec = quickPlotRecord("qplcon", z != nullptr);
    if (rec == nullptr || !goodMatrix(nx, ny)) return;
    if (nlev < 1) {
        qqserr("bad number of levels in qplcon");
        warnin(Warning::ownText);
        nlev = kDefaultLevels;
    }
    // More levels than the page has plot units across cannot be told apart.
    if (!marksFit(nlev, std::max(rec->page.nxpage, rec->page.nypage))) {
        warnNotSeen("Contour levels closer than a plot unit");
        return;
    }
    const std::size_t count = std::size_t(nx) * std::size_t(ny);
    const auto [low, high] = std::minmax_element(z, z + count);
    const float step = nlev >= 2 ? (*high - *low) / float(nlev - 1) : 0.0f;
    beginQuickPlot(*rec);
    scaleMatrix(z, nx, ny, false);
    labels("float", "contour");
    graf(0, 0, 0, 0, 0, 0, 0, 0);
    const float units = rec->page.xunits;
    height(truncToInt(25.0f / units + 0.5f));
    for (int i = 0; i < nlev; ++i)
        conmat(z, nx, ny, *low + float(i) * step);
    height(truncToInt(36.0f / units + 0.5f));
    endQuickPlot();
}

extern "C" void qplclr(const float *z, int nx, int ny) {
    GlobalRecord *rec = quickPlotRecord("qplclr", z != nullptr);
    if (rec == nullptr || !goodMatrix(nx, ny)) return;
    beginQuickPlot(*rec);
    scaleMatrix(z, nx, ny, true);
    autres(nx, ny);
    graf3(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    crvmat(z, nx, ny, 1, 1);
    endQuickPlot();
}

extern "C" void qplsur(const float *z, int nx, int ny) {
    GlobalRecord *rec = quickPlotRecord("qplsur", z != nullptr);
    if (rec == nullptr || !goodMatrix(nx, ny)) return;
    beginQuickPlot(*rec);
    scaleMatrix(z, nx, ny, true);
    graf3d(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    surmat(z, nx, ny, 1, 1);
    endQuickPlot();
}
