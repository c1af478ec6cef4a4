// The device keyword table, the default file extensions and metafl.
#include "kernel/devices.h"

#include <array>
#include <cstring>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

struct DeviceKeyword {
    const char *keyword; // four characters, blank-padded
    int code;
};

constexpr std::array<DeviceKeyword, 37> kDeviceKeywords = {{
    {"GKSL", 201}, {"CGM ", 211}, {"KYOC", 301}, {"HPGL", 401}, {"HPA4", 402}, {"HPA3", 403},
    {"HPA2", 404}, {"HPA1", 405}, {"CONS", 101}, {"TEKT", 151}, {"VT34", 103}, {"LN03", 161},
    {"POST", 501}, {"PSCL", 502}, {"XWIN", 72},  {"XWI1", 72},  {"XWI2", 73},  {"XWI3", 74},
    {"XWI4", 75},  {"XWI5", 76},  {"XWI6", 77},  {"XWI7", 78},  {"XWI8", 79},  {"XWND", 80},
    {"TIFF", 601}, {"IMAG", 602}, {"VIRT", 603}, {"PNG ", 604}, {"JAVA", 701}, {"WMF ", 221},
    {"PPM ", 605}, {"PDF ", 511}, {"EPS ", 503}, {"BMP ", 606}, {"PS  ", 504}, {"SVG ", 801},
    {"GIF ", 607},
}};

struct FileExtension {
    int code;
    const char *ext;
};

constexpr std::array<FileExtension, 23> kFileExtensions = {{
    {201, "met"}, {211, "cgm"}, {301, "kyo"}, {401, "hpg"}, {402, "hpg"}, {403, "hpg"},
    {404, "hpg"}, {405, "hpg"}, {151, "tek"}, {161, "ln3"}, {501, "psc"}, {502, "psc"},
    {601, "tif"}, {602, "img"}, {604, "png"}, {221, "wmf"}, {605, "ppm"}, {511, "pdf"},
    {503, "eps"}, {606, "bmp"}, {504, "ps"},  {801, "svg"}, {607, "gif"},
}};

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
    if (std::strcmp(key, "MET1") >= 0 && std::strcmp(key, "MET9") <= 0) return 80;
    for (const DeviceKeyword &row : kDeviceKeywords)
        if (std::memcmp(row.keyword, key, 4) == 0) return row.code;
    warnc1(Warning::incorrectParameter, keyword != nullptr ? keyword : "");
    return 0;
}

int qqgfxt(int code, char *ext) {
    if (code == device::kJava) return qqcopy(ext, "java", 4);
    for (const FileExtension &row : kFileExtensions)
        if (row.code == code) return qqcopy(ext, row.ext, 3);
    return qqcopy(ext, "   ", 3);
}

extern "C" void metafl(const char *keyword) {
    GlobalRecord *rec = jqqlev(0, 0, "metafl");
    if (rec == nullptr) return;
    int code = qqgdnr(keyword);
    if (code == 0) return;
    if (code == 101) code = device::kScreenDefault; // CONS is the screen
    rec->core.idevice = code;
    char key[5];
    normaliseKeyword(keyword, key);
    qqcopy(rec->core.cdevice, key, 4);
    rec->core.imetset = 1;
}
