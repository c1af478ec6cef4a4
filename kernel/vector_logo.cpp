// The vector logo: qornpl and its settings qlgclr, colqlg, qlgpos, qlgcor,
// qlgsiz, qlgang, nofill.
//
// The logo is a square of 52 by 52 grid units holding an emblem: a stacked
// area chart of two bands with a rising row of six markers above it. Points
// 0..3 are the square; 4 closes it and 5, 6 lead to the hub (26, 29), point
// 7. The emblem (points 7..75) visits the eight shapes one after the other,
// going out from the hub to each shape, round it, and back the same way: the
// way out and back cancels in an even-odd fill, so the emblem fills as its
// shapes, and the whole 76 points fill the square around them.
#include <algorithm>
#include <cmath>

#include "kavlor.h"
#include "kernel/colour.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/solid_fill.h"
#include "kernel/warnings.h"

namespace {

constexpr int kLogoPoints = 76;
constexpr float kGrid = 52.0f;

constexpr signed char kLogoX[kLogoPoints] = {
    0,  52, 52, 0,  0,  26, 26,                             // square, way to the hub
    26, 6,  6,  11, 16, 21, 26, 31, 36, 41, 46, 46, 6,  26, // lower band
    11, 15, 13, 9,  7,  11, 26,                             // pentagon
    19, 22, 16, 19, 26, 26, 26,                             // triangle
    27, 30, 31, 29, 25, 23, 24, 27, 26,                     // heptagon
    35, 38, 32, 35, 26, 26, 26,                             // triangle
    6,  14, 22, 30, 38, 46, 46, 36, 26, 16, 6,  6,  26, 26, // upper band
    42, 45, 39, 42, 26, 26,                                 // triangle
    47, 44, 50, 47, 26};                                    // triangle, apex down
constexpr signed char kLogoY[kLogoPoints] = {
    0,  0,  52, 52, 0,  29, 29,                             //
    29, 47, 44, 42, 40, 41, 42, 43, 44, 42, 40, 47, 47, 29, //
    22, 25, 29, 29, 25, 22, 29,                             //
    17, 23, 23, 17, 29, 29, 29,                             //
    14, 16, 19, 22, 22, 19, 16, 14, 29,                     //
    10, 16, 16, 10, 29, 29, 29,                             //
    35, 32, 32, 33, 29, 23, 38, 42, 40, 38, 42, 35, 29, 29, //
    6,  12, 12, 6,  29, 29,                                 //
    8,  3,  3,  8,  29};                                    //

constexpr int kEmblemStart = 7;
// The outlined shapes: first point and number of points.
constexpr int kShapeStart[8] = {8, 21, 28, 35, 44, 51, 65, 71};
constexpr int kShapeCount[8] = {12, 6, 4, 8, 4, 12, 4, 4};

// Named colours GREE and YELL.
constexpr int kGreen = 3, kYellow = 4;

struct LogoColours {
    int background, emblem;
};

LogoColours logoColours(const GlobalRecord &rec) {
    const LogoState &logo = rec.logo;
    if (logo.iqlgclr == 1) return {logo.nqlgclr[0], logo.nqlgclr[1]};
    const auto table = ColourTableKind(rec.colour.ivltid);
    if (table == ColourTableKind::Smal) return {0, 1};
    if (deviceFacts(rec.core.idevice).greyTable &&
        (table == ColourTableKind::Grey || table == ColourTableKind::Rgre))
        return {0, 255};
    return {namedColourValue(rec, kYellow), namedColourValue(rec, kGreen)};
}

// Upper-left corner of the logo: the position given, or a corner of the page
// (1 lower left, 2 lower right, 3 upper right, 4 upper left). False for
// another corner.
bool logoCorner(const GlobalRecord &rec, int corner, float &x, float &y) {
    const LogoState &logo = rec.logo;
    if (logo.iqlgcor == 0) {
        x = float(logo.nqlgpos[0] + rec.page.nxorg);
        y = float(logo.nqlgpos[1] + rec.page.nyorg);
        return true;
    }
    const int s = logo.nqlgsiz;
    const int right = rec.page.nxpage - s + 1, bottom = rec.page.nypage - s + 1;
    switch (corner) {
    case 1: x = 0.0f, y = float(bottom); return true;
    case 2: x = float(right), y = float(bottom); return true;
    case 3: x = float(right), y = 0.0f; return true;
    case 4: x = 0.0f, y = 0.0f; return true;
    default: return false;
    }
}

// Scan lines of the logo's fills: 0.2 mm apart, and 0.04 mm where solid
// fills need finer lines.
float fillSpacing(const GlobalRecord &rec) {
    return (deviceFacts(rec.core.idevice).fineFills ? 0.4f : 2.0f) / rec.page.xunits;
}

void drawOutline(GlobalRecord &rec, const float x[], const float y[], int n) {
    qqmove(rec, x[0], y[0]);
    for (int i = 1; i < n; ++i)
        qqdraw(rec, x[i], y[i]);
}

} // namespace

