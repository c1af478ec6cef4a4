// The screen's settings: scrmod, x11mod, setxid, wintit.
#include "devices/driver_requests.h"
#include "devices/screen_driver.h"
#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kScrmodNoReverse = 3; // NORE: the same as ERAS
constexpr int kXidWidget = 3;       // WIDG: the window of a widget

} // namespace

extern "C" void scrmod(const char *mode) {
    GlobalRecord *rec = jqqlev(0, 0, "scrmod");
    if (rec == nullptr) return;
    const int i = jqqind("ERAS+NOER+REVE+NORE+AUTO", 5, mode);
    if (i == 0) return;
    rec->page.iscrset = i - 1 == kScrmodNoReverse ? 0 : i - 1;
}

extern "C" void x11mod(const char *mode) {
    GlobalRecord *rec = jqqlev(0, 0, "x11mod");
    if (rec == nullptr) return;
    setFromKeyword(rec->win.ix11mod, "STOR+NOST+AUTO+PIXM", 4, mode);
}

extern "C" void setxid(int id, const char *kind) {
    GlobalRecord *rec = jqqlev(0, 3, "setxid");
    if (rec == nullptr) return;
    const int i = jqqind("NONE+WIND+PIXM+WIDG", 4, kind);
    if (i == 0) return;
    rec->win.ixidtyp = i - 1;
    rec->win.nxid = id;
    if (i - 1 == kXidWidget) {
        const int window = gwgxid(id);
        if (window == -1) return;
        qqwext(*rec, 1, window);
    } else {
        qqwext(*rec, i - 1, id);
    }
    rec->win.ix11mod = 0; // STOR: the external window keeps a backing bitmap
}

extern "C" void wintit(const char *title) {
    GlobalRecord *rec = jqqlev(1, 3, "wintit");
    if (rec == nullptr) return;
    if (deviceFamily(rec->core.idevice) != DeviceFamily::Screen) {
        warnin(Warning::incorrectFileFormat);
        return;
    }
    qqwtit(*rec, title != nullptr ? title : "");
}
