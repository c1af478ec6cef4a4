// opnwin, selwin, clswin, winid: the further windows of a screen plot. Each
// window keeps its own device scale, position and size in the record, so
// that drawing into a window that becomes current again fits its own size.
#include <cstdio>

#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "kavlor.h"
#include "kernel/device_setup.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// The window the plot was opened in: the device's own number, 1 for XWND.
int mainWindow(const GlobalRecord &rec) {
    return rec.core.idevice == device::kScreenDefault ? 1 : rec.core.idevice - 71;
}

// The checks the window routines share: the level, the number, the device.
GlobalRecord *windowRoutine(const char *name, int n) {
    GlobalRecord *rec = jqqlev(1, 3, name);
    if (rec == nullptr || jqqval(n, 1, kWindowNumbers) != 0) return nullptr;
    if (deviceFamily(rec->core.idevice) != DeviceFamily::Screen) {
        warnin(Warning::incorrectFileFormat);
        return nullptr;
    }
    return rec;
}

// A warning above 100 whose text names the window.
void windowWarning(Warning number, const char *format, int n) {
    char text[80];
    std::snprintf(text, sizeof text, format, n);
    qqserr(text);
    warnin(number);
}

// The colour in use is kept across the change of window: the stroke so far is
// drawn and shown where it belongs, then the colour is set in the new window.
struct KeptColour {
    GlobalRecord &rec;
    int colour;
    explicit KeptColour(GlobalRecord &r) : rec(r), colour(r.colour.ncolor) {
        qqstrk(rec);
        qqwsbf(rec);
    }
    ~KeptColour() { qqsclr(rec, colour); }
    KeptColour(const KeptColour &) = delete;
    KeptColour &operator=(const KeptColour &) = delete;
};

} // namespace

void restoreWindowGeometry(GlobalRecord &rec, int n) {
    if (n < 1 || n > kWindowNumbers) return;
    rec.page.xdevscl = rec.win.restoreWindow(n);
}

extern "C" void opnwin(int n) {
    GlobalRecord *rec = windowRoutine("opnwin", n);
    if (rec == nullptr) return;
    if (qqwsta(*rec, n) == 1) {
        windowWarning(Warning::ownText, "Window %d is already open", n);
        return;
    }
    PageState &page = rec->page;
    WindowState &win = rec->win;
    {
        KeptColour kept(*rec);
        if (win.iwinset == 1) {
            win.nwinpos[0] = win.nwinusr[0];
            win.nwinpos[1] = win.nwinusr[1];
        }
        if (win.iwinset == 1 || win.iwinset == 2) {
            win.nwinsiz[0] = win.nwinusr[2];
            win.nwinsiz[1] = win.nwinusr[3];
        }
        ScreenOpening o;
        o.device = n + 71;
        // The page as drawn, as the main window had it: a portrait page gets
        // an upright window.
        o.pageWidth = page.ipagmod == 1 ? page.nypage : page.nxpage;
        o.pageHeight = page.ipagmod == 1 ? page.nxpage : page.nypage;
        o.placement = win.iwinset;
        o.x = win.nwinpos[0];
        o.y = win.nwinpos[1];
        o.width = win.nwinsiz[0];
        o.height = win.nwinsiz[1];
        qqwopn(*rec, o);
        win.nwinpos[0] = o.x;
        win.nwinpos[1] = o.y;
        win.nwinsiz[0] = o.width;
        win.nwinsiz[1] = o.height;
        page.xdevscl = rasterScale(*rec, o.clientWidth, o.clientHeight);
    }
    win.iwinid = n;
    win.keepWindow(n, page.xdevscl);
}

extern "C" void selwin(int n) {
    GlobalRecord *rec = windowRoutine("selwin", n);
    if (rec == nullptr) return;
    if (qqwsta(*rec, n) == 0) {
        windowWarning(Warning::windowNotOpen, "Window %d is not open", n);
        return;
    }
    KeptColour kept(*rec);
    qqwsel(*rec, n);
    restoreWindowGeometry(*rec, n);
}

extern "C" void clswin(int n) {
    GlobalRecord *rec = windowRoutine("clswin", n);
    if (rec == nullptr) return;
    const int mainNumber = mainWindow(*rec);
    if (n == mainNumber) {
        windowWarning(Warning::mainWindowKept, "The Main Window %d cannot be closed", n);
        return;
    }
    if (qqwsta(*rec, n) == 0) {
        windowWarning(Warning::windowNotOpen, "Window %d is not open", n);
        return;
    }
    KeptColour kept(*rec);
    qqwcls(*rec, n);
    restoreWindowGeometry(*rec, mainNumber);
}

extern "C" int winid(void) {
    GlobalRecord *rec = jqqlev(1, 3, "winid");
    return rec != nullptr ? rec->win.iwinid : 0;
}
