// Strings on the page: messag, nlmess and the text driver qqmess with its
// companions dtext, dnumqq and qqgmsg.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "kavlor.h"
#include "kernel/device_fonts.h"
#include "kernel/dispatch.h"
#include "kernel/escape_characters.h"
#include "kernel/levels.h"
#include "kernel/message_stream.h"
#include "kernel/number_text.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/rounding.h"
#include "kernel/shields.h"
#include "kernel/tex_typesetter.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"

namespace {

// What a string showed while it was drawn: exponent and index characters
// widen the frame round it.
struct StringRun {
    bool exponent = false;
    bool index = false;
};

// The working copy of a text: escapes applied, cut after its last non-blank
// character. Returns its length; 0 for a blank or empty text.
int copyString(GlobalRecord &rec, const char *text) {
    TextState &t = rec.text;
    qqcopy(t.ctxtbuf, text != nullptr ? text : "", kTextLength);
    t.ialfmiss = -1;
    strsft(rec, t.ctxtbuf);
    const int n = trmlen(t.ctxtbuf);
    t.ctxtbuf[n] = '\0';
    return n;
}

// The state of a string at its start: heights, colour and the copies of the
// character settings that instructions may change.
void beginString(GlobalRecord &rec, int measuring) {
    TextState &t = rec.text;
    t.itxtmeas = measuring;
    t.ialfsel = 0;
    t.nhchar0 = t.nhchar;
    rememberPostScriptFont(rec);
    t.ialfcur = t.ialfstr = t.ialfbas;
    t.ncolor0 = rec.colour.ncolor;
    t.itxtfix = t.ifixspc;
    t.xtxtfix = t.xfixspc;
    t.xtxtspc = t.xchaspc;
    t.xtxtwth = t.xchawth;
    t.xtxtslant = t.xchaang;
    t.xtxtshift = 0.0f;
    t.xtxtloff = 0.0f;
    t.xchrgap = 0.0f;
    t.imixon = 0;
    t.cmixoff = 0;
    t.cinsbuf[0] = '\0';
    t.ninsbuf = 0;
    t.ninsltr = 0;
}

// Height and colour of the start of the string again.
void restoreHeightAndColour(GlobalRecord &rec) {
    TextState &t = rec.text;
    if (t.nhchar != t.nhchar0) setTextHeight(rec, t.nhchar0);
    if (rec.colour.ncolor != t.ncolor0) qqsclr(rec, t.ncolor0);
}

// Texts drawn onto the 3-D plane are placed in the 2-D axis system given to
// it, not on the page, so their corners are not checked against the page.
// Contour labels and texts in a 3-D plane may start off the page unreported.
bool checksPage(const GlobalRecord &rec) {
    return rec.view3d.ipln3d != 1 && rec.contour.iconlbf != 1;
}

bool outsidePage(const GlobalRecord &rec, int x, int y) {
    return x < 0 || x > rec.page.nxpage || y < 0 || y > rec.page.nypage;
}

// " <<<< Warning: Startpoint ..." and " <<<< Warning: Endpoint ...": the
// text is drawn all the same; only the start point obeys the warnings switch.
void reportOutOfPage(GlobalRecord &rec, const char *which, int x, int y, bool obeysSwitch) {
    rec.msg.noutpag += 1;
    if (rec.msg.iunit == 0 || (obeysSwitch && rec.msg.iwarn == 0)) return;
    qqerrfil(rec);
    if (rec.msg.fpmsg == nullptr) return;
    std::fprintf(rec.msg.fpmsg, " <<<< Warning: %s(%5d/%5d) in MESSAG out of page - (%.8s).\n",
                 which, x, y, rec.text.ctxtbuf);
}

// The pen moved by d along the down direction (sin a, cos a).
void shiftDown(TextState &t, float d) {
    t.xtxtpen[0] += d * t.xsinang;
    t.xtxtpen[1] += d * t.xcosang;
}

// Distance of the pen, less the last gap, from the origin: the length a
// measured string has reached.
float reachedLength(const TextState &t) {
    const float x = t.xtxtpen[0] - t.xchrgap * t.xcosang;
    const float y = t.xtxtpen[1] + t.xchrgap * t.xsinang;
    return std::sqrt(x * x + y * y);
}

// Plain strings and strings with exponent and index characters. While
// measuring, the control characters change the height but not the pen, and
// the largest length reached after a drawn character comes back.
int drawCharacters(GlobalRecord &rec, int n, StringRun &run) {
    TextState &t = rec.text;
    const bool measuring = t.itxtmeas != 0;
    int longest = 0;
    float shifted = 0.0f; // distance the pen was moved down by open exponents and indices
    for (int i = 0; i < n; ++i) {
        const int code = static_cast<unsigned char>(t.ctxtbuf[i]);
        if (t.imixalf == 1) {
            const int h = t.nhchar;
            if (code == static_cast<unsigned char>(t.cmixchr[int(MixRole::exp)])) {
                run.exponent = true;
                if (!measuring) {
                    const float s = t.xsetbas * float(h);
                    shiftDown(t, -s);
                    shifted -= s;
                }
                setTextHeight(rec, nintqq(float(h) * t.xsetexp));
                continue;
            }
            if (code == static_cast<unsigned char>(t.cmixchr[int(MixRole::ind)])) {
                run.index = true;
                setTextHeight(rec, nintqq(float(h) * t.xsetexp));
                if (!measuring) {
                    const float s = t.xsetbas * float(t.nhchar);
                    shiftDown(t, s);
                    shifted += s;
                }
                continue;
            }
            if (code == static_cast<unsigned char>(t.cmixchr[int(MixRole::res)])) {
                setTextHeight(rec, t.nhchar0);
                shiftDown(t, -shifted);
                shifted = 0.0f;
                continue;
            }
        }
        if (alfcha(rec, code) && measuring) {
            const int reached = nintqq(reachedLength(t));
            if (reached > longest) longest = reached;
        }
    }
    shiftDown(t, -shifted);
    return longest;
}

// The box round a drawn text that its frame (and the shield of texts)
// follows: it clears the text by the line spacing on every side.
struct TextBox {
    int x, y, width, height;
};

TextBox textBox(GlobalRecord &rec, const char *text, int nx, int ny, const StringRun &run) {
    const TextState &t = rec.text;
    int H = 0, O = 0, L = 0;
    qqgmsg(rec, text, H, O, L);
    const float h = float(t.nhchar);
    const float m = rec.line.xlinesp - 1.0f;
    const float e = (t.xsetexp + t.xsetbas - 1.0f) * h * float(int(run.exponent) + int(run.index));
    const float v = -m * h - float(H - t.nhchar) - e;
    TextBox box;
    box.height = truncToInt(float(O + H) + 2.0f * m * h + e);
    box.width = L + truncToInt(2.0f * m * h);
    box.x = truncToInt(v * t.xsinang - m * h * t.xcosang + float(nx));
    box.y = truncToInt(v * t.xcosang + float(ny) + m * h * t.xsinang);
    return box;
}

// The upper-left corner of the text now drawn, as messag takes it: a
// continued text is framed where it was drawn, not round the point (999, 999).
void textCorner(const GlobalRecord &rec, int &nx, int &ny) {
    const TextState &t = rec.text;
    const float h1 = float(t.nhchar - 1);
    nx = nintqq(t.xtxtbeg[0] - h1 * t.xsinang) - rec.page.nxorg;
    ny = nintqq(t.xtxtbeg[1] - h1 * t.xcosang) - rec.page.nyorg;
}

} // namespace

