// Options of the raster files, set before kavini: pngmod, gifmod, tifmod.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"

namespace {

// "OFF" or "ON" of a transparency option "TRAN"; 0 or 1, -1 after warning 2.
int transparency(const char *mode, const char *option) {
    if (jqqind("TRAN", 1, option) == 0) return -1;
    return jqqind("OFF +ON  ", 2, mode) - 1;
}

} // namespace

extern "C" void pngmod(const char *cmode, const char *ckey) {
    GlobalRecord *rec = jqqlev(0, 0, "pngmod");
    if (rec == nullptr) return;
    const int value = transparency(cmode, ckey);
    if (value >= 0) rec->format.ipngmod = value;
}

extern "C" void gifmod(const char *cmode, const char *ckey) {
    GlobalRecord *rec = jqqlev(0, 0, "gifmod");
    if (rec == nullptr) return;
    const int value = transparency(cmode, ckey);
    if (value >= 0) rec->format.igifmod = value;
}

extern "C" void tifmod(int n, const char *cunit, const char *copt) {
    GlobalRecord *rec = jqqlev(0, 0, "tifmod");
    if (rec == nullptr || jqqind("RESO", 1, copt) == 0) return;
    const int unit = jqqind("INCH+CM  ", 2, cunit);
    if (unit == 0) return;
    rec->format.ntifres = n;
    rec->format.itifuni = unit == 1 ? 2 : 3; // the TIFF ResolutionUnit values
}
