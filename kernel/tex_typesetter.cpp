// The typesetter of the formula notation: scripts, groups, fractions, roots,
// big operators with limits, over- and underlines, vectors, styles, sizes,
// colours and function names, set through alfcha in the current font.
//
// Positions along the text are pen positions; heights are raises of the
// baseline (xtexrise) in plot units, upwards. Both passes walk the same
// tokens; the drawing pass reads the widths and extents the measuring pass
// stored, in the order the constructs occur.
#include <algorithm>
#include <cstring>

#include "kernel/colour.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/stroke_text.h"
#include "kernel/tex_keywords.h"
#include "kernel/tex_typesetter.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

constexpr float kStyleFactor[4] = {1.0f, 1.0f, 0.6f, 0.5f}; // display, text, script, scriptscript
constexpr int kMaxNesting = 8;

enum class Shift { exponent, index, upperLimit, lowerLimit, rootIndex };
enum class SequenceEnd { text, brace, bracket };
enum class Strike { overline, underline, vec };

// The atom that scripts attach to.
struct Base {
    int exponents = 0;
    int indices = 0;
    bool started = false; // a script was set: start holds the point after the atom
    float start[2] = {0, 0};
    float longest = 0.0f;       // the longer of exponent and index
    bool limitOperator = false; // a big operator whose scripts are limits
    bool integral = false;      // int or oint: limits move half a height apart
    float after[2] = {0, 0};    // the pen after the operator
    float width = 0.0f;         // its advance less the gap
    float gap = 0.0f;           // the gap after it
    float height = 0.0f;
};

// What a group saves and gives back at its closing brace.
struct Saved {
    float rise;
    int style;
    int cramp;
    int base;
    int alphabet;
    int height;
    int colour;
    float op;
};

// The formula box while a part of the formula is measured.
struct Box {
    float height;
    float depth;
};

struct Typesetter {
    GlobalRecord &rec;
    bool measure;         // the measuring pass
    bool failed = false;  // a syntax error was reported
    bool ended = false;   // the text ended
    int groups = 0;       // open braces
    int scripts = 0;      // open scripts
    int fractions = 0;    // open fractions
    int roots = 0;        // open roots
    int fractionsMet = 0; // fractions so far: the index into the extent table
    int limitsMet = 0;
    int rootsMet = 0;
    int openStrikes[3] = {0, 0, 0}; // open overlines, underlines, vecs
    int alphabet = 0;               // alphabet chosen by a command (\rm, \gr, ...); 0 none
    int limitsOverride = -1;        // \limits or \nolimits met after an operator
    int startHeight = 0;            // the height at the start of the text
    int partScripts = -1; // script depth of the innermost fraction part; -1 outside fractions
    bool tall = false;    // the letters of the innermost over- or underline group
    bool descending = false;
    Base base;

    explicit Typesetter(GlobalRecord &r, bool m) : rec(r), measure(m) {}
    TextState &text() { return rec.text; }
    TexState &tex() { return rec.tex; }
    bool stopped() const { return failed || ended; }
};

void parseSequence(Typesetter &ts, SequenceEnd end);
void item(Typesetter &ts, int token);

void error(Typesetter &ts, const char *message) {
    if (ts.failed) return;
    ts.failed = true;
    qqcopy(ts.rec.core.cfunc, "messag");
    qqserr(message);
    warnin(Warning::ownText);
}

// ---- Pen, heights and styles ---------------------------------------------

void qqspace(Typesetter &ts, float d) {
    movePen(ts.rec, d);
}

void setPen(Typesetter &ts, const float p[2]) {
    ts.text().xtxtpen[0] = p[0];
    ts.text().xtxtpen[1] = p[1];
}

// A point d along the text and u up from p.
void offsetPoint(const Typesetter &ts, const float p[2], float d, float u, float &x, float &y) {
    const TextState &t = ts.rec.text;
    x = p[0] + d * t.xcosang - u * t.xsinang;
    y = p[1] - d * t.xsinang - u * t.xcosang;
}

