// Circles, ellipses and elliptical arcs on the page: circle, ellips, arcell,
// and the point spacing of arcs, circsp.
#include "kavlor.h"
#include "kernel/figures.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/record.h"

namespace {

constexpr int kKeepStyle = 1;
constexpr int kNoPie = 0;

} // namespace

extern "C" void circle(int nx, int ny, int nr) {
    GlobalRecord *rec = jqqlev(1, 3, "circle");
    if (rec == nullptr) return;
    elpsln(*rec, nx, jqqyvl(*rec, ny), nr, nr, 0.0f, 360.0f, 0.0f, kKeepStyle, kNoPie);
}

extern "C" void ellips(int nx, int ny, int na, int nb) {
    GlobalRecord *rec = jqqlev(1, 3, "ellips");
    if (rec == nullptr) return;
    elpsln(*rec, nx, jqqyvl(*rec, ny), na, nb, 0.0f, 360.0f, 0.0f, kKeepStyle, kNoPie);
}

extern "C" void arcell(int nx, int ny, int na, int nb, float alpha, float beta, float theta) {
    GlobalRecord *rec = jqqlev(1, 3, "arcell");
    if (rec == nullptr) return;
    elpsln(*rec, nx, jqqyvl(*rec, ny), na, nb, alpha, beta, theta, kKeepStyle, kNoPie);
}

extern "C" void circsp(int n) {
    GlobalRecord &rec = chkini("circsp");
    if (jqqval(n, 1, 10000) == 0) rec.figure.xcircsp = float(n);
}
