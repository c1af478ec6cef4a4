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

SV *newValue(pTHX_ float value) {
    return newSVnv(double(value));
}
SV *newValue(pTHX_ int value) {
    return newSViv(value);
}

// Calls the named sub in an eval with the values as its arguments, scalars of
// its own made inside the call's temporaries, so that none outlives it. Unless
// the sub died, use(answer, arguments) sees its scalar answer (null when it
// gave none) and the argument scalars, which the sub may have changed. Once a
// sub has died no more Perl is called until the error is raised.
template <typename Use, typename... Values>
void callSub(pTHX_ const std::string &sub, Use use, Values... values) {
    if (pendingError != nullptr) return;
    dSP;
    ENTER;
    SAVETMPS;
    SV *arguments[] = {sv_2mortal(newValue(aTHX_ values))...};
    PUSHMARK(SP);
    EXTEND(SP, sizeof...(values));
    for (SV *argument : arguments)
        PUSHs(argument);
    PUTBACK;
    const int returned = call_pv(sub.c_str(), G_SCALAR | G_EVAL);
    SPAGAIN;
    SV *answer = returned == 1 ? POPs : nullptr; // SvNV reads its argument twice
    PUTBACK;
    keepError(aTHX);
    if (pendingError == nullptr) use(answer, arguments);
    FREETMPS;
    LEAVE;
}

// The answer of the function sub of surfcp or surfun; 0 once a sub has died.
template <typename... Values> float functionValue(Values... values) {
    dTHX;
    float value = 0.0f;
    callSub(
        aTHX_ copyOf(names().function),
        [&](SV *answer, SV **) {
            if (answer != nullptr) value = static_cast<float>(SvNV(answer));
        },
        values...);
    return value;
}

} // namespace

void kavlor_perl::checkCallbackError(pTHX) {
    if (pendingError == nullptr) return;
    SV *error = sv_2mortal(pendingError);
    pendingError = nullptr;
    croak_sv(error);
}

KAVLOR_PERL_EXPORT float kav_funcbck(float x, float y, int iopt) {
    return functionValue(x, y, iopt);
}

KAVLOR_PERL_EXPORT float kav_func2bck(float x, float y) {
    return functionValue(x, y);
}

KAVLOR_PERL_EXPORT void kav_callbck2(float *x, float *y) {
    dTHX;
    callSub(
        aTHX_ copyOf(names().projection),
        [&](SV *, SV **moved) {
            *x = static_cast<float>(SvNV(moved[0]));
            *y = static_cast<float>(SvNV(moved[1]));
        },
        *x, *y);
}

KAVLOR_PERL_EXPORT void kav_callbck(int id) {
    dTHX;
    std::string sub;
    {
        Names &n = names();
        std::lock_guard<std::mutex> guard(n.lock);
        for (int i = 0; i < n.widgets && sub.empty(); ++i)
            if (n.widgetIds[i] == id) sub = n.widgetSubs[i];
    }
    if (!sub.empty())
        callSub(
            aTHX_ sub, [](SV *, SV **) {}, id);
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
