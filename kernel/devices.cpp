// The keywords of metafl, the default file extensions, and metafl.
#include "kernel/devices.h"

#include <cstring>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

// Keywords beside the table's own: other names of screen windows.
struct KeywordAlias {
    std::string_view keyword;
    int code;
};
constexpr KeywordAlias kAliases[] = {{"XWIN", 72}, {"CONS", device::kScreenDefault}};

// The keyword as the table compares it: four characters, upper case, blank-padded.
void normaliseKeyword(const char *keyword, char (&key)[5]) {
    std::memcpy(key, "    ", 5);
    for (int i = 0; i < 4 && keyword != nullptr && keyword[i] != '\0'; ++i)
        key[i] = upperAscii(keyword[i]);
}

} // namespace

int qqgdnr(const char *keyword) {
    char key[5];
    normaliseKeyword(keyword, key);
    const std::string_view k(key, 4);
    if (k >= "MET1" && k <= "MET9") return device::kScreenDefault;
    for (const DeviceFacts &row : device_table::kDevices)
        if (row.keyword == k) return row.code;
    for (const KeywordAlias &alias : kAliases)
        if (alias.keyword == k) return alias.code;
    warnc1(Warning::incorrectParameter, keyword != nullptr ? keyword : "");
    return 0;
}

int qqgfxt(int code, char *ext) {
    const std::string_view extension = deviceFacts(code).extension;
    if (extension.empty()) return qqcopy(ext, "   ", 3);
    return qqcopy(ext, extension.data(), int(extension.size()));
}

extern "C" void metafl(const char *keyword) {
    GlobalRecord *rec = jqqlev(0, 0, "metafl");
    if (rec == nullptr) return;
    const int code = qqgdnr(keyword);
    if (code == 0) return;
    rec->core.idevice = code;
    char key[5];
    normaliseKeyword(keyword, key);
    qqcopy(rec->core.cdevice, key, 4);
    rec->core.imetset = 1;
}
