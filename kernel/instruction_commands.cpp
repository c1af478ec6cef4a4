// The commands of the instruction alphabet: a letter and an optional argument
// that move the pen, shift or resize the characters, draw lines under or
// through the text, or change the character settings for the rest of it.
#include <cmath>

#include "kernel/dispatch.h"
#include "kernel/mixed_alphabets.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/stroke_text.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

enum class ArgKind { none, reset, value };

struct Argument {
    ArgKind kind = ArgKind::none;
    float value = 0.0f;
    bool integer = true;
};

// Characters 2..n: digits, a minus sign anywhere, and a point after which
// digits are decimals (a second point starts the decimals again).
bool readArgument(const char *buffer, int n, Argument &arg) {
    if (n <= 1) return true;
    if (upperAscii(buffer[1]) == 'X') {
        arg.kind = ArgKind::reset;
        return true;
    }
    arg.kind = ArgKind::value;
    float whole = 0.0f, decimals = 0.0f, scale = 0.1f;
    bool negative = false, point = false;
    for (int i = 1; i < n; ++i) {
        const char c = buffer[i];
        if (c >= '0' && c <= '9') {
            if (point) {
                decimals += float(c - '0') * scale;
                scale /= 10.0f;
            } else {
                whole = whole * 10.0f + float(c - '0');
            }
        } else if (c == '-') {
            negative = true;
        } else if (c == '.') {
            point = true;
            decimals = 0.0f;
            scale = 0.1f;
        } else {
            return false;
        }
    }
    arg.value = negative ? -(whole + decimals) : whole + decimals;
    arg.integer = !point;
    return true;
}

// A position mark 1..20 (mark 1 without argument) as an index 0..19, or -1
// after the warning.
int markIndex(const Argument &arg) {
    switch (arg.kind) {
    case ArgKind::none: return 0;
    case ArgKind::reset: warnin(Warning::instructionNoInteger); return -1;
    case ArgKind::value: break;
    }
    if (!arg.integer) {
        warnin(Warning::instructionNoInteger);
        return -1;
    }
    if (arg.value < 1.0f || arg.value > float(kTextMarks)) {
        warnin(Warning::instructionTabulator);
        return -1;
    }
    return truncToInt(arg.value) - 1;
}

// A count argument: 1 without argument; false after the warning.
bool countOf(const Argument &arg, float &count) {
    if (arg.kind == ArgKind::none) {
        count = 1.0f;
        return true;
    }
    if (arg.kind == ArgKind::reset || !arg.integer) {
        warnin(Warning::instructionNoInteger);
        return false;
    }
    count = arg.value;
    return true;
}

void setPen(TextState &t, const float to[2]) {
    t.xtxtpen[0] = to[0];
    t.xtxtpen[1] = to[1];
}

// Lines along the text from a mark to the pen: underlines (step -0.2 h, one
// or two lines) or a strike-through (0.5 h).
void markLines(GlobalRecord &rec, int mark, int lines, float step) {
    TextState &t = rec.text;
    if (t.itxtmeas != 0) return;
    const float m = t.xtxtmark[mark];
    const float sn = t.xsinang, cs = t.xcosang;
    for (int i = 1; i <= lines; ++i) {
        const float o = float(i) * step + t.xtxtshift + t.xtxtloff;
        const int x1 = nintqq(t.xtxtbeg[0] + m * cs - o * sn);
        const int y1 = nintqq(t.xtxtbeg[1] - m * sn - o * cs);
        const int x2 = nintqq(t.xtxtpen[0] - t.xchrgap * cs - o * sn);
        const int y2 = nintqq(t.xtxtpen[1] + t.xchrgap * sn - o * cs);
        lineqq(rec, x1 - rec.page.nxorg, y1 - rec.page.nyorg, x2 - rec.page.nxorg,
               y2 - rec.page.nyorg);
    }
}

// A marker symbol in the text, as high as the characters and turned with them.
void inlineSymbol(GlobalRecord &rec, int n) {
    TextState &t = rec.text;
    const float h = float(t.nhchar);
    if (t.itxtmeas == 0) {
        SymbolState &s = rec.symbol;
        const int height0 = s.nhsymb;
        const float rotation0 = s.xsymrot;
        s.nhsymb = t.nhchar;
        s.xsymrot = float(t.nangle);
        const float up = 0.5f * h + t.xtxtshift + t.xtxtloff;
        const int x = nintqq(t.xtxtpen[0] + 0.5f * h * t.xcosang - up * t.xsinang);
        const int y = nintqq(t.xtxtpen[1] - 0.5f * h * t.xsinang - up * t.xcosang);
        dsymbl(rec, n, x - rec.page.nxorg, y - rec.page.nyorg);
        s.nhsymb = height0;
        s.xsymrot = rotation0;
    }
    movePen(rec, h + t.xchrgap);
}

} // namespace

