// The PostScript body: pen paths as u/d/p records, characters as c records,
// and device-filled polygons, all through the record buffer.
#include "devices/decimal_text.h"
#include "devices/postscript.h"
#include "kernel/driver.h"
#include "kernel/output_file.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

int roundUnit(float v) {
    return truncToInt(v + 0.5f);
}

// Room for one point record: two numbers as wide as they need (a large
// hardware page gives seven digits and more).
constexpr int kPointRecordRoom = 2 * kNumberTextRoom + 4;

// The point record "%5d %5d u " or "%5d %5d d " as it reaches the file: the
// record buffer keeps one blank between words, so the numbers go without the
// padding it would drop.
char *pointRecord(char *p, int x, int y, char op) {
    p = putInt(p, x);
    *p++ = ' ';
    p = putInt(p, y);
    *p++ = ' ';
    *p++ = op;
    *p++ = ' ';
    return p;
}

// Writes the pending path (at least two points) as u, d ..., p.
void writePath(GlobalRecord &rec) {
    VectorPath<int> &path = rec.vec.ps;
    if (path.count < 2) return;
    char text[kVectorPathPoints * kPointRecordRoom + 8];
    char *p = pointRecord(text, path.x[0], path.y[0], 'u');
    for (int i = 1; i < path.count; ++i)
        p = pointRecord(p, path.x[i], path.y[i], 'd');
    *p++ = 'p'; // stroke
    *p++ = ' ';
    appendWords(rec, text, int(p - text));
}

} // namespace

void drwpsc(GlobalRecord &rec, float x, float y, int op) {
    VectorPath<int> &path = rec.vec.ps;
    switch (op) {
    case kPenStart: path.reset(); return;
    case kPenDraw: {
        const int px = roundUnit(x), py = roundUnit(y);
        if (path.draw(px, py)) {
            writePath(rec);
            path.startAt(px, py); // the next piece continues from here
        }
        return;
    }
    case kPenEndPiece:
    case kPenFlush:
        writePath(rec);
        path.count = 0;
        return;
    default: // move
        writePath(rec);
        path.startAt(roundUnit(x), roundUnit(y));
        return;
    }
}

void postScriptPoint(const GlobalRecord &rec, float x, float y, int &px, int &py) {
    const PageState &page = rec.page;
    const float s = page.xdevscl;
    if (turnedOnPaper(page)) {
        px = roundUnit(y * s);
        py = roundUnit(x * s);
    } else {
        px = roundUnit(x * s);
        py = roundUnit((float(page.nypage) - y) * s);
    }
}

void fillPolygonPostScript(GlobalRecord &rec, const float *x, const float *y, int n) {
    if (n < 1) return;
    drwpsc(rec, 0, 0, kPenEndPiece); // lines drawn before stay below the fill
    const float ox = float(rec.page.nxorg), oy = float(rec.page.nyorg);
    char text[kPointRecordRoom];
    int firstX = 0, firstY = 0;
    for (int i = 0; i < n; ++i) {
        int px = 0, py = 0;
        postScriptPoint(rec, x[i] + ox, y[i] + oy, px, py);
        if (i == 0) {
            firstX = px;
            firstY = py;
        }
        qpsbuf(rec, text, int(pointRecord(text, px, py, i == 0 ? 'u' : 'd') - text));
    }
    qpsbuf(rec, text, int(pointRecord(text, firstX, firstY, 'd') - text));
    qpsbuf(rec, "eofill ", 7);
}
