// Callbacks: the library calls a trampoline of ours, which calls a Perl sub by
// name (call_pv) on the calling thread's interpreter.
//
//   setcbk  kav_callbck2  the user projection "MYPR": the sub moves $_[0], $_[1]
//   surfcp  kav_funcbck   a parametric surface: the sub answers f(u, v, iopt)
//   surfun  kav_func2bck  a surface: the sub answers z(x, y)
//   swgcbk  kav_callbck   a widget: the sub gets the widget id
//
// Whose sub is called: a surface's function is that of the surfcp or surfun
// call running on the thread (a sub that draws a surface of its own gets its
// function back afterwards); the projection is the one the thread set, as the
// library keeps the projection in the thread's record; the widget table is
// the process's.
//
// A sub that dies must not unwind through the library: every call is made with
// G_EVAL. The first error of a thread is kept and the trampolines call no more
// Perl until it is raised; the library draws nothing more from the call that
// called back, and a dialog whose callback died ends. The wrapper that called
// the library raises the error once it has returned (checkCallbackError, which
// every wrapper runs). The script's eval sees the sub's own message; the
// library's state is whole.
#include "perl/callbacks.h"

#include <kavlor.h>

#include <mutex>
#include <string>

#include "kernel/stopped_drawing.h"

using namespace kavlor_perl;

namespace {

// The projection sub of this thread's latest setcbk.
thread_local std::string projectionSub;
// The function sub of the surfcp or surfun running on this thread; null when
// none runs.
thread_local const char *functionSub = nullptr;

// The widget subs, shared by all threads: the table keeps its first 100
// registrations, and the first registration of an id wins.
constexpr int kWidgetCallbacks = 100;
struct WidgetSubs {
    std::mutex lock;
    int count = 0;
    int ids[kWidgetCallbacks] = {};
    std::string subs[kWidgetCallbacks];
};
WidgetSubs &widgetSubs() {
    static WidgetSubs w;
    return w;
}

// The error of a sub that died, until a wrapper raises it; null when none.
thread_local SV *pendingError = nullptr;

SV *newValue(pTHX_ float value) {
    return newSVnv(double(value));
}
SV *newValue(pTHX_ int value) {
    return newSViv(value);
}

// The one frame of every trampoline: calls the named sub in an eval with the
// values as its arguments, scalars of its own made inside the call's
// temporaries, so that none outlives it. Unless the sub died, use(aTHX_ answer,
// arguments) sees its scalar answer (null when it gave none) and the argument
// scalars, which the sub may have changed. Once a sub has died no more Perl is
// called until the error is raised. True when this call died: its error is
// kept and the library's drawing stopped.
template <typename Use, typename... Values>
bool callSub(const char *sub, Use use, Values... values) {
    if (pendingError != nullptr) return false;
    dTHX;
    dSP;
    ENTER;
    SAVETMPS;
    SV *arguments[] = {sv_2mortal(newValue(aTHX_ values))...};
    PUSHMARK(SP);
    EXTEND(SP, sizeof...(values));
    for (SV *argument : arguments)
        PUSHs(argument);
    PUTBACK;
    const int returned = call_pv(sub, G_SCALAR | G_EVAL);
    SPAGAIN;
    SV *answer = returned == 1 ? POPs : nullptr; // SvNV reads its argument twice
    PUTBACK;
    const bool died = SvTRUE(ERRSV);
    if (died) {
        pendingError = newSVsv(ERRSV);
        kavlor_stop_drawing();
    } else {
        use(aTHX_ answer, arguments);
    }
    FREETMPS;
    LEAVE;
    return died;
}

// The answer of the function sub of surfcp or surfun; 0 once a sub has died.
template <typename... Values> float functionValue(Values... values) {
    float value = 0.0f;
    if (functionSub != nullptr)
        callSub(
            functionSub,
            [&](pTHX_ SV *answer, SV **) {
                if (answer != nullptr) value = static_cast<float>(SvNV(answer));
            },
            values...);
    return value;
}

// Draws a surface whose function is the sub named by name: the name is copied
// (the sub may change the scalar it came in), the function of a surface being
// drawn around this one comes back afterwards, and the error of a sub that
// died is raised.
template <typename Draw> void drawSurface(pTHX_ SV *name, Draw draw) {
    const char *const around = functionSub;
    functionSub = SvPV_nolen(name);
    draw();
    functionSub = around;
    checkCallbackError(aTHX);
}

// The frame of the four subs of this file, which return nothing: the number
// of arguments checked, then body(ax), in which ST(i) is argument i.
template <typename Body> void callbackSub(pTHX_ CV *cv, const Call &call, int count, Body body) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    checkArgumentCount(aTHX_ call, items, count);
    body(ax);
    XSRETURN_EMPTY;
}

} // namespace

