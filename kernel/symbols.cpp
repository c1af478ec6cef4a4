// Marker symbols: symbol, the symbol settings hsymbl and symrot, and the user
// symbol of mysymb. The dispatch draws them (dsymbl).
#include <cmath>
#include <cstdio>
#include <memory>
#include <new>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/message_stream.h"
#include "kernel/page.h"
#include "kernel/page_sums.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

extern "C" void symbol(int n, int nx, int ny) {
    GlobalRecord *recp = jqqlev(1, 3, "symbol");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    const SymbolState &s = rec.symbol;
    const bool user = s.nusrsym > 0 && n == s.iusrsym;
    if (!user && jqqval(n, 0, s.nmaxsym) != 0) return;
    ny = jqqyvl(rec, ny);
    const int x = pageSum(nx, rec.page.nxorg);
    const int y = pageSum(ny, rec.page.nyorg);
    if (x < 0 || x > rec.page.nxpage || y < 0 || y > rec.page.nypage) {
        rec.msg.noutpag += 1;
        if (rec.msg.iunit != 0 && rec.msg.iwarn != 0) {
            qqerrfil(rec);
            if (rec.msg.fpmsg != nullptr)
                std::fprintf(rec.msg.fpmsg, " >>>> (%d/%d) out of page in symbol!\n", nx, ny);
        }
    }
    dsymbl(rec, n, nx, ny);
}

extern "C" void hsymbl(int n) {
    GlobalRecord &rec = chkini("hsymbl");
    if (jqqval(n, 1, 10000) == 0) rec.symbol.nhsymb = n;
}

extern "C" void symrot(float angle) {
    chkini("symrot").symbol.xsymrot = angle;
}

extern "C" void mysymb(const float *x, const float *y, int n, int isym, int ifill) {
    GlobalRecord *rec = jqqlev(1, 3, "mysymb");
    if (rec == nullptr) return;
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    if (ifill != 0 && ifill != 1) {
        warni1(Warning::incorrectParameter, ifill);
        return;
    }
    if (isym < 0) {
        warni1(Warning::incorrectParameter, isym);
        return;
    }
    if (!arraysGiven(x, y)) return;
    constexpr float kLimit = 1.000001f;
    for (int i = 0; i < n; ++i) {
        if (std::fabs(x[i]) > kLimit || std::fabs(y[i]) > kLimit) {
            qqserr("values out of range");
            warnin(Warning::ownText);
            break;
        }
    }
    SymbolState &s = rec->symbol;
    s.xusrsym.reset();
    s.yusrsym.reset();
    s.nusrsym = 0;
    s.xusrsym.reset(new (std::nothrow) float[size_t(n)]);
    s.yusrsym.reset(new (std::nothrow) float[size_t(n)]);
    if (!s.xusrsym || !s.yusrsym) {
        s.xusrsym.reset();
        s.yusrsym.reset();
        warnin(Warning::noMemory);
        return;
    }
    for (int i = 0; i < n; ++i) {
        s.xusrsym[i] = x[i];
        s.yusrsym[i] = y[i];
    }
    s.nusrsym = n;
    s.iusrsym = isym;
    s.iusrfill = ifill;
}
