// The CGM options: cgmver, cgmpic, cgmbgd.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

extern "C" void cgmver(int version) {
    GlobalRecord *rec = jqqlev(0, 0, "cgmver");
    if (rec == nullptr) return;
    if (version != 1 && version != 4) {
        warni1(Warning::incorrectParameter, version);
        return;
    }
    rec->format.ncgmver = version;
}

extern "C" void cgmpic(const char *name) {
    GlobalRecord *rec = jqqlev(0, 3, "cgmpic");
    if (rec == nullptr) return;
    qqcopy(rec->format.ccgmpic, name != nullptr ? name : "", 256);
    rec->format.icgmpic = 1;
}

extern "C" void cgmbgd(float red, float green, float blue) {
    GlobalRecord *rec = jqqlev(0, 3, "cgmbgd");
    if (rec == nullptr) return;
    const float eps = rec->core.xeps;
    const float values[3] = {red, green, blue};
    for (float v : values) {
        if (!(v >= -eps && v <= 1.0f + eps)) {
            warnin(Warning::incorrectParameter);
            return;
        }
    }
    for (int i = 0; i < 3; ++i)
        rec->format.ncgmbgd[i] = truncToInt(values[i] * 255.0f + 0.5f);
    rec->format.icgmbgd = 1;
}
