// Whole-page routines: erase, newpag, pagera, pagfll.
#include "kavlor.h"
#include "devices/memory_raster.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/text_formats.h"

namespace {

void eraseDevice(GlobalRecord &rec) {
    qqstrk(rec);
    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::Java: javaClear(rec); break;
    case DeviceFamily::Raster: qqvers(rec); break;
    default: break;
    }
}

}  // namespace

extern "C" void erase(void) {
    GlobalRecord *rec = jqqlev(1, 3, "erase");
    if (rec == nullptr) return;
    eraseDevice(*rec);
}

extern "C" void newpag(void) {
    GlobalRecord *rec = jqqlev(1, 1, "newpag");
    if (rec == nullptr) return;
    qqstrk(*rec);
    rec->out.npage += 1;
    const int code = rec->core.idevice;
    if (code >= 101 && code <= 150)
        eraseDevice(*rec);
    else if (deviceFamily(code) == DeviceFamily::Kyocera)
        kyoceraNewPage(*rec);
}

extern "C" void pagera(void) {
    GlobalRecord *rec = jqqlev(1, 3, "pagera");
    if (rec == nullptr) return;
    const float w = float(rec->page.nxpage), h = float(rec->page.nypage);
    qqmove(*rec, 0, 0);
    qqdraw(*rec, 0, h);
    qqdraw(*rec, w, h);
    qqdraw(*rec, w, 0);
    qqdraw(*rec, 0, 0);
    qqstrk(*rec);
}

extern "C" void pagfll(int colour) {
    GlobalRecord *rec = jqqlev(1, 3, "pagfll");
    if (rec == nullptr || jqqval(colour, 0, -1) != 0) return;
    const int previous = rec->colour.ncolor;
    dbox(*rec, 0, 0, rec->page.nxpage, rec->page.nypage, colour);
    qqsclr(*rec, previous);
}
