// Callbacks: the library calls a trampoline of ours, which calls a Perl sub by
// name (call_pv) on the calling thread's interpreter.
//
//   setcbk  kav_callbck2  the user projection "MYPR": the sub moves $_[0], $_[1]
//   surfcp  kav_funcbck   a parametric surface: the sub answers f(u, v, iopt)
//   surfun  kav_func2bck  a surface: the sub answers z(x, y)
//   swgcbk  kav_callbck   a widget: the sub gets the widget id
//
// A sub that dies must not unwind through the library: every call is made with
// G_EVAL. The first error of a thread is kept, the trampolines call no more
// Perl until it is raised, and the wrapper that called the library raises it
// once the library has returned (checkCallbackError, which every wrapper runs).
// The script's eval sees the sub's own message; the library's state is whole.
#include "perl/callbacks.h"

#include <kavlor.h>

#include <mutex>
#include <string>

using namespace kavlor_perl;

namespace {

// The names of the subs, shared by all threads: the latest setcbk, surfcp or
// surfun wins; swgcbk's table keeps its first 100 registrations, and the
// first registration of an id wins.
constexpr int kWidgetCallbacks = 100;
struct Names {
    std::mutex lock;
    std::string projection;
    std::string function;
    int widgets = 0;
    int widgetIds[kWidgetCallbacks] = {};
    std::string widgetSubs[kWidgetCallbacks];
};
Names &names() {
    static Names n;
    return n;
}

// The error of a sub that died, until a wrapper raises it; null when none.
thread_local SV *pendingError = nullptr;

std::string copyOf(const std::string &name) {
    std::lock_guard<std::mutex> guard(names().lock);
    return name;
}

// Keeps the error of the call that just returned, if it died.
void keepError(pTHX) {
    if (pendingError == nullptr && SvTRUE(ERRSV)) pendingError = newSVsv(ERRSV);
}

float functionValue(int count, float x, float y, int iopt) {
    dTHX;
    if (pendingError != nullptr) return 0.0f;
    const std::string sub = copyOf(names().function);
    dSP;
    ENTER;
    SAVETMPS;
    PUSHMARK(SP);
    EXTEND(SP, 3);
    PUSHs(sv_2mortal(newSVnv(double(x))));
    PUSHs(sv_2mortal(newSVnv(double(y))));
    if (count == 3) PUSHs(sv_2mortal(newSViv(iopt)));
    PUTBACK;
    const int returned = call_pv(sub.c_str(), G_SCALAR | G_EVAL);
    SPAGAIN;
    SV *answer = returned == 1 ? POPs : nullptr; // SvNV reads its argument twice
    PUTBACK;
    keepError(aTHX);
    float value = 0.0f;
    if (answer != nullptr && pendingError == nullptr) value = static_cast<float>(SvNV(answer));
    FREETMPS;
    LEAVE;
    return pendingError != nullptr ? 0.0f : value;
}

} // namespace

void kavlor_perl::checkCallbackError(pTHX) {
    if (pendingError == nullptr) return;
    SV *error = sv_2mortal(pendingError);
    pendingError = nullptr;
    croak_sv(error);
}

KAVLOR_PERL_EXPORT float kav_funcbck(float x, float y, int iopt) {
    return functionValue(3, x, y, iopt);
}

KAVLOR_PERL_EXPORT float kav_func2bck(float x, float y) {
    return functionValue(2, x, y, 0);
}

KAVLOR_PERL_EXPORT void kav_callbck2(float *x, float *y) {
    dTHX;
    if (pendingError != nullptr) return;
    const std::string sub = copyOf(names().projection);
    dSP;
    ENTER;
    SAVETMPS;
    SV *sx = sv_2mortal(newSVnv(double(*x)));
    SV *sy = sv_2mortal(newSVnv(double(*y)));
    PUSHMARK(SP);
    EXTEND(SP, 2);
    PUSHs(sx);
    PUSHs(sy);
    PUTBACK;
    call_pv(sub.c_str(), G_DISCARD | G_EVAL);
    keepError(aTHX);
    if (pendingError == nullptr) {
        *x = static_cast<float>(SvNV(sx));
        *y = static_cast<float>(SvNV(sy));
    }
    FREETMPS;
    LEAVE;
}