void movePen(GlobalRecord &rec, float d) {
    TextState &t = rec.text;
    t.xtxtpen[0] += d * t.xcosang;
    t.xtxtpen[1] -= d * t.xsinang;
}

float penDistance(const GlobalRecord &rec, const float from[2]) {
    const TextState &t = rec.text;
    return (t.xtxtpen[0] - from[0]) * t.xcosang - (t.xtxtpen[1] - from[1]) * t.xsinang;
}

void qqmess(GlobalRecord &rec, const char *text, int nx, int ny) {
    TextState &t = rec.text;
    const int n = copyString(rec, text);
    if (n == 0) return;
    beginString(rec, 0);

    const bool continued = nx == 999 && ny == 999;
    if (!continued) {
        const int cx = pageSum(nx, rec.page.nxorg);
        const int cy = pageSum(ny, rec.page.nyorg);
        const float h1 = float(t.nhchar - 1);
        t.xtxtpen[0] = t.xtxtbeg[0] = float(cx) + h1 * t.xsinang;
        t.xtxtpen[1] = t.xtxtbeg[1] = float(cy) + h1 * t.xcosang;
        if (t.nsmxalf != 0)
            for (float &mark : t.xtxtmark)
                mark = 0.0f;
        if (checksPage(rec) && outsidePage(rec, cx, cy))
            reportOutOfPage(rec, "Startpoint ", cx, cy, true);
    }

    StringRun run;
    if (rec.tex.itexmod == 1) {
        const int mixed = t.nsmxalf;
        t.nsmxalf = 0;
        const float start[2] = {t.xtxtpen[0], t.xtxtpen[1]};
        t.itxtmeas = 1;
        const int failed = qqparse(rec, 1);
        restoreHeightAndColour(rec);
        t.itxtmeas = 0;
        if (failed == 0) {
            t.xtxtpen[0] = start[0];
            t.xtxtpen[1] = start[1];
            qqparse(rec, 0);
        }
        t.nsmxalf = mixed;
    } else {
        drawCharacters(rec, n, run);
    }

    const int ex = nintqq(t.xtxtpen[0] - t.xchrgap * t.xcosang);
    const int ey = nintqq(t.xtxtpen[1] + t.xchrgap * t.xsinang);
    if (checksPage(rec) && outsidePage(rec, ex, ey))
        reportOutOfPage(rec, "Endpoint   ", ex, ey, false);

    restoreHeightAndColour(rec);
    // The string's PostScript font again before the frame measures the text.
    restorePostScriptFont(rec);
    const bool shielded = rec.shield.ishlaut[kShieldTexts - 1] == 1;
    if (t.nfrmess != 0 || shielded) {
        if (continued) textCorner(rec, nx, ny);
        char copy[kTextLength + 1];
        qqcopy(copy, text, kTextLength);
        const TextBox box = textBox(rec, copy, nx, ny, run);
        if (t.nfrmess != 0)
            dframe(rec, box.x, box.y, box.width, box.height, t.nfrmess, float(t.nangle));
        if (shielded)
            addAutomaticRectangleShield(rec, kShieldTexts, float(pageSum(box.x, rec.page.nxorg)),
                                        float(pageSum(box.y, rec.page.nyorg)), float(box.width),
                                        float(box.height), float(t.nangle));
    }
}

