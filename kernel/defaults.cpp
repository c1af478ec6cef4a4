// resall and reset.
#include "kernel/defaults.h"

#include <array>
#include <cstring>

#include "kavlor.h"
#include "kernel/colour.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/layer_resets.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/number_text.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/spline.h"
#include "kernel/text.h"
#include "kernel/text_defaults.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

void defaultMessageStream(GlobalRecord &rec) {
    rec.msg.fpmsg = rec.msg.fpmsgdf;
    rec.msg.iunit = rec.msg.fpmsgdf == stdout ? 6 : 17;
}

void defaultClipWindow(GlobalRecord &rec) {
    ClipState &clip = rec.clip;
    clip.iclpcrc = 0;
    clip.iclpbor = 0;
    clip.nclpwin[0] = 0;
    clip.nclpwin[1] = 0;
    clip.nclpwin[2] = rec.page.nxpage;
    clip.nclpwin[3] = rec.page.nypage;
}

// Page, clip window, window settings and messages.
void defaultPageSettings(GlobalRecord &rec) {
    rec.page.nxorg = 0;
    rec.page.nyorg = 0;
    rec.page.ipagorg = 0;
    defaultClipWindow(rec);
    rec.clip.iclpmod = 0;
    rec.msg.iprotfl = 1;
    rec.msg.ichkpnt = 1;
    rec.win.iwinopt = 10;
    rec.win.iwinmod = 0;
    rec.win.iwinkey = 0;
    rec.win.icsrtyp = 1;
    rec.win.icsrmod = 0;
    rec.win.icsruni = 0;
    rec.out.npage = 1;
}

// Lines: solid, width 1, truncated joins, long caps.
void defaultLineSettings(GlobalRecord &rec) {
    LineState &line = rec.line;
    line.ilintyp = 0;
    line.nlinwid = 1;
    line.ilnjoin = 2;
    line.ilncap = 2;
    line.xlnmlt = 2.0f;
}

// Hidden lines and the sides of surfaces.
void defaultHiddenLines(GlobalRecord &rec) {
    rec.horizon.ihidsur = 0;
    rec.horizon.isurclr = 0;
    rec.horizon.isurvis = 0;
}

void defaultAreaFill(GlobalRecord &rec) {
    rec.fill.inoarln = 1;
}
// An empty shield list.
void defaultShields(GlobalRecord &rec) {
    rec.shield.nshllen = 0;
    rec.shield.nshield = 0;
    rec.shield.ishlsur = 0;
}

// Frames of axis systems and shields, and the point spacing of arcs.
void defaultFrames(GlobalRecord &rec) {
    rec.frame.nframe = 1;
    rec.frame.nfrmclr = -1;
}
void defaultCircleSpacing(GlobalRecord &rec) {
    rec.figure.xcircsp = 10.0f / rec.page.xunits;
}

// The vector logo: at a corner, 30 mm, filled, in its own colours, upright.
void defaultLogo(GlobalRecord &rec) {
    LogoState &logo = rec.logo;
    logo.iqlgcor = 1;
    logo.nqlgsiz = jqquni(rec, 300);
    logo.iqlgfil = 1;
    logo.iqlgclr = 0;
    logo.nqlgang = 0;
}

