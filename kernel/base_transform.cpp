// Base transformation setters (trfshf, trfscl, trfrot, trfres) and the
// conversions of coordinate arrays and matrices (trfco1, trfco2, trfco3, trfmat).
#include "kernel/base_transform.h"

#include <cmath>
#include <cstring>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/dates.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr double kDegree = 0.017453292522222223;

// Index of a conversion keyword; 0 (and a warning) when unknown, -1 (and
// warning 101) when both keywords are the same.
bool conversionPair(const char *list, int n, const char *from, const char *to, int &i, int &j) {
    i = jqqind(list, n, from);
    j = jqqind(list, n, to);
    if (i == 0 || j == 0) return false;
    if (i == j) {
        qqserr("No conversion necessary");
        warnin(Warning::ownText);
        return false;
    }
    return true;
}

} // namespace

void btrini(GlobalRecord &rec) {
    TransformState &t = rec.trf;
    if (t.itrfon != 0) return;
    const float identity[6] = {1, 0, 0, 0, 1, 0};
    std::memcpy(t.xtrfmat, identity, sizeof identity);
    t.itrfon = 1;
}

extern "C" void trfshf(int nx, int ny) {
    GlobalRecord &rec = chkini("trfshf");
    btrini(rec);
    rec.trf.xtrfmat[2] += float(nx);
    rec.trf.xtrfmat[5] += float(ny);
}

extern "C" void trfscl(float xscale, float yscale) {
    GlobalRecord &rec = chkini("trfscl");
    btrini(rec);
    float *m = rec.trf.xtrfmat;
    for (int k = 0; k < 3; ++k) {
        m[k] *= xscale;
        m[3 + k] *= yscale;
    }
}

extern "C" void trfrot(float angle, int nx, int ny) {
    GlobalRecord &rec = chkini("trfrot");
    btrini(rec);
    float *m = rec.trf.xtrfmat;
    const float cx = float(pageSum(nx, rec.page.nxorg));
    const float cy = float(pageSum(jqqyvl(rec, ny), rec.page.nyorg));
    m[2] -= cx;
    m[5] -= cy;
    const float phi = angle * 0.0174533f;
    const float s = std::sin(phi), k = std::cos(phi);
    for (int col = 0; col < 3; ++col) {
        const float r1 = m[col], r2 = m[3 + col];
        m[col] = k * r1 + s * r2;
        m[3 + col] = k * r2 - s * r1;
    }
    m[2] += cx;
    m[5] += cy;
}

extern "C" void trfres(void) {
    GlobalRecord &rec = chkini("trfres");
    rec.trf.itrfon = 0;
}

extern "C" void trfco1(float *x, int n, const char *from, const char *to) {
    if (jqqlev(0, 3, "trfco1") == nullptr) return;
    int i, j;
    if (!conversionPair("DEGR+RADI", 2, from, to, i, j) || (n > 0 && !arraysGiven(x))) return;
    for (int k = 0; k < n; ++k)
        x[k] = i == 1 ? x[k] * 0.017453292f : x[k] / 0.017453292f;
}

extern "C" void trfco2(float *x, float *y, int n, const char *from, const char *to) {
    if (jqqlev(0, 3, "trfco2") == nullptr) return;
    int i, j;
    if (!conversionPair("RECT+POLA", 2, from, to, i, j) || (n > 0 && !arraysGiven(x, y))) return;
    for (int k = 0; k < n; ++k) {
        const double a = x[k], b = y[k];
        if (i == 2) { // polar: x the angle, y the radius
            x[k] = float(b * std::cos(a * kDegree));
            y[k] = float(b * std::sin(a * kDegree));
        } else if (a != 0.0 || b != 0.0) {
            y[k] = float(std::sqrt(a * a + b * b));
            x[k] = float(std::atan2(b, a) / kDegree);
        }
    }
}

extern "C" void trfco3(float *x, float *y, float *z, int n, const char *from, const char *to) {
    if (jqqlev(0, 3, "trfco3") == nullptr) return;
    int i, j;
    if (!conversionPair("RECT+SPHE+CYLI", 3, from, to, i, j) || (n > 0 && !arraysGiven(x, y, z)))
        return;
    enum { kRect = 1, kSphe = 2, kCyli = 3 };
    for (int k = 0; k < n; ++k) {
        const double a = x[k], b = y[k], c = z[k];
        if (i == kSphe && j == kRect) { // longitude, latitude, radius
            x[k] = float(c * std::cos(a * kDegree) * std::cos(b * kDegree));
            y[k] = float(c * std::sin(a * kDegree) * std::cos(b * kDegree));
            z[k] = float(c * std::sin(b * kDegree));
        } else if (i == kRect && j == kSphe) {
            const double plane = a * a + b * b;
            z[k] = float(std::sqrt(plane + c * c));
            x[k] = plane == 0.0 ? 0.0f : float(std::atan2(b, a) / kDegree);
            y[k] = plane == 0.0 ? 0.0f : float(std::atan2(c, std::sqrt(plane)) / kDegree);
        } else if (i == kCyli && j == kRect) { // angle, radius, height
            x[k] = float(b * std::cos(a * kDegree));
            y[k] = float(b * std::sin(a * kDegree));
        } else if (i == kRect && j == kCyli) {
            y[k] = float(std::sqrt(a * a + b * b));
            x[k] = a == 0.0 && b == 0.0 ? 0.0f : float(std::atan2(b, a) / kDegree);
        } else if (i == kSphe && j == kCyli) {
            y[k] = float(c * std::cos(b * kDegree));
            z[k] = float(c * std::sin(b * kDegree));
        } else if (i == kCyli && j == kSphe) {
            z[k] = float(std::sqrt(b * b + c * c));
            y[k] = b == 0.0 ? 0.0f : float(std::atan2(c, b) / kDegree);
        }
    }
}

extern "C" void trfmat(const float *z, int nx, int ny, float *z2, int nx2, int ny2) {
    if (jqqlev(0, 3, "trfmat") == nullptr) return;
    if (nx < 2 || ny < 2 || nx2 < 2 || ny2 < 2) {
        warnin(Warning::incorrectParameter);
        return;
    }
    if (!arraysGiven(z, z2)) return;
    auto at = [&](int i, int j) { return z[(i - 1) * ny + (j - 1)]; };
    // Point k of n2 on a grid of n points: the 1-based cell and the fraction
    // within it; the last point is the far end of the last cell.
    auto cellOf = [](int k, int n, int n2, int &cell, float &fraction) {
        const float u = float(k) * float(n - 1) / float(n2 - 1) + 1.0f;
        cell = truncToInt(u);
        fraction = u - float(cell);
        if (cell >= n) {
            cell = n - 1;
            fraction = 1.0f;
        }
    };
    for (int i = 0; i < nx2; ++i) {
        int ix = 0;
        float fx = 0.0f;
        cellOf(i, nx, nx2, ix, fx);
        for (int j = 0; j < ny2; ++j) {
            int jy = 0;
            float fy = 0.0f;
            cellOf(j, ny, ny2, jy, fy);
            z2[i * ny2 + j] = (1 - fx) * (1 - fy) * at(ix, jy) + (1 - fx) * fy * at(ix, jy + 1) +
                              fx * (1 - fy) * at(ix + 1, jy) + fx * fy * at(ix + 1, jy + 1);
        }
    }
}

extern "C" void trfdat(int ndays, int *day, int *month, int *year) {
    GlobalRecord *rec = jqqlev(0, 3, "trfdat");
    if (rec == nullptr || !checkBaseDate(*rec)) return;
    dateOfDay(*rec, ndays, *day, *month, *year);
}
