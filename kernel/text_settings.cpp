// Height, angle and justification of texts, and the frame round them.
#include <cmath>

#include "kavlor.h"
#include "kernel/device_fonts.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text.h"

bool setTextHeight(GlobalRecord &rec, int n) {
    if (jqqval(n, 1, 10000) != 0) return false;
    rec.text.nhchar = n;
    rec.text.ialfsel = 0;
    deviceFontHeight(rec);
    return true;
}

void setTextAngle(GlobalRecord &rec, int n) {
    TextState &t = rec.text;
    t.nangle = n;
    const float radians = float(n) * rec.core.xdegrad;
    t.xsinang = std::sin(radians);
    t.xcosang = std::cos(radians);
    deviceFontAngle(rec);
}

extern "C" void height(int n) {
    GlobalRecord *rec = jqqlev(1, 3, "height");
    if (rec == nullptr) return;
    setTextHeight(*rec, n);
}

extern "C" void angle(int n) {
    GlobalRecord &rec = chkini("angle");
    setTextAngle(rec, n);
}

extern "C" void txtjus(const char *key) {
    GlobalRecord &rec = chkini("txtjus");
    setFromKeyword(rec.text.itxtjus, "LEFT+CENT+RIGH", 3, key);
}

extern "C" void frmess(int thickness) {
    GlobalRecord &rec = chkini("frmess");
    rec.text.nfrmess = thickness;
}
