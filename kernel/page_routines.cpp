// Whole-page routines: erase, newpag, pagera, pagfll.
#include <algorithm>
#include <cstdlib>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/output_file.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/rounding.h"

extern "C" void erase(void) {
    GlobalRecord *rec = jqqlev(1, 3, "erase");
    if (rec == nullptr) return;
    qqstrk(*rec);
    currentDriver(*rec).erase(*rec);
}

extern "C" void newpag(void) {
    GlobalRecord *rec = jqqlev(1, 1, "newpag");
    if (rec == nullptr) return;
    qqstrk(*rec);
    rec->out.npage += 1;
    currentDriver(*rec).newPage(*rec);
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
