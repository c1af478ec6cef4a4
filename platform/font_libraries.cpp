#include "platform/font_libraries.h"

#include <mutex>

#include "platform/shared_library.h"

namespace {

FreetypeFunctions freetypeTable;
FontconfigFunctions fontconfigTable;
bool loaded = false;

} // namespace

const FreetypeFunctions &freetype = freetypeTable;
const FontconfigFunctions &fontconfig = fontconfigTable;

bool fontLibrariesLoaded() {
    static std::once_flag once;
    std::call_once(once, [] {
        SharedLibrary freetypeLibrary("libfreetype.so.6");
        SharedLibrary fontconfigLibrary("libfontconfig.so.1");
#define KAVLOR_RESOLVE(library, table, name) library.resolve(table.name, #name);
#define KAVLOR_FREETYPE_RESOLVE(name) KAVLOR_RESOLVE(freetypeLibrary, freetypeTable, name)
#define KAVLOR_FONTCONFIG_RESOLVE(name) KAVLOR_RESOLVE(fontconfigLibrary, fontconfigTable, name)
        KAVLOR_FREETYPE_FUNCTIONS(KAVLOR_FREETYPE_RESOLVE)
        KAVLOR_FONTCONFIG_FUNCTIONS(KAVLOR_FONTCONFIG_RESOLVE)
#undef KAVLOR_FONTCONFIG_RESOLVE
#undef KAVLOR_FREETYPE_RESOLVE
#undef KAVLOR_RESOLVE
        const char *without = "text in window fonts is not drawn";
        const bool freetypeReady = freetypeLibrary.ready(without);
        loaded = freetypeReady && fontconfigLibrary.ready(without);
    });
    return loaded;
}
