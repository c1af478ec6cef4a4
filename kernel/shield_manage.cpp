// Managing shields: shield, shlvis, shldel, shlres, shlind, shlsur.
#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/shield_list.h"
#include "kernel/warnings.h"

namespace {

enum ShieldOption { kOn = 1, kOff, kVisible, kInvisible, kDelete, kReset };

} // namespace

extern "C" void shield(const char *object, const char *option) {
    GlobalRecord *rec = jqqlev(1, 3, "shield");
    if (rec == nullptr) return;
    // Both keywords are looked up, so that each bad one is reported.
    const int cls = jqqind("MESS+SYMB+BARS+PIE +LEGE", 5, object);
    const int what = jqqind("ON  +OFF +VIS +NOVI+DELE+RESE", 6, option);
    if (cls == 0 || what == 0) return;
    qqstrk(*rec);
    if (what == kOn || what == kOff || what == kReset)
        rec->shield.ishlaut[cls - 1] = what == kOn ? 1 : 0;
    if (what == kVisible || what == kInvisible) {
        forEachShield(*rec, [&](int *entry) {
            if (shieldClass(entry) == cls) setShieldOff(entry, what == kInvisible);
        });
    }
    if (what == kDelete || what == kReset)
        removeShields(*rec, [&](const int *entry) { return shieldClass(entry) == cls; });
}

extern "C" void shlvis(int id, const char *mode) {
    GlobalRecord *rec = jqqlev(1, 3, "shlvis");
    if (rec == nullptr) return;
    const int onOff = jqqind("ON  +OFF ", 2, mode);
    if (onOff == 0) return;
    qqstrk(*rec);
    forEachShield(*rec, [&](int *entry) {
        if (id == 0 || entry[1] == id) setShieldOff(entry, onOff == 2);
    });
}

extern "C" void shldel(int id) {
    GlobalRecord *rec = jqqlev(1, 3, "shldel");
    if (rec == nullptr) return;
    qqstrk(*rec);
    if (id < 0) {
        warni1(Warning::incorrectParameter, id);
        return;
    }
    // Id 0 deletes every user shield.
    removeShields(*rec, [&](const int *entry) {
        return entry[1] == id || (id == 0 && shieldClass(entry) == 0);
    });
}

extern "C" void shlres(int n) {
    GlobalRecord *rec = jqqlev(1, 3, "shlres");
    if (rec == nullptr) return;
    if (n < 1) {
        warni1(Warning::incorrectParameter, n);
        return;
    }
    qqstrk(*rec);
    // The most recent n user shields go; the automatic ones stay.
    const int keep = rec->shield.nshlusr - n;
    int seen = 0;
    removeShields(*rec, [&](const int *entry) {
        if (shieldClass(entry) != 0) return false;
        return ++seen > keep;
    });
}

extern "C" int shlind(void) {
    GlobalRecord &rec = chkini("shlind");
    return rec.shield.nshield;
}

extern "C" void shlsur(void) {
    GlobalRecord &rec = chkini("shlsur");
    rec.shield.ishlsur = 1;
}
