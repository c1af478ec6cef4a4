// The settings of the 3-D axis system and its view: axis3d, view3d, vfoc3d,
// vup3d, vang3d, vclp3d, ax3len, flab3d, and their defaults. They only store
// values; the next graf3d derives the projection from them.
#include "graphics3d/view_settings.h"

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void resetBoxLengths(GlobalRecord &rec) {
    for (float &l : rec.view3d.xaxis3d)
        l = 2.0f;
}

void resetViewDefaults(GlobalRecord &rec) {
    Projection3DState &v = rec.view3d;
    resetBoxLengths(rec);
    v.iview3d = 0;
    v.xvup3d = 0.0f;
    v.ifoc3d = 0;
    v.xvang3d = 0.2449787f;
    v.xvclp3d[0] = 1.0f;
    v.xvclp3d[1] = -1.0f;
    v.iflab3d = 1;
}

extern "C" void axis3d(float x, float y, float z) {
    GlobalRecord &rec = chkini("axis3d");
    if (x <= 0.0f || y <= 0.0f || z <= 0.0f) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.view3d.xaxis3d[0] = x;
    rec.view3d.xaxis3d[1] = y;
    rec.view3d.xaxis3d[2] = z;
}

// view3d and vfoc3d keep the keyword's position itself: 0 means that no
// point was given.
extern "C" void view3d(float x, float y, float z, const char *copt) {
    GlobalRecord &rec = chkini("view3d");
    const int mode = jqqind("ABS +USER+ANGL", 3, copt);
    if (mode == 0) return;
    Projection3DState &v = rec.view3d;
    v.iview3d = mode;
    v.xview3d[0] = x;
    v.xview3d[1] = y;
    v.xview3d[2] = z;
}

extern "C" void vfoc3d(float x, float y, float z, const char *copt) {
    GlobalRecord &rec = chkini("vfoc3d");
    const int mode = jqqind("ABS +USER", 2, copt);
    if (mode == 0) return;
    Projection3DState &v = rec.view3d;
    v.ifoc3d = mode;
    v.xfoc3d[0] = x;
    v.xfoc3d[1] = y;
    v.xfoc3d[2] = z;
}

extern "C" void vup3d(float angle) {
    GlobalRecord &rec = chkini("vup3d");
    rec.view3d.xvup3d = angle * rec.core.xdegrad;
}

extern "C" void vang3d(float angle) {
    GlobalRecord &rec = chkini("vang3d");
    if (angle <= 0.0f || angle >= 180.0f) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec.view3d.xvang3d = angle * rec.core.xdegrad / 2.0f;
}

extern "C" void vclp3d(float front, float back) {
    GlobalRecord &rec = chkini("vclp3d");
    float *clip = rec.view3d.xvclp3d;
    if (front <= 0.0f) {
        warnin(Warning::incorrectParameter);
    } else {
        clip[0] = front;
    }
    // The back distance is weighed against the front distance given here,
    // even when that one was refused.
    if (back <= 0.0f) {
        clip[1] = -1.0f;
    } else if (front > back) {
        warnin(Warning::incorrectParameter);
    } else {
        clip[1] = back;
    }
}

extern "C" void ax3len(int nx, int ny, int nz) {
    GlobalRecord *rec = jqqlev(1, 1, "ax3len");
    if (rec == nullptr || jqqval(nz, 2, rec->page.nypage) != 0) return;
    axslen(nx, ny);
    rec->axsys.naxslen[2] = nz;
}

extern "C" void flab3d(void) {
    chkini("flab3d").view3d.iflab3d = 0;
}
