// legini and leglin: the legend buffer lives in a Perl scalar. legini makes it
// nlin * nmaxln + 1 zero bytes; leglin writes a line into the scalar's own
// buffer, grown first to the legend's size; legend, nxlegn, nylegn and piegrf
// read it (legendArg of the frame).
#include "kernel/binding_readings.h"
#include "perl/callbacks.h"
#include "perl/frame.h"

#include <kavlor.h>

#include <cstring>

using namespace kavlor_perl;

// The library writes one byte of the buffer, its NUL: when it refuses nlin or
// nmaxln it writes nothing, and the scalar keeps the legend it held.
static_assert(std::is_same_v<decltype(legini), void(char *, int, int)>);
KAVLOR_PERL_EXPORT void XS_Kavlor_legini(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"legini", "Usage: Kavlor::legini(s, i1, i2)"};
    checkArgumentCount(aTHX_ call, items, 3);
    SV *const s = ST(0);
    outArg(aTHX_ s);
    const int nlin = intArg(aTHX_ ST(1));
    const int nmaxln = intArg(aTHX_ ST(2));
    char first = ' ';
    legini(&first, nlin, nmaxln);
    checkCallbackError(aTHX);
    if (first == '\0') {
        const Count size = kavlor_legend_size();
        ENTER;
        sv_setpvn(s, buffer<char>(aTHX_ call, size), STRLEN(size));
        LEAVE;
    }
    XSRETURN_EMPTY;
}

namespace {

// The scalar's own buffer, un-shared and grown to the legend's size. Lines that
// leglin wrote behind the text's first NUL survive: a buffer shared with a
// copy of the scalar is copied whole, not up to its length.
char *legendBuffer(pTHX_ const Call &call, SV *sv) {
    const Count size = kavlor_legend_size();
    STRLEN length = 0;
    SvPV(sv, length);
    char *saved = nullptr;
    Count keep = 0;
    if (SvPOK(sv) && SvIsCOW(sv) && SvLEN(sv) > 1) {
        // The last byte of a shared buffer is Perl's count of its sharers.
        keep = Count(SvLEN(sv)) - 1 < size ? Count(SvLEN(sv)) - 1 : size;
        saved = buffer<char>(aTHX_ call, keep);
        std::memcpy(saved, SvPVX(sv), size_t(keep));
    }
    char *text = ownBuffer(aTHX_ sv, size);
    if (saved != nullptr && keep > Count(SvCUR(sv)) + 1)
        std::memcpy(text + SvCUR(sv) + 1, saved + SvCUR(sv) + 1, size_t(keep) - SvCUR(sv) - 1);
    return text;
}

} // namespace

static_assert(std::is_same_v<decltype(leglin), void(char *, const char *, int)>);
KAVLOR_PERL_EXPORT void XS_Kavlor_leglin(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"leglin", "Usage: Kavlor::leglin(s1, s2, i)"};
    checkArgumentCount(aTHX_ call, items, 3);
    SV *const s1 = ST(0);
    SvGETMAGIC(s1);
    const char *text = stringArg(aTHX_ ST(1));
    const int ilin = intArg(aTHX_ ST(2));
    ENTER;
    char *legend = legendBuffer(aTHX_ call, s1);
    leglin(legend, text, ilin);
    checkCallbackError(aTHX);
    LEAVE;
    recountOwnBuffer(aTHX_ s1);
    XSRETURN_EMPTY;
}