namespace {

// Length of a text and whether the formula typesetter measured it.
struct Measure {
    int length = 0;
    bool formula = false;
};

Measure measureString(GlobalRecord &rec, const char *text) {
    TextState &t = rec.text;
    Measure result;
    const float pen[2] = {t.xtxtpen[0], t.xtxtpen[1]};
    const float beg[2] = {t.xtxtbeg[0], t.xtxtbeg[1]};
    const int n = copyString(rec, text);
    if (n == 0) return result;
    beginString(rec, 1);
    t.xtxtpen[0] = t.xtxtpen[1] = 0.0f;
    t.xtxtbeg[0] = t.xtxtbeg[1] = 0.0f;
    if (rec.tex.itexmod == 1) {
        const int mixed = t.nsmxalf;
        t.nsmxalf = 0;
        result.formula = true;
        if (qqparse(rec, 1) == 0) {
            restoreHeightAndColour(rec);
            t.xtxtpen[0] = t.xtxtpen[1] = 0.0f;
            if (qqparse(rec, 0) == 0) result.length = nintqq(reachedLength(t));
        }
        t.nsmxalf = mixed;
    } else {
        StringRun run;
        result.length = drawCharacters(rec, n, run);
    }
    restoreHeightAndColour(rec);
    t.itxtmeas = 0;
    t.xtxtpen[0] = pen[0];
    t.xtxtpen[1] = pen[1];
    t.xtxtbeg[0] = beg[0];
    t.xtxtbeg[1] = beg[1];
    restorePostScriptFont(rec);
    return result;
}

} // namespace

int measureText(GlobalRecord &rec, const char *text) {
    return measureString(rec, text).length;
}

void qqgmsg(GlobalRecord &rec, const char *text, int &height, int &offset, int &length) {
    const Measure m = measureString(rec, text);
    length = m.length;
    height = rec.text.nhchar;
    offset = 0;
    if (m.formula) {
        height = truncToInt(0.5f + rec.tex.xtexheight);
        offset = truncToInt(0.5f - rec.tex.xtexdepth);
    }
}

void plotText(GlobalRecord &rec, const char *text, int nx, int ny) {
    if (nx != 999 || ny != 999) ny = jqqyvl(rec, ny);
    const TextState &t = rec.text;
    if (t.itxtjus != 0) {
        float L = float(measureText(rec, text));
        if (t.itxtjus == 1) L /= 2.0f;
        nx = truncToInt(float(nx) - L * t.xcosang + 0.5f);
        ny = truncToInt(float(ny) + L * t.xsinang + 0.5f);
    }
    qqmess(rec, text, nx, ny);
}

void dtext(GlobalRecord &rec, const char *text, int nx, int ny, int angle, int height) {
    TextState &t = rec.text;
    const int angle0 = t.nangle;
    const int height0 = t.nhchar;
    if (angle != angle0) setTextAngle(rec, angle);
    if (height != height0) setTextHeight(rec, height);
    if (nx == 999 && ny == 999) nx = 1000;
    qqmess(rec, text, nx, ny);
    if (height != height0) setTextHeight(rec, height0);
    if (angle != angle0) setTextAngle(rec, angle0);
}

void dnumqq(GlobalRecord &rec, float value, int ndig, int nx, int ny) {
    char digits[kNumberTextSize];
    fcha(value, ndig, digits);
    qqmess(rec, digits, nx, ny);
}

extern "C" void messag(const char *text, int nx, int ny) {
    GlobalRecord *rec = jqqlev(1, 3, "messag");
    if (rec == nullptr) return;
    plotText(*rec, text, nx, ny);
}

extern "C" int nlmess(const char *text) {
    GlobalRecord &rec = currentRecord();
    qqcopy(rec.core.cfunc, "nlmess");
    return measureText(rec, text);
}