void kavlor_perl::checkCallbackError(pTHX) {
    if (pendingError == nullptr) return;
    SV *error = sv_2mortal(pendingError);
    pendingError = nullptr;
    kavlor_resume_drawing();
    croak_sv(error);
}

KAVLOR_PERL_EXPORT float kav_funcbck(float x, float y, int iopt) {
    return functionValue(x, y, iopt);
}

KAVLOR_PERL_EXPORT float kav_func2bck(float x, float y) {
    return functionValue(x, y);
}

KAVLOR_PERL_EXPORT void kav_callbck2(float *x, float *y) {
    callSub(
        projectionSub.c_str(),
        [&](pTHX_ SV *, SV **moved) {
            *x = static_cast<float>(SvNV(moved[0]));
            *y = static_cast<float>(SvNV(moved[1]));
        },
        *x, *y);
}

KAVLOR_PERL_EXPORT void kav_callbck(int id) {
    std::string sub;
    {
        WidgetSubs &w = widgetSubs();
        std::lock_guard<std::mutex> guard(w.lock);
        for (int i = 0; i < w.count && sub.empty(); ++i)
            if (w.ids[i] == id) sub = w.subs[i];
    }
    // A dialog whose callback died ends as OK ends it; wgfin raises the error.
    if (!sub.empty() && callSub(
                            sub.c_str(), [](PerlInterpreter *, SV *, SV **) {}, id))
        sendok();
}

KAVLOR_PERL_EXPORT void XS_Kavlor_setcbk(pTHX_ CV *cv) {
    static constexpr Call call{"setcbk", "Usage: Kavlor::setcbk(s1, s2)"};
    callbackSub(aTHX_ cv, call, 2, [&](I32 ax) {
        const char *sub = stringArg(aTHX_ ST(0));
        const char *copt = stringArg(aTHX_ ST(1));
        // The std::string lives outside the wrapper's frame, so no croak can
        // skip its destructor.
        projectionSub = sub;
        setcbk(kav_callbck2, copt);
    });
}

KAVLOR_PERL_EXPORT void XS_Kavlor_surfcp(pTHX_ CV *cv) {
    static constexpr Call call{"surfcp", "Usage: Kavlor::surfcp(s, a1, a2, a3, b1, b2, b3)"};
    callbackSub(aTHX_ cv, call, 7, [&](I32 ax) {
        SV *const sub = sv_2mortal(newSVsv(ST(0)));
        float a[6];
        for (int i = 0; i < 6; ++i)
            a[i] = floatArg(aTHX_ ST(i + 1));
        drawSurface(aTHX_ sub, [&] { surfcp(kav_funcbck, a[0], a[1], a[2], a[3], a[4], a[5]); });
    });
}

KAVLOR_PERL_EXPORT void XS_Kavlor_surfun(pTHX_ CV *cv) {
    static constexpr Call call{"surfun", "Usage: Kavlor::surfun(s, i1, a1, i2, a2)"};
    callbackSub(aTHX_ cv, call, 5, [&](I32 ax) {
        SV *const sub = sv_2mortal(newSVsv(ST(0)));
        const int ixpts = intArg(aTHX_ ST(1));
        const float xdel = floatArg(aTHX_ ST(2));
        const int iypts = intArg(aTHX_ ST(3));
        const float ydel = floatArg(aTHX_ ST(4));
        drawSurface(aTHX_ sub, [&] { surfun(kav_func2bck, ixpts, xdel, iypts, ydel); });
    });
}

KAVLOR_PERL_EXPORT void XS_Kavlor_swgcbk(pTHX_ CV *cv) {
    static constexpr Call call{"swgcbk", "Usage: Kavlor::swgcbk(i, s)"};
    callbackSub(aTHX_ cv, call, 2, [&](I32 ax) {
        const int id = intArg(aTHX_ ST(0));
        const char *sub = stringArg(aTHX_ ST(1));
        {
            // A full table takes no more registrations, and the library is not told.
            WidgetSubs &w = widgetSubs();
            std::lock_guard<std::mutex> guard(w.lock);
            if (w.count == kWidgetCallbacks) return;
            w.ids[w.count] = id;
            w.subs[w.count] = sub;
            ++w.count;
        }
        swgcbk(id, kav_callbck);
    });
}
