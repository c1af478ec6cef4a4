#include "platform/xlib_functions.h"

#include <mutex>

#include "platform/shared_library.h"

namespace {

XlibFunctions table;
bool loaded = false;

} // namespace

const XlibFunctions &xlib = table;

bool xlibLoaded() {
    static std::once_flag once;
    std::call_once(once, [] {
        SharedLibrary library("libX11.so.6");
#define KAVLOR_XLIB_RESOLVE(name) library.resolve(table.name, #name);
        KAVLOR_XLIB_FUNCTIONS(KAVLOR_XLIB_RESOLVE)
#undef KAVLOR_XLIB_RESOLVE
        loaded = library.ready("windows are not shown");
    });
    return loaded;
}
