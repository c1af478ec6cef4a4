// Settings of contour labels: the fixed label text and the layout of the gap
// a label leaves in its line.
#include "graphics2d/contours.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

void resetContourDefaults(GlobalRecord &rec) {
    ContourState &c = rec.contour;
    c.iconlab = kContourLabelsOff;
    c.icontxt = 0;
    c.ncondig = 1;
    c.xconlbd = 500.0f / rec.page.xunits;
    c.nconlbc = -1;
    c.xconmod[0] = 0.5f;
    c.xconmod[1] = 1.5f;
    c.xcongap = 0.5f;
    c.ncrvnum = 0;
}

extern "C" void conlab(const char *ctext) {
    GlobalRecord &rec = chkini("conlab");
    qqcopy(rec.contour.cconlab, ctext != nullptr ? ctext : "");
}

extern "C" void conmod(float xfac, float xquot) {
    GlobalRecord &rec = chkini("conmod");
    if (!(xfac >= 0.0f && xquot > 1.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.contour.xconmod[0] = xfac;
    rec.contour.xconmod[1] = xquot;
}

extern "C" void congap(float xfr) {
    GlobalRecord &rec = chkini("congap");
    if (!(xfr >= 0.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.contour.xcongap = xfr;
}
