// pdfbuf and rbfpng: the PDF or PNG file of the picture, held in memory by the
// library, handed to Perl as a byte string. With nmax 0 the routine answers
// the size it needs and the scalar is left alone; with a larger nmax the first
// n bytes it reports become the scalar's string (no set-magic), never more
// than the buffer holds; n of 0 or below leaves the scalar alone.
#include "perl/callbacks.h"
#include "perl/frame.h"

#include <kavlor.h>

using namespace kavlor_perl;

namespace {

void pictureFile(pTHX_ CV *cv, const Call &call, int (*write)(char *, int)) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    checkArgumentCount(aTHX_ call, items, 2);
    dXSTARG;
    SV *const s = ST(0);
    outArg(aTHX_ s);
    const int nmax = intArg(aTHX_ ST(1));
    ENTER;
    // A size below 1 takes no buffer: 0 asks for the size, below 0 is refused.
    char *const bytes = nmax > 0 ? buffer<char>(aTHX_ call, nmax) : nullptr;
    const int n = write(bytes, nmax);
    checkCallbackError(aTHX);
    if (bytes != nullptr && n > 0) sv_setpvn(s, bytes, STRLEN(clampCount(n, nmax)));
    resultInt(aTHX_ TARG, n);
    LEAVE;
    ST(0) = TARG;
    XSRETURN(1);
}

} // namespace

static_assert(std::is_same_v<decltype(pdfbuf), int(char *, int)>);
KAVLOR_PERL_EXPORT void XS_Kavlor_pdfbuf(pTHX_ CV *cv) {
    static constexpr Call call{"pdfbuf", "Usage: Kavlor::pdfbuf(s, nmax)"};
    pictureFile(aTHX_ cv, call, pdfbuf);
}

static_assert(std::is_same_v<decltype(rbfpng), int(char *, int)>);
KAVLOR_PERL_EXPORT void XS_Kavlor_rbfpng(pTHX_ CV *cv) {
    static constexpr Call call{"rbfpng", "Usage: Kavlor::rbfpng(s, nmax)"};
    pictureFile(aTHX_ cv, call, rbfpng);
}
