// Rectangles on the page: rectan (outlined and filled like areaf), rndrec
// with rounded corners, and the filled boxes recfll and point.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "kavlor.h"
#include "kernel/dispatch.h"
#include "kernel/figures.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr int kMaxCornerPoints = 400;
constexpr int kMinCornerPoints = 4;

void plainRectangle(GlobalRecord &rec, int nx, int ny, int nw, int nh) {
    const float left = float(pageSum(nx)), right = float(pageSum(nx, nw, -1));
    const float top = float(jqqyvl(rec, ny)), bottom = float(jqqyvl(rec, pageSum(ny, nh, -1)));
    const float x[4] = {left, right, right, left};
    const float y[4] = {top, top, bottom, bottom};
    outlineAndFill(rec, x, y, 4, true);
}

} // namespace

extern "C" void rectan(int nx, int ny, int nw, int nh) {
    GlobalRecord *rec = jqqlev(1, 3, "rectan");
    if (rec == nullptr) return;
    if (nw == 0 || nh == 0) {
        warni1(Warning::incorrectParameter, 0);
        return;
    }
    plainRectangle(*rec, nx, ny, nw, nh);
}

extern "C" void rndrec(int nx, int ny, int nw, int nh, int option) {
    GlobalRecord *recp = jqqlev(1, 3, "rndrec");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (jqqval(nw, 1, 32000) != 0 || jqqval(nh, 1, 32000) != 0 || jqqval(option, 0, 9) != 0) return;
    // The corner radius grows with the option up to half the shorter side.
    const float r =
        std::min(float(nw) * 0.5f * float(option) / 9.0f, float(nh) * 0.5f * float(option) / 9.0f);
    const int n =
        std::min(truncToInt(r * rec.core.xpi * 0.5f / rec.figure.xcircsp), kMaxCornerPoints);
    if (option == 0 || n < kMinCornerPoints) {
        plainRectangle(rec, nx, ny, nw, nh);
        return;
    }
    const std::size_t capacity = 4 * std::size_t(n) + 40;
    float *points = rec.figure.points.reserve(2 * capacity);
    if (points == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float *x = points, *y = points + capacity;
    const float pi = rec.core.xpi;
    const float top = float(jqqyvl(rec, ny)), left = float(nx);
    const float right = float(nx + nw - 1), bottom = top + float(nh - 1);
    // Corners clockwise on the page from the upper left, each a quarter turn
    // from (1 - (i - 1) / 2) pi down to (1 - i / 2) pi.
    const float cx[4] = {left + r, right - r, right - r, left + r};
    const float cy[4] = {top + r, top + r, bottom - r, bottom - r};
    const float step = pi * 0.5f / float(n);
    int m = 0;
    x[m] = left;
    y[m] = top + r;
    ++m;
    for (int i = 1; i <= 4; ++i) {
        const float from = (1.0f - float(i - 1) * 0.5f) * pi;
        const float to = (1.0f - float(i) * 0.5f) * pi;
        for (int k = 0; k <= n; ++k) {
            const float t = from - float(k) * step;
            if (t < to) break;
            x[m] = cx[i - 1] + r * std::cos(t);
            y[m] = cy[i - 1] - r * std::sin(t);
            ++m;
        }
        x[m] = cx[i - 1] + r * std::cos(to);
        y[m] = cy[i - 1] - r * std::sin(to);
        ++m;
    }
    x[m] = x[0];
    y[m] = y[0];
    ++m;
    outlineAndFill(rec, x, y, m, false);
}

extern "C" void recfll(int nx, int ny, int nw, int nh, int colour) {
    GlobalRecord *rec = jqqlev(1, 3, "recfll");
    if (rec == nullptr) return;
    const int y = jqqyvl(*rec, ny);
    colourBox(*rec, pageSum(nx), y, pageSum(nx, nw, -1), pageSum(y, nh, -1), colour);
}

extern "C" void point(int nx, int ny, int nb, int nh, int colour) {
    GlobalRecord *rec = jqqlev(1, 3, "point");
    if (rec == nullptr) return;
    const float x = float(nx), y = float(jqqyvl(*rec, ny));
    const float halfWidth = float(nb) / 2.0f, halfHeight = float(nh) / 2.0f;
    colourBox(*rec, truncToInt(x - halfWidth), truncToInt(y - halfHeight),
              truncToInt(x + halfWidth), truncToInt(y + halfHeight), colour);
}
