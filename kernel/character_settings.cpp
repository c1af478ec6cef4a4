// The settings that shape characters of every font kind: width factor,
// spacing, slant, fixed width and the 8-bit coding of texts.
#include <cmath>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void chawth(float x) {
    GlobalRecord &rec = chkini("chawth");
    if (!(x > 0.0f && x < 2.0f)) { // NaN too
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.text.xchawth = x;
}

extern "C" void chaspc(float x) {
    GlobalRecord &rec = chkini("chaspc");
    if (!std::isfinite(x)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.text.xchaspc = x;
}

extern "C" void chaang(float a) {
    GlobalRecord &rec = chkini("chaang");
    if (!(a >= -60.0f && a <= 60.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.text.xchaang = 1.0f / std::tan((90.0f - a) * rec.core.xdegrad);
}

extern "C" void fixspc(float x) {
    GlobalRecord &rec = chkini("fixspc");
    if (!(x > 0.0f) || !std::isfinite(x)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.text.xfixspc = x;
    rec.text.ifixspc = 1;
}

extern "C" void chacod(const char *coding) {
    GlobalRecord &rec = chkini("chacod");
    setFromKeyword(rec.text.ichacod, "STAN+ISO1+ISO2+ISO3", 4, coding);
}
