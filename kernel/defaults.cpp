// resall and reset.
#include "kernel/defaults.h"

#include <array>
#include <cstring>

#include "devices/image_state.h"
#include "devices/include_state.h"
#include "graphics2d/axis_defaults.h"
#include "graphics2d/bars.h"
#include "graphics2d/colour_range.h"
#include "graphics2d/contours.h"
#include "graphics2d/curves.h"
#include "graphics2d/filled_contours.h"
#include "graphics2d/gridding.h"
#include "graphics2d/legend.h"
#include "graphics2d/map_options.h"
#include "graphics2d/pies.h"
#include "graphics3d/surface_settings.h"
#include "graphics3d/view_settings.h"
#include "kavlor.h"
#include "kernel/colour.h"
#include "kernel/devices.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/line_styles.h"
#include "kernel/page.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
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

template <std::size_t N> void fillTriple(int (&triple)[N], int value) {
    for (int &v : triple)
        v = value;
}

// The digits after the point of axis, bar, contour and pie labels.
void resetDigits(GlobalRecord &rec) {
    fillTriple(rec.axes.ndigits, 1);
    rec.bar.nbardig = 1;
    rec.contour.ncondig = 1;
    rec.pie.npiedig = 1;
    rec.pie.npieper = 1;
}

struct ResetEntry {
    const char *keyword; // four characters, blank-padded
    void (*restore)(GlobalRecord &rec);
};

