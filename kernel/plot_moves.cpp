// Moves and draws in plot units of the internal page system: strtpt, connpt.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"

extern "C" void strtpt(float x, float y) {
    GlobalRecord *rec = jqqlev(1, 3, "strtpt");
    if (rec == nullptr) return;
    strtqq(*rec, x, y);
}

extern "C" void connpt(float x, float y) {
    GlobalRecord *rec = jqqlev(1, 3, "connpt");
    if (rec == nullptr) return;
    connqq(*rec, x, y);
}
