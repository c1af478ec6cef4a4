// Shading patterns: the table of 18 patterns, shdpat and mypat.
#include "kernel/hatch_patterns.h"

#include <array>

#include "kavlor.h"
#include "kernel/devices.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

// Code of each pattern: angle * 1000 + type * 100 + density * 10 + cross.
// Pattern 16 is the solid fill.
constexpr std::array<int, 18> kPatternCodes = {
    0,     45150, 150450, 135150, 45450, 45151, 135210, 45451, 30140,
    45211, 151,   45310,  70470,  45311, 451,   45210,  100,   550,
};

// Hatch types that draw their scan lines in groups.
enum HatchType { kPairs = 2, kTriples = 3, kBands = 4 };

} // namespace

bool setPattern(GlobalRecord &rec, int angle, int type, int density, int cross) {
    // Every component is checked, so that each one out of range is reported.
    const int bad =
        jqqval(angle, 0, 179) + jqqval(cross, 0, 1) + jqqval(type, 0, 7) + jqqval(density, 0, 9);
    if (bad != 0) return false;
    FillState &fill = rec.fill;
    fill.ihatang = angle;
    fill.ihatcrs = cross;
    fill.ihattyp = type;
    fill.ihatden = density;
    fill.nshdpat = angle * 1000 + type * 100 + density * 10 + cross;
    // Spacings in base units; groups of drawn and skipped scan lines.
    switch (type) {
    case kPairs:
        fill.xsurscl = 20.0f;
        fill.ihatknd = 2;
        fill.nhatskp = truncToInt(float(density) + 0.9999f);
        break;
    case kTriples:
        fill.xsurscl = 15.0f;
        fill.ihatknd = 3;
        fill.nhatskp = truncToInt(float(density) + 0.9999f);
        break;
    case kBands:
        fill.xsurscl = 1.0f;
        fill.ihatknd = 8;
        fill.nhatskp = truncToInt(5.0f * float(density) + 4.9999f);
        break;
    default:
        // Dense lines are finer where solid fills need it (this pattern's
        // own factor, a little above kFineFillSpacing).
        fill.xsurscl = density == 0 && deviceFacts(rec.core.idevice).fineFills
                           ? 0.39999f
                           : 5.0f * float(density) + 1.9999f;
        break;
    }
    fill.xsurscl = fill.xsurscl / rec.page.xunits;
    return true;
}

bool selectPattern(GlobalRecord &rec, int n) {
    if (n < 0) {
        warni1(Warning::incorrectParameter, n);
        return false;
    }
    const int code = n < int(kPatternCodes.size()) ? kPatternCodes[std::size_t(n)] : n;
    if (!setPattern(rec, code / 1000, (code % 1000) / 100, (code % 100) / 10, code % 2))
        return false;
    rec.fill.nshdpat = n;
    return true;
}

extern "C" void shdpat(int n) {
    GlobalRecord &rec = chkini("shdpat");
    selectPattern(rec, n);
}

extern "C" void mypat(int iangle, int itype, int idens, int icross) {
    GlobalRecord &rec = chkini("mypat");
    setPattern(rec, iangle, itype, idens, icross);
}
