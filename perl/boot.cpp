// The module start: Perl's loader calls boot_Kavlor once when a script loads
// the package. It checks that the package's Perl side asks for this module's
// version and registers every wrapper as Kavlor::<routine>.
#include "perl/frame.h"
#include "perl/registrations.h"

#include <cstring>

namespace {

constexpr const char *kModuleVersion = "9.1";

// The package variable package::name, or null when it does not exist.
SV *packageVariable(pTHX_ const char *package, const char *name) {
    SV *full = sv_2mortal(newSVpvf("%s::%s", package, name));
    return get_sv(SvPV_nolen(full), 0);
}

} // namespace

KAVLOR_PERL_EXPORT void boot_Kavlor(pTHX_ CV *cv) {
    dXSARGS;
    PERL_UNUSED_VAR(cv);
    const char *module = SvPV_nolen(ST(0));

    // The version to compare: the bootstrap parameter, else $XS_VERSION when it
    // is defined, else $VERSION, defined or not; none of them: no check.
    SV *version = nullptr;
    const char *variable = nullptr;
    if (items >= 2) {
        version = ST(1);
    } else {
        version = packageVariable(aTHX_ module, "XS_VERSION");
        variable = "XS_VERSION";
        if (version == nullptr || !SvOK(version)) {
            version = packageVariable(aTHX_ module, "VERSION");
            variable = "VERSION";
        }
    }
    // The whole string must match: 9.10 and 9.1.0 are other versions.
    if (version != nullptr &&
        (!SvOK(version) || std::strcmp(SvPV_nolen(version), kModuleVersion) != 0)) {
        const char *shown = SvOK(version) ? SvPV_nolen(version) : "";
        croak("%s object version %s does not match %s%s%s%s %s", module, kModuleVersion,
              variable ? "$" : "", variable ? module : "", variable ? "::" : "",
              variable ? variable : "bootstrap parameter", shown);
    }

    for (int i = 0; i < kRegistrationCount; ++i)
        newXS(kRegistrations[i].name, kRegistrations[i].wrapper, "Kavlor.c");
    XSRETURN_YES;
}
