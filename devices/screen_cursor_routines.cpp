// Cursor input of a screen plot: csrpts, csrmov, csrpt1, csrpos, the cursor
// shape setcsr, and the settings csruni, csrtyp, csrmod. Positions go back in
// plot units, or in pixels of the window after csruni("PIXE").
#include <algorithm>
#include <cctype>
#include <string_view>

#include "devices/driver_requests.h"
#include "devices/screen_cursor_input.h"
#include "devices/screen_driver.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

constexpr int kPixels = 1; // icsruni

// The steps every cursor routine starts with: a screen plot, what is pending
// shown, the cursor of the input chosen.
bool screenForInput(GlobalRecord &rec) {
    if (deviceFamily(rec.core.idevice) != DeviceFamily::Screen) {
        qqserr("Bad output device");
        warnin(Warning::ownText);
        return false;
    }
    qqstrk(rec);
    qqwsbf(rec);
    qqwext(rec, int(DriverRequest::InputCursor), rec.win.icsrtyp);
    return true;
}

int toPixels(const GlobalRecord &rec, int v) {
    return roundAddHalf(float(v) * rec.page.xdevscl);
}

int toPlot(const GlobalRecord &rec, int v) {
    return roundAddHalf(float(v) / rec.page.xdevscl);
}

// The points of csrpts and csrmov into the caller's arrays.
void collect(const char *name, CursorInput kind, int *x, int *y, int nmax, int *n, int *iret) {
    GlobalRecord *rec = jqqlev(1, 3, name);
    if (rec == nullptr || !arraysGiven(x, y, n, iret)) return;
    if (nmax < 0) {
        warni1(Warning::incorrectParameter, nmax);
        return;
    }
    if (!screenForInput(*rec)) return;
    int count = 0, overflow = 0;
    qqwcur(*rec, kind, x, y, nmax, count, overflow);
    if (rec->win.icsruni != kPixels) {
        for (int i = 0; i < count; ++i) {
            x[i] = toPlot(*rec, x[i]);
            y[i] = toPlot(*rec, y[i]);
        }
    }
    *n = count;
    *iret = overflow;
}

} // namespace

extern "C" void csrpts(int *x, int *y, int nmax, int *n, int *iret) {
    collect("csrpts", kInputPoints, x, y, nmax, n, iret);
}

extern "C" void csrmov(int *x, int *y, int nmax, int *n, int *iret) {
    collect("csrmov", kInputDrag, x, y, nmax, n, iret);
}

extern "C" void csrpt1(int *x, int *y) {
    GlobalRecord *rec = jqqlev(1, 3, "csrpt1");
    if (rec == nullptr || !arraysGiven(x, y) || !screenForInput(*rec)) return;
    int px = 0, py = 0, count = 0, overflow = 0;
    qqwcur(*rec, kInputClick, &px, &py, 1, count, overflow);
    if (count == 0) return; // no click came: the window went, or nobody can click
    const bool pixels = rec->win.icsruni == kPixels;
    *x = pixels ? px : toPlot(*rec, px);
    *y = pixels ? py : toPlot(*rec, py);
}

extern "C" int csrpos(int *x, int *y) {
    GlobalRecord *rec = jqqlev(1, 3, "csrpos");
    if (rec == nullptr || !arraysGiven(x, y) || !screenForInput(*rec)) return -1;
    const bool pixels = rec->win.icsruni == kPixels;
    const int givenX = pixels ? *x : toPixels(*rec, *x);
    const int givenY = pixels ? *y : toPixels(*rec, *y);
    int px = givenX, py = givenY;
    const int mode = rec->win.icsrmod;
    const int key = qqwcsrpos(*rec, mode, px, py);
    if (mode == 1) return key; // SET only moves the cursor
    if (pixels) {
        *x = px;
        *y = py;
    } else if (px != givenX || py != givenY) {
        // Where the cursor still stands on the given position, the given
        // plot coordinates stay as they were, unrounded.
        *x = toPlot(*rec, px);
        *y = toPlot(*rec, py);
    }
    return key;
}

extern "C" void setcsr(const char *keyword) {
    GlobalRecord *rec = jqqlev(1, 3, "setcsr");
    if (rec == nullptr) return;
    const int i = jqqind("CROS+ARRO+VARR", 3, keyword);
    if (i == 0 || deviceFamily(rec->core.idevice) != DeviceFamily::Screen) return;
    qqstrk(*rec);
    qqwsbf(*rec);
    qqwext(*rec, int(DriverRequest::ClassCursor), i);
}

extern "C" void csruni(const char *keyword) {
    GlobalRecord &rec = chkini("csruni");
    setFromKeyword(rec.win.icsruni, "PLOT+PIXE", 2, keyword);
}

extern "C" void csrtyp(const char *keyword) {
    GlobalRecord &rec = chkini("csrtyp");
    setFromKeyword(rec.win.icsrtyp, "NONE+CROS+ARRO+VARR", 4, keyword);
}

extern "C" void csrmod(const char *keyword, const char *key) {
    GlobalRecord &rec = chkini("csrmod");
    char upper[4] = {};
    for (int i = 0; i < 3 && key != nullptr && key[i] != '\0'; ++i)
        upper[i] = char(std::toupper(static_cast<unsigned char>(key[i])));
    if (std::string_view(upper) != "POS") {
        warnc1(Warning::incorrectParameter, key != nullptr ? key : "");
        return;
    }
    setFromKeyword(rec.win.icsrmod, "STAN+SET +READ+GET ", 4, keyword);
}
