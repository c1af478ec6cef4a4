// The meteorological wind symbol: a staff in the wind's direction with
// pennants for each 50 units of speed, full barbs for each 10 and a half barb
// for 5, or two circles for calm.
#include <cmath>

#include "graphics2d/wind_barbs.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rotation.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr int kCircleSymbol = 15;
// No wind unit comes near this speed either way: above it a staff would carry
// tens of thousands of pennants, far below it the calm test leaves an int.
constexpr float kLargestSpeed = 10000.0f;

// The symbol's frame: the staff from (0, 0) to (0, -length), turned by the
// wind's angle and moved to the station; points are truncated after turning.
class BarbFrame {
  public:
    BarbFrame(GlobalRecord &rec, int x, int y, float angle) : rec_(rec), x_(x), y_(y) {
        const float radians = angle * 3.1415927f / 180.0f;
        sin_ = std::sin(radians);
        cos_ = std::cos(radians);
    }

    void line(int x1, int y1, int x2, int y2) {
        float x[2] = {float(x1), float(x2)}, y[2] = {float(y1), float(y2)};
        place(x, y, 2);
        strtqq(rec_, x[0], y[0]);
        connqq(rec_, x[1], y[1]);
    }

    void triangle(int x1, int y1, int x2, int y2, int x3, int y3) {
        float x[3] = {float(x1), float(x2), float(x3)}, y[3] = {float(y1), float(y2), float(y3)};
        place(x, y, 3);
        dareaf(rec_, x, y, 3);
    }

  private:
    void place(float *x, float *y, int n) const {
        trfro2(x, y, n, sin_, cos_);
        for (int i = 0; i < n; ++i) {
            x[i] = float(truncToInt(x[i]) + x_);
            y[i] = float(truncToInt(y[i]) + y_);
        }
    }

    GlobalRecord &rec_;
    int x_, y_;
    float sin_ = 0.0f, cos_ = 1.0f;
};

void drawCalm(GlobalRecord &rec, int x, int y, int size) {
    selectPattern(rec, 0);
    dsymbl(rec, kCircleSymbol, x, y);
    rec.symbol.nhsymb = size - size / 5;
    dsymbl(rec, kCircleSymbol, x, y);
    rec.symbol.nhsymb = size;
}

void drawBarbs(GlobalRecord &rec, float speed, int x, int y, int length, float angle) {
    const int s = rec.symbol.nhsymb;
    const int d = s / 3;
    // The speed to the nearest multiple of 5, halves upwards.
    const int pennants = truncToInt(speed + 2.5f) / 50;
    const float rest = speed - 50.0f * float(pennants);
    const int full = truncToInt(rest + 2.5f) / 10;
    const int halves = truncToInt(rest - 10.0f * float(full) + 2.5f) / 5;

    BarbFrame frame(rec, x, y, angle);
    frame.line(0, 0, 0, -length);
    selectPattern(rec, kSolidPattern);
    const int end = -length;
    int t = 0;
    for (int i = 0; i < pennants; ++i) {
        frame.triangle(0, end + t, s, end + t, 0, end + t + s / 3);
        t += d / 2 + s / 3;
    }
    if (pennants > 0) t += d / 2;
    for (int i = 0; i < full; ++i) {
        frame.line(0, end + t, s, end + t - s / 3);
        t += d;
    }
    if (pennants == 0 && full == 0 && halves == 1) {
        // A lone half barb is set in from the staff's end.
        frame.line(0, end + t + s / 2, s / 2, end + t);
    } else {
        for (int i = 0; i < halves; ++i) {
            frame.line(0, end + t, s / 2, end + t - s / 6);
            t += d;
        }
    }
    qqstrk(rec);
}

} // namespace

void windbr(GlobalRecord &rec, float speed, int nx, int ny, int length, float angle) {
    if (!(std::fabs(speed) <= kLargestSpeed)) { // also NaN
        warnin(Warning::incorrectParameter);
        return;
    }
    // The station and the staff are held where an int ends, so that the
    // turned points added to the station, and the barbs' offsets from the
    // staff's end, stay within an int.
    const int x = pageSum(nx);
    const int y = jqqyvl(rec, ny);
    const int pattern = rec.fill.nshdpat;
    if (speed + 0.5f < 1.0f) // the integer part below 1: calm, whatever the sign
        drawCalm(rec, x, y, rec.symbol.nhsymb);
    else
        drawBarbs(rec, speed, x, y, pageSum(length), angle);
    selectPattern(rec, pattern);
}

extern "C" void windbr(float xvel, int nx, int ny, int nl, float angle) {
    if (GlobalRecord *rec = jqqlev(1, 3, "windbr")) windbr(*rec, xvel, nx, ny, nl, angle);
}
