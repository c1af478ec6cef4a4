// Formatting in the "C" locale: the calling thread switches to it for the
// duration of one call (uselocale), so the process's locale is never changed.
#include "kernel/c_format.h"

#include <locale.h>

namespace {

locale_t cLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return loc;
}

} // namespace

CLocaleScope::CLocaleScope() : previous_(uselocale(cLocale())) {}
CLocaleScope::~CLocaleScope() {
    uselocale(static_cast<locale_t>(previous_));
}

int vformatC(char *buffer, std::size_t size, const char *format, va_list args) {
    CLocaleScope scope;
    return std::vsnprintf(buffer, size, format, args);
}

int formatC(char *buffer, std::size_t size, const char *format, ...) {
    va_list args;
    va_start(args, format);
    const int n = vformatC(buffer, size, format, args);
    va_end(args);
    return n;
}

int printC(FILE *stream, const char *format, ...) {
    CLocaleScope scope;
    va_list args;
    va_start(args, format);
    const int n = std::vfprintf(stream, format, args);
    va_end(args);
    return n;
}
