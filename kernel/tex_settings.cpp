// The options of the formula notation: texmod, texopt, texval.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"

extern "C" void texmod(const char *mode) {
    GlobalRecord &rec = chkini("texmod");
    setFromKeyword(rec.tex.itexmod, "OFF +ON  ", 2, mode);
}

extern "C" void texopt(const char *mode, const char *option) {
    GlobalRecord &rec = chkini("texopt");
    const int onoff = jqqind("OFF +ON  ", 2, mode);
    const int which = jqqind("LIMI+ITAL", 2, option);
    if (onoff == 0 || which == 0) return;
    (which == 1 ? rec.tex.itexlim : rec.tex.itexita) = onoff - 1;
}

extern "C" void texval(float value, const char *key) {
    GlobalRecord &rec = chkini("texval");
    if (jqqind("EXP ", 1, key) != 0) rec.tex.xtexexp = value;
}