extern "C" void qornpl(int corner) {
    GlobalRecord *recp = jqqlev(1, 3, "qornpl");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    float left = 0.0f, top = 0.0f;
    if (!logoCorner(rec, corner, left, top)) {
        warni1(Warning::incorrectParameter, corner);
        return;
    }
    // The points on the page, turned about the centre of the square and cut
    // to whole plot units.
    const float scale = float(rec.logo.nqlgsiz) / kGrid;
    const float half = float(rec.logo.nqlgsiz) * 0.5f;
    float x[kLogoPoints], y[kLogoPoints];
    for (int i = 0; i < kLogoPoints; ++i) {
        x[i] = float(kLogoX[i]) * scale - half;
        y[i] = float(kLogoY[i]) * scale - half;
    }
    const float a = -float(rec.logo.nqlgang) * rec.core.xdegrad;
    trfro2(x, y, kLogoPoints, std::sin(a), std::cos(a));
    for (int i = 0; i < kLogoPoints; ++i) {
        x[i] = std::trunc(x[i] + left + half);
        y[i] = std::trunc(y[i] + top + half);
    }

    const LogoColours colours = logoColours(rec);
    const int previous = rec.colour.ncolor;
    const float spacing = fillSpacing(rec);
    if (colours.background != 0) {
        qqsclr(rec, colours.background);
        fillSolid(rec, x, y, kLogoPoints, spacing);
        const float sx[5] = {x[0], x[1], x[2], x[3], x[0]}, sy[5] = {y[0], y[1], y[2], y[3], y[0]};
        drawOutline(rec, sx, sy, 5);
    }
    qqsclr(rec, colours.emblem);
    if (rec.logo.iqlgfil == 1)
        fillSolid(rec, x + kEmblemStart, y + kEmblemStart, kLogoPoints - kEmblemStart, spacing);
    for (int p = 0; p < 8; ++p)
        drawOutline(rec, x + kShapeStart[p], y + kShapeStart[p], kShapeCount[p]);
    qqsclr(rec, previous);
}

extern "C" void qlgclr(int background, int emblem) {
    GlobalRecord &rec = chkini("qlgclr");
    const int bad = jqqval(background, 0, 255) + jqqval(emblem, 0, 255);
    if (bad != 0) return;
    rec.logo.nqlgclr[0] = background;
    rec.logo.nqlgclr[1] = emblem;
    rec.logo.iqlgclr = 1;
}

// Colours of the logo within the two ends of the colour table (reversed on a
// reversed screen).
extern "C" void colqlg(int background, int emblem) {
    GlobalRecord &rec = chkini("colqlg");
    const int *ends = rec.colour.nclrran0;
    const int first = std::min(ends[0], ends[1]), last = std::max(ends[0], ends[1]);
    const int bad = jqqval(background, first, last) + jqqval(emblem, first, last);
    if (bad != 0) return;
    rec.logo.nqlgclr[0] = background;
    rec.logo.nqlgclr[1] = emblem;
    rec.logo.iqlgclr = 1;
}

namespace {

void placeLogo(const char *routine, int nx, int ny) {
    GlobalRecord &rec = chkini(routine);
    rec.logo.nqlgpos[0] = nx;
    rec.logo.nqlgpos[1] = ny;
    rec.logo.iqlgcor = 0;
}

} // namespace

extern "C" void qlgpos(int nx, int ny) {
    placeLogo("qlgpos", nx, ny);
}

extern "C" void qlgcor(int nx, int ny) {
    placeLogo("qlgcor", nx, ny);
}

extern "C" void qlgsiz(int n) {
    GlobalRecord &rec = chkini("qlgsiz");
    if (jqqval(n, 1, 10000) == 0) rec.logo.nqlgsiz = n;
}

extern "C" void qlgang(int angle) {
    chkini("qlgang").logo.nqlgang = angle;
}

extern "C" void nofill(void) {
    chkini("nofill").logo.iqlgfil = 0;
}
