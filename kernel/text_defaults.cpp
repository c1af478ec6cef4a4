// Defaults of texts, fonts and symbols.
#include "kernel/text_defaults.h"

#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/stroke_text.h"
#include "kernel/text.h"

void resetMixCharacters(GlobalRecord &rec) {
    char *c = rec.text.cmixchr;
    c[int(MixRole::exp)] = '[';
    c[int(MixRole::ind)] = ']';
    c[int(MixRole::res)] = '$';
    c[int(MixRole::leg)] = '/';
    c[int(MixRole::tex)] = '\\';
}

void resetSlant(GlobalRecord &rec) {
    rec.text.xchaang = 0.0f;
}

// Fixed spacing off as well: without it a factor of 0 would put every
// character on the one before.
void resetFixedSpacing(GlobalRecord &rec) {
    rec.text.xfixspc = 0.0f;
    rec.text.ifixspc = 0;
}

void resetBaseAlphabet(GlobalRecord &rec) {
    rec.text.ialfcur = 1;
    rec.text.ialfbas = 1;
    rec.text.islant = 0;
}

void resetTextDefaults(GlobalRecord &rec) {
    TextState &t = rec.text;
    rec.symbol.xsymrot = 0.0f;
    rec.symbol.nhsymb = jqquni(rec, 36);
    rec.symbol.nmaxsym = 23;
    resetSlant(rec);
    t.xchaspc = 0.0f;
    t.xchawth = 1.0f;
    t.imixalf = 0;
    rec.tex.itexmod = 0;
    rec.tex.itexlim = 1;
    rec.tex.itexita = 1;
    rec.tex.xtexexp = 1.0f;
    resetFixedSpacing(rec);
    t.nfrmess = 0;
    t.xsetbas = 0.6f;
    t.xsetexp = 0.8f;
    t.itxtjus = 0;
    resetMixCharacters(rec);
    resetBaseAlphabet(rec);
    rec.font.nfontid = 1;
    rec.font.xitadiv = 3.732f;
    t.ieushft = 0;
    rec.font.ifontyp = 0;
    t.nsmxalf = 0;
    rec.font.ishdcha = 0;
    t.ichacod = 0;
    rec.font.ipsmode = 0;
}

void resetTextHeight(GlobalRecord &rec) {
    setTextHeight(rec, jqquni(rec, 36));
    rec.text.xsetbas = 0.6f;
    rec.text.xsetexp = 0.8f;
}

void resetTextFont(GlobalRecord &rec) {
    selectStrokeFont(rec, int(StrokeFontId::kavalf));
}