const std::array kResetEntries = {
    ResetEntry{"ALL ", [](GlobalRecord &rec) { resall(rec); }},
    ResetEntry{"ANGL", [](GlobalRecord &rec) { setTextAngle(rec, 0); }},
    ResetEntry{"BASA", resetBaseAlphabet},
    ResetEntry{"CHAA", resetSlant},
    ResetEntry{"CHAB", [](GlobalRecord &) {}},
    ResetEntry{"CHAS", [](GlobalRecord &rec) { rec.text.xchaspc = 0.0f; }},
    ResetEntry{"CHAW", [](GlobalRecord &rec) { rec.text.xchawth = 1.0f; }},
    ResetEntry{"CLPB", defaultClipWindow},
    ResetEntry{"CLPM", [](GlobalRecord &rec) { rec.clip.iclpmod = 0; }},
    ResetEntry{"CLPW", defaultClipWindow},
    ResetEntry{"CLRC", setColourCycle},
    ResetEntry{"CONC", [](GlobalRecord &rec) { rec.contfill.nconclr = 0; }},
    ResetEntry{"CONG", [](GlobalRecord &rec) { rec.contour.xcongap = 0.5f; }},
    ResetEntry{"CONM", [](GlobalRecord &rec) {
                   rec.contour.xconmod[0] = 0.5f;
                   rec.contour.xconmod[1] = 1.5f;
               }},
    ResetEntry{"COLO", [](GlobalRecord &rec) { qqsclr(rec, rec.colour.nclrfgd); }},
    ResetEntry{"COLR",
               [](GlobalRecord &rec) {
                   const int *ends = rec.colour.nclrran0;
                   if (ends[0] < ends[1]) {
                       rec.colour.nclrran[0] = ends[0] + 1;
                       rec.colour.nclrran[1] = ends[1] - 1;
                   }
               }},
    ResetEntry{"EUSH", [](GlobalRecord &rec) { rec.text.ieushft = 0; }},
    ResetEntry{"FIXS", resetFixedSpacing},
    ResetEntry{"FRME", [](GlobalRecord &rec) { rec.text.nfrmess = 0; }},
    ResetEntry{"HEIG", [](GlobalRecord &rec) { setTextHeight(rec, jqquni(rec, 36)); }},
    ResetEntry{"IANG", [](GlobalRecord &rec) { rec.font.xitadiv = 3.732f; }},
    ResetEntry{"FILB", [](GlobalRecord &rec) { rec.incl.ifilbox = 0; }},
    ResetEntry{"FILC", [](GlobalRecord &rec) { rec.incl.ifilclr = 0; }},
    ResetEntry{"IMGC", [](GlobalRecord &rec) { rec.img.iimgclp = 0; }},
    ResetEntry{"MDFM", resetGriddingDefaults},
    ResetEntry{"LINS", [](GlobalRecord &rec) { rec.line.xlinesp = 1.5f; }},
    ResetEntry{"MIXA", [](GlobalRecord &rec) { rec.text.imixalf = 0; }},
    ResetEntry{"NEWM", resetMixCharacters},
    ResetEntry{"NUMF", [](GlobalRecord &rec) { rec.number.inumfmt = 0; }},
    ResetEntry{"NUMO", [](GlobalRecord &rec) { qqcopy(rec.number.cnumode, ".000"); }},
    ResetEntry{"NOAR", defaultAreaFill},
    ResetEntry{"NOHI",
               [](GlobalRecord &rec) {
                   qqstrk(rec);
                   rec.surface.inohide = 0;
               }},
    ResetEntry{"NOCH", [](GlobalRecord &rec) { rec.msg.ichkpnt = 1; }},
    ResetEntry{"NOCL", [](GlobalRecord &rec) { rec.clip.iclpmod = 0; }},
    ResetEntry{"ORIG",
               [](GlobalRecord &rec) {
                   rec.page.nxorg = 0;
                   rec.page.nyorg = 0;
               }},
    ResetEntry{"SETB", [](GlobalRecord &rec) { rec.text.xsetbas = 0.8f; }},
    ResetEntry{"SETC", [](GlobalRecord &rec) { qqsclr(rec, rec.colour.nclrfgd); }},
    ResetEntry{"SETE", [](GlobalRecord &rec) { rec.text.xsetexp = 1.0f; }},
    ResetEntry{"SETM", resetMixCharacters},
    ResetEntry{"SHDC", [](GlobalRecord &rec) { rec.font.ishdcha = 0; }},
    ResetEntry{"SMXA", [](GlobalRecord &rec) { rec.text.nsmxalf = 0; }},
    ResetEntry{"SYMR", [](GlobalRecord &rec) { rec.symbol.xsymrot = 0.0f; }},
    ResetEntry{"SHDP", [](GlobalRecord &rec) { selectPattern(rec, 0); }},
    ResetEntry{"SHIE",
               [](GlobalRecord &rec) {
                   qqstrk(rec);
                   rec.shield.nshllen = 0;
                   rec.shield.nshield = 0;
               }},
    ResetEntry{"SHLS",
               [](GlobalRecord &rec) {
                   qqstrk(rec);
                   rec.shield.ishlsur = 0;
                   rec.horizon.ihidsur = 0;
               }},
    ResetEntry{"SPLM", resetSplineDefaults},
    ResetEntry{"SURC", [](GlobalRecord &rec) { rec.horizon.isurclr = 0; }},
    ResetEntry{"SURS", [](GlobalRecord &rec) { rec.surface.isursze = 0; }},
    ResetEntry{"SURV", [](GlobalRecord &rec) { rec.horizon.isurvis = 0; }},
    ResetEntry{"UNIT", defaultMessageStream},
    ResetEntry{"WIND", [](GlobalRecord &rec) { rec.win.iwinset = 0; }},
    ResetEntry{"WINM", [](GlobalRecord &rec) { rec.win.iwinmod = 0; }},
    ResetEntry{"WINS", [](GlobalRecord &rec) { rec.win.iwinset = 0; }},
    // Frames, figures and the vector logo.
    ResetEntry{"CIRC", defaultCircleSpacing},
    ResetEntry{"COLQ", [](GlobalRecord &rec) { rec.logo.iqlgclr = 0; }},
    ResetEntry{"FRAM", [](GlobalRecord &rec) { rec.frame.nframe = 1; }},
    ResetEntry{"NOFI", [](GlobalRecord &rec) { rec.logo.iqlgfil = 1; }},
    ResetEntry{"QLGA", [](GlobalRecord &rec) { rec.logo.nqlgang = 0; }},
    ResetEntry{"QLGC", [](GlobalRecord &rec) { rec.logo.iqlgcor = 1; }},
    ResetEntry{"QLGS", [](GlobalRecord &rec) { rec.logo.nqlgsiz = jqquni(rec, 300); }},

    // Axes, axis systems, titles and curves.
    ResetEntry{"AUTR", [](GlobalRecord &rec) { rec.axsys.iautres = 0; }},
    ResetEntry{"AX3L", resetAxisLengths3d},
    ResetEntry{"AXIS", resetBoxLengths},
    ResetEntry{"AXCL", resetAxisColours},
    ResetEntry{"AXEN", [](GlobalRecord &rec) { fillTriple(rec.axes.iaxends, 0); }},
    ResetEntry{"AXSL", resetAxisLengths},
    ResetEntry{"AXSP", resetAxisPosition},
    ResetEntry{"BARD", [](GlobalRecord &rec) { rec.bar.ibarlab = int(BarLabel::none); }},
    ResetEntry{"BARG", [](GlobalRecord &rec) { rec.bar.nbargrp = 1; }},
    ResetEntry{"BARP", [](GlobalRecord &rec) { rec.bar.ibarpos[0] = rec.bar.ibarpos[1] = 0; }},
    ResetEntry{"BART", [](GlobalRecord &rec) { rec.bar.ibartyp = int(BarKind::vertical); }},
    ResetEntry{"BARW", [](GlobalRecord &rec) { rec.curve.xbarwth = 0.75f; }},
    ResetEntry{"CENT", [](GlobalRecord &rec) { rec.axsys.icenter = 0; }},
    ResetEntry{"CHNC", [](GlobalRecord &rec) { rec.curve.ichncrv = 0; }},
    ResetEntry{"CHNP", [](GlobalRecord &rec) { rec.bar.ichnpie = int(BarCycling::pattern); }},
    ResetEntry{"DIGI", resetDigits},
    ResetEntry{"EXPZ", [](GlobalRecord &rec) { rec.axes.iexpzlb = 0; }},
    ResetEntry{"FLAB", [](GlobalRecord &rec) { rec.view3d.iflab3d = 1; }},
    ResetEntry{"GAPC", [](GlobalRecord &rec) { rec.curve.igapcrv = 0; }},
    ResetEntry{"GRAC", [](GlobalRecord &rec) { rec.axsys.igrace = -1; }},
    ResetEntry{"HNAM", [](GlobalRecord &rec) { rec.axes.nhname = jqquni(rec, 36); }},
    ResetEntry{"HTIT", [](GlobalRecord &rec) { rec.title.nhtitle = 0; }},
    ResetEntry{"INTA", resetDigits},
    ResetEntry{"LABC", [](GlobalRecord &rec) {
                   rec.bar.nbarlbc = -1;
                   rec.pie.npielbc = -1;
                   rec.contour.nconlbc = -1;
               }},
    ResetEntry{"LABD", resetLabelDistances},
    ResetEntry{"LABE", [](GlobalRecord &rec) {
                   resetLabelKinds(rec);
                   rec.bar.ibarlab = int(BarLabel::none);
                   rec.pie.ipielab = 1;
               }},
    ResetEntry{"LABJ", [](GlobalRecord &rec) { fillTriple(rec.axes.ilabjus, 0); }},
    ResetEntry{"LABP", [](GlobalRecord &rec) {
                   fillTriple(rec.axes.ilabpos, 0);
                   rec.bar.ibarlbp = kBarLabelAuto;
                   rec.pie.ipielbp = 0;
               }},
    ResetEntry{"LABT", [](GlobalRecord &rec) {
                   fillTriple(rec.axes.ilabtyp, 0);
                   rec.pie.ipielbt = 0;
               }},
    ResetEntry{"LFTT", [](GlobalRecord &rec) { rec.title.ititjus = 0; }},
    ResetEntry{"LEGC", [](GlobalRecord &rec) { rec.legend.ilegclr = 0; }},
    ResetEntry{"LINC", setLineCycle},
    ResetEntry{"LOGT", [](GlobalRecord &rec) { rec.axes.ilogtic = 0; }},
    ResetEntry{"MAPM", resetMapLineMode},
    ResetEntry{"MAPP", resetMapCentre},
    ResetEntry{"MAPR", resetMapParallels},
    ResetEntry{"MAPS", resetMapCap},
    ResetEntry{"MIXL", [](GlobalRecord &rec) { rec.legend.imixleg = 0; }},
    ResetEntry{"MYLA", [](GlobalRecord &rec) { fillTriple(rec.axes.nmylab, 0); }},
    ResetEntry{"NAMD", resetNameDistances},
    ResetEntry{"NAME", resetAxisNames},
    ResetEntry{"NEGL", [](GlobalRecord &rec) { rec.axes.ineglog = 0; }},
    ResetEntry{"NOBA", [](GlobalRecord &rec) { rec.axsys.inobar = 1; }},
    ResetEntry{"NOBG", [](GlobalRecord &rec) { rec.axsys.inobgd = 0; }},
    ResetEntry{"NOGR", [](GlobalRecord &rec) { rec.axsys.inograf = 0; }},
    ResetEntry{"NOLI", [](GlobalRecord &rec) { fillTriple(rec.axes.inoline, 1); }},
    ResetEntry{"PATC", setPatternCycle},
    ResetEntry{"PIEE", [](GlobalRecord &rec) { rec.pie.ipieexp = 0; }},
    ResetEntry{"PIEL", [](GlobalRecord &rec) {
                   rec.pie.cpielab[0][0] = '\0';
                   rec.pie.cpielab[1][0] = '\0';
               }},
    ResetEntry{"PIEV", [](GlobalRecord &rec) {
                   rec.pie.npievec[0] = 0;
                   rec.pie.npievec[1] = 2301;
               }},
    ResetEntry{"POLC", [](GlobalRecord &rec) { rec.curve.ipolcrv = 0; }},
    ResetEntry{"PROJ", resetMapProjection},
    ResetEntry{"RGTL", [](GlobalRecord &rec) { rec.axes.irgtlab = 0; }},
    ResetEntry{"RVYN", [](GlobalRecord &rec) { rec.axes.irvynam = 0; }},
    ResetEntry{"SCAL", [](GlobalRecord &rec) { fillTriple(rec.axes.ilogax, 0); }},
    ResetEntry{"SETG", resetSideLevels},
    ResetEntry{"SETR", resetColourCellSize},
    ResetEntry{"SETS", [](GlobalRecord &rec) { fillTriple(rec.axes.isetscl, 0); }},
    ResetEntry{"THKC", [](GlobalRecord &rec) { rec.curve.nthkcrv = 1; }},
    ResetEntry{"TICK", [](GlobalRecord &rec) { fillTriple(rec.axes.nticks, 2); }},
    ResetEntry{"TICL", resetTickLengths},
    ResetEntry{"TICP", [](GlobalRecord &rec) { fillTriple(rec.axes.iticpos, 0); }},
    ResetEntry{"TIMO", [](GlobalRecord &rec) { rec.axes.itimopt = 0; }},
    ResetEntry{"TITL", resetTitleLines},
    ResetEntry{"VIEW", [](GlobalRecord &rec) { rec.view3d.iview3d = 0; }},
    ResetEntry{"VKXB", [](GlobalRecord &rec) { rec.axsys.nvkxbar = 0; }},
    ResetEntry{"VKYB", [](GlobalRecord &rec) { rec.axsys.nvkybar = 0; }},
    ResetEntry{"VKYT", [](GlobalRecord &rec) { rec.title.nvkytit = 0; }},
    ResetEntry{"WIDB", [](GlobalRecord &rec) { rec.axsys.nwidbar = jqquni(rec, 85); }},
    ResetEntry{"ZSCA", resetColourRange},
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
    rec.light = LightState{}; // lighting off, the default lights and material
    resetNumberDefaults(rec);
    resetSplineDefaults(rec);
    resetAxisDefaults(rec);
    resetAxisSystemDefaults(rec);
    resetCurveDefaults(rec);
    resetLegendDefaults(rec);
    resetContourDefaults(rec);
    resetFilledContourDefaults(rec);
    resetGriddingDefaults(rec);
    resetBarDefaults(rec);
    resetPieDefaults(rec);
    resetMapDefaults(rec);
    rec.polar = PolarState{};
    resetColourRange(rec);
    resetViewDefaults(rec);
    resetSurfaceDefaults(rec);
    rec.view3d.ipln3d = 0; // a plot ended inside grfini .. grffin leaves no plane behind
    defaultHiddenLines(rec);
    defaultAreaFill(rec);
    defaultShields(rec);
    defaultFrames(rec);
    defaultCircleSpacing(rec);
    defaultLogo(rec);
    resetIncludeDefaults(rec);
    resetImageDefaults(rec);
    resetTextDefaults(rec);
    resetTextHeight(rec);
    setTextAngle(rec, 0);
    resetCurveAttributes(rec);
    setLineCycle(rec);
    setColourCycle(rec);
    setPatternCycle(rec);
    selectPattern(rec, 0);
    resetTextFont(rec);
}

extern "C" void reset(const char *keyword) {
    GlobalRecord &rec = chkini("reset");
    char key[5] = "    ";
    for (int i = 0; i < 4 && keyword != nullptr && keyword[i] != '\0'; ++i)
        key[i] = upperAscii(keyword[i]);
    for (const ResetEntry &entry : kResetEntries) {
        if (std::memcmp(entry.keyword, key, 4) == 0) {
            entry.restore(rec);
            return;
        }
    }
    warnc1(Warning::incorrectParameter, keyword != nullptr ? keyword : "");
}
