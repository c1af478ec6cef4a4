// Page, units and window settings: setpag, page, units, pagmod, sclmod, sclfac,
// hwpage, hworig, winsiz, window, winopt, winmod, winkey, pagorg, origin.
#include <array>
#include <cstring>

#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

struct PageFormat {
    const char *name; // landscape name; the portrait name ends in "P"
    float shortSide;  // 0.1 mm
    float longSide;
};

constexpr std::array<PageFormat, 16> kPageFormats = {{
    {"DA4L", 2099, 2969},
    {"DA3L", 2969, 4199},
    {"DA2L", 4199, 5939},
    {"DA1L", 5939, 8409},
    {"DA0L", 8409, 11889},
    {"HP4L", 1899, 2716},
    {"HP3L", 2716, 3989},
    {"HP2L", 3359, 5339},
    {"HP1L", 5339, 7569},
    {"KY4L", 1999, 2869},
    {"PS4L", 1949, 2799},
    {"USAL", 2159, 2789},
    {"USBL", 2789, 4319},
    {"USCL", 4319, 5589},
    {"USDL", 5589, 8639},
    {"USEL", 8639, 11179},
}};

constexpr float kUnitFactors[4] = {1.0f, 2.54f, 0.352778f, 0.176389f};

} // namespace

int jqquni(const GlobalRecord &rec, int n) {
    return truncToInt(float(n) / rec.page.xunits + 0.5f);
}

int jqqyvl(const GlobalRecord &rec, int y) {
    return rec.page.ipagorg == 1 && rec.page.iusrdrw == 0
               ? pageSum(rec.page.nypage, -std::int64_t(y))
               : pageSum(y);
}

extern "C" void setpag(const char *format) {
    GlobalRecord *rec = jqqlev(0, 0, "setpag");
    if (rec == nullptr) return;
    char key[5] = "    ";
    for (int i = 0; i < 4 && format != nullptr && format[i] != '\0'; ++i)
        key[i] = upperAscii(format[i]);
    const bool portrait = key[3] == 'P';
    if (portrait) key[3] = 'L';
    const PageFormat *found = nullptr;
    for (const PageFormat &f : kPageFormats)
        if (std::memcmp(f.name, key, 4) == 0) found = &f;
    if (found == nullptr) {
        warnc1(Warning::incorrectParameter, format != nullptr ? format : "");
        return;
    }
    PageState &page = rec->page;
    page.xpagw = portrait ? found->shortSide : found->longSide;
    page.xpagh = portrait ? found->longSide : found->shortSide;
    if (portrait) key[3] = 'P';
    qqcopy(page.cpagfmt, key);
    if (rec->core.imetset == 0) {
        rec->core.idevice = device::kGksl;
        qqcopy(rec->core.cdevice, "GKSL");
    }
}

extern "C" void page(int nx, int ny) {
    GlobalRecord *rec = jqqlev(0, 0, "page");
    if (rec == nullptr || jqqval(nx, 1, kMaxPageUnits) != 0 || jqqval(ny, 1, kMaxPageUnits) != 0)
        return;
    rec->page.xpagw = float(nx - 1) * rec->page.xunits;
    rec->page.xpagh = float(ny - 1) * rec->page.xunits;
    qqcopy(rec->page.cpagfmt, "PAGE");
}

extern "C" void units(const char *name) {
    GlobalRecord *rec = jqqlev(0, 0, "units");
    if (rec == nullptr) return;
    const int i = jqqind("CM  +INCH+POIN+TWIP", 4, name);
    if (i != 0) rec->page.xunits = kUnitFactors[i - 1];
}

extern "C" void pagmod(const char *mode) {
    GlobalRecord *rec = jqqlev(0, 0, "pagmod");
    if (rec == nullptr) return;
    constexpr int kModes[5] = {0, 1, 0, 1, 2}; // COMI, MOVI, LAND, PORT, NONE
    const int i = jqqind("COMI+MOVI+LAND+PORT+NONE", 5, mode);
    if (i != 0) rec->page.ipagmod = kModes[i - 1];
}

extern "C" void sclmod(const char *mode) {
    GlobalRecord *rec = jqqlev(0, 0, "sclmod");
    if (rec == nullptr) return;
    setFromKeyword(rec->page.isclmod, "DOWN+FULL+NONE", 3, mode);
}

extern "C" void sclfac(float factor) {
    GlobalRecord *rec = jqqlev(0, 0, "sclfac");
    if (rec == nullptr) return;
    if (!(factor > 0.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec->page.xsclfac = factor;
    rec->page.isclmod = 0;
}

extern "C" void hwpage(int nw, int nh) {
    GlobalRecord *rec = jqqlev(0, 0, "hwpage");
    if (rec == nullptr || jqqval(nw, 1, kMaxPageUnits) != 0 || jqqval(nh, 1, kMaxPageUnits) != 0)
        return;
    rec->page.ihwpage = 1;
    rec->page.nhwpage[0] = truncToInt(float(nw) * rec->page.xunits + 0.5f);
    rec->page.nhwpage[1] = truncToInt(float(nh) * rec->page.xunits + 0.5f);
}

extern "C" void hworig(int nx, int ny) {
    GlobalRecord *rec = jqqlev(0, 0, "hworig");
    if (rec == nullptr) return;
    // An origin past the largest page is held there: the writers double it
    // into device units.
    rec->page.ihworg = 1;
    rec->page.nhworg[0] = heldOnPage(nx);
    rec->page.nhworg[1] = heldOnPage(ny);
}

extern "C" void winsiz(int nw, int nh) {
    GlobalRecord *rec = jqqlev(0, 3, "winsiz");
    if (rec == nullptr) return;
    if (nw < 1 || nh < 1) {
        warni1(Warning::incorrectParameter, nw < nh ? nw : nh);
        return;
    }
    rec->win.iwinset = 2;
    rec->win.nwinusr[2] = nw;
    rec->win.nwinusr[3] = nh;
}

extern "C" void window(int nx, int ny, int nw, int nh) {
    GlobalRecord *rec = jqqlev(0, 3, "window");
    if (rec == nullptr || !goodRectangle(nx, ny, nw, nh)) return;
    rec->win.iwinset = 1;
    rec->win.nwinusr[0] = nx;
    rec->win.nwinusr[1] = ny;
    rec->win.nwinusr[2] = nw;
    rec->win.nwinusr[3] = nh;
}

extern "C" void winopt(int n, const char *keyword) {
    GlobalRecord &rec = chkini("winopt");
    if (jqqind("DELA", 1, keyword) != 0) rec.win.iwinopt = n;
}

extern "C" void winmod(const char *mode) {
    GlobalRecord &rec = chkini("winmod");
    setFromKeyword(rec.win.iwinmod, "FULL+NOER+NONE+NOHO+DELA+NOMB", 6, mode);
}

extern "C" void winkey(const char *key) {
    GlobalRecord &rec = chkini("winkey");
    setFromKeyword(rec.win.iwinkey, "NONE+RETU+ESCA", 3, key);
}

extern "C" void pagorg(const char *where) {
    GlobalRecord *rec = jqqlev(1, 3, "pagorg");
    if (rec == nullptr) return;
    setFromKeyword(rec->page.ipagorg, "TOP +BOTT", 2, where);
}

extern "C" void origin(int nx, int ny) {
    GlobalRecord *rec = jqqlev(1, 1, "origin");
    if (rec == nullptr) return;
    rec->page.nxorg = pageSum(nx);
    rec->page.nyorg = pageSum(rec->page.ipagorg == 1 ? -std::int64_t(ny) : ny);
}
