// The layout of a legend: the text lines of its entries and the size of its
// box, nxlegn and nylegn.
#include "graphics2d/legend.h"

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

void qqgstr(GlobalRecord &rec, const char *cbuf, int ilin, int isub, int &pos, int &n) {
    const LegendState &l = rec.legend;
    if (l.imixleg == 0) {
        n = isub == 0 ? 1 : l.nlegchr;
        return;
    }
    const char separator = rec.text.cmixchr[int(MixRole::leg)];
    const int start = (ilin - 1) * l.nlegchr, end = start + l.nlegchr;
    if (isub == 0) {
        n = 1;
        for (int i = start; i < end; ++i)
            if (cbuf[i] == separator) n += 1;
        return;
    }
    int seen = 0;
    for (int i = start; i < end; ++i) {
        if (cbuf[i] != separator) continue;
        seen += 1;
        if (seen == isub) {
            n = i - pos;
            return;
        }
        pos = i + 1;
    }
    n = end - pos;
}

int legendTextLines(GlobalRecord &rec, const char *cbuf, int ilin) {
    int pos = (ilin - 1) * rec.legend.nlegchr, n = 1;
    qqgstr(rec, cbuf, ilin, 0, pos, n);
    return n;
}

int legendTextLine(GlobalRecord &rec, const char *cbuf, int ilin, int isub, char *out) {
    int pos = (ilin - 1) * rec.legend.nlegchr, n = 0;
    qqgstr(rec, cbuf, ilin, isub, pos, n);
    out[0] = '\0';
    if (n > 0) qqcopy(out, cbuf + pos, n < kLegendEntryChars ? n : kLegendEntryChars);
    return n;
}

namespace {

// The line step: the distance of two entries.
float lineStep(const GlobalRecord &rec) {
    return float(rec.text.nhchar) * rec.line.xlinesp;
}

} // namespace

int legendWidth(GlobalRecord &rec, const char *cbuf) {
    LegendState &l = rec.legend;
    const float s = lineStep(rec);
    const int h = rec.text.nhchar;
    char line[kLegendEntryChars + 1];
    l.nlegtxw = 0;
    for (int i = 1; i <= l.nleglin; ++i) {
        const int lines = legendTextLines(rec, cbuf, i);
        for (int k = 1; k <= lines; ++k) {
            if (legendTextLine(rec, cbuf, i, k, line) == 0) continue;
            const int w = measureText(rec, line);
            if (w > l.nlegtxw) l.nlegtxw = w;
        }
    }
    // Far spacings and factors make a box wider than any page: the sums are
    // held.
    int w = truncToInt(float(l.nlegtxw) + 2.0f * l.xlegopt[1] * s);
    // The pattern and a gap of one character before the texts.
    if (l.xlegopt[0] > 0.001f || l.xlegopt[0] < -0.001f)
        w = pageSum(w, truncToInt((l.xlegopt[0] + 1.0f) * float(h)));
    const int t = measureText(rec, l.clegtit);
    if (t > w) {
        w = truncToInt(float(t) + 2.0f * l.xlegopt[1] * s);
        l.ilegtwd = 1;
    }
    if (rec.frame.nframe > 0) w = pageSum(w, 2LL * rec.frame.nframe);
    return w;
}

int legendHeight(GlobalRecord &rec, const char *cbuf) {
    const LegendState &l = rec.legend;
    const float s = lineStep(rec);
    // The extra height of entries of several text lines.
    float e = 0.0f;
    for (int i = 1; i <= l.nleglin; ++i)
        e += float(legendTextLines(rec, cbuf, i) - 1) * l.xlegopt[2] * s;
    float h = float(rec.text.nhchar) + e + s * (float(l.nleglin - 1) + 2.0f * l.xlegopt[1]) + e;
    if (rec.frame.nframe > 0) h += 2.0f * float(rec.frame.nframe);
    if (trmlen(l.clegtit) > 0) h += 1.5f * s;
    return truncToInt(h + 0.5f);
}

bool haveBuffer(const char *cbuf) {
    if (cbuf != nullptr) return true;
    warni1(Warning::incorrectParameter, 0);
    return false;
}

void resetLegendDefaults(GlobalRecord &rec) {
    rec.legend.ilegclr = 0;
    rec.legend.imixleg = 0;
}

namespace {

// The level and legini checks of nxlegn and nylegn.
GlobalRecord *sizeRecord(const char *name, const char *cbuf) {
    GlobalRecord *rec = jqqlev(1, 3, name);
    if (rec == nullptr) return nullptr;
    if (rec->legend.ilegini != 1) {
        warnin(Warning::noLegini);
        return nullptr;
    }
    return haveBuffer(cbuf) ? rec : nullptr;
}

} // namespace

extern "C" int nxlegn(const char *cbuf) {
    GlobalRecord *rec = sizeRecord("nxlegn", cbuf);
    return rec == nullptr ? 0 : legendWidth(*rec, cbuf);
}

extern "C" int nylegn(const char *cbuf) {
    GlobalRecord *rec = sizeRecord("nylegn", cbuf);
    return rec == nullptr ? 0 : legendHeight(*rec, cbuf);
}
