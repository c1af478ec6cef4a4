// Whole-page routines: erase, newpag, pagera, pagfll.
#include <algorithm>
#include <cstdlib>

#include "devices/cgm.h"
#include "devices/memory_raster.h"
#include "devices/postscript.h"
#include "devices/screen_driver.h"
#include "devices/text_formats.h"
#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

namespace {

void eraseDevice(GlobalRecord &rec) {
    qqstrk(rec);
    switch (deviceFamily(rec.core.idevice)) {
    case DeviceFamily::Java: javaClear(rec); break;
    case DeviceFamily::Raster: qqvers(rec); break;
    case DeviceFamily::Screen: qqwers(rec); break;
    default: break;
    }
}

// A page-filling box of colour 0.
void pageBox(GlobalRecord &rec) {
    dbox(rec, 0, 0, rec.page.nxpage + 1, rec.page.nypage + 1, 0);
}

void newPdfPage(GlobalRecord &rec) {
    const PageState &page = rec.page;
    const LineState &line = rec.line;
    const float s = page.xdevscl;
    xjdraw(rec, 0, 0, 4);
    // The box goes on the new page: drawn before the page break it would
    // cover the finished page.
    if (page.iscrmod != 2) pageBox(rec);
    const float join = float(line.ilnjoin) / s;
    const float cap = float(line.ilncap) / s;
    const int t = std::max(5, roundAddHalf(2.0f * float(std::abs(line.nlinwid)) * page.xunits));
    const float width = float(t) * 0.5f * 72.0f / (254.0f * s);
    xjdraw(rec, join, join, 7);
    xjdraw(rec, cap, cap, 8);
    xjdraw(rec, width, width, 6);
    qqsclr(rec, rec.colour.ncolor);
}

void newPostScriptPage(GlobalRecord &rec) {
    drwpsc(rec, 0, 0, 9);
    qpsbuf(rec, "copypage ", 9);
    qpsbuf(rec, "", -1);
    char text[32];
    const int n = formatC(text, sizeof text, "%s %8d ", "%%Page: 1", rec.out.npage);
    qpsbuf(rec, text, n);
    qpsbuf(rec, "", -1);
    if (deviceFacts(rec.core.idevice).paintsPage && rec.page.iscrmod != 2)
        pageBox(rec);
    else
        qpsbuf(rec, "erasepage ", 10);
    qqsclr(rec, rec.colour.ncolor);
}

} // namespace

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
    switch (deviceFamily(code)) {
    case DeviceFamily::Cgm: inicgm(*rec, 2); break;
    case DeviceFamily::Kyocera: kyoceraNewPage(*rec); break;
    case DeviceFamily::Pdf: newPdfPage(*rec); break;
    case DeviceFamily::Screen:
        // Unless the windows do not wait, the user sees the page before it goes.
        if (rec->win.iwinmod != 2 && rec->win.iwinmod != 3) qqwnnp(*rec);
        eraseDevice(*rec);
        break;
    case DeviceFamily::PostScript:
        if (!deviceFacts(code).encapsulated) newPostScriptPage(*rec);
        break;
    default: break;
    }
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
    colourBox(*rec, 0, 0, rec->page.nxpage, rec->page.nypage, colour);
}