const std::array kResetKeywords = {
    ResetKeyword{"ALL ", [](GlobalRecord &rec) { resall(rec); }},
    ResetKeyword{"ANGL", [](GlobalRecord &rec) { setTextAngle(rec, 0); }},
    ResetKeyword{"BASA", resetBaseAlphabet},
    ResetKeyword{"CHAA", resetSlant},
    ResetKeyword{"CHAB", [](GlobalRecord &) {}},
    ResetKeyword{"CHAS", [](GlobalRecord &rec) { rec.text.xchaspc = 0.0f; }},
    ResetKeyword{"CHAW", [](GlobalRecord &rec) { rec.text.xchawth = 1.0f; }},
    ResetKeyword{"CLPB", defaultClipWindow},
    ResetKeyword{"CLPM", [](GlobalRecord &rec) { rec.clip.iclpmod = 0; }},
    ResetKeyword{"CLPW", defaultClipWindow},
    ResetKeyword{"CLRC", setColourCycle},
    ResetKeyword{"COLO", [](GlobalRecord &rec) { qqsclr(rec, rec.colour.nclrfgd); }},
    ResetKeyword{"COLR",
               [](GlobalRecord &rec) {
                   const int *ends = rec.colour.nclrran0;
                   if (ends[0] < ends[1]) {
                       rec.colour.nclrran[0] = ends[0] + 1;
                       rec.colour.nclrran[1] = ends[1] - 1;
                   }
               }},
    ResetKeyword{"EUSH", [](GlobalRecord &rec) { rec.text.ieushft = 0; }},
    ResetKeyword{"FIXS", resetFixedSpacing},
    ResetKeyword{"FRME", [](GlobalRecord &rec) { rec.text.nfrmess = 0; }},
    ResetKeyword{"HEIG", [](GlobalRecord &rec) { setTextHeight(rec, jqquni(rec, 36)); }},
    ResetKeyword{"IANG", [](GlobalRecord &rec) { rec.font.xitadiv = 3.732f; }},
    ResetKeyword{"LINS", [](GlobalRecord &rec) { rec.line.xlinesp = 1.5f; }},
    ResetKeyword{"MIXA", [](GlobalRecord &rec) { rec.text.imixalf = 0; }},
    ResetKeyword{"NEWM", resetMixCharacters},
    ResetKeyword{"NUMF", [](GlobalRecord &rec) { rec.number.inumfmt = 0; }},
    ResetKeyword{"NUMO", [](GlobalRecord &rec) { qqcopy(rec.number.cnumode, ".000"); }},
    ResetKeyword{"NOAR", defaultAreaFill},
    ResetKeyword{"NOCH", [](GlobalRecord &rec) { rec.msg.ichkpnt = 1; }},
    ResetKeyword{"NOCL", [](GlobalRecord &rec) { rec.clip.iclpmod = 0; }},
    ResetKeyword{"ORIG",
               [](GlobalRecord &rec) {
                   rec.page.nxorg = 0;
                   rec.page.nyorg = 0;
               }},
    ResetKeyword{"SETB", [](GlobalRecord &rec) { rec.text.xsetbas = 0.8f; }},
    ResetKeyword{"SETC", [](GlobalRecord &rec) { qqsclr(rec, rec.colour.nclrfgd); }},
    ResetKeyword{"SETE", [](GlobalRecord &rec) { rec.text.xsetexp = 1.0f; }},
    ResetKeyword{"SETM", resetMixCharacters},
    ResetKeyword{"SHDC", [](GlobalRecord &rec) { rec.font.ishdcha = 0; }},
    ResetKeyword{"SMXA", [](GlobalRecord &rec) { rec.text.nsmxalf = 0; }},
    ResetKeyword{"SYMR", [](GlobalRecord &rec) { rec.symbol.xsymrot = 0.0f; }},
    ResetKeyword{"SHDP", [](GlobalRecord &rec) { selectPattern(rec, 0); }},
    ResetKeyword{"SHIE",
               [](GlobalRecord &rec) {
                   qqstrk(rec);
                   rec.shield.nshllen = 0;
                   rec.shield.nshield = 0;
               }},
    ResetKeyword{"SHLS",
               [](GlobalRecord &rec) {
                   qqstrk(rec);
                   rec.shield.ishlsur = 0;
                   rec.horizon.ihidsur = 0;
               }},
    ResetKeyword{"SPLM", resetSplineDefaults},
    ResetKeyword{"SURC", [](GlobalRecord &rec) { rec.horizon.isurclr = 0; }},
    ResetKeyword{"SURV", [](GlobalRecord &rec) { rec.horizon.isurvis = 0; }},
    ResetKeyword{"UNIT", defaultMessageStream},
    ResetKeyword{"WIND", [](GlobalRecord &rec) { rec.win.iwinset = 0; }},
    ResetKeyword{"WINM", [](GlobalRecord &rec) { rec.win.iwinmod = 0; }},
    ResetKeyword{"WINS", [](GlobalRecord &rec) { rec.win.iwinset = 0; }},
    ResetKeyword{"CIRC", defaultCircleSpacing},
    ResetKeyword{"COLQ", [](GlobalRecord &rec) { rec.logo.iqlgclr = 0; }},
    ResetKeyword{"FRAM", [](GlobalRecord &rec) { rec.frame.nframe = 1; }},
    ResetKeyword{"NOFI", [](GlobalRecord &rec) { rec.logo.iqlgfil = 1; }},
    ResetKeyword{"QLGA", [](GlobalRecord &rec) { rec.logo.nqlgang = 0; }},
    ResetKeyword{"QLGC", [](GlobalRecord &rec) { rec.logo.iqlgcor = 1; }},
    ResetKeyword{"QLGS", [](GlobalRecord &rec) { rec.logo.nqlgsiz = jqquni(rec, 300); }},
};

} // namespace

void resall(GlobalRecord &rec) {
    constexpr int kSolid[1] = {1};
    setDashPattern(rec, kSolid, 1);
    rec.colour.ncolor = 0;
    setvltKind(rec, deviceFacts(rec.core.idevice).greyTable ? ColourTableKind::Rgre
                                                            : ColourTableKind::Rain);
    rec.line.xlinesp = 1.5f;
    defaultMessageStream(rec);
    defaultPageSettings(rec);
    defaultLineSettings(rec);
    rec.trf.itrfon = 0;
    resetNumberDefaults(rec);
    resetSplineDefaults(rec);
    for (const LayerResets &layer : layerResets())
        layer.resetAll(rec);
    defaultHiddenLines(rec);
    defaultAreaFill(rec);
    defaultShields(rec);
    defaultFrames(rec);
    defaultCircleSpacing(rec);
    defaultLogo(rec);
    resetTextDefaults(rec);
    resetTextHeight(rec);
    setTextAngle(rec, 0);
    setColourCycle(rec);
    selectPattern(rec, 0);
    resetTextFont(rec);
}

extern "C" void reset(const char *keyword) {
    GlobalRecord &rec = chkini("reset");
    char key[5] = "    ";
    for (int i = 0; i < 4 && keyword != nullptr && keyword[i] != '\0'; ++i)
        key[i] = upperAscii(keyword[i]);
    const ResetKeyword *entry = findResetKeyword(kResetKeywords, key);
    for (const LayerResets &layer : layerResets())
        if (entry == nullptr) entry = findResetKeyword(layer.keywords, key);
    if (entry != nullptr) {
        entry->restore(rec);
        return;
    }
    warnc1(Warning::incorrectParameter, keyword != nullptr ? keyword : "");
}
