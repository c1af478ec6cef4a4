// The WMF option wmfmod, set before kavini.
#include "devices/wmf_writer.h"
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"

extern "C" void wmfmod(const char *value, const char *option) {
    GlobalRecord *rec = jqqlev(0, 0, "wmfmod");
    if (rec == nullptr || jqqind("FORM", 1, option) == 0) return;
    const int form = jqqind("STAN+PLAC", 2, value);
    if (form != 0) rec->format.iwmfmod = form - 1;
}
