// qqwext and qqwxid: requests to the pixel drivers, and the screen driver's
// external windows and identifiers (qqwwid).
#include "devices/driver_requests.h"

#include "devices/driver_record.h"
#include "devices/screen_driver.h"
#include "devices/screen_windows.h"
#include "kernel/record.h"

namespace {

// The system cursors by shape: 1 cross, 2 arrow, 3 up arrow; null otherwise.
const char *cursorName(int shape) {
    switch (shape) {
    case 1: return IDC_CROSS;
    case 2: return IDC_ARROW;
    case 3: return IDC_UPARROW;
    default: return nullptr;
    }
}

bool needsWindowTable(int code) {
    return code == 0 || code == 1 || code == 2 || code == 20 || code == 30;
}

} // namespace

void qqwwid(GlobalRecord &rec, int code, int &value, int set) {
    DriverRecord *driver = qqwglb(rec, nullptr, DriverRecords::DriverOnly);
    if (driver == nullptr) return;
    if (!driver->pwintab && needsWindowTable(code)) qqwglb(rec, driver, DriverRecords::WindowTable);
    WindowTable *t = driver->pwintab.get();
    if (set == 0) {
        value = code == 0 && t != nullptr ? int(t->hwndcur) : -1;
        return;
    }
    switch (static_cast<DriverRequest>(code)) {
    case DriverRequest::OwnWindows:
        t->iextwin = 0;
        t->iextpix = 0;
        break;
    case DriverRequest::ExternalWindow:
        t->hwndext = value;
        t->iextwin = 1;
        break;
    case DriverRequest::ExternalPixmap:
        t->hpixext = value;
        t->iextpix = 1;
        break;
    case DriverRequest::Lighting: driver->nreq3 = value; break;
    case DriverRequest::ClipLeft: driver->nclip[0] = value; break;
    case DriverRequest::ClipTop: driver->nclip[1] = value; break;
    case DriverRequest::ClipRight: driver->nclip[2] = value; break;
    case DriverRequest::ClipBottom: driver->nclip[3] = value; break;
    case DriverRequest::FineDepthTolerance: driver->xdepthtol = 1.0e-5; break;
    case DriverRequest::DepthTolerance: driver->xdepthtol = 0.001; break;
    case DriverRequest::InputCursor: t->icsrshape = value; break;
    case DriverRequest::ClassCursor:
        if (const char *name = cursorName(value)) {
            if (t->hwndcur != 0) SetClassLongA(t->hwndcur, GCL_HCURSOR, LONG(LoadCursorA(0, name)));
            t->icsrrest = value;
        }
        break;
    default: break;
    }
}

void qqwext(GlobalRecord &rec, int code, int value) {
    if (code == 0 || code == 1) rec.win.iextwin = code;
    qqwwid(rec, code, value, 1);
}

int qqwxid(GlobalRecord &rec, int code) {
    int value = 0;
    qqwwid(rec, code, value, 0);
    return value;
}

void qqscsr(int shape) {
    if (const char *name = cursorName(shape)) SetCursor(LoadCursorA(0, name));
}