KAVLOR_PERL_EXPORT void kav_callbck(int id) {
    dTHX;
    if (pendingError != nullptr) return;
    std::string sub;
    {
        Names &n = names();
        std::lock_guard<std::mutex> guard(n.lock);
        for (int i = 0; i < n.widgets && sub.empty(); ++i)
            if (n.widgetIds[i] == id) sub = n.widgetSubs[i];
    }
    if (sub.empty()) return;
    dSP;
    ENTER;
    SAVETMPS;
    PUSHMARK(SP);
    XPUSHs(sv_2mortal(newSViv(id)));
    PUTBACK;
    call_pv(sub.c_str(), G_DISCARD | G_EVAL);
    keepError(aTHX);
    FREETMPS;
    LEAVE;
}

namespace {

// Stores a sub's name; the std::string lives outside the wrapper's frame, so
// no croak can skip its destructor.
void storeName(std::string &slot, const char *name) {
    std::lock_guard<std::mutex> guard(names().lock);
    slot = name;
}

} // namespace

KAVLOR_PERL_EXPORT void XS_Kavlor_setcbk(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"setcbk", "Usage: Kavlor::setcbk(s1, s2)"};
    checkArgumentCount(aTHX_ call, items, 2);
    const char *sub = stringArg(aTHX_ ST(0));
    const char *copt = stringArg(aTHX_ ST(1));
    storeName(names().projection, sub);
    setcbk(kav_callbck2, copt);
    XSRETURN_EMPTY;
}

KAVLOR_PERL_EXPORT void XS_Kavlor_surfcp(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"surfcp", "Usage: Kavlor::surfcp(s, a1, a2, a3, b1, b2, b3)"};
    checkArgumentCount(aTHX_ call, items, 7);
    const char *sub = stringArg(aTHX_ ST(0));
    float a[6];
    for (int i = 0; i < 6; ++i)
        a[i] = floatArg(aTHX_ ST(i + 1));
    storeName(names().function, sub);
    surfcp(kav_funcbck, a[0], a[1], a[2], a[3], a[4], a[5]);
    checkCallbackError(aTHX);
    XSRETURN_EMPTY;
}

KAVLOR_PERL_EXPORT void XS_Kavlor_surfun(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"surfun", "Usage: Kavlor::surfun(s, i1, a1, i2, a2)"};
    checkArgumentCount(aTHX_ call, items, 5);
    const char *sub = stringArg(aTHX_ ST(0));
    const int ixpts = intArg(aTHX_ ST(1));
    const float xdel = floatArg(aTHX_ ST(2));
    const int iypts = intArg(aTHX_ ST(3));
    const float ydel = floatArg(aTHX_ ST(4));
    storeName(names().function, sub);
    surfun(kav_func2bck, ixpts, xdel, iypts, ydel);
    checkCallbackError(aTHX);
    XSRETURN_EMPTY;
}

KAVLOR_PERL_EXPORT void XS_Kavlor_swgcbk(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"swgcbk", "Usage: Kavlor::swgcbk(i, s)"};
    checkArgumentCount(aTHX_ call, items, 2);
    const int id = intArg(aTHX_ ST(0));
    const char *sub = stringArg(aTHX_ ST(1));
    {
        // A full table takes no more registrations, and the library is not told.
        Names &n = names();
        std::lock_guard<std::mutex> guard(n.lock);
        if (n.widgets == kWidgetCallbacks) XSRETURN_EMPTY;
        n.widgetIds[n.widgets] = id;
        n.widgetSubs[n.widgets] = sub;
        ++n.widgets;
    }
    swgcbk(id, kav_callbck);
    XSRETURN_EMPTY;
}