void qqshgt1(Typesetter &ts, int h) {
    if (h != ts.text().nhchar) setTextHeight(ts.rec, h);
    ts.tex().xtexop = 0.2f * float(ts.text().nhchar);
}

void qqshgt2(Typesetter &ts, int style) {
    TexState &x = ts.tex();
    const int old = x.itexstyle;
    x.itexstyle = style;
    if (old <= 1 && style <= 1) return;
    qqshgt1(ts, truncToInt(float(x.ntexbase) * kStyleFactor[style] + 0.5f));
}

// One style deeper for a script (modes 1, 2), a numerator (3) or a
// denominator (4); indices and denominators are cramped.
void qqheight(Typesetter &ts, int mode) {
    TexState &x = ts.tex();
    const int old = x.itexstyle;
    int style = std::min(old + 1, 3);
    if (mode < 3) style = std::max(style, 2);
    x.itexstyle = style;
    if (style != old && style != 1) {
        const float f = mode < 3 ? x.xtexexp : 1.0f;
        const int h = truncToInt(float(x.ntexbase) * kStyleFactor[style] * f + 0.5f);
        if (h != ts.text().nhchar) setTextHeight(ts.rec, h);
    }
    if (mode == 2 || mode == 4) x.itexcramp = 1;
    x.xtexop = 0.2f * float(ts.text().nhchar);
}

void qqshift(Typesetter &ts, Shift shift) {
    TexState &x = ts.tex();
    const float s =
        float(truncToInt(float(x.ntexbase) * kStyleFactor[x.itexstyle] * x.xtexexp + 0.5f));
    switch (shift) {
    case Shift::exponent: x.xtexrise += (x.itexcramp != 0 ? 0.9f : 1.1f) * s; break;
    case Shift::index: x.xtexrise -= 0.6f * s; break;
    case Shift::upperLimit: x.xtexrise += 2.3f * s; break;
    case Shift::lowerLimit: x.xtexrise -= 1.8f * s; break;
    case Shift::rootIndex: x.xtexrise += 1.25f * s; break;
    }
}

void setColour(Typesetter &ts, int colour) {
    if (ts.text().itxtmeas == 0 && colour != ts.rec.colour.ncolor) qqsclr(ts.rec, colour);
}

Saved save(Typesetter &ts) {
    const TexState &x = ts.tex();
    return {x.xtexrise,  x.itexstyle,      x.itexcramp,          x.ntexbase,
            ts.alphabet, ts.text().nhchar, ts.rec.colour.ncolor, x.xtexop};
}

void restore(Typesetter &ts, const Saved &s) {
    TexState &x = ts.tex();
    x.xtexrise = s.rise;
    x.itexstyle = s.style;
    x.itexcramp = s.cramp;
    x.ntexbase = s.base;
    ts.alphabet = s.alphabet;
    if (ts.text().nhchar != s.height) setTextHeight(ts.rec, s.height);
    setColour(ts, s.colour);
    x.xtexop = s.op;
}

// The box of a part starts at its own baseline.
Box openBox(Typesetter &ts, float rise) {
    TexState &x = ts.tex();
    const Box outer = {x.xtexheight, x.xtexdepth};
    x.xtexheight = rise;
    x.xtexdepth = rise;
    return outer;
}

void closeBox(Typesetter &ts, const Box &outer) {
    TexState &x = ts.tex();
    x.xtexheight = std::max(x.xtexheight, outer.height);
    x.xtexdepth = std::min(x.xtexdepth, outer.depth);
}

// ---- Drawing ---------------------------------------------------------------

// A letter is tall unless it has no ascender; these letters descend.
bool tallLetter(int c) {
    if (c <= ' ') return false;
    return !(c == 'a' || c == 'c' || c == 'e' || (c >= 'n' && c <= 'z' && c != 't'));
}
bool descendingLetter(int c) {
    return c == 'y' || c == 'p' || c == 'q' || c == 'j' || c == 'g';
}

