// The public routines that choose a software stroke font, and shdcha.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/stroke_text.h"

namespace {

void selectFont(const char *name, StrokeFontId id) {
    GlobalRecord *rec = jqqlev(1, 3, name);
    if (rec == nullptr) return;
    selectStrokeFont(*rec, int(id));
}

} // namespace

extern "C" void kavalf(void) {
    selectFont("kavalf", StrokeFontId::kavalf);
}
extern "C" void complx(void) {
    selectFont("complx", StrokeFontId::complx);
}
extern "C" void simplx(void) {
    selectFont("simplx", StrokeFontId::simplx);
}
extern "C" void duplx(void) {
    selectFont("duplx", StrokeFontId::duplx);
}
extern "C" void triplx(void) {
    selectFont("triplx", StrokeFontId::triplx);
}
extern "C" void gothic(void) {
    selectFont("gothic", StrokeFontId::gothic);
}
extern "C" void helve(void) {
    selectFont("helve", StrokeFontId::helve);
}
extern "C" void helves(void) {
    selectFont("helves", StrokeFontId::helves);
}
extern "C" void serif(void) {
    selectFont("serif", StrokeFontId::serif);
}

extern "C" void shdcha(void) {
    chkini("shdcha").font.ishdcha = 1;
}
