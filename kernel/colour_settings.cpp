// Colour tables and colour values: setvlt, color, setclr, setrgb, setind,
// myvlt, indrgb, intrgb, colran, clrmod, clrcyc, revscr.
#include <utility>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/colour.h"
#include "kernel/colour_tables.h"
#include "kernel/colour_value.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/rounding.h"
#include "kernel/warnings.h"

namespace {

using Kind = ColourTableKind;

constexpr int kWhite = 0, kBlack = 8; // positions of WHIT and BLAC in the named colours

bool isReversedKind(Kind kind) {
    return kind == Kind::Rrai || kind == Kind::Rspe || kind == Kind::Rgre;
}

// The entry that changes place with entry 0 when the background is reversed.
int lastEntry(Kind kind) {
    return kind == Kind::Smal ? 1 : (kind == Kind::Vga ? 15 : 255);
}

// Components of a float colour as bytes; false when one lies outside -0.001..1.001.
bool componentBytes(float r, float g, float b, int &R, int &G, int &B) {
    auto valid = [](float v) { return v >= -0.001f && v <= 1.001f; };
    if (!valid(r) || !valid(g) || !valid(b)) return false;
    R = roundAddHalf(r * 255.0f);
    G = roundAddHalf(g * 255.0f);
    B = roundAddHalf(b * 255.0f);
    return true;
}

void setNamedColours(GlobalRecord &rec, Kind kind) {
    ColourState &c = rec.colour;
    const DeviceFacts &device = deviceFacts(rec.core.idevice);
    const bool grey = kind == Kind::Grey || kind == Kind::Rgre;
    const auto &set = grey ? kNamedGreys : kNamedColours;
    std::copy(set.begin(), set.end(), c.nclrnam);
    if (kind == Kind::Smal || grey) c.nclrnam[kBlack] = c.nclrnam[kWhite];
    int &white = c.nclrnam[kWhite];
    int &black = c.nclrnam[kBlack];
    switch (kind) {
    case Kind::Smal:
        if (device.whitePage) white = black = 0x01000000;
        break;
    case Kind::Rain:
    case Kind::Spec:
    case Kind::Grey:
    case Kind::Temp:
        if (device.whiteNamedBlack) white = 0x01000000;
        break;
    case Kind::Rrai:
    case Kind::Rspe:
    case Kind::Rgre:
        if (device.whitePage)
            white = black = 0x01000000;
        else if (rec.page.nbitpix <= 8)
            std::swap(white, black);
        break;
    case Kind::Vga:
        if (device.whitePage) {
            white = 0x01000000;
            black = 0x01FFFFFF;
        }
        break;
    }
}

void loadTable(GlobalRecord &rec, Kind kind) {
    ColourState &c = rec.colour;
    if (c.iusrvlt == 1) {
        c.iusrvlt = 0; // the table myvlt gave before kavini stays, once
        return;
    }
    loadColourTable(kind, c.nrgbtab);
    if (deviceFacts(rec.core.idevice).whitePage) {
        if (kind == Kind::Smal) {
            c.nrgbtab[0] = 0xFFFFFF;
            c.nrgbtab[1] = 0x000000;
        } else if (kind == Kind::Vga) {
            c.nrgbtab[0] = 0xFFFFFF;
            c.nrgbtab[15] = 0x000000;
        }
    }
}

void setForeBackAndRange(GlobalRecord &rec, Kind kind) {
    ColourState &c = rec.colour;
    const DeviceFacts &device = deviceFacts(rec.core.idevice);
    c.nclrfgd = 255;
    c.nclrbgd = 0;
    c.nclrran0[0] = 0;
    c.nclrran0[1] = 255;
    if (device.lightBackground &&
        (kind == Kind::Temp || kind == Kind::Rain || kind == Kind::Spec || kind == Kind::Grey)) {
        c.nclrfgd = 0;
        c.nclrbgd = 255;
    } else if (kind == Kind::Smal) {
        c.nclrran0[1] = 9;
        c.nclrfgd = 1;
    } else if (kind == Kind::Vga) {
        c.nclrran0[1] = 15;
        c.nclrfgd = 15;
    } else if (isReversedKind(kind) && rec.page.nbitpix > 8 && !device.whitePage) {
        c.nclrfgd = 0;
        c.nclrbgd = 255;
    }
    c.nclrran[0] = c.nclrran0[0] + 1;
    c.nclrran[1] = c.nclrran0[1] - 1;
}

void reverseBackground(GlobalRecord &rec, Kind kind) {
    if (rec.page.iscrmod != 2 || !deviceFacts(rec.core.idevice).reversible) return;
    ColourState &c = rec.colour;
    std::swap(c.nrgbtab[0], c.nrgbtab[lastEntry(kind)]);
    std::swap(c.nclrran0[0], c.nclrran0[1]);
    if (kind == Kind::Smal || kind == Kind::Grey || kind == Kind::Rgre)
        c.nclrnam[kWhite] = c.nclrnam[kBlack] = 0x01000000;
    else
        std::swap(c.nclrnam[kWhite], c.nclrnam[kBlack]);
}

} // namespace

void setColourCycle(GlobalRecord &rec) {
    for (int i = 0; i < kCurveCycleLength; ++i)
        rec.colour.nclrcyc[i] = rec.colour.nclrnam[i % 8];
}

void qqgrgb(const GlobalRecord &rec, int colour, float &r, float &g, float &b) {
    int R, G, B;
    colourComponents(rec, colour, R, G, B);
    r = float(R) / 255.0f;
    g = float(G) / 255.0f;
    b = float(B) / 255.0f;
}

