// itmcat: the item list with an item added, in a buffer sized from both texts
// (the whole list, the item, a separator and a NUL); the new list is the result.
#include "perl/callbacks.h"
#include "perl/frame.h"

#include <kavlor.h>

#include <cstring>

using namespace kavlor_perl;

static_assert(std::is_same_v<decltype(itmcat), void(char *, const char *)>);
KAVLOR_PERL_EXPORT void XS_Kavlor_itmcat(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    static constexpr Call call{"itmcat", "Usage: Kavlor::itmcat(s1, s2)"};
    checkArgumentCount(aTHX_ call, items, 2);
    dXSTARG;
    STRLEN listLength = 0, itemLength = 0;
    const char *list = SvPV(ST(0), listLength);
    const char *item = SvPV(ST(1), itemLength);
    ENTER;
    char *const text = buffer<char>(aTHX_ call, Count(listLength) + Count(itemLength) + 2);
    std::memcpy(text, list, listLength);
    itmcat(text, item);
    checkCallbackError(aTHX);
    resultText(aTHX_ TARG, text);
    LEAVE;
    ST(0) = TARG;
    XSRETURN(1);
}
