// Settings of image mode and raster files: imgmod, imgsiz, imgbox, imgclp,
// imgfmt; their defaults.
#include <algorithm>

#include "devices/image_state.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/page.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void imgmod(const char *mode) {
    GlobalRecord &rec = chkini("imgmod");
    setFromKeyword(rec.img.iimgmod, "IND +RGB ", 2, mode);
}

extern "C" void imgsiz(int nw, int nh) {
    GlobalRecord &rec = chkini("imgsiz");
    if (nw < 1 || nh < 1) {
        warni1(Warning::incorrectParameter, std::min(nw, nh));
        return;
    }
    rec.img.nimgsiz[0] = nw;
    rec.img.nimgsiz[1] = nh;
    rec.img.iimgsiz = 1;
}

extern "C" void imgbox(int nx, int ny, int nw, int nh) {
    GlobalRecord &rec = chkini("imgbox");
    if (!goodRectangle(nx, ny, nw, nh)) return;
    int *box = rec.img.nimgbox;
    box[0] = nx;
    box[1] = jqqyvl(rec, ny);
    box[2] = nw;
    box[3] = nh;
    rec.img.iimgbox = 1;
}

extern "C" void imgclp(int nx, int ny, int nw, int nh) {
    GlobalRecord &rec = chkini("imgclp");
    if (!goodRectangle(nx, ny, nw, nh)) return;
    if (static_cast<long long>(nx) + nw > rec.win.nwinsiz[0] ||
        static_cast<long long>(ny) + nh > rec.win.nwinsiz[1]) {
        warnin(Warning::incorrectParameter);
        return;
    }
    int *clip = rec.img.nimgclp;
    clip[0] = nx;
    clip[1] = ny;
    clip[2] = nw;
    clip[3] = nh;
    rec.img.iimgclp = 1;
}

extern "C" void imgfmt(const char *format) {
    GlobalRecord *rec = jqqlev(0, 0, "imgfmt");
    if (rec == nullptr) return;
    setFromKeyword(rec->format.iimgfmt, "IND +RGB +BIL ", 3, format);
}