void setvltKind(GlobalRecord &rec, Kind kind) {
    if (deviceFacts(rec.core.idevice).smallTable) kind = Kind::Smal;
    rec.colour.ivltid = int(kind);
    setNamedColours(rec, kind);
    loadTable(rec, kind);
    setForeBackAndRange(rec, kind);
    reverseBackground(rec, kind);
    setColourCycle(rec);
    shwvlt(rec);
    qqsclr(rec, rec.colour.nclrfgd);
}

extern "C" void setvlt(const char *table) {
    GlobalRecord *rec = jqqlev(1, 3, "setvlt");
    if (rec == nullptr) return;
    const int i = jqqind("SMAL+RAIN+SPEC+GREY+RRAI+RSPE+RGRE+VGA +TEMP", 9, table);
    if (i != 0) setvltKind(*rec, Kind(i - 1));
}

int namedColourValue(const GlobalRecord &rec, int index) {
    if (index <= 9) return rec.colour.nclrnam[index - 1];
    return index == 10 ? rec.colour.nclrfgd : rec.colour.nclrbgd;
}

extern "C" void color(const char *name) {
    GlobalRecord *rec = jqqlev(1, 3, "color");
    if (rec == nullptr) return;
    const int i = jqqind("WHIT+RED +GREE+YELL+BLUE+ORAN+CYAN+MAGE+BLAC+FORE+BACK", 11, name);
    if (i != 0) qqsclr(*rec, namedColourValue(*rec, i));
}

extern "C" void setclr(int index) {
    GlobalRecord *rec = jqqlev(1, 3, "setclr");
    if (rec == nullptr || jqqval(index, 0, -1) != 0) return;
    qqsclr(*rec, index);
}

extern "C" void setrgb(float r, float g, float b) {
    GlobalRecord *rec = jqqlev(1, 3, "setrgb");
    if (rec == nullptr) return;
    int R, G, B;
    if (!componentBytes(r, g, b, R, G, B)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    qqsclr(*rec, explicitColour(R, G, B));
}

extern "C" void setind(int index, float r, float g, float b) {
    GlobalRecord *rec = jqqlev(1, 3, "setind");
    if (rec == nullptr) return;
    const float e = rec->core.xeps;
    auto valid = [e](float v) { return v >= -e && v <= 1.0f + e; };
    if (index < 0 || index > 255 || !valid(r) || !valid(g) || !valid(b)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec->colour.nrgbtab[index] = (roundAddHalf(r * 255.0f) << 16) |
                                 (roundAddHalf(g * 255.0f) << 8) | roundAddHalf(b * 255.0f);
    shwvlt(*rec);
}

extern "C" void myvlt(const float *red, const float *green, const float *blue, int n) {
    GlobalRecord *rec = jqqlev(0, 3, "myvlt");
    if (rec == nullptr || jqqval(n, 1, 256) != 0 || !arraysGiven(red, green, blue)) return;
    const float e = rec->core.xeps;
    for (int i = 0; i < n; ++i) {
        for (float v : {red[i], green[i], blue[i]}) {
            if (!(v >= -e && v <= 1.0f + e)) { // NaN too
                warnin(Warning::incorrectParameter);
                return;
            }
        }
    }
    for (int i = 0; i < n; ++i)
        rec->colour.nrgbtab[i] = (nintqq(red[i] * 255.0f) << 16) |
                                 (nintqq(green[i] * 255.0f) << 8) | nintqq(blue[i] * 255.0f);
    if (rec->core.ilevel == 0)
        rec->colour.iusrvlt = 1;
    else
        shwvlt(*rec);
}

extern "C" int indrgb(float r, float g, float b) {
    GlobalRecord *rec = jqqlev(1, 3, "indrgb");
    if (rec == nullptr) return -1;
    int R, G, B;
    if (!componentBytes(r, g, b, R, G, B)) {
        warnin(Warning::incorrectParameter);
        return -1;
    }
    return qqgidx(*rec, R, G, B);
}

extern "C" int intrgb(float r, float g, float b) {
    int R, G, B;
    return componentBytes(r, g, b, R, G, B) ? explicitColour(R, G, B) : -1;
}

extern "C" void colran(int first, int last) {
    GlobalRecord &rec = chkini("colran");
    const int bad = jqqval(first, 0, 255) + jqqval(last, 0, 255);
    if (bad != 0) return;
    rec.colour.nclrran[0] = first;
    rec.colour.nclrran[1] = last;
}

extern "C" void clrmod(const char *mode) {
    GlobalRecord *rec = jqqlev(0, 0, "clrmod");
    if (rec == nullptr) return;
    setFromKeyword(rec->colour.iclrmod, "NONE+FULL+CONT", 3, mode);
}

extern "C" void clrcyc(int index, int colour) {
    GlobalRecord &rec = chkini("clrcyc");
    if (jqqval(index, 1, 30) + jqqval(colour, 0, -1) != 0) return;
    rec.colour.nclrcyc[index - 1] = colour;
}

extern "C" void revscr(void) {
    GlobalRecord *rec = jqqlev(1, 3, "revscr");
    if (rec == nullptr) return;
    ColourState &c = rec->colour;
    std::swap(c.nrgbtab[0], c.nrgbtab[lastEntry(Kind(c.ivltid))]);
    if (onPaper(rec->core.idevice))
        qqsclr(*rec, c.ncolor);
    else
        shwvlt(*rec);
}
