// Titles of axis systems: up to four lines set with titlin and drawn by title
// above or below the current axis system, centred or flush with a side.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

extern "C" void titlin(const char *cstr, int n) {
    GlobalRecord &rec = chkini("titlin");
    if (n < -kTitleLines || n == 0 || n > kTitleLines) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    const int line = n < 0 ? -n : n;
    qqcopy(rec.title.ctitle[line - 1], cstr != nullptr ? cstr : "");
    rec.title.ititflg[line - 1] = n < 0 ? '1' : '0';
}

extern "C" void titpos(const char *copt) {
    GlobalRecord &rec = chkini("titpos");
    setFromKeyword(rec.title.ititpos, "ABOV+BELO", 2, copt);
}

extern "C" void titjus(const char *copt) {
    GlobalRecord &rec = chkini("titjus");
    setFromKeyword(rec.title.ititjus, "CENT+LEFT+RIGH", 3, copt);
}

extern "C" void lfttit(void) {
    chkini("lfttit").title.ititjus = 1;
}

extern "C" void vkytit(int n) {
    // A shift past the largest page is held there: the title's lines are
    // placed from it.
    chkini("vkytit").title.nvkytit = heldOnPage(n);
}

extern "C" void htitle(int nh) {
    GlobalRecord &rec = chkini("htitle");
    if (jqqval(nh, 1, 10000) == 0) rec.title.nhtitle = nh;
}

extern "C" void title(void) {
    GlobalRecord *recp = jqqlev(2, 3, "title");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    const TitleState &t = rec.title;
    const AxisSystemState &s = rec.axsys;
    const int height = rec.text.nhchar;
    if (t.nhtitle != 0) setTextHeight(rec, t.nhtitle);
    const int h = rec.text.nhchar;
    const float fh = float(h);
    const float spacing = rec.line.xlinesp;
    const int cx = s.naxspos[0], cy = s.naxspos[1];
    const int lx = s.naxslen[0], ly = s.naxslen[1];
    for (int k = 1; k <= kTitleLines; ++k) {
        const char *text = t.ctitle[k - 1];
        if (trmlen(text) == 0) continue;
        const int w = measureText(rec, text);
        int x = cx + (lx - w) / 2;
        if (t.ititjus == 1)
            x = cx;
        else if (t.ititjus == 2)
            x = cx + lx - w;
        const float y = t.ititpos == 0
                            ? float(cy - ly - t.nvkytit) - float(4 - k) * spacing * fh - 3.0f * fh
                            : float(cy - t.nvkytit) + float(k - 1) * spacing * fh + 4.0f * fh;
        dtext(rec, text, x, truncToInt(y), 0, h);
        if (t.ititflg[k - 1] == '1') {
            const int yu = truncToInt(float(truncToInt(y)) + 1.2f * fh);
            strtqq(rec, float(x - h / 2), float(yu));
            connqq(rec, float(x + w + h / 2), float(yu));
        }
    }
    if (rec.text.nhchar != height) setTextHeight(rec, height);
}