void inscmd(GlobalRecord &rec, const char *buffer, int n) {
    if (n < 1) return;
    TextState &t = rec.text;
    Argument arg;
    if (!readArgument(buffer, n, arg)) {
        warnin(Warning::instructionParameter);
        return;
    }
    const ArgKind kind = arg.kind;
    const float r = arg.value;
    const float h = float(t.nhchar);
    const float h0 = float(t.nhchar0);
    float count = 0.0f;
    switch (upperAscii(buffer[0])) {
    case 'P': {
        const int k = markIndex(arg);
        if (k >= 0) t.xtxtmark[k] = penDistance(rec, t.xtxtbeg);
        break;
    }
    case 'G': {
        const int k = markIndex(arg);
        if (k < 0) break;
        setPen(t, t.xtxtbeg);
        movePen(rec, t.xtxtmark[k]);
        break;
    }
    case 'T':
        if (kind == ArgKind::none) {
            setPen(t, t.xtxtbeg);
        } else if (countOf(arg, count)) {
            setPen(t, t.xtxtbeg);
            movePen(rec, count);
        }
        break;
    case 'A':
        // With the reset argument the pen stays.
        if (kind == ArgKind::none) movePen(rec, h);
        if (kind == ArgKind::value) movePen(rec, r * h);
        break;
    case 'C':
        if (countOf(arg, count)) {
            salfpa(rec, t.ialfstr);
            movePen(rec, count * t.xchrgap);
        }
        break;
    case 'F':
        if (countOf(arg, count)) {
            float width = (h - 1.0f) * t.xtxtfix * rec.font.xfixbas * t.xtxtwth;
            if (t.itxtfix == 0) {
                salfpa(rec, t.ialfstr);
                width = float(rec.font.nblank) * rec.font.xalfscl;
            }
            movePen(rec, count * width);
        }
        break;
    case 'U':
    case 'D': {
        const float sign = upperAscii(buffer[0]) == 'U' ? 1.0f : -1.0f;
        if (kind == ArgKind::none) t.xtxtshift = sign * h0;
        if (kind == ArgKind::reset) t.xtxtshift = 0.0f;
        if (kind == ArgKind::value) t.xtxtshift = sign * std::fabs(r) * (r > 0.0f ? h0 : h);
        break;
    }
    case 'I':
    case 'E':
        if (kind == ArgKind::value) {
            warnin(Warning::instructionParameter);
        } else if (kind == ArgKind::reset) {
            t.xtxtshift = 0.0f;
            setTextHeight(rec, t.nhchar0);
        } else {
            t.xtxtshift += upperAscii(buffer[0]) == 'I' ? -0.35f * h : 0.75f * h;
            setTextHeight(rec, nintqq(0.6f * h));
        }
        break;
    case 'R':
        if (kind != ArgKind::none) {
            warnin(Warning::instructionParameter);
        } else {
            t.xtxtshift = 0.0f;
            setTextHeight(rec, t.nhchar0);
        }
        break;
    case 'H':
        if (kind == ArgKind::none) setTextHeight(rec, nintqq(0.6f * h));
        if (kind == ArgKind::reset) setTextHeight(rec, t.nhchar0);
        if (kind == ArgKind::value) setTextHeight(rec, r > 0.0f ? nintqq(h * r) : -nintqq(h0 * r));
        break;
    case 'K':
        t.itxtfix = kind == ArgKind::reset ? 0 : 1;
        if (kind == ArgKind::none) t.xtxtfix = 0.8f;
        if (kind == ArgKind::value) t.xtxtfix = r;
        break;
    case 'L':
    case 'J':
    case 'V': {
        const int k = markIndex(arg);
        if (k < 0) break;
        const char c = upperAscii(buffer[0]);
        markLines(rec, k, c == 'J' ? 2 : 1, c == 'V' ? 0.5f * h : -0.2f * h);
        break;
    }
    case 'O':
        if (kind == ArgKind::none) t.xtxtloff = h;
        if (kind == ArgKind::reset) t.xtxtloff = 0.0f;
        if (kind == ArgKind::value) t.xtxtloff = h * r;
        break;
    case 'S':
        if (kind == ArgKind::reset) {
            warnin(Warning::instructionNoInteger);
        } else if (kind == ArgKind::value && (!arg.integer || r < 0.0f || r > 21.0f)) {
            warnin(Warning::instructionParameter);
        } else {
            inlineSymbol(rec, kind == ArgKind::none ? 0 : truncToInt(r));
        }
        break;
    case 'M':
        if (kind == ArgKind::none) t.ialfstr = 1;
        if (kind == ArgKind::reset) t.ialfstr = t.ialfbas;
        if (kind == ArgKind::value) {
            if (!arg.integer || r < 1.0f || r > 6.0f)
                warnin(Warning::instructionParameter);
            else
                t.ialfstr = truncToInt(r);
        }
        break;
    case 'N': {
        int colour = 1;
        if (kind == ArgKind::reset) colour = t.ncolor0;
        if (kind == ArgKind::value) {
            if (!arg.integer || r < 0.0f || r > 255.0f) {
                warnin(Warning::instructionParameter);
                break;
            }
            colour = truncToInt(r);
        }
        if (t.itxtmeas == 0) qqsclr(rec, colour);
        break;
    }
    case 'W':
        t.xtxtwth = kind == ArgKind::none ? 1.0f : kind == ArgKind::reset ? t.xchawth : r;
        t.ialfsel = 0;
        break;
    case 'Y':
        t.xtxtspc = kind == ArgKind::none ? 0.0f : kind == ArgKind::reset ? t.xchaspc : r;
        t.ialfsel = 0;
        break;
    case 'Z':
        if (kind == ArgKind::none) t.xtxtslant = 0.0f;
        if (kind == ArgKind::reset) t.xtxtslant = t.xchaang;
        if (kind == ArgKind::value) {
            if (r < -60.0f || r > 60.0f)
                warnin(Warning::instructionParameter);
            else
                t.xtxtslant =
                    std::fabs(r) < 0.5f ? 0.0f : 1.0f / std::tan((90.0f - r) * 3.1415927f / 180.0f);
        }
        break;
    default: warnin(Warning::instructionUnknown); break;
    }
}
