// Getters of the settings and state of the calling thread's record. At a wrong
// level they warn, leave their outputs alone and return 0 or a null text.
#include "kavlor.h"
#include "kernel/colour.h"
#include "kernel/colour_value.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

GlobalRecord *plotLevel(const char *name) {
    return jqqlev(1, 3, name);
}

// The blank that getmix and getshf give when they have no character.
constexpr char kNoCharacter[] = " ";

} // namespace

extern "C" int getlev(void) {
    GlobalRecord *rec = jqqlev(0, 3, "getlev");
    return rec != nullptr ? rec->core.ilevel : 0;
}

extern "C" void getpag(int *nx, int *ny) {
    GlobalRecord *rec = plotLevel("getpag");
    if (rec == nullptr) return;
    *nx = rec->page.nxpage + 1;
    *ny = rec->page.nypage + 1;
}

extern "C" void getor(int *nx, int *ny) {
    GlobalRecord *rec = plotLevel("getor");
    if (rec == nullptr) return;
    *nx = rec->page.nxorg;
    *ny = rec->page.ipagorg == 1 ? -rec->page.nyorg : rec->page.nyorg;
}

extern "C" void getwin(int *nx, int *ny, int *nw, int *nh) {
    GlobalRecord *rec = plotLevel("getwin");
    if (rec == nullptr) return;
    *nx = rec->win.nwinpos[0];
    *ny = rec->win.nwinpos[1];
    *nw = rec->win.nwinsiz[0];
    *nh = rec->win.nwinsiz[1];
}

extern "C" void getclp(int *nx, int *ny, int *nw, int *nh) {
    GlobalRecord *rec = plotLevel("getclp");
    if (rec == nullptr) return;
    const int *w = rec->clip.nclpwin;
    *nx = w[0];
    *ny = jqqyvl(*rec, w[1]);
    *nw = w[2] - w[0] + 1;
    *nh = w[3] - w[1] + 1;
}

extern "C" int gettyp(void) {
    GlobalRecord *rec = plotLevel("gettyp");
    return rec != nullptr ? rec->line.ilintyp : 0;
}

extern "C" int getlin(void) {
    GlobalRecord *rec = plotLevel("getlin");
    if (rec == nullptr) return 0;
    return rec->line.nlinwid < 0 ? -rec->line.nlinwid : rec->line.nlinwid;
}

extern "C" int getclr(void) {
    GlobalRecord *rec = plotLevel("getclr");
    return rec != nullptr ? rec->colour.ncolor : 0;
}

extern "C" void getrgb(float *red, float *green, float *blue) {
    GlobalRecord *rec = plotLevel("getrgb");
    if (rec == nullptr) return;
    qqgrgb(*rec, rec->colour.ncolor, *red, *green, *blue);
}

extern "C" void getind(int index, float *red, float *green, float *blue) {
    GlobalRecord *rec = plotLevel("getind");
    if (rec == nullptr) return;
    if (!isExplicitColour(index) && jqqval(index, 0, 255) != 0) return;
    qqgrgb(*rec, index, *red, *green, *blue);
}

extern "C" void getran(int *first, int *last) {
    GlobalRecord *rec = plotLevel("getran");
    if (rec == nullptr) return;
    *first = rec->colour.nclrran[0];
    *last = rec->colour.nclrran[1];
}

extern "C" const char *getvlt(void) {
    GlobalRecord *rec = plotLevel("getvlt");
    if (rec == nullptr) return nullptr;
    static constexpr const char *kNames[9] = {"SMALL", "RAIN",  "SPEC", "GREY", "RRAIN",
                                              "RSPEC", "RGREY", "VGA",  "TEMP"};
    const int kind = rec->colour.ivltid;
    qqcopy(rec->colour.cvltnam, kind >= 0 && kind < 9 ? kNames[kind] : "");
    return rec->colour.cvltnam;
}

extern "C" FILE *getuni(void) {
    GlobalRecord *rec = plotLevel("getuni");
    return rec != nullptr ? rec->msg.fpmsg : nullptr;
}

extern "C" const char *getmfl(void) {
    GlobalRecord *rec = plotLevel("getmfl");
    return rec != nullptr ? rec->core.cdevice : nullptr;
}

extern "C" const char *getfil(void) {
    GlobalRecord *rec = plotLevel("getfil");
    return rec != nullptr ? rec->out.cfilnam : nullptr;
}

extern "C" int getpat(void) {
    GlobalRecord *rec = plotLevel("getpat");
    return rec != nullptr ? rec->fill.nshdpat : 0;
}

extern "C" int gethgt(void) {
    GlobalRecord *rec = plotLevel("gethgt");
    return rec != nullptr ? rec->text.nhchar : 0;
}

extern "C" int getang(void) {
    GlobalRecord *rec = plotLevel("getang");
    return rec != nullptr ? rec->text.nangle : 0;
}

extern "C" const char *getalf(void) {
    GlobalRecord *rec = plotLevel("getalf");
    if (rec == nullptr) return nullptr;
    static constexpr const char *kNames[6] = {"STANDARD", "GREEK",  "MATHEMATIC",
                                              "ITALIC",   "SCRIPT", "RUSSIAN"};
    const int base = rec->text.ialfbas;
    qqcopy(rec->text.calfnam, base >= 1 && base <= 6 ? kNames[base - 1] : "");
    return rec->text.calfnam;
}

extern "C" const char *getmix(const char *key) {
    GlobalRecord *rec = plotLevel("getmix");
    if (rec == nullptr) return kNoCharacter;
    const int role = jqqind("EXP +IND +RES +LEG +TEX ", 5, key);
    if (role == 0) return kNoCharacter;
    rec->text.cmixget[0] = rec->text.cmixchr[role - 1];
    return rec->text.cmixget;
}

extern "C" const char *getshf(const char *key) {
    GlobalRecord *rec = plotLevel("getshf");
    if (rec == nullptr) return kNoCharacter;
    const int kind = jqqind("GERM+DANI+SPAN+FREN+ACUT+GRAV+CIRC+TURK", kEscapeKinds, key);
    const TextState &t = rec->text;
    if (kind == 0 || t.ieushft != 1 || t.ceushft[kind - 1] == 0) return kNoCharacter;
    rec->text.ceusget[0] = char(t.ceushft[kind - 1]);
    return rec->text.ceusget;
}