// qqplcha: a character on the raised baseline; the formula box grows.
float qqplcha(Typesetter &ts, int code) {
    TextState &t = ts.text();
    TexState &x = ts.tex();
    const float before[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    t.xtxtpen[0] -= x.xtexrise * t.xsinang;
    t.xtxtpen[1] -= x.xtexrise * t.xcosang;
    alfcha(ts.rec, code);
    t.xtxtpen[0] += x.xtexrise * t.xsinang;
    t.xtxtpen[1] += x.xtexrise * t.xcosang;
    x.xtexheight = std::max(x.xtexheight, float(t.nhchar) + x.xtexrise);
    x.xtexdepth = std::min(x.xtexdepth, x.xtexrise);
    return penDistance(ts.rec, before);
}

void drawCharacter(Typesetter &ts, int code, int alphabet) {
    ts.text().ialfcur = alphabet;
    qqplcha(ts, code);
    ts.tall = ts.tall || tallLetter(code);
    ts.descending = ts.descending || descendingLetter(code);
}

// A polyline of n points given as (along, up) offsets from p.
void drawOffsets(Typesetter &ts, const float p[2], const float (*points)[2], int n) {
    if (ts.text().itxtmeas != 0) return;
    for (int i = 0; i < n; ++i) {
        float x, y;
        offsetPoint(ts, p, points[i][0], points[i][1], x, y);
        if (i == 0)
            qqmove(ts.rec, x, y);
        else
            qqdraw(ts.rec, x, y);
    }
}

// qqplsqrt: the root sign from p over a body of the given width, its top
// ascent above the raise, its foot depth below it.
void qqplsqrt(Typesetter &ts, const float p[2], float rise, float h, float width, float ascent,
              float depth) {
    const float q = 0.25f * h;
    const float top = rise + 0.4f * h + ascent;
    const float sign[5][2] = {{0.0f, rise + 0.5f * h},
                              {q, rise + 0.5f * h},
                              {2.0f * q, rise - depth},
                              {4.0f * q, top},
                              {1.2f * h + width, top}};
    drawOffsets(ts, p, sign, 5);
    const float stroke[2][2] = {{q - 0.1f * h, rise + 0.5f * h},
                                {2.0f * q - 0.1f * h, rise - depth}};
    drawOffsets(ts, p, stroke, 2);
}

// ---- Tokens ----------------------------------------------------------------

// Consumes the next non-blank character (which qqlookup showed).
void consumeLookup(Typesetter &ts) {
    const char *s = ts.text().ctxtbuf;
    int &pos = ts.tex().ntexpos;
    while (s[pos] == ' ')
        ++pos;
    if (s[pos] != '\0') ++pos;
}

void newBase(Typesetter &ts) {
    ts.base = Base{};
}

void group(Typesetter &ts) {
    if (ts.groups >= kMaxNesting) {
        error(ts, "Too many nested parenthesis");
        return;
    }
    const Saved saved = save(ts);
    ++ts.groups;
    parseSequence(ts, SequenceEnd::brace);
    --ts.groups;
    restore(ts, saved);
}

void ordinary(Typesetter &ts, int code) {
    const TexState &x = ts.tex();
    const bool math = x.itexmath != 0;
    int alphabet = ts.text().ialfstr;
    if (ts.alphabet != 0) {
        alphabet = ts.alphabet;
    } else if (math) {
        const bool letter = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        alphabet = x.itexita != 0 && letter ? 4 : 1;
    }
    const bool op = math && code != 0 && std::strchr("=*+-/", code) != nullptr;
    if (op) qqspace(ts, x.xtexop);
    drawCharacter(ts, code, alphabet);
    if (op) qqspace(ts, ts.tex().xtexop);
}

// Exponent or index of the base before it, or a limit of a big operator.
void script(Typesetter &ts, bool exponent) {
    Base b = ts.base;
    if ((exponent ? b.exponents : b.indices) > 0 || b.exponents + b.indices >= 2) {
        error(ts, "Syntax error for Indices/Exponents");
        return;
    }
    if (ts.scripts >= kMaxNesting) {
        error(ts, "Too many nested exponents/indices");
        return;
    }
    TextState &t = ts.text();
    const Saved saved = save(ts);
    int limit = -1;
    if (b.limitOperator) {
        setPen(ts, b.after);
        limit = ts.limitsMet++;
        if (!ts.measure) {
            // Centred on the operator, from the widths of the measuring pass.
            const float width = limit < kTexLimits ? ts.tex().xlimwidth[limit] : 0.0f;
            qqspace(ts, -float(truncToInt(0.5f * b.width + b.gap + 0.5f * width)));
            if (b.integral) qqspace(ts, exponent ? 0.5f * b.height : -0.5f * b.height);
        }
        qqheight(ts, exponent ? 1 : 2);
        qqshift(ts, exponent ? Shift::upperLimit : Shift::lowerLimit);
    } else {
        if (!b.started) {
            b.started = true;
            b.start[0] = t.xtxtpen[0];
            b.start[1] = t.xtxtpen[1];
        } else {
            setPen(ts, b.start); // exponent and index share their start
        }
        qqheight(ts, exponent ? 1 : 2);
        qqshift(ts, exponent ? Shift::exponent : Shift::index);
    }
    const float start[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    ++ts.scripts;
    const int token = qqlexan(ts.rec);
    if (token == kTexEnd) {
        ts.ended = true;
    } else if (token == kTexExponent || token == kTexIndex ||
               (ts.tex().itextok == kTexStructural && (token == '}' || token == ']'))) {
        error(ts, "Syntax error for Indices/Exponents");
    } else {
        item(ts, token);
    }
    --ts.scripts;
    const float length = penDistance(ts.rec, start);
    restore(ts, saved);
    if (ts.stopped()) return;
    if (b.limitOperator) {
        if (ts.measure && limit < kTexLimits) ts.tex().xlimwidth[limit] = length;
        setPen(ts, b.after);
    } else {
        b.longest = std::max(b.longest, length);
        setPen(ts, b.start);
        qqspace(ts, b.longest);
    }
    (exponent ? b.exponents : b.indices) += 1;
    ts.base = b;
}

// sum, int, oint, prod and lim; their scripts become limits above and below
// unless limits are off.
void bigOperator(Typesetter &ts, TexConstruct op) {
    TextState &t = ts.text();
    qqspace(ts, t.xchrgap);
    const float start[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    if (op == TexConstruct::lim) {
        for (const char c : {'l', 'i', 'm'})
            drawCharacter(ts, c, 1);
    } else {
        const char key = op == TexConstruct::sum        ? 'r'
                         : op == TexConstruct::integral ? 'v'
                         : op == TexConstruct::contour  ? 'w'
                                                        : 's';
        drawCharacter(ts, key, 3);
    }
    Base b;
    b.after[0] = t.xtxtpen[0];
    b.after[1] = t.xtxtpen[1];
    b.gap = t.xchrgap;
    b.width = penDistance(ts.rec, start) - b.gap;
    b.height = float(t.nhchar);
    b.integral = op == TexConstruct::integral || op == TexConstruct::contour;
    // \limits or \nolimits right after the operator holds for the rest of the text.
    TexState &x = ts.tex();
    const int pos = x.ntexpos, math = x.itexmath, token = x.itextok;
    float unused = 0.0f;
    int value = -1;
    if (qqlexan(ts.rec) == kTexWord) value = qqchktex(x.ctexword, TexTable::limits, unused);
    if (value >= 0) {
        ts.limitsOverride = value;
    } else {
        x.ntexpos = pos;
        x.itexmath = math;
        x.itextok = token;
    }
    b.limitOperator = (ts.limitsOverride >= 0 ? ts.limitsOverride : x.itexlim) == 1;
    ts.base = b;
}

void fraction(Typesetter &ts) {
    if (qqlookup(ts.rec) != '{') {
        error(ts, "Syntax error for fractions");
        return;
    }
    if (ts.fractionsMet >= kTexFractions || ts.fractions >= kMaxNesting) {
        error(ts, "Too many fractions");
        return;
    }
    TextState &t = ts.text();
    TexState &x = ts.tex();
    const int index = ts.fractionsMet++;
    const TexFraction known = ts.measure ? TexFraction{} : x.frac[index];
    const float h = float(t.nhchar);
    const float start[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    // A fraction directly in the part of another sits 0.3 h above that
    // part's baseline; elsewhere on the axis of the formula.
    const bool nested = ts.partScripts == ts.scripts;
    const float bar = x.xtexrise + (nested ? 0.3f : 0.42f) * h;
    const float wider = std::max(known.numWidth, known.denWidth);
    const Saved saved = save(ts);
    const int outerPart = ts.partScripts;
    ++ts.fractions;
    ts.partScripts = ts.scripts;
    TexFraction measured;

    // Numerator: its lowest point 0.3 h above the bar.
    consumeLookup(ts);
    qqheight(ts, 3);
    const float numRise = bar + 0.3f * h - known.numDepth;
    x.xtexrise = numRise;
    setPen(ts, start);
    qqspace(ts, (wider - known.numWidth) / 2.0f);
    const float numStart[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    const Box outer = openBox(ts, numRise);
    group(ts);
    measured.numWidth = penDistance(ts.rec, numStart);
    measured.numHeight = x.xtexheight - numRise;
    measured.numDepth = std::min(0.0f, x.xtexdepth - numRise);
    restore(ts, saved);

    if (!ts.stopped() && qqlookup(ts.rec) != '{') error(ts, "Missing denominator for fractions");
    if (!ts.stopped()) {
        // Denominator: its top 0.3 h below the bar.
        consumeLookup(ts);
        qqheight(ts, 4);
        const float denRise = bar - 0.3f * h - known.denHeight;
        x.xtexrise = denRise;
        setPen(ts, start);
        qqspace(ts, (wider - known.denWidth) / 2.0f);
        const float denStart[2] = {t.xtxtpen[0], t.xtxtpen[1]};
        openBox(ts, denRise);
        group(ts);
        measured.denWidth = penDistance(ts.rec, denStart);
        measured.denHeight = x.xtexheight - denRise;
        measured.denDepth = std::min(0.0f, x.xtexdepth - denRise);
        restore(ts, saved);
    }
    --ts.fractions;
    ts.partScripts = outerPart;
    // The box of the fraction where its parts stand once their extents are
    // known: in the measuring pass the parts were placed without them.
    const float top = bar + 0.3f * h - measured.numDepth + measured.numHeight;
    const float bottom = bar - 0.3f * h - measured.denHeight + measured.denDepth;
    x.xtexheight = outer.height;
    x.xtexdepth = outer.depth;
    closeBox(ts, {top, bottom});
    if (ts.stopped()) return;
    if (ts.measure) x.frac[index] = measured;
    const float width = std::max(measured.numWidth, measured.denWidth);
    const float line[2][2] = {{0.0f, bar}, {width, bar}};
    drawOffsets(ts, start, line, 2);
    setPen(ts, start);
    qqspace(ts, width + 2.0f * t.xchrgap);
}

void root(Typesetter &ts) {
    if (ts.roots >= kMaxNesting) {
        error(ts, "Too many nested roots");
        return;
    }
    TextState &t = ts.text();
    TexState &x = ts.tex();
    const float h = float(t.nhchar);
    const float rise = x.xtexrise;
    const float start[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    if (qqlookup(ts.rec) == '[') {
        // The index, small and raised, then back to the start of the sign.
        const Saved saved = save(ts);
        const int inIndex = x.itexroot;
        consumeLookup(ts);
        x.itexroot = 1;
        qqheight(ts, 1);
        qqshift(ts, Shift::rootIndex);
        parseSequence(ts, SequenceEnd::bracket);
        x.itexroot = inIndex;
        restore(ts, saved);
        if (ts.stopped()) return;
        setPen(ts, start);
    }
    qqspace(ts, 1.2f * h);
    const float bodyStart[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    const int rootsBefore = ts.rootsMet++;
    ++ts.roots;
    const Box outer = openBox(ts, rise);
    const int token = qqlexan(ts.rec);
    if (token == kTexEnd)
        ts.ended = true;
    else if (token == '{' && x.itextok == kTexStructural)
        group(ts);
    else
        item(ts, token);
    --ts.roots;
    const float width = penDistance(ts.rec, bodyStart);
    const float top = x.xtexheight - rise;
    const float depth = -std::min(0.0f, x.xtexdepth - rise);
    closeBox(ts, outer);
    if (ts.stopped()) return;
    const int nested = ts.rootsMet - rootsBefore - 1;
    const float ascent = top + 0.4f * h * float(nested);
    qqplsqrt(ts, start, rise, h, width, ascent, depth);
    x.xtexheight = std::max(x.xtexheight, rise + 0.4f * h + ascent);
    qqspace(ts, t.xchrgap);
}

void strike(Typesetter &ts, Strike kind) {
    static constexpr const char *kErrors[3] = {
        "Syntax error for overstrike", "Syntax error for understrike", "Syntax error for vec"};
    if (qqlookup(ts.rec) != '{') {
        error(ts, kErrors[int(kind)]);
        return;
    }
    consumeLookup(ts);
    TextState &t = ts.text();
    TexState &x = ts.tex();
    const float h = float(t.nhchar);
    const float rise = x.xtexrise;
    const float start[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    const int n = ++ts.openStrikes[int(kind)];
    const bool outerTall = ts.tall, outerDescending = ts.descending;
    ts.tall = ts.descending = false;
    const Box outer = openBox(ts, rise);
    group(ts);
    --ts.openStrikes[int(kind)];
    const float top = x.xtexheight;
    const float low = x.xtexdepth;
    const bool tall = ts.tall, descending = ts.descending;
    ts.tall = tall || outerTall;
    ts.descending = descending || outerDescending;
    closeBox(ts, outer);
    if (ts.stopped()) return;
    const float end = penDistance(ts.rec, start) - t.xchrgap;
    float level;
    if (kind == Strike::underline) {
        // Below the raise, and below whatever of the group reaches lower.
        level = std::min(rise, low) - 0.3f * h * float(n) - (descending ? 0.2f * h : 0.0f);
        x.xtexdepth = std::min(x.xtexdepth, level);
    } else {
        level = top + 0.3f * h * float(n) - (tall ? 0.0f : 0.3f * h);
        x.xtexheight = std::max(x.xtexheight, level);
    }
    const float line[2][2] = {{0.0f, level}, {end, level}};
    drawOffsets(ts, start, line, 2);
    if (kind == Strike::vec) {
        // The arrowhead; a font without a gap still gets one.
        const float g = t.xchrgap > 0.0f ? t.xchrgap : 0.15f * h;
        const float head[3][2] = {
            {end - 2.0f * g, level + g}, {end, level}, {end - 2.0f * g, level - g}};
        drawOffsets(ts, start, head, 3);
        x.xtexheight = std::max(x.xtexheight, level + g);
    }
}

void word(Typesetter &ts) {
    const char *w = ts.tex().ctexword;
    float factor = 0.0f;
    int v = qqchktex(w, TexTable::greek, factor);
    if (v >= 0) {
        drawCharacter(ts, v, 2);
        newBase(ts);
        return;
    }
    if ((v = qqchktex(w, TexTable::space, factor)) >= 0) {
        qqspace(ts, float(ts.text().nhchar) * factor / 18.0f);
        return;
    }
    if ((v = qqchktex(w, TexTable::symbol, factor)) >= 0) {
        drawCharacter(ts, v, 3);
        newBase(ts);
        return;
    }
    if ((v = qqchktex(w, TexTable::construct, factor)) >= 0) {
        const TexConstruct c = TexConstruct(v);
        switch (c) {
        case TexConstruct::sum:
        case TexConstruct::integral:
        case TexConstruct::contour:
        case TexConstruct::product:
        case TexConstruct::lim: bigOperator(ts, c); return;
        case TexConstruct::sqrt: root(ts); break;
        case TexConstruct::frac: fraction(ts); break;
        case TexConstruct::overline: strike(ts, Strike::overline); break;
        case TexConstruct::underline: strike(ts, Strike::underline); break;
        case TexConstruct::vec: strike(ts, Strike::vec); break;
        }
        newBase(ts);
        return;
    }
    if (qqchktex(w, TexTable::limits, factor) >= 0) return; // only right after an operator
    if ((v = qqchktex(w, TexTable::alphabet, factor)) >= 0) {
        ts.alphabet = v;
        return;
    }
    if ((v = qqchktex(w, TexTable::style, factor)) >= 0) {
        qqshgt2(ts, v);
        return;
    }
    if ((v = qqchktex(w, TexTable::size, factor)) >= 0) {
        ts.tex().ntexbase = truncToInt(float(ts.startHeight) * factor + 0.5f);
        qqshgt1(ts, ts.tex().ntexbase);
        return;
    }
    if ((v = qqchktex(w, TexTable::colour, factor)) >= 0) {
        setColour(ts, namedColourValue(ts.rec, v));
        return;
    }
    if (qqchktex(w, TexTable::function, factor) >= 0) {
        qqspace(ts, ts.text().xchrgap);
        for (const char *c = w; *c != '\0'; ++c)
            drawCharacter(ts, static_cast<unsigned char>(*c), 1);
        qqspace(ts, ts.text().xchrgap);
        newBase(ts);
        return;
    }
    error(ts, "Unknown TeX command");
}

void item(Typesetter &ts, int token) {
    if (token == kTexWord) {
        word(ts);
        return;
    }
    if (token == '{' && ts.tex().itextok == kTexStructural) {
        group(ts);
    } else {
        ordinary(ts, token);
    }
    newBase(ts);
}

void parseSequence(Typesetter &ts, SequenceEnd end) {
    while (!ts.stopped()) {
        const int token = qqlexan(ts.rec);
        if (token == kTexEnd) {
            ts.ended = true;
            return;
        }
        const bool structural = ts.tex().itextok == kTexStructural;
        if (structural && token == '}') {
            if (end != SequenceEnd::brace) error(ts, "Unbalanced parenthesis");
            return;
        }
        if (structural && token == ']') {
            if (end != SequenceEnd::bracket) error(ts, "Syntax error - missing root");
            return;
        }
        if (token == kTexExponent || token == kTexIndex) {
            script(ts, token == kTexExponent);
            continue;
        }
        item(ts, token);
    }
}

} // namespace

int qqparse(GlobalRecord &rec, int measure) {
    TextState &t = rec.text;
    TexState &x = rec.tex;
    x.ntexpos = 0;
    x.itexmath = 0;
    x.itexroot = 0;
    x.itextok = 0;
    x.itexstyle = 0;
    x.itexcramp = 0;
    x.ntexbase = t.nhchar;
    x.xtexrise = 0.0f;
    x.xtexdepth = 0.0f;
    x.xtexheight = 0.0f;
    x.xtexop = 0.2f * float(t.nhchar);
    t.ialfcur = t.ialfstr;
    salfpa(rec, t.ialfstr); // the gap of the text's alphabet, for spaces before any character
    Typesetter ts(rec, measure != 0);
    ts.startHeight = t.nhchar;
    parseSequence(ts, SequenceEnd::text);
    return ts.failed ? 1 : 0;
}
